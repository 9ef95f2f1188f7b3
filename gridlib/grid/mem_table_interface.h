#pragma once

#include <vector>

#include "platform/core/object.h"
#include "platform/core/strings.h"

class TBookmarkListEx;
class TColumnEx;

// What a data set offers when it lets the grid reach every record directly (one grid row per
// record), optionally as a tree. A data set implements it by answering GetInterface for
// IMemTableEx::IID; the grid asks for it whenever its data set changes.
class IMemTableEx {
 public:
  static constexpr TGUID IID{"IMemTableEx"};
  virtual ~IMemTableEx() = default;

  // Makes `count` more records available; answers how many there are now.
  virtual int FetchRecords(int count) = 0;
  // 0-based index of the current record.
  virtual int CurrentIndex() = 0;
  virtual void SetCurrentIndex(int index) = 0;
  // Tree of records: the current record's node.
  virtual bool NodeExpanded() = 0;
  // Opens or closes the current record's node; the records of the tree change with it.
  virtual void SetNodeExpanded(bool expanded) = 0;
  virtual bool NodeHasChildren() = 0;
  virtual int NodeLevel() = 0;
  // Whether a title or filter cell of data column `dataCol` reacts to the mouse.
  virtual bool TitleCellActive(int dataCol) = 0;
  // Tree levels shown (at least 1).
  virtual int TreeLevelsShown() = 0;
  // A title of data column `dataCol` was clicked.
  virtual void TitleClicked(int dataCol) = 0;
  // The grid's selection changed.
  virtual void SelectionChanged() = 0;
  virtual int RecordCount() = 0;
  virtual bool TreeViewActive() = 0;
  // The current node's ancestor at `level` has a following sibling.
  virtual bool HasNextSibling(int level) = 0;
  // Whether the data set sorts on data column `dataCol` itself.
  virtual bool SortsOnColumn(int dataCol) = 0;
  // Whether the record's value of data column `dataCol` may be edited.
  virtual bool CanEditColumn(int dataCol) = 0;
  // The distinct values of a column, for the filter row's drop-down.
  virtual std::vector<String> ColumnValueList(TColumnEx* column) = 0;
  // Moves the listed records before record `toRecNo` at `treeLevel`; with `checkOnly` only
  // tells whether it could.
  virtual bool MoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly) = 0;
  // Makes the record of data row `row` current for reading, until RestoreRow.
  virtual void SelectRow(int row) = 0;
  virtual void RestoreRow() = 0;
};
