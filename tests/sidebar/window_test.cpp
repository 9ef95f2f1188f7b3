#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/controls/control_drag.h"
#include "platform/controls/application.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/screen.h"
#include "platform/windows/cursors.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"
#include "platform/windows/window_tree.h"
#include "tests/sidebar/sidebar_fixture.h"

// The bar's window: its border styles, the colour and 3D changes that rebuild it, and the
// presses it takes before the class library's automatic drag could.

namespace {

// A bar that counts its windows and records what reaches the window's default handling.
class TProbeBar : public TnbSideBar {
 public:
  using TnbSideBar::TnbSideBar;
  int windows = 0;
  std::vector<UINT> defaults;
  TCreateParams Params() {
    TCreateParams p;
    CreateParams(p);
    return p;
  }

 protected:
  void CreateWnd() override {
    ++windows;
    TnbSideBar::CreateWnd();
  }
  void DefaultHandler(TMessage& m) override {
    defaults.push_back(m.Msg);
    TnbSideBar::DefaultHandler(m);
  }
};

class WindowTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    probe_ = new TProbeBar(form_);
    probe_->SetParent(form_);
    probe_->SetAlign(alNone);
    probe_->SetBoundsRect(Bounds(210, 0, 150, 300));
    probe_->HandleNeeded();
  }
  uint32_t Style() { return static_cast<uint32_t>(GetWindowLong(probe_->Handle(), GWL_STYLE)); }
  uint32_t ExStyle() { return static_cast<uint32_t>(GetWindowLong(probe_->Handle(), GWL_EXSTYLE)); }
  TProbeBar* probe_ = nullptr;
};

}  // namespace

TEST_F(WindowTest, SingleBorderIsAClientEdgeIn3DAndALineWithout) {
  EXPECT_EQ(Style() & WS_BORDER, 0u);  // a new bar has no border
  EXPECT_EQ(ExStyle() & WS_EX_CLIENTEDGE, 0u);
  probe_->SetBorderStyle(bsSingle);
  EXPECT_EQ(Style() & WS_BORDER, 0u);
  EXPECT_NE(ExStyle() & WS_EX_CLIENTEDGE, 0u);
  EXPECT_LT(probe_->ClientWidth(), probe_->Width());
  const int windows = probe_->windows;
  probe_->SetCtl3D(false);  // the border changes with the look: a new window
  EXPECT_GT(probe_->windows, windows);
  EXPECT_NE(Style() & WS_BORDER, 0u);
  EXPECT_EQ(ExStyle() & WS_EX_CLIENTEDGE, 0u);
}

TEST_F(WindowTest, LookChangesWithoutABorderKeepTheWindow) {
  const int windows = probe_->windows;
  probe_->SetCtl3D(false);
  EXPECT_EQ(probe_->windows, windows);
}

TEST_F(WindowTest, WindowClassDoesNotRedrawOnResize) {
  const TCreateParams p = probe_->Params();
  EXPECT_EQ(p.WindowClassStyle & (CS_HREDRAW | CS_VREDRAW), 0u);
}

TEST_F(WindowTest, ColourChangeRebuildsTheWindow) {
  const int windows = probe_->windows;
  probe_->SetColor(clRed);
  EXPECT_GT(probe_->windows, windows);
  EXPECT_TRUE(probe_->HandleAllocated());
}

TEST_F(WindowTest, SystemColourChangeReachesTheWindowUnlessLoading) {
  probe_->Perform(CM_SYSCOLORCHANGE);
  EXPECT_EQ(std::count(probe_->defaults.begin(), probe_->defaults.end(), WM_SYSCOLORCHANGE), 1);
  probe_->defaults.clear();
  {
    TComponentStateScope loading(probe_, csLoading);
    probe_->Perform(CM_SYSCOLORCHANGE);
  }
  EXPECT_EQ(std::count(probe_->defaults.begin(), probe_->defaults.end(), WM_SYSCOLORCHANGE), 0);
}

