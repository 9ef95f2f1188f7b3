// The theme file the build writes for the showcase from our own artwork and colours.

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "skin/file_theme.h"
#include "skin/theme_values.h"

namespace {

TEST(ShowcaseTheme, HoldsEveryKeyInItsOwnColours) {
  // Written by the build next to the showcase program: <build>/examples/showcase.
  const String path = ProgramFolder() + "../examples/showcase/OnePlumet.skn";
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(path);
  ASSERT_TRUE(theme.CanUse()) << path;
  TskThemeValues values(&theme, FromThemeFile);
  for (TskThemeKey k : kThemeKeys) {
    SCOPED_TRACE(ThemeKeyName(k));
    switch (ThemeKeyKind(k)) {
      case tvkBitmap: {
        TBitmap b;
        values.Bitmap(k, &b);
        EXPECT_FALSE(b.Empty());
        break;
      }
      case tvkBool:
        EXPECT_NE(theme.Manager()->Reader()->Booleans().IndexOfName(ThemeKeyName(k)), -1);
        break;
      default:
        EXPECT_NE(theme.GetInt(k), std::nullopt);
    }
  }
  for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier}) {
    EXPECT_NE(values.Color(tkFormBackgroundColor), GetInsideThemeColor(style, tkFormBackgroundColor));
  }
  TBitmap close;
  values.BitmapCell(tkTitleBarButtonImage, &close, 18, 16);  // the title bar's close button
  EXPECT_EQ(close.Width(), 19);
  TBitmap button;
  values.BitmapCell(tkButtonImage, &button, 3, 1);
  EXPECT_EQ(button.Width(), 74);
}

}  // namespace
