// Skinned edits: border in every look, typing (Chinese by WM_CHAR and WM_IME_CHAR), masks,
// the number edit's Value with bad text, and the spin edit by keys, arrows, wheel and repeat.

#include "platform/windows/clipboard.h"
#include "platform/windows/keys.h"
#include "skin/edits.h"
#include "skin/spin_edit.h"
#include "skin/theme_file_writer.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kWhite = static_cast<TColor>(0xFFFFFF);

// WM_MOUSEWHEEL's first parameter for a turn of `notches` (positive: away from the user).
WPARAM Wheel(int notches) { return static_cast<WPARAM>(static_cast<uint16_t>(notches * WHEEL_DELTA)) << 16; }

TColor BorderOf(TskUIStyle style) {
  return style == FromThemeFile ? TThemeFileColours::Border : ColorToRGB(GetInsideThemeColor(style, tkControlBorderColor));
}

class SkinEditLooks : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {
 protected:
  // The frame: the border colour on the outer edge, the edit's colour just inside.
  void ExpectFrame(TWinControl* edit) {
    const TColor border = BorderOf(GetParam());
    for (TPoint p : {Point(0, 0), Point(edit->Width() - 1, edit->Height() / 2), Point(edit->Width() / 2, edit->Height() - 1)})
      EXPECT_EQ(At(p.x, p.y), border) << p.x << "," << p.y;
    EXPECT_EQ(At(1, edit->Height() / 2), kWhite);
    EXPECT_EQ(At(edit->Width() / 2, 1), kWhite);
  }
  // Columns of the client area with ink (neither the background nor the frame).
  int InkedColumns(TWinControl* edit, int from, int to) {
    int n = 0;
    for (int x = from; x < to; ++x) n += Count(kWhite, Rect(x, 2, x + 1, edit->Height() - 2)) < edit->Height() - 4;
    return n;
  }
};

TEST_P(SkinEditLooks, EditsWearTheBorderAroundTheirText) {
  auto* edit = Make<TskEdit>(GetParam(), Bounds(10, 10, 120, 24));
  edit->SetText("短信");
  auto* masked = Make<TskMaskEdit>(GetParam(), Bounds(10, 40, 120, 24));
  masked->SetEditMask("000;1;_");
  for (TWinControl* control : {static_cast<TWinControl*>(edit), static_cast<TWinControl*>(masked)}) {
    Paint(control);
    ExpectFrame(control);
  }
  Paint(edit);
  EXPECT_GT(InkedColumns(edit, 2, 40), 4);
  EXPECT_EQ(edit->ClientWidth(), 116);
}

TEST_P(SkinEditLooks, NumberEditShowsItsValueAtTheRight) {
  auto* edit = Make<TskNumberEdit>(GetParam(), Bounds(10, 10, 120, 24));
  edit->SetValue(12.5);
  Paint(edit);
  ExpectFrame(edit);
  EXPECT_EQ(InkedColumns(edit, 2, 60), 0);
  EXPECT_GT(InkedColumns(edit, 60, 118), 4);
}

TEST_P(SkinEditLooks, SpinEditShowsThemedArrowsBesideItsText) {
  auto* spin = Make<TSkSpinEdit>(GetParam(), Bounds(10, 10, 80, 24));
  Paint(spin);
  ExpectFrame(spin);
  TSkSpinButtons* buttons = spin->Buttons();
  EXPECT_EQ(buttons->UIStyle(), GetParam());
  EXPECT_EQ(buttons->Left() + buttons->Width(), spin->ClientWidth());
  EXPECT_EQ(buttons->Height(), 20);
  // A black triangle in each arrow.
  const int x = 2 + buttons->Left() + buttons->Width() / 2;
  EXPECT_GT(Count(clBlack, Rect(x - 3, 2, x + 4, 2 + buttons->UpButton()->Height())), 3);
  EXPECT_GT(Count(clBlack, Rect(x - 3, 2 + buttons->DownButton()->Top(), x + 4, 22)), 3);
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinEditLooks, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return StyleName(test.param); });

class SkinEdits : public SkinControlTest {
 protected:
  template <class TEditClass>
  TEditClass* Focused(TRect bounds = Bounds(10, 10, 120, 24)) {
    auto* edit = Make<TEditClass>(Marine, bounds);
    other_ = Make<TskEdit>(Marine, Bounds(10, 200, 80, 24));
    edit->SetFocus();
    return edit;
  }
  static void Type(TWinControl* edit, std::u16string_view keys) {
    for (char16_t key : keys) edit->Perform(WM_CHAR, key);
  }
  void Leave() { other_->SetFocus(); }
  TskEdit* other_ = nullptr;
};

