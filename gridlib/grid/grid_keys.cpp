// The grid's keyboard: keys move the data set's cursor rather than grid rows, Shift extends a
// record or rectangle selection, Ctrl runs the edit actions, typing may search.
#include <utility>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_clipboard.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_texts.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/row_source.h"
#include "platform/controls/message_box.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"

namespace {

constexpr uint16_t kKeyA = 'A';
constexpr uint16_t kKeyC = 'C';
constexpr uint16_t kKeyV = 'V';
constexpr uint16_t kKeyX = 'X';

}  // namespace

void TDBGridExInput::KeyDown(uint16_t& key, TShiftState shift) {
  toggleMode_ = Ctrl(shift) || !grid_->OptionsEx().Contains(dghClearSelection);
  base_->FireKeyDown(key, shift);
  if (key == 0) return;
  if (key == VK_UP && EnterFilterRow(shift)) {
    key = 0;
    return;
  }
  if (grid_->BiDiMode() == bdRightToLeft) {
    if (key == VK_LEFT) key = VK_RIGHT;
    else if (key == VK_RIGHT) key = VK_LEFT;
  }
  if (!grid_->DataLink()->Active() || !base_->AcceptsKey(key, shift)) return;
  if (ShortcutKey(key, shift)) return;
  // The data set's handlers run by the key may free the grid, and this controller with it:
  // the key is used up then.
  const TWatchedComponent watch(grid_);
  if (Ctrl(shift)) CtrlKey(key, shift);
  else PlainKey(key, shift);
  if (watch.Get() == nullptr) key = 0;
  else if (key == VK_DELETE && !Ctrl(shift)) ClearGraphicCell();
}

// Ctrl+' and the keys of the incremental search; true when the key was used up.
bool TDBGridExInput::ShortcutKey(uint16_t& key, TShiftState shift) {
  if (ShortCut(key, shift) == DBGridExUnitSettings().CopyFromAboveKey) {
    editKeys_->CopyFromPreviousRecord();
    return true;
  }
  return editKeys_->SearchKeyDown(key, shift);
}

void TDBGridExInput::CtrlKey(uint16_t& key, TShiftState shift) {
  TGridDataLinkEx* link = grid_->DataLink();
  TDataSet* dataSet = link->DataSet();
  const bool select = ShiftSelect(shift);
  const bool movesRows = key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END ||
                         key == VK_UP || key == VK_DOWN;
  if (movesRows && !shift.Contains(ssShift)) ClearSelectionOnMove();
  switch (key) {
    case VK_UP:
    case VK_PRIOR: MoveOrSelect(select, -link->ActiveRecord(), false); break;
    case VK_DOWN:
    case VK_NEXT: MoveOrSelect(select, link->RecordCount() - link->ActiveRecord() - 1, false); break;
    case VK_LEFT: MoveCol(grid_->IndicatorOffset(), 1, false); break;
    case VK_RIGHT: MoveCol(grid_->ColCount() - 1, -1, false); break;
    case VK_HOME:
      if (select) SelectMoveBy(true, -1, !RectangleWanted(), true);
      else dataSet->First();
      break;
    case VK_END:
      if (select) SelectMoveBy(true, 1, !RectangleWanted(), true);
      else dataSet->Last();
      break;
    case VK_DELETE: CtrlDelete(); break;
    case VK_INSERT:
    case kKeyC: editKeys_->ExecuteAction(geaCopyEx); break;
    case kKeyX: editKeys_->ExecuteAction(geaCutEx); break;
    case kKeyV: editKeys_->ExecuteAction(geaPasteEx); break;
    case kKeyA: editKeys_->ExecuteAction(geaSelectAllEx); break;
    default: break;
  }
}

