#include "gridlib/grid/column_width_optimizer.h"

#include <algorithm>

#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/cell_text_measure.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_unit.h"
#include "platform/core/scope_guard.h"
#include "platform/data/dataset.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/image_list.h"

namespace {

constexpr int kTitleMargin = 4;
constexpr int kDataMargin = 4;
constexpr int kFooterMargin = 5;
constexpr int kTreeStep = 18;

bool HasLineBreak(const String& text) { return text.find_first_of("\r\n") != String::npos; }

}  // namespace

TCanvas* TColumnWidthOptimizer::Canvas() { return grid_->Canvas(); }

unsigned TColumnWidthOptimizer::ReadingFlag(TColumnEx* column) {
  return column->UseRightToLeftReading() ? static_cast<unsigned>(DT_RTLREADING) : 0u;
}

// A single line measures as its extent; anything else as DrawText lays it out.
int TColumnWidthOptimizer::TextWidth(const String& text, int height, bool wordWrap) {
  if (!wordWrap && !HasLineBreak(text)) return text.empty() ? 0 : Canvas()->TextWidth(text);
  return MeasureCellTextEx(Canvas(), text, 0, height, 0, wordWrap, 0).Width;
}

// The height the column's title text has to itself: its leaf's own caption under a
// multi-level title, else the title row.
int TColumnWidthOptimizer::TitleHeight(TColumnEx* column) {
  const int row = grid_->RowHeights(0);
  if (!grid_->UseMultiTitle()) return row;
  THeadTreeNode* leaf = grid_->TitleLeaf(column->Index());
  return leaf != nullptr ? leaf->Height : row;
}

// The title is measured in a box as wide as the column itself, so a column scrolled out of
// view fits as well as one on screen.
void TColumnWidthOptimizer::TitleTextWidth(TColumnEx* column, int& width) {
  TColumnTitleEx* title = column->Title();
  const int marker = title->SortMarkerWidth();
  const int margin = marker > 2 ? 2 + marker : kTitleMargin;
  if (grid_->TitleImages() != nullptr && title->ImageIndex() != -1) {
    width = std::max(width, margin + grid_->TitleImages()->Width());
    return;
  }
  TRect box = Rect(0, 0, column->Width() - margin, TitleHeight(column));
  String text = title->Caption();
  if (grid_->UseMultiTitle()) {
    THeadTreeNode* leaf = grid_->TitleLeaf(column->Index());
    text = leaf != nullptr ? leaf->Text : text;
  }
  bool wordWrap = grid_->UseMultiTitle() || grid_->TitleHeight() != 0 || grid_->TitleLines() != 0;
  const bool vertical = title->Orientation() == tohVertical;
  if (vertical) {
    wordWrap = false;
    TurnRectEx(box);
  }
  Canvas()->Font()->Assign(title->Font());
  const TCellTextSize size = MeasureCellTextEx(Canvas(), text, box.Right - box.Left, box.Bottom - box.Top,
                                               wordWrap ? 2 : 0, wordWrap, ReadingFlag(column));
  width = std::max(width, (vertical ? size.Height : size.Width) + margin);
}

int TColumnWidthOptimizer::DataMargin(TColumnEx* column) {
  int margin = kDataMargin;
  if (column->AlwaysShowEditButton()) margin += column->EditButtonsWidth();
  const std::vector<int>& shown = grid_->VisibleColumns();
  IMemTableEx* tree = grid_->InMemTableMode() ? grid_->MemTableIntf() : nullptr;
  if (tree != nullptr && tree->TreeViewActive() && !shown.empty() && shown.front() == column->Index())
    margin += kTreeStep * std::max(0, tree->NodeLevel());
  return margin;
}

void TColumnWidthOptimizer::DataTextWidth(TColumnEx* column, int& width) {
  const int margin = DataMargin(column);
  const TColumnCellType kind = column->GetColumnType();
  if (kind == cctImageList && column->ImageList() != nullptr) {
    width = std::max(width, column->ImageList()->Width() + margin);
    return;
  }
  if (kind == cctCheckboxes) {
    width = std::max(width, DefaultCheckBoxWidth() + margin);
    return;
  }
  TFont* font = Canvas()->Font();
  font->Assign(column->Font());
  TColCellParamsEx* params = grid_->CellPainter()->CellParams();
  params->Background = Canvas()->Brush()->Color();
  params->State = {};
  params->Alignment = column->Alignment();
  params->Text = column->DisplayText();
  params->Col = column->Index() + grid_->IndicatorOffset();
  params->Row = 0;
  grid_->GetCellParams(column, font, params->Background, params->State);
  if (column->OnGetCellParams.Assigned()) {
    params->Font->Assign(font);
    column->GetColCellParams(false, params);
    font->Assign(params->Font.get());
  }
  const bool wordWrap = column->WordWrap() && grid_->WordWrapPossible();
  width = std::max(width, TextWidth(params->Text, grid_->DefaultRowHeight(), wordWrap) + margin);
}