TEST_F(SkinEdits, ChineseArrivesByCharacterAndByInputMethod) {
  auto* edit = Focused<TskEdit>();
  edit->SetText("");
  Type(edit, u"短");
  edit->Perform(WM_IME_CHAR, u'信');
  edit->Perform(WM_IME_CHAR, 0x20BB7);  // beyond 16 bits
  EXPECT_EQ(edit->Text(), "短信𠮷");
}

TEST_F(SkinEdits, MaskEditTakesOnlyWhatItsMaskAllows) {
  auto* edit = Focused<TskMaskEdit>();
  edit->SetEditMask("000-0000;1;_");
  edit->SetSelStart(0);
  Type(edit, u"13x5号9876");
  EXPECT_EQ(edit->Text(), "135-9876");
}

TEST_F(SkinEdits, ThemeChangesReachTheBorderAndAFreedThemeFallsBackToMarine) {
  auto* edit = Make<TskEdit>(Pearl, Bounds(10, 10, 120, 24));
  EXPECT_EQ(edit->BorderColor(), GetInsideThemeColor(Pearl, tkControlBorderColor));
  Styled(edit, FromThemeFile);
  EXPECT_EQ(edit->BorderColor(), TThemeFileColours::Border);
  delete Theme();
  theme_ = nullptr;
  EXPECT_EQ(edit->UIStyle(), Marine);
  EXPECT_EQ(edit->BorderColor(), GetInsideThemeColor(Marine, tkControlBorderColor));
}

// Loading another file into the theme reaches the spin edit and its arrows too, whose class
// names do not start as the other skinned controls' do.
TEST_F(SkinEdits, ANewThemeFileReachesTheSpinEditAndItsArrows) {
  auto* spin = Make<TSkSpinEdit>(FromThemeFile, Bounds(10, 10, 80, 24));
  const TColor border = static_cast<TColor>(0x3050A0);
  const TColor face = static_cast<TColor>(0x10C0C0);
  TskThemeFileWriter w;
  TBitmap strip;
  MakeStrip(strip, 20, 21, {face, face, face});
  w.AddBitmap("ButtonImage", strip);
  w.AddColor("ControlBorderColor", border);
  const String path = folder_.File("second.skn");
  w.SaveToFile(path);
  Theme()->SetThemeFile(path);
  EXPECT_EQ(spin->BorderColor(), border);
  Paint(spin);
  TSkArrowButton* up = spin->Buttons()->UpButton();
  EXPECT_EQ(At(2 + spin->Buttons()->Left() + 1, 2 + up->Height() / 2), face);
}

class SkinNumberEdits : public SkinEdits {};

TEST_F(SkinNumberEdits, ValueIsShownByTheMaskAndEnteringSelectsTheDecimals) {
  auto* edit = Make<TskNumberEdit>(Marine, Bounds(10, 10, 120, 24));
  Make<TskEdit>(Marine, Bounds(10, 200, 80, 24))->SetFocus();
  edit->SetValue(3.14159);
  EXPECT_EQ(edit->Text(), "3.14");
  edit->SetFocus();
  EXPECT_EQ(edit->SelText(), "14");
  edit->SetAutoSelectSigns(9);
  edit->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(5, 5));
  edit->Perform(WM_LBUTTONUP, 0, Pos(5, 5));
  EXPECT_EQ(edit->SelStart(), 0);  // more signs than characters: from the start
  EXPECT_EQ(edit->SelText(), "3.14");
}

TEST_F(SkinNumberEdits, KeysBeyondDigitsSeparatorAndSignAreRefused) {
  auto* edit = Focused<TskNumberEdit>();
  edit->SetText("");
  Type(edit, u"1.2.3x-5");
  EXPECT_EQ(edit->Text(), "1.235");
  edit->SetMask("0.00;-0.00");
  edit->SetSelStart(0);
  Type(edit, u"-");
  edit->SetSelStart(3);
  Type(edit, u"-");
  EXPECT_EQ(edit->Text(), "-1.235");
  EXPECT_DOUBLE_EQ(edit->Value(), -1.235);
}

// Text on its way to a number is never an error: the last good Value stays and leaving shows
// it by the mask again.
TEST_F(SkinNumberEdits, TextThatIsNoNumberKeepsTheLastValue) {
  struct TCase {
    std::u16string_view typed;
    const char* shown;
    double value;
  };
  for (TCase c : {TCase{u".", "7.50", 7.5}, TCase{u"-.", "7.50", 7.5}, TCase{u"", "0.00", 0}, TCase{u"-", "0.00", 0}}) {
    auto* edit = Focused<TskNumberEdit>();
    edit->SetMask("0.00;-0.00");
    edit->SetValue(7.5);
    edit->SelectAll();
    edit->Perform(WM_CHAR, VK_BACK);
    EXPECT_NO_THROW(Type(edit, c.typed));
    EXPECT_NO_THROW(Leave());
    EXPECT_EQ(edit->Text(), c.shown) << edit->Text();
    EXPECT_DOUBLE_EQ(edit->Value(), c.value);
  }
}

