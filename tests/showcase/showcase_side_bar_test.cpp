// The showcase's side bar: the user's arrangement kept in the config folder (written on exit,
// read at start; a file the bar refuses is reported and set aside, and the start goes on with
// the default bar), and the ready-made looks on the bar's pop-up menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

#include "examples/showcase/main_form.h"
#include "examples/showcase/side_bar_layout_file.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/menus.h"
#include "platform/windows/clock.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "platform/windows/message_loop.h"
#include "platform/windows/messages.h"
#include "sidebar/side_bar.h"
#include "tests/showcase/file_contents.h"

namespace {

namespace fs = std::filesystem;

// Sets an environment variable (or unsets it with nullopt) for the length of a scope.
class TEnvironmentScope {
 public:
  TEnvironmentScope(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    Set(value);
  }
  ~TEnvironmentScope() { Set(old_); }
  TEnvironmentScope(const TEnvironmentScope&) = delete;
  TEnvironmentScope& operator=(const TEnvironmentScope&) = delete;

 private:
  void Set(const std::optional<std::string>& value) {
    if (value) setenv(name_, value->c_str(), 1);
    else unsetenv(name_);
  }
  const char* name_;
  std::optional<std::string> old_;
};

class ShowcaseSideBar : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(std::make_unique<TTestClock>());
    ResetInput();
    scope_ = std::make_unique<TApplicationScope>();
    fs::remove_all(fs::path(ShowcaseSideBarLayoutPath()).parent_path());
  }
  void TearDown() override {
    scope_.reset();
    MSG m;
    while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
    SetClock(nullptr);
  }
  TShowcaseMainForm* NewForm() {
    TShowcaseMainForm* form = nullptr;
    Application->CreateForm(form);
    form->SetBounds(0, 0, 1024, 700);
    form->Show();
    Application->ProcessMessages();
    return form;
  }
  void ClickButton(TnbSideBar* bar, TnbButton* button) {
    ASSERT_NE(button, nullptr);
    if (bar->ActiveHeader() != button->Header()) bar->SetActiveHeader(button->Header());
    Application->ProcessMessages();
    ClickIn(bar, button->Rects().Button);
  }
  // A click in the middle of `r`, client rectangle of `bar`.
  static void ClickIn(TnbSideBar* bar, const TRect& r) {
    const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    bar->Perform(WM_MOUSEMOVE, 0, PointToLParam(p));
    bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p));
    bar->Perform(WM_LBUTTONUP, 0, PointToLParam(p));
    Application->ProcessMessages();
  }
  static ::testing::AssertionResult Write(const String& path, const std::string& bytes) {
    fs::create_directories(fs::path(path).parent_path());
    return showcase_test::WroteBytes(path, bytes);
  }

 private:
  GridLibraryScope gridLibrary_;
  std::unique_ptr<TApplicationScope> scope_;
};

TEST_F(ShowcaseSideBar, TheFileLivesInTheUsersConfigFolder) {
  struct Row {
    std::optional<std::string> config, home;
    String expected;
  };
  const Row rows[] = {
      {"/tmp/cfg", "/home/u", "/tmp/cfg/showcase/side-bar.layout"},
      {std::nullopt, "/home/u", "/home/u/.config/showcase/side-bar.layout"},
      {"relative/cfg", "/home/u", "/home/u/.config/showcase/side-bar.layout"},
      {std::nullopt, std::nullopt, ""},
  };
  for (const Row& row : rows) {
    TEnvironmentScope config("XDG_CONFIG_HOME", row.config), home("HOME", row.home);
    EXPECT_EQ(ShowcaseSideBarLayoutPath(), row.expected);
  }
}

TEST_F(ShowcaseSideBar, TheArrangementOfOneRunIsThereInTheNextAndItsButtonsStillWork) {
  const String path = ShowcaseSideBarLayoutPath();
  TShowcaseMainForm* first = NewForm();
  TnbSideBar* bar = first->SideBar();
  bar->Header(2)->SetIndex(0);
  bar->Header(0)->SetCaption("我的组件");
  bar->Settings()->SetButtonView(bvWindowsXP);
  ASSERT_EQ(SaveShowcaseSideBarLayout(bar, path), "");
  EXPECT_FALSE(fs::exists(path + ".new"));

  TShowcaseMainForm* second = NewForm();
  const TSideBarLayoutLoad load = second->RestoreSideBarLayout(path);
  EXPECT_TRUE(load.loaded);
  EXPECT_EQ(load.problem, "");
  TnbSideBar* restored = second->SideBar();
  ASSERT_EQ(restored->HeaderCount(), 3);
  EXPECT_EQ(restored->Header(0)->Caption(), "我的组件");
  EXPECT_EQ(restored->Header(1)->Caption(), "短信业务");
  EXPECT_EQ(restored->Settings()->ButtonView(), bvWindowsXP);
  EXPECT_EQ(restored->Header(1)->Images()->Normal(), second->SideBarImages());
  ClickButton(restored, restored->Header(0)->GetButton(1));
  EXPECT_EQ(second->ActiveCommand(), TShowcaseMainForm::kSkinCommand);
}

