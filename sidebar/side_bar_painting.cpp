// Painting the whole bar off-screen: headers, bodies, arrows, close bar and drop marks.
#include <climits>
#include <algorithm>
#include <memory>
#include <optional>

#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/bar_layout.h"
#include "sidebar/clip_scope.h"
#include "sidebar/side_bar_painter.h"
#include "sidebar/side_bar.h"

namespace {

// Adds a control-state flag for the life of a scope (painting a copy).
auto ScopedControlState(TControl* control, TControlStateItem flag) {
  control->SetControlState(control->ControlState() + flag);
  return ScopeGuard([control, flag] { control->SetControlState(control->ControlState() - flag); });
}

}  // namespace

TnbSideBarPainter::TnbSideBarPainter(TnbSideBar& bar, const TnbBarLayout& layout, const TnbSideBarInput& input,
                                     TnbPaintHooks hooks)
    : bar_(bar), layout_(layout), input_(input), hooks_(std::move(hooks)) {}

void TnbSideBarPainter::Paint(TCanvas* target, const TRect& area) {
  c_ = target;
  area_ = area;
  // The whole bar needs no clip beyond the one the canvas has.
  std::optional<TnbClipScope> clip;
  if (area != bar_.ClientRect()) clip.emplace(c_->Handle(), area);
  // The bevels lie in a ring that nothing but the picture behind a transparent bar covers.
  // Drawn first, they bring the start of every row to hand for the fills that follow.
  const bool behind = bar_.Background()->Style() == btTransparent;
  if (!behind) DrawBevels();
  PaintBackground();
  if (behind) DrawParentBehind();
  DrawHeaders();
  DrawCloseBar();
  DrawColumnBoxes();
  DrawListBoxes();
  DrawAlert();
  if (behind) DrawBevels();
  if (bar_.Focused() && bar_.Options().Contains(hoShowFocusRect)) DrawFocus();
}

// The bar's background. A plain colour is painted only where no body or caption paints over
// it anyway, which would otherwise fill most of the bar twice; a gradient or a picture depends
// on the whole rectangle and is painted whole.
void TnbSideBarPainter::PaintBackground() {
  TnbBackground* background = bar_.Background();
  parts_.clear();
  TRect inner;
  if (IntersectRect(inner, layout_.Inner(), area_)) parts_.push_back(inner);
  if (background->Style() == btSolid) {
    for (int i = 0; i < bar_.HeaderCount(); ++i) {
      TnbHeader* h = bar_.Header(i);
      if (!h->Visible()) continue;
      if (CoversCaption(h)) Subtract(h->CaptionRect());
      if (CoversBody(h)) Subtract(h->BodyRect());
    }
  }
  for (const TRect& r : parts_) background->Paint(c_, r);
}

// Takes `hole` out of the parts still to paint, cutting a part it overlaps into the bands
// above and below it and the pieces beside it.
void TnbSideBarPainter::Subtract(const TRect& hole) {
  if (!nbShown(hole)) return;
  cut_.clear();
  for (const TRect& p : parts_) {
    TRect in;
    if (!IntersectRect(in, p, hole)) {
      cut_.push_back(p);
      continue;
    }
    if (p.Top < in.Top) cut_.push_back(Rect(p.Left, p.Top, p.Right, in.Top));
    if (in.Bottom < p.Bottom) cut_.push_back(Rect(p.Left, in.Bottom, p.Right, p.Bottom));
    if (p.Left < in.Left) cut_.push_back(Rect(p.Left, in.Top, in.Left, in.Bottom));
    if (in.Right < p.Right) cut_.push_back(Rect(in.Right, in.Top, p.Right, in.Bottom));
  }
  parts_.swap(cut_);
}

bool TnbSideBarPainter::InArea(const TRect& r) const {
  TRect common;
  return IntersectRect(common, r, area_);
}

bool TnbSideBarPainter::CoversBody(TnbHeader* h) const {
  const bool shown = h == bar_.ActiveHeader() || bar_.AnimatingIndex() == h->Index() ||
                     (bar_.CloseUpLayout() && h->Opened());
  return shown && !h->OnDrawHeaderBody && h->Background()->Style() != btTransparent;
}

