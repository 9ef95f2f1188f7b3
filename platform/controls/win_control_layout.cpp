// Alignment, anchors, tab order and focus of windowed controls.
#include <algorithm>
#include "platform/core/scope_guard.h"

#include "platform/controls/forms.h"
#include "platform/controls/win_control.h"
#include "platform/windows/focus.h"

namespace {

// Controls of one alignment, in the order they claim space: by their position.
bool ComesFirst(TAlign kind, TControl* a, TControl* b) {
  switch (kind) {
    case alTop: return a->Top() < b->Top();
    case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
    case alLeft: return a->Left() < b->Left();
    case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
    default: return false;
  }
}

void Place(TAlign kind, TControl* c, TRect& r) {
  int w = c->Width(), h = c->Height();
  switch (kind) {
    case alTop: c->SetBounds(r.Left, r.Top, r.Width(), h); r.Top += c->Height(); break;
    case alBottom: c->SetBounds(r.Left, r.Bottom - h, r.Width(), h); r.Bottom -= c->Height(); break;
    case alLeft: c->SetBounds(r.Left, r.Top, w, r.Height()); r.Left += c->Width(); break;
    case alRight: c->SetBounds(r.Right - w, r.Top, w, r.Height()); r.Right -= c->Width(); break;
    case alClient: c->SetBounds(r.Left, r.Top, r.Width(), r.Height()); break;
    default: break;
  }
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
}

}  // namespace

void TWinControl::AdjustClientRect(TRect& rect) { InflateRect(rect, -borderWidth_, -borderWidth_); }

void TWinControl::AlignOneKind(TAlign kind, TRect& rect) {
  std::vector<TControl*> list;
  for (TControl* c : controls_)
    if (c->Visible() && c->Align() == kind) list.push_back(c);
  std::stable_sort(list.begin(), list.end(), [kind](TControl* a, TControl* b) { return ComesFirst(kind, a, b); });
  for (TControl* c : list) Place(kind, c, rect);
}

void TWinControl::AlignControls(TControl*, TRect& rect) {
  for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) AlignOneKind(kind, rect);
  ApplyAnchors();
}

void TWinControl::ApplyAnchors() {
  TSize size = ClientSize();
  for (TControl* c : controls_) c->AnchorTo(size.cx, size.cy);
}

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || aligning_) {
    controlState_.Include(csAlignmentNeeded);
    return;
  }
  auto aligning = ScopedValue(aligning_, true);
  controlState_.Exclude(csAlignmentNeeded);
  TRect rect = ClientRect();
  AdjustClientRect(rect);
  AlignControls(nullptr, rect);
}

void TWinControl::ScrollBy(int dx, int dy) {
  {
    DisableAlign();
    ScopeGuard enable([this] { EnableAlign(); });
    for (TControl* c : controls_) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
  }
  Realign();
  Invalidate();
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0 && controlState_.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::SetTabStop(bool v) {
  if (tabStop_ == v) return;
  tabStop_ = v;
  if (handle_) SetWindowLong(handle_, GWL_STYLE, (GetWindowLong(handle_, GWL_STYLE) & ~intptr_t{WS_TABSTOP}) | (v ? WS_TABSTOP : 0));
}

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int v) {
  if (!parent_) return;
  auto& list = parent_->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  int index = std::clamp(v, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + index, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) {
  for (TWinControl* c : tabList_) {
    list.push_back(c);
    c->GetTabOrderList(list);
  }
}

bool TWinControl::CanFocus() {
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  for (TControl* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) form->FocusControl(this);
  else if (Handle()) ::SetFocus(handle_);
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  auto n = static_cast<int>(list.size());
  int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
  if (start == n) start = goForward ? n - 1 : 0;
  for (int step = 1; step <= n; ++step) {
    int i = ((goForward ? start + step : start - step) % n + n) % n;
    TWinControl* c = list[static_cast<size_t>(i)];
    if (c == current) break;
    if (!c->CanFocus() || (checkTabStop && !c->TabStop()) || (checkParent && c->Parent() != this)) continue;
    return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool goForward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, goForward, checkTabStop, !checkTabStop)) next->SetFocus();
}
