#include "platform/controls/menus.h"

#include "platform/controls/edit.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/panel.h"
#include "platform/graphics/image_list.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class MenusTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    menu = new TPopupMenu(form_);
    menu->OnPopup.Bind(nullptr, "Popup", [this](TObject*) { log += "popup;"; });
    open = AddItem(menu->Items(), "&Open");
    AddItem(menu->Items(), "-");
    recent = AddItem(menu->Items(), "&Recent");
    first = AddItem(recent, "&First");
    second = AddItem(recent, "&Second");
    save = AddItem(menu->Items(), "&Save");
    saveAs = AddItem(menu->Items(), "Save &As");
    exit = AddItem(menu->Items(), "E&xit");
    edit = Make<TEdit>(Bounds(10, 10, 100, 22));
    edit->SetFocus();
  }
  TMenuItem* AddItem(TMenuItem* parent, const char* caption) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    parent->Add(item);
    String name = caption;
    item->OnClick.Bind(nullptr, "Click", [this, name](TObject*) { log += name + ";"; });
    return item;
  }
  TMenuWindow* Level(int n) { return menu->LevelWindow(n); }
  void MenuKey(uint16_t vk) { FindControl(GetFocus())->Perform(WM_KEYDOWN, vk, 1); }
  void MenuChar(char c) { FindControl(GetFocus())->Perform(WM_CHAR, static_cast<WPARAM>(c), 1); }
  // A client point of the first level over item `index` of level `level`.
  TPoint Over(int level, int index) {
    TRect r = Level(level)->ItemRect(index);
    TPoint screen = Level(level)->ClientToScreen({r.Left + 8, r.Top + r.Height() / 2});
    return Level(0)->ScreenToClient(screen);
  }
  TPopupMenu* menu = nullptr;
  TMenuItem *open = nullptr, *recent = nullptr, *first = nullptr, *second = nullptr, *save = nullptr,
            *saveAs = nullptr, *exit = nullptr;
  TEdit* edit = nullptr;
  String log;
};

