// Controls: bounds, visibility, parent properties, mouse messages and hints.
#include "platform/controls/control.h"
#include "platform/core/scope_guard.h"

#include "platform/classes/properties.h"
#include "platform/controls/actions.h"
#include "platform/controls/forms.h"
#include "platform/controls/popup_source.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/controls/watched_component.h"
#include "platform/controls/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/windows/focus.h"
#include "platform/windows/painting.h"
#include "platform/windows/size_limits.h"

namespace {

TControl*& CaptureControlRef() {
  static TControl* control = nullptr;
  return control;
}

TMouseButton ButtonOf(UINT msg) {
  switch (msg) {
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return mbRight;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return mbMiddle;
    default: return mbLeft;
  }
}

}  // namespace

const TMessageMap::THandler* TMessageMap::Find(UINT msg) const {
  for (const TMessageMap* map = this; map; map = map->parent_) {
    auto it = map->handlers_.find(msg);
    if (it != map->handlers_.end()) return &it->second;
  }
  return nullptr;
}

TControl* GetCaptureControl() { return CaptureControlRef(); }

void SetCaptureControl(TControl* control) {
  CaptureControlRef() = nullptr;
  if (!control) {
    ReleaseCapture();
    return;
  }
  if (auto* win = dynamic_cast<TWinControl*>(control)) SetCapture(win->Handle());
  else if (control->Parent()) SetCapture(control->Parent()->Handle());
  CaptureControlRef() = control;
}

void SetCaptureControlQuietly(TControl* control) { CaptureControlRef() = control; }

TCustomForm* GetParentForm(TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(control);
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), constraints_(std::make_unique<TSizeConstraints>()), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  font_->OnChange.Bind(this, "FontChanged", &TControl::FontChanged);
  constraints_->OnChange.Bind(this, "ConstraintsChanged", [this](TObject*) {
    SetBounds(left_, top_, width_, height_);
    // A window of its own tells the window system (a top-level one, the window manager).
    if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated())
      SizeLimitsChanged(windowed->Handle());
  });
}

TControl::~TControl() {
  Destroying();
  ForgetDragControl(this);
  SetAction(nullptr);
  if (CaptureControlRef() == this) SetCaptureControl(nullptr);
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  if (parent_) parent_->RemoveControl(this);
}

const TMessageMap& TControl::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(nullptr);
    for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) m.On(msg, &TControl::WMMouseDown);
    for (UINT msg : {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP}) m.On(msg, &TControl::WMMouseUp);
    for (UINT msg : {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDBLCLK}) m.On(msg, &TControl::WMMouseDblClk);
    m.On(WM_MOUSEMOVE, &TControl::WMMouseMove);
    m.On(WM_MOUSEWHEEL, &TControl::WMMouseWheel);
    m.On(WM_CONTEXTMENU, &TControl::WMContextMenu);
    for (UINT msg : {CM_ENABLEDCHANGED, CM_COLORCHANGED, CM_FONTCHANGED, CM_TEXTCHANGED, CM_VISIBLECHANGED})
      m.On(msg, &TControl::CMInvalidatingChange);
    m.On(CM_PARENTFONTCHANGED, &TControl::CMParentFontChanged);
    m.On(CM_PARENTCOLORCHANGED, &TControl::CMParentColorChanged);
    m.On(CM_PARENTBIDIMODECHANGED, &TControl::CMParentBiDiModeChanged);
    m.On(CM_PARENTSHOWHINTCHANGED, &TControl::CMParentShowHintChanged);
    m.On(CM_MOUSEENTER, &TControl::CMMouseEnterLeave);
    m.On(CM_MOUSELEAVE, &TControl::CMMouseEnterLeave);
    m.On(CM_HINTSHOW, &TControl::CMHintShow);
    m.On(CM_DRAG, &TControl::CMDrag);
    return m;
  }();
  return map;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent_ == parent) return;
  if (parent == static_cast<TControl*>(this)) throw EInvalidOperation("A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

TComponent* TControl::GetParentComponent() { return parent_; }

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* win = dynamic_cast<TWinControl*>(parent)) SetParent(win);
}

void TControl::SetBoundsQuietly(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
}

