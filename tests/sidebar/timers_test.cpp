#include <gtest/gtest.h>

#include <functional>

#include "platform/windows/drag_drop.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "platform/windows/timers.h"
#include "tests/sidebar/sidebar_fixture.h"

// What happens over time: the close bar's delayed close, holding a column scroll box, the
// wheel in the explorer view, the alert blink.

namespace {

class TimersTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    bar_->SetViewStyle(vsExplorerBar);
    for (int i = 0; i < 4; ++i) AddHeader("H" + std::to_string(i), 3);
    Layout();
  }
  void Tick(int ms) {
    Clock().Advance(ms);
    Application->ProcessMessages();
  }
  TnbScrollBox Box(TnbSideBar::BoxIndex i) { return bar_->ScrollBox(i); }
};

// A drag that runs `during` while it is under way and then is cancelled.
class TDragThatWaits : public TDragDropService {
 public:
  std::function<void()> during;
  HRESULT Run(IDataObject*, IDropSource*, uint32_t, uint32_t& effect) override {
    during();
    effect = DROPEFFECT_NONE;
    return DRAGDROP_S_CANCEL;
  }
};

}  // namespace

TEST_F(TimersTest, HoldingTheColumnDownBoxScrollsAtEveryTick) {
  const TRect down = Box(TnbSideBar::ColumnDown).Rect;
  ASSERT_NE(down, kHiddenRect);
  EXPECT_EQ(Box(TnbSideBar::ColumnUp).Rect, kHiddenRect);  // offset 0: no up box
  Move(Centre(down));
  Press(Centre(down));
  EXPECT_EQ(bar_->ScrollOffset(), 0);
  Tick(500);
  EXPECT_EQ(bar_->ScrollOffset(), 50);
  Tick(500);
  EXPECT_EQ(bar_->ScrollOffset(), 100);
  Release(Centre(down));
  EXPECT_EQ(bar_->ScrollOffset(), 150);
  Tick(1000);
  EXPECT_EQ(bar_->ScrollOffset(), 150);  // the timer stopped with the release
  Layout();
  EXPECT_NE(Box(TnbSideBar::ColumnUp).Rect, kHiddenRect);
}

TEST_F(TimersTest, ColumnUpNeverGoesBelowZero) {
  bar_->ScrollColumnDown();
  Layout();
  const TRect up = Box(TnbSideBar::ColumnUp).Rect;
  ASSERT_NE(up, kHiddenRect);
  Move(Centre(up));
  Press(Centre(up));
  Tick(500);
  Tick(500);
  EXPECT_EQ(bar_->ScrollOffset(), 0);
  Release(Centre(up));
  EXPECT_EQ(bar_->ScrollOffset(), 0);
}

TEST_F(TimersTest, WheelScrollsTheColumnWhileThereIsMoreBelow) {
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, -120), 0);
  EXPECT_EQ(bar_->ScrollOffset(), 50);
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, -60), 0);  // under a notch counts towards the user
  EXPECT_EQ(bar_->ScrollOffset(), 50);
  Layout();
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, 240), 0);
  EXPECT_EQ(bar_->ScrollOffset(), 0);
}

TEST_F(TimersTest, CloseBarFiresOnCloseAfterItsDelay) {
  bar_->CloseButton()->SetVisible(true);
  int closes = 0;
  bar_->CloseButton()->OnClose.Bind(form_, "Closed", [&](TObject* sender) {
    EXPECT_EQ(sender, bar_);
    ++closes;
  });
  Layout();
  const TRect box = bar_->CloseBox().Rect;
  ASSERT_NE(box, kHiddenRect);
  Move(Centre(box));
  Press(Centre(box));
  Release(Centre(box));
  EXPECT_EQ(closes, 0);
  Tick(200);
  EXPECT_EQ(closes, 1);
  Tick(1000);
  EXPECT_EQ(closes, 1);
}

