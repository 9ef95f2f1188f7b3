#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

// A test that paints into a bitmap and looks at pixels; on failure the bitmap is saved as
// TEST_OUTPUT_DIR/<test name>.png so a person can look at it.
class PixelTest : public ::testing::Test {
 protected:
  void MakeBitmap(int width, int height, TColor background = clWhite) {
    bmp.SetSize(width, height);
    bmp.Canvas()->Brush()->SetColor(background);
    bmp.Canvas()->FillRect(Rect(0, 0, width, height));
  }
  HDC dc() { return bmp.Canvas()->Handle(); }
  TColor At(int x, int y) { return Swap(bmp.Pixel32(x, y)); }
  static TColor Swap(uint32_t p) { return static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16); }
  static TColor Sys(TColor c) { return ColorToRGB(c); }

  // The bounds of every pixel that differs from `background` (empty when none).
  TRect InkBounds(TColor background, TRect within = {}) {
    if (within.IsEmpty()) within = Rect(0, 0, bmp.Width(), bmp.Height());
    TRect ink{};
    bool any = false;
    for (int y = within.Top; y < within.Bottom; ++y)
      for (int x = within.Left; x < within.Right; ++x) {
        if (At(x, y) == background) continue;
        if (!any) ink = Rect(x, y, x + 1, y + 1);
        ink = Rect(std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1), std::max(ink.Bottom, y + 1));
        any = true;
      }
    return ink;
  }
  int CountColor(TColor color, TRect within = {}) {
    if (within.IsEmpty()) within = Rect(0, 0, bmp.Width(), bmp.Height());
    int n = 0;
    for (int y = within.Top; y < within.Bottom; ++y)
      for (int x = within.Left; x < within.Right; ++x) n += At(x, y) == color;
    return n;
  }

  void TearDown() override {
    if (!HasFailure() || bmp.Empty()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    bmp.SaveToPngFile(std::string(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." + info->name() + ".png");
  }

  TBitmap bmp;
};

namespace pixel_test {
inline std::string Str(const TRect& r) {
  return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom) + ")";
}
}  // namespace pixel_test
