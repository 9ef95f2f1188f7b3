#include "tests/controls/control_fixture.h"

#include <algorithm>

#include "platform/windows/cursors.h"
#include "platform/windows/painting.h"

namespace {

using ControlMessages = ControlTest;

// A control class that handles one message itself and one through its base class.
class TDerivedControl : public TTestControl {
  DECLARE_CLASS(TDerivedControl, TTestControl)
 public:
  using TTestControl::TTestControl;
  std::vector<String> calls;

 protected:
  static const TMessageMap& ClassMessages() {
    static const TMessageMap map = [] {
      TMessageMap m(&TTestControl::ClassMessages());
      m.On(WM_USER, &TDerivedControl::WMUser);
      m.On(WM_GETDLGCODE, &TDerivedControl::WMGetDlgCodeToo);
      return m;
    }();
    return map;
  }
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void WMUser(TMessage& m) {
    calls.push_back("user");
    m.Result = 7;
  }
  void WMGetDlgCodeToo(TMessage& m) {
    calls.push_back("derived");
    WMGetDlgCode(m);
    m.Result |= DLGC_WANTCHARS;
  }
};

TEST_F(ControlMessages, MessagesDispatchToTheMostDerivedHandler) {
  TForm* form = MakeForm();
  auto* c = new TDerivedControl(form);
  c->SetParent(form);
  c->dialogCode = DLGC_WANTTAB;
  EXPECT_EQ(c->Perform(WM_USER), 7);
  EXPECT_EQ(c->Perform(WM_GETDLGCODE), DLGC_WANTTAB | DLGC_WANTCHARS);
  EXPECT_EQ(c->calls, (std::vector<String>{"user", "derived"}));
  EXPECT_EQ(c->Perform(WM_USER + 1), 0) << "unhandled messages reach the window's default";
}

TEST_F(ControlMessages, ReplacingWindowProcSubclassesTheControl) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  TWndMethod previous = c->WindowProc;
  int clicks = 0;
  c->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_LBUTTONUP) ++clicks;
    previous(m);
  };
  bool clicked = false;
  c->OnClick.Bind(form, "Click", [&](TObject*) { clicked = true; });
  InjectClick(At(c, 5, 5));
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(clicked) << "the previous procedure still runs";
  c->WindowProc = previous;
}

TEST_F(ControlMessages, NotificationsAreReflectedToTheChildThatSentThem) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  c->seen.clear();
  SendMessage(form->Handle(), WM_COMMAND, MakeWParam(1, 0), reinterpret_cast<LPARAM>(c->Handle()));
  NMHDR header{c->Handle(), 1, 5};
  SendMessage(form->Handle(), WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
  EXPECT_NE(std::find(c->seen.begin(), c->seen.end(), CN_COMMAND), c->seen.end());
  EXPECT_NE(std::find(c->seen.begin(), c->seen.end(), CN_NOTIFY), c->seen.end());
}

TEST_F(ControlMessages, ClickAndDoubleClickEvents) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 50, 50));
  std::vector<String> events;
  c->OnClick.Bind(form, "Click", [&](TObject*) { events.push_back("click"); });
  c->OnDblClick.Bind(form, "DblClick", [&](TObject*) { events.push_back("dblclick"); });
  c->OnMouseDown.Bind(form, "Down", [&](TObject*, TMouseButton, TShiftState s, int x, int y) {
    events.push_back(s.Contains(ssDouble) ? "down double" : "down " + std::to_string(x) + "," + std::to_string(y));
  });
  InjectClick(At(c, 3, 4));
  InjectClick(At(c, 3, 4));
  Pump();
  EXPECT_EQ(events, (std::vector<String>{"down 3,4", "click", "dblclick", "down double"}));
}

TEST_F(ControlMessages, ReleasingOutsideIsNoClickAndTheControlKeepsTheMouse) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 50, 50));
  TTestControl* other = AddControl(form, Bounds(100, 10, 50, 50));
  int clicks = 0;
  c->OnClick.Bind(form, "Click", [&](TObject*) { ++clicks; });
  InjectMouseButton(mbLeft, true, At(c, 5, 5));
  Pump();
  EXPECT_TRUE(c->MouseCapture());
  InjectMouseButton(mbLeft, false, At(other, 5, 5));
  Pump();
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(c->MouseCapture());
  EXPECT_EQ(std::count(other->seen.begin(), other->seen.end(), WM_LBUTTONUP), 0);
}