bool TnbSideBarPainter::CoversCaption(TnbHeader* h) const {
  const TnbHeaderOptions o = h->Options();
  if (bar_.OnDrawHeaderButtons || h->OnDrawHeaderButton || o.Contains(hoNoCaption) || o.Contains(hoRoundedHeader))
    return false;
  // A button-style caption fills its rectangle unless it is transparent; explorer captions
  // with rounded corners leave their corners to what lies below.
  return h->EffectiveSettings()->CaptionStyle() == csButtonStyle && !h->Transparent() &&
         h->ExplorerAddOn() == 0;
}

// The parent paints its background into the bitmap at the bar's place, and at run time its
// graphic controls under the bar paint themselves in too, so the bar shows what lies behind it.
void TnbSideBarPainter::DrawParentBehind() {
  TWinControl* parent = bar_.Parent();
  if (parent == nullptr) return;
  auto parentCopy = ScopedControlState(parent, csPaintCopy);
  const int border = bar_.BorderWidth();
  PaintAt(parent, WM_ERASEBKGND, -bar_.Left() - border, -bar_.Top() - border, parent->ClientWidth(),
          parent->ClientHeight());
  if (bar_.IsDesigning()) return;
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* control = parent->Controls(i);
    if (control == &bar_ || dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
    TRect overlap;
    if (!IntersectRect(overlap, control->BoundsRect(), bar_.BoundsRect())) continue;
    auto copy = ScopedControlState(control, csPaintCopy);
    PaintAt(control, WM_PAINT, control->Left() - bar_.Left(), control->Top() - bar_.Top(), control->Width(),
            control->Height());
  }
}

// Sends `msg` with the bitmap's device context, its origin moved to (x, y) and clipped to
// width by height there.
void TnbSideBarPainter::PaintAt(TControl* control, UINT msg, int x, int y, int width, int height) {
  HDC dc = c_->Handle();
  TSavedDC saved(dc);
  // Relative to where the bar itself lies in the picture painted into.
  OffsetViewportOrgEx(dc, x, y, nullptr);
  IntersectClipRect(dc, 0, 0, width, height);
  control->Perform(msg, reinterpret_cast<WPARAM>(dc), msg == WM_ERASEBKGND ? reinterpret_cast<LPARAM>(dc) : 0);
}

void TnbSideBarPainter::DrawHeaders() {
  TnbHeader* active = bar_.ActiveHeader();
  const bool single = bar_.SingleActiveLayout();
  int lastDrawn = INT_MIN;
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    if (!h->Visible()) continue;
    // Captions a slide has pushed over one another are drawn once, the upper one.
    const TRect& caption = h->CaptionRect();
    if (caption.Top > lastDrawn) {
      if (InArea(caption)) DrawCaption(h);
      lastDrawn = caption.Bottom;
    }
    const bool sliding = bar_.AnimatingIndex() == i && h != active;
    if (sliding || (!single && h->Opened())) {
      if (InArea(h->BodyRect())) h->PaintBody(c_, h->BodyRect());
      if (!single) DrawDropMarkIn(h);
    }
  }
  if (single && active != nullptr) {
    if (InArea(active->BodyRect())) active->PaintBody(c_, active->BodyRect());
    DrawDropMarkIn(active);
  }
}

void TnbSideBarPainter::DrawCaption(TnbHeader* h) {
  const int index = bar_.ActiveIndex();
  if (bar_.OnDrawHeaderButtons) hooks_.DrawHeaderButtons(c_, h->CaptionRect(), index);
  else if (Pictured(h)) PutPicture(h);
  else h->PaintCaption(c_);
  hooks_.AfterDrawHeaderButtons(c_, h->CaptionRect(), index);
}

// A caption that covers its rectangle by itself and calls no handler looks the same wherever
// it is drawn, so its picture can be kept. Image lists can change their pictures without the
// bar hearing of it: captions with an image are drawn every time.
bool TnbSideBarPainter::Pictured(TnbHeader* h) const {
  return CoversCaption(h) && !h->OnAfterDrawHeaderButton && !h->OnDrawStatusButton && h->ImageIndex() < 0;
}

