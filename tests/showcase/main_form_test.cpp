// The showcase's main window without a display: the side bar and the tool bar switch pages
// through the one command dispatcher, every page is there, and the theme file reaches the
// skin page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>

#include "examples/showcase/main_form.h"
#include "gridlib/grid/grid_style.h"
#include "skin/flat_panel.h"
#include "skin/form.h"
#include "examples/showcase/showcase_options.h"
#include "platform/controls/application.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/menus.h"
#include "platform/controls/tree_view.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/clock.h"
#include "platform/windows/input.h"
#include "platform/windows/message_loop.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "platform/windows/scroll_bars.h"
#include "platform/windows/size_limits.h"
#include "platform/windows/window_tree.h"
#include "sidebar/side_bar.h"
#include "examples/showcase/artwork_gallery.h"
#include "skin/file_theme.h"
#include "skin/menus.h"
#include "skin/page_control.h"

namespace {

// Where the build writes the theme file the showcase loads by default.
String BuiltThemeFile() { return ProgramFolder() + "../examples/showcase/OnePlumet.skn"; }

class ShowcaseMainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(std::make_unique<TTestClock>());
    ResetInput();
    scope_ = std::make_unique<TApplicationScope>();
    Application->CreateForm(form_);
    form_->SetPosition(poDesigned);
    form_->SetBounds(0, 0, 1024, 700);
    form_->Show();
    Pump();
  }
  void TearDown() override {
    SavePictureOnFailure();
    scope_.reset();
    MSG m;
    while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
    SetClock(nullptr);
  }
  void Pump() { Application->ProcessMessages(); }

  // Move, press and release over the centre of `r`, in the client coordinates of `target`.
  void Click(TWinControl* target, const TRect& r) {
    const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    target->Perform(WM_MOUSEMOVE, 0, PointToLParam(p));
    target->Perform(WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(p));
    target->Perform(WM_LBUTTONUP, 0, PointToLParam(p));
    Pump();
  }
  void ClickSideBarButton(int command) {
    TnbButton* button = FindButton(command);
    ASSERT_NE(button, nullptr);
    Click(form_->SideBar(), button->Rects().Button);
  }
  TnbButton* FindButton(int command) const {
    TnbSideBar* bar = form_->SideBar();
    for (int h = 0; h < bar->HeaderCount(); ++h)
      for (int b = 0; b < bar->Header(h)->ButtonCount(); ++b)
        if (bar->Header(h)->GetButton(b)->Tag() == command) return bar->Header(h)->GetButton(b);
    return nullptr;
  }

  // The form's window picture at a point of `control`'s client area.
  TColor Pixel(TControl* control, TPoint p) {
    TBitmap* surface = WindowSurface(form_->Handle());
    if (surface == nullptr) return clNone;
    const TPoint screen = control->ClientToScreen(p);
    const TRect frame = WindowBounds(form_->Handle());
    const uint32_t argb = surface->Pixel32(screen.x - frame.Left, screen.y - frame.Top);
    return static_cast<TColor>(((argb >> 16) & 0xFF) | (argb & 0xFF00) | (argb & 0xFF) << 16);
  }

  void ExpectOnlyPageShown(int command) {
    EXPECT_EQ(form_->ActiveCommand(), command);
    for (int i = 1; i <= form_->PageCount(); ++i) {
      EXPECT_EQ(form_->Page(i)->Visible(), i == command) << "page " << i;
      EXPECT_EQ(form_->ToolButton(i)->Down(), i == command) << "tool button " << i;
    }
    TnbButton* button = FindButton(command);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(form_->SideBar()->ActiveHeader(), button->Header()) << "the bar shows the command's header";
    EXPECT_EQ(button->Header()->SelectedIndex(), button->Index()) << "with its button selected";
  }

  void SavePictureOnFailure() {
    if (!HasFailure() || form_ == nullptr) return;
    TBitmap* surface = WindowSurface(form_->Handle());
    if (surface == nullptr) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    surface->SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." + info->name() + ".png");
  }

  TShowcaseMainForm* form_ = nullptr;

 private:
  GridLibraryScope gridLibrary_;
  std::unique_ptr<TApplicationScope> scope_;
};

