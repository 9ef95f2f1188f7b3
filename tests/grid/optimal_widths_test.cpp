// Fitting column widths to their titles, data and footers, as painting measures them.
#include <gtest/gtest.h>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "platform/data/dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class OptimalWidths : public GridInForm {
 protected:
  // Stored columns, which outlive the data set's fields.
  void SetUp() override {
    Make(30);
    grid->Columns()->Clear();
    for (const char* field : {"ID", "Name", "Amount", "Code"}) grid->Columns()->Add()->SetFieldName(field);
  }
  TColumnEx* Column(const char* fieldName) {
    for (int i = 0; i < grid->Columns()->Count(); ++i)
      if (grid->Columns()->Items(i)->FieldName() == fieldName) return grid->Columns()->Items(i);
    ADD_FAILURE() << "no column " << fieldName;
    return nullptr;
  }
  static int Held(const String& text, TFont* font) {
    TBitmap bitmap;
    bitmap.SetSize(4, 4);
    bitmap.Canvas()->Font()->Assign(font);
    TRect box = Rect(0, 0, 1000, 0);
    bitmap.Canvas()->TextRect(box, text, {tfCalcRect, tfSingleLine, tfNoPrefix});
    return box.Right;
  }
  void SetName(int id, const String& name) {
    items_->GotoId(id);
    items_->ds()->Edit();
    items_->ds()->FieldByName("Name")->SetAsString(name);
    items_->ds()->Post();
  }
  int Fitted(TColumnEx* column) {
    column->OptimizeWidth();
    return column->Width();
  }

  GridLibraryScope library_;
};

TEST_P(OptimalWidths, DataWidthIsTheWidestTextOfAllRecords) {
  SetName(27, "张三丰 longest name");
  items_->GotoId(1);
  TColumnEx* name = Column("Name");
  EXPECT_EQ(Fitted(name), Held("张三丰 longest name", name->Font()) + 4);
  SetName(27, "x");
  EXPECT_EQ(Fitted(name), std::max(Held("Name30", name->Font()), Held("Name", name->Title()->Font())) + 4)
      << "narrower again once the long text is gone";
}

TEST_P(OptimalWidths, CellParameterEventsDecideTheMeasuredText) {
  TColumnEx* code = Column("Code");
  code->OnGetCellParams.Bind(nullptr, "CodeParams", [](TObject*, bool, TColCellParamsEx* params) {
    if (params->Text == "Y") params->Text = "Yes, certainly";
  });
  EXPECT_EQ(Fitted(code), Held("Yes, certainly", code->Font()) + 4);
}

TEST_P(OptimalWidths, TitleWiderThanTheDataSetsTheWidthEvenScrolledOutOfView) {
  TColumnEx* id = Column("ID");
  id->Title()->SetCaption("A caption much wider than any number");
  const int onScreen = Fitted(id);
  EXPECT_EQ(onScreen, Held("A caption much wider than any number", id->Title()->Font()) + 4);
  id->SetWidth(30);
  grid->SetWidth(150);
  grid->SetLeftCol(grid->ColCount() - 1);
  ASSERT_TRUE(grid->CellRect(id->Index() + 1, 0).IsEmpty()) << "the column is out of view";
  EXPECT_EQ(Fitted(id), onScreen);
}

TEST_P(OptimalWidths, TitleImageAndVerticalTitleMeasureWhatTheyShow) {
  TImageList images(20, 16);
  grid->SetTitleImages(&images);
  TColumnEx* code = Column("Code");
  code->Title()->SetCaption("A caption much wider than Y or N");
  code->Title()->SetImageIndex(0);
  EXPECT_EQ(Fitted(code), std::max(20, Held("Y", code->Font())) + 4) << "the image, whatever the caption";
  grid->SetTitleImages(nullptr);
  code->Title()->SetImageIndex(-1);
  code->Title()->SetOrientation(tohVertical);
  TBitmap bitmap;
  bitmap.Canvas()->Font()->Assign(code->Title()->Font());
  EXPECT_EQ(Fitted(code), std::max(bitmap.Canvas()->TextHeight("A"), Held("Y", code->Font())) + 4)
      << "a vertical title is as wide as its text is high";
}

