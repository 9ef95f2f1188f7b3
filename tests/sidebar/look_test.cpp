#include <gtest/gtest.h>

#include "platform/graphics/canvas.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/bar_settings.h"
#include "sidebar/background.h"
#include "sidebar/gradient.h"
#include "sidebar/look_classes.h"

// Look classes: ramps, gradient bands, the blend and grey steps, tiling, glyph placement and
// the change notices of the small look objects.

namespace {

class LookTest : public ::testing::Test {
 protected:
  TnbSideBarUnit unit_;

  static std::unique_ptr<TBitmap> Filled(int w, int h, TColor color) {
    auto b = std::make_unique<TBitmap>();
    b->SetPixelFormat(pf32bit);
    b->SetSize(w, h);
    b->Canvas()->Brush()->SetColor(color);
    b->Canvas()->FillRect(Rect(0, 0, w, h));
    return b;
  }
  static uint32_t Raw(TBitmap& b, int x, int y) { return b.Pixel32(x, y); }
  static uint32_t Rgb(TBitmap& b, int x, int y) { return b.Pixel32(x, y) & 0xFFFFFF; }
};

int Notices(TnbLookObject& o, const std::function<void()>& change) {
  int n = 0;
  o.OnChangeParameter.Bind(nullptr, "", [&n](TObject*) { ++n; });
  change();
  o.OnChangeParameter = nullptr;
  return n;
}

}  // namespace

TEST_F(LookTest, RampRunsFromBeginToNearlyEnd) {
  TnbGradient g;
  g.SetBeginColor(clBlack);
  g.SetEndColor(clWhite);
  EXPECT_EQ(g.Ramp()[0], 0);
  EXPECT_EQ(g.Ramp()[1], 0);
  EXPECT_EQ(g.Ramp()[255], 0xFEFEFE);
  EXPECT_EQ(g.Ramp()[128], 0x7F7F7F);  // round(255 * 127 / 255)
  g.SetDrawStyle(gtVerticalToCenter);
  EXPECT_EQ(g.Ramp()[128], 0xFFFFFF);
  EXPECT_EQ(g.Ramp()[255], 0);
  g.SetDirection(gdInverse);
  EXPECT_EQ(g.Ramp()[0], 0xFFFFFF);
  EXPECT_EQ(g.Ramp()[128], 0);
}

TEST_F(LookTest, RampRoundsEachChannelToTheNearestStep) {
  TnbGradient g;
  g.SetBeginColor(0);
  g.SetEndColor(RGB(0, 0, 2));       // step i adds round(2 * (i - 1) / 255)
  EXPECT_EQ(GetBValue(g.Ramp()[64]), 0);   // 0.494
  EXPECT_EQ(GetBValue(g.Ramp()[65]), 1);   // 0.502
  EXPECT_EQ(GetBValue(g.Ramp()[255]), 2);  // 1.992
  g.SetDirection(gdInverse);               // falling channel: 2 - round(0.502)
  EXPECT_EQ(GetBValue(g.Ramp()[65]), 1);
  EXPECT_EQ(GetBValue(g.Ramp()[64]), 2);
}

TEST_F(LookTest, SystemColoursEnterTheRampAsTheirRgb) {
  TnbGradient g;  // starts at clBtnFace
  g.SetEndColor(ColorToRGB(clBtnFace));
  EXPECT_EQ(g.Ramp()[0], ColorToRGB(clBtnFace));
  EXPECT_EQ(g.Ramp()[255], ColorToRGB(clBtnFace));
}

TEST_F(LookTest, LeftToRightBandsFollowTheRamp) {
  TnbGradient g;
  g.SetBeginColor(clBlack);
  g.SetEndColor(clWhite);
  auto target = Filled(255, 10, clRed);
  g.Draw(target->Canvas(), Rect(0, 0, 255, 10));
  // sx = 1, bands 2 wide: band i covers x = i - 1 and i, so pixel x shows the later band
  // x + 1, whose colour is round(255 * x / 255) = x.
  EXPECT_EQ(Rgb(*target, 0, 5), 0x000000u);
  EXPECT_EQ(Rgb(*target, 100, 5), 0x646464u);
  EXPECT_EQ(Rgb(*target, 254, 9), 0xFEFEFEu);
  g.SetDrawStyle(gtTopToBottom);
  auto tall = Filled(10, 255, clRed);
  g.Draw(tall->Canvas(), Rect(0, 0, 10, 255));
  EXPECT_EQ(Rgb(*tall, 5, 100), 0x646464u);
}

