#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/core/scope_guard.h"
#include "sidebar/live_bars.h"
#include "sidebar/side_bar.h"

// Buttons dragged within a bar, between bars and out of the program; drops onto the bar.

void TnbSideBar::RegisterLive(bool alive) {
  if (alive) {
    liveId_ = nbLiveBars::Add(this);
    return;
  }
  nbLiveBars::Remove(liveId_);
  // A drag of this bar's button may still hold the manager; it must not reach the bar.
  if (dragManager_) dragManager_->BarGone();
}

TnbButton* TnbSideBar::DropTargetAt(TPoint p, int& position) const {
  layout_->Update();
  const bool single = SingleActiveLayout();
  for (int i = 0; i < HeaderCount(); ++i) {
    TnbHeader* h = Header(i);
    if (single ? h != activeHeader_ : !h->Opened()) continue;
    for (int j = 0; j < h->ButtonCount(); ++j) {
      TnbButton* b = h->GetButton(j);
      const TRect real = b->Rects().Button;
      if (!b->Visible() || real == kHiddenRect) continue;
      // The whole row answers; the first and last buttons reach up and down the body.
      TRect hit = Rect(-1000, real.Top, 20000, real.Bottom);
      if (single && b->IsFirstVisible()) hit.Top = -10000;
      if (single && b->IsLastVisible()) hit.Bottom = 20000;
      if (!PtInRect(hit, p)) continue;
      const bool upper = real.Top + (real.Bottom - real.Top) / 2 > p.y;
      position = upper && b->IsFirstVisible() ? 1 : b->IsLastVisible() ? 3 : 2;
      return b;
    }
  }
  return nullptr;
}

uint32_t TnbSideBar::GetDropEffect(TnbSideBar* source, TShiftState shift, uint32_t allowed) const {
  uint32_t result = allowed;
  if (source != this && (allowed & DROPEFFECT_COPY)) result = DROPEFFECT_COPY;
  if (source == this && (allowed & DROPEFFECT_MOVE)) result = DROPEFFECT_MOVE;
  const bool ctrl = shift.Contains(ssCtrl), shiftKey = shift.Contains(ssShift);
  if (!ctrl && shiftKey && (allowed & DROPEFFECT_MOVE)) result = DROPEFFECT_MOVE;
  if (ctrl && shiftKey && (allowed & DROPEFFECT_LINK)) result = DROPEFFECT_LINK;
  if (ctrl && !shiftKey && (allowed & DROPEFFECT_COPY)) result = DROPEFFECT_COPY;
  return result;
}

HRESULT TnbSideBar::DoDragEnter(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                                uint32_t& effect) {
  const TShiftState shift = KeysToShiftState(keyState);
  const TPoint p = ScreenToClient(screen);
  bool accept = true;
  effect = GetDropEffect(source, shift, effect);
  OnDragEnter.Call(this, data, source, shift, dsDragEnter, p, dropMode_, effect, accept);
  OnDragOver.Call(this, source, shift, dsDragEnter, p, dropMode_, effect, accept);
  dragAccepted_ = accept;
  if (!accept) effect = DROPEFFECT_NONE;
  return S_OK;
}

HRESULT TnbSideBar::DoDragOver(TnbSideBar* source, uint32_t keyState, TPoint screen, uint32_t& effect) {
  DragOverAt(source, KeysToShiftState(keyState), ScreenToClient(screen), dsDragMove, effect);
  return S_OK;
}

