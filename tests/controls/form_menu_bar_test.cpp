// A form's main menu as a menu bar in its non-client area, worked by mouse and keyboard through
// the application's message loop.
#include "platform/controls/form_menu_bar.h"

#include "platform/controls/actions.h"
#include "platform/controls/edit.h"
#include "platform/controls/menu_window.h"
#include "platform/windows/painting.h"
#include "platform/windows/system_metrics.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class FormMenuBarTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    edit = Make<TEdit>(Bounds(10, 10, 120, 22));
    clientBefore = form_->ClientRect();
    menu = new TMainMenu(form_);
    fileTitle = AddItem(menu->Items(), "&File");
    AddItem(fileTitle, "&New");
    save = AddItem(fileTitle, "&Save");
    save->SetShortCut(ShortCut('S', {ssCtrl}));
    editTitle = AddItem(menu->Items(), "&Edit");
    AddItem(editTitle, "&Copy");
    plainTitle = AddItem(menu->Items(), "File");
    AddItem(plainTitle, "Other");
    form_->SetMenu(menu);
    edit->SetFocus();
    Pump();
  }
  TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    parent->Add(item);
    String name = caption;
    item->OnClick.Bind(nullptr, "Click", [this, name](TObject*) { log += name + ";"; });
    return item;
  }
  void Pump() { Application->ProcessMessages(); }
  TFormMenuBar* Bar() { return form_->MenuBar(); }
  // The screen point in the middle of title `index`.
  TPoint OnTitle(int index) {
    TRect r = Bar()->TitleRect(index);
    return {form_->Left() + r.Left + r.Width() / 2, form_->Top() + r.Top + r.Height() / 2};
  }
  void Stroke(uint16_t vk, const String& text = {}) {
    InjectKeyStroke(vk, text);
    Pump();
  }
  // The form's window as it was painted last.
  void Snapshot() {
    Pump();
    bmp_.Assign(WindowSurface(form_->Handle()));
  }
  // Pixels of the caption text colour in a window rectangle.
  int Ink(TRect r) { return Count(clMenuText, r); }
  TPopupMenu* Dropped() { return menu->SubmenuPopup(); }

  TEdit* edit = nullptr;
  TRect clientBefore;
  TMainMenu* menu = nullptr;
  TMenuItem *fileTitle = nullptr, *save = nullptr, *editTitle = nullptr, *plainTitle = nullptr;
  String log;
};

TEST_F(FormMenuBarTest, TheBarTakesItsRoomFromTheClientAreaAndGivesItBack) {
  EXPECT_EQ(form_->ClientHeight(), clientBefore.Height() - GetSystemMetrics(SM_CYMENU));
  TRect bar = Bar()->BarRect();
  EXPECT_EQ(bar.Height(), GetSystemMetrics(SM_CYMENU));
  TPoint barPoint{form_->Left() + bar.Right - 3, form_->Top() + bar.Top + 3};
  EXPECT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, PointToLParam(barPoint)), HTMENU);
  EXPECT_EQ(form_->ClientOrigin().y, form_->Top() + bar.Bottom);
  form_->SetMenu(nullptr);
  EXPECT_EQ(form_->ClientHeight(), clientBefore.Height());
  EXPECT_TRUE(Bar()->BarRect().IsEmpty());
}

TEST_F(FormMenuBarTest, TitlesAreDrawnOnTheMenuColourWithTheirAcceleratorUnderlined) {
  Snapshot();
  TRect bar = Bar()->BarRect();
  EXPECT_EQ(At(bar.Right - 3, bar.Top + 3), Sys(clMenu));
  TRect accel = Bar()->TitleRect(0), plain = Bar()->TitleRect(2);
  ASSERT_FALSE(accel.IsEmpty());
  ASSERT_EQ(accel.Width(), plain.Width()) << "\"&\" takes no room";
  EXPECT_GT(Ink(plain), 10);
  EXPECT_GT(Ink(accel), Ink(plain)) << "the underline under F is extra ink";
  // No edge around a title nobody points at.
  EXPECT_EQ(At(accel.Left, accel.Top), Sys(clMenu));
}

