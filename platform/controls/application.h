#pragma once

#include <memory>

#include "platform/classes/component.h"
#include "platform/controls/control_types.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/colors.h"
#include "platform/windows/window_tree.h"

class TCustomForm;
class TControl;
class THintWindow;

using TMessageEvent = TEvent<void(MSG& Msg, bool& Handled)>;
using TExceptionEvent = TEvent<void(TObject* Sender, Exception& E)>;
using TIdleEvent = TEvent<void(TObject* Sender, bool& Done)>;

// What a control's CM_HINTSHOW handler may change before a hint shows (a pointer to it
// travels in LParam).
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;        // screen position of the hint window
  int HintMaxWidth = 0;
  TColor HintColor = 0;
  TRect CursorRect;      // the hint stays while the pointer is inside (control coordinates)
  TPoint CursorPos;      // control coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  String HintStr;
  void* HintData = nullptr;
  // The class of the window that shows the hint (a THintWindow); nullptr for the application's
  // own.
  TClass HintWindowClass = nullptr;
};

// The program: its forms, its message loop (with the OnMessage hook, key preprocessing,
// exception handling, mouse enter/leave and hints) and its end.
class TApplication : public TComponent {
  DECLARE_CLASS(TApplication, TComponent)
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;

  // Creates a form owned by the application; the first one becomes the main form.
  template <typename T>
  void CreateForm(T*& reference) {
    reference = new T(this);
    if (!mainForm_) mainForm_ = reference;
  }
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }
  const String& Title() const { return title_; }
  void SetTitle(const String& v) { title_ = v; }

  // Runs the loop until Terminate (closing the main form terminates).
  void Run();
  // Handles everything pending now: queued messages, due timers, painting.
  void ProcessMessages();
  // One turn of the loop; waits for input or a timer when there was nothing to do.
  void HandleMessage();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Reports the exception being handled (OnException, else ShowException).
  void HandleException(TObject* sender);
  // Standard error, and a message box when the windows are on a display.
  void ShowException(const Exception& e);

  // Hints.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  int HintPause() const { return hintPause_; }
  void SetHintPause(int v) { hintPause_ = v; }
  int HintShortPause() const { return hintShortPause_; }
  void SetHintShortPause(int v) { hintShortPause_ = v; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int v) { hintHidePause_ = v; }
  TColor HintColor() const { return hintColor_; }
  void SetHintColor(TColor v) { hintColor_ = v; }
  const String& Hint() const { return hint_; }
  void CancelHint();
  // Shows the hint of the control at `cursorPos` (screen coordinates) at once, without the
  // pause, as controls that announce their own tips ask.
  void ActivateHint(TPoint cursorPos);
  THintWindow* HintWindow() const { return hintWindow_; }
  // The control under the mouse (graphic controls too), as hints and mouse enter/leave see it.
  TControl* MouseControl() const { return mouseControl_; }

  TMessageEvent OnMessage;
  TExceptionEvent OnException;
  TIdleEvent OnIdle;
  TNotifyEvent OnHint;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool ProcessMessage(MSG& msg);
  bool IsKeyMsg(MSG& msg);
  // Keys that work the menu bar of the form they are for, before and after its controls.
  bool IsMenuKey(MSG& msg);
  bool IsMenuChar(MSG& msg);
  void Idle();
  // Brings the actions of every visible, enabled form up to date.
  void DoActionIdle();
  void TrackMouse(const MSG& msg);
  // Finds the control under the pointer again (the pointer may have left our windows).
  void UpdateMouseControl();
  void SetMouseControl(TControl* control);
  void StartHintTimer(int pause);
  // Waits the pause `source` asks for before its hint (the short one right after another).
  void StartHintPause(TControl* source, bool afterHint);
  void HintTimerFired(TMessage& m);
  void SetHintControl(TControl* control);
  void ShowHintAt(TPoint pos);
  void HideHint();

  TCustomForm* mainForm_ = nullptr;
  String title_;
  bool terminated_ = false;
  bool showingException_ = false;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintShortPause_ = 50;
  int hintHidePause_ = 2500;
  TColor hintColor_;
  String hint_;
  TControl* mouseControl_ = nullptr;
  TControl* hintControl_ = nullptr;
  THintWindow* hintWindow_ = nullptr;
  // The hint window of `cls` (nullptr: THintWindow), made in place of the last one when that
  // is of another class.
  THintWindow* HintWindowOf(TClass cls);
  HWND hintTimerWindow_ = nullptr;
  bool hintShowing_ = false;
  // Where the pointer keeps the shown hint (screen coordinates).
  TRect hintCursorRect_{};
};

class TScreen;
class TMouse;
extern TApplication* Application;
extern TScreen* Screen;
extern TMouse* Mouse;

// Creates Application, Screen and Mouse for the life of the scope (in main and in test
// fixtures), and frees them, and every form the application owns, at its end.
class TApplicationScope {
 public:
  TApplicationScope();
  ~TApplicationScope();
  TApplicationScope(const TApplicationScope&) = delete;
  TApplicationScope& operator=(const TApplicationScope&) = delete;
};
