// The menu bar of a skinned form: a flat bar of the main menu's titles under the title bar,
// drawn in the menu's theme, following the menu's changes and its removal.

#include "platform/controls/tool_bar.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/menus.h"
#include "tests/skin/skinned_form_support.h"

namespace {

class SkinnedFormMenuBar : public SkinnedFormTest {
 protected:
  TMenuItem* Title(TMainMenu* menu, const String& caption) {
    auto* item = new TMenuItem(menu);
    item->SetCaption(caption);
    menu->Items()->Add(item);
    return item;
  }
  TPoint Inside(TToolButton* b, int x, int y) { return b->Parent()->ClientToScreen({b->Left() + x, b->Top() + y}); }
};

TEST_F(SkinnedFormMenuBar, TheMenusTitlesStandInAFlatBarUnderTheTitleBar) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Pearl);
  auto* menu = new TskMainMenu(form);
  Title(menu, "&File");
  Title(menu, "&View");
  Title(menu, "&Help");
  ASSERT_EQ(skin->Menu(), menu);
  EXPECT_EQ(menu->SkinForm(), skin);
  EXPECT_EQ(form->Menu(), nullptr) << "the form shows no menu of its own";
  TToolBar* bar = skin->MenuBar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->ButtonCount(), 3);
  EXPECT_EQ(bar->Buttons(1)->Caption(), "&View");
  EXPECT_LT(bar->Buttons(0)->Left(), bar->Buttons(1)->Left());
  EXPECT_EQ(bar->Top(), skin->TitleBar()->Height());
  EXPECT_EQ(bar->Height(), 22);
  EXPECT_TRUE(bar->Flat());
  menu->Items()->Items(1)->SetCaption("&Look");
  EXPECT_EQ(bar->Buttons(1)->Caption(), "&Look");
  menu->Items()->Items(2)->SetEnabled(false);
  EXPECT_FALSE(bar->Buttons(2)->Enabled());
  // A hot title is framed in the theme's selection colours.
  Pump();
  SetCursorPos(Inside(bar->Buttons(0), 6, 11));
  Pump();
  TPoint inside = form->ScreenToClient(Inside(bar->Buttons(0), 6, 11));
  TPoint edge = form->ScreenToClient(Inside(bar->Buttons(0), 0, 11));
  EXPECT_EQ(Pixel(form, inside.x, inside.y), TColor(0xEFD3C6));
  EXPECT_EQ(Pixel(form, edge.x, edge.y), TColor(0xC66931));
  SavePictureOnFailure(form);
}

TEST_F(SkinnedFormMenuBar, TitlesAddedLaterGetButtonsAndAGoneMenuTakesTheBar) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  auto* menu = new TskMainMenu(form);
  Title(menu, "&File");
  ASSERT_EQ(skin->MenuBar()->ButtonCount(), 1);
  Title(menu, "&Help");
  EXPECT_EQ(skin->MenuBar()->ButtonCount(), 2);
  delete menu;
  EXPECT_EQ(skin->Menu(), nullptr);
  EXPECT_EQ(skin->MenuBar(), nullptr);
  auto* again = new TskMainMenu(form);
  Title(again, "&File");
  skin->SetMenu(nullptr);
  EXPECT_EQ(skin->MenuBar(), nullptr);
  EXPECT_EQ(again->SkinForm(), nullptr);
}

TEST_F(SkinnedFormMenuBar, ShortcutsOfTheMenuWorkWhileTheFormIsActive) {
  TForm* form = SizeableForm();
  Skin(form);
  auto* menu = new TskMainMenu(form);
  TMenuItem* file = Title(menu, "&File");
  auto* open = new TMenuItem(menu);
  open->SetCaption("&Open");
  open->SetShortCut(ShortCut('O', {ssCtrl}));
  int opened = 0;
  open->OnClick.Bind(nullptr, "Open", [&](TObject*) { ++opened; });
  file->Add(open);
  SetActiveWindow(form->Handle());
  Pump();
  InjectKey(VK_CONTROL, true);
  InjectKeyStroke('O');
  InjectKey(VK_CONTROL, false);
  Pump();
  EXPECT_EQ(opened, 1);
}

TEST_F(SkinnedFormMenuBar, GraphiteDrawsTheBarOnItsPicture) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Graphite);
  auto* menu = new TskMainMenu(form);
  Title(menu, "&File");
  skin->SetUIStyle(Graphite);
  Pump();
  TToolBar* bar = skin->MenuBar();
  TBitmap picture;
  picture.LoadFromResourceName(0, "GRAPHITE_MENU_BAR");
  TBitmap stretched(bar->Width(), bar->Height());
  stretched.Canvas()->StretchDraw(Rect(0, 0, bar->Width(), bar->Height()), &picture);
  TPoint p = form->ScreenToClient(bar->ClientToScreen({bar->Width() - 3, 5}));
  EXPECT_EQ(Pixel(form, p.x, p.y), stretched.Canvas()->Pixels(bar->Width() - 3, 5));
  EXPECT_EQ(menu->UIStyle(), Graphite) << "the skin styles its menu";
  // The title is written over the picture.
  const TRect title = bar->Buttons(0)->BoundsRect();
  int ink = 0;
  for (int y = title.Top; y < std::min(title.Bottom, bar->Height()); ++y) {
    for (int x = title.Left; x < title.Right; ++x) {
      TPoint q = form->ScreenToClient(bar->ClientToScreen({x, y}));
      ink += Pixel(form, q.x, q.y) != stretched.Canvas()->Pixels(x, y);
    }
  }
  EXPECT_GT(ink, 10);
  SavePictureOnFailure(form);
}

}  // namespace
