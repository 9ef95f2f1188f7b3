// The vertical scroll bar moves the data set's cursor: by records, by pages, to a record
// number, or by the five steps of a data set without record numbers.
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_input.h"
#include "platform/data/dataset.h"
#include "platform/windows/scroll_bars.h"

namespace {

// Where the thumb is (or is being dragged), read whole rather than from the 16-bit message.
int ThumbPosition(TCustomDBGridEx* grid, bool tracking) {
  SCROLLINFO info;
  info.fMask = tracking ? SIF_TRACKPOS : SIF_POS;
  GetScrollInfo(grid->Handle(), SB_VERT, info);
  return tracking ? info.nTrackPos : info.nPos;
}

// The thumb of a data set without record numbers has five places: first, a page up, here, a
// page down, last.
void FiveStepThumb(TDataSet* dataSet, int position, int page) {
  switch (position) {
    case 0: dataSet->First(); break;
    case 1: dataSet->MoveBy(-page); break;
    case 3: dataSet->MoveBy(page); break;
    case 4: dataSet->Last(); break;
    default: break;
  }
}

}  // namespace

void TDBGridExInput::VertScroll(int code, int pos) {
  (void)pos;
  TGridDataLinkEx* link = grid_->DataLink();
  if (!link->Active() || !grid_->TrySetFocus()) return;
  TDataSet* dataSet = link->DataSet();
  const int page = grid_->VisibleDataRowCount();
  const bool numbered = grid_->SumList()->IsSequenced();
  switch (code) {
    case SB_LINEUP: dataSet->MoveBy(-link->ActiveRecord() - 1); break;
    case SB_LINEDOWN: dataSet->MoveBy(link->RecordCount() - link->ActiveRecord()); break;
    case SB_PAGEUP: dataSet->MoveBy(-page); break;
    case SB_PAGEDOWN: dataSet->MoveBy(page); break;
    case SB_THUMBPOSITION:
      if (ignoreThumbPosition_) {
        ignoreThumbPosition_ = false;
      } else if (numbered) {
        ThumbToRecord(ThumbPosition(grid_, false));
      } else {
        FiveStepThumb(dataSet, ThumbPosition(grid_, false), page);
      }
      break;
    case SB_THUMBTRACK:
      // Without record numbers a dragged thumb would page again on every message; the
      // release places the cursor by the five steps instead.
      if (grid_->VertScrollBar()->Tracking() && numbered) {
        dataSet->MoveBy(ThumbPosition(grid_, true) - grid_->SumList()->RecNo());
        ignoreThumbPosition_ = true;
      }
      break;
    case SB_TOP: dataSet->First(); break;
    case SB_BOTTOM: dataSet->Last(); break;
    default: break;
  }
}

void TDBGridExInput::ThumbToRecord(int position) {
  TDataSet* dataSet = grid_->DataLink()->DataSet();
  if (position <= 1) dataSet->First();
  else if (position < grid_->SumList()->RecordCount()) grid_->SumList()->SetRecNo(position);
  else dataSet->Last();
}
