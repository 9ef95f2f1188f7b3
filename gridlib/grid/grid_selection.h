#pragma once

#include <memory>
#include <vector>

#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_types.h"
#include "platform/core/types.h"
#include "platform/data/db_types.h"

class TBookmarkListEx;
class TDBGridExHost;

// Whole columns the user selected, kept in column order, with the anchor and the reach of the
// last Shift extension so that a new extension can undo the old one.
class TDBGridExSelectionCols {
 public:
  explicit TDBGridExSelectionCols(TDBGridExHost* grid) : grid_(grid) {}

  int Count() const { return static_cast<int>(list_.size()); }
  TColumnEx* Items(int index) const { return list_.at(static_cast<size_t>(index)); }
  bool Contains(const TColumnEx* column) const;
  TColumnEx* Anchor() const { return anchor_; }
  TColumnEx* ShiftCol() const { return shiftCol_; }

  // Empties the list and forgets the anchor; tells the grid.
  void Clear();
  // Inserts `column` before the first column with a greater Index, unless it is listed.
  void Add(TColumnEx* column);
  void InvertSelect(TColumnEx* column);
  void Select(TColumnEx* column, bool addSel);
  void SelectShift(TColumnEx* column);
  // Drops columns that left the grid (also as anchors) and restores column order.
  void Refresh();
  // A column is going away: no pointer to it stays.
  void ColumnRemoved(const TCollectionItem* column);
  TRect SelectionRect() const;

 private:
  friend class TDBGridExSelection;
  struct ShiftChange {
    TColumnEx* column;
    bool added;
  };
  // Empties without telling; returns whether anything was selected.
  bool ClearQuietly();
  void Remove(TColumnEx* column);
  void StartColumnSelection();
  void FinishColumnSelection();
  void UndoShiftOutside(int low, int high);
  bool ApplyShift(int low, int high, bool anchorSelected);
  void RepaintColumn(const TColumnEx* column);

  TDBGridExHost* grid_;
  TColumnsExList list_;
  TColumnEx* anchor_ = nullptr;
  TColumnEx* shiftCol_ = nullptr;
  std::vector<ShiftChange> shiftSelected_;
};

// A rectangle of cells between two corners, each a data column and a record bookmark.
class TDBGridExSelectionRect {
 public:
  explicit TDBGridExSelectionRect(TDBGridExHost* grid) : grid_(grid) {}

  int AnchorCol() const { return anchorCol_; }
  const TBookmark& AnchorBookmark() const { return anchorBookmark_; }
  int ShiftCol() const { return shiftCol_; }
  const TBookmark& ShiftBookmark() const { return shiftBookmark_; }

  // Forgets both corners and tells the grid.
  void Clear();
  bool DataSetWorkable() const;
  TBookmark GetTopRow() const;
  TBookmark GetBottomRow() const;
  int GetLeftCol() const;
  int GetRightCol() const;
  bool CellSelected(int dataCol, const TBookmark& bookmark) const;
  void Select(int col, const TBookmark& bookmark, bool addSel);
  // The grid cells now on screen that the rectangle covers.
  TRect GridRect() const;

 private:
  friend class TDBGridExSelection;
  bool ClearQuietly();
  void CheckWorkable(const char* message) const;
  int CompareCorners() const;

  TDBGridExHost* grid_;
  int anchorCol_ = -1;
  TBookmark anchorBookmark_;
  int shiftCol_ = -1;
  TBookmark shiftBookmark_;
};

// The grid's one current selection: records, a rectangle, columns, everything, or nothing.
class TDBGridExSelection {
 public:
  explicit TDBGridExSelection(TDBGridExHost* grid);
  ~TDBGridExSelection();
  TDBGridExSelection(const TDBGridExSelection&) = delete;
  TDBGridExSelection& operator=(const TDBGridExSelection&) = delete;

  TDBGridExSelectionType SelectionType() const { return selectionType_; }
  void SetSelectionType(TDBGridExSelectionType value);
  TBookmarkListEx* Rows() const;
  TDBGridExSelectionCols* Columns() const { return columns_.get(); }
  TDBGridExSelectionRect* Rect() const { return rect_.get(); }

  void Clear();
  // Empties the current kind without telling anyone; returns whether anything was selected.
  // For a change that starts another kind and tells the grid once itself.
  bool ClearQuietly();
  // The data set opened or closed: nothing stays selected, no anchor stays.
  void LinkActive(bool value);
  void SelectAll();
  // A record or column selection that became empty is no selection.
  void UpdateState();
  bool DataCellSelected(int dataCol, const TBookmark& bookmark) const;
  // Grid cells to repaint for the current selection; empty for none and for all.
  TRect SelectionToGridRect() const;

 private:
  TDBGridExHost* grid_;
  std::unique_ptr<TDBGridExSelectionCols> columns_;
  std::unique_ptr<TDBGridExSelectionRect> rect_;
  TDBGridExSelectionType selectionType_ = gstNon;
};
