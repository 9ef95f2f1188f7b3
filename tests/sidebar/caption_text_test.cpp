#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/sidebar/sidebar_fixture.h"

// Header captions too long for the bar: where their text goes and what is painted of it.

namespace {

enum class Place { Outlook, Explorer, CloseBar };

struct CaptionCase {
  Place place;
  TAlignment alignment;
  TBiDiMode biDi;
  const char* caption;
};

constexpr const char* kLatin = "Messages waiting to be sent tonight to every customer";
constexpr const char* kChinese = "今晚需要发送给所有客户的群发短信以及回复";

std::vector<CaptionCase> Cases() {
  std::vector<CaptionCase> cases;
  for (Place place : {Place::Outlook, Place::Explorer, Place::CloseBar})
    for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter})
      for (TBiDiMode biDi : {bdLeftToRight, bdRightToLeft})
        for (const char* caption : {kLatin, kChinese}) cases.push_back({place, alignment, biDi, caption});
  return cases;
}

class CaptionTextTest : public SidebarTest {
 protected:
  // The header whose caption is tested, laid out and painted as `c` asks.
  TnbHeader* Arrange(const CaptionCase& c) {
    bar_->SetHeaderScrollType(stNone);
    bar_->SetViewStyle(c.place == Place::Outlook ? vsOutlook : vsExplorerBar);
    TnbHeader* h = c.place == Place::CloseBar ? bar_->CloseButton()->Header() : AddHeader(c.caption, 1);
    if (c.place == Place::CloseBar) {
      bar_->CloseButton()->SetVisible(true);
      bar_->CloseButton()->SetCaption(c.caption);
    } else {
      bar_->SetActiveHeader(h);
    }
    TnbBarSettings* s = h->EffectiveSettings();
    s->SetAlignment(c.alignment);
    for (TFont* f : {s->Font(), s->HighlightFont()}) f->SetColor(kInk);
    h->SetBiDiMode(c.biDi);
    return h;
  }

  // Columns of the painted caption: left to right, the rows holding ink in each.
  struct Blob {
    int left, right, top, bottom;
  };
  static std::vector<Blob> InkBlobs(TBitmap& b, const TRect& r) {
    std::vector<Blob> blobs;
    bool inBlob = false;
    for (int x = r.Left; x < r.Right; ++x) {
      int top = r.Bottom, bottom = r.Top;
      for (int y = r.Top; y < r.Bottom; ++y)
        if (At(b, x, y) == kInk) top = std::min(top, y), bottom = std::max(bottom, y + 1);
      if (top >= bottom) {
        inBlob = false;
        continue;
      }
      if (!inBlob) blobs.push_back({x, x + 1, top, bottom});
      Blob& last = blobs.back();
      last.right = x + 1;
      last.top = std::min(last.top, top);
      last.bottom = std::max(last.bottom, bottom);
      inBlob = true;
    }
    return blobs;
  }

  static constexpr TColor kInk = clRed;
};

}  // namespace

