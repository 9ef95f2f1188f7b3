#include "tests/windows/window_fixture.h"

#include "platform/windows/move_size_tracking.h"
#include "platform/windows/system_metrics.h"

// Moving and sizing top-level windows by caption and border where no window manager does it:
// the headless backend refuses the system request, as the real one does without a manager.
namespace {

using MoveSize = WindowTest;

constexpr uint32_t kFramed = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;

struct TDragCase {
  const char* name;
  TPoint press;  // screen point on the frame of a 300x200 window at (100, 100)
  LRESULT hit;
  TPoint by;
  TRect expected;
};

TEST_F(MoveSize, CaptionMovesAndEachEdgeOrCornerSizesTheWindow) {
  const TDragCase cases[] = {
      {"caption", {250, 110}, HTCAPTION, {30, -20}, Rect(130, 80, 430, 280)},
      {"left", {101, 200}, HTLEFT, {-10, 5}, Rect(90, 100, 400, 300)},
      {"right", {398, 200}, HTRIGHT, {25, 5}, Rect(100, 100, 425, 300)},
      {"top", {250, 101}, HTTOP, {5, 12}, Rect(100, 112, 400, 300)},
      {"bottom", {250, 298}, HTBOTTOM, {5, 40}, Rect(100, 100, 400, 340)},
      {"top left", {101, 101}, HTTOPLEFT, {10, 10}, Rect(110, 110, 400, 300)},
      {"top right", {398, 101}, HTTOPRIGHT, {10, 10}, Rect(100, 110, 410, 300)},
      {"bottom left", {101, 298}, HTBOTTOMLEFT, {10, 10}, Rect(110, 100, 400, 310)},
      {"bottom right", {398, 298}, HTBOTTOMRIGHT, {-50, -20}, Rect(100, 100, 350, 280)},
  };
  for (const TDragCase& c : cases) {
    SCOPED_TRACE(c.name);
    HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
    ASSERT_EQ(SendMessage(top, WM_NCHITTEST, 0, PointToLParam(c.press)), c.hit);
    InjectMouseButton(mbLeft, true, c.press);
    Pump();
    ASSERT_TRUE(MoveSizeTracking());
    InjectMouseMove({c.press.x + c.by.x / 2, c.press.y + c.by.y / 2});
    InjectMouseMove({c.press.x + c.by.x, c.press.y + c.by.y});
    InjectMouseButton(mbLeft, false, {c.press.x + c.by.x, c.press.y + c.by.y});
    Pump();
    EXPECT_FALSE(MoveSizeTracking());
    EXPECT_EQ(WindowBounds(top), c.expected);
    DestroyWindow(top);
  }
}

TEST_F(MoveSize, TheWindowSeesOnlyTheMoveLoopNotThePointer) {
  HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
  InjectMouseButton(mbLeft, true, {250, 110});
  Pump();
  ClearLog();
  InjectMouseMove({260, 120});
  InjectMouseButton(mbLeft, false, {260, 120});
  Pump();
  EXPECT_EQ(MessagesOf(top, {WM_NCMOUSEMOVE, WM_MOUSEMOVE, WM_NCLBUTTONUP, WM_LBUTTONUP, WM_MOVE, WM_EXITSIZEMOVE}),
            (std::vector<UINT>{WM_MOVE, WM_EXITSIZEMOVE}));
  EXPECT_EQ(GetKeyState(VK_LBUTTON) < 0, false);
  InjectClick({300, 200});
  Pump();
  EXPECT_EQ(Logged(top, WM_LBUTTONDOWN).size(), 1u) << "the next click reaches the window";
}

TEST_F(MoveSize, PointerMovesBeforeThePressIsHandledStillCount) {
  HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
  InjectMouseButton(mbLeft, true, {250, 110});
  InjectMouseMove({270, 115});  // queued before the press was handled
  Pump();
  InjectMouseMove({280, 130});
  InjectMouseButton(mbLeft, false, {280, 130});
  EXPECT_EQ(WindowBounds(top), Bounds(130, 120, 300, 200));
}

TEST_F(MoveSize, APressHandledAfterItsReleaseMovesNothing) {
  HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
  InjectClick({250, 110});
  Pump();
  EXPECT_FALSE(MoveSizeTracking());
  InjectMouseMove({400, 400});
  EXPECT_EQ(WindowBounds(top), Bounds(100, 100, 300, 200));
}

TEST_F(MoveSize, EscapePutsTheWindowBack) {
  HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
  InjectMouseButton(mbLeft, true, {398, 298});
  Pump();
  InjectMouseMove({500, 450});
  EXPECT_EQ(WindowBounds(top), Rect(100, 100, 502, 452));
  InjectKeyStroke(VK_ESCAPE);
  EXPECT_FALSE(MoveSizeTracking());
  EXPECT_EQ(WindowBounds(top), Bounds(100, 100, 300, 200));
  InjectMouseButton(mbLeft, false, {500, 450});
  Pump();
  EXPECT_TRUE(Logged(top, WM_KEYDOWN).empty());
}

TEST_F(MoveSize, EdgesStopAtTheSmallestWindow) {
  HWND top = MakeTop(Bounds(100, 100, 300, 200), kFramed);
  InjectMouseButton(mbLeft, true, {101, 101});
  Pump();
  InjectMouseMove({900, 900});
  InjectMouseButton(mbLeft, false, {900, 900});
  EXPECT_EQ(WindowBounds(top), Rect(400 - GetSystemMetrics(SM_CXMIN), 300 - GetSystemMetrics(SM_CYMIN), 400, 300));
}

// A borderless window that answers the hit tests itself (as a skinned form does), and a child
// on it that hands its press to the window as a caption press, without a point (as a title
// bar does).
LRESULT SkinnedProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  WindowTest::log_.push_back({h, msg, w, l});
  if (msg == WM_NCHITTEST) {
    TPoint p = LParamToPoint(l);
    TRect r;
    GetWindowRect(h, r);
    if (p.x >= r.Right - 6 && p.y >= r.Bottom - 6) return HTBOTTOMRIGHT;
    return HTCLIENT;
  }
  return DefWindowProc(h, msg, w, l);
}

