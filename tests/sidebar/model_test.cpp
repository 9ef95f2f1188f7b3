#include <gtest/gtest.h>

#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// The model of headers and buttons: defaults, names, selection, check states, clicks.

using ModelTest = SidebarTest;

TEST_F(ModelTest, NewHeaderAndButtonHaveTheirDefaults) {
  TnbHeader* h = bar_->Headers()->Add();
  EXPECT_EQ(h->Options().Mask(), 49636u);
  EXPECT_EQ(h->Margin(), 4);
  EXPECT_EQ(h->Spacing(), 2);
  EXPECT_EQ(h->ImageIndex(), -1);
  EXPECT_EQ(h->SelectedIndex(), -1);
  EXPECT_EQ(h->FirstButtonTop(), 10);
  EXPECT_EQ(h->Background()->Color(), clGray);
  EXPECT_TRUE(h->Opened());
  TnbButton* b = h->Buttons()->Add();
  EXPECT_TRUE(b->AutoSize());
  EXPECT_TRUE(b->Transparent());
  EXPECT_EQ(b->Color(), clBtnFace);
  EXPECT_EQ(b->Options(), (TnbButtonOptions{boAutoWidthLabel, boUnderlineFont}));
  EXPECT_EQ(b->Width(), 20);
  EXPECT_EQ(b->Height(), 20);
  EXPECT_EQ(b->CheckState(), cbUnchecked);
}

TEST_F(ModelTest, NewBarHasItsDefaults) {
  auto* bar = new TnbSideBar(form_);
  EXPECT_EQ(bar->Align(), alLeft);
  EXPECT_EQ(bar->Width(), 120);
  EXPECT_EQ(bar->Color(), clBtnFace);
  EXPECT_TRUE(bar->TabStop());
  EXPECT_EQ(bar->Options().Mask(), 921u);
  EXPECT_EQ(bar->Version(), "1.0");
  EXPECT_EQ(bar->HeaderCount(), 0);
  EXPECT_EQ(bar->ActiveHeader(), nullptr);
  EXPECT_EQ(bar->BevelOuter(), bvLowered);
  bar->SetHeaderScrollValue(0);
  bar->SetHeaderScrollAcceleration(0);
  EXPECT_EQ(bar->HeaderScrollValue(), 1);
  EXPECT_EQ(bar->HeaderScrollAcceleration(), 1);
  delete bar;
}

TEST_F(ModelTest, NamesAreUniqueAndReuseGaps) {
  TnbHeader* h = AddHeader("A", 3);
  EXPECT_EQ(h->GetButton(0)->Name(), "nbButton1");
  EXPECT_EQ(h->GetButton(1)->Name(), "nbButton2");
  EXPECT_EQ(h->GetButton(2)->Name(), "nbButton3");
  h->Buttons()->DeleteButton(1);
  EXPECT_EQ(h->Buttons()->Add()->Name(), "nbButton2");
  EXPECT_EQ(h->Name(), "nbHeader1");
  EXPECT_EQ(AddHeader("B")->Name(), "nbHeader2");
  // A button made with new joins its header the same way.
  auto* made = new TnbButton(h->Buttons());
  EXPECT_EQ(made->Name(), "nbButton4");
}

TEST_F(ModelTest, RenamingToATakenNameIsRefusedWithTheMessage) {
  TnbHeader* a = AddHeader("A");
  TnbHeader* b = AddHeader("B");
  try {
    b->SetName("NBHEADER1");
    FAIL() << "rename was accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "This bar already contains header with name NBHEADER1\n\rPlease type another one to continue.");
  }
  EXPECT_EQ(b->Name(), "nbHeader2");
  a->SetName("NBHeader1");  // its own name in another case: nothing changes
  EXPECT_EQ(a->Name(), "nbHeader1");
  TnbHeader* c = AddHeader("C", 2);
  EXPECT_THROW(c->GetButton(1)->SetName("nbbutton1"), Exception);
  c->GetButton(1)->SetName("Other");
  EXPECT_EQ(c->GetButton(1)->Name(), "Other");
}

TEST_F(ModelTest, RenamingTheActiveHeaderKeepsItActive) {
  AddHeader("A");
  TnbHeader* b = AddHeader("B");
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(b);
  b->SetName("Renamed");
  b->SetCaption("New");
  EXPECT_EQ(bar_->ActiveHeader(), b);
  bar_->DeleteHeader(b);
  EXPECT_EQ(bar_->ActiveHeader(), nullptr);
}

