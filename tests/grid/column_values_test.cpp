#include <gtest/gtest.h>

#include "gridlib/controls/button_metrics.h"
#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/mru_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/windows/system_metrics.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class ColumnValues : public testing::TestWithParam<Store> {
 protected:
  ColumnValues() : g(GetParam(), 6) {}
  TColumnEx* Column(const String& fieldName) {
    TColumnEx* column = g.grid->Columns()->Add();
    column->SetFieldName(fieldName);
    return column;
  }
  TField* FieldOf(const char* name) { return g.items.ds()->FieldByName(name); }
  void Lines(TStrings* list, std::initializer_list<const char*> lines) {
    list->Clear();
    for (const char* line : lines) list->Add(line);
  }
  GridOverItems g;
};

}  // namespace

TEST_P(ColumnValues, KindsAreTestedInTheirOrder) {
  TColumnEx* code = Column("Code");
  EXPECT_EQ(code->GetColumnType(), cctPlain);
  Lines(code->PickList(), {"Yes", "No"});
  EXPECT_EQ(code->GetColumnType(), cctPickList);
  Lines(code->KeyList(), {"Y", "N"});
  EXPECT_EQ(code->GetColumnType(), cctKeyList);
  code->SetCheckboxes(true);
  EXPECT_EQ(code->GetColumnType(), cctCheckboxes);
  EXPECT_EQ(Column("Flag")->GetColumnType(), cctCheckboxes) << "Boolean fields show check boxes";
}

TEST_P(ColumnValues, KeyListShowsThePickLineOfTheKey) {
  TColumnEx* code = Column("Code");
  Lines(code->KeyList(), {"Y", "N"});
  Lines(code->PickList(), {"Yes", "No", "Unknown"});
  g.items.GotoId(1);
  EXPECT_EQ(code->DisplayText(), "Yes");
  g.items.GotoId(2);
  EXPECT_EQ(code->DisplayText(), "No");
  g.items.GotoId(3);
  EXPECT_EQ(code->DisplayText(), "") << "NotInKeyListIndex -1 shows nothing";
  code->SetNotInKeyListIndex(2);
  EXPECT_EQ(code->DisplayText(), "Unknown");
  code->SetNotInKeyListIndex(9);
  EXPECT_EQ(code->DisplayText(), "") << "an index beyond the pick list shows nothing";
  Lines(code->PickList(), {"Yes"});
  g.items.GotoId(2);
  EXPECT_EQ(code->DisplayText(), "") << "a key past the end of the pick list shows nothing";
}

TEST_P(ColumnValues, DisplayFormatAndMemoText) {
  TColumnEx* amount = Column("Amount");
  amount->SetDisplayFormat("0.000");
  g.items.GotoId(2);
  EXPECT_EQ(amount->DisplayText(), "3.000");
  TColumnEx* note = Column("Note");
  EXPECT_NE(note->DisplayText(), "note 2");
  g.grid->SetDrawMemoText(true);
  EXPECT_EQ(note->DisplayText(), "note 2");
  EXPECT_EQ(Column("Missing")->DisplayText(), "");
}

TEST_P(ColumnValues, CheckboxStatesFromKeyLists) {
  TColumnEx* code = Column("Code");
  code->SetCheckboxes(true);
  g.items.GotoId(1);
  EXPECT_EQ(code->CheckboxState(), cbGrayedEx) << "an empty key list decides nothing";
  Lines(code->KeyList(), {"x;y", "n;no"});
  EXPECT_EQ(code->CheckboxState(), cbCheckedEx) << "any value of line 0, in any case";
  g.items.GotoId(2);
  EXPECT_EQ(code->CheckboxState(), cbUncheckedEx);
  g.items.GotoId(3);
  EXPECT_EQ(code->CheckboxState(), cbGrayedEx) << "a null field";
  Lines(code->KeyList(), {"x;y"});
  g.items.GotoId(2);
  EXPECT_EQ(code->CheckboxState(), cbGrayedEx) << "without line 1 nothing is unchecked";

  TColumnEx* flag = Column("Flag");
  g.items.GotoId(1);
  EXPECT_EQ(flag->CheckboxState(), cbCheckedEx);
  g.items.GotoId(2);
  EXPECT_EQ(flag->CheckboxState(), cbUncheckedEx);
}

