#include <gtest/gtest.h>

#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

TColumnEx* AddColumn(TTestGrid* grid, const String& fieldName) {
  TColumnEx* column = grid->Columns()->Add();
  column->SetFieldName(fieldName);
  return column;
}

}  // namespace

TEST(ColumnModel, ColumnWithoutGridFallsBackOnItsOwnValues) {
  TDBGridColumnsEx columns(nullptr, TCollectionItemClass::Of<TDBGridColumnEx>());
  TColumnEx* column = columns.Add();
  column->SetFieldName("Price");
  EXPECT_EQ(column->Color(), clWindow);
  EXPECT_EQ(column->Width(), 64);
  EXPECT_EQ(column->Alignment(), taLeftJustify);
  EXPECT_FALSE(column->ReadOnly());
  EXPECT_FALSE(column->WordWrap());
  EXPECT_FALSE(column->EndEllipsis());
  EXPECT_EQ(column->Layout(), tlTop);
  EXPECT_EQ(column->Title()->Caption(), "Price");
  EXPECT_EQ(column->Title()->Color(), clBtnFace);
  EXPECT_EQ(column->Title()->ImageIndex(), -1);
  EXPECT_EQ(column->Title()->SortIndex(), 0);
  EXPECT_EQ(column->DropDownRows(), 7u);
  EXPECT_EQ(column->Increment(), 1.0);
  EXPECT_EQ(column->NotInKeyListIndex(), -1);
  EXPECT_TRUE(column->Visible());
  EXPECT_TRUE(column->AutoFitColWidth());
  EXPECT_EQ(column->ButtonStyle(), cbsAuto);
  EXPECT_TRUE(column->IsStored());
  EXPECT_TRUE(column->AssignedValues().Empty());
  EXPECT_EQ(column->DisplayName(), "Price");
}

TEST(ColumnModel, GridWideColumnDefaultsStartFalseAndReachColumns) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  TColumnDefValuesEx* defaults = grid.ColumnDefValues();
  EXPECT_FALSE(column->AlwaysShowEditButton());
  EXPECT_FALSE(column->ToolTips());
  EXPECT_EQ(column->Title()->Alignment(), taLeftJustify);

  defaults->SetEndEllipsis(true);
  defaults->SetToolTips(true);
  defaults->SetLayout(tlCenter);
  defaults->Title()->SetTitleButton(true);
  EXPECT_TRUE(column->EndEllipsis());
  EXPECT_TRUE(column->ToolTips());
  EXPECT_EQ(column->Layout(), tlCenter);
  EXPECT_TRUE(column->Title()->TitleButton());

  // A column's own value outlives later changes of the default.
  column->SetToolTips(false);
  defaults->SetToolTips(false);
  defaults->SetToolTips(true);
  EXPECT_FALSE(column->ToolTips());
  EXPECT_TRUE(column->IsAssigned(cvToolTips));
}

TEST(ColumnModel, TitleDefaultsFollowMultiTitleAndFixedColorUntilAssigned) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  grid.fixedColor = clSilver;
  EXPECT_EQ(column->Title()->Color(), clSilver);
  grid.SetUseMultiTitle(true);
  EXPECT_EQ(column->Title()->Alignment(), taCenter);

  grid.ColumnDefValues()->Title()->SetAlignment(taRightJustify);
  grid.ColumnDefValues()->Title()->SetColor(clRed);
  EXPECT_EQ(column->Title()->Alignment(), taRightJustify);
  EXPECT_EQ(column->Title()->Color(), clRed);
  column->Title()->SetColor(clBlue);
  EXPECT_EQ(column->Title()->Color(), clBlue);
}

class ColumnOverData : public testing::TestWithParam<Store> {};

