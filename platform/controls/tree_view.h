#pragma once

#include <memory>
#include <vector>

#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/controls/incremental_search.h"

class TCustomTreeView;
class TCustomImageList;
class TTreeNodes;

// One node of a tree view: text, data, images, children and whether they are shown.
class TTreeNode {
 public:
  TTreeNode(TTreeNodes* owner, TTreeNode* parent) : owner_(owner), parent_(parent) {}
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const String& Text() const { return text_; }
  void SetText(const String& v);
  void* Data() const { return data_; }
  void SetData(void* v) { data_ = v; }
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int v);
  int SelectedIndex() const { return selectedIndex_; }
  void SetSelectedIndex(int v);
  bool HasChildren() const { return hasChildren_ || !children_.empty(); }
  void SetHasChildren(bool v);

  TTreeNode* Parent() const { return parent_; }
  TTreeNodes* Owner() const { return owner_; }
  TCustomTreeView* TreeView() const;
  int Count() const { return static_cast<int>(children_.size()); }
  // Raises EListError "List index out of bounds (n)" for a bad index.
  TTreeNode* Item(int index) const;
  int Index() const;
  int Level() const;
  int AbsoluteIndex() const;
  TTreeNode* GetFirstChild() const { return children_.empty() ? nullptr : children_.front().get(); }
  TTreeNode* GetLastChild() const { return children_.empty() ? nullptr : children_.back().get(); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in depth-first order (expanded or not).
  TTreeNode* GetNext() const;
  bool HasAsParent(const TTreeNode* node) const;

  bool Expanded() const { return expanded_; }
  void SetExpanded(bool v) { v ? Expand(false) : Collapse(false); }
  void Expand(bool recurse);
  void Collapse(bool recurse);
  // Every parent expanded.
  bool IsVisible() const;
  void MakeVisible();
  bool Selected() const;
  void SetSelected(bool v);
  // Where the node's row (or only its text) is, in client coordinates; empty when hidden.
  TRect DisplayRect(bool textOnly) const;
  void Delete();

 private:
  friend class TTreeNodes;
  friend class TCustomTreeView;
  TTreeNodes* owner_;
  TTreeNode* parent_;
  std::vector<std::unique_ptr<TTreeNode>> children_;
  String text_;
  void* data_ = nullptr;
  int imageIndex_ = -1;
  int selectedIndex_ = -1;
  bool hasChildren_ = false;
  bool expanded_ = false;
};

// All nodes of a tree view; Item counts them in depth-first order.
class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView* owner) : owner_(owner), root_(this, nullptr) {}
  TCustomTreeView* Owner() const { return owner_; }
  int Count() const;
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstNode() const { return root_.GetFirstChild(); }
  // A node added as the last sibling of `sibling` (at the top level for nullptr).
  TTreeNode* Add(TTreeNode* sibling, const String& text);
  TTreeNode* AddFirst(TTreeNode* sibling, const String& text);
  TTreeNode* AddChild(TTreeNode* parent, const String& text);
  TTreeNode* AddChildFirst(TTreeNode* parent, const String& text);
  // A node placed before `sibling`.
  TTreeNode* Insert(TTreeNode* sibling, const String& text);
  void Delete(TTreeNode* node);
  void Clear();
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeNode;
  friend class TCustomTreeView;
  TTreeNode* InsertAt(TTreeNode* parent, int index, const String& text);
  TCustomTreeView* owner_;
  TTreeNode root_;  // holds the top-level nodes
  int updateCount_ = 0;
};

using TTVChangedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = TEvent<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = TEvent<void(TObject* Sender, TTreeNode* Node)>;

// A tree of nodes shown as indented rows with lines and +/- buttons: the mouse and keys select,
// expand and collapse; a vertical scroll bar in the frame when the rows do not fit.
class TCustomTreeView : public TCustomControl {
  DECLARE_CLASS(TCustomTreeView, TCustomControl)
 public:
  explicit TCustomTreeView(TComponent* owner);
  ~TCustomTreeView() override;
  static void Publish();

  TTreeNodes* Items() const { return items_.get(); }
  TTreeNode* Selected() const { return selected_; }
  void SetSelected(TTreeNode* node);
  TTreeNode* TopItem();
  void SetTopItem(TTreeNode* node);
  int TopRow() const { return topRow_; }
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool v) { showLines_ = v; Invalidate(); }
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool v) { showButtons_ = v; Invalidate(); }
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool v) { showRoot_ = v; Invalidate(); }
  bool HideSelection() const { return hideSelection_; }
  void SetHideSelection(bool v) { hideSelection_ = v; Invalidate(); }
  int Indent() const { return indent_; }
  void SetIndent(int v);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TCustomImageList* Images() const { return images_; }
  void SetImages(TCustomImageList* v);
  void FullExpand();
  void FullCollapse();
  TTreeNode* GetNodeAt(int x, int y);
  int ItemHeight();
  int VisibleRowCount();  // rows shown (expanded nodes)

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;
  TTVExpandedEvent OnDeletion;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void Notification(TComponent* component, TOperation operation) override;
  // The native scroll bar's range, page or position has just been set: for controls that
  // show the bar's state elsewhere.
  virtual void ScrollInfoChanged() {}

 private:
  friend class TTreeNode;
  friend class TTreeNodes;
  void NodesChanged();
  void NodeDeleting(TTreeNode* node);
  bool CanExpand(TTreeNode* node);
  bool CanCollapse(TTreeNode* node);
  void Expanded(TTreeNode* node);
  void Collapsed(TTreeNode* node);
  const std::vector<TTreeNode*>& Rows();
  TTreeNode* FocusedNode();
  int RowOf(const TTreeNode* node);
  void SetTopRow(int row);
  void MakeRowVisible(int row);
  int NodeLeft(const TTreeNode* node) const;
  TRect ButtonRect(const TTreeNode* node, int row);
  void PaintRow(TTreeNode* node, int row);
  void PaintLines(TTreeNode* node, int y);
  void UpdateScrollBar();
  void SelectByUser(TTreeNode* node);

  void WMLButtonDown(TMessage& m);
  void WMLButtonDblClk(TMessage& m);
  void WMVScroll(TMessage& m);
  void WMLButtonUp(TMessage& m);
  void WMMouseWheelTree(TMessage& m);
  void WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
  void WMSizeTree(TMessage& m);
  void WMFocusChanged(TMessage& m);
  void CMFontChangedTree(TMessage& m);

  std::unique_ptr<TTreeNodes> items_;
  std::vector<TTreeNode*> rows_;
  bool rowsValid_ = false;
  TTreeNode* selected_ = nullptr;
  int topRow_ = 0;
  bool showLines_ = true;
  bool showButtons_ = true;
  bool showRoot_ = true;
  bool hideSelection_ = true;
  int indent_ = 19;
  TFormBorderStyle borderStyle_ = bsSingle;
  TCustomImageList* images_ = nullptr;
  int itemHeight_ = 0;  // measured once per font or image change
  TIncrementalSearch search_;
};

class TTreeView : public TCustomTreeView {
  DECLARE_CLASS(TTreeView, TCustomTreeView)
 public:
  using TCustomTreeView::TCustomTreeView;
};
