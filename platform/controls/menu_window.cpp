// The window of an open menu: measuring, painting, keys and mouse.
#include "platform/controls/menu_window.h"

#include <algorithm>

#include "platform/controls/control_text.h"
#include "platform/controls/menus.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/focus.h"

namespace {

constexpr unsigned kCaptionFlags = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
constexpr int kArrowRoom = 20;

bool OwnerDrawn(TMenuItem* item) {
  TMenu* menu = item->GetParentMenu();
  return menu && menu->OwnerDraw();
}

}  // namespace

TMenuWindow::TMenuWindow(TPopupMenu* menu, TMenuItem* parent, int level)
    : TCustomControl(nullptr), menu_(menu), parent_(parent), level_(level) {
  SetVisible(false);
  SetColor(clMenu);
}

void TMenuWindow::SetParentItem(TMenuItem* parent) {
  parent_ = parent;
  selected_ = -1;
  rows_.clear();
}

const TMessageMap& TMenuWindow::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_KEYDOWN, &TMenuWindow::WMKeyDownMenu);
    m.On(WM_SYSKEYDOWN, &TMenuWindow::WMKeyDownMenu);
    m.On(WM_CHAR, &TMenuWindow::WMCharMenu);
    m.On(WM_MOUSEMOVE, &TMenuWindow::WMMouseMoveMenu);
    m.On(WM_LBUTTONDOWN, &TMenuWindow::WMLButtonDownMenu);
    m.On(WM_RBUTTONDOWN, &TMenuWindow::WMLButtonDownMenu);
    m.On(WM_LBUTTONUP, &TMenuWindow::WMLButtonUpMenu);
    m.On(WM_RBUTTONUP, &TMenuWindow::WMLButtonUpMenu);
    m.On(WM_KILLFOCUS, &TMenuWindow::WMKillFocusMenu);
    m.On(WM_GETDLGCODE, &TMenuWindow::WMGetDlgCode);
    return m;
  }();
  return map;
}

void TMenuWindow::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP;
  params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
}

TSize TMenuWindow::MeasureItem(TMenuItem* item) {
  TCanvas* canvas = Canvas();
  if (item->IsLine()) {
    // A separator measures no width of its own unless it is owner-drawn.
    int width = 0, height = MenuSeparatorHeight;
    if (OwnerDrawn(item)) item->OnMeasureItem.Call(item, canvas, width, height);
    return {width, std::max(height, 1)};
  }
  String caption = item->Caption();
  TRect text = MeasureControlText(canvas, caption.empty() ? String(" ") : caption, Rect(0, 0, 0, 0), kCaptionFlags);
  int width = gutter_ + text.Width() + kArrowRoom;
  if (item->ShortCut()) width += 24 + canvas->TextWidth(ShortCutToText(item->ShortCut()));
  int height = std::max(text.Height() + 6, 18);
  TMenu* menu = item->GetParentMenu();
  if (menu && menu->Images()) height = std::max(height, menu->Images()->Height() + 4);
  if (OwnerDrawn(item)) item->OnMeasureItem.Call(item, canvas, width, height);
  return {width, std::max(height, 1)};
}

void TMenuWindow::Measure() {
  TBitmap measure(1, 1);
  TCanvasPaintScope scope(Canvas(), measure.Canvas()->Handle(), controlState_);
  Canvas()->Font()->Assign(Font());
  TMenu* menu = parent_->GetParentMenu();
  gutter_ = std::max(16, menu && menu->Images() ? menu->Images()->Width() : 0) + 6;
  rows_.assign(static_cast<size_t>(parent_->Count()), TRect());
  int y = MenuFrame, width = 0;
  for (int i = 0; i < parent_->Count(); ++i) {
    TMenuItem* item = parent_->Items(i);
    if (!item->Visible()) continue;
    TSize size = MeasureItem(item);
    rows_[static_cast<size_t>(i)] = Rect(MenuFrame, y, MenuFrame + size.cx, y + size.cy);
    y += size.cy;
    width = std::max(width, size.cx);
  }
  for (TRect& r : rows_)
    if (r.Bottom > r.Top) r.Right = MenuFrame + width;  // separators measure no width of their own
  SetBounds(Left(), Top(), width + 2 * MenuFrame, y + MenuFrame);
}

void TMenuWindow::FollowItems(const TMenuItem* opened, bool highlightGone) {
  Measure();
  if (opened) selected_ = parent_->IndexOf(opened);
  else if (highlightGone || !Selectable(selected_)) selected_ = -1;
  Invalidate();
}

TRect TMenuWindow::ItemRect(int index) const {
  if (index < 0 || index >= static_cast<int>(rows_.size())) return {};
  return rows_[static_cast<size_t>(index)];
}