void TnbSideBarPainter::PutPicture(TnbHeader* h) {
  const TRect& r = h->CaptionRect();
  auto it = std::find_if(pictures_.begin(), pictures_.end(), [h](const CaptionPicture& p) { return p.Header == h; });
  if (it == pictures_.end()) it = pictures_.insert(pictures_.end(), CaptionPicture{h, hbsUp, nullptr});
  CaptionPicture& p = *it;
  if (!p.Picture || p.State != h->CaptionState() || p.Picture->Width() != r.Width() ||
      p.Picture->Height() != r.Height()) {
    if (!p.Picture) {
      p.Picture = std::make_unique<TBitmap>();
      p.Picture->SetPixelFormat(pf32bit);
    }
    p.Picture->SetSize(r.Width(), r.Height());
    // The caption draws where it lies in the bar; the picture's origin is moved there.
    HDC dc = p.Picture->Canvas()->Handle();
    SetViewportOrgEx(dc, -r.Left, -r.Top, nullptr);
    ScopeGuard origin([dc] { SetViewportOrgEx(dc, 0, 0, nullptr); });
    h->PaintCaption(p.Picture->Canvas());
    p.State = h->CaptionState();
  }
  BitBlt(c_->Handle(), r.Left, r.Top, r.Width(), r.Height(), p.Picture->Canvas()->Handle(), 0, 0, SRCCOPY);
}

// The mark of a drag over the bar: at the target button, or at the top of an empty header
// the drag would change to.
void TnbSideBarPainter::DrawDropMarkIn(TnbHeader* h) {
  const TnbSideBarDrag& drag = input_.Drag();
  TnbButton* target = drag.DropTarget();
  if (target != nullptr && target->Header() == h) hooks_.DrawDropMark(c_, target->Rects().Button, drag.DropPosition());
  else if (target == nullptr && drag.AutoChangeCandidate() == h) hooks_.DrawDropMark(c_, h->BodyRect(), 1);
}

void TnbSideBarPainter::DrawCloseBar() {
  if (!nbShown(layout_.CloseBar())) return;
  if (!InArea(layout_.CloseBar())) return;
  bar_.CloseButton()->Header()->PaintCaption(c_);
  const TnbScrollBox box = input_.Box(TnbSideBarInput::Close);
  if (!nbShown(box.Rect)) return;
  const TRect& r = box.Rect;
  if (bar_.OnDrawCloseButton) return hooks_.DrawCloseButton(c_, r, static_cast<TnbButtonState>(box.State));
  TRect e = r;
  if (box.State == TnbScrollBox::Pressed) DrawEdge(c_->Handle(), e, BDR_SUNKENOUTER, BF_RECT);
  if (box.State == TnbScrollBox::Hot) DrawEdge(c_->Handle(), e, BDR_RAISEDINNER, BF_RECT);
  c_->Pen()->SetColor(clBlack);
  c_->Pen()->SetWidth(2);
  c_->Pen()->SetMode(pmCopy);
  c_->MoveTo(r.Left + 5, r.Top + 5);
  c_->LineTo(r.Right - 5, r.Bottom - 5);
  c_->MoveTo(r.Left + 5, r.Bottom - 5);
  c_->LineTo(r.Right - 5, r.Top + 5);
  c_->Pen()->SetWidth(1);
}

void TnbSideBarPainter::Arrow(const TRect& b, bool up, bool shifted, TColor color) {
  const int x = b.Left + (b.Right - b.Left) / 2 + (shifted ? 1 : 0);
  const int y = b.Top + (b.Bottom - b.Top) / 2;
  const int d = up ? 1 : -1;
  c_->Pen()->SetColor(color);
  c_->Pen()->SetWidth(1);
  c_->Pen()->SetMode(pmCopy);
  c_->SetPixels(x, y - d, color);
  c_->MoveTo(x - 1, y);
  c_->LineTo(x + 2, y);
  c_->MoveTo(x - 2, y + d);
  c_->LineTo(x + 3, y + d);
}

void TnbSideBarPainter::DrawBox(const TnbScrollBox& box, bool up, bool flat) {
  c_->Brush()->SetStyle(bsSolid);
  c_->Brush()->SetColor(clBtnFace);
  c_->FillRect(box.Rect);
  const bool pressed = box.State == TnbScrollBox::Pressed;
  TRect e = box.Rect;
  const UINT edge = flat ? (pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER) : (pressed ? EDGE_SUNKEN : EDGE_RAISED);
  DrawEdge(c_->Handle(), e, edge, BF_RECT | BF_SOFT);
  if (box.State == TnbScrollBox::Disabled) {
    // An embossed arrow: highlight with its shadow one pixel to the left.
    Arrow(box.Rect, up, true, clBtnHighlight);
    Arrow(box.Rect, up, false, clBtnShadow);
  } else {
    Arrow(box.Rect, up, pressed, clBlack);
  }
}

