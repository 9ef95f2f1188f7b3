#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/controls/grid.h"
#include "platform/controls/inplace_edit.h"
#include "tests/controls/std_control_fixture.h"

// A grid over a map of cell texts that records the hooks it is called with.
class TTestGrid : public TCustomGrid {
 public:
  using TCustomGrid::TCustomGrid;
  using TCustomGrid::Anchor;
  using TCustomGrid::CalcCoordFromPoint;
  using TCustomGrid::CalcMaxTopLeft;
  using TCustomGrid::MoveColumn;
  using TCustomGrid::MoveRow;
  using TCustomGrid::Sizing;

  std::map<std::pair<int, int>, String> cells;
  std::vector<std::string> calls;
  bool canModify = true;
  String mask;
  int limit = 0;
  char16_t refusedKey = 0;

  String Cell(int col, int row) const {
    auto it = cells.find({col, row});
    return it == cells.end() ? String() : it->second;
  }

 protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState) override {
    TRect r = rect;
    Canvas()->Brush()->SetStyle(bsClear);
    Canvas()->TextRect(r, r.Left + 2, r.Top + 2, Cell(col, row));
  }
  String GetEditText(int col, int row) override { return Cell(col, row); }
  void SetEditText(int col, int row, const String& value) override {
    cells[{col, row}] = value;
    calls.push_back("SetEditText " + std::to_string(col) + "," + std::to_string(row) + " " + value);
  }
  String GetEditMask(int, int) override { return mask; }
  int GetEditLimit() override { return limit; }
  bool CanEditModify() override { return canModify; }
  bool CanEditAcceptKey(char16_t key) override { return key != refusedKey; }
  void ColumnMoved(int from, int to) override { calls.push_back("ColumnMoved " + std::to_string(from) + "," + std::to_string(to)); }
  void RowMoved(int from, int to) override { calls.push_back("RowMoved " + std::to_string(from) + "," + std::to_string(to)); }
  void ColWidthsChanged() override {
    calls.push_back("ColWidthsChanged");
    TCustomGrid::ColWidthsChanged();
  }
  void RowHeightsChanged() override {
    calls.push_back("RowHeightsChanged");
    TCustomGrid::RowHeightsChanged();
  }
  void TopLeftChanged() override {
    calls.push_back("TopLeftChanged");
    TCustomGrid::TopLeftChanged();
  }
  void SizeChanged(int oldCols, int oldRows) override {
    calls.push_back("SizeChanged " + std::to_string(oldCols) + "," + std::to_string(oldRows));
  }
};

// A grid of 64 x 24 cells with one fixed row and column, 1-pixel lines, no border and no
// scroll bars unless a test asks, so every cell edge is at a known pixel.
class GridTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    grid = Make<TTestGrid>(Bounds(0, 0, 300, 150));
    grid->SetBorderStyle(bsNone);
    grid->SetScrollBars(ssNone);
  }
  bool Called(const std::string& call) const {
    for (const std::string& c : grid->calls)
      if (c == call) return true;
    return false;
  }
  TTestGrid* grid = nullptr;
};
