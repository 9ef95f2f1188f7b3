// Skinned track bar and scroll bar: slider and thumb in every look, keys, dragging, paging,
// arrows held on the test clock, the wheel, and positions at the limits of the range.

#include "platform/graphics/picture.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/panels.h"
#include "skin/scroll_bar.h"
#include "skin/track_bars.h"
#include "tests/skin/skin_controls_support.h"

namespace {

// WM_MOUSEWHEEL's first parameter for a turn of `notches` (positive: away from the user).
WPARAM Wheel(int notches) { return static_cast<WPARAM>(static_cast<uint16_t>(notches * WHEEL_DELTA)) << 16; }

class SkinTrackLooks : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {};

TEST_P(SkinTrackLooks, TrackBarShowsBarSliderAndTicks) {
  auto* bar = Make<TskTrackBar>(GetParam(), Bounds(0, 0, 200, 30));
  bar->SetTransparent(false);
  bar->SetPosition(5);
  Paint(bar);
  TskImagePanel* slider = bar->Slider();
  // The test theme has no track pictures: Marine's stand in.
  TBitmap expected;
  GetInsideThemeBitmap(GetParam() == FromThemeFile ? Marine : GetParam(), tkTrackBarSliderImage, &expected);
  ASSERT_EQ(slider->Width(), expected.Width());
  const TPoint middle{expected.Width() / 2, expected.Height() / 2};
  EXPECT_EQ(At(slider->Left() + middle.x, slider->Top() + middle.y), expected.Canvas()->Pixels(middle.x, middle.y));
  EXPECT_EQ(slider->Left(), (200 - slider->Width()) * 5 / 10);
  // Eleven ticks at the bottom edge, one at each end of the slider's travel.
  const int first = slider->Width() / 2, last = 200 - slider->Width() + slider->Width() / 2;
  EXPECT_EQ(At(first, bar->Height() - 1), clBlack);
  EXPECT_EQ(At(last, bar->Height() - 1), clBlack);
  const TColor back = ColorToRGB(bar->Color());
  EXPECT_NE(Count(back, Rect(0, 0, 200, bar->Height())), 200 * bar->Height());
}

TEST_P(SkinTrackLooks, ScrollBarTakesArrowsAndThumbFromTheTheme) {
  auto* bar = Make<TskScrollBar>(GetParam(), Bounds(0, 0, 16, 200));
  bar->SetOrientation(skVertical);
  bar->SetBounds(0, 0, 16, 200);
  TBitmap strip;
  GetInsideThemeBitmap(GetParam() == FromThemeFile ? Marine : GetParam(), tkScrollBarButtonImage, &strip);
  EXPECT_EQ(bar->Width(), strip.Width() / 6);
  EXPECT_EQ(bar->DecrementButton()->Height(), strip.Height());
  EXPECT_EQ(bar->IncrementButton()->Top(), 200 - strip.Height());
  bar->SetPageSize(50);
  EXPECT_EQ(bar->Track()->Slider()->Height(), bar->Track()->Height() / 2);
  Paint(bar);
  const TColor back = ColorToRGB(bar->Track()->Color());
  EXPECT_NE(At(bar->Width() / 2, 1), back);
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinTrackLooks, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return StyleName(test.param); });

class SkinTrackBars : public SkinControlTest {
 protected:
  TskTrackBar* Bar() {
    auto* bar = Make<TskTrackBar>(Marine, Bounds(0, 0, 210, 30));
    bar->OnChange.Bind(nullptr, "Changed", [this](TObject*) { ++changes_; });
    return bar;
  }
  int changes_ = 0;
};

TEST_F(SkinTrackBars, RangeAndPositionStayInOrder) {
  TskTrackBar* bar = Bar();
  bar->SetPosition(8);
  bar->SetMax(5);
  EXPECT_EQ(bar->Position(), 5);
  bar->SetMin(7);
  EXPECT_EQ(bar->Min(), 5);
  bar->SetMax(3);
  EXPECT_EQ(bar->Max(), 5);
  bar->SetPageSize(20);
  EXPECT_EQ(bar->PageSize(), 2);
  EXPECT_EQ(changes_, 2);
}

TEST_F(SkinTrackBars, KeysMoveByLineAndPage) {
  TskTrackBar* bar = Bar();
  bar->SetMax(100);
  bar->SetPageSize(10);
  struct TCase {
    uint16_t Key;
    int Expected;
  };
  for (TCase c : {TCase{VK_RIGHT, 1}, TCase{VK_DOWN, 2}, TCase{VK_NEXT, 12}, TCase{VK_PRIOR, 2}, TCase{VK_UP, 1},
                  TCase{VK_END, 100}, TCase{VK_NEXT, 100}, TCase{VK_HOME, 0}, TCase{VK_LEFT, 0}}) {
    bar->Perform(WM_KEYDOWN, c.Key);
    EXPECT_EQ(bar->Position(), c.Expected) << c.Key;
  }
  EXPECT_EQ(bar->Perform(WM_GETDLGCODE), 1);
}

