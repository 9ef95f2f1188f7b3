// The showcase's skinned main menu: its titles, the pages on File, and the styles on View
// restyling and repainting the whole window.
#include <gtest/gtest.h>

#include <memory>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_main_menu.h"
#include "platform/controls/application.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/shortcuts.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/painting.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/menus.h"


namespace {

class ShowcaseMainMenu : public ::testing::Test {
 protected:
  void SetUp() override {
    scope_ = std::make_unique<TApplicationScope>();
    Application->CreateForm(form_);
    form_->SetBounds(0, 0, 1024, 700);
    form_->Show();
    ASSERT_TRUE(form_->LoadTheme(ProgramFolder() + "../examples/showcase/OnePlumet.skn"));
    Application->ProcessMessages();
    menu_ = form_->MainMenu();
    ASSERT_NE(menu_, nullptr);
  }
  void TearDown() override { scope_.reset(); }

  // The window's update region covers all of its client area.
  static bool WhollyInvalid(TWinControl* control) {
    TRect dirty;
    if (!GetUpdateRect(control->Handle(), dirty)) return false;
    const TRect client = control->ClientRect();
    return dirty.Left <= client.Left && dirty.Top <= client.Top && dirty.Right >= client.Right &&
           dirty.Bottom >= client.Bottom;
  }
  TMenuItem* Title(int index) { return menu_->Items()->Items(index); }
  // The styles whose View items are checked.
  std::vector<TskUIStyle> CheckedStyles(TskMainMenu* menu = nullptr) {
    std::vector<TskUIStyle> checked;
    for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile})
      if (ShowcaseStyleItem(menu ? menu : menu_, style)->Checked()) checked.push_back(style);
    return checked;
  }

  std::unique_ptr<TApplicationScope> scope_;
  TShowcaseMainForm* form_ = nullptr;
  TskMainMenu* menu_ = nullptr;
};

TEST_F(ShowcaseMainMenu, HasFileViewAndHelpWithTheStylesAsRadioItems) {
  ASSERT_EQ(menu_->Items()->Count(), 3);
  EXPECT_EQ(Title(0)->Caption(), "文件(&F)");
  EXPECT_EQ(Title(1)->Caption(), "视图(&V)");
  EXPECT_EQ(Title(2)->Caption(), "帮助(&H)");
  for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile}) {
    TMenuItem* item = ShowcaseStyleItem(menu_, style);
    ASSERT_NE(item, nullptr) << style;
    EXPECT_TRUE(item->RadioItem());
    EXPECT_EQ(item->Parent(), Title(1));
  }
  EXPECT_EQ(ShowcaseStyleItem(menu_, FromThemeFile)->Caption(), "主题文件(&T)") << "it opens no dialog";
  EXPECT_EQ(CheckedStyles(), std::vector<TskUIStyle>{FromThemeFile}) << "the window starts on the theme file";
  EXPECT_EQ(menu_->UIStyle(), form_->Skin()->UIStyle());
  EXPECT_EQ(form_->Skin()->Menu(), menu_) << "the window's skin shows the menu";
  EXPECT_EQ(form_->Menu(), nullptr);
}

// Without a theme file the window shows the built-in style that stands in for it, and the menu
// ticks that one; the theme file's item waits for a file that can be used.
TEST_F(ShowcaseMainMenu, TheViewMenuTicksTheStyleTheWindowShows) {
  TShowcaseMainForm* bare = nullptr;
  Application->CreateForm(bare);
  EXPECT_EQ(CheckedStyles(bare->MainMenu()), std::vector<TskUIStyle>{Marine});
  EXPECT_FALSE(ShowcaseStyleItem(bare->MainMenu(), FromThemeFile)->Enabled());
  ApplyShowcaseStyle(bare, FromThemeFile);
  EXPECT_EQ(CheckedStyles(bare->MainMenu()), std::vector<TskUIStyle>{Marine}) << "still Marine shows";
  ASSERT_TRUE(bare->LoadTheme(ProgramFolder() + "../examples/showcase/OnePlumet.skn"));
  EXPECT_EQ(CheckedStyles(bare->MainMenu()), std::vector<TskUIStyle>{FromThemeFile});
  EXPECT_TRUE(ShowcaseStyleItem(bare->MainMenu(), FromThemeFile)->Enabled());
  delete bare;
}

