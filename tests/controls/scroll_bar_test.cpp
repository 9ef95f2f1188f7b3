#include "platform/controls/scroll_bar.h"

#include <vector>

#include "platform/windows/scroll_tracker.h"
#include "platform/windows/scroll_bars.h"

#include "tests/controls/std_control_fixture.h"

namespace {

class ScrollBarTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    bar = Make<TScrollBar>(Bounds(10, 10, 200, 17));
    bar->OnScroll.Bind(nullptr, "Scrolled", [this](TObject*, TScrollCode code, int& pos) {
      codes.push_back(code);
      if (veto >= 0) pos = veto;
    });
    bar->OnChange.Bind(nullptr, "Changed", [this](TObject*) { ++changes; });
  }
  void Advance(int ms) {
    static_cast<TTestClock&>(Clock()).Advance(ms);
    Application->ProcessMessages();
  }
  TScrollBar* bar = nullptr;
  std::vector<TScrollCode> codes;
  int changes = 0;
  int veto = -1;
};

TEST_F(ScrollBarTest, ArrowsAndTrackClicksMoveBySmallAndLargeChange) {
  bar->SetLargeChange(10);
  Click(bar, 195, 8);  // right arrow
  EXPECT_EQ(bar->Position(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(codes, (std::vector<TScrollCode>{scLineDown, scEndScroll}));
  Click(bar, 150, 8);  // track right of the thumb
  EXPECT_EQ(bar->Position(), 11);
  Click(bar, 3, 8);  // left arrow
  EXPECT_EQ(bar->Position(), 10);
  Click(bar, 18, 8);  // track left of the thumb
  EXPECT_EQ(bar->Position(), 0);
  Click(bar, 3, 8);  // nothing below the minimum
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(changes, 4);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsAfterADelayUntilReleased) {
  Press(bar, 195, 8);
  EXPECT_EQ(bar->Position(), 1);
  Advance(ScrollRepeatDelay - 10);
  EXPECT_EQ(bar->Position(), 1);
  Advance(10);
  EXPECT_EQ(bar->Position(), 2);
  Advance(ScrollRepeatInterval);
  Advance(ScrollRepeatInterval);
  EXPECT_EQ(bar->Position(), 4);
  // Moved off the arrow: the repeat pauses.
  Drag(bar, 100, 8);
  Advance(ScrollRepeatInterval);
  EXPECT_EQ(bar->Position(), 4);
  Release(bar, 100, 8);
  Advance(1000);
  EXPECT_EQ(bar->Position(), 4);
  EXPECT_EQ(codes.back(), scEndScroll);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSettles) {
  bar->SetPageSize(20);
  int grab = 30;  // the thumb starts after the 17-pixel arrow and is 32 pixels long
  Press(bar, grab, 8);
  Drag(bar, grab + 40, 8);
  EXPECT_GT(bar->Position(), 0);
  int tracked = bar->Position();
  Drag(bar, 400, 8);  // far past the end
  Release(bar, 400, 8);
  EXPECT_EQ(bar->Position(), 81);  // Max - PageSize + 1
  ASSERT_GE(codes.size(), 4u);
  EXPECT_EQ(codes[0], scTrack);
  EXPECT_EQ(codes[codes.size() - 2], scPosition);
  EXPECT_EQ(codes.back(), scEndScroll);
  EXPECT_LT(tracked, 81);
}

TEST_F(ScrollBarTest, KeysScrollAndOnScrollMayChangeThePosition) {
  bar->SetFocus();
  Key(bar, VK_RIGHT);
  Key(bar, VK_DOWN);
  EXPECT_EQ(bar->Position(), 2);
  Key(bar, VK_END);
  EXPECT_EQ(bar->Position(), 100);
  Key(bar, VK_HOME);
  EXPECT_EQ(bar->Position(), 0);
  EXPECT_EQ(bar->Perform(WM_GETDLGCODE) & DLGC_WANTARROWS, DLGC_WANTARROWS);
  veto = 42;
  Key(bar, VK_RIGHT);
  EXPECT_EQ(bar->Position(), 42);
}

TEST_F(ScrollBarTest, ParamsAreCheckedAndPositionKeptInRange) {
  EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
  EXPECT_THROW(bar->SetPageSize(200), EInvalidOperation);
  bar->SetParams(500, 0, 50);
  EXPECT_EQ(bar->Position(), 50);
  bar->SetMax(80);
  EXPECT_EQ(bar->Position(), 50);
  bar->SetMin(60);
  EXPECT_EQ(bar->Min(), 60);
  EXPECT_EQ(bar->Position(), 60);
  EXPECT_EQ(GetScrollPos(bar->Handle(), SB_CTL), 60);
  bar->SetKind(sbVertical);
  EXPECT_EQ(bar->Width(), 17);
  EXPECT_EQ(bar->Height(), 200);
}

TEST_F(ScrollBarTest, PaintsArrowsTrackAndThumbAtThePosition) {
  bar->SetPageSize(10);
  PaintControl(bar);
  EXPECT_EQ(At(3, 3), Sys(clBtnFace));  // left arrow face
  // The thumb's shadow edge, which the track never shows, moves with the position.
  TRect start = Rect(17, 0, 60, 17), end = Rect(140, 0, 183, 17);
  EXPECT_GT(Count(clBtnShadow, start), 0);
  EXPECT_EQ(Count(clBtnShadow, end), 0);
  bar->SetPosition(91);
  PaintControl(bar);
  EXPECT_EQ(Count(clBtnShadow, start), 0);
  EXPECT_GT(Count(clBtnShadow, end), 0);
}

}  // namespace
