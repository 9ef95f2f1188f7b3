// How a tree view paints its rows and answers the mouse, keys and its scroll bar.
#include <algorithm>

#include "platform/controls/tree_view.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/focus.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/scroll_tracker.h"

const TMessageMap& TCustomTreeView::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_LBUTTONDOWN, &TCustomTreeView::WMLButtonDown);
    m.On(WM_LBUTTONDBLCLK, &TCustomTreeView::WMLButtonDblClk);
    m.On(WM_LBUTTONUP, &TCustomTreeView::WMLButtonUp);
    m.On(WM_VSCROLL, &TCustomTreeView::WMVScroll);
    m.On(WM_MOUSEWHEEL, &TCustomTreeView::WMMouseWheelTree);
    m.On(WM_GETDLGCODE, &TCustomTreeView::WMGetDlgCode);
    m.On(WM_SIZE, &TCustomTreeView::WMSizeTree);
    m.On(WM_SETFOCUS, &TCustomTreeView::WMFocusChanged);
    m.On(WM_KILLFOCUS, &TCustomTreeView::WMFocusChanged);
    m.On(CM_FONTCHANGED, &TCustomTreeView::CMFontChangedTree);
    return m;
  }();
  return map;
}

// Dotted lines: to the node from its parent's column, and down through the row for every
// ancestor that has siblings still to come.
void TCustomTreeView::PaintLines(TTreeNode* node, int y) {
  int h = ItemHeight(), cy = y + h / 2;
  auto dotsDown = [&](int x, int from, int to) {
    for (int yy = from + ((from + x) & 1); yy < to; yy += 2) Canvas()->SetPixels(x, yy, clGrayText);
  };
  int cx = NodeLeft(node) - indent_ / 2 - 2;
  if (!showRoot_ && node->Level() == 0) return;
  for (int xx = cx + ((cx + cy) & 1); xx < NodeLeft(node); xx += 2) Canvas()->SetPixels(xx, cy, clGrayText);
  bool first = node->Level() == 0 && !node->GetPrevSibling();
  dotsDown(cx, first ? cy : y, node->GetNextSibling() ? y + h : cy);
  for (TTreeNode* p = node->Parent(); p && p->Parent(); p = p->Parent()) {
    if (!showRoot_ && p->Level() == 0) break;
    if (p->GetNextSibling()) dotsDown(NodeLeft(p) - indent_ / 2 - 2, y, y + h);
  }
}

void TCustomTreeView::PaintRow(TTreeNode* node, int row) {
  TCanvas* canvas = Canvas();
  int h = ItemHeight(), y = (row - topRow_) * h;
  if (showLines_) PaintLines(node, y);
  TRect button = ButtonRect(node, row);
  if (!button.IsEmpty()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(button);
    canvas->Brush()->SetColor(clGrayText);
    canvas->FrameRect(button);
    int mx = button.Left + 4, my = button.Top + 4;
    canvas->Brush()->SetColor(clWindowText);
    canvas->FillRect(Rect(mx - 2, my, mx + 3, my + 1));
    if (!node->Expanded()) canvas->FillRect(Rect(mx, my - 2, mx + 1, my + 3));
  }
  int x = NodeLeft(node);
  if (images_) {
    int index = node == selected_ && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
    images_->Draw(canvas, x, y + (h - images_->Height()) / 2, index, Enabled());
    x += images_->Width() + 2;
  }
  TRect text = Rect(x, y, x + canvas->TextWidth(node->Text()) + 4, y + h);
  bool shown = node == selected_ && (Focused() || !hideSelection_);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(shown ? (Focused() ? clHighlight : clBtnFace) : Color());
  canvas->FillRect(text);
  canvas->Font()->SetColor(shown && Focused() ? clHighlightText : Enabled() ? Font()->Color() : clGrayText);
  canvas->Brush()->SetStyle(bsClear);
  TRect inner = text;
  inner.Left += 2;
  DrawText(canvas->Handle(), node->Text(), inner, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  if (node == FocusedNode() && Focused()) canvas->DrawFocusRect(text);
}

// Before any node was chosen the focus is on the first row, where the arrows start.
TTreeNode* TCustomTreeView::FocusedNode() {
  if (selected_ != nullptr || Rows().empty()) return selected_;
  return Rows().front();
}

void TCustomTreeView::Paint() {
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
  const auto& rows = Rows();
  int h = ItemHeight();
  for (int r = topRow_; r < static_cast<int>(rows.size()) && (r - topRow_) * h < ClientHeight(); ++r)
    PaintRow(rows[static_cast<size_t>(r)], r);
}

void TCustomTreeView::KeyDown(uint16_t& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0) return;
  const auto& rows = Rows();
  if (rows.empty()) return;
  int row = selected_ ? RowOf(selected_) : -1;
  int page = std::max(1, ClientHeight() / ItemHeight() - 1);
  int last = static_cast<int>(rows.size()) - 1;
  auto go = [&](int r) { SelectByUser(rows[static_cast<size_t>(std::clamp(r, 0, last))]); };
  switch (key) {
    case VK_UP: go(row < 0 ? 0 : row - 1); break;
    case VK_DOWN: go(row + 1); break;
    case VK_PRIOR: go(row - page); break;
    case VK_NEXT: go(row + page); break;
    case VK_HOME: go(0); break;
    case VK_END: go(last); break;
    case VK_LEFT:
      if (!selected_) break;
      if (selected_->Expanded()) selected_->Collapse(false);
      else if (selected_->Parent() && selected_->Parent()->Parent()) SelectByUser(selected_->Parent());
      break;
    case VK_RIGHT:
      if (!selected_) break;
      if (!selected_->Expanded() && selected_->HasChildren()) selected_->Expand(false);
      else if (selected_->GetFirstChild()) SelectByUser(selected_->GetFirstChild());
      break;
    case VK_ADD: if (selected_) selected_->Expand(false); break;
    case VK_SUBTRACT: if (selected_) selected_->Collapse(false); break;
    case VK_MULTIPLY: if (selected_) selected_->Expand(true); break;
    default: return;
  }
  key = 0;
}