TEST_F(ShowcaseMainForm, ClickingASideBarButtonShowsItsPage) {
  ExpectOnlyPageShown(1);
  int announced = 0;
  form_->OnCommand.Bind(nullptr, "Announce", [&](TObject*, int command) { announced = command; });
  ClickSideBarButton(3);
  ExpectOnlyPageShown(3);
  EXPECT_EQ(announced, 3) << "the bar runs the same dispatcher as the tool bar";
  EXPECT_EQ(Pixel(form_->PageHost(), {200, 200}), static_cast<TColor>(0xF0FFF0)) << "the page is what is painted";
}

TEST_F(ShowcaseMainForm, AnotherHeaderOpensByItsCaptionAndItsButtonsSwitchPages) {
  TnbButton* skin = FindButton(TShowcaseMainForm::kSkinCommand);
  ASSERT_NE(skin, nullptr);
  Click(form_->SideBar(), skin->Header()->CaptionRect());
  ASSERT_EQ(form_->SideBar()->ActiveHeader(), skin->Header());
  EXPECT_EQ(form_->ActiveCommand(), 1) << "opening a header alone switches no page";
  ClickSideBarButton(TShowcaseMainForm::kSkinCommand);
  ExpectOnlyPageShown(TShowcaseMainForm::kSkinCommand);
  // The artwork is the first of the skin page's pages, and the page shown first.
  TskPageControl* pages = form_->SkinPages();
  ASSERT_NE(pages, nullptr);
  EXPECT_EQ(pages->Parent(), form_->Page(TShowcaseMainForm::kSkinCommand));
  EXPECT_EQ(pages->ActivePage(), pages->Pages(0));
  EXPECT_TRUE(form_->Gallery()->Visible() && form_->Gallery()->Parent() == pages->Pages(0));
}

TEST_F(ShowcaseMainForm, ToolBarCommandsMoveTheSideBarToTheirButton) {
  TShowcaseToolButton* contacts = form_->ToolButton(2);
  Click(form_->ToolBar(), contacts->BoundsRect());
  ExpectOnlyPageShown(2);
  form_->ExecuteCommand(TShowcaseMainForm::kStandardControlsCommand);
  ExpectOnlyPageShown(TShowcaseMainForm::kStandardControlsCommand);
  form_->ExecuteCommand(0);
  form_->ExecuteCommand(form_->PageCount() + 1);
  EXPECT_EQ(form_->ActiveCommand(), TShowcaseMainForm::kStandardControlsCommand) << "unknown commands are ignored";
}

TEST_F(ShowcaseMainForm, EveryPageHasATitledToolButtonAndAPicturedSideBarButton) {
  ASSERT_EQ(form_->PageCount(), 7);
  TImageList* images = form_->SideBarImages();
  ASSERT_EQ(images->Count(), form_->PageCount());
  for (int command = 1; command <= form_->PageCount(); ++command) {
    ASSERT_NE(form_->Page(command), nullptr);
    EXPECT_FALSE(TShowcaseMainForm::PageKey(command).empty());
    TnbButton* button = FindButton(command);
    ASSERT_NE(button, nullptr) << "command " << command;
    EXPECT_EQ(button->Caption(), form_->ToolButton(command)->Caption());
    EXPECT_EQ(button->ImageIndex(), command - 1);
    EXPECT_EQ(button->Header()->Images()->Normal(), images);
  }
  EXPECT_EQ(TShowcaseMainForm::PageKey(TShowcaseMainForm::kStandardControlsCommand), "standard");
  EXPECT_EQ(TShowcaseMainForm::PageKey(TShowcaseMainForm::kSkinCommand), "skin");
  EXPECT_EQ(form_->SideBar()->Header(0)->Caption(), "短信业务");
}

// The side bar fills a flat panel on the window's left, whose one-colour frame shows around it.
TEST_F(ShowcaseMainForm, TheSideBarSitsInAFramedFlatPanelOnTheLeft) {
  TFlatPanel* holder = form_->SideBarPanel();
  ASSERT_NE(holder, nullptr);
  EXPECT_EQ(holder->Align(), alLeft);
  EXPECT_EQ(holder->Width(), 180);
  EXPECT_EQ(holder->Parent(), form_->Skin());
  EXPECT_EQ(form_->SideBar()->Parent(), holder);
  EXPECT_EQ(form_->SideBar()->Align(), alClient);
  EXPECT_EQ(form_->SideBar()->BoundsRect(), Rect(1, 1, 179, holder->Height() - 1));
  const TColor frame = holder->ColorShadow();
  EXPECT_EQ(holder->ColorHighLight(), frame);
  for (TPoint p : {TPoint{0, 0}, TPoint{179, 40}, TPoint{90, holder->Height() - 1}, TPoint{0, 300}})
    EXPECT_EQ(Pixel(holder, p), ColorToRGB(frame)) << p.x << "," << p.y;
}

