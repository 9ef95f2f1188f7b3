// Clicks and focus as a user makes them in a real window: the input layer reports a press and
// its release together, and the message loop handles both afterwards.
#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/tree_view.h"
#include "platform/windows/painting.h"
#include "platform/windows/scroll_bars.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class FocusCaptureTest : public StdControlTest {
 protected:
  static void ClickAt(TControl* c, TPoint p) {
    InjectClick(c->ClientToScreen(p));
    Application->ProcessMessages();
  }
  // The colour the form's composed picture shows at a point of a control.
  TColor Shown(TControl* c, TPoint p) {
    TPoint screen = c->ClientToScreen(p);
    TRect wr;
    GetWindowRect(form_->Handle(), wr);
    uint32_t px = WindowSurface(form_->Handle())->Pixel32(screen.x - wr.Left, screen.y - wr.Top);
    return static_cast<TColor>(((px >> 16) & 0xFF) | (px & 0xFF00) | (px & 0xFF) << 16);
  }
};

TEST_F(FocusCaptureTest, AClickAfterAListScrollArrowGoesWhereTheUserClicked) {
  auto* list = Make<TListBox>(Bounds(10, 10, 150, 100));
  for (int i = 0; i < 40; ++i) list->Items()->Add("item " + std::to_string(i));
  auto* combo = Make<TComboBox>(Bounds(200, 10, 150, 24));
  auto* tree = Make<TTreeView>(Bounds(200, 60, 150, 150));
  tree->Items()->Add(nullptr, "one");
  TTreeNode* two = tree->Items()->Add(nullptr, "two");
  Application->ProcessMessages();
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, info));
  InjectClick({info.rcScrollBar.Left + 5, info.rcScrollBar.Bottom - 5});
  Application->ProcessMessages();
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_EQ(GetCapture(), nullptr) << "nothing holds the mouse after the click";
  ClickAt(combo, {10, 10});
  InjectKeyStroke('1', "1");
  Application->ProcessMessages();
  EXPECT_EQ(combo->Text(), "1");
  EXPECT_EQ(list->ItemIndex(), -1);
  ClickAt(tree, {30, tree->ItemHeight() + tree->ItemHeight() / 2});
  EXPECT_EQ(tree->Selected(), two);
  static_cast<TTestClock&>(Clock()).Advance(1000);
  Application->ProcessMessages();
  EXPECT_EQ(list->TopIndex(), 1) << "the arrow does not go on repeating";
}

TEST_F(FocusCaptureTest, AListComboChosenWithTheMouseLosesItsFocusLookWithTheFocus) {
  auto* combo = Make<TComboBox>(Bounds(10, 10, 150, 24));
  combo->SetStyle(csDropDownList);
  for (const char* s : {"alpha", "beta", "gamma"}) combo->Items()->Add(s);
  auto* memo = Make<TMemo>(Bounds(10, 100, 150, 80));
  auto* tree = Make<TTreeView>(Bounds(200, 100, 150, 80));
  tree->Items()->Add(nullptr, "node");
  Application->ProcessMessages();
  ClickAt(combo, {10, 10});
  ASSERT_TRUE(combo->DroppedDown());
  TRect listRect;
  GetWindowRect(combo->ListBox()->Handle(), listRect);
  InjectClick({listRect.Left + 10, listRect.Top + 3});
  Application->ProcessMessages();
  ASSERT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(Shown(combo, {5, 12}), Sys(clHighlight)) << "focused: the chosen look";
  ClickAt(memo, {10, 10});
  ClickAt(tree, {10, 5});
  EXPECT_TRUE(tree->Focused());
  EXPECT_EQ(Shown(combo, {5, 12}), Sys(clWindow)) << "the combo no longer draws as focused";
}

}  // namespace
