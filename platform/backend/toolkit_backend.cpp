// The backend over the toolkit: screens, the event loop, windows and the display connection.
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/backend/qt_backend.h"
#include "platform/backend/runtime_folder.h"
#include "platform/backend/toolkit_clipboard.h"
#include "platform/backend/toolkit_drag.h"
#include "platform/backend/toolkit_window.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/backend.h"
#include "platform/windows/clipboard.h"
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
    presented_.erase(top);
    auto it = windows_.find(top);
    if (it == windows_.end()) return;
    DestroyToolkitWindow(it->second);
    windows_.erase(it);
  }
  void PresentWindow(HWND top, const TRect& dirty) override {
    if (!Find(top)) return;
    TRect& pending = presented_[top];
    UnionRect(pending, pending, dirty);
  }
  void ShowPresented(HWND top) override {
    if (top != nullptr) {
      auto it = presented_.find(top);
      if (it == presented_.end()) return;
      const TRect dirty = it->second;
      presented_.erase(it);
      if (TToolkitWindow* w = Find(top)) RepaintToolkitWindow(w, dirty);
      return;
    }
    for (const auto& [window, dirty] : std::exchange(presented_, {}))
      if (TToolkitWindow* w = Find(window)) RepaintToolkitWindow(w, dirty);
  }
  void ProcessEvents(int timeoutMs) override {
    // Nothing painted waits unseen while the program sleeps.
    if (timeoutMs > 0) ShowPresented(nullptr);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (timeoutMs <= 0 || PendingMessageCount() > 0) return;
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(timeoutMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  bool ShowsWindows() const override { return QGuiApplication::platformName() != QLatin1String("offscreen"); }
  void RaiseWindow(HWND top) override {
    if (TToolkitWindow* w = Find(top)) RaiseToolkitWindow(w);
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
  // What each window painted since it was last shown on the screen.
  std::map<HWND, TRect> presented_;
};

TToolkitBackend* Installed = nullptr;
QGuiApplication* OwnApplication = nullptr;

}  // namespace

namespace {

// A socket connection to the X server named by DISPLAY ("[host]:number[.screen]"), closed at
// once: a stale name (a server that has gone) would make the toolkit abort at start.
bool ConnectsWithin(int fd, const sockaddr* address, socklen_t length, int timeoutMs) {
  if (connect(fd, address, length) == 0) return true;
  if (errno != EINPROGRESS) return false;
  pollfd p{fd, POLLOUT, 0};
  int error = 0;
  socklen_t size = sizeof error;
  return poll(&p, 1, timeoutMs) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
}

bool LocalServerAnswers(const std::string& number) {
  const std::string path = "/tmp/.X11-unix/X" + number;
  // The abstract name first (where current servers listen), then the socket file.
  for (bool abstract : {true, false}) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    size_t offset = abstract ? 1 : 0;
    if (path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size());
    bool ok = ConnectsWithin(fd, reinterpret_cast<sockaddr*>(&address), length, 1000);
    close(fd);
    if (ok) return true;
  }
  return false;
}

bool RemoteServerAnswers(const std::string& host, const std::string& number) {
  addrinfo hints{};
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  std::string port = std::to_string(6000 + std::atoi(number.c_str()));
  if (getaddrinfo(host.c_str(), port.c_str(), &hints, &found) != 0) return false;
  bool ok = false;
  for (addrinfo* a = found; a && !ok; a = a->ai_next) {
    int fd = socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) continue;
    ok = ConnectsWithin(fd, a->ai_addr, a->ai_addrlen, 2000);
    close(fd);
  }
  freeaddrinfo(found);
  return ok;
}

bool XServerAnswers(const std::string& display) {
  size_t colon = display.rfind(':');
  if (colon == std::string::npos) return false;
  std::string host = display.substr(0, colon);
  std::string number = display.substr(colon + 1, display.find('.', colon) - colon - 1);
  if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) return false;
  if (host.empty() || host == "unix") return LocalServerAnswers(number);
  return RemoteServerAnswers(host, number);
}

}  // namespace

bool DisplayAvailable() {
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  if (wayland && *wayland) return true;
  const char* x = std::getenv("DISPLAY");
  return x && *x && XServerAnswers(x);
}


TToolkitScope::TToolkitScope(int& argc, char** argv, bool offscreen) {
  if (!QCoreApplication::instance()) {
    ProvideRuntimeFolder();
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
