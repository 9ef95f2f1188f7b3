// The five built-in styles, the key list and the choice between file and built-in values.

#include <gtest/gtest.h>

#include "platform/core/strings.h"
#include "skin/file_theme.h"
#include "skin/theme_values.h"
#include "skin/themes.h"

namespace {

constexpr TskUIStyle kBuiltIn[] = {Graphite, Pearl, Marine, Jade, Glacier};

TEST(ThemeModel, GettersGiveTheStylesValues) {
  EXPECT_EQ(GetInsideThemeInt(Graphite, 8), -2);
  EXPECT_EQ(GetInsideThemeColor(Pearl, 16), TColor(0xC82C00));
  EXPECT_EQ(GetInsideThemeColor(Graphite, 17), TColor(0));  // key 17 is an integer key
  EXPECT_EQ(GetInsideThemeInt(FromThemeFile, 13), -1);
  EXPECT_EQ(GetInsideThemeInt(Glacier, 13), 270);
  EXPECT_EQ(GetInsideThemeInt(Pearl, 14), 13);
  EXPECT_EQ(GetInsideThemeInt(Pearl, 17), 3);
  EXPECT_EQ(GetInsideThemeColor(Marine, 18), TColor(0xA04A44));
  EXPECT_EQ(GetInsideThemeColor(Jade, 15), TColor(0xFBFBFB));
  EXPECT_EQ(GetInsideThemeColor(Pearl, 27), TColor(0xCF4602));
  EXPECT_EQ(GetInsideThemeColor(Glacier, 31), TColor(0xF4F4F4));
  EXPECT_TRUE(GetInsideThemeBool(Graphite, 2));
  EXPECT_FALSE(GetInsideThemeBool(Pearl, 2));
  EXPECT_TRUE(GetInsideThemeBool(Jade, 6));
  EXPECT_FALSE(GetInsideThemeBool(Marine, 6));
}

TEST(ThemeModel, KindsAgreeWithTheKeyNameSuffixes) {
  for (int k = 1; k <= kThemeKeyCount; ++k) {
    String name = ThemeKeyName(k);
    SCOPED_TRACE(name);
    TskThemeValueKind expected = name.ends_with("Image")  ? tvkBitmap
                                 : name.ends_with("Bool") ? tvkBool
                                 : name.ends_with("Int")  ? tvkInteger
                                                          : tvkColor;
    EXPECT_TRUE(name.ends_with("Color") || expected != tvkColor);
    EXPECT_EQ(ThemeKeyKind(k), expected);
    EXPECT_EQ(ThemeKeyIndex(LowerCase(name)), k);
  }
  EXPECT_STREQ(ThemeKeyName(1), "ButtonImage");
  EXPECT_STREQ(ThemeKeyName(42), "SideChannelBarImage");
  EXPECT_EQ(ThemeKeyIndex("NoSuchKey"), 0);
}

TEST(ThemeModel, BitmapCellsNameStyleAndPart) {
  const char* prefixes[] = {"GRAPHITE_", "PEARL_", "MARINE_", "JADE_", "GLACIER_"};
  for (int s = 0; s < 5; ++s) {
    for (int k = 1; k <= kThemeKeyCount; ++k) {
      TskThemeValueKind kind;
      TskThemeCell cell = GetInsideThemeValue(kBuiltIn[s], k, kind);
      if (kind != tvkBitmap) {
        EXPECT_EQ(cell.BitmapName, nullptr);
        continue;
      }
      ASSERT_NE(cell.BitmapName, nullptr);
      String name = cell.BitmapName;
      if (k == 38 && s >= 2) {
        EXPECT_EQ(name, "MORE_SCROLLBUTTON");  // the three styles share one picture
      } else {
        EXPECT_TRUE(name.starts_with(prefixes[s])) << name;
      }
    }
  }
}

TEST(ThemeModel, WrongKindAndUnknownStyleGiveTheGuardValues) {
  EXPECT_EQ(GetInsideThemeInt(Marine, 15), -1);         // a colour key
  EXPECT_EQ(GetInsideThemeColor(Marine, 13), TColor(0));  // an integer key
  EXPECT_FALSE(GetInsideThemeBool(Graphite, 13));
  EXPECT_FALSE(GetInsideThemeBool(Graphite, 1));
  EXPECT_EQ(GetInsideThemeInt(Graphite, 1), -1);  // a bitmap key
  for (TskUIStyle style : {FromThemeFile, static_cast<TskUIStyle>(6), static_cast<TskUIStyle>(200)}) {
    TskThemeValueKind kind = tvkBitmap;
    TskThemeCell cell = GetInsideThemeValue(style, 16, kind);
    EXPECT_EQ(kind, tvkInteger);
    EXPECT_EQ(cell.Value, -1);
    EXPECT_EQ(GetInsideThemeColor(style, 16), TColor(0));
    EXPECT_FALSE(GetInsideThemeBool(style, 2));
  }
}

TEST(ThemeModel, KeyIndexesOutsideTheListReadNothing) {
  for (int index : {0, -1, 43, 1000, -100000}) {
    TskThemeValueKind kind = tvkBitmap;
    TskThemeCell cell = GetInsideThemeValue(Marine, index, kind);
    EXPECT_EQ(kind, tvkInteger);
    EXPECT_EQ(cell.Value, -1);
    EXPECT_EQ(cell.BitmapName, nullptr);
    EXPECT_EQ(GetInsideThemeInt(Marine, index), -1);
    EXPECT_STREQ(ThemeKeyName(index), "");
  }
}

TEST(ThemeModel, UsingFileThemeFallsBackToMarine) {
  TskUIStyle effective = Graphite;
  EXPECT_FALSE(UsingFileTheme(nullptr, FromThemeFile, effective));
  EXPECT_EQ(effective, Marine);

  TskFileTheme unloaded(nullptr);
  EXPECT_FALSE(UsingFileTheme(&unloaded, FromThemeFile, effective));
  EXPECT_EQ(effective, Marine);

  for (TskUIStyle style : kBuiltIn) {
    EXPECT_FALSE(UsingFileTheme(&unloaded, style, effective));
    EXPECT_EQ(effective, style);
  }
}

// A control whose style is FromThemeFile but whose theme has no file reads Marine everywhere.
TEST(ThemeModel, FromThemeFileWithoutAFileReadsMarinesValues) {
  TskFileTheme unloaded(nullptr);
  for (TskFileTheme* theme : {static_cast<TskFileTheme*>(nullptr), &unloaded}) {
    TskThemeValues values(theme, FromThemeFile);
    EXPECT_FALSE(values.FromFile());
    EXPECT_EQ(values.EffectiveStyle(), Marine);
    for (int k = 1; k <= kThemeKeyCount; ++k) {
      SCOPED_TRACE(ThemeKeyName(k));
      EXPECT_EQ(values.Int(k), GetInsideThemeInt(Marine, k));
      EXPECT_EQ(values.Color(k), GetInsideThemeColor(Marine, k));
      EXPECT_EQ(values.Bool(k), GetInsideThemeBool(Marine, k));
    }
  }
}

}  // namespace
