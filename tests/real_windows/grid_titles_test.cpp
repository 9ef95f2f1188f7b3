// Multi-level grid titles in a real window: headings over several columns as the columns
// scroll, are sized and are moved.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_layout_pass.h"
#include "gridlib/grid/head_tree.h"
#include "platform/backend/qt_backend.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/windows/window_tree.h"
#include "platform/windows/scroll_bars.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"
#include "tests/real_windows/x_screen.h"

namespace {

class RealGridTitles : public RealGridOverStores {
 protected:
  void SetUp() override {
    RealGridOverStores::SetUp();
    if (IsSkipped()) return;
    grid_->SetUseMultiTitle(true);
    grid_->Columns()->Items(0)->Title()->SetCaption("联系人|编号");
    grid_->Columns()->Items(1)->Title()->SetCaption("联系人|姓名");
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  int HeadingHeight() { return grid_->Layout()->TitleLeaf(0)->Heading()->Height; }
  // Whether the screen's title row is what a fresh painting of the grid shows there.
  bool ScreenShowsFreshTitles() {
    TRect window;
    GetWindowRect(grid_->Handle(), window);
    TBitmap fresh;
    fresh.SetSize(window.Width(), window.Height());
    fresh.Canvas()->Brush()->SetColor(clFuchsia);
    fresh.Canvas()->FillRect(Rect(0, 0, window.Width(), window.Height()));
    grid_->PaintTo(fresh.Canvas()->Handle(), 0, 0);
    const TPoint origin = grid_->ClientToScreen(TPoint{0, 0});
    const TRect titles{origin.x, origin.y, origin.x + grid_->ClientWidth(), origin.y + grid_->RowHeights(0)};
    const std::vector<uint32_t> shown = ScreenPixels(titles);
    if (shown.empty()) return false;
    for (int y = 0; y < titles.Height(); ++y) {
      for (int x = 0; x < titles.Width(); ++x) {
        const uint32_t painted = fresh.Pixel32(titles.Left - window.Left + x, titles.Top - window.Top + y) & 0xFFFFFFu;
        if (painted != shown[static_cast<size_t>(y * titles.Width() + x)]) return false;
      }
    }
    return true;
  }
  // The screen's pixels of a rectangle of the grid's client area, once they show what was painted.
  std::vector<uint32_t> Shown(TRect area) {
    const TPoint origin = grid_->ClientToScreen(TPoint{0, 0});
    OffsetRect(area, origin.x, origin.y);
    return ShownPixels(area);
  }
};

// Scrolled by its bar until the heading's first column is gone, the heading still shows its text.
TEST_P(RealGridTitles, AHeadingKeepsItsTextWhenItsFirstColumnScrollsOut) {
  grid_->Columns()->Items(0)->SetWidth(330);
  grid_->Columns()->Items(1)->SetWidth(100);
  SCROLLBARINFO bar;
  ASSERT_TRUE(WaitFor([&] { return GetScrollBarInfo(grid_->Handle(), OBJID_HSCROLL, bar) && bar.xyThumbBottom > 0; }));
  const TRect r = bar.rcScrollBar;
  ASSERT_TRUE(ClickAt(TPoint{r.Right - bar.dxyLineButton / 2, (r.Top + r.Bottom) / 2})) << "the right arrow";
  ASSERT_TRUE(WaitFor([&] { return grid_->LeftCol() == 2; })) << "the first column scrolled out";
  const TRect name = grid_->CellRect(2, 0);
  const std::vector<uint32_t> band = Shown(TRect{name.Left + 3, 3, name.Right - 3, HeadingHeight() - 3});
  ASSERT_FALSE(band.empty()) << "the screen shows the titles";
  const TColor face = ColorToRGB(grid_->FixedColor());
  const uint32_t paper = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
  EXPECT_TRUE(std::any_of(band.begin(), band.end(), [&](uint32_t p) { return p != paper; }))
      << "the heading's text shows over the column that is left";
}

// After a column is sized and after one is moved, the titles on the screen are what a fresh
// painting of the grid shows: nothing of the lines before is left under the heading.
TEST_P(RealGridTitles, TheTitlesShowNothingOfTheirLinesBeforeAColumnWasSizedOrMoved) {
  const TRect id = grid_->CellRect(1, 0);
  const TPoint edge = grid_->ClientToScreen(TPoint{id.Right, id.Bottom - 5});
  ASSERT_TRUE(Drag(edge, TPoint{edge.x + 40, edge.y}, [] { return true; }));
  ASSERT_TRUE(WaitFor([&] { return grid_->ColWidths(1) > id.Width() + 20; })) << "the first title's edge sized it";
  EXPECT_TRUE(WaitFor([&] { return ScreenShowsFreshTitles(); })) << "after sizing";
  const TRect name = grid_->CellRect(2, 0);
  const TPoint title = grid_->ClientToScreen(TPoint{(name.Left + name.Right) / 2, name.Bottom - 5});
  const TPoint onId = grid_->ClientToScreen(TPoint{grid_->CellRect(1, 0).Left + 5, name.Bottom - 5});
  ASSERT_TRUE(Drag(title, onId, [] { return true; }));
  ASSERT_TRUE(WaitFor([&] { return grid_->Columns()->Items(0)->FieldName() == "Name"; }))
      << "the second title dragged onto the first moved its column";
  EXPECT_TRUE(WaitFor([&] { return ScreenShowsFreshTitles(); })) << "after moving";
}

INSTANTIATE_TEST_SUITE_P(Stores, RealGridTitles, testing::Values(RealStore::Memory, RealStore::Sqlite),
                         RealStoreName);

}  // namespace