void TDBGridExInput::PlainKey(uint16_t& key, TShiftState shift) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  const bool select = ShiftSelect(shift);
  const bool rowSelect = grid_->Options().Contains(dgRowSelect);
  const bool rowsOnly = rowSelect || grid_->Layout()->VisibleColumns().size() == 1;
  const int page = grid_->VisibleDataRowCount();
  switch (key) {
    case VK_UP: PriorRow(select); break;
    case VK_DOWN: NextRow(select); break;
    case VK_LEFT: HorizontalKey(-1, select); break;
    case VK_RIGHT: HorizontalKey(1, select); break;
    case VK_HOME:
      if (rowsOnly) MoveToEnd(select, -1);
      else MoveCol(grid_->IndicatorOffset(), 1, select && RectangleWanted());
      break;
    case VK_END:
      if (rowsOnly) MoveToEnd(select, 1);
      else MoveCol(grid_->ColCount() - 1, -1, select && RectangleWanted());
      break;
    case VK_NEXT: PageKey(select, page); break;
    case VK_PRIOR: PageKey(select, -page); break;
    case VK_TAB:
      if (!shift.Contains(ssAlt)) TabMove(!shift.Contains(ssShift));
      break;
    case VK_RETURN:
      if (grid_->OptionsEx().Contains(dghEnterAsTab)) TabMove(!shift.Contains(ssShift));
      break;
    case VK_ESCAPE: EscapeKey(); break;
    case VK_F2: grid_->SetEditorMode(true); break;
    case VK_INSERT: InsertKey(shift); break;
    case VK_DELETE:
      // Once the cut ran the key is spent: a graphic cell is not cleared a second time.
      if (shift.Contains(ssShift) && editKeys_->ExecuteAction(geaCutEx)) key = 0;
      break;
    default:
      if (treeNodes_.NodeKey(key)) key = 0;
      break;
  }
  (void)dataSet;
}

bool TDBGridExInput::RectangleWanted() const {
  return grid_->SelectionTypeAllowed(gstRectangle) && !grid_->Options().Contains(dgRowSelect);
}

void TDBGridExInput::MoveOrSelect(bool select, int distance, bool toEnd) {
  if (select) SelectMoveBy(true, distance, !RectangleWanted(), toEnd);
  else grid_->DataLink()->DataSet()->MoveBy(distance);
}

void TDBGridExInput::MoveToEnd(bool select, int direction) {
  if (select) {
    SelectMoveBy(true, direction, !RectangleWanted(), true);
    return;
  }
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (direction < 0) dataSet->First();
  else dataSet->Last();
}

void TDBGridExInput::PageKey(bool select, int distance) {
  if (select) {
    SelectMoveBy(true, distance, !RectangleWanted(), false);
    return;
  }
  ClearSelectionOnMove();
  grid_->RowSource()->FetchAhead(distance);
  grid_->DataLink()->DataSet()->MoveBy(distance);
}

// A record just inserted and not yet typed into, unless the grid's own edit is pending.
bool TDBGridExInput::UntouchedInsert() const {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  return dataSet->State() == dsInsert && !dataSet->Modified() && !grid_->DataLink()->GridModified();
}

// Up from an untouched record appended at the end only drops it; one inserted among the others
// goes as the cursor leaves it for the record above.
void TDBGridExInput::PriorRow(bool select) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (UntouchedInsert() && dataSet->Eof()) {
    dataSet->Cancel();
    return;
  }
  SelectMoveBy(select, -1, !RectangleWanted(), false);
}

// Down past the last record appends one, where the grid and the data set allow it.
void TDBGridExInput::NextRow(bool select) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (UntouchedInsert()) {
    if (!dataSet->Eof()) dataSet->Cancel();
    return;
  }
  const TWatchedComponent watch(grid_);
  SelectMoveBy(select, 1, !RectangleWanted(), false);
  if (watch.Get() != nullptr && dataSet->Eof() && CanChangeRecords() && grid_->AllowedOperations().Contains(alopAppendEx)) {
    dataSet->Append();
  }
}

bool TDBGridExInput::CanChangeRecords() const {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  return dataSet->CanModify() && !grid_->ReadOnly() && grid_->Options().Contains(dgEditing);
}

// With whole rows selected the columns scroll; otherwise the current column moves.
void TDBGridExInput::HorizontalKey(int direction, bool select) {
  if (!grid_->Options().Contains(dgRowSelect)) {
    const bool rectangle = select && RectangleWanted();
    if (!rectangle) ClearSelectionOnMove();
    MoveCol(grid_->Col() + direction, direction, rectangle);
    return;
  }
  if (direction < 0) {
    if (grid_->LeftCol() > grid_->FixedCols()) grid_->SetLeftCol(grid_->LeftCol() - 1);
    return;
  }
  const int lastShown = grid_->LeftCol() + grid_->VisibleColCount() - 1;
  if (lastShown < grid_->ColCount() - 1) grid_->SetLeftCol(grid_->LeftCol() + 1);
}