void TControl::CheckNewSize(int& width, int& height) {
  if ((width != width_ || height != height_) && !CanResize(width, height)) {
    width = width_;
    height = height_;
  }
  constraints_->Apply(width, height);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  CheckNewSize(width, height);
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  bool sized = width != width_ || height != height_;
  InvalidateArea(true);
  SetBoundsQuietly(left, top, width, height);
  InvalidateArea(false);
  UpdateAnchorRules();
  if (sized || align_ != alNone) RequestAlign();
  if (sized) Resize();
}

TRect TControl::ClientRect() { return Rect(0, 0, width_, height_); }

void TControl::SetClientWidth(int v) { SetWidth(width_ - ClientWidth() + v); }
void TControl::SetClientHeight(int v) { SetHeight(height_ - ClientHeight() + v); }

TPoint TControl::ClientOrigin() {
  if (!parent_) return {left_, top_};
  TPoint p = parent_->ClientOrigin();
  return {p.x + left_, p.y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) {
  TPoint o = ClientOrigin();
  return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) {
  TPoint o = ClientOrigin();
  return {p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign v) {
  if (align_ == v) return;
  align_ = v;
  if (v == alClient || v == alTop || v == alBottom) anchors_ = {akLeft, akTop, akRight};
  if (v == alClient || v == alLeft || v == alRight) anchors_.Include(akBottom);
  RequestAlign();
}

void TControl::SetAnchors(TAnchors v) {
  anchors_ = v;
  UpdateAnchorRules();
}

void TControl::UpdateAnchorRules() {
  if (!parent_ || parent_->aligning_) return;
  TSize size = parent_->ClientSize();
  anchorMargins_ = Rect(left_, top_, size.cx - left_ - width_, size.cy - top_ - height_);
}

void TControl::AnchorTo(int parentWidth, int parentHeight) {
  if (align_ != alNone) return;
  int left = left_, top = top_, width = width_, height = height_;
  if (anchors_.Contains(akRight)) {
    if (anchors_.Contains(akLeft)) width = parentWidth - left - anchorMargins_.Right;
    else left = parentWidth - width - anchorMargins_.Right;
  }
  if (anchors_.Contains(akBottom)) {
    if (anchors_.Contains(akTop)) height = parentHeight - top - anchorMargins_.Bottom;
    else top = parentHeight - height - anchorMargins_.Bottom;
  }
  SetBounds(left, top, std::max(width, 0), std::max(height, 0));
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

void TControl::SetVisible(bool v) {
  if (visible_ == v) return;
  VisibleChanging();
  visible_ = v;
  // A control's show or hide handling may free it (a panel hidden for good).
  TWatchedComponent self;
  self.Set(this);
  Perform(CM_VISIBLECHANGED, v ? 1 : 0);
  if (self.Get() != nullptr) RequestAlign();
}

void TControl::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Perform(CM_ENABLEDCHANGED);
}

bool TControl::Showing() { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetColor(TColor v) {
  parentColor_ = false;
  if (color_ == v) return;
  color_ = v;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool v) {
  parentColor_ = v;
  if (v && parent_) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetFont(TFont* v) { font_->Assign(v); }

void TControl::FontChanged(TObject*) {
  if (!assigningParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool v) {
  parentFont_ = v;
  if (v && parent_) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetText(const String& v) {
  if (GetText() == v) return;
  SetTextValue(v);
  Perform(CM_TEXTCHANGED);
}

String TControl::GetText() { return text_; }
void TControl::SetTextValue(const String& v) { text_ = v; }

void TControl::SetShowHint(bool v) {
  parentShowHint_ = false;
  showHint_ = v;
}

void TControl::SetParentShowHint(bool v) {
  parentShowHint_ = v;
  if (v && parent_) showHint_ = parent_->ShowHint();
}

void TControl::SetCursor(TCursor v) {
  if (cursor_ == v) return;
  cursor_ = v;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TComponent* menu) {
  if (popupMenu_ == menu) return;
  if (popupMenu_) popupMenu_->RemoveFreeNotification(this);
  popupMenu_ = menu;
  if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == popupMenu_) popupMenu_ = nullptr;
  // A freed action has already let go of its links by the time its owner's notice arrives.
  if (actionLink_ && (component == actionLink_->Action() || !actionLink_->Action())) actionLink_.reset();
}

TBasicAction* TControl::Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }

void TControl::SetAction(TBasicAction* action) {
  if (action == Action()) return;
  if (TBasicAction* old = Action()) old->RemoveFreeNotification(this);
  if (!action) {
    actionLink_.reset();
    return;
  }
  if (!actionLink_) actionLink_ = CreateActionLink();
  actionLink_->SetAction(action);
  action->FreeNotification(this);
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() { return std::make_unique<TControlActionLink>(this); }

void TControl::ActionChange(TObject* sender, bool checkDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(sender);
  if (action) {
    if (!checkDefaults || Caption().empty() || Caption() == Name()) SetCaption(action->Caption());
    if (!checkDefaults || enabled_) SetEnabled(action->Enabled());
    if (!checkDefaults || hint_.empty()) SetHint(action->Hint());
    if (!checkDefaults || visible_) SetVisible(action->Visible());
    if (!checkDefaults || !GetLinkedChecked()) SetLinkedChecked(action->Checked());
    if (!checkDefaults || GetLinkedShortCut() == scNone) SetLinkedShortCut(action->ShortCut());
  }
  if (auto* basic = dynamic_cast<TBasicAction*>(sender); basic && (!checkDefaults || !OnClick)) OnClick = basic->OnExecute;
}

void TControl::InitiateAction() {
  if (actionLink_) actionLink_->Update();
}

bool TControl::ExecuteAction(TBasicAction* action) {
  if (!action->HandlesTarget(this)) return false;
  action->ExecuteTarget(this);
  return true;
}

bool TControl::UpdateAction(TBasicAction* action) {
  if (!action->HandlesTarget(this)) return false;
  action->UpdateTarget(this);
  return true;
}

bool TControl::MouseCapture() { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool v) {
  if (v == MouseCapture()) return;
  SetCaptureControl(v ? this : nullptr);
}

LRESULT TControl::Perform(UINT msg, WPARAM w, LPARAM l) {
  TMessage m{msg, w, l, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::WndProc(TMessage& m) {
  if (DragHandlesMessage(this, m)) return;
  Dispatch(m);
}

void TControl::Dispatch(TMessage& m) {
  if (const TMessageMap::THandler* handler = MessageMap().Find(m.Msg)) (*handler)(this, m);
  else DefaultHandler(m);
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::InvalidateArea(bool erase) {
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  TRect r = BoundsRect();
  InvalidateRect(parent_->Handle(), &r, erase && !controlStyle_.Contains(csOpaque));
}

void TControl::Invalidate() { InvalidateArea(true); }

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::Update() {
  if (parent_) parent_->Update();
}

void TControl::BringToFront() {
  if (parent_) parent_->SetChildZOrder(this, true);
}

void TControl::SendToBack() {
  if (parent_) parent_->SetChildZOrder(this, false);
}

// The control's own handler runs; while OnClick is still the action's handler, the action runs
// through the link instead, so that it updates first and knows which control ran it.
bool TControl::HasOwnClickHandler() const {
  return OnClick && !(actionLink_ && actionLink_->IsOnExecuteLinked());
}

void TControl::Click() {
  // The handler runs from a copy: it may free this control, and with it OnClick.
  TNotifyEvent handler = OnClick;
  if (HasOwnClickHandler()) handler(this);
  else if (actionLink_) actionLink_->Execute(this);
  else handler.Call(this);
}
void TControl::DblClick() { OnDblClick.Call(this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseDown.Call(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { OnMouseMove.Call(this, shift, x, y); }

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  OnMouseUp.Call(this, button, shift, x, y);
}

bool TControl::DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
  bool handled = false;
  // The handler may free the control: the turn is used up then.
  TWatchedComponent self;
  self.Set(this);
  OnMouseWheel.Call(this, shift, wheelDelta, mousePos, handled);
  if (handled || self.Get() == nullptr) return true;
  return wheelDelta < 0 ? DoMouseWheelDown(shift, mousePos) : DoMouseWheelUp(shift, mousePos);
}

bool TControl::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelDown.Call(this, shift, mousePos, handled);
  return handled;
}

bool TControl::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
  bool handled = false;
  OnMouseWheelUp.Call(this, shift, mousePos, handled);
  return handled;
}

bool TControl::CanResize(int& newWidth, int& newHeight) {
  bool resize = true;
  OnCanResize.Call(this, newWidth, newHeight, resize);
  return resize;
}

void TControl::DoContextPopup(TPoint mousePos, bool& handled) { OnContextPopup.Call(this, mousePos, handled); }

void TControl::Resize() { OnResize.Call(this); }

void TControl::WMMouseDown(TMessage& m) {
  TWMMouse mouse(m);
  TMouseButton button = ButtonOf(m.Msg);
  if (TCustomForm* form = GetParentForm(this)) form->SendCancelMode(this);
  if (button == mbLeft && dragMode_ == dmAutomatic && dragKind_ == dkDrag) {
    BeginDrag(false);
    return;
  }
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (button == mbLeft && controlStyle_.Contains(csClickEvents)) controlState_.Include(csClicked);
  if (!controlStyle_.Contains(csNoStdEvents)) MouseDown(button, KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseUp(TMessage& m) {
  TWMMouse mouse(m);
  TMouseButton button = ButtonOf(m.Msg);
  // A right click asks for a context menu: the window's default sends WM_CONTEXTMENU; a
  // control without a window asks itself.
  if (button == mbRight) {
    DefaultHandler(m);
    if (!dynamic_cast<TWinControl*>(this)) Perform(WM_CONTEXTMENU, 0, PointToLParam(ClientToScreen(mouse.Pos())));
  }
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(false);
  if (button == mbLeft && controlState_.Contains(csClicked)) {
    controlState_.Exclude(csClicked);
    // The click's handler may free the control (a form closed by its button).
    const TWatchedComponent self(this);
    if (ClientRect().Contains(mouse.Pos())) Click();
    if (self.Get() == nullptr) return;
  }
  if (!controlStyle_.Contains(csNoStdEvents)) MouseUp(button, KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseDblClk(TMessage& m) {
  TWMMouse mouse(m);
  TMouseButton button = ButtonOf(m.Msg);
  if (controlStyle_.Contains(csCaptureMouse)) SetMouseCapture(true);
  if (button == mbLeft && controlStyle_.Contains(csClickEvents)) DblClick();
  if (!controlStyle_.Contains(csNoStdEvents))
    MouseDown(button, KeysToShiftState(mouse.Keys()) + ssDouble, mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseMove(TMessage& m) {
  TWMMouse mouse(m);
  if (!controlStyle_.Contains(csNoStdEvents)) MouseMove(KeysToShiftState(mouse.Keys()), mouse.XPos(), mouse.YPos());
}

void TControl::WMMouseWheel(TMessage& m) {
  TWMMouseWheel wheel(m);
  if (DoMouseWheel(KeysToShiftState(wheel.Keys()), wheel.WheelDelta(), wheel.Pos())) m.Result = 1;
  else DefaultHandler(m);
}

void TControl::WMContextMenu(TMessage& m) {
  TPoint screen = LParamToPoint(m.LParam);
  bool keyboard = screen.x == -1 && screen.y == -1;
  if (keyboard) screen = ClientToScreen({width_ / 2, height_ / 2});
  bool handled = false;
  DoContextPopup(ScreenToClient(screen), handled);
  if (handled) {
    m.Result = 1;
    return;
  }
  if (auto* source = dynamic_cast<IPopupSource*>(popupMenu_); source != nullptr && source->PopupAt(this, screen)) {
    m.Result = 1;
    return;
  }
  DefaultHandler(m);
}

void TControl::CMInvalidatingChange(TMessage&) { Invalidate(); }

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  auto assigning = ScopedValue(assigningParentFont_, true);
  font_->Assign(parent_->Font());
}

void TControl::SetBiDiMode(TBiDiMode v) {
  if (biDiMode_ == v) return;
  biDiMode_ = v;
  parentBiDiMode_ = false;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool v) {
  if (parentBiDiMode_ == v) return;
  parentBiDiMode_ = v;
  if (v && parent_) Perform(CM_PARENTBIDIMODECHANGED);
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!parentBiDiMode_ || !parent_ || biDiMode_ == parent_->BiDiMode()) return;
  biDiMode_ = parent_->BiDiMode();
  Perform(CM_BIDIMODECHANGED);
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || !parent_ || color_ == parent_->Color()) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (parentShowHint_ && parent_) showHint_ = parent_->ShowHint();
}

void TControl::CMMouseEnterLeave(TMessage& m) {
  if (parent_) parent_->Perform(m.Msg, 0, m.LParam ? m.LParam : reinterpret_cast<LPARAM>(this));
}

void TControl::CMHintShow(TMessage& m) { m.Result = 0; }

void TControl::BeginDrag(bool immediate, int threshold) {
  StartControlDrag(this, immediate, threshold >= 0 ? threshold : (Mouse ? Mouse->DragThreshold() : 5));
}

void TControl::EndDrag(bool drop) {
  if (Dragging()) EndControlDrag(drop);
}

void TControl::DoEndDrag(TObject* target, int x, int y) { OnEndDrag.Call(this, target, x, y); }

void TControl::DragOver(TObject* source, int x, int y, TDragState state, bool& accept) {
  accept = OnDragOver.Assigned();
  OnDragOver.Call(this, source, x, y, state, accept);
}

void TControl::DragDrop(TObject* source, int x, int y) { OnDragDrop.Call(this, source, x, y); }

// Drags of the class library: the dragged control is the source handlers see.
void TControl::CMDrag(TMessage& m) {
  auto* rec = reinterpret_cast<TDragRec*>(m.LParam);
  auto message = static_cast<TDragMessage>(m.WParam);
  if (message == dmFindTarget) {
    auto* win = dynamic_cast<TWinControl*>(this);
    TControl* part = win ? win->ControlAtPos(ScreenToClient(rec->Pos), false) : nullptr;
    rec->Target = part ? part : this;
    return;
  }
  TPoint p = ScreenToClient(rec->Pos);
  TObject* source = rec->Source && rec->Source->Control() ? static_cast<TObject*>(rec->Source->Control()) : rec->Source;
  if (message == dmDragDrop) {
    DragDrop(source, p.x, p.y);
    return;
  }
  if (message == dmDragCancel) return;
  bool accept = false;
  TDragState state = message == dmDragEnter ? dsDragEnter : message == dmDragLeave ? dsDragLeave : dsDragMove;
  DragOver(source, p.x, p.y, state, accept);
  m.Result = accept ? 1 : 0;
}

void TControl::Publish() {
  TPublisher<TControl> p;
  p.Property("Left", &TControl::Left, &TControl::SetLeft).Default(0);
  p.Property("Top", &TControl::Top, &TControl::SetTop).Default(0);
  p.Property("Width", &TControl::Width, &TControl::SetWidth).NoDefault();
  p.Property("Height", &TControl::Height, &TControl::SetHeight).NoDefault();
  p.Property("Align", &TControl::Align, &TControl::SetAlign).Default(alNone);
  p.Property("Anchors", &TControl::Anchors, &TControl::SetAnchors).Default(TAnchors{akLeft, akTop});
  p.Property("Visible", &TControl::Visible, &TControl::SetVisible).Default(true);
  p.Property("Enabled", &TControl::Enabled, &TControl::SetEnabled).Default(true);
  p.Property("Color", &TControl::Color, &TControl::SetColor).Default(clWindow).Stored([](TControl* c) { return !c->ParentColor(); });
  p.Property("ParentColor", &TControl::ParentColor, &TControl::SetParentColor).Default(false);
  p.Property("Font", &TControl::Font, &TControl::SetFont).Stored([](TControl* c) { return !c->ParentFont(); });
  p.Property("ParentFont", &TControl::ParentFont, &TControl::SetParentFont).Default(true);
  p.Property("Hint", &TControl::Hint, &TControl::SetHint);
  p.Property("ShowHint", &TControl::ShowHint, &TControl::SetShowHint).Default(false).Stored([](TControl* c) { return !c->ParentShowHint(); });
  p.Property("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint).Default(true);
  p.Property("Cursor", &TControl::Cursor, &TControl::SetCursor).Default(crDefault);
  p.Event("OnClick", &TControl::OnClick);
  p.Event("OnDblClick", &TControl::OnDblClick);
  p.Event("OnMouseDown", &TControl::OnMouseDown);
  p.Event("OnMouseMove", &TControl::OnMouseMove);
  p.Event("OnMouseUp", &TControl::OnMouseUp);
  p.Event("OnResize", &TControl::OnResize);
  p.Property("DragMode", &TControl::DragMode, &TControl::SetDragMode).Default(dmManual);
  p.Property("DragKind", &TControl::DragKind, &TControl::SetDragKind).Default(dkDrag);
  p.Property("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor).Default(crDrag);
  p.Event("OnDragOver", &TControl::OnDragOver);
  p.Event("OnDragDrop", &TControl::OnDragDrop);
  p.Event("OnEndDrag", &TControl::OnEndDrag);
}
