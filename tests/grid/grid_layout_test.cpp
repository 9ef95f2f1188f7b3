// Layout numbers of the data grid over real data sets: columns, frozen columns, row and
// title heights, buffered records, footers, auto-fit and the vertical scroll range.
#include <gtest/gtest.h>

#include <memory>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/mem_dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/text_out.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

int SampleHeight(TFont* font) {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  bitmap.Canvas()->Font()->Assign(font);
  return bitmap.Canvas()->TextHeight("Wg");
}

TEXTMETRIC Metrics(TFont* font) {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  bitmap.Canvas()->Font()->Assign(font);
  TEXTMETRIC tm;
  GetTextMetrics(bitmap.Canvas()->Handle(), &tm);
  return tm;
}

class GridLayout : public GridInForm {};

TEST_P(GridLayout, DefaultColumnsFollowTheFieldsWithTheIndicatorFixed) {
  Make(50);
  EXPECT_EQ(grid->Columns()->Count(), 6);
  EXPECT_EQ(grid->ColCount(), 7);
  EXPECT_EQ(grid->FixedCols(), 1);
  EXPECT_EQ(grid->ColWidths(0), 11) << "the indicator column";
  EXPECT_EQ(grid->ColWidths(2), grid->Columns()->Items(1)->Width());
  grid->SetOptions(grid->Options() - dgIndicator);
  EXPECT_EQ(grid->ColCount(), 6);
  EXPECT_EQ(grid->FixedCols(), 0);
}

TEST_P(GridLayout, FrozenColumnsCountHiddenOnesAndNeverReachColCount) {
  Make(20);
  grid->SetFrozenCols(2);
  EXPECT_EQ(grid->FixedCols(), 3);
  grid->Columns()->Items(1)->SetVisible(false);
  EXPECT_EQ(grid->FixedCols(), 4) << "two visible columns stay frozen around the hidden one";
  EXPECT_EQ(grid->ColWidths(2), -1) << "a hidden column leaves only its line";
  grid->SetFrozenCols(50);
  EXPECT_EQ(grid->FixedCols(), grid->ColCount() - 1);
  for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->SetVisible(false);
  EXPECT_LT(grid->FixedCols(), grid->ColCount());
}

TEST_P(GridLayout, RowHeightsFollowFontsAndSettings) {
  Make(30);
  TFont* font = grid->Font();
  const int textHeight = SampleHeight(font);
  EXPECT_EQ(grid->DefaultRowHeight(), textHeight + 3 + 1) << "text, margin and row line";
  EXPECT_EQ(grid->RowHeights(0), SampleHeight(grid->Columns()->Items(0)->Title()->Font()) + 4);
  grid->SetFlat(true);
  EXPECT_EQ(grid->DefaultRowHeight(), textHeight + 1 + 1);
  EXPECT_EQ(grid->RowHeights(0), SampleHeight(grid->Columns()->Items(0)->Title()->Font()) + 2);
  grid->SetFlat(false);
  font->SetSize(font->Size() * 2);
  const int bigHeight = SampleHeight(font);
  EXPECT_GT(bigHeight, textHeight);
  EXPECT_EQ(grid->DefaultRowHeight(), bigHeight + 4);
  grid->SetRowLines(2);
  grid->SetRowHeight(5);
  const TEXTMETRIC tm = Metrics(font);
  EXPECT_EQ(grid->DefaultRowHeight(), (tm.tmHeight + tm.tmExternalLeading) * 2 + 5);
  EXPECT_TRUE(grid->Layout()->WordWrapPossible());
}

TEST_P(GridLayout, TitleLinesSetTheTitleHeight) {
  Make(5);
  grid->SetTitleLines(2);
  grid->SetTitleHeight(3);
  const TEXTMETRIC tm = Metrics(grid->Columns()->Items(0)->Title()->Font());
  EXPECT_EQ(grid->RowHeights(0), 2 * tm.tmHeight + tm.tmExternalLeading + 2 + 3 + 1);
}