LRESULT TitleBarProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_LBUTTONDOWN) {
    SetCapture(h);
    return SendMessage(GetAncestorTop(h), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  }
  return DefWindowProc(h, msg, w, l);
}

TEST_F(MoveSize, AWindowAnsweringItsOwnHitTestsIsMovedAndSized) {
  WNDCLASS skinned;
  skinned.lpszClassName = "Skinned";
  skinned.lpfnWndProc = SkinnedProc;
  RegisterClass(skinned);
  WNDCLASS titleBar;
  titleBar.lpszClassName = "TitleBar";
  titleBar.lpfnWndProc = TitleBarProc;
  RegisterClass(titleBar);
  HWND top = CreateWindowEx(0, "Skinned", "", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr);
  HWND bar = CreateWindowEx(0, "TitleBar", "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 24, top);
  InjectMouseButton(mbLeft, true, {398, 298});
  Pump();
  InjectMouseMove({418, 318});
  InjectMouseButton(mbLeft, false, {418, 318});
  EXPECT_EQ(WindowBounds(top), Rect(100, 100, 420, 320));
  InjectMouseButton(mbLeft, true, {150, 110});
  Pump();
  EXPECT_EQ(GetCapture(), nullptr) << "the title bar let the mouse go to the move";
  InjectMouseMove({170, 140});
  InjectMouseButton(mbLeft, false, {170, 140});
  Pump();
  EXPECT_EQ(WindowBounds(top), Rect(120, 130, 440, 350));
  EXPECT_EQ(Logged(top, WM_ENTERSIZEMOVE).size(), 2u);
  InjectClick({200, 200});
  Pump();
  EXPECT_EQ(Logged(top, WM_LBUTTONDOWN).size(), 1u) << "input works again after the move";
  (void)bar;
}

}  // namespace
