// What a skinned form does with its form's messages and with the application's: the sizing
// grips, keeping a maximized form on the work area, the active look of the title bar, the
// control-box menu on Alt+Space, and the menu's shortcuts.
#include "platform/controls/application.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/menus.h"
#include "platform/windows/keys.h"
#include "platform/windows/painting.h"
#include "skin/form.h"
#include "skin/form_hook.h"
#include "skin/skin_painting.h"
#include "skin/title_bar_menu.h"

namespace {

const char* const kApplicationHookName = "SkinApplicationMessage";

TMessage AsMessage(const MSG& msg) { return TMessage{msg.message, msg.wParam, msg.lParam, 0}; }

}  // namespace

void TskForm::TakeOverForm() {
  // The frame of a multiple-document window and its children keep their native borders; the
  // skin still takes over their window procedures.
  if (form_->FormStyle() != fsMDIChild && form_->FormStyle() != fsMDIForm) form_->SetBorderStyle(bsNone);
  form_->SetAutoScroll(false);
  hook_ = HookWindowProc(form_, this);
  RemoveNativeCaption();
  if (Application != nullptr && !Application->OnMessage) {
    Application->OnMessage.Bind(this, kApplicationHookName,
                                [this](MSG& msg, bool& handled) { handled = ApplicationMessage(msg); });
    installedAppHook_ = true;
  }
}

