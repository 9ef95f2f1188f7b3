// The grid's filter row in a real window: a click on a filter cell edits it where it is shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/columns.h"
#include "platform/backend/qt_backend.h"
#include "platform/graphics/colors.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

class RealGridFilterRow : public RealGridOverStores {
 protected:
  void SetUp() override {
    RealGridOverStores::SetUp();
    if (IsSkipped()) return;
    grid_->STFilter()->SetVisible(true);
  }
};

// A filter wider than its cell shows its start, on the screen too, once a click edits it.
TEST_P(RealGridFilterRow, AFilterWiderThanItsCellShowsItsStartWhenClicked) {
  TColumnEx* id = grid_->Columns()->Items(0);
  id->SetWidth(60);
  id->STFilter()->SetExpressionText("In (351,744,747,957)");
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  const TRect cell = grid_->CellRect(grid_->IndicatorOffset(), grid_->TitleOffset() - 1);
  ASSERT_TRUE(ClickAt(grid_->ClientToScreen(TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2})));
  TInplaceFilterEditEx* editor = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    editor = grid_->FilterEditor();
    return editor != nullptr && editor->Visible() && editor->EditControl()->Focused();
  })) << "the click edits the filter cell";
  TRect shown = editor->ClientRect();
  const TPoint origin = editor->ClientToScreen(TPoint{0, 0});
  OffsetRect(shown, origin.x, origin.y);
  const std::vector<uint32_t> pixels = ShownPixels(shown);
  ASSERT_FALSE(pixels.empty()) << "the screen shows the editor";
  // Columns of the editor holding anything but its own colour: the text, chosen or not.
  const TColor paper = ColorToRGB(editor->Color());
  const uint32_t background = ((paper & 0xFF) << 16) | (paper & 0xFF00) | ((paper >> 16) & 0xFF);
  int first = -1;
  int last = -1;
  for (int x = 0; x < shown.Width(); ++x) {
    for (int y = 0; y < shown.Height(); ++y) {
      if (pixels[static_cast<size_t>(y * shown.Width() + x)] == background) continue;
      if (first < 0) first = x;
      last = x;
      break;
    }
  }
  EXPECT_GE(first, 0) << "something shows";
  EXPECT_LE(first, 3) << "the text starts at the cell's left";
  EXPECT_GT(last - first, shown.Width() / 2) << "the text runs across the cell, not a caret alone";
}

INSTANTIATE_TEST_SUITE_P(Stores, RealGridFilterRow, testing::Values(RealStore::Memory, RealStore::Sqlite),
                         RealStoreName);

}  // namespace
