// Skinned progress bar, image panel, group box and flat panel: their looks in every style, and
// what the group box hands down to the controls in it.

#include "platform/graphics/picture.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/flat_panel.h"
#include "skin/panels.h"
#include "skin/progress_bar.h"
#include "tests/skin/skin_controls_support.h"

namespace {

// The colours a look gives controls; the test theme file has its own.
TColor LookColor(TskUIStyle style, TskThemeKey key) {
  if (style != FromThemeFile) return ColorToRGB(GetInsideThemeColor(style, key));
  return key == tkControlBorderColor       ? TThemeFileColours::Border
         : key == tkControlBackgroundColor ? TThemeFileColours::Background
                                           : TThemeFileColours::Font;
}

class SkinPanelLooks : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {};

TEST_P(SkinPanelLooks, ProgressBarFillsTheDonePartFramesAndShowsThePercentage) {
  const TskUIStyle style = GetParam();
  auto* bar = Make<TskProgressBar>(style, Bounds(0, 0, 150, 12));
  bar->SetPosition(30);
  EXPECT_EQ(bar->Caption(), "30%");
  Paint(bar);
  const TColor back = LookColor(style, tkControlBackgroundColor);
  EXPECT_EQ(At(0, 0), LookColor(style, tkControlBorderColor));
  EXPECT_EQ(At(149, 11), LookColor(style, tkControlBorderColor));
  EXPECT_NE(At(20, 6), back);
  if (style == FromThemeFile) {
    EXPECT_EQ(At(20, 6), TThemeFileColours::Progress);
  }
  EXPECT_EQ(At(46, 6), back);  // 30 % of 149 is 44
  EXPECT_EQ(At(140, 6), back);
  EXPECT_GT(Count(clBlack, Rect(60, 1, 90, 11)), 5);
  bar->SetOrientation(skVertical);
  EXPECT_EQ(bar->Width(), 12);
  EXPECT_EQ(bar->Height(), 150);
  Paint(bar);
  EXPECT_NE(At(6, 140), back);
  EXPECT_EQ(At(6, 20), back);
  EXPECT_EQ(Count(clBlack, Rect(1, 1, 11, 149)), 0);
}

// The percentage stands over the done part at half way: the fill must let it be read.
TEST_P(SkinPanelLooks, ThePercentageReadsOverTheDonePart) {
  auto* bar = Make<TskProgressBar>(GetParam(), Bounds(0, 0, 150, 12));
  ASSERT_EQ(bar->Caption(), "50%");
  Paint(bar);
  const TColor text = ColorToRGB(bar->CaptionColor());
  ASSERT_GT(Count(text, Rect(60, 1, 74, 11)), 5) << "the caption is drawn over the done part";
  double least = 21;
  for (int y = 1; y < 11; ++y)
    for (int x = 2; x < 40; ++x) least = std::min(least, ContrastRatio(At(x, y), text));
  EXPECT_GE(least, 4.5);
}

TEST_P(SkinPanelLooks, GroupBoxFramesInTheThemeAndOpensTheTopLineForItsCaption) {
  const TskUIStyle style = GetParam();
  auto* box = Make<TskGroupBox>(style, Bounds(0, 0, 185, 105));
  box->SetCaption("Send");
  Paint(box);
  const TColor border = LookColor(style, tkControlBorderColor);
  EXPECT_EQ(box->Font()->Color(), style == FromThemeFile ? TThemeFileColours::Font
                                                         : GetInsideThemeColor(style, tkControlFontColor));
  EXPECT_EQ(At(0, 60), border);
  EXPECT_EQ(At(184, 60), border);
  EXPECT_EQ(At(90, 104), border);
  const int y = std::abs(box->Font()->Height()) / 2 + 1;
  EXPECT_EQ(At(1, y), border);
  EXPECT_EQ(At(150, y), border);
  EXPECT_EQ(Count(border, Rect(3, y, 5, y + 1)), 0);  // open before the caption
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinPanelLooks, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return StyleName(test.param); });

class SkinPanels : public SkinControlTest {};

TEST_F(SkinPanels, ProgressBarKeepsItsThicknessAndCountsPastMax) {
  auto* bar = Make<TskProgressBar>(Marine, Bounds(0, 0, 150, 12));
  bar->SetHeight(20);
  EXPECT_EQ(bar->Height(), 12);
  bar->SetPosition(150);
  EXPECT_EQ(bar->Caption(), "150%");
  Paint(bar);
  EXPECT_NE(At(147, 6), ColorToRGB(bar->Color()));
  bar->SetMax(0);
  EXPECT_EQ(bar->Caption(), "0%");
  bar->SetMin(-2000000000);
  bar->SetMax(2000000000);
  bar->SetPosition(1000000000);
  EXPECT_EQ(bar->Caption(), "75%");
}

TEST_F(SkinPanels, SmartCaptionHidesAtMin) {
  auto* bar = Make<TskProgressBar>(Marine, Bounds(0, 0, 150, 12));
  bar->SetSmartShowCaption(true);
  bar->SetPosition(0);
  Paint(bar);
  EXPECT_EQ(Count(clBlack, Rect(50, 1, 100, 11)), 0);
  bar->SetPosition(1);
  Paint(bar);
  EXPECT_GT(Count(clBlack, Rect(50, 1, 100, 11)), 5);
}

