#include "tests/windows/window_fixture.h"

#include "platform/windows/cursors.h"
#include "platform/windows/system_metrics.h"

namespace {

using Input = WindowTest;

TEST_F(Input, PressMoveReleaseArriveInClientCoordinates) {
  HWND top = MakeTop(Bounds(100, 100, 200, 100));
  HWND child = Make(top, Bounds(10, 10, 50, 50));
  InjectMouseButton(mbLeft, true, {115, 120});
  InjectMouseMove({118, 122});
  InjectMouseButton(mbLeft, false, {118, 122});
  Pump();
  auto events = Logged(child, 0);
  std::vector<TLogged> mouse;
  std::copy_if(events.begin(), events.end(), std::back_inserter(mouse),
               [](const TLogged& l) { return l.msg >= WM_MOUSEFIRST && l.msg <= WM_MOUSELAST; });
  ASSERT_EQ(mouse.size(), 3u);
  EXPECT_EQ(mouse[0].msg, WM_LBUTTONDOWN);
  EXPECT_EQ(LParamToPoint(mouse[0].lParam), Point(5, 10));
  EXPECT_EQ(mouse[0].wParam, MK_LBUTTON);
  EXPECT_EQ(mouse[1].msg, WM_MOUSEMOVE);
  EXPECT_EQ(mouse[2].msg, WM_LBUTTONUP);
  EXPECT_EQ(mouse[2].wParam, 0u);
}

TEST_F(Input, AWindowPressedKeepsTheMouseUntilRelease) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND a = Make(top, Bounds(0, 0, 50, 50));
  HWND b = Make(top, Bounds(100, 0, 50, 50));
  InjectMouseButton(mbLeft, true, {10, 10});
  InjectMouseMove({120, 10});
  InjectMouseButton(mbLeft, false, {120, 10});
  InjectMouseMove({121, 10});
  Pump();
  EXPECT_EQ(MessagesOf(a, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}));
  EXPECT_EQ(LParamToPoint(Logged(a, WM_LBUTTONUP)[0].lParam), Point(120, 10));
  EXPECT_EQ(MessagesOf(b, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_LBUTTONUP}), (std::vector<UINT>{WM_MOUSEMOVE}));
  EXPECT_EQ(GetCapture(), nullptr) << "the implicit hold is not a capture";
}

TEST_F(Input, CaptureTakesAllMouseInputAndTellsTheLoser) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND a = Make(top, Bounds(0, 0, 50, 50));
  HWND b = Make(top, Bounds(100, 0, 50, 50));
  SetCapture(a);
  InjectMouseMove({120, 10});
  Pump();
  EXPECT_EQ(Logged(a, WM_MOUSEMOVE).size(), 1u);
  EXPECT_TRUE(Logged(b, WM_MOUSEMOVE).empty());
  SetCapture(b);
  auto changed = Logged(a, WM_CAPTURECHANGED);
  ASSERT_EQ(changed.size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(changed[0].lParam), b);
  ReleaseCapture();
  ASSERT_EQ(Logged(b, WM_CAPTURECHANGED).size(), 1u);
  EXPECT_EQ(Logged(b, WM_CAPTURECHANGED)[0].lParam, 0);
}

TEST_F(Input, SecondPressInTimeAndPlaceIsADoubleClick) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  InjectClick({10, 10});
  TestClock().Advance(GetDoubleClickTime() - 1);
  InjectClick({11, 11});
  InjectClick({11, 11});  // a third press starts again
  Pump();
  EXPECT_EQ(MessagesOf(top, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
            (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(Input, LateOrDistantOrOtherButtonPressIsNoDoubleClick) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  InjectClick({10, 10});
  TestClock().Advance(GetDoubleClickTime() + 1);
  InjectClick({10, 10});
  TestClock().Advance(10);
  InjectClick({10 + GetSystemMetrics(SM_CXDOUBLECLK), 10});
  TestClock().Advance(10);
  InjectClick({10 + GetSystemMetrics(SM_CXDOUBLECLK), 10}, mbRight);
  Pump();
  EXPECT_TRUE(Logged(top, WM_LBUTTONDBLCLK).empty());
  EXPECT_TRUE(Logged(top, WM_RBUTTONDBLCLK).empty());
}

TEST_F(Input, ClassesWithoutDoubleClicksGetTwoPresses) {
  WNDCLASS wc;
  wc.lpszClassName = "Plain";
  RegisterClass(wc);
  HWND top = CreateWindowEx(0, "Plain", "", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr);
  std::vector<UINT> got;
  SetWindowProc(top, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) got.push_back(m);
    return DefWindowProc(h, m, w, l);
  });
  InjectClick({10, 10});
  InjectClick({10, 10});
  Pump();
  EXPECT_EQ(got, (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDOWN}));
}

