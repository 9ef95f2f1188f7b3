// The drop-down list of editors: lines, scrolling, its own scroll bar, mouse and keys.
#include "gridlib/controls/popup_list.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/scroll_tracker.h"

namespace {

constexpr int kTextIndent = 2;

}  // namespace

TPopupListEx::TPopupListEx(TComponent* owner)
    : TCustomControl(owner) {
  controlStyle_ = {csOpaque};
  SetColor(clWindow);
  SetVisible(false);
  SetTabStop(false);
}

TPopupListEx::~TPopupListEx() = default;

const TMessageMap& TPopupListEx::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_VSCROLL, &TPopupListEx::WMVScrollPopup);
    m.On(WM_SIZE, &TPopupListEx::WMSizePopup);
    m.On(CM_FONTCHANGED, &TPopupListEx::CMFontChangedPopup);
    return m;
  }();
  return map;
}

void TPopupListEx::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style |= WS_BORDER;
  params.ExStyle = (params.ExStyle & ~WS_EX_CLIENTEDGE) | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

void TPopupListEx::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

void TPopupListEx::SetRows(IPopupListRowsEx* rows) {
  rows_ = rows;
  count_ = rows != nullptr ? std::max(rows->RowCount(), 0) : 0;
  itemIndex_ = -1;
  topIndex_ = 0;
  UpdateScrollBar();
  Invalidate();
}

String TPopupListEx::ItemText(int index) {
  return rows_ != nullptr && index >= 0 && index < count_ ? rows_->RowText(index) : String();
}

int TPopupListEx::ItemHeight() {
  if (fontHeight_ == 0) {
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(Font());
    fontHeight_ = std::max(1, measure.Canvas()->TextHeight("Wg"));
  }
  return fontHeight_;
}

int TPopupListEx::HeightForRows(int rows) { return std::max(rows, 1) * ItemHeight() + 2; }

int TPopupListEx::VisibleCount() { return std::max(ClientHeight() / ItemHeight(), 0); }

int TPopupListEx::MaxTopIndex() { return std::max(count_ - std::max(VisibleCount(), 1), 0); }

void TPopupListEx::SetTopIndex(int index) {
  index = std::clamp(index, 0, MaxTopIndex());
  if (index == topIndex_) return;
  topIndex_ = index;
  UpdateScrollBar();
  Invalidate();
}

void TPopupListEx::MakeVisible(int index) {
  if (index < 0) return;
  if (index < topIndex_) return SetTopIndex(index);
  const int shown = std::max(VisibleCount(), 1);
  if (index >= topIndex_ + shown) SetTopIndex(index - shown + 1);
}

void TPopupListEx::SetItemIndex(int index) {
  if (index < 0 || index >= count_) index = -1;
  itemIndex_ = index;
  MakeVisible(index);
  Invalidate();
}

TRect TPopupListEx::ItemRect(int index) {
  if (index < topIndex_ || index >= count_) return {};
  const int top = (index - topIndex_) * ItemHeight();
  if (top >= ClientHeight()) return {};
  return Rect(0, top, ClientWidth(), top + ItemHeight());
}

void TPopupListEx::UpdateScrollBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(count_ - 1, 0);
  const int visible = VisibleCount();
  si.nPage = static_cast<uint32_t>(std::max(visible, 1));
  if (topIndex_ == 0 && visible >= count_) si.nPage = static_cast<uint32_t>(si.nMax + 1);
  si.nPos = topIndex_;
  SetScrollInfo(Handle(), SB_VERT, si, true);
}

// Only the lines in view are asked for.
void TPopupListEx::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  const int last = std::min(count_, topIndex_ + VisibleCount() + 1);
  for (int i = topIndex_; i < last; ++i) {
    TRect r = ItemRect(i);
    const bool marked = i == itemIndex_;
    canvas->Font()->Assign(Font());
    if (marked) canvas->Font()->SetColor(clHighlightText);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(marked ? clHighlight : Color());
    canvas->FillRect(r);
    r.Left += kTextIndent;
    canvas->Brush()->SetStyle(bsClear);
    DrawText(canvas->Handle(), ItemText(i), r, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }
}

bool TPopupListEx::PopupKeyDown(uint16_t key, TShiftState shift) {
  if (shift.Contains(ssAlt)) return false;
  const int from = std::max(itemIndex_, 0);
  const int page = std::max(VisibleCount() - 1, 1);
  int target = 0;
  switch (key) {
    case VK_UP: target = itemIndex_ < 0 ? 0 : from - 1; break;
    case VK_DOWN: target = itemIndex_ < 0 ? 0 : from + 1; break;
    case VK_PRIOR: target = from - page; break;
    case VK_NEXT: target = from + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = count_ - 1; break;
    default: return false;
  }
  if (count_ > 0) SetItemIndex(std::clamp(target, 0, count_ - 1));
  return true;
}

// The line under a screen point; -1 off the lines (on the scroll bar, outside).
int TPopupListEx::LineAt(TPoint screen) {
  const TPoint p = ScreenToClient(screen);
  if (!ClientRect().Contains(p)) return -1;
  const int line = topIndex_ + p.y / ItemHeight();
  return line < count_ ? line : -1;
}

void TPopupListEx::PopupMouseMove(TPoint screen) {
  const int line = LineAt(screen);
  if (line >= 0 && line != itemIndex_) SetItemIndex(line);
}

// A press on the scroll bar scrolls; on a line it marks it.
void TPopupListEx::PopupMouseDown(TPoint screen) {
  if (!ClientRect().Contains(ScreenToClient(screen))) {
    Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(screen));
    return;
  }
  PopupMouseMove(screen);
}

bool TPopupListEx::PopupMouseUp(TPoint screen) {
  const int line = LineAt(screen);
  if (line < 0) return false;
  SetItemIndex(line);
  return true;
}

void TPopupListEx::PopupWheel(int wheelDelta) { SetTopIndex(topIndex_ - 3 * wheelDelta / WHEEL_DELTA); }

void TPopupListEx::WMVScrollPopup(TMessage& m) {
  const int page = std::max(VisibleCount() - 1, 1);
  SetTopIndex(ScrollCodePosition(Handle(), SB_VERT, m.WParamLo(), topIndex_, 1, page, count_));
}

void TPopupListEx::WMSizePopup(TMessage& m) {
  TWinControl::WMSize(m);
  topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
  UpdateScrollBar();
  Invalidate();
}

void TPopupListEx::CMFontChangedPopup(TMessage& m) {
  fontHeight_ = 0;
  TWinControl::CMFontChanged(m);
  UpdateScrollBar();
  Invalidate();
}
