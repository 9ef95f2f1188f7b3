#include "platform/controls/tool_bar.h"

#include "platform/controls/menu_window.h"
#include "platform/controls/menus.h"
#include "platform/graphics/image_list.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class ToolBarTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    bar = Make<TToolBar>(Bounds(0, 0, 300, 29));
    open = AddButton(tbsButton);
    separator = AddButton(tbsSeparator);
    separator->SetWidth(8);
    bold = AddButton(tbsCheck);
    left = AddButton(tbsCheck);
    right = AddButton(tbsCheck);
    left->SetGrouped(true);
    right->SetGrouped(true);
    more = AddButton(tbsDropDown);
  }
  TToolButton* AddButton(TToolButtonStyle style) {
    auto* b = new TToolButton(form_);
    b->SetStyle(style);
    b->SetParent(bar);
    b->OnClick.Bind(nullptr, "Click", [this, b](TObject*) { log += std::to_string(bar->ButtonCount() > 0 ? IndexOf(b) : -1) + ";"; });
    return b;
  }
  int IndexOf(TToolButton* b) {
    for (int i = 0; i < bar->ButtonCount(); ++i)
      if (bar->Buttons(i) == b) return i;
    return -1;
  }
  // Clicks a button through its tool bar, as the mouse does.
  void ClickOn(TToolButton* b, int dx = 5) { Click(bar, b->Left() + dx, b->Top() + 5); }
  TToolBar* bar = nullptr;
  TToolButton *open = nullptr, *separator = nullptr, *bold = nullptr, *left = nullptr, *right = nullptr, *more = nullptr;
  String log;
};

TEST_F(ToolBarTest, ButtonsAreLaidOutLeftToRightWithSeparatorsAndArrows) {
  EXPECT_EQ(bar->ButtonCount(), 6);
  EXPECT_EQ(open->BoundsRect(), Bounds(0, 2, 23, 22));
  EXPECT_EQ(separator->BoundsRect(), Bounds(23, 2, 8, 22));
  EXPECT_EQ(bold->Left(), 31);
  EXPECT_EQ(more->Width(), 23 + ToolButtonArrowWidth);
  bar->SetButtonWidth(30);
  bar->SetIndent(4);
  EXPECT_EQ(bold->Left(), 4 + 30 + 8);
  EXPECT_THROW(bar->Buttons(6), EListError);
}

TEST_F(ToolBarTest, ClicksRunButtonsCheckButtonsToggleAndGroupsExclude) {
  ClickOn(open);
  ClickOn(separator);
  EXPECT_EQ(log, "0;");
  ClickOn(bold);
  EXPECT_TRUE(bold->Down());
  ClickOn(bold);
  EXPECT_FALSE(bold->Down());
  ClickOn(left);
  ClickOn(right);
  EXPECT_FALSE(left->Down());
  EXPECT_TRUE(right->Down());
  ClickOn(right);  // a grouped button stays down unless all may be up
  EXPECT_TRUE(right->Down());
  right->SetAllowAllUp(true);
  ClickOn(right);
  EXPECT_FALSE(right->Down());
  // A press that leaves the button before the release does not click.
  Press(bar, open->Left() + 5, 5);
  EXPECT_TRUE(open->Pressed());
  Drag(bar, 200, 5);
  EXPECT_FALSE(open->Pressed());
  Release(bar, 200, 5);
  EXPECT_EQ(log, "0;2;2;3;4;4;4;");
}

TEST_F(ToolBarTest, TheArrowOfADropDownButtonOpensItsMenu) {
  auto* menu = new TPopupMenu(form_);
  auto* item = new TMenuItem(form_);
  item->SetCaption("Item");
  menu->Items()->Add(item);
  more->SetDropdownMenu(menu);
  ClickOn(more, more->Width() - 4);
  ASSERT_TRUE(menu->IsOpen());
  EXPECT_EQ(menu->PopupComponent(), more);
  TPoint under = bar->ClientToScreen({more->Left(), more->Top() + more->Height()});
  EXPECT_EQ(menu->LevelWindow(0)->Left(), under.x);
  EXPECT_EQ(menu->LevelWindow(0)->Top(), under.y);
  menu->CloseMenu();
  EXPECT_EQ(log, "");
  ClickOn(more);  // the face is an ordinary button
  EXPECT_EQ(log, "5;");
  delete menu;
  EXPECT_EQ(more->DropdownMenu(), nullptr);
}

