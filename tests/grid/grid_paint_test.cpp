// The data grid as it is painted: data, title, indicator, filter, filler and footer cells in
// their normal, selected, focused, fixed, 3D and flat forms, over both kinds of data set.
#include <gtest/gtest.h>

#include <memory>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/head_tree.h"
#include "platform/controls/application.h"
#include "platform/controls/edit.h"
#include "platform/controls/forms.h"
#include "platform/core/string_list.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_tree.h"
#include "tests/grid/grid_paint_support.h"
#include "tests/grid/grid_stream_support.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {
namespace {

constexpr int kName = 2;
constexpr int kAmount = 3;
constexpr int kFlag = 4;
constexpr int kCode = 5;

class GridPaint : public testing::TestWithParam<Store>, public PixelReader {
 protected:
  void Make(int count, int width = 420, int height = 200) {
    items_ = std::make_unique<Items>(GetParam(), count);
    form_ = MakeForm(width, height, grid);
  }
  TForm* MakeForm(int width, int height, TDBGridEx*& made) {
    TForm* form = new TForm(Application);
    form->SetBounds(0, 0, width + 40, height + 60);
    made = new TDBGridEx(form);
    made->SetParent(form);
    made->SetBorderStyle(bsNone);
    made->SetBounds(0, 0, width, height);
    made->SetDataSource(items_->source());
    form->Show();
    return form;
  }
  void TearDown() override {
    SaveOnFailure();
    delete form_;
    form_ = nullptr;
    items_.reset();
  }
  void Paint(TDBGridEx* which = nullptr) {
    if (which == nullptr) which = grid;
    bmp.SetSize(which->Width(), which->Height());
    Fill(clFuchsia);
    which->PaintTo(canvas()->Handle(), 0, 0);
  }
  TColumnEx* Column(int gridCol) { return grid->Columns()->Items(gridCol - 1); }
  // Multi-level titles with the first two columns under one heading.
  void UnderOneHeading() {
    grid->SetUseMultiTitle(true);
    Column(1)->Title()->SetCaption("联系人|编号");
    Column(kName)->Title()->SetCaption("联系人|姓名");
  }
  // The cell without its frame and margins, where only its own content lies.
  TRect Inside(int col, int row, int by = 2) {
    TRect r = grid->CellRect(col, row);
    InflateRect(r, -by, -by);
    return r;
  }
  TColor Corner(int col, int row) {
    const TRect r = grid->CellRect(col, row);
    return At(r.Right - 2, r.Bottom - 2);
  }

