// Skinned child forms of a multiple-document frame: what they tell the frame's client window,
// the title bar of the active child, and a maximized child giving its title bar's room to
// what stood below it.

#include "platform/controls/panel.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/mdi_client.h"
#include "platform/windows/window_tree.h"
#include "skin/form_hook.h"
#include "skin/skin_painting.h"
#include "tests/skin/skinned_form_support.h"

namespace {

class SkinnedMDIChildren : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SkinnedFormTest::SetUp();
    frame_ = new TForm(Application);
    frame_->SetFormStyle(fsMDIForm);
    frame_->SetBoundsRect(Bounds(0, 0, 640, 480));
    Application->SetMainForm(frame_);
    frame_->Show();
    // The skin messages reaching the client, as (message, wParam).
    HWND client = frame_->ClientHandle();
    WNDPROC previous = GetWindowProc(client);
    SetWindowProc(client, [this, previous](HWND h, UINT msg, WPARAM w, LPARAM l) {
      if (msg >= SKM_MDICHILDCHANGED && msg <= SKM_MDICHILDRESTORED) told_.push_back({msg, w});
      return CallWindowProc(previous, h, msg, w, l);
    });
  }
  TForm* SkinnedChild(TRect bounds = Bounds(10, 10, 300, 200)) {
    auto* child = new TForm(Application);
    child->SetFormStyle(fsMDIChild);
    child->SetBoundsRect(bounds);
    Skin(child);
    child->Show();
    Pump();
    return child;
  }
  static TskForm* SkinOf(TForm* form) { return dynamic_cast<TskForm*>(form->Controls(0)); }
  // The frame's picture at a screen point.
  TColor FramePixel(TPoint screen) {
    Pump();
    TRect window;
    GetWindowRect(frame_->Handle(), window);
    return Pixel(frame_, screen.x - window.Left, screen.y - window.Top);
  }
  // A lime panel on the skin, 6 pixels below its title bar.
  static TPanel* PanelBelowTitle(TForm* child) {
    TskForm* skin = SkinOf(child);
    auto* below = new TPanel(child);
    below->SetParent(skin);
    below->SetBounds(8, skin->TitleBar()->Height() + 6, 100, 40);
    below->SetColor(clLime);
    return below;
  }
  using TTold = std::vector<std::pair<UINT, WPARAM>>;
  TForm* frame_ = nullptr;
  TTold told_;
};

TEST_F(SkinnedMDIChildren, AChildKeepsItsBorderButItsProcedureIsTheSkins) {
  TForm* child = SkinnedChild();
  EXPECT_EQ(child->BorderStyle(), bsSizeable);
  EXPECT_EQ(GetWindowLong(child->Handle(), GWL_STYLE) & WS_CAPTION, 0) << "no native caption";
  EXPECT_NE(child->WindowProc.target<TskFormWindowProc>(), nullptr);
  EXPECT_EQ(SkinOf(child)->RoundCorner(), 0);
  delete SkinOf(child);
  EXPECT_EQ(child->WindowProc.target<TskFormWindowProc>(), nullptr);
}

TEST_F(SkinnedMDIChildren, TheActivatedChildTellsTheClientAndLooksActive) {
  TForm* first = SkinnedChild();
  TForm* second = SkinnedChild(Bounds(40, 40, 300, 200));
  EXPECT_EQ(told_, (TTold{{SKM_MDICHILDCHANGED, 0}, {SKM_MDICHILDCHANGED, 0}}));
  EXPECT_TRUE(SkinOf(second)->TitleBar()->FormActive());
  EXPECT_FALSE(SkinOf(first)->TitleBar()->FormActive());
  told_.clear();
  SendMessage(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()));
  EXPECT_TRUE(SkinOf(first)->TitleBar()->FormActive());
  EXPECT_FALSE(SkinOf(second)->TitleBar()->FormActive());
  EXPECT_EQ(told_, (TTold{{SKM_MDICHILDCHANGED, 0}}));
}

// Child forms never become the active window themselves: the frame's active child counts as
// active while the application is, and a press on another child moves that to it.
TEST_F(SkinnedMDIChildren, TheFramesActiveChildCountsAsTheActiveForm) {
  TForm* first = SkinnedChild();
  TForm* second = SkinnedChild(Bounds(200, 150, 300, 200));
  ASSERT_EQ(GetActiveWindow(), frame_->Handle());
  ASSERT_FALSE(second->Active());
  EXPECT_TRUE(IsFormActive(second));
  EXPECT_FALSE(IsFormActive(first));
  InjectClick(first->ClientToScreen({20, 60}));
  Pump();
  EXPECT_TRUE(IsFormActive(first));
  EXPECT_FALSE(IsFormActive(second));
  EXPECT_TRUE(SkinOf(first)->TitleBar()->FormActive());
  SetActiveWindow(nullptr);  // the application is not active
  EXPECT_FALSE(IsFormActive(first));
}

