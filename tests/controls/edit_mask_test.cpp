#include "platform/controls/edit_mask.h"

#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace {

TEST(EditMaskTest, FieldsGiveSaveFlagAndBlank) {
  TEditMask phone("!\\(999\\)000-0000;0;_");
  EXPECT_EQ(phone.Length(), 13);
  EXPECT_FALSE(phone.SaveLiterals());
  EXPECT_TRUE(phone.LeadingBlanks());
  EXPECT_EQ(phone.Blank(), U'_');
  EXPECT_EQ(phone.EmptyEditText(), "(___)___-____");
  TEditMask saved("00:00;1;*");
  EXPECT_TRUE(saved.SaveLiterals());
  EXPECT_EQ(saved.EmptyEditText(), "**:**");
  EXPECT_TRUE(TEditMask("000").SaveLiterals());
  EXPECT_TRUE(TEditMask("").Empty());
}

TEST(EditMaskTest, InvalidMasksAreRefusedWithAClearMessage) {
  for (const char* bad : {"000\\", "0;0;_;x", "00;2;_", "00;0;ab", "00;01"}) {
    try {
      TEditMask mask(bad);
      ADD_FAILURE() << bad << " was accepted";
    } catch (const EConvertError& e) {
      EXPECT_NE(e.Message().find("Invalid edit mask"), String::npos) << e.Message();
    }
  }
  EXPECT_EQ(TEditMask("\\\\0").EmptyEditText(), "\\_");  // an escaped backslash is a literal
}

TEST(EditMaskTest, PositionsTakeTheirCharacterClasses) {
  struct Row {
    const char* mask;
    char32_t typed;
    char32_t stored;
  };
  const Row rows[] = {
      {"L", U'x', U'x'}, {"L", U'中', U'中'}, {"L", U'5', 0},   {"l", U'，', 0},
      {"A", U'7', U'7'}, {"a", U'q', U'q'},   {"A", U'-', 0},   {"C", U'-', U'-'},
      {"c", U' ', U' '}, {"0", U'3', U'3'},   {"0", U'x', 0},   {"9", U'+', 0},
      {"#", U'+', U'+'}, {"#", U'-', U'-'},   {"#", U'4', U'4'}, {">L", U'é', U'É'},
      {"<L", U'Q', U'q'}, {"><L", U'Q', U'q'}, {"<><L", U'Q', U'q'}, {"><>L", U'q', U'q'},
  };
  for (const Row& r : rows) EXPECT_EQ(TEditMask(r.mask).Accept(0, r.typed), r.stored) << r.mask << " " << int(r.typed);
  EXPECT_EQ(TEditMask("-0").Accept(0, U'-'), 0u);  // literals take nothing
  EXPECT_EQ(TEditMask("0").Accept(5, U'1'), 0u);
}

TEST(EditMaskTest, SeparatorsFollowTheLocaleAndUnderscoreIsASpace) {
  TFormatSettings saved = FormatSettings;
  FormatSettings.DateSeparator = '.';
  FormatSettings.TimeSeparator = '-';
  EXPECT_EQ(TEditMask("99/99 99:99_0;1;*").EmptyEditText(), "**.** **-** *");
  FormatSettings = saved;
}

TEST(EditMaskTest, TextAndEditTextConvertBothWays) {
  TEditMask noLiterals("000-00;0;_");
  EXPECT_EQ(noLiterals.EditTextFrom("12345"), "123-45");
  EXPECT_EQ(noLiterals.EditTextFrom("12"), "12_-__");
  EXPECT_EQ(noLiterals.EditTextFrom("1x3"), "1_3-__");  // a refused character leaves a blank
  EXPECT_EQ(noLiterals.TextFrom("12_-4_"), "12 4 ");
  TEditMask withLiterals("000-00;1;_");
  EXPECT_EQ(withLiterals.EditTextFrom("123-45"), "123-45");
  EXPECT_EQ(withLiterals.EditTextFrom("12345"), "123-45");  // literals may be left out
  EXPECT_EQ(withLiterals.TextFrom("1_3-45"), "1 3-45");
  TEditMask leading("!999;0;_");
  EXPECT_EQ(leading.EditTextFrom("7"), "__7");
  TEditMask chinese("LL-00;0;_");
  EXPECT_EQ(chinese.EditTextFrom("中文12"), "中文-12");
  EXPECT_EQ(chinese.TextFrom("中文-12"), "中文12");
}

TEST(EditMaskTest, FirstMissingFindsRequiredBlanksOnly) {
  TEditMask mask("00-99;1;_");
  EXPECT_EQ(mask.FirstMissing("12-__"), -1);
  EXPECT_EQ(mask.FirstMissing("1_-34"), 1);
  EXPECT_EQ(mask.FirstMissing(""), 0);
  EXPECT_EQ(mask.NextInput(2), 3);
  EXPECT_EQ(mask.PreviousInput(3), 1);
  EXPECT_EQ(mask.NextInput(5), 5);
  EXPECT_EQ(mask.PreviousInput(0), -1);
}

TEST(EditMaskTest, FormatMaskTextAppliesTheMask) {
  EXPECT_EQ(FormatMaskText("!\\(999\\)000-0000;0;_", "5551234567"), "(555)123-4567");
  EXPECT_EQ(FormatMaskText("000-000;0;_", "12"), "12 -   ");
  EXPECT_THROW(FormatMaskText("0\\", "1"), EConvertError);
}

}  // namespace
