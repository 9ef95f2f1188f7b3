#include "platform/controls/edit.h"

#include <random>

#include "tests/controls/std_control_fixture.h"

namespace {

class EditTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    edit = Make<TEdit>(Bounds(10, 10, 160, 24));
    edit->OnChange.Bind(nullptr, "Changed", [this](TObject*) { ++changes; });
  }
  std::pair<int, int> Sel() {
    uint32_t start = 0, end = 0;
    edit->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
  }
  TPoint CharPos(int index) { return LParamToPoint(edit->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(index))); }

  TEdit* edit = nullptr;
  int changes = 0;
};

TEST_F(EditTest, TypingInsertsAtTheCaretAndReportsEachChange) {
  Type(edit, "helo");
  edit->Perform(EM_SETSEL, 3, 3);
  Type(edit, "l");
  Key(edit, VK_END);
  Type(edit, "!");
  EXPECT_EQ(edit->Text(), "hello!");
  EXPECT_EQ(changes, 6);
  EXPECT_TRUE(edit->Modified());
  EXPECT_EQ(edit->Perform(EM_GETMODIFY), 1);
  edit->SetText("fresh");
  EXPECT_FALSE(edit->Modified());
  EXPECT_EQ(edit->SelStart(), 0);
  EXPECT_EQ(changes, 7);
}

TEST_F(EditTest, TheParentHearsEveryChangeAsEnChange) {
  std::vector<WPARAM> commands;
  TWndMethod previous = form_->WindowProc;
  form_->WindowProc = [&](TMessage& m) {
    if (m.Msg == WM_COMMAND && reinterpret_cast<HWND>(m.LParam) == edit->Handle()) commands.push_back(m.WParam);
    previous(m);
  };
  Type(edit, "ab");
  edit->SetMaxLength(2);
  Type(edit, "c");  // refused: the parent hears that the limit was reached
  edit->SetText("");
  form_->WindowProc = previous;
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[0] >> 16, EN_CHANGE);
  EXPECT_EQ(commands[2] >> 16, EN_MAXTEXT);
  EXPECT_EQ(commands[3] >> 16, EN_CHANGE);
  EXPECT_EQ(changes, 3);  // reflected back to the edit as its OnChange
}

TEST_F(EditTest, ChineseAndSupplementaryCharactersAreWholeCharacters) {
  Type(edit, "中文");
  edit->Perform(WM_CHAR, 0x20BB7);      // a code point past 16 bits, in one message
  edit->Perform(WM_IME_CHAR, 0x8F93);   // 输, committed by the input method
  Type(edit, "😀");                     // two surrogate halves
  EXPECT_EQ(edit->Text(), "中文𠮷输😀");
  EXPECT_EQ(edit->SelStart(), 5);
  Key(edit, VK_LEFT, {ssShift});
  Key(edit, VK_LEFT, {ssShift});
  EXPECT_EQ(edit->SelText(), "输😀");
  Type(edit, "\b");
  EXPECT_EQ(edit->Text(), "中文𠮷");
  Type(edit, "\b");
  EXPECT_EQ(edit->Text(), "中文");
  edit->Perform(WM_CHAR, 0x110000);  // not a character: nothing happens
  edit->Perform(WM_CHAR, 0xDC00);    // a lone low half types nothing
  EXPECT_EQ(edit->Text(), "中文");
}

TEST_F(EditTest, MaxLengthCountsCharactersAndCutsWhatDoesNotFit) {
  edit->SetMaxLength(3);
  Type(edit, "中文字符");
  EXPECT_EQ(edit->Text(), "中文字");
  Clipboard()->SetAsText("ab");
  edit->Perform(EM_SETSEL, 2, 3);
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "中文a");
  edit->Perform(EM_LIMITTEXT, 0);
  Type(edit, "xyz");
  EXPECT_EQ(edit->Text(), "中文axyz");
  // Text set by the program may be longer than the limit.
  edit->SetMaxLength(2);
  edit->SetText("longer");
  EXPECT_EQ(edit->Text(), "longer");
}

