#include <climits>
#include <memory>

#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_edges.h"
#include "platform/windows/messages.h"
#include "sidebar/clip_scope.h"
#include "sidebar/side_bar.h"

namespace {

// Adds a control-state flag for the life of a scope (painting a copy, painting off screen).
class TnbControlStateScope {
 public:
  TnbControlStateScope(TControl* control, TControlStateItem flag) : control_(control), flag_(flag) {
    control_->SetControlState(control_->ControlState() + flag_);
  }
  ~TnbControlStateScope() { control_->SetControlState(control_->ControlState() - flag_); }
  TnbControlStateScope(const TnbControlStateScope&) = delete;
  TnbControlStateScope& operator=(const TnbControlStateScope&) = delete;

 private:
  TControl* control_;
  TControlStateItem flag_;
};

}  // namespace

// One pass of the bar's painting into an off-screen bitmap: background, close bar, captions
// and bodies of the view, scroll boxes, alert, bevels and focus; then one copy to the screen.
class TnbSideBarPainter {
 public:
  TnbSideBarPainter(TnbSideBar& bar, TBitmap& bitmap) : bar_(bar), bmp_(bitmap), c_(bitmap.Canvas()) {}

  void Run() {
    TRect r = bar_.ClientRect();
    bar_.AdjustClientRect(r);
    bar_.background_->Paint(&bmp_, r);
    if (bar_.background_->Style() == btTransparent) DrawParentBehind();
    PlaceCloseBar(r);
    PlaceColumnUpBox(r);
    ApplyMargins(r);
    LayoutHeaders(r);
    DrawCloseBar();
    DrawColumnBoxes();
    DrawListBoxes();
    DrawAlert();
    DrawBevelsAndFocus();
  }

 private:
  // The parent paints its background into the bitmap at the bar's place, and at run time its
  // graphic controls under the bar paint themselves in too, so the bar shows what lies behind it.
  void DrawParentBehind() {
    TWinControl* parent = bar_.Parent();
    if (parent == nullptr) return;
    TnbControlStateScope parentCopy(parent, csPaintCopy);
    const int border = bar_.BorderWidth();
    PaintAt(parent, WM_ERASEBKGND, -bar_.Left() - border, -bar_.Top() - border, parent->ClientWidth(),
            parent->ClientHeight());
    if (bar_.IsDesigning()) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
      TControl* control = parent->Controls(i);
      if (control == &bar_ || dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
      TRect overlap;
      if (!IntersectRect(overlap, control->BoundsRect(), bar_.BoundsRect())) continue;
      TnbControlStateScope copy(control, csPaintCopy);
      PaintAt(control, WM_PAINT, control->Left() - bar_.Left(), control->Top() - bar_.Top(), control->Width(),
              control->Height());
    }
  }

  // Sends `msg` with the bitmap's device context, its origin moved to (x, y) and clipped to
  // width by height there.
  void PaintAt(TControl* control, UINT msg, int x, int y, int width, int height) {
    HDC dc = c_->Handle();
    TSavedDC saved(dc);
    SetViewportOrgEx(dc, x, y, nullptr);
    IntersectClipRect(dc, 0, 0, width, height);
    control->Perform(msg, reinterpret_cast<WPARAM>(dc), msg == WM_ERASEBKGND ? reinterpret_cast<LPARAM>(dc) : 0);
  }

  void PlaceCloseBar(TRect& r) {
    closeRect_ = kHiddenRect;
    if (!bar_.closeButton_->Visible()) return;
    TnbHeader* h = bar_.closeButton_->Header();
    closeRect_ = Rect(r.Left, r.Top, r.Right, r.Top + h->CaptionHeight());
    r.Top = closeRect_.Bottom;
  }

  void PlaceColumnUpBox(const TRect& r) {
    TnbScrollBox& up = bar_.boxes_[TnbSideBar::ColumnUp];
    up.Rect = bar_.CloseUpLayout() && bar_.scrollOffset_ > 0 ? Rect(r.Left, r.Top, r.Right, r.Top + 14) : kHiddenRect;
  }

  void ApplyMargins(TRect& r) {
    gap_ = 0;
    if (bar_.viewStyle_ == vsExplorerBar || bar_.options_.Contains(boExplorerBorder)) {
      const TnbBorder& b = *bar_.border_;
      r = Rect(r.Left + b.Left(), r.Top + b.Top(), r.Right - b.Right(), r.Bottom - b.Bottom());
      gap_ = b.Separator();
    }
    if (gap_ == 0) gap_ = 1;
  }