TEST_F(LookTest, GradientIsRenderedOncePerSize) {
  TnbGradient g;
  auto target = Filled(40, 20, clRed);
  g.Draw(target->Canvas(), Rect(0, 0, 40, 20));
  // Mark the cache: a second draw of the same size must copy it, not render again.
  g.CachedBitmap()->Canvas()->SetPixels(3, 3, clLime);
  g.Draw(target->Canvas(), Rect(0, 0, 40, 20));
  EXPECT_EQ(Rgb(*target, 3, 3), 0x00FF00u);
  g.Draw(nullptr, Rect(0, 0, 41, 20));
  EXPECT_NE(g.CachedBitmap()->Pixel32(3, 3) & 0xFFFFFF, 0x00FF00u);
  g.SetEndColor(clRed);  // a property change renders again
  g.Draw(target->Canvas(), Rect(0, 0, 41, 20));
  EXPECT_EQ(g.CachedBitmap()->Width(), 41);
}

TEST_F(LookTest, EllipseGradientLandsAtTheRectangleAndKeepsCorners) {
  TnbGradient g;
  g.SetDrawStyle(gtEllipse);
  g.SetBeginColor(clBlack);
  g.SetEndColor(clWhite);
  auto target = Filled(100, 60, clRed);
  g.Draw(target->Canvas(), Rect(40, 20, 100, 60));
  EXPECT_EQ(Rgb(*target, 39, 40), 0xFF0000u);  // left of the rectangle
  EXPECT_EQ(Rgb(*target, 41, 21), 0xFF0000u);  // a corner outside the ellipse shows through
  const uint32_t centre = Rgb(*target, 70, 40);
  EXPECT_GT(centre & 0xFF, 0xE0u);
  EXPECT_EQ(centre, (centre & 0xFF) * 0x010101u);
}

TEST_F(LookTest, BlendIsBitExact) {
  auto target = Filled(4, 1, clBlack);
  nbAlphaBlend(target.get(), Rect(0, 0, 4, 1), 255, clWhite);
  EXPECT_EQ(Raw(*target, 0, 0), 0x00FEFEFEu);  // 255 * 255 >> 8 per channel, fourth byte 0
  auto mixed = Filled(2, 2, RGB(10, 200, 30));
  nbAlphaBlend(mixed.get(), Rect(0, 0, 1, 1), 50, RGB(250, 20, 100));
  const uint32_t r = (250 * 50 + 10 * 205) >> 8, g = (20 * 50 + 200 * 205) >> 8, b = (100 * 50 + 30 * 205) >> 8;
  EXPECT_EQ(Raw(*mixed, 0, 0), (r << 16) | (g << 8) | b);
  EXPECT_EQ(Rgb(*mixed, 1, 1), 0x0AC81Eu);  // outside the rectangle
}

TEST_F(LookTest, BlendLeavesPixelsOfTheColourAndClipsToTheBitmap) {
  auto target = Filled(4, 4, clWhite);
  const uint32_t before = Raw(*target, 1, 1);
  nbAlphaBlend(target.get(), Rect(-5, -5, 50, 50), 30, clWhite);
  EXPECT_EQ(Raw(*target, 1, 1), before);
  nbAlphaBlend(target.get(), Rect(10, 10, 20, 20), 30, clBlack);  // wholly outside
  EXPECT_EQ(Raw(*target, 3, 3), before);
  nbAlphaBlend(target.get(), Rect(-5, 2, 50, 50), 255, clBlack);
  EXPECT_EQ(Rgb(*target, 0, 1), 0xFFFFFFu);
  EXPECT_EQ(Rgb(*target, 0, 3), 0x000000u);
}

TEST_F(LookTest, GreyStepAveragesColourBytesWithinTheBitmap) {
  auto target = Filled(3, 3, RGB(200, 100, 40));
  nbGrayscale(target.get(), Rect(1, 1, 30, 30));
  const uint32_t g = (200 + 100 + 40) >> 2;
  EXPECT_EQ(Raw(*target, 2, 2), (g << 16) | (g << 8) | g);
  EXPECT_EQ(Rgb(*target, 0, 0), static_cast<uint32_t>(RGB(40, 100, 200)));
}

TEST_F(LookTest, BackgroundStylesPaintInOrder) {
  TnbBackground bg;
  auto target = Filled(20, 20, clRed);
  bg.SetStyle(btTransparent);
  bg.Paint(target.get(), Rect(0, 0, 20, 20));
  EXPECT_EQ(Rgb(*target, 5, 5), 0xFF0000u);  // clRed is 0x0000FF as TColor
  bg.SetStyle(btSolid);
  bg.SetColor(clBlue);
  bg.Paint(target.get(), Rect(0, 0, 10, 20));
  EXPECT_EQ(Rgb(*target, 5, 5), 0x0000FFu);
  EXPECT_EQ(Rgb(*target, 15, 5), 0xFF0000u);
  bg.SetColor(clWhite);
  bg.SetAlphaBlend(0);  // washed with its own colour: solid white stays
  bg.Paint(target.get(), Rect(0, 0, 20, 20));
  EXPECT_EQ(Rgb(*target, 15, 5), 0xFFFFFFu);
}

