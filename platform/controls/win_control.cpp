// Windowed controls: their window, children, focus, alignment and messages.
#include "platform/controls/win_control.h"
#include "platform/core/scope_guard.h"

#include <algorithm>
#include <map>

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "platform/core/exceptions.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_layout.h"
#include "platform/windows/painting.h"

namespace {

std::map<HWND, TWinControl*>& ControlsByHandle() {
  static std::map<HWND, TWinControl*> controls;
  return controls;
}

// The control whose window is being created: its first messages arrive before
// CreateWindowEx returns the handle.
TWinControl*& CreatingControl() {
  static TWinControl* creating = nullptr;
  return creating;
}

}  // namespace

// Every control window's procedure: the message goes to the control's WindowProc. The first
// messages of a window arrive while it is being created, before CreateWindowEx answers.
LRESULT TWinControl::StandardWndProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  TWinControl* control = FindControl(h);
  if (!control && CreatingControl()) {
    control = CreatingControl();
    control->handle_ = h;
    ControlsByHandle()[h] = control;
  }
  if (!control) return DefWindowProc(h, msg, w, l);
  TMessage m{msg, w, l, 0};
  control->WindowProc(m);
  return m.Result;
}

namespace {

void EnsureClassRegistered(const TCreateParams& params) {
  WNDCLASS wc;
  if (GetClassInfo(params.WinClassName, wc)) return;
  wc.lpszClassName = params.WinClassName;
  wc.style = params.WindowClassStyle;
  wc.lpfnWndProc = TWinControl::StandardWndProc;
  RegisterClass(wc);
}

}  // namespace

TWinControl* FindControl(HWND h) {
  auto it = ControlsByHandle().find(h);
  return it == ControlsByHandle().end() ? nullptr : it->second;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) { SetColor(clBtnFace); }

// Child controls go with their parent, as in the class library (their owner is told).
TWinControl::~TWinControl() {
  Destroying();
  // A replaced WindowProc may belong to the part of the object already gone; the window's
  // last messages take the plain route.
  WindowProc = [this](TMessage& m) { WndProc(m); };
  if (parent_) parent_->RemoveControl(this);
  while (!controls_.empty()) {
    TControl* child = controls_.back();
    RemoveControl(child);
    delete child;
  }
  if (handle_) DestroyHandle();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) RaiseListIndexError(index);
  return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  if (control == this || ContainsControl(control)) return;
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 1);
  control->parent_ = this;
  controls_.push_back(control);
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    tabList_.push_back(win);
    if (handle_) win->CreateHandle();
  } else {
    control->Invalidate();
  }
  control->Perform(CM_PARENTCOLORCHANGED);
  control->Perform(CM_PARENTBIDIMODECHANGED);
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTSHOWHINTCHANGED);
  control->Perform(CM_PARENTCTL3DCHANGED);
  control->UpdateAnchorRules();
  Realign();
  Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 1);
}

void TWinControl::RemoveControl(TControl* control) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  bool alive = !ComponentState().Contains(csDestroying);
  if (alive) Perform(CM_CONTROLCHANGE, reinterpret_cast<WPARAM>(control), 0);
  if (GetCaptureControl() == control) SetCaptureControl(nullptr);
  if (auto* win = dynamic_cast<TWinControl*>(control)) {
    if (TCustomForm* form = GetParentForm(this)) form->ControlRemoved(win);
    if (win->handle_) win->DestroyHandle();
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), win), tabList_.end());
  } else {
    control->Invalidate();
  }
  controls_.erase(std::find(controls_.begin(), controls_.end(), control));
  control->parent_ = nullptr;
  if (!alive) return;
  Realign();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(control), 0);
}

bool TWinControl::ContainsControl(TControl* control) const {
  for (; control; control = control->Parent())
    if (control == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* c = *it;
    bool windowed = dynamic_cast<TWinControl*>(c) != nullptr;
    if (windowed && !allowWinControls) continue;
    if (!c->Visible() || (!c->Enabled() && !allowDisabled)) continue;
    if (c->BoundsRect().Contains(p)) return c;
  }
  return nullptr;
}

