#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/clip_scope.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"

// How one header caption and one header body are laid out and drawn into the bar's
// off-screen bitmap.

namespace {

constexpr UINT kClassicEdge[2] = {EDGE_RAISED, EDGE_SUNKEN};
constexpr UINT kFlatEdge[2] = {BDR_RAISEDINNER, BDR_SUNKENOUTER};
constexpr int kStatusSize = 18;

bool HoldsImage(TCustomImageList* list, int index) {
  return list != nullptr && index >= 0 && index < list->Count();
}

// A pen rectangle: inflated inwards by half the pen width, one pixel larger to the right and
// bottom for even widths, so the line lies inside the rectangle.
TRect PenFrame(TRect r, int width) {
  InflateRect(r, -(width / 2), -(width / 2));
  if (width % 2 == 0) {
    ++r.Right;
    ++r.Bottom;
  }
  return r;
}

void Line(TCanvas* c, int x, int y, TPoint a, TPoint b) {
  c->MoveTo(x + a.x, y + a.y);
  c->LineTo(x + b.x, y + b.y);
}

// One chevron of the open/close arrow, `down` pointing down, with its tip row at `tip`.
void Chevron(TCanvas* c, int x, int y, int tip, bool down) {
  const int d = down ? -1 : 1;  // direction from the tip to the wings
  const int wing = tip + 3 * d;
  Line(c, x, y, {9, tip}, {6, wing});
  Line(c, x, y, {7, wing}, {9, tip + d});
  Line(c, x, y, {9, tip}, {12, wing});
  Line(c, x, y, {11, wing}, {9, tip + d});
  const TColor color = c->Pen()->Color();
  c->SetPixels(x + 9, y + tip + d, color);
  c->SetPixels(x + 6, y + wing, color);
  c->SetPixels(x + 12, y + wing, color);
}

}  // namespace

struct TnbHeader::CaptionLayout {
  TCustomImageList* List = nullptr;
  TPoint Image{};
  bool HasImage = false;
  TRect Text{};
  bool HasText = false;
  TRect Status = kHiddenRect;
};

bool TnbHeader::ShowsStatusButton(int w, int h) const {
  TnbSideBar* bar = Bar();
  return bar != nullptr && bar->ViewStyle() == vsExplorerBar && bar->ExplorerMethod() == emCloseUp &&
         options_.Contains(hoShowStatusButton) && h >= 21 && w >= 23;
}

TCustomImageList* TnbHeader::CaptionImageList(TnbButtonState s) const {
  TnbSideBar* bar = Bar();
  if (bar == nullptr) return nullptr;
  const bool hot = s == hbsDown || s == hbsFocused ||
                   (options_.Contains(hoShowSelectedImage) && bar->ActiveHeader() == this);
  TCustomImageList* hotList = bar->HeaderImages()->Hot();
  if (hot && hotList != nullptr) return HoldsImage(hotList, imageIndex_) ? hotList : nullptr;
  TCustomImageList* normal = bar->HeaderImages()->Normal();
  return HoldsImage(normal, imageIndex_) ? normal : nullptr;
}

TnbHeader::CaptionLayout TnbHeader::LayoutCaption(TCanvas* canvas, const TRect& client,
                                                  TnbButtonState s, TPoint press) {
  CaptionLayout l;
  const int w = client.Width(), h = client.Height();
  int areaLeft = 0, areaRight = w;
  if (ShowsStatusButton(w, h)) {
    l.Status = Bounds(client.Right - 4 - kStatusSize, client.Top + (h - kStatusSize) / 2, kStatusSize, kStatusSize);
    areaRight = l.Status.Left - client.Left - 1;
  }
  l.List = CaptionImageList(s);
  const int iw = l.List ? l.List->Width() : 0, ih = l.List ? l.List->Height() : 0;
  l.HasImage = l.List != nullptr && ih <= h;
  const int spacing = l.HasImage ? spacing_ : 0;
  const TnbGlyphLayout layout = EffectiveSettings()->Layout();
  const TAlignment align = EffectiveSettings()->Alignment();
  if (l.HasImage) {
    l.Image.y = (h - ih + 1) / 2;
    if (layout == glGlyphLeft) {
      l.Image.x = margin_;
      l.HasImage = margin_ + iw <= areaRight;
      if (l.HasImage) areaLeft = margin_ + iw + spacing;
    } else if (layout == glGlyphRight) {
      l.Image.x = w - margin_ - iw;
      l.HasImage = l.Image.x >= 0;
      if (l.HasImage && align == taRightJustify) areaRight = l.Image.x - spacing;
    } else {
      l.Image.x = (w - iw + 1) / 2;
      l.HasImage = iw <= w;
    }
  }
  if (!caption_.empty()) {
    TRect calc = Rect(0, 0, std::max(0, areaRight - areaLeft - margin_ - spacing), 0);
    DrawText(canvas->Handle(), caption_, calc, DT_CALCRECT | DT_END_ELLIPSIS | DT_SINGLELINE);
    const int tw = std::min(calc.Width(), std::max(0, areaRight - areaLeft)), th = calc.Height();
    int x;
    if (align == taLeftJustify) x = (l.HasImage && layout == glGlyphLeft) ? areaLeft : margin_;
    else if (align == taRightJustify) x = (l.HasImage && layout == glGlyphRight) ? areaRight - tw : w - tw - margin_;
    else x = areaLeft + (areaRight - areaLeft - tw + 1) / 2;
    const int y = (h - th + 1) / 2;
    l.HasText = th <= h && (align == taRightJustify ? x >= 0 : x + tw <= w);
    l.Text = Bounds(x, y, tw, th);
  }
  const TPoint origin{client.Left + press.x, client.Top + press.y};
  l.Image = {l.Image.x + origin.x, l.Image.y + origin.y};
  OffsetRect(l.Text, origin.x, origin.y);
  captionTextRect_ = l.HasText ? l.Text : TRect{};
  return l;
}

