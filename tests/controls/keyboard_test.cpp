#include "tests/controls/control_fixture.h"

namespace {

using Keyboard = ControlTest;

TEST_F(Keyboard, KeyEventsArriveInOrderWithTheirShiftState) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 20));
  c->SetFocus();
  std::vector<String> events;
  c->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t& key, TShiftState s) {
    events.push_back("down " + std::to_string(key) + (s.Contains(ssShift) ? " shift" : ""));
  });
  c->OnKeyPress.Bind(form, "Press", [&](TObject*, char16_t& key) { events.push_back("press " + std::to_string(key)); });
  c->OnKeyUp.Bind(form, "Up", [&](TObject*, uint16_t& key, TShiftState) { events.push_back("up " + std::to_string(key)); });
  InjectKey(VK_SHIFT, true);
  InjectKeyStroke('A', "A");
  InjectKey(VK_SHIFT, false);
  Pump();
  EXPECT_EQ(events, (std::vector<String>{"down 16 shift", "down 65 shift", "press 65", "up 65", "up 16"}));
}

TEST_F(Keyboard, KeyPreviewLetsTheFormSeeAndEatKeysFirst) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 20));
  c->SetFocus();
  form->SetKeyPreview(true);
  std::vector<String> events;
  form->OnKeyDown.Bind(form, "FormDown", [&](TObject*, uint16_t& key, TShiftState) {
    events.push_back("form " + std::to_string(key));
    if (key == VK_F5) key = 0;
  });
  c->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t& key, TShiftState) { events.push_back("control " + std::to_string(key)); });
  InjectKeyStroke(VK_F2);
  InjectKeyStroke(VK_F5);
  Pump();
  EXPECT_EQ(events, (std::vector<String>{"form 113", "control 113", "form 116"}));
}

TEST_F(Keyboard, TabWalksTheTabOrderAndShiftTabWalksBack) {
  TForm* form = MakeForm();
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* b = AddControl(form, Bounds(0, 30, 50, 20));
  TTestControl* c = AddControl(form, Bounds(0, 60, 50, 20));
  TTestControl* skipped = AddControl(form, Bounds(0, 90, 50, 20));
  skipped->SetTabStop(false);
  c->SetTabOrder(0);  // c, a, b, skipped
  a->SetFocus();
  InjectKeyStroke(VK_TAB);
  Pump();
  EXPECT_TRUE(b->Focused());
  InjectKeyStroke(VK_TAB);
  Pump();
  EXPECT_TRUE(c->Focused()) << "past the last stop tabbing wraps round, skipping controls without TabStop";
  InjectKey(VK_SHIFT, true);
  InjectKeyStroke(VK_TAB);
  InjectKey(VK_SHIFT, false);
  Pump();
  EXPECT_TRUE(b->Focused());
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(Keyboard, AControlThatWantsTabKeepsIt) {
  TForm* form = MakeForm();
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 20));
  AddControl(form, Bounds(0, 30, 50, 20));
  a->dialogCode = DLGC_WANTTAB;
  a->SetFocus();
  int tabs = 0;
  a->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t& key, TShiftState) { tabs += key == VK_TAB; });
  InjectKeyStroke(VK_TAB);
  Pump();
  EXPECT_TRUE(a->Focused());
  EXPECT_EQ(tabs, 1);
}

TEST_F(Keyboard, ArrowsMoveAmongSiblingsUnlessWanted) {
  TForm* form = MakeForm();
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* b = AddControl(form, Bounds(0, 30, 50, 20));
  a->SetFocus();
  InjectKeyStroke(VK_DOWN);
  Pump();
  EXPECT_TRUE(b->Focused());
  b->dialogCode = DLGC_WANTARROWS;
  InjectKeyStroke(VK_UP);
  Pump();
  EXPECT_TRUE(b->Focused());
}

TEST_F(Keyboard, ReturnAndEscapeAreOfferedToTheFormsControlsAsDialogKeys) {
  TForm* form = MakeForm();
  TTestControl* edit = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* okButton = AddControl(form, Bounds(0, 30, 50, 20));
  edit->SetFocus();
  std::vector<WPARAM> offered;
  TWindowProcHook hook(okButton, [&](TMessage& m) {
    if (m.Msg != CM_DIALOGKEY) return false;
    offered.push_back(m.WParam);
    m.Result = m.WParam == VK_RETURN;  // takes Return, lets Escape go on
    return true;
  });
  int editReturns = 0;
  edit->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t& key, TShiftState) { editReturns += key == VK_RETURN; });
  InjectKeyStroke(VK_RETURN);
  InjectKeyStroke(VK_ESCAPE);
  Pump();
  EXPECT_EQ(offered, (std::vector<WPARAM>{VK_RETURN, VK_ESCAPE}));
  EXPECT_EQ(editReturns, 0) << "a dialog key taken by the form never reaches the focused control";
  edit->dialogCode = DLGC_WANTALLKEYS;
  InjectKeyStroke(VK_RETURN);
  Pump();
  EXPECT_EQ(editReturns, 1);
  EXPECT_EQ(offered.size(), 2u);
}

