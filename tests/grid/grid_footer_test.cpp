// The footers' own colour and font: the grid leaves its parent's, and repaints or lays out
// again only when footers are shown; sums over text columns leave editing alone.
#include <gtest/gtest.h>

#include <memory>

#include "gridlib/grid/column_parts.h"
#include "platform/classes/object_text.h"
#include "platform/classes/stream_components.h"
#include "platform/core/streams.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/windows/painting.h"
#include "tests/grid/grid_edit_support.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridFooters : public GridInForm {
 protected:
  // Whether part of the grid waits to be repainted.
  bool RepaintRequested() {
    TRect rect;
    return GetUpdateRect(grid->Handle(), rect);
  }
};

TEST_P(GridFooters, FooterColorTakesTheGridOffItsParentsColorAndRepaintsOnlyShownFooters) {
  Make(20);
  grid->SetParentColor(true);
  grid->Update();
  ASSERT_FALSE(RepaintRequested());
  grid->SetFooterColor(clRed);
  EXPECT_EQ(grid->FooterColor(), clRed);
  EXPECT_FALSE(grid->ParentColor());
  EXPECT_FALSE(RepaintRequested()) << "no footer rows, nothing to repaint";

  grid->SetFooterRowCount(1);
  grid->Update();
  ASSERT_FALSE(RepaintRequested());
  grid->SetFooterColor(clBlue);
  EXPECT_TRUE(RepaintRequested());
}

TEST_P(GridFooters, FooterFontTakesTheGridOffItsParentsFontAndRelaysOutShownFooters) {
  Make(20);
  const int columns = grid->ColCount();
  grid->SetParentFont(true);
  grid->SetColCount(2);  // out of step with the columns until the next layout
  grid->FooterFont()->SetSize(14);
  EXPECT_FALSE(grid->ParentFont());
  EXPECT_EQ(grid->ColCount(), 2) << "no footer rows, no layout";

  grid->SetFooterRowCount(2);
  grid->SetColCount(2);
  auto font = std::make_unique<TFont>();
  font->SetSize(20);
  grid->SetFooterFont(font.get());
  EXPECT_EQ(grid->FooterFont()->Size(), 20);
  EXPECT_EQ(grid->ColCount(), columns) << "the footers changed: laid out again";
}

INSTANTIATE_TEST_SUITE_P(Stores, GridFooters, testing::Values(Store::Memory, Store::Sqlite), StoreName);

using FooterEditing = GridEditing;

// Sums and averages of text and memo columns show 0 and keep out of editing: what is typed is
// posted, stays in the file, and the sums of numbers go on following it.
TEST_P(FooterEditing, SumsOfTextShowZeroAndEditingGoesOn) {
  MakeFocused(3);
  grid->SetFooterRowCount(1);
  TDBGridColumnsEx* columns = grid->Columns();
  ASSERT_EQ(columns->Items(5)->FieldName(), "Note");
  columns->Items(0)->Footer()->SetValueType(fvtSum);
  columns->Items(1)->Footer()->SetValueType(fvtSum);
  columns->Items(5)->Footer()->SetValueType(fvtAvg);
  grid->SumList()->SetActive(true);
  items_->GotoId(2);
  Retype(1, "Edited");
  Key(Editor(), VK_DOWN);
  EXPECT_EQ(items_->ds()->State(), dsBrowse);
  EXPECT_EQ(grid->GetFooterValue(0, columns->Items(1)), "0");
  EXPECT_EQ(grid->GetFooterValue(0, columns->Items(5)), "0");
  Retype(0, "30");
  Key(Editor(), VK_UP);
  EXPECT_EQ(grid->GetFooterValue(0, columns->Items(0)), "33") << "1 + 2 + 30";
  items_->ds()->Close();
  items_->ds()->Open();
  items_->GotoId(2);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Edited");
  items_->GotoId(30);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Name3");
}

INSTANTIATE_TEST_SUITE_P(Stores, FooterEditing, testing::Values(Store::Memory, Store::Sqlite), StoreName);

TEST(GridFooterSettings, FooterColorReadFromAStreamKeepsParentColor) {
  TStringStream text("object DBGridEx1: TDBGridEx\n"
                     "  ParentColor = True\n"
                     "  FooterColor = clRed\n"
                     "end\n");
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  binary.SetPosition(0);
  TDBGridEx grid(nullptr);
  ReadComponent(binary, &grid);
  EXPECT_EQ(grid.FooterColor(), clRed);
  EXPECT_TRUE(grid.ParentColor());
}

}  // namespace
}  // namespace grid_test
