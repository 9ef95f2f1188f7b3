// Reading theme files: every value type, lookups, and files that are damaged or hostile.

#include <gtest/gtest.h>

#include <random>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/theme_file_layout.h"
#include "tests/skin/theme_file_test_support.h"

namespace {

TskThemeFileWriter SampleWriter() {
  TskThemeFileWriter w;
  w.AddInteger("FormBorderWidthInt", 3);
  w.AddColor("FormBorderColor", static_cast<TColor>(0xC82C00));
  w.AddBool("ButtonTransparentBool", true);
  w.AddString("Author", "主题作者");
  TBitmap picture(6, 2);
  picture.Canvas()->SetPixels(5, 1, static_cast<TColor>(0x123456));
  w.AddBitmap("ButtonImage", picture);
  w.AddInteger("TitleBarButtonRightOffsetInt", -2);
  return w;
}

TEST(ThemeFileReader, ReadsEveryValueType) {
  TskThemeFileReader reader = ReadThemeBytes(SampleWriter().Bytes());
  EXPECT_EQ(reader.Integer("FormBorderWidthInt"), 3);
  EXPECT_EQ(reader.Integer("FormBorderColor"), 0xC82C00);
  EXPECT_EQ(reader.Integer("TitleBarButtonRightOffsetInt"), -2);  // the last entry of the chain
  EXPECT_EQ(reader.Boolean("ButtonTransparentBool"), true);
  ASSERT_EQ(reader.Strings().Count(), 1);
  EXPECT_EQ(reader.Strings().Strings(0), "Author=主题作者");

  TMemoryStream* stream = reader.Bitmap("ButtonImage");
  ASSERT_NE(stream, nullptr);
  TBitmap loaded;
  loaded.LoadFromStream(*stream);
  EXPECT_EQ(loaded.Width(), 6);
  EXPECT_EQ(loaded.Height(), 2);
  EXPECT_EQ(loaded.Canvas()->Pixels(5, 1), TColor(0x123456));
  // Asked again, the stream is rewound.
  EXPECT_EQ(reader.Bitmap("buttonimage")->Position(), 0);
}

TEST(ThemeFileReader, MissingKeysReadAsAbsent) {
  TskThemeFileReader reader = ReadThemeBytes(SampleWriter().Bytes());
  EXPECT_EQ(reader.Integer("FormMinWidthInt"), std::nullopt);
  EXPECT_EQ(reader.Boolean("TitleBarButtonTransparentBool"), std::nullopt);
  EXPECT_EQ(reader.Bitmap("TabControlTabImage"), nullptr);
  // Each type has its own list: an integer is not found as a boolean or a bitmap.
  EXPECT_EQ(reader.Boolean("FormBorderWidthInt"), std::nullopt);
  EXPECT_EQ(reader.Bitmap("FormBorderWidthInt"), nullptr);
  EXPECT_EQ(reader.Integer("ButtonTransparentBool"), std::nullopt);
}

TEST(ThemeFileReader, LookupsIgnoreCaseAndTheFirstDuplicateWins) {
  TskThemeFileWriter w;
  w.AddInteger("FormBorderWidthInt", 3);
  w.AddInteger("FORMBORDERWIDTHINT", 7);
  w.AddBool("flag", false);
  w.AddBool("Flag", true);
  TskThemeFileReader reader = ReadThemeBytes(w.Bytes());
  EXPECT_EQ(reader.Integer("formborderwidthint"), 3);
  EXPECT_EQ(reader.Integers().Count(), 2);
  EXPECT_EQ(reader.Boolean("FLAG"), false);
}

TEST(ThemeFileReader, BooleansTakeTheLowByte) {
  TskThemeFileWriter w;
  w.AddBoolByte("One", 1);
  w.AddBoolByte("Two", 2);
  w.AddBoolByte("Zero", 0);
  w.AddBoolByte("Full", 0xFF);
  TskThemeFileReader reader = ReadThemeBytes(w.Bytes());
  EXPECT_EQ(reader.Boolean("One"), true);
  EXPECT_EQ(reader.Boolean("Two"), true);
  EXPECT_EQ(reader.Boolean("Zero"), false);
  EXPECT_EQ(reader.Boolean("Full"), true);
  EXPECT_EQ(reader.Booleans().Values("Full"), "255");
}

TEST(ThemeFileReader, UnknownTypesAreSkippedAndTheChainGoesOn) {
  TskThemeFileWriter w;
  w.AddEntry("Future", 9, {1, 2, 3});
  w.AddInteger("After", 5);
  TskThemeFileReader reader = ReadThemeBytes(w.Bytes());
  EXPECT_EQ(reader.Integer("After"), 5);
  EXPECT_EQ(reader.Integers().Count() + reader.Booleans().Count() + reader.Strings().Count() +
                reader.BitmapNames().Count(),
            1);
}

TEST(ThemeFileReader, NamesEndAtTheirFirstZeroOrAfterSixtyFourBytes) {
  TskThemeFileWriter w;
  String longName(70, 'K');
  w.AddInteger(longName, 1);
  w.AddEntry(String("Short\0Tail", 10), 1, {2, 0, 0, 0});
  TskThemeFileReader reader = ReadThemeBytes(w.Bytes());
  EXPECT_EQ(reader.Integer(String(64, 'K')), 1);
  EXPECT_EQ(reader.Integer("Short"), 2);
}

TEST(ThemeFileReader, ValuesOfTheWrongSizeAreSkipped) {
  TskThemeFileWriter w;
  w.AddEntry("ShortInt", 1, {1, 2});
  w.AddEntry("LongInt", 1, {1, 0, 0, 0, 0, 0, 0, 0});
  w.AddEntry("LongBool", 2, {1, 1});
  w.AddEntry("EmptyBool", 2, {});
  w.AddInteger("Good", 42);
  TskThemeFileReader reader = ReadThemeBytes(w.Bytes());
  EXPECT_EQ(reader.Integer("ShortInt"), std::nullopt);
  EXPECT_EQ(reader.Integer("LongInt"), std::nullopt);
  EXPECT_EQ(reader.Boolean("LongBool"), std::nullopt);
  EXPECT_EQ(reader.Boolean("EmptyBool"), std::nullopt);
  EXPECT_EQ(reader.Integer("Good"), 42);
  EXPECT_EQ(reader.Integers().Count(), 1);
}

TEST(ThemeFileReader, AValuePastTheEndIsSkipped) {
  TskThemeFileWriter w;
  w.AddInteger("First", 1);
  w.AddInteger("Second", 2);
  w.AddInteger("Third", 3);
  std::vector<uint8_t> bytes = w.Bytes();
  PutU32(bytes, EntryAt(1) + 65, static_cast<uint32_t>(bytes.size() - 2));  // 2 of 4 bytes there
  PutU32(bytes, EntryAt(2) + 65, 0xFFFFFFF0u);                               // far outside
  PutU32(bytes, EntryAt(2) + 69, 0x20);
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  EXPECT_EQ(reader.Integer("First"), 1);
  EXPECT_EQ(reader.Integer("Second"), std::nullopt);
  EXPECT_EQ(reader.Integer("Third"), std::nullopt);
}

TEST(ThemeFileReader, AHugeBitmapSizeIsSkipped) {
  TskThemeFileWriter w;
  w.AddEntry("ButtonImage", 0, {'B', 'M'});
  w.AddInteger("After", 9);
  std::vector<uint8_t> bytes = w.Bytes();
  PutU32(bytes, EntryAt(0) + 69, 0xFFFFFFFFu);
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  EXPECT_EQ(reader.Bitmap("ButtonImage"), nullptr);
  EXPECT_EQ(reader.Integer("After"), 9);
}

// Entries whose values all point at one large value would each copy it: a small file could
// ask for gigabytes. What is kept never exceeds the file's own size.
TEST(ThemeFileReader, ValuesSharingBytesNeverCostMoreThanTheFile) {
  constexpr size_t kEntries = 2000;
  TskThemeFileWriter w;
  w.AddEntry("Shared0", 0, std::vector<uint8_t>(64 * 1024, 'B'));
  for (size_t i = 1; i < kEntries; ++i) w.AddEntry("Shared" + std::to_string(i), 0, {});
  std::vector<uint8_t> bytes = w.Bytes();
  uint32_t data = theme_file::ReadU32(&bytes[EntryAt(0) + 65]);
  for (size_t i = 1; i < kEntries; ++i) {
    PutU32(bytes, EntryAt(i) + 65, data);
    PutU32(bytes, EntryAt(i) + 69, 64 * 1024);
  }
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  ASSERT_NE(reader.Bitmap("Shared0"), nullptr);
  int64_t kept = 0;
  for (int i = 0; i < reader.BitmapNames().Count(); ++i)
    kept += reader.Bitmap(reader.BitmapNames().Strings(i))->Size();
  EXPECT_LE(kept, static_cast<int64_t>(bytes.size()));
}

TEST(ThemeFileReader, ALoopingChainEndsKeepingWhatWasRead) {
  TskThemeFileWriter w;
  w.AddInteger("First", 1);
  w.AddInteger("Second", 2);
  w.AddInteger("Third", 3);
  std::vector<uint8_t> bytes = w.Bytes();
  PutU32(bytes, EntryAt(1) + 73, static_cast<uint32_t>(EntryAt(0)));  // back to the start
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  EXPECT_EQ(reader.Integer("First"), 1);
  EXPECT_EQ(reader.Integer("Second"), 2);
  EXPECT_EQ(reader.Integer("Third"), std::nullopt);
  EXPECT_EQ(reader.Integers().Count(), 2);

  PutU32(bytes, EntryAt(0) + 73, static_cast<uint32_t>(EntryAt(0)));  // to itself
  EXPECT_EQ(ReadThemeBytes(bytes).Integers().Count(), 1);
  PutU32(bytes, EntryAt(0) + 73, static_cast<uint32_t>(EntryAt(0) + 40));  // into itself
  EXPECT_EQ(ReadThemeBytes(bytes).Integers().Count(), 1);
}

// Entries that step back a few bytes at a time would each read as new ones; the chain ends
// at the first that shares bytes with an entry already read.
TEST(ThemeFileReader, AChainSteppingIntoEarlierEntriesEnds) {
  TskThemeFileWriter w;
  w.AddInteger("First", 1);
  w.AddInteger("Second", 2);
  std::vector<uint8_t> bytes = w.Bytes();
  PutU32(bytes, EntryAt(1) + 73, static_cast<uint32_t>(EntryAt(1) - 1));
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  EXPECT_EQ(reader.Integers().Count(), 2);
  EXPECT_EQ(reader.BitmapNames().Count() + reader.Booleans().Count() + reader.Strings().Count(), 0);
}

TEST(ThemeFileReader, AChainRunningPastTheEndKeepsWhatWasRead) {
  TskThemeFileWriter w;
  w.AddInteger("First", 1);
  w.AddInteger("Second", 2);
  std::vector<uint8_t> bytes = w.Bytes();
  PutU32(bytes, EntryAt(0) + 73, static_cast<uint32_t>(bytes.size() - 10));  // a short entry
  TskThemeFileReader reader = ReadThemeBytes(bytes);
  EXPECT_EQ(reader.Integer("First"), 1);
  EXPECT_EQ(reader.Integer("Second"), std::nullopt);
}

TEST(ThemeFileReader, ABadHeaderGivesAnEmptyTheme) {
  std::vector<uint8_t> bytes = SampleWriter().Bytes();
  for (uint32_t length : {0u, 16u, 23u, 25u, 77u, 0xFFFFFFFFu}) {
    PutU32(bytes, 12, length);
    TskThemeFileReader reader = ReadThemeBytes(bytes);
    EXPECT_EQ(reader.Integers().Count(), 0) << length;
    EXPECT_EQ(reader.BitmapNames().Count(), 0) << length;
  }
  std::vector<uint8_t> firstPastEnd = SampleWriter().Bytes();
  PutU32(firstPastEnd, 20, 0x7FFFFFFF);
  EXPECT_EQ(ReadThemeBytes(firstPastEnd).Integers().Count(), 0);
}

TEST(ThemeFileReader, EveryTruncationReadsAPrefixOfTheEntries) {
  const std::vector<uint8_t> whole = SampleWriter().Bytes();
  const int complete = ReadThemeBytes(whole).Integers().Count();
  for (size_t length = 0; length < whole.size(); ++length) {
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(length));
    TskThemeFileReader reader = ReadThemeBytes(cut);
    EXPECT_LE(reader.Integers().Count(), complete);
  }
  // Values sit after all entries: a file cut inside the values keeps the entries whose values
  // are whole (the integers come first in the value area).
  std::vector<uint8_t> cut(whole.begin(), whole.end() - 1);
  EXPECT_EQ(ReadThemeBytes(cut).Integer("FormBorderWidthInt"), 3);
  EXPECT_EQ(ReadThemeBytes(cut).Integer("TitleBarButtonRightOffsetInt"), std::nullopt);
}

