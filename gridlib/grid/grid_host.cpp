// The grid-wide settings and owned objects that the column model and selection rely on.
#include "gridlib/grid/grid_host.h"

#include <algorithm>

#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/text_out.h"

// Fonts measure the same on any canvas; a small bitmap of our own saves borrowing a device
// context from a window (which may not exist yet).
TCanvas* FontMeasuringCanvas(TFont* font) {
  static TBitmap* scratch = [] {
    auto* bitmap = new TBitmap();
    bitmap->SetSize(1, 1);
    return bitmap;
  }();
  TCanvas* canvas = scratch->Canvas();
  canvas->Font()->Assign(font);
  return canvas;
}

TFontWidthMetrics MeasureFontWidths(TFont* font) {
  TCanvas* canvas = FontMeasuringCanvas(font);
  TEXTMETRIC metrics;
  GetTextMetrics(canvas->Handle(), &metrics);
  return {canvas->TextWidth("0"), metrics.tmOverhang, metrics.tmAveCharWidth};
}

TDBGridExHost::TDBGridExHost() = default;

TDBGridExHost::~TDBGridExHost() = default;

void TDBGridExHost::CreateGridObjects() {
  sumList_ = std::make_unique<TDBGridExSumList>(this);
  titleFont_ = std::make_unique<TFont>();
  titleFont_->OnChange.Bind(nullptr, "", [this](TObject*) { TitleFontChanged(); });
  footerFont_ = std::make_unique<TFont>();
  footerFont_->OnChange.Bind(nullptr, "", [this](TObject*) { FooterFontChanged(); });
  columnDefValues_ = CreateColumnDefValues();
  columns_ = CreateColumns();
  dataLink_ = std::make_unique<TGridDataLinkEx>(this);
  selectedRows_ = std::make_unique<TBookmarkListEx>(this);
  selection_ = std::make_unique<TDBGridExSelection>(this);
  SetStyle(DefaultDBGridExStyle());
}

TColumnDefValuesEx* TDBGridExHost::CreateColumnDefValues() { return new TDBGridExColumnDefValuesEx(this); }

TDBGridColumnsEx* TDBGridExHost::CreateColumns() {
  return new TDBGridColumnsEx(this, TCollectionItemClass::Of<TDBGridColumnEx>());
}

void TDBGridExHost::SetStyle(TDBGridExStyle* value) {
  if (style_ == value) return;
  if (style_ != nullptr) style_->UnRegisterGrid(this);
  style_ = value;
  if (style_ != nullptr) style_->RegisterGrid(this);
}

void TDBGridExHost::StyleGone(TDBGridExStyle* style) {
  if (style_ == style) style_ = nullptr;
}

// Runs while the control is still whole; columns are freed before the objects they ask.
// Fires no event: whoever listens may be half gone already.
void TDBGridExHost::DestroyGridObjects() {
  tearingDown_ = true;
  OnSelectionChanged.Clear();
  SetStyle(nullptr);
  sortMarked_.clear();
  if (dataLink_ != nullptr) dataLink_->SetDataSource(nullptr);
  delete columns_;
  columns_ = nullptr;
  delete columnDefValues_;
  columnDefValues_ = nullptr;
  selection_.reset();
  selectedRows_.reset();
  sumList_.reset();
  dataLink_.reset();
  footerFont_.reset();
  titleFont_.reset();
}

void TDBGridExHost::SumListReported(TDBGridExSumList* sumList, TSumListReport report) {
  (void)sumList;
  if (report == TSumListReport::Changed) InvalidateGrid();
}

int TDBGridExHost::GridColCount() { return columns_->Count() + IndicatorOffset(); }

void TDBGridExHost::InvalidateDataCol(int dataCol) {
  InvalidateGridRect(Rect(dataCol + IndicatorOffset(), 0, dataCol + IndicatorOffset(),
                          GridRowCount() - 1));
}

