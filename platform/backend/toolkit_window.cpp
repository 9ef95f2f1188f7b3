// A real window of the toolkit: its events become our messages, and our paint is shown in it.
#include "platform/backend/toolkit_window.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDropEvent>
#include <QMimeData>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRasterWindow>
#include <QRegion>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

#include "platform/backend/toolkit_drag.h"
#include "platform/backend/toolkit_keys.h"
#include "platform/controls/application.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/region.h"
#include "platform/graphics/resources.h"
#include "platform/windows/cursors.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/painting.h"
#include "platform/windows/size_limits.h"

class TToolkitWindow : public QRasterWindow {
 public:
  explicit TToolkitWindow(HWND top);
  HWND Top() const { return top_; }
  void FollowTree();
  // True while our tree takes a state change that the window manager made.
  bool TakingToolkitState() const { return takingState_; }

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void FollowSizeLimits();
  void ReportGeometry();
  void ReportWindowState();
  TPoint ScreenPoint(QPointF local) const;
  TPoint MouseScreenPoint(const QMouseEvent& e) const;
  bool MouseEvent(QEvent* e);
  bool KeyEvent(QEvent* e);
  bool DragEvent(QEvent* e);
  void FollowToolkitDrag(QEvent* e);

  HWND top_;
  bool following_ = false;
  bool takingState_ = false;
  // A drag from another program over this window.
  std::unique_ptr<TDataObject> dragData_;
  std::unique_ptr<TDropTracker> dragTracker_;
};

TToolkitWindow::TToolkitWindow(HWND top) : top_(top) {
  uint32_t ex = static_cast<uint32_t>(GetWindowLong(top, GWL_EXSTYLE));
  bool popup = (ex & WS_EX_TOOLWINDOW) && (ex & WS_EX_TOPMOST);
  Qt::WindowFlags flags = (popup ? Qt::ToolTip : Qt::Window) | Qt::FramelessWindowHint;
  // The pointer passes through to the window below, which keeps it (no leave, no enter).
  if (ex & WS_EX_TRANSPARENT) flags |= Qt::WindowTransparentForInput;
  setFlags(flags);
  setTitle(QString::fromStdString(GetWindowText(top)));
  FollowTree();
}

void TToolkitWindow::FollowTree() {
  setTitle(QString::fromStdString(GetWindowText(top_)));
  // The form answers the size limits: whatever it raises, the window hears the manager again.
  auto following = ScopedValue(following_, true);
  FollowSizeLimits();
  TRect b = WindowBounds(top_);
  QRect wanted(b.Left, b.Top, std::max(b.Width(), 1), std::max(b.Height(), 1));
  if (geometry() != wanted) setGeometry(wanted);
}

// The window manager is told the sizes the window allows (its size hints), so that its own
// sizing stops where ours does.
void TToolkitWindow::FollowSizeLimits() {
  // Off screen no window manager is there to be told, and the toolkit complains at each hint.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  const MINMAXINFO limits = WindowSizeLimits(top_);
  static constexpr int kLargest = (1 << 24) - 1;  // the largest size the toolkit takes
  auto hint = [](TPoint size) { return QSize(std::clamp(size.x, 0, kLargest), std::clamp(size.y, 0, kLargest)); };
  setMinimumSize(hint(limits.ptMinTrackSize));
  setMaximumSize(hint(limits.ptMaxTrackSize));
}

void TToolkitWindow::paintEvent(QPaintEvent* e) {
  TBitmap* surface = WindowSurface(top_);
  if (!surface || surface->Empty()) return;
  QImage image(reinterpret_cast<const uchar*>(surface->Pixels32()), surface->Width(), surface->Height(),
               surface->Width() * 4, QImage::Format_RGB32);
  QPainter painter(this);
  painter.drawImage(e->rect(), image, e->rect());
}

void TToolkitWindow::ReportGeometry() {
  if (following_ || !IsWindow(top_)) return;
  QRect g = geometry();
  TRect b = WindowBounds(top_);
  if (b == Bounds(g.x(), g.y(), g.width(), g.height())) return;
  SetWindowPos(top_, nullptr, g.x(), g.y(), g.width(), g.height(), SWP_NOZORDER | SWP_NOACTIVATE);
  // A size the window does not allow was kept from our tree: the real window takes back the
  // size the tree kept.
  if (IsWindow(top_) && WindowBounds(top_) != Bounds(g.x(), g.y(), g.width(), g.height())) FollowTree();
}

