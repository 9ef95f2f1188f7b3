#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <vector>

#include "platform/core/strings.h"

namespace {

// ---- Characters in UTF-8 ----------------------------------------------------------------

struct LengthCase {
  const char* label;
  std::string text;
  int characters;
};

TEST(CharLength, CountsWholeCodePointsAndEachBrokenByteOnce) {
  const std::vector<LengthCase> cases = {
      {"ascii", "abc", 3},
      {"chinese", "中文字", 3},
      {"mixed", "a中b", 3},
      {"four byte", "x\xF0\x9F\x98\x80y", 3},
      {"lone continuation", "a\x80" "b", 3},
      {"cut at end", "a\xE4\xB8", 3},
      {"overlong slash", "\xC0\xAF", 2},
      {"surrogate", "\xED\xA0\x80", 3},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 4},
      {"embedded nul", std::string("a\0b", 3), 3},
      {"empty", "", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CharLength(c.text), c.characters) << c.label;
}

TEST(CharOffsets, MapBetweenBytesAndCharactersWithoutPassingTheEnd) {
  const std::string s = "a中\xF0\x9F\x98\x80z";  // bytes: 1 + 3 + 4 + 1
  EXPECT_EQ(CharToByteOffset(s, 0), 0u);
  EXPECT_EQ(CharToByteOffset(s, 2), 4u);
  EXPECT_EQ(CharToByteOffset(s, 3), 8u);
  EXPECT_EQ(CharToByteOffset(s, 99), s.size());
  EXPECT_EQ(ByteToCharIndex(s, 2), 1);  // inside 中
  EXPECT_EQ(ByteToCharIndex(s, 8), 3);
  EXPECT_EQ(ByteToCharIndex(s, 99), 4);
  EXPECT_EQ(CharByteLength(s, 1), 3u);
  EXPECT_EQ(CharByteLength(s, 4), 4u);
  const std::string cut = "\xF0\x9F\x98";
  EXPECT_EQ(CharByteLength(cut, 0), 1u);
  EXPECT_EQ(CharByteLength(cut, 3), 0u);
}

TEST(PositionalHelpers, CopyPosDeleteInsertCountCharacters) {
  EXPECT_EQ(Copy("中文abc", 2, 2), "文a");
  EXPECT_EQ(Copy("中文abc", 0, 1), "中");
  EXPECT_EQ(Copy("中文abc", 4, 99), "bc");
  EXPECT_EQ(Copy("中文abc", 9, 1), "");
  EXPECT_EQ(Copy("中文abc", 2, -1), "");
  EXPECT_EQ(Pos("ab", "中文abc"), 3);
  EXPECT_EQ(Pos("x", "中文abc"), 0);
  EXPECT_EQ(Pos("", "abc"), 0);
  EXPECT_EQ(LeftStr("中文abc", 2), "中文");
  EXPECT_EQ(RightStr("中文abc", 4), "文abc");
  EXPECT_EQ(RightStr("中文", 9), "中文");
  EXPECT_EQ(RightStr("中文", INT_MIN), "");
  EXPECT_EQ(LeftStr("中文", -1), "");

  String s = "中文abc";
  Delete(s, 2, 2);
  EXPECT_EQ(s, "中bc");
  Delete(s, 0, 5);
  EXPECT_EQ(s, "中bc");
  Delete(s, 3, 99);
  EXPECT_EQ(s, "中b");
  Insert("文", s, 2);
  EXPECT_EQ(s, "中文b");
  Insert("!", s, 99);
  EXPECT_EQ(s, "中文b!");
  Insert("<", s, -3);
  EXPECT_EQ(s, "<中文b!");
}

TEST(PositionalHelpers, CuttingBrokenTextKeepsEveryByte) {
  const std::string broken = "\xE4\xB8" "a\x80";
  EXPECT_EQ(Copy(broken, 1, 2), "\xE4\xB8");
  EXPECT_EQ(Copy(broken, 3, 9), "a\x80");
  EXPECT_EQ(Pos("a", broken), 3);
}

TEST(Trim, RemovesSpacesAndControlCharactersOnly) {
  EXPECT_EQ(Trim(" \t\r\n 中 文 \x01"), "中 文");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a \n"), "  a");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xE3\x80\x80x"), "\xE3\x80\x80x");  // the ideographic space is text
}

