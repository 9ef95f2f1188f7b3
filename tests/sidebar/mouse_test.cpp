#include <gtest/gtest.h>

#include <functional>

#include "platform/controls/menus.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// The bar driven by mouse and keyboard messages: hover, press, release, clicks, check and
// radio buttons, keys and accelerators.

namespace {

class MouseTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    bar_->SetHeaderScrollType(stNone);
    first_ = AddHeader("&Mail", 3);
    second_ = AddHeader("&Contacts", 2);
    bar_->SetActiveHeader(first_);
    Layout();
  }
  TnbHeader* first_ = nullptr;
  TnbHeader* second_ = nullptr;
};

}  // namespace

TEST_F(MouseTest, HoverPressAndReleaseClickTheButtonOnce) {
  TnbButton* b = first_->GetButton(1);
  int clicks = 0;
  b->OnClick.Bind(form_, "ButtonClick", [&](TObject* sender) {
    EXPECT_EQ(sender, b);
    ++clicks;
  });
  const TPoint p = Centre(b->Rects().Button);
  Move(p);
  EXPECT_EQ(bar_->Input().HotButton(), b);
  EXPECT_EQ(b->State(), hbsFocused);
  Press(p);
  EXPECT_EQ(b->State(), hbsDown);
  EXPECT_EQ(clicks, 0);
  Release(p);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->State(), hbsUp);
  Move({p.x, 1000});
  EXPECT_EQ(bar_->Input().HotButton(), nullptr);
}

TEST_F(MouseTest, ReleaseAwayFromThePressedButtonDoesNotClick) {
  TnbButton* b = first_->GetButton(0);
  int clicks = 0;
  b->OnClick.Bind(form_, "ButtonClick", [&](TObject*) { ++clicks; });
  const TPoint p = Centre(b->Rects().Button);
  Move(p);
  Press(p);
  Move(Centre(first_->GetButton(2)->Rects().Button));
  Release(Centre(first_->GetButton(2)->Rects().Button));
  EXPECT_EQ(clicks, 0);
}

TEST_F(MouseTest, ButtonsOfHeadersNotShownCannotBeHit) {
  // The second header is not active: its buttons are parked.
  for (int i = 0; i < second_->ButtonCount(); ++i)
    EXPECT_EQ(second_->GetButton(i)->Rects().Button, kHiddenRect);
  Move({20, 40});
  TnbButton* hot = bar_->Input().HotButton();
  EXPECT_TRUE(hot == nullptr || hot->Header() == first_);
}

TEST_F(MouseTest, ClickingACaptionActivatesItsHeader) {
  Click(second_->CaptionRect());
  EXPECT_EQ(bar_->ActiveHeader(), second_);
}

TEST_F(MouseTest, DeletingTheClickedButtonInsideItsOwnOnClickLeavesNoReference) {
  TnbButton* b = first_->GetButton(1);
  b->OnClick.Bind(form_, "DeleteSelf", [&](TObject* sender) { delete static_cast<TnbButton*>(sender); });
  const TPoint p = Centre(b->Rects().Button);
  Move(p);
  Press(p);
  Release(p);
  EXPECT_EQ(first_->ButtonCount(), 2);
  EXPECT_EQ(bar_->Input().HotButton(), nullptr);
  // Further mouse traffic and painting touch nothing freed (AddressSanitizer watches).
  Move(p);
  Layout();
  Move({p.x, p.y + 3});
  bar_->Perform(CM_MOUSELEAVE, 0, 0);
}

TEST_F(MouseTest, DeletingTheActiveHeaderFromAButtonClickClearsEverything) {
  TnbButton* b = first_->GetButton(0);
  b->OnClick.Bind(form_, "DropHeader", [&](TObject*) { bar_->Clear(); });
  bar_->SetAlertButton(first_->GetButton(2));
  Click(b->Rects().Button);
  EXPECT_EQ(bar_->HeaderCount(), 0);
  EXPECT_EQ(bar_->ActiveHeader(), nullptr);
  EXPECT_EQ(bar_->Input().HotButton(), nullptr);
  EXPECT_EQ(bar_->AlertButton(), nullptr);
  Layout();
}