void TnbSideBar::DragOverAt(TObject* source, TShiftState shift, TPoint p, TDragState state, uint32_t& effect) {
  bool accept = true;
  int position = 1;
  TnbButton* target = DropTargetAt(p, position);
  dropMode_ = target ? dmButton : dmNowhere;
  if (options_.Contains(boAutoChangeHeader)) {
    for (int i = 0; i < HeaderCount(); ++i) {
      TnbHeader* h = Header(i);
      if (!PtInRect(h->CaptionRect(), p) && !PtInRect(h->BodyRect(), p)) continue;
      if (h != autoChangeCandidate_) {
        autoChangeCandidate_ = h;
        StartTimer(3, autoChangeDelay_);
      }
      break;
    }
  }
  if (options_.Contains(boAutoScroll)) AutoScrollBoxes(p.x, p.y);
  if (target != dropTarget_ || position != dropPosition_ || target != nullptr) Invalidate();
  dropTarget_ = target;
  dropPosition_ = position;
  effect = GetDropEffect(dynamic_cast<TnbSideBar*>(source), shift, effect);
  OnDragOver.Call(this, source, shift, state, p, dropMode_, effect, accept);
  dragAccepted_ = accept;
  if (!accept) effect = DROPEFFECT_NONE;
}

void TnbSideBar::AutoScrollBoxes(int x, int y) {
  const TPoint p{x, y};
  const auto press = [&](BoxIndex i) {
    TnbScrollBox& box = Box(i);
    const bool over = !IsRectEmpty(box.Rect) && PtInRect(box.Rect, p);
    if (over && box.State != TnbScrollBox::Pressed) box.State = TnbScrollBox::Pressed;
    else if (!over && box.State != TnbScrollBox::Normal) box.State = TnbScrollBox::Normal;
    else return false;
    return true;
  };
  bool changed = false;
  if (SingleActiveLayout()) {
    const bool up = press(ListUp), down = press(ListDown);
    changed = up || down;
    if (changed) StartTimer(4, autoButtonScrollDelay_);
  } else {
    const bool up = press(ColumnUp), down = press(ColumnDown);
    changed = up || down;
    if (changed) StartTimer(2, autoScrollDelay_);
  }
  if (changed) Invalidate();
}

void TnbSideBar::ClearDropTarget() {
  dropTarget_ = nullptr;
  autoChangeCandidate_ = nullptr;
  EndDragScroll();
  Invalidate();
}

void TnbSideBar::EndDragScroll() {
  for (BoxIndex i : {ColumnUp, ColumnDown, ListUp, ListDown})
    if (Box(i).State == TnbScrollBox::Pressed) Box(i).State = TnbScrollBox::Normal;
  StopTimer(2);
  StopTimer(3);
  StopTimer(4);
}

// Drags of the class library (a control dragged with the mouse captured) over the bar: the
// same marks and events as a drag of data, without data; docking is not the bar's business.
void TnbSideBar::CMDrag(TMessage& m) {
  auto* rec = reinterpret_cast<TDragRec*>(m.LParam);
  const auto message = static_cast<TDragMessage>(m.WParam);
  if (rec == nullptr || rec->Docking || message == dmFindTarget || message == dmDragCancel) return Inherited(m);
  const TPoint p = ScreenToClient(rec->Pos);
  TObject* source = rec->Source != nullptr && rec->Source->Control() != nullptr
                        ? static_cast<TObject*>(rec->Source->Control())
                        : rec->Source;
  uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  if (message == dmDragDrop) {
    ScopeGuard finish([this] { ClearDropTarget(); });
    OnDragDrop.Call(this, source, nullptr, {}, GetShiftState(), p, effect, dropMode_);
    return;
  }
  const TDragState state = message == dmDragEnter ? dsDragEnter : message == dmDragLeave ? dsDragLeave : dsDragMove;
  DragOverAt(source, GetShiftState(), p, state, effect);
  m.Result = static_cast<LRESULT>(effect);
  if (message == dmDragLeave) ClearDropTarget();
}

void TnbSideBar::WMLButtonDown(TMessage& m) {
  Inherited(m);
  const TShiftState shift = KeysToShiftState(static_cast<uint32_t>(m.WParam));
  if (!IsDesigning() && !Focused() && HandleAllocated() && Showing()) SetFocus();
  PrepareDrag(LParamToPoint(m.LParam), shift);
}