// The layout names the bar's own handlers; read back, the items are still renamed from their
// menu and with F2, however many starts the layout went through.
TEST_F(ShowcaseSideBar, ItemsAreRenamedAfterEveryRestart) {
  const String path = ShowcaseSideBarLayoutPath();
  ASSERT_EQ(SaveShowcaseSideBarLayout(NewForm()->SideBar(), path), "");
  for (int start = 2; start <= 3; ++start) {
    SCOPED_TRACE(start);
    TShowcaseMainForm* form = NewForm();
    ASSERT_TRUE(form->RestoreSideBarLayout(path).loaded);
    Application->ProcessMessages();
    TnbSideBar* bar = form->SideBar();
    const TRect& send = bar->Header(0)->GetButton(0)->Rects().Button;
    const TPoint on{(send.Left + send.Right) / 2, (send.Top + send.Bottom) / 2};
    bar->Perform(WM_MOUSEMOVE, 0, PointToLParam(on));
    bar->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar->ClientToScreen(on)));
    auto* looks = dynamic_cast<TPopupMenu*>(bar->PopupMenu());
    ASSERT_NE(looks, nullptr);
    EXPECT_FALSE(looks->IsOpen()) << "a right click on a button offers its rename, not the bar's looks";
    looks->CloseMenu();
    TPopupMenu* offered = nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
      if (auto* menu = dynamic_cast<TPopupMenu*>(form->Components(i)); menu != nullptr && menu->IsOpen()) offered = menu;
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(offered->Items()->Items(0)->Caption(), "重命名(&M)");
    offered->CloseMenu();
    bar->Perform(WM_KEYDOWN, VK_F2, 0);
    EXPECT_TRUE(bar->InplaceEditor()->Editing()) << "F2 renames the button of the page shown";
    bar->InplaceEditor()->EndEdit(true);
    ASSERT_EQ(SaveShowcaseSideBarLayout(bar, path), "");
  }
}

TEST_F(ShowcaseSideBar, ADamagedFileIsReportedAndSetAsideAndTheDefaultBarIsUsed) {
  const String path = ShowcaseSideBarLayoutPath();
  for (const std::string& damaged : {std::string("TPF0\x0aTnbSideBar"), std::string(300, '\xff'), std::string()}) {
    ASSERT_TRUE(Write(path, damaged));
    TShowcaseMainForm* form = NewForm();
    const TSideBarLayoutLoad load = form->RestoreSideBarLayout(path);
    EXPECT_FALSE(load.loaded);
    EXPECT_NE(load.problem.find(path), String::npos) << load.problem;
    EXPECT_EQ(load.setAside, path + ".damaged");
    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(fs::file_size(path + ".damaged"), damaged.size());
    ASSERT_EQ(form->SideBar()->HeaderCount(), 3);
    EXPECT_EQ(form->SideBar()->Header(0)->Caption(), "短信业务");
    ClickButton(form->SideBar(), form->SideBar()->Header(1)->GetButton(0));
    EXPECT_EQ(form->ActiveCommand(), TShowcaseMainForm::kContactsCommand);
  }
}

TEST_F(ShowcaseSideBar, NoFileLeavesTheDefaultBarWithoutComplaint) {
  TShowcaseMainForm* form = NewForm();
  const TSideBarLayoutLoad load = form->RestoreSideBarLayout(ShowcaseSideBarLayoutPath());
  EXPECT_FALSE(load.loaded);
  EXPECT_EQ(load.problem, "");
  EXPECT_EQ(form->SideBar()->HeaderCount(), 3);
}

