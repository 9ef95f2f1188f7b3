#include "platform/graphics/bitmap.h"

#include <cstdio>
#include <fstream>

#include "platform/core/exceptions.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/device_context.h"
#include "tests/graphics/pixel_test_support.h"

class Bitmaps : public PixelTest {};

TEST_F(Bitmaps, NewBitmapsAreWhiteAndResizingKeepsTheOverlap) {
  EXPECT_TRUE(bmp.Empty());
  bmp.SetSize(4, 3);
  EXPECT_EQ(bmp.Width(), 4);
  EXPECT_EQ(bmp.Height(), 3);
  EXPECT_EQ(At(3, 2), clWhite);
  bmp.Canvas()->SetPixels(1, 1, clRed);
  bmp.SetSize(10, 2);
  EXPECT_EQ(At(1, 1), clRed);
  EXPECT_EQ(At(9, 1), clWhite);
  bmp.SetWidth(0);
  EXPECT_TRUE(bmp.Empty());
  bmp.SetSize(3, 3);
  bmp.Canvas()->Brush()->SetColor(clBlue);
  bmp.Canvas()->FillRect(Rect(0, 0, 50, 50));  // the canvas follows the new size
  EXPECT_EQ(CountColor(clBlue), 9);
}

TEST_F(Bitmaps, TooLargeOrNegativeSizesRaise) {
  try {
    bmp.SetSize(100000, 100000);
    FAIL() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_EQ(e.Message(), "Out of system resources");
  }
  EXPECT_THROW(bmp.SetSize(40000, 1), EOutOfResources);
  EXPECT_THROW(bmp.SetSize(-1, 5), EInvalidGraphicOperation);
  EXPECT_TRUE(bmp.Empty()) << "a failed resize leaves the bitmap as it was";
}

TEST_F(Bitmaps, ScanLinesIn24And32BitsMatchThePixels) {
  bmp.SetSize(3, 2);
  bmp.SetPixelFormat(pf24bit);
  bmp.Canvas()->SetPixels(1, 0, static_cast<TColor>(RGB(10, 20, 30)));
  auto* row = static_cast<uint8_t*>(bmp.ScanLine(0));
  EXPECT_EQ(row[3], 30);  // blue first
  EXPECT_EQ(row[4], 20);
  EXPECT_EQ(row[5], 10);
  row = static_cast<uint8_t*>(bmp.ScanLine(1));
  row[6] = 0;
  row[7] = 0;
  row[8] = 255;  // red at (2, 1)
  EXPECT_EQ(bmp.Canvas()->Pixels(2, 1), clRed);
  EXPECT_THROW(bmp.ScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(bmp.ScanLine(-1), EInvalidGraphicOperation);

  bmp.SetPixelFormat(pf32bit);
  auto* px = static_cast<uint32_t*>(bmp.ScanLine(1));
  EXPECT_EQ(px[2] & 0xFFFFFF, 0xFF0000u);
  px[0] = 0xFF00FF00;
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 1), clLime);
}

TEST_F(Bitmaps, LowerDepthsMapToTheirNearestColours) {
  bmp.SetSize(2, 1);
  bmp.Canvas()->SetPixels(0, 0, static_cast<TColor>(RGB(30, 30, 30)));
  bmp.Canvas()->SetPixels(1, 0, static_cast<TColor>(RGB(220, 230, 240)));
  bmp.SetPixelFormat(pf1bit);
  EXPECT_TRUE(bmp.Monochrome());
  EXPECT_EQ(At(0, 0), clBlack);
  EXPECT_EQ(At(1, 0), clWhite);
  auto* bits = static_cast<uint8_t*>(bmp.ScanLine(0));
  EXPECT_EQ(bits[0] & 0xC0, 0x40);
  bmp.SetPixelFormat(pf16bit);
  auto* words = static_cast<uint16_t*>(bmp.ScanLine(0));
  words[0] = 0xF800;  // 5-6-5 red
  EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clRed);
}

TEST_F(Bitmaps, TransparentColourIsTheBottomLeftPixelUnlessFixed) {
  EXPECT_EQ(bmp.TransparentColor(), clDefault);
  MakeBitmap(5, 5, clAqua);
  bmp.Canvas()->SetPixels(0, 0, clRed);
  EXPECT_EQ(bmp.TransparentColor(), clAqua);
  bmp.Canvas()->SetPixels(0, 4, clNavy);
  EXPECT_EQ(bmp.TransparentColor(), clNavy);
  bmp.SetTransparentColor(clRed);
  EXPECT_EQ(bmp.TransparentMode(), tmFixed);
  EXPECT_EQ(bmp.TransparentColor(), clRed);
  bmp.SetTransparentMode(tmAuto);
  EXPECT_EQ(bmp.TransparentColor(), clNavy);
}