TEST_F(MouseTest, CheckBoxesToggleAndGreyedOnesCycleThroughThreeStates) {
  TnbButton* box = first_->GetButton(0);
  box->SetButtonKind(bkCheckBox);
  Layout();
  Click(box->Rects().Button);
  EXPECT_EQ(box->CheckState(), cbChecked);
  Click(box->Rects().Button);
  EXPECT_EQ(box->CheckState(), cbUnchecked);
  box->SetAllowGrayed(true);
  TCheckBoxState seen[3];
  for (auto& s : seen) {
    Click(box->Rects().Button);
    s = box->CheckState();
  }
  EXPECT_EQ(seen[0], cbChecked);
  EXPECT_EQ(seen[1], cbGrayed);
  EXPECT_EQ(seen[2], cbUnchecked);
}

TEST_F(MouseTest, RadioButtonsUncheckOnlyRadioButtonsOfTheirHeader) {
  TnbButton* a = first_->GetButton(0);
  TnbButton* b = first_->GetButton(1);
  TnbButton* check = first_->GetButton(2);
  a->SetButtonKind(bkRadioButton);
  b->SetButtonKind(bkRadioButton);
  check->SetButtonKind(bkCheckBox);
  check->SetChecked(true);
  Layout();
  Click(a->Rects().Button);
  EXPECT_TRUE(a->Checked());
  Click(b->Rects().Button);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(check->Checked());
}

TEST_F(MouseTest, ClickSelectsTheButtonWhenTheHeaderAllowsIt) {
  first_->SetAllowSelected(true);
  Click(first_->GetButton(2)->Rects().Button);
  EXPECT_EQ(first_->SelectedIndex(), 2);
}

