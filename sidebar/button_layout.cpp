// Where a side-bar button's image and caption stand, in each view.
#include <algorithm>

#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "sidebar/canvas_fonts.h"
#include "sidebar/check_glyph.h"
#include "sidebar/headers.h"
#include "sidebar/side_bar.h"
#include "sidebar/text_cache.h"
#include "sidebar/text_direction.h"

// Where a button, its image, its label and its focus frame go, for every kind, style and
// view. The rectangles are kept in the button for painting and hit testing.

namespace {

bool Fits(const TRect& inner, const TRect& outer) {
  return inner.Width() <= outer.Width() && inner.Height() <= outer.Height();
}

TRect Inflated(TRect r, int d) {
  InflateRect(r, d, d);
  return r;
}

}  // namespace

TCustomImageList* TnbButton::ImageList(TnbButtonState s) const {
  TnbHeader* header = Header();
  if (header == nullptr) return nullptr;
  if (!enabled_) s = hbsDisabled;
  TnbButtonImages* images = header->Images();
  const bool large = EffectiveStyle() == bsLarge;
  TCustomImageList* special = nullptr;
  if (s == hbsDown || s == hbsFocused) special = large ? images->Hot() : images->HotSmall();
  else if (s == hbsDisabled) special = large ? images->Disabled() : images->DisabledSmall();
  // A special list that is assigned decides alone, even when it lacks the image.
  if (special != nullptr) return HasImage(special) ? special : nullptr;
  TCustomImageList* normal = large ? images->Normal() : images->Small();
  return HasImage(normal) ? normal : nullptr;
}

bool TnbButton::HasImage(TCustomImageList* list) const {
  return list != nullptr && imageIndex_ >= 0 && imageIndex_ < list->Count();
}

void TnbButton::LayoutBox(const TRect& rect) {
  const int W = rect.Width();
  TRect r = Rect(rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom);
  const int w = (width_ <= W && !options_.Contains(boAutoWidthLabel)) ? width_ : W;
  r.Left += margin_;
  r.Right = r.Left + w - 2 * margin_;
  r.Bottom = r.Top + height_;
  rects_.Button = r;
  rects_.Label = r;
  rects_.Image = kHiddenRect;
  rects_.Focus = kHiddenRect;
}

void TnbButton::LayoutLarge(const TRect& rect, TCustomImageList* list) {
  const TnbBarSettings& s = Settings();
  const int W = rect.Width();
  TRect r = Rect(rect.Left + 1 + margin_, rect.Top, rect.Right - 1 - margin_, rect.Bottom);
  const int w = autoSize_ ? s.LargeWidth() : std::min<int>(width_, W);
  const int h = autoSize_ ? s.LargeHeight() : height_;
  r.Bottom = r.Top + h;
  // Too wide for the body: out of sight, but still taking its height in the column.
  if (w > W) r.Left = r.Right = kHiddenRect.Left;
  const TnbButtonView view = EffectiveView();
  const bool centred = view != bvToolBox && view != bvWindows2000;
  if (centred) {
    r.Left += (r.Width() - w) / 2;
    r.Right = r.Left + w;
  }
  TRect image = kHiddenRect;
  if (list != nullptr && imageIndex_ != -1) {
    image = Bounds(r.Left + (r.Width() - list->Width()) / 2, r.Top + s.GlyphTop(), list->Width(), list->Height());
    if (!centred) OffsetRect(image, 0, 2);
    const bool keep = view == bvExplorer || view == bvNormal || view == bvWindowsXP
                          ? !(image.Width() >= r.Width() && image.Height() >= r.Height())
                          : Fits(image, r);
    if (!keep) image = kHiddenRect;
  }
  const bool shown = nbShown(image);
  if (view == bvToolBox || view == bvWindows2000) rects_.Focus = r;
  else if (view == bvBig) rects_.Focus = Inflated(r, 1);
  else rects_.Focus = shown ? Inflated(image, 3) : Inflated(r, 1);
  rects_.Button = r;
  rects_.Image = image;
  rects_.Label = Rect(r.Left + 1, (shown ? image.Bottom : r.Top) + s.PicLabDistance() + 1, r.Right, r.Bottom);
}

