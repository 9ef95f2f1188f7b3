// The title bar: where its buttons and caption go, how the caption is cut, what its buttons
// do to the form, moving and sizing from it, its rules for sections and buttons, and its
// control-box menu.

#include "platform/controls/menu_window.h"
#include "platform/controls/screen.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"
#include "skin/title_bar_menu.h"
#include "tests/skin/skinned_form_support.h"

namespace {

class TitleBars : public SkinnedFormTest {
 protected:
  // A title bar on its own, on a plain form `width` wide.
  TskTitleBar* Bar(TForm* form, TskUIStyle style = Marine) {
    auto* bar = new TskTitleBar(form);
    bar->SetParent(form);
    bar->SetUIStyle(style);
    Pump();
    return bar;
  }
  TRect ButtonRect(TskTitleBar* bar, TskTitleBarBtnType type) {
    for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons)
      if (bar->Buttons()->Items(place.Index)->ButtonType() == type) return place.Rect;
    return {};
  }
  TPoint Centre(TskTitleBar* bar, TskTitleBarBtnType type) {
    TRect r = ButtonRect(bar, type);
    return bar->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
  }
  void Click(TPoint screen) {
    InjectClick(screen);
    Pump();
  }
  // Fails the test, instead of hanging it, when a message box opens; closes the box.
  void RefuseMessageBoxes() {
    Application->OnIdle.Bind(nullptr, "Idle", [this](TObject*, bool&) {
      if (auto* box = dynamic_cast<TForm*>(Screen->ActiveForm()); box && box->FormState().Contains(fsModal)) {
        ++boxesShown_;
        box->SetModalResult(mrOk);
      }
    });
  }
  int boxesShown_ = 0;
};

TEST_F(TitleBars, ButtonsRunFromTheRightAndTheCaptionFollowsTheControlBox) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form);
  bar->SetCaption("Contacts");
  ASSERT_EQ(bar->Width(), 400);
  EXPECT_EQ(ButtonRect(bar, skClose), Rect(381, 2, 400, 21));
  EXPECT_EQ(ButtonRect(bar, skMax).Left, 361);
  EXPECT_EQ(ButtonRect(bar, skMin).Left, 341);
  EXPECT_EQ(ButtonRect(bar, skControlBox).Left, 0);
  EXPECT_EQ(bar->Layout().CaptionLeft, 24);
  EXPECT_EQ(bar->Layout().CaptionRight, 341);
  bar->SetButtonInterval(3);
  EXPECT_EQ(ButtonRect(bar, skClose).Left, 378);
  EXPECT_EQ(ButtonRect(bar, skMax).Left, 355);
  bar->SetDrawAppIcon(true);
  EXPECT_EQ(bar->Layout().CaptionLeft, 21);
  bar->Buttons()->Find(skControlBox)->SetVisible(false);
  EXPECT_EQ(bar->Layout().CaptionLeft, 6);
}

TEST_F(TitleBars, PearlHasATallerBarAndLargerButtons) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form, Pearl);
  EXPECT_EQ(bar->Height(), 29);
  TRect close = ButtonRect(bar, skClose);
  EXPECT_EQ(close.Top, 5);
  EXPECT_EQ(close.Width(), 21);
  EXPECT_EQ(close.Height(), 21);
  EXPECT_EQ(bar->RoundCorner(), 13);
}

TEST_F(TitleBars, ALongCaptionIsCutBetweenWholeCharacters) {
  TBitmap b(10, 10);
  TCanvas* canvas = b.Canvas();
  canvas->Font()->SetName("Tahoma");
  auto width = [canvas](const String& s) { return canvas->TextWidth(s); };
  const String caption = "短信群发客户端 — 通讯录";
  EXPECT_EQ(FitCaption(caption, width(caption), width), caption);
  for (int room = 0; room < width(caption); room += 3) {
    String cut = FitCaption(caption, room, width);
    SCOPED_TRACE(room);
    ASSERT_TRUE(IsValidUtf8(cut));
    ASSERT_GE(cut.size(), 3u);
    EXPECT_EQ(cut.substr(cut.size() - 3), "...");
    String kept = cut.substr(0, cut.size() - 3);
    EXPECT_EQ(caption.compare(0, kept.size(), kept), 0);
    if (!kept.empty()) {
      EXPECT_LE(width(cut), room);
    }
    // One character more would not have fitted.
    if (kept.size() < caption.size()) {
      EXPECT_GT(width(LeftStr(caption, CharLength(kept) + 1) + "..."), room);
    }
  }
}