  TApplicationScope app_;
  GridLibraryScope library_;
  std::unique_ptr<Items> items_;
  TForm* form_ = nullptr;
  TDBGridEx* grid = nullptr;
};

TEST_P(GridPaint, EveryCellIsPaintedAndNothingOutsideIsLeft) {
  Make(5);
  Paint();
  EXPECT_EQ(Count(clFuchsia, Rect(0, 0, bmp.Width(), bmp.Height())), 0) << "every pixel painted";
  EXPECT_EQ(Corner(kName, 2), ColorToRGB(clWindow));
  EXPECT_FALSE(InkBounds(clWindow, Inside(kName, 2)).IsEmpty()) << "the record's text";
  EXPECT_EQ(At(grid->CellRect(kName, 2).Right, grid->CellRect(kName, 2).Top + 3), ColorToRGB(clSilver))
      << "data lines are silver";
  EXPECT_EQ(At(grid->CellRect(kName, 0).Right, 3), ColorToRGB(clBlack)) << "fixed lines are black";
  const int last = grid->RowCount() - 1;
  const TRect below = Rect(0, grid->CellRect(1, last).Bottom + 1, grid->ClientWidth(), grid->ClientHeight());
  EXPECT_EQ(Count(clWindow, below), below.Width() * below.Height()) << "the window colour below the rows";
}

TEST_P(GridPaint, CurrentCellHighlightFollowsFocusAndSelectionOptions) {
  Make(5);
  TEdit* other = new TEdit(form_);
  other->SetParent(form_);
  other->SetBounds(0, 210, 100, 20);
  const int row = grid->Row();
  const int col = grid->Col();
  grid->SetFocus();
  ASSERT_TRUE(grid->HasFocus());
  Paint();
  EXPECT_EQ(Corner(col, row), ColorToRGB(clHighlight));
  EXPECT_GT(Count(clHighlightText, Inside(col, row)), 0) << "text in the highlight text colour";
  EXPECT_EQ(Corner(col + 1, row), ColorToRGB(clWindow)) << "other cells of the row";
  other->SetFocus();
  Paint();
  EXPECT_EQ(Corner(col, row), ColorToRGB(clWindow)) << "not focused, selection not always shown";
  grid->SetOptions(grid->Options() + dgAlwaysShowSelection);
  Paint();
  EXPECT_EQ(Corner(col, row), ColorToRGB(clBtnShadow)) << "unfocused current cell";
  grid->SetFocus();
  grid->SetOptions(grid->Options() + dgRowSelect);
  Paint();
  EXPECT_NE(Corner(col + 1, row), ColorToRGB(clWindow)) << "the whole row is highlighted";
}

// Painting reads every row's record in turn; only the current record's row is drawn as current.
TEST_P(GridPaint, OnlyTheCurrentRowIsHighlighted) {
  Make(5);
  TEdit* other = new TEdit(form_);
  other->SetParent(form_);
  other->SetBounds(0, 210, 100, 20);
  const struct {
    const char* name;
    TDBGridOptions options;
    TDBGridExOptions optionsEx;
    bool focused;
  } cases[] = {
      {"row select, focused", {dgRowSelect}, {}, true},
      {"row select, always shown, unfocused", {dgRowSelect, dgAlwaysShowSelection}, {}, false},
      {"row highlight, focused", {}, {dghRowHighlight}, true},
  };
  items_->GotoId(3);
  const TDBGridOptions options = grid->Options();
  const TDBGridExOptions optionsEx = grid->OptionsEx();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    grid->SetOptions(options + c.options);
    grid->SetOptionsEx(optionsEx + c.optionsEx);
    if (c.focused) grid->SetFocus();
    else other->SetFocus();
    Paint();
    const int current = grid->Row();
    EXPECT_NE(Corner(kAmount, current), ColorToRGB(clWindow)) << "the current row";
    for (int row = grid->TitleOffset(); row < grid->TitleOffset() + 5; ++row) {
      if (row == current) continue;
      EXPECT_EQ(Corner(kAmount, row), ColorToRGB(clWindow)) << "row " << row;
    }
  }
}

// Of the selected records only the current cell takes the full highlight; the others, in the
// current column too, are blended alike.
TEST_P(GridPaint, SelectedRecordsBlendAlsoInTheCurrentColumn) {
  Make(5);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  for (int id : {2, 4}) {
    items_->GotoId(id);
    grid->SelectedRows()->SetCurrentRowSelected(true);
  }
  items_->GotoId(3);
  grid->SetSelectedIndex(0);
  grid->SetFocus();
  Paint();
  EXPECT_EQ(Corner(1, grid->Row()), ColorToRGB(clHighlight)) << "the current cell";
  for (int row : {grid->Row() - 1, grid->Row() + 1}) {
    SCOPED_TRACE(row);
    EXPECT_NE(Corner(1, row), ColorToRGB(clWindow)) << "a selected record";
    EXPECT_EQ(Corner(1, row), Corner(kName, row)) << "blended in the current column as in the others";
  }
}

TEST_P(GridPaint, SelectedColumnsDarkenTheirTitleAndHighlightTheirCells) {
  Make(5);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  grid->Selection()->Columns()->Select(Column(kAmount), false);
  Paint();
  EXPECT_EQ(Corner(kAmount, 0), static_cast<TColor>(RGB(64, 64, 64))) << "the selected column's title";
  EXPECT_EQ(Corner(kName, 0), ColorToRGB(clBtnFace));
  const int row = grid->TitleOffset() + 2;
  EXPECT_NE(Corner(kAmount, row), ColorToRGB(clWindow)) << "its cells are highlighted";
  EXPECT_EQ(Corner(kName, row), ColorToRGB(clWindow));
}