// The title bar stands for the native caption, also on a window made after the skin (a child
// of a frame keeps its border and so its window).
void TskForm::RemoveNativeCaption() {
  if (!form_->HandleAllocated()) return;
  HWND h = form_->Handle();
  const intptr_t style = GetWindowLong(h, GWL_STYLE);
  if ((style & WS_CAPTION) == 0) return;
  SetWindowLong(h, GWL_STYLE, style & ~static_cast<intptr_t>(WS_CAPTION));
  SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TskForm::GiveFormBack() {
  if (installedAppHook_ && Application != nullptr) {
    // Another component may have put its own handler there since; that one stays.
    const TEventBase& current = Application->OnMessage;
    if (current.Target() == this && current.MethodName() == kApplicationHookName)
      Application->OnMessage.Clear();
  }
  installedAppHook_ = false;
  if (form_ == nullptr) return;
  UnhookWindowProc(form_, hook_);
  hook_.reset();
  if (!form_->ComponentState().Contains(csDestroying) && form_->HandleAllocated())
    InvalidateRect(form_->Handle(), nullptr, true);
}

void TskForm::FormMessage(TMessage& m) {
  switch (m.Msg) {
    case WM_MDIACTIVATE: {
      const bool activated = reinterpret_cast<HWND>(m.LParam) == form_->Handle();
      if (activated) TellMDIClient(SKM_MDICHILDCHANGED);
      titleBar_->SetFormActive(activated);
      break;
    }
    case WM_DESTROY: MDIChildDestroyed(); break;
    case WM_KEYDOWN: m.Result = MenuShortCut(m) ? 1 : 0; break;
    case WM_SHOWWINDOW:
      form_->SetMenu(nullptr);
      // A form skinned before it had a window gets its shape when the window shows.
      if (m.WParam != 0) {
        RemoveNativeCaption();
        FormSized();
      }
      break;
    case WM_ACTIVATE: FormActivated(m); break;
    case WM_SIZE: FormSized(); break;
    case WM_ERASEBKGND: PaintBorderInto(reinterpret_cast<HDC>(m.WParam)); break;
    case WM_NCHITTEST: FormHitTest(m); break;
    // The title bar shows the form's caption however it is set.
    case CM_TEXTCHANGED: titleBar_->SetCaption(form_->Caption()); break;
    case WM_SYSCOMMAND:
      // Alt+Space: the window system's menu of the window is the title bar's.
      if ((m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam == ' ') titleBar_->PopupControlBoxMenuAt(
          {form_->Left(), form_->Top() + titleBar_->Height()});
      break;
    default: break;
  }
}

void TskForm::FormActivated(const TMessage& m) {
  // An open menu takes the keyboard but leaves its form looking active, as menus do.
  auto* other = FindControl(reinterpret_cast<HWND>(m.LParam));
  if (m.WParamLo() == WA_INACTIVE && dynamic_cast<TMenuWindow*>(other) != nullptr) return;
  titleBar_->SetFormActive(m.WParamLo() != WA_INACTIVE);
}

void TskForm::FormSized() {
  KeepMaximizedAtConstruction();
  const bool maximized = form_->WindowState() == wsMaximized;
  if (maximized && !IsMDIChild() && formBorderStyle_ != bsNone) {
    TRect area;
    GetWorkAreaRect(area);
    if (form_->BoundsRect() != area) PlaceControlRect(form_, area);
  }
  LayoutInForm();
  PaintBorder();
  titleBar_->RefreshMaxButtons();
  // A minimized child keeps the layout it had: restored, it comes back as it was.
  if (IsMDIChild() && form_->WindowState() != wsMinimized) MDIChildSized(maximized);
  ApplyWindowRegion(titleBar_->RoundCorner());
}

// A maximized child shows the frame's title bar only: its own goes, and what stood below it
// moves up into its room, once; restored, both come back.
void TskForm::MDIChildSized(bool maximized) {
  const int height = titleBar_->Height();
  SetTitleBarVisible(!maximized);
  if (maximized && !titleBarScrolledAway_) {
    ScrollBy(0, -height);
    titleBarScrolledAway_ = true;
    TellMDIClient(SKM_MDICHILDMAXIMIZED, reinterpret_cast<WPARAM>(form_->Handle()));
  } else if (!maximized && titleBarScrolledAway_) {
    ScrollBy(0, height);
    titleBarScrolledAway_ = false;
    titleBar_->RefreshMaxButtons();
    TellMDIClient(SKM_MDICHILDRESTORED);
  }
}

// A child that goes tells the frame; a maximized one also that no child's title bar is
// scrolled away any more.
void TskForm::MDIChildDestroyed() {
  if (!IsMDIChild()) return;
  TellMDIClient(SKM_MDICHILDCHANGED);
  if (form_->WindowState() == wsMaximized) TellMDIClient(SKM_MDICHILDRESTORED);
}

void TskForm::TellMDIClient(UINT msg, WPARAM wParam) const {
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  if (HWND client = main != nullptr ? main->ClientHandle() : nullptr) SendMessage(client, msg, wParam, 0);
}

// A form created maximized stays so while its creation resizes it; once restored it goes back
// to the bounds it was created with.
void TskForm::KeepMaximizedAtConstruction() {
  if (!maximizedAtConstruction_) return;
  if (form_->WindowState() != wsMaximized) {
    form_->SetBoundsRect(formBoundsAtConstruction_);
    maximizedAtConstruction_ = false;
  } else if (maximizeSizeCount_ == 2) {
    form_->SetWindowState(wsMaximized);
  } else {
    ++maximizeSizeCount_;
  }
  titleBarScrolledAway_ = true;
}

void TskForm::FormHitTest(TMessage& m) {
  if (form_->WindowState() == wsMaximized) return;
  if (form_->FormStyle() == fsMDIForm && m.Result == HTCLIENT) m.Result = HTTRANSPARENT;
  const LRESULT grip = Frame().SizingHit(form_->ScreenToClient(LParamToPoint(m.LParam)));
  if (grip != HTNOWHERE) m.Result = grip;
}

bool TskForm::ApplicationMessage(MSG& msg) {
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_SPACE) {
    TCustomForm* main = Application->MainForm() != nullptr ? Application->MainForm() : form_;
    titleBar_->PopupControlBoxMenuAt({main->Left(), main->Top() + titleBar_->Height()});
    return true;
  }
  if (msg.message != WM_KEYDOWN) return false;
  TMessage key = AsMessage(msg);
  return MenuShortCut(key);
}

bool TskForm::MenuShortCut(TMessage& key) {
  if (menu_ == nullptr || !IsFormActive(form_) || !form_->Active()) return false;
  return menu_->IsShortCut(key);
}