TEST_F(ModelTest, SelectionIsClampedAndSharedAcrossHeaders) {
  TnbHeader* a = AddHeader("A", 3);
  TnbHeader* b = AddHeader("B", 3);
  a->SetSelectedIndex(5);
  EXPECT_EQ(a->SelectedIndex(), -1);  // AllowSelected is off
  a->SetAllowSelected(true);
  b->SetAllowSelected(true);
  a->SetSelectedIndex(5);
  EXPECT_EQ(a->SelectedIndex(), 2);
  b->SetSelectedIndex(1);
  EXPECT_EQ(a->SelectedIndex(), -1);
  EXPECT_EQ(b->SelectedIndex(), 1);
  bar_->SetEachHeaderSelection(true);
  a->SetSelectedIndex(0);
  b->SetSelectedIndex(2);
  EXPECT_EQ(a->SelectedIndex(), 0);
  EXPECT_EQ(b->SelectedIndex(), 2);
}

TEST_F(ModelTest, CheckedAndCheckStateMoveTogether) {
  TnbButton* b = AddHeader("A", 1)->GetButton(0);
  b->SetCheckState(cbGrayed);
  EXPECT_FALSE(b->Checked());
  b->SetChecked(true);
  EXPECT_EQ(b->CheckState(), cbChecked);
  b->SetCheckState(cbGrayed);
  EXPECT_TRUE(b->Checked());
  b->SetChecked(false);
  EXPECT_EQ(b->CheckState(), cbUnchecked);
}

TEST_F(ModelTest, SizeOfAnAutoSizedButtonIsStoredWithoutNotice) {
  TnbButton* b = AddHeader("A", 1)->GetButton(0);
  int notices = 0;
  b->OnChangeParameter.Bind(nullptr, "", [&](TObject*) { ++notices; });
  b->SetHeight(30);
  EXPECT_EQ(b->Height(), 30);
  EXPECT_EQ(notices, 0);
  b->SetAutoSize(false);
  b->SetWidth(44);
  EXPECT_EQ(notices, 2);
}

TEST_F(ModelTest, LookupsOutsideTheListGiveNil) {
  TnbHeader* h = AddHeader("A", 2);
  EXPECT_EQ(h->GetButton(2), nullptr);
  EXPECT_EQ(h->GetButton(-1), nullptr);
  EXPECT_EQ(bar_->GetHeader(1), nullptr);
  EXPECT_THROW(bar_->GetHeader(-1), EListError);
  TnbHeader outside(bar_);
  EXPECT_EQ(outside.ButtonCount(), 0);
  EXPECT_EQ(outside.GetButton(0), nullptr);
}

TEST_F(ModelTest, ButtonListStepsStayInRange) {
  TnbHeader* h = AddHeader("A", 30);
  bar_->SetHeaderScrollType(stNone);
  bar_->SetActiveHeader(h);
  Layout();
  ASSERT_LT(h->LastFullyVisibleIndex(), 29);
  h->StepUp();
  EXPECT_EQ(h->FirstVisibleIndex(), 0);
  h->StepDown();
  EXPECT_EQ(h->FirstVisibleIndex(), 1);
  TnbHeader* few = AddHeader("B", 1);
  bar_->SetActiveHeader(few);
  Layout();
  EXPECT_EQ(few->LastFullyVisibleIndex(), 0);
  few->StepDown();
  EXPECT_EQ(few->FirstVisibleIndex(), 0);
}

TEST_F(ModelTest, HeaderIndexIsClamped) {
  TnbHeader* a = AddHeader("A");
  AddHeader("B");
  a->SetHeaderIndex(7);
  EXPECT_EQ(a->Index(), 1);
  a->GetButton(0);
}

TEST_F(ModelTest, OnClickWinsOverALinkedActionWithAnotherHandler) {
  TnbButton* b = AddHeader("A")->Buttons()->Add();
  auto* action = new TCustomAction(form_);
  int executed = 0, clicked = 0;
  TNotifyEvent execute;
  execute.Bind(form_, "ActionExecute", [&](TObject*) { ++executed; });
  action->SetOnExecute(execute);
  action->SetCaption("Send");
  b->SetAction(action);
  EXPECT_EQ(b->Caption(), "Send");  // taken: the button had no caption of its own
  b->Click();  // OnClick came from the action: the action runs
  EXPECT_EQ(executed, 1);
  b->OnClick.Bind(form_, "ButtonClick", [&](TObject*) { ++clicked; });
  b->Click();
  EXPECT_EQ(clicked, 1);
  EXPECT_EQ(executed, 1);
  action->SetCaption("Send all");  // still linked: the caption follows
  EXPECT_EQ(b->Caption(), "Send all");
  delete action;  // the link forgets it
  EXPECT_EQ(b->Action(), nullptr);
  b->Click();
  EXPECT_EQ(clicked, 2);
}

