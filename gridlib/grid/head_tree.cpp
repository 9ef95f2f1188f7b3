// Multi-level titles: the tree of headings and leaves built from '|'-separated captions.
#include "gridlib/grid/head_tree.h"

#include <algorithm>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"

namespace {

constexpr std::string_view kTitleDelims = "|";
constexpr int kHeadingHeight = 20;

bool IsDelim(char c, std::string_view delims) { return delims.find(c) != std::string_view::npos; }

}  // namespace

THeadTreeNode::THeadTreeNode(const String& text, int width, int height)
    : Height(height), Text(text), Width(width) {}

THeadTreeNode::~THeadTreeNode() = default;

THeadTreeNode* THeadTreeNode::Heading() const {
  return Host != nullptr && Host->Host != nullptr ? Host : nullptr;
}

int THeadTreeNode::OffsetInHeading() const {
  if (Host == nullptr) return 0;
  int offset = 0;
  for (const THeadTreeNode* n = Host->Child; n != this && n != nullptr; n = n->Next) {
    offset += n->Width + n->WIndent;
    if (n->Next == Host->Child) break;
  }
  return offset;
}

int THeadTreeNode::FirstColumnIndex() const {
  const THeadTreeNode* node = this;
  while (node->Child != nullptr) node = node->Child;
  return node->Column != nullptr ? node->Column->Index() : -1;
}

int THeadTreeNode::LastColumnIndex() const {
  const THeadTreeNode* node = this;
  while (node->Child != nullptr) {
    node = node->Child;
    while (node->Next != node->Host->Child) node = node->Next;
  }
  return node->Column != nullptr ? node->Column->Index() : -1;
}

THeadTreeNode* THeadTreeNode::Root() {
  THeadTreeNode* node = this;
  while (node->Host != nullptr) node = node->Host;
  return node;
}

THeadTreeNode* THeadTreeNode::Make(const String& text, int width, int height) {
  THeadTreeNode* root = Root();
  root->owned_.push_back(std::make_unique<THeadTreeNode>(text, width, height));
  return root->owned_.back().get();
}

bool THeadTreeNode::Find(const THeadTreeNode* node) const {
  const THeadTreeNode* sibling = this;
  do {
    if (sibling == node) return true;
    if (sibling->Child != nullptr && sibling->Child->Find(node)) return true;
    sibling = sibling->Next;
  } while (sibling != this);
  return false;
}

void THeadTreeNode::CheckFound(const THeadTreeNode* start, const THeadTreeNode* node) {
  if (node == nullptr || !start->Find(node)) throw Exception("Node not in Tree");
}

THeadTreeNode* THeadTreeNode::Add(THeadTreeNode* from, const String& text, int width, int height) {
  CheckFound(this, from);
  THeadTreeNode* node = Make(text, width, height);
  node->Host = from->Host;
  node->Next = from->Next;
  from->Next = node;
  return node;
}

THeadTreeNode* THeadTreeNode::AppendChild(THeadTreeNode* parent, const String& text, int width,
                                          int height) {
  CheckFound(this, parent);
  if (parent->Child == nullptr) {
    THeadTreeNode* node = Make(text, width, height);
    node->Host = parent;
    parent->Child = node;
    return node;
  }
  THeadTreeNode* last = parent->Child;
  while (last->Next != parent->Child) last = last->Next;
  return Add(last, text, width, height);
}

THeadTreeNode* THeadTreeNode::RingBefore(THeadTreeNode* node) {
  THeadTreeNode* before = node;
  while (before->Next != node) before = before->Next;
  return before;
}

THeadTreeNode* THeadTreeNode::Union(THeadTreeNode* from, THeadTreeNode* to, int height,
                                    const String& text) {
  CheckFound(this, from);
  THeadTreeNode* first = from->Host != nullptr ? from->Host->Child : from;
  bool reached = false;
  for (THeadTreeNode* n = from;; n = n->Next) {
    if (n == to) {
      reached = true;
      break;
    }
    if (n->Next == first) break;
  }
  if (!reached) throw Exception("ATo not in level");

  THeadTreeNode* heading = Add(to, text, 0, height);
  heading->WIndent = to->WIndent;
  RingBefore(from)->Next = heading;
  heading->Child = from;
  if (from->Host != nullptr && from->Host->Child == from) from->Host->Child = heading;
  int sum = 0;
  for (THeadTreeNode* n = from;; n = n->Next) {
    sum += n->Width + heading->WIndent;
    // A title row lower than its headings leaves the leaf no room, never less than none.
    n->Height = std::max(0, n->Height - height);
    n->Host = heading;
    if (n == to) break;
  }
  to->Next = from;
  heading->Width = heading->WIndent >= 1 ? sum - heading->WIndent : sum;
  return heading;
}

