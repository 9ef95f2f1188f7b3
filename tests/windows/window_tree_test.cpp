#include "tests/windows/window_fixture.h"

#include "platform/core/exceptions.h"
#include "platform/windows/system_metrics.h"

namespace {

using WindowTree = WindowTest;

TEST_F(WindowTree, DestroySendsDestroyParentFirstAndNcDestroyChildrenFirst) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  ClearLog();
  DestroyWindow(top);
  std::vector<std::pair<HWND, UINT>> seen;
  for (const TLogged& l : log_)
    if (l.msg == WM_DESTROY || l.msg == WM_NCDESTROY) seen.emplace_back(l.hwnd, l.msg);
  std::vector<std::pair<HWND, UINT>> expected{{top, WM_DESTROY}, {child, WM_DESTROY}, {child, WM_NCDESTROY}, {top, WM_NCDESTROY}};
  EXPECT_EQ(seen, expected);
  EXPECT_FALSE(IsWindow(top));
  EXPECT_FALSE(IsWindow(child));
}

TEST_F(WindowTree, StaleHandlesAreHarmless) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  DestroyWindow(h);
  EXPECT_EQ(SendMessage(h, WM_USER, 1, 2), 0);
  EXPECT_FALSE(PostMessage(h, WM_USER));
  EXPECT_FALSE(InvalidateRect(h, nullptr, true));
  EXPECT_FALSE(DestroyWindow(h));
  TRect r;
  EXPECT_FALSE(GetWindowRect(h, r));
}

TEST_F(WindowTree, UnknownClassAndOrphanChildRaise) {
  EXPECT_THROW(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 1, 1, nullptr), EOutOfResources);
  EXPECT_THROW(CreateWindowEx(0, "Recorder", "", WS_CHILD, 0, 0, 1, 1, nullptr), EOutOfResources);
}

TEST_F(WindowTree, NewChildrenGoOnTopAndZOrderCanChange) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND a = Make(top, Bounds(0, 0, 50, 50));
  HWND b = Make(top, Bounds(0, 0, 50, 50));
  EXPECT_EQ(ChildWindows(top), (std::vector<HWND>{b, a}));
  EXPECT_EQ(WindowFromPoint({10, 10}), b);
  BringWindowToTop(a);
  EXPECT_EQ(ChildWindows(top), (std::vector<HWND>{a, b}));
  EXPECT_EQ(WindowFromPoint({10, 10}), a);
  SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  EXPECT_EQ(GetWindow(top, GW_CHILD), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
}

TEST_F(WindowTree, HiddenWindowsAreNotHitAndHideTheirChildren) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND panel = Make(top, Bounds(10, 10, 100, 50));
  HWND inner = Make(panel, Bounds(0, 0, 20, 20));
  EXPECT_EQ(WindowFromPoint({15, 15}), inner);
  ShowWindow(panel, SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(inner));
  EXPECT_EQ(WindowFromPoint({15, 15}), top);
}

TEST_F(WindowTree, ClientCoordinatesFollowFrameInsets) {
  HWND top = MakeTop(Bounds(100, 50, 300, 200), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
  HWND child = Make(top, Bounds(10, 20, 100, 50), WS_CHILD | WS_VISIBLE | WS_BORDER, WS_EX_CLIENTEDGE);
  TRect client;
  GetClientRect(top, client);
  EXPECT_EQ(client, Rect(0, 0, 300 - 8, 200 - 8 - 19));
  TPoint p{0, 0};
  ClientToScreen(child, p);
  // frame 4 + child at 10 + child border 1 + client edge 2
  EXPECT_EQ(p, Point(100 + 4 + 10 + 1 + 2, 50 + 4 + 19 + 20 + 1 + 2));
  ScreenToClient(child, p);
  EXPECT_EQ(p, Point(0, 0));
  TRect wr;
  GetWindowRect(child, wr);
  EXPECT_EQ(wr, Bounds(100 + 4 + 10, 50 + 4 + 19 + 20, 100, 50));
}

TEST_F(WindowTree, NcCalcSizeAnswerDecidesTheClientArea) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 100, 60));
  SetWindowProc(child, [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_NCCALCSIZE && w) {
      auto* p = reinterpret_cast<NCCALCSIZE_PARAMS*>(l);
      p->rgrc[0].Left += 5;
      p->rgrc[0].Top += 7;
      return 0;
    }
    return DefWindowProc(h, msg, w, l);
  });
  SetWindowPos(child, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_EQ(ClientInWindow(child), Rect(5, 7, 100, 60));
  EXPECT_EQ(WindowFromPoint({2, 2}), child);
  EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, MakeLParam(2, 2)), HTBORDER);
  EXPECT_EQ(SendMessage(child, WM_NCHITTEST, 0, MakeLParam(20, 20)), HTCLIENT);
}