void TnbHeader::DrawCaptionContents(TCanvas* c, const TRect& client, TnbButtonState s, TPoint press) {
  const CaptionLayout l = LayoutCaption(c, client, s, press);
  if (l.HasImage) l.List->Draw(c, l.Image.x, l.Image.y, imageIndex_);
  if (l.HasText) {
    c->Brush()->SetStyle(bsClear);
    const UINT flags = DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER | DT_SINGLELINE;
    TRect r = l.Text;
    if (s == hbsDisabled) {
      OffsetRect(r, 1, 1);
      c->Font()->SetColor(clBtnHighlight);
      DrawText(c->Handle(), caption_, r, flags);
      r = l.Text;
      c->Font()->SetColor(clBtnShadow);
    }
    DrawText(c->Handle(), caption_, r, flags);
  }
  if (l.Status.Left != kHiddenRect.Left) DrawStatusButton(c, l.Status);
}

void TnbHeader::DrawStatusButton(TCanvas* c, const TRect& rect) {
  if (OnDrawStatusButton) return OnDrawStatusButton(this, c, rect, headerState_);
  TnbStatusButton* colors = EffectiveSettings()->StatusButton();
  c->Brush()->SetColor(colors->Background());
  c->Brush()->SetStyle(colors->Transparent() ? bsClear : bsSolid);
  c->Pen()->SetColor(colors->BorderColor());
  c->Pen()->SetMode(pmCopy);
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(2);
  c->Ellipse(rect);
  c->Pen()->SetColor(colors->ArrowColor());
  c->Pen()->SetWidth(1);
  const bool closed = headerState_ == hsClosed;
  // Two chevrons, 5 pixels apart, pointing down to open a closed header and up to close.
  Chevron(c, rect.Left, rect.Top, closed ? 8 : 4, closed);
  Chevron(c, rect.Left, rect.Top, closed ? 13 : 9, closed);
}

void TnbHeader::DrawCaptionBackground(TBitmap* target, const TRect& r, TnbButtonState s) {
  TCanvas* c = target->Canvas();
  TnbBarSettings* settings = EffectiveSettings();
  TnbSideBar* bar = Bar();
  if (settings->CaptionStyle() == csButtonStyle) {
    if (!transparent_) c->FillRect(r);
    bool flat = (bar != nullptr && bar->Flat()) || options_.Contains(hoAlwaysFlat);
    if (s == hbsFocused && options_.Contains(hoActivateOnSelect)) flat = false;
    const int down = options_.Contains(hoButtonDown) && s == hbsDown ? 1 : 0;
    TRect edge = r;
    DrawEdge(c->Handle(), edge, flat ? kFlatEdge[down] : kClassicEdge[down], BF_RECT | BF_SOFT);
    return;
  }
  TnbButtonState look = hbsUp;
  if (s == hbsDown && options_.Contains(hoDrawDownButton)) look = hbsDown;
  if (s == hbsFocused && options_.Contains(hoDrawFocusedButton)) look = hbsFocused;
  if (s == hbsDisabled && options_.Contains(hoDrawDisabledButton)) look = hbsDisabled;
  // The state backgrounds are shared by every caption of the settings: render afresh.
  settings->StateBackground(look)->Gradient()->ClearCache();
  settings->StateBackground(look)->Paint(target, r);
  const int w = settings->CaptionPen()->Width();
  if (!options_.Contains(hoDrawCaptionBorder) || w <= 0) return;
  c->Pen()->Assign(settings->CaptionPen());
  c->Brush()->SetStyle(bsClear);
  const TRect f = PenFrame(r, w);
  c->Rectangle(f);
  if (options_.Contains(hoRoundedHeader) && bar != nullptr && bar->ViewStyle() == vsExplorerBar) {
    const TColor pc = settings->CaptionPen()->Color();
    for (TPoint p : {TPoint{f.Left + 1, f.Top + 2}, TPoint{f.Left + 1, f.Top + 1}, TPoint{f.Left + 2, f.Top + 1},
                     TPoint{f.Right - 3, f.Top + 1}, TPoint{f.Right - 2, f.Top + 1}, TPoint{f.Right - 2, f.Top + 2}})
      c->SetPixels(p.x, p.y, pc);
  }
}