int TMenuWindow::ItemAt(TPoint client) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (!rows_[i].IsEmpty() && rows_[i].Contains(client)) return static_cast<int>(i);
  return -1;
}

bool TMenuWindow::Selectable(int index) const {
  if (index < 0 || index >= parent_->Count() || ItemRect(index).IsEmpty()) return false;
  return !parent_->Items(index)->IsLine();
}

int TMenuWindow::NextSelectable(int from, int step) const {
  int count = parent_->Count();
  for (int n = 1; n <= count; ++n) {
    int i = ((from + step * n) % count + count) % count;
    if (Selectable(i)) return i;
  }
  return -1;
}

void TMenuWindow::Select(int index) {
  if (!Selectable(index)) index = -1;
  if (index == selected_) return;
  selected_ = index;
  menu_->CloseLevelsFrom(level_ + 1);
  Invalidate();
}

bool TMenuWindow::OpenSubmenu(bool selectFirst) {
  if (selected_ < 0) return false;
  TMenuItem* item = parent_->Items(selected_);
  if (item->Count() == 0 || !item->Enabled()) return false;
  TRect r = ItemRect(selected_);
  TMenuWindow* sub = menu_->OpenLevel(item, ClientToScreen({r.Right + MenuFrame - 1, r.Top - MenuFrame}), level_ + 1);
  if (sub && selectFirst) sub->Select(sub->NextSelectable(-1, 1));
  return sub != nullptr;
}

// Runs an item, or opens its submenu.
void TMenuWindow::Activate(int index) {
  Select(index);
  if (selected_ < 0 || OpenSubmenu(true)) return;
  TMenuItem* item = parent_->Items(selected_);
  if (item->Enabled()) menu_->Choose(item);
}

bool TMenuWindow::HandleKey(uint16_t key) {
  switch (key) {
    case VK_DOWN: Select(NextSelectable(selected_ < 0 ? -1 : selected_, 1)); return true;
    case VK_UP: Select(NextSelectable(selected_ < 0 ? parent_->Count() : selected_, -1)); return true;
    case VK_HOME: Select(NextSelectable(-1, 1)); return true;
    case VK_END: Select(NextSelectable(parent_->Count(), -1)); return true;
    case VK_RIGHT:
      if (!OpenSubmenu(true)) menu_->PassKeyToBar(key);
      return true;
    case VK_LEFT:
      if (level_ > 0) menu_->CloseLevelsFrom(level_);
      else menu_->PassKeyToBar(key);
      return true;
    case VK_ESCAPE:
      if (level_ > 0) menu_->CloseLevelsFrom(level_);
      else if (!menu_->PassKeyToBar(key)) menu_->CloseMenu();
      return true;
    case VK_RETURN:
      if (selected_ >= 0) Activate(selected_);
      return true;
    default: return false;
  }
}

// A letter runs the item whose accelerator it is; when several share it, it moves between them.
bool TMenuWindow::HandleChar(char32_t code) {
  if (code > 0xFFFF) return false;
  std::vector<int> matches;
  for (int i = 0; i < parent_->Count(); ++i)
    if (Selectable(i) && IsAccel(static_cast<uint16_t>(code), parent_->Items(i)->Caption())) matches.push_back(i);
  if (matches.empty()) return false;
  if (matches.size() == 1) {
    Activate(matches.front());
    return true;
  }
  auto next = std::upper_bound(matches.begin(), matches.end(), selected_);
  Select(next == matches.end() ? matches.front() : *next);
  return true;
}

TMenuWindow* TMenuWindow::WindowAt(TPoint screen) {
  for (int level = 8; level >= 0; --level) {
    TMenuWindow* w = menu_->LevelWindow(level);
    if (w && w->BoundsRect().Contains(screen)) return w;
  }
  return nullptr;
}

void TMenuWindow::WMKeyDownMenu(TMessage& m) {
  TMenuWindow* deepest = this;
  while (TMenuWindow* next = menu_->LevelWindow(deepest->level_ + 1)) deepest = next;
  if (!deepest->HandleKey(static_cast<uint16_t>(m.WParam))) DefaultHandler(m);
}

void TMenuWindow::WMCharMenu(TMessage& m) {
  TMenuWindow* deepest = this;
  while (TMenuWindow* next = menu_->LevelWindow(deepest->level_ + 1)) deepest = next;
  deepest->HandleChar(static_cast<char32_t>(m.WParam));
}

// The first level has the mouse captured: the pointer highlights in whichever level it is over.
void TMenuWindow::WMMouseMoveMenu(TMessage& m) {
  TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  TMenuWindow* over = WindowAt(screen);
  if (!over) {
    menu_->PassMouseToBar(screen, false);
    return;
  }
  int index = over->ItemAt(over->ScreenToClient(screen));
  if (index < 0 || index == over->selected_) return;
  over->Select(index);
  over->OpenSubmenu(false);
}