TEST_P(ColumnOverData, InheritsFromTheGridAndTheField) {
  GridOverItems g(GetParam(), 5);
  TColumnEx* id = AddColumn(g.grid.get(), "ID");
  TColumnEx* name = AddColumn(g.grid.get(), "Name");
  TColumnEx* flag = AddColumn(g.grid.get(), "Flag");

  g.grid->color = clYellow;
  EXPECT_EQ(name->Color(), clYellow);
  name->SetColor(clAqua);
  g.grid->color = clLime;
  EXPECT_EQ(name->Color(), clAqua);
  EXPECT_EQ(id->Color(), clLime);

  g.grid->GridFont()->SetName("Arial");
  EXPECT_EQ(id->Font()->Name(), "Arial");
  id->Font()->SetSize(14);
  g.grid->GridFont()->SetName("Tahoma");
  EXPECT_EQ(id->Font()->Name(), "Arial") << "an assigned font no longer follows the grid";
  EXPECT_EQ(name->Font()->Name(), "Tahoma");

  EXPECT_EQ(id->Alignment(), g.items.ds()->FieldByName("ID")->Alignment());
  EXPECT_TRUE(name->WordWrap());
  EXPECT_FALSE(id->WordWrap());
  EXPECT_TRUE(flag->Checkboxes());
  EXPECT_FALSE(name->Checkboxes());
  EXPECT_FALSE(name->ReadOnly());
  g.grid->SetReadOnly(true);
  EXPECT_TRUE(name->ReadOnly());

  g.items.ds()->FieldByName("Name")->SetDisplayLabel("Full name");
  EXPECT_EQ(name->Title()->Caption(), "Full name");
  g.grid->TitleFont()->SetName("Courier New");
  EXPECT_EQ(name->Title()->Font()->Name(), "Courier New");
}

TEST_P(ColumnOverData, FieldNameTakesTheLetterCaseOfTheField) {
  GridOverItems g(GetParam(), 3);
  TColumnEx* column = AddColumn(g.grid.get(), "nAME");
  ASSERT_NE(column->Field(), nullptr);
  EXPECT_EQ(column->FieldName(), "Name");
  EXPECT_EQ(column->Title()->Caption(), "Name");
  column->SetFieldName("NAME");
  EXPECT_EQ(column->FieldName(), "Name") << "renaming a bound column keeps the field's case";
  column->SetFieldName("Missing");
  EXPECT_EQ(column->Field(), nullptr);
  EXPECT_EQ(column->Title()->Caption(), "Missing");
}

TEST_P(ColumnOverData, UnassignedWidthFollowsTheFieldsDisplayWidth) {
  GridOverItems g(GetParam(), 3);
  TColumnEx* column = AddColumn(g.grid.get(), "Name");
  TField* field = g.items.ds()->FieldByName("Name");
  field->SetDisplayWidth(10);
  const int ten = column->Width();
  field->SetDisplayWidth(20);
  const int twenty = column->Width();
  const TFontWidthMetrics m = MeasureFontWidths(column->Font());
  EXPECT_GT(m.ZeroWidth, 0);
  EXPECT_EQ(twenty - ten, 10 * (m.ZeroWidth - m.Overhang));
  EXPECT_EQ(ten, (m.ZeroWidth - m.Overhang) * 10 + m.Overhang + 4);
  EXPECT_FALSE(column->IsAssigned(cvWidth));

  column->SetWidth(twenty);
  EXPECT_FALSE(column->IsAssigned(cvWidth)) << "the default width is not an assigned width";
  EXPECT_FALSE(column->IsWidthStored());
  column->SetWidth(twenty + 7);
  EXPECT_TRUE(column->IsAssigned(cvWidth));
  EXPECT_EQ(column->Width(), twenty + 7);
}

TEST(ColumnWidth, LimitsClampAndMinimumWins) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  column->SetWidth(300);
  EXPECT_EQ(column->Width(), 300) << "MaxWidth 0 means no maximum";
  column->SetMaxWidth(120);
  EXPECT_EQ(column->Width(), 120) << "a maximum set afterwards shrinks the column";
  column->SetWidth(200);
  EXPECT_EQ(column->Width(), 120);
  column->SetMinWidth(150);
  EXPECT_EQ(column->Width(), 150) << "the minimum wins over the maximum";
  EXPECT_EQ(column->ClampWidth(10), 150);
  column->SetMinWidth(0);
  column->SetMaxWidth(0);
  column->SetWidth(40);
  EXPECT_EQ(column->Width(), 40);
  column->SetMinWidth(50);
  EXPECT_EQ(column->Width(), 50);
}

TEST(ColumnWidth, UnassignedDefaultWidthIsClampedToo) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  EXPECT_EQ(column->Width(), 64);
  column->SetMaxWidth(30);
  EXPECT_EQ(column->Width(), 30);
  EXPECT_FALSE(column->IsAssigned(cvWidth));
}

TEST_P(ColumnOverData, HidingADefaultColumnKeepsTheFieldsDisplayWidth) {
  GridOverItems g(GetParam(), 3);
  g.grid->handleAllocated = true;
  g.grid->BuildDefaultColumns();
  TColumnEx* column = g.grid->Columns()->Items(1);
  ASSERT_FALSE(column->IsStored());
  TField* field = g.items.ds()->FieldByName("Name");
  const int before = field->DisplayWidth();
  const int shown = column->Width();

  column->SetVisible(false);
  column->SetWidth(0);
  column->SetWidth(-1);
  EXPECT_EQ(field->DisplayWidth(), before);

  column->SetVisible(true);
  column->SetWidth(shown + 10 * MeasureFontWidths(column->Font()).ZeroWidth);
  EXPECT_EQ(field->DisplayWidth(), before + 10) << "a visible default column writes its width back";
}