int TDBGridExHost::CurrentGridRow() {
  const int dataRow = CurrentDataRow();
  return dataRow >= 0 ? TitleRowCount() + dataRow : -1;
}

// While other rows are read (painting moves the active record to each row it draws), the
// current record is the one kept aside to go back to.
int TDBGridExHost::CurrentDataRow() {
  if (!dataLink_->Active()) return -1;
  return savedActiveRecord_ >= 0 ? savedActiveRecord_ : dataLink_->ActiveRecord();
}

std::pair<int, int> TDBGridExHost::ReadableDataRows() {
  return {0, dataLink_->Active() ? dataLink_->RecordCount() : 0};
}

// Only the first selection remembers the active record, so that reading several rows puts
// back the record that was current before any of them.
void TDBGridExHost::SelectDataRow(int dataRow) {
  if (savedActiveRecord_ < 0) savedActiveRecord_ = dataLink_->ActiveRecord();
  dataLink_->SetActiveRecord(dataRow);
}

void TDBGridExHost::RestoreDataRow() {
  if (savedActiveRecord_ < 0) return;
  const int saved = savedActiveRecord_;
  savedActiveRecord_ = -1;
  if (dataLink_->Active()) dataLink_->SetActiveRecord(saved);
}

void TDBGridExHost::InvalidateCurrentRow() {
  const int row = CurrentGridRow();
  if (row >= 0) InvalidateGridRow(row);
}

// Only the indicator shows whether the record is being edited.
void TDBGridExHost::EditingChanged() {
  const int row = CurrentGridRow();
  if (options_.Contains(dgIndicator) && row >= 0) InvalidateGridRect(Rect(0, row, 0, row));
}

void TDBGridExHost::LinkActive(bool active) {
  if (tearingDown_) return;
  selection_->LinkActive(active);
  sumList_->SetDataSetHook(dataLink_->DataSet());
  columns_->ReleaseFields();
  LayoutChanged();
}

void TDBGridExHost::FocusField(TField*& field) {
  for (int i = 0; i < columns_->Count(); ++i) {
    if (columns_->Items(i)->Field() == field) SetSelectedIndex(i);
  }
  const int selected = SelectedIndex();
  if (selected >= 0 && selected < columns_->Count() &&
      columns_->Items(selected)->Field() == field && TrySetFocus()) {
    field = nullptr;
    ShowInplaceEditor();
  }
}

bool TDBGridExHost::IsLoading() { return GridComponent()->ComponentState().Contains(csLoading); }
bool TDBGridExHost::IsDesigning() { return GridComponent()->ComponentState().Contains(csDesigning); }
bool TDBGridExHost::IsDestroying() {
  return tearingDown_ || GridComponent()->ComponentState().Contains(csDestroying);
}

void TDBGridExHost::EndLayout() {
  if (layoutLock_ == 0) return;
  if (--layoutLock_ == 0 && columns_ != nullptr) LayoutChanged();
}

// ---- Settings.

void TDBGridExHost::SetOptions(TDBGridOptions value) {
  if (value.Contains(dgRowSelect)) value -= TDBGridOptions{dgEditing, dgAlwaysShowEditor};
  if (value == options_) return;
  if (options_.Contains(dgMultiSelect) && !value.Contains(dgMultiSelect)) ClearSelection();
  const uint64_t changed = value.Mask() ^ options_.Mask();
  options_ = value;
  GridOptionsChanged();
  if ((changed & 0x36F) != 0) LayoutChanged();
  RefreshInplaceEditor();
}

void TDBGridExHost::SetOptionsEx(TDBGridExOptions value) {
  if (value == optionsEx_) return;
  // Markers are cleared while multi-sort still holds, so the primary keeps its place.
  if (optionsEx_.Contains(dghMultiSortMarking) && !value.Contains(dghMultiSortMarking)) {
    while (sortMarked_.size() > 1) sortMarked_.back()->Title()->SetSortMarker(smNoneEx);
  }
  optionsEx_ = value;
  LayoutChanged();
}