void TColumnWidthOptimizer::FooterTextWidth(TColumnEx* column, int& width) {
  for (int row = 0; row < grid_->FooterRowCount(); ++row) {
    TColumnFooterEx* footer = column->GetFooter(row);
    TFont* font = Canvas()->Font();
    font->Assign(footer->Font());
    Canvas()->Brush()->SetColor(footer->Color());
    TColor background = footer->Color();
    TAlignment alignment = footer->Alignment();
    String text = grid_->GetFooterValue(row, column);
    grid_->GetFooterParams(column->Index(), row, column, font, background, alignment, {}, text);
    const bool wordWrap = footer->WordWrap() && grid_->WordWrapPossible();
    width = std::max(width, TextWidth(text, grid_->DefaultRowHeight(), wordWrap) + kFooterMargin);
  }
}

void TColumnWidthOptimizer::MeasureRecords(const TColumnsExList& columns, std::vector<int>& widths) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  TGridDataLinkEx* link = grid_->DataLink();
  DisableControlsGuard quiet(dataSet);
  const TBookmark current = dataSet->Bookmark();
  const int currentRow = link->ActiveRecord();
  ScopeGuard restore([&] {
    if (!current.empty() && dataSet->BookmarkValid(current)) dataSet->GotoBookmarkAtRow(current, currentRow);
  });
  const bool sequenced = dataSet->IsSequenced();
  dataSet->First();
  int recNo = dataSet->RecNo();
  const int count = dataSet->RecordCount();
  while (!dataSet->Eof()) {
    for (size_t i = 0; i < columns.size(); ++i) DataTextWidth(columns[i], widths[i]);
    dataSet->Next();
    if (sequenced && recNo >= count) break;
    recNo = dataSet->RecNo();
  }
}

void TColumnWidthOptimizer::Optimize(const TColumnsExList& columns) {
  // Measuring sets the canvas's font and brush as each part is painted with; painting
  // finds them as it left them.
  TFont font;
  font.Assign(Canvas()->Font());
  const TColor brush = Canvas()->Brush()->Color();
  ScopeGuard restoreCanvas([&] {
    Canvas()->Font()->Assign(&font);
    Canvas()->Brush()->SetColor(brush);
  });
  std::vector<int> widths(columns.size(), 0);
  for (size_t i = 0; i < columns.size(); ++i) TitleTextWidth(columns[i], widths[i]);
  if (!grid_->DataLink()->Active()) return;
  MeasureRecords(columns, widths);
  // Under auto-fit each width goes into the column's design width, laid out once at the end.
  const bool locked = !grid_->AutoFitColWidths();
  if (locked) grid_->BeginLayout();
  ScopeGuard unlock([&] {
    if (locked) grid_->EndLayout();
  });
  for (size_t i = 0; i < columns.size(); ++i) {
    FooterTextWidth(columns[i], widths[i]);
    columns[i]->SetWidth(widths[i]);
  }
}

TColumnsExList ColumnsFitAtDivider(TCustomDBGridEx* grid, TColumnEx* clicked) {
  TDBGridExSelection* selection = grid->Selection();
  TColumnsExList columns;
  if (selection->SelectionType() == gstColumns && selection->Columns()->Contains(clicked)) {
    for (int i = 0; i < selection->Columns()->Count(); ++i) columns.push_back(selection->Columns()->Items(i));
  } else if (selection->SelectionType() == gstAll) {
    for (int i = 0; i < grid->Columns()->Count(); ++i) columns.push_back(grid->Columns()->Items(i));
  } else {
    columns.push_back(clicked);
  }
  return columns;
}

void TCustomDBGridEx::OptimizeColsWidth(const std::vector<TColumnEx*>& columns) {
  TColumnWidthOptimizer(this).Optimize(columns);
}

void TColumnEx::OptimizeWidth() {
  if (TDBGridExHost* grid = GetGrid()) grid->OptimizeColsWidth({this});
}
