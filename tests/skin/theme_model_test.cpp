// The five built-in styles, the key list and the choice between file and built-in values.

#include <gtest/gtest.h>

#include "platform/core/strings.h"
#include "skin/file_theme.h"
#include "skin/theme_values.h"
#include "skin/themes.h"

namespace {

constexpr TskUIStyle kBuiltIn[] = {Graphite, Pearl, Marine, Jade, Glacier};

TEST(ThemeModel, GettersGiveTheStylesValues) {
  EXPECT_EQ(GetInsideThemeInt(Graphite, tkTitleBarButtonRightOffsetInt), -2);
  EXPECT_EQ(GetInsideThemeColor(Pearl, tkFormBorderColor), TColor(0xC82C00));
  EXPECT_EQ(GetInsideThemeColor(Graphite, tkFormBorderWidthInt), TColor(0));  // key 17 is an integer key
  EXPECT_EQ(GetInsideThemeInt(FromThemeFile, tkFormMinWidthInt), -1);
  EXPECT_EQ(GetInsideThemeInt(Glacier, tkFormMinWidthInt), 270);
  EXPECT_EQ(GetInsideThemeInt(Pearl, tkFormRoundCornerInt), 13);
  EXPECT_EQ(GetInsideThemeInt(Pearl, tkFormBorderWidthInt), 3);
  EXPECT_EQ(GetInsideThemeColor(Marine, tkMenuSelectedBorderColor), TColor(0xA04A44));
  EXPECT_EQ(GetInsideThemeColor(Jade, tkFormBackgroundColor), TColor(0xFBFBFB));
  EXPECT_EQ(GetInsideThemeColor(Pearl, tkControlFontColor), TColor(0xCF4602));
  EXPECT_EQ(GetInsideThemeColor(Glacier, tkScrollBarBackgroundColor), TColor(0xF4F4F4));
  EXPECT_TRUE(GetInsideThemeBool(Graphite, tkButtonTransparentBool));
  EXPECT_FALSE(GetInsideThemeBool(Pearl, tkButtonTransparentBool));
  EXPECT_TRUE(GetInsideThemeBool(Jade, tkTitleBarButtonTransparentBool));
  EXPECT_FALSE(GetInsideThemeBool(Marine, tkTitleBarButtonTransparentBool));
}

TEST(ThemeModel, KindsAgreeWithTheKeyNameSuffixes) {
  for (TskThemeKey k : kThemeKeys) {
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
  EXPECT_STREQ(ThemeKeyName(tkButtonImage), "ButtonImage");
  EXPECT_STREQ(ThemeKeyName(tkSideChannelBarImage), "SideChannelBarImage");
  EXPECT_EQ(ThemeKeyIndex("NoSuchKey"), 0);
}

TEST(ThemeModel, BitmapCellsNameStyleAndPart) {
  const char* prefixes[] = {"GRAPHITE_", "PEARL_", "MARINE_", "JADE_", "GLACIER_"};
  for (int s = 0; s < 5; ++s) {
    for (TskThemeKey k : kThemeKeys) {
      TskThemeValueKind kind;
      TskThemeCell cell = GetInsideThemeValue(kBuiltIn[s], k, kind);
      if (kind != tvkBitmap) {
        EXPECT_EQ(cell.BitmapName, nullptr);
        continue;
      }
      ASSERT_NE(cell.BitmapName, nullptr);
      String name = cell.BitmapName;
      if (k == tkScrollButtonImage && s >= 2) {
        EXPECT_EQ(name, "MORE_SCROLLBUTTON");  // the three styles share one picture
      } else {
        EXPECT_TRUE(name.starts_with(prefixes[s])) << name;
      }
    }
  }
}

TEST(ThemeModel, WrongKindAndUnknownStyleGiveTheGuardValues) {
  EXPECT_EQ(GetInsideThemeInt(Marine, tkFormBackgroundColor), -1);         // a colour key
  EXPECT_EQ(GetInsideThemeColor(Marine, tkFormMinWidthInt), TColor(0));  // an integer key
  EXPECT_FALSE(GetInsideThemeBool(Graphite, tkFormMinWidthInt));
  EXPECT_FALSE(GetInsideThemeBool(Graphite, tkButtonImage));
  EXPECT_EQ(GetInsideThemeInt(Graphite, tkButtonImage), -1);  // a bitmap key
  for (TskUIStyle style : {FromThemeFile, static_cast<TskUIStyle>(6), static_cast<TskUIStyle>(200)}) {
    TskThemeValueKind kind = tvkBitmap;
    TskThemeCell cell = GetInsideThemeValue(style, tkFormBorderColor, kind);
    EXPECT_EQ(kind, tvkInteger);
    EXPECT_EQ(cell.Value, -1);
    EXPECT_EQ(GetInsideThemeColor(style, tkFormBorderColor), TColor(0));
    EXPECT_FALSE(GetInsideThemeBool(style, tkButtonTransparentBool));
  }
}

TEST(ThemeModel, KeyIndexesOutsideTheListReadNothing) {
  for (int index : {0, -1, 43, 1000, -100000}) {
    TskThemeValueKind kind = tvkBitmap;
    const auto key = static_cast<TskThemeKey>(index);
    TskThemeCell cell = GetInsideThemeValue(Marine, key, kind);
    EXPECT_EQ(kind, tvkInteger);
    EXPECT_EQ(cell.Value, -1);
    EXPECT_EQ(cell.BitmapName, nullptr);
    EXPECT_EQ(GetInsideThemeInt(Marine, key), -1);
    EXPECT_STREQ(ThemeKeyName(key), "");
    EXPECT_FALSE(ThemeKeyIsSize(key));
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
    for (TskThemeKey k : kThemeKeys) {
      SCOPED_TRACE(ThemeKeyName(k));
      EXPECT_EQ(values.Int(k), GetInsideThemeInt(Marine, k));
      EXPECT_EQ(values.Color(k), GetInsideThemeColor(Marine, k));
      EXPECT_EQ(values.Bool(k), GetInsideThemeBool(Marine, k));
    }
  }
}

}  // namespace
