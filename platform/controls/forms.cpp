// Forms: showing, closing, modal runs, MDI children and window states.
#include "platform/controls/forms.h"
#include "platform/core/scope_guard.h"

#include <memory>
#include <vector>

#include "platform/classes/properties.h"
#include "platform/controls/application.h"
#include "platform/controls/form_menu_bar.h"
#include "platform/controls/popup_source.h"
#include "platform/controls/screen.h"
#include "platform/controls/watched_component.h"
#include "platform/windows/focus.h"
#include "platform/windows/mdi_client.h"
#include "platform/windows/painting.h"
#include "platform/windows/size_limits.h"
#include "platform/windows/system_metrics.h"

namespace {

HWND MainFrameClient() {
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  return main != nullptr ? main->ClientHandle() : nullptr;
}

}  // namespace

TCustomForm::TCustomForm(TComponent* owner) : TCustomControl(owner), menuBar_(std::make_unique<TFormMenuBar>(this)) {
  SetVisibleQuietly(false);
  controlStyle_ = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetBoundsQuietly(0, 0, 320, 240);
  SetParentFont(false);
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  Destroying();
  // A child of a frame leaves its frame's client while it is still whole, so that its window
  // procedure (and whoever took it over) sees the window go.
  if (formStyle_ == fsMDIChild && HandleAllocated()) DestroyHandle();
  OnDestroy.Call(this);
  SetMenu(nullptr);
  if (Screen) Screen->RemoveForm(this);
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
}

const TMessageMap& TCustomForm::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_CLOSE, &TCustomForm::WMClose);
    m.On(WM_ACTIVATE, &TCustomForm::WMActivate);
    m.On(WM_GETMINMAXINFO, &TCustomForm::WMGetMinMaxInfo);
    m.On(CM_DIALOGKEY, &TCustomForm::CMDialogKey);
    m.On(CM_VISIBLECHANGED, &TCustomForm::CMVisibleChanged);
    m.On(CM_RELEASE, &TCustomForm::CMRelease);
    m.On(CM_TEXTCHANGED, &TCustomForm::CMTextChanged);
    m.On(WM_NCCALCSIZE, &TCustomForm::WMNCCalcSize);
    m.On(WM_NCPAINT, &TCustomForm::WMNCPaint);
    m.On(WM_NCHITTEST, &TCustomForm::WMNCHitTest);
    m.On(WM_NCMOUSEMOVE, &TCustomForm::WMNCMouseMove);
    m.On(WM_NCLBUTTONDOWN, &TCustomForm::WMNCLButtonDown);
    m.On(CM_MOUSEENTER, &TCustomForm::CMMouseEnterLeave);
    m.On(CM_MOUSELEAVE, &TCustomForm::CMMouseEnterLeave);
    return m;
  }();
  return map;
}

