#include "gridlib/grid/inplace_edit_buttons.h"

#include "gridlib/controls/button_metrics.h"
#include "gridlib/controls/edit_buttons.h"
#include "gridlib/grid/columns.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/system_metrics.h"

namespace {

TButtonDrawStyleEx DrawStyleOf(TColumnEditStyleEx style) {
  switch (style) {
    case cesEllipsisEx: return bdsEllipsisEx;
    case cesUpDownEx: return bdsUpDownEx;
    default: return bdsDropDownEx;
  }
}

}  // namespace

void TInplaceEditButtonsEx::Layout(TColumnEx* column, const TRect& client, bool flat, bool rightToLeft) {
  buttons_.clear();
  total_ = 0;
  rightToLeft_ = rightToLeft;
  if (column == nullptr) return;
  const int defaultWidth = flat ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
  const int extra = flat ? 1 : 0;
  int edge = rightToLeft ? client.Left : client.Right;
  auto add = [&](int width, TInplaceEditButtonEx button) {
    width += extra;
    button.Rect = rightToLeft ? Rect(edge, client.Top, edge + width, client.Bottom)
                              : Rect(edge - width, client.Top, edge, client.Bottom);
    edge += rightToLeft ? width : -width;
    total_ += width;
    buttons_.push_back(button);
  };
  const auto style = static_cast<TColumnEditStyleEx>(GetColumnEditStyle(column));
  if (style != cesNoneEx) add(defaultWidth, {TRect{}, DrawStyleOf(style), style, nullptr});
  TEditButtonsEx* extras = column->EditButtons();
  for (int i = 0; i < extras->Count(); ++i) {
    TVisibleEditButtonEx* item = extras->Items(i);
    if (item->Visible()) add(item->Width() != 0 ? item->Width() : defaultWidth, {TRect{}, bdsDropDownEx, cesNoneEx, item});
  }
}

int TInplaceEditButtonsEx::ButtonAt(TPoint p) const {
  for (int i = 0; i < Count(); ++i) {
    if (buttons_[static_cast<size_t>(i)].Rect.Contains(p)) return i;
  }
  return -1;
}

TColumnEditStyleEx TInplaceEditButtonsEx::DefaultStyle() const {
  return buttons_.empty() || buttons_.front().Extra != nullptr ? cesNoneEx : buttons_.front().EditStyle;
}

TRect TInplaceEditButtonsEx::TextRect(const TRect& client) const {
  TRect r = client;
  if (rightToLeft_) r.Left += total_;
  else r.Right -= total_;
  if (r.Right < r.Left) r.Right = r.Left;
  return r;
}

void TInplaceEditButtonsEx::Paint(TCanvas* canvas, int pressed, bool enabled, bool flat) const {
  for (int i = 0; i < Count(); ++i) {
    const TInplaceEditButtonEx& button = buttons_[static_cast<size_t>(i)];
    PaintButtonControlEx(canvas->Handle(), button.Rect, clBtnFace, button.DrawStyle, enabled, flat, i == pressed, 0);
  }
}
