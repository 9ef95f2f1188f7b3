// Moving records: the grid's rules that the record drag asks, and the move itself through the
// application, the record-access interface or the data service.
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_data_service.h"
#include "gridlib/grid/row_source.h"
#include "gridlib/grid/tree_nodes.h"
#include "platform/data/dataset.h"

namespace {

// The bookmark of the first record shown; empty when none is.
TBookmark FirstShownRecord(TCustomDBGridEx* grid) {
  DataRowReader reader(grid);
  if (!reader.Select(grid->ReadableDataRows().first)) return {};
  return grid->DataLink()->DataSet()->Bookmark();
}

// After a move: `moved` becomes current, and where the record that was shown first still is
// in reach it stays first.
void ShowMovedRecord(TCustomDBGridEx* grid, const TBookmark& moved, const TBookmark& first) {
  TDataSet* dataSet = grid->DataLink()->DataSet();
  if (moved.empty() || !dataSet->BookmarkValid(moved)) return;
  int row = -1;
  if (!first.empty() && dataSet->BookmarkValid(first)) {
    DisableControlsGuard quiet(dataSet);
    dataSet->GotoBookmark(first);
    const int firstRecNo = dataSet->RecNo();
    dataSet->GotoBookmark(moved);
    row = dataSet->RecNo() - firstRecNo;
  }
  if (row >= 0 && row < grid->VisibleDataRowCount()) dataSet->GotoBookmarkAtRow(moved, row);
  else dataSet->GotoBookmark(moved);
}

}  // namespace

bool TCustomDBGridEx::CanStartMoving(int, int, TPoint) { return true; }

int TCustomDBGridEx::CalcMoveDropMark(int targetRow, int, int& level) {
  level = -1;
  IMemTableEx* tree = RowSource()->RecordAccess();
  if (tree == nullptr || !tree->TreeViewActive()) return 0;
  DataRowReader reader(this);
  if (!reader.Select(targetRow - TitleRowCount())) return 0;
  level = std::max(0, tree->NodeLevel());
  const int indicator = Options().Contains(dgIndicator) ? ColWidths(0) + GridLineWidth() : 0;
  return indicator + TDBGridExTreeNodes::kLevelWidth * level;
}

bool TCustomDBGridEx::MoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly) {
  if (OnMoveRecords.Assigned()) return OnMoveRecords.Call(this, bookmarks->Bookmarks(), toRecNo, treeLevel, checkOnly);
  return DefaultMoveRecords(bookmarks, toRecNo, treeLevel, checkOnly);
}

bool TCustomDBGridEx::DefaultMoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly) {
  if (IMemTableEx* records = RowSource()->RecordAccess()) {
    return records->MoveRecords(bookmarks, toRecNo, treeLevel, checkOnly);
  }
  TDBGridExDataService* service = DBGridExDataService();
  if (service == nullptr || bookmarks->Count() == 0) return false;
  if (checkOnly) return service->MoveRecords(this, bookmarks, toRecNo, treeLevel, true);
  const TBookmark moved = bookmarks->Items(0);
  const TBookmark first = FirstShownRecord(this);
  if (!service->MoveRecords(this, bookmarks, toRecNo, treeLevel, false)) return false;
  ShowMovedRecord(this, moved, first);
  return true;
}

bool TCustomDBGridEx::RecordDropAllowed(int originRow, int targetRow, TPoint point) {
  return EndRowDrag(originRow, targetRow, point);
}
