// The nodes of a tree view and their list.
#include <algorithm>

#include "platform/controls/tree_view.h"

TCustomTreeView* TTreeNode::TreeView() const { return owner_ ? owner_->Owner() : nullptr; }

void TTreeNode::SetText(const String& v) {
  text_ = v;
  TreeView()->Invalidate();
}

void TTreeNode::SetImageIndex(int v) {
  imageIndex_ = v;
  TreeView()->Invalidate();
}

void TTreeNode::SetSelectedIndex(int v) {
  selectedIndex_ = v;
  TreeView()->Invalidate();
}

void TTreeNode::SetHasChildren(bool v) {
  hasChildren_ = v;
  TreeView()->Invalidate();
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  return children_[static_cast<size_t>(index)].get();
}

int TTreeNode::Index() const {
  if (!parent_) return -1;
  const auto& siblings = parent_->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& n) { return n.get() == this; });
  return static_cast<int>(it - siblings.begin());
}

int TTreeNode::Level() const {
  int level = -1;
  for (const TTreeNode* p = parent_; p; p = p->parent_) ++level;
  return level;
}

int TTreeNode::AbsoluteIndex() const {
  int index = 0;
  for (TTreeNode* n = owner_->GetFirstNode(); n; n = n->GetNext(), ++index)
    if (n == this) return index;
  return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const {
  if (!parent_) return nullptr;
  int i = Index() + 1;
  return i < parent_->Count() ? parent_->Item(i) : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  if (!parent_) return nullptr;
  int i = Index() - 1;
  return i >= 0 ? parent_->Item(i) : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!children_.empty()) return children_.front().get();
  for (const TTreeNode* n = this; n && n->parent_; n = n->parent_)
    if (TTreeNode* next = n->GetNextSibling()) return next;
  return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* node) const {
  for (const TTreeNode* p = parent_; p; p = p->parent_)
    if (p == node) return true;
  return false;
}

void TTreeNode::Expand(bool recurse) {
  if (HasChildren() && !expanded_ && TreeView()->CanExpand(this)) {
    expanded_ = true;
    TreeView()->Expanded(this);
  }
  if (recurse)
    for (auto& child : children_) child->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  if (recurse)
    for (auto& child : children_) child->Collapse(true);
  if (!expanded_ || !TreeView()->CanCollapse(this)) return;
  expanded_ = false;
  TreeView()->Collapsed(this);
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* p = parent_; p && p->parent_; p = p->parent_)
    if (!p->expanded_) return false;
  return true;
}

void TTreeNode::MakeVisible() {
  for (TTreeNode* p = parent_; p && p->parent_; p = p->parent_) p->Expand(false);
  TreeView()->MakeRowVisible(TreeView()->RowOf(this));
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool v) {
  if (v) TreeView()->SetSelected(this);
  else if (Selected()) TreeView()->SetSelected(nullptr);
}

TRect TTreeNode::DisplayRect(bool textOnly) const {
  TCustomTreeView* view = TreeView();
  int row = view->RowOf(this);
  if (row < 0) return {};
  int h = view->ItemHeight();
  int y = (row - view->TopRow()) * h;
  if (!textOnly) return Rect(0, y, view->ClientWidth(), y + h);
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(view->Font());
  int x = view->NodeLeft(this);
  return Rect(x, y, x + measure.Canvas()->TextWidth(text_) + 4, y + h);
}

void TTreeNode::Delete() { owner_->Delete(this); }

int TTreeNodes::Count() const {
  int n = 0;
  for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext()) ++n;
  return n;
}

TTreeNode* TTreeNodes::Item(int index) const {
  int i = 0;
  for (TTreeNode* node = GetFirstNode(); node; node = node->GetNext(), ++i)
    if (i == index) return node;
  RaiseListIndexError(index);
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const String& text) {
  auto node = std::make_unique<TTreeNode>(this, parent);
  node->text_ = text;
  TTreeNode* raw = node.get();
  parent->children_.insert(parent->children_.begin() + index, std::move(node));
  owner_->NodesChanged();
  return raw;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const String& text) {
  TTreeNode* parent = sibling ? sibling->parent_ : &root_;
  return InsertAt(parent, parent->Count(), text);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const String& text) {
  return InsertAt(sibling ? sibling->parent_ : &root_, 0, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const String& text) {
  TTreeNode* p = parent ? parent : &root_;
  return InsertAt(p, p->Count(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const String& text) {
  return InsertAt(parent ? parent : &root_, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const String& text) {
  if (!sibling) return Add(nullptr, text);
  return InsertAt(sibling->parent_, sibling->Index(), text);
}

void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node == &root_ || node->owner_ != this) return;
  owner_->NodeDeleting(node);
  auto& siblings = node->parent_->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [node](const auto& n) { return n.get() == node; });
  std::unique_ptr<TTreeNode> gone = std::move(*it);
  siblings.erase(it);
  gone.reset();
  owner_->NodesChanged();
}

void TTreeNodes::Clear() {
  BeginUpdate();
  struct TEnd {
    TTreeNodes* nodes;
    ~TEnd() { nodes->EndUpdate(); }
  } end{this};
  while (TTreeNode* node = root_.GetLastChild()) Delete(node);
}

void TTreeNodes::BeginUpdate() { ++updateCount_; }

void TTreeNodes::EndUpdate() {
  if (--updateCount_ == 0) owner_->NodesChanged();
}
