// The edit used for in-place renaming: frame, border and font.
#include <memory>

#include "platform/classes/properties.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_edges.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_styles.h"
#include "sidebar/inplace_editor.h"

// The rename edit: a memo that draws its own frame in the non-client pass.

namespace {

// Edit window styles, with the window system's values.
constexpr uint32_t ES_LEFT = 0x0000;
constexpr uint32_t ES_CENTER = 0x0001;
constexpr uint32_t ES_RIGHT = 0x0002;
constexpr uint32_t ES_MULTILINE = 0x0004;
constexpr uint32_t ES_AUTOHSCROLL = 0x0080;

void FrameWith(TCanvas* c, const TRect& r, TColor color) {
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(color);
  c->Rectangle(r);
}

TRect Shrunk(TRect r) {
  InflateRect(r, -1, -1);
  return r;
}

}  // namespace

TnbInplaceEdit::TnbInplaceEdit(TComponent* owner) : TCustomMemo(owner) {}

void TnbInplaceEdit::Publish() {
  using E = TnbInplaceEdit;
  TPublisher<E> p;
  // Alignment and WordWrap are the memo's.
  p.Property("Activate", &E::Activate, &E::SetActivate);
  p.Property("BorderColor", &E::BorderColor, &E::SetBorderColor);
  p.Property("Flat", &E::Flat, &E::SetFlat);
  p.Property("ShowBorder", &E::ShowBorder, &E::SetShowBorder);
  p.Property("PopupMenu", &E::PopupMenu, &E::SetPopupMenu);
  p.Event("OnContextPopup", &E::OnContextPopup).Stored(false);
}

const TMessageMap& TnbInplaceEdit::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomMemo::ClassMessages());
    m.On(WM_NCPAINT, &TnbInplaceEdit::WMNCPaint);
    for (UINT msg : {WM_SIZE, WM_SETFOCUS, WM_KILLFOCUS}) m.On(msg, &TnbInplaceEdit::RedrawAfter);
    for (UINT msg : {CM_MOUSEENTER, CM_MOUSELEAVE}) m.On(msg, &TnbInplaceEdit::HoverChanged);
    return m;
  }();
  return map;
}

void TnbInplaceEdit::Assign(TPersistent* source) {
  auto* o = dynamic_cast<TnbInplaceEdit*>(source);
  if (o == nullptr) return TCustomMemo::Assign(source);
  // Alignment, word wrap and Activate belong to the window's style and are not copied.
  Font()->Assign(o->Font());
  SetFlat(o->flat_);
  SetBorderColor(o->borderColor_);
  SetShowBorder(o->showBorder_);
  Change();
}

void TnbInplaceEdit::CreateParams(TCreateParams& params) {
  TCustomMemo::CreateParams(params);
  const uint32_t align[] = {ES_LEFT, ES_RIGHT, ES_CENTER};
  params.Style |= ES_MULTILINE | align[Alignment()];
  if (WordWrap()) params.Style &= ~ES_AUTOHSCROLL;
}

void TnbInplaceEdit::SetBorderColor(TColor v) {
  if (borderColor_ == v) return;
  borderColor_ = v;
  // Only the flat frame shows the colour.
  if (flat_) RedrawFrame();
}

void TnbInplaceEdit::SetFlat(bool v) {
  if (flat_ == v) return;
  flat_ = v;
  if (!ComponentState().Contains(csLoading)) RedrawFrame();
}

void TnbInplaceEdit::SetShowBorder(bool v) {
  if (showBorder_ == v) return;
  showBorder_ = v;
  if (!ComponentState().Contains(csLoading)) RedrawFrame();
}

void TnbInplaceEdit::SetFont(TFont* v) {
  Font()->Assign(v);
  Change();
}

void TnbInplaceEdit::DrawFrame(TCanvas* c) {
  TRect r = Rect(0, 0, Width(), Height());
  // The edit's colour over the two outer rings wipes whatever frame was there.
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(Color());
  c->Brush()->SetStyle(bsClear);
  c->Rectangle(r);
  c->Rectangle(Rect(1, 1, r.Right - 1, r.Bottom - 1));
  // Sunken when not flat; flat, a line in BorderColor, or one in the edit's own colour so no
  // border shows.
  DrawEdgeStyle(c, r, !flat_ ? kSunkenFrame : showBorder_ ? kLineFrame : kInvisibleFrame);
}

void TnbInplaceEdit::DrawEdgeStyle(TCanvas* c, TRect r, int style) {
  c->Brush()->SetStyle(bsClear);
  switch (style) {
    case 1: FrameWith(c, r, borderColor_); break;
    case 2:
      DrawEdge(c->Handle(), r, BDR_SUNKENOUTER, BF_RECT);
      FrameWith(c, Shrunk(r), clBtnFace);
      break;
    case 3:
      FrameWith(c, r, Color());
      FrameWith(c, Shrunk(r), Color());
      break;
    case 4: FrameWith(c, r, clWindowFrame); break;
    case 5:
      DrawEdge(c->Handle(), r, BDR_RAISEDINNER, BF_RECT);
      FrameWith(c, Shrunk(r), clBtnFace);
      break;
    case 6:
      c->Pen()->SetStyle(psSolid);
      c->Pen()->SetColor(Color());
      DrawEdge(c->Handle(), r, EDGE_SUNKEN, BF_RECT);
      break;
    case 7: DrawEdge(c->Handle(), r, EDGE_RAISED, BF_RECT); break;
    case 8:
      FrameWith(c, r, clWindowFrame);
      FrameWith(c, Shrunk(r), clBtnShadow);
      break;
    case 9: DrawRaisedWindowFrame(c, r); break;
    default: break;  // style 0 and unknown styles draw nothing
  }
}

// A window-frame line with a highlight inside it, a face ring, and a shadow along the
// bottom and the right.
void TnbInplaceEdit::DrawRaisedWindowFrame(TCanvas* c, TRect r) {
  FrameWith(c, r, clWindowFrame);
  FrameWith(c, Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1), clBtnHighlight);
  r = Shrunk(r);
  FrameWith(c, r, clBtnFace);
  r = Shrunk(r);
  c->Pen()->SetColor(clBtnShadow);
  c->MoveTo(r.Left - 1, r.Bottom);
  c->LineTo(r.Right, r.Bottom);
  c->LineTo(r.Right, r.Top - 2);
}

void TnbInplaceEdit::RedrawFrame() {
  if (!HandleAllocated()) return;
  const TRect r = Rect(0, 0, Width(), Height());
  RedrawWindow(Handle(), &r, RDW_INVALIDATE | RDW_FRAME);
}

void TnbInplaceEdit::Inherited(TMessage& m) {
  if (const TMessageMap::THandler* handler = TCustomMemo::ClassMessages().Find(m.Msg)) (*handler)(this, m);
  else DefaultHandler(m);
}

void TnbInplaceEdit::WMNCPaint(TMessage& m) {
  Inherited(m);
  HDC dc = GetWindowDC(Handle());
  ScopeGuard release([window = Handle(), dc] { ReleaseDC(window, dc); });
  TCanvas canvas;
  canvas.SetHandle(dc);
  DrawFrame(&canvas);
  canvas.SetHandle(nullptr);
  m.Result = 0;
}

void TnbInplaceEdit::RedrawAfter(TMessage& m) {
  Inherited(m);
  RedrawFrame();
}

void TnbInplaceEdit::HoverChanged(TMessage& m) {
  Inherited(m);
  if (flat_ && activate_) RedrawFrame();
}
