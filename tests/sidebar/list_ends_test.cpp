#include <gtest/gtest.h>

#include <functional>

#include "tests/sidebar/sidebar_fixture.h"

// A button list or the explorer column scrolled down, whose items are then deleted or hidden,
// shows what is left instead of staying scrolled past its end.

namespace {

class ListEndsTest : public SidebarTest {
 protected:
  TnbScrollBox Box(TnbSideBar::BoxIndex i) { return bar_->ScrollBox(i); }

  // How the items after the first `keep` go.
  struct Removal {
    const char* what;
    std::function<void(TnbHeader*, int keep)> buttons;
    std::function<void(TnbSideBar*, int keep)> headers;
  };
  static std::vector<Removal> Removals() {
    return {
        {"deleted",
         [](TnbHeader* h, int keep) {
           while (h->ButtonCount() > keep) h->Buttons()->DeleteButton(h->ButtonCount() - 1);
         },
         [](TnbSideBar* b, int keep) {
           while (b->HeaderCount() > keep) b->DeleteHeader(b->HeaderCount() - 1);
         }},
        {"hidden",
         [](TnbHeader* h, int keep) {
           for (int i = keep; i < h->ButtonCount(); ++i) h->GetButton(i)->SetVisible(false);
         },
         [](TnbSideBar* b, int keep) {
           for (int i = keep; i < b->HeaderCount(); ++i) b->Header(i)->SetVisible(false);
         }},
    };
  }
};

}  // namespace

TEST_F(ListEndsTest, AButtonListScrolledDownShowsTheButtonsLeft) {
  for (const Removal& removal : Removals()) {
    SCOPED_TRACE(removal.what);
    bar_->Clear();
    TnbHeader* h = AddHeader("Many", 30);
    bar_->SetActiveHeader(h);
    for (int i = 0; i < 20; ++i) {
      Layout();
      h->StepDown();
    }
    ASSERT_EQ(h->FirstVisibleIndex(), 20);
    removal.buttons(h, 3);
    Layout();
    int clicked = -1;
    for (int i = 0; i < 3; ++i) {
      TnbButton* b = h->GetButton(i);
      b->OnClick.Bind(form_, "Clicked", [&clicked, i](TObject*) { clicked = i; });
      ASSERT_NE(b->Rects().Button, kHiddenRect) << "button " << i;
      EXPECT_LE(b->Rects().Button.Bottom, h->BodyRect().Bottom);
    }
    Click(h->GetButton(0)->Rects().Button);
    EXPECT_EQ(clicked, 0);
    EXPECT_EQ(Box(TnbSideBar::ListUp).Rect, kHiddenRect) << "nothing above to step to";
  }
}

TEST_F(ListEndsTest, ButtonsAddedAfterClearingAScrolledListAreInView) {
  TnbHeader* h = AddHeader("Many", 30);
  bar_->SetActiveHeader(h);
  for (int i = 0; i < 20; ++i) {
    Layout();
    h->StepDown();
  }
  h->Buttons()->ClearButtons();
  EXPECT_EQ(h->FirstVisibleIndex(), 0);
  for (int i = 0; i < 3; ++i) h->Buttons()->Add()->SetCaption("New");
  Layout();
  EXPECT_EQ(h->GetButton(0)->Rects().Button.Top, h->BodyRect().Top + h->FirstButtonTop());
}

TEST_F(ListEndsTest, AScrolledExplorerColumnShowsTheHeadersLeft) {
  bar_->SetViewStyle(vsExplorerBar);
  for (const Removal& removal : Removals()) {
    SCOPED_TRACE(removal.what);
    bar_->Clear();
    for (int i = 0; i < 8; ++i) AddHeader("H" + std::to_string(i), 3);
    for (int i = 0; i < 30; ++i) bar_->ScrollColumnDown();
    removal.headers(bar_, 1);
    Layout();
    const TRect content = bar_->BarLayout().Content();
    EXPECT_EQ(bar_->Header(0)->CaptionRect().Top, content.Top);
    EXPECT_EQ(bar_->ScrollOffset(), 0);
    EXPECT_EQ(Box(TnbSideBar::ColumnUp).Rect, kHiddenRect);
  }
}