  static int CaptionSpan(TnbHeader* h) {
    return h->Options().Contains(hoNoCaption) ? 0 : h->CaptionHeight() + h->ExplorerAddOn();
  }

  // Top of the caption that follows the active header's body: the rest are stacked from
  // the bottom.
  int StackFromBottom(const TRect& r, int from) const {
    int y = r.Bottom, after = 0;
    for (int j = from; j < bar_.HeaderCount(); ++j) {
      TnbHeader* h = bar_.Header(j);
      if (!h->Visible()) continue;
      if (!h->Options().Contains(hoNoCaption)) y -= CaptionSpan(h);
      if (j > from) ++after;
    }
    // Each caption after the first is one gap further down, so the last one ends at the
    // bottom instead of running past it.
    return y - gap_ * after;
  }

  void LayoutHeaders(const TRect& r) {
    const bool single = bar_.SingleActiveLayout();
    TnbHeader* active = bar_.activeHeader_;
    const int next = active ? bar_.NextVisibleIndex(active->Index()) : -1;
    int y = r.Top - (single ? 0 : bar_.scrollOffset_);
    int lastDrawn = INT_MIN;
    activeBodyBottom_ = r.Bottom;
    bar_.downBoxNeeded_ = false;
    for (int i = 0; i < bar_.HeaderCount(); ++i) {
      TnbHeader* h = bar_.Header(i);
      if (h == nullptr) throw Exception("Invalid Header");
      if (!h->Visible()) {
        h->SetCaptionRect(kHiddenRect);
        h->SetBodyRect(kHiddenRect);
        h->HideButtons();
        continue;
      }
      if (single && i == next) {
        y = StackFromBottom(r, i);
        activeBodyBottom_ = y - gap_ + 1;
      }
      TRect caption = Rect(r.Left, y, r.Right, y + CaptionSpan(h));
      if (caption.Left > caption.Right) caption.Left = caption.Right = -10000;
      if (!bar_.layoutReady_) caption = h->CaptionRect();
      else if (ToolBoxBoxes()) PlaceCaptionBox(h, caption, r, active, next);
      if (caption.Top > lastDrawn) {
        DrawCaption(h, caption);
        lastDrawn = caption.Bottom;
      } else {
        h->SetCaptionRect(caption);
      }
      if (bar_.animatingIndex_ == i && i != (active ? active->Index() : -1)) h->PaintBody(&bmp_, h->BodyRect());
      y = single ? PlaceSingleBody(h, caption) : PlaceExplorerBody(h, caption, r);
    }
    if (single && active != nullptr) PaintActiveBody(active, r);
  }

  void DrawCaption(TnbHeader* h, const TRect& caption) {
    const int index = bar_.ActiveIndex();
    if (bar_.OnDrawHeaderButtons) {
      h->SetCaptionRect(caption);
      bar_.DoDrawHeaderButtons(c_, caption, index);
    } else {
      h->PaintCaption(&bmp_, caption);
    }
    bar_.DoAfterDrawHeaderButtons(c_, caption, index);
  }

  int PlaceSingleBody(TnbHeader* h, const TRect& caption) {
    if (h != bar_.activeHeader_ && bar_.animatingIndex_ != h->Index()) {
      // Only the active header shows buttons; the others cannot be hit.
      h->SetBodyRect(kHiddenRect);
      h->HideButtons();
    }
    return caption.Bottom + gap_;
  }

  int PlaceExplorerBody(TnbHeader* h, const TRect& caption, const TRect& r) {
    if (!h->Opened()) {
      h->SetBodyRect(Rect(r.Left, caption.Bottom + 1, r.Right, caption.Bottom + 1));
      h->HideButtons();
      bar_.downBoxNeeded_ = caption.Bottom + 5 > r.Bottom;
      return caption.Bottom + 1 + gap_;
    }
    const int height = h->BodyHeight(r.Width());
    const TRect body = Rect(r.Left, caption.Bottom + 1, r.Right, caption.Bottom + 1 + height);
    h->SetBodyRect(body);
    h->PaintBody(&bmp_, body);
    DrawDropMarkIn(h);
    bar_.downBoxNeeded_ = body.Bottom + 5 > r.Bottom;
    return body.Bottom + gap_;
  }

  void PaintActiveBody(TnbHeader* active, const TRect& r) {
    TRect body = active->BodyRect();
    if (bar_.layoutReady_) {
      body = Rect(r.Left, active->CaptionRect().Bottom + 1, r.Right, activeBodyBottom_);
      active->SetBodyRect(body);
    }
    active->PaintBody(&bmp_, body);
    DrawDropMarkIn(active);
    PlaceListBoxes(active, body);
  }

