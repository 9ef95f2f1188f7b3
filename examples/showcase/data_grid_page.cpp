#include "examples/showcase/data_grid_page.h"

#include <cstdlib>

#include "examples/showcase/showcase_data_file.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/controls/label.h"
#include "platform/controls/memo.h"
#include "platform/core/exceptions.h"
#include "platform/data/data_source.h"
#include "platform/data/field.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"

TDataGridPage PlaceDataGrid(TWinControl* page, const String& gridName, const String& table) {
  TDataGridPage placed;
  placed.data = new TSqliteDataSet(page);
  placed.data->SetTableName(table);
  placed.source = new TDataSource(page);
  placed.source->SetDataSet(placed.data);
  placed.grid = new TDBGridEx(page);
  placed.grid->SetName(gridName);
  placed.grid->SetParent(page);
  placed.grid->SetAlign(alClient);
  placed.grid->SetDataSource(placed.source);
  // Columns that cut their texts may show them whole in a tool tip; the grid only shows tips
  // when hints are on.
  placed.grid->SetShowHint(true);
  // The rows follow the thumb while it is dragged, as the client's users expect of a long list.
  placed.grid->VertScrollBar()->SetTracking(true);
  return placed;
}

TColumnEx* AddGridColumn(TDBGridEx* grid, const String& fieldName, const String& caption, int width) {
  TColumnEx* column = grid->Columns()->Add();
  column->SetFieldName(fieldName);
  column->Title()->SetCaption(caption);
  column->SetWidth(width);
  return column;
}

bool OpenDataGridPage(TWinControl* page, TDataGridPage& grid, const TShowcaseDataFile& file) {
  TShowcaseDataFile shown = file;
  if (shown.Usable()) {
    try {
      grid.data->SetDatabaseName(file.path);
      grid.data->Open();
      return true;
    } catch (const EDatabaseError& e) {
      shown.problem = "无法打开数据文件“" + file.path + "”中的数据表 " + grid.data->TableName() + "。";
      shown.details = e.Message();
    }
  }
  delete grid.grid;
  delete grid.source;
  delete grid.data;
  grid = {};
  ShowDataProblem(page, shown);
  return false;
}

namespace {

constexpr int kProblemMargin = 16;
constexpr int kProblemLines = 4;

// The explanation, word-wrapped across the top of the page with room for a few lines.
void ShowProblemText(TWinControl* page, const String& problem, bool detailsBelow) {
  auto* message = new TLabel(page);
  message->SetName("DataProblem");
  message->SetParent(page);
  message->SetAutoSize(false);
  message->SetWordWrap(true);
  message->SetAlignment(taCenter);
  message->SetLayout(detailsBelow ? tlBottom : tlCenter);
  message->Font()->SetColor(clMaroon);
  message->SetHeight(kProblemMargin + kProblemLines * std::abs(message->Font()->Height()) * 3 / 2);
  message->SetAlign(detailsBelow ? alTop : alClient);
  message->SetCaption(problem);
}

// What the system said, as it said it: read-only, and scrolling however long it runs.
void ShowProblemDetails(TWinControl* page, const String& details) {
  auto* box = new TMemo(page);
  box->SetName("DataProblemDetails");
  box->SetParent(page);
  box->SetAlign(alClient);
  box->SetReadOnly(true);
  box->SetScrollBars(ssBoth);
  box->SetWordWrap(false);
  box->SetText(details);
}

}  // namespace

void ShowDataProblem(TWinControl* page, const TShowcaseDataFile& file) {
  ShowProblemText(page, file.problem, !file.details.empty());
  if (!file.details.empty()) ShowProblemDetails(page, file.details);
}

void FilterOnFilterRow(const TDataGridPage& grid) {
  grid.grid->STFilter()->SetVisible(true);
  grid.grid->SetOptionsEx(grid.grid->OptionsEx() + dghDblClickOptimizeColWidth);
}

void ListColumnValues(TWinControl* page, const TDataGridPage& grid, TColumnEx* column, const String& table) {
  if (grid.data == nullptr || !grid.data->Active()) return;
  auto* values = new TSqliteDataSet(page);
  values->SetDatabaseName(grid.data->DatabaseName());
  values->SetSQL("SELECT DISTINCT " + SqlIdentifier(column->FieldName()) + " FROM " + SqlIdentifier(table) +
                 " ORDER BY 1");
  values->SetReadOnly(true);
  auto* source = new TDataSource(page);
  source->SetDataSet(values);
  try {
    values->Open();
  } catch (const EDatabaseError&) {
    // Without its list the filter cell still takes typed expressions.
    return;
  }
  column->STFilter()->SetListSource(source);
}

namespace {

void SortOnMarkedColumns(TDBGridEx* grid, TSqliteDataSet* data) {
  const std::vector<TColumnEx*>& marked = grid->SortMarkedColumns();
  String fields;
  for (TColumnEx* column : marked) fields += (fields.empty() ? "" : ";") + column->FieldName();
  const bool descending = !marked.empty() && marked.front()->Title()->SortMarker() == smUpEx;
  data->SortOnFields(fields, true, descending);
}

}  // namespace

void SortOnTitleClicks(const TDataGridPage& grid) {
  grid.grid->ColumnDefValues()->Title()->SetTitleButton(true);
  TDBGridExOptions options = grid.grid->OptionsEx();
  options.Include(dghAutoSortMarking);
  options.Include(dghMultiSortMarking);
  grid.grid->SetOptionsEx(options);
  grid.grid->OnSortMarkingChanged.Bind(nullptr, "SortMarkingChanged", [grid](TObject*) {
    if (grid.data->Active()) SortOnMarkedColumns(grid.grid, grid.data);
  });
}

void NameFieldsAfterTitles(const TDataGridPage& grid) {
  for (int i = 0; i < grid.grid->Columns()->Count(); ++i) {
    TColumnEx* column = grid.grid->Columns()->Items(i);
    TField* field = column->Field();
    const String& caption = column->Title()->Caption();
    if (field != nullptr) field->SetDisplayLabel(caption.substr(caption.rfind('|') + 1));
  }
}

void RequireTextInRequiredFields(const TDataGridPage& grid) {
  for (int i = 0; i < grid.data->FieldCount(); ++i) {
    TField* field = grid.data->Fields()->Fields(i);
    if (!field->Required() || field->DataType() != ftString) continue;
    field->OnSetText.Bind(nullptr, "EmptyTextIsNoValue", [](TField* sender, const String& text) {
      if (Trim(text).empty()) sender->Clear();
      else sender->SetAsString(text);
    });
  }
  grid.grid->ColumnDefValues()->SetHighlightRequired(true);
}