TEST_F(Bitmaps, AssignCopiesPixelsFormatAndTransparency) {
  MakeBitmap(6, 4, clGreen);
  bmp.SetPixelFormat(pf24bit);
  bmp.SetTransparent(true);
  int changes = 0;
  TBitmap copy;
  copy.OnChange.Bind(nullptr, "Count", [&](TObject*) { ++changes; });
  copy.Assign(&bmp);
  EXPECT_GT(changes, 0);
  EXPECT_EQ(copy.Width(), 6);
  EXPECT_EQ(copy.PixelFormat(), pf24bit);
  EXPECT_TRUE(copy.Transparent());
  EXPECT_EQ(copy.Pixel32(5, 3) & 0xFFFFFF, 0x008000u);
  bmp.Canvas()->SetPixels(0, 0, clRed);
  EXPECT_EQ(copy.Pixel32(0, 0) & 0xFFFFFF, 0x008000u) << "copies do not share pixels";
  copy.Assign(nullptr);
  EXPECT_TRUE(copy.Empty());
  TFont font;
  EXPECT_THROW(copy.Assign(&font), EConvertError);
}

TEST_F(Bitmaps, StreamsRoundTripThroughTheBmpCodec) {
  MakeBitmap(7, 5, clYellow);
  bmp.Canvas()->SetPixels(6, 0, clBlue);
  bmp.Canvas()->SetPixels(0, 4, clRed);
  for (TPixelFormat format : {pf24bit, pf32bit, pfDevice}) {
    bmp.SetPixelFormat(format);
    TMemoryStream stream;
    bmp.SaveToStream(stream);
    EXPECT_EQ(stream.Memory()[0], 'B');
    stream.SetPosition(0);
    TBitmap back;
    back.LoadFromStream(stream);
    EXPECT_EQ(back.Width(), 7);
    EXPECT_EQ(back.Height(), 5);
    EXPECT_EQ(back.Pixel32(6, 0) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(back.Pixel32(0, 4) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(back.Pixel32(3, 2) & 0xFFFFFF, 0xFFFF00u);
  }
  TMemoryStream junk;
  junk.WriteBuffer("not a bitmap at all", 19);
  junk.SetPosition(0);
  TBitmap victim(2, 2);
  EXPECT_THROW(victim.LoadFromStream(junk), EInvalidGraphic);
  EXPECT_EQ(victim.Width(), 2) << "a failed load keeps the picture";
}

TEST_F(Bitmaps, PngFilesForPeopleToLookAt) {
  MakeBitmap(3, 2, clRed);
  std::string path = std::string(TEST_OUTPUT_DIR) + "/bitmap_png_check.png";
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  bmp.SaveToPngFile(path);
  std::ifstream in(path, std::ios::binary);
  char sig[4] = {};
  in.read(sig, 4);
  EXPECT_EQ(std::string(sig + 1, 3), "PNG");
  std::remove(path.c_str());
  TBitmap empty;
  EXPECT_THROW(empty.SaveToPngFile(path), EWriteError);
}

TEST_F(Bitmaps, HandlesCopyInAndOut) {
  MakeBitmap(4, 4, clRed);
  HBITMAP released = bmp.ReleaseHandle();
  TSize size;
  ASSERT_TRUE(GetBitmapSize(released, size));
  EXPECT_EQ(size, (TSize{4, 4}));
  TBitmap other;
  other.SetHandle(released);  // takes it over
  EXPECT_EQ(other.Width(), 4);
  EXPECT_EQ(other.Pixel32(2, 2) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(GetObjectType(released), 0);
  EXPECT_EQ(GetObjectType(other.Handle()), OBJ_BITMAP);
}

TEST_F(Bitmaps, TextAfterScanLineWritesKeepsBoth) {
  MakeBitmap(60, 20, clWhite);
  bmp.SetPixelFormat(pf24bit);
  bmp.Canvas()->Brush()->SetStyle(bsClear);
  bmp.Canvas()->TextOut(0, 0, "a");  // the text engine now works on these pixels
  auto* row = static_cast<uint8_t*>(bmp.ScanLine(19));
  row[3 * 59 + 2] = 255;  // red at (59, 19)
  row[3 * 59 + 1] = 0;
  row[3 * 59] = 0;
  bmp.Canvas()->TextOut(20, 0, "b");
  EXPECT_EQ(At(59, 19), clRed);
  EXPECT_GT(CountColor(clBlack, Rect(20, 0, 40, 20)), 3);
  EXPECT_GT(CountColor(clBlack, Rect(0, 0, 15, 20)), 3);
}

TEST_F(Bitmaps, FilesRoundTripAndMissingFilesRaise) {
  MakeBitmap(5, 3, clTeal);
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  std::string path = std::string(TEST_OUTPUT_DIR) + "/bitmap_file_check.bmp";
  bmp.SaveToFile(path);
  TBitmap back;
  back.LoadFromFile(path);
  std::remove(path.c_str());
  EXPECT_EQ(back.Width(), 5);
  EXPECT_EQ(back.Pixel32(4, 2) & 0xFFFFFF, 0x008080u);
  EXPECT_THROW(back.LoadFromFile(path), EFOpenError);
}

TEST_F(Bitmaps, SavingToADeviceThatRefusesTheBytesRaises) {
  MakeBitmap(5, 3, clTeal);
  EXPECT_THROW(bmp.SaveToFile("/dev/full"), EWriteError);
}
