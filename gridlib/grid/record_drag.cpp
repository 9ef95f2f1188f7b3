// Dragging records by their indicator to another place: the start rules, the drop mark between
// rows, scrolling while the mouse is held above or below the rows, and the move on release.
#include "gridlib/grid/record_drag.h"

#include <algorithm>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/canvas_scopes.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/row_source.h"
#include "platform/data/dataset.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"

namespace {

constexpr int kMarkWidth = 5;

}  // namespace

bool TDBGridExRecordDrag::MouseDown(int x, int y, TShiftState shift, bool testOnly) {
  TGridDataLinkEx* link = grid_->DataLink();
  if (!link->Active() || !grid_->OptionsEx().Contains(dghRecordMoving)) return false;
  const TGridCoord cell = grid_->CoordAt(x, y);
  if (cell.X < 0 || cell.Y < 0) return false;
  const TDBGridExCellType type = grid_->GetCellType(cell.X, cell.Y);
  if (type.ColKind != gckIndicator || type.RowKind != grkData || link->DataSet()->IsEmpty()) return false;
  TBookmark bookmark;
  int recNo = 0;
  int level = -1;
  {
    DataRowReader reader(grid_);
    if (!reader.Select(type.DataRow)) return false;
    bookmark = link->DataSet()->Bookmark();
    recNo = link->DataSet()->RecNo();
    IMemTableEx* records = grid_->RowSource()->RecordAccess();
    if (records != nullptr && records->TreeViewActive()) level = records->NodeLevel();
  }
  if (bookmark.empty()) return false;
  // Where records can be selected only selected records move, and a modifier selects instead.
  if (grid_->SelectionTypeAllowed(gstRecordBookmarks)) {
    if (shift.Contains(ssShift) || shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return false;
    if (grid_->SelectedRows()->IndexOf(bookmark) < 0) return false;
  }
  if (testOnly) return true;
  originBookmark_ = bookmark;
  originRow_ = targetRow_ = cell.Y;
  originRecNo_ = targetRecNo_ = recNo;
  originLevel_ = level;
  if (!grid_->CanStartMoving(originRow_, targetRow_, {x, y})) return true;
  moving_ = true;
  grid_->Update();
  markX_ = grid_->CalcMoveDropMark(targetRow_, y, targetLevel_);
  ShowMark();
  return true;
}

void TDBGridExRecordDrag::Follow(int x, int y, bool scroll) {
  if (!moving_) return;
  const RecordRows rows = ShownRecordRows();
  if (rows.Empty()) return;
  if (y >= rows.Top && y < rows.Bottom) {
    const int row = grid_->CoordAt(x, y).Y;
    if (row >= rows.First && row <= rows.Last && row != targetRow_) Aim(row, y);
    return;
  }
  if (!scroll) return;
  const int direction = y < rows.Top ? -1 : 1;
  HideMark();
  ScrollRecords(direction);
  grid_->Update();
  const RecordRows now = ShownRecordRows();
  if (!now.Empty()) Aim(direction < 0 ? now.First : now.Last, y);
  ShowMark();
}

// The mark moves to `row` when the records may go there; otherwise it stays where it was.
void TDBGridExRecordDrag::Aim(int row, int y) {
  int level = -1;
  const int markX = grid_->CalcMoveDropMark(row, y, level);
  const int recNo = RecNoOfRow(row);
  if (recNo <= 0 || (recNo == targetRecNo_ && level == targetLevel_)) return;
  // Back on the dragged record the drop moves nothing, which is always allowed.
  const bool home = recNo == originRecNo_ && level == originLevel_;
  if (!home && !Step(recNo, level, true)) return;
  HideMark();
  targetRow_ = row;
  targetRecNo_ = recNo;
  targetLevel_ = level;
  markX_ = markX;
  ShowMark();
}

void TDBGridExRecordDrag::Stop(int x, int y, bool drop) {
  if (!moving_) return;
  moving_ = false;
  HideMark();
  if (!drop || !grid_->RecordDropAllowed(originRow_, targetRow_, {x, y})) return;
  if (targetRecNo_ == originRecNo_ && targetLevel_ == originLevel_) return;
  Step(targetRecNo_, targetLevel_, false);
}

TDBGridExRecordDrag::RecordRows TDBGridExRecordDrag::ShownRecordRows() {
  RecordRows rows;
  const auto [first, last] = grid_->ReadableDataRows();
  const int titles = grid_->TitleRowCount();
  rows.First = std::max(first + titles, grid_->TopRow());
  rows.Last = std::min(last - 1 + titles, grid_->TopRow() + grid_->VisibleRowCount() - 1);
  if (rows.Empty()) return rows;
  rows.Top = grid_->CellRect(0, rows.First).Top;
  rows.Bottom = grid_->CellRect(0, rows.Last).Bottom;
  return rows;
}

int TDBGridExRecordDrag::RecNoOfRow(int row) { return grid_->DataRowRecNo(row - grid_->TitleRowCount()); }

// The row source scrolls; the rows of the origin and the target move with their records.
void TDBGridExRecordDrag::ScrollRecords(int direction) {
  const int shift = grid_->RowSource()->ScrollPastRows(direction);
  originRow_ -= shift;
  targetRow_ -= shift;
}

bool TDBGridExRecordDrag::Step(int recNo, int level, bool checkOnly) {
  TBookmarkListEx* selected = grid_->SelectedRows();
  if (selected->Count() > 0) return grid_->MoveRecords(selected, recNo, level, checkOnly);
  TBookmarkListEx dragged(grid_, {originBookmark_});
  return grid_->MoveRecords(&dragged, recNo, level, checkOnly);
}

// Records dropped further down the order land below the target, others above it.
bool TDBGridExRecordDrag::TargetBelowOrigin() const {
  return targetRecNo_ > originRecNo_ || (targetRecNo_ == originRecNo_ && originLevel_ > targetLevel_);
}

void TDBGridExRecordDrag::ShowMark() {
  if (markShown_ || !moving_ || !grid_->HandleAllocated()) return;
  if (targetRow_ < grid_->TopRow() || targetRow_ >= grid_->TopRow() + grid_->VisibleRowCount()) return;
  const TRect cell = grid_->CellRect(0, targetRow_);
  if (cell.IsEmpty()) return;
  const int line = grid_->Options().Contains(dgRowLines) ? grid_->GridLineWidth() : 0;
  markY_ = TargetBelowOrigin() ? cell.Bottom : cell.Top - line;
  const bool mirrored = grid_->BiDiMode() == bdRightToLeft;
  markLeft_ = mirrored ? 0 : markX_;
  markRight_ = mirrored ? grid_->ClientWidth() - markX_ : grid_->ClientWidth();
  DrawMarkLine();
  markShown_ = true;
}

void TDBGridExRecordDrag::HideMark() {
  if (!markShown_) return;
  markShown_ = false;
  if (grid_->HandleAllocated()) DrawMarkLine();
}

// White under XOR inverts what is there; black, a new pen's colour, would change nothing.
void TDBGridExRecordDrag::DrawMarkLine() {
  TCanvas* canvas = grid_->Canvas();
  XorPenScope pen(canvas, psDot, kMarkWidth);
  canvas->MoveTo(markLeft_, markY_);
  canvas->LineTo(markRight_, markY_);
}
