// The standard list box: items, selection, scrolling and owner-drawn lines.
#include "platform/controls/list_box.h"

#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/draw_text.h"
#include "platform/windows/scroll_bars.h"

TListBoxStrings::TItem& TListBoxStrings::Item(int index) {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

const TListBoxStrings::TItem& TListBoxStrings::Item(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
  return items_[static_cast<size_t>(index)];
}

void TListBoxStrings::SetStrings(int index, const String& s) {
  Item(index).text = s;
  box_->ItemsChanged();
}

void TListBoxStrings::InsertObject(int index, const String& s, TObject* object) {
  if (index < 0 || index > Count()) RaiseListIndexError(index);
  items_.insert(items_.begin() + index, TItem{s, object, false, 0});
  box_->ItemInserted(index);
}

int TListBoxStrings::AddObject(const String& s, TObject* object) {
  int index = box_->sorted_ ? box_->SortedPosition(s) : Count();
  InsertObject(index, s, object);
  return index;
}

void TListBoxStrings::Delete(int index) {
  Item(index);
  items_.erase(items_.begin() + index);
  box_->ItemDeleted(index);
}

void TListBoxStrings::Clear() {
  items_.clear();
  box_->caret_ = box_->anchor_ = -1;
  box_->topIndex_ = 0;
  box_->ItemsChanged();
}

void TListBoxStrings::SetUpdateState(bool updating) {
  box_->updating_ = updating;
  if (!updating) box_->ItemsChanged();
}

TCustomListBox::TCustomListBox(TComponent* owner)
    : TCustomControl(owner),
      items_(std::make_unique<TListBoxStrings>(this)) {
  controlStyle_ = {csSetCaption, csDoubleClicks, csOpaque};
  SetColor(clWindow);
  SetTabStop(true);
  SetBounds(0, 0, 121, 97);
}

TCustomListBox::~TCustomListBox() = default;

void TCustomListBox::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListBox::CreateWnd() {
  TCustomControl::CreateWnd();
  UpdateScrollBar();
}

void TCustomListBox::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) RaiseListIndexError(index);
}