TEST_F(TimersTest, AlertBlinksAtItsIntervalUntilCleared) {
  const size_t before = ActiveTimerCount();
  bar_->SetAlertInterval(300);  // no alert: no timer
  EXPECT_EQ(ActiveTimerCount(), before);
  TnbButton* b = bar_->Header(2)->GetButton(0);
  bar_->SetAlertButton(b);
  EXPECT_TRUE(b->Alert());
  EXPECT_FALSE(b->AlertPhase());
  Tick(300);
  EXPECT_TRUE(b->AlertPhase());
  Tick(300);
  EXPECT_FALSE(b->AlertPhase());
  bar_->Header(2)->Buttons()->DeleteButton(b);
  EXPECT_EQ(bar_->AlertButton(), nullptr);
  EXPECT_EQ(ActiveTimerCount(), before);
}

TEST_F(TimersTest, ContextMenuAsksForTheItemUnderTheMouse) {
  TObject* asked = nullptr;
  bar_->OnContextPopup.Bind(form_, "Popup", [&](TObject* sender, TPoint, bool& handled) {
    asked = sender;
    handled = true;
  });
  TnbButton* b = bar_->Header(0)->GetButton(0);
  const TPoint p = Centre(b->Rects().Button);
  Move(p);
  EXPECT_EQ(bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar_->ClientToScreen(p))), 1);
  EXPECT_EQ(asked, b);
  const TPoint q = Centre(bar_->Header(1)->CaptionRect());
  Move(q);
  bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar_->ClientToScreen(q)));
  EXPECT_EQ(asked, bar_->Header(1));
}

// The menu key or Shift+F10 give no position: the bar's menu is asked for at its middle, not
// at the screen's corner.
TEST_F(TimersTest, AContextMenuFromTheKeyboardOpensOverTheBar) {
  TObject* asked = nullptr;
  TPoint at{-1, -1};
  bar_->OnContextPopup.Bind(form_, "Popup", [&](TObject* sender, TPoint p, bool& handled) {
    asked = sender;
    at = p;
    handled = sender == bar_;
  });
  EXPECT_EQ(bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1})), 1);
  EXPECT_EQ(asked, bar_);
  EXPECT_EQ(at, (TPoint{bar_->Width() / 2, bar_->Height() / 2}));
}

// While a button of the bar is dragged the blink waits, so the picture under the drag stays as
// it was; a press that may still become a drag blinks without repainting.
TEST_F(TimersTest, TheAlertBlinkWaitsWhileAButtonIsDragged) {
  auto service = std::make_unique<TDragThatWaits>();
  TDragThatWaits* drag = service.get();
  SetDragDropService(std::move(service));
  TnbButton* alert = bar_->Header(0)->GetButton(2);
  bar_->SetAlertButton(alert);
  struct Seen {
    bool phase, repaint;
  };
  auto tick = [&] {
    ValidateRect(bar_->Handle(), nullptr);
    bar_->Perform(WM_TIMER, 5, 0);
    TRect dirty;
    return Seen{alert->AlertPhase(), GetUpdateRect(bar_->Handle(), dirty)};
  };
  Seen inDrag{};
  drag->during = [&] {
    ASSERT_NE(bar_->DraggedButton(), nullptr);
    inDrag = tick();
  };
  const TPoint from = Centre(bar_->Header(0)->GetButton(0)->Rects().Button);
  Move(from);
  Press(from);
  const Seen pending = tick();
  EXPECT_TRUE(pending.phase);
  EXPECT_FALSE(pending.repaint);
  Move({from.x, from.y + 30});
  EXPECT_TRUE(inDrag.phase) << "no blink during the drag";
  EXPECT_FALSE(inDrag.repaint);
  Release({from.x, from.y + 30});
  const Seen after = tick();
  EXPECT_FALSE(after.phase);
  EXPECT_TRUE(after.repaint);
  SetDragDropService(nullptr);
}