void TToolkitWindow::moveEvent(QMoveEvent* e) {
  QRasterWindow::moveEvent(e);
  ReportGeometry();
}

void TToolkitWindow::resizeEvent(QResizeEvent* e) {
  QRasterWindow::resizeEvent(e);
  ReportGeometry();
}

// Our windows sit where our tree says; a point in this window is found from that, whatever
// the window manager reports as the global position.
TPoint TToolkitWindow::ScreenPoint(QPointF local) const {
  TRect b = WindowBounds(top_);
  return {b.Left + static_cast<int>(local.x()), b.Top + static_cast<int>(local.y())};
}

// While we move the window ourselves, events still on their way were measured against where
// it was: only the screen position stays true.
TPoint TToolkitWindow::MouseScreenPoint(const QMouseEvent& e) const {
  if (!MoveSizeTracking()) return ScreenPoint(e.position());
  QPointF g = e.globalPosition();
  return {static_cast<int>(g.x()), static_cast<int>(g.y())};
}

// Minimised, maximised or restored by the window manager: our tree follows, so that it hit
// tests, paints and sizes the window as it is on screen.
void TToolkitWindow::ReportWindowState() {
  if (!IsWindow(top_)) return;
  Qt::WindowStates s = windowStates();
  int cmd = (s & Qt::WindowMinimized) ? SW_MINIMIZE : (s & Qt::WindowMaximized) ? SW_SHOWMAXIMIZED : SW_RESTORE;
  bool iconic = IsIconic(top_), zoomed = IsZoomed(top_);
  if ((cmd == SW_MINIMIZE && iconic) || (cmd == SW_SHOWMAXIMIZED && zoomed && !iconic) ||
      (cmd == SW_RESTORE && !iconic && !zoomed))
    return;
  takingState_ = true;
  ShowWindow(top_, cmd);
  takingState_ = false;
}

namespace {

bool ButtonOf(Qt::MouseButton qt, TMouseButton& button) {
  switch (qt) {
    case Qt::LeftButton: button = mbLeft; return true;
    case Qt::RightButton: button = mbRight; return true;
    case Qt::MiddleButton: button = mbMiddle; return true;
    default: return false;
  }
}

}  // namespace

bool TToolkitWindow::MouseEvent(QEvent* e) {
  auto* me = static_cast<QMouseEvent*>(e);
  TPoint p = MouseScreenPoint(*me);
  TMouseButton button;
  switch (e->type()) {
    case QEvent::MouseMove: InjectMouseMove(p); return true;
    // The toolkit follows the second press of a quick pair with a double-click report of its
    // own: the press has come already, and our input layer decides about double clicks itself.
    case QEvent::MouseButtonDblClick: return true;
    case QEvent::MouseButtonPress:
      // A press on a window we minimised proves it is still on screen: without a window
      // manager nobody took the window away, so it is restored and takes the click.
      if (IsIconic(top_)) ShowWindow(top_, SW_RESTORE);
      if (ButtonOf(me->button(), button)) InjectMouseButton(button, true, p);
      return true;
    case QEvent::MouseButtonRelease:
      if (ButtonOf(me->button(), button)) InjectMouseButton(button, false, p);
      return true;
    default: return false;
  }
}

bool TToolkitWindow::KeyEvent(QEvent* e) {
  auto* ke = static_cast<QKeyEvent*>(e);
  uint16_t vk = VirtualKeyOf(ke->key(), (ke->modifiers() & Qt::KeypadModifier) != 0);
  bool down = e->type() == QEvent::KeyPress;
  // Held keys repeat as presses only, as the window system repeats them.
  if (!down && ke->isAutoRepeat()) return true;
  QString typed = down ? ke->text() : QString();
  typed.remove(QChar(0x7F));  // Delete types nothing
  InjectKey(vk, down, typed.toStdString());
  return true;
}

