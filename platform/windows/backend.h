#pragma once

#include <memory>

#include "platform/core/types.h"
#include "platform/windows/messages.h"

// What the window tree needs from the real toolkit. backend/ implements it with real windows
// and registers it at start-up; until then (and in tests) a headless one answers: a fixed
// 1920x1080 screen, no real windows, no events to wait for.
class TPlatformBackend {
 public:
  virtual ~TPlatformBackend() = default;
  virtual TRect ScreenRect() const = 0;
  virtual TRect WorkArea() const = 0;
  // A top-level window was shown or hidden, moved or sized, minimised or maximised, shaped,
  // or destroyed: the backend keeps its real window in step.
  virtual void WindowShown(HWND top, bool visible) = 0;
  virtual void WindowGeometryChanged(HWND top) = 0;
  virtual void WindowStateChanged(HWND top) = 0;
  virtual void WindowShapeChanged(HWND top) = 0;
  virtual void WindowDestroyed(HWND top) = 0;
  // Pixels of a top-level window's composed picture changed within `dirty` (window
  // coordinates). They reach the screen when ShowPresented comes to the window: the message
  // loop asks for it once a turn, a picture that must be seen as it is drawn at once.
  virtual void PresentWindow(HWND top, const TRect& dirty) = 0;
  // Brings what was presented of `top` (nullptr: of every window) to the screen now.
  virtual void ShowPresented(HWND top) { (void)top; }
  // Turns pending toolkit events into our messages; waits up to `timeoutMs` for one when
  // `timeoutMs` > 0.
  virtual void ProcessEvents(int timeoutMs) = 0;
  // Whether our windows appear on a display in front of a user (false: headless, or the
  // toolkit's offscreen mode).
  virtual bool ShowsWindows() const { return false; }
  // The pointer shape over our windows changed (a cursors.h identifier).
  virtual void SetCursorShape(intptr_t) {}
  // A top-level window was activated by the user's doing on another one (a click on the owner
  // it keeps disabled): its real window comes to the front and takes the keyboard.
  virtual void RaiseWindow(HWND) {}
};

class THeadlessBackend : public TPlatformBackend {
 public:
  TRect ScreenRect() const override { return Rect(0, 0, 1920, 1080); }
  TRect WorkArea() const override { return Rect(0, 0, 1920, 1040); }
  void WindowShown(HWND, bool) override {}
  void WindowGeometryChanged(HWND) override {}
  void WindowStateChanged(HWND) override {}
  void WindowShapeChanged(HWND) override {}
  void WindowDestroyed(HWND) override {}
  void PresentWindow(HWND, const TRect&) override {}
  void ProcessEvents(int) override {}
};

TPlatformBackend& Backend();
// Installs the backend (nullptr: the headless one). The caller keeps no reference.
void SetBackend(std::unique_ptr<TPlatformBackend> backend);
