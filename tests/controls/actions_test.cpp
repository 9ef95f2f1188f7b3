#include "platform/controls/actions.h"

#include "platform/controls/panel.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class ActionsTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    list = new TActionList(form_);
    action = new TAction(form_);
    action->SetActionList(list);
    action->OnExecute.Bind(form_, "SaveExecute", [this](TObject* sender) {
      log += "execute;";
      executedBy = sender;
    });
  }
  TActionList* list = nullptr;
  TAction* action = nullptr;
  String log;
  TObject* executedBy = nullptr;
};

TEST_F(ActionsTest, ExecuteUpdatesFirstAndADisabledActionDoesNothing) {
  action->OnUpdate.Bind(nullptr, "Update", [this](TObject*) { log += "update;"; });
  EXPECT_TRUE(action->Execute());
  EXPECT_EQ(log, "update;execute;");
  EXPECT_EQ(executedBy, action);
  log.clear();
  action->SetEnabled(false);
  EXPECT_FALSE(action->Execute());
  EXPECT_EQ(log, "update;");
  action->SetEnabled(true);
  action->SetAutoCheck(true);
  action->Execute();
  EXPECT_TRUE(action->Checked());
  action->Execute();
  EXPECT_FALSE(action->Checked());
}

TEST_F(ActionsTest, TheListHandlesItsActionsFirst) {
  bool handle = true;
  list->OnExecute.Bind(nullptr, "ListExecute", [&](TBasicAction* a, bool& handled) {
    log += a == action ? "list;" : "other;";
    handled = handle;
  });
  action->Execute();
  EXPECT_EQ(log, "list;");
  handle = false;
  action->Execute();
  EXPECT_EQ(log, "list;list;execute;");
  EXPECT_EQ(list->ActionCount(), 1);
  EXPECT_EQ(action->Index(), 0);
  EXPECT_THROW(list->Actions(1), EListError);
  delete action;
  EXPECT_EQ(list->ActionCount(), 0);
}

TEST_F(ActionsTest, ShortcutsRunTheirEnabledAction) {
  action->SetShortCut(ShortCut('S', {ssCtrl}));
  EXPECT_FALSE(list->IsShortCut('S', {}));
  EXPECT_TRUE(list->IsShortCut('S', {ssCtrl}));
  EXPECT_EQ(log, "execute;");
  action->OnUpdate.Bind(nullptr, "Disable", [this](TObject*) { action->SetEnabled(false); });
  EXPECT_FALSE(list->IsShortCut('S', {ssCtrl}));
  EXPECT_EQ(log, "execute;");
}

TEST_F(ActionsTest, LinkedControlFollowsTheActionUntilItChoosesItsOwnValues) {
  action->SetCaption("&Save");
  action->SetHint("Saves the file");
  auto* panel = Make<TPanel>(Bounds(10, 10, 80, 30));
  TControlActionLink link(panel);
  link.SetAction(action);
  EXPECT_EQ(panel->Caption(), "&Save");
  EXPECT_EQ(panel->Hint(), "Saves the file");
  EXPECT_TRUE(panel->OnClick.SameMethod(action->OnExecute));
  EXPECT_TRUE(link.IsOnExecuteLinked());
  action->SetEnabled(false);
  EXPECT_FALSE(panel->Enabled());
  action->SetCaption("Save &As");
  EXPECT_EQ(panel->Caption(), "Save &As");
  panel->SetCaption("Mine");
  action->SetCaption("Other");
  EXPECT_EQ(panel->Caption(), "Mine");
  action->SetVisible(false);
  EXPECT_FALSE(panel->Visible());
  // A new handler reaches a control whose OnClick is still the action's.
  TNotifyEvent replacement;
  replacement.Bind(form_, "SaveExecute2", [this](TObject*) { log += "second;"; });
  action->SetOnExecute(replacement);
  EXPECT_TRUE(panel->OnClick.SameMethod(replacement));
  panel->OnClick.Bind(form_, "Own", [](TObject*) {});
  EXPECT_FALSE(link.IsOnExecuteLinked());
  action->SetOnExecute(TNotifyEvent());
  EXPECT_EQ(panel->OnClick.MethodName(), "Own");
  delete action;
  EXPECT_EQ(link.Action(), nullptr);
}

TEST_F(ActionsTest, LinkExecuteRecordsTheClientWhileRunning) {
  auto* panel = Make<TPanel>(Bounds(10, 10, 80, 30));
  TComponent* during = nullptr;
  action->OnExecute.Bind(nullptr, "Run", [&](TObject*) { during = action->ActionComponent(); });
  TControlActionLink link(panel);
  link.SetAction(action);
  EXPECT_TRUE(link.Execute(panel));
  EXPECT_EQ(during, panel);
  EXPECT_EQ(action->ActionComponent(), nullptr);
}

TEST(ShortCutText, NamesKeysWithTheirModifiersBothWays) {
  struct {
    TShortCut shortCut;
    const char* text;
  } const table[] = {
      {ShortCut('S', {ssCtrl}), "Ctrl+S"},
      {ShortCut('S', {ssCtrl, ssShift}), "Shift+Ctrl+S"},
      {ShortCut(VK_F5, {}), "F5"},
      {ShortCut(VK_DELETE, {}), "Del"},
      {ShortCut(VK_RETURN, {ssAlt}), "Alt+Enter"},
      {ShortCut('1', {ssCtrl, ssAlt}), "Ctrl+Alt+1"},
      {ShortCut(VK_F12, {ssShift}), "Shift+F12"},
  };
  for (const auto& row : table) {
    EXPECT_EQ(ShortCutToText(row.shortCut), row.text);
    EXPECT_EQ(TextToShortCut(row.text), row.shortCut) << row.text;
  }
  EXPECT_EQ(TextToShortCut("ctrl + s"), ShortCut('S', {ssCtrl}));
  EXPECT_EQ(TextToShortCut("Hyper+S"), scNone);
  EXPECT_EQ(TextToShortCut("Ctrl+"), scNone);
  EXPECT_EQ(TextToShortCut(""), scNone);
  EXPECT_EQ(ShortCutToText(0), "");
  EXPECT_EQ(ShortCut(0x1FF, {}), scNone);
}

}  // namespace