TEST_P(OptimalWidths, FootersAreMeasuredWithTheTextTheirEventGives) {
  grid->SetFooterRowCount(1);
  TColumnEx* code = Column("Code");
  code->Footer()->SetValueType(fvtStaticText);
  code->Footer()->SetValue("short");
  grid->OnGetFooterParams.Bind(nullptr, "FooterParams",
                               [](TObject*, int, int, TColumnEx*, TFont*, TColor&, TAlignment&, TGridDrawState, String& text) {
                                 text = "the footer as the event writes it";
                               });
  EXPECT_EQ(Fitted(code), Held("the footer as the event writes it", code->Footer()->Font()) + 5);
}

TEST_P(OptimalWidths, WrappedDataIsAsWideAsItsWidestWord) {
  grid->SetRowLines(2);
  TColumnEx* name = Column("Name");
  name->SetWordWrap(true);
  SetName(3, "ab abcdefghijklmnop cd");
  EXPECT_EQ(Fitted(name), Held("abcdefghijklmnop", name->Font()) + 4);
}

TEST_P(OptimalWidths, TheCurrentRecordAndTheRowsShownStayWhereTheyWere) {
  items_->GotoId(12);
  items_->ds()->MoveBy(3);
  const int current = items_->CurrentId();
  const int row = grid->Row();
  Column("Name")->OptimizeWidth();
  EXPECT_EQ(items_->CurrentId(), current);
  EXPECT_EQ(grid->Row(), row) << "the current record is on the same grid row";
}

TEST_P(OptimalWidths, AnInactiveLinkChangesNothingNotEvenFromTheTitle) {
  TColumnEx* name = Column("Name");
  name->Title()->SetCaption("A caption much wider than any name");
  name->SetWidth(33);
  items_->ds()->Close();
  name->OptimizeWidth();
  EXPECT_EQ(name->Width(), 33);
}

TEST_P(OptimalWidths, ADoubleClickOnATitleDividerFitsTheColumnOrItsSelectedColumnsInstead) {
  SetName(7, "A much longer name than the others");
  grid->SetOptionsEx(grid->OptionsEx() + dghDblClickOptimizeColWidth);
  int dblClicks = 0;
  grid->OnDblClick.Bind(nullptr, "", [&](TObject*) { ++dblClicks; });
  auto doubleClickDivider = [&](TColumnEx* column) {
    const TRect title = grid->CellRect(column->Index() + 1, 0);
    const LPARAM at = MakeLParam(title.Right, (title.Top + title.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
    grid->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
  };
  const int wide = Fitted(Column("Name"));
  const int narrowId = Fitted(Column("ID"));
  for (TColumnEx* column : {Column("ID"), Column("Name"), Column("Amount")}) column->SetWidth(200);

  doubleClickDivider(Column("Name"));
  EXPECT_EQ(Column("Name")->Width(), wide);
  EXPECT_EQ(Column("ID")->Width(), 200) << "only the clicked column";
  EXPECT_EQ(dblClicks, 0);

  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->Selection()->Columns()->Select(Column("ID"), false);
  grid->Selection()->Columns()->Select(Column("Amount"), true);
  doubleClickDivider(Column("ID"));
  EXPECT_EQ(Column("ID")->Width(), narrowId);
  EXPECT_LT(Column("Amount")->Width(), 200) << "selected with the clicked column";

  grid->SetOptionsEx(grid->OptionsEx() - dghDblClickOptimizeColWidth);
  Column("Name")->SetWidth(200);
  doubleClickDivider(Column("Name"));
  EXPECT_EQ(Column("Name")->Width(), 200);
  EXPECT_EQ(dblClicks, 1) << "without the option a double click is a double click";
}

INSTANTIATE_TEST_SUITE_P(Stores, OptimalWidths, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
