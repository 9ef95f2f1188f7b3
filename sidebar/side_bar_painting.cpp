#include <climits>
#include <memory>

#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/windows/messages.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/bar_layout.h"
#include "sidebar/side_bar_painter.h"
#include "sidebar/side_bar.h"

namespace {

// Adds a control-state flag for the life of a scope (painting a copy).
auto ScopedControlState(TControl* control, TControlStateItem flag) {
  control->SetControlState(control->ControlState() + flag);
  return ScopeGuard([control, flag] { control->SetControlState(control->ControlState() - flag); });
}

}  // namespace

TnbSideBarPainter::TnbSideBarPainter(TnbSideBar& bar, const TnbBarLayout& layout, TnbPaintHooks hooks)
    : bar_(bar), layout_(layout), hooks_(std::move(hooks)) {}

void TnbSideBarPainter::Paint(TBitmap& target) {
  bmp_ = &target;
  c_ = target.Canvas();
  PaintBackground();
  if (bar_.Background()->Style() == btTransparent) DrawParentBehind();
  DrawHeaders();
  DrawCloseBar();
  DrawColumnBoxes();
  DrawListBoxes();
  DrawAlert();
  DrawBevelsAndFocus();
}

// The bar's background. A plain colour is painted only where no body or caption paints over
// it anyway, which would otherwise fill most of the bar twice; a gradient or a picture depends
// on the whole rectangle and is painted whole.
void TnbSideBarPainter::PaintBackground() {
  TnbBackground* background = bar_.Background();
  parts_.assign(1, layout_.Inner());
  if (background->Style() == btSolid) {
    for (int i = 0; i < bar_.HeaderCount(); ++i) {
      TnbHeader* h = bar_.Header(i);
      if (!h->Visible()) continue;
      if (CoversCaption(h)) Subtract(h->CaptionRect());
      if (CoversBody(h)) Subtract(h->BodyRect());
    }
  }
  for (const TRect& r : parts_) background->Paint(bmp_, r);
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
  SetViewportOrgEx(dc, x, y, nullptr);
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
      DrawCaption(h);
      lastDrawn = caption.Bottom;
    }
    const bool sliding = bar_.AnimatingIndex() == i && h != active;
    if (sliding || (!single && h->Opened())) {
      h->PaintBody(bmp_, h->BodyRect());
      if (!single) DrawDropMarkIn(h);
    }
  }
  if (single && active != nullptr) {
    active->PaintBody(bmp_, active->BodyRect());
    DrawDropMarkIn(active);
  }
}

void TnbSideBarPainter::DrawCaption(TnbHeader* h) {
  const int index = bar_.ActiveIndex();
  if (bar_.OnDrawHeaderButtons) hooks_.DrawHeaderButtons(c_, h->CaptionRect(), index);
  else h->PaintCaption(bmp_);
  hooks_.AfterDrawHeaderButtons(c_, h->CaptionRect(), index);
}

// The mark of a drag over the bar: at the target button, or at the top of an empty header
// the drag would change to.
void TnbSideBarPainter::DrawDropMarkIn(TnbHeader* h) {
  TnbButton* target = bar_.DropTarget();
  if (target != nullptr && target->Header() == h) hooks_.DrawDropMark(c_, target->Rects().Button, bar_.DropPosition());
  else if (target == nullptr && bar_.AutoChangeCandidate() == h) hooks_.DrawDropMark(c_, h->BodyRect(), 1);
}

void TnbSideBarPainter::DrawCloseBar() {
  if (!nbShown(layout_.CloseBar())) return;
  bar_.CloseButton()->Header()->PaintCaption(bmp_);
  const TnbScrollBox& box = layout_.CloseBox();
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
    const TnbScrollBox& box = layout_.Box(i);
    // A hot box stands out in the 3D look.
    if (nbShown(box.Rect)) DrawBox(box, i == TnbBarLayout::ColumnUp, flatLook && box.State != TnbScrollBox::Hot);
  }
}

void TnbSideBarPainter::DrawListBoxes() {
  const bool activate = bar_.Options().Contains(boActivateToolBoxScroller);
  for (int i : {TnbBarLayout::ListUp, TnbBarLayout::ListDown}) {
    const TnbScrollBox& box = layout_.Box(i);
    if (nbShown(box.Rect))
      DrawBox(box, i == TnbBarLayout::ListUp, bar_.Flat() && !(box.State == TnbScrollBox::Hot && activate));
  }
}

void TnbSideBarPainter::DrawAlert() {
  TnbButton* alert = bar_.AlertButton();
  if (alert == nullptr || !alert->AlertPhase() || alert->State() != hbsUp) return;
  TnbHeader* h = alert->Header();
  if (h == nullptr || !h->Visible()) return;
  const bool buttonsInView = bar_.CloseUpLayout() ? h->Opened() : h == bar_.ActiveHeader();
  if (!buttonsInView) nbAlphaBlend(bmp_, h->CaptionRect(), 50, bar_.AlertColor());
}

void TnbSideBarPainter::Bevel(TRect& r, TBevelCut cut) {
  if (cut == bvNone) return;
  const bool raised = cut == bvRaised;
  Frame3D(c_, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bar_.BevelWidth());
}

void TnbSideBarPainter::DrawBevelsAndFocus() {
  TRect r = bar_.ClientRect();
  c_->Pen()->SetColor(clWindowFrame);
  Bevel(r, bar_.BevelOuter());
  Bevel(r, bar_.BevelInner());
  if (bar_.Focused() && bar_.Options().Contains(hoShowFocusRect)) {
    TRect f = bar_.ClientRect();
    InflateRect(f, -1, -1);
    c_->DrawFocusRect(f);
  }
}

void TnbSideBar::Paint() {
  if (updating_ || painting_) return;
  auto painting = ScopedValue(painting_, true);
  auto customPaint = ScopedControlState(this, csCustomPaint);
  layout_->Run();
  // One off-screen picture kept between paints; it is resized only with the bar.
  if (!offscreen_) {
    offscreen_ = std::make_unique<TBitmap>();
    offscreen_->SetPixelFormat(pf32bit);
  }
  TBitmap& bitmap = *offscreen_;
  if (bitmap.Width() != std::max(1, Width()) || bitmap.Height() != std::max(1, Height()))
    bitmap.SetSize(std::max(1, Width()), std::max(1, Height()));
  // Whatever was drawn reaches the screen, even when a handler raised half way.
  try {
    painter_->Paint(bitmap);
  } catch (...) {
    Canvas()->Draw(0, 0, &bitmap);
    throw;
  }
  Canvas()->Draw(0, 0, &bitmap);
}