TEST_F(EditTest, ReadOnlyRefusesEveryChangeButCopies) {
  edit->SetText("fixed");
  edit->SetReadOnly(true);
  edit->SelectAll();
  Type(edit, "x\b");
  Key(edit, VK_DELETE);
  edit->Perform(WM_CUT);
  Clipboard()->SetAsText("pasted");
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "fixed");
  edit->Perform(WM_COPY);
  EXPECT_EQ(Clipboard()->AsText(), "fixed");
}

TEST_F(EditTest, CharCaseConvertsTypedAndAssignedText) {
  edit->SetCharCase(ecUpperCase);
  Type(edit, "abc");
  EXPECT_EQ(edit->Text(), "ABC");
  edit->SetText("mixed Äb");
  EXPECT_EQ(edit->Text(), "MIXED ÄB");
  edit->SetCharCase(ecLowerCase);
  EXPECT_EQ(edit->Text(), "mixed äb");
}

TEST_F(EditTest, KeysMoveTheCaretAndShiftExtendsTheSelection) {
  edit->SetText("one two three");
  Key(edit, VK_END);
  Key(edit, VK_LEFT, {ssCtrl});
  EXPECT_EQ(edit->SelStart(), 8);
  Key(edit, VK_LEFT, {ssCtrl, ssShift});
  EXPECT_EQ(Sel(), std::make_pair(4, 8));
  EXPECT_EQ(edit->SelText(), "two ");
  Key(edit, VK_RIGHT);  // collapses to the selection's end
  EXPECT_EQ(Sel(), std::make_pair(8, 8));
  Key(edit, VK_HOME, {ssShift});
  EXPECT_EQ(edit->SelText(), "one two ");
  Key(edit, VK_RIGHT, {ssCtrl});
  EXPECT_EQ(edit->CaretPos(), 4);
  Key(edit, VK_DELETE, {ssCtrl});
  EXPECT_EQ(edit->Text(), "one three");
  Key(edit, VK_END);
  Type(edit, "\x7f");  // Ctrl+Backspace removes the word before the caret
  EXPECT_EQ(edit->Text(), "one ");
}

TEST_F(EditTest, SelectionMessagesClampAndReplace) {
  edit->SetText("abcdef");
  edit->Perform(EM_SETSEL, 4, -1);
  EXPECT_EQ(Sel(), std::make_pair(4, 6));
  edit->Perform(EM_SETSEL, 2, 99);
  EXPECT_EQ(Sel(), std::make_pair(2, 6));
  EXPECT_EQ(edit->Perform(EM_GETSEL), MakeLParam(2, 6));
  edit->Perform(EM_REPLACESEL, 1, reinterpret_cast<LPARAM>("XY"));
  EXPECT_EQ(edit->Text(), "abXY");
  edit->Perform(EM_SETSEL, 0, -1);
  Type(edit, "z");
  EXPECT_EQ(edit->Text(), "z");
  edit->SetSelText("!");
  EXPECT_EQ(edit->Text(), "z!");
}

TEST_F(EditTest, UndoRestoresTheLastEditAndUndoAgainRedoes) {
  EXPECT_EQ(edit->Perform(EM_CANUNDO), 0);
  Type(edit, "ab");
  edit->Perform(EM_SETSEL, 0, -1);
  Type(edit, "X");
  edit->Perform(EM_UNDO);
  EXPECT_EQ(edit->Text(), "ab");
  Type(edit, "\x1a");  // Ctrl+Z
  EXPECT_EQ(edit->Text(), "X");
  edit->SetText("new");
  EXPECT_FALSE(edit->CanUndo());
}