TEST_F(ControlMessages, GraphicControlsGetTheirMouseInputFromTheirParent) {
  TForm* form = MakeForm();
  TTestGraphic* g = AddGraphic(form, Bounds(20, 20, 40, 40));
  std::vector<TPoint> downs;
  g->OnMouseDown.Bind(form, "Down", [&](TObject*, TMouseButton, TShiftState, int x, int y) { downs.push_back({x, y}); });
  int clicks = 0;
  g->OnClick.Bind(form, "Click", [&](TObject*) { ++clicks; });
  InjectClick(At(form, 25, 27));
  Pump();
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0], Point(5, 7));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ControlMessages, MouseEnterAndLeaveFollowThePointer) {
  TForm* form = MakeForm();
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 50));
  TTestGraphic* g = AddGraphic(form, Bounds(100, 0, 50, 50));
  std::vector<String> events;
  auto track = [&events](const char* name) {
    return [&events, name](TMessage& m) {
      if (m.Msg == CM_MOUSEENTER && m.LParam == 0) events.push_back(String("enter ") + name);
      if (m.Msg == CM_MOUSELEAVE && m.LParam == 0) events.push_back(String("leave ") + name);
      return false;
    };
  };
  TWindowProcHook aHook(a, track("a"));
  TWindowProcHook gHook(g, track("g"));
  InjectMouseMove(At(a, 5, 5));
  Pump();
  InjectMouseMove(At(a, 6, 5));
  Pump();
  InjectMouseMove(At(g, 5, 5));
  Pump();
  EXPECT_EQ(events, (std::vector<String>{"enter a", "leave a", "enter g"}));
  EXPECT_EQ(Application->MouseControl(), g);
  SetCursorPosQuietly({-5000, -5000});  // the pointer left every window of ours
  Application->HandleMessage();
  EXPECT_EQ(events.back(), "leave g");
  EXPECT_EQ(Application->MouseControl(), nullptr);
}

TEST_F(ControlMessages, WheelGoesToTheFocusedControlAndClimbsWhenUnhandled) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  c->SetFocus();
  int formDelta = 0, controlCalls = 0;
  form->OnMouseWheel.Bind(form, "Wheel", [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
    formDelta += delta;
    handled = true;
  });
  c->OnMouseWheel.Bind(form, "Wheel2", [&](TObject*, TShiftState, int, TPoint, bool&) { ++controlCalls; });
  InjectMouseWheel(-120, At(c, 5, 5));
  Pump();
  EXPECT_EQ(controlCalls, 1);
  EXPECT_EQ(formDelta, -120);
}

TEST_F(ControlMessages, ParentFontAndColorFlowToChildrenUntilTheyChooseTheirOwn) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  c->SetParentColor(true);
  form->Font()->SetName("宋体");
  form->SetColor(clNavy);
  EXPECT_EQ(c->Font()->Name(), "宋体");
  EXPECT_EQ(c->Color(), clNavy);
  EXPECT_TRUE(c->ParentFont());
  c->Font()->SetSize(20);
  EXPECT_FALSE(c->ParentFont());
  c->SetColor(clRed);
  form->Font()->SetName("Arial");
  form->SetColor(clGreen);
  EXPECT_EQ(c->Font()->Name(), "宋体");
  EXPECT_EQ(c->Color(), clRed);
}

TEST_F(ControlMessages, ASystemColourChangeReachesEveryControlOfTheWindow) {
  TForm* form = MakeForm();
  TTestControl* panel = AddControl(form, Bounds(0, 0, 200, 200));
  TTestControl* inner = AddControl(panel, Bounds(0, 0, 50, 50));
  form->Perform(WM_SYSCOLORCHANGE);
  for (TTestControl* c : {panel, inner}) {
    EXPECT_EQ(std::count(c->seen.begin(), c->seen.end(), CM_SYSCOLORCHANGE), 1) << c->Name();
  }
}