void THeadTreeNode::FreeAllChild() {
  Child = nullptr;
  if (Host == nullptr) owned_.clear();
}

int THeadTreeNode::Level() const {
  int level = 0;
  for (const THeadTreeNode* n = Host; n != nullptr; n = n->Host) ++level;
  return level;
}

void THeadTreeNode::ForEachNode(const std::function<void(THeadTreeNode*)>& proc) {
  THeadTreeNode* first = Child;
  if (first == nullptr) return;
  THeadTreeNode* node = first;
  do {
    proc(node);
    node->ForEachNode(proc);
    node = node->Next;
  } while (node != first);
}

int THeadTreeNode::WordPosition(int n, std::string_view text, std::string_view delims) {
  int count = 0;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsDelim(text[i], delims)) ++i;
    if (i >= text.size()) break;
    if (++count == n) return static_cast<int>(i) + 1;
    while (i < text.size() && !IsDelim(text[i], delims)) ++i;
  }
  return 0;
}

String THeadTreeNode::ExtractWordPos(int n, std::string_view text, std::string_view delims, int& pos) {
  pos = WordPosition(n, text, delims);
  if (pos == 0) return String();
  size_t end = static_cast<size_t>(pos) - 1;
  while (end < text.size() && !IsDelim(text[end], delims)) ++end;
  return String(text.substr(static_cast<size_t>(pos) - 1, end - static_cast<size_t>(pos) + 1));
}

String THeadTreeNode::ExtractWord(int n, std::string_view text, std::string_view delims) {
  int pos = 0;
  return ExtractWordPos(n, text, delims, pos);
}

std::vector<THeadTreeNode*> THeadTreeNode::BuildTitleTree(TDBGridColumnsEx* columns,
                                                          int titleHeight, bool colLines) {
  FreeAllChild();
  std::vector<THeadTreeNode*> leaves;
  for (int i = 0; i < columns->Count(); ++i) {
    TColumnEx* column = columns->Items(i);
    const int width = column->Visible() ? column->Width() : (colLines ? -1 : 0);
    THeadTreeNode* leaf = AppendChild(this, column->Title()->Caption(), width, titleHeight);
    leaf->Column = column;
    leaf->SortMarkerWidth = column->Title()->SortMarker() != smNoneEx ? 16 : 0;
    leaf->WIndent = colLines ? 1 : 0;
    leaves.push_back(leaf);
  }
  while (MergeOnePass(leaves)) {
  }
  return leaves;
}

// A neighbour joins a run under one heading only from the same parent, and only when a word
// is left for its own cell once the heading takes the first.
bool THeadTreeNode::JoinsRun(const THeadTreeNode* first, const THeadTreeNode* next, const String& word) {
  return next->Host == first->Host && WordPosition(2, next->Text, kTitleDelims) != 0 &&
         ExtractWord(1, next->Text, kTitleDelims) == word;
}

// Strips the shared first word from a run of adjacent leaves under one heading and puts a
// heading of that word over them. Returns false once nothing is left to merge.
bool THeadTreeNode::MergeOnePass(std::vector<THeadTreeNode*>& leaves) {
  const size_t count = leaves.size();
  for (size_t i = 0; i < count; ++i) {
    if (WordPosition(2, leaves[i]->Text, kTitleDelims) == 0) continue;
    const String word = ExtractWord(1, leaves[i]->Text, kTitleDelims);
    size_t j = i;
    while (j + 1 < count && JoinsRun(leaves[i], leaves[j + 1], word)) ++j;
    for (size_t k = i; k <= j; ++k) {
      String& text = leaves[k]->Text;
      text.erase(0, static_cast<size_t>(WordPosition(2, text, kTitleDelims)) - 1);
    }
    Union(leaves[i], leaves[j], kHeadingHeight, word);
    return true;
  }
  return false;
}
