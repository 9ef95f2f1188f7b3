#pragma once

#include <memory>
#include <vector>

#include "gridlib/grid/head_tree.h"

class TCustomDBGridEx;

// The grid's layout pass: from the columns (bound to their fields already), the options, the
// fonts and the data link to the base grid's column and row counts, fixed cells, widths and
// heights, and what the pass leaves behind for painting, hit tests and the editors: the title
// rows, the visible columns, the multi-level title tree and the size of the edit buttons. The
// grid owns one and runs its steps in the order InternalLayout gives; the pass never creates
// or deletes columns.
class TDBGridExLayout {
 public:
  explicit TDBGridExLayout(TCustomDBGridEx* grid) : grid_(grid) {}
  TDBGridExLayout(const TDBGridExLayout&) = delete;
  TDBGridExLayout& operator=(const TDBGridExLayout&) = delete;

  // ---- Steps, in the order a pass runs them.
  // Column count, fixed columns and the visible columns.
  void PlaceFixedColumns();
  // Title rows, data row height, edit-button size, and whether data rows may wrap.
  void MeasureRows();
  // The base grid shows only the horizontal bar; the vertical one follows the records.
  void ApplyScrollBarStyle();
  // Each grid column's width and Tab stop from its column.
  void UpdateColWidthsAndTabStops();
  // Title heights set by TitleHeight/TitleLines, or by the multi-level title tree.
  void FitTitleHeights();
  // Edit buttons are as wide as a scroll bar (flat ones narrower); their height is the row's,
  // unless the row is much taller than the button is wide.
  void UpdateEditButtonWidth();
  // Height of the title tree below `node` (its children's captions and sub-trees).
  int CalcTitleNodeHeight(THeadTreeNode* node);
  // Drops the tree while titles are single-level: its leaves would outlive their columns.
  void ForgetTitleTree();

  // ---- What the last pass left.
  // Grid rows above the data rows (titles and the filter row).
  int TitleOffset() const { return titleOffset_; }
  int EditButtonWidth() const { return editButtonWidth_; }
  int EditButtonHeight() const { return editButtonHeight_; }
  // Data rows are tall enough for more than one line of text.
  bool WordWrapPossible() const { return wordWrapPossible_; }
  // Room the title text leaves around it: less with the flat look.
  int TitleTextAllowance() const;
  // Data columns whose Visible is set, in column order.
  const std::vector<int>& VisibleColumns() const { return visibleColumns_; }
  // The multi-level title tree ("Root") and each column's leaf.
  THeadTreeNode* TitleRoot() const { return titleRoot_.get(); }
  std::vector<THeadTreeNode*>& TitleLeaves() { return titleLeaves_; }
  // The leaf of data column `dataCol` in the title tree; nullptr without multi-level titles or
  // for a column the last pass did not see.
  THeadTreeNode* TitleLeaf(int dataCol) const;

 private:
  void MeasureDataRows();
  void FitRowHeightToText(int textHeight, int extra);
  void MeasureTitleRow();

  TCustomDBGridEx* grid_;
  int titleOffset_ = 1;
  int editButtonWidth_ = 0;
  int editButtonHeight_ = 0;
  bool wordWrapPossible_ = false;
  std::vector<int> visibleColumns_;
  std::unique_ptr<THeadTreeNode> titleRoot_ = std::make_unique<THeadTreeNode>("Root", 10, 0);
  std::vector<THeadTreeNode*> titleLeaves_;
};
