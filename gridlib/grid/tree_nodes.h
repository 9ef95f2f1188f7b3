#pragma once

#include <cstdint>

class TCustomDBGridEx;
class IMemTableEx;

// The tree of records of a data set that offers the record-access interface: the node buttons
// left of the first column and the number-pad keys open and close nodes. The grid owns it and
// asks it first for those presses and keys.
class TDBGridExTreeNodes {
 public:
  explicit TDBGridExTreeNodes(TCustomDBGridEx* grid) : grid_(grid) {}

  // The records show as a tree now.
  bool Active() const;
  // Number-pad *, + and - toggle, open or close the current record's node; whether the key
  // was one of them.
  bool NodeKey(uint16_t key);
  // Whether the character is one of the node keys, which edit nothing in a tree.
  bool NodeChar(char16_t ch) const;
  // A press at (x, y) inside a row's tree indent is the tree's: on the node's button it opens
  // or closes the node. Whether the press was taken.
  bool MouseDown(int x, int y);

  // Room the tree takes left of the first column's text in data row `dataRow`.
  static constexpr int kLevelWidth = 18;

 private:
  enum TNodeChange : uint8_t { ncToggle, ncExpand, ncCollapse };
  IMemTableEx* Table() const;
  // Changes the node of data row `dataRow`, keeping the view's top row.
  void ChangeNode(int dataRow, TNodeChange change);

  TCustomDBGridEx* grid_;
};
