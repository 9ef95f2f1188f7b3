// The skinned form's frame geometry: panel, border strips and sizing grips, read by all.
#include "skin/form_frame_layout.h"

// A child of a multiple-document frame keeps its native sizing frame (only the caption goes).
// Its skin lines up with a skin of the frame around the children, which the child reports to:
// the border is three pixels wider on the right and at the bottom, and the panel stops there.
int TskFormFrame::EdgeInset() const { return in_.MDIChild ? 3 : 0; }

TRect TskFormFrame::PanelRect() const {
  const int bw = in_.BorderWidth;
  const int top = in_.TitleBarShown ? 0 : bw;
  return Rect(bw, top, in_.ClientWidth - bw - EdgeInset(), in_.ClientHeight - bw - EdgeInset());
}

std::array<TRect, 4> TskFormFrame::BorderStrips() const {
  const int bw = in_.BorderWidth, w = in_.ClientWidth, h = in_.ClientHeight;
  const int inset = EdgeInset();
  return {Rect(0, 0, w, bw), Rect(0, 0, bw, h), Rect(0, h - bw - inset, w, h), Rect(w - bw - inset, 0, w, h)};
}

LRESULT TskFormFrame::SizingHit(TPoint p) const {
  if (!in_.Sizeable) return HTNOWHERE;
  const int w = in_.ClientWidth, h = in_.ClientHeight;
  const bool left = p.x < kGripSize, top = p.y < kGripSize;
  const bool right = p.x > w - kGripSize, bottom = p.y > h - kGripSize;
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return right ? HTBOTTOMRIGHT : left ? HTBOTTOMLEFT : HTBOTTOM;
  return left ? HTLEFT : right ? HTRIGHT : HTNOWHERE;
}