void TMenuWindow::WMLButtonDownMenu(TMessage& m) {
  TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  if (!WindowAt(screen) && !menu_->PassMouseToBar(screen, true)) menu_->CloseMenu();
}

void TMenuWindow::WMLButtonUpMenu(TMessage& m) {
  TPoint screen = ClientToScreen(LParamToPoint(m.LParam));
  TMenuWindow* over = WindowAt(screen);
  if (!over) return;
  int index = over->ItemAt(over->ScreenToClient(screen));
  if (index >= 0 && over->Selectable(index)) over->Activate(index);
}

void TMenuWindow::WMKillFocusMenu(TMessage& m) {
  TWinControl::WMKillFocus(m);
  if (level_ == 0 && menu_->IsOpen()) menu_->CloseMenu();
}

void TMenuWindow::Paint() {
  TRect r = ClientRect();
  Canvas()->Brush()->SetColor(clMenu);
  Canvas()->FillRect(r);
  DrawEdge(Canvas()->Handle(), r, EDGE_RAISED, BF_RECT);
  for (int i = 0; i < parent_->Count(); ++i)
    if (!ItemRect(i).IsEmpty()) PaintItem(i);
}

void TMenuWindow::PaintGutter(TMenuItem* item, const TRect& r, bool selected) {
  TMenu* menu = item->GetParentMenu();
  TCustomImageList* images = menu ? menu->Images() : nullptr;
  if (images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
    images->Draw(Canvas(), r.Left + 3, r.Top + (r.Height() - images->Height()) / 2, item->ImageIndex(), item->Enabled());
    return;
  }
  if (!item->Checked()) return;
  TColor ink = selected ? clHighlightText : item->Enabled() ? clMenuText : clGrayText;
  int cx = r.Left + gutter_ / 2 - 1, cy = r.Top + r.Height() / 2;
  Canvas()->Pen()->SetColor(ink);
  Canvas()->Brush()->SetStyle(bsSolid);
  Canvas()->Brush()->SetColor(ink);
  if (item->RadioItem()) {
    Canvas()->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
    return;
  }
  for (int dy = 0; dy < 3; ++dy) {
    Canvas()->MoveTo(cx - 3, cy - 1 + dy);
    Canvas()->LineTo(cx - 1, cy + 1 + dy);
    Canvas()->LineTo(cx + 4, cy - 4 + dy);
  }
}

void TMenuWindow::PaintItem(int index) {
  TMenuItem* item = parent_->Items(index);
  TRect r = ItemRect(index);
  bool selected = index == selected_;
  TCanvas* canvas = Canvas();
  canvas->Font()->Assign(Font());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas->Font()->SetColor(selected ? clHighlightText : clMenuText);
  if (OwnerDrawn(item) && item->OnDrawItem) {
    item->OnDrawItem(item, canvas, r, selected);
    // As the window system does for owner-drawn items, the menu still marks a submenu.
    PaintSubmenuArrow(item, r);
    return;
  }
  canvas->FillRect(r);
  if (item->IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FillRect(Rect(r.Left + 1, y, r.Right - 1, y + 1));
    canvas->Brush()->SetColor(clBtnHighlight);
    canvas->FillRect(Rect(r.Left + 1, y + 1, r.Right - 1, y + 2));
    return;
  }
  PaintGutter(item, r, selected);
  if (item->Default()) canvas->Font()->SetStyle(TFontStyles{fsBold});
  if (selected && !item->Enabled()) canvas->Font()->SetColor(clGrayText);
  bool embossed = !selected && !item->Enabled();
  TRect text = Rect(r.Left + gutter_, r.Top, r.Right - kArrowRoom, r.Bottom);
  DrawControlText(canvas, item->Caption(), text, kCaptionFlags, !embossed);
  if (item->ShortCut()) DrawControlText(canvas, ShortCutToText(item->ShortCut()), text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT, !embossed);
  PaintSubmenuArrow(item, r);
}

// A small triangle at the right end of an item that has sub-items, in the text colour.
void TMenuWindow::PaintSubmenuArrow(TMenuItem* item, const TRect& r) {
  if (item->Count() == 0) return;
  TCanvas* canvas = Canvas();
  int cx = r.Right - 10, cy = r.Top + r.Height() / 2;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(canvas->Font()->Color());
  canvas->Pen()->SetColor(canvas->Font()->Color());
  canvas->Polygon({{cx, cy - 3}, {cx + 3, cy}, {cx, cy + 3}});
}