TEST(CaseMapping, AsciiHelpersLeaveOtherLettersAndAnsiHelpersMapThem) {
  EXPECT_EQ(UpperCase("abc é 中"), "ABC é 中");
  EXPECT_EQ(LowerCase("ABC É"), "abc É");
  EXPECT_EQ(AnsiUpperCase("abc é ß ω 中"), "ABC É ß Ω 中");
  EXPECT_EQ(AnsiLowerCase("ABC É Ω"), "abc é ω");
  EXPECT_EQ(AnsiUpperCase("a\x80" "b"), "A\x80" "B");
}

TEST(StringHelpers, BuildAndReplace) {
  EXPECT_EQ(StringOfChar('-', 3), "---");
  EXPECT_EQ(StringOfChar('-', -1), "");
  EXPECT_EQ(StringReplaceAll("a,b,,c", ",", ";;"), "a;;b;;;;c");
  EXPECT_EQ(StringReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(StringReplaceAll("abc", "", "x"), "abc");
}

TEST(QuotedStrings, QuoteAndExtractRoundTrip) {
  EXPECT_EQ(QuotedStr("it's"), "'it''s'");
  EXPECT_EQ(AnsiQuotedStr("say \"hi\"", '"'), "\"say \"\"hi\"\"\"");
  const std::string text = "x'it''s' rest";
  size_t pos = 1;
  EXPECT_EQ(AnsiExtractQuotedStr(text, pos, '\''), "it's");
  EXPECT_EQ(pos, 8u);
  size_t open = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("'no end", open, '\''), "no end");
  EXPECT_EQ(open, 7u);
  size_t notQuoted = 0;
  EXPECT_EQ(AnsiExtractQuotedStr("abc", notQuoted, '\''), "");
  EXPECT_EQ(notQuoted, 0u);
}

// ---- Comparison -------------------------------------------------------------------------

TEST(OrdinalCompare, CompareTextFoldsAsciiOnly) {
  EXPECT_LT(CompareStr("A", "a"), 0);
  EXPECT_EQ(CompareStr("abc", "abc"), 0);
  EXPECT_EQ(CompareText("HeLLo", "hello"), 0);
  EXPECT_LT(CompareText("abc", "ABD"), 0);
  EXPECT_LT(CompareText("ab", "abc"), 0);
  EXPECT_GT(CompareText("b", "A"), 0);
  EXPECT_TRUE(SameText("Straße", "STRAßE"));
  EXPECT_FALSE(SameText("é", "É"));
}

TEST(AnsiCompareText, FoldsLatinCase) {
  EXPECT_EQ(AnsiCompareText("Hello World", "hELLO wORLD"), 0);
  EXPECT_EQ(AnsiCompareText("Émile", "émile"), 0);
  EXPECT_TRUE(AnsiSameText("ÀBC中", "àbc中"));
  EXPECT_LT(AnsiCompareText("apple", "Banana"), 0);
  EXPECT_GT(AnsiCompareText("Cherry", "banana"), 0);
  EXPECT_EQ(CompareTextAnsi("ABC", "abc"), 0);
}