TEST_P(GridPaint, FocusedRowSelectGridFramesTheRowOnce) {
  Make(5);
  grid->SetOptions(grid->Options() + dgRowSelect);
  grid->SetFocus();
  Paint();
  const TRect row = grid->BoxRect(grid->FixedCols(), grid->Row(), grid->ColCount() - 1, grid->Row());
  int inverted = 0;
  for (int x = row.Left + 20; x < row.Left + 60; ++x) inverted += At(x, row.Top) != At(x + 1, row.Top) ? 1 : 0;
  EXPECT_GT(inverted, 20) << "a dotted frame along the row's top edge";
}

TEST_P(GridPaint, FixedCellsAreRaisedOrFlat) {
  Make(5);
  Paint();
  const TRect title = grid->CellRect(kName, 0);
  EXPECT_EQ(At(title.Left + title.Width() / 2, title.Bottom - 1), ColorToRGB(clBtnShadow)) << "raised title";
  EXPECT_EQ(At(title.Left + title.Width() / 2, title.Top), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(Corner(kName, 2), ColorToRGB(clWindow)) << "data cells are not raised";
  grid->SetOptionsEx(grid->OptionsEx() + dghData3D);
  Paint();
  const TRect data = grid->CellRect(kName, 2);
  EXPECT_EQ(At(data.Right - 1, data.Bottom - 1), ColorToRGB(clBtnShadow)) << "3D data cells";
  grid->SetFlat(true);
  Paint();
  const TRect flatTitle = grid->CellRect(kName, 0);
  EXPECT_EQ(At(flatTitle.Left + 5, flatTitle.Bottom - 1), ColorToRGB(clBtnFace)) << "flat: no bottom edge";
  EXPECT_EQ(At(flatTitle.Right, flatTitle.Top + 3), ColorToRGB(clBtnShadow)) << "flat fixed lines";
}

TEST_P(GridPaint, IndicatorShowsTheDataSetState) {
  Make(5);
  TDataSet* ds = items_->ds();
  const int row = grid->Row();
  auto inkSize = [&] {
    Paint();
    const TRect ink = InkBounds(clBtnFace, Inside(0, row));
    return std::make_pair(ink.Width(), ink.Height());
  };
  EXPECT_EQ(inkSize(), std::make_pair(6, 11)) << "the arrow when browsing";
  EXPECT_TRUE(InkBounds(clBtnFace, Inside(0, row + 1)).IsEmpty()) << "other rows show nothing";
  ds->Edit();
  EXPECT_EQ(inkSize(), std::make_pair(5, 9)) << "the edit mark";
  ds->Cancel();
  ds->Insert();
  EXPECT_EQ(inkSize(), std::make_pair(6, 7)) << "the insert mark";
  ds->Cancel();
}

TEST_P(GridPaint, SelectedRecordsDarkenTheirIndicator) {
  Make(5);
  grid->SetOptions(grid->Options() + dgMultiSelect);
  items_->GotoId(3);
  grid->SelectedRows()->SetCurrentRowSelected(true);
  items_->GotoId(1);
  Paint();
  const int selectedRow = grid->TitleOffset() + 2;
  EXPECT_EQ(At(grid->CellRect(0, selectedRow).Left + 2, grid->CellRect(0, selectedRow).Top + 2),
            static_cast<TColor>(RGB(64, 64, 64)));
  EXPECT_TRUE(InkBounds(static_cast<TColor>(RGB(64, 64, 64)), Inside(0, selectedRow)).IsEmpty())
      << "a selected row that is not current shows no image while browsing";
}

TEST_P(GridPaint, CheckBoxesShowEveryState) {
  Make(5);
  Column(kFlag)->SetCheckboxes(true);
  Column(kCode)->SetCheckboxes(true);
  Column(kCode)->KeyList()->Add("Y");
  Column(kCode)->KeyList()->Add("N");
  Paint();
  const int first = grid->TitleOffset();
  EXPECT_GT(Count(clBlack, Inside(kFlag, first)), 5) << "ID 1 is flagged: a tick";
  EXPECT_EQ(Count(clBlack, Inside(kFlag, first + 1)), 0) << "ID 2 is not";
  EXPECT_GT(Count(clBlack, Inside(kCode, first)), 5) << "Code Y: checked";
  EXPECT_EQ(Count(clBlack, Inside(kCode, first + 1)), 0) << "Code N: unchecked";
  EXPECT_GT(Count(clBtnFace, Inside(kCode, first + 2)), 20) << "Code Null: greyed";
  EXPECT_GT(Count(clBtnShadow, Inside(kCode, first + 2)), 30) << "with a grey tick";
}

TEST_P(GridPaint, EditButtonsRequiredMarksAndRowColoursDecorateDataCells) {
  Make(5);
  Column(kName)->SetButtonStyle(cbsEllipsis);
  Column(kName)->SetAlwaysShowEditButton(true);
  grid->SetOddRowColor(clInfoBk);
  Paint();
  const int first = grid->TitleOffset();
  const TRect cell = grid->CellRect(kName, first + 1);
  const TRect button = Rect(cell.Right - grid->Layout()->EditButtonWidth() + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2);
  EXPECT_GT(Count(clBtnFace, button), button.Width() * button.Height() / 2) << "the button's face";
  EXPECT_GT(Count(clBlack, button), 2) << "its dots";
  EXPECT_EQ(Corner(kAmount, first), ColorToRGB(clInfoBk)) << "record 1 is odd";
  EXPECT_EQ(Corner(kAmount, first + 1), ColorToRGB(clWindow)) << "record 2 is even";
  TField* code = items_->ds()->FieldByName("Code");
  code->SetRequired(true);
  Column(kCode)->SetHighlightRequired(true);
  items_->GotoId(3);
  items_->ds()->Edit();
  Paint();
  const TRect required = grid->CellRect(kCode, grid->Row());
  EXPECT_GT(Count(static_cast<TColor>(0x0000FF), Rect(required.Left, required.Bottom - 3, required.Right, required.Bottom)), 4)
      << "a red dotted line under the empty required field";
  items_->ds()->Cancel();
}

TEST_P(GridPaint, RequiredMarkShowsOnlyUnderTheEditedRecord) {
  Make(6);
  items_->ds()->FieldByName("Code")->SetRequired(true);
  Column(kCode)->SetHighlightRequired(true);
  const TColor red = static_cast<TColor>(0x0000FF);
  auto marked = [&](int id) {
    const TRect cell = grid->CellRect(kCode, grid->TitleOffset() + id - 1);
    return Count(red, Rect(cell.Left, cell.Bottom - 3, cell.Right, cell.Bottom)) > 4;
  };
  items_->GotoId(3);
  items_->ds()->Edit();
  Paint();
  EXPECT_TRUE(marked(3)) << "the edited record's empty Code";
  EXPECT_FALSE(marked(6)) << "another record's empty Code";
  items_->ds()->Cancel();
}

TEST_P(GridPaint, HiddenDuplicatesCompareTheTextsEventsGive) {
  Make(5);
  Column(kName)->OnGetCellParams.Bind(nullptr, "", [](TObject*, bool, TColCellParamsEx* params) {
    params->Text = "same";
  });
  Column(kName)->SetHideDuplicates(true);
  Paint();
  const int first = grid->TitleOffset();
  EXPECT_FALSE(InkBounds(clWindow, Inside(kName, first)).IsEmpty()) << "the first shows its text";
  EXPECT_TRUE(InkBounds(clWindow, Inside(kName, first + 1)).IsEmpty()) << "the same text below is hidden";
  const TRect second = grid->CellRect(kName, first + 1);
  EXPECT_EQ(At(second.Left + 5, second.Top - 1), ColorToRGB(clWindow)) << "and the line between them";
}

TEST_P(GridPaint, SortIndexesShowOnlyWithSeveralMarkers) {
  Make(5);
  grid->SetOptionsEx(grid->OptionsEx() + dghMultiSortMarking);
  Column(kName)->Title()->SetSortMarker(smDownEx);
  Paint();
  const TRect title = grid->CellRect(kName, 0);
  const TRect marker = Rect(title.Right - 16, title.Top + 2, title.Right - 2, title.Bottom - 2);
  EXPECT_GT(Count(clBtnShadow, marker), 10) << "the marker";
  const TRect digits = Rect(title.Right - 8, title.Top + 2, title.Right - 2, title.Bottom - 2);
  EXPECT_EQ(Count(clBlack, digits), 0) << "one marker: no index";
  Column(kAmount)->Title()->SetSortMarker(smUpEx);
  grid->RebuildSortMarkedColumns();
  Paint();
  EXPECT_GT(Count(clBlack, digits), 3) << "two markers: their indexes";
  const TRect amount = grid->CellRect(kAmount, 0);
  EXPECT_GT(Count(clBlack, Rect(amount.Right - 8, amount.Top + 2, amount.Right - 2, amount.Bottom - 2)), 3);
}

// A title too narrow for its sort marker first drops the marker's image and keeps the index;
// narrower still, it drops the index too and looks as without a marker.
TEST_P(GridPaint, NarrowTitleDropsItsMarkerImageBeforeItsIndex) {
  Make(5);
  grid->SetOptionsEx(grid->OptionsEx() + dghMultiSortMarking);
  Column(kAmount)->Title()->SetSortMarker(smUpEx);
  const struct {
    int width;
    bool index;
  } cases[] = {{14, true}, {4, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.width);
    Column(kName)->SetWidth(c.width);
    Column(kName)->Title()->SetSortMarker(smNoneEx);
    Paint();
    TBitmap plain;
    plain.Assign(&bmp);
    Column(kName)->Title()->SetSortMarker(smDownEx);
    Paint();
    const TRect title = grid->CellRect(kName, 0);
    int differing = 0;
    for (int y = title.Top; y < title.Bottom; ++y) {
      for (int x = title.Left; x < title.Right; ++x) differing += bmp.Pixel32(x, y) != plain.Pixel32(x, y) ? 1 : 0;
    }
    EXPECT_EQ(differing > 0, c.index) << "the sort index";
    EXPECT_EQ(Count(clBtnShadow, Inside(kName, 0)), 0) << "no marker image";
  }
}

TEST_P(GridPaint, TextFollowsColumnAlignmentAndWrap) {
  Make(5);
  Column(kName)->SetAlignment(taRightJustify);
  Paint();
  const int row = grid->TitleOffset() + 1;
  const TRect cell = grid->CellRect(kName, row);
  const TRect ink = InkBounds(clWindow, Inside(kName, row, 1));
  EXPECT_LE(ink.Right, cell.Right - 3);
  EXPECT_GE(ink.Right, cell.Right - 6) << Describe(ink);
  grid->SetDrawMemoText(true);
  Column(6)->SetWidth(34);
  Column(6)->SetWordWrap(true);
  grid->SetRowLines(2);
  Paint();
  const TRect wrapped = InkBounds(clWindow, Inside(6, row, 1));
  EXPECT_GT(wrapped.Height(), grid->Canvas()->TextHeight("W")) << "two lines";
}

TEST_P(GridPaint, MultiLevelTitlesOfThreeLevelsSpanTheirColumns) {
  Make(5, 420, 240);
  grid->SetUseMultiTitle(true);
  Column(1)->Title()->SetCaption("联系人|基本|编号");
  Column(kName)->Title()->SetCaption("联系人|基本|姓名");
  Column(kAmount)->Title()->SetCaption("联系人|金额");
  Paint();
  THeadTreeNode* leaf = grid->Layout()->TitleLeaf(0);
  ASSERT_NE(leaf, nullptr);
  ASSERT_NE(leaf->Heading(), nullptr);
  ASSERT_NE(leaf->Heading()->Heading(), nullptr) << "three levels";
  const TRect id = grid->CellRect(1, 0);
  const TRect name = grid->CellRect(kName, 0);
  const int leafY = id.Bottom - 4;
  const int middleY = id.Bottom - leaf->Height - leaf->Heading()->Height / 2;
  const int topY = id.Top + 3;
  EXPECT_EQ(At(id.Right, leafY), ColorToRGB(clBlack)) << "a line between the leaves";
  EXPECT_NE(At(id.Right, middleY), ColorToRGB(clBlack)) << "one heading over both";
  EXPECT_NE(At(id.Right, topY), ColorToRGB(clBlack));
  EXPECT_NE(At(name.Right, topY), ColorToRGB(clBlack)) << "the top heading spans three columns";
  EXPECT_FALSE(InkBounds(clBtnFace, Rect(id.Left + 3, topY - 1, grid->CellRect(kAmount, 0).Right - 3, topY + 8)).IsEmpty())
      << "the top heading's text";
  EXPECT_FALSE(InkBounds(clBtnFace, Rect(id.Left + 3, leafY - 8, id.Right - 3, leafY)).IsEmpty()) << "a leaf's text";
}

// The headings above a leaf stack from the title row's top, each as high as the title tree
// made it; the line under a heading shows where its band ends, and every pixel is painted.
TEST_P(GridPaint, MultiLevelHeadingsBeginAtTheTitleRowsTop) {
  Make(5, 420, 240);
  UnderOneHeading();
  for (bool fixed3D : {true, false}) {
    SCOPED_TRACE(fixed3D);
    grid->SetOptionsEx(fixed3D ? grid->OptionsEx() + dghFixed3D : grid->OptionsEx() - dghFixed3D);
    Paint();
    THeadTreeNode* heading = grid->Layout()->TitleLeaf(0)->Heading();
    ASSERT_NE(heading, nullptr);
    const TRect id = grid->CellRect(1, 0);
    EXPECT_EQ(At(id.Left + 3, id.Top + heading->Height - 1), ColorToRGB(clBlack)) << "the line under the heading";
    EXPECT_NE(At(id.Left + 3, id.Top + heading->Height - 2), ColorToRGB(clBlack)) << "inside the heading";
    // Nothing of what the window showed before is left between a heading and the titles under it.
    const TRect titles = Rect(0, 0, grid->CellRect(kAmount, 0).Right, grid->RowHeights(0));
    EXPECT_EQ(Count(clFuchsia, titles), 0) << "pixels left unpainted in " << Describe(titles);
  }
}

// A heading whose columns are partly scrolled away keeps its text over the part that shows.
TEST_P(GridPaint, AHeadingKeepsItsTextOverThePartOfItsSpanThatShows) {
  struct Case {
    int IdWidth;
    int NameWidth;
    int LeftCol;
  };
  for (const Case& c : {Case{250, 100, kName}, Case{100, 600, 1}}) {
    SCOPED_TRACE(c.LeftCol);
    Make(5, 300, 240);
    UnderOneHeading();
    Column(1)->SetWidth(c.IdWidth);
    Column(kName)->SetWidth(c.NameWidth);
    grid->SetLeftCol(c.LeftCol);
    ASSERT_EQ(grid->LeftCol(), c.LeftCol);
    Paint();
    const int headingHeight = grid->Layout()->TitleLeaf(0)->Heading()->Height;
    const int left = grid->CellRect(c.LeftCol, 0).Left;
    const TRect band = Rect(left + 3, 3, grid->ClientWidth() - 3, headingHeight - 3);
    EXPECT_FALSE(InkBounds(clBtnFace, band).IsEmpty()) << "the heading's text over " << Describe(band);
    TearDown();
  }
}

// A heading over a frozen column and the one after it writes its text once, over the middle.
TEST_P(GridPaint, AHeadingOverAFrozenColumnWritesItsTextOnceOverItsMiddle) {
  Make(5, 420, 240);
  UnderOneHeading();
  Column(1)->SetWidth(100);
  Column(kName)->SetWidth(100);
  grid->SetFrozenCols(1);
  Paint();
  const int headingHeight = grid->Layout()->TitleLeaf(0)->Heading()->Height;
  const TRect id = grid->CellRect(1, 0);
  const TRect name = grid->CellRect(kName, 0);
  const TRect ink = InkBounds(clBtnFace, Rect(id.Left + 3, 3, name.Right - 3, headingHeight - 3));
  ASSERT_FALSE(ink.IsEmpty());
  const int middle = (id.Left + name.Right) / 2;
  EXPECT_LE(std::abs((ink.Left + ink.Right) / 2 - middle), 3) << Describe(ink) << " around " << middle;
  EXPECT_LT(ink.Width(), grid->Canvas()->TextWidth("联系人") + 6) << "one text: " << Describe(ink);
}

TEST_P(GridPaint, FooterCellsShowEveryKindOfValue) {
  Make(5);
  grid->SetFooterRowCount(1);
  grid->SetFooterColor(clInfoBk);
  Column(1)->Footer()->SetValueType(fvtCount);
  Column(kName)->Footer()->SetValueType(fvtStaticText);
  Column(kName)->Footer()->SetValue("合计");
  Column(kAmount)->Footer()->SetValueType(fvtSum);
  Column(kFlag)->Footer()->SetValueType(fvtAvg);
  Column(kFlag)->Footer()->SetFieldName("ID");
  Column(kCode)->Footer()->SetValueType(fvtFieldValue);
  Column(kCode)->Footer()->SetFieldName("Name");
  grid->SumList()->SetActive(true);
  Paint();
  const int footer = grid->RowCount() - 1;
  for (int col = 1; col <= kCode; ++col) {
    SCOPED_TRACE(col);
    EXPECT_EQ(Corner(col, footer), ColorToRGB(clInfoBk));
    EXPECT_FALSE(InkBounds(clInfoBk, Inside(col, footer)).IsEmpty());
  }
  const int filler = footer - 1;
  if (grid->RowHeights(filler) > 4) {
    EXPECT_EQ(Corner(kName, filler), ColorToRGB(clWindow));
  }
}

TEST_P(GridPaint, FilterRowIsLighterThanTheFixedCells) {
  Make(5);
  grid->SetFixedColor(static_cast<TColor>(RGB(192, 192, 192)));
  grid->STFilter()->SetVisible(true);
  Paint();
  EXPECT_EQ(Corner(kName, 1), static_cast<TColor>(RGB(216, 216, 216)));
  EXPECT_NE(At(grid->CellRect(kName, 1).Right - 1, grid->CellRect(kName, 1).Bottom - 1), ColorToRGB(clBtnShadow))
      << "a filter cell is never raised";
  EXPECT_EQ(Corner(0, 1), static_cast<TColor>(RGB(192, 192, 192))) << "the indicator beside it";
}

TEST_P(GridPaint, FilterCellShowsItsExpressionInBlue) {
  Make(5);
  grid->STFilter()->SetVisible(true);
  Paint();
  const TColor blue = static_cast<TColor>(0xFF0000);
  EXPECT_EQ(Count(blue, Inside(kAmount, 1)), 0) << "nothing typed yet";
  Column(kAmount)->STFilter()->SetExpressionTextAndRefresh(">5");
  Paint();
  const TRect ink = InkBounds(Corner(kAmount, 1), Inside(kAmount, 1, 1));
  EXPECT_GT(Count(blue, Inside(kAmount, 1)), 10) << "the expression's text";
  EXPECT_LT(ink.Left, grid->CellRect(kAmount, 1).Left + 5) << "left-aligned " << Describe(ink);
}

TEST_P(GridPaint, RightToLeftGridMirrorsItsCells) {
  Make(5);
  const int row = grid->TitleOffset() + 1;
  const TRect cell = grid->CellRect(kName, row);
  grid->SetBiDiMode(bdRightToLeft);
  Paint();
  const int width = grid->ClientWidth();
  const TRect mirrored = Rect(width - cell.Right, cell.Top, width - cell.Left, cell.Bottom);
  const TRect ink = InkBounds(clWindow, Rect(mirrored.Left + 1, mirrored.Top + 1, mirrored.Right - 1, mirrored.Bottom - 1));
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Right, mirrored.Right - 6) << "left-aligned text starts at the right " << Describe(ink);
  EXPECT_GT(ink.Left, mirrored.Left + 4);
  const TRect indicator = grid->CellRect(0, grid->Row());
  const int right = grid->ClientWidth();
  EXPECT_FALSE(InkBounds(clBtnFace, Rect(right - indicator.Right + 2, indicator.Top + 2, right - 2,
                                         indicator.Bottom - 2)).IsEmpty())
      << "the indicator column is on the right, its arrow in it";
}

