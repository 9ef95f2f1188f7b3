// The tree view: nodes, expanding, selection and scrolling.
#include "platform/controls/tree_view.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/controls/notified_link.h"
#include "platform/controls/watched_component.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TCustomControl(owner),
      items_(std::make_unique<TTreeNodes>(this)) {
  controlStyle_ = {csCaptureMouse, csSetCaption, csDoubleClicks, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView() {
  Destroying();
  items_->updateCount_ = 1;  // no repaints while the nodes go
  items_->Clear();
  SetImages(nullptr);
}

void TCustomTreeView::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

void TCustomTreeView::SetIndent(int v) {
  indent_ = std::max(v, 8);
  Invalidate();
}

void TCustomTreeView::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomTreeView::SetImages(TCustomImageList* v) {
  SetNotifiedLink<TCustomImageList>(this, images_, v);
  itemHeight_ = 0;
  NodesChanged();
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == opRemove && component == images_) {
    images_ = nullptr;
    itemHeight_ = 0;
  }
}

int TCustomTreeView::ItemHeight() {
  if (itemHeight_ > 0) return itemHeight_;
  TBitmap measure(1, 1);
  measure.Canvas()->Font()->Assign(Font());
  int height = measure.Canvas()->TextHeight("Wg") + 3;
  if (images_) height = std::max(height, images_->Height() + 1);
  itemHeight_ = std::max(height, 16);
  return itemHeight_;
}

void TCustomTreeView::NodesChanged() {
  if (items_->updateCount_ > 0) return;
  rowsValid_ = false;
  SetTopRow(topRow_);
  UpdateScrollBar();
  Invalidate();
}

void TCustomTreeView::NodeDeleting(TTreeNode* node) {
  for (auto& child : node->children_) NodeDeleting(child.get());
  if (selected_ == node) selected_ = nullptr;
  OnDeletion.Call(this, node);
  rowsValid_ = false;
}

bool TCustomTreeView::CanExpand(TTreeNode* node) {
  bool allow = true;
  OnExpanding.Call(this, node, allow);
  return allow;
}

bool TCustomTreeView::CanCollapse(TTreeNode* node) {
  bool allow = true;
  OnCollapsing.Call(this, node, allow);
  return allow;
}

void TCustomTreeView::Expanded(TTreeNode* node) {
  NodesChanged();
  OnExpanded.Call(this, node);
}

// A selection inside the collapsed branch moves up to the node that collapsed.
void TCustomTreeView::Collapsed(TTreeNode* node) {
  if (selected_ && selected_->HasAsParent(node)) SetSelected(node);
  NodesChanged();
  OnCollapsed.Call(this, node);
}

const std::vector<TTreeNode*>& TCustomTreeView::Rows() {
  if (rowsValid_) return rows_;
  rows_.clear();
  for (TTreeNode* n = items_->GetFirstNode(); n;) {
    rows_.push_back(n);
    if (n->expanded_ && n->GetFirstChild()) {
      n = n->GetFirstChild();
      continue;
    }
    while (n && !n->GetNextSibling()) n = n->parent_ && n->parent_->parent_ ? n->parent_ : nullptr;
    if (n) n = n->GetNextSibling();
  }
  rowsValid_ = true;
  return rows_;
}

int TCustomTreeView::VisibleRowCount() { return static_cast<int>(Rows().size()); }

int TCustomTreeView::RowOf(const TTreeNode* node) {
  const auto& rows = Rows();
  auto it = std::find(rows.begin(), rows.end(), node);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void TCustomTreeView::SetTopRow(int row) {
  int page = std::max(1, ClientHeight() / ItemHeight());
  row = std::clamp(row, 0, std::max(0, VisibleRowCount() - page));
  if (row == topRow_) return;
  topRow_ = row;
  UpdateScrollBar();
  Invalidate();
}

void TCustomTreeView::MakeRowVisible(int row) {
  if (row < 0) return;
  int page = std::max(1, ClientHeight() / ItemHeight());
  if (row < topRow_) SetTopRow(row);
  else if (row >= topRow_ + page) SetTopRow(row - page + 1);
}

TTreeNode* TCustomTreeView::TopItem() {
  const auto& rows = Rows();
  return topRow_ < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(topRow_)] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* node) {
  int row = RowOf(node);
  if (row >= 0) SetTopRow(row);
}

void TCustomTreeView::UpdateScrollBar() {
  if (!HandleAllocated() || items_->updateCount_ > 0) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMax = std::max(VisibleRowCount() - 1, 0);
  si.nPage = static_cast<uint32_t>(std::max(1, ClientHeight() / ItemHeight()));
  si.nPos = topRow_;
  SetScrollInfo(Handle(), SB_VERT, si, true);
  ScrollInfoChanged();
}

void TCustomTreeView::SetSelected(TTreeNode* node) {
  if (node == selected_) return;
  bool allow = true;
  // The handler may free the tree (a choice that closes its form).
  const TWatchedComponent self(this);
  OnChanging.Call(this, node, allow);
  if (!allow || self.Get() == nullptr) return;
  selected_ = node;
  if (node) node->MakeVisible();
  Invalidate();
  OnChange.Call(this, node);
}

void TCustomTreeView::SelectByUser(TTreeNode* node) {
  if (node) SetSelected(node);
}

void TCustomTreeView::FullExpand() {
  for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling()) n->Expand(true);
}

void TCustomTreeView::FullCollapse() {
  for (TTreeNode* n = items_->GetFirstNode(); n; n = n->GetNextSibling()) n->Collapse(true);
}

TTreeNode* TCustomTreeView::GetNodeAt(int, int y) {
  if (y < 0) return nullptr;
  int row = topRow_ + y / ItemHeight();
  const auto& rows = Rows();
  return row < static_cast<int>(rows.size()) ? rows[static_cast<size_t>(row)] : nullptr;
}

int TCustomTreeView::NodeLeft(const TTreeNode* node) const {
  return (node->Level() + (showRoot_ ? 1 : 0)) * indent_ + 2;
}

TRect TCustomTreeView::ButtonRect(const TTreeNode* node, int row) {
  if (!showButtons_ || !node->HasChildren() || (!showRoot_ && node->Level() == 0)) return {};
  int cx = NodeLeft(node) - indent_ / 2 - 2;
  int cy = (row - topRow_) * ItemHeight() + ItemHeight() / 2;
  return Rect(cx - 4, cy - 4, cx + 5, cy + 5);
}

void TCustomTreeView::Publish() {
  TPublisher<TCustomTreeView> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Property("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines).Default(true);
  p.Property("ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons).Default(true);
  p.Property("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot).Default(true);
  p.Property("HideSelection", &TCustomTreeView::HideSelection, &TCustomTreeView::SetHideSelection).Default(true);
  p.Property("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent).Default(19);
  p.Event("OnChange", &TCustomTreeView::OnChange);
  p.Event("OnChanging", &TCustomTreeView::OnChanging);
  p.Event("OnExpanding", &TCustomTreeView::OnExpanding);
  p.Event("OnExpanded", &TCustomTreeView::OnExpanded);
  p.Event("OnCollapsing", &TCustomTreeView::OnCollapsing);
  p.Event("OnCollapsed", &TCustomTreeView::OnCollapsed);
  p.Event("OnDeletion", &TCustomTreeView::OnDeletion);
}