TEST(AnsiCompareText, OrdersChineseByGbkCode) {
  // 啊 B0A1, 吧 B0C9, 才 B2C5, 张 D5C5, 中 D6D0: the order of the GBK code table.
  std::vector<String> names = {"中", "才", "张", "啊", "吧"};
  std::sort(names.begin(), names.end(), [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
  EXPECT_EQ(names, (std::vector<String>{"啊", "吧", "才", "张", "中"}));
  EXPECT_LT(AnsiCompareText("张三", "张四"), 0);  // 三 C8FD, 四 CBC4
  EXPECT_LT(AnsiCompareText("张", "张三"), 0);
}

TEST(AnsiCompareText, PutsAsciiFirstAndTextWithoutGbkFormLast) {
  const String latin = "zebra";
  const String chinese = "啊";
  const String thai = "\xE0\xB8\x81";        // U+0E01, no GBK form
  const String emoji = "\xF0\x9F\x98\x80";   // U+1F600, no GBK form
  const String broken = "\xFF";
  EXPECT_LT(AnsiCompareText(latin, chinese), 0);
  EXPECT_LT(AnsiCompareText(chinese, thai), 0);
  EXPECT_LT(AnsiCompareText(thai, emoji), 0);
  EXPECT_LT(AnsiCompareText(emoji, broken), 0);
  EXPECT_GT(AnsiCompareText(broken, latin), 0);
}

TEST(AnsiCompareText, NeverCallsDifferentTextEqual) {
  const std::vector<String> distinct = {"a", "b", "é", "e", "中", "中 ", "中\t", "\xE0\xB8\x81", "\xE0\xB8\x82",
                                        "\x80", "\x81", "\xE4\xB8", "\xE4\xB9", "ａ", "A1", "a2"};
  for (size_t i = 0; i < distinct.size(); ++i) {
    for (size_t j = 0; j < distinct.size(); ++j) {
      const int ab = AnsiCompareText(distinct[i], distinct[j]);
      const int ba = AnsiCompareText(distinct[j], distinct[i]);
      if (i == j) {
        EXPECT_EQ(ab, 0) << i;
      } else {
        EXPECT_NE(ab, 0) << distinct[i] << " vs " << distinct[j];
        EXPECT_EQ(ab, -ba) << distinct[i] << " vs " << distinct[j];
      }
    }
  }
}

TEST(AnsiCompareText, StaysTransitiveWhenACharacterIsCutOff) {
  // A sort relies on a < b < c implying a < c; a string ending inside a character (丁 is
  // E4 B8 81) must not slip between whole characters by its bytes.
  const std::vector<String> items = {"张", "丁", "一", "中", "\xE4\xB8", "\xE4", "a\xE4\xB8", "a丁", "a张", "\x81"};
  for (const String& a : items) {
    for (const String& b : items) {
      for (const String& c : items) {
        if (AnsiCompareText(a, b) < 0 && AnsiCompareText(b, c) < 0) {
          EXPECT_LT(AnsiCompareText(a, c), 0) << a << " < " << b << " < " << c;
        }
      }
    }
  }
}

TEST(AnsiCompareText, SortsMixedTextConsistently) {
  // The same list sorted from two different starting orders ends the same: a consistent
  // order, whatever the mix of Latin, Chinese, case and broken bytes.
  std::vector<String> items = {"b", "中国", "A", "啊", "中", "a\x80", "Z", "吧", "中文", "ab", "AB", "\xE4\xB8", "才"};
  std::vector<String> reversed(items.rbegin(), items.rend());
  const auto less = [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; };
  std::stable_sort(items.begin(), items.end(), less);
  std::stable_sort(reversed.begin(), reversed.end(), less);
  const std::vector<String> expected = {"A", "ab", "AB", "a\x80", "b", "Z", "啊", "吧", "才", "中", "中国", "中文", "\xE4\xB8"};
  ASSERT_EQ(items.size(), expected.size());
  for (size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(AnsiCompareText(items[i], expected[i]), 0) << i << ": " << items[i];
    EXPECT_EQ(AnsiCompareText(reversed[i], expected[i]), 0) << i << ": " << reversed[i];
  }
}

TEST(AnsiCompareText, RandomBytesGiveAConsistentOrder) {
  // Random mixes of ASCII, Chinese, Latin letters and stray bytes of sequences: the order
  // must be antisymmetric and transitive, or sorting such data would go wrong.
  const std::vector<std::string> fragments = {"a", "A", "b", "z", "中", "张", "丁", "é", "É", "\xE4", "\xB8", "\xAD",
                                              "\x80", "\xFF", "\xF0\x9F", "\xF0\x9F\x98\x80", " "};
  std::mt19937 rng(7);
  std::uniform_int_distribution<size_t> pick(0, fragments.size() - 1);
  std::uniform_int_distribution<int> length(0, 4);
  std::vector<String> items;
  for (int i = 0; i < 120; ++i) {
    String s;
    for (int n = length(rng); n > 0; --n) s += fragments[pick(rng)];
    items.push_back(s);
  }
  for (const String& a : items) {
    for (const String& b : items) {
      const int ab = AnsiCompareText(a, b);
      ASSERT_EQ(ab, -AnsiCompareText(b, a)) << a << " / " << b;
      if (ab >= 0) continue;
      for (const String& c : items) {
        if (AnsiCompareText(b, c) < 0) {
          ASSERT_LT(AnsiCompareText(a, c), 0) << a << " < " << b << " < " << c;
        }
      }
    }
  }
}

TEST(AnsiCompareStr, SeparatesCaseWithLowerFirst) {
  EXPECT_LT(AnsiCompareStr("abc", "ABC"), 0);
  EXPECT_GT(AnsiCompareStr("B", "a"), 0);
  EXPECT_LT(AnsiCompareStr("啊", "吧"), 0);
  EXPECT_EQ(AnsiCompareStr("中", "中"), 0);
}

TEST(StartsText, IgnoresLatinCase) {
  EXPECT_TRUE(StartsText("ABC", "abcdef"));
  EXPECT_TRUE(StartsText("中", "中文"));
  EXPECT_TRUE(StartsText("", "x"));
  EXPECT_FALSE(StartsText("abcd", "abc"));
  EXPECT_FALSE(StartsText("文", "中文"));
}

// ---- Encodings at the boundary ----------------------------------------------------------

TEST(GbkConversion, RoundTripsChineseAndLatin) {
  const String text = "啊吧才 abc 中文";
  const String gbk = Utf8ToGbk(text);
  EXPECT_EQ(gbk.substr(0, 6), "\xB0\xA1\xB0\xC9\xB2\xC5");
  EXPECT_EQ(GbkToUtf8(gbk), text);
}

TEST(GbkConversion, ReplacesWhatTheOtherSideCannotHold) {
  EXPECT_EQ(Utf8ToGbk("a\xF0\x9F\x98\x80" "b"), "a?b");
  EXPECT_EQ(Utf8ToGbk("a\x80" "b"), "a?b");
  EXPECT_EQ(GbkToUtf8("a\xFF" "b"), "a\xEF\xBF\xBD" "b");
  EXPECT_EQ(GbkToUtf8("a\xB0"), "a\xEF\xBF\xBD");  // lead byte cut off at the end
  EXPECT_EQ(GbkToUtf8(""), "");
}

TEST(Utf16Conversion, HandlesSurrogatePairsAndBrokenInput) {
  EXPECT_EQ(Utf8ToUtf16("a中\xF0\x9F\x98\x80"), (std::u16string{u'a', u'中', 0xD83D, 0xDE00}));
  EXPECT_EQ(Utf16ToUtf8(std::u16string{u'a', u'中', 0xD83D, 0xDE00}), "a中\xF0\x9F\x98\x80");
  EXPECT_EQ(Utf8ToUtf16("\x80"), std::u16string(1, 0xFFFD));
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, u'x'}), "\xEF\xBF\xBDx");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDE00}), "\xEF\xBF\xBD");
}

TEST(IsValidUtf8, AcceptsWellFormedTextOnly) {
  EXPECT_TRUE(IsValidUtf8("abc 中文 \xF0\x9F\x98\x80"));
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));
  EXPECT_FALSE(IsValidUtf8("abc\xE4\xB8"));
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));
}

}  // namespace