TEST_F(EditTest, ClipboardCutCopyPasteByKeysAndMessages) {
  edit->SetText("copy me");
  edit->Perform(EM_SETSEL, 0, 4);
  Type(edit, "\x03");
  EXPECT_EQ(Clipboard()->AsText(), "copy");
  edit->Perform(EM_SETSEL, 4, 7);
  Key(edit, VK_DELETE, {ssShift});
  EXPECT_EQ(Clipboard()->AsText(), " me");
  EXPECT_EQ(edit->Text(), "copy");
  Clipboard()->SetAsText("粘贴\r\nsecond line");
  Key(edit, VK_INSERT, {ssShift});
  EXPECT_EQ(edit->Text(), "copy粘贴");
  edit->Perform(EM_SETSEL, 0, 2);
  Type(edit, "\x18");
  EXPECT_EQ(Clipboard()->AsText(), "co");
  EXPECT_EQ(edit->Text(), "py粘贴");
}

TEST_F(EditTest, APasswordIsShownMaskedAndNeverCopied) {
  edit->SetText("secret");
  edit->SetPasswordChar(u'*');
  EXPECT_EQ(edit->Perform(EM_GETPASSWORDCHAR), '*');
  Clipboard()->SetAsText("before");
  edit->SelectAll();
  edit->Perform(WM_COPY);
  edit->Perform(WM_CUT);
  EXPECT_EQ(Clipboard()->AsText(), "before");
  EXPECT_EQ(edit->Text(), "secret");
  TEdit* plain = Make<TEdit>(Bounds(10, 50, 160, 24));
  plain->SetText("******");
  EXPECT_EQ(CharPos(6).x, LParamToPoint(plain->Perform(EM_POSFROMCHAR, 6)).x);
}

TEST_F(EditTest, MouseClickPlacesTheCaretAndDragSelects) {
  edit->SetText("abcdefgh");
  TPoint c3 = CharPos(3);
  TPoint c6 = CharPos(6);
  EXPECT_LT(c3.x, c6.x);
  EXPECT_EQ(edit->Perform(EM_CHARFROMPOS, 0, PointToLParam(c3)), 3);
  Press(edit, c3.x, c3.y + 2);
  EXPECT_TRUE(edit->Focused());
  EXPECT_EQ(edit->SelLength(), 0);  // a click does not select everything on entry
  Drag(edit, c6.x, c6.y + 2);
  Release(edit, c6.x, c6.y + 2);
  EXPECT_EQ(edit->SelText(), "def");
  Click(edit, CharPos(1).x, c3.y + 2, MK_SHIFT);
  EXPECT_EQ(edit->SelText(), "bc");
  EXPECT_EQ(edit->CaretPos(), 1);
  Drag(edit, c6.x, c6.y + 2);  // moving without the button down after release selects nothing
  EXPECT_EQ(edit->SelText(), "bc");
}

TEST_F(EditTest, DoubleClickSelectsAWord) {
  edit->SetText("first second third");
  TPoint p = CharPos(9);
  edit->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(p.x, p.y + 2));
  EXPECT_EQ(edit->SelText(), "second");
}

TEST_F(EditTest, EnteringByKeyboardSelectsAllWhenAutoSelect) {
  TEdit* other = Make<TEdit>(Bounds(10, 50, 160, 24));
  edit->SetText("all of it");
  other->SetFocus();
  edit->SetFocus();
  EXPECT_EQ(edit->SelText(), "all of it");
  edit->SetAutoSelect(false);
  edit->SetSelStart(2);
  other->SetFocus();
  edit->SetFocus();
  EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(EditTest, LongTextScrollsToKeepTheCaretInView) {
  edit->SetWidth(60);
  edit->SetText(String(40, 'w'));
  TRect r;
  edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  Key(edit, VK_END);
  int x = CharPos(40).x;
  EXPECT_GE(x, r.Left);
  EXPECT_LT(x, r.Right);
  EXPECT_LT(CharPos(0).x, r.Left);
  Key(edit, VK_HOME);
  EXPECT_EQ(CharPos(0).x, r.Left);
  TRect narrow = Rect(20, 2, 50, 16);
  edit->Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&narrow));
  EXPECT_EQ(CharPos(0).x, 20);
  edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r, narrow);
}