TEST_P(ColumnValues, SettingCheckboxesWritesTheFirstKeyOfTheLine) {
  TColumnEx* code = Column("Code");
  code->SetCheckboxes(true);
  Lines(code->KeyList(), {"Y;yes", "N;no"});
  g.items.GotoId(3);
  g.items.ds()->Edit();
  code->SetCheckboxState(cbCheckedEx);
  EXPECT_EQ(FieldOf("Code")->AsString(), "Y");
  code->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("Code")->AsString(), "N");
  code->SetCheckboxState(cbGrayedEx);
  EXPECT_TRUE(FieldOf("Code")->IsNull());
  g.items.ds()->Post();
  g.items.GotoId(3);
  EXPECT_TRUE(FieldOf("Code")->IsNull());

  TColumnEx* flag = Column("Flag");
  g.items.GotoId(2);
  flag->SetNextFieldValue(1);
  EXPECT_TRUE(FieldOf("Flag")->AsBoolean());
  g.items.ds()->Post();
}

TEST_P(ColumnValues, KeyListsCycleBothWays) {
  TColumnEx* code = Column("Code");
  Lines(code->KeyList(), {"Y", "N", "M"});
  Lines(code->PickList(), {"Yes", "No", "Maybe"});
  g.items.GotoId(1);
  code->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("Code")->AsString(), "N");
  code->SetNextFieldValue(1);
  code->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("Code")->AsString(), "Y") << "forward from the last gives the first";
  code->SetNextFieldValue(-1);
  EXPECT_EQ(FieldOf("Code")->AsString(), "M") << "backward from the first gives the last";
  g.items.ds()->Post();
  g.items.GotoId(3);
  code->SetNextFieldValue(-1);
  EXPECT_EQ(FieldOf("Code")->AsString(), "M") << "a value in no line steps backward to the last";
  g.items.ds()->Cancel();
}

TEST_P(ColumnValues, PickListsCycleOverTheirText) {
  TColumnEx* name = Column("Name");
  Lines(name->PickList(), {"Ann", "Bob"});
  g.items.GotoId(4);
  name->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Ann");
  name->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Bob");
  g.items.ds()->Post();
}

TEST_P(ColumnValues, NumbersStepByIncrementAndNullBecomesZero) {
  TColumnEx* id = Column("ID");
  g.items.GotoId(5);
  id->SetIncrement(3);
  id->SetNextFieldValue(id->Increment());
  EXPECT_EQ(FieldOf("ID")->AsInteger(), 8);
  FieldOf("ID")->Clear();
  id->SetNextFieldValue(1);
  EXPECT_EQ(FieldOf("ID")->AsInteger(), 0);
  g.items.ds()->Cancel();
}

TEST_P(ColumnValues, NothingIsWrittenWhenTheCellCannotBeEdited) {
  TColumnEx* id = Column("ID");
  g.items.GotoId(5);
  g.grid->SetReadOnly(true);
  EXPECT_FALSE(id->CanModify(false));
  id->SetNextFieldValue(1);
  EXPECT_EQ(g.items.ds()->State(), dsBrowse);
  EXPECT_EQ(FieldOf("ID")->AsInteger(), 5);

  g.grid->SetReadOnly(false);
  g.grid->SetAllowedOperations({alopInsertEx, alopDeleteEx});
  EXPECT_FALSE(id->CanModify(false)) << "updates are not allowed";
  g.grid->SetAllowedOperations({alopUpdateEx});
  id->SetReadOnly(true);
  EXPECT_FALSE(id->CanModify(false));
  id->SetReadOnly(false);
  EXPECT_TRUE(id->CanModify(true));
  EXPECT_EQ(g.items.ds()->State(), dsEdit);
  EXPECT_TRUE(g.grid->DataLink()->GridModified());
  g.items.ds()->Cancel();
  EXPECT_FALSE(Column("Note")->CanModify(false)) << "a memo is edited only as drawn text";
  g.grid->SetDrawMemoText(true);
  EXPECT_TRUE(g.grid->Columns()->Items(1)->CanModify(false));
}

TEST_P(ColumnValues, UpdateDataEventCanTakeOverTheWrite) {
  TColumnEx* name = Column("Name");
  name->OnUpdateData.Bind(nullptr, "", [](TObject*, String& text, Variant&, bool&, bool& handled) {
    handled = text == "skip";
  });
  g.items.GotoId(1);
  g.items.ds()->Edit();
  name->UpdateDataValues("skip", Variant("skip"), true);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Name1");
  name->UpdateDataValues("Zed", Variant("Zed"), true);
  EXPECT_EQ(FieldOf("Name")->AsString(), "Zed");
  g.items.ds()->Cancel();
}

