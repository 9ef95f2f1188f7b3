// Where a header's caption, image, arrow and buttons stand.
#include <algorithm>

#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "sidebar/text_cache.h"
#include "sidebar/text_direction.h"

// Where the parts of one header go: its caption's image, text and open/close arrow, and its
// buttons. The bar's layout pass calls this; painting only reads what it left.

namespace {

constexpr int kStatusSize = 18;

bool HoldsImage(TCustomImageList* list, int index) {
  return list != nullptr && index >= 0 && index < list->Count();
}

}  // namespace

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

void TnbHeader::LayoutCaption(TCanvas* measure, const TRect& rect) {
  captionLayout_ = CaptionLayout();
  if (options_.Contains(hoNoCaption)) {
    // No caption takes no space: a rectangle of no height one pixel around the top.
    TRect r = rect;
    InflateRect(r, 1, 1);
    r.Bottom = r.Top;
    captionRect_ = r;
    return;
  }
  captionRect_ = rect;
  if (!EffectiveEnabled()) captionState_ = hbsDisabled;
  else if (captionState_ == hbsDisabled) captionState_ = hbsUp;
  TnbBarSettings* settings = EffectiveSettings();
  const bool highlight = captionState_ == hbsFocused && options_.Contains(hoUseHighlightFont);
  captionLayout_.Font = highlight ? settings->HighlightFont() : settings->Font();
  const bool pressed = captionState_ == hbsDown && options_.Contains(hoButtonDown);
  captionLayout_.Press = pressed ? TPoint{1, 1} : TPoint{0, 0};
  LayoutCaptionContents(measure, rect);
}

bool TnbHeader::RightToLeftAlignment() const {
  return (nbBiDiFlags(kAlignFlags[EffectiveSettings()->Alignment()], biDiMode_) & DT_RIGHT) != 0;
}

void TnbHeader::LayoutCaptionContents(TCanvas* measure, const TRect& caption) {
  CaptionLayout& l = captionLayout_;
  const int addOn = ExplorerAddOn();
  TRect client = caption;
  client.Top += addOn;
  const int w = client.Width(), h = client.Height();
  int areaLeft = 0, areaRight = w;
  if (ShowsStatusButton(w, h)) {
    l.Status = Bounds(client.Right - 4 - kStatusSize, client.Top + (h - kStatusSize) / 2, kStatusSize, kStatusSize);
    areaRight = l.Status.Left - client.Left - 1;
  }
  TCustomImageList* list = CaptionImageList(captionState_);
  const int iw = list ? list->Width() : 0, ih = list ? list->Height() : 0;
  bool hasImage = list != nullptr && ih <= h;
  const int spacing = hasImage ? spacing_ : 0;
  const TAlignment align = EffectiveSettings()->Alignment();
  const bool rtl = RightToLeftAlignment();
  // Right-to-left text puts the glyph on the other side; the text follows its mirrored
  // alignment.
  TnbGlyphLayout layout = EffectiveSettings()->Layout();
  if (rtl && layout != glGlyphCenter) layout = layout == glGlyphLeft ? glGlyphRight : glGlyphLeft;
  const TAlignment textAlign = align == taCenter ? taCenter : rtl ? taRightJustify : taLeftJustify;
  if (hasImage) {
    l.Image.y = (h - ih + 1) / 2;
    if (layout == glGlyphLeft) {
      l.Image.x = margin_;
      hasImage = margin_ + iw <= areaRight;
      if (hasImage) areaLeft = margin_ + iw + spacing;
    } else if (layout == glGlyphRight) {
      // Like the text, the image keeps left of the open/close arrow; the text, however it is
      // aligned, ends before the image and its spacing.
      l.Image.x = areaRight - margin_ - iw;
      hasImage = l.Image.x >= 0;
      if (hasImage) areaRight = l.Image.x - spacing;
    } else {
      l.Image.x = (w - iw + 1) / 2;
      hasImage = iw <= w;
    }
  }
  l.List = hasImage ? list : nullptr;
  l.TextFlags = nbBiDiFlags(DT_END_ELLIPSIS | DT_VCENTER | DT_CENTER | DT_SINGLELINE, biDiMode_);
  const TPoint origin{client.Left + l.Press.x, client.Top + l.Press.y};
  l.Image = {l.Image.x + origin.x, l.Image.y + origin.y};
  if (caption_.empty()) return;
  nbUseFont(measure, l.Font);
  // A text too long for its area keeps the margin and spacing and ends in an ellipsis there.
  const int room = std::max(0, areaRight - areaLeft - margin_ - spacing);
  const TRect calc = nbMeasureText(Bar() ? Bar()->TextCache() : nullptr, measure, caption_, Rect(0, 0, room, 0),
                                   DT_END_ELLIPSIS | DT_SINGLELINE);
  const int tw = std::min(calc.Width(), room), th = calc.Height();
  int x;
  if (textAlign == taLeftJustify) x = (hasImage && layout == glGlyphLeft) ? areaLeft : margin_;
  else if (textAlign == taRightJustify) x = areaRight - tw - ((hasImage && layout == glGlyphRight) ? 0 : margin_);
  else x = areaLeft + (areaRight - areaLeft - tw + 1) / 2;
  // The text sits half the explorer add-on lower, nearer the middle of the whole caption, but
  // never so low that its last rows go under the body below the caption.
  const int y = std::min((h - th + 1) / 2 + addOn / 2, h - th);
  if (th > h || (textAlign == taRightJustify ? x < 0 : x + tw > w)) return;
  l.Text = Bounds(x + origin.x, y + origin.y, tw, th);
}

void TnbHeader::LayoutButtons(TCanvas* measure, const TRect& body) {
  bool overflowed = PlaceButtons(measure, body);
  // A list is never scrolled further than its last button needs (stepping down stops there):
  // when buttons went, were hidden or the body grew, those above come back while all fit.
  TnbSideBar* bar = Bar();
  if (bar != nullptr && !bar->LayoutReady()) return;  // a slide moves the body, not the list
  while (!overflowed && firstVisible_ > 0) {
    --firstVisible_;
    overflowed = PlaceButtons(measure, body);
    if (overflowed) {
      ++firstVisible_;
      PlaceButtons(measure, body);
    }
  }
}

bool TnbHeader::PlaceButtons(TCanvas* measure, const TRect& body) {
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
    b->Layout(measure, run);
    if (run.Top > body.Bottom) {
      lastFullyVisible_ = i - 1;
      b->Rects().Hide();
      overflowed = true;
    }
  }
  if (!overflowed) lastFullyVisible_ = ButtonCount() - 1;
  return overflowed;
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
    b->Layout(nullptr, run);
    laidOut = true;
  }
  TnbBarSettings* settings = EffectiveSettings();
  if (!laidOut) return settings->Distance();
  const int penWidth = settings->HeaderPen()->Width();
  const int d = settings->Distance() > penWidth ? settings->Distance() : penWidth + 1;
  return run.Top + 2 * d;
}