TEST_F(LookTest, TiledBitmapIsClippedToTheRectangle) {
  TnbBackground bg;
  TBitmap tile;
  tile.SetSize(16, 16);
  tile.Canvas()->Brush()->SetColor(clLime);
  tile.Canvas()->FillRect(Rect(0, 0, 16, 16));
  tile.Canvas()->SetPixels(0, 0, clBlue);
  bg.SetBitmap(&tile);
  bg.SetStyle(btTileBitmap);
  bg.SetColor(clWhite);
  auto target = Filled(60, 30, clRed);
  bg.Paint(target.get(), Rect(5, 5, 45, 25));
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 2; ++row) EXPECT_EQ(Rgb(*target, 5 + 16 * col, 5 + 16 * row), 0x0000FFu);
  EXPECT_EQ(Rgb(*target, 44, 24), 0x00FF00u);
  EXPECT_EQ(Rgb(*target, 45, 10), 0xFF0000u);  // outside: untouched
  EXPECT_EQ(Rgb(*target, 10, 25), 0xFF0000u);
}

TEST_F(LookTest, GlyphSitsInItsCorner) {
  TnbGlyph glyph;
  TBitmap pic;
  pic.SetSize(5, 4);
  glyph.SetBitmap(&pic);
  const TRect r = Rect(10, 20, 20, 40);
  glyph.SetPosition(gpCenter);
  EXPECT_EQ(glyph.Origin(r), (TPoint{12, 28}));
  glyph.SetPosition(gpTopRight);
  EXPECT_EQ(glyph.Origin(r), (TPoint{15, 20}));
  glyph.SetPosition(gpBottomLeft);
  EXPECT_EQ(glyph.Origin(r), (TPoint{10, 36}));
  glyph.SetPosition(gpBottomRight);
  EXPECT_EQ(glyph.Origin(r), (TPoint{15, 36}));
}

TEST_F(LookTest, SmallLookObjectsReportAndCopy) {
  TnbBorder border;
  EXPECT_EQ(border.Left(), 5);
  EXPECT_EQ(Notices(border, [&] { border.SetLeft(5); }), 1);  // even an equal value
  TnbXPColors xp, copy;
  EXPECT_EQ(xp.Background(), 14199984);
  EXPECT_EQ(xp.PressedBackground(), 13076383);
  EXPECT_EQ(Notices(xp, [&] { xp.SetPressedBackground(clRed); }), 1);
  copy.Assign(&xp);
  EXPECT_EQ(copy.PressedBackground(), clRed);
  TnbStatusButton status;
  EXPECT_EQ(status.GetColor(2), clWhite);
  EXPECT_EQ(status.GetColor(0), clBtnFace);
  EXPECT_EQ(status.GetColor(4), clBtnFace);
  TnbBackground bg;
  EXPECT_EQ(Notices(bg, [&] { bg.SetColor(clGray); }), 0);  // unchanged value
  TNotifyEvent seen;
  int gradientNotices = 0;
  seen.Bind(nullptr, "", [&](TObject*) { ++gradientNotices; });
  bg.SetOnChangeParameter(seen);
  bg.Gradient()->SetBeginColor(clRed);
  EXPECT_EQ(gradientNotices, 1);
}

TEST_F(LookTest, ImageListsThatGoAwayDropOut) {
  TnbButtonImages images;
  auto* list = new TImageList(nullptr);
  images.SetHot(list);
  EXPECT_EQ(images.Hot(), list);
  delete list;
  EXPECT_EQ(images.Hot(), nullptr);
}

TEST_F(LookTest, SettingsCopyEverythingButKeySupportAndReportOnce) {
  TnbBarSettings from, to;
  from.SetHeight(31);
  from.SetKeySupport(false);
  from.ButtonFont()->SetColor(clRed);
  from.XPColors()->SetBorderColor(clLime);
  from.ButtonDown()->SetColor(clBlue);
  EXPECT_EQ(Notices(to, [&] { to.Assign(&from); }), 1);
  EXPECT_EQ(to.Height(), 31);
  EXPECT_TRUE(to.KeySupport());
  EXPECT_EQ(to.ButtonFont()->Color(), clRed);
  EXPECT_EQ(to.XPColors()->BorderColor(), clLime);
  EXPECT_EQ(to.ButtonDown()->Color(), clBlue);
  // A change deep inside reaches the settings' own notice.
  EXPECT_EQ(Notices(to, [&] { to.CaptionPen()->SetWidth(3); }), 1);
}