TEST_F(SkinTrackBars, DraggingTheSliderFollowsThePointer) {
  TskTrackBar* bar = Bar();
  TskImagePanel* slider = bar->Slider();
  slider->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(2, 2));
  EXPECT_TRUE(bar->Dragging());
  EXPECT_TRUE(bar->Focused());
  const int travel = 210 - slider->Width();
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, Pos(slider->Width() / 2 + travel * 7 / 10, 5));
  EXPECT_EQ(bar->Position(), 7);
  bar->Perform(WM_MOUSEMOVE, MK_LBUTTON, Pos(5000, 5));
  EXPECT_EQ(bar->Position(), 10);
  bar->Perform(WM_LBUTTONUP, 0, Pos(5000, 5));
  EXPECT_FALSE(bar->Dragging());
  EXPECT_EQ(changes_, 2);
}

TEST_F(SkinTrackBars, APressBesideTheSliderPagesTowardThePointerWhileHeld) {
  TskTrackBar* bar = Bar();
  bar->SetMax(100);
  bar->SetPageSize(5);
  bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(200, 5));
  EXPECT_EQ(bar->Position(), 5);
  Tick(100);
  EXPECT_EQ(bar->Position(), 20);  // a held horizontal bar pages three times as far
  bar->Perform(WM_LBUTTONUP, 0, Pos(200, 5));
  Tick(500);
  EXPECT_EQ(bar->Position(), 20);
  EXPECT_FALSE(bar->Paging());
}

TEST_F(SkinTrackBars, TheWheelMovesOneLinePerNotch) {
  TskTrackBar* bar = Bar();
  bar->SetPosition(5);
  bar->Perform(WM_MOUSEWHEEL, Wheel(-2), 0);
  EXPECT_EQ(bar->Position(), 7);
  bar->Perform(WM_MOUSEWHEEL, Wheel(1), 0);
  EXPECT_EQ(bar->Position(), 6);
}

TEST_F(SkinTrackBars, HugeRangesAndNoTickFrequencyNeitherOverflowNorHang) {
  TskTrackBar* bar = Bar();
  bar->SetMin(-2000000000);
  bar->SetMax(2000000000);
  bar->SetPosition(1000000000);
  const int travel = 210 - bar->Slider()->Width();
  EXPECT_EQ(bar->Slider()->Left(), travel * 3 / 4);
  for (int frequency : {0, -1, 1}) {
    bar->SetFrequency(frequency);
    Paint(bar);
    EXPECT_EQ(At(bar->Slider()->Width() / 2, bar->Height() - 1), clBlack);
  }
  bar->Perform(WM_KEYDOWN, VK_END);
  bar->Perform(WM_KEYDOWN, VK_RIGHT);
  EXPECT_EQ(bar->Position(), 2000000000);
}

class SkinScrollBars : public SkinControlTest {
 protected:
  TskScrollBar* Bar() {
    auto* bar = Make<TskScrollBar>(Marine, Bounds(0, 0, 200, 16));
    return bar;
  }
};

TEST_F(SkinScrollBars, AnArrowStepsOnPressAndRepeatsWhileHeld) {
  TskScrollBar* bar = Bar();
  TskImageButton* inc = bar->IncrementButton();
  inc->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(2, 2));
  EXPECT_EQ(bar->Position(), 1);
  Tick(100);
  Tick(100);
  EXPECT_EQ(bar->Position(), 3);
  inc->Perform(WM_LBUTTONUP, 0, Pos(2, 2));
  Tick(300);
  EXPECT_EQ(bar->Position(), 3);
  TskImageButton* dec = bar->DecrementButton();
  dec->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(2, 2));
  dec->Perform(WM_LBUTTONUP, 0, Pos(2, 2));
  EXPECT_EQ(bar->Position(), 2);
}

TEST_F(SkinScrollBars, ThumbLengthFollowsPageSizeOrLineButton) {
  TskScrollBar* bar = Bar();
  const int track = bar->Track()->Width();
  struct TCase {
    int PageSize, LineButton, Length;
  };
  for (TCase c : {TCase{5, 0, track / 10}, TCase{50, 0, track / 2}, TCase{50, 12, 18}, TCase{50, 40, 40}}) {
    bar->SetPageSize(c.PageSize);
    bar->SetLineButton(c.LineButton);
    EXPECT_EQ(bar->Track()->Slider()->Width(), c.Length) << c.PageSize << " " << c.LineButton;
  }
}

TEST_F(SkinScrollBars, MarineIsSixteenPixelsThickAndAZeroSizeHidesTheBar) {
  TskScrollBar* bar = Bar();
  EXPECT_EQ(bar->Height(), 16);
  EXPECT_EQ(bar->DecrementButton()->Width(), 16);
  EXPECT_EQ(bar->Track()->Left(), 16);
  EXPECT_EQ(bar->Track()->Width(), 200 - 32);
  bar->SetWidth(0);
  EXPECT_FALSE(bar->Visible());
}

TEST_F(SkinScrollBars, PagingAndTheWheelMoveThePosition) {
  TskScrollBar* bar = Bar();
  bar->SetPageSize(10);
  bar->Track()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(bar->Track()->Width() - 2, 5));
  bar->Track()->Perform(WM_LBUTTONUP, 0, Pos(bar->Track()->Width() - 2, 5));
  EXPECT_EQ(bar->Position(), 10);
  bar->Perform(WM_MOUSEWHEEL, Wheel(-3), 0);
  EXPECT_EQ(bar->Position(), 13);
}

}  // namespace
