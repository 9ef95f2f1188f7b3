// Columns over a lookup field: shown text, the special row, stepping through the lookup list.
#include <gtest/gtest.h>

#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/popup_data_grid.h"
#include "platform/classes/properties.h"
#include "platform/data/data_source.h"
#include "platform/data/field_kinds.h"
#include "platform/data/mem_dataset.h"
#include "tests/grid/customer_orders.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

// Orders with a customer code, and the customers they name.
class LookupColumn : public testing::Test {
 protected:
  void SetUp() override {
    customers = MakeCustomers();
    orders = std::make_unique<TMemDataSet>(nullptr);
    AddTestField(orders.get(), ftInteger, "ID");
    AddCustomerLookup(orders.get(), customers.get());
    orders->CreateDataSet();
    orders->AppendRecord({Variant(1), Variant(20)});
    orders->AppendRecord({Variant(2), Variant::Null()});
    orders->First();
    source.SetDataSet(orders.get());
    grid.SetDataSource(&source);
    column = grid.Columns()->Add();
    column->SetFieldName("CustomerTitle");
  }
  void TearDown() override { grid.SetDataSource(nullptr); }
  int Customer() { return orders->FieldByName("Customer")->AsInteger(); }

  std::unique_ptr<TMemDataSet> customers;
  std::unique_ptr<TMemDataSet> orders;
  TDataSource source{nullptr};
  TTestGrid grid{nullptr};
  TColumnEx* column = nullptr;
};

}  // namespace

TEST_F(LookupColumn, ShowsTheLookedUpTextAndItsKind) {
  EXPECT_EQ(column->GetColumnType(), cctLookup);
  EXPECT_EQ(column->DisplayText(), "Customer 20");
  EXPECT_EQ(column->LookupDisplayFields(), "Title");
  EXPECT_EQ(GetColumnEditStyle(column), 3);
  column->SetReadOnly(true);
  EXPECT_EQ(GetColumnEditStyle(column), 0) << "an explicitly read-only column has no drop-down";
}

TEST_F(LookupColumn, SpecialRowStandsForItsKeyAndForMissingValues) {
  TSpecRowEx* row = column->DropDownSpecRow();
  row->SetCellsText("(nobody);-");
  row->SetValue(Variant(20));
  EXPECT_EQ(column->DisplayText(), "Customer 20") << "an invisible row changes nothing";
  row->SetVisible(true);
  EXPECT_EQ(column->DisplayText(), "(nobody)");
  row->SetValue(Variant(99));
  EXPECT_EQ(column->DisplayText(), "Customer 20");
  orders->Next();
  EXPECT_EQ(column->DisplayText(), "(nobody)") << "a key that finds nothing shows the row";
  row->SetShowIfNotInKeyList(false);
  EXPECT_EQ(column->DisplayText(), "");
  EXPECT_EQ(row->GetCellText(1), "-");
  EXPECT_EQ(row->GetCellText(2), "");
  EXPECT_EQ(row->GetCellText(-1), "");
}

TEST_F(LookupColumn, SteppingWalksTheLookupListAndWrapsAround) {
  column->SetNextFieldValue(1);
  EXPECT_EQ(Customer(), 30);
  EXPECT_EQ(column->DisplayText(), "Customer 30");
  column->SetNextFieldValue(1);
  EXPECT_EQ(Customer(), 10) << "past the last customer comes the first";
  column->SetNextFieldValue(-1);
  EXPECT_EQ(Customer(), 30) << "before the first customer comes the last";
  orders->Post();
  orders->Next();
  column->SetNextFieldValue(1);
  EXPECT_EQ(Customer(), 10) << "an empty key starts at the first customer";
  orders->Cancel();
}

TEST_F(LookupColumn, KeyFieldsMustBeWritable) {
  EXPECT_TRUE(column->CanModify(false));
  orders->FieldByName("Customer")->SetReadOnly(true);
  EXPECT_FALSE(column->CanModify(false));
  EXPECT_EQ(GetColumnEditStyle(column), 0);
}

TEST_F(LookupColumn, DropDownListTakesTheColumnsListSettings) {
  auto listSource = std::make_unique<TDataSource>(nullptr);
  listSource->SetDataSet(customers.get());
  column->DropDownBox()->SetListSource(listSource.get());
  column->DropDownSpecRow()->SetCellsText("(none)");
  EXPECT_FALSE(column->HasDataList()) << "made on first use";
  TPopupDataGridEx* list = column->DataList();
  EXPECT_EQ(list->Name(), "DataList");
  EXPECT_EQ(list->DataSource(), listSource.get());
  EXPECT_EQ(list->KeyFieldNames(), "Code");
  EXPECT_EQ(list->ListFieldNames(), "Title");
  EXPECT_EQ(list->SpecRow()->CellsText(), "(none)");
  EXPECT_EQ(list->Options(), TDBLookupGridExOptions{dlgColLinesEx});

  column->DropDownBox()->SetOptions({dlgRowLinesEx});
  column->DropDownSpecRow()->SetVisible(true);
  column->SetLookupDisplayFields("Title;Code");
  EXPECT_EQ(list->Options(), TDBLookupGridExOptions{dlgRowLinesEx});
  EXPECT_TRUE(list->SpecRow()->Visible());
  EXPECT_EQ(list->ListFieldNames(), "Title;Code");

  listSource.reset();
  EXPECT_EQ(column->DropDownBox()->ListSource(), nullptr);
  EXPECT_EQ(list->DataSource(), nullptr);
}

