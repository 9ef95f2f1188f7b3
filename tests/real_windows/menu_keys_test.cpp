// A form's main menu reached from the keyboard and moved through by keys and the mouse in a real
// window, as a user does it: the platform's menu bar and a skinned form's menu bar alike, with
// no window manager and with one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/form_menu_bar.h"
#include "platform/controls/forms.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/menus.h"
#include "platform/controls/tool_bar.h"
#include "platform/windows/focus.h"
#include "platform/windows/window_tree.h"
#include "skin/form.h"
#include "skin/menus.h"
#include "tests/real_windows/real_display.h"

namespace {

class RealMenuKeys : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption("Menu keys");
    form_->SetBounds(100, 100, 520, 380);
    if (Skinned()) {
      skin_ = new TskForm(form_);
      skin_->SetParent(form_);
      menu_ = new TskMainMenu(form_);
    } else {
      menu_ = new TMainMenu(form_);
    }
    for (const char* title : {"&File", "&View", "&Help"}) {
      auto* item = new TMenuItem(menu_);
      item->SetCaption(title);
      for (const char* sub : {"&One", "&Two"}) {
        auto* child = new TMenuItem(item);
        child->SetCaption(sub);
        item->Add(child);
      }
      menu_->Items()->Add(item);
    }
    if (Skinned()) skin_->RebuildMenuBarButtons();
    else form_->SetMenu(menu_);
    Application->SetMainForm(form_);
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
    // The keyboard goes to the window the user last clicked.
    ASSERT_TRUE(ClickAt(form_->ClientToScreen({form_->ClientWidth() / 2, form_->ClientHeight() - 20})));
    ASSERT_TRUE(WaitFor([&] { return GetFocus() != nullptr && GetAncestorTop(GetFocus()) == form_->Handle(); }));
  }
  void TearDown() override { application_.reset(); }

  bool Skinned() const { return GetParam(); }
  // The title whose list is open, nullptr while none is.
  TMenuItem* OpenTitle() const {
    if (!menu_->IsSubmenuOpen()) return nullptr;
    return menu_->SubmenuPopup()->LevelWindow(0)->ParentItem();
  }
  TMenuItem* Title(int index) const { return menu_->Items()->Items(index); }
  bool Opens(int index) {
    return WaitFor([&] { return OpenTitle() == Title(index) && ToolkitWindowExposed(ListWindow()); });
  }
  HWND ListWindow() const { return menu_->SubmenuPopup()->LevelWindow(0)->Handle(); }
  // The middle of title `index` on the screen.
  TPoint TitleCentre(int index) const {
    if (Skinned()) {
      TToolButton* button = skin_->MenuBar()->Buttons(index);
      return button->ClientToScreen({button->Width() / 2, button->Height() / 2});
    }
    TRect r = form_->MenuBar()->TitleRect(index);
    TRect window;
    GetWindowRect(form_->Handle(), window);
    return {window.Left + (r.Left + r.Right) / 2, window.Top + (r.Top + r.Bottom) / 2};
  }
  // The list of the open title stands under that title, on the screen as in our tree.
  bool ListUnder(int index) {
    return WaitFor([&] {
      if (OpenTitle() != Title(index)) return false;
      TRect list = WindowBounds(ListWindow());
      return std::abs(list.Left - TitleCentre(index).x) < 60 && ToolkitWindowExposed(ListWindow());
    });
  }
  static bool Key(const std::string& keys) { return Xdo("key --delay 30 " + keys); }

  std::unique_ptr<TApplicationScope> application_;
  TForm* form_ = nullptr;
  TskForm* skin_ = nullptr;
  TMainMenu* menu_ = nullptr;
};

TEST_P(RealMenuKeys, AltAndAMnemonicOpenItsTitleAndEscapeClosesIt) {
  ASSERT_TRUE(Key("alt+f"));
  EXPECT_TRUE(Opens(0)) << "Alt+F";
  ASSERT_TRUE(Key("Escape Escape"));
  EXPECT_TRUE(WaitFor([&] { return !menu_->IsSubmenuOpen(); })) << "Escape";
  ASSERT_TRUE(Key("alt+v"));
  EXPECT_TRUE(ListUnder(1)) << "Alt+V";
  ASSERT_TRUE(Key("Escape Escape alt+h"));
  EXPECT_TRUE(ListUnder(2)) << "Alt+H";
}

TEST_P(RealMenuKeys, F10OrALoneAltSelectTheBarForTheArrowKeys) {
  ASSERT_TRUE(Key("F10 Down"));
  EXPECT_TRUE(Opens(0)) << "F10, Down";
  ASSERT_TRUE(Key("Escape Escape"));
  ASSERT_TRUE(WaitFor([&] { return !menu_->IsSubmenuOpen(); }));
  ASSERT_TRUE(Key("alt Right Down"));
  EXPECT_TRUE(ListUnder(1)) << "Alt, Right, Down";
}

TEST_P(RealMenuKeys, LeftRightAndTheMouseMoveTheOpenList) {
  ASSERT_TRUE(Key("alt+f"));
  ASSERT_TRUE(Opens(0));
  ASSERT_TRUE(Key("Right"));
  EXPECT_TRUE(ListUnder(1)) << "Right";
  ASSERT_TRUE(Key("Left Left"));
  EXPECT_TRUE(ListUnder(2)) << "Left twice goes round";
  TPoint view = TitleCentre(1);
  ASSERT_TRUE(Xdo("mousemove " + std::to_string(view.x) + " " + std::to_string(view.y)));
  EXPECT_TRUE(ListUnder(1)) << "the mouse onto another title";
  ASSERT_TRUE(Key("Escape Escape"));
  EXPECT_TRUE(WaitFor([&] { return !menu_->IsSubmenuOpen(); }));
}

TEST_P(RealMenuKeys, AClickedTitleFollowsTheMouseToAnother) {
  ASSERT_TRUE(ClickAt(TitleCentre(0)));
  ASSERT_TRUE(Opens(0));
  TPoint help = TitleCentre(2);
  ASSERT_TRUE(Xdo("mousemove " + std::to_string(help.x) + " " + std::to_string(help.y)));
  EXPECT_TRUE(ListUnder(2)) << "the mouse onto another title";
  ASSERT_TRUE(Xdo("click 1"));  // where the pointer already is
  EXPECT_TRUE(WaitFor([&] { return !menu_->IsSubmenuOpen(); })) << "a press on the open title closes it";
}

INSTANTIATE_TEST_SUITE_P(Bars, RealMenuKeys, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "SkinnedForm" : "PlatformMenu"; });

}  // namespace