TEST_F(TimersTest, WheelStepsInTheExplorerCloseUpView) {
  struct Row {
    int delta, offsetBefore, offsetAfter;
  };
  const Row rows[] = {
      {-120, 0, 50}, {-240, 50, 150}, {-119, 50, 50}, {0, 50, 50}, {119, 50, 50},
      {120, 100, 50}, {240, 100, 0}, {360, 50, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.delta);
    while (bar_->ScrollOffset() < row.offsetBefore) bar_->ScrollColumnDown();
    while (bar_->ScrollOffset() > row.offsetBefore) bar_->ScrollColumnUp();
    Layout();
    bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, row.delta), 0);
    EXPECT_EQ(bar_->ScrollOffset(), row.offsetAfter);
  }
}

TEST_F(TimersTest, HoldingADragOnTheListDownBoxStepsAtEveryTick) {
  bar_->SetViewStyle(vsOutlook);
  TnbHeader* many = AddHeader("Many", 30);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(many);
  Layout();
  const TRect down = Box(TnbSideBar::ListDown).Rect;
  ASSERT_TRUE(nbShown(down));
  uint32_t effect = DROPEFFECT_MOVE;
  bar_->DoDragOver(bar_, 0, bar_->ClientToScreen(Centre(down)), effect);
  EXPECT_EQ(Box(TnbSideBar::ListDown).State, TnbScrollBox::Pressed);
  EXPECT_EQ(many->FirstVisibleIndex(), 0);
  Tick(600);
  EXPECT_EQ(many->FirstVisibleIndex(), 1);
  Tick(600);
  EXPECT_EQ(many->FirstVisibleIndex(), 2);
  // Off the box the list holds still: the box is let go and its timer ends at the next tick.
  bar_->DoDragOver(bar_, 0, bar_->ClientToScreen({5, 5}), effect);
  Tick(600);
  Tick(600);
  EXPECT_EQ(many->FirstVisibleIndex(), 2);
  bar_->DoDragLeave();
}

// A drag held over a header opens it (explorer view) or makes it active (one header at a
// time) once its delay has passed since the drag first came over it; lingering over the
// same header does not start the delay again.
TEST_F(TimersTest, ADragHeldOverAHeaderOpensOrActivatesItAfterItsDelay) {
  bar_->SetHeaderScrollType(stNone);
  struct Row {
    const char* layout;
    TnbViewStyle view;
  };
  for (const Row& row : {Row{"explorer", vsExplorerBar}, Row{"outlook", vsOutlook}}) {
    SCOPED_TRACE(row.layout);
    bar_->SetViewStyle(row.view);
    bar_->SetActiveHeader(bar_->Header(0));
    TnbHeader* held = bar_->Header(1);
    held->SetOpened(false);
    Layout();
    const auto reached = [&] { return row.view == vsOutlook ? bar_->ActiveHeader() == held : held->Opened(); };
    const TPoint over = bar_->ClientToScreen(Centre(held->CaptionRect()));
    uint32_t effect = DROPEFFECT_MOVE;
    bar_->DoDragOver(bar_, 0, over, effect);
    EXPECT_EQ(bar_->AutoChangeCandidate(), held);
    Tick(60);
    bar_->DoDragOver(bar_, 0, over, effect);  // the same header: the delay runs on
    EXPECT_FALSE(reached());
    Tick(40);
    EXPECT_TRUE(reached()) << "after the delay counted from the first move over the header";
    bar_->DoDragLeave();
    EXPECT_EQ(bar_->AutoChangeCandidate(), nullptr);
  }
}

TEST_F(TimersTest, AnAlertSetBeforeTheBarHasAWindowBlinksOnceItHasOne) {
  auto* bar = new TnbSideBar(form_);
  TnbButton* b = bar->Headers()->Add()->Buttons()->Add();
  bar->SetAlertButton(b);
  ASSERT_FALSE(bar->HandleAllocated());
  bar->SetParent(form_);
  bar->HandleNeeded();
  Tick(500);
  EXPECT_TRUE(b->AlertPhase());
  Tick(500);
  EXPECT_FALSE(b->AlertPhase());
}