TEST_F(Input, WheelStepsBelowANotchAddUp) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  SetFocus(top);
  InjectMouseWheel(40, {10, 10});
  InjectMouseWheel(40, {10, 10});
  Pump();
  EXPECT_TRUE(Logged(top, WM_MOUSEWHEEL).empty());
  InjectMouseWheel(60, {10, 10});
  InjectMouseWheel(-360, {10, 10});
  Pump();
  auto wheel = Logged(top, WM_MOUSEWHEEL);
  ASSERT_EQ(wheel.size(), 2u);
  EXPECT_EQ(static_cast<int16_t>(wheel[0].wParam >> 16), 120);
  EXPECT_EQ(static_cast<int16_t>(wheel[1].wParam >> 16), -240) << "20 left over plus -360 is two notches down";
  EXPECT_EQ(LParamToPoint(wheel[0].lParam), Point(10, 10)) << "wheel positions are screen coordinates";
}

TEST_F(Input, WheelUnhandledByAChildReachesItsParent) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  SetFocus(child);
  InjectMouseWheel(120, {10, 10});
  Pump();
  EXPECT_EQ(Logged(child, WM_MOUSEWHEEL).size(), 1u);
  EXPECT_EQ(Logged(top, WM_MOUSEWHEEL).size(), 1u);
}

TEST_F(Input, WheelGoesToTheWindowUnderThePointerElseToTheFocus) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND focused = Make(top, Bounds(0, 0, 50, 50));
  HWND under = Make(top, Bounds(100, 0, 50, 50));
  SetFocus(focused);
  InjectMouseWheel(120, {110, 10});
  InjectMouseWheel(120, {500, 500});  // over none of our windows
  Pump();
  EXPECT_EQ(Logged(under, WM_MOUSEWHEEL).size(), 1u);
  EXPECT_EQ(Logged(focused, WM_MOUSEWHEEL).size(), 1u);
}

TEST_F(Input, NothingInADisabledTopLevelWindowTakesInputQueuedOrNew) {
  HWND owner = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(owner, Bounds(0, 0, 50, 50));
  SetFocus(child);
  InjectClick({10, 10});
  InjectKeyStroke('A', "a");
  EnableWindow(owner, false);  // a modal window opened before the queue was handled
  Pump();
  InjectClick({10, 10});
  InjectMouseMove({12, 12});
  Pump();
  EXPECT_EQ(MessagesOf(child, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_KEYDOWN, WM_CHAR}), std::vector<UINT>{});
  EnableWindow(owner, true);
  TestClock().Advance(1000);
  InjectClick({10, 10});
  Pump();
  EXPECT_EQ(MessagesOf(child, {WM_LBUTTONDOWN, WM_LBUTTONUP}), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
}

TEST_F(Input, KeyPressPostsKeyDownCharKeyUpToTheFocus) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND edit = Make(top, Bounds(0, 0, 50, 20));
  SetFocus(edit);
  InjectKeyStroke('A', "a");
  InjectKey(VK_SHIFT, true);
  InjectKeyStroke('B', "B");
  InjectKey(VK_SHIFT, false);
  InjectKeyStroke(VK_LEFT);
  Pump();
  std::vector<std::pair<UINT, WPARAM>> seen;
  for (const TLogged& l : Logged(edit, 0))
    if (l.msg >= WM_KEYFIRST && l.msg <= WM_KEYLAST) seen.emplace_back(l.msg, l.wParam);
  std::vector<std::pair<UINT, WPARAM>> expected{
      {WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'},
      {WM_KEYDOWN, VK_SHIFT}, {WM_KEYDOWN, 'B'}, {WM_CHAR, 'B'}, {WM_KEYUP, 'B'}, {WM_KEYUP, VK_SHIFT},
      {WM_KEYDOWN, VK_LEFT}, {WM_KEYUP, VK_LEFT}};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(Logged(top, WM_KEYDOWN).empty());
}

