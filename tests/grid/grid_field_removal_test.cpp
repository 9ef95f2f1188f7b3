// A field freed under the grid: the columns that showed it let go and the grid is laid out
// again.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/data_source.h"
#include "platform/data/field_kinds.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/messages.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

// A closed data set with two persistent fields under a window-less grid whose stored columns
// show both.
struct GridOverFields {
  GridOverFields() {
    for (const char* name : {"ID", "Code"}) {
      TField* field = CreateFieldOfType(ftInteger, nullptr);
      field->SetFieldName(name);
      field->SetDataSet(&ds);
      fields.push_back(field);
    }
    ds.CreateDataSet();
    source.SetDataSet(&ds);
    grid.SetDataSource(&source);
    for (const char* name : {"ID", "Code"}) grid.Columns()->Add()->SetFieldName(name);
    grid.LayoutChanged();
  }
  ~GridOverFields() {
    ds.Close();
    for (TField* field : fields) delete field;
  }
  TMemDataSet ds{nullptr};
  TDataSource source{nullptr};
  TDBGridEx grid{nullptr};
  std::vector<TField*> fields;
};

TEST(GridFieldRemoval, AFreedFieldUnbindsItsColumnsAndLaysTheGridOutAgain) {
  GridOverFields g;
  ASSERT_EQ(g.grid.Columns()->Items(0)->Field(), g.fields[0]);
  ASSERT_EQ(g.grid.ColCount(), 3);
  g.ds.Close();
  g.grid.SetColCount(5);  // out of step with the columns until the next layout
  delete g.fields[0];
  g.fields.erase(g.fields.begin());
  EXPECT_EQ(g.grid.Columns()->Items(0)->Field(), nullptr);
  EXPECT_EQ(g.grid.Columns()->Items(1)->Field(), g.fields[0]);
  EXPECT_EQ(g.grid.ColCount(), 3) << "the grid was laid out again";
  EXPECT_EQ(g.grid.Columns()->Count(), 2) << "stored columns stay";
}

TEST(GridFieldRemoval, ADataSetFreedOpenUnderBoundColumnsLeavesTheGridWhole) {
  auto ds = std::make_unique<TMemDataSet>(nullptr);
  ds->FieldDefs()->Add("ID", ftInteger);
  ds->FieldDefs()->Add("Code", ftInteger);
  ds->CreateDataSet();
  TDataSource source(nullptr);
  source.SetDataSet(ds.get());
  TDBGridEx grid(nullptr);
  grid.SetDataSource(&source);
  for (const char* name : {"ID", "Code"}) grid.Columns()->Add()->SetFieldName(name);
  grid.LayoutChanged();
  ASSERT_NE(grid.Columns()->Items(1)->Field(), nullptr);
  ds.reset();
  EXPECT_EQ(grid.Columns()->Items(0)->Field(), nullptr);
  EXPECT_EQ(grid.Columns()->Items(1)->Field(), nullptr);
  EXPECT_EQ(grid.ColCount(), 3);
}

// Fields owned by the form, as stored fields are: the form passes their going on to the grid.
TEST(GridFieldRemoval, AFreedFieldNoColumnShowsAsksForALayoutLater) {
  TApplicationScope app;
  TMemDataSet ds(nullptr);
  TForm* form = new TForm(Application);
  std::vector<TField*> fields;
  for (const char* name : {"ID", "Code"}) {
    TField* field = CreateFieldOfType(ftInteger, form);
    field->SetFieldName(name);
    field->SetDataSet(&ds);
    fields.push_back(field);
  }
  ds.CreateDataSet();
  TDataSource source(nullptr);
  source.SetDataSet(&ds);
  auto* grid = new TDBGridEx(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 300, 200);
  grid->Columns()->Add()->SetFieldName("ID");
  grid->SetDataSource(&source);
  form->Show();
  ds.Close();
  MSG pending;
  while (PeekMessage(pending, grid->Handle(), 0, 0, PM_REMOVE)) {
  }
  delete fields[1];
  EXPECT_TRUE(PeekMessage(pending, grid->Handle(), GM_DEFERREDLAYOUT,
                          GM_DEFERREDLAYOUT, PM_NOREMOVE));
  EXPECT_EQ(grid->Columns()->Items(0)->Field(), fields[0]) << "the other binding stays";
  delete form;
}

}  // namespace
}  // namespace grid_test
