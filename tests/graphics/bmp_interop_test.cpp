// BMP files exchanged with an independent program: we decode what it writes to the pixels it
// reads, and it reads what we write to the pixels we meant.

#include <gtest/gtest.h>

#include "platform/graphics/bmp_codec.h"
#include "tests/graphics/bmp_test_support.h"

using namespace bmp_test;

namespace {

constexpr int kWidth = 13;  // odd, so that every depth needs row padding
constexpr int kHeight = 7;

enum AlphaKind { kOpaque, kGraded, kOnOff };

uint32_t AlphaOf(int i, AlphaKind alpha) {
  if (alpha == kOpaque) return 0xFF;
  if (alpha == kOnOff) return i % 3 == 0 ? 0 : 0xFF;
  return static_cast<uint32_t>(i * 97 % 256);
}

// A pattern of `colours` distinct colours and the given kind of alpha.
std::vector<uint32_t> Pattern(int colours, AlphaKind alpha) {
  std::vector<uint32_t> table;
  for (int i = 0; i < colours; ++i) {
    uint32_t rgb = (static_cast<uint32_t>(i) * 0x9E3779B1u >> 8) & 0xFFFFFF;
    table.push_back(AlphaOf(i, alpha) << 24 | rgb);
  }
  std::vector<uint32_t> pixels;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) pixels.push_back(table[(x * 3 + y * 5) % colours]);
  }
  return pixels;
}

class BmpInterop : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveConvert()) GTEST_SKIP() << "/usr/bin/convert is not installed";
  }

  // Has the other program write the pattern with the given options; returns the file's path.
  std::string WrittenByConvert(const std::vector<uint32_t>& pixels, const std::string& options) {
    std::string raw = dir_.File("in.rgba");
    std::string out = dir_.File("out.bmp");
    WriteRawRgba(raw, pixels);
    std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight);
    EXPECT_EQ(RunConvert("-size " + size + " -depth 8 rgba:" + raw + " " + options + out), 0);
    return out;
  }

  void ExpectSamePixels(const std::vector<uint32_t>& ours, const std::vector<uint32_t>& theirs,
                        int tolerance, uint32_t channels = 0xFFFFFFFF) {
    ASSERT_EQ(ours.size(), theirs.size());
    for (size_t i = 0; i < ours.size(); ++i) {
      ASSERT_LE(ChannelDistance(ours[i] & channels, theirs[i] & channels), tolerance)
          << "pixel " << i % kWidth << "," << i / kWidth << ": ours " << std::hex << ours[i]
          << " theirs " << theirs[i];
    }
  }

  TempDir dir_;
};

struct ForeignFlavour {
  const char* options;
  int colours;
  AlphaKind alpha;
  int expectedBits;
  uint32_t expectedHeaderSize;
  int tolerance;  // channels narrower than 8 bits may be widened differently
  // The other program reads a 1-bit alpha of 1 as 128: its alpha is compared with ours
  // through the pattern instead.
  bool oneBitAlpha = false;
};

TEST_F(BmpInterop, WeDecodeWhatTheOtherProgramWrites) {
  const ForeignFlavour flavours[] = {
      {"-type palette BMP3:", 2, kOpaque, 1, 40, 0},
      {"-type palette BMP3:", 9, kOpaque, 4, 40, 0},
      {"-type palette BMP3:", 40, kOpaque, 8, 40, 0},
      {"-type palette -compress RLE BMP3:", 40, kOpaque, 8, 40, 0},
      {"-type truecolor BMP3:", 200, kOpaque, 24, 40, 0},
      {"-type truecolor BMP:", 200, kOpaque, 24, 124, 0},
      {"BMP2:", 200, kOpaque, 24, 12, 0},
      {"-type palette BMP2:", 40, kOpaque, 8, 12, 0},
      {"-type truecolor -define bmp:subtype=RGB555 BMP:", 200, kOpaque, 16, 124, 1},
      {"-type truecolor -define bmp:subtype=RGB565 BMP:", 200, kOpaque, 16, 124, 1},
      {"-alpha on -define bmp:subtype=ARGB1555 BMP:", 200, kOnOff, 16, 124, 1, true},
      // Four-bit channels: the other program widens by shifting (0xF -> 0xF0), we scale
      // (0xF -> 0xFF), so values differ by up to 15.
      {"-alpha on -define bmp:subtype=ARGB4444 BMP:", 200, kGraded, 16, 124, 15},
      {"-alpha on BMP:", 200, kGraded, 32, 124, 0},
  };
  for (const ForeignFlavour& f : flavours) {
    SCOPED_TRACE(std::string(f.options) + " colours " + std::to_string(f.colours));
    std::string file = WrittenByConvert(Pattern(f.colours, f.alpha), f.options);
    std::vector<uint8_t> bytes = ReadFile(file);
    ASSERT_GT(bytes.size(), 18u);
    EXPECT_EQ(bytes[14], f.expectedHeaderSize);
    TBmpImage image = DecodeBmp(bytes);
    EXPECT_EQ(image.SourceBitsPerPixel, f.expectedBits);
    EXPECT_EQ(image.Width, kWidth);
    EXPECT_EQ(image.Height, kHeight);
    EXPECT_EQ(image.HasAlpha, f.alpha != kOpaque);
    uint32_t channels = f.oneBitAlpha ? 0x00FFFFFF : 0xFFFFFFFF;
    ExpectSamePixels(image.Pixels, PixelsSeenByConvert(file), f.tolerance, channels);
    if (f.oneBitAlpha) ExpectSamePixels(image.Pixels, Pattern(f.colours, f.alpha), 0, 0xFF000000);
    if (f.tolerance == 0) ExpectSamePixels(image.Pixels, Pattern(f.colours, f.alpha), 0);
  }
}

TEST_F(BmpInterop, TheOtherProgramReadsWhatWeWrite) {
  struct OurFlavour {
    int bits;
    int colours;
    bool alpha;
    int tolerance;
  };
  const OurFlavour flavours[] = {{1, 2, false, 0},    {4, 16, false, 0},   {8, 256, false, 0},
                                 {15, 200, false, 1}, {16, 200, false, 1}, {24, 200, false, 0},
                                 {32, 200, false, 0}, {32, 200, true, 0}};
  for (const OurFlavour& f : flavours) {
    SCOPED_TRACE("bits " + std::to_string(f.bits) + (f.alpha ? " with alpha" : ""));
    TBmpImage image;
    image.Width = kWidth;
    image.Height = kHeight;
    image.Pixels = Pattern(f.colours, f.alpha ? kGraded : kOpaque);
    image.HasAlpha = f.alpha;
    std::string file = dir_.File("ours.bmp");
    WriteFile(file, EncodeBmp(image, f.bits));
    std::vector<uint32_t> theirs = PixelsSeenByConvert(file);
    ExpectSamePixels(DecodeBmp(ReadFile(file)).Pixels, theirs, f.tolerance);
    ExpectSamePixels(image.Pixels, theirs, f.tolerance == 0 ? 0 : 8);
  }
}

}  // namespace
