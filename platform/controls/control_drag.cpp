// Dragging controls within our windows: targets under the mouse and drag messages.
#include "platform/controls/control_drag.h"

#include <cstdlib>
#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/controls/win_control.h"
#include "platform/windows/cursors.h"

namespace {

struct TDragInProgress {
  TControl* control = nullptr;
  std::unique_ptr<TDragObject> object;
  bool started = false;
  TPoint startPos;
  int threshold = 0;
  TControl* target = nullptr;
  bool accepted = false;
};

TDragInProgress& Drag() {
  static TDragInProgress drag;
  return drag;
}

TWinControl* WindowedControlAt(TPoint screen) {
  for (HWND h = WindowFromPoint(screen); h; h = (GetWindowLong(h, GWL_STYLE) & WS_CHILD) ? GetParent(h) : nullptr)
    if (TWinControl* win = FindControl(h)) return win;
  return nullptr;
}

// The control under the pointer asks itself (dmFindTarget) which of its parts takes drops.
TControl* DropTargetUnder(TPoint screen) {
  TWinControl* win = WindowedControlAt(screen);
  if (!win) return nullptr;
  TDragRec rec;
  rec.Pos = screen;
  rec.Source = Drag().object.get();
  win->Perform(CM_DRAG, dmFindTarget, reinterpret_cast<LPARAM>(&rec));
  return rec.Target ? rec.Target : win;
}

LRESULT SendDrag(TControl* target, TDragMessage message, TPoint screen) {
  TDragRec rec;
  rec.Pos = screen;
  rec.Source = Drag().object.get();
  rec.Target = target;
  return target->Perform(CM_DRAG, message, reinterpret_cast<LPARAM>(&rec));
}

void DragTo(TPoint screen) {
  TDragInProgress& d = Drag();
  TControl* target = DropTargetUnder(screen);
  if (target != d.target) {
    if (d.target) SendDrag(d.target, dmDragLeave, screen);
    d.target = target;
    d.accepted = target && SendDrag(target, dmDragEnter, screen) != 0;
  } else if (target) {
    d.accepted = SendDrag(target, dmDragMove, screen) != 0;
  }
  if (Screen) SetCursor(Screen->Cursors(d.accepted ? d.control->DragCursor() : crNoDrop));
}

bool PastThreshold(TPoint p) {
  const TDragInProgress& d = Drag();
  return std::abs(p.x - d.startPos.x) >= d.threshold || std::abs(p.y - d.startPos.y) >= d.threshold;
}

}  // namespace

void StartControlDrag(TControl* control, bool immediate, int threshold) {
  TDragInProgress& d = Drag();
  if (d.control || !control) return;
  d.control = control;
  d.object = std::make_unique<TDragObject>(control);
  d.startPos = GetCursorPos();
  d.threshold = threshold;
  SetCaptureControl(control);
  if (immediate) {
    d.started = true;
    DragTo(d.startPos);
  }
}

bool DragHandlesMessage(TControl* control, TMessage& m) {
  TDragInProgress& d = Drag();
  if (!d.control || d.control != control) return false;
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      if (!d.started && PastThreshold(GetCursorPos())) d.started = true;
      if (d.started) DragTo(GetCursorPos());
      return true;
    case WM_LBUTTONUP: EndControlDrag(d.started); return true;
    case WM_RBUTTONDOWN: EndControlDrag(false); return true;
    case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_RBUTTONUP: return true;
    default: return false;
  }
}

void EndControlDrag(bool drop) {
  TDragInProgress d = std::move(Drag());
  Drag() = TDragInProgress{};
  if (!d.control) return;
  SetCaptureControl(nullptr);
  TPoint screen = GetCursorPos();
  TControl* target = drop && d.accepted ? d.target : nullptr;
  Drag().object = std::move(d.object);  // the drag object lives until the last notice
  if (d.target) SendDrag(d.target, target ? dmDragDrop : dmDragLeave, screen);
  TPoint at = target ? target->ScreenToClient(screen) : TPoint{};
  d.control->DoEndDrag(target, at.x, at.y);
  Drag().object.reset();
}

void ForgetDragControl(TControl* control) {
  TDragInProgress& d = Drag();
  if (d.target == control) d.target = nullptr;
  if (d.control == control) {
    d.control = nullptr;
    d.object.reset();
    d.target = nullptr;
  }
}

TControl* DraggedControl() { return Drag().control; }
bool ControlDragging(const TControl* control) { return control && Drag().control == control; }

TControl* FindDragTarget(TPoint screen, bool allowDisabled) {
  TWinControl* win = WindowedControlAt(screen);
  if (!win) return nullptr;
  TControl* graphic = win->ControlAtPos(win->ScreenToClient(screen), allowDisabled);
  return graphic ? graphic : win;
}