TEST_P(GridLayout, FittingRowsToTextRoundsToWholeLinesAndStaysPut) {
  Make(30);
  const int text = SampleHeight(grid->Font());
  const int extra = 4;
  grid->SetOptionsEx(grid->OptionsEx() + dghFitRowHeightToText);
  EXPECT_EQ(grid->DefaultRowHeight(), text + extra) << "one whole line is left as it is";
  grid->SetRowLines(2);
  grid->SetRowHeight(extra + text / 2 + 1);
  EXPECT_EQ(grid->DefaultRowHeight(), 3 * text + extra) << "more than half a line rounds up";
  grid->SetRowLines(2);
  grid->SetRowHeight(extra + text / 2);
  EXPECT_EQ(grid->DefaultRowHeight(), 2 * text + extra) << "half a line or less rounds down";
  grid->SetRowLines(2);
  grid->SetRowHeight(extra + text / 2 + 1);
  const int fitted = grid->DefaultRowHeight();
  for (int i = 0; i < 3; ++i) grid->LayoutChanged();
  EXPECT_EQ(grid->DefaultRowHeight(), fitted);
  grid->Font()->SetSize(grid->Font()->Size() + 3);
  const int second = grid->DefaultRowHeight();
  grid->LayoutChanged();
  EXPECT_EQ(grid->DefaultRowHeight(), second) << "stable with another font too";
}

TEST_P(GridLayout, DataRowsFillTheWindowAndTheLinkBuffersThem) {
  for (int height : {120, 300, 517}) {
    Make(1000, 400, height);
    const int room = grid->ClientHeight() - (grid->RowHeights(0) + 1);
    const int rows = room / Pitch();
    EXPECT_EQ(grid->DataLink()->BufferCount(), rows) << "height " << height;
    EXPECT_EQ(grid->RowCount(), 1 + rows);
    EXPECT_EQ(grid->FixedRows(), 1);
    TearDown();
  }
}

TEST_P(GridLayout, FewRecordsGiveFewRowsAndFootersSitAtTheBottom) {
  Make(3, 400, 300);
  EXPECT_EQ(grid->RowCount(), 4);
  grid->SetFooterRowCount(2);
  ASSERT_EQ(grid->RowCount(), 1 + 3 + 1 + 2);
  const int used = grid->RowHeights(0) + 1 + 2 * Pitch() + 1;
  EXPECT_EQ(grid->RowHeights(4), grid->ClientHeight() - used - 3 * Pitch()) << "filler row";
  const TRect lastFooter = grid->CellRect(1, 6);
  EXPECT_LE(grid->ClientHeight() - lastFooter.Bottom, 2) << "footers at the bottom edge";
  grid->SetHeight(40);
  EXPECT_EQ(grid->RowHeights(grid->RowCount() - 3), 0) << "no room left for the filler";
}

TEST_P(GridLayout, VerticalRangeCoversTheRecords) {
  Make(200, 400, 300);
  const SCROLLINFO info = VertScroll();
  const int page = grid->VisibleDataRowCount();
  EXPECT_EQ(info.nMin, 1);
  EXPECT_EQ(static_cast<int>(info.nPage), page);
  EXPECT_EQ(info.nMax, 200 + page - 1);
  EXPECT_EQ(info.nPos, 1);
  items_->ds()->Last();
  EXPECT_EQ(VertScroll().nPos, 200 + page - 1 - (page - 1)) << "last record";
}

TEST_P(GridLayout, EmptyDataSetHasAValidRangeAndOneRow) {
  Make(0, 200, 20);
  const SCROLLINFO info = VertScroll();
  EXPECT_LE(info.nMin, info.nMax);
  EXPECT_GE(info.nPos, info.nMin);
  EXPECT_LE(info.nPos, info.nMax);
  EXPECT_EQ(grid->RowCount(), 2);
  grid->SetHeight(200);
  grid->SetFooterRowCount(1);
  ASSERT_EQ(grid->RowCount(), 1 + 1 + 1 + 1) << "title, the empty data row, filler and footer";
  EXPECT_LE(grid->ClientHeight() - grid->CellRect(1, 3).Bottom, 2) << "the footer sits at the bottom";
}

