// Which control the mouse is over (CM_MOUSEENTER/CM_MOUSELEAVE) and the hints shown for it
// after a pause, all driven by the one clock through a hidden timer window.
#include "platform/controls/application.h"
#include "platform/classes/class_registry.h"
#include "platform/controls/control_drag.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/screen.h"
#include "platform/windows/timers.h"

namespace {

constexpr uintptr_t HintTimerId = 1;
constexpr int CursorHeight = 20;

// The control whose hint shows: the nearest one up the parents that shows hints. It may have
// no text of its own and make one when asked (a grid's cut cell), or take its parents'.
TControl* HintSource(TControl* c) {
  for (; c; c = c->Parent())
    if (c->ShowHint()) return c;
  return nullptr;
}

const String& HintText(TControl* c) {
  for (; c->Parent() && c->Hint().empty(); c = c->Parent()) {}
  return c->Hint();
}

String ShortHint(const String& hint) {
  size_t bar = hint.find('|');
  return bar == String::npos ? hint : hint.substr(0, bar);
}

}  // namespace

void TApplication::TrackMouse(const MSG& msg) {
  switch (msg.message) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_KEYDOWN: case WM_SYSKEYDOWN:
      CancelHint();
      break;
    case WM_MOUSEMOVE: case WM_NCMOUSEMOVE:
      UpdateMouseControl();
      break;
    default: break;
  }
}

void TApplication::UpdateMouseControl() {
  const TPoint at = GetCursorPos();
  SetMouseControl(FindDragTarget(at, false));
  // A hint is for the part of its control it was shown for (a grid's cell): the pointer
  // leaving that part hides it, and the part it comes to has its own after the short pause.
  if (hintShowing_ && hintControl_ && !hintCursorRect_.Contains(at)) {
    HideHint();
    StartHintPause(hintControl_, true);
  }
}

void TApplication::SetMouseControl(TControl* control) {
  if (control == mouseControl_) return;
  TControl* old = mouseControl_;
  mouseControl_ = control;
  if (old) {
    old->RemoveFreeNotification(this);
    old->Perform(CM_MOUSELEAVE);
  }
  if (control) {
    control->FreeNotification(this);
    control->Perform(CM_MOUSEENTER);
  }
  TControl* source = showHint_ ? HintSource(control) : nullptr;
  if (source == hintControl_) return;
  bool wasShowing = hintShowing_;
  HideHint();
  SetHintControl(source);
  if (!source) {
    KillTimer(hintTimerWindow_, HintTimerId);
    return;
  }
  StartHintPause(source, wasShowing);
}

void TApplication::StartHintPause(TControl* source, bool afterHint) {
  int pause = afterHint ? hintShortPause_ : hintPause_;
  source->Perform(CM_HINTSHOWPAUSE, afterHint ? 1 : 0, reinterpret_cast<LPARAM>(&pause));
  StartHintTimer(pause);
}

void TApplication::StartHintTimer(int pause) {
  KillTimer(hintTimerWindow_, HintTimerId);
  if (pause >= 0) SetTimer(hintTimerWindow_, HintTimerId, pause);
}

void TApplication::HintTimerFired(TMessage& m) {
  if (m.Msg != WM_TIMER) return;
  KillTimer(hintTimerWindow_, HintTimerId);
  if (hintShowing_) HideHint();
  else ShowHintAt(GetCursorPos());
}

void TApplication::SetHintControl(TControl* control) {
  if (control == hintControl_) return;
  if (hintControl_) hintControl_->RemoveFreeNotification(this);
  hintControl_ = control;
  if (control) control->FreeNotification(this);
}

void TApplication::ActivateHint(TPoint cursorPos) {
  KillTimer(hintTimerWindow_, HintTimerId);
  HideHint();
  SetHintControl(showHint_ ? HintSource(FindDragTarget(cursorPos, false)) : nullptr);
  ShowHintAt(cursorPos);
}

void TApplication::ShowHintAt(TPoint pos) {
  if (!hintControl_ || !hintWindow_) return;
  THintInfo info;
  info.HintControl = hintControl_;
  info.HintPos = {pos.x, pos.y + CursorHeight};
  info.HintMaxWidth = Screen ? Screen->Width() : 1920;
  info.HintColor = hintColor_;
  info.CursorPos = hintControl_->ScreenToClient(pos);
  info.CursorRect = hintControl_->ClientRect();
  info.HideTimeout = hintHidePause_;
  info.HintStr = ShortHint(HintText(hintControl_));
  if (hintControl_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info)) != 0 || info.HintStr.empty()) return;
  THintWindow* window = HintWindowOf(info.HintWindowClass);
  if (window == nullptr) return;
  window->SetColor(info.HintColor);
  TRect r = window->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  OffsetRect(r, info.HintPos.x, info.HintPos.y);
  window->ActivateHint(r, info.HintStr);
  hintShowing_ = true;
  const TPoint corner = hintControl_->ClientToScreen({info.CursorRect.Left, info.CursorRect.Top});
  hintCursorRect_ = Bounds(corner.x, corner.y, info.CursorRect.Width(), info.CursorRect.Height());
  hint_ = HintText(hintControl_);
  OnHint.Call(this);
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout);
}

void TApplication::HideHint() {
  if (!hintShowing_) return;
  hintShowing_ = false;
  if (hintWindow_) hintWindow_->ReleaseHandle();
}

void TApplication::CancelHint() {
  KillTimer(hintTimerWindow_, HintTimerId);
  HideHint();
  SetHintControl(nullptr);
}

void TApplication::SetShowHint(bool v) {
  showHint_ = v;
  if (!v) CancelHint();
}

THintWindow* TApplication::HintWindowOf(TClass cls) {
  if (cls == nullptr) cls = THintWindow::StaticClass();
  if (hintWindow_ != nullptr && hintWindow_->ClassType() == cls) return hintWindow_;
  if (!cls->InheritsFrom(THintWindow::StaticClass())) return hintWindow_;
  delete hintWindow_;
  hintWindow_ = static_cast<THintWindow*>(CreateComponent(cls, this));
  return hintWindow_;
}