  // The mark of a drag over the bar: at the target button, or at the top of an empty header
  // the drag would change to.
  void DrawDropMarkIn(TnbHeader* h) {
    TnbButton* target = bar_.dropTarget_;
    if (target != nullptr && target->Header() == h) bar_.DrawDropMark(c_, target->Rects().Button, bar_.dropPosition_);
    else if (target == nullptr && bar_.autoChangeCandidate_ == h) bar_.DrawDropMark(c_, h->BodyRect(), 1);
  }

  bool ToolBoxBoxes() const { return bar_.viewStyle_ == vsOutlook && bar_.scrollView_ == ssToolBox; }

  // In the tool-box look the list boxes sit at the right end of the active caption (up) and
  // of the caption after it (down); those captions end where their box begins.
  void PlaceCaptionBox(TnbHeader* h, TRect& caption, const TRect& r, TnbHeader* active, int next) {
    if (active == nullptr) return;
    TnbScrollBox& up = bar_.boxes_[TnbSideBar::ListUp];
    TnbScrollBox& down = bar_.boxes_[TnbSideBar::ListDown];
    const TRect box = Rect(caption.Right - h->CaptionHeight() - 2, caption.Top, caption.Right, caption.Bottom);
    if (h == active) {
      up.Rect = box;
      if (next < 0) {
        // The last header: the down box goes to the bottom of the column.
        const int w = box.Width();
        down.Rect = Rect(box.Left, r.Bottom - w + 2, box.Right, r.Bottom);
      }
    } else if (h->Index() == next) {
      down.Rect = box;
    } else {
      return;
    }
    caption.Right = box.Left;
  }

  void PlaceListBoxes(TnbHeader* active, const TRect& body) {
    if (!bar_.layoutReady_ || ToolBoxBoxes()) return;
    const int size = bar_.scrollBoxSize_;
    TnbScrollBox& up = bar_.boxes_[TnbSideBar::ListUp];
    TnbScrollBox& down = bar_.boxes_[TnbSideBar::ListDown];
    const TRect& cap = active->CaptionRect();
    if (bar_.scrollView_ == ssExpress) {
      up.Rect = Rect(body.Left, body.Top, body.Right, body.Top + size);
      down.Rect = Rect(body.Left, body.Bottom - size, body.Right, body.Bottom);
    } else {
      up.Rect = Bounds(cap.Right - size - 2, cap.Bottom + 2, size, size);
      down.Rect = Bounds(cap.Right - size - 2, body.Bottom - 2 - size, size, size);
    }
  }