TEST_P(GridPaint, FlatGridDrawsItsOwnSunkenBorder) {
  Make(5);
  grid->SetBorderStyle(bsSingle);
  grid->SetFlat(true);
  Paint();
  EXPECT_EQ(At(0, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(bmp.Width() - 1, bmp.Height() - 1), ColorToRGB(clBtnHighlight));
}

TEST_P(GridPaint, GridReadFromAStoredLayoutPaintsTheSame) {
  Make(6);
  grid->SetFooterRowCount(1);
  grid->SetOptionsEx(grid->OptionsEx() + dghData3D);
  grid->Columns()->Clear();
  TColumnEx* name = grid->Columns()->Add();
  name->SetFieldName("Name");
  name->Title()->SetCaption("姓名");
  name->Title()->SetSortMarker(smDownEx);
  name->Footer()->SetValueType(fvtStaticText);
  name->Footer()->SetValue("合计");
  TColumnEx* flag = grid->Columns()->Add();
  flag->SetFieldName("Flag");
  flag->SetCheckboxes(true);
  TColumnEx* amount = grid->Columns()->Add();
  amount->SetFieldName("Amount");
  amount->SetAlignment(taCenter);
  Paint();
  TBitmap built;
  built.Assign(&bmp);
  TDBGridEx* copy = nullptr;
  TForm* other = MakeForm(grid->Width(), grid->Height(), copy);
  CopyByStream(grid, copy);
  copy->SetDataSource(items_->source());
  Paint(copy);
  int differing = 0;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) differing += bmp.Pixel32(x, y) != built.Pixel32(x, y) ? 1 : 0;
  }
  EXPECT_EQ(differing, 0);
  delete other;
}

