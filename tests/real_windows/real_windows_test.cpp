// Standard controls in a real window, driven by real input as a user drives them, without and
// with a window manager.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/forms.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/message_box.h"
#include "platform/controls/panel.h"
#include "platform/controls/screen.h"
#include "platform/controls/tree_view.h"
#include "platform/windows/focus.h"
#include "platform/windows/frame_scroll_tracking.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/scroll_bars.h"
#include "tests/real_windows/real_display.h"

namespace {

class RealWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption(title_);
    form_->SetBounds(100, 100, 520, 380);
    list_ = Add<TListBox>(Bounds(10, 10, 150, 120));
    for (int i = 0; i < 40; ++i) list_->Items()->Add("item " + std::to_string(i));
    combo_ = Add<TComboBox>(Bounds(200, 10, 150, 24));
    tree_ = Add<TTreeView>(Bounds(200, 60, 150, 100));
    tree_->Items()->Add(nullptr, "one");
    two_ = tree_->Items()->Add(nullptr, "two");
    memo_ = Add<TMemo>(Bounds(10, 150, 150, 80));
    opener_ = Add<TPanel>(Bounds(200, 180, 120, 30));
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  void TearDown() override { application_.reset(); }

  template <typename T>
  T* Add(TRect bounds) {
    T* c = new T(form_);
    c->SetParent(form_);
    c->SetBoundsRect(bounds);
    return c;
  }

  static bool ClickOn(TControl* c, TPoint p) { return ClickAt(c->ClientToScreen(p)); }
  // A screen point of the form's frame that answers `code` to the hit test.
  TPoint FrameHit(LRESULT code) const {
    TRect r;
    GetWindowRect(form_->Handle(), r);
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x)
        if (SendMessage(form_->Handle(), WM_NCHITTEST, 0, MakeLParam(x, y)) == code) return {x + 1, y + 1};
    ADD_FAILURE() << "no point of the frame answers " << code;
    return {};
  }
  TPoint ListItem(int index) const {
    TRect r = list_->ItemRect(index);
    return list_->ClientToScreen({r.Left + 10, (r.Top + r.Bottom) / 2});
  }
  bool Selects(int index) {
    return ClickAt(ListItem(index)) && WaitFor([&] { return list_->ItemIndex() == index; });
  }
  static TMessageForm* OpenBox() {
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (auto* box = dynamic_cast<TMessageForm*>(Screen->Forms(i)); box && box->Visible()) return box;
    return nullptr;
  }
  static int OpenBoxes() {
    int n = 0;
    for (int i = 0; i < Screen->FormCount(); ++i) n += dynamic_cast<TMessageForm*>(Screen->Forms(i)) && Screen->Forms(i)->Visible();
    return n;
  }
  std::string XdoWindow() const { return "search --name '^" + title_ + "$'"; }

  TForm* form_ = nullptr;
  TListBox* list_ = nullptr;
  TComboBox* combo_ = nullptr;
  TTreeView* tree_ = nullptr;
  TTreeNode* two_ = nullptr;
  TMemo* memo_ = nullptr;
  TPanel* opener_ = nullptr;

 private:
  std::string title_ = "Real window " + std::to_string(getpid());
  std::unique_ptr<TApplicationScope> application_;
};

TEST_F(RealWindows, MinimisedByItsOwnButtonThenRestoredTheWindowTakesClicks) {
  ASSERT_TRUE(ClickAt(FrameHit(HTMINBUTTON)));
  if (WindowManagerName()) {
    ASSERT_TRUE(WaitFor([&] { return IsIconic(form_->Handle()) && !ToolkitWindowExposed(form_->Handle()); }));
    ASSERT_TRUE(Xdo(XdoWindow() + " windowactivate --sync"));
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(form_->Handle()) && ToolkitWindowExposed(form_->Handle()); }))
        << "restored by the window manager, the window is restored in our tree too";
  } else {
    ASSERT_TRUE(WaitFor([&] { return IsIconic(form_->Handle()); }));
  }
  EXPECT_TRUE(Selects(3)) << "the click reaches the list";
  EXPECT_FALSE(IsIconic(form_->Handle()));
  EXPECT_TRUE(Selects(5));
}

TEST_F(RealWindows, MinimisedAndRestoredByTheWindowManagerTheWindowTakesClicks) {
  if (!WindowManagerName()) GTEST_SKIP() << "needs a window manager";
  ASSERT_TRUE(Xdo(XdoWindow() + " windowminimize --sync"));
  ASSERT_TRUE(WaitFor([&] { return IsIconic(form_->Handle()); }));
  ASSERT_TRUE(Xdo(XdoWindow() + " windowactivate --sync"));
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(form_->Handle()) && ToolkitWindowExposed(form_->Handle()); }));
  EXPECT_TRUE(Selects(2));
}

