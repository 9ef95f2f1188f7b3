// Buttons dragged within a bar, between bars and out of the program; drops onto the bar.
#include "sidebar/side_bar_drag.h"

#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "sidebar/drag_drop_manager.h"
#include "sidebar/handler_watch.h"
#include "sidebar/live_bars.h"
#include "sidebar/side_bar.h"
#include "sidebar/side_bar_input.h"

TnbSideBarDrag::TnbSideBarDrag(TnbSideBar& bar, TnbSideBarInput& input) : bar_(bar), input_(input) {}

TnbSideBarDrag::~TnbSideBarDrag() = default;

void TnbSideBarDrag::RegisterLive() { liveId_ = nbLiveBars::Add(&bar_); }

void TnbSideBarDrag::UnregisterLive() {
  nbLiveBars::Remove(liveId_);
  // A drag of this bar's button may still hold the manager; it must not reach the bar.
  if (manager_) manager_->BarGone();
  // The window outlives the bar; no drag may reach the manager freed with it.
  if (registered_ && bar_.HandleAllocated()) RevokeDragDrop(bar_.Handle());
  registered_ = false;
}

TnbButton* TnbSideBarDrag::DropTargetAt(TPoint p, int& position) const {
  bar_.layout_->Update();
  const bool single = bar_.SingleActiveLayout();
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    if (single ? h != bar_.ActiveHeader() : !h->Opened()) continue;
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

HRESULT TnbSideBarDrag::Enter(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                              uint32_t& effect) {
  const TShiftState shift = KeysToShiftState(keyState);
  const TPoint p = bar_.ScreenToClient(screen);
  bool accept = true;
  overAt_.reset();
  effect = bar_.GetDropEffect(source, shift, effect);
  // The handlers may free the bar: the drag then ends for it.
  TnbHandlerWatch watch(bar_);
  bar_.OnDragEnter.Call(&bar_, data, source, shift, dsDragEnter, p, dropMode_, effect, accept);
  if (watch.BarKept()) bar_.OnDragOver.Call(&bar_, source, shift, dsDragEnter, p, dropMode_, effect, accept);
  if (!watch.BarKept()) accept = false;
  else accepted_ = accept;
  if (!accept) effect = DROPEFFECT_NONE;
  return S_OK;
}

void TnbSideBarDrag::OverAt(TObject* source, TShiftState shift, TPoint p, TDragState state, uint32_t& effect) {
  bool accept = true;
  int position = 1;
  overAt_ = p;
  TnbButton* target = DropTargetAt(p, position);
  dropMode_ = target ? dmButton : dmNowhere;
  if (bar_.Options().Contains(boAutoChangeHeader)) {
    for (int i = 0; i < bar_.HeaderCount(); ++i) {
      TnbHeader* h = bar_.Header(i);
      if (!PtInRect(h->CaptionRect(), p) && !PtInRect(h->BodyRect(), p)) continue;
      if (h != autoChangeCandidate_) {
        autoChangeCandidate_ = h;
        bar_.StartTimer(3, bar_.AutoChangeDelay());
      }
      break;
    }
  }
  if (bar_.Options().Contains(boAutoScroll)) bar_.AutoScrollBoxes(p.x, p.y);
  if (target != dropTarget_ || position != dropPosition_ || target != nullptr) bar_.Invalidate();
  dropTarget_ = target;
  dropPosition_ = position;
  effect = bar_.GetDropEffect(dynamic_cast<TnbSideBar*>(source), shift, effect);
  TnbHandlerWatch watch(bar_);
  bar_.OnDragOver.Call(&bar_, source, shift, state, p, dropMode_, effect, accept);
  if (!watch.BarKept()) accept = false;
  else accepted_ = accept;
  if (!accept) effect = DROPEFFECT_NONE;
}

void TnbSideBarDrag::AutoScrollBoxes(TPoint p) {
  const auto press = [&](int i) {
    const TRect box = input_.Box(i).Rect;
    const uint8_t state = input_.BoxState(i);
    const bool over = !IsRectEmpty(box) && PtInRect(box, p);
    if (over && state != TnbScrollBox::Pressed) input_.SetBoxState(i, TnbScrollBox::Pressed);
    else if (!over && state != TnbScrollBox::Normal) input_.SetBoxState(i, TnbScrollBox::Normal);
    else return false;
    return true;
  };
  bool changed = false;
  if (bar_.SingleActiveLayout()) {
    const bool up = press(TnbSideBarInput::ListUp), down = press(TnbSideBarInput::ListDown);
    changed = up || down;
    if (changed) bar_.StartTimer(4, bar_.AutoButtonScrollDelay());
  } else {
    const bool up = press(TnbSideBarInput::ColumnUp), down = press(TnbSideBarInput::ColumnDown);
    changed = up || down;
    if (changed) bar_.StartTimer(2, bar_.AutoScrollDelay());
  }
  if (changed) bar_.Invalidate();
}

void TnbSideBarDrag::ClearDropTarget() {
  dropTarget_ = nullptr;
  overAt_.reset();
  autoChangeCandidate_ = nullptr;
  EndDragScroll();
  bar_.Invalidate();
}

void TnbSideBarDrag::EndDragScroll() {
  for (int i : {TnbSideBarInput::ColumnUp, TnbSideBarInput::ColumnDown, TnbSideBarInput::ListUp,
                TnbSideBarInput::ListDown})
    if (input_.BoxState(i) == TnbScrollBox::Pressed) input_.SetBoxState(i, TnbScrollBox::Normal);
  bar_.StopTimer(2);
  bar_.StopTimer(3);
  bar_.StopTimer(4);
}

// Drags of the class library (a control dragged with the mouse captured) over the bar: the
// same marks and events as a drag of data, without data; docking is not the bar's business.
void TnbSideBarDrag::LibraryDrag(TMessage& m) {
  auto* rec = reinterpret_cast<TDragRec*>(m.LParam);
  const auto message = static_cast<TDragMessage>(m.WParam);
  if (rec == nullptr || rec->Docking || message == dmFindTarget || message == dmDragCancel) return bar_.Inherited(m);
  const TPoint p = bar_.ScreenToClient(rec->Pos);
  TObject* source = rec->Source != nullptr && rec->Source->Control() != nullptr
                        ? static_cast<TObject*>(rec->Source->Control())
                        : rec->Source;
  uint32_t effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
  TnbHandlerWatch watch(bar_);
  if (message == dmDragDrop) {
    ScopeGuard finish([this, &watch] {
      if (watch.BarKept()) ClearDropTarget();
    });
    bar_.OnDragDrop.Call(&bar_, source, nullptr, {}, GetShiftState(), p, effect, dropMode_);
    return;
  }
  const TDragState state = message == dmDragEnter ? dsDragEnter : message == dmDragLeave ? dsDragLeave : dsDragMove;
  OverAt(source, GetShiftState(), p, state, effect);
  m.Result = static_cast<LRESULT>(effect);
  if (message == dmDragLeave && watch.BarKept()) ClearDropTarget();
}

HRESULT TnbSideBarDrag::Leave() {
  bar_.InvalidateDropTarget(dropTarget_);
  dropTarget_ = nullptr;
  overAt_.reset();
  autoChangeCandidate_ = nullptr;
  EndDragScroll();
  uint32_t effect = 0;
  bool accept = accepted_;
  TnbHandlerWatch watch(bar_);
  bar_.OnDragOver.Call(&bar_, nullptr, TShiftState{}, dsDragLeave, TPoint{}, dropMode_, effect, accept);
  if (watch.BarKept()) accepted_ = accept;
  return S_OK;
}

HRESULT TnbSideBarDrag::Drop(IDataObject* data, TnbSideBar* source, uint32_t keyState, TPoint screen,
                             uint32_t& effect) {
  if (effect == DROPEFFECT_NONE) return E_FAIL;
  // The mark, the held scroll boxes and the auto-change end with the drop, however it ends,
  // unless a handler freed the bar.
  TnbHandlerWatch watch(bar_);
  ScopeGuard finish([this, &watch] {
    if (!watch.BarKept()) return;
    bar_.InvalidateDropTarget(dropTarget_);
    ClearDropTarget();
  });
  const TShiftState shift = KeysToShiftState(keyState);
  const TPoint p = bar_.ScreenToClient(screen);
  // The drop lands where the button went up: where the drag was not shown there (it entered
  // there, or the pointer's last moves came merged with the release), it is first.
  if (overAt_ != p) {
    uint32_t shown = effect;
    OverAt(source, shift, p, dsDragMove, shown);
    if (!watch.BarKept()) return E_FAIL;
    if (shown == DROPEFFECT_NONE) {
      effect = DROPEFFECT_NONE;
      return E_FAIL;
    }
  }
  const std::vector<TClipboardFormat> formats = data ? DataObjectFormats(*data) : std::vector<TClipboardFormat>{};
  effect = bar_.GetDropEffect(source, shift, effect);
  if (bar_.Options().Contains(boInternalDrop) && InternalDrop(dropTarget_ ? dropPosition_ : 1, effect, data, source))
    return S_OK;
  if (!bar_.OnDragDrop) return E_FAIL;
  bar_.OnDragDrop(&bar_, source, data, formats, shift, p, effect, dropMode_);
  return S_OK;
}

// A drop of this bar's own dragged button: a reorder within its header, or a copy into
// another header (a move when the source then deletes the original).
bool TnbSideBarDrag::InternalDrop(int position, uint32_t& effect, IDataObject* data, TnbSideBar* source) {
  if (source != &bar_ || draggedButton_ == nullptr || data == nullptr ||
      !DataObjectHasFormat(*data, TnbDragDropManager::ResourceFormat()))
    return false;
  TnbUpdateLock lock(&bar_);
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

void TnbSideBarDrag::Prepare(TPoint p, TShiftState shift) {
  int position = 1;
  TnbButton* target = DropTargetAt(p, position);
  TnbHandlerWatch watch(bar_);
  const bool allowed = target != nullptr && bar_.DoDragAllowed(target);
  if (!watch.BarKept()) return;
  pressPoint_ = p;
  const bool plain = !shift.Contains(ssShift) && !shift.Contains(ssCtrl);
  if (allowed && plain && !pending_ && draggedButton_ == nullptr) {
    threshold_ = Mouse != nullptr ? Mouse->DragThreshold() : 5;
    pending_ = true;
  }
}

bool TnbSideBarDrag::MaybeStart(TPoint p) {
  if (!pending_) return false;
  if (std::abs(p.x - pressPoint_.x) < threshold_ && std::abs(p.y - pressPoint_.y) < threshold_) return false;
  Start();
  return true;
}

void TnbSideBarDrag::Start() {
  pending_ = false;
  TnbButton* hot = input_.HotButton();
  if (hot == nullptr || !manager_) return;
  const std::shared_ptr<bool> alive = bar_.AliveToken();
  // The drag holds the manager: a handler may free the bar before the drag ends.
  const std::shared_ptr<TnbDragDropManager> manager = manager_;
  draggedButton_ = hot;
  draggedButton_->SetState(hbsUp);
  draggedButton_->SetDown(false);
  autoChangeCandidate_ = nullptr;
  dropMode_ = dmButton;
  ScopeGuard forget([this, alive] {
    if (!*alive) return;
    draggedButton_ = nullptr;
    bar_.Invalidate();
  });
  uint32_t effect = DROPEFFECT_NONE;
  DoDragDrop(manager.get(), manager.get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, effect);
  if (!*alive) return;
  if (effect == DROPEFFECT_MOVE && draggedButton_ != nullptr && draggedButton_->Buttons() != nullptr) {
    TnbUpdateLock lock(&bar_);
    draggedButton_->Buttons()->DeleteButton(draggedButton_);
  }
}

void TnbSideBarDrag::UpdateRegistration() {
  const TnbBarOptions options = bar_.Options();
  const bool wanted = bar_.HandleAllocated() && !bar_.IsDesigning() &&
                      (options.Contains(boAcceptOLEDrop) || options.Contains(boInternalDrop));
  if (wanted == registered_) return;
  if (wanted) RegisterDragDrop(bar_.Handle(), manager_.get());
  else RevokeDragDrop(bar_.Handle());
  registered_ = wanted;
}

void TnbSideBarDrag::WindowCreated() {
  if (!manager_ && !bar_.IsDesigning()) manager_ = std::make_shared<TnbDragDropManager>(&bar_);
  UpdateRegistration();
}

// However the window goes, its drop target goes with it, so that the next window registers again.
void TnbSideBarDrag::WindowGone() {
  if (registered_) RevokeDragDrop(bar_.Handle());
  registered_ = false;
}

void TnbSideBarDrag::AutoChangeTick() {
  bar_.StopTimer(3);
  if (autoChangeCandidate_ == nullptr) return;
  if (bar_.SingleActiveLayout()) {
    if (autoChangeCandidate_ != bar_.ActiveHeader()) bar_.SetActiveHeader(autoChangeCandidate_);
  } else if (!autoChangeCandidate_->Opened()) {
    autoChangeCandidate_->SetOpened(true);
  }
}

bool TnbSideBarDrag::ListScrollTick() {
  if (autoChangeCandidate_ == nullptr) {
    bar_.StopTimer(4);
    return false;
  }
  if (input_.BoxState(TnbSideBarInput::ListDown) == TnbScrollBox::Pressed) autoChangeCandidate_->StepDown();
  else if (input_.BoxState(TnbSideBarInput::ListUp) == TnbScrollBox::Pressed) autoChangeCandidate_->StepUp();
  else {
    bar_.StopTimer(4);
    return false;
  }
  return true;
}

void TnbSideBarDrag::ItemGone(TCollectionItem* item) {
  nbForget(autoChangeCandidate_, item);
  for (TnbButton** ref : {&draggedButton_, &dropTarget_}) nbForget(*ref, item);
}

void TnbSideBarDrag::ForgetItems() {
  autoChangeCandidate_ = nullptr;
  draggedButton_ = dropTarget_ = nullptr;
}