TEST_F(MouseTest, MouseLeaveForgetsTheHotItems) {
  Move(Centre(first_->GetButton(0)->Rects().Button));
  ASSERT_NE(bar_->Input().HotButton(), nullptr);
  bar_->Perform(CM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(bar_->Input().HotButton(), nullptr);
  EXPECT_EQ(first_->GetButton(0)->State(), hbsUp);
}

TEST_F(MouseTest, PageKeysWalkTheVisibleHeaders) {
  TnbHeader* third = AddHeader("Third");
  TnbHeader* hidden = AddHeader("Hidden");
  hidden->SetVisible(false);
  Key(VK_NEXT);
  EXPECT_EQ(bar_->ActiveHeader(), second_);
  Key(VK_NEXT);
  EXPECT_EQ(bar_->ActiveHeader(), third);
  Key(VK_NEXT);  // the last visible stays
  EXPECT_EQ(bar_->ActiveHeader(), third);
  Key(VK_PRIOR);
  EXPECT_EQ(bar_->ActiveHeader(), second_);
  Key(VK_HOME);
  EXPECT_EQ(bar_->ActiveHeader(), first_);
  Key(VK_END);
  EXPECT_EQ(bar_->ActiveHeader(), third);
}

TEST_F(MouseTest, PageKeysWithoutAnActiveHeaderStartAtTheEnds) {
  first_->SetVisible(false);  // also forgets the active header
  ASSERT_EQ(bar_->ActiveHeader(), nullptr);
  AddHeader("Last");
  TnbHeader* hiddenLast = AddHeader("HiddenLast");
  hiddenLast->SetVisible(false);
  Key(VK_NEXT);
  EXPECT_EQ(bar_->ActiveHeader(), second_);
  bar_->SetActiveHeader(nullptr);
  Key(VK_PRIOR);
  EXPECT_EQ(bar_->ActiveHeader(), bar_->Header(2));
  bar_->Clear();
  Key(VK_END);
  Key(VK_PRIOR);
  EXPECT_EQ(bar_->ActiveHeader(), nullptr);
}

TEST_F(MouseTest, AcceleratorsActivateHeadersAndClickButtons) {
  bar_->Perform(CM_DIALOGCHAR, 'c', 0);
  EXPECT_EQ(bar_->ActiveHeader(), second_);
  TnbButton* b = second_->GetButton(1);
  b->SetCaption("&Send");
  b->SetButtonKind(bkCheckBox);
  int clicks = 0;
  b->OnClick.Bind(form_, "SendClick", [&](TObject*) { ++clicks; });
  const LRESULT handled = bar_->Perform(CM_DIALOGCHAR, 'S', 0);
  EXPECT_EQ(handled, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(b->CheckState(), cbChecked);
  EXPECT_EQ(bar_->Perform(CM_DIALOGCHAR, 'z', 0), 0);
  bar_->Settings()->SetKeySupport(false);
  bar_->Perform(CM_DIALOGCHAR, 'm', 0);
  EXPECT_EQ(bar_->ActiveHeader(), second_);
}

// A hidden header or button cannot be reached by its accelerator: the character goes on to
// the form. A disabled button is found but does not run.
TEST_F(MouseTest, AcceleratorsPassOverHiddenItems) {
  struct Row {
    const char* what;
    std::function<void(TnbButton*)> make;
    LRESULT handled;
  };
  const Row rows[] = {
      {"hidden button", [](TnbButton* b) { b->SetVisible(false); }, 0},
      {"disabled button", [](TnbButton* b) { b->SetEnabled(false); }, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    TnbButton* b = first_->Buttons()->Add();
    b->SetCaption("&Secret");
    b->SetButtonKind(bkCheckBox);
    int clicks = 0;
    b->OnClick.Bind(form_, "SecretClick", [&](TObject*) { ++clicks; });
    row.make(b);
    EXPECT_EQ(bar_->Perform(CM_DIALOGCHAR, 's', 0), row.handled);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b->CheckState(), cbUnchecked);
    first_->Buttons()->DeleteButton(b);
  }
  TnbHeader* hidden = AddHeader("&Quiet", 1);
  hidden->SetVisible(false);
  EXPECT_EQ(bar_->Perform(CM_DIALOGCHAR, 'q', 0), 0);
  EXPECT_EQ(bar_->ActiveHeader(), first_);
}

TEST_F(MouseTest, WheelStepsTheActiveButtonList) {
  TnbHeader* many = AddHeader("Many", 30);
  bar_->SetActiveHeader(many);
  Layout();
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, static_cast<uint16_t>(-120)), 0);
  EXPECT_EQ(many->FirstVisibleIndex(), 1);
  bar_->Perform(WM_MOUSEWHEEL, MakeWParam(0, 240), 0);
  EXPECT_EQ(many->FirstVisibleIndex(), 0);
}

// A pop-up menu that does not show itself on a right click (AutoPopup off) leaves the click to
// the next menu in line: the header's after the button's, the bar's after the header's.
TEST_F(MouseTest, AMenuThatDoesNotPopUpByItselfLeavesTheRightClickToTheNextOne) {
  TnbButton* button = first_->GetButton(1);
  std::vector<String> shown;
  const auto menu = [&](const char* name, bool autoPopup) {
    auto* m = new TPopupMenu(form_);
    m->SetAutoPopup(autoPopup);
    m->OnPopup.Bind(form_, "Shown", [&shown, name](TObject*) { shown.push_back(name); });
    return m;
  };
  struct Row {
    const char* what;
    bool buttonAuto, headerAuto;
    TRect where;
    const char* expected;
  };
  const Row rows[] = {
      {"button menu off", false, true, button->Rects().Button, "header"},
      {"button and header menus off", false, false, button->Rects().Button, "bar"},
      {"header menu off, on its caption", true, false, first_->CaptionRect(), "bar"},
      {"all on", true, true, button->Rects().Button, "button"},
  };
  bar_->SetPopupMenu(menu("bar", true));
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    button->SetPopupMenu(menu("button", r.buttonAuto));
    first_->SetPopupMenu(menu("header", r.headerAuto));
    shown.clear();
    const TPoint p = Centre(r.where);
    Move(p);
    EXPECT_EQ(bar_->Perform(WM_CONTEXTMENU, 0, PointToLParam(bar_->ClientToScreen(p))), 1);
    EXPECT_EQ(shown, std::vector<String>{r.expected});
  }
}
