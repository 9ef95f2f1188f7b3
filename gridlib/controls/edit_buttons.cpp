// The edit buttons of an edit or a column: their collection, visibility and widths.
#include "gridlib/controls/edit_buttons.h"

#include "platform/classes/properties.h"

void TVisibleEditButtonEx::Publish() {
  TPublisher<TVisibleEditButtonEx> p;
  p.Property("Visible", &TVisibleEditButtonEx::Visible, &TVisibleEditButtonEx::SetVisible)
      .Default(true);
  p.Property("Width", &TVisibleEditButtonEx::Width, &TVisibleEditButtonEx::SetWidth).Default(0);
}

void TVisibleEditButtonEx::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TVisibleEditButtonEx*>(source)) {
    SetVisible(other->Visible());
    SetWidth(other->Width());
    return;
  }
  TCollectionItem::Assign(source);
}

void TVisibleEditButtonEx::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed(false);
}

void TVisibleEditButtonEx::SetWidth(int value) {
  if (value < 0) value = 0;
  if (width_ == value) return;
  width_ = value;
  Changed(false);
}

void TEditButtonsEx::Update(TCollectionItem* item) {
  (void)item;
  OnChange.Call(this);
}
