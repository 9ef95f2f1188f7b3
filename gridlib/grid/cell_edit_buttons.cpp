// Where a cell's edit buttons lie.
#include "gridlib/grid/cell_edit_buttons.h"

#include <algorithm>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/controls/edit_buttons.h"
#include "gridlib/grid/columns.h"
#include "platform/windows/system_metrics.h"

namespace {

TEditButtonStyleEx StyleOf(TColumnEditStyleEx style) {
  switch (style) {
    case cesEllipsisEx: return ebsEllipsisEx;
    case cesUpDownEx: return ebsUpDownEx;
    default: return ebsDropDownEx;
  }
}

// The buttons of a column in strip order, each with its width; their rectangles are placed later.
std::vector<std::pair<int, TCellEditButtonEx>> StripOf(TColumnEx* column, const TEditButtonSizeEx& size) {
  std::vector<std::pair<int, TCellEditButtonEx>> strip;
  if (column == nullptr) return strip;
  const int extra = size.Flat ? 1 : 0;
  const auto style = static_cast<TColumnEditStyleEx>(GetColumnEditStyle(column));
  if (style != cesNoneEx) strip.push_back({size.Width + extra, {TRect{}, StyleOf(style), style, nullptr}});
  TEditButtonsEx* extras = column->EditButtons();
  for (int i = 0; i < extras->Count(); ++i) {
    TVisibleEditButtonEx* item = extras->Items(i);
    if (!item->Visible()) continue;
    const int width = item->Width() >= 1 ? item->Width() : size.Width;
    strip.push_back({width + extra, {TRect{}, ebsDropDownEx, cesNoneEx, item}});
  }
  return strip;
}

}  // namespace

TButtonDrawStyleEx DrawStyleOf(TEditButtonStyleEx style) {
  switch (style) {
    case ebsEllipsisEx: return bdsEllipsisEx;
    case ebsUpDownEx: return bdsUpDownEx;
    case ebsPlusEx: return bdsPlusEx;
    case ebsMinusEx: return bdsMinusEx;
    default: return bdsDropDownEx;
  }
}

TEditButtonSizeEx BaseEditButtonSize(bool flat) {
  const int width = flat ? FlatButtonWidth() : GetSystemMetrics(SM_CXVSCROLL);
  return {width, width, flat};
}

TCellEditButtonsEx::TCellEditButtonsEx(TColumnEx* column, const TRect& cell, const TEditButtonSizeEx& size,
                                       bool atLeft)
    : atLeft_(atLeft) {
  const auto strip = StripOf(column, size);
  for (const auto& [width, button] : strip) width_ += width;
  int left = cell.Right - width_;
  for (const auto& [width, button] : strip) {
    TCellEditButtonEx placed = button;
    placed.Rect = Rect(left, cell.Top, left + width, cell.Top + size.Height);
    if (atLeft) placed.Rect = Rect(cell.Left + cell.Right - placed.Rect.Right, placed.Rect.Top,
                                   cell.Left + cell.Right - placed.Rect.Left, placed.Rect.Bottom);
    buttons_.push_back(placed);
    left += width;
  }
}

int TCellEditButtonsEx::ButtonAt(TPoint p) const {
  for (int i = 0; i < Count(); ++i) {
    if (buttons_[static_cast<size_t>(i)].Rect.Contains(p)) return i;
  }
  return -1;
}

TColumnEditStyleEx TCellEditButtonsEx::DefaultStyle() const {
  return buttons_.empty() || buttons_.front().Extra != nullptr ? cesNoneEx : buttons_.front().EditStyle;
}

TRect TCellEditButtonsEx::TextRect(const TRect& rect) const {
  TRect r = rect;
  if (atLeft_) r.Left = std::min(r.Right, r.Left + width_);
  else r.Right = std::max(r.Left, r.Right - width_);
  return r;
}

int EditButtonStripWidth(TColumnEx* column, const TEditButtonSizeEx& size) {
  int width = 0;
  for (const auto& [buttonWidth, button] : StripOf(column, size)) width += buttonWidth;
  return width;
}