  void DrawCloseBar() {
    TnbScrollBox& box = bar_.closeBox_;
    if (closeRect_.Left == kHiddenRect.Left) {
      box.Rect = kHiddenRect;
      return;
    }
    TnbHeader* h = bar_.closeButton_->Header();
    h->PaintCaption(&bmp_, closeRect_);
    TRect r = Rect(closeRect_.Right - 2 - (closeRect_.Height() - 4), closeRect_.Top + 2, closeRect_.Right - 2,
                   closeRect_.Bottom - 2);
    if (h->CaptionTextRect().Right >= r.Left) {
      box.Rect = kHiddenRect;
      return;
    }
    box.Rect = r;
    if (bar_.OnDrawCloseButton) return bar_.DoDrawCloseButton(c_, r, static_cast<TnbButtonState>(box.State));
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

  void Arrow(const TRect& b, bool up, bool shifted, TColor color) {
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

  void DrawBox(const TnbScrollBox& box, bool up, bool flat) {
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

  void DrawColumnBoxes() {
    TnbScrollBox& up = bar_.boxes_[TnbSideBar::ColumnUp];
    TnbScrollBox& down = bar_.boxes_[TnbSideBar::ColumnDown];
    if (!bar_.CloseUpLayout()) {
      up.Rect = down.Rect = kHiddenRect;
      return;
    }
    TRect r = bar_.ClientRect();
    bar_.AdjustClientRect(r);
    for (TnbScrollBox* b : {&up, &down}) {
      if (!bar_.Enabled()) b->State = TnbScrollBox::Disabled;
      else if (b->State == TnbScrollBox::Disabled) b->State = TnbScrollBox::Normal;
    }
    if (bar_.downBoxNeeded_) {
      down.Rect = Rect(r.Left, r.Bottom - 14, r.Right, r.Bottom);
    } else {
      if (down.State == TnbScrollBox::Pressed) bar_.StopTimer(2);
      down.Rect = kHiddenRect;
    }
    const bool flatLook = bar_.flat_ || bar_.options_.Contains(boAlwaysFlatScroller);
    if (up.Rect.Left != kHiddenRect.Left) DrawBox(up, true, flatLook && up.State != TnbScrollBox::Hot);
    if (down.Rect.Left != kHiddenRect.Left) DrawBox(down, false, flatLook && down.State != TnbScrollBox::Hot);
  }

  void DrawListBoxes() {
    TnbScrollBox& up = bar_.boxes_[TnbSideBar::ListUp];
    TnbScrollBox& down = bar_.boxes_[TnbSideBar::ListDown];
    TnbHeader* active = bar_.activeHeader_;
    if (!bar_.SingleActiveLayout() || active == nullptr) {
      up.Rect = down.Rect = TRect{};
      return;
    }
    const bool toolBox = bar_.viewStyle_ == vsOutlook && bar_.scrollView_ == ssToolBox;
    const bool canUp = bar_.Enabled() && active->CanStepUp();
    const bool canDown = bar_.Enabled() && active->CanStepDown();
    for (auto [box, can] : {std::pair{&up, canUp}, std::pair{&down, canDown}}) {
      if (!can) box->State = TnbScrollBox::Disabled;
      else if (box->State == TnbScrollBox::Disabled) box->State = TnbScrollBox::Normal;
      if (!can && !toolBox) box->Rect = TRect{};
    }
    const bool activate = bar_.options_.Contains(boActivateToolBoxScroller);
    if (!IsRectEmpty(up.Rect)) DrawBox(up, true, bar_.flat_ && !(up.State == TnbScrollBox::Hot && activate));
    if (!IsRectEmpty(down.Rect) && down.Rect.Top > up.Rect.Bottom)
      DrawBox(down, false, bar_.flat_ && !(down.State == TnbScrollBox::Hot && activate));
  }

  void DrawAlert() {
    TnbButton* alert = bar_.alertButton_;
    if (alert == nullptr || !alert->AlertPhase() || alert->State() != hbsUp) return;
    TnbHeader* h = alert->Header();
    if (h == nullptr || !h->Visible()) return;
    const bool buttonsInView = bar_.CloseUpLayout() ? h->Opened() : h == bar_.activeHeader_;
    if (!buttonsInView) nbAlphaBlend(&bmp_, h->CaptionRect(), 50, bar_.alertColor_);
  }

  void Bevel(TRect& r, TBevelCut cut) {
    if (cut == bvNone) return;
    const bool raised = cut == bvRaised;
    Frame3D(c_, r, raised ? clBtnHighlight : clBtnShadow, raised ? clBtnShadow : clBtnHighlight, bar_.bevelWidth_);
  }

  void DrawBevelsAndFocus() {
    TRect r = bar_.ClientRect();
    c_->Pen()->SetColor(clWindowFrame);
    Bevel(r, bar_.bevelOuter_);
    Bevel(r, bar_.bevelInner_);
    if (bar_.Focused() && bar_.options_.Contains(hoShowFocusRect)) {
      TRect f = bar_.ClientRect();
      InflateRect(f, -1, -1);
      c_->DrawFocusRect(f);
    }
  }

  TnbSideBar& bar_;
  TBitmap& bmp_;
  TCanvas* c_;
  TRect closeRect_ = kHiddenRect;
  int gap_ = 1;
  int activeBodyBottom_ = 0;
};

void TnbSideBar::Paint() {
  if (updating_ || painting_) return;
  auto painting = ScopedValue(painting_, true);
  TnbControlStateScope customPaint(this, csCustomPaint);
  // One off-screen picture kept between paints; it is resized only with the bar.
  if (!offscreen_) {
    offscreen_ = std::make_unique<TBitmap>();
    offscreen_->SetPixelFormat(pf32bit);
  }
  TBitmap& bitmap = *offscreen_;
  if (bitmap.Width() != std::max(1, Width()) || bitmap.Height() != std::max(1, Height()))
    bitmap.SetSize(std::max(1, Width()), std::max(1, Height()));
  // Whatever was drawn reaches the screen, even when a handler raised half way.
  struct Present {
    TCanvas* screen;
    TBitmap& bitmap;
    ~Present() { screen->Draw(0, 0, &bitmap); }
  } present{Canvas(), bitmap};
  TnbSideBarPainter(*this, bitmap).Run();
}