TEST_F(ShowcaseMainForm, SideBarPicturesAreDrawnAndDifferWithSeeThroughCorners) {
  TImageList* images = form_->SideBarImages();
  std::vector<std::vector<TColor>> seen;
  for (int i = 0; i < images->Count(); ++i) {
    TBitmap picture;
    picture.SetSize(32, 32);
    picture.Canvas()->Brush()->SetColor(clBlack);
    picture.Canvas()->FillRect(Rect(0, 0, 32, 32));
    images->Draw(picture.Canvas(), 0, 0, i);
    EXPECT_EQ(picture.Canvas()->Pixels(0, 0), clBlack) << "image " << i << " corner lets the button show";
    std::vector<TColor> pixels;
    int ink = 0;
    for (int y = 0; y < 32; y += 2)
      for (int x = 0; x < 32; x += 2) {
        pixels.push_back(picture.Canvas()->Pixels(x, y));
        ink += pixels.back() != clBlack;
      }
    EXPECT_GT(ink, 40) << "image " << i << " has a picture";
    for (size_t j = 0; j < seen.size(); ++j) EXPECT_NE(seen[j], pixels) << "images " << j << " and " << i;
    seen.push_back(pixels);
  }
  // On the bar: the first button's picture is painted over the bar's background.
  TnbButton* send = FindButton(1);
  const TRect image = send->Rects().Image;
  ASSERT_GT(image.Width(), 0);
  EXPECT_EQ(Pixel(form_->SideBar(), {image.Left + 6, image.Top + 20}), clWhite) << "the envelope's paper";
  // Header captions carry the small picture of their first command at their left.
  ASSERT_EQ(form_->SideBar()->HeaderImages()->Normal(), form_->HeaderImages());
  const TRect caption = form_->SideBar()->Header(0)->CaptionRect();
  int paper = 0;
  for (int y = caption.Top + 4; y < caption.Bottom - 4; ++y)
    for (int x = caption.Left + 6; x < caption.Left + 18; ++x) paper += Pixel(form_->SideBar(), {x, y}) == clWhite;
  EXPECT_GT(paper, 10) << "the envelope on the first header's caption";
}

TEST_F(ShowcaseMainForm, StandardControlsPageHoldsTheControls) {
  TShowcasePanel* page = form_->Page(TShowcaseMainForm::kStandardControlsCommand);
  int lists = 0, trees = 0;
  for (int i = 0; i < page->ControlCount(); ++i) {
    lists += dynamic_cast<TListBox*>(page->Controls(i)) != nullptr;
    trees += dynamic_cast<TTreeView*>(page->Controls(i)) != nullptr;
  }
  EXPECT_EQ(lists, 1);
  EXPECT_EQ(trees, 1);
  EXPECT_GT(page->ControlCount(), 8);
}

namespace {

// Every control inside `parent` that shows when `parent` shows, depth first.
void ForEachShown(TWinControl* parent, const std::function<void(TControl*)>& visit) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (!child->Visible()) continue;
    visit(child);
    if (auto* inner = dynamic_cast<TWinControl*>(child)) ForEachShown(inner, visit);
  }
}

}  // namespace

