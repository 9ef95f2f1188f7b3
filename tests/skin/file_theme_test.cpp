// The theme component: finding and loading its file, the typed getters and the refresh of the
// controls that use it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <utility>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/file_theme.h"
#include "skin/theme_values.h"
#include "tests/skin/theme_file_test_support.h"

namespace {

void WriteTheme(const String& path, int borderWidth) {
  TskThemeFileWriter w;
  w.AddInteger("FormBorderWidthInt", borderWidth);
  w.AddColor("FormBorderColor", static_cast<TColor>(0x0000FF));
  w.AddBool("ButtonTransparentBool", true);
  TBitmap strip(9, 2);
  strip.Canvas()->Brush()->SetColor(static_cast<TColor>(0x00FF00));
  strip.Canvas()->FillRect(Rect(3, 0, 6, 2));  // cell 2 of 3 is green
  w.AddBitmap("ButtonImage", strip);
  w.AddEntry("CheckBoxImage", 0, {'n', 'o', 't', ' ', 'a', ' ', 'B', 'M', 'P'});
  w.SaveToFile(path);
}

// Runs a test with the current folder changed, and changes it back however the test ends.
class TCurrentFolder {
 public:
  explicit TCurrentFolder(const std::filesystem::path& path)
      : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~TCurrentFolder() { std::filesystem::current_path(old_); }
  TCurrentFolder(const TCurrentFolder&) = delete;
  TCurrentFolder& operator=(const TCurrentFolder&) = delete;

 private:
  std::filesystem::path old_;
};

TEST(FileTheme, LoadsAnExistingFileAndReadsItByKeyIndex) {
  TTempFolder folder;
  WriteTheme(folder.File("a.skn"), 3);
  TskFileTheme theme(nullptr);
  EXPECT_FALSE(theme.CanUse());
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), std::nullopt);  // nothing loaded yet
  EXPECT_EQ(theme.GetColor(tkFormBorderColor), std::nullopt);
  EXPECT_EQ(theme.GetBool(tkButtonTransparentBool), std::nullopt);

  theme.SetThemeFile(folder.File("a.skn"));
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), folder.File("a.skn"));
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 3);
  EXPECT_EQ(theme.GetColor(tkFormBorderColor), TColor(0x0000FF));
  EXPECT_EQ(theme.GetBool(tkButtonTransparentBool), true);
  EXPECT_EQ(theme.GetInt(tkFormMinWidthInt), std::nullopt);  // not in the file
  EXPECT_EQ(theme.GetBool(tkTitleBarButtonTransparentBool), std::nullopt);

  TBitmap whole;
  theme.GetBitmap(tkButtonImage, &whole);
  EXPECT_EQ(whole.Width(), 9);
  TBitmap cell;
  theme.GetBitmapPiece(tkButtonImage, &cell, 3, 2);
  EXPECT_EQ(cell.Width(), 3);
  EXPECT_EQ(cell.Height(), 2);
  EXPECT_EQ(cell.Canvas()->Pixels(0, 0), TColor(0x00FF00));
}

TEST(FileTheme, MissingOrUnreadableBitmapsLeaveTheTargetAlone) {
  TTempFolder folder;
  WriteTheme(folder.File("a.skn"), 3);
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("a.skn"));
  TBitmap target(4, 5);
  theme.GetBitmap(tkTabControlTabImage, &target);          // no such bitmap in the file
  theme.GetBitmapPiece(tkTabControlTabImage, &target, 2, 1);
  theme.GetBitmap(tkCheckBoxImage, &target);           // stored bytes that are no bitmap
  EXPECT_EQ(target.Width(), 4);
  EXPECT_EQ(target.Height(), 5);
  theme.GetBitmap(tkButtonImage, nullptr);
}

TEST(FileTheme, ValuesComeFromTheFileOnlyForFromThemeFile) {
  TTempFolder folder;
  WriteTheme(folder.File("a.skn"), 3);
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("a.skn"));
  TskThemeValues fromFile(&theme, FromThemeFile);
  EXPECT_TRUE(fromFile.FromFile());
  EXPECT_EQ(fromFile.Int(tkFormBorderWidthInt), 3);
  TskThemeValues builtIn(&theme, Pearl);
  EXPECT_FALSE(builtIn.FromFile());
  EXPECT_EQ(builtIn.Int(tkFormBorderWidthInt), 3);
  EXPECT_EQ(builtIn.Color(tkFormBorderColor), TColor(0xC82C00));
}