TEST_F(SkinPanels, GroupBoxHandsItsThemeAndEnabledStateToItsControls) {
  auto* box = Make<TskGroupBox>(Marine, Bounds(0, 0, 185, 105));
  auto* button = new TskButton(form_);
  button->SetParent(box);
  auto* check = new TskCheckBox(form_);
  check->SetParent(box);
  check->SetEnabled(false);
  Styled(box, FromThemeFile);
  EXPECT_EQ(button->UIStyle(), FromThemeFile);
  EXPECT_EQ(button->FileTheme(), theme_);
  EXPECT_EQ(check->FileTheme(), theme_);
  box->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
  box->SetEnabled(true);
  EXPECT_TRUE(button->Enabled());
  EXPECT_TRUE(check->Enabled());
  delete theme_;
  EXPECT_EQ(box->UIStyle(), Marine);
  EXPECT_EQ(button->FileTheme(), nullptr);
  EXPECT_EQ(check->UIStyle(), Marine);
}

TEST_F(SkinPanels, GroupBoxLaysOutItsControlsBelowTheCaption) {
  auto* box = Make<TskGroupBox>(Marine, Bounds(0, 0, 185, 105));
  auto* inner = new TskImagePanel(form_);
  inner->SetParent(box);
  inner->SetAlign(alClient);
  EXPECT_EQ(inner->BoundsRect(), Rect(3, std::abs(box->Font()->Height()) + 5, 182, 102));
}

TEST_F(SkinPanels, ImagePanelSizesToItsPictureExceptAlongItsAlignment) {
  auto* panel = Make<TskImagePanel>(Marine, Bounds(0, 0, 100, 50));
  TBitmap picture;
  MakeStrip(picture, 30, 20, {Rgb(200, 10, 10)});
  panel->Picture()->SetBitmap(&picture);
  panel->SetAutoSize(true);
  EXPECT_EQ(panel->Width(), 30);
  EXPECT_EQ(panel->Height(), 20);
  MakeStrip(picture, 40, 25, {Rgb(200, 10, 10)});
  panel->SetAlign(alTop);
  panel->Picture()->SetBitmap(&picture);
  EXPECT_EQ(panel->Width(), form_->ClientWidth());
  EXPECT_EQ(panel->Height(), 25);
}

TEST_F(SkinPanels, ImagePanelDrawsItsPicturePlainStretchedOrTiled) {
  auto* panel = Make<TskImagePanel>(Marine, Bounds(0, 0, 50, 30));
  TBitmap picture;
  MakeStrip(picture, 10, 10, {Rgb(200, 10, 10)});
  picture.Canvas()->SetPixels(9, 9, Rgb(10, 10, 200));
  panel->Picture()->SetBitmap(&picture);
  const TColor face = ColorToRGB(panel->Color());
  Paint(panel);
  EXPECT_EQ(At(9, 9), Rgb(10, 10, 200));
  EXPECT_EQ(At(25, 25), face);
  panel->SetDrawStyle(skTile);
  Paint(panel);
  EXPECT_EQ(At(49, 29), Rgb(10, 10, 200));
  EXPECT_EQ(At(25, 25), Rgb(200, 10, 10));
  panel->SetDrawStyle(skStretch);
  Paint(panel);
  EXPECT_EQ(At(49, 29), Rgb(10, 10, 200));
  EXPECT_EQ(At(40, 20), Rgb(200, 10, 10));
}

TEST_F(SkinPanels, FlatPanelFramesInTwoColoursAndEmbossesADisabledCaption) {
  auto* panel = new TFlatPanel(form_);
  panel->SetParent(form_);
  panel->SetBounds(0, 0, 120, 30);
  panel->SetColorHighLight(Rgb(255, 0, 0));
  panel->SetColorShadow(Rgb(0, 0, 255));
  panel->SetCaption("Bar");
  Paint(panel);
  EXPECT_EQ(At(0, 28), Rgb(255, 0, 0));
  EXPECT_EQ(At(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(At(0, 29), Rgb(0, 0, 255));  // the bottom line runs to the left edge
  EXPECT_EQ(At(119, 0), Rgb(0, 0, 255));
  EXPECT_EQ(At(119, 29), Rgb(0, 0, 255));
  EXPECT_EQ(At(0, 15), Rgb(255, 0, 0));
  EXPECT_EQ(At(60, 29), Rgb(0, 0, 255));
  EXPECT_GT(Count(clBlack, Rect(40, 5, 80, 25)), 5);
  panel->SetEnabled(false);
  Paint(panel);
  EXPECT_EQ(Count(clBlack, Rect(40, 5, 80, 25)), 0);
  EXPECT_GT(Count(ColorToRGB(clBtnShadow), Rect(40, 5, 80, 25)), 5);
  EXPECT_GT(Count(ColorToRGB(clBtnHighlight), Rect(40, 5, 80, 25)), 5);
}

}  // namespace