void TDBGridExHost::SetAllowedSelections(TDBGridExAllowedSelections value) {
  allowedSelections_ = value;
  const TDBGridExSelectionType current = selection_->SelectionType();
  if (current != gstNon && !value.Contains(current)) selection_->Clear();
}

void TDBGridExHost::SetReadOnly(bool value) {
  readOnly_ = value;
  InvalidateGrid();
  TabStopsChanged();
}

void TDBGridExHost::SetFlat(bool value) {
  if (flat_ == value) return;
  flat_ = value;
  RecreateGridWindow();
  LayoutChanged();
}

void TDBGridExHost::SetDrawMemoText(bool value) {
  drawMemoText_ = value;
  LayoutChanged();
}

// Turning auto-fit on remembers the widths as the design the layout scales; turning it off
// gives them back.
void TDBGridExHost::SetAutoFitColWidths(bool value) {
  if (autoFitColWidths_ == value) return;
  autoFitColWidths_ = value;
  if (IsDesigning()) return;
  if (value && !IsLoading()) {
    for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->SetInitWidth(columns_->Items(i)->Width());
  } else if (!value) {
    TCollectionUpdateLock lock(*columns_);
    for (int i = 0; i < columns_->Count(); ++i) {
      TColumnEx* column = columns_->Items(i);
      if (column->InitWidth() > 0) column->SetWidth(column->InitWidth());
    }
  }
  LayoutChanged();
}

void TDBGridExHost::SetUseMultiTitle(bool value) {
  useMultiTitle_ = value;
  LayoutChanged();
}

void TDBGridExHost::SetTitleFont(TFont* value) { titleFont_->Assign(value); }

void TDBGridExHost::TitleFontChanged() {
  if (options_.Contains(dgTitles)) LayoutChanged();
}

void TDBGridExHost::SetFooterFont(TFont* value) { footerFont_->Assign(value); }

void TDBGridExHost::SetFooterColor(TColor value) {
  footerColor_ = value;
  FooterColorChanged();
}

TDataSource* TDBGridExHost::DataSource() const { return dataLink_->DataSource(); }

void TDBGridExHost::SetDataSource(TDataSource* value) {
  if (value == dataLink_->DataSource()) return;
  ClearSelection();
  dataLink_->SetDataSource(value);
  if (value != nullptr) value->FreeNotification(GridComponent());
  LinkActive(dataLink_->Active());
}

void TDBGridExHost::SetColumnDefValues(TColumnDefValuesEx* value) {
  columnDefValues_->Assign(value);
}

void TDBGridExHost::SetColumns(TDBGridColumnsEx* value) { columns_->Assign(value); }

bool TDBGridExHost::IsColumnsStored() const { return columns_->State() == csCustomized; }

void TDBGridExHost::RebuildSortMarkedColumns() {
  std::vector<TColumnEx*> marked;
  for (int i = 0; i < columns_->Count(); ++i) {
    TColumnEx* column = columns_->Items(i);
    if (column->Title()->SortMarker() != smNoneEx) marked.push_back(column);
    else column->Title()->SetSortIndexQuietly(0);
  }
  // Unnumbered markers follow the numbered ones; equal numbers keep column order.
  auto key = [](TColumnEx* c) {
    const int index = c->Title()->SortIndex();
    return index > 0 ? index : INT32_MAX;
  };
  std::stable_sort(marked.begin(), marked.end(),
                   [&](TColumnEx* a, TColumnEx* b) { return key(a) < key(b); });
  for (size_t i = 0; i < marked.size(); ++i) {
    marked[i]->Title()->SetSortIndexQuietly(static_cast<int>(i) + 1);
  }
  sortMarked_ = std::move(marked);
}

// ---- Selection.