namespace {

uint32_t MouseKeysOf(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
  uint32_t keys = 0;
  if (buttons & Qt::LeftButton) keys |= MK_LBUTTON;
  if (buttons & Qt::RightButton) keys |= MK_RBUTTON;
  if (buttons & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (modifiers & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (modifiers & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

uint32_t EffectsOf(Qt::DropActions actions) {
  uint32_t effects = 0;
  if (actions & Qt::CopyAction) effects |= DROPEFFECT_COPY;
  if (actions & Qt::MoveAction) effects |= DROPEFFECT_MOVE;
  if (actions & Qt::LinkAction) effects |= DROPEFFECT_LINK;
  return effects;
}

Qt::DropAction ActionOf(uint32_t effect) {
  if (effect & DROPEFFECT_MOVE) return Qt::MoveAction;
  if (effect & DROPEFFECT_COPY) return Qt::CopyAction;
  if (effect & DROPEFFECT_LINK) return Qt::LinkAction;
  return Qt::IgnoreAction;
}

TMimeItems ItemsOf(const QMimeData* mime) {
  TMimeItems items;
  if (!mime) return items;
  for (const QString& type : mime->formats()) {
    QByteArray bytes = type == "text/plain" ? mime->text().toUtf8() : mime->data(type);
    items.emplace_back(type.toStdString(), TClipboardData(bytes.begin(), bytes.end()));
  }
  return items;
}

}  // namespace

// A drag from another program: our drop targets are told as they are for drags of ours.
bool TToolkitWindow::DragEvent(QEvent* e) {
  try {
    FollowToolkitDrag(e);
  } catch (...) {
    // An error of a drop target must not unwind through the toolkit: the drag ends here for
    // our windows, and the error is reported as any error of a message handler is.
    dragTracker_.reset();
    dragData_.reset();
    e->ignore();
    if (Application) Application->HandleException(nullptr);
  }
  return true;
}

void TToolkitWindow::FollowToolkitDrag(QEvent* e) {
  if (e->type() == QEvent::DragLeave) {
    if (dragTracker_) dragTracker_->Cancel();
    dragTracker_.reset();
    dragData_.reset();
    return;
  }
  auto* de = static_cast<QDropEvent*>(e);
  if (e->type() == QEvent::DragEnter || !dragTracker_) {
    dragData_ = DataObjectOf(ItemsOf(de->mimeData()));
    dragTracker_ = std::make_unique<TDropTracker>(dragData_.get(), EffectsOf(de->possibleActions()));
  }
  const TPoint p = ScreenPoint(de->position());
  const uint32_t keys = MouseKeysOf(de->buttons(), de->modifiers());
  uint32_t effect = DROPEFFECT_NONE;
  if (e->type() == QEvent::Drop) {
    dragTracker_->Track(keys, p);
    effect = dragTracker_->Drop(keys, p);
    dragTracker_.reset();
    dragData_.reset();
  } else {
    effect = dragTracker_->Track(keys, p);
  }
  de->setDropAction(ActionOf(effect));
  // Enter is always taken, so that moves over other parts of the window keep coming.
  if (effect != DROPEFFECT_NONE || e->type() == QEvent::DragEnter) de->accept();
  else de->ignore();
}

bool TToolkitWindow::event(QEvent* e) {
  switch (e->type()) {
    case QEvent::MouseMove: case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      return MouseEvent(e);
    case QEvent::Wheel: {
      auto* we = static_cast<QWheelEvent*>(e);
      InjectMouseWheel(we->angleDelta().y(), ScreenPoint(we->position()));
      return true;
    }
    case QEvent::KeyPress: case QEvent::KeyRelease: return KeyEvent(e);
    case QEvent::WindowStateChange:
      ReportWindowState();
      return QRasterWindow::event(e);
    case QEvent::DragEnter: case QEvent::DragMove: case QEvent::DragLeave: case QEvent::Drop:
      return DragEvent(e);
    case QEvent::Leave:
      // The pointer is over no window of ours now; the loop's idle step sees it.
      if (QGuiApplication::mouseButtons() == Qt::NoButton) SetCursorPosQuietly({-32000, -32000});
      return QRasterWindow::event(e);
    case QEvent::Enter:
      // Over a window of ours again, also one the pointer passes through that the display
      // still puts it in (a tip over its cut cell, which leaves the cell below for it): the
      // idle step sees the pointer where it is, not gone.
      if (QGuiApplication::mouseButtons() == Qt::NoButton)
        SetCursorPosQuietly(ScreenPoint(static_cast<QEnterEvent*>(e)->position()));
      return QRasterWindow::event(e);
    case QEvent::Close:
      // The window manager's close button asks our window; it decides. A window kept disabled
      // by its dialog is not closed under it: the dialog comes forward to be answered.
      if (IsWindowEnabled(top_)) PostMessage(top_, WM_SYSCOMMAND, SC_CLOSE, 0);
      else ActivateWindowBlocking(top_);
      e->ignore();
      return true;
    default: return QRasterWindow::event(e);
  }
}

namespace {

Qt::CursorShape ShapeOf(intptr_t cursor) {
  switch (cursor) {
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_UPARROW: return Qt::UpArrowCursor;
    case IDC_SIZENWSE: return Qt::SizeFDiagCursor;
    case IDC_SIZENESW: return Qt::SizeBDiagCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_NO: return Qt::ForbiddenCursor;
    case IDC_HAND: return Qt::PointingHandCursor;
    case IDC_APPSTARTING: return Qt::BusyCursor;
    case IDC_HELP: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
  }
}

}  // namespace

TToolkitWindow* CreateToolkitWindow(HWND top) { return new TToolkitWindow(top); }
void DestroyToolkitWindow(TToolkitWindow* w) { delete w; }
void FollowTree(TToolkitWindow* w) { w->FollowTree(); }

void ShowToolkitWindow(TToolkitWindow* w, bool visible) {
  w->FollowTree();
  w->setVisible(visible);
}

void SetToolkitOwner(TToolkitWindow* w, TToolkitWindow* owner) {
  // Only a dialog is kept above the window it is transient for; pop-ups keep their own type.
  const Qt::WindowType type = w->type();
  if (type == Qt::Window || type == Qt::Dialog) {
    const Qt::WindowType wanted = owner ? Qt::Dialog : Qt::Window;
    if (type != wanted) w->setFlags((w->flags() & ~Qt::WindowType_Mask) | wanted);
  }
  if (w->transientParent() != owner) w->setTransientParent(owner);
}

void RaiseToolkitWindow(TToolkitWindow* w) {
  if (!w->isVisible()) return;
  w->raise();
  w->requestActivate();
}

void FollowWindowState(TToolkitWindow* w) {
  // The window manager made this change: the real window is already there.
  if (w->TakingToolkitState()) return;
  if (IsIconic(w->Top())) {
    w->showMinimized();
    return;
  }
  if (w->windowState() == Qt::WindowMinimized) w->showNormal();
  w->FollowTree();
}

void SetToolkitWindowShape(TToolkitWindow* w) {
  // The offscreen platform has no window shapes and warns on every attempt; screenshots are
  // composed from our own tree, which already clips to the shape.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  TGdiOwner<HRGN> rgn(CreateRectRgn(0, 0, 0, 0));
  QRegion mask;
  if (GetWindowRgn(w->Top(), rgn.get()) != RGN_ERROR) {
    for (const TRect& r : GetRegionRects(rgn.get())) mask += QRect(r.Left, r.Top, r.Width(), r.Height());
  }
  w->setMask(mask);
}

void RepaintToolkitWindow(TToolkitWindow* w, const TRect& dirty) {
  w->update(QRect(dirty.Left, dirty.Top, dirty.Width(), dirty.Height()));
  // Shown now, not when the toolkit next gets to its events: the caller decides when a picture
  // is due (once a turn of the message loop, or a slide's frame as it is drawn).
  if (!w->isExposed()) return;
  QEvent now(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(w, &now);
}

namespace {

// A cursor made from a picture: the mask's white pixels are transparent, the others show the
// image's colour.
QCursor PictureCursor(const TCursorImage& picture) {
  TBitmap* image = picture.Image.get();
  TBitmap* mask = picture.Mask.get();
  const bool masked = mask != nullptr && mask->Width() == image->Width() && mask->Height() == image->Height();
  QImage argb(image->Width(), image->Height(), QImage::Format_ARGB32);
  for (int y = 0; y < image->Height(); ++y) {
    for (int x = 0; x < image->Width(); ++x) {
      const uint32_t rgb = image->Pixel32(x, y) & 0xFFFFFFu;
      const bool transparent = masked && (mask->Pixel32(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
      argb.setPixel(x, y, transparent ? 0u : 0xFF000000u | rgb);
    }
  }
  return QCursor(QPixmap::fromImage(argb), picture.HotSpot.x, picture.HotSpot.y);
}

}  // namespace

void SetToolkitCursor(TToolkitWindow* w, intptr_t cursor) {
  const TCursorImage* picture = CursorPicture(cursor);
  w->setCursor(picture != nullptr ? PictureCursor(*picture) : QCursor(ShapeOf(cursor)));
}
void* ToolkitNativeWindow(TToolkitWindow* w) { return static_cast<QWindow*>(w); }
