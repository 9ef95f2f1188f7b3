#include <gtest/gtest.h>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class GridDataLink : public testing::TestWithParam<Store> {
 protected:
  GridDataLink() : g(GetParam(), 4) {}
  TGridDataLinkEx* link() { return g.grid->DataLink(); }
  GridOverItems g;
};

}  // namespace

TEST_P(GridDataLink, FieldLayoutChangesLayTheGridOutFromTheDataSet) {
  bool fromDataSet = false;
  g.grid->onLayout = [&] { fromDataSet = g.grid->LayoutFromDataset(); };
  g.items.ds()->FieldByName("Name")->SetDisplayWidth(33);
  EXPECT_TRUE(fromDataSet);
  EXPECT_FALSE(g.grid->LayoutFromDataset()) << "the flag is put back afterwards";
}

TEST_P(GridDataLink, AFailingLayoutStillPutsTheFlagBack) {
  g.grid->onLayout = [] { throw EInvalidGridOperation("layout failed"); };
  EXPECT_THROW(g.items.ds()->FieldByName("Name")->SetDisplayWidth(33), EInvalidGridOperation);
  g.grid->onLayout = nullptr;
  EXPECT_FALSE(g.grid->LayoutFromDataset());
}

TEST_P(GridDataLink, UnwrittenEditorTextIsWrittenOnceBeforePosting) {
  g.items.ds()->Edit();
  g.items.ds()->Post();
  EXPECT_EQ(g.grid->dataUpdates, 0) << "nothing typed, nothing to write";
  g.items.ds()->Edit();
  link()->SetGridModified();
  g.grid->onUpdateData = [&] { g.items.ds()->UpdateRecord(); };
  g.items.ds()->Post();
  EXPECT_EQ(g.grid->dataUpdates, 1) << "writing again from inside the write is not re-entered";
  EXPECT_FALSE(link()->GridModified());
}

TEST_P(GridDataLink, AFailingWriteLeavesTheLinkUsable) {
  g.items.ds()->Edit();
  link()->SetGridModified();
  g.grid->onUpdateData = [] { throw EConvertError("bad text"); };
  EXPECT_THROW(g.items.ds()->Post(), EConvertError);
  g.grid->onUpdateData = nullptr;
  link()->SetGridModified();
  g.items.ds()->Post();
  EXPECT_EQ(g.grid->dataUpdates, 2);
  EXPECT_EQ(g.items.ds()->State(), dsBrowse);
}

TEST_P(GridDataLink, ResetDropsTheGridsChangeBeforeCancellingTheRecord) {
  g.items.ds()->Edit();
  link()->SetGridModified();
  const int changes = g.grid->recordChanges;
  link()->Reset();
  EXPECT_EQ(g.grid->recordChanges, changes + 1);
  EXPECT_FALSE(link()->GridModified());
  EXPECT_EQ(g.items.ds()->State(), dsEdit) << "the first Escape keeps the record in edit";
  link()->Reset();
  EXPECT_EQ(g.items.ds()->State(), dsBrowse);
}

TEST_P(GridDataLink, RecordNotificationsClearTheGridsChange) {
  g.items.ds()->Edit();
  link()->SetGridModified();
  g.items.ds()->FieldByName("Name")->SetAsString("Zed");
  EXPECT_FALSE(link()->GridModified());
  g.items.ds()->Cancel();

  link()->SetGridModified();
  g.items.ds()->Last();
  EXPECT_FALSE(link()->GridModified()) << "a data-set change";
  link()->SetGridModified();
  g.items.ds()->Close();
  EXPECT_FALSE(link()->GridModified()) << "closing";
}

namespace {

// A grid that can take the focus and shows its editor when asked.
class FocusableGrid : public TTestGrid {
 public:
  using TTestGrid::TTestGrid;
  bool TrySetFocus() override { return canFocus; }
  void ShowInplaceEditor() override { ++editorShows; }
  bool canFocus = true;
  int editorShows = 0;
};

}  // namespace

TEST_P(GridDataLink, FocusingAFieldMovesToItsLastColumnAndShowsTheEditor) {
  FocusableGrid grid(nullptr);
  grid.SetDataSource(g.items.source());
  for (const char* name : {"ID", "Name", "Amount", "Name"}) {
    grid.Columns()->Add()->SetFieldName(name);
  }
  TField* name = g.items.ds()->FieldByName("Name");
  grid.canFocus = false;
  name->FocusControl();
  EXPECT_EQ(grid.SelectedIndex(), 3) << "the last column bound to the field wins";
  EXPECT_EQ(grid.editorShows, 0) << "a grid that cannot take the focus shows no editor";

  grid.canFocus = true;
  grid.SetSelectedIndex(0);
  name->FocusControl();
  EXPECT_EQ(grid.SelectedIndex(), 3);
  EXPECT_EQ(grid.editorShows, 1);
  g.items.ds()->FieldByName("Note")->FocusControl();
  EXPECT_EQ(grid.SelectedIndex(), 3) << "a field no column shows leaves the grid where it is";
  EXPECT_EQ(grid.editorShows, 1);
}

TEST_P(GridDataLink, EditingRepaintsTheIndicatorCellOfTheCurrentRowOnly) {
  g.grid->SetVisibleRows(4);
  g.items.GotoId(3);
  const int row = g.grid->CurrentGridRow();
  ASSERT_GE(row, 1);
  g.grid->repaintedRows.clear();
  g.grid->repaintedRects.clear();
  g.items.ds()->Edit();
  EXPECT_TRUE(g.grid->repaintedRows.empty());
  EXPECT_EQ(g.grid->repaintedRects, std::vector<TRect>{Rect(0, row, 0, row)});
  g.items.ds()->Cancel();

  g.grid->SetOptions(g.grid->Options() - dgIndicator);
  g.grid->repaintedRects.clear();
  g.items.ds()->Edit();
  EXPECT_TRUE(g.grid->repaintedRects.empty()) << "without an indicator there is nothing to show";
  g.items.ds()->Cancel();
}

INSTANTIATE_TEST_SUITE_P(Stores, GridDataLink, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);
