#pragma once

// The real toolkit under our window tree: one toolkit window per visible top-level window,
// input turned into our messages, the toolkit's event loop waking the message loop, and the
// toolkit's clipboard. While a TToolkitScope lives it is the installed backend; at its end the
// headless backend returns.
class TToolkitScope {
 public:
  // `offscreen` forces the toolkit's offscreen mode (no display needed); otherwise the
  // display of the environment is used (xcb under X11 or Xvfb).
  TToolkitScope(int& argc, char** argv, bool offscreen);
  ~TToolkitScope();
  TToolkitScope(const TToolkitScope&) = delete;
  TToolkitScope& operator=(const TToolkitScope&) = delete;
};

// True when a display is there to show real windows on: a Wayland display, or an X server
// that answers at DISPLAY (a stale DISPLAY is no display).
bool DisplayAvailable();

// The toolkit window showing a top-level window of ours (a QWindow*), nullptr if none. For
// tests that feed the toolkit real input.
void* ToolkitWindowOf(struct HWND__* top);
// True when the toolkit window of `top` is on screen (mapped and exposed), so that real input
// can reach it. For tests that drive real windows.
bool ToolkitWindowExposed(struct HWND__* top);
