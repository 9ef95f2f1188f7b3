// Optimal column widths: the widest title, data text and footer of each column.
#include "gridlib/grid/column_width_optimizer.h"

#include <algorithm>
#include <memory>

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/grid/cell_text_measure.h"
#include "gridlib/grid/column_data_measure.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/core/scope_guard.h"
#include "platform/data/dataset.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/image_list.h"

namespace {

constexpr int kTitleMargin = 4;
constexpr int kFooterMargin = 5;

}  // namespace

TCanvas* TColumnWidthOptimizer::Canvas() { return grid_->Canvas(); }

unsigned TColumnWidthOptimizer::ReadingFlag(TColumnEx* column) {
  return column->UseRightToLeftReading() ? static_cast<unsigned>(DT_RTLREADING) : 0u;
}

// The height the column's title text has to itself: its leaf's own caption under a
// multi-level title, else the title row.
int TColumnWidthOptimizer::TitleHeight(TColumnEx* column) {
  const int row = grid_->RowHeights(0);
  if (!grid_->UseMultiTitle()) return row;
  THeadTreeNode* leaf = grid_->Layout()->TitleLeaf(column->Index());
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
    THeadTreeNode* leaf = grid_->Layout()->TitleLeaf(column->Index());
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

void TColumnWidthOptimizer::DataTextWidth(TColumnEx* column, int& width) {
  width = std::max(width, TColumnDataMeasure(grid_, column).CurrentWidth());
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
    const bool wordWrap = footer->WordWrap() && grid_->Layout()->WordWrapPossible();
    width = std::max(width, CellTextWidth(Canvas(), text, grid_->DefaultRowHeight(), wordWrap) + kFooterMargin);
  }
}

void TColumnWidthOptimizer::MeasureRecords(const TColumnsExList& columns, std::vector<int>& widths) {
  // The walk posts a record being edited while the grid hears nothing: typed text goes in first.
  grid_->WriteEditorText();
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  TKeptCursorEx kept(dataSet);
  std::vector<std::unique_ptr<TColumnDataMeasure>> measures;
  for (TColumnEx* column : columns) measures.push_back(std::make_unique<TColumnDataMeasure>(grid_, column));
  const bool sequenced = dataSet->IsSequenced();
  dataSet->First();
  int recNo = dataSet->RecNo();
  const int count = dataSet->RecordCount();
  while (!dataSet->Eof()) {
    for (size_t i = 0; i < columns.size(); ++i) widths[i] = std::max(widths[i], measures[i]->CurrentWidth());
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