// Typing finds the next shown node whose text starts with what was typed.
void TCustomTreeView::KeyPress(char16_t& key) {
  TCustomControl::KeyPress(key);
  if (key < 0x20 || key == 0x7F) return;
  TStringList texts;
  for (TTreeNode* node : Rows()) texts.Add(node->Text());
  int found = search_.Type(texts, key, selected_ ? RowOf(selected_) : -1);
  if (found >= 0) SelectByUser(Rows()[static_cast<size_t>(found)]);
}

void TCustomTreeView::WMLButtonDown(TMessage& m) {
  TControl::WMMouseDown(m);
  if (CanFocus() && !Focused()) SetFocus();
  TPoint p = LParamToPoint(m.LParam);
  TTreeNode* node = GetNodeAt(p.x, p.y);
  if (!node) return;
  if (ButtonRect(node, RowOf(node)).Contains(p)) {
    node->SetExpanded(!node->Expanded());
    return;
  }
  SelectByUser(node);
}

void TCustomTreeView::WMLButtonDblClk(TMessage& m) {
  TPoint p = LParamToPoint(m.LParam);
  TTreeNode* node = GetNodeAt(p.x, p.y);
  if (node && !ButtonRect(node, RowOf(node)).Contains(p)) {
    SelectByUser(node);
    node->SetExpanded(!node->Expanded());
  }
  DblClick();
}

void TCustomTreeView::WMLButtonUp(TMessage& m) {
  TControl::WMMouseUp(m);
  if (GetCapture() == Handle()) ReleaseCapture();
}

void TCustomTreeView::WMVScroll(TMessage& m) {
  int page = std::max(1, ClientHeight() / ItemHeight() - 1);
  SetTopRow(ScrollCodePosition(Handle(), SB_VERT, m.WParamLo(), topRow_, 1, page, VisibleRowCount()));
}

void TCustomTreeView::WMMouseWheelTree(TMessage& m) {
  TWMMouseWheel wheel(m);
  if (!DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos()))
    SetTopRow(topRow_ - 3 * wheel.WheelDelta() / WHEEL_DELTA);
  m.Result = 1;
}

void TCustomTreeView::WMSizeTree(TMessage& m) {
  TWinControl::WMSize(m);
  NodesChanged();
}

void TCustomTreeView::CMFontChangedTree(TMessage& m) {
  itemHeight_ = 0;
  TWinControl::CMFontChanged(m);
  NodesChanged();
}

void TCustomTreeView::WMFocusChanged(TMessage& m) {
  if (m.Msg == WM_SETFOCUS) TWinControl::WMSetFocus(m);
  else TWinControl::WMKillFocus(m);
  Invalidate();
}
