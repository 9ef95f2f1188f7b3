// The standard edit actions aimed at the grid, their enabling rules, and sorting on the
// sort markers.
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_clipboard.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_data_service.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/controls/std_actions.h"
#include "platform/data/data_source.h"
#include "platform/windows/clipboard.h"

namespace {

// The edit command an action stands for; none for an action that is no edit action.
std::optional<TDBGridExEditAction> CommandOf(TBasicAction* action) {
  auto* edit = dynamic_cast<TEditAction*>(action);
  if (edit == nullptr) return std::nullopt;
  switch (edit->Kind()) {
    case eakCut: return geaCutEx;
    case eakCopy: return geaCopyEx;
    case eakPaste: return geaPasteEx;
    case eakSelectAll: return geaSelectAllEx;
    case eakDelete: return geaDeleteEx;
  }
  return std::nullopt;
}

// The data link's share: actions aimed at the grid's data source (data-set actions).
bool LinkHandles(TDataSource* source, TBasicAction* action, bool execute) {
  if (source == nullptr || !action->HandlesTarget(source)) return false;
  if (execute) action->ExecuteTarget(source);
  else action->UpdateTarget(source);
  return true;
}

// The Can rule of a command.
bool CommandPossible(TCustomDBGridEx* grid, TDBGridExEditAction command) {
  switch (command) {
    case geaCopyEx: return grid->CanCopy();
    case geaPasteEx: return grid->CanPaste();
    case geaCutEx: return grid->CanCut();
    case geaSelectAllEx: return grid->CanSelectAll();
    case geaDeleteEx: return grid->CanDelete();
  }
  return false;
}

}  // namespace

bool TCustomDBGridEx::CanCopy() {
  return DataLink()->Active() && Selection()->SelectionType() != gstNon;
}

bool TCustomDBGridEx::CanPaste() {
  if (!DataLink()->Active() || ReadOnly()) return false;
  TDataSet* dataSet = DataLink()->DataSet();
  if (!dataSet->CanModify()) return false;
  if (!Clipboard()->HasFormat(DBGRIDIFClipboardFormat()) && !Clipboard()->HasFormat(CF_TEXT)) return false;
  return dataSet->State() == dsInsert || AllowedOperations().Contains(alopUpdateEx);
}

bool TCustomDBGridEx::CanCut() { return CanCopy() && CanDelete(); }

// Deleting removes whole records for a record or full selection, and only clears cells for a
// rectangle or columns, which is an update.
bool TCustomDBGridEx::CanDelete() {
  if (!DataLink()->Active() || ReadOnly()) return false;
  TDataSet* dataSet = DataLink()->DataSet();
  if (dataSet->IsEmpty() || !dataSet->CanModify()) return false;
  switch (Selection()->SelectionType()) {
    case gstRecordBookmarks: case gstAll: return AllowedOperations().Contains(alopDeleteEx);
    case gstRectangle: case gstColumns: return AllowedOperations().Contains(alopUpdateEx);
    case gstNon: return false;
  }
  return false;
}

bool TCustomDBGridEx::CanSelectAll() {
  return DataLink()->Active() && !DataLink()->DataSet()->IsEmpty() && AllowedSelections().Contains(gstAll);
}

bool TCustomDBGridEx::RunEditCommand(TDBGridExEditAction command) {
  if (!EditActions().Contains(command) || !CommandPossible(this, command)) return false;
  switch (command) {
    case geaCopyEx: DBGridExCopyToClipboard(this, false); break;
    case geaPasteEx: DBGridExPasteFromClipboard(this, false); break;
    case geaCutEx: DBGridExCutToClipboard(this, false); break;
    case geaSelectAllEx: Selection()->SelectAll(); break;
    case geaDeleteEx: DBGridExDeleteSelection(this, false); break;
  }
  return true;
}

bool TCustomDBGridEx::ExecuteAction(TBasicAction* action) {
  if (LinkHandles(DataSource(), action, true)) return true;
  const std::optional<TDBGridExEditAction> command = CommandOf(action);
  return command.has_value() && HasFocus() && RunEditCommand(*command);
}

bool TCustomDBGridEx::UpdateAction(TBasicAction* action) {
  if (LinkHandles(DataSource(), action, false)) return true;
  const std::optional<TDBGridExEditAction> command = CommandOf(action);
  auto* custom = dynamic_cast<TCustomAction*>(action);
  if (!command.has_value() || custom == nullptr || !HasFocus() || !EditActions().Contains(*command)) return false;
  custom->SetEnabled(CommandPossible(this, *command));
  return true;
}

void TCustomDBGridEx::SortMarkingChanged() {
  if (!OptionsEx().Contains(dghAutoSortMarking)) return;
  if (OnSortMarkingChanged.Assigned()) OnSortMarkingChanged.Call(this);
  else ApplySorting();
}

void TCustomDBGridEx::ApplySorting() {
  if (TDBGridExDataService* service = DBGridExDataService()) service->ApplySorting(this);
}
