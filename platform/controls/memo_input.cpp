// How a memo answers keys, characters, the mouse, its scroll bars and the EM_* messages.
#include <algorithm>

#include "platform/controls/memo.h"
#include "platform/core/utf8_codec.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/scroll_tracker.h"

const TMessageMap& TCustomMemo::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_LBUTTONDOWN, &TCustomMemo::WMLButtonDown);
    m.On(WM_MOUSEMOVE, &TCustomMemo::WMMouseMoveMemo);
    m.On(WM_LBUTTONUP, &TCustomMemo::WMLButtonUp);
    m.On(WM_VSCROLL, &TCustomMemo::WMVScroll);
    m.On(WM_HSCROLL, &TCustomMemo::WMHScroll);
    m.On(WM_MOUSEWHEEL, &TCustomMemo::WMMouseWheelMemo);
    m.On(WM_GETDLGCODE, &TCustomMemo::WMGetDlgCode);
    m.On(WM_CHAR, &TCustomMemo::WMCharMemo);
    m.On(WM_IME_CHAR, &TCustomMemo::WMCharMemo);
    m.On(WM_SIZE, &TCustomMemo::WMSizeMemo);
    m.On(WM_SETFOCUS, &TCustomMemo::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TCustomMemo::WMFocusChanged);
    for (UINT msg : {WM_COPY, WM_CUT, WM_PASTE, WM_CLEAR}) m.On(msg, &TCustomMemo::WMClipboard);
    for (UINT msg = EM_GETSEL; msg <= EM_GETFIRSTVISIBLELINE; ++msg) m.On(msg, &TCustomMemo::EMMessage);
    m.On(EM_LIMITTEXT, &TCustomMemo::EMMessage);
    return m;
  }();
  return map;
}

void TCustomMemo::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  // The program's handler took the key; it may have freed the memo with it.
  if (key == 0) return;
  bool extend = shift.Contains(ssShift);
  bool ctrl = shift.Contains(ssCtrl);
  int row = RowOf(caret_);
  auto toRow = [&](int r) {
    r = std::clamp(r, 0, RowCount() - 1);
    if (wantX_ < 0) wantX_ = PointOf(caret_).x;
    int x = wantX_;
    TPos p = PosAt({x, (r - topRow_) * RowHeight()});
    int keep = wantX_;
    MoveTo(p, extend);
    wantX_ = keep;
  };
  const TRow& current = rows_[static_cast<size_t>(row)];
  switch (key) {
    case VK_LEFT:
      if (SelLength() > 0 && !extend) MoveTo(Before(caret_, anchor_) ? caret_ : anchor_, false);
      else if (caret_.col > 0) MoveTo({caret_.line, caret_.col - 1}, extend);
      else if (caret_.line > 0) MoveTo({caret_.line - 1, CharLength(lines_[static_cast<size_t>(caret_.line) - 1])}, extend);
      break;
    case VK_RIGHT:
      if (SelLength() > 0 && !extend) MoveTo(Before(caret_, anchor_) ? anchor_ : caret_, false);
      else if (caret_.col < CharLength(lines_[static_cast<size_t>(caret_.line)])) MoveTo({caret_.line, caret_.col + 1}, extend);
      else if (caret_.line + 1 < static_cast<int>(lines_.size())) MoveTo({caret_.line + 1, 0}, extend);
      break;
    case VK_UP: toRow(row - 1); key = 0; return;
    case VK_DOWN: toRow(row + 1); key = 0; return;
    case VK_PRIOR: toRow(row - VisibleRows()); key = 0; return;
    case VK_NEXT: toRow(row + VisibleRows()); key = 0; return;
    case VK_HOME: MoveTo(ctrl ? TPos{} : TPos{caret_.line, current.start}, extend); break;
    case VK_END: {
      bool wrapped = row + 1 < RowCount() && rows_[static_cast<size_t>(row) + 1].line == current.line;
      TPos end = ctrl ? Clamp({1 << 30, 1 << 30}) : TPos{caret_.line, wrapped ? current.end - 1 : current.end};
      MoveTo(end, extend);
      break;
    }
    case VK_DELETE:
      if (shift.Contains(ssShift)) CutToClipboard();
      else DeleteAt(true);
      break;
    case VK_INSERT:
      if (ctrl) CopyToClipboard();
      else if (extend) PasteFromClipboard();
      break;
    default:
      if (!ctrl) return;
      if (key == 'A') SelectAll();
      else if (key == 'C') CopyToClipboard();
      else if (key == 'X') CutToClipboard();
      else if (key == 'V') PasteFromClipboard();
      else return;
  }
  wantX_ = -1;
  key = 0;
}

void TCustomMemo::WMCharMemo(TMessage& m) {
  if (m.WParam <= 0xFFFF && m.Msg == WM_CHAR && DoKeyPress(m)) return;
  TypeCode(static_cast<char32_t>(m.WParam));
}

// Typed characters; UTF-16 halves arrive one message each and are joined here.
void TCustomMemo::TypeCode(char32_t code) {
  if (code >= 0xD800 && code <= 0xDBFF) {
    pendingHigh_ = static_cast<char16_t>(code);
    return;
  }
  if (code >= 0xDC00 && code <= 0xDFFF) {
    if (!pendingHigh_) return;
    code = 0x10000 + ((static_cast<char32_t>(pendingHigh_) - 0xD800) << 10) + (code - 0xDC00);
  }
  pendingHigh_ = 0;
  if (code > 0x10FFFF) return;
  if (code == '\r') {
    if (wantReturns_) UserEdit("\r\n");
    return;
  }
  if (code == '\t') {
    if (wantTabs_) UserEdit("\t");
    return;
  }
  if (code == '\b') return DeleteAt(false);
  if (code < 0x20 || code == 0x7F) return;
  String text;
  utf8::Append(text, code);
  UserEdit(text);
}