int TCustomListBox::SortedPosition(const String& s) const {
  int lo = 0, hi = Count();
  while (lo < hi) {
    int mid = (lo + hi) / 2;
    if (items_->CompareStrings(items_->items_[static_cast<size_t>(mid)].text, s) <= 0) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

void TCustomListBox::ItemInserted(int index) {
  TListBoxStrings::TItem& item = items_->Item(index);
  item.height = ItemHeight();
  if (style_ == lbOwnerDrawVariable) MeasureItem(index, item.height);
  if (caret_ >= index) ++caret_;
  if (anchor_ >= index) ++anchor_;
  ItemsChanged();
}

void TCustomListBox::ItemDeleted(int index) {
  if (caret_ == index) caret_ = multiSelect_ ? std::min(index, Count() - 1) : -1;
  else if (caret_ > index) --caret_;
  if (anchor_ >= index) anchor_ = std::max(anchor_ - 1, Count() > 0 ? 0 : -1);
  ItemsChanged();
}

void TCustomListBox::ItemsChanged() {
  if (updating_) return;
  topIndex_ = std::clamp(topIndex_, 0, MaxTopIndex());
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::MeasureItem(int index, int& height) { OnMeasureItem.Call(this, index, height); }

int TCustomListBox::ItemHeight() {
  if (style_ != lbStandard) return itemHeight_;
  if (fontHeight_ == 0) {
    TBitmap measure(1, 1);
    measure.Canvas()->Font()->Assign(Font());
    fontHeight_ = std::max(1, measure.Canvas()->TextHeight("Wg"));
  }
  return fontHeight_;
}

void TCustomListBox::SetItemHeight(int v) {
  if (v <= 0 || v == itemHeight_) return;
  itemHeight_ = v;
  for (auto& item : items_->items_) item.height = v;
  ItemsChanged();
}

int TCustomListBox::HeightOf(int index) {
  if (style_ == lbOwnerDrawVariable) return std::max(1, items_->Item(index).height);
  return std::max(1, ItemHeight());
}

void TCustomListBox::SetStyle(TListBoxStyle v) {
  if (style_ == v) return;
  style_ = v;
  for (int i = 0; i < Count(); ++i) {
    int& height = items_->Item(i).height;
    height = ItemHeight();
    if (style_ == lbOwnerDrawVariable) MeasureItem(i, height);
  }
  ItemsChanged();
}

void TCustomListBox::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool v) {
  if (sorted_ == v) return;
  sorted_ = v;
  if (v) SortItems();
}

void TCustomListBox::SortItems() {
  auto& items = items_->items_;
  TObject* caretObject = caret_ >= 0 ? items[static_cast<size_t>(caret_)].object : nullptr;
  String caretText = caret_ >= 0 ? items[static_cast<size_t>(caret_)].text : String();
  std::stable_sort(items.begin(), items.end(), [this](const auto& a, const auto& b) {
    return items_->CompareStrings(a.text, b.text) < 0;
  });
  if (caret_ >= 0) {
    auto it = std::find_if(items.begin(), items.end(), [&](const auto& i) { return i.text == caretText && i.object == caretObject; });
    caret_ = static_cast<int>(it - items.begin());
  }
  anchor_ = caret_;
  ItemsChanged();
}

void TCustomListBox::SetMultiSelect(bool v) {
  if (multiSelect_ == v) return;
  multiSelect_ = v;
  if (!v) SelectOnly(caret_);
  Invalidate();
}

bool TCustomListBox::Selected(int index) const {
  CheckIndex(index);
  return items_->Item(index).selected;
}

void TCustomListBox::SetSelected(int index, bool v) {
  CheckIndex(index);
  if (!multiSelect_) {
    if (v) SelectOnly(index);
    else if (caret_ == index) SelectOnly(-1);
    return;
  }
  items_->Item(index).selected = v;
  Invalidate();
}

int TCustomListBox::SelCount() const {
  if (!multiSelect_) return static_cast<int>(LB_ERR);
  return static_cast<int>(std::count_if(items_->items_.begin(), items_->items_.end(), [](const auto& i) { return i.selected; }));
}

void TCustomListBox::SetItemIndex(int v) {
  if (v < -1 || v >= Count()) v = -1;
  if (multiSelect_) {
    caret_ = v;
    if (v >= 0) items_->Item(v).selected = true;
  } else {
    SelectOnly(v);
  }
  anchor_ = v;
  MakeVisible(v);
  Invalidate();
}

void TCustomListBox::SelectOnly(int index) {
  for (auto& item : items_->items_) item.selected = false;
  caret_ = index;
  if (index >= 0) items_->Item(index).selected = true;
  Invalidate();
}

void TCustomListBox::SelectRange(int from, int to, bool keepOthers) {
  if (!keepOthers)
    for (auto& item : items_->items_) item.selected = false;
  for (int i = std::min(from, to); i <= std::max(from, to); ++i)
    if (i >= 0 && i < Count()) items_->Item(i).selected = true;
  Invalidate();
}

void TCustomListBox::ClearSelection() {
  if (!multiSelect_) return SelectOnly(-1);
  for (auto& item : items_->items_) item.selected = false;
  Invalidate();
}

void TCustomListBox::SelectAll() {
  if (!multiSelect_) return;
  SelectRange(0, Count() - 1, true);
}

void TCustomListBox::DeleteSelected() {
  TStringsUpdateLock lock(*items_);
  for (int i = Count() - 1; i >= 0; --i)
    if (items_->Item(i).selected) items_->Delete(i);
}

TCustomListBox::TSelection TCustomListBox::SelectionState() const {
  TSelection state;
  state.reserve(items_->items_.size());
  for (const auto& item : items_->items_) state.push_back(item.selected);
  return state;
}

void TCustomListBox::NotifyIfChanged(const TSelection& before, int caretBefore) {
  if (before == SelectionState() && caretBefore == caret_) return;
  SelectionChangedByUser();
}

void TCustomListBox::SelectionChangedByUser() {
  HWND parent = Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr;
  WPARAM w = MakeWParam(0, LBN_SELCHANGE);
  if (parent) SendMessage(parent, WM_COMMAND, w, reinterpret_cast<LPARAM>(Handle()));
  else Perform(CN_COMMAND, w, reinterpret_cast<LPARAM>(Handle()));
}

void TCustomListBox::CNCommand(TMessage& m) {
  if (m.WParamHi() == LBN_SELCHANGE) Click();
  else if (m.WParamHi() == LBN_DBLCLK) DblClick();
}

int TCustomListBox::MaxTopIndex() {
  int room = ClientHeight();
  int top = Count();
  while (top > 0 && room - HeightOf(top - 1) >= 0) room -= HeightOf(--top);
  return std::min(top, std::max(Count() - 1, 0));
}

int TCustomListBox::VisibleCount() {
  int room = ClientHeight(), n = 0;
  for (int i = topIndex_; i < Count() && room >= HeightOf(i); ++i, ++n) room -= HeightOf(i);
  return n;
}

void TCustomListBox::SetTopIndex(int v) {
  v = std::clamp(v, 0, MaxTopIndex());
  if (v == topIndex_) return;
  topIndex_ = v;
  UpdateScrollBar();
  Invalidate();
}

void TCustomListBox::MakeVisible(int index) {
  if (index < 0) return;
  if (index < topIndex_) return SetTopIndex(index);
  int room = ClientHeight(), top = index;
  room -= HeightOf(index);
  while (top > topIndex_ && room - HeightOf(top - 1) >= 0) room -= HeightOf(--top);
  if (top > topIndex_) SetTopIndex(top);
}

void TCustomListBox::UpdateScrollBar() {
  if (!HandleAllocated() || updating_) return;
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(Count() - 1, 0);
  int visible = VisibleCount();
  si.nPage = static_cast<uint32_t>(std::max(visible, 1));
  if (topIndex_ == 0 && visible >= Count()) si.nPage = static_cast<uint32_t>(si.nMax + 1);
  si.nPos = topIndex_;
  SetScrollInfo(Handle(), SB_VERT, si, true);
  ScrollInfoChanged();
}

TRect TCustomListBox::ItemRect(int index) {
  if (index < topIndex_ || index > Count()) return {};
  int y = 0;
  for (int i = topIndex_; i < index; ++i) y += HeightOf(i);
  int height = index < Count() ? HeightOf(index) : ItemHeight();
  return Rect(0, y, ClientWidth(), y + height);
}

int TCustomListBox::IndexFromY(int y) {
  if (y < 0) return topIndex_ - 1;
  int top = 0;
  for (int i = topIndex_; i < Count(); ++i) {
    top += HeightOf(i);
    if (y < top) return i;
  }
  return Count();
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) {
  if (p.x < 0 || p.x >= ClientWidth() || p.y < 0) return -1;
  int index = IndexFromY(p.y);
  if (index >= Count()) return existing ? -1 : Count();
  return index;
}

void TCustomListBox::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  int height = ClientHeight();
  // Before any item was chosen the focus is on the first, where the arrows start.
  const int focusedItem = caret_ >= 0 ? caret_ : 0;
  for (int i = topIndex_; i < Count(); ++i) {
    TRect r = ItemRect(i);
    if (r.Top >= height) break;
    TOwnerDrawState state;
    if (items_->Item(i).selected) state.Include(odSelected);
    if (i == focusedItem && Focused()) state.Include(odFocused);
    if (!Enabled()) state.Include(odDisabled);
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(state.Contains(odSelected) ? clHighlight : Color());
    if (state.Contains(odSelected)) canvas->Font()->SetColor(clHighlightText);
    DrawItem(i, r, state);
    if (state.Contains(odFocused)) canvas->DrawFocusRect(r);
  }
  if (Count() == 0 && Focused()) canvas->DrawFocusRect(ItemRect(0));
}

void TCustomListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (style_ != lbStandard && OnDrawItem) return OnDrawItem(this, index, rect, state);
  Canvas()->FillRect(rect);
  if (!Enabled()) Canvas()->Font()->SetColor(clGrayText);
  rect.Left += 2;
  Canvas()->Brush()->SetStyle(bsClear);
  DrawText(Canvas()->Handle(), items_->Strings(index), rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void TCustomListBox::Publish() {
  TPublisher<TCustomListBox> p;
  p.Redeclare("Color").Default(clWindow);
  p.Redeclare("TabStop").Default(true);
  p.Property("Style", &TCustomListBox::Style, &TCustomListBox::SetStyle).Default(lbStandard);
  p.Property("MultiSelect", &TCustomListBox::MultiSelect, &TCustomListBox::SetMultiSelect).Default(false);
  p.Property("ExtendedSelect", &TCustomListBox::ExtendedSelect, &TCustomListBox::SetExtendedSelect).Default(true);
  p.Property("Sorted", &TCustomListBox::Sorted, &TCustomListBox::SetSorted).Default(false);
  p.Property("ItemHeight", &TCustomListBox::ItemHeight, &TCustomListBox::SetItemHeight).Default(16);
  p.Event("OnDrawItem", &TCustomListBox::OnDrawItem);
  p.Event("OnMeasureItem", &TCustomListBox::OnMeasureItem);
}
