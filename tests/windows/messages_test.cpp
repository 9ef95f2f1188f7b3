#include "tests/windows/window_fixture.h"

#include "platform/windows/timers.h"
#include "platform/windows/utility_window.h"

namespace {

using Messages = WindowTest;

TEST_F(Messages, SubclassSeesMessagesFirstAndCallsThePreviousProcedure) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  std::vector<UINT> outer;
  WNDPROC previous;
  previous = SetWindowProc(h, [&](HWND w, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
    outer.push_back(msg);
    if (msg == WM_USER + 1) return 42;  // handled here, never reaches the original
    return CallWindowProc(previous, w, msg, wp, lp);
  });
  ClearLog();
  EXPECT_EQ(SendMessage(h, WM_USER + 1), 42);
  SendMessage(h, WM_USER + 2);
  EXPECT_EQ(outer, (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
  EXPECT_EQ(MessagesOf(h, {WM_USER + 1, WM_USER + 2}), (std::vector<UINT>{WM_USER + 2}));
  // Putting the previous procedure back ends the subclassing.
  SetWindowProc(h, previous);
  SendMessage(h, WM_USER + 1);
  EXPECT_EQ(outer.size(), 2u);
}

TEST_F(Messages, PostedMessagesWaitAndArriveInOrder) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  HWND b = MakeTop(Bounds(0, 0, 10, 10));
  PostMessage(a, WM_USER + 1, 1, 0);
  PostMessage(b, WM_USER + 2, 2, 0);
  PostMessage(a, WM_USER + 3, 3, 0);
  EXPECT_TRUE(Logged(nullptr, WM_USER + 1).empty());
  MSG m;
  ASSERT_TRUE(PeekMessage(m, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(m.message, WM_USER + 2u);
  ASSERT_TRUE(PeekMessage(m, nullptr, WM_USER + 3, WM_USER + 3, PM_REMOVE));
  EXPECT_EQ(m.hwnd, a);
  Pump();
  EXPECT_EQ(MessagesOf(nullptr, {WM_USER + 1, WM_USER + 2, WM_USER + 3}), (std::vector<UINT>{WM_USER + 1, WM_USER + 2}));
}

TEST_F(Messages, QuitEndsTheLoopWithItsCode) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  PostMessage(a, WM_USER);
  PostQuitMessage(7);
  PostMessage(a, WM_USER + 1);
  int code = 0;
  EXPECT_FALSE(PumpMessages({}, &code));
  EXPECT_EQ(code, 7);
  EXPECT_EQ(MessagesOf(a, {WM_USER, WM_USER + 1}), (std::vector<UINT>{WM_USER}));
}

TEST_F(Messages, MessagesToADestroyedWindowAreDropped) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  PostMessage(a, WM_USER);
  DestroyWindow(a);
  EXPECT_EQ(PendingMessageCount(), 0u);
}

TEST_F(Messages, FilterTakesMessagesBeforeDispatch) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  PostMessage(a, WM_USER);
  PostMessage(a, WM_USER + 1);
  PumpMessages([](MSG& m) { return m.message == WM_USER; });
  EXPECT_EQ(MessagesOf(a, {WM_USER, WM_USER + 1}), (std::vector<UINT>{WM_USER + 1}));
}

TEST_F(Messages, TextTravelsThroughSetTextAndGetText) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  SendMessage(a, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("短信群发"));
  EXPECT_EQ(GetWindowText(a), "短信群发");
  char buffer[5];
  EXPECT_EQ(SendMessage(a, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer)), 3);
  EXPECT_STREQ(buffer, "短") << "a short buffer takes whole characters only";
}

TEST_F(Messages, UtilityWindowHandsMessagesToItsMethod) {
  std::vector<UINT> got;
  HWND h = AllocateHWnd([&](TMessage& m) {
    got.push_back(m.Msg);
    m.Result = 5;
  });
  EXPECT_EQ(SendMessage(h, WM_USER), 5);
  EXPECT_FALSE(IsWindowVisible(h));
  size_t before = got.size();
  DeallocateHWnd(h);
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(got.size(), before) << "an object freeing its window is not called back while it goes";
}

}  // namespace