TEST_F(SkinnedMDIChildren, AMaximizedChildScrollsItsTitleBarAwayAndBack) {
  TForm* child = SkinnedChild();
  TskForm* skin = SkinOf(child);
  const int title = skin->TitleBar()->Height();
  ASSERT_GT(title, 0);
  auto* below = new TPanel(child);
  below->SetParent(skin);
  below->SetBounds(8, title + 6, 100, 40);
  told_.clear();
  child->SetWindowState(wsMaximized);
  Pump();
  EXPECT_FALSE(skin->TitleBarVisible());
  EXPECT_EQ(below->Top(), 6) << "what stood below the title bar moves into its room";
  EXPECT_EQ(told_, (TTold{{SKM_MDICHILDMAXIMIZED, reinterpret_cast<WPARAM>(child->Handle())}}));
  told_.clear();
  child->SetWindowState(wsNormal);
  Pump();
  EXPECT_TRUE(skin->TitleBarVisible());
  EXPECT_EQ(skin->TitleBar()->Top(), 0);
  EXPECT_EQ(below->Top(), title + 6);
  EXPECT_EQ(told_, (TTold{{SKM_MDICHILDRESTORED, 0}}));
}

// Each child keeps its own account of the title bar it scrolled away.
TEST_F(SkinnedMDIChildren, ChildrenMaximizedInTurnAndRestoredGetTheirContentBack) {
  TForm* first = SkinnedChild();
  TForm* second = SkinnedChild(Bounds(40, 40, 300, 200));
  const int title = SkinOf(first)->TitleBar()->Height();
  TPanel* below[] = {PanelBelowTitle(first), PanelBelowTitle(second)};
  first->SetWindowState(wsMaximized);
  second->SetWindowState(wsMaximized);
  Pump();
  EXPECT_EQ(below[0]->Top(), 6);
  EXPECT_EQ(below[1]->Top(), 6) << "the second child's content moves up too";
  second->SetWindowState(wsNormal);
  first->SetWindowState(wsNormal);
  Pump();
  EXPECT_EQ(below[0]->Top(), title + 6);
  EXPECT_EQ(below[1]->Top(), title + 6);
  EXPECT_TRUE(SkinOf(first)->TitleBarVisible());
  EXPECT_TRUE(SkinOf(second)->TitleBarVisible());
}

TEST_F(SkinnedMDIChildren, AMaximizedChildMinimizedAndRestoredComesBackMaximized) {
  TForm* child = SkinnedChild();
  TskForm* skin = SkinOf(child);
  const int title = skin->TitleBar()->Height();
  TPanel* below = PanelBelowTitle(child);
  child->SetWindowState(wsMaximized);
  Pump();
  child->SetWindowState(wsMinimized);
  Pump();
  SendMessage(child->Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  Pump();
  ASSERT_EQ(child->WindowState(), wsMaximized);
  EXPECT_FALSE(skin->TitleBarVisible());
  EXPECT_EQ(below->Top(), 6);
  // What is painted at the top is the content, not the child's own title bar.
  EXPECT_EQ(FramePixel(skin->ClientToScreen({12, 10})), TColor(clLime));
  // Minimized again and then shown normal, it has its title bar and content where they were.
  child->SetWindowState(wsMinimized);
  child->SetWindowState(wsNormal);
  Pump();
  EXPECT_TRUE(skin->TitleBarVisible());
  EXPECT_EQ(below->Top(), title + 6);
}

TEST_F(SkinnedMDIChildren, AChildGoingTellsTheClientAndAMaximizedOneAlsoItsRestore) {
  struct TCase {
    TWindowState state;
    TTold expected;
  };
  for (const TCase& c : {TCase{wsNormal, {{SKM_MDICHILDCHANGED, 0}}},
                         TCase{wsMaximized, {{SKM_MDICHILDCHANGED, 0}, {SKM_MDICHILDRESTORED, 0}}}}) {
    TForm* child = SkinnedChild();
    child->SetWindowState(c.state);
    Pump();
    told_.clear();
    delete child;
    EXPECT_EQ(told_, c.expected) << c.state;
  }
}

}  // namespace