TEST_P(GridLayout, AutoFitSharesTheWidthWithinLimitsAndGivesItBack) {
  Make(10, 500, 200);
  TDBGridColumnsEx* columns = grid->Columns();
  std::vector<int> design;
  for (int i = 0; i < columns->Count(); ++i) design.push_back(columns->Items(i)->Width());
  columns->Items(1)->SetMaxWidth(30);
  design[1] = columns->Items(1)->Width();
  grid->SetAutoFitColWidths(true);
  const int available = grid->ClientWidth() - 11 - columns->Count() - 1;
  int sum = 0;
  for (int i = 0; i < columns->Count(); ++i) sum += columns->Items(i)->Width();
  EXPECT_EQ(sum, available);
  EXPECT_EQ(columns->Items(1)->Width(), 30) << "held by its MaxWidth";
  EXPECT_EQ(grid->ScrollBars(), ssNone);
  grid->SetAutoFitColWidths(false);
  for (int i = 0; i < columns->Count(); ++i) EXPECT_EQ(columns->Items(i)->Width(), design[i]) << i;
  EXPECT_EQ(grid->ScrollBars(), ssHorizontal);
}

TEST_P(GridLayout, AutoFitOfZeroWidthsDoesNotDivideByZero) {
  Make(10, 300, 200);
  TDBGridColumnsEx* columns = grid->Columns();
  for (int i = 0; i < columns->Count(); ++i) columns->Items(i)->SetWidth(0);
  grid->SetAutoFitColWidths(true);
  int sum = 0;
  for (int i = 0; i < columns->Count(); ++i) {
    EXPECT_GE(columns->Items(i)->Width(), 0);
    sum += columns->Items(i)->Width();
  }
  EXPECT_EQ(sum, grid->ClientWidth() - 11 - columns->Count() - 1);
}

INSTANTIATE_TEST_SUITE_P(Stores, GridLayout, testing::Values(Store::Memory, Store::Sqlite), StoreName);

TEST(GridLayoutWithoutData, OneColumnPositionAndOneDataRow) {
  TApplicationScope scope;
  TDBGridEx grid(nullptr);
  grid.LayoutChanged();
  EXPECT_EQ(grid.Columns()->Count(), 1);
  EXPECT_EQ(grid.ColCount(), 2);
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.RowHeights(0), SampleHeight(grid.Columns()->Items(0)->Title()->Font()) + 4);
}

// Without data, columns the grid made itself freeze nothing; stored columns do.
TEST(GridLayoutWithoutData, OnlyStoredColumnsFreezeWhileTheLinkIsInactive) {
  TApplicationScope scope;
  TDBGridEx grid(nullptr);
  grid.SetFrozenCols(1);
  EXPECT_EQ(grid.FixedCols(), 1) << "the indicator only";
  for (int i = 0; i < 3; ++i) grid.Columns()->Add();
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.FixedCols(), 2);
  grid.Columns()->Items(1)->SetVisible(false);
  EXPECT_EQ(grid.FixedCols(), 3) << "a hidden column right after the frozen one goes with it";
}

}  // namespace
}  // namespace grid_test

