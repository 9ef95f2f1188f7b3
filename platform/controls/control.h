#pragma once

#include <functional>
#include <memory>
#include <unordered_map>

#include "platform/classes/component.h"
#include "platform/controls/control_drag.h"
#include "platform/controls/control_types.h"
#include "platform/controls/shortcuts.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"
#include "platform/windows/messages.h"
#include "platform/windows/utility_window.h"

class TFont;
class TBasicAction;
class TControl;
class TControlActionLink;
class TWinControl;
class TCustomForm;

// Message handlers by number. Every class that handles messages keeps a map whose parent is
// its base class's map; TControl::Dispatch calls the most derived handler registered for a
// message and DefaultHandler when none is.
class TMessageMap {
 public:
  using THandler = std::function<void(TControl*, TMessage&)>;
  explicit TMessageMap(const TMessageMap* parent) : parent_(parent) {}
  template <typename T>
  TMessageMap& On(UINT msg, void (T::*handler)(TMessage&)) {
    handlers_[msg] = [handler](TControl* self, TMessage& m) { (static_cast<T*>(self)->*handler)(m); };
    return *this;
  }
  const THandler* Find(UINT msg) const;

 private:
  const TMessageMap* parent_;
  std::unordered_map<UINT, THandler> handlers_;
};

// The base of every visual element: bounds in its parent's client coordinates, alignment and
// anchors, visibility, colour and font (optionally the parent's), caption, hint, cursor, mouse
// events, and message handling with a replaceable WindowProc.
class TControl : public TComponent {
  DECLARE_CLASS(TControl, TComponent)
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  static void Publish();

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  TComponent* GetParentComponent() override;
  bool HasParent() override { return true; }
  void SetParentComponent(TComponent* parent) override;

  // Bounds.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
  void SetTop(int v) { SetBounds(left_, v, width_, height_); }
  void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
  void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
  virtual void SetBounds(int left, int top, int width, int height);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect();
  int ClientWidth() { return ClientRect().Width(); }
  int ClientHeight() { return ClientRect().Height(); }
  void SetClientWidth(int v);
  void SetClientHeight(int v);
  // Screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin();
  TPoint ClientToScreen(TPoint p);
  TPoint ScreenToClient(TPoint p);

