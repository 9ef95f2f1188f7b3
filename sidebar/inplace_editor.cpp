// In-place renaming of headers and buttons: starting, committing and ending an edit.
#include "sidebar/inplace_editor.h"

#include "platform/classes/properties.h"
#include "platform/windows/keys.h"
#include "sidebar/handler_watch.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "platform/classes/collection.h"

TnbInplaceEditor::TnbInplaceEditor(TnbSideBar* bar)
    : bar_(bar), edit_(new TnbInplaceEdit(bar)) {
  // The edit's font is a look of its own, stored with the bar's layout as it differs from a
  // plain font: it does not follow the bar's, which would mix into it on loading.
  edit_->SetParentFont(false);
  edit_->SetParent(bar);
  edit_->SetVisible(false);
  edit_->SetTop(-1000);
  edit_->OnKeyDown.Bind(nullptr, "", [this](TObject*, uint16_t& key, TShiftState shift) { KeyDown(key, shift); });
  // Leaving the edit keeps what was typed.
  edit_->OnExit.Bind(nullptr, "", [this](TObject*) { EndEdit(false); });
}
TnbInplaceEditor::~TnbInplaceEditor() {
  // The bar frees the edit later with its other components; it must not call back here.
  edit_->OnKeyDown = nullptr;
  edit_->OnExit = nullptr;
  edit_->OnContextPopup = nullptr;
}

void TnbInplaceEditor::Publish() {
  using E = TnbInplaceEditor;
  TPublisher<E> p;
  p.Property("Alignment", &E::Alignment, &E::SetAlignment).Default(taLeftJustify);
  p.Property("BorderColor", &E::BorderColor, &E::SetBorderColor);
  p.Property("Flat", &E::Flat, &E::SetFlat);
  p.Property("ShowBorder", &E::ShowBorder, &E::SetShowBorder);
  p.Property("Font", &E::Font, &E::SetFont);
  p.Property("WordWrap", &E::WordWrap, &E::SetWordWrap).Default(true);
  p.Property("PopupMenu", &E::PopupMenu, &E::SetPopupMenu);
  // The bar installs its own handler here; a stored one would replace it.
  p.Event("OnContextPopup", [](E* e) -> TContextPopupEvent& { return e->Edit()->OnContextPopup; }).Stored(false);
  p.Event("OnChange", &E::OnChange);
}

void TnbInplaceEditor::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbInplaceEditor*>(source);
  if (o == nullptr) return TPersistent::Assign(source);
  edit_->Assign(o->edit_);
  Change();
}

bool TnbInplaceEditor::BeginEdit(TnbHeader* header) {
  if (header == nullptr || header->Options().Contains(hoReadOnlyCaption)) return false;
  EndEdit(false);
  header_ = header;
  Show(header->CaptionRect(), header->Caption());
  return true;
}

bool TnbInplaceEditor::BeginEdit(TnbButton* button) {
  if (button == nullptr || button->Options().Contains(boReadOnlyCaption)) return false;
  EndEdit(false);
  button_ = button;
  Show(button->Rects().Button, button->Caption());
  return true;
}

void TnbInplaceEditor::Show(const TRect& r, const String& text) {
  edit_->SetBoundsRect(r);
  edit_->SetText(text);
  // Typing replaces the whole caption, as renaming usually does; arrows keep parts of it.
  edit_->SelectAll();
  editing_ = true;
  edit_->SetVisible(true);
  if (edit_->CanFocus()) edit_->SetFocus();
}

void TnbInplaceEditor::EndEdit(bool cancel) {
  if (!editing_) return;
  editing_ = false;
  edit_->SetTop(-1000);
  // OnChange may free the bar, and this editor with it.
  TnbHandlerWatch watch(*bar_);
  Commit(cancel);
  if (!watch.BarKept()) return;
  edit_->SetVisible(false);
  header_ = nullptr;
  button_ = nullptr;
}

void TnbInplaceEditor::Commit(bool cancel) {
  if (cancel || (header_ == nullptr && button_ == nullptr)) return;
  if (header_ != nullptr) header_->SetCaption(Text());
  else button_->SetCaption(Text());
  Change();
}

void TnbInplaceEditor::KeyDown(uint16_t& key, TShiftState shift) {
  if (!shift.Empty()) return;
  if (key == VK_RETURN) {
    EndEdit(false);
    key = 0;
  } else if (key == VK_ESCAPE) {
    EndEdit(true);
    key = 0;
  }
}

void TnbInplaceEditor::Forget(TCollectionItem* item) {
  if (item == nullptr || (item != static_cast<TCollectionItem*>(header_) && item != static_cast<TCollectionItem*>(button_)))
    return;
  // The item is leaving: the edit ends without a target to write to.
  header_ = nullptr;
  button_ = nullptr;
  editing_ = false;
  edit_->SetVisible(false);
}