TEST_P(ColumnOverData, MovingADefaultColumnMovesItsField) {
  GridOverItems g(GetParam(), 3);
  g.grid->BuildDefaultColumns();
  TField* id = g.items.ds()->FieldByName("ID");
  g.grid->Columns()->Items(0)->SetIndex(2);
  EXPECT_EQ(id->Index(), 2);
  EXPECT_EQ(g.items.ds()->Fields()->Fields(2), id);

  TColumnEx* stored = g.grid->Columns()->Add();
  stored->SetFieldName("Note");
  stored->SetIsStored(true);
  TField* note = g.items.ds()->FieldByName("Note");
  const int noteIndex = note->Index();
  stored->SetIndex(0);
  EXPECT_EQ(note->Index(), noteIndex) << "a column the user made leaves the fields alone";
}

TEST_P(ColumnOverData, DefaultColumnsPassAlignmentAndReadOnlyToTheField) {
  GridOverItems g(GetParam(), 3);
  g.grid->BuildDefaultColumns();
  TColumnEx* name = g.grid->Columns()->Items(1);
  name->SetAlignment(taCenter);
  name->SetReadOnly(true);
  EXPECT_EQ(g.items.ds()->FieldByName("Name")->Alignment(), taCenter);
  EXPECT_TRUE(g.items.ds()->FieldByName("Name")->ReadOnly());
  EXPECT_FALSE(name->IsAssigned(cvAlignment));
  EXPECT_TRUE(name->ReadOnly());
  name->Title()->SetCaption("Full name");
  EXPECT_EQ(g.items.ds()->FieldByName("Name")->DisplayLabel(), "Full name");
  EXPECT_FALSE(name->IsAssigned(cvTitleCaption));
  EXPECT_EQ(g.grid->Columns()->State(), csDefault);
}

TEST(ColumnModel, RestoreDefaultsForgetsAssignedValuesAndAlwaysTellsTheGrid) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  column->SetColor(clRed);
  column->Title()->SetCaption("Custom");
  column->PickList()->Add("a");
  column->SetButtonStyle(cbsEllipsis);
  grid.repaintedRects.clear();
  const int layoutsBefore = grid.layouts;

  column->RestoreDefaults();
  EXPECT_TRUE(column->AssignedValues().Empty());
  EXPECT_EQ(column->Color(), clWindow);
  EXPECT_EQ(column->Title()->Caption(), "");
  EXPECT_FALSE(column->HasPickList());
  EXPECT_EQ(column->ButtonStyle(), cbsAuto);
  EXPECT_TRUE(!grid.repaintedRects.empty() || grid.layouts > layoutsBefore)
      << "restoring defaults without an assigned font still repaints";
}

TEST(ColumnModel, AssignCopiesOnlyAssignedInheritingValues) {
  TTestGrid grid(nullptr);
  TColumnEx* source = grid.Columns()->Add();
  source->SetFieldName("A");
  source->SetColor(clRed);
  source->Title()->SetCaption("Alpha");
  source->SetMaxWidth(90);
  source->KeyList()->Add("1");
  source->SetTag(7);
  TColumnEx* target = grid.Columns()->Add();
  target->SetWidth(33);

  target->Assign(source);
  EXPECT_EQ(target->FieldName(), "A");
  EXPECT_EQ(target->Color(), clRed);
  EXPECT_FALSE(target->IsAssigned(cvWidth)) << "the source's width was not assigned";
  EXPECT_EQ(target->Title()->Caption(), "Alpha");
  EXPECT_EQ(target->MaxWidth(), 90);
  EXPECT_EQ(target->KeyList()->Count(), 1);
  EXPECT_EQ(target->Tag(), 7);
}

TEST(ColumnModel, ImeAndWordWrapSetToTheirDefaultStayUnassigned) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  grid.repaintedRects.clear();
  column->SetImeMode(imDontCare);
  column->SetImeName("");
  column->SetWordWrap(false);
  EXPECT_TRUE(column->AssignedValues().Empty());
  EXPECT_EQ(grid.repaintedRects.size(), 3u) << "each still repaints the column";
  column->SetImeMode(imOpen);
  column->SetImeMode(imDontCare);
  EXPECT_TRUE(column->IsAssigned(cvImeMode)) << "once assigned, the default is an assigned value";
  EXPECT_EQ(column->ImeMode(), imDontCare);
  EXPECT_FALSE(column->IsImeModeStored());
  {
    TComponentStateScope loading(&grid, csLoading);
    column->SetWordWrap(false);
  }
  EXPECT_TRUE(column->IsAssigned(cvWordWrap)) << "a loaded value is kept as given";
}

