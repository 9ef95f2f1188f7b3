// The extra row of a lookup list (an entry for "no value"): its texts, look, shortcut and value.
#include "gridlib/controls/lookup_extra_row.h"

#include <vector>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

TSpecRowEx::TSpecRowEx(TPersistent* owner) : owner_(owner), font_(std::make_unique<TFont>()) {
  font_->OnChange.Bind(nullptr, "", [this](TObject*) {
    fontAssigned_ = true;
    Changed();
  });
}

TSpecRowEx::~TSpecRowEx() = default;

void TSpecRowEx::Publish() {
  TPublisher<TSpecRowEx> p;
  p.Property("CellsText", &TSpecRowEx::CellsText, &TSpecRowEx::SetCellsText);
  p.Property("Color", &TSpecRowEx::Color, &TSpecRowEx::SetColor)
      .Default(clWindow)
      .Idents(ColorIdents());
  p.Property("Font", &TSpecRowEx::Font, &TSpecRowEx::SetFont).Stored(&TSpecRowEx::IsFontStored);
  p.Property("ShortCut", &TSpecRowEx::ShortCut, &TSpecRowEx::SetShortCut)
      .Default(kDefaultShortCut);
  p.Property("ShowIfNotInKeyList", &TSpecRowEx::ShowIfNotInKeyList,
             &TSpecRowEx::SetShowIfNotInKeyList)
      .Default(true);
  p.Property("Visible", &TSpecRowEx::Visible, &TSpecRowEx::SetVisible).Default(false);
}

void TSpecRowEx::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TSpecRowEx*>(source)) {
    visible_ = other->visible_;
    value_ = other->value_;
    showIfNotInKeyList_ = other->showIfNotInKeyList_;
    cellsText_ = other->cellsText_;
    color_ = other->color_;
    shortCut_ = other->shortCut_;
    CopyFontQuietly(other->font_.get());
    fontAssigned_ = other->fontAssigned_;
    Changed();
    return;
  }
  TPersistent::Assign(source);
}

// A copied font is not a font the user changed; the copy as a whole is told once.
void TSpecRowEx::CopyFontQuietly(TFont* source) {
  const TNotifyEvent onChange = font_->OnChange;
  font_->OnChange.Clear();
  font_->Assign(source);
  font_->OnChange = onChange;
}

void TSpecRowEx::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TSpecRowEx::SetValue(const Variant& value) {
  value_ = value;
  Changed();
}

void TSpecRowEx::SetShowIfNotInKeyList(bool value) {
  showIfNotInKeyList_ = value;
  Changed();
}

void TSpecRowEx::SetCellsText(const String& value) {
  cellsText_ = value;
  Changed();
}

void TSpecRowEx::SetFont(TFont* value) { font_->Assign(value); }

void TSpecRowEx::SetColor(TColor value) {
  color_ = value;
  Changed();
}

void TSpecRowEx::SetShortCut(int value) {
  shortCut_ = value;
  Changed();
}

String TSpecRowEx::GetCellText(int index) const {
  if (index < 0) return String();
  size_t start = 0;
  for (int i = 0; i < index; ++i) {
    start = cellsText_.find(';', start);
    if (start == String::npos) return String();
    ++start;
  }
  const size_t end = cellsText_.find(';', start);
  return cellsText_.substr(start, end == String::npos ? String::npos : end - start);
}
