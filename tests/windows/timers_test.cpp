#include "tests/windows/window_fixture.h"

#include "platform/windows/system_metrics.h"
#include "platform/windows/timers.h"

namespace {

class Timers : public WindowTest {
 protected:
  // Advances the clock in steps of `step` ms, running the loop after each, and answers how
  // many WM_TIMER of `id` the window received.
  size_t Run(HWND h, uintptr_t id, int totalMs, int step = 1) {
    for (int t = 0; t < totalMs; t += step) {
      TestClock().Advance(step);
      Pump();
    }
    size_t n = 0;
    for (const TLogged& l : Logged(h, WM_TIMER)) n += l.wParam == id;
    return n;
  }
};

TEST_F(Timers, FiresOncePerIntervalOnTheTestClock) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 1, 100);
  EXPECT_EQ(Run(h, 1, 99), 0u);
  EXPECT_EQ(Run(h, 1, 1), 1u);
  EXPECT_EQ(Run(h, 1, 200), 3u);
}

TEST_F(Timers, RestartingAnIdTakesTheNewInterval) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 7, 100);
  Run(h, 7, 50);
  SetTimer(h, 7, 30);
  EXPECT_EQ(Run(h, 7, 29), 0u) << "counting starts again at the restart";
  EXPECT_EQ(Run(h, 7, 1), 1u);
  EXPECT_EQ(Run(h, 7, 60), 3u);
}

TEST_F(Timers, ZeroIntervalFiresAtThePlatformMinimum) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 1, 0);
  EXPECT_EQ(Run(h, 1, USER_TIMER_MINIMUM - 1), 0u);
  EXPECT_EQ(Run(h, 1, 1), 1u);
}

TEST_F(Timers, NegativeIntervalNeverFires) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 1, -5);
  EXPECT_EQ(Run(h, 1, 10000, 100), 0u);
  EXPECT_EQ(MsUntilNextTimer(), -1);
}

TEST_F(Timers, KilledAndDestroyedTimersStop) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  HWND other = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 1, 10);
  SetTimer(h, 2, 10);
  SetTimer(other, 1, 10);
  EXPECT_TRUE(KillTimer(h, 1));
  EXPECT_FALSE(KillTimer(h, 1));
  EXPECT_EQ(Run(h, 1, 50), 0u);
  EXPECT_EQ(Run(h, 2, 0), 5u);
  DestroyWindow(other);
  EXPECT_EQ(ActiveTimerCount(), 1u);
}

TEST_F(Timers, SameIdOnTwoWindowsAreTwoTimers) {
  HWND a = MakeTop(Bounds(0, 0, 10, 10));
  HWND b = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(a, 1, 10);
  SetTimer(b, 1, 20);
  EXPECT_EQ(Run(a, 1, 40), 4u);
  EXPECT_EQ(Run(b, 1, 0), 2u);
}

TEST_F(Timers, ALateLoopGetsOneMessageNotABacklog) {
  HWND h = MakeTop(Bounds(0, 0, 10, 10));
  SetTimer(h, 1, 10);
  TestClock().Advance(1000);
  Pump();
  Pump();
  EXPECT_EQ(Logged(h, WM_TIMER).size(), 1u);
  EXPECT_EQ(MsUntilNextTimer(), 10);
}

}  // namespace
