#pragma once

#include <vector>

#include "platform/controls/control.h"

// A control with a window of its own (created on demand), children in index order, tab order,
// keyboard input and focus, and the painting of its graphic children.
class TWinControl : public TControl {
  DECLARE_CLASS(TWinControl, TControl)
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  static void Publish();

  // The window, created on first use (with the parent's first).
  HWND Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded() { Handle(); }
  void RecreateWnd();
  // A window of another component that this top-level control's window belongs to.
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND h) { parentWindow_ = h; }

  // Children in index order (Controls) and the windowed ones among them.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(TControl* control) const;
  // The visible child (graphic controls only unless allowWinControls) at a client point.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = false);
  void SetChildZOrder(TControl* control, bool toTop);

  void SetBounds(int left, int top, int width, int height) override;
  TRect ClientRect() override;
  TPoint ClientOrigin() override;
  // The client size without creating the window.
  TSize ClientSize();
  bool Showing() override;
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int v);
  // Lays the children out again (alignment and anchors).
  void Realign();
  // Moves every child control by (dx, dy), then aligns again: aligned controls keep their
  // places, the others stay moved.
  void ScrollBy(int dx, int dy);
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();

  // Focus and tab order.
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool v);
  int TabOrder() const;
  void SetTabOrder(int v);
  virtual bool CanFocus();
  bool Focused();
  virtual void SetFocus();
  // Children that take part in tabbing, in tab order, depth first.
  void GetTabOrderList(std::vector<TWinControl*>& list);
  // The next (or previous) focusable control after `current` inside this one.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop, bool checkParent);
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);
  // The three-dimensional look (edges of edit controls and the like), optionally the parent's.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool v);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool v);
  TImeMode ImeMode() const { return imeMode_; }
  void SetImeMode(TImeMode v) { imeMode_ = v; }
  const String& ImeName() const { return imeName_; }
  void SetImeName(const String& v) { imeName_ = v; }

  // Painting.
  void Invalidate() override;
  void Update() override;
  // Paints this control and its children into `dc` at (x, y), as its parent would see it.
  void PaintTo(HDC dc, int x, int y);
  void Broadcast(TMessage& m);  // to every child until one answers non-zero
  static LRESULT StandardWndProc(HWND h, UINT msg, WPARAM w, LPARAM l);

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  // Whether other windows may dock into this one; kept and streamed, as the dock events
  // below, though this platform docks no windows.
  bool DockSite() const { return dockSite_; }
  void SetDockSite(bool v) { dockSite_ = v; }
  TDockDropEvent OnDockDrop;
  TDockOverEvent OnDockOver;
  TEndDragEvent OnEndDock;
  TGetSiteInfoEvent OnGetSiteInfo;
  TStartDockEvent OnStartDock;
  TUnDockEvent OnUnDock;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

 protected:
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }

  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  virtual void CreateHandle();
  void DestroyHandle();
  // Where the children are laid out (the client area less BorderWidth).
  virtual void AdjustClientRect(TRect& rect);
  virtual void AlignControls(TControl* control, TRect& rect);
  // Paints the control itself into dc (the default lets the window draw itself).
  virtual void PaintWindow(HDC dc);
  // Paints the visible graphic children into dc.
  void PaintControls(HDC dc);
  void PaintHandler(TMessage& m);
  void NotifyControls(UINT msg);

  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  String GetText() override;
  void SetTextValue(const String& v) override;

  virtual void KeyDown(uint16_t& key, TShiftState shift);
  virtual void KeyPress(char16_t& key);
  virtual void KeyUp(uint16_t& key, TShiftState shift);
  virtual void DoEnter();
  virtual void DoExit();
  bool DoKeyDown(TMessage& m);
  bool DoKeyPress(TMessage& m);
  bool DoKeyUp(TMessage& m);
  // The key of `m` through the form's `preview`, then through `pass`; true when taken.
  template <typename Key, typename Pass>
  bool DoKey(TMessage& m, bool (TWinControl::*preview)(TMessage&), Pass pass);
  // Whether the control has a window of its own at the top of the tree (forms, hints), so
  // that it shows without a parent.
  virtual bool IsTopLevel() const { return false; }

  // Message handlers.
  void WMPaint(TMessage& m);
  void WMEraseBkgnd(TMessage& m);
  void WMSize(TMessage& m);
  void WMMove(TMessage& m);
  void WMSetFocus(TMessage& m);
  void WMKillFocus(TMessage& m);
  void WMKeyDown(TMessage& m);
  void WMKeyUp(TMessage& m);
  void WMChar(TMessage& m);
  void WMSetCursor(TMessage& m);
  void WMCaptureChanged(TMessage& m);
  void WMReflect(TMessage& m);
  void WMNCDestroy(TMessage& m);
  void CNKeyDown(TMessage& m);
  void CNChar(TMessage& m);
  void CMDialogKey(TMessage& m);
  void CMChildKey(TMessage& m);
  void CMDialogChar(TMessage& m);
  void CMVisibleChanged(TMessage& m);
  void CMEnabledChanged(TMessage& m);
  void CMColorChanged(TMessage& m);
  void CMBiDiModeChanged(TMessage& m);
  void CMFontChanged(TMessage& m);
  void CMShowHintChanged(TMessage& m);
  void CMRecreateWnd(TMessage& m);
  void CMEnterExit(TMessage& m);
  void CMParentCtl3DChanged(TMessage& m);
  // The system colours changed: every control of the window learns it through
  // CM_SYSCOLORCHANGE, children after their parent.
  void WMSysColorChange(TMessage& m);
  void CMSysColorChange(TMessage& m);

 private:
  friend class TControl;
  friend class TCustomForm;
  bool IsControlMouseMsg(TMessage& m);
  void UpdateBounds();
  void UpdateShowing();
  void CreateChildHandles();
  void ApplyAnchors();
  void AlignOneKind(TAlign kind, TRect& rect);

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  std::vector<TControl*> controls_;  // index order; windowed ones also keep window z-order
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int borderWidth_ = 0;
  int alignDisabled_ = 0;
  bool aligning_ = false;
  bool dockSite_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  TImeMode imeMode_ = imDontCare;
  String imeName_;
};

// The control that owns a window (nullptr for windows of no control).
TWinControl* FindControl(HWND h);