bool TDBGridExHost::CellSelected(int col, TGridRowKind rowKind, int dataCol, const String& bookmark) {
  const TDBGridExSelectionType type = selection_->SelectionType();
  if (type == gstAll) return true;
  if (rowKind == grkData) {
    if (col < IndicatorOffset()) return type == gstRecordBookmarks && selectedRows_->IndexOf(bookmark) >= 0;
    return selection_->DataCellSelected(dataCol, bookmark);
  }
  if (type != gstColumns || dataCol < 0 || dataCol >= columns_->Count()) return false;
  return selection_->Columns()->Contains(columns_->Items(dataCol));
}

void TDBGridExHost::MapColumnsToFields() {
  dataLink_->ClearMapping();
  TDataSet* dataSet = dataLink_->DataSet();
  if (columns_->State() == csDefault && dataSet != nullptr) {
    dataLink_->SetSparseMap(false);
    for (int i = 0; i < dataSet->FieldCount(); ++i) {
      TField* field = dataSet->Fields()->Fields(i);
      if (field->Visible()) dataLink_->AddMapping(field->FieldName());
    }
    return;
  }
  dataLink_->SetSparseMap(true);
  for (int i = 0; i < columns_->Count(); ++i) dataLink_->AddMapping(columns_->Items(i)->FieldName());
}

bool TDBGridExHost::SelectionTypeAllowed(TDBGridExSelectionType type) const {
  if (type == gstNon) return true;
  if (!options_.Contains(dgMultiSelect) || !allowedSelections_.Contains(type)) return false;
  if (options_.Contains(dgRowSelect) && (type == gstRectangle || type == gstColumns)) return false;
  return true;
}

void TDBGridExHost::ClearSelection() {
  if (!optionsEx_.Contains(dghClearSelection)) return;
  if (options_.Contains(dgMultiSelect)) selectedRows_->Clear();
  if (selection_->SelectionType() != gstNon) {
    selection_->Clear();
    InvalidateGrid();
    RefreshInplaceEditor();
  }
}

bool TDBGridExHost::AllowsEditingCurrentRecord() {
  TDataSet* dataSet = dataLink_->DataSet();
  if (dataSet == nullptr) return false;
  const bool inserting = dataSet->State() == dsInsert;
  if (!allowedOperations_.Contains(alopUpdateEx) && !inserting) return false;
  return !dataSet->IsEmpty() || allowedOperations_.Contains(alopInsertEx) ||
         allowedOperations_.Contains(alopAppendEx);
}

void TDBGridExHost::SelectionChanged() {
  if (tearingDown_) return;
  const TDBGridExSelectionType type = selection_->SelectionType();
  if (type == gstAll) InvalidateGrid();
  else if (type != gstNon) InvalidateGridRect(selection_->SelectionToGridRect());
  InvalidateCurrentRow();
  focusedAtSelectionChange_ = HasFocus();
  OnSelectionChanged.Call(GridComponent());
}

void TDBGridExHost::ForgetColumn(const TCollectionItem* column) {
  if (std::erase_if(sortMarked_, [&](const TColumnEx* c) { return c == column; }) > 0) {
    for (size_t i = 0; i < sortMarked_.size(); ++i) {
      sortMarked_[i]->Title()->SetSortIndexQuietly(static_cast<int>(i) + 1);
    }
  }
  if (selection_ != nullptr) selection_->Columns()->ColumnRemoved(column);
}

void TDBGridExHost::GridNotification(TComponent* component, TOperation operation) {
  if (operation != opRemove || tearingDown_) return;
  // Compared by address: the component's own destructor has already run.
  const void* gone = component;
  if (gone == static_cast<const void*>(DataSource())) SetDataSource(nullptr);
  sumList_->DataSetDestroyed(gone);
  for (int i = 0; i < columns_->Count(); ++i) columns_->Items(i)->ComponentRemoved(gone);
}
