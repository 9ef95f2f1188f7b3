// The grid's scroll-bar settings: visible modes, external bars that drive the grid and
// follow its range, and what happens when a bar is shared, detached or freed.
#include <gtest/gtest.h>

#include <vector>

#include "gridlib/grid/grid_scroll_bars.h"
#include "platform/controls/scroll_bar.h"
#include "platform/core/exceptions.h"
#include "platform/data/dataset.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_stream_support.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridScrollBars : public GridInForm {
 protected:
  TScrollBar* MakeBar(const char* name, TScrollBarKind kind) {
    auto* bar = new TScrollBar(form_);
    bar->SetName(name);
    bar->SetKind(kind);
    bar->SetParent(form_);
    bar->SetBounds(0, 320, 200, 17);
    return bar;
  }
  // Counts the scroll messages the grid receives.
  void WatchGrid() {
    TWndMethod own = grid->WindowProc;
    grid->WindowProc = [this, own](TMessage& m) {
      if (m.Msg == WM_VSCROLL || m.Msg == WM_HSCROLL) seen.push_back(m.Msg);
      own(m);
    };
  }
  std::vector<UINT> seen;
};

TEST_P(GridScrollBars, VisibleSwitchesBetweenNeverAndAutoShow) {
  Make(10);
  TDBGridExScrollBar* vert = grid->VertScrollBar();
  EXPECT_EQ(vert->VisibleMode(), sbAutoShowEx);
  vert->SetVisible(false);
  EXPECT_EQ(vert->VisibleMode(), sbNeverShowEx);
  vert->SetVisibleMode(sbAlwaysShowEx);
  EXPECT_TRUE(vert->Visible());
  vert->SetVisible(true);
  EXPECT_EQ(vert->VisibleMode(), sbAutoShowEx) << "not back to always";
}

TEST_P(GridScrollBars, HiddenVerticalBarKeepsNoRangeInTheWindow) {
  Make(200);
  EXPECT_GT(VertScroll().nMax, VertScroll().nMin);
  grid->VertScrollBar()->SetVisible(false);
  EXPECT_EQ(VertScroll().nMax, VertScroll().nMin);
  EXPECT_FALSE(grid->VertScrollBar()->IsScrollBarVisible());
}

TEST_P(GridScrollBars, HiddenHorizontalBarDropsTheWindowBar) {
  Make(10);
  EXPECT_EQ(grid->ScrollBars(), ssHorizontal);
  grid->HorzScrollBar()->SetVisible(false);
  EXPECT_EQ(grid->ScrollBars(), ssNone);
}