TEST_F(TitleBars, ACustomBarKeepsItsLookWhenTheStyleChanges) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form, Marine);
  bar->SetCustom(true);
  bar->SetButtonInterval(4);
  bar->SetLeftBtnXOffset(7);
  int sectionWidth = bar->Sections()->Items(0)->Width();
  bar->SetUIStyle(Pearl);
  EXPECT_EQ(bar->UIStyle(), Marine);
  EXPECT_EQ(bar->LeftBtnXOffset(), 7);
  EXPECT_EQ(bar->Sections()->Items(0)->Width(), sectionWidth);
  EXPECT_EQ(bar->Buttons()->Items(0)->UIStyle(), Marine);
  EXPECT_EQ(bar->Font()->Color(), clWhite);
}

TEST_F(TitleBars, HelpAndCustomButtonsReportTheirIndexAndDoNothingElse) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form);
  TskTitleBarButton* help = bar->Buttons()->Add();
  help->SetButtonType(skHelp);
  help->SetUIStyle(Marine);
  TskTitleBarButton* custom = bar->Buttons()->Add();
  custom->PicNormal()->Assign(bar->Buttons()->Items(0)->PicNormal());
  std::vector<std::pair<String, int>> heard;
  bar->OnHelpBtnClick.Bind(nullptr, "Help", [&](TObject*, int i) { heard.push_back({"help", i}); });
  bar->OnCustomBtnsClick.Bind(nullptr, "Custom", [&](TObject*, int i) { heard.push_back({"custom", i}); });
  Click(Centre(bar, skHelp));
  Click(Centre(bar, skCustom));
  EXPECT_EQ(heard, (std::vector<std::pair<String, int>>{{"help", 4}, {"custom", 5}}));
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->WindowState(), wsNormal);
}

TEST_F(TitleBars, ASkinnedFormReportsItsTitleBarsHelpAndCustomClicks) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  skin->TitleBarButtons()->Add()->SetButtonType(skHelp);
  skin->SetUIStyle(Marine);
  int help = -1;
  skin->OnTitleBarHelpBtnClick.Bind(nullptr, "Help", [&](TObject*, int i) { help = i; });
  Pump();
  Click(Centre(skin->TitleBar(), skHelp));
  EXPECT_EQ(help, 4);
}

TEST_F(TitleBars, ButtonsMaximizeRestoreMinimizeAndCloseTheForm) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  TskTitleBar* bar = skin->TitleBar();
  TBitmap restoreLook, maximizeLook;
  BuiltInCell("MARINE_TITLEBTN", 18, 10, restoreLook);
  BuiltInCell("MARINE_TITLEBTN", 18, 7, maximizeLook);
  TskTitleBarButton* max = bar->Buttons()->Find(skMax);
  Click(Centre(bar, skMax));
  EXPECT_EQ(form->WindowState(), wsMaximized);
  TRect area;
  GetWorkAreaRect(area);
  EXPECT_EQ(form->BoundsRect(), area);
  EXPECT_EQ(max->PicNormal()->Bitmap()->Canvas()->Pixels(9, 9), restoreLook.Canvas()->Pixels(9, 9));
  Click(Centre(bar, skMax));
  EXPECT_EQ(form->WindowState(), wsNormal);
  EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 300));
  EXPECT_EQ(max->PicNormal()->Bitmap()->Canvas()->Pixels(9, 9), maximizeLook.Canvas()->Pixels(9, 9));
  // A double click on the caption maximizes too.
  TPoint caption = bar->ClientToScreen({bar->Layout().CaptionLeft + 10, 8});
  InjectClick(caption);
  InjectClick(caption);
  Pump();
  EXPECT_EQ(form->WindowState(), wsMaximized);
  Click(Centre(bar, skMax));
  Click(Centre(bar, skMin));
  EXPECT_EQ(form->WindowState(), wsMinimized);
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump();
  Click(Centre(bar, skClose));
  EXPECT_FALSE(form->Visible());
}

TEST_F(TitleBars, DraggingTheCaptionMovesTheFormUnlessItIsMaximized) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  TskTitleBar* bar = skin->TitleBar();
  TPoint caption = bar->ClientToScreen({bar->Layout().CaptionLeft + 10, 10});
  InjectClick(caption);
  Pump();
  EXPECT_EQ(form->BoundsRect(), Bounds(100, 100, 400, 300)) << "a click moves nothing";
  DragBy(caption, {30, 0});
  EXPECT_EQ(form->BoundsRect(), Bounds(130, 100, 400, 300));
  DragBy(Centre(bar, skClose), {30, 0});  // a button press is no move
  EXPECT_EQ(form->BoundsRect(), Bounds(130, 100, 400, 300));
  form->SetWindowState(wsMaximized);
  Pump();
  const TRect maximized = form->BoundsRect();
  DragBy(bar->ClientToScreen({bar->Layout().CaptionLeft + 10, 10}), {30, 0});
  EXPECT_EQ(form->BoundsRect(), maximized);
}

