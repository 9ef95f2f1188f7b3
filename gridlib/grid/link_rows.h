#pragma once

#include "gridlib/grid/row_source.h"

class TCustomDBGridEx;

// Rows through the data link's buffer: the grid shows as many records as fit, the buffer
// follows the data set's cursor, and the vertical bar moves that cursor. The grid's source for
// every data set that does not lend it the record-access interface.
class TDBGridExLinkRows : public TDBGridExRowSource {
 public:
  explicit TDBGridExLinkRows(TCustomDBGridEx* grid) : grid_(grid) {}

  void SetRowHeights() override;
  void UpdateActive() override;
  void RecordWindowScrolled(int distance) override;
  // A data set that numbers its records scrolls by record number; any other shows the thumb
  // at the top, in the middle or at the bottom.
  SCROLLINFO VertScrollRange(const SCROLLINFO& old) override;
  // The codes move the data set's cursor: by records, by pages, to a record number, or by the
  // five steps of a data set without record numbers.
  void VertScroll(int code, int pos) override;
  int ScrollPastRows(int direction) override;
  std::pair<int, int> ReadableDataRows() override;
  void SelectDataRow(int dataRow) override;
  void RestoreDataRow() override;
  int CurrentDataRow() override;
  int ReadableRowRecNo(int dataRow) override;

 private:
  // Whether a scroll of `distance` records can keep the rows on screen and move their pixels.
  bool MovesPixels(int distance);
  void ThumbToRecord(int position);

  TCustomDBGridEx* grid_;
  // A dragged thumb moved the cursor already: the position its release reports is ignored.
  bool ignoreThumbPosition_ = false;
};
