// Whatever a grid or its columns point to may be freed first; no pointer is left dangling.
#include <gtest/gtest.h>

#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/field_kinds.h"
#include "platform/data/mem_dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

TEST(FreeNotification, FreedComponentsAreClearedFromColumns) {
  TComponent form(nullptr);
  auto* grid = new TTestGrid(&form);
  auto* menu = new TComponent(&form);
  auto* images = new TImageList(&form);
  auto* listSource = new TDataSource(&form);
  TColumnEx* column = grid->Columns()->Add();
  column->SetPopupMenu(menu);
  column->SetImageList(images);
  column->DropDownBox()->SetListSource(listSource);

  delete menu;
  delete images;
  delete listSource;
  EXPECT_EQ(column->PopupMenu(), nullptr);
  EXPECT_EQ(column->ImageList(), nullptr);
  EXPECT_EQ(column->DropDownBox()->ListSource(), nullptr);
}

TEST(FreeNotification, ImageListChangesRepaintTheGrid) {
  TTestGrid grid(nullptr);
  TImageList images(nullptr);
  grid.Columns()->Add()->SetImageList(&images);
  const int before = grid.wholeRepaints;
  images.SetWidth(20);
  EXPECT_GT(grid.wholeRepaints, before);
}

TEST(FreeNotification, AFreedDataSourceLeavesTheGrid) {
  Items items(Store::Memory, 3);
  auto source = std::make_unique<TDataSource>(nullptr);
  source->SetDataSet(items.ds());
  TTestGrid grid(nullptr);
  grid.SetDataSource(source.get());
  ASSERT_TRUE(grid.DataLink()->Active());
  source.reset();
  EXPECT_EQ(grid.DataSource(), nullptr);
  EXPECT_FALSE(grid.DataLink()->Active());
}

TEST(FreeNotification, FreedFieldsAreForgottenByColumns) {
  auto ds = std::make_unique<TMemDataSet>(nullptr);
  auto* id = CreateFieldOfType(ftInteger, nullptr);
  id->SetFieldName("ID");
  id->SetDataSet(ds.get());
  ds->CreateDataSet();
  TDataSource source(nullptr);
  source.SetDataSet(ds.get());
  TTestGrid grid(nullptr);
  grid.SetDataSource(&source);
  TColumnEx* column = grid.Columns()->Add();
  column->SetFieldName("ID");
  ASSERT_EQ(column->Field(), id);
  ds->Close();
  delete id;
  EXPECT_EQ(column->Field(), nullptr);
  EXPECT_EQ(column->Title()->Caption(), "ID");
}

TEST(FreeNotification, DefaultFieldsFreedAtCloseAreForgotten) {
  GridOverItems g(Store::Memory, 3);
  g.grid->BuildDefaultColumns();
  TColumnEx* name = g.grid->Columns()->Items(1);
  ASSERT_NE(name->Field(), nullptr);
  g.items.ds()->Close();
  EXPECT_EQ(name->Field(), nullptr);
  EXPECT_EQ(name->Alignment(), taLeftJustify);
  g.items.ds()->Open();
  EXPECT_EQ(name->Field(), g.items.ds()->FieldByName("Name"));
}

TEST(FreeNotification, GridDestroyedBeforeWhatItWatches) {
  Items items(Store::Memory, 3);
  TImageList images(nullptr);
  {
    TTestGrid grid(nullptr);
    grid.SetDataSource(items.source());
    grid.Columns()->Add()->SetFieldName("ID");
    grid.Columns()->Items(0)->Field();
    grid.Columns()->Items(0)->SetImageList(&images);
    grid.SetOptions(grid.Options() + dgMultiSelect);
    grid.SelectedRows()->SetCurrentRowSelected(true);
    grid.OnSelectionChanged.Bind(nullptr, "", [](TObject*) { FAIL() << "no event while destroying"; });
  }
  images.SetWidth(24);
  items.ds()->Close();
  SUCCEED();
}

TEST(FreeNotification, ADataSetFreedWhileItsSumsAreCountedLeavesNoHook) {
  auto ds = std::make_unique<TMemDataSet>(nullptr);
  ds->FieldDefs()->Add("ID", ftInteger);
  ds->CreateDataSet();
  ds->AppendRecord({Variant(1)});
  TDataSource source(nullptr);
  source.SetDataSet(ds.get());
  auto grid = std::make_unique<TTestGrid>(nullptr);
  grid->SetDataSource(&source);
  grid->Columns()->Add()->SetFieldName("ID");
  grid->Columns()->Items(0)->Footer()->SetValueType(fvtSum);
  grid->SumList()->SetHooked(true);
  ASSERT_EQ(grid->SumList()->DataSet(), ds.get());
  ds.reset();
  EXPECT_EQ(grid->SumList()->DataSet(), nullptr);
  grid.reset();
}
