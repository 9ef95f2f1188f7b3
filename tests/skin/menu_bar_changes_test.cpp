// Both kinds of menu bar, the platform form's own and a skinned form's, while the program changes
// the menu under the user's hands: titles deleted while open or selected, the bar freed or given
// another menu, and titles without items that the user only passes over. Run under the
// sanitizers, a read of a freed title or bar stops the test.

#include <functional>

#include "platform/controls/edit.h"
#include "platform/controls/form_menu_bar.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/tool_bar.h"
#include "platform/windows/focus.h"
#include "platform/windows/keys.h"
#include "platform/windows/window_tree.h"
#include "skin/menus.h"
#include "tests/skin/skinned_form_support.h"

namespace {

enum class TBarKind { Platform, Skinned };

class MenuBarChanges : public SkinnedFormTest, public ::testing::WithParamInterface<TBarKind> {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    Application->OnException.Bind(nullptr, "Record", [this](TObject*, Exception& e) { errors += e.Message() + ";"; });
    form = SizeableForm();
    TWinControl* client = form;
    if (Skinned()) client = skin = Skin(form);
    edit = new TEdit(form);
    edit->SetParent(client);
    edit->SetBounds(20, 80, 120, 22);
    menu = NewMenu(form);
    file = Title("&File", {"&New", "&Quit"});
    view = Title("&View", {"&Pearl", "&Marine"});
    exit = Title("E&xit", {});
    help = Title("&Help", {"&About"});
    if (!Skinned()) form->SetMenu(menu);
    edit->SetFocus();
    Pump();
  }
  bool Skinned() const { return GetParam() == TBarKind::Skinned; }
  TMainMenu* NewMenu(TComponent* owner) const {
    return Skinned() ? new TskMainMenu(owner) : new TMainMenu(owner);
  }
  TMenuItem* Title(const char* caption, std::initializer_list<const char*> items) {
    TMenuItem* title = Item(menu->Items(), caption);
    for (const char* sub : items) Item(title, sub);
    return title;
  }
  TMenuItem* Item(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    String name = caption;
    item->OnClick.Bind(nullptr, "Log", [this, name](TObject*) { ran += name + ";"; });
    parent->Add(item);
    return item;
  }
  // What the program does to show another menu on the form, or none.
  void ShowMenu(TMainMenu* other) {
    if (Skinned()) skin->SetMenu(other);
    else form->SetMenu(other);
  }
  TMenuBarKeys* Bar() const {
    if (!Skinned()) return form->MenuBar();
    return skin->MenuBar() != nullptr ? skin->MenuBar()->MenuKeys() : nullptr;
  }
  int Selected() const { return Bar() != nullptr ? Bar()->Selected() : -1; }
  // The title whose list is open, nullptr while none is.
  TMenuItem* OpenTitle() const {
    if (!menu->IsSubmenuOpen()) return nullptr;
    return menu->SubmenuPopup()->LevelWindow(0)->ParentItem();
  }
  // The middle of title `index` on the screen.
  TPoint OnTitle(int index) const {
    if (Skinned()) {
      TToolButton* button = skin->MenuBar()->Buttons(index);
      return button->ClientToScreen({button->Width() / 2, button->Height() / 2});
    }
    TRect r = form->MenuBar()->TitleRect(index);
    return {form->Left() + (r.Left + r.Right) / 2, form->Top() + (r.Top + r.Bottom) / 2};
  }
  // A click of its own, never the second of a double click.
  void Click(TPoint screen) {
    static_cast<TTestClock&>(Clock()).Advance(1000);
    InjectClick(screen);
    Pump();
  }
  void Stroke(uint16_t vk, const String& text = {}) {
    InjectKeyStroke(vk, text);
    Pump();
  }
  void AltWith(uint16_t vk, const String& text) {
    InjectKey(VK_MENU, true);
    InjectKeyStroke(vk, text);
    InjectKey(VK_MENU, false);
    Pump();
  }

  TForm* form = nullptr;
  TskForm* skin = nullptr;
  TEdit* edit = nullptr;
  TMainMenu* menu = nullptr;
  TMenuItem *file = nullptr, *view = nullptr, *exit = nullptr, *help = nullptr;
  String ran, errors;
};

TEST_P(MenuBarChanges, TheOpenListClosesWhenItsTitleIsDeletedOrTakenOut) {
  struct TCase {
    const char* how;
    std::function<void(TMenuItem*)> takeAway;
  };
  for (const TCase& c : {TCase{"freed", [](TMenuItem* t) { delete t; }},
                         TCase{"taken out", [this](TMenuItem* t) { menu->Items()->Remove(t); }}}) {
    TMenuItem* title = Title("&Tools", {"&Options", "&Plugins"});
    Pump();
    AltWith('T', "t");
    ASSERT_EQ(OpenTitle(), title) << c.how;
    HWND list = menu->SubmenuPopup()->LevelWindow(0)->Handle();
    c.takeAway(title);
    Pump();
    EXPECT_FALSE(menu->IsSubmenuOpen()) << c.how;
    EXPECT_FALSE(IsWindowVisible(list)) << c.how;
    EXPECT_EQ(Selected(), -1) << c.how;
    Stroke(VK_DOWN);
    Stroke(VK_RETURN);
    Stroke('Z', "z");
    EXPECT_EQ(edit->Text(), "z") << c.how << ": the keys go to the form again";
    edit->SetText("");
  }
  EXPECT_EQ(ran, "");
  EXPECT_EQ(errors, "");
}