TEST_F(FormMenuBarTest, PaintToPrintsTheBarTheFormDrawsInItsFrame) {
  PaintControl(form_);
  TRect bar = Bar()->BarRect();
  EXPECT_EQ(At(bar.Right - 3, bar.Top + 3), Sys(clMenu));
  EXPECT_GT(Ink(Bar()->TitleRect(2)), 10) << "the titles are printed too";
  Snapshot();
  EXPECT_EQ(At(bar.Right - 3, bar.Top + 3), Sys(clMenu)) << "the window's own picture is untouched";
}

TEST_F(FormMenuBarTest, ATitleItsActionDisablesOnIdleIsRepaintedGrey) {
  auto* action = new TAction(form_);
  action->SetCaption("&Edit");
  bool allowed = true;
  action->OnUpdate.Bind(nullptr, "Allow", [&](TObject*) { action->SetEnabled(allowed); });
  editTitle->SetAction(action);
  Snapshot();
  TRect title = Bar()->TitleRect(1);
  EXPECT_GT(Ink(title), 10);
  allowed = false;
  Application->HandleMessage();  // idle
  Snapshot();
  EXPECT_FALSE(editTitle->Enabled());
  EXPECT_EQ(Ink(title), 0);
  EXPECT_GT(Count(clGrayText, title), 10);
  InjectClick(OnTitle(1));
  Pump();
  EXPECT_FALSE(menu->IsSubmenuOpen()) << "a disabled title does not open";
}

TEST_F(FormMenuBarTest, TheMouseRaisesATitleAndAPressOpensItsItemsUnderIt) {
  InjectMouseMove(OnTitle(1));
  Snapshot();
  EXPECT_EQ(Bar()->Hot(), 1);
  TRect title = Bar()->TitleRect(1);
  EXPECT_EQ(At(title.Left, title.Top), Sys(clBtnHighlight));
  InjectClick(OnTitle(1));
  Snapshot();
  ASSERT_TRUE(menu->IsSubmenuOpen());
  TMenuWindow* w = Dropped()->LevelWindow(0);
  EXPECT_EQ(w->ParentItem(), editTitle);
  EXPECT_EQ(w->Left(), form_->Left() + title.Left);
  EXPECT_EQ(w->Top(), form_->Top() + title.Bottom);
  EXPECT_EQ(Bar()->Selected(), 1);
  EXPECT_EQ(At(title.Left, title.Top), Sys(clBtnShadow)) << "pressed";
  Stroke(VK_DOWN);
  Stroke(VK_RETURN);
  EXPECT_EQ(log, "&Copy;");
  EXPECT_FALSE(menu->IsSubmenuOpen());
  EXPECT_EQ(Bar()->Selected(), -1);
  EXPECT_TRUE(edit->Focused());
}

TEST_F(FormMenuBarTest, WhileATitleIsOpenTheMouseSlidesToOthersAndAPressOnItCloses) {
  InjectClick(OnTitle(0));
  Pump();
  ASSERT_TRUE(menu->IsSubmenuOpen());
  InjectMouseMove(OnTitle(1));
  Pump();
  ASSERT_TRUE(menu->IsSubmenuOpen());
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), editTitle);
  EXPECT_EQ(Bar()->Selected(), 1);
  InjectMouseMove({form_->Left() + 200, form_->Top() + 200});  // over the client: stays
  Pump();
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), editTitle);
  InjectClick(OnTitle(1));
  Pump();
  EXPECT_FALSE(menu->IsSubmenuOpen());
  EXPECT_EQ(Bar()->Selected(), -1);
  InjectClick(OnTitle(0));
  Pump();
  InjectClick({form_->Left() + 200, form_->Top() + 200});  // elsewhere: closes
  Pump();
  EXPECT_FALSE(menu->IsSubmenuOpen());
  EXPECT_EQ(log, "");
}

