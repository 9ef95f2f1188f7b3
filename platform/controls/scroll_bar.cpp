// The scroll bar control: kind, range, page and its mouse and key handling.
#include "platform/controls/scroll_bar.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/watched_component.h"
#include "platform/windows/scroll_tracker.h"
#include "platform/windows/scroll_bars.h"
#include "platform/graphics/draw_edges.h"
#include "platform/windows/system_metrics.h"

namespace {
// The focus frame lies inside the thumb's raised edge.
constexpr int kFocusInset = 3;
}  // namespace

TScrollBar::TScrollBar(TComponent* owner)
    : TWinControl(owner),
      tracker_(std::make_unique<TScrollTracker>(SB_CTL, 1, [this](int code, int pos) { SendScroll(code, pos); })) {
  controlStyle_.Exclude(csDoubleClicks);
  controlStyle_.Exclude(csClickEvents);
  SetTabStop(true);
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

TScrollBar::~TScrollBar() = default;

const TMessageMap& TScrollBar::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TWinControl::ClassMessages());
    m.On(CN_HSCROLL, &TScrollBar::CNScroll);
    m.On(CN_VSCROLL, &TScrollBar::CNScroll);
    m.On(WM_LBUTTONDOWN, &TScrollBar::WMLButtonDown);
    m.On(WM_MOUSEMOVE, &TScrollBar::WMMouseMoveBar);
    m.On(WM_LBUTTONUP, &TScrollBar::WMLButtonUp);
    m.On(WM_TIMER, &TScrollBar::WMTimer);
    m.On(WM_GETDLGCODE, &TScrollBar::WMGetDlgCode);
    m.On(WM_CANCELMODE, &TScrollBar::WMCancelMode);
    m.On(WM_SETFOCUS, &TScrollBar::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TScrollBar::WMFocusChanged);
    return m;
  }();
  return map;
}

void TScrollBar::SetKind(TScrollBarKind v) {
  if (kind_ == v) return;
  kind_ = v;
  if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TScrollBar::SetParams(int position, int min, int max) {
  if (max < min) throw EInvalidOperation("Scroll bar property out of range");
  min_ = min;
  max_ = max;
  int clamped = std::clamp(position, min_, std::max(min_, MaxPosition()));
  bool moved = clamped != position_;
  position_ = clamped;
  UpdateBar();
  if (moved) Change();
}

void TScrollBar::SetPageSize(int v) {
  if (v < 0 || v > max_ - min_ + 1) throw EInvalidOperation("Scroll bar property out of range");
  pageSize_ = v;
  SetParams(position_, min_, max_);
}

void TScrollBar::UpdateBar() {
  if (!HandleAllocated()) return;
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  si.nMin = min_;
  si.nMax = max_;
  si.nPage = static_cast<uint32_t>(pageSize_);
  si.nPos = position_;
  si.nTrackPos = position_;
  SetScrollInfo(Handle(), SB_CTL, si, true);
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateBar();
}

void TScrollBar::PaintWindow(HDC dc) {
  PaintScrollBar(dc, Handle(), SB_CTL, ClientRect());
  if (!Focused()) return;
  TRect thumb = ScrollBarThumbRect(Handle(), SB_CTL, ClientRect());
  InflateRect(thumb, -kFocusInset, -kFocusInset);
  if (!thumb.IsEmpty()) DrawFocusRect(dc, thumb);
}

void TScrollBar::WMFocusChanged(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
  Invalidate();
}

void TScrollBar::SendScroll(int code, int pos) {
  UINT msg = kind_ == sbVertical ? WM_VSCROLL : WM_HSCROLL;
  HWND parent = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  WPARAM w = MakeWParam(code, pos);
  if (parent) SendMessage(parent, msg, w, reinterpret_cast<LPARAM>(Handle()));
  else Perform(CN_BASE + msg, w, reinterpret_cast<LPARAM>(Handle()));
}

void TScrollBar::CNScroll(TMessage& m) {
  int code = m.WParamLo();
  int pos = position_;
  switch (code) {
    case SB_LINEUP: pos -= smallChange_; break;
    case SB_LINEDOWN: pos += smallChange_; break;
    case SB_PAGEUP: pos -= largeChange_; break;
    case SB_PAGEDOWN: pos += largeChange_; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO si;
      si.fMask = SIF_TRACKPOS;
      pos = HandleAllocated() && GetScrollInfo(Handle(), SB_CTL, si) ? si.nTrackPos : static_cast<int16_t>(m.WParamHi());
      break;
    }
    case SB_TOP: pos = min_; break;
    case SB_BOTTOM: pos = max_; break;
    case SB_ENDSCROLL: break;
    default: return;
  }
  static const TScrollCode codes[] = {scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll};
  pos = std::clamp(pos, min_, std::max(min_, MaxPosition()));
  // The handlers may free the bar (a page that closes its form).
  const TWatchedComponent self(this);
  Scroll(codes[code], pos);
  if (self.Get() != nullptr) SetPosition(pos);
}

void TScrollBar::Scroll(TScrollCode code, int& pos) { OnScroll.Call(this, code, pos); }

void TScrollBar::Change() { OnChange.Call(this); }

void TScrollBar::KeyDown(uint16_t& key, TShiftState shift) {
  TWinControl::KeyDown(key, shift);
  int code = -1;
  switch (key) {
    case VK_UP: case VK_LEFT: code = SB_LINEUP; break;
    case VK_DOWN: case VK_RIGHT: code = SB_LINEDOWN; break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return;
  }
  key = 0;
  const TWatchedComponent self(this);
  SendScroll(code, 0);
  if (self.Get() != nullptr) SendScroll(SB_ENDSCROLL, 0);
}

// The program's handlers of the mouse and of the scroll codes may free the bar.
void TScrollBar::WMLButtonDown(TMessage& m) {
  const TWatchedComponent self(this);
  TControl::WMMouseDown(m);
  if (self.Get() == nullptr) return;
  if (CanFocus() && !Focused()) SetFocus();
  tracker_->Press(Handle(), ClientToScreen(LParamToPoint(m.LParam)), kind_ == sbVertical);
}

void TScrollBar::WMMouseMoveBar(TMessage& m) {
  const TWatchedComponent self(this);
  if (tracker_->Tracking()) tracker_->Move(ClientToScreen(LParamToPoint(m.LParam)));
  if (self.Get() != nullptr) TControl::WMMouseMove(m);
}

void TScrollBar::WMLButtonUp(TMessage& m) {
  const TWatchedComponent self(this);
  tracker_->Release();
  if (self.Get() != nullptr) TControl::WMMouseUp(m);
}

void TScrollBar::WMTimer(TMessage& m) {
  if (m.WParam == tracker_->TimerId()) tracker_->Timer();
}

void TScrollBar::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS; }

void TScrollBar::WMCancelMode(TMessage& m) {
  tracker_->Release();
  DefaultHandler(m);
}

void TScrollBar::Publish() {
  TPublisher<TScrollBar> p;
  p.Property("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
  p.Property("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
  p.Property("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
  p.Property("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
  p.Property("PageSize", &TScrollBar::PageSize, &TScrollBar::SetPageSize).Default(0);
  p.Property("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
  p.Property("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
  p.Event("OnScroll", &TScrollBar::OnScroll);
  p.Event("OnChange", &TScrollBar::OnChange);
}
