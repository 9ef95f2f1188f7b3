#include "platform/controls/mask_edit.h"

#include <random>

#include "tests/controls/std_control_fixture.h"

namespace {

class MaskEditTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    edit = Make<TMaskEdit>(Bounds(10, 10, 160, 24));
    other = Make<TEdit>(Bounds(10, 50, 160, 24));
  }
  TMaskEdit* edit = nullptr;
  TEdit* other = nullptr;
};

TEST_F(MaskEditTest, TypingFillsPositionsAndSkipsLiterals) {
  edit->SetEditMask("000-00;0;_");
  EXPECT_EQ(edit->EditText(), "___-__");
  edit->SetFocus();
  Key(edit, VK_HOME);
  EXPECT_EQ(edit->SelLength(), 1);  // the caret shows as the selected position
  Type(edit, "12x3");               // x is refused
  EXPECT_EQ(edit->EditText(), "123-__");
  EXPECT_EQ(edit->SelStart(), 4);   // past the literal
  Type(edit, "45");
  EXPECT_EQ(edit->EditText(), "123-45");
  EXPECT_EQ(edit->Text(), "12345");
  Type(edit, "6");  // no position left
  EXPECT_EQ(edit->EditText(), "123-45");
}

TEST_F(MaskEditTest, BackspaceAndDeleteBlankPositions) {
  edit->SetEditMask("000-00;1;_");
  edit->SetText("123-45");
  edit->SetFocus();
  Key(edit, VK_END);
  Type(edit, "\b");
  EXPECT_EQ(edit->EditText(), "123-4_");
  Key(edit, VK_LEFT);
  Key(edit, VK_LEFT);  // skips the literal
  EXPECT_EQ(edit->SelStart(), 2);
  Key(edit, VK_DELETE);
  EXPECT_EQ(edit->EditText(), "12_-4_");
  EXPECT_EQ(edit->Text(), "12 -4 ");
  edit->Perform(EM_SETSEL, 0, 5);
  edit->Perform(WM_CLEAR);
  EXPECT_EQ(edit->EditText(), "___-__");
}

TEST_F(MaskEditTest, AClickSelectsThePositionToTypeOver) {
  edit->SetEditMask("0000;1;_");
  edit->SetText("1234");
  TPoint p = LParamToPoint(edit->Perform(EM_POSFROMCHAR, 2));
  Click(edit, p.x + 1, p.y + 2);
  EXPECT_EQ(edit->SelStart(), 2);
  EXPECT_EQ(edit->SelLength(), 1);
  Type(edit, "9");
  EXPECT_EQ(edit->Text(), "1294");
}

TEST_F(MaskEditTest, TypingALiteralJumpsPastIt) {
  edit->SetEditMask("!99.99.0000;1;_");
  edit->SetFocus();
  Key(edit, VK_HOME);
  Type(edit, "1.2.2024");
  EXPECT_EQ(edit->EditText(), "1_.2_.2024");
}

TEST_F(MaskEditTest, CaseDirectivesConvertTypedLetters) {
  edit->SetEditMask(">LL<LL;0;_");
  edit->SetFocus();
  Key(edit, VK_HOME);
  Type(edit, "abCD");
  EXPECT_EQ(edit->Text(), "ABcd");
}

TEST_F(MaskEditTest, PasteGoesThroughThePositions) {
  edit->SetEditMask("LL00;0;_");
  edit->SetFocus();
  Key(edit, VK_HOME);
  Clipboard()->SetAsText("中a12");
  edit->Perform(WM_PASTE);
  EXPECT_EQ(edit->Text(), "中a12");
  edit->SetEditText("x1y2");  // positions that do not take a character stay blank
  EXPECT_EQ(edit->EditText(), "x__2");
}

TEST_F(MaskEditTest, LeavingIncompleteRaisesAndEscapeAbandonsChanges) {
  edit->SetEditMask("000;1;_");
  edit->SetText("789");
  edit->SetFocus();
  Key(edit, VK_HOME);
  Type(edit, "1");
  Key(edit, VK_DELETE);
  EXPECT_EQ(edit->EditText(), "1_9");
  try {
    other->SetFocus();
    ADD_FAILURE() << "no error";
  } catch (const EDBEditError& e) {
    EXPECT_EQ(e.Message(), "Invalid input value.  Use escape key to abandon changes");
  }
  EXPECT_EQ(edit->SelStart(), 1);  // the blank position is selected
  edit->SetFocus();
  Key(edit, VK_ESCAPE);
  EXPECT_EQ(edit->EditText(), "789");
  EXPECT_NO_THROW(other->SetFocus());
}

TEST_F(MaskEditTest, AnInvalidMaskIsRefusedAndTheOldOneKept) {
  edit->SetEditMask("00;0;_");
  edit->SetText("42");
  EXPECT_THROW(edit->SetEditMask("00\\"), EConvertError);
  EXPECT_EQ(edit->EditMask(), "00;0;_");
  EXPECT_EQ(edit->Text(), "42");
  edit->SetText("4x");
  EXPECT_EQ(edit->EditText(), "4_");
}

TEST_F(MaskEditTest, WithoutAMaskItIsAPlainEdit) {
  edit->SetFocus();
  Type(edit, "free text");
  EXPECT_EQ(edit->Text(), "free text");
  edit->SetEditMask("00;0;_");
  EXPECT_EQ(edit->EditText(), "__");
  edit->SetEditMask("");
  EXPECT_EQ(edit->Text(), "  ");  // the value stays, blanks as spaces
  edit->SelectAll();
  Type(edit, "ok");
  EXPECT_EQ(edit->Text(), "ok");
}

TEST_F(MaskEditTest, ReadOnlyMaskedEditTypesNothing) {
  edit->SetEditMask("000;0;_");
  edit->SetReadOnly(true);
  edit->SetFocus();
  Key(edit, VK_HOME);
  Type(edit, "1\b");
  Key(edit, VK_DELETE);
  EXPECT_EQ(edit->EditText(), "___");
}

}  // namespace

namespace {

TEST_F(MaskEditTest, NothingTypedAtRandomBreaksTheMask) {
  std::mt19937 random(11);
  const uint16_t keys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE, VK_ESCAPE};
  const char* masks[] = {"!\\(999\\)000-0000;0;_", ">LL<ll-##;1;*", "CcAa:99;0; "};
  edit->SetFocus();
  for (const char* m : masks) {
    edit->SetEditMask(m);
    int length = edit->Mask().Length();
    for (int i = 0; i < 800; ++i) {
      switch (random() % 4) {
        case 0: edit->Perform(WM_CHAR, random() % 0x3000); break;
        case 1: edit->Perform(WM_KEYDOWN, keys[random() % 6]); break;
        case 2: edit->Perform(EM_SETSEL, random() % 16, random() % 16); break;
        default:
          Clipboard()->SetAsText(random() % 2 ? "12ab中" : "x");
          edit->Perform(random() % 2 ? WM_PASTE : WM_CUT);
      }
      ASSERT_EQ(CharLength(edit->EditText()), length) << m;
      ASSERT_LE(edit->SelStart() + edit->SelLength(), length);
    }
  }
}

}  // namespace