void TnbSideBar::InvalidateDropTarget(TnbButton* button) {
  if (updating_ || button == nullptr) return;
  // The mark reaches a few pixels above and below the button.
  TRect r = button->Rects().Button;
  InflateRect(r, 0, 7);
  InvalidateRect(r);
}

void TnbSideBar::WriteDraggedButton(TStream& stream, TnbButton* button) { nbWriteDraggedButton(stream, button); }

HRESULT TnbSideBar::DoDragLeave() {
  InvalidateDropTarget(dropTarget_);
  dropTarget_ = nullptr;
  autoChangeCandidate_ = nullptr;
  EndDragScroll();
  uint32_t effect = 0;
  bool accept = dragAccepted_;
  OnDragOver.Call(this, nullptr, TShiftState{}, dsDragLeave, TPoint{}, dropMode_, effect, accept);
  dragAccepted_ = accept;
  return S_OK;
}

HRESULT TnbSideBar::DoDrop(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                           uint32_t& effect) {
  if (effect == DROPEFFECT_NONE) return E_FAIL;
  // The mark, the held scroll boxes and the auto-change end with the drop, however it ends.
  ScopeGuard finish([this] {
    InvalidateDropTarget(dropTarget_);
    ClearDropTarget();
  });
  const TShiftState shift = KeysToShiftState(keyState);
  const TPoint p = ScreenToClient(screen);
  const std::vector<TClipboardFormat> formats = data ? DataObjectFormats(*data) : std::vector<TClipboardFormat>{};
  effect = GetDropEffect(source, shift, effect);
  if (options_.Contains(boInternalDrop) && InternalDrop(dropTarget_ ? dropPosition_ : 1, effect, data, source))
    return S_OK;
  if (!OnDragDrop) return E_FAIL;
  OnDragDrop(this, source, data, formats, shift, p, effect, dropMode_);
  return S_OK;
}

// A drop of this bar's own dragged button: a reorder within its header, or a copy into
// another header (a move when the source then deletes the original).
bool TnbSideBar::InternalDrop(int position, uint32_t& effect, IDataObject* data, TnbSideBar* source) {
  if (source != this || draggedButton_ == nullptr || data == nullptr ||
      !DataObjectHasFormat(*data, TnbDragDropManager::ResourceFormat()))
    return false;
  TnbUpdateLock lock(this);
  const bool moveWanted = (effect & DROPEFFECT_MOVE) != 0;
  effect = DROPEFFECT_NONE;
  TnbButton* dragged = draggedButton_;
  TnbHeader* into = nullptr;
  int index = 0;
  if (dropTarget_ != nullptr) {
    into = dropTarget_->Header();
    index = dropTarget_->Index() + (position == 1 ? 0 : 1);
    if (into == dragged->Header() && moveWanted) {
      // The place before or after the target among the others, whichever way the button moves.
      dragged->SetIndex(dragged->Index() < index ? index - 1 : index);
      return true;
    }
  } else if (autoChangeCandidate_ != nullptr && autoChangeCandidate_->ButtonCount() == 0) {
    into = autoChangeCandidate_;
  } else {
    return false;
  }
  TnbButton* copy = into->Buttons()->Insert(std::min(index, into->ButtonCount()));
  copy->Assign(dragged);
  if (!moveWanted) return true;
  effect = DROPEFFECT_MOVE;
  // A selected button stays the selected one where it moved to.
  TnbHeader* from = dragged->Header();
  if (from != nullptr && from->SelectedIndex() == dragged->Index()) into->SetSelectedIndex(copy->Index());
  return true;
}

void TnbSideBar::PrepareDrag(TPoint p, TShiftState shift) {
  int position = 1;
  TnbButton* target = DropTargetAt(p, position);
  const bool allowed = target != nullptr && DoDragAllowed(target);
  pressPoint_ = p;
  const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl);
  if (allowed && plain && !dragPending_ && draggedButton_ == nullptr) {
    dragThreshold_ = Mouse != nullptr ? Mouse->DragThreshold() : 5;
    dragPending_ = true;
  }
}