TEST_F(RealWindows, AMessageBoxBlocksClicksOnItsOwnerAndStaysAboveIt) {
  int opened = 0;
  TModalResult answer = mrNone;
  opener_->OnClick.Bind(form_, "Open", [&](TObject*) {
    ++opened;
    answer = MessageDlg("Keep the changes?", mtConfirmation, {mbOK, mbCancel});
  });
  bool driven = false;
  // The box runs its own loop; the user's part is played from inside it.
  Application->OnIdle.Bind(nullptr, "Drive", [&](TObject*, bool&) {
    TMessageForm* box = OpenBox();
    if (driven || !box || !ToolkitWindowExposed(box->Handle())) return;
    driven = true;
    ClickAt(ListItem(4));
    ClickOn(opener_, {10, 10});
    TMessageButton* ok = box->Button(mrOk);
    TRect okRect;
    GetWindowRect(ok->Handle(), okRect);
    TRect mainRect;
    GetWindowRect(form_->Handle(), mainRect);
    EXPECT_TRUE(mainRect.Contains(okRect.TopLeft())) << "the box lies over its owner";
    ClickOn(ok, {ok->Width() / 2, ok->Height() / 2});
    WaitFor([&] { return box->ModalResult() != mrNone; });
  });
  ASSERT_TRUE(ClickOn(opener_, {10, 10}));
  ASSERT_TRUE(WaitFor([&] { return driven && OpenBoxes() == 0; })) << "the box took the click above its owner";
  EXPECT_EQ(answer, mrOk);
  EXPECT_EQ(opened, 1) << "a second box cannot open from the disabled owner";
  EXPECT_EQ(list_->ItemIndex(), -1) << "the owner took no click";
  EXPECT_TRUE(Selects(6)) << "and takes clicks again afterwards";
}

TEST_F(RealWindows, AClickAfterTheListScrollArrowGoesWhereTheUserClicked) {
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(list_->Handle(), OBJID_VSCROLL, info));
  ASSERT_TRUE(ClickAt({info.rcScrollBar.Left + 5, info.rcScrollBar.Bottom - 5}));
  ASSERT_TRUE(WaitFor([&] { return list_->TopIndex() == 1; }));
  ASSERT_TRUE(ClickOn(combo_, {10, 10}));
  ASSERT_TRUE(Xdo("type 1"));
  EXPECT_TRUE(WaitFor([&] { return combo_->Text() == "1"; })) << "the key goes where the click put the focus";
  EXPECT_EQ(list_->ItemIndex(), -1);
  ASSERT_TRUE(ClickOn(tree_, {30, tree_->ItemHeight() + tree_->ItemHeight() / 2}));
  EXPECT_TRUE(WaitFor([&] { return tree_->Selected() == two_; }));
  EXPECT_EQ(list_->TopIndex(), 1);
}

// Once the thumb of the combo box's dropped list is let go, the combo box still holds the
// mouse: a click beside the list closes it without a choice.
TEST_F(RealWindows, AfterTheComboListsThumbIsDraggedAClickBesideTheListClosesIt) {
  for (int i = 0; i < 40; ++i) combo_->Items()->Add("choice " + std::to_string(i));
  const TRect button = combo_->ButtonRect();
  ASSERT_TRUE(ClickOn(combo_, {(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2}));
  TCustomListBox* list = combo_->ListBox();
  ASSERT_TRUE(WaitFor([&] { return combo_->DroppedDown() && ToolkitWindowExposed(list->Handle()); }));
  SCROLLBARINFO bar;
  ASSERT_TRUE(GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, bar));
  const TRect r = bar.rcScrollBar;
  const TPoint thumb{(r.Left + r.Right) / 2, r.Top + (bar.xyThumbTop + bar.xyThumbBottom) / 2};
  ASSERT_TRUE(Drag(thumb, {thumb.x, r.Bottom + 40}, [&] { return list->TopIndex() + list->VisibleCount() >= 40; }))
      << "the thumb takes the list to its end";
  ASSERT_TRUE(WaitFor([&] { return !FrameScrollTracking(); })) << "the release lets the bar go";
  ASSERT_TRUE(combo_->DroppedDown());
  EXPECT_EQ(GetCapture(), combo_->Handle()) << "the combo box holds the mouse again";
  ASSERT_TRUE(ClickOn(opener_, {10, 10}));
  EXPECT_TRUE(WaitFor([&] { return !combo_->DroppedDown(); })) << "the click beside the list closes it";
  EXPECT_EQ(combo_->ItemIndex(), -1);
}

TEST_F(RealWindows, TheWheelScrollsTheListUnderThePointer) {
  ASSERT_TRUE(ClickOn(memo_, {10, 10}));
  ASSERT_TRUE(WaitFor([&] { return memo_->Focused(); }));
  TPoint over = list_->ClientToScreen({20, 20});
  ASSERT_TRUE(Xdo("mousemove " + std::to_string(over.x) + " " + std::to_string(over.y) + " click 5 click 5"));
  EXPECT_TRUE(WaitFor([&] { return list_->TopIndex() > 0; }));
  EXPECT_TRUE(memo_->Focused());
}

TEST_F(RealWindows, CaptionDragMovesAndBorderDragSizesTheWindow) {
  if (WindowManagerName()) GTEST_SKIP() << "the window manager moves and sizes windows itself";
  TRect before = WindowBounds(form_->Handle());
  TPoint caption = FrameHit(HTCAPTION);
  TRect moved = before;
  OffsetRect(moved, 60, 40);
  EXPECT_TRUE(Drag(caption, {caption.x + 60, caption.y + 40}, [&] { return WindowBounds(form_->Handle()) == moved; }))
      << "caption drag";
  TPoint corner = FrameHit(HTBOTTOMRIGHT);
  TRect sized = moved;
  sized.Right += 50;
  sized.Bottom += 30;
  EXPECT_TRUE(Drag(corner, {corner.x + 50, corner.y + 30}, [&] { return WindowBounds(form_->Handle()) == sized; }))
      << "border drag";
  EXPECT_TRUE(WaitFor([&] { return !MoveSizeTracking(); }));
  EXPECT_TRUE(Selects(1)) << "clicks work after the drags";
}

}  // namespace
