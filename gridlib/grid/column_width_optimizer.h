#pragma once

#include <vector>

#include "gridlib/grid/columns.h"

class TCanvas;
class TCustomDBGridEx;

// Fits columns to the widest of their title, their data over every record and their
// footers, measured with the fonts, texts and cell-parameter events that painting uses. The
// grid owns one and calls it for OptimizeColsWidth.
class TColumnWidthOptimizer {
 public:
  explicit TColumnWidthOptimizer(TCustomDBGridEx* grid) : grid_(grid) {}
  void Optimize(const TColumnsExList& columns);

  // Each raises the column's entry in `width` to what its part needs.
  void TitleTextWidth(TColumnEx* column, int& width);
  void DataTextWidth(TColumnEx* column, int& width);
  void FooterTextWidth(TColumnEx* column, int& width);

 private:
  TCanvas* Canvas();
  // Every record once, with the data set's controls disabled; the current record and the
  // grid's view of records are as they were afterwards.
  void MeasureRecords(const TColumnsExList& columns, std::vector<int>& widths);
  int TitleHeight(TColumnEx* column);
  unsigned ReadingFlag(TColumnEx* column);

  TCustomDBGridEx* grid_;
};

// The columns a double click on `clicked`'s sizing line fits: the selected columns when the
// selection is of whole columns and holds it, every column when all is selected, else it alone.
TColumnsExList ColumnsFitAtDivider(TCustomDBGridEx* grid, TColumnEx* clicked);