TEST(ColumnModel, CopiedTitleDefaultsTakeAlignmentAndColorOnlyWhenAssigned) {
  TTestGrid from(nullptr);
  TTestGrid to(nullptr);
  TColumnDefValuesEx* source = from.ColumnDefValues();
  source->Footer()->SetToolTips(true);
  source->Title()->SetTitleButton(true);
  source->Title()->SetOrientation(tohVertical);
  source->Title()->SetColor(clRed);
  to.fixedColor = clSilver;
  to.ColumnDefValues()->Title()->SetAlignment(taRightJustify);

  TColumnDefValuesEx* target = to.ColumnDefValues();
  target->Assign(source);
  EXPECT_FALSE(target->Footer()->ToolTips()) << "footer defaults are not copied";
  EXPECT_TRUE(target->Title()->TitleButton());
  EXPECT_EQ(target->Title()->Orientation(), tohVertical);
  EXPECT_EQ(target->Title()->Color(), clRed);
  EXPECT_EQ(target->Title()->Alignment(), taRightJustify)
      << "an alignment the source never assigned is not copied";
  TTestGrid fresh(nullptr);
  fresh.fixedColor = clSilver;
  source->Title()->Assign(fresh.ColumnDefValues()->Title());
  EXPECT_EQ(source->Title()->Color(), clRed) << "an unassigned colour is not copied either";
}

TEST(ColumnModel, ATitleFontChangedByHandIsKeptAndReLaysTheGridOut) {
  TTestGrid grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  grid.TitleFont()->SetName("Arial");
  EXPECT_EQ(column->Title()->Font()->Name(), "Arial");
  EXPECT_FALSE(column->IsAssigned(cvTitleFont)) << "reading the default copies it quietly";
  const int layouts = grid.layouts;
  column->Title()->Font()->SetSize(20);
  EXPECT_TRUE(column->IsAssigned(cvTitleFont));
  EXPECT_GT(grid.layouts, layouts);
  grid.TitleFont()->SetName("Tahoma");
  EXPECT_EQ(column->Title()->Font()->Name(), "Arial");
  column->Title()->RestoreDefaults();
  EXPECT_EQ(column->Title()->Font()->Name(), "Tahoma");
  EXPECT_FALSE(column->IsAssigned(cvTitleFont));
}

TEST(ColumnModel, AutoFitNarrowingPassesTheRestToTheNextColumn) {
  TTestGrid grid(nullptr);
  grid.SetAutoFitColWidths(true);
  for (int i = 0; i < 3; ++i) {
    TColumnEx* column = grid.Columns()->Add();
    column->SetWidth(100);
    column->SetInitWidth(100);
    grid.gridWidths[i] = 100;
  }
  TDBGridColumnsEx* columns = grid.Columns();
  columns->Items(0)->SetWidth(80);
  EXPECT_EQ(columns->Items(0)->InitWidth(), 80);
  EXPECT_EQ(columns->Items(1)->InitWidth(), 120);
  EXPECT_EQ(columns->Items(2)->InitWidth(), 100);

  columns->Items(2)->SetWidth(50);
  EXPECT_EQ(columns->Items(2)->InitWidth(), 50);
  EXPECT_EQ(columns->Items(1)->InitWidth(), 120) << "the last column passes nothing on";

  grid.gridWidths[1] = 0;
  columns->Items(1)->SetWidth(70);
  EXPECT_EQ(columns->Items(1)->InitWidth(), 70) << "a zero-wide grid column has no scale";

  columns->Items(0)->SetInitWidth(60);
  columns->Items(0)->SetAutoFitColWidth(false);
  EXPECT_EQ(columns->Items(0)->Width(), 60) << "leaving auto-fit returns to the design width";
}

TEST(ColumnModel, HiddenSelectedColumnHandsSelectionToFirstVisible) {
  TTestGrid grid(nullptr);
  for (int i = 0; i < 3; ++i) grid.Columns()->Add();
  grid.SetSelectedIndex(0);
  grid.Columns()->Items(0)->SetVisible(false);
  EXPECT_EQ(grid.SelectedIndex(), 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, ColumnOverData, testing::Values(Store::Memory, Store::Sqlite),
                         StoreName);
