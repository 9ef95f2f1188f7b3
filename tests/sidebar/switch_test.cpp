#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"
#include "tests/sidebar/sidebar_fixture.h"

// The switch of the active header: who is asked and told in which order, the refusals, the
// slide frames, and the explorer view's open and close.

namespace {

class SwitchTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    a_ = AddHeader("A", 2);
    b_ = AddHeader("B", 2);
    c_ = AddHeader("C", 2);
    bar_->SetHeaderScrollType(stNone);
    bar_->SetActiveHeader(a_);
    bar_->SetHeaderScrollType(stLinear);
    Layout();
    bar_->OnCanChange.Bind(form_, "CanChange", [this](TObject*, TnbHeader* h, bool& can) {
      log_.push_back("can " + (h ? h->Caption() : String("nil")));
      can = can && allow_;
    });
    bar_->OnChange.Bind(form_, "Change", [this](TObject*, int from, int to) {
      log_.push_back("change " + std::to_string(from) + ">" + std::to_string(to) + " active " +
                     std::to_string(bar_->ActiveIndex()));
    });
    for (TnbHeader* h : {a_, b_, c_})
      h->OnChange.Bind(form_, "HeaderChange", [this](TObject* s) {
        log_.push_back("header " + static_cast<TnbHeader*>(s)->Caption());
      });
  }
  TnbHeader* a_ = nullptr;
  TnbHeader* b_ = nullptr;
  TnbHeader* c_ = nullptr;
  bool allow_ = true;
  std::vector<std::string> log_;
};

}  // namespace

TEST_F(SwitchTest, AskThenTellBarThenHeaderThenActivate) {
  bar_->SetActiveHeader(c_);
  EXPECT_EQ(log_, (std::vector<std::string>{"can C", "change 0>2 active 0", "header C"}));
  EXPECT_EQ(bar_->ActiveHeader(), c_);
  EXPECT_EQ(c_->CaptionState(), hbsFocused);
}

TEST_F(SwitchTest, RefusalStopsBeforeTheChangeEvent) {
  allow_ = false;
  bar_->SetActiveHeader(b_);
  EXPECT_EQ(log_, (std::vector<std::string>{"can B"}));
  EXPECT_EQ(bar_->ActiveHeader(), a_);
}

TEST_F(SwitchTest, DisabledHeaderNeedsChangeToDisabled) {
  b_->SetEnabled(false);
  bar_->SetActiveHeader(b_);
  EXPECT_EQ(bar_->ActiveHeader(), a_);
  bar_->SetOptions(bar_->Options() + boChangeToDisabled);
  bar_->SetActiveHeader(b_);
  EXPECT_EQ(bar_->ActiveHeader(), b_);
}

TEST_F(SwitchTest, InvisibleHeaderIsNeverActivated) {
  b_->SetVisible(false);
  bar_->SetActiveHeader(b_);
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(bar_->ActiveHeader(), a_);
}

TEST_F(SwitchTest, SameHeaderAgainTellsWithoutSliding) {
  int paints = 0;
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "Count", [&](TObject*, TCanvas*, TRect, int) { ++paints; });
  bar_->SetActiveHeader(a_);
  EXPECT_EQ(log_, (std::vector<std::string>{"can A", "change 0>0 active 0", "header A"}));
  EXPECT_EQ(paints, 0);  // nothing painted synchronously: no slide
}

TEST_F(SwitchTest, SlideMovesTheCaptionsFrameByFrame) {
  // Record where header C's caption is drawn in each frame of a switch from A down to C.
  std::vector<int> tops;
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "Frames", [&](TObject*, TCanvas*, TRect r, int) {
    if (bar_->Animating() && r.Left == 1 && c_->CaptionRect() == r) tops.push_back(r.Top);
  });
  const int startTop = c_->CaptionRect().Top;
  bar_->SetHeaderScrollValue(40);
  bar_->SetActiveHeader(c_);
  ASSERT_GE(tops.size(), 3u);
  for (size_t i = 1; i < tops.size(); ++i) EXPECT_EQ(tops[i - 1] - tops[i], 40) << "frame " << i;
  EXPECT_LT(tops.back(), startTop);
  EXPECT_FALSE(bar_->Animating());
  EXPECT_EQ(bar_->ActiveHeader(), c_);
}