// A menu bar made of tool buttons: each stands for a title of a main menu.
TEST_F(ToolBarTest, AMenuItemButtonShowsItsTitleAndOpensItsItems) {
  auto* menu = new TMainMenu(form_);
  auto* file = new TMenuItem(form_);
  file->SetCaption("&File");
  auto* openItem = new TMenuItem(form_);
  openItem->SetCaption("Open");
  file->Add(openItem);
  auto* about = new TMenuItem(form_);
  about->SetCaption("About");
  int abouts = 0;
  about->OnClick.Bind(nullptr, "About", [&](TObject*) { ++abouts; });
  menu->Items()->Add(file);
  menu->Items()->Add(about);
  bar->SetShowCaptions(true);
  auto* fileButton = new TToolButton(form_);
  fileButton->SetParent(bar);
  fileButton->SetMenuItem(file);
  fileButton->SetAutoSize(true);
  auto* aboutButton = new TToolButton(form_);
  aboutButton->SetParent(bar);
  aboutButton->SetMenuItem(about);
  EXPECT_EQ(fileButton->Caption(), "&File");
  EXPECT_NE(fileButton->Width(), bar->ButtonWidth()) << "as wide as its caption";
  EXPECT_EQ(aboutButton->Width(), bar->ButtonWidth());
  ClickOn(fileButton);
  ASSERT_TRUE(menu->IsSubmenuOpen());
  TPoint under = bar->ClientToScreen({fileButton->Left(), fileButton->Top() + fileButton->Height()});
  EXPECT_EQ(menu->SubmenuPopup()->LevelWindow(0)->BoundsRect().TopLeft(), under);
  menu->SubmenuPopup()->CloseMenu();
  ClickOn(aboutButton);  // a title without items runs itself
  EXPECT_EQ(abouts, 1);
  file->SetEnabled(false);
  fileButton->UpdateFromMenuItem();
  EXPECT_FALSE(fileButton->Enabled());
  delete file;
  EXPECT_EQ(fileButton->MenuItem(), nullptr);
}

TEST_F(ToolBarTest, ButtonsFollowTheirAction) {
  auto* action = new TAction(form_);
  action->SetImageIndex(3);
  action->SetHint("Bold text");
  bool ran = false;
  action->OnExecute.Bind(form_, "BoldExecute", [&](TObject*) { ran = true; });
  auto* button = AddButton(tbsCheck);
  button->OnClick = TNotifyEvent();
  button->SetAction(action);
  EXPECT_EQ(button->ImageIndex(), 3);
  EXPECT_EQ(button->Hint(), "Bold text");
  action->SetChecked(true);
  EXPECT_TRUE(button->Down());
  ClickOn(button);
  EXPECT_TRUE(ran);
  action->SetEnabled(false);
  EXPECT_FALSE(button->Enabled());
}

// The button links through the control's own action mechanism: Down stands for Checked both
// ways, the click runs the action for the button, and a freed action leaves the button alone.
TEST_F(ToolBarTest, AnActionDrivesAButtonThroughTheControlsActionLink) {
  auto* action = new TAction(form_);
  action->SetCaption("Italic");
  action->SetImageIndex(2);
  TComponent* runBy = nullptr;
  int runs = 0;
  action->OnExecute.Bind(form_, "ItalicExecute", [&](TObject*) {
    ++runs;
    if (action) runBy = action->ActionComponent();
  });
  auto* button = AddButton(tbsCheck);
  button->OnClick = TNotifyEvent();
  TControl* asControl = button;
  asControl->SetAction(action);
  ASSERT_NE(dynamic_cast<TToolButtonActionLink*>(button->ActionLink()), nullptr);
  EXPECT_EQ(button->Action(), action);
  EXPECT_EQ(button->Caption(), "Italic");
  EXPECT_EQ(button->ImageIndex(), 2);
  EXPECT_TRUE(button->OnClick.SameMethod(action->OnExecute));
  action->SetCaption("Slanted");
  action->SetImageIndex(4);
  action->SetChecked(true);
  EXPECT_EQ(button->Caption(), "Slanted");
  EXPECT_EQ(button->ImageIndex(), 4);
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->ActionLink()->IsCheckedLinked());
  action->SetChecked(false);
  EXPECT_FALSE(button->Down());
  button->SetImageIndex(7);  // an image of the button's own stays
  action->SetImageIndex(5);
  EXPECT_EQ(button->ImageIndex(), 7);
  ClickOn(button);
  EXPECT_EQ(runBy, button);
  EXPECT_TRUE(button->Down()) << "a check button still toggles before its action runs";
  EXPECT_EQ(log, "") << "the button's old handler was replaced by the action's";
  delete action;
  action = nullptr;
  EXPECT_EQ(button->Action(), nullptr);
  EXPECT_EQ(button->ActionLink(), nullptr);
  ClickOn(button);  // the form's handler stays the button's own; no link dangles
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(runs, 2);
}