TEST_F(SkinNumberEdits, ClipboardKeysReachTheEditAndPastedJunkIsHarmless) {
  auto* edit = Focused<TskNumberEdit>();
  edit->SetValue(42);
  Type(edit, u"\x01\x03");  // Ctrl+A, Ctrl+C
  EXPECT_EQ(Clipboard()->AsText(), "42.00");
  Clipboard()->SetAsText("abc");
  EXPECT_NO_THROW(Type(edit, u"\x16"));  // Ctrl+V
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_DOUBLE_EQ(edit->Value(), 42);
  Type(edit, u"\x01\x18");  // Ctrl+A, Ctrl+X
  EXPECT_EQ(edit->Text(), "");
  Leave();
  EXPECT_EQ(edit->Text(), "0.00");
}

class SkinSpinEdits : public SkinEdits {
 protected:
  TSkSpinEdit* Spin(int min = 1, int max = 10) {
    auto* spin = Focused<TSkSpinEdit>(Bounds(10, 10, 80, 24));
    spin->SetMinValue(min);
    spin->SetMaxValue(max);
    return spin;
  }
  static void Press(TskCustomButton* arrow) { arrow->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(2, 2)); }
  static void Release(TskCustomButton* arrow) { arrow->Perform(WM_LBUTTONUP, 0, Pos(2, 2)); }
};

TEST_F(SkinSpinEdits, ValueStaysWithinTheLimitsWhateverIsTyped) {
  TSkSpinEdit* spin = Spin();
  struct TCase {
    const char* text;
    int value;
  };
  for (TCase c : {TCase{"25", 10}, TCase{"-3", 1}, TCase{"", 1}, TCase{"7", 7}, TCase{"x", 1}}) {
    spin->SetText(c.text);
    EXPECT_EQ(spin->Value(), c.value) << c.text;
  }
  spin->SetValue(25);
  EXPECT_EQ(spin->Text(), "10");
  spin->SelectAll();
  Type(spin, u"0");
  Leave();
  EXPECT_EQ(spin->Text(), "1");
  TSkSpinEdit* free = Spin(0, 0);
  free->SetValue(-12345);
  EXPECT_EQ(free->Value(), -12345);
}

TEST_F(SkinSpinEdits, KeysWheelAndArrowsStepByIncrement) {
  TSkSpinEdit* spin = Spin(0, 100);
  spin->SetIncrement(5);
  spin->SetValue(50);
  spin->Perform(WM_KEYDOWN, VK_UP);
  EXPECT_EQ(spin->Value(), 55);
  spin->Perform(WM_KEYDOWN, VK_DOWN);
  spin->Perform(WM_KEYDOWN, VK_DOWN);
  EXPECT_EQ(spin->Value(), 45);
  spin->Perform(WM_MOUSEWHEEL, Wheel(2), 0);
  EXPECT_EQ(spin->Value(), 55);
  spin->Perform(WM_MOUSEWHEEL, Wheel(-1), 0);
  EXPECT_EQ(spin->Value(), 50);
  TSkArrowButton* up = spin->Buttons()->UpButton();
  Press(up);
  Release(up);
  EXPECT_EQ(spin->Value(), 55);
  spin->SetValue(98);
  Press(up);
  Release(up);
  EXPECT_EQ(spin->Value(), 100);
}

TEST_F(SkinSpinEdits, AHeldArrowRepeatsEvery400Milliseconds) {
  TSkSpinEdit* spin = Spin(0, 100);
  spin->SetValue(50);
  TSkArrowButton* down = spin->Buttons()->DownButton();
  Press(down);
  Tick(399);
  EXPECT_EQ(spin->Value(), 50);
  Tick(1);
  EXPECT_EQ(spin->Value(), 49);
  Tick(400);
  Tick(400);
  EXPECT_EQ(spin->Value(), 47);
  Release(down);
  EXPECT_EQ(spin->Value(), 46);  // the release is the click
  Tick(1000);
  EXPECT_EQ(spin->Value(), 46);
}

TEST_F(SkinSpinEdits, ReadOnlyOrDisabledEditorKeepsTheTextFromTheUser) {
  TSkSpinEdit* spin = Spin(0, 100);
  spin->SetValue(5);
  spin->SetReadOnly(true);
  spin->Perform(WM_KEYDOWN, VK_UP);
  Press(spin->Buttons()->UpButton());
  Release(spin->Buttons()->UpButton());
  EXPECT_EQ(spin->Value(), 5);
  spin->SetReadOnly(false);
  spin->SetEditorEnabled(false);
  Clipboard()->SetAsText("77");
  spin->SelectAll();
  Type(spin, u"9\x16\b");
  spin->Perform(WM_PASTE);
  EXPECT_EQ(spin->Text(), "5");
  spin->Perform(WM_KEYDOWN, VK_UP);
  EXPECT_EQ(spin->Value(), 6);
}

}  // namespace