TEST_F(FormMenuBarTest, F10SelectsTheBarArrowsMoveAndEscapeStepsBackOut) {
  Stroke(VK_F10);
  EXPECT_EQ(Bar()->Selected(), 0);
  Stroke(VK_RIGHT);
  EXPECT_EQ(Bar()->Selected(), 1);
  Stroke(VK_LEFT);
  Stroke(VK_LEFT);
  EXPECT_EQ(Bar()->Selected(), 2) << "wraps";
  Stroke(VK_RIGHT);
  Stroke(VK_DOWN);
  ASSERT_TRUE(menu->IsSubmenuOpen());
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), fileTitle);
  EXPECT_EQ(Dropped()->LevelWindow(0)->Selected(), 0);
  Stroke(VK_RIGHT);  // an item without sub-items: on to the next title, open
  ASSERT_TRUE(menu->IsSubmenuOpen());
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), editTitle);
  EXPECT_EQ(Bar()->Selected(), 1);
  Stroke(VK_LEFT);
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), fileTitle);
  Stroke(VK_ESCAPE);
  EXPECT_FALSE(menu->IsSubmenuOpen());
  EXPECT_EQ(Bar()->Selected(), 0);
  Stroke('X', "x");  // the bar takes keys while selected
  EXPECT_EQ(edit->Text(), "");
  Stroke(VK_ESCAPE);
  EXPECT_EQ(Bar()->Selected(), -1);
  Stroke('X', "x");
  EXPECT_EQ(edit->Text(), "x");
  EXPECT_EQ(log, "");
}

TEST_F(FormMenuBarTest, AltAloneSelectsTheBarAndAltWithALetterOpensThatTitle) {
  InjectKey(VK_MENU, true);
  InjectKey(VK_MENU, false);
  Pump();
  EXPECT_EQ(Bar()->Selected(), 0);
  InjectKey(VK_MENU, true);
  InjectKey(VK_MENU, false);
  Pump();
  EXPECT_EQ(Bar()->Selected(), -1);
  InjectKey(VK_MENU, true);
  InjectKeyStroke('E', "e");
  InjectKey(VK_MENU, false);
  Pump();
  ASSERT_TRUE(menu->IsSubmenuOpen());
  EXPECT_EQ(Dropped()->LevelWindow(0)->ParentItem(), editTitle);
  EXPECT_EQ(Dropped()->LevelWindow(0)->Selected(), 0);
  Stroke(VK_ESCAPE);
  Stroke(VK_ESCAPE);
  EXPECT_EQ(Bar()->Selected(), -1);
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(FormMenuBarTest, ItemShortcutsRunBeforeTheFocusedControlSeesTheKey) {
  InjectKey(VK_CONTROL, true);
  InjectKeyStroke('S');
  InjectKey(VK_CONTROL, false);
  Pump();
  EXPECT_EQ(log, "&Save;");
  save->SetEnabled(false);
  InjectKey(VK_CONTROL, true);
  InjectKeyStroke('S');
  InjectKey(VK_CONTROL, false);
  Pump();
  EXPECT_EQ(log, "&Save;") << "a disabled item does not run";
}

TEST_F(FormMenuBarTest, ATitleWithoutItemsRunsAtOnceAndAFreedMenuTakesItsBarAlong) {
  TMenuItem* help = AddItem(menu->Items(), "&Help");
  Pump();
  InjectClick(OnTitle(3));
  Pump();
  EXPECT_EQ(log, "&Help;");
  EXPECT_FALSE(menu->IsSubmenuOpen());
  InjectClick(OnTitle(0));
  Pump();
  ASSERT_TRUE(menu->IsSubmenuOpen());
  delete menu;
  Pump();
  EXPECT_EQ(form_->Menu(), nullptr);
  EXPECT_EQ(form_->ClientHeight(), clientBefore.Height());
  (void)help;
}

}  // namespace