  TAlign Align() const { return align_; }
  void SetAlign(TAlign v);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors v);
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  void SetConstraints(TSizeConstraints* v) { constraints_->Assign(v); }

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool v);
  // Visible here and in every parent up to a form that is visible.
  virtual bool Showing();

  TColor Color() const { return color_; }
  void SetColor(TColor v);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);
  TFont* Font() const { return font_.get(); }
  void SetFont(TFont* v);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool v);
  // Caption and Text are one value (windowed controls keep it in their window).
  String Caption() { return GetText(); }
  void SetCaption(const String& v) { SetText(v); }
  String Text() { return GetText(); }
  void SetText(const String& v);
  const String& Hint() const { return hint_; }
  void SetHint(const String& v) { hint_ = v; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool v);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor v);
  // The pop-up menu shown on a right click (a component this control does not own).
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* menu);
  TBiDiMode BiDiMode() const { return biDiMode_; }
  // A mode of its own stops taking the parent's.
  void SetBiDiMode(TBiDiMode v);
  // Takes the parent's BiDiMode, now and whenever the parent's changes.
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool v);
  TControlStyle ControlStyle() const { return controlStyle_; }
  void SetControlStyle(TControlStyle v) { controlStyle_ = v; }
  TControlState ControlState() const { return controlState_; }
  void SetControlState(TControlState v) { controlState_ = v; }
  bool MouseCapture();
  void SetMouseCapture(bool v);

  // Messages.
  TWndMethod WindowProc;  // replaceable; starts as WndProc
  LRESULT Perform(UINT msg, WPARAM w = 0, LPARAM l = 0);
  virtual void WndProc(TMessage& m);
  void Dispatch(TMessage& m);
  virtual void DefaultHandler(TMessage& m);

  // Painting.
  virtual void Invalidate();
  void Repaint();
  virtual void Update();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  virtual void Click();
  virtual void DblClick();
  // OnClick is the control's own handler, not the linked action's: a click runs it alone.
  bool HasOwnClickHandler() const;

  // The action this control runs when clicked and whose caption, enabled state, hint,
  // visibility, checked state, shortcut and handler it shows while they still match the
  // action's. Assigning one creates the control's action link; a freed action unlinks itself.
  TBasicAction* Action() const;
  void SetAction(TBasicAction* action);
  TControlActionLink* ActionLink() const { return actionLink_.get(); }
  // Asks the linked action to bring its state up to date (idle processing calls this).
  virtual void InitiateAction();
  // An action that found no handler of its own offers itself to the focused control: the
  // control carries it out (or brings its state up to date) when it can, and says so.
  virtual bool ExecuteAction(TBasicAction* action);
  virtual bool UpdateAction(TBasicAction* action);

  // The class library's drag: dmAutomatic starts one when the left button goes down.
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode v) { dragMode_ = v; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind v) { dragKind_ = v; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor v) { dragCursor_ = v; }
  // Starts dragging this control now, or once the mouse moved `threshold` pixels (-1: the
  // mouse's drag threshold).
  void BeginDrag(bool immediate, int threshold = -1);
  void EndDrag(bool drop);
  bool Dragging() const { return ControlDragging(this); }
  // Told where a drag ended (target nullptr: nowhere that took it).
  virtual void DoEndDrag(TObject* target, int x, int y);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TMouseWheelEvent OnMouseWheel;
  // A wheel turn that OnMouseWheel left unhandled: towards the user (down) or away (up).
  TMouseWheelUpDownEvent OnMouseWheelDown, OnMouseWheelUp;
  // Asked before a new size is taken; setting Resize false keeps the old size.
  TCanResizeEvent OnCanResize;
  TNotifyEvent OnResize;
  TContextPopupEvent OnContextPopup;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;

 protected:
  static const TMessageMap& ClassMessages();
  virtual const TMessageMap& MessageMap() const { return ClassMessages(); }

  virtual String GetText();
  virtual void SetTextValue(const String& v);
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos);
  virtual bool DoMouseWheelDown(TShiftState shift, TPoint mousePos);
  virtual bool DoMouseWheelUp(TShiftState shift, TPoint mousePos);
  // Whether the control takes a new size (which it may change); fires OnCanResize.
  virtual bool CanResize(int& newWidth, int& newHeight);
  // The size taken when `width` x `height` is asked: CanResize may refuse or change it, then
  // the constraints hold.
  void CheckNewSize(int& width, int& height);
  virtual void DoContextPopup(TPoint mousePos, bool& handled);
  virtual void Resize();
  // Whether a drag over this control may drop here (the default: OnDragOver is assigned and
  // does not refuse).
  virtual void DragOver(TObject* source, int x, int y, TDragState state, bool& accept);
  virtual void DragDrop(TObject* source, int x, int y);
  virtual void VisibleChanging() {}
  // The link a newly assigned action gets; a control that shows more of an action links with
  // a richer one.
  virtual std::unique_ptr<TControlActionLink> CreateActionLink();
  // Takes the values of `sender` (an action); while loading, only those still at their
  // defaults, so that values read from the stream win.
  virtual void ActionChange(TObject* sender, bool checkDefaults);
  // The checked state and shortcut this control shows, for controls that have them; a plain
  // control has neither and ignores what its action says.
  virtual bool GetLinkedChecked() const { return false; }
  virtual void SetLinkedChecked(bool) {}
  virtual TShortCut GetLinkedShortCut() const { return scNone; }
  virtual void SetLinkedShortCut(TShortCut) {}
  void Notification(TComponent* component, TOperation operation) override;
  // Tells the parent that this control's size or alignment changed.
  void RequestAlign();
  // Remembers where the control sits relative to its parent's edges, for its anchors.
  void UpdateAnchorRules();
  // Applies anchors after the parent's client area changed size.
  void AnchorTo(int parentWidth, int parentHeight);
  void SetBoundsQuietly(int left, int top, int width, int height);
  void SetVisibleQuietly(bool v) { visible_ = v; }
  void InvalidateArea(bool erase);
  void FontChanged(TObject* sender);

  // Message handlers.
  void WMMouseDown(TMessage& m);
  void WMMouseUp(TMessage& m);
  void WMMouseDblClk(TMessage& m);
  void WMMouseMove(TMessage& m);
  void WMMouseWheel(TMessage& m);
  void WMContextMenu(TMessage& m);
  void CMInvalidatingChange(TMessage& m);
  void CMParentFontChanged(TMessage& m);
  void CMParentColorChanged(TMessage& m);
  void CMParentBiDiModeChanged(TMessage& m);
  void CMParentShowHintChanged(TMessage& m);
  void CMMouseEnterLeave(TMessage& m);
  void CMHintShow(TMessage& m);
  void CMDrag(TMessage& m);

  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  TControlStyle controlStyle_ = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  TControlState controlState_;

 private:
  friend class TWinControl;
  friend class TControlActionLink;
  std::unique_ptr<TControlActionLink> actionLink_;
  TAlign align_ = alNone;
  TAnchors anchors_ = {akLeft, akTop};
  TRect anchorMargins_;  // distances to the parent's edges when the anchors were last fixed
  std::unique_ptr<TSizeConstraints> constraints_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool assigningParentFont_ = false;
  String text_;
  String hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TCursor cursor_ = crDefault;
  TComponent* popupMenu_ = nullptr;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TCursor dragCursor_ = crDrag;
};

// The control that has the mouse captured (a graphic control, whose windowed parent holds the
// window system's capture for it), or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);
// Forgets the capture control without touching the window system's capture.
void SetCaptureControlQuietly(TControl* control);
// The form that holds `control` (nullptr when it is not on a form).
TCustomForm* GetParentForm(TControl* control);
