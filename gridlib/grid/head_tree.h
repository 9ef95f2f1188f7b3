#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/strings.h"

class TColumnEx;
class TDBGridColumnsEx;

// One cell of the multi-level title area: a heading over a run of columns, or a leaf that is
// one column's title. Siblings form a ring through Next; Host is the parent. The root ("Root",
// no Host) owns every node made below it and frees them with itself.
class THeadTreeNode {
 public:
  THeadTreeNode() = default;
  THeadTreeNode(const String& text, int width, int height);
  ~THeadTreeNode();
  THeadTreeNode(const THeadTreeNode&) = delete;
  THeadTreeNode& operator=(const THeadTreeNode&) = delete;

  THeadTreeNode* Child = nullptr;
  TColumnEx* Column = nullptr;
  int Height = 0;
  THeadTreeNode* Host = nullptr;
  THeadTreeNode* Next = this;
  String Text;
  int WIndent = 0;
  int Width = 0;
  int SortMarkerWidth = 0;

  // ---- What painting and hit tests read once the layout has built and measured the tree.
  bool IsLeaf() const { return Child == nullptr; }
  // The heading drawn above this node; nullptr right under the root, which is no heading.
  THeadTreeNode* Heading() const;
  // Pixels from the heading's left edge to this node's: the siblings before it, each with
  // the line after it.
  int OffsetInHeading() const;
  // Data column indexes of the first and the last leaf below this node (its own for a leaf);
  // -1 when there is no leaf with a column.
  int FirstColumnIndex() const;
  int LastColumnIndex() const;

  // True when `node` is this node, one of its ring siblings, or below any of them.
  bool Find(const THeadTreeNode* node) const;
  // A new node in `from`'s ring right after it. Raises "Node not in Tree".
  THeadTreeNode* Add(THeadTreeNode* from, const String& text, int width, int height);
  // A new last child of `parent`. Raises "Node not in Tree".
  THeadTreeNode* AppendChild(THeadTreeNode* parent, const String& text, int width, int height);
  // Puts the run of siblings from..to under a new heading of `height`. Raises "Node not in
  // Tree" or "ATo not in level".
  THeadTreeNode* Union(THeadTreeNode* from, THeadTreeNode* to, int height, const String& text);
  void FreeAllChild();
  // Steps up to the root.
  int Level() const;
  // Every node below this one, each child before its own children, then the next sibling.
  void ForEachNode(const std::function<void(THeadTreeNode*)>& proc);

  // Builds the title tree of `columns` under this root: one leaf per column, headings for
  // runs of adjacent captions that share their first '|'-separated word. Returns the leaf of
  // each column, in column order.
  std::vector<THeadTreeNode*> BuildTitleTree(TDBGridColumnsEx* columns, int titleHeight,
                                             bool colLines);

  // The words of a text separated by runs of delimiter characters; positions are 1-based.
  static int WordPosition(int n, std::string_view text, std::string_view delims);
  static String ExtractWord(int n, std::string_view text, std::string_view delims);
  static String ExtractWordPos(int n, std::string_view text, std::string_view delims, int& pos);

 private:
  THeadTreeNode* Root();
  THeadTreeNode* Make(const String& text, int width, int height);
  THeadTreeNode* RingBefore(THeadTreeNode* node);
  static void CheckFound(const THeadTreeNode* start, const THeadTreeNode* node);
  bool MergeOnePass(std::vector<THeadTreeNode*>& leaves);
  static bool JoinsRun(const THeadTreeNode* first, const THeadTreeNode* next, const String& word);

  std::vector<std::unique_ptr<THeadTreeNode>> owned_;
};