// A theme file may lack keys or hold values that are none of their kind; controls still get
// sizes of at least 0 and real colours, the ones they would show without the file.
TEST(FileTheme, LackingOrBadValuesGiveNoNegativeSizesAndNoFalseColours) {
  TTempFolder folder;
  TskThemeFileWriter w;
  w.AddInteger("FormRoundCornerInt", -5);
  w.AddInteger("TitleBarButtonRightOffsetInt", -2);
  w.AddInteger("MenuBarColor", -1);
  w.AddInteger("MenuSelectedBorderColor", 0x12000000);
  w.AddColor("ControlFontColor", clBtnFace);
  w.AddColor("MenuSelectedBackgroundColor", static_cast<TColor>(0x102030));
  w.SaveToFile(folder.File("sparse.skn"));
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("sparse.skn"));
  TskThemeValues values(&theme, FromThemeFile);
  ASSERT_TRUE(values.FromFile());

  const std::pair<TskThemeKey, int> ints[] = {
      {tkFormRoundCornerInt, 0},             // a negative size
      {tkFormBorderWidthInt, 0},             // lacking
      {tkFormMinWidthInt, 0},                // lacking
      {tkTitleBarButtonRightOffsetInt, -2},  // an offset keeps its sign
  };
  for (auto [key, expected] : ints) EXPECT_EQ(values.Int(key), expected) << ThemeKeyName(key);

  const std::pair<TskThemeKey, TColor> colors[] = {
      {tkMenuBarColor, static_cast<TColor>(0xCED3D6)},           // -1: Marine's
      {tkMenuSelectedBorderColor, static_cast<TColor>(0xA04A44)},  // no colour: Marine's
      {tkFormBackgroundColor, static_cast<TColor>(0xE8E8E8)},      // lacking: Marine's
      {tkControlFontColor, clBtnFace},                             // a system colour stands
      {tkMenuSelectedBackgroundColor, static_cast<TColor>(0x102030)},
  };
  for (auto [key, expected] : colors) EXPECT_EQ(values.Color(key), expected) << ThemeKeyName(key);
  EXPECT_FALSE(values.Bool(tkButtonTransparentBool));
}

TEST(FileTheme, AMissingFileIsIgnoredAndTheLoadedThemeStays) {
  TTempFolder folder;
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("missing.skn"));
  EXPECT_FALSE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), "");

  WriteTheme(folder.File("a.skn"), 3);
  theme.SetThemeFile(folder.File("a.skn"));
  theme.SetThemeFile(folder.File("missing.skn"));
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), folder.File("a.skn"));
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 3);
  theme.SetThemeFile(folder.File("sub\\missing.skn"));
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 3);
}

TEST(FileTheme, AssigningTheSameTextDoesNothing) {
  TTempFolder folder;
  WriteTheme(folder.File("a.skn"), 3);
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("a.skn"));
  WriteTheme(folder.File("a.skn"), 5);
  theme.SetThemeFile(folder.File("a.skn"));
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 3);
  WriteTheme(folder.File("b.skn"), 6);
  theme.SetThemeFile(folder.File("b.skn"));  // another existing file replaces the theme
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 6);
}

TEST(FileTheme, BackslashPathsAreFoundAndRelativeOnesLoadAgain) {
  TTempFolder folder;
  std::filesystem::create_directories(folder.Path() / "skin");
  WriteTheme(folder.File("skin/OnePlumet.skn"), 3);
  TCurrentFolder here(folder.Path());
  TskFileTheme theme(nullptr);
  theme.SetThemeFile("skin\\OnePlumet.skn");
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), "skin/OnePlumet.skn");
  // The text differs from the resolved path, so the same text loads the file again.
  WriteTheme(folder.File("skin/OnePlumet.skn"), 4);
  theme.SetThemeFile("skin\\OnePlumet.skn");
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 4);
}

TEST(FileTheme, TheFileNameIsLookedForBesideTheProgram) {
  const String name = "skin_test_beside_program.skn";
  const String beside = ProgramFolder() + name;
  WriteTheme(beside, 7);
  struct TRemove {
    String path;
    ~TRemove() { std::filesystem::remove(path); }
  } remove{beside};
  TTempFolder folder;
  TCurrentFolder here(folder.Path());  // the folder part leads nowhere from here
  TskFileTheme theme(nullptr);
  theme.SetThemeFile("skin\\" + name);
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.ThemeFile(), beside);
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), 7);
}

TEST(FileTheme, ADamagedFileStillReplacesTheTheme) {
  TTempFolder folder;
  WriteTheme(folder.File("a.skn"), 3);
  std::ofstream(folder.File("broken.skn"), std::ios::binary) << "not a theme";
  TskFileTheme theme(nullptr);
  theme.SetThemeFile(folder.File("a.skn"));
  theme.SetThemeFile(folder.File("broken.skn"));
  EXPECT_TRUE(theme.CanUse());
  EXPECT_EQ(theme.GetInt(tkFormBorderWidthInt), std::nullopt);
}

TEST(FileTheme, ThemeFileIsPublished) {
  TskFileTheme theme(nullptr);
  EXPECT_TRUE(HasProperty(&theme, "ThemeFile"));
}

}  // namespace