TEST_F(MenusTest, PopupOpensATopLevelWindowAtThePointWithFocusAndMouse) {
  menu->Popup(300, 200);
  ASSERT_TRUE(menu->IsOpen());
  TMenuWindow* w = Level(0);
  EXPECT_EQ(log, "popup;");
  EXPECT_EQ(w->Left(), 300);
  EXPECT_EQ(w->Top(), 200);
  EXPECT_EQ(GetWindowLong(w->Handle(), GWL_STYLE) & WS_CHILD, 0);
  EXPECT_TRUE(IsWindowVisible(w->Handle()));
  EXPECT_EQ(GetFocus(), w->Handle());
  EXPECT_EQ(GetCapture(), w->Handle());
  EXPECT_EQ(w->ItemRect(1).Height(), MenuSeparatorHeight);
  MenuKey(VK_ESCAPE);
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_FALSE(IsWindowVisible(w->Handle()));
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(MenusTest, ArrowsSkipSeparatorsAndEnterRunsTheItem) {
  menu->Popup(300, 200);
  MenuKey(VK_DOWN);
  EXPECT_EQ(Level(0)->Selected(), 0);
  MenuKey(VK_DOWN);
  EXPECT_EQ(Level(0)->Selected(), 2);
  MenuKey(VK_UP);
  MenuKey(VK_UP);  // wraps to the last item
  EXPECT_EQ(Level(0)->Selected(), 5);
  MenuKey(VK_HOME);
  MenuKey(VK_RETURN);
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_EQ(log, "popup;&Open;");
  EXPECT_TRUE(edit->Focused());
}

TEST_F(MenusTest, SubmenusOpenToTheRightAndCloseWithLeftOrEscape) {
  menu->Popup(300, 200);
  MenuKey(VK_DOWN);
  MenuKey(VK_DOWN);
  MenuKey(VK_RIGHT);
  ASSERT_NE(Level(1), nullptr);
  EXPECT_EQ(Level(1)->ParentItem(), recent);
  EXPECT_EQ(Level(1)->Selected(), 0);
  EXPECT_GE(Level(1)->Left(), Level(0)->Left() + Level(0)->Width() - MenuFrame);
  MenuKey(VK_LEFT);
  EXPECT_EQ(Level(1), nullptr);
  EXPECT_TRUE(menu->IsOpen());
  MenuKey(VK_RETURN);  // Enter on a submenu opens it
  MenuKey(VK_DOWN);
  MenuKey(VK_ESCAPE);
  EXPECT_EQ(Level(1), nullptr);
  MenuKey(VK_RIGHT);
  MenuKey(VK_DOWN);
  MenuKey(VK_RETURN);
  EXPECT_EQ(log, "popup;&Second;");
  EXPECT_FALSE(menu->IsOpen());
}

TEST_F(MenusTest, AcceleratorsRunTheirItemOrMoveBetweenItemsSharingThem) {
  saveAs->SetCaption("&Save As");
  menu->Popup(300, 200);
  MenuChar('s');
  EXPECT_EQ(Level(0)->Selected(), 3);
  MenuChar('S');
  EXPECT_EQ(Level(0)->Selected(), 4);
  MenuChar('q');  // no item: nothing happens
  EXPECT_TRUE(menu->IsOpen());
  MenuChar('r');
  ASSERT_NE(Level(1), nullptr);
  MenuChar('f');
  EXPECT_EQ(log, "popup;&First;");
  save->SetEnabled(false);
  saveAs->SetCaption("Save &As");
  menu->Popup(300, 200);
  MenuChar('s');  // the only item with S is disabled: it is highlighted but does not run
  EXPECT_TRUE(menu->IsOpen());
  EXPECT_EQ(log, "popup;&First;popup;");
}

TEST_F(MenusTest, MouseHighlightsOpensAndRunsAndAPressElsewhereCloses) {
  menu->Popup(300, 200);
  TMenuWindow* root = Level(0);
  TPoint p = Over(0, 2);
  root->Perform(WM_MOUSEMOVE, 0, PointToLParam(p));
  EXPECT_EQ(root->Selected(), 2);
  ASSERT_NE(Level(1), nullptr);
  TPoint sub = Over(1, 1);
  root->Perform(WM_MOUSEMOVE, 0, PointToLParam(sub));
  EXPECT_EQ(Level(1)->Selected(), 1);
  Click(root, sub.x, sub.y);
  EXPECT_EQ(log, "popup;&Second;");
  menu->Popup(300, 200);
  Click(root, -100, -100);
  EXPECT_FALSE(menu->IsOpen());
  EXPECT_EQ(log, "popup;&Second;popup;");
}

TEST_F(MenusTest, CheckedRadioDefaultAndAutoCheckRules) {
  auto* a = AddItem(menu->Items(), "A");
  auto* b = AddItem(menu->Items(), "B");
  auto* c = AddItem(menu->Items(), "C");
  for (TMenuItem* i : {a, b, c}) i->SetRadioItem(true);
  c->SetGroupIndex(1);
  a->SetChecked(true);
  c->SetChecked(true);
  b->SetChecked(true);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(c->Checked());  // another group
  open->SetAutoCheck(true);
  open->Click();
  EXPECT_TRUE(open->Checked());
  open->Click();
  EXPECT_FALSE(open->Checked());
  save->SetDefault(true);
  exit->SetDefault(true);
  EXPECT_FALSE(save->Default());
  EXPECT_TRUE(exit->Default());
  exit->SetEnabled(false);
  exit->Click();
  EXPECT_EQ(log, "&Open;&Open;");
}

TEST_F(MenusTest, ShortcutsRunItemsUnlessTheirSubmenuIsDisabled) {
  save->SetShortCut(TextToShortCut("Ctrl+S"));
  second->SetShortCut(ShortCut(VK_F5, {}));
  EXPECT_TRUE(menu->IsShortCut('S', {ssCtrl}));
  EXPECT_TRUE(menu->IsShortCut(VK_F5, {}));
  EXPECT_FALSE(menu->IsShortCut('S', {}));
  recent->SetEnabled(false);
  EXPECT_FALSE(menu->IsShortCut(VK_F5, {}));
  EXPECT_EQ(log, "&Save;&Second;");
}

TEST_F(MenusTest, ItemsRefuseBadIndexesAndDoubleInsertion) {
  EXPECT_THROW(menu->Items()->Items(8), EListError);
  EXPECT_THROW(menu->Items()->Insert(42, new TMenuItem(form_)), EListError);
  EXPECT_THROW(menu->Items()->Add(open), EInvalidOperation);
  EXPECT_EQ(menu->FindItem("save as"), saveAs);
  EXPECT_EQ(recent->IndexOf(second), 1);
  EXPECT_EQ(second->MenuIndex(), 1);
  EXPECT_EQ(second->GetParentMenu(), menu);
  delete recent;  // takes its sub-items along
  EXPECT_EQ(menu->Items()->Count(), 5);
  EXPECT_EQ(menu->Items()->Items(2), save);
}

TEST_F(MenusTest, OwnerDrawnItemsMeasureAndDrawThemselves) {
  menu->SetOwnerDraw(true);
  save->OnMeasureItem.Bind(nullptr, "Measure", [](TObject*, TCanvas*, int& width, int& height) {
    width = 200;
    height = 40;
  });
  std::vector<bool> selectedSeen;
  save->OnDrawItem.Bind(nullptr, "Draw", [&](TObject*, TCanvas* canvas, TRect r, bool selected) {
    selectedSeen.push_back(selected);
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(r);
  });
  menu->Popup(300, 200);
  TMenuWindow* w = Level(0);
  EXPECT_EQ(w->ItemRect(3).Height(), 40);
  EXPECT_EQ(w->Width(), 200 + 2 * MenuFrame);
  w->Select(3);
  PaintControl(w);
  ASSERT_FALSE(selectedSeen.empty());
  EXPECT_TRUE(selectedSeen.back());
  TRect r = w->ItemRect(3);
  EXPECT_EQ(At(r.Left + 50, r.Top + 20), Sys(clLime));
}

TEST_F(MenusTest, OwnerDrawnItemsWithSubItemsStillShowTheArrow) {
  menu->SetOwnerDraw(true);
  recent->OnDrawItem.Bind(nullptr, "Draw", [](TObject*, TCanvas* canvas, TRect r, bool) {
    canvas->Brush()->SetColor(clLime);
    canvas->FillRect(r);
    canvas->Font()->SetColor(clNavy);
  });
  menu->Popup(300, 200);
  TMenuWindow* w = Level(0);
  PaintControl(w);
  TRect r = w->ItemRect(2);
  const int cy = r.Top + r.Height() / 2;
  EXPECT_EQ(At(r.Right - 9, cy), Sys(clNavy));
  EXPECT_EQ(At(r.Right - 30, cy), Sys(clLime));
}

TEST_F(MenusTest, PaintsHighlightSeparatorAndCheckMark) {
  exit->SetChecked(true);
  menu->Popup(300, 200);
  TMenuWindow* w = Level(0);
  w->Select(0);
  PaintControl(w);
  EXPECT_EQ(At(0, 0), Sys(cl3DLight));  // the raised frame's light outer edge
  TRect top = w->ItemRect(0);
  EXPECT_EQ(At(top.Right - 3, top.Top + 2), Sys(clHighlight));
  EXPECT_GT(Count(clHighlightText, top), 0);
  TRect line = w->ItemRect(1);
  EXPECT_EQ(At(line.Left + 10, line.Top + line.Height() / 2 - 1), Sys(clBtnShadow));
  EXPECT_EQ(At(line.Left + 10, line.Top + line.Height() / 2), Sys(clBtnHighlight));
  TRect checked = w->ItemRect(5);
  EXPECT_GT(Count(clMenuText, Rect(checked.Left, checked.Top, checked.Left + 20, checked.Bottom)), 0);
  TRect plain = w->ItemRect(4);
  EXPECT_EQ(Count(clMenuText, Rect(plain.Left, plain.Top, plain.Left + 20, plain.Bottom)), 0);
}

TEST_F(MenusTest, ItemImagesComeFromTheMenuImageListGreyedWhenDisabled) {
  TImageList images(16, 16);
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  images.Add(&glyph, nullptr);
  menu->SetImages(&images);
  save->SetImageIndex(0);
  saveAs->SetImageIndex(0);
  saveAs->SetEnabled(false);
  menu->Popup(300, 200);
  TMenuWindow* w = Level(0);
  EXPECT_GE(w->ItemRect(3).Height(), 20);
  PaintControl(w);
  TRect withImage = w->ItemRect(3), greyed = w->ItemRect(4);
  EXPECT_EQ(At(withImage.Left + 10, withImage.Top + withImage.Height() / 2), Sys(clRed));
  EXPECT_EQ(Count(clRed, greyed), 0);
  EXPECT_GT(Count(clBtnShadow, Rect(greyed.Left, greyed.Top, greyed.Left + 20, greyed.Bottom)), 0);
  menu->CloseMenu();
  menu->SetImages(nullptr);
}

TEST_F(MenusTest, ItemsFollowTheirActionAndRunIt) {
  auto* action = new TAction(form_);
  action->SetCaption("&Print");
  action->SetShortCut(ShortCut('P', {ssCtrl}));
  TComponent* runFor = nullptr;
  action->OnExecute.Bind(form_, "PrintExecute", [&](TObject*) { runFor = action->ActionComponent(); });
  auto* print = new TMenuItem(form_);
  menu->Items()->Add(print);
  print->SetAction(action);
  EXPECT_EQ(print->Caption(), "&Print");
  EXPECT_EQ(print->ShortCut(), ShortCut('P', {ssCtrl}));
  action->SetEnabled(false);
  EXPECT_FALSE(print->Enabled());
  action->SetEnabled(true);
  print->Click();
  EXPECT_EQ(runFor, print);
  delete action;
  EXPECT_EQ(print->Action(), nullptr);
}

TEST_F(MenusTest, MainMenuTitlesOpenTheirItemsAsAPopup) {
  auto* mainMenu = new TMainMenu(form_);
  auto* fileTitle = AddItem(mainMenu->Items(), "&File");
  AddItem(fileTitle, "&New");
  auto* quit = AddItem(fileTitle, "&Quit");
  quit->SetShortCut(TextToShortCut("Ctrl+Q"));
  mainMenu->PopupSubmenu(0, 120, 80);
  ASSERT_TRUE(mainMenu->IsSubmenuOpen());
  TMenuWindow* w = mainMenu->SubmenuPopup()->LevelWindow(0);
  EXPECT_EQ(w->ParentItem(), fileTitle);
  EXPECT_EQ(w->Left(), 120);
  MenuKey(VK_END);
  MenuKey(VK_RETURN);
  EXPECT_FALSE(mainMenu->IsSubmenuOpen());
  EXPECT_TRUE(mainMenu->IsShortCut('Q', {ssCtrl}));
  EXPECT_EQ(log, "&Quit;&Quit;");
  EXPECT_THROW(mainMenu->PopupSubmenu(1, 0, 0), EListError);
}

TEST_F(MenusTest, RightClickOnAControlShowsItsPopupMenu) {
  auto* panel = Make<TPanel>(Bounds(20, 60, 100, 50));
  panel->SetPopupMenu(menu);
  panel->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MakeLParam(10, 10));
  panel->Perform(WM_RBUTTONUP, 0, MakeLParam(10, 10));
  ASSERT_TRUE(menu->IsOpen());
  EXPECT_EQ(menu->PopupComponent(), panel);
  TPoint at = panel->ClientToScreen({10, 10});
  EXPECT_EQ(Level(0)->Left(), at.x);
  EXPECT_EQ(Level(0)->Top(), at.y);
  delete panel;
  EXPECT_EQ(menu->PopupComponent(), nullptr);
}