void TCustomForm::CreateParams(TCreateParams& params) {
  TCustomControl::CreateParams(params);
  params.Style = WS_POPUP | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  uint32_t icons = 0;
  if (borderIcons_.Contains(biSystemMenu)) icons |= WS_SYSMENU;
  if (borderIcons_.Contains(biMinimize)) icons |= WS_MINIMIZEBOX;
  if (borderIcons_.Contains(biMaximize)) icons |= WS_MAXIMIZEBOX;
  switch (borderStyle_) {
    case bsNone: break;
    case bsSingle: params.Style |= WS_CAPTION | icons; break;
    case bsSizeable: params.Style |= WS_CAPTION | WS_THICKFRAME | icons; break;
    case bsDialog:
      params.Style |= WS_CAPTION | (icons & WS_SYSMENU);
      params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow: params.Style |= WS_CAPTION | (icons & WS_SYSMENU); params.ExStyle |= WS_EX_TOOLWINDOW; break;
    case bsSizeToolWin:
      params.Style |= WS_CAPTION | WS_THICKFRAME | (icons & WS_SYSMENU);
      params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (formStyle_ == fsStayOnTop) params.ExStyle |= WS_EX_TOPMOST;
  params.WndParent = 0;
  if (formStyle_ != fsMDIChild) return;
  HWND client = MainFrameClient();
  if (client == nullptr) throw EInvalidOperation("Cannot create form. No MDI forms are currently active");
  params.Style = (params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS;
  params.WndParent = reinterpret_cast<uintptr_t>(client);
}

void TCustomForm::CreateWnd() {
  TCustomControl::CreateWnd();
  SetWindowText(Handle(), TControl::GetText());
  if (formStyle_ == fsMDIForm) {
    TRect rect = ClientRect();
    AdjustClientRect(rect);
    clientHandle_ = CreateMDIClient(Handle(), rect);
  }
}

void TCustomForm::DestroyWnd() {
  clientHandle_ = nullptr;
  HWND client = GetParent(Handle());
  if (formStyle_ != fsMDIChild || !IsMDIClient(client)) return TCustomControl::DestroyWnd();
  SetTextValue(GetWindowText(Handle()));
  SendMessage(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(Handle()));
}

// The frame's client window takes what the aligned controls leave.
void TCustomForm::AlignControls(TControl* control, TRect& rect) {
  TCustomControl::AlignControls(control, rect);
  if (HWND client = ClientHandle())
    SetWindowPos(client, HWND_BOTTOM, rect.Left, rect.Top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
}

HWND TCustomForm::ClientHandle() const {
  return clientHandle_ != nullptr && IsWindow(clientHandle_) ? clientHandle_ : nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  HWND client = ClientHandle();
  if (client == nullptr) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE))));
}

void TCustomForm::SetBorderStyle(TFormBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons v) {
  if (borderIcons_ == v) return;
  borderIcons_ = v;
  RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle v) {
  if (formStyle_ == v) return;
  formStyle_ = v;
  RecreateWnd();
}

TWindowState TCustomForm::WindowState() {
  if (HandleAllocated() && Visible()) return IsZoomed(Handle()) ? wsMaximized : IsIconic(Handle()) ? wsMinimized : wsNormal;
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState v) {
  windowState_ = v;
  if (HandleAllocated() && Visible()) ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
  int cmd = windowState_ == wsMaximized ? SW_SHOWMAXIMIZED : windowState_ == wsMinimized ? SW_MINIMIZE : SW_SHOWNORMAL;
  ShowWindow(Handle(), cmd);
  UpdateBounds();
}

void TCustomForm::SetMenu(TComponent* menu) {
  if (menu == menu_) return;
  TComponent* old = menu_;
  if (old) old->RemoveFreeNotification(this);
  menu_ = menu;
  if (menu_) menu_->FreeNotification(this);
  MenuReplaced();
}

// The bar follows the menu and the client area makes room for it, or takes the room back.
void TCustomForm::MenuReplaced() {
  menuBar_->MenuChanged();
  if (HandleAllocated() && !ComponentState().Contains(csDestroying))
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove || component != menu_) return;
  menu_ = nullptr;
  MenuReplaced();
}

void TCustomForm::PlaceOnScreen() {
  TRect area = WorkArea();
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  switch (position_) {
    case poScreenCenter: case poDesktopCenter:
      SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
      break;
    case poMainFormCenter: case poOwnerFormCenter:
      if (main && main != this) {
        SetBounds(main->Left() + (main->Width() - Width()) / 2, main->Top() + (main->Height() - Height()) / 2, Width(), Height());
      }
      break;
    default: break;
  }
}

void TCustomForm::CMVisibleChanged(TMessage&) {
  if (Visible()) {
    DoShow();
    HWND h = Handle();
    const bool child = formStyle_ == fsMDIChild;
    // A child of a frame stays where it is in the frame's client and becomes its active child.
    if (!child) PlaceOnScreen();
    ShowWindow(h, SW_SHOW);
    if (windowState_ != wsNormal) ApplyWindowState();
    if (child) SendMessage(GetParent(h), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(h));
    else SetActiveWindow(h);
  } else {
    DoHide();
    if (!HandleAllocated()) return;
    if (GetActiveWindow() == Handle()) SetActiveWindow(nullptr);
    if (GetFocus() && (GetFocus() == Handle() || IsChild(Handle(), GetFocus()))) ::SetFocus(nullptr);
    ShowWindow(Handle(), SW_HIDE);
  }
}

