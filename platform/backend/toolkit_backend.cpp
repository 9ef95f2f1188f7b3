#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdlib>
#include <map>
#include <memory>

#include "platform/backend/qt_backend.h"
#include "platform/backend/toolkit_clipboard.h"
#include "platform/backend/toolkit_drag.h"
#include "platform/backend/toolkit_window.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/backend.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"

namespace {

TRect ToRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

class TToolkitBackend : public TPlatformBackend {
 public:
  ~TToolkitBackend() override {
    for (auto& [top, window] : windows_) DestroyToolkitWindow(window);
  }

  TRect ScreenRect() const override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? ToRect(s->geometry()) : Rect(0, 0, 1920, 1080);
  }
  TRect WorkArea() const override {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? ToRect(s->availableGeometry()) : Rect(0, 0, 1920, 1040);
  }

  void WindowShown(HWND top, bool visible) override {
    TToolkitWindow* w = Find(top);
    if (!w && !visible) return;
    if (!w) w = windows_[top] = CreateToolkitWindow(top);
    // A dialog stays above its owner: the window manager is told whose it is.
    if (visible) SetToolkitOwner(w, Find(GetWindow(top, GW_OWNER)));
    ShowToolkitWindow(w, visible);
  }
  void WindowGeometryChanged(HWND top) override {
    if (TToolkitWindow* w = Find(top)) FollowTree(w);
  }
  void WindowStateChanged(HWND top) override {
    if (TToolkitWindow* w = Find(top)) FollowWindowState(w);
  }
  void WindowShapeChanged(HWND top) override {
    if (TToolkitWindow* w = Find(top)) SetToolkitWindowShape(w);
  }
  void WindowDestroyed(HWND top) override {
    auto it = windows_.find(top);
    if (it == windows_.end()) return;
    DestroyToolkitWindow(it->second);
    windows_.erase(it);
  }
  void PresentWindow(HWND top, const TRect& dirty) override {
    if (TToolkitWindow* w = Find(top)) RepaintToolkitWindow(w, dirty);
  }
  bool BeginSystemMoveSize(HWND top, LRESULT hitCode) override {
    TToolkitWindow* w = Find(top);
    if (!w || !StartToolkitMoveSize(w, hitCode)) return false;
    // The window manager takes the pointer until the button goes up; we never see that
    // release, so the button is let go here.
    InjectMouseButton(mbLeft, false, GetCursorPos());
    return true;
  }
  void ProcessEvents(int timeoutMs) override {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (timeoutMs <= 0 || PendingMessageCount() > 0) return;
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  void SetCursorShape(intptr_t cursor) override {
    for (auto& [top, window] : windows_) SetToolkitCursor(window, cursor);
  }

  TToolkitWindow* Find(HWND top) const {
    auto it = windows_.find(top);
    return it == windows_.end() ? nullptr : it->second;
  }

 private:
  std::map<HWND, TToolkitWindow*> windows_;
};

TToolkitBackend* Installed = nullptr;
QGuiApplication* OwnApplication = nullptr;

}  // namespace

bool DisplayAvailable() {
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

TToolkitScope::TToolkitScope(int& argc, char** argv, bool offscreen) {
  if (!QCoreApplication::instance()) {
    if (offscreen || !DisplayAvailable()) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    else if (std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 1);
    OwnApplication = new QGuiApplication(argc, argv);
  }
  auto backend = std::make_unique<TToolkitBackend>();
  Installed = backend.get();
  SetBackend(std::move(backend));
  SetClipboardService(MakeToolkitClipboard());
  SetDragDropService(MakeToolkitDragDrop());
}

TToolkitScope::~TToolkitScope() {
  SetDragDropService(nullptr);
  SetClipboardService(nullptr);
  SetBackend(nullptr);
  Installed = nullptr;
  if (OwnApplication) {
    // The drawing layer's fonts belong to the application object: let them go first.
    ShutdownGraphics();
    delete OwnApplication;
    OwnApplication = nullptr;
  }
}

void* ToolkitWindowOf(HWND top) {
  TToolkitWindow* w = Installed ? Installed->Find(top) : nullptr;
  return w ? ToolkitNativeWindow(w) : nullptr;
}

bool ToolkitWindowExposed(HWND top) {
  void* w = ToolkitWindowOf(top);
  return w && static_cast<QWindow*>(w)->isExposed();
}