// Random damage to a good file: the parse always ends, never reads outside the file (the
// sanitizers watch) and never raises.
TEST(ThemeFileReader, MutatedFilesNeverHangOrCrash) {
  const std::vector<uint8_t> whole = SampleWriter().Bytes();
  std::mt19937 random(20261207);
  for (int round = 0; round < 400; ++round) {
    std::vector<uint8_t> bytes = whole;
    int changes = 1 + static_cast<int>(random() % 8);
    for (int c = 0; c < changes; ++c) {
      size_t at = random() % bytes.size();
      bytes[at] = static_cast<uint8_t>(random());
    }
    if (round % 5 == 0) bytes.resize(random() % bytes.size());
    EXPECT_NO_THROW({
      TskThemeFileReader reader = ReadThemeBytes(bytes);
      (void)reader.Integer("FormBorderWidthInt");
      (void)reader.Boolean("ButtonTransparentBool");
      (void)reader.Bitmap("ButtonImage");
    });
  }
}

TEST(ThemeFileReader, AFileThatCannotBeOpenedGivesAnEmptyTheme) {
  TTempFolder folder;
  TskThemeFileReader reader(folder.File("missing.skn"));
  EXPECT_EQ(reader.Integers().Count(), 0);

  SampleWriter().SaveToFile(folder.File("good.skn"));
  TskThemeFileReader fromFile(folder.File("good.skn"));
  EXPECT_EQ(fromFile.Integer("FormBorderWidthInt"), 3);
}

}  // namespace

TEST(ThemeFileWriter, SavingToADeviceThatRefusesTheBytesRaises) {
  EXPECT_THROW(SampleWriter().SaveToFile("/dev/full"), EWriteError);
}