void TCustomForm::DoShow() { OnShow.Call(this); }
void TCustomForm::DoHide() { OnHide.Call(this); }

void TCustomForm::WMActivate(TMessage& m) {
  active_ = m.WParam != WA_INACTIVE;
  if (!active_) {
    OnDeactivate.Call(this);
    return;
  }
  if (Screen) Screen->SetActiveForm(this);
  OnActivate.Call(this);
  HWND focus = GetFocus();
  if (focus && (focus == Handle() || IsChild(Handle(), focus))) return;
  if (activeControl_ && activeControl_->CanFocus()) ::SetFocus(activeControl_->Handle());
  else if (TWinControl* first = FindNextControl(nullptr, true, true, false)) ::SetFocus(first->Handle());
  else ::SetFocus(Handle());
}

// The window system keeps the window within the form's constraints, also when the window
// manager sizes it.
void TCustomForm::WMGetMinMaxInfo(TMessage& m) {
  DefaultHandler(m);
  auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
  if (info == nullptr) return;
  const TSizeConstraints* limits = Constraints();
  if (limits->MinWidth() > 0) info->ptMinTrackSize.x = limits->MinWidth();
  if (limits->MinHeight() > 0) info->ptMinTrackSize.y = limits->MinHeight();
  if (limits->MaxWidth() > 0) info->ptMaxTrackSize.x = limits->MaxWidth();
  if (limits->MaxHeight() > 0) info->ptMaxTrackSize.y = limits->MaxHeight();
}

void TCustomForm::SetActiveControl(TWinControl* control) {
  if (control && (!ContainsControl(control) || (Visible() && !control->CanFocus())))
    throw EInvalidOperation("Cannot focus a disabled or invisible window");
  activeControl_ = control;
  if (control && active_) ::SetFocus(control->Handle());
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (active_ && control->CanFocus()) ::SetFocus(control->Handle());
  else activeControl_ = control;
}

void TCustomForm::SendEnterExit(TWinControl* from, TWinControl* to) {
  // The handlers may free controls of either chain (an edit that closes its panel when left):
  // each is told only while it is there, and the chains are found before anyone is told.
  const auto watched = [](TWinControl* c) {
    auto w = std::make_unique<TWatchedComponent>();
    w->Set(c);
    return w;
  };
  std::vector<std::unique_ptr<TWatchedComponent>> exiting, entering;
  for (TWinControl* c = from; c && c != this && !c->ContainsControl(to); c = c->Parent()) exiting.push_back(watched(c));
  for (TWinControl* c = to; c && c != this && !(from && c->ContainsControl(from)); c = c->Parent())
    entering.insert(entering.begin(), watched(c));
  for (const auto* list : {&exiting, &entering}) {
    for (const auto& w : *list)
      if (TComponent* c = w->Get()) static_cast<TWinControl*>(c)->Perform(list == &exiting ? CM_EXIT : CM_ENTER);
  }
}

bool TCustomForm::SetFocusedControl(TWinControl* control) {
  TWinControl* target = control == this ? nullptr : control;
  if (target != activeControl_) {
    TWinControl* old = activeControl_;
    activeControl_ = target;
    SendEnterExit(old, target);
  }
  if (Screen) Screen->SetActiveControl(control);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  return !control->HandleAllocated() || GetFocus() == control->Handle();
}

void TCustomForm::ControlRemoved(TWinControl* control) {
  if (activeControl_ && control->ContainsControl(activeControl_)) activeControl_ = nullptr;
  if (Screen && Screen->ActiveControl() && control->ContainsControl(Screen->ActiveControl())) Screen->SetActiveControl(nullptr);
}