TEST_F(LookupColumn, FilterListSourceIsForgottenWhenFreed) {
  auto listSource = std::make_unique<TDataSource>(nullptr);
  column->STFilter()->SetListSource(listSource.get());
  EXPECT_EQ(column->STFilter()->ListSource(), listSource.get());
  listSource.reset();
  EXPECT_EQ(column->STFilter()->ListSource(), nullptr);
}

TEST_F(LookupColumn, DropDownEventsAreTheListsOwn) {
  int calls = 0;
  column->OnDropDownBoxCheckButton().Bind(
      nullptr, "", [&](TObject*, int, TColumnEx*, bool&) { ++calls; });
  column->OnDropDownBoxDrawColumnCell().Bind(
      nullptr, "", [&](TObject*, const TRect&, int, TColumnEx*, TGridDrawState) { ++calls; });
  column->OnDropDownBoxGetCellParams().Bind(
      nullptr, "", [&](TObject*, TColumnEx*, TFont*, TColor&, TGridDrawState) { ++calls; });
  column->OnDropDownBoxSortMarkingChanged().Bind(nullptr, "", [&](TObject*) { ++calls; });
  column->OnDropDownBoxTitleBtnClick().Bind(
      nullptr, "", [&](TObject*, int, TColumnEx*) { ++calls; });

  TPopupDataGridEx* list = column->DataList();
  bool enabled = true;
  TColor background = clWindow;
  list->OnCheckButton.Call(list, 0, nullptr, enabled);
  list->OnDrawColumnCell.Call(list, TRect{}, 0, nullptr, TGridDrawState());
  list->OnGetCellParams.Call(list, nullptr, nullptr, background, TGridDrawState());
  list->OnSortMarkingChanged.Call(list);
  list->OnTitleBtnClick.Call(list, 0, nullptr);
  EXPECT_EQ(calls, 5);

  list->OnTitleBtnClick.Clear();
  list->OnSortMarkingChanged.Bind(nullptr, "ListSorted", [](TObject*) {});
  EXPECT_FALSE(column->OnDropDownBoxTitleBtnClick().Assigned());
  EXPECT_EQ(column->OnDropDownBoxSortMarkingChanged().MethodName(), "ListSorted");
}

TEST_F(LookupColumn, DropDownEventsArePublishedOnTheColumn) {
  TPopupDataGridEx* list = column->DataList();
  const std::pair<const char*, TEventBase*> events[] = {
      {"OnDropDownBoxCheckButton", &list->OnCheckButton},
      {"OnDropDownBoxDrawColumnCell", &list->OnDrawColumnCell},
      {"OnDropDownBoxGetCellParams", &list->OnGetCellParams},
      {"OnDropDownBoxSortMarkingChanged", &list->OnSortMarkingChanged},
      {"OnDropDownBoxTitleBtnClick", &list->OnTitleBtnClick}};
  for (const auto& [name, event] : events) {
    const TPropInfo* info = GetPropInfo(column->ClassType(), name);
    ASSERT_NE(info, nullptr) << name;
    EXPECT_EQ(GetMethodProp(column, info), event) << name;
  }
}

TEST_F(LookupColumn, KeyInListIsFoundWithoutMovingTheListsCursor) {
  TDBGridExCellEditing editing(&grid);
  customers->Last();
  EXPECT_TRUE(editing.IsLookupKeyInList(column));
  EXPECT_EQ(customers->RecNo(), 3) << "the lookup list stays where its user left it";
  orders->Next();
  EXPECT_FALSE(editing.IsLookupKeyInList(column)) << "a Null key names no customer";
}

TEST_F(LookupColumn, TypedTextWritesTheKeyOfTheEntryShowingIt) {
  TDBGridExCellEditing editing(&grid);
  const struct {
    const char* typed;
    Variant key;
  } cases[] = {{"Customer 30", Variant(30)}, {"Customer 10", Variant(10)}, {"nobody", Variant::Null()}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    orders->First();
    editing.EditText(column, nullptr);
    editing.SetPendingText(c.typed);
    editing.WriteBack();
    orders->Post();
    EXPECT_EQ(orders->FieldByName("Customer")->Value(), c.key);
  }
}