TEST_F(ShowcaseMainMenu, FileItemsAndTheirShortCutsShowPages) {
  Title(0)->Items(2)->Click();
  EXPECT_EQ(form_->ActiveCommand(), 3);
  EXPECT_TRUE(menu_->IsShortCut('5', {ssCtrl}));
  EXPECT_EQ(form_->ActiveCommand(), 5);
  EXPECT_EQ(Title(0)->Items(4)->ImageIndex(), 4);
}

TEST_F(ShowcaseMainMenu, PickingAStyleRestylesAndRepaintsTheWholeWindow) {
  struct TPick {
    TskUIStyle style;
    TColor bar;
  };
  const TPick picks[] = {{Pearl, static_cast<TColor>(0xCED3D6)},
                         {Graphite, static_cast<TColor>(0x000000)},
                         {FromThemeFile, *form_->FileTheme()->GetColor(tkMenuBarColor)}};
  for (const TPick& pick : picks) {
    SCOPED_TRACE(pick.style);
    Application->ProcessMessages();
    ShowcaseStyleItem(menu_, pick.style)->Click();
    EXPECT_EQ(menu_->UIStyle(), pick.style);
    EXPECT_EQ(menu_->BarColor(), pick.bar);
    EXPECT_EQ(CheckedStyles(), std::vector<TskUIStyle>{pick.style});
    EXPECT_TRUE(WhollyInvalid(form_));
    EXPECT_TRUE(WhollyInvalid(form_->PageHost())) << "children repaint too";
  }
}

// Picking styles of another border width there and back leaves the window as large as it was.
TEST_F(ShowcaseMainMenu, StylesPickedThereAndBackKeepTheWindowsSize) {
  ShowcaseStyleItem(menu_, Marine)->Click();
  Application->ProcessMessages();
  const TRect before = form_->BoundsRect();
  for (int trip = 0; trip < 5; ++trip) {
    ShowcaseStyleItem(menu_, Pearl)->Click();
    Application->ProcessMessages();
    ShowcaseStyleItem(menu_, Marine)->Click();
    Application->ProcessMessages();
  }
  EXPECT_EQ(form_->BoundsRect(), before);
}

TEST_F(ShowcaseMainMenu, DropDownsAreDrawnInThePickedStyle) {
  ShowcaseStyleItem(menu_, Pearl)->Click();
  menu_->PopupSubmenu(1, 100, 100);
  TMenuWindow* window = menu_->SubmenuPopup()->LevelWindow(0);
  ASSERT_NE(window, nullptr);
  TBitmap picture(window->Width(), window->Height());
  window->PaintTo(picture.Canvas()->Handle(), 0, 0);
  const TRect marine = window->ItemRect(window->ParentItem()->IndexOf(ShowcaseStyleItem(menu_, Marine)));
  EXPECT_EQ(picture.Canvas()->Pixels(marine.Left + 2, marine.Top + 2), static_cast<TColor>(0xCED3D6));
  EXPECT_EQ(picture.Canvas()->Pixels(marine.Right - 4, marine.Top + 2), static_cast<TColor>(0xFFFFFF));
  const TRect pearl = window->ItemRect(window->ParentItem()->IndexOf(ShowcaseStyleItem(menu_, Pearl)));
  int checkInk = 0;
  for (int y = pearl.Top + 3; y < pearl.Top + 19; ++y)
    for (int x = pearl.Left + 4; x < pearl.Left + 20; ++x) checkInk += picture.Canvas()->Pixels(x, y) == clBlack;
  EXPECT_GT(checkInk, 8) << "the picked style's item is checked";
  menu_->SubmenuPopup()->CloseMenu();
}

}  // namespace
