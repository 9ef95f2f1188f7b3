#pragma once

#include <utility>

#include "platform/windows/scroll_bars.h"

class IMemTableEx;

// Where the grid's data rows come from. Either the rows are the data link's buffer, a window
// of records that follows the data set's cursor, or every record has a row of its own, reached
// through the data set's record-access interface. The grid owns the source that fits its data
// set and asks it for whatever depends on that: how many rows there are, which is current, the
// vertical bar and its scroll codes, reading a row that is not current, fetching records.
class TDBGridExRowSource {
 public:
  TDBGridExRowSource() = default;
  virtual ~TDBGridExRowSource() = default;
  TDBGridExRowSource(const TDBGridExRowSource&) = delete;
  TDBGridExRowSource& operator=(const TDBGridExRowSource&) = delete;

  // The record-access interface the rows come through; nullptr for the data link's buffer.
  virtual IMemTableEx* RecordAccess() const { return nullptr; }

  // ---- Rows.
  // Count and heights of the data rows, the current row following the current record. The
  // grid has made its title rows fixed already.
  virtual void SetRowHeights() = 0;
  // Moves the current grid row to the current record.
  virtual void UpdateActive() = 0;
  // The data set scrolled its window of records by `distance` records.
  virtual void RecordWindowScrolled(int distance) = 0;
  // The grid's top row moved.
  virtual void TopRowChanged() {}

  // ---- The vertical scroll bar.
  // Range, page and position; `old` is what the bar shows now.
  virtual SCROLLINFO VertScrollRange(const SCROLLINFO& old) = 0;
  // A scroll code of the bar (WM_VSCROLL), thumb tracking included.
  virtual void VertScroll(int code, int pos) = 0;
  // Whether the wheel scrolls the view and leaves the cursor where it is.
  virtual bool WheelScrollsView() const { return false; }

  // ---- Records.
  // The cursor is about to move `distance` records: those it reaches are made available.
  virtual void FetchAhead(int distance) { (void)distance; }
  // While records are dragged, the rows move one record past the rows shown in `direction`;
  // answers by how many rows the records shown moved up.
  virtual int ScrollPastRows(int direction) = 0;

  // ---- Reading a row that is not current (see DataRowReader).
  virtual std::pair<int, int> ReadableDataRows() = 0;
  virtual void SelectDataRow(int dataRow) = 0;
  virtual void RestoreDataRow() = 0;
  virtual int CurrentDataRow() = 0;
  // Record number (from 1) of a readable data row.
  virtual int ReadableRowRecNo(int dataRow) = 0;
};