void TDBGridExInput::EscapeKey() {
  grid_->DataLink()->Reset();
  grid_->ClearSelection();
  if (!grid_->EditorAlwaysShown()) grid_->HideEditor();
  const TGridState baseState = grid_->GridState();
  const bool baseDrag = baseState == gsRowSizing || baseState == gsColSizing || baseState == gsRowMoving;
  if (baseDrag || state_ == gisSizing || state_ == gisDraggingRecords) grid_->Perform(WM_CANCELMODE);
}

void TDBGridExInput::InsertKey(TShiftState shift) {
  if (shift.Contains(ssShift)) {
    editKeys_->ExecuteAction(geaPasteEx);
    return;
  }
  if (!CanChangeRecords()) return;
  grid_->ClearSelection();
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (grid_->AllowedOperations().Contains(alopInsertEx)) dataSet->Insert();
  else if (grid_->AllowedOperations().Contains(alopAppendEx)) dataSet->Append();
}

// Ctrl+Delete: the delete action on a selection, else the selected records or the current one.
void TDBGridExInput::CtrlDelete() {
  const bool selected = grid_->Selection()->SelectionType() != gstNon;
  if (grid_->EditActions().Contains(geaDeleteEx) && selected) {
    editKeys_->ExecuteAction(geaDeleteEx);
    return;
  }
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (grid_->ReadOnly() || dataSet->IsEmpty() || !dataSet->CanModify()) return;
  if (!grid_->AllowedOperations().Contains(alopDeleteEx)) return;
  TBookmarkListEx* rows = grid_->SelectedRows();
  if (!ConfirmRecordDelete(grid_, rows->Count())) return;
  if (rows->Count() > 0) rows->Delete();
  else dataSet->Delete();
}

// Delete on a check-box or image cell empties its value.
void TDBGridExInput::ClearGraphicCell() {
  if (grid_->Options().Contains(dgRowSelect)) return;
  const int dataCol = grid_->SelectedIndex();
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return;
  TColumnEx* column = grid_->Columns()->Items(dataCol);
  const TColumnCellType type = column->GetColumnType();
  if (type != cctImageList && type != cctCheckboxes) return;
  TField* field = column->Field();
  if (field == nullptr || field->ReadOnly() || !column->CanModify(true)) return;
  field->SetValue(Variant());
}

void TDBGridExInput::KeyPress(char16_t& key) {
  if (grid_->OptionsEx().Contains(dghEnterAsTab) && key == u'\r') key = u'\t';
  if (key == u'\r' && !grid_->EditorAlwaysShown()) grid_->DataLink()->UpdateRecord();
  base_->BaseKeyPress(key);
  if (key != 0) editKeys_->SearchKeyPress(key);
}

bool TDBGridExInput::BrowsingRecords() const {
  const TDataSetState state = grid_->DataLink()->DataSet()->State();
  return state != dsEdit && state != dsInsert && state != dsSetKey;
}

void TDBGridExInput::Char(TMessage& m) {
  if (CharToFilterRow(m)) return;
  const char16_t ch = static_cast<char16_t>(m.WParam);
  if (ch == u' ' && SpaceStepsCell()) return;
  const bool typed = ch == VK_BACK || ch >= 32;
  TGridDataLinkEx* link = grid_->DataLink();
  if (typed && editKeys_->SearchApplies() && link->Active() && BrowsingRecords()) {
    // Only the key-press handling runs: the search takes the character, no editor opens.
    base_->KeyPressOnly(m);
    return;
  }
  if (treeNodes_.NodeChar(ch)) {
    // The tree's keys open and close nodes; they never start an edit.
    base_->KeyPressOnly(m);
    return;
  }
  base_->BaseChar(m);
}

// Space on a check-box or image cell steps its value (Shift: backwards).
bool TDBGridExInput::SpaceStepsCell() {
  if (grid_->Options().Contains(dgRowSelect) || !grid_->DataLink()->Active()) return false;
  const int dataCol = grid_->SelectedIndex();
  if (dataCol < 0 || dataCol >= grid_->Columns()->Count()) return false;
  TColumnEx* column = grid_->Columns()->Items(dataCol);
  const TColumnCellType type = column->GetColumnType();
  if (type != cctImageList && type != cctCheckboxes) return false;
  char16_t key = u' ';
  grid_->OnKeyPress.Call(grid_, key);
  if (key != u' ') return true;
  if (column->CanModify(true)) column->SetNextFieldValue(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
  return true;
}