TEST_F(CaptionTextTest, LongCaptionsEndInAnEllipsisInsideTheirPlace) {
  const std::vector<CaptionCase> cases = Cases();
  for (size_t i = 0; i < cases.size(); ++i) {
    const CaptionCase& c = cases[i];
    SCOPED_TRACE(testing::Message() << "place " << static_cast<int>(c.place) << ", alignment " << static_cast<int>(c.alignment)
                                    << ", bidi " << static_cast<int>(c.biDi) << ", " << c.caption);
    bar_->Clear();
    bar_->CloseButton()->SetVisible(false);
    TnbHeader* h = Arrange(c);
    auto bmp = Paint();
    const TRect caption = h->CaptionRect();
    // The text's place: the caption, up to the open/close arrow where it is shown.
    TRect place = caption;
    if (c.place == Place::Explorer) place.Right = caption.Right - 4 - 18 - 1;
    const TRect text = h->CaptionTextRect();
    ASSERT_TRUE(nbShown(text)) << "the text is shown";
    EXPECT_GE(text.Left, place.Left);
    EXPECT_LE(text.Right, place.Right);
    EXPECT_LE(text.Width(), place.Width() - h->Margin()) << "the margin is kept";
    const std::vector<Blob> ink = InkBlobs(*bmp, caption);
    ASSERT_GE(ink.size(), 4u) << "text is painted";
    EXPECT_GE(ink.front().left, place.Left);
    EXPECT_LE(ink.back().right, place.Right);
    // Three dots of the same height end the text, each far lower than the text is high.
    const int textHeight = [&] {
      int top = caption.Bottom, bottom = caption.Top;
      for (const Blob& b : ink) top = std::min(top, b.top), bottom = std::max(bottom, b.bottom);
      return bottom - top;
    }();
    for (size_t d = ink.size() - 3; d < ink.size(); ++d) {
      EXPECT_LE((ink[d].bottom - ink[d].top) * 3, textHeight) << "dot " << d;
      EXPECT_EQ(ink[d].bottom, ink.back().bottom) << "dot " << d;
    }
    if (c.place == Place::CloseBar) {
      EXPECT_FALSE(nbShown(bar_->CloseBox().Rect)) << "the text reaches the box";
    }
    if (HasFailure()) {
      Save(*bmp, ("long_caption_" + std::to_string(i)).c_str());
      break;
    }
  }
}

// A caption's image, on whichever side, is painted whole: on the right of the explorer
// view's caption it stands left of the open/close arrow, as the text does, and a long text
// ends before it and its spacing as it does before the arrow.
TEST_F(CaptionTextTest, ACaptionImageIsPaintedWholeBesideTheOpenCloseArrow) {
  struct ImageCase {
    TnbGlyphLayout layout;
    TAlignment alignment;
    TBiDiMode biDi;
    const char* caption;
  };
  const ImageCase cases[] = {
      {glGlyphLeft, taLeftJustify, bdLeftToRight, "Inbox"},   {glGlyphRight, taLeftJustify, bdLeftToRight, "Inbox"},
      {glGlyphRight, taRightJustify, bdLeftToRight, "Inbox"}, {glGlyphLeft, taLeftJustify, bdRightToLeft, "Inbox"},
      {glGlyphRight, taRightJustify, bdRightToLeft, "Inbox"}, {glGlyphRight, taLeftJustify, bdLeftToRight, kLatin},
      {glGlyphRight, taCenter, bdLeftToRight, kLatin},        {glGlyphRight, taRightJustify, bdLeftToRight, kLatin},
      {glGlyphLeft, taLeftJustify, bdLeftToRight, kLatin},    {glGlyphLeft, taLeftJustify, bdRightToLeft, kChinese},
  };
  constexpr TColor kImage = clLime;
  bar_->HeaderImages()->SetNormal(SquareImages(16, kImage));
  for (const ImageCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << static_cast<int>(c.layout) << ", alignment "
                                    << static_cast<int>(c.alignment) << ", bidi " << static_cast<int>(c.biDi) << ", "
                                    << c.caption);
    bar_->Clear();
    TnbHeader* h = Arrange({Place::Explorer, c.alignment, c.biDi, c.caption});
    h->EffectiveSettings()->SetLayout(c.layout);
    h->SetImageIndex(0);
    auto bmp = Paint();
    const TRect caption = h->CaptionRect();
    int seen = 0, imageLeft = caption.Right, imageRight = caption.Left;
    for (int y = caption.Top; y < caption.Bottom; ++y)
      for (int x = caption.Left; x < caption.Right; ++x)
        if (At(*bmp, x, y) == kImage) {
          ++seen;
          imageLeft = std::min(imageLeft, x);
          imageRight = std::max(imageRight, x + 1);
        }
    EXPECT_EQ(seen, 16 * 16);
    const std::vector<Blob> ink = InkBlobs(*bmp, caption);
    ASSERT_FALSE(ink.empty()) << "text is painted";
    if (ink.front().left >= imageRight) EXPECT_GE(ink.front().left, imageRight + h->Spacing()) << "text right of the image";
    else EXPECT_LE(ink.back().right, imageLeft - h->Spacing()) << "text left of the image";
    if (HasFailure()) {
      Save(*bmp, "caption_image_beside_arrow");
      break;
    }
  }
}