TEST_F(SwitchTest, AcceleratedSlideGrowsItsStep) {
  std::vector<int> tops;
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "Frames", [&](TObject*, TCanvas*, TRect r, int) {
    if (bar_->Animating() && c_->CaptionRect() == r) tops.push_back(r.Top);
  });
  bar_->SetHeaderScrollType(stAccelerated);
  bar_->SetHeaderScrollValue(10);
  bar_->SetActiveHeader(c_);
  ASSERT_GE(tops.size(), 3u);
  EXPECT_EQ(tops[0] - tops[1], 20);
  EXPECT_EQ(tops[1] - tops[2], 30);
}

TEST_F(SwitchTest, HeaderDeletedDuringASlowSlideEndsItCleanly) {
  // Slow slides let messages run between frames; one of them deletes the header slid to.
  bar_->SetHeaderScrollValue(5);
  PostMessage(bar_->Handle(), WM_USER + 7, 0, 0);
  Application->OnMessage.Bind(form_, "Drop", [this](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 7) return;
    handled = true;
    bar_->DeleteHeader(c_);
  });
  bar_->SetActiveHeader(c_);
  EXPECT_EQ(bar_->HeaderCount(), 2);
  EXPECT_EQ(bar_->ActiveHeader(), a_);
  EXPECT_FALSE(bar_->Animating());
  Layout();
  Application->OnMessage = nullptr;
}

TEST_F(SwitchTest, SecondSwitchDuringASlideIsIgnored) {
  bar_->SetHeaderScrollValue(5);
  PostMessage(bar_->Handle(), WM_USER + 8, 0, 0);
  Application->OnMessage.Bind(form_, "Again", [this](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 8) return;
    handled = true;
    bar_->SetActiveHeader(b_);
  });
  bar_->SetActiveHeader(c_);
  EXPECT_EQ(bar_->ActiveHeader(), c_);
  Application->OnMessage = nullptr;
}

TEST_F(SwitchTest, ExplorerCloseUpTogglesTheHeader) {
  bar_->SetViewStyle(vsExplorerBar);
  ASSERT_TRUE(b_->Opened());
  bar_->SetActiveHeader(b_);
  EXPECT_FALSE(b_->Opened());
  bar_->SetActiveHeader(b_);
  EXPECT_TRUE(b_->Opened());
  Layout();
  Click(c_->CaptionRect());
  EXPECT_FALSE(c_->Opened());
}

TEST_F(SwitchTest, ExplorerMethodChangeActivatesTheFirstHeader) {
  bar_->SetViewStyle(vsExplorerBar);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(c_);
  bar_->SetExplorerMethod(emStandard);
  EXPECT_EQ(bar_->ActiveHeader(), a_);
}

TEST_F(SwitchTest, ViewStyleChangeCanBeRefused) {
  bar_->OnChangeViewStyle.Bind(form_, "Style", [](TObject*, TnbViewStyle, TnbViewStyle, bool& can) { can = false; });
  bar_->SetViewStyle(vsExplorerBar);
  EXPECT_EQ(bar_->ViewStyle(), vsOutlook);
}

TEST_F(SwitchTest, BarDestroyedDuringASlowSlideEndsItCleanly) {
  bar_->SetHeaderScrollValue(5);
  PostMessage(bar_->Handle(), WM_USER + 9, 0, 0);
  TnbSideBar* bar = bar_;
  Application->OnMessage.Bind(form_, "Destroy", [this](MSG& msg, bool& handled) {
    if (msg.message != WM_USER + 9 || bar_ == nullptr) return;
    handled = true;
    delete bar_;
    bar_ = nullptr;
  });
  bar->SetActiveHeader(c_);  // returns without touching the freed bar (AddressSanitizer)
  EXPECT_EQ(bar_, nullptr);
  Application->OnMessage = nullptr;
}

TEST_F(SwitchTest, ToolBoxListBoxesFollowTheSlidingCaptions) {
  bar_->SetScrollView(ssToolBox);
  Layout();
  int frames = 0;
  bar_->OnAfterDrawHeaderButtons.Bind(form_, "AfterCaption", [&](TObject*, TCanvas*, TRect, int) {
    if (!bar_->Animating()) return;
    ++frames;
    // The active header is still A while B and C move up: the down box rides on B's caption.
    const TRect down = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
    EXPECT_TRUE(nbShown(down));
    EXPECT_EQ(down.Top, b_->CaptionRect().Top);
    EXPECT_EQ(bar_->ScrollBox(TnbSideBar::ListUp).Rect.Top, a_->CaptionRect().Top);
  });
  bar_->SetActiveHeader(c_);
  EXPECT_GT(frames, 0);
}