void TWinControl::SetChildZOrder(TControl* control, bool toTop) {
  auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  controls_.erase(it);
  if (toTop) controls_.push_back(control);
  else controls_.insert(controls_.begin(), control);
  if (auto* win = dynamic_cast<TWinControl*>(control); win && win->handle_) {
    SetWindowPos(win->handle_, toTop ? HWND_TOP : HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  } else {
    control->Invalidate();
  }
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.Caption = TControl::GetText();
  params.Style = (parent_ || parentWindow_) ? (WS_CHILD | WS_CLIPSIBLINGS) : WS_POPUP;
  if (controlStyle_.Contains(csAcceptsControls)) params.Style |= WS_CLIPCHILDREN;
  if (!Enabled()) params.Style |= WS_DISABLED;
  if (tabStop_) params.Style |= WS_TABSTOP;
  params.X = left_;
  params.Y = top_;
  params.Width = width_;
  params.Height = height_;
  params.WndParent = reinterpret_cast<uintptr_t>(parent_ ? parent_->handle_ : parentWindow_);
  params.WinClassName = ClassName();
  params.WindowClassStyle = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  EnsureClassRegistered(params);
  auto creating = ScopedValue(CreatingControl(), this);
  handle_ = CreateWindowEx(params.ExStyle, params.WinClassName, params.Caption, params.Style, params.X,
                           params.Y, params.Width, params.Height, reinterpret_cast<HWND>(params.WndParent));
  ControlsByHandle()[handle_] = this;
}

void TWinControl::DestroyWnd() {
  HWND h = handle_;
  TControl::SetTextValue(GetWindowText(h));
  DestroyWindow(h);
}

void TWinControl::CreateHandle() {
  if (handle_) return;
  auto creating = ScopedInclude(controlState_, csCreating);
  CreateWnd();
  CreateChildHandles();
  if (Visible() && (parent_ || parentWindow_)) ShowWindow(handle_, SW_SHOWNA);
  Realign();
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(c)) win->CreateHandle();
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  auto destroying = ScopedInclude(controlState_, csDestroyingHandle);
  for (TControl* c : controls_)
    if (auto* win = dynamic_cast<TWinControl*>(c)) win->DestroyHandle();
  DestroyWnd();
  handle_ = nullptr;
}

HWND TWinControl::Handle() {
  if (!handle_) {
    if (parent_) parent_->HandleNeeded();
    CreateHandle();
  }
  return handle_;
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  bool wasFocused = Focused();
  DestroyHandle();
  CreateHandle();
  if (Showing()) UpdateShowing();
  if (wasFocused && CanFocus()) SetFocus();
}

void TWinControl::WMNCDestroy(TMessage& m) {
  DefaultHandler(m);
  ControlsByHandle().erase(handle_);
  handle_ = nullptr;
}

bool TWinControl::Showing() {
  if (!Visible()) return false;
  if (parent_) return parent_->Showing();
  if (parentWindow_) return IsWindowVisible(parentWindow_);
  return IsTopLevel();
}