TEST_P(MenuBarChanges, TheSelectedTitleFollowsTheMenusChanges) {
  struct TCase {
    const char* deleted;
    int selectedAfter;
    const char* opensOnDown;
  };
  for (const TCase& c : {TCase{"&Help", -1, nullptr}, TCase{"&File", 2, "&Help"}}) {
    Stroke(VK_F10);
    Stroke(VK_LEFT);
    ASSERT_EQ(Selected(), menu->Items()->Count() - 1) << "Left from the first title goes round to Help";
    delete menu->FindItem(c.deleted);
    Pump();
    EXPECT_EQ(Selected(), c.selectedAfter) << "after deleting " << c.deleted;
    Stroke(VK_DOWN);
    EXPECT_EQ(errors, "") << "after deleting " << c.deleted;
    if (c.opensOnDown == nullptr) {
      EXPECT_FALSE(menu->IsSubmenuOpen());
    } else {
      ASSERT_NE(OpenTitle(), nullptr);
      EXPECT_EQ(OpenTitle()->Caption(), c.opensOnDown);
    }
    Stroke(VK_ESCAPE);
    Stroke(VK_ESCAPE);
    ASSERT_EQ(Selected(), -1);
    help = Title("&Help", {"&About"});
    Pump();
  }
  EXPECT_EQ(ran, "");
}

TEST_P(MenuBarChanges, ATitleWithoutItemsRunsWhenChosenAndOnlyThen) {
  // Passing over it while another title is open selects it and closes that list.
  AltWith('F', "f");
  ASSERT_EQ(OpenTitle(), file);
  Stroke(VK_RIGHT);
  Stroke(VK_RIGHT);
  EXPECT_EQ(OpenTitle(), nullptr) << "Right onto Exit";
  EXPECT_EQ(Selected(), 2);
  EXPECT_EQ(ran, "") << "Right onto Exit";
  Stroke(VK_RIGHT);
  EXPECT_EQ(OpenTitle(), help) << "Right goes on opening titles";
  Stroke(VK_LEFT);
  EXPECT_EQ(OpenTitle(), nullptr);
  EXPECT_EQ(ran, "") << "Left onto Exit";
  Stroke(VK_ESCAPE);
  ASSERT_EQ(Selected(), -1);

  Click(OnTitle(1));
  ASSERT_EQ(OpenTitle(), view);
  InjectMouseMove(OnTitle(2));
  Pump();
  EXPECT_EQ(OpenTitle(), nullptr) << "the mouse onto Exit";
  EXPECT_EQ(ran, "") << "the mouse onto Exit";
  InjectMouseMove(OnTitle(3));
  Pump();
  EXPECT_EQ(OpenTitle(), help) << "the mouse goes on opening titles";
  Stroke(VK_ESCAPE);
  Stroke(VK_ESCAPE);
  ASSERT_EQ(OpenTitle(), nullptr);

  // Chosen: Enter, its hot key, a click.
  Stroke(VK_F10);
  Stroke(VK_LEFT);
  Stroke(VK_LEFT);
  ASSERT_EQ(Selected(), 2);
  Stroke(VK_RETURN);
  EXPECT_EQ(ran, "E&xit;") << "Enter";
  AltWith('X', "x");
  EXPECT_EQ(ran, "E&xit;E&xit;") << "Alt+X";
  Click(OnTitle(2));
  EXPECT_EQ(ran, "E&xit;E&xit;E&xit;") << "a click";
  EXPECT_EQ(Selected(), -1);
  Click(OnTitle(1));
  ASSERT_EQ(OpenTitle(), view);
  Click(OnTitle(2));
  EXPECT_EQ(OpenTitle(), nullptr) << "a click while another title is open closes that list";
  EXPECT_EQ(ran, "E&xit;E&xit;E&xit;E&xit;") << "a click while another title is open";
  EXPECT_EQ(errors, "");
}

TEST_P(MenuBarChanges, ABarReplacedOrFreedLetsGoOfItsMenuTitlesOrNot) {
  struct TCase {
    const char* how;
    std::function<void(TMainMenu*)> letGo;
  };
  TMainMenu* other = NewMenu(Application);
  for (const TCase& c : {TCase{"no menu", [this](TMainMenu*) { ShowMenu(nullptr); }},
                         TCase{"another menu", [this, other](TMainMenu*) { ShowMenu(other); }},
                         TCase{"the form freed", [this](TMainMenu*) {
                           delete form;
                           form = nullptr;
                         }}}) {
    // A menu that outlives the form, on the form's bar; a title opened and closed.
    auto* kept = NewMenu(Application);
    menu = kept;
    Item(kept->Items(), "&File");
    Item(kept->Items()->Items(0), "&New");
    ShowMenu(kept);
    Pump();
    Click(OnTitle(0));
    ASSERT_EQ(OpenTitle(), kept->Items()->Items(0)) << c.how;
    Stroke(VK_ESCAPE);
    Stroke(VK_ESCAPE);
    ASSERT_FALSE(kept->IsSubmenuOpen()) << c.how;
    kept->Items()->Clear();
    Pump();
    c.letGo(kept);
    Pump();
    EXPECT_EQ(kept->BarHost(), nullptr) << c.how;
    Item(kept->Items(), "&Again");
    Pump();
    EXPECT_EQ(errors, "") << c.how;
    delete kept;
    if (form != nullptr) ShowMenu(nullptr);
  }
  delete other;
}

INSTANTIATE_TEST_SUITE_P(Bars, MenuBarChanges, ::testing::Values(TBarKind::Platform, TBarKind::Skinned),
                         [](const auto& test) { return test.param == TBarKind::Skinned ? "SkinnedForm" : "PlatformForm"; });

}  // namespace
