// The data grid's own scroll bars under the real mouse: arrows, the track and the thumb.
#include <gtest/gtest.h>

#include <string>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/backend/qt_backend.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/scroll_bars.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

class RealGridScrollBars : public RealGridOverStores {
 protected:
  void SetUp() override {
    recordCount_ = 100;
    RealGridOverStores::SetUp();
    if (IsSkipped()) return;
    // Wider than the grid, so that it scrolls sideways too.
    for (int i = 0; i < grid_->Columns()->Count(); ++i) grid_->Columns()->Items(i)->SetWidth(300);
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()) && Bar(OBJID_VSCROLL).xyThumbBottom > 0; }));
  }
  SCROLLBARINFO Bar(int which) const {
    SCROLLBARINFO info;
    GetScrollBarInfo(grid_->Handle(), which, info);
    return info;
  }
  // A point on the bar, `along` pixels from its start, across its middle.
  TPoint OnBar(int which, int along) const {
    const TRect r = Bar(which).rcScrollBar;
    if (which == OBJID_VSCROLL) return {(r.Left + r.Right) / 2, along < 0 ? r.Bottom + along : r.Top + along};
    return {along < 0 ? r.Right + along : r.Left + along, (r.Top + r.Bottom) / 2};
  }
  TPoint Thumb(int which) const {
    const SCROLLBARINFO info = Bar(which);
    return OnBar(which, (info.xyThumbTop + info.xyThumbBottom) / 2);
  }
  int Record() const { return data_->FieldByName("ID")->AsInteger(); }
};

TEST_P(RealGridScrollBars, TheVerticalBarTakesArrowTrackAndThumb) {
  const int arrow = Bar(OBJID_VSCROLL).dxyLineButton;
  const int shown = grid_->DataLink()->RecordCount();
  ASSERT_TRUE(ClickAt(OnBar(OBJID_VSCROLL, -arrow / 2)));
  EXPECT_TRUE(WaitFor([&] { return Record() == shown + 1; })) << "the down arrow steps past the rows, at " << Record();
  ASSERT_TRUE(ClickAt(OnBar(OBJID_VSCROLL, -arrow - 2)));
  EXPECT_TRUE(WaitFor([&] { return Record() == shown + 1 + grid_->VisibleDataRowCount(); }))
      << "the track below the thumb steps a page, at " << Record();
  EXPECT_TRUE(Drag(Thumb(OBJID_VSCROLL), OnBar(OBJID_VSCROLL, -arrow - 1), [] { return true; }));
  EXPECT_TRUE(WaitFor([&] { return Record() == 100; })) << "the thumb let go at the bottom, at " << Record();
  EXPECT_TRUE(Drag(Thumb(OBJID_VSCROLL), OnBar(OBJID_VSCROLL, arrow + 1), [] { return true; }));
  EXPECT_TRUE(WaitFor([&] { return Record() == 1; })) << "and at the top, at " << Record();
}

TEST_P(RealGridScrollBars, TheHorizontalBarTakesArrowAndThumb) {
  const int arrow = Bar(OBJID_HSCROLL).dxyLineButton;
  const int left = grid_->LeftCol();
  ASSERT_TRUE(ClickAt(OnBar(OBJID_HSCROLL, -arrow / 2)));
  EXPECT_TRUE(WaitFor([&] { return grid_->LeftCol() == left + 1; })) << "the right arrow steps one column";
  EXPECT_TRUE(Drag(Thumb(OBJID_HSCROLL), OnBar(OBJID_HSCROLL, arrow + 1), [] { return true; }));
  EXPECT_TRUE(WaitFor([&] { return grid_->LeftCol() == left; })) << "the thumb dragged back to the start";
}

// With tracking on, the records follow the thumb while it is dragged, and its release moves them
// no further.
TEST_P(RealGridScrollBars, TheRowsFollowTheThumbWhileItIsDragged) {
  grid_->VertScrollBar()->SetTracking(true);
  const TPoint middle = OnBar(OBJID_VSCROLL, Bar(OBJID_VSCROLL).rcScrollBar.Height() / 2);
  int seen = Record();
  EXPECT_TRUE(Drag(Thumb(OBJID_VSCROLL), middle, [&] {
    seen = Record();
    return seen > 30;
  })) << "the rows stayed at record " << seen << " while the thumb was dragged";
  EXPECT_TRUE(WaitFor([&] { return !FrameScrollTracking(); }));
  EXPECT_EQ(Record(), seen) << "let go where it was dragged to";
}

// The columns scroll once the thumb is let go, but the thumb goes with the pointer meanwhile.
TEST_P(RealGridScrollBars, TheHorizontalThumbGoesWithThePointerWhileItIsDragged) {
  const int left = grid_->LeftCol();
  const int start = Bar(OBJID_HSCROLL).xyThumbTop;
  const int arrow = Bar(OBJID_HSCROLL).dxyLineButton;
  EXPECT_TRUE(Drag(Thumb(OBJID_HSCROLL), OnBar(OBJID_HSCROLL, -arrow - 1),
                   [&] { return Bar(OBJID_HSCROLL).xyThumbTop >= start + 50; }))
      << "the thumb stayed at " << Bar(OBJID_HSCROLL).xyThumbTop << " while dragged from " << start;
  EXPECT_TRUE(WaitFor([&] { return grid_->LeftCol() > left; })) << "let go, the columns follow";
}

INSTANTIATE_TEST_SUITE_P(Stores, RealGridScrollBars, testing::Values(RealStore::Memory, RealStore::Sqlite),
                         RealStoreName);

// A grid whose every record shows: its vertical bar, if any, has no thumb with room to move.
using RealGridFewRows = RealGridOverStores;

TEST_P(RealGridFewRows, TheVerticalBarShowsNothingToDragWhenEveryRowShows) {
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); }));
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(grid_->Handle(), OBJID_VSCROLL, bar));
  if (bar.rcScrollBar.IsEmpty()) return;  // no bar at all
  // The track between the arrows, down the bar's middle, less the ends a full thumb's edges take.
  const int x = (bar.rcScrollBar.Left + bar.rcScrollBar.Right) / 2;
  const TRect track{x, bar.rcScrollBar.Top + bar.dxyLineButton + 3, x + 1, bar.rcScrollBar.Bottom - bar.dxyLineButton - 3};
  const std::vector<uint32_t> shown = ShownPixels(track);
  ASSERT_FALSE(shown.empty()) << "the screen shows the bar";
  for (size_t i = 0; i < shown.size(); ++i) {
    ASSERT_EQ(shown[i], shown[0]) << "a thumb edge " << i << " pixels down the track (of " << shown.size() << ")";
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, RealGridFewRows, testing::Values(RealStore::Memory, RealStore::Sqlite), RealStoreName);

}  // namespace
