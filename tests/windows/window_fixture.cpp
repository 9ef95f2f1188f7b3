#include "tests/windows/window_fixture.h"

#include <filesystem>

#include "platform/graphics/device_context.h"
#include "platform/graphics/shapes.h"

std::vector<TLogged> WindowTest::log_;

namespace {

LRESULT RecorderProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  WindowTest::log_.push_back({h, msg, w, l});
  if (msg == WM_PAINT && w == 0) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, ps);
    TRect client;
    GetClientRect(h, client);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLong(h, GWL_USERDATA)));
    FillRect(dc, client, brush);
    DeleteObject(brush);
    EndPaint(h, ps);
    return 0;
  }
  return DefWindowProc(h, msg, w, l);
}

void DrainQueue() {
  MSG m;
  while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
}

}  // namespace

void WindowTest::SetUp() {
  auto clock = std::make_unique<TTestClock>();
  clock_ = clock.get();
  SetClock(std::move(clock));
  WNDCLASS wc;
  wc.lpszClassName = "Recorder";
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = RecorderProc;
  wc.hbrBackground = clBtnFace;
  RegisterClass(wc);
  ResetInput();
  DrainQueue();
  log_.clear();
}

void WindowTest::TearDown() {
  ReleaseCapture();
  SetFocus(nullptr);
  for (HWND top : TopLevelWindows()) DestroyWindow(top);
  DrainQueue();
  log_.clear();
  SetClock(nullptr);
}

HWND WindowTest::Make(HWND parent, TRect r, uint32_t style, uint32_t exStyle, TColor fill) {
  HWND h = CreateWindowEx(exStyle, "Recorder", "", style & ~WS_VISIBLE, r.Left, r.Top, r.Width(), r.Height(), parent);
  SetWindowLong(h, GWL_USERDATA, ColorToRGB(fill));
  if (style & WS_VISIBLE) ShowWindow(h, SW_SHOWNA);
  return h;
}

std::vector<TLogged> WindowTest::Logged(HWND h, UINT msg) const {
  std::vector<TLogged> out;
  std::copy_if(log_.begin(), log_.end(), std::back_inserter(out),
               [&](const TLogged& l) { return (!h || l.hwnd == h) && (msg == 0 || l.msg == msg); });
  return out;
}

std::vector<UINT> WindowTest::MessagesOf(HWND h, std::initializer_list<UINT> kinds) const {
  std::vector<UINT> out;
  for (const TLogged& l : log_) {
    if ((h && l.hwnd != h) || std::find(kinds.begin(), kinds.end(), l.msg) == kinds.end()) continue;
    out.push_back(l.msg);
  }
  return out;
}

TColor WindowTest::Pixel(HWND top, int x, int y) {
  TBitmap* surface = WindowSurface(top);
  if (!surface) return clNone;
  uint32_t argb = surface->Pixel32(x, y);
  return static_cast<TColor>(RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
}

void WindowTest::SavePicture(HWND top, const char* name) {
  TBitmap* surface = WindowSurface(top);
  if (!surface) return;
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  surface->SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + name + ".png");
}
