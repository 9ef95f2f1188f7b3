// The grid's side of in-place editing: when the editor shows, what it starts with, and where
// its text goes. The texts and the write-back are the cell-editing collaborator's.
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/filter_editor_placement.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/controls/application.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/field.h"

namespace {

bool GraphicCell(TColumnEx* column) {
  const TColumnCellType type = column->GetColumnType();
  return type == cctImageList || type == cctCheckboxes;
}

}  // namespace

// The editor never shows while a layout is under way (locked or running), on a graphic cell,
// over a rectangle selection that typing would clear, or while an incremental search runs.
bool TCustomDBGridEx::CanEditShow() {
  bool show = !InLayout() && !inLayoutPass_ && TCustomGrid::CanEditShow();
  TColumnEx* column = show ? cellEditing_->CurrentColumn() : nullptr;
  show = column != nullptr && !GraphicCell(column) && !IncSearchActive();
  if (show && Selection()->SelectionType() != gstNon && OptionsEx().Contains(dghClearSelection) &&
      AllowedSelections().Contains(gstRectangle)) {
    show = false;
  }
  // One editor at a time: the cell editor showing leaves the filter row.
  if (show && FilterEditorShown() && !filterEditing_->GiveWayToCellEditor()) show = false;
  if (!show && InplaceEditor() != nullptr) InplaceEditor()->Hide();
  return show;
}

bool TCustomDBGridEx::CanEditModify() {
  TColumnEx* column = cellEditing_->CurrentColumn();
  if (column != nullptr && column->GetColumnType() == cctCheckboxes) return false;
  if (IncSearchActive()) return false;
  return BeginCellEdit();
}

TColumnEx* TCustomDBGridEx::CellEditingColumn() const { return cellEditing_->CurrentColumn(); }

TField* TCustomDBGridEx::SelectedField() const {
  TColumnEx* column = CellEditingColumn();
  return column != nullptr ? column->Field() : nullptr;
}

bool TCustomDBGridEx::BeginCellEdit() { return cellEditing_->BeginCellEdit(); }

bool TCustomDBGridEx::CanEditAcceptKey(char16_t key) { return cellEditing_->AcceptsKey(key); }

// The editor takes up another column's text: what was typed goes into its own column first
// (or with it, when that column is gone).
String TCustomDBGridEx::GetEditText(int col, int) {
  const int dataCol = col - IndicatorOffset();
  TColumnEx* column = dataCol >= 0 && dataCol < Columns()->Count() ? Columns()->Items(dataCol) : nullptr;
  if (column != cellEditing_->TextColumn()) WriteEditorText();
  return cellEditing_->EditText(column, Font());
}

void TCustomDBGridEx::SetEditText(int, int, const String& value) { cellEditing_->SetPendingText(value); }

String TCustomDBGridEx::GetEditMask(int col, int) {
  const int dataCol = col - IndicatorOffset();
  return dataCol >= 0 && dataCol < Columns()->Count() ? cellEditing_->EditMask(Columns()->Items(dataCol)) : String();
}

int TCustomDBGridEx::GetEditLimit() { return cellEditing_->EditLimit(cellEditing_->CurrentColumn()); }

void TCustomDBGridEx::UpdateData() { cellEditing_->WriteBack(); }

bool TCustomDBGridEx::IsLookupKeyInList(TColumnEx* column) { return cellEditing_->IsLookupKeyInList(column); }

void TCustomDBGridEx::ShowInplaceEditor() { ShowEditor(); }

// The editor follows its cell and reads the cell's mask, text and length again, unless the user
// has changed its text; the filter row's editor, when in use, goes over its cell again.
void TCustomDBGridEx::RefreshInplaceEditor() {
  InvalidateEditor();
  if (InplaceEditorShowing() && !DataLink()->GridModified()) InplaceEditor()->UpdateContents();
  PlaceFilterEditor(false);
}

void TCustomDBGridEx::UpdateScrollBarsAndEditor() {
  UpdateVertScrollBar();
  UpdateHorzScrollBar();
  RefreshInplaceEditor();
}

// The record's value under the editor changed: the editor shows the new value, caret at its end.
// Typed text stays while its record is edited and its cell unchanged.
void TCustomDBGridEx::ReloadInplaceEditor() {
  if (InplaceEditor() == nullptr || !EditorMode() || EditorKeepsTypedText()) return;
  if (cellEditing_->CurrentCellText(Font()) == cellEditing_->PendingText()) return;
  InplaceEditor()->UpdateContents();
  InplaceEditor()->Deselect();
}

bool TCustomDBGridEx::EditorKeepsTypedText() { return cellEditing_->KeepsTypedText(Font()); }

void TCustomDBGridEx::WriteEditorText() {
  if (!DataLink()->GridModified()) return;
  try {
    DataLink()->UpdateRecord();
  } catch (const Exception&) {
    DataLink()->Reset();
    Application->HandleException(this);
  }
}

void TCustomDBGridEx::KeepEditorTextWithItsColumn() {
  if (cellEditing_ == nullptr || !cellEditing_->TextOffCurrentColumn()) return;
  WriteEditorText();
  cellEditing_->FollowCurrentColumn();
  if (InplaceEditorShowing()) InplaceEditor()->UpdateContents();
}

// Text typed into a column that goes, goes with it; the filter row stops editing it.
void TCustomDBGridEx::ForgetColumn(const TCollectionItem* column) {
  TDBGridExHost::ForgetColumn(column);
  if (cellEditing_ != nullptr) cellEditing_->ColumnGone(column);
  if (filterEditing_ != nullptr) filterEditing_->ColumnGone(column);
}

void TCustomDBGridEx::RecordChanged(TField* field) {
  if (HandleAllocated()) {
    if (field == nullptr) Invalidate();
    else if (Columns()->ColumnOfField(field) != nullptr) InvalidateCurrentRow();
  }
  if (field == nullptr || SelectedField() == field) ReloadInplaceEditor();
}

void TCustomDBGridEx::CopyFromPreviousRecord() {
  if (!cellEditing_->CopyFromPreviousRecord()) return;
  ShowInplaceEditor();
  if (InplaceEditorShowing()) InplaceEditor()->SelectAll();
}

// Leaving the grid on a new record nobody touched drops it (with dgCancelOnExit); otherwise
// the editor's text goes into the field, and a value the field refuses keeps the focus here.
void TCustomDBGridEx::DoExit() {
  if (DataLink()->Active()) {
    TDataSet* dataSet = DataLink()->DataSet();
    try {
      if (Options().Contains(dgCancelOnExit) && dataSet->State() == dsInsert && !dataSet->Modified() &&
          !DataLink()->GridModified()) {
        dataSet->Cancel();
      } else {
        DataLink()->UpdateRecord();
      }
    } catch (...) {
      SetFocus();
      throw;
    }
  }
  TCustomGrid::DoExit();
}