namespace grid_test {
namespace {

// An in-memory data set that cannot tell record numbers.
class TUnnumberedDataSet : public TMemDataSet {
 public:
  TUnnumberedDataSet() : TMemDataSet(nullptr) {}
  bool IsSequenced() const override { return false; }
};

TEST(GridLayoutUnnumbered, ThumbShowsTopMiddleOrBottomOnly) {
  TApplicationScope scope;
  TUnnumberedDataSet ds;
  ds.FieldDefs()->Add("ID", ftInteger);
  ds.CreateDataSet();
  for (int id = 1; id <= 50; ++id) ds.AppendRecord({Variant(id)});
  ds.First();
  TDataSource source(nullptr);
  source.SetDataSet(&ds);
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 300, 300);
  auto* grid = new TDBGridEx(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 260, 200);
  grid->SetDataSource(&source);
  form->Show();
  auto position = [&] {
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    GetScrollInfo(grid->Handle(), SB_VERT, info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 4);
    return info.nPos;
  };
  EXPECT_EQ(position(), 0);
  ds.MoveBy(20);
  EXPECT_EQ(position(), 2);
  ds.Last();
  EXPECT_EQ(position(), 4);
  delete form;
}

// Height of a caption wrapped into `width` pixels, as a title cell shows it.
int WrappedHeight(TFont* font, const String& text, int width) {
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  bitmap.Canvas()->Font()->Assign(font);
  TRect rect(0, 0, width, 0);
  DrawText(bitmap.Canvas()->Handle(), text, rect, DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
  return rect.Bottom - rect.Top;
}

TEST(GridLayoutTitles, MultiLevelTitlesStackTheirCaptions) {
  TApplicationScope scope;
  TDBGridEx grid(nullptr);
  for (const char* caption : {"Amount|Net", "Amount|Gross", "Name"}) {
    grid.Columns()->Add()->Title()->SetCaption(caption);
  }
  grid.LayoutChanged();
  const int single = grid.RowHeights(0);
  grid.SetUseMultiTitle(true);
  EXPECT_GT(grid.RowHeights(0), single + 10) << "two caption levels with their margins";
  const int twoLevels = grid.RowHeights(0);
  grid.SetVTitleMargin(20);
  EXPECT_EQ(grid.RowHeights(0), twoLevels + 20) << "the margin counts once per level";
}

// The tallest stack of captions sets the height; a leaf beside a heading takes the whole
// height, a heading keeps what its leaves leave over.
TEST(GridLayoutTitles, TitleCellsShareTheHeightOfTheTallestStack) {
  TApplicationScope scope;
  TDBGridEx grid(nullptr);
  for (const char* caption : {"Amount|Net", "Amount|Gross", "Name"}) {
    grid.Columns()->Add()->Title()->SetCaption(caption);
  }
  grid.SetUseMultiTitle(true);
  THeadTreeNode* root = grid.TitleRoot();
  const std::vector<THeadTreeNode*>& leaves = grid.Layout()->TitleLeaves();
  ASSERT_EQ(leaves.size(), 3u);
  THeadTreeNode* heading = leaves[0]->Host;
  ASSERT_NE(heading, root);
  const int lines = grid.Options().Contains(dgColLines) ? grid.GridLineWidth() : 0;
  TFont* font = grid.Columns()->Items(0)->Title()->Font();
  const int leafCaption =
      std::max(WrappedHeight(font, "Net", leaves[0]->Width - 4 - lines),
               WrappedHeight(font, "Gross", leaves[1]->Width - 4 - lines)) + 10;
  EXPECT_EQ(leaves[0]->Height, leafCaption);
  EXPECT_EQ(leaves[1]->Height, leafCaption);
  const int headingCaption = WrappedHeight(grid.TitleFont(), "Amount", heading->Width - 4 - lines) + 10;
  const int total = std::max(headingCaption + leafCaption,
                             WrappedHeight(font, "Name", leaves[2]->Width - 4 - lines) + 10);
  EXPECT_EQ(root->Height, total);
  EXPECT_EQ(leaves[2]->Height, total) << "a leaf at the top takes the whole height";
  EXPECT_EQ(heading->Height, total - leafCaption);
  const int trim = grid.OptionsEx().Contains(dghFixed3D) ? 1 : 3;
  EXPECT_EQ(grid.RowHeights(0), total - trim);
  const bool fixed3D = grid.OptionsEx().Contains(dghFixed3D);
  grid.SetOptionsEx(fixed3D ? grid.OptionsEx() - dghFixed3D : grid.OptionsEx() + dghFixed3D);
  EXPECT_EQ(grid.RowHeights(0), total - (4 - trim)) << "the 3D frame leaves less to trim";
}

// A vertical caption stands as high as the text is long, plus its margin.
TEST(GridLayoutTitles, VerticalTitlesAreAsHighAsTheirTextIsLong) {
  TApplicationScope scope;
  TDBGridEx grid(nullptr);
  TColumnEx* column = grid.Columns()->Add();
  const String caption = "A rather long caption";
  column->Title()->SetCaption(caption);
  column->Title()->SetOrientation(tohVertical);
  grid.SetUseMultiTitle(true);
  TBitmap bitmap;
  bitmap.SetSize(1, 1);
  bitmap.Canvas()->Font()->Assign(column->Title()->Font());
  const int length = bitmap.Canvas()->TextWidth(caption);
  const int trim = grid.OptionsEx().Contains(dghFixed3D) ? 1 : 3;
  EXPECT_EQ(grid.Layout()->TitleLeaves()[0]->Height, length + 6);
  EXPECT_EQ(grid.RowHeights(0), length + 6 - trim);
  grid.SetVTitleMargin(30);
  EXPECT_EQ(grid.RowHeights(0), length + 6 - trim) << "the margin is for horizontal captions";
}

}  // namespace
}  // namespace grid_test

