// Theme files from outside whose pictures claim sizes no form can use: such a picture is
// refused as a damaged one is, and the form still lays out and paints.

#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/progress_bar.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kBorder = static_cast<TColor>(0x204080);
constexpr TColor kBackground = static_cast<TColor>(0x80C0A0);

void PutU16(std::vector<uint8_t>& bytes, uint16_t v) {
  bytes.push_back(static_cast<uint8_t>(v));
  bytes.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& bytes, uint32_t v) {
  PutU16(bytes, static_cast<uint16_t>(v));
  PutU16(bytes, static_cast<uint16_t>(v >> 16));
}

// A BMP file image with a two-colour table and the given pixel data.
std::vector<uint8_t> BmpFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                             const std::vector<uint8_t>& pixels) {
  std::vector<uint8_t> b{'B', 'M'};
  const uint32_t offBits = 14 + 40 + 8;
  PutU32(b, offBits + static_cast<uint32_t>(pixels.size()));
  PutU32(b, 0);
  PutU32(b, offBits);
  PutU32(b, 40);
  PutU32(b, static_cast<uint32_t>(width));
  PutU32(b, static_cast<uint32_t>(height));
  PutU16(b, 1);
  PutU16(b, bits);
  PutU32(b, compression);
  for (int i = 0; i < 3; ++i) PutU32(b, 0);
  PutU32(b, 2);
  PutU32(b, 0);
  PutU32(b, 0x000000);
  PutU32(b, 0xFFFFFF);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// 64 bytes in all: a run-length picture of 8192 x 8192 whose two codes end it at once.
std::vector<uint8_t> RunLengthGiant() { return BmpFile(8192, 8192, 8, 1, {0, 1}); }

// One bit a pixel, every byte of the rows present.
std::vector<uint8_t> PlainPicture(int width, int height) {
  const size_t stride = (static_cast<size_t>(width) + 31) / 32 * 4;
  return BmpFile(width, height, 1, 0, std::vector<uint8_t>(stride * height, 0x55));
}

struct THostile {
  const char* name;
  std::vector<uint8_t> (*picture)();
  friend void PrintTo(const THostile& hostile, std::ostream* os) { *os << hostile.name; }
};

const THostile kHostile[] = {
    {"RunLengthGiant", RunLengthGiant},
    {"WiderThanAScreen", [] { return PlainPicture(20000, 2); }},
    {"TallerThanAScreen", [] { return PlainPicture(2, 20000); }},
};

class HostileThemePictures : public SkinControlTest, public ::testing::WithParamInterface<THostile> {};

TEST_P(HostileThemePictures, AreRefusedAndTheFormStillPaints) {
  TskThemeFileWriter w;
  w.AddColor("FormBorderColor", kBorder);
  w.AddColor("FormBackgroundColor", kBackground);
  w.AddInteger("FormBorderWidthInt", 2);
  for (TskThemeKey key : kThemeKeys) {
    if (ThemeKeyKind(key) == tvkBitmap) w.AddEntry(ThemeKeyName(key), 0, GetParam().picture());
  }
  w.SaveToFile(folder_.File("hostile.skn"));
  TskFileTheme* theme = nullptr;
  TForm* form = FormOnThemeFile(Bounds(40, 40, 400, 300), folder_.File("hostile.skn"), theme);
  ASSERT_TRUE(theme->CanUse());
  for (TskThemeKey key : kThemeKeys) {
    if (ThemeKeyKind(key) != tvkBitmap) continue;
    TBitmap kept(3, 2);
    theme->GetBitmap(key, &kept);
    EXPECT_EQ(kept.Width() * 10 + kept.Height(), 32) << ThemeKeyName(key) << " is refused";
  }
  TskForm* skin = SkinOf(form);
  int top = 60;
  for (TControl* control : std::initializer_list<TControl*>{new TskButton(form), new TskCheckBox(form),
                                                            new TskProgressBar(form)}) {
    control->SetParent(skin);
    control->SetBounds(20, top += 30, 100, 12);
  }
  ShowThemeFile(skin, theme);
  ASSERT_NO_THROW(Pump());
  const int h = form->ClientHeight();
  EXPECT_LT(skin->TitleBar()->Height(), h);
  EXPECT_EQ(Pixel(form, 0, h / 2), kBorder);
  EXPECT_EQ(Pixel(form, form->ClientWidth() - 30, h - 20), kBackground);
  SavePictureOnFailure(form);
}

INSTANTIATE_TEST_SUITE_P(Pictures, HostileThemePictures, ::testing::ValuesIn(kHostile),
                         [](const auto& test) { return String(test.param.name); });

// The title bar takes its height from its pictures, within what a form can show.
TEST_F(SkinControlTest, TallTitlePicturesGiveATitleBarTheFormCanShow) {
  TskThemeFileWriter w;
  w.AddColor("FormBackgroundColor", kBackground);
  TBitmap tall(12, 3000);
  tall.SetPixelFormat(pf24bit);
  Fill(tall, clRed);
  for (const char* key : {"TitleBarLeftImage", "TitleBarClientImage", "TitleBarRightImage"}) w.AddBitmap(key, tall);
  w.SaveToFile(folder_.File("tall.skn"));
  TskFileTheme* theme = nullptr;
  TForm* form = FormOnThemeFile(Bounds(40, 40, 400, 400), folder_.File("tall.skn"), theme);
  TskForm* skin = SkinOf(form);
  ShowThemeFile(skin, theme);
  Pump();
  EXPECT_LT(skin->TitleBar()->Height(), form->ClientHeight());
  EXPECT_EQ(Pixel(form, 200, form->ClientHeight() - 20), kBackground) << "the panel shows below the bar";
  SavePictureOnFailure(form);
}

}  // namespace
