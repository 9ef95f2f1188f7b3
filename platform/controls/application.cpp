// The application object: the message loop, idle processing and showing exceptions.
#include "platform/controls/application.h"

#include <cstdio>

#include "platform/controls/control_drag.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/form_menu_bar.h"
#include "platform/controls/forms.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/message_box.h"
#include "platform/controls/screen.h"
#include "platform/controls/tool_bar.h"
#include "platform/core/scope_guard.h"
#include "platform/windows/backend.h"
#include "platform/windows/message_loop.h"
#include "platform/windows/timers.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
TMouse* Mouse = nullptr;

TApplicationScope::TApplicationScope() {
  Mouse = new TMouse();
  Screen = new TScreen(nullptr);
  Application = new TApplication(nullptr);
}

TApplicationScope::~TApplicationScope() {
  delete Application;
  Application = nullptr;
  delete Screen;
  Screen = nullptr;
  delete Mouse;
  Mouse = nullptr;
}

TApplication::TApplication(TComponent* owner) : TComponent(owner), hintColor_(clInfoBk) {
  hintWindow_ = new THintWindow(this);
  hintTimerWindow_ = AllocateHWnd([this](TMessage& m) { HintTimerFired(m); });
}

TApplication::~TApplication() {
  Destroying();
  DeallocateHWnd(hintTimerWindow_);
  DestroyComponents();
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == mainForm_) mainForm_ = nullptr;
  if (component == hintWindow_) hintWindow_ = nullptr;
  if (component == mouseControl_) mouseControl_ = nullptr;
  if (component == hintControl_) hintControl_ = nullptr;
}

void TApplication::Terminate() {
  terminated_ = true;
  PostQuitMessage(0);
}

// The user is told in a box when there is one to look at; the log always has it. An error
// while such a box is up (a paint failing again and again) is logged only, so that boxes never
// pile up.
void TApplication::ShowException(const Exception& e) {
  std::fprintf(stderr, "%s\n", e.Message().c_str());
  if (showingException_ || terminated_ || !Backend().ShowsWindows()) return;
  auto showing = ScopedValue(showingException_, true);
  MessageDlg(e.Message(), mtError, {mbOK});
}

void TApplication::HandleException(TObject* sender) {
  try {
    throw;
  } catch (EAbort&) {
    // The silent exception: the operation was abandoned on purpose, nobody is told.
  } catch (Exception& e) {
    if (OnException) OnException(sender, e);
    else ShowException(e);
  } catch (std::exception& e) {
    Exception wrapped(e.what());
    if (OnException) OnException(sender, wrapped);
    else ShowException(wrapped);
  }
}

// Keys go first to the control as CN_KEYDOWN, CN_CHAR, ... so that it and its form can take
// dialog keys and accelerators before the key message itself is dispatched.
bool TApplication::IsKeyMsg(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TWinControl* control = nullptr;
  for (HWND h = msg.hwnd; h && !control; h = GetParent(h)) control = FindControl(h);
  return control && control->Perform(CN_BASE + msg.message, msg.wParam, msg.lParam) != 0;
}

namespace {

// A tool bar among `parent`'s controls, at any depth, that is the bar of a main menu.
TMenuBarKeys* ToolBarMenuIn(TWinControl* parent) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    if (auto* bar = dynamic_cast<TToolBar*>(parent->Controls(i)); bar && bar->MenuKeys()->Menu()) return bar->MenuKeys();
    if (auto* inner = dynamic_cast<TWinControl*>(parent->Controls(i)))
      if (TMenuBarKeys* keys = ToolBarMenuIn(inner)) return keys;
  }
  return nullptr;
}

// The menu bar of the form a message's window is on: the form's own for its Menu, else a
// tool bar that shows a main menu's titles.
TMenuBarKeys* MenuBarOf(HWND h) {
  TWinControl* control = nullptr;
  for (; h && !control; h = GetParent(h)) control = FindControl(h);
  TCustomForm* form = control ? GetParentForm(control) : nullptr;
  if (!form) return nullptr;
  if (form->MenuBar()->Menu()) return form->MenuBar();
  return ToolBarMenuIn(form);
}

}  // namespace

bool TApplication::IsMenuKey(MSG& msg) {
  if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST) return false;
  TMenuBarKeys* bar = MenuBarOf(msg.hwnd);
  return bar && bar->PreviewKey(msg);
}

bool TApplication::IsMenuChar(MSG& msg) {
  if (msg.message != WM_SYSCHAR) return false;
  TMenuBarKeys* bar = MenuBarOf(msg.hwnd);
  return bar && bar->SysChar(static_cast<char16_t>(msg.wParam));
}

bool TApplication::ProcessMessage(MSG& msg) {
  try {
    bool handled = false;
    OnMessage.Call(msg, handled);
    // Escape ends a drag of the class library wherever the keyboard focus is.
    if (!handled && DraggedControl() && msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      EndControlDrag(false);
      handled = true;
    }
    TrackMouse(msg);
    if (!handled && !IsMenuKey(msg) && !IsKeyMsg(msg) && !IsMenuChar(msg)) DispatchMessage(msg);
  } catch (...) {
    HandleException(this);
  }
  return true;
}

void TApplication::ProcessMessages() {
  int exitCode = 0;
  bool running = true;
  try {
    running = PumpMessages([this](MSG& m) { return ProcessMessage(m); }, &exitCode);
  } catch (...) {
    HandleException(this);
  }
  if (!running) terminated_ = true;
}

void TApplication::Idle() {
  FreeDeviceContexts();
  UpdateMouseControl();
  bool done = true;
  try {
    OnIdle.Call(this, done);
    if (done) DoActionIdle();
  } catch (...) {
    HandleException(this);
  }
  if (!done || PendingMessageCount() > 0) return;
  int64_t wait = MsUntilNextTimer();
  // Without timers, wake up now and then so that a loop waiting on a flag sees it.
  Backend().ProcessEvents(wait < 0 ? 50 : static_cast<int>(std::min<int64_t>(wait, 50)));
}

void TApplication::DoActionIdle() {
  if (!Screen) return;
  for (int i = 0; i < Screen->FormCount(); ++i) {
    TCustomForm* form = Screen->Forms(i);
    if (form->HandleAllocated() && IsWindowVisible(form->Handle()) && IsWindowEnabled(form->Handle())) form->UpdateActions();
  }
}

void TApplication::HandleMessage() {
  size_t before = PendingMessageCount();
  ProcessMessages();
  if (before == 0 && PendingMessageCount() == 0 && !terminated_) Idle();
}

void TApplication::Run() {
  if (mainForm_ && !mainForm_->Visible()) mainForm_->Show();
  while (!terminated_) HandleMessage();
}
