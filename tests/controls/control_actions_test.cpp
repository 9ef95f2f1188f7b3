// Controls linked to actions, and the action updates the application runs when it is idle.
#include "platform/controls/actions.h"
#include "platform/controls/menus.h"
#include "platform/controls/panel.h"
#include "tests/controls/std_control_fixture.h"

namespace {

// A panel that has a checked state and a shortcut, as a check button or a menu-like control
// would.
class TCheckedPanel : public TPanel {
 public:
  using TPanel::TPanel;
  bool checked = false;
  TShortCut shortCut = 0;

 protected:
  bool GetLinkedChecked() const override { return checked; }
  void SetLinkedChecked(bool v) override { checked = v; }
  TShortCut GetLinkedShortCut() const override { return shortCut; }
  void SetLinkedShortCut(TShortCut v) override { shortCut = v; }
};

class ControlActionsTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    action = new TAction(form_);
    action->SetCaption("&Bold");
    action->SetHint("Bold text");
    action->SetChecked(true);
    action->SetShortCut(ShortCut('B', {ssCtrl}));
    action->OnExecute.Bind(form_, "BoldExecute", [this](TObject*) {
      log += "execute;";
      runBy = action->ActionComponent();
    });
    panel = Make<TCheckedPanel>(Bounds(10, 10, 80, 30));
  }
  TAction* action = nullptr;
  TCheckedPanel* panel = nullptr;
  String log;
  TComponent* runBy = nullptr;
};

TEST_F(ControlActionsTest, AnAssignedActionGivesTheControlItsValuesAndKeepsThemInStep) {
  panel->SetAction(action);
  ASSERT_NE(panel->ActionLink(), nullptr);
  EXPECT_EQ(panel->Action(), action);
  EXPECT_EQ(panel->Caption(), "&Bold");
  EXPECT_EQ(panel->Hint(), "Bold text");
  EXPECT_TRUE(panel->checked);
  EXPECT_EQ(panel->shortCut, ShortCut('B', {ssCtrl}));
  EXPECT_TRUE(panel->OnClick.SameMethod(action->OnExecute));
  action->SetEnabled(false);
  action->SetChecked(false);
  action->SetShortCut(ShortCut(VK_F2, {}));
  action->SetCaption("B&old");
  EXPECT_FALSE(panel->Enabled());
  EXPECT_FALSE(panel->checked);
  EXPECT_EQ(panel->shortCut, ShortCut(VK_F2, {}));
  EXPECT_EQ(panel->Caption(), "B&old");
  // A value the control chose for itself stays.
  panel->SetHint("Mine");
  action->SetHint("Other");
  EXPECT_EQ(panel->Hint(), "Mine");
  action->SetVisible(false);
  EXPECT_FALSE(panel->Visible());
}

TEST_F(ControlActionsTest, AClickRunsTheActionForTheControlUnlessItHasItsOwnHandler) {
  panel->SetAction(action);
  Click(panel, 5, 5);
  EXPECT_EQ(log, "execute;");
  EXPECT_EQ(runBy, panel);
  action->SetEnabled(false);
  Click(panel, 5, 5);
  EXPECT_EQ(log, "execute;") << "a disabled action does not run";
  action->SetEnabled(true);
  panel->SetEnabled(true);
  panel->OnClick.Bind(form_, "Own", [this](TObject*) { log += "own;"; });
  Click(panel, 5, 5);
  EXPECT_EQ(log, "execute;own;");
}

TEST_F(ControlActionsTest, ActionAndControlForgetEachOtherWhenEitherGoes) {
  panel->SetAction(action);
  EXPECT_EQ(action->Links().size(), 1u);
  delete action;
  action = nullptr;
  EXPECT_EQ(panel->Action(), nullptr);
  EXPECT_EQ(panel->ActionLink(), nullptr);
  auto* second = new TAction(form_);
  panel->SetAction(second);
  delete panel;
  EXPECT_TRUE(second->Links().empty());
  panel = Make<TCheckedPanel>(Bounds(10, 10, 80, 30));
  panel->SetAction(second);
  panel->SetAction(nullptr);
  EXPECT_TRUE(second->Links().empty());
  delete second;  // no notification reaches a control that let go
}

TEST_F(ControlActionsTest, AControlBeingLoadedKeepsTheValuesItWasGiven) {
  panel->SetCaption("Loaded");
  panel->OnClick.Bind(form_, "Loaded", [this](TObject*) { log += "loaded;"; });
  panel->SetLoading(true);
  panel->SetAction(action);
  panel->SetLoading(false);
  EXPECT_EQ(panel->Caption(), "Loaded");
  EXPECT_EQ(panel->Hint(), "Bold text") << "an empty hint is a default the action fills";
  EXPECT_EQ(panel->OnClick.MethodName(), "Loaded");
}

class IdleActionsTest : public ControlActionsTest {
 protected:
  // What each action's OnUpdate saw, in order.
  void Watch(TBasicAction* a, const char* name) {
    a->OnUpdate.Bind(nullptr, name, [this, name](TObject*) { updates += String(name) + ";"; });
  }
  void Idle() {
    Application->ProcessMessages();
    Application->HandleMessage();  // nothing queued: the application is idle
  }
  String updates;
};

TEST_F(IdleActionsTest, IdleUpdatesTheActionsOfVisibleControlsMenuTitlesAndActionListsOnce) {
  Watch(action, "control");
  panel->SetAction(action);
  auto* shared = new TCheckedPanel(form_);
  shared->SetParent(form_);
  shared->SetAction(action);
  auto* menu = new TMainMenu(form_);
  auto* title = new TMenuItem(form_);
  menu->Items()->Add(title);
  auto* titleAction = new TAction(form_);
  Watch(titleAction, "title");
  title->SetAction(titleAction);
  form_->SetMenu(menu);
  auto* list = new TActionList(form_);
  auto* listed = new TAction(form_);
  listed->SetActionList(list);
  Watch(listed, "list");
  Idle();
  EXPECT_EQ(updates, "title;control;list;");
  updates.clear();
  panel->Hide();
  shared->Hide();
  Idle();
  EXPECT_EQ(updates, "title;list;") << "hidden controls are not updated";
}

TEST_F(IdleActionsTest, AnUpdateThatDisablesTheActionDisablesItsControlOnIdle) {
  panel->SetAction(action);
  bool allowed = true;
  action->OnUpdate.Bind(nullptr, "Allow", [&](TObject*) { action->SetEnabled(allowed); });
  allowed = false;
  Idle();
  EXPECT_FALSE(panel->Enabled());
  allowed = true;
  Idle();
  EXPECT_TRUE(panel->Enabled());
}

TEST_F(IdleActionsTest, AHiddenFormIsNotUpdated) {
  Watch(action, "control");
  panel->SetAction(action);
  form_->Hide();
  Idle();
  EXPECT_EQ(updates, "");
}

}  // namespace