namespace grid_test {
namespace {

struct FontCase {
  const char* name;
  int size;
};

class GridLayoutFonts : public testing::TestWithParam<FontCase> {};

// Rows and titles measured in each font; fitted rows never grow from one layout to the next,
// whatever leading the font has.
TEST_P(GridLayoutFonts, RowsTitlesAndFittedHeightsFollowTheFont) {
  TApplicationScope scope;
  Items items(Store::Memory, 100);
  auto* form = new TForm(Application);
  form->SetBounds(0, 0, 500, 400);
  auto* grid = new TDBGridEx(form);
  grid->SetParent(form);
  grid->SetBounds(0, 0, 460, 330);
  grid->Font()->SetName(GetParam().name);
  grid->Font()->SetSize(GetParam().size);
  grid->TitleFont()->Assign(grid->Font());
  grid->SetDataSource(items.source());
  form->Show();
  const int text = SampleHeight(grid->Font());
  const TEXTMETRIC tm = Metrics(grid->Font());
  EXPECT_EQ(grid->DefaultRowHeight(), text + 4);
  const int pitch = grid->DefaultRowHeight() + 1;
  EXPECT_EQ(grid->DataLink()->BufferCount(), (grid->ClientHeight() - grid->RowHeights(0) - 1) / pitch);
  // Enough lines for the leading of the fonts that have one to add up to more than half a line.
  grid->SetRowLines(8);
  EXPECT_EQ(grid->DefaultRowHeight(), 8 * (tm.tmHeight + tm.tmExternalLeading));
  grid->SetOptionsEx(grid->OptionsEx() + dghFitRowHeightToText);
  const int fitted = grid->DefaultRowHeight();
  EXPECT_EQ((fitted - 4) % text, 0) << "whole lines";
  for (int i = 0; i < 4; ++i) grid->LayoutChanged();
  EXPECT_EQ(grid->DefaultRowHeight(), fitted) << "leading " << tm.tmExternalLeading;
  delete form;
}

INSTANTIATE_TEST_SUITE_P(Fonts, GridLayoutFonts,
                         testing::Values(FontCase{"MS Sans Serif", 8}, FontCase{"Tahoma", 12},
                                         FontCase{"Arial", 20}, FontCase{"宋体", 10},
                                         FontCase{"宋体", 14}),
                         [](const testing::TestParamInfo<FontCase>& test) {
                           return "Font" + std::to_string(test.index) + "Size" + std::to_string(test.param.size);
                         });

}  // namespace
}  // namespace grid_test