bool TnbSideBar::MaybeStartDrag(TPoint p) {
  if (!dragPending_) return false;
  if (std::abs(p.x - pressPoint_.x) < dragThreshold_ && std::abs(p.y - pressPoint_.y) < dragThreshold_) return false;
  StartDrag();
  return true;
}

void TnbSideBar::StartDrag() {
  dragPending_ = false;
  if (hotButton_ == nullptr || !dragManager_) return;
  const std::shared_ptr<bool> alive = alive_;
  // The drag holds the manager: a handler may free the bar before the drag ends.
  const std::shared_ptr<TnbDragDropManager> manager = dragManager_;
  draggedButton_ = hotButton_;
  draggedButton_->SetState(hbsUp);
  draggedButton_->SetDown(false);
  autoChangeCandidate_ = nullptr;
  dropMode_ = dmButton;
  ScopeGuard forget([this, alive] {
    if (!*alive) return;
    draggedButton_ = nullptr;
    Invalidate();
  });
  uint32_t effect = DROPEFFECT_NONE;
  DoDragDrop(manager.get(), manager.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  if (!*alive) return;
  if (effect == DROPEFFECT_MOVE && draggedButton_ != nullptr && draggedButton_->Buttons() != nullptr) {
    TnbUpdateLock lock(this);
    draggedButton_->Buttons()->DeleteButton(draggedButton_);
  }
}

void TnbSideBar::UpdateDropRegistration() {
  const bool wanted = HandleAllocated() && !IsDesigning() &&
                      (options_.Contains(boAcceptOLEDrop) || options_.Contains(boInternalDrop));
  if (wanted == dropRegistered_) return;
  if (wanted) RegisterDragDrop(Handle(), dragManager_.get());
  else RevokeDragDrop(Handle());
  dropRegistered_ = wanted;
}

void TnbSideBar::CreateWnd() {
  TCustomControl::CreateWnd();
  if (!dragManager_ && !IsDesigning()) dragManager_ = std::make_shared<TnbDragDropManager>(this);
  UpdateDropRegistration();
  // An alert set before there was a window to time it starts blinking now.
  if (alertButton_ != nullptr) StartTimer(5, alertInterval_);
}

// However the window goes (with the bar, a new window, or destroyed with a parent window), its
// drop target goes with it, so that the next window registers again; its timers end with it,
// so the alert ends too.
void TnbSideBar::WMNCDestroy(TMessage& m) {
  if (dropRegistered_) RevokeDragDrop(Handle());
  dropRegistered_ = false;
  if (alertButton_ != nullptr) SetAlertButton(nullptr);
  Inherited(m);
}

void TnbSideBar::DrawDropMark(TCanvas* c, const TRect& r, int position) {
  if (!dragAccepted_ || dropMode_ != dmButton) return;
  const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
  std::vector<TPoint> points;
  if (position == 1) points = {{L + 5, T - 1}, {R - 5, T - 1}, {R - 2, T + 5}, {R - 2, T - 2}, {L + 2, T - 2}, {L + 2, T + 5}};
  else if (position == 2)
    points = {{L + 5, B + 1}, {R - 5, B + 1}, {R - 2, B - 4}, {R - 2, B + 6},
              {R - 5, B + 2}, {L + 5, B + 2}, {L + 2, B + 6}, {L + 2, B - 4}};
  else points = {{L + 5, B + 1}, {R - 5, B + 1}, {R - 2, B - 5}, {R - 2, B + 2}, {L + 2, B + 2}, {L + 2, B - 5}};
  ScopeGuard restore([c, style = c->Pen()->Style(), color = c->Brush()->Color()] {
    c->Pen()->SetStyle(style);
    c->Brush()->SetColor(color);
  });
  c->Pen()->SetStyle(psClear);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(dropMarkColor_);
  c->Polygon(points);
}