void TWinControl::UpdateShowing() {
  if (!handle_ && Visible() && (parent_ ? parent_->HandleAllocated() : IsTopLevel() || parentWindow_)) HandleNeeded();
  if (!handle_) return;
  ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::CMVisibleChanged(TMessage&) { UpdateShowing(); }

void TWinControl::CMEnabledChanged(TMessage&) {
  if (handle_) EnableWindow(handle_, Enabled());
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
  Invalidate();
  NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::CMBiDiModeChanged(TMessage&) {
  Invalidate();
  NotifyControls(CM_PARENTBIDIMODECHANGED);
}

void TWinControl::CMFontChanged(TMessage&) {
  Invalidate();
  NotifyControls(CM_PARENTFONTCHANGED);
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }

void TWinControl::SetCtl3D(bool v) {
  parentCtl3D_ = false;
  if (ctl3D_ == v) return;
  ctl3D_ = v;
  Perform(CM_CTL3DCHANGED);
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::SetParentCtl3D(bool v) {
  parentCtl3D_ = v;
  if (v) Perform(CM_PARENTCTL3DCHANGED);
}

void TWinControl::CMParentCtl3DChanged(TMessage&) {
  if (!parentCtl3D_ || !parent_ || ctl3D_ == parent_->ctl3D_) return;
  ctl3D_ = parent_->ctl3D_;
  Perform(CM_CTL3DCHANGED);
  NotifyControls(CM_PARENTCTL3DCHANGED);
}

void TWinControl::WMSysColorChange(TMessage&) { Perform(CM_SYSCOLORCHANGE); }

void TWinControl::CMSysColorChange(TMessage&) { NotifyControls(CM_SYSCOLORCHANGE); }

void TWinControl::NotifyControls(UINT msg) {
  for (TControl* c : std::vector<TControl*>(controls_)) c->Perform(msg);
}

void TWinControl::Broadcast(TMessage& m) {
  for (TControl* c : std::vector<TControl*>(controls_)) {
    c->WindowProc(m);
    if (m.Result != 0) return;
  }
}

TSize TWinControl::ClientSize() {
  TRect r = ClientRect();
  return {r.Width(), r.Height()};
}

TRect TWinControl::ClientRect() {
  if (handle_) {
    TRect r;
    GetClientRect(handle_, r);
    return r;
  }
  TCreateParams params;
  CreateParams(params);
  TFrameLayout f = ComputeFrameLayout(params.Style, params.ExStyle, Bounds(0, 0, width_, height_));
  return Rect(0, 0, f.client.Width(), f.client.Height());
}

TPoint TWinControl::ClientOrigin() {
  TPoint p{0, 0};
  if (handle_) {
    ::ClientToScreen(handle_, p);
    return p;
  }
  return TControl::ClientOrigin();
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (!handle_) {
    TControl::SetBounds(left, top, width, height);
    return;
  }
  CheckNewSize(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  SetWindowPos(handle_, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBounds();
  UpdateAnchorRules();
  if (Align() != alNone) RequestAlign();
}

void TWinControl::UpdateBounds() {
  TRect b = WindowBounds(handle_);
  bool sized = b.Width() != width_ || b.Height() != height_;
  SetBoundsQuietly(b.Left, b.Top, b.Width(), b.Height());
  if (!sized) return;
  Realign();
  Resize();
}

void TWinControl::WMSize(TMessage& m) {
  DefaultHandler(m);
  UpdateBounds();
}

void TWinControl::WMMove(TMessage& m) {
  DefaultHandler(m);
  UpdateBounds();
}

void TWinControl::SetBorderWidth(int v) {
  if (borderWidth_ == v) return;
  borderWidth_ = v;
  Realign();
  Invalidate();
}

String TWinControl::GetText() { return handle_ ? GetWindowText(handle_) : TControl::GetText(); }

void TWinControl::SetTextValue(const String& v) {
  TControl::SetTextValue(v);
  if (handle_) SetWindowText(handle_, v);
}

void TWinControl::DefaultHandler(TMessage& m) {
  if (handle_) m.Result = DefWindowProc(handle_, m.Msg, m.WParam, m.LParam);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, !controlStyle_.Contains(csOpaque));
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

void TWinControl::Publish() {
  TPublisher<TWinControl> p;
  p.Redeclare("Color").Default(clBtnFace);
  p.Property("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop).Default(false);
  p.Property("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder).Default(-1).Stored(false);
  p.Property("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D).Default(true).Stored([](TWinControl* c) { return !c->ParentCtl3D(); });
  p.Property("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D).Default(true);
  p.Property("ImeMode", &TWinControl::ImeMode, &TWinControl::SetImeMode).Default(imDontCare);
  p.Property("ImeName", &TWinControl::ImeName, &TWinControl::SetImeName);
  p.Event("OnKeyDown", &TWinControl::OnKeyDown);
  p.Event("OnKeyPress", &TWinControl::OnKeyPress);
  p.Event("OnKeyUp", &TWinControl::OnKeyUp);
  p.Event("OnEnter", &TWinControl::OnEnter);
  p.Event("OnExit", &TWinControl::OnExit);
}