TEST_F(ControlMessages, ParentsAreToldWhenTheirChildListChanges) {
  TForm* form = MakeForm();
  TTestControl* panel = AddControl(form, Bounds(0, 0, 200, 200));
  std::vector<std::pair<UINT, LPARAM>> notices;
  TWindowProcHook hook(panel, [&](TMessage& m) {
    if (m.Msg == CM_CONTROLLISTCHANGE || m.Msg == CM_CONTROLCHANGE) notices.emplace_back(m.Msg, m.LParam);
    return false;
  });
  TTestGraphic* child = AddGraphic(panel, Bounds(0, 0, 10, 10));
  child->SetParent(form);
  EXPECT_EQ(notices, (std::vector<std::pair<UINT, LPARAM>>{
                         {CM_CONTROLLISTCHANGE, 1}, {CM_CONTROLCHANGE, 1}, {CM_CONTROLCHANGE, 0}, {CM_CONTROLLISTCHANGE, 0}}));
}

TEST_F(ControlMessages, Ctl3DFollowsTheParentUntilSetOnItsOwn) {
  TForm* form = MakeForm();
  TTestControl* panel = AddControl(form, Bounds(0, 0, 200, 200));
  TTestControl* inner = AddControl(panel, Bounds(0, 0, 10, 10));
  form->SetCtl3D(false);
  EXPECT_FALSE(inner->Ctl3D());
  inner->SetCtl3D(true);
  form->SetCtl3D(true);
  form->SetCtl3D(false);
  EXPECT_TRUE(inner->Ctl3D());
  EXPECT_FALSE(panel->Ctl3D());
}

TEST_F(ControlMessages, ContextPopupEventCanTakeTheRightClick) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(10, 10, 50, 50));
  TPoint where;
  c->OnContextPopup.Bind(form, "Popup", [&](TObject*, TPoint p, bool& handled) {
    where = p;
    handled = true;
  });
  InjectClick(At(c, 7, 8), mbRight);
  Pump();
  EXPECT_EQ(where, Point(7, 8));
}

TEST_F(ControlMessages, PointerShapeFollowsTheControlUnderItAndTheScreenOverride) {
  TForm* form = MakeForm();
  TTestControl* edit = AddControl(form, Bounds(0, 0, 50, 50));
  TTestGraphic* link = AddGraphic(form, Bounds(100, 0, 50, 50));
  edit->SetCursor(crIBeam);
  link->SetCursor(crHandPoint);
  InjectMouseMove(At(edit, 5, 5));
  EXPECT_EQ(GetCursor(), IDC_IBEAM);
  InjectMouseMove(At(link, 5, 5));
  EXPECT_EQ(GetCursor(), IDC_HAND) << "a graphic control's cursor is chosen by its parent";
  InjectMouseMove(At(form, 80, 80));
  EXPECT_EQ(GetCursor(), IDC_ARROW);
  Screen->SetCursor(crHourGlass);
  InjectMouseMove(At(edit, 6, 6));
  EXPECT_EQ(GetCursor(), IDC_WAIT) << "the screen's cursor wins everywhere";
  Screen->SetCursor(crDefault);
  Pump();
}

TEST_F(ControlMessages, BringToFrontChangesWhatIsHitAndPainted) {
  TForm* form = MakeForm();
  TTestControl* below = AddControl(form, Bounds(0, 0, 50, 50), clRed);
  TTestControl* above = AddControl(form, Bounds(25, 25, 50, 50), clBlue);
  Pump();
  EXPECT_EQ(Pixel(form, 30, 30), ColorToRGB(clBlue));
  EXPECT_EQ(WindowFromPoint(At(form, 30, 30)), above->Handle());
  below->BringToFront();
  Pump();
  EXPECT_EQ(Pixel(form, 30, 30), ColorToRGB(clRed));
  EXPECT_EQ(WindowFromPoint(At(form, 30, 30)), below->Handle());
  EXPECT_EQ(form->Controls(form->ControlCount() - 1), below) << "the index order follows";
}

TEST_F(ControlMessages, DestroyingAControlForgetsItEverywhere) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 50));
  c->SetFocus();
  InjectMouseMove(At(c, 5, 5));
  Pump();
  HWND h = c->Handle();
  delete c;
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(form->ActiveControl(), nullptr);
  EXPECT_EQ(Application->MouseControl(), nullptr);
  EXPECT_EQ(form->ControlCount(), 0);
  InjectMouseMove(At(form, 6, 5));
  Pump();
}

}  // namespace