TEST_F(WindowTree, MoveAndSizeAreReportedInClientTerms) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50), WS_CHILD | WS_VISIBLE | WS_BORDER);
  ClearLog();
  MoveWindow(child, 10, 20, 60, 40);
  auto sizes = Logged(child, WM_SIZE);
  ASSERT_EQ(sizes.size(), 1u);
  EXPECT_EQ(sizes[0].lParam, MakeLParam(58, 38));
  auto moves = Logged(child, WM_MOVE);
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(LParamToPoint(moves[0].lParam), Point(11, 21));
}

TEST_F(WindowTree, SetParentMovesTheWindowBetweenParents) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND left = Make(top, Bounds(0, 0, 100, 100));
  HWND right = Make(top, Bounds(100, 0, 100, 100));
  HWND child = Make(left, Bounds(0, 0, 10, 10));
  EXPECT_EQ(SetParent(child, right), left);
  EXPECT_EQ(GetParent(child), right);
  EXPECT_TRUE(ChildWindows(left).empty());
  EXPECT_EQ(WindowFromPoint({105, 5}), child);
  EXPECT_EQ(SetParent(right, child), nullptr) << "a window cannot become its own descendant's child";
}

TEST_F(WindowTree, ActivationBringsAWindowForwardButNotAboveTopmostOnes) {
  HWND hint = MakeTop(Bounds(0, 0, 50, 50));
  SetWindowLong(hint, GWL_EXSTYLE, WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
  HWND a = MakeTop(Bounds(0, 0, 200, 200));
  HWND b = MakeTop(Bounds(0, 0, 200, 200));
  EXPECT_EQ(WindowFromPoint({100, 100}), b);
  SetActiveWindow(a);
  EXPECT_EQ(WindowFromPoint({100, 100}), a);
  EXPECT_EQ(WindowFromPoint({10, 10}), hint);
}

// Restoring a minimised window gives back the state it was minimised from: a window that was
// maximised comes back maximised, and only a second restore brings back its normal bounds.
TEST_F(WindowTree, MaximiseFillsTheWorkAreaAndRestoreComesBack) {
  HWND top = MakeTop(Bounds(10, 10, 300, 200), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME);
  ShowWindow(top, SW_SHOWMAXIMIZED);
  EXPECT_TRUE(IsZoomed(top));
  TRect wr;
  GetWindowRect(top, wr);
  EXPECT_EQ(wr, WorkArea());
  struct TStep {
    int command;
    bool zoomed, iconic;
    TRect bounds;
  } steps[] = {{SW_MINIMIZE, false, true, WorkArea()},     {SW_RESTORE, true, false, WorkArea()},
               {SW_RESTORE, false, false, Bounds(10, 10, 300, 200)}, {SW_MINIMIZE, false, true, Bounds(10, 10, 300, 200)},
               {SW_RESTORE, false, false, Bounds(10, 10, 300, 200)}, {SW_SHOWMAXIMIZED, true, false, WorkArea()},
               {SW_MINIMIZE, false, true, WorkArea()},     {SW_SHOWNORMAL, false, false, Bounds(10, 10, 300, 200)}};
  for (const TStep& step : steps) {
    SCOPED_TRACE(testing::Message() << "after command " << step.command << " (step " << (&step - steps) << ")");
    ShowWindow(top, step.command);
    EXPECT_EQ(IsZoomed(top), step.zoomed);
    EXPECT_EQ(IsIconic(top), step.iconic);
    if (step.iconic) {
      EXPECT_EQ(WindowFromPoint({50, 50}), nullptr) << "a minimised window takes no input";
      continue;
    }
    GetWindowRect(top, wr);
    EXPECT_EQ(wr, step.bounds);
  }
}

TEST_F(WindowTree, StyleChangesKeepTheWindowWhereItIsInTheTree) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  SetWindowLong(top, GWL_STYLE, GetWindowLong(top, GWL_STYLE) | WS_CHILD);
  SetWindowLong(child, GWL_STYLE, GetWindowLong(child, GWL_STYLE) & ~WS_CHILD);
  EXPECT_EQ(GetAncestorTop(child), top) << "only SetParent moves a window between parents";
  EXPECT_EQ(ChildWindows(top), (std::vector<HWND>{child}));
  EXPECT_TRUE(DestroyWindow(top));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(TopLevelWindows().empty());
}

TEST_F(WindowTree, AWindowThatClosesWhenHiddenForANewParentStaysClosed) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND other = Make(top, Bounds(100, 0, 100, 100));
  HWND child = Make(top, Bounds(0, 0, 50, 50));
  SetWindowProc(child, [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_SHOWWINDOW && w == 0) DestroyWindow(h);
    return DefWindowProc(h, msg, w, l);
  });
  EXPECT_EQ(SetParent(child, other), nullptr);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_TRUE(ChildWindows(other).empty());
  EXPECT_EQ(ChildWindows(top), (std::vector<HWND>{other}));
}

}  // namespace