void TnbSideBarPainter::DrawColumnBoxes() {
  const bool flatLook = bar_.Flat() || bar_.Options().Contains(boAlwaysFlatScroller);
  for (int i : {TnbBarLayout::ColumnUp, TnbBarLayout::ColumnDown}) {
    const TnbScrollBox box = input_.Box(i);
    // A hot box stands out in the 3D look.
    if (nbShown(box.Rect) && InArea(box.Rect))
      DrawBox(box, i == TnbBarLayout::ColumnUp, flatLook && box.State != TnbScrollBox::Hot);
  }
}

void TnbSideBarPainter::DrawListBoxes() {
  const bool activate = bar_.Options().Contains(boActivateToolBoxScroller);
  for (int i : {TnbBarLayout::ListUp, TnbBarLayout::ListDown}) {
    const TnbScrollBox box = input_.Box(i);
    if (nbShown(box.Rect) && InArea(box.Rect))
      DrawBox(box, i == TnbBarLayout::ListUp, bar_.Flat() && !(box.State == TnbScrollBox::Hot && activate));
  }
}

void TnbSideBarPainter::DrawAlert() {
  TnbButton* alert = bar_.AlertButton();
  if (alert == nullptr || !alert->AlertPhase() || alert->State() != hbsUp) return;
  TnbHeader* h = alert->Header();
  if (h == nullptr || !h->Visible()) return;
  const bool buttonsInView = bar_.CloseUpLayout() ? h->Opened() : h == bar_.ActiveHeader();
  if (!buttonsInView) nbAlphaBlend(c_, h->CaptionRect(), 50, bar_.AlertColor());
}

void TnbSideBarPainter::Bevel(TRect& r, TBevelCut cut) {
  if (cut == bvNone) return;
  const bool raised = cut == bvRaised;
  Frame3D(c_, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bar_.BevelWidth());
}

void TnbSideBarPainter::DrawBevels() {
  TRect r = bar_.ClientRect();
  // The bevels lie in the ring between the client edge and the inner rectangle.
  const TRect& inner = layout_.Inner();
  if (area_.Left >= inner.Left && area_.Top >= inner.Top && area_.Right <= inner.Right && area_.Bottom <= inner.Bottom)
    return;
  c_->Pen()->SetColor(clWindowFrame);
  Bevel(r, bar_.BevelOuter());
  Bevel(r, bar_.BevelInner());
}

void TnbSideBarPainter::DrawFocus() {
  TRect f = bar_.ClientRect();
  InflateRect(f, -1, -1);
  c_->DrawFocusRect(f);
}

void TnbSideBar::Paint() {
  if (updating_ || painting_) return;
  auto painting = ScopedValue(painting_, true);
  auto customPaint = ScopedControlState(this, csCustomPaint);
  TRect area;
  if (!IntersectRect(area, Canvas()->ClipRect(), ClientRect())) return;
  // Everything that moves or changes anything marks the layout stale.
  layout_->Update();
  HDC dc = Canvas()->Handle();
  // A memory picture (PaintTo, a parent painting what lies behind a child) is drawn on
  // straight away: nobody watches it being drawn, so a copy would only cost time.
  if (WindowFromDC(dc) == nullptr) return painter_->Paint(Canvas(), area);
  PaintThrough(dc, area);
}

void TnbSideBar::PaintParts(const std::vector<TRect>& parts) {
  if (updating_ || painting_ || !HandleAllocated()) return;
  auto painting = ScopedValue(painting_, true);
  HWND h = Handle();
  HDC dc = GetDC(h);
  ScopeGuard release([h, dc] { ReleaseDC(h, dc); });
  for (const TRect& part : parts) {
    TRect area;
    if (IntersectRect(area, part, ClientRect())) PaintThrough(dc, area);
  }
}

// On a window the bar is drawn off-screen and copied in one step, so nothing flickers. The
// picture is kept between paints and resized only with the bar.
void TnbSideBar::PaintThrough(HDC dc, const TRect& area) {
  if (!offscreen_) {
    offscreen_ = std::make_unique<TBitmap>();
    offscreen_->SetPixelFormat(pf32bit);
  }
  TBitmap& bitmap = *offscreen_;
  if (bitmap.Width() != std::max(1, Width()) || bitmap.Height() != std::max(1, Height()))
    bitmap.SetSize(std::max(1, Width()), std::max(1, Height()));
  // Whatever was drawn reaches the screen, even when a handler raised half way.
  ScopeGuard copy([&] {
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), bitmap.Canvas()->Handle(), area.Left, area.Top,
           SRCCOPY);
  });
  painter_->Paint(bitmap.Canvas(), area);
}