// At the window's smallest width, and in a short window, every control of every page can be
// brought into view: scrolled to its start a page shows every control's top left corner,
// scrolled to its end every control's bottom right one.
TEST_F(ShowcaseMainForm, EveryControlOfEveryPageCanBeReachedAtTheSmallestWidth) {
  constexpr int kShortWindow = 420;
  MINMAXINFO limits{};
  form_->Perform(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
  form_->SetBounds(0, 0, limits.ptMinTrackSize.x, std::max<int>(limits.ptMinTrackSize.y, kShortWindow));
  Pump();
  ASSERT_EQ(form_->Width(), limits.ptMinTrackSize.x);
  for (int command = 1; command <= form_->PageCount(); ++command) {
    SCOPED_TRACE(TShowcaseMainForm::PageKey(command));
    form_->ExecuteCommand(command);
    Pump();
    TShowcasePanel* page = form_->Page(command);
    for (int end : {SB_TOP, SB_BOTTOM}) {
      for (UINT bar : {WM_HSCROLL, WM_VSCROLL}) page->Perform(bar, static_cast<WPARAM>(end), 0);
      Pump();
      ForEachShown(page, [&](TControl* c) {
        const TPoint topLeft = page->ScreenToClient(c->Parent()->ClientToScreen({c->Left(), c->Top()}));
        const TRect r = Bounds(topLeft.x, topLeft.y, c->Width(), c->Height());
        const String name = c->ClassName() + " " + c->Caption();
        if (end == SB_TOP) {
          EXPECT_GE(r.Left, 0) << name;
          EXPECT_GE(r.Top, 0) << name;
        } else {
          EXPECT_LE(r.Right, page->ClientWidth()) << name;
          EXPECT_LE(r.Bottom, page->ClientHeight()) << name;
        }
      });
    }
  }
}

// The page's pop-up menu turns the memo's word wrap off and on again, tick and all.
TEST_F(ShowcaseMainForm, TheWordWrapItemWrapsTheMemoOrNot) {
  TShowcasePanel* page = form_->Page(TShowcaseMainForm::kStandardControlsCommand);
  TMemo* memo = nullptr;
  for (int i = 0; i < page->ControlCount(); ++i)
    if (auto* found = dynamic_cast<TMemo*>(page->Controls(i))) memo = found;
  ASSERT_NE(memo, nullptr);
  auto* menu = dynamic_cast<TPopupMenu*>(page->PopupMenu());
  ASSERT_NE(menu, nullptr);
  TMenuItem* wrap = nullptr;
  for (int i = 0; i < menu->Items()->Count(); ++i)
    if (menu->Items()->Items(i)->Caption() == "自动换行(&W)") wrap = menu->Items()->Items(i);
  ASSERT_NE(wrap, nullptr);
  EXPECT_TRUE(wrap->Checked());
  EXPECT_TRUE(memo->WordWrap());
  for (bool wraps : {false, true}) {
    wrap->Click();
    Pump();
    EXPECT_EQ(wrap->Checked(), wraps);
    EXPECT_EQ(memo->WordWrap(), wraps);
  }
}

namespace {

// Every text the window shows in its controls, lists, trees and menus, with where it is.
void CollectTexts(TControl* control, std::vector<std::pair<String, String>>& texts);

void CollectMenu(TMenuItem* item, std::vector<std::pair<String, String>>& texts) {
  for (int i = 0; i < item->Count(); ++i) {
    texts.emplace_back(item->Items(i)->Caption(), "menu item");
    CollectMenu(item->Items(i), texts);
  }
}

void CollectItems(TControl* control, std::vector<std::pair<String, String>>& texts) {
  const String where = control->ClassName() + " " + control->Name();
  TStrings* items = nullptr;
  if (auto* list = dynamic_cast<TListBox*>(control)) items = list->Items();
  if (auto* combo = dynamic_cast<TComboBox*>(control)) items = combo->Items();
  for (int i = 0; items != nullptr && i < items->Count(); ++i) texts.emplace_back(items->Strings(i), where);
  if (auto* tree = dynamic_cast<TTreeView*>(control)) {
    for (int i = 0; i < tree->Items()->Count(); ++i) texts.emplace_back(tree->Items()->Item(i)->Text(), where);
  }
  if (auto* menu = dynamic_cast<TPopupMenu*>(control->PopupMenu())) CollectMenu(menu->Items(), texts);
}

void CollectTexts(TControl* control, std::vector<std::pair<String, String>>& texts) {
  texts.emplace_back(control->Caption(), control->ClassName() + " " + control->Name());
  CollectItems(control, texts);
  if (auto* parent = dynamic_cast<TWinControl*>(control)) {
    for (int i = 0; i < parent->ControlCount(); ++i) CollectTexts(parent->Controls(i), texts);
  }
}

// A word of two or more Latin letters, other than a file's extension or an accelerator.
bool HasLatinWord(const String& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    size_t end = i;
    while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end]))) ++end;
    const bool extension = i > 0 && text[i - 1] == '.';
    if (end - i >= 2 && !extension) return true;
    i = std::max(i, end);
  }
  return false;
}

}  // namespace