// The program frees items while the menu is open at the Recent level, with First
// highlighted there: the levels follow what is left, and the one whose item went closes.
TEST_F(MenusTest, AnOpenMenuFollowsItemsTheProgramFrees) {
  auto openAtFirst = [&] {
    menu->Popup(300, 200);
    menu->LevelWindow(0)->Select(menu->Items()->IndexOf(recent));
    MenuKey(VK_RIGHT);
    ASSERT_NE(Level(1), nullptr);
  };
  openAtFirst();
  delete open;  // an item above the highlighted one
  Application->ProcessMessages();
  EXPECT_EQ(Level(0)->Selected(), menu->Items()->IndexOf(recent)) << "the highlight stays on Recent";
  ASSERT_NE(Level(1), nullptr);
  EXPECT_EQ(Level(1)->ParentItem(), recent);
  const int twoItems = Level(1)->Height();
  delete first;  // the highlighted item of the open level
  Application->ProcessMessages();
  ASSERT_NE(Level(1), nullptr);
  EXPECT_LT(Level(1)->Height(), twoItems) << "the level shrinks to the item left";
  MenuKey(VK_RETURN);
  EXPECT_EQ(log, "popup;&Second;");
  openAtFirst();
  delete recent;  // the item whose sub-items the open level shows
  Application->ProcessMessages();
  EXPECT_TRUE(menu->IsOpen());
  EXPECT_EQ(Level(1), nullptr);
  EXPECT_EQ(Level(0)->Selected(), -1) << "no highlight on whatever took Recent's place";
  MenuKey(VK_ESCAPE);
  EXPECT_FALSE(menu->IsOpen());
}

// A control's menu the program shows itself (AutoPopup off) leaves the right click to the
// menu of the control's parent, as a control without a menu does.
TEST_F(MenusTest, ARightClickGoesToTheParentsMenuWhenTheControlsMenuWaitsForTheProgram) {
  auto* own = new TPopupMenu(form_);
  AddItem(own->Items(), "&Own");
  auto* panel = Make<TPanel>(Bounds(20, 60, 100, 50));
  panel->SetPopupMenu(own);
  form_->SetPopupMenu(menu);
  for (bool autoPopup : {true, false}) {
    SCOPED_TRACE(autoPopup);
    own->SetAutoPopup(autoPopup);
    panel->Perform(WM_RBUTTONDOWN, MK_RBUTTON, MakeLParam(10, 10));
    panel->Perform(WM_RBUTTONUP, 0, MakeLParam(10, 10));
    EXPECT_EQ(own->IsOpen(), autoPopup);
    EXPECT_EQ(menu->IsOpen(), !autoPopup);
    own->CloseMenu();
    menu->CloseMenu();
  }
}

}  // namespace