TEST_P(GridScrollBars, ExternalVerticalBarTakesTheRangeAndDrivesTheGrid) {
  Make(200);
  TScrollBar* bar = MakeBar("Bar1", sbVertical);
  grid->VertScrollBar()->SetExtScrollBar(bar);
  const int page = grid->VisibleDataRowCount();
  EXPECT_EQ(bar->Min(), 1);
  EXPECT_EQ(bar->Max(), 200 + page - 1);
  EXPECT_EQ(bar->PageSize(), page);
  EXPECT_EQ(VertScroll().nMax, VertScroll().nMin) << "the window's own bar stands aside";
  EXPECT_TRUE(grid->VertScrollBar()->IsScrollBarVisible());
  bar->SetVisible(false);
  EXPECT_FALSE(grid->VertScrollBar()->IsScrollBarVisible()) << "the external bar decides";
  WatchGrid();
  bar->Perform(CN_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(seen, std::vector<UINT>{WM_VSCROLL});
  grid->VertScrollBar()->SetExtScrollBar(nullptr);
  bar->Perform(CN_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(seen.size(), 1u) << "a detached bar no longer drives the grid";
}

TEST_P(GridScrollBars, OneBarCannotDriveTwoGrids) {
  Make(10);
  TScrollBar* bar = MakeBar("Bar1", sbVertical);
  grid->VertScrollBar()->SetExtScrollBar(bar);
  auto* other = new TDBGridEx(form_);
  other->SetParent(form_);
  try {
    other->VertScrollBar()->SetExtScrollBar(bar);
    FAIL() << "no error";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "Possible Bar1 already attached to the other control.");
  }
  EXPECT_EQ(other->VertScrollBar()->ExtScrollBar(), nullptr);
  delete other;
  grid->VertScrollBar()->SetExtScrollBar(nullptr);
  EXPECT_NO_THROW(grid->HorzScrollBar()->SetExtScrollBar(bar)) << "free again once detached";
}

TEST_P(GridScrollBars, FreedExternalBarIsForgotten) {
  Make(10);
  TScrollBar* bar = MakeBar("Bar1", sbHorizontal);
  grid->HorzScrollBar()->SetExtScrollBar(bar);
  EXPECT_EQ(grid->ScrollBars(), ssNone) << "the external bar replaces the window's";
  delete bar;
  EXPECT_EQ(grid->HorzScrollBar()->ExtScrollBar(), nullptr);
  EXPECT_EQ(grid->ScrollBars(), ssHorizontal);
}

TEST_P(GridScrollBars, ExternalHorizontalBarShowsScrolledColumnsOnItsScale) {
  Make(10, 150, 200);
  TScrollBar* bar = MakeBar("Bar1", sbHorizontal);
  grid->HorzScrollBar()->SetExtScrollBar(bar);
  grid->UpdateHorzScrollBar();
  EXPECT_EQ(bar->Max(), 127) << "the columns do not fit";
  EXPECT_EQ(bar->Position(), 0);
  grid->SetLeftCol(grid->ColCount() - 1);
  grid->UpdateHorzScrollBar();
  EXPECT_EQ(bar->Position(), 127);
  grid->SetWidth(2000);
  grid->SetLeftCol(grid->FixedCols());
  grid->UpdateHorzScrollBar();
  EXPECT_EQ(bar->Max(), 0) << "everything fits";
  EXPECT_EQ(bar->Position(), 0);
}

TEST_P(GridScrollBars, AssignCopiesVisibilityTrackingAndTheExternalBar) {
  Make(10);
  TDBGridExScrollBar settings(grid, sbVertical);
  settings.SetVisibleMode(sbAlwaysShowEx);
  settings.SetTracking(true);
  grid->VertScrollBar()->Assign(&settings);
  EXPECT_TRUE(grid->VertScrollBar()->Tracking());
  EXPECT_EQ(grid->VertScrollBar()->VisibleMode(), sbAutoShowEx) << "Visible, not the mode, is copied";

  TScrollBar* bar = MakeBar("Bar1", sbHorizontal);
  settings.SetVisible(false);
  settings.SetExtScrollBar(bar);
  EXPECT_FALSE(bar->Visible()) << "an attached bar follows Visible";
  EXPECT_THROW(grid->HorzScrollBar()->Assign(&settings), Exception) << "one bar drives one setting";
  settings.SetExtScrollBar(nullptr);
  grid->HorzScrollBar()->Assign(&settings);
  EXPECT_FALSE(grid->HorzScrollBar()->Visible());
  EXPECT_EQ(grid->HorzScrollBar()->ExtScrollBar(), nullptr);
}

// With every record on screen nothing scrolls: the bar has no thumb, or one that fills it.
TEST_P(GridScrollBars, TheVerticalThumbFillsTheBarWhenEveryRecordShows) {
  Make(200);
  const int page = grid->VisibleDataRowCount();
  TearDown();
  struct Case {
    int Records;
    TScrollBarVisibleModeEx Mode;
    bool Scrolls;
  };
  for (const Case& c : {Case{1, sbAutoShowEx, false}, Case{3, sbAutoShowEx, false}, Case{page, sbAutoShowEx, false},
                        Case{page + 1, sbAutoShowEx, true}, Case{3, sbAlwaysShowEx, false},
                        Case{page + 1, sbAlwaysShowEx, true}}) {
    Make(c.Records);
    grid->VertScrollBar()->SetVisibleMode(c.Mode);
    SCROLLBARINFO info;
    ASSERT_TRUE(GetScrollBarInfo(grid->Handle(), OBJID_VSCROLL, info));
    const int track = info.rcScrollBar.Height() - 2 * info.dxyLineButton;
    const int thumb = info.xyThumbBottom - info.xyThumbTop;
    const bool room = info.xyThumbBottom > 0 && thumb < track;
    EXPECT_EQ(room, c.Scrolls) << c.Records << " records, " << page << " rows: thumb " << thumb << " of " << track;
    if (c.Mode == sbAlwaysShowEx) {
      EXPECT_TRUE(grid->VertScrollBar()->IsScrollBarVisible()) << c.Records << " records";
    }
    TearDown();
  }
}

// Off by default, as stored layouts expect, the records move when the thumb is let go; a form
// that turns Tracking on has them follow the thumb while it is dragged, and stores that.
TEST_P(GridScrollBars, TheRowsFollowADraggedThumbWhenTrackingIsOn) {
  Make(100);
  auto drag = [&](int to) {
    SetScrollTrackPos(grid->Handle(), SB_VERT, to);
    grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, static_cast<uint16_t>(to)), 0);
  };
  EXPECT_FALSE(grid->VertScrollBar()->Tracking());
  EXPECT_EQ(ComponentAsText(grid).find("Tracking"), String::npos) << "the default is not stored";
  drag(40);
  EXPECT_EQ(items_->CurrentId(), 1) << "not while dragged";
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 40), 0);
  EXPECT_EQ(items_->CurrentId(), 40) << "once let go";
  grid->VertScrollBar()->SetTracking(true);
  EXPECT_NE(ComponentAsText(grid).find("VertScrollBar.Tracking = True"), String::npos) << ComponentAsText(grid);
  drag(70);
  EXPECT_EQ(items_->CurrentId(), 70) << "while dragged";
  grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBPOSITION, 70), 0);
  EXPECT_EQ(items_->CurrentId(), 70) << "let go there";
}

INSTANTIATE_TEST_SUITE_P(Stores, GridScrollBars, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
