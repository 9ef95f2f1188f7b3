#pragma once

#include "gridlib/grid/row_source.h"

class TCustomDBGridEx;
class TDataSet;

// Rows through the record-access interface: one grid row per record, the vertical bar scrolls
// rows without moving the cursor, and the data set is asked for more records as they come into
// view. The grid makes one for a data set that lends it the interface.
class TDBGridExRecordAccessRows : public TDBGridExRowSource {
 public:
  TDBGridExRecordAccessRows(TCustomDBGridEx* grid, IMemTableEx* table, TDataSet* dataSet)
      : grid_(grid), table_(table), dataSet_(dataSet) {}
  // A row still selected for reading is given back to the data set.
  ~TDBGridExRecordAccessRows() override;

  IMemTableEx* RecordAccess() const override { return table_; }
  // The data set that lent the interface.
  TDataSet* DataSet() const { return dataSet_; }
  // The data set is being freed: nothing more is given back to it.
  void DataSetGone() { rowSelected_ = false; }

  void SetRowHeights() override;
  void UpdateActive() override;
  void RecordWindowScrolled(int distance) override;
  void TopRowChanged() override;
  SCROLLINFO VertScrollRange(const SCROLLINFO& old) override;
  // The codes move the top row; the last data row never scrolls above the bottom edge.
  void VertScroll(int code, int pos) override;
  bool WheelScrollsView() const override { return true; }
  void FetchAhead(int distance) override;
  int ScrollPastRows(int direction) override;
  std::pair<int, int> ReadableDataRows() override;
  void SelectDataRow(int dataRow) override;
  void RestoreDataRow() override;
  int CurrentDataRow() override;
  int ReadableRowRecNo(int dataRow) override { return dataRow + 1; }

 private:
  // Records coming into view are made available before they are painted.
  void FetchVisibleRecords();

  TCustomDBGridEx* grid_;
  IMemTableEx* table_;
  TDataSet* dataSet_;
  // A row is selected on the interface for reading and waits to be restored.
  bool rowSelected_ = false;
};