TEST_F(ShowcaseSideBar, AFailedSaveKeepsTheLayoutSavedBefore) {
  const String path = ShowcaseSideBarLayoutPath();
  TShowcaseMainForm* form = NewForm();
  ASSERT_EQ(SaveShowcaseSideBarLayout(form->SideBar(), path), "");
  const auto before = fs::file_size(path);
  fs::create_directory(path + ".new");  // where the new layout would be written first
  ASSERT_TRUE(showcase_test::WroteBytes(path + ".new/block", "x"));
  form->SideBar()->Header(0)->SetCaption("一个长得多的标题，让文件变大");
  EXPECT_NE(SaveShowcaseSideBarLayout(form->SideBar(), path), "");
  EXPECT_EQ(fs::file_size(path), before);
  fs::remove_all(path + ".new");
}

TEST_F(ShowcaseSideBar, TheBarsPopUpMenuAppliesTheLookPicked) {
  TShowcaseMainForm* form = NewForm();
  TnbSideBar* bar = form->SideBar();
  auto* menu = dynamic_cast<TPopupMenu*>(bar->PopupMenu());
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->Items()->Count(), 11);
  // A right click below the last header's buttons opens it.
  const TPoint below = bar->ClientToScreen({bar->Width() / 2, bar->Height() - 4});
  bar->Perform(WM_CONTEXTMENU, 0, PointToLParam(below));
  EXPECT_TRUE(menu->IsOpen());
  menu->CloseMenu();
  for (TnbPreSet preset : {psExplorerBarXP, psToolBox}) {
    menu->Items()->Items(preset)->Click();
    EXPECT_EQ(bar->PreSet(), preset);
    for (int i = 0; i < menu->Items()->Count(); ++i) EXPECT_EQ(menu->Items()->Items(i)->Checked(), i == preset);
  }
  EXPECT_EQ(bar->Settings()->ButtonView(), bvToolBox);
  EXPECT_EQ(bar->Header(0)->FirstButtonTop(), 2);
}

}  // namespace

TEST_F(ShowcaseSideBar, TheOpenHeaderAndItsPageComeBackAfterARestart) {
  const String path = ShowcaseSideBarLayoutPath();
  TShowcaseMainForm* first = NewForm();
  TnbSideBar* bar = first->SideBar();
  bar->SetHeaderScrollType(stNone);
  ClickButton(bar, bar->Header(2)->GetButton(1));
  ASSERT_EQ(bar->ActiveHeader(), bar->Header(2));
  ASSERT_EQ(SaveShowcaseSideBarLayout(bar, path), "");

  TShowcaseMainForm* second = NewForm();
  ASSERT_TRUE(second->RestoreSideBarLayout(path).loaded);
  TnbSideBar* restored = second->SideBar();
  EXPECT_EQ(restored->ActiveHeader(), restored->Header(2));
  // The bar and the page agree: the page shown is the one the open header's marked button
  // stands for, the page the user left.
  TnbHeader* pages = restored->Header(2);
  TnbButton* marked = pages->GetButton(pages->SelectedIndex());
  ASSERT_NE(marked, nullptr);
  EXPECT_EQ(marked->Tag(), second->ActiveCommand());
  EXPECT_EQ(second->ActiveCommand(), TShowcaseMainForm::kSkinCommand);
  EXPECT_TRUE(second->Page(TShowcaseMainForm::kSkinCommand)->Visible());
  EXPECT_TRUE(second->ToolButton(TShowcaseMainForm::kSkinCommand)->Down());
}

// Another header opened after the page was chosen: the page shown at exit is the one that
// comes back, under its own header.
TEST_F(ShowcaseSideBar, ThePageShownAtExitComesBackWhateverHeaderWasOpen) {
  const String path = ShowcaseSideBarLayoutPath();
  TShowcaseMainForm* first = NewForm();
  TnbSideBar* bar = first->SideBar();
  bar->SetHeaderScrollType(stNone);
  ClickButton(bar, bar->Header(1)->GetButton(0));
  ASSERT_EQ(first->ActiveCommand(), TShowcaseMainForm::kContactsCommand);
  ClickIn(bar, bar->Header(0)->CaptionRect());
  ASSERT_EQ(bar->ActiveHeader(), bar->Header(0));
  ASSERT_EQ(first->SaveSideBarLayout(path), "");

  TShowcaseMainForm* second = NewForm();
  ASSERT_TRUE(second->RestoreSideBarLayout(path).loaded);
  EXPECT_EQ(second->ActiveCommand(), TShowcaseMainForm::kContactsCommand);
  EXPECT_TRUE(second->Page(TShowcaseMainForm::kContactsCommand)->Visible());
  EXPECT_EQ(second->SideBar()->ActiveHeader(), second->SideBar()->Header(1));
}