TEST_P(GridPaint, ScrollingOneRowMovesPixelsAndRepaintsOnlyWhatChanged) {
  Make(60);
  UpdateWindow(form_->Handle());
  items_->ds()->MoveBy(grid->VisibleDataRowCount() - 1);
  UpdateWindow(form_->Handle());
  const int last = grid->Row();
  items_->ds()->Next();
  TRect update;
  ASSERT_TRUE(GetUpdateRect(grid->Handle(), update));
  EXPECT_GE(update.Top, grid->CellRect(0, last - 1).Top) << "only the last two rows " << Describe(update);
  UpdateWindow(form_->Handle());
  Paint();
  TBitmap* surface = WindowSurface(form_->Handle());
  ASSERT_NE(surface, nullptr);
  const TPoint origin = grid->ClientToScreen(Point(0, 0));
  const TPoint formOrigin = form_->ClientToScreen(Point(0, 0));
  const TPoint clientInForm = Point(origin.x - formOrigin.x, origin.y - formOrigin.y);
  TRect formClient;
  GetWindowRect(form_->Handle(), formClient);
  const int dx = clientInForm.x + formOrigin.x - formClient.Left;
  const int dy = clientInForm.y + formOrigin.y - formClient.Top;
  int differing = 0;
  for (int y = 0; y < grid->ClientHeight(); ++y) {
    for (int x = 0; x < grid->ClientWidth(); ++x) differing += surface->Pixel32(x + dx, y + dy) != bmp.Pixel32(x, y) ? 1 : 0;
  }
  EXPECT_EQ(differing, 0) << "the scrolled picture is the picture a full repaint makes";
}

INSTANTIATE_TEST_SUITE_P(Stores, GridPaint, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