// A button freed before its action leaves the action with no link to it.
TEST_F(ToolBarTest, AFreedButtonUnlinksFromItsAction) {
  auto* action = new TAction(form_);
  auto* button = AddButton(tbsButton);
  button->SetAction(action);
  ASSERT_EQ(action->Links().size(), 1u);
  delete button;
  EXPECT_TRUE(action->Links().empty());
  action->SetCaption("Still fine");
  action->SetChecked(true);
}

TEST_F(ToolBarTest, PaintsEdgesImagesAndLetsCustomDrawTakeOver) {
  TImageList images(16, 16);
  TBitmap glyph(16, 16);
  glyph.Canvas()->Brush()->SetColor(clRed);
  glyph.Canvas()->FillRect(Rect(0, 0, 16, 16));
  images.Add(&glyph, nullptr);
  bar->SetImages(&images);
  open->SetImageIndex(0);
  PaintControl(bar);
  EXPECT_EQ(At(open->Left() + 11, open->Top() + 11), Sys(clRed));
  EXPECT_EQ(At(open->Left() + 1, open->Top() + 1), Sys(clBtnHighlight));  // raised
  bold->SetDown(true);
  PaintControl(bar);
  EXPECT_EQ(At(bold->Left(), bold->Top()), Sys(clBtnShadow));  // sunken
  bar->SetFlat(true);
  PaintControl(bar);
  EXPECT_EQ(At(open->Left(), open->Top()), Sys(clBtnFace));  // flat and not hot: no edge
  open->Perform(CM_MOUSEENTER);
  PaintControl(bar);
  EXPECT_EQ(At(open->Left(), open->Top()), Sys(clBtnHighlight));
  std::vector<TToolButton*> drawn;
  bar->OnCustomDrawButton.Bind(nullptr, "DrawButton", [&](TToolBar* sender, TToolButton* b, TCustomDrawState, bool& defaultDraw) {
    drawn.push_back(b);
    sender->Canvas()->Brush()->SetColor(clLime);
    sender->Canvas()->FillRect(b->BoundsRect());
    defaultDraw = false;
  });
  PaintControl(bar);
  EXPECT_EQ(drawn.size(), 6u);
  EXPECT_EQ(At(open->Left() + 11, open->Top() + 11), Sys(clLime));
  bar->SetImages(nullptr);
}

// The bar's own custom drawing comes after its background: with default drawing on, the
// buttons are drawn over what it drew; with default drawing off, nothing more is drawn.
TEST_F(ToolBarTest, CustomDrawingOfTheBarKeepsItsPictureUnderTheButtons) {
  for (bool defaultDraw : {true, false}) {
    SCOPED_TRACE(defaultDraw);
    bar->OnCustomDraw.Bind(nullptr, "DrawBar", [&](TToolBar* sender, const TRect& r, bool& draw) {
      sender->Canvas()->Brush()->SetColor(clLime);
      sender->Canvas()->FillRect(r);
      draw = defaultDraw;
    });
    PaintControl(bar);
    EXPECT_EQ(At(bar->Width() - 5, 5), Sys(clLime));
    EXPECT_EQ(At(open->Left() + 1, open->Top() + 1), defaultDraw ? Sys(clBtnHighlight) : Sys(clLime));  // raised
  }
}

}  // namespace