TEST_F(TitleBars, TheBarsTopEdgeSizesASizeableForm) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  TskTitleBar* bar = skin->TitleBar();
  const int w = form->ClientWidth();
  struct TCase {
    int x, y;
    LRESULT hit;
  } cases[] = {{2, 2, HTTOPLEFT}, {w / 2, 0, HTTOP}, {w / 2, 4, HTTOP}, {w - 3, 1, HTTOPRIGHT}, {w / 2, 5, HTCLIENT}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(bar->Perform(WM_NCHITTEST, 0, PointToLParam(OnForm(form, c.x, c.y))), c.hit);
  }
  const TRect before = form->BoundsRect();
  DragBy(OnForm(form, w / 2, 1), {0, -10});
  EXPECT_EQ(form->BoundsRect(), Rect(before.Left, before.Top - 10, before.Right, before.Bottom));
}

// Along the top edge the bar answers the grips exactly where its form does, whatever the
// width of the border the bar stands inside.
TEST_F(TitleBars, TheBarsTopGripsAreThoseOfItsForm) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form, Pearl);  // a three-pixel border
  TskTitleBar* bar = skin->TitleBar();
  std::vector<TPoint> differing;
  for (int y = 0; y < 5; ++y) {  // the grips' depth
    for (int x = skin->Left(); x < skin->Left() + bar->Width(); ++x) {
      const LPARAM at = PointToLParam(OnForm(form, x, y));
      if (bar->Perform(WM_NCHITTEST, 0, at) != form->Perform(WM_NCHITTEST, 0, at)) differing.push_back({x, y});
    }
  }
  EXPECT_TRUE(differing.empty()) << differing.size() << " points, the first at " << differing.front().x << ","
                                 << differing.front().y;
}

TEST_F(TitleBars, OnlyOneClientSectionAndOneControlBoxButAgainIsNoError) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form);
  RefuseMessageBoxes();
  TskTitleBarSection* client = bar->Sections()->Items(2);
  ASSERT_EQ(client->Align(), skClient);
  client->SetAlign(skClient);
  bar->Buttons()->Find(skControlBox)->SetButtonType(skControlBox);
  EXPECT_EQ(boxesShown_, 0);
  bar->Sections()->Items(0)->SetAlign(skClient);
  EXPECT_EQ(boxesShown_, 1);
  EXPECT_EQ(bar->Sections()->Items(0)->Align(), skLeft);
  bar->Buttons()->Find(skClose)->SetButtonType(skControlBox);
  EXPECT_EQ(boxesShown_, 2);
  EXPECT_NE(bar->Buttons()->Find(skClose), nullptr);
  client->SetStretch(false);
  EXPECT_TRUE(client->Stretch());
}

TEST_F(TitleBars, TheControlBoxMenuOffersWhatTheBarsButtonsDo) {
  TForm* form = SizeableForm();
  TskForm* skin = Skin(form);
  TskTitleBar* bar = skin->TitleBar();
  TskTitleBarPopupMenu* menu = bar->ControlBoxMenu();
  bar->Buttons()->Delete(bar->Buttons()->Find(skMin)->Index());
  Click(Centre(bar, skControlBox));
  ASSERT_TRUE(menu->IsOpen());
  TPoint corner = bar->ClientToScreen({0, bar->Height()});
  EXPECT_EQ(menu->LevelWindow(0)->BoundsRect().TopLeft(), corner);
  EXPECT_FALSE(menu->MinimizeItem()->Enabled());
  EXPECT_TRUE(menu->MaximizeItem()->Enabled());
  EXPECT_TRUE(menu->CloseItem()->Enabled());
  EXPECT_TRUE(bar->FormActive()) << "an open menu leaves its form looking active";
  menu->CloseMenu();
  menu->MaximizeItem()->Click();
  EXPECT_EQ(form->WindowState(), wsMaximized);
  menu->CloseItem()->Click();
  EXPECT_FALSE(form->Visible());
}

TEST_F(TitleBars, AFreedThemeLeavesTheBarOnMarine) {
  TForm* form = MakeForm(Bounds(0, 0, 400, 100));
  TskTitleBar* bar = Bar(form, Pearl);
  auto* theme = new TskFileTheme(nullptr);
  bar->SetFileTheme(theme);
  EXPECT_EQ(bar->UIStyle(), Pearl);
  delete theme;
  EXPECT_EQ(bar->FileTheme(), nullptr);
  EXPECT_EQ(bar->UIStyle(), Marine);
}

}  // namespace