TEST_F(WindowTest, AutomaticDragModeLeavesButtonPressesToTheBar) {
  TnbHeader* h = AddHeader("Mail", 2);
  bar_->SetActiveHeader(h);
  bar_->SetDragMode(dmAutomatic);
  Layout();
  int clicks = 0;
  h->GetButton(0)->OnClick.Bind(form_, "Clicked", [&](TObject*) { ++clicks; });
  const TPoint p = Centre(h->GetButton(0)->Rects().Button);
  Move(p);
  bar_->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, PointToLParam(p));  // a second press, no drag
  EXPECT_EQ(DraggedControl(), nullptr);
  EXPECT_FALSE(bar_->Dragging());
  EXPECT_EQ(h->GetButton(0)->State(), hbsDown);
  EXPECT_TRUE(bar_->ControlState().Contains(csLButtonDown));
  EXPECT_EQ(bar_->DragMode(), dmAutomatic);
  Release(p);
  EXPECT_FALSE(bar_->ControlState().Contains(csLButtonDown));
  EXPECT_EQ(clicks, 1);
}

TEST_F(WindowTest, PressOnTheFrameOrTheBarTakesTheFocus) {
  probe_->Perform(WM_NCLBUTTONDOWN, 0, 0);
  EXPECT_TRUE(probe_->Focused());
  bar_->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam({100, 300}));
  EXPECT_TRUE(bar_->Focused());
}

TEST_F(WindowTest, AButtonShowsItsPointerUnlessTheScreenHasOne) {
  TnbHeader* h = AddHeader("Mail", 2);
  bar_->SetActiveHeader(h);
  Layout();
  h->GetButton(1)->SetCursor(crHandPoint);
  const auto request = [this] {
    return bar_->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(bar_->Handle()), HTCLIENT);
  };
  Move(Centre(h->GetButton(1)->Rects().Button));
  EXPECT_EQ(request(), 1);
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHandPoint));
  Screen->SetCursor(crHourGlass);
  request();
  EXPECT_EQ(GetCursor(), Screen->Cursors(crHourGlass));
  EXPECT_EQ(Screen->Cursor(), crHourGlass);  // moving over the bar leaves it alone
  Move(Centre(h->GetButton(0)->Rects().Button));
  EXPECT_EQ(Screen->Cursor(), crHourGlass);
  Screen->SetCursor(crDefault);
}

TEST_F(WindowTest, TheParentHearsTheMouseEnterAndLeaveTheBar) {
  std::vector<std::pair<UINT, LPARAM>> heard;
  TWndMethod formProc = form_->WindowProc;
  form_->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_MOUSEENTER || m.Msg == CM_MOUSELEAVE) heard.emplace_back(m.Msg, m.LParam);
    formProc(m);
  };
  const auto self = reinterpret_cast<LPARAM>(bar_);
  bar_->Perform(CM_MOUSEENTER, 0, 0);
  bar_->Perform(CM_MOUSELEAVE, 0, 0);
  form_->WindowProc = formProc;
  EXPECT_EQ(heard, (std::vector<std::pair<UINT, LPARAM>>{{CM_MOUSEENTER, self}, {CM_MOUSELEAVE, self}}));
}

TEST_F(WindowTest, AnInfoTipRequestShowsTheBarsHintAtOnce) {
  probe_->SetHint("导航栏");
  probe_->SetShowHint(true);
  SetCursorPosQuietly(probe_->ClientToScreen(Point(20, 40)));
  NMHDR other;
  other.code = 5;
  probe_->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));
  EXPECT_FALSE(Application->HintWindow()->Active()) << "other notifications show nothing";
  NMHDR tip;
  tip.code = TnbSideBar::kInfoTipNotification;
  probe_->Perform(CN_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
  ASSERT_TRUE(Application->HintWindow()->Active());
  EXPECT_EQ(Application->HintWindow()->Caption(), "导航栏");
  Application->CancelHint();
}
