#include "tests/controls/control_fixture.h"

#include "platform/controls/hint_window.h"
#include "platform/controls/timer.h"

namespace {

class TimersAndHints : public ControlTest {
 protected:
  void Advance(int ms, int step = 10) {
    for (int t = 0; t < ms; t += step) {
      TestClock().Advance(step);
      Pump();
    }
  }
};

TEST_F(TimersAndHints, TimerComponentFiresWhileEnabled) {
  TForm* form = MakeForm();
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer.Bind(form, "Tick", [&](TObject*) { ++ticks; });
  timer->SetInterval(100);
  Advance(350);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
  Advance(300);
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(true);
  timer->SetInterval(0);
  Advance(300);
  EXPECT_EQ(ticks, 3) << "an interval of 0 stops the component";
}

TEST_F(TimersAndHints, ATimerHandlerMayFreeItsTimer) {
  TForm* form = MakeForm();
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->OnTimer.Bind(form, "Tick", [&](TObject*) {
    ++ticks;
    delete timer;
  });
  timer->SetInterval(10);
  Advance(100);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TimersAndHints, HintShowsAfterThePauseWithCmHintShow) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 100, 30));
  c->SetHint("发送短信|Sends the message");
  c->SetShowHint(true);
  int asked = 0;
  TWindowProcHook hook(c, [&](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) {
      ++asked;
      auto* info = reinterpret_cast<THintInfo*>(m.LParam);
      EXPECT_EQ(info->HintControl, c);
      EXPECT_EQ(info->HintStr, "发送短信") << "the short part before the bar";
    }
    return false;
  });
  InjectMouseMove(At(c, 5, 5));
  Pump();
  Advance(Application->HintPause() - 10);
  EXPECT_EQ(asked, 0);
  EXPECT_FALSE(Application->HintWindow()->Active());
  Advance(20);
  EXPECT_EQ(asked, 1);
  THintWindow* hint = Application->HintWindow();
  ASSERT_TRUE(hint->Active());
  EXPECT_TRUE(IsWindowVisible(hint->Handle()));
  EXPECT_EQ(hint->Caption(), "发送短信");
  TPoint cursor = At(c, 5, 5);
  EXPECT_EQ(hint->Left(), cursor.x);
  EXPECT_GT(hint->Top(), cursor.y);
  EXPECT_EQ(GetParent(hint->Handle()), nullptr) << "a hint is a window of its own";
  InjectMouseButton(mbLeft, true, At(c, 5, 5));
  Pump();
  EXPECT_FALSE(hint->Active()) << "a press hides the hint";
  InjectMouseButton(mbLeft, false, At(c, 5, 5));
  Pump();
}

// A control without a hint text of its own may make one for the spot under the mouse when
// asked, as a grid does for a cell that cuts its text.
TEST_F(TimersAndHints, AControlWithoutHintTextShowsTheHintItMakesWhenAsked) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 100, 30));
  c->SetShowHint(true);
  TWindowProcHook hook(c, [](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) reinterpret_cast<THintInfo*>(m.LParam)->HintStr = "第三行的全文";
    return false;
  });
  InjectMouseMove(At(c, 5, 5));
  Pump();
  Advance(Application->HintPause() + 10);
  ASSERT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->HintWindow()->Caption(), "第三行的全文");
  Application->CancelHint();
}

TEST_F(TimersAndHints, HintHidesAfterItsTimeAndARefusedHintNeverShows) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 100, 30));
  TTestControl* quiet = AddControl(form, Bounds(10, 50, 100, 30));
  c->SetHint("提示");
  c->SetShowHint(true);
  quiet->SetHint("never");
  quiet->SetShowHint(true);
  TWindowProcHook hook(quiet, [](TMessage& m) {
    if (m.Msg != CM_HINTSHOW) return false;
    m.Result = 1;  // refuses the hint
    return true;
  });
  InjectMouseMove(At(c, 5, 5));
  Pump();
  Advance(Application->HintPause() + 10);
  EXPECT_TRUE(Application->HintWindow()->Active());
  Advance(Application->HintHidePause() + 10);
  EXPECT_FALSE(Application->HintWindow()->Active());
  InjectMouseMove(At(quiet, 5, 5));
  Pump();
  Advance(Application->HintPause() + 10);
  EXPECT_FALSE(Application->HintWindow()->Active());
}

TEST_F(TimersAndHints, ActivateHintShowsTheHintUnderAPointAtOnce) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 100, 30));
  TTestControl* bare = AddControl(form, Bounds(10, 50, 100, 30));
  c->SetHint("通讯录");
  c->SetShowHint(true);
  const TPoint at = At(c, 20, 5);
  Application->ActivateHint(at);
  THintWindow* hint = Application->HintWindow();
  ASSERT_TRUE(hint->Active()) << "no pause before an asked-for hint";
  EXPECT_EQ(hint->Caption(), "通讯录");
  EXPECT_EQ(hint->Left(), at.x);
  EXPECT_GT(hint->Top(), at.y);
  Application->ActivateHint(At(bare, 5, 5));
  EXPECT_FALSE(hint->Active()) << "a control without a hint shows none and hides the last";
  delete c;
  Application->ActivateHint(at);
  EXPECT_FALSE(hint->Active()) << "a freed control is forgotten";
}

// A control may ask for a hint window of its own class; the next hint without one goes back
// to the application's.
TEST_F(TimersAndHints, AHintShowsInTheWindowClassTheControlAsksFor) {
  class TWideHintWindow : public THintWindow {
    DECLARE_CLASS(TWideHintWindow, THintWindow)
   public:
    using THintWindow::THintWindow;
  };
  TForm* form = MakeForm();
  TTestControl* own = AddControl(form, Bounds(10, 10, 100, 30));
  TTestControl* plain = AddControl(form, Bounds(10, 50, 100, 30));
  for (TTestControl* c : {own, plain}) {
    c->SetHint("提示");
    c->SetShowHint(true);
  }
  TWindowProcHook hook(own, [](TMessage& m) {
    if (m.Msg == CM_HINTSHOW) reinterpret_cast<THintInfo*>(m.LParam)->HintWindowClass = TWideHintWindow::StaticClass();
    return false;
  });
  Application->ActivateHint(At(own, 5, 5));
  ASSERT_NE(Application->HintWindow(), nullptr);
  EXPECT_EQ(Application->HintWindow()->ClassType(), TWideHintWindow::StaticClass());
  EXPECT_TRUE(Application->HintWindow()->Active());
  Application->ActivateHint(At(plain, 5, 5));
  EXPECT_EQ(Application->HintWindow()->ClassType(), THintWindow::StaticClass());
  EXPECT_TRUE(Application->HintWindow()->Active());
  Application->CancelHint();
}

TEST_F(TimersAndHints, CalcHintRectWrapsLongTextAtTheMaximumWidth) {
  THintWindow* hint = Application->HintWindow();
  TRect one = hint->CalcHintRect(1000, "短信", nullptr);
  EXPECT_GT(one.Width(), 6);
  EXPECT_GT(one.Height(), 2);
  String longText;
  for (int i = 0; i < 40; ++i) longText += "群发短信 ";
  TRect wrapped = hint->CalcHintRect(200, longText, nullptr);
  EXPECT_LE(wrapped.Width(), 200 + 6);
  EXPECT_GT(wrapped.Height(), 3 * (one.Height() - 2));
}

}  // namespace
