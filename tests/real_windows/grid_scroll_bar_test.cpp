// The data grid's own scroll bars under the real mouse: arrows, the track and the thumb.
#include <gtest/gtest.h>

#include <string>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/backend/qt_backend.h"
#include "platform/windows/scroll_bars.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

class RealGridScrollBars : public RealGridForm {
 protected:
  void SetUp() override {
    RealGridForm::SetUp();
    if (IsSkipped()) return;
    for (int id = 4; id <= 100; ++id) data_->AppendRecord({Variant(id), Variant("名字" + std::to_string(id))});
    data_->First();
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

TEST_F(RealGridScrollBars, TheVerticalBarTakesArrowTrackAndThumb) {
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

TEST_F(RealGridScrollBars, TheHorizontalBarTakesArrowAndThumb) {
  const int arrow = Bar(OBJID_HSCROLL).dxyLineButton;
  const int left = grid_->LeftCol();
  ASSERT_TRUE(ClickAt(OnBar(OBJID_HSCROLL, -arrow / 2)));
  EXPECT_TRUE(WaitFor([&] { return grid_->LeftCol() == left + 1; })) << "the right arrow steps one column";
  EXPECT_TRUE(Drag(Thumb(OBJID_HSCROLL), OnBar(OBJID_HSCROLL, arrow + 1), [] { return true; }));
  EXPECT_TRUE(WaitFor([&] { return grid_->LeftCol() == left; })) << "the thumb dragged back to the start";
}

}  // namespace
