// Skinned edits and masked edits.
#include "platform/classes/properties.h"
#include "skin/edits.h"
#include "skin/style_propagation.h"

namespace {
constexpr int kEditBorderWidth = 2;
}  // namespace

TskEdit::TskEdit(TComponent* owner) : TskBordered<TCustomEdit>(owner, kEditBorderWidth) {
  SetBorderStyle(bsNone);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

void TskEdit::Publish() {
  TPublisher<TskEdit> p;
  p.Redeclare("BorderStyle").Default(bsNone);
  PublishBorder(p);
}

TskMaskEdit::TskMaskEdit(TComponent* owner) : TskBordered<TCustomMaskEdit>(owner, kEditBorderWidth) {
  SetBorderStyle(bsNone);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

void TskMaskEdit::Publish() {
  TPublisher<TskMaskEdit> p;
  p.Redeclare("BorderStyle").Default(bsNone);
  PublishBorder(p);
}
