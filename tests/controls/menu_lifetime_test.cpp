// A handler that frees the menu it runs from (or its own item) must leave nothing behind that
// touches freed memory; these run under AddressSanitizer.
#include <functional>
#include <utility>

#include "platform/controls/edit.h"
#include "platform/controls/memo.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/menus.h"
#include "platform/controls/panel.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class MenuLifetimeTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    menu = new TPopupMenu(form_);
    keep = AddItem(menu->Items(), "&Keep");
    drop = AddItem(menu->Items(), "&Drop");
  }
  TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
  }
  // A handler that frees `victim` and then still uses what it captured.
  void FreeOnClick(TMenuItem* item, TComponent* victim) {
    String note = "freed " + item->Caption();
    item->OnClick.Bind(nullptr, "FreeIt", [this, victim, note](TObject*) {
      delete victim;
      log += note + ";";
    });
  }
  void ClickItem(TPopupMenu* popup, int index) {
    TMenuWindow* w = popup->LevelWindow(0);
    TRect r = w->ItemRect(index);
    TPoint p{r.Left + 5, r.Top + r.Height() / 2};
    w->Perform(WM_MOUSEMOVE, 0, PointToLParam(p));
    w->Perform(WM_LBUTTONUP, 0, PointToLParam(p));
  }
  TPopupMenu* menu = nullptr;
  TMenuItem *keep = nullptr, *drop = nullptr;
  String log;
};

TEST_F(MenuLifetimeTest, AClickedItemMayFreeItsPopupMenu) {
  FreeOnClick(drop, menu);
  menu->Popup(200, 150);
  ClickItem(menu, 1);
  EXPECT_EQ(log, "freed &Drop;");
  Application->ProcessMessages();
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenuLifetimeTest, EnterOnAnItemMayFreeTheItem) {
  FreeOnClick(drop, drop);
  menu->Popup(200, 150);
  TMenuWindow* w = menu->LevelWindow(0);
  w->Perform(WM_KEYDOWN, VK_END, 1);
  w->Perform(WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(log, "freed &Drop;");
  EXPECT_EQ(menu->Items()->Count(), 1);
  menu->Popup(200, 150);  // the menu still works without the item
  EXPECT_EQ(menu->LevelWindow(0)->ItemRect(1), TRect());
  menu->CloseMenu();
}

TEST_F(MenuLifetimeTest, AnAcceleratorMayFreeThePopupMenu) {
  FreeOnClick(drop, menu);
  menu->Popup(200, 150);
  menu->LevelWindow(0)->Perform(WM_CHAR, 'd', 1);
  EXPECT_EQ(log, "freed &Drop;");
  Application->ProcessMessages();
}

TEST_F(MenuLifetimeTest, AMainMenuItemMayFreeItsMainMenu) {
  auto* mainMenu = new TMainMenu(form_);
  TMenuItem* title = AddItem(mainMenu->Items(), "&File");
  TMenuItem* quit = AddItem(title, "&Quit");
  form_->SetMenu(mainMenu);
  FreeOnClick(quit, mainMenu);
  mainMenu->PopupSubmenu(0, 100, 100);
  ClickItem(mainMenu->SubmenuPopup(), 0);
  EXPECT_EQ(log, "freed &Quit;");
  EXPECT_EQ(form_->Menu(), nullptr);
  Application->ProcessMessages();
}

// OnPopup may free its own menu (a menu rebuilt on each opening): nothing is shown then, and
// a control asking the menu to pop up learns that the click was taken.
TEST_F(MenuLifetimeTest, OnPopupMayFreeItsOwnMenu) {
  auto* panel = Make<TCustomControl>(Bounds(10, 10, 60, 30));
  const std::pair<const char*, std::function<void(TPopupMenu*)>> openings[] = {
      {"popped up", [](TPopupMenu* m) { m->Popup(200, 150); }},
      {"popped up for a control", [panel](TPopupMenu* m) { EXPECT_TRUE(m->PopupAt(panel, {200, 150})); }},
  };
  for (const auto& [how, open] : openings) {
    SCOPED_TRACE(how);
    log.clear();
    auto* popup = new TPopupMenu(form_);
    AddItem(popup->Items(), "&Item");
    const String note = "freed";
    popup->OnPopup.Bind(nullptr, "Rebuild", [this, popup, note](TObject*) {
      delete popup;
      log += note + ";";
    });
    open(popup);
    EXPECT_EQ(log, "freed;");
    EXPECT_EQ(GetCapture(), nullptr);
  }
}

TEST_F(MenuLifetimeTest, AControlClickMayFreeTheControl) {
  auto* panel = Make<TCustomControl>(Bounds(10, 10, 60, 30));
  String note = "gone";
  panel->OnClick.Bind(nullptr, "FreeIt", [this, panel, note](TObject*) {
    delete panel;
    log += note + ";";
  });
  panel->Click();
  EXPECT_EQ(log, "gone;");
}

template <typename T>
T* Placed(T* control, TForm* form, TRect bounds) {
  control->SetParent(form);
  control->SetBoundsRect(bounds);
  return control;
}

// A control's own handler may free the control (a form closed, a panel rebuilt) and go on
// with what it captured: the control's handling of the message stops there.
TEST_F(MenuLifetimeTest, AControlsHandlerMayFreeTheControl) {
  using Free = std::function<void(TControl*)>;
  const std::pair<const char*, std::function<void(TForm*, Free)>> cases[] = {
      {"wheel not handled",
       [](TForm* form, Free free) {
         auto* panel = Placed(new TPanel(form), form, Bounds(10, 10, 200, 120));
         panel->OnMouseWheel.Bind(nullptr, "", [free, panel](TObject*, TShiftState, int, TPoint, bool&) { free(panel); });
         const WPARAM down = static_cast<WPARAM>(static_cast<uint16_t>(-120)) << 16;
         panel->Perform(WM_MOUSEWHEEL, down, PointToLParam(panel->ClientToScreen({5, 5})));
       }},
      {"key a memo's handler takes",
       [](TForm* form, Free free) {
         auto* memo = Placed(new TMemo(form), form, Bounds(10, 10, 80, 40));
         memo->OnKeyDown.Bind(nullptr, "", [free, memo](TObject*, uint16_t& key, TShiftState) {
           key = 0;
           free(memo);
         });
         memo->Perform(WM_KEYDOWN, VK_RETURN, 1);
       }},
      {"leaving an edit",
       [](TForm* form, Free free) {
         auto* edit = Placed(new TEdit(form), form, Bounds(10, 10, 80, 20));
         auto* elsewhere = Placed(new TEdit(form), form, Bounds(300, 200, 80, 20));
         edit->SetFocus();
         edit->OnExit.Bind(nullptr, "", [free, edit](TObject*) { free(edit); });
         elsewhere->SetFocus();
       }},
  };
  for (const auto& [handler, run] : cases) {
    SCOPED_TRACE(handler);
    log.clear();
    const String note = "freed";
    run(form_, [this, note](TControl* control) {
      delete control;
      log += note + ";";
    });
    EXPECT_EQ(log, "freed;");
  }
}

}  // namespace