void TCustomForm::CMDialogKey(TMessage& m) {
  TShiftState shift = KeyDataToShiftState(m.LParam);
  uint16_t key = static_cast<uint16_t>(m.WParam);
  if (!shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) {
    if (key == VK_TAB) {
      SelectNext(activeControl_, !shift.Contains(ssShift), true);
      m.Result = 1;
      return;
    }
    if ((key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN) && activeControl_) {
      activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN, false);
      m.Result = 1;
      return;
    }
  }
  TCustomControl::CMDialogKey(m);
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  OnCloseQuery.Call(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& action) { OnClose.Call(this, action); }

void TCustomForm::Close() {
  if (formState_.Contains(fsModal)) {
    modalResult_ = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone) return;
  if (Application && Application->MainForm() == this) Application->Terminate();
  else if (action == caHide) Hide();
  else if (action == caMinimize) SetWindowState(wsMinimized);
  else if (action == caFree) Release();
}

void TCustomForm::WMClose(TMessage&) { Close(); }

bool TCustomForm::IsShortCut(TMessage& key) {
  bool handled = false;
  OnShortCut.Call(key, handled);
  if (handled) return true;
  auto* menu = dynamic_cast<IShortCutSource*>(menu_);
  return menu && menu->IsShortCut(key);
}

void TCustomForm::SendCancelMode(TControl* sender) {
  if (active_ && activeControl_ && activeControl_ != sender) activeControl_->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(sender));
}

void TCustomForm::Release() { PostMessage(Handle(), CM_RELEASE); }

void TCustomForm::CMRelease(TMessage&) { delete this; }

void TCustomForm::CMTextChanged(TMessage&) {
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
}

void TCustomForm::Paint() { OnPaint.Call(this); }

void TCustomForm::CloseModal() {
  TCloseAction action = CloseQuery() ? caHide : caNone;
  if (action != caNone) DoClose(action);
  if (action == caNone) modalResult_ = mrNone;
}

namespace {

// Every other enabled top-level window is disabled while a modal form runs, and enabled again
// however the modal loop ends.
class TOtherWindowsDisabled {
 public:
  explicit TOtherWindowsDisabled(HWND keep) {
    for (HWND h : TopLevelWindows()) {
      if (h == keep || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
      EnableWindow(h, false);
      disabled_.push_back(h);
    }
  }
  ~TOtherWindowsDisabled() {
    for (HWND h : disabled_) EnableWindow(h, true);
  }
  TOtherWindowsDisabled(const TOtherWindowsDisabled&) = delete;
  TOtherWindowsDisabled& operator=(const TOtherWindowsDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || formState_.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  if (!Application) throw EInvalidOperation("A modal form needs the application's message loop");
  ReleaseCapture();
  HWND previousActive = GetActiveWindow();
  // The window the dialog was opened from owns it, so that the dialog stays above it.
  SetWindowLong(Handle(), GWL_HWNDPARENT, reinterpret_cast<intptr_t>(previousActive));
  auto modal = ScopedInclude(formState_, fsModal);
  TOtherWindowsDisabled disabled(Handle());
  modalResult_ = mrNone;
  Show();
  while (modalResult_ == mrNone) {
    Application->HandleMessage();
    if (Application->Terminated()) modalResult_ = mrCancel;
    else if (modalResult_ != mrNone) CloseModal();
  }
  Hide();
  if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
  return modalResult_;
}

void TCustomForm::Publish() {
  TPublisher<TCustomForm> p;
  p.Property("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle).Default(bsSizeable);
  p.Property("BorderIcons", &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
      .Default(TBorderIcons{biSystemMenu, biMinimize, biMaximize});
  p.Property("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle).Default(fsNormal);
  p.Property("Position", &TCustomForm::Position, &TCustomForm::SetPosition).Default(poDesigned);
  p.Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview).Default(false);
  p.Property("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll).Default(true);
  p.Property("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption);
  p.Event("OnCreate", &TCustomForm::OnCreate);
  p.Event("OnShow", &TCustomForm::OnShow);
  p.Event("OnClose", &TCustomForm::OnClose);
  p.Event("OnCloseQuery", &TCustomForm::OnCloseQuery);
  p.Event("OnActivate", &TCustomForm::OnActivate);
  p.Event("OnPaint", &TCustomForm::OnPaint);
}