// An action linked while the bar is being built gives a button only what the button has not
// set itself.
TEST_F(ModelTest, ALinkedActionFillsOnlyTheButtonsDefaults) {
  struct Row {
    bool actionEnabled, buttonEnabled, actionVisible, buttonVisible;
    int actionHelp, buttonHelp;
    bool enabled, visible;
    int help;
  };
  const Row rows[] = {
      {false, true, false, true, 7, 0, false, false, 7},
      {true, false, true, false, 7, 5, false, false, 5},
      {true, true, true, true, 0, 3, true, true, 3},
  };
  TnbHeader* h = AddHeader("A");
  for (const Row& row : rows) {
    TnbButton* b = h->Buttons()->Add();
    b->SetEnabled(row.buttonEnabled);
    b->SetVisible(row.buttonVisible);
    b->SetHelpContext(row.buttonHelp);
    auto* action = new TCustomAction(form_);
    action->SetEnabled(row.actionEnabled);
    action->SetVisible(row.actionVisible);
    action->SetHelpContext(row.actionHelp);
    b->SetAction(action);
    EXPECT_EQ(b->Enabled(), row.enabled);
    EXPECT_EQ(b->Visible(), row.visible);
    EXPECT_EQ(b->HelpContext(), row.help);
  }
  // A help topic still linked follows the action.
  TnbButton* linked = h->GetButton(0);
  dynamic_cast<TCustomAction*>(linked->Action())->SetHelpContext(12);
  EXPECT_EQ(linked->HelpContext(), 12);
}

TEST_F(ModelTest, AssignCopiesTheLookButNotTheIdentity) {
  TnbHeader* a = AddHeader("A", 2);
  a->SetMargin(9);
  a->SetOptions({hoNoCaption});
  int changes = 0;
  TnbHeader* b = AddHeader("B");
  b->OnChange.Bind(nullptr, "", [&](TObject*) { ++changes; });
  b->Assign(a);
  EXPECT_EQ(b->Caption(), "A");
  EXPECT_EQ(b->Margin(), 9);
  EXPECT_EQ(b->Options(), TnbHeaderOptions{hoNoCaption});
  EXPECT_EQ(b->ButtonCount(), 0);
  EXPECT_EQ(b->Name(), "nbHeader2");
  EXPECT_EQ(changes, 1);
  TnbButton* src = a->GetButton(0);
  src->SetButtonKind(bkCheckBox);
  src->SetHint("tip");
  TnbButton* dst = a->GetButton(1);
  dst->Assign(src);
  EXPECT_EQ(dst->Hint(), "tip");
  EXPECT_EQ(dst->ButtonKind(), bkButton);
  EXPECT_EQ(dst->Name(), "nbButton2");
}

TEST_F(ModelTest, EffectiveSettingsFollowCommonStyle) {
  TnbHeader* h = AddHeader("A", 1);
  EXPECT_EQ(h->EffectiveSettings(), bar_->Settings());
  h->SetOptions(h->Options() + hoCustomSettings);
  EXPECT_EQ(h->EffectiveSettings(), h->Settings());
  h->SetOptions(h->Options() - hoCustomSettings);
  bar_->SetCommonStyle(false);
  EXPECT_EQ(h->EffectiveSettings(), h->Settings());
  TnbButton* b = h->GetButton(0);
  h->Settings()->SetButtonView(bvBig);
  EXPECT_EQ(b->EffectiveView(), bvBig);
  b->SetButtonView(bvToolBox);
  b->SetOptions(b->Options() + boCustomView);
  EXPECT_EQ(b->EffectiveView(), bvToolBox);
}

TEST_F(ModelTest, HidingTheActiveHeaderForgetsIt) {
  TnbHeader* h = AddHeader("A");
  bar_->SetActiveHeader(h);
  h->SetVisible(false);
  EXPECT_EQ(bar_->ActiveHeader(), nullptr);
}

TEST_F(ModelTest, CloseButtonHeaderStartsHidden) {
  TnbCloseButton* close = bar_->CloseButton();
  EXPECT_EQ(close->Caption(), "Favorites");
  EXPECT_FALSE(close->Visible());
  EXPECT_EQ(close->Header()->Options(), (TnbHeaderOptions{hoAlwaysFlat, hoCustomSettings}));
  EXPECT_EQ(close->Header()->Settings()->Alignment(), taLeftJustify);
}

TEST_F(ModelTest, RemovedPopupMenusAreForgottenEverywhere) {
  TnbHeader* h = AddHeader("A", 2);
  auto* menu = new TComponent(nullptr);
  bar_->SetPopupMenu(menu);
  h->SetPopupMenu(menu);
  h->GetButton(1)->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(bar_->PopupMenu(), nullptr);
  EXPECT_EQ(h->PopupMenu(), nullptr);
  EXPECT_EQ(h->GetButton(1)->PopupMenu(), nullptr);
}

TEST_F(ModelTest, MouseEnterFocusesTheBar) {
  bar_->Perform(CM_MOUSEENTER, 0, 0);
  EXPECT_TRUE(bar_->Focused());
}