TEST_F(Input, ChineseTextArrivesAsUtf16Characters) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  SetFocus(top);
  InjectKeyStroke(0, "中");
  Pump();
  auto chars = Logged(top, WM_CHAR);
  ASSERT_EQ(chars.size(), 1u);
  EXPECT_EQ(chars[0].wParam, 0x4E2Du);
}

TEST_F(Input, AltKeysBecomeSystemKeys) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  SetFocus(top);
  InjectKey(VK_MENU, true);
  InjectKeyStroke('F', "f");
  InjectKey(VK_MENU, false);
  Pump();
  EXPECT_EQ(MessagesOf(top, {WM_KEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR, WM_CHAR}),
            (std::vector<UINT>{WM_SYSKEYDOWN, WM_SYSKEYDOWN, WM_SYSCHAR}));
  EXPECT_NE(Logged(top, WM_SYSCHAR)[0].lParam & AltMask, 0);
  EXPECT_TRUE(KeyDataToShiftState(Logged(top, WM_SYSCHAR)[0].lParam).Contains(ssAlt));
}

TEST_F(Input, FocusMessagesNameTheOtherWindow) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND a = Make(top, Bounds(0, 0, 50, 20));
  HWND b = Make(top, Bounds(0, 30, 50, 20));
  SetFocus(a);
  EXPECT_EQ(SetFocus(b), a);
  auto kill = Logged(a, WM_KILLFOCUS);
  ASSERT_EQ(kill.size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(kill[0].wParam), b);
  auto set = Logged(b, WM_SETFOCUS);
  ASSERT_EQ(set.size(), 1u);
  EXPECT_EQ(reinterpret_cast<HWND>(set[0].wParam), a);
  EXPECT_EQ(GetFocus(), b);
  EXPECT_EQ(GetActiveWindow(), top);
  DestroyWindow(b);
  EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(Input, SetCursorAsksTheParentFirstAndFrameEdgesSize) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_VISIBLE | WS_THICKFRAME);
  HWND child = Make(top, Bounds(20, 20, 50, 50));
  InjectMouseMove({30, 30});
  auto asked = Logged(top, WM_SETCURSOR);
  ASSERT_EQ(asked.size(), 1u) << "the child's default asks the parent";
  EXPECT_EQ(reinterpret_cast<HWND>(asked[0].wParam), child);
  EXPECT_EQ(HiSigned(asked[0].lParam), static_cast<int>(WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), IDC_ARROW);
  InjectMouseMove({1, 50});
  EXPECT_EQ(GetCursor(), IDC_SIZEWE);
  Pump();
  auto nc = Logged(top, WM_NCMOUSEMOVE);
  ASSERT_EQ(nc.size(), 1u);
  EXPECT_EQ(static_cast<LRESULT>(nc[0].wParam), HTLEFT);
}

TEST_F(Input, RightButtonReleaseAsksForAContextMenuAtScreenPosition) {
  HWND top = MakeTop(Bounds(50, 50, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  InjectClick({60, 70}, mbRight);
  Pump();
  auto menu = Logged(child, WM_CONTEXTMENU);
  ASSERT_EQ(menu.size(), 1u);
  EXPECT_EQ(LParamToPoint(menu[0].lParam), Point(60, 70));
  EXPECT_EQ(Logged(top, WM_CONTEXTMENU).size(), 1u) << "unhandled, it climbs to the parent";
}

TEST_F(Input, DisabledWindowsPassTheMouseToTheirParent) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  EnableWindow(child, false);
  InjectClick({10, 10});
  Pump();
  EXPECT_TRUE(Logged(child, WM_LBUTTONDOWN).empty());
  EXPECT_EQ(Logged(top, WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(Input, AWindowThatClosesWhileHitTestedTakesNoPress) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(10, 10, 50, 50));
  static int hitTests = 0;
  hitTests = 0;
  SetWindowProc(child, [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_NCHITTEST && ++hitTests == 2) DestroyWindow(h);
    return DefWindowProc(h, msg, w, l);
  });
  InjectClick({20, 20});
  Pump();
  ClearLog();
  InjectClick({20, 20});  // in double-click time: the second press closes the window
  Pump();
  EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(Logged(nullptr, WM_LBUTTONDOWN).empty()) << "the press went nowhere";
  EXPECT_TRUE(Logged(nullptr, WM_LBUTTONDBLCLK).empty());
}

}  // namespace