void TnbButton::LayoutSmall(const TRect& rect, TCustomImageList* list) {
  const TnbBarSettings& s = Settings();
  const int h = autoSize_ ? s.SmallHeight() : height_;
  TRect r = Rect(rect.Left + 1 + margin_, rect.Top, rect.Right - 1 - margin_, rect.Top + h);
  const TnbButtonView view = EffectiveView();
  const bool framed = view == bvToolBox || view == bvWindows2000;
  rects_.Focus = framed ? r : Inflated(r, 1);
  TRect image = kHiddenRect;
  if (imageIndex_ != -1 && list != nullptr) {
    image = Bounds(r.Left + 4, r.Top + (r.Height() - list->Height()) / 2, list->Width(), list->Height());
    if (!Fits(image, r)) image = kHiddenRect;
    else if (view == bvExplorer || view == bvNormal || view == bvWindowsXP) rects_.Focus = Inflated(image, 2);
  }
  const bool shown = nbShown(image);
  rects_.Button = r;
  rects_.Image = image;
  rects_.Label = Rect((shown ? image.Right : r.Left) + s.PicLabDistance() + 1, r.Top + 1, r.Right, r.Bottom);
}

void TnbButton::Layout(TCanvas* measure, TRect& rect) {
  const TnbButtonState s = PaintState();
  TCustomImageList* list = ImageList(s);
  rects_.Check = kHiddenRect;
  rects_.Text = kHiddenRect;
  if (buttonKind_ != bkButton) LayoutBox(rect);
  else if (EffectiveStyle() == bsLarge) LayoutLarge(rect, list);
  else LayoutSmall(rect, list);
  if (measure != nullptr) LayoutLabel(measure, s);
  rect.Top = rects_.Button.Bottom + Settings().Distance();
}

void TnbButton::LayoutLabel(TCanvas* measure, TnbButtonState s) {
  TRect& label = rects_.Label;
  if (buttonKind_ == bkCheckBox || buttonKind_ == bkPushButton || buttonKind_ == bkRadioButton) {
    // The glyph sits at the aligned end of the label, the text 3 pixels beside it.
    const int top = label.Top + (label.Height() - kCheckSize) / 2;
    if (alignment_ == taRightJustify) {
      rects_.Check = Bounds(label.Right - kCheckSize, top, kCheckSize, kCheckSize);
      label.Right = rects_.Check.Left - 3;
    } else {
      rects_.Check = Bounds(label.Left, top, kCheckSize, kCheckSize);
      label.Left = rects_.Check.Right + 3;
    }
  }
  nbUseFont(measure, TextFont(s));
  TnbSideBar* bar = Bar();
  const TRect calc = nbMeasureText(bar ? bar->TextCache() : nullptr, measure, DrawnCaption(), label, TextFlags());
  TRect r = label;
  const int room = r.Height() - calc.Height();
  if (room > 0) {
    r.Top += room / 2;
    r.Bottom = r.Top + calc.Height();
  }
  rects_.Text = r;
  // The label is the text with 4 pixels above and below.
  label = Rect(r.Left, r.Top - 4, r.Right, r.Bottom + 4);
}

const TFont* TnbButton::TextFont(TnbButtonState s) const {
  const bool highlight = s != hbsUp && buttonKind_ == bkButton;
  if (options_.Contains(boCustomFont)) return highlight ? highlightFont_.get() : font_.get();
  return highlight ? Settings().ButtonHighlightFont() : Settings().ButtonFont();
}

String TnbButton::DrawnCaption() const {
  // An empty caption, or a lone "&" that would be taken as a prefix, keeps its place.
  if (caption_.empty() || (caption_ == "&" && showAccelChar_)) return caption_ + " ";
  return caption_;
}

UINT TnbButton::TextFlags() const {
  UINT flags = (wordWrap_ ? UINT{DT_WORDBREAK} : 0u) | DT_END_ELLIPSIS | DT_EXPANDTABS | DT_VCENTER;
  if (EffectiveStyle() == bsLarge || buttonKind_ == bkLabel) flags |= kAlignFlags[alignment_];
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (!wordWrap_) flags |= DT_SINGLELINE;
  return nbBiDiFlags(flags, biDiMode_);
}

void TnbButton::PaintLaidOut(TCanvas* target, int bottomLimit) {
  if (!visible_ || !nbShown(rects_.Button) || rects_.Button.Bottom >= bottomLimit) return;
  // A button outside what is being painted is left alone; its frame and text may reach a
  // few pixels past its rectangle.
  if (!RectVisible(target->Handle(), Inflated(rects_.Button, kButtonInkReach))) return;
  Paint(target, PaintState());
}

TnbButtonState TnbButton::PaintState() const {
  TnbHeader* header = Header();
  if (header != nullptr && header->SelectedIndex() == Index() && Index() >= 0) return hbsDown;
  return state_;
}