// The client speaks Chinese, and so does every page, menu and list of its showcase.
TEST_F(ShowcaseMainForm, EveryTextTheWindowShowsIsChinese) {
  std::vector<std::pair<String, String>> texts;
  for (int command = 1; command <= form_->PageCount(); ++command) CollectTexts(form_->Page(command), texts);
  CollectTexts(form_->ToolBar(), texts);
  CollectMenu(form_->MainMenu()->Items(), texts);
  for (const auto& [text, where] : texts) EXPECT_FALSE(HasLatinWord(text)) << where << ": " << text;
}

TEST_F(ShowcaseMainForm, ThemeFileReachesTheSkinPage) {
  ASSERT_TRUE(std::filesystem::exists(BuiltThemeFile())) << "the build writes the default theme beside the program";
  form_->ExecuteCommand(TShowcaseMainForm::kSkinCommand);
  Pump();
  const int lastRow = 5 * TArtworkGallery::kRowHeight + 32;
  const TColor before = Pixel(form_->Gallery(), {150, lastRow});
  EXPECT_EQ(form_->Gallery()->FileTheme(), form_->FileTheme());

  EXPECT_FALSE(form_->LoadTheme("no such folder\\missing.skn"));
  EXPECT_FALSE(form_->FileTheme()->CanUse());
  const String file = BuiltThemeFile();
  const char* arguments[] = {"showcase", "--theme", file.c_str()};
  EXPECT_TRUE(form_->LoadTheme(ParseShowcaseOptions(3, arguments, true).themeFile)) << "the file named on the command line";
  EXPECT_TRUE(form_->FileTheme()->CanUse());
  Pump();
  EXPECT_NE(Pixel(form_->Gallery(), {150, lastRow}), before) << "the last row shows the file's title bar";

  EXPECT_FALSE(form_->LoadTheme("missing.skn"));
  EXPECT_TRUE(form_->FileTheme()->CanUse()) << "a missing file keeps the loaded theme";
}

TEST_F(ShowcaseMainForm, TheWindowIsSkinnedOnTheThemeFileAndTakesEveryStyle) {
  ASSERT_TRUE(form_->LoadTheme(BuiltThemeFile()));
  TskForm* skin = form_->Skin();
  EXPECT_EQ(form_->BorderStyle(), bsNone) << "no native frame";
  EXPECT_EQ(skin->UIStyle(), FromThemeFile);
  EXPECT_EQ(skin->FileTheme(), form_->FileTheme());
  EXPECT_EQ(skin->TitleBar()->Caption(), form_->Caption());
  EXPECT_EQ(form_->ToolBar()->Parent(), skin) << "the window's parts sit under the title bar";
  Pump();
  const TColor fileTitle = Pixel(skin->TitleBar(), {200, 10});
  skin->SetUIStyle(Graphite);
  Pump();
  EXPECT_NE(Pixel(skin->TitleBar(), {200, 10}), fileTitle);
  EXPECT_EQ(Pixel(form_->PageHost(), {form_->PageHost()->Width(), 50}), TColor(0x7F7F7F)) << "Graphite's border";
}

TEST(ShowcaseOptions, ReadsThemeAndScreenshotArguments) {
  const char* none[] = {"showcase"};
  TShowcaseOptions defaults = ParseShowcaseOptions(1, none, true);
  EXPECT_FALSE(defaults.screenshot);
  EXPECT_EQ(defaults.themeFile, "skin\\OnePlumet.skn");
  EXPECT_TRUE(defaults.error.empty());
  EXPECT_TRUE(ParseShowcaseOptions(1, none, false).screenshot) << "without a display it renders files";

  const char* both[] = {"showcase", "--theme", "/tmp/a.skn", "--screenshot", "out"};
  TShowcaseOptions given = ParseShowcaseOptions(5, both, true);
  EXPECT_EQ(given.themeFile, "/tmp/a.skn");
  EXPECT_TRUE(given.screenshot);
  EXPECT_EQ(given.directory, "out");

  const char* bare[] = {"showcase", "--screenshot", "--theme"};
  TShowcaseOptions broken = ParseShowcaseOptions(3, bare, true);
  EXPECT_TRUE(broken.screenshot);
  EXPECT_EQ(broken.directory, "showcase-screenshots");
  EXPECT_NE(broken.error.find("--theme"), String::npos) << "a theme option without a file is an error";
}

}  // namespace
