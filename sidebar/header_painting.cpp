// Painting a header: caption background, contents, status button and body.
#include <algorithm>
#include <optional>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/clip_scope.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "sidebar/text_cache.h"

// How one header caption and one header body are drawn into the bar's off-screen bitmap, where
// the layout pass placed them.

namespace {

constexpr UINT kClassicEdge[2] = {EDGE_RAISED, EDGE_SUNKEN};
constexpr UINT kFlatEdge[2] = {BDR_RAISEDINNER, BDR_SUNKENOUTER};
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

void TnbHeader::DrawCaptionContents(TCanvas* c) {
  TnbTextCache* cache = Bar() ? Bar()->TextCache() : nullptr;
  const CaptionLayout& l = captionLayout_;
  if (l.List != nullptr) l.List->Draw(c, l.Image.x, l.Image.y, imageIndex_);
  if (nbShown(l.Text)) {
    c->Brush()->SetStyle(bsClear);
    TRect r = l.Text;
    if (captionState_ == hbsDisabled) {
      OffsetRect(r, 1, 1);
      c->Font()->SetColor(clBtnHighlight);
      nbDrawText(cache, c, caption_, r, l.TextFlags);
      r = l.Text;
      c->Font()->SetColor(clBtnShadow);
    }
    nbDrawText(cache, c, caption_, r, l.TextFlags);
  }
  if (nbShown(l.Status)) DrawStatusButton(c, l.Status);
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

void TnbHeader::DrawCaptionBackground(TCanvas* c, const TRect& r, TnbButtonState s) {
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
  settings->StateBackground(look)->Paint(c, r);
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

void TnbHeader::PaintCaption(TCanvas* c) {
  if (options_.Contains(hoNoCaption)) return;
  TRect r = captionRect_;
  r.Top += ExplorerAddOn();
  TnbBarSettings* settings = EffectiveSettings();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(settings->Color());
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetColor(clBtnFace);
  if (OnDrawHeaderButton) {
    OnDrawHeaderButton(this, c, captionRect_);
  } else {
    nbUseFont(c, captionLayout_.Font);
    {
      TnbSideBar* bar = Bar();
      std::optional<TnbClipScope> rounded;
      if (options_.Contains(hoRoundedHeader) && bar != nullptr && bar->ViewStyle() == vsExplorerBar)
        rounded.emplace(c->Handle(), CreateRoundRectRgn(r.Left, r.Top, r.Right + 1, 2 * r.Bottom, 4, 4));
      DrawCaptionBackground(c, r, captionState_);
    }
    DrawCaptionContents(c);
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

void TnbHeader::PaintBody(TCanvas* c, const TRect& rect) {
  if (rect.Top > rect.Bottom || rect.Width() < 1) return;
  if (OnDrawHeaderBody) OnDrawHeaderBody(this, c, rect);
  else background_->Paint(c, rect);
  glyph_->Paint(c, rect);
  DrawBodyFrame(c, rect);
  OnAfterDrawHeaderBody.Call(this, c, rect);
  for (int i = 0; i < ButtonCount(); ++i) GetButton(i)->PaintLaidOut(c, rect.Bottom);
}