void TCustomMemo::WMGetDlgCode(TMessage& m) {
  m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | (wantReturns_ ? DLGC_WANTALLKEYS : 0) |
             (wantTabs_ ? DLGC_WANTTAB : 0);
}

void TCustomMemo::WMLButtonDown(TMessage& m) {
  TControl::WMMouseDown(m);
  if (CanFocus() && !Focused()) SetFocus();
  bool extend = (m.WParam & MK_SHIFT) != 0;
  MoveTo(PosAt(LParamToPoint(m.LParam)), extend);
  wantX_ = -1;
  selecting_ = true;
}

void TCustomMemo::WMMouseMoveMemo(TMessage& m) {
  TPoint p = LParamToPoint(m.LParam);
  if (selecting_) MoveTo(PosAt(p), true);
  TControl::WMMouseMove(m);
}

void TCustomMemo::WMLButtonUp(TMessage& m) {
  selecting_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  TControl::WMMouseUp(m);
}

void TCustomMemo::WMVScroll(TMessage& m) {
  int page = std::max(VisibleRows() - 1, 1);
  SetTopRow(ScrollCodePosition(Handle(), SB_VERT, m.WParamLo(), topRow_, 1, page, RowCount()));
}

void TCustomMemo::WMHScroll(TMessage& m) {
  int x = ScrollCodePosition(Handle(), SB_HORZ, m.WParamLo(), scrollX_, 8, ClientWidth(), scrollX_);
  if (x == scrollX_) return;
  scrollX_ = std::max(0, x);
  UpdateScrollBars();
  SCROLLINFO si;
  si.fMask = SIF_POS;
  if (GetScrollInfo(Handle(), SB_HORZ, si)) scrollX_ = si.nPos;
  Invalidate();
}

void TCustomMemo::WMMouseWheelMemo(TMessage& m) {
  TWMMouseWheel wheel(m);
  if (!DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos()))
    SetTopRow(topRow_ - 3 * wheel.WheelDelta() / WHEEL_DELTA);
  m.Result = 1;
}

void TCustomMemo::WMSizeMemo(TMessage& m) {
  TWinControl::WMSize(m);
  LinesChanged(false);
}

void TCustomMemo::WMFocusChanged(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
  Invalidate();
}

void TCustomMemo::WMClipboard(TMessage& m) {
  switch (m.Msg) {
    case WM_COPY: CopyToClipboard(); break;
    case WM_CUT: CutToClipboard(); break;
    case WM_PASTE: PasteFromClipboard(); break;
    default: UserEdit(""); break;
  }
}

void TCustomMemo::EMMessage(TMessage& m) {
  if (!HandleEditMessage(m)) DefaultHandler(m);
}

bool TCustomMemo::HandleEditMessage(TMessage& m) {
  int w = static_cast<int>(static_cast<intptr_t>(m.WParam));
  int lineCount = static_cast<int>(lines_.size());
  switch (m.Msg) {
    case EM_GETSEL: {
      auto start = static_cast<uint32_t>(SelStart()), end = static_cast<uint32_t>(SelStart() + SelLength());
      if (m.WParam) *reinterpret_cast<uint32_t*>(m.WParam) = start;
      if (m.LParam) *reinterpret_cast<uint32_t*>(m.LParam) = end;
      m.Result = static_cast<LRESULT>(start | end << 16);
      return true;
    }
    case EM_SETSEL: {
      int total = IndexOf({lineCount - 1, CharLength(lines_.back())});
      int from = w < 0 ? total : w, to = m.LParam < 0 ? total : static_cast<int>(m.LParam);
      anchor_ = Clamp(PosOf(std::min(from, total)));
      MoveTo(PosOf(std::min(to, total)), true);
      return true;
    }
    case EM_REPLACESEL: Replace(m.LParam ? reinterpret_cast<const char*>(m.LParam) : ""); Change(); return true;
    case EM_GETLINECOUNT: m.Result = lineCount; return true;
    case EM_LINEINDEX: {
      int line = w < 0 ? caret_.line : w;
      m.Result = line < lineCount ? IndexOf({line, 0}) : -1;
      return true;
    }
    case EM_LINELENGTH: m.Result = CharLength(lines_[static_cast<size_t>((w < 0 ? caret_ : PosOf(w)).line)]); return true;
    case EM_LINEFROMCHAR: m.Result = (w < 0 ? caret_ : PosOf(w)).line; return true;
    case EM_GETFIRSTVISIBLELINE: m.Result = RowCount() ? rows_[static_cast<size_t>(topRow_)].line : 0; return true;
    case EM_LINESCROLL: SetTopRow(topRow_ + static_cast<int>(m.LParam)); m.Result = 1; return true;
    case EM_SCROLLCARET: ScrollToCaret(); return true;
    case EM_GETMODIFY: m.Result = modified_ ? 1 : 0; return true;
    case EM_SETMODIFY: modified_ = m.WParam != 0; return true;
    case EM_SETREADONLY: readOnly_ = m.WParam != 0; m.Result = 1; return true;
    case EM_LIMITTEXT: SetMaxLength(w); return true;
    default: return false;
  }
}
