#pragma once

#include <memory>

#include "platform/controls/custom_control.h"

class TFormMenuBar;

enum TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
DECLARE_ENUM_NAMES(TFormBorderStyle, "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin")
enum TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biHelp };
DECLARE_ENUM_NAMES(TBorderIcon, "biSystemMenu", "biMinimize", "biMaximize", "biHelp")
using TBorderIcons = Set<TBorderIcon>;
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
DECLARE_ENUM_NAMES(TFormStyle, "fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop")
enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
DECLARE_ENUM_NAMES(TWindowState, "wsNormal", "wsMinimized", "wsMaximized")
enum TPosition : uint8_t {
  poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
  poMainFormCenter, poOwnerFormCenter,
};
DECLARE_ENUM_NAMES(TPosition, "poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly",
                   "poScreenCenter", "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter")
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
enum TFormStateItem : uint8_t { fsCreating, fsVisible, fsShowing, fsModal, fsCreatedMDIChild, fsActivated };
using TFormState = Set<TFormStateItem>;

using TCloseEvent = TEvent<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = TEvent<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = TEvent<void(TMessage& Msg, bool& Handled)>;

// A top-level window with a frame of the chosen border style, the focused control among its
// children, keyboard preview, closing rules and a modal loop.
class TCustomForm : public TCustomControl {
  DECLARE_CLASS(TCustomForm, TCustomControl)
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  static void Publish();

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle v);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons v);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle v);
  TWindowState WindowState();
  void SetWindowState(TWindowState v);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition v) { position_ = v; }
  // Kept for forms that set it; a form here does not scroll its contents.
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool v) { autoScroll_ = v; }
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool v) { keyPreview_ = v; }
  TFormState FormState() const { return formState_; }
  // The menu bar component (a pointer the form does not own). A main menu shows as a menu bar
  // in the non-client area, and its items' shortcuts work wherever the focus is on the form.
  TComponent* Menu() const { return menu_; }
  void SetMenu(TComponent* menu);
  TFormMenuBar* MenuBar() const { return menuBar_.get(); }
  // Brings the actions of the form, its main menu's titles, its visible controls and its
  // action lists up to date (the application does this when idle).
  void UpdateActions();
  // A multiple-document frame (fsMDIForm) keeps its child forms (fsMDIChild, created while
  // the application's main form is such a frame) in its client window, which fills what its
  // aligned controls leave of its client area. Both are none for any other form.
  HWND ClientHandle() const;
  TCustomForm* ActiveMDIChild() const;

  // Focus inside the form.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  bool Active() const { return active_; }
  void FocusControl(TWinControl* control);
  // Records the control that now has focus and sends CM_EXIT/CM_ENTER along the way; answers
  // false when a handler moved focus elsewhere meanwhile.
  bool SetFocusedControl(TWinControl* control);
  void ControlRemoved(TWinControl* control);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult v) { modalResult_ = v; }
  // Shows the form and runs messages until ModalResult is set; other forms take no input
  // meanwhile. Raises EInvalidOperation for a visible form.
  virtual TModalResult ShowModal();
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages now queued are handled.
  void Release();
  // A key press (WM_KEYDOWN, WM_SYSKEYDOWN) offered as a shortcut before any control sees it:
  // OnShortCut, then the form's menu. Answers true when taken.
  virtual bool IsShortCut(TMessage& key);
  // Tells the focused control that the mouse went down elsewhere (CM_CANCELMODE), so that
  // whatever it has open (a drop-down list) closes.
  void SendCancelMode(TControl* sender);

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void AlignControls(TControl* control, TRect& rect) override;
  bool IsTopLevel() const override { return true; }
  void Paint() override;
  void Notification(TComponent* component, TOperation operation) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);

  void WMClose(TMessage& m);
  void WMActivate(TMessage& m);
  void WMGetMinMaxInfo(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMRelease(TMessage& m);
  void CMTextChanged(TMessage& m);
  void WMNCCalcSize(TMessage& m);
  void WMNCPaint(TMessage& m);
  void WMNCHitTest(TMessage& m);
  void WMNCMouseMove(TMessage& m);
  void WMNCLButtonDown(TMessage& m);
  void CMMouseEnterLeave(TMessage& m);

 private:
  void PlaceOnScreen();
  void ApplyWindowState();
  void SendEnterExit(TWinControl* from, TWinControl* to);
  void CloseModal();
  void MenuReplaced();

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = {biSystemMenu, biMinimize, biMaximize};
  TFormStyle formStyle_ = fsNormal;
  TWindowState windowState_ = wsNormal;
  TPosition position_ = poDesigned;
  bool keyPreview_ = false;
  bool autoScroll_ = true;
  TFormState formState_;
  TComponent* menu_ = nullptr;
  std::unique_ptr<TFormMenuBar> menuBar_;
  HWND clientHandle_ = nullptr;
  TWinControl* activeControl_ = nullptr;
  bool active_ = false;
  TModalResult modalResult_ = mrNone;
};

class TForm : public TCustomForm {
  DECLARE_CLASS(TForm, TCustomForm)
 public:
  using TCustomForm::TCustomForm;
};