void TnbHeader::PaintCaption(TBitmap* target, const TRect& rect) {
  if (options_.Contains(hoNoCaption)) {
    TRect r = rect;
    InflateRect(r, 1, 1);
    r.Bottom = r.Top;
    captionRect_ = r;
    captionTextRect_ = {};
    return;
  }
  captionRect_ = rect;
  TRect r = rect;
  r.Top += ExplorerAddOn();
  TCanvas* c = target->Canvas();
  TnbBarSettings* settings = EffectiveSettings();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(settings->Color());
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(clBtnFace);
  if (OnDrawHeaderButton) {
    OnDrawHeaderButton(this, c, captionRect_);
  } else {
    TnbSideBar* bar = Bar();
    std::unique_ptr<TnbClipScope> clip;
    if (options_.Contains(hoRoundedHeader) && bar != nullptr && bar->ViewStyle() == vsExplorerBar)
      clip = std::make_unique<TnbClipScope>(c->Handle(), CreateRoundRectRgn(r.Left, r.Top, r.Right + 1, 2 * r.Bottom, 4, 4));
    if (!EffectiveEnabled()) captionState_ = hbsDisabled;
    else if (captionState_ == hbsDisabled) captionState_ = hbsUp;
    const TnbButtonState s = captionState_;
    const bool highlight = s == hbsFocused && options_.Contains(hoUseHighlightFont);
    nbUseFont(c, highlight ? settings->HighlightFont() : settings->Font());
    DrawCaptionBackground(target, r, s);
    const TPoint press = s == hbsDown && options_.Contains(hoButtonDown) ? TPoint{1, 1} : TPoint{0, 0};
    clip.reset();
    DrawCaptionContents(c, r, s, press);
  }
  OnAfterDrawHeaderButton.Call(this, c, captionRect_);
}

void TnbHeader::DrawBodyFrame(TCanvas* c, TRect r) {
  TnbBarSettings* settings = EffectiveSettings();
  TPen* pen = settings->HeaderPen();
  const int w = pen->Width();
  TnbSideBar* bar = Bar();
  if (!options_.Contains(hoDrawBorder) || w <= 0) return;
  if (bar != nullptr && bar->Options().Contains(boHeaderFrame) && bar->ViewStyle() != vsExplorerBar) return;
  c->Pen()->Assign(pen);
  c->Brush()->SetStyle(bsClear);
  TRect f = PenFrame(r, w);
  TPen* cp = settings->CaptionPen();
  // Caption and body share one line when both frames are drawn with the same pen.
  if (settings->CaptionStyle() == csCustomDraw && cp->Color() == pen->Color() &&
      cp->Style() == pen->Style() && cp->Width() == w)
    --f.Top;
  c->Rectangle(f);
}

void TnbHeader::PaintBody(TBitmap* target, const TRect& rect) {
  if (rect.Top > rect.Bottom || rect.Width() < 1) return;
  TCanvas* c = target->Canvas();
  if (OnDrawHeaderBody) OnDrawHeaderBody(this, c, rect);
  else background_->Paint(target, rect);
  glyph_->Paint(target, rect);
  DrawBodyFrame(c, rect);
  OnAfterDrawHeaderBody.Call(this, c, rect);
  LayoutButtons(target, rect);
}

void TnbHeader::LayoutButtons(TBitmap* target, const TRect& body) {
  TRect run = body;
  run.Top = body.Top + firstButtonTop_;
  lastFullyVisible_ = -1;
  TnbSideBar* bar = Bar();
  const bool designing = bar != nullptr && bar->IsDesigning();
  bool overflowed = false;
  for (int i = 0; i < ButtonCount(); ++i) {
    TnbButton* b = GetButton(i);
    // Buttons scrolled out of view, hidden ones and those past the bottom cannot be hit.
    if (i < firstVisible_ || overflowed || (!b->Visible() && !designing)) {
      b->Rects().Hide();
      continue;
    }
    b->LayoutAndPaint(target, run, target == nullptr, body.Bottom);
    if (run.Top > body.Bottom) {
      lastFullyVisible_ = i - 1;
      b->Rects().Hide();
      overflowed = true;
    }
  }
  if (!overflowed) lastFullyVisible_ = ButtonCount() - 1;
}

void TnbHeader::HideButtons() {
  for (int i = 0; i < ButtonCount(); ++i) GetButton(i)->Rects().Hide();
}

int TnbHeader::BodyHeight(int width) {
  if (!Opened() || ButtonCount() == 0) return 0;
  TRect run = Rect(0, firstButtonTop_, width, 1 << 29);
  bool laidOut = false;
  for (int i = 0; i < ButtonCount(); ++i) {
    TnbButton* b = GetButton(i);
    if (!b->Visible()) continue;
    b->LayoutAndPaint(nullptr, run, true, run.Bottom);
    laidOut = true;
  }
  TnbBarSettings* settings = EffectiveSettings();
  if (!laidOut) return settings->Distance();
  const int penWidth = settings->HeaderPen()->Width();
  const int d = settings->Distance() > penWidth ? settings->Distance() : penWidth + 1;
  return run.Top + 2 * d;
}