TEST_P(ColumnValues, EnteredTextJoinsAnActiveRecentlyUsedList) {
  TColumnEx* name = Column("Name");
  name->MRUList()->SetActive(true);
  g.items.GotoId(1);
  g.items.ds()->Edit();
  name->UpdateDataValues("  Zed  ", Variant(), true);
  EXPECT_EQ(name->MRUList()->Items()->Count(), 0) << "only text typed in the editor";
  g.grid->editorShowing = true;
  name->UpdateDataValues("  Zed  ", Variant(), true);
  name->UpdateDataValues("zed", Variant(), true);
  ASSERT_EQ(name->MRUList()->Items()->Count(), 1);
  EXPECT_EQ(name->MRUList()->Items()->Strings(0), "Zed");
  g.items.ds()->Cancel();
}

TEST_P(ColumnValues, ImageIndexFromListsAndNumbers) {
  TColumnEx* code = Column("Code");
  Lines(code->KeyList(), {"N", "Y"});
  g.items.GotoId(1);
  EXPECT_EQ(code->GetImageIndex(), 1);
  g.items.GotoId(3);
  EXPECT_EQ(code->GetImageIndex(), -1);
  code->SetNotInKeyListIndex(4);
  EXPECT_EQ(code->GetImageIndex(), 4);
  TColumnEx* id = Column("ID");
  g.items.GotoId(2);
  EXPECT_EQ(id->GetImageIndex(), 2);
  EXPECT_EQ(Column("Name")->GetImageIndex(), -1);
}

TEST_P(ColumnValues, AColumnWithoutAFieldShowsNothingAndWritesNothing) {
  TColumnEx* gone = Column("Missing");
  Lines(gone->KeyList(), {"Y", "N"});
  Lines(gone->PickList(), {"Yes", "No", "Other"});
  gone->SetNotInKeyListIndex(2);
  g.items.GotoId(1);
  EXPECT_EQ(gone->DisplayText(), "");
  EXPECT_EQ(gone->GetImageIndex(), -1) << "no value, so no image, whatever NotInKeyListIndex";
  EXPECT_EQ(gone->CheckboxState(), cbGrayedEx);
  EXPECT_FALSE(gone->CanModify(true));
  gone->SetNextFieldValue(1);
  gone->SetCheckboxState(cbCheckedEx);
  EXPECT_EQ(g.items.ds()->State(), dsBrowse);
  TColCellParamsEx params;
  gone->FillColCellParams(&params);
  EXPECT_EQ(params.Text, "");
  EXPECT_EQ(params.ImageIndex, -1);
  EXPECT_TRUE(params.ReadOnly);
}

TEST_P(ColumnValues, EditButtonsWidthCountsVisibleButtons) {
  TColumnEx* name = Column("Name");
  const int scrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(name->EditButtonsWidth(), 0);
  name->SetButtonStyle(cbsEllipsis);
  EXPECT_EQ(name->EditButtonsWidth(), scrollWidth);
  name->EditButtons()->Add()->SetWidth(10);
  name->EditButtons()->Add();
  name->EditButtons()->Add()->SetVisible(false);
  EXPECT_EQ(name->EditButtonsWidth(), scrollWidth + 10 + scrollWidth);
  g.grid->SetFlat(true);
  const int flat = FlatButtonWidth();
  EXPECT_EQ(flat % 2, 1);
  EXPECT_EQ(name->EditButtonsWidth(), (flat + 1) + (10 + 1) + (flat + 1));
}

TEST_P(ColumnValues, EditStyleFollowsTheColumnAndField) {
  TColumnEx* name = Column("Name");
  EXPECT_EQ(GetColumnEditStyle(name), 0);
  name->PickList()->Add("Ann");
  EXPECT_EQ(GetColumnEditStyle(name), 2);
  name->SetReadOnly(true);
  EXPECT_EQ(GetColumnEditStyle(name), 0);
  name->SetButtonStyle(cbsUpDown);
  EXPECT_EQ(GetColumnEditStyle(name), 5);
  name->SetButtonStyle(cbsDropDown);
  EXPECT_EQ(GetColumnEditStyle(name), 6);
}

TEST_P(ColumnValues, CellParamsComeFromTheColumn) {
  TColumnEx* amount = Column("Amount");
  amount->SetColor(clYellow);
  amount->SetDisplayFormat("0.0");
  amount->OnGetCellParams.Bind(nullptr, "", [](TObject*, bool, TColCellParamsEx* p) {
    p->Background = clRed;
  });
  g.items.GotoId(4);
  TColCellParamsEx params;
  amount->FillColCellParams(&params);
  EXPECT_EQ(params.Row, -1);
  EXPECT_EQ(params.Background, clYellow);
  EXPECT_EQ(params.Text, "6.0");
  amount->GetColCellParams(false, &params);
  EXPECT_EQ(params.Background, clRed);
}

INSTANTIATE_TEST_SUITE_P(Stores, ColumnValues, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);
