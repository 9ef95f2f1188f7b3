#include <gtest/gtest.h>

#include <functional>

#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// The bar's content moves while the pointer rests: a wheel step, a key switching headers, a
// slide, the column scrolling. What is hot follows the pointer at once, and a click without
// moving runs the button now under it, never the one that was there before.

namespace {

class ContentUnderPointerTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    bar_->SetHeaderScrollType(stNone);
    many_ = AddHeader("Many", 30);
    other_ = AddHeader("Other", 12);
    bar_->SetActiveHeader(many_);
    for (TnbHeader* h : {many_, other_})
      for (int i = 0; i < h->ButtonCount(); ++i)
        h->GetButton(i)->OnClick.Bind(form_, "Clicked", [this](TObject* sender) {
          clicked_.push_back(static_cast<TnbButton*>(sender)->Caption());
        });
  }

  // The button whose laid-out rectangle holds `p`, nil for none.
  TnbButton* ButtonAt(TPoint p) {
    Layout();
    for (TnbHeader* h : {many_, other_})
      for (int i = 0; i < h->ButtonCount(); ++i)
        if (nbHit(h->GetButton(i)->Rects().Button, p)) return h->GetButton(i);
    return nullptr;
  }

  TnbHeader* many_ = nullptr;
  TnbHeader* other_ = nullptr;
  std::vector<String> clicked_;
};

struct Change {
  const char* what;
  std::function<void(TnbSideBar*)> setUp;  // before the pointer comes to rest
  std::function<void(TnbSideBar*)> move;   // moves the content under the pointer
  const char* expected;                    // the caption clicked afterwards, nullptr for any but the old one
  bool tracked = true;                     // whether what is hot follows before the next mouse message
};

}  // namespace

TEST_F(ContentUnderPointerTest, AClickAfterTheContentMovedRunsWhatIsUnderThePointerNow) {
  const auto wheelDown = [](TnbSideBar* bar) { bar->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-120)), 0); };
  const auto closeUp = [](TnbSideBar* bar) {
    bar->SetViewStyle(vsExplorerBar);
    bar->SetExplorerMethod(emCloseUp);
  };
  const Change changes[] = {
      {"a wheel step of the button list", {}, wheelDown, "Many 4"},
      {"Page Down switching headers", {}, [](TnbSideBar* bar) { bar->Perform(WM_KEYDOWN, VK_NEXT, 0); }, nullptr},
      {"a slide to another header",
       [](TnbSideBar* bar) { bar->SetHeaderScrollType(stLinear); },
       [this](TnbSideBar* bar) { bar->SetActiveHeader(other_); }, nullptr},
      {"a step of the button list by the program",
       {},
       [this](TnbSideBar*) { many_->StepDown(); }, "Many 4"},
      {"the column scrolling by a wheel step", closeUp, wheelDown, nullptr},
      {"the column scrolling by the program", closeUp, [](TnbSideBar* bar) { bar->ScrollColumnDown(); }, nullptr},
      // Nothing tells what is hot of this change; the press itself finds what is under it.
      {"taller captions set by the program", {}, [](TnbSideBar* bar) { bar->Settings()->SetHeight(60); }, nullptr,
       false},
  };
  for (const Change& c : changes) {
    SCOPED_TRACE(c.what);
    if (c.setUp) c.setUp(bar_);
    Layout();
    TnbButton* before = many_->GetButton(2);
    ASSERT_TRUE(nbShown(before->Rects().Button));
    const TPoint p = Centre(before->Rects().Button);
    Move(p);
    ASSERT_EQ(bar_->Input().HotButton(), before);
    c.move(bar_);
    TnbButton* now = ButtonAt(p);
    ASSERT_NE(now, before) << "the content did not move";
    if (c.tracked) {
      EXPECT_EQ(bar_->Input().HotButton(), now) << "what is hot follows the pointer";
    }
    clicked_.clear();
    Press(p);
    Release(p);
    EXPECT_EQ(clicked_, now ? std::vector<String>{now->Caption()} : std::vector<String>{});
    if (c.expected != nullptr) {
      EXPECT_EQ(now ? now->Caption() : "nothing", c.expected);
    }
    bar_->Perform(CM_MOUSELEAVE, 0, 0);
    // Back to the start: the outlook view with the first header's list at its top.
    bar_->SetViewStyle(vsOutlook);
    bar_->SetHeaderScrollType(stNone);
    bar_->Settings()->SetHeight(22);
    while (bar_->ScrollOffset() > 0) bar_->ScrollColumnUp();
    many_->SetFirstVisibleIndex(0);
    other_->SetFirstVisibleIndex(0);
    many_->SetOpened(true);
    bar_->SetActiveHeader(many_);
  }
}