TEST_F(EditTest, PaintsTextSelectionAndCaretInTheClassicLook) {
  edit->SetText("MMMM");
  edit->SetFocus();
  edit->Perform(EM_SETSEL, 0, 2);
  PaintControl(edit);
  EXPECT_EQ(At(0, 0), Sys(clBtnShadow));       // sunken client edge
  EXPECT_EQ(At(1, 1), Sys(clWindowFrame));     // inner dark line
  int selEnd = CharPos(2).x + 2;               // + client edge
  EXPECT_GT(Count(clHighlight, Rect(2, 2, selEnd, 20)), 20);
  EXPECT_GT(Count(clWindowText, Rect(selEnd, 2, CharPos(4).x + 2, 20)), 5);
  edit->Perform(EM_SETSEL, 4, 4);
  PaintControl(edit);
  int caretX = CharPos(4).x + 2;
  EXPECT_EQ(Count(clBlack, Rect(caretX, 3, caretX + 1, 14)), 11);  // the caret inverts white
  EXPECT_EQ(Count(clBlack, Rect(caretX + 2, 3, caretX + 3, 14)), 0);
  edit->Perform(EM_SETSEL, 0, 2);
  // Unfocused, the selection hides unless HideSelection is off.
  Make<TEdit>(Bounds(10, 50, 160, 24))->SetFocus();
  PaintControl(edit);
  EXPECT_EQ(Count(clHighlight, Rect(2, 2, selEnd, 20)), 0);
  edit->SetHideSelection(false);
  PaintControl(edit);
  EXPECT_GT(Count(clHighlight, Rect(2, 2, selEnd, 20)), 20);
}

TEST_F(EditTest, RightAlignedTextSitsAtTheRightEdge) {
  edit->SetText("ii");
  edit->SetAlignment(taRightJustify);
  PaintControl(edit);
  EXPECT_EQ(Count(clWindowText, Rect(2, 2, 100, 20)), 0);
  EXPECT_GT(Count(clWindowText, Rect(130, 2, 158, 20)), 4);
}

}  // namespace

namespace {

// Random keys, characters (broken surrogates included), selections, clicks and clipboard
// text never leave the edit with a selection outside its text or with broken UTF-8.
void TypeAtRandom(TCustomEdit* edit, std::mt19937& random, int steps) {
  const uint16_t keys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE, VK_INSERT, VK_BACK};
  const char* pastes[] = {"", "ab", "中文\r\n下一行", "\xF0\x9F\x98\x80", "\t"};
  for (int i = 0; i < steps; ++i) {
    switch (random() % 6) {
      case 0: edit->Perform(WM_CHAR, random() % 0x11000); break;
      case 1: edit->Perform(WM_CHAR, 0xD800 + random() % 0x800); break;
      case 2:
        SetKeyDown(VK_SHIFT, random() % 2);
        SetKeyDown(VK_CONTROL, random() % 2);
        edit->Perform(WM_KEYDOWN, keys[random() % 7]);
        break;
      case 3: edit->Perform(EM_SETSEL, static_cast<WPARAM>(static_cast<int>(random() % 40) - 5), static_cast<int>(random() % 40) - 5); break;
      case 4: edit->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(random() % 200 - 20, 5)); edit->Perform(WM_LBUTTONUP); break;
      default:
        Clipboard()->SetAsText(pastes[random() % 5]);
        edit->Perform(random() % 2 ? WM_PASTE : WM_UNDO);
    }
    int length = CharLength(edit->Text());
    ASSERT_GE(edit->SelStart(), 0);
    ASSERT_LE(edit->SelStart() + edit->SelLength(), length);
    ASSERT_TRUE(IsValidUtf8(edit->Text()));
  }
  ResetKeyState();
}

TEST_F(EditTest, NothingTypedAtRandomBreaksTheEdit) {
  std::mt19937 random(7);
  edit->SetMaxLength(12);
  TypeAtRandom(edit, random, 1500);
  edit->SetMaxLength(0);
  edit->SetPasswordChar(u'*');
  TypeAtRandom(edit, random, 500);
}

}  // namespace