TEST_F(Keyboard, AcceleratorCharactersReachTheControlWithThatLetter) {
  TForm* form = MakeForm();
  TTestControl* edit = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* save = AddControl(form, Bounds(0, 30, 50, 20));
  save->SetCaption("保存(&S)");
  int clicks = 0;
  save->OnClick.Bind(form, "Save", [&](TObject*) { ++clicks; });
  edit->SetFocus();
  InjectKey(VK_MENU, true);
  InjectKeyStroke('S', "s");
  InjectKey(VK_MENU, false);
  Pump();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(save->Focused());
  edit->SetFocus();
  edit->dialogCode = DLGC_WANTCHARS;
  InjectKeyStroke('S', "s");
  Pump();
  EXPECT_EQ(clicks, 1) << "a control that wants characters keeps plain letters";
  EXPECT_TRUE(IsAccel('s', "&Save"));
  EXPECT_FALSE(IsAccel('s', "&&Save"));
}

TEST_F(Keyboard, FocusChangesTellEnterAndExitAndNameTheOtherWindow) {
  TForm* form = MakeForm();
  auto* panel = AddControl(form, Bounds(0, 0, 200, 100));
  TTestControl* inner = AddControl(panel, Bounds(0, 0, 50, 20));
  TTestControl* outside = AddControl(form, Bounds(0, 150, 50, 20));
  std::vector<String> events;
  auto track = [&](TWinControl* c, const char* name) {
    c->OnEnter.Bind(form, String("Enter") + name, [&events, name](TObject*) { events.push_back(String("enter ") + name); });
    c->OnExit.Bind(form, String("Exit") + name, [&events, name](TObject*) { events.push_back(String("exit ") + name); });
  };
  track(panel, "panel");
  track(inner, "inner");
  track(outside, "outside");
  inner->SetFocus();
  outside->SetFocus();
  EXPECT_EQ(events, (std::vector<String>{"enter panel", "enter inner", "exit inner", "exit panel", "enter outside"}));
  auto kill = std::find(inner->seen.begin(), inner->seen.end(), WM_KILLFOCUS);
  EXPECT_NE(kill, inner->seen.end());
  EXPECT_EQ(GetFocus(), outside->Handle());
}

TEST_F(Keyboard, TheFormTakesShortcutsBeforeTheFocusedControl) {
  TForm* form = MakeForm();
  TTestControl* c = AddControl(form, Bounds(0, 0, 50, 20));
  c->SetFocus();
  std::vector<WPARAM> shortcuts;
  form->OnShortCut.Bind(form, "ShortCut", [&](TMessage& key, bool& handled) {
    shortcuts.push_back(key.WParam);
    handled = key.WParam == 'S' && GetKeyState(VK_CONTROL) < 0;
  });
  std::vector<uint16_t> keys;
  c->OnKeyDown.Bind(form, "Down", [&](TObject*, uint16_t& key, TShiftState) { keys.push_back(key); });
  InjectKey(VK_CONTROL, true);
  InjectKeyStroke('S', "\x13");
  InjectKey(VK_CONTROL, false);
  InjectKeyStroke('S', "s");
  Pump();
  EXPECT_EQ(shortcuts, (std::vector<WPARAM>{VK_CONTROL, 'S', 'S'}));
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_CONTROL, 'S'})) << "Ctrl+S went to the form only";
}

TEST_F(Keyboard, PressingAnotherControlCancelsTheFocusedOnesMode) {
  TForm* form = MakeForm();
  TTestControl* combo = AddControl(form, Bounds(0, 0, 50, 20));
  TTestControl* other = AddControl(form, Bounds(0, 50, 50, 20));
  combo->SetFocus();
  combo->seen.clear();
  InjectClick(At(other, 5, 5));
  Pump();
  EXPECT_NE(std::find(combo->seen.begin(), combo->seen.end(), CM_CANCELMODE), combo->seen.end());
}

TEST_F(Keyboard, HiddenOrDisabledControlsCannotTakeFocus) {
  TForm* form = MakeForm();
  TTestControl* a = AddControl(form, Bounds(0, 0, 50, 20));
  a->SetEnabled(false);
  EXPECT_FALSE(a->CanFocus());
  EXPECT_THROW(form->SetActiveControl(a), EInvalidOperation);
  a->SetEnabled(true);
  a->SetVisible(false);
  EXPECT_FALSE(a->CanFocus());
}

}  // namespace
