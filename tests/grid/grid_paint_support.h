#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"

namespace grid_test {

// Looking at a picture: colours of pixels and where ink lies. A failed test leaves the picture
// as TEST_OUTPUT_DIR/<suite>.<test>.png for a person to see.
class PixelReader {
 public:
  TBitmap bmp;

  void Make(int width, int height) {
    bmp.SetSize(width, height);
    Fill(clWhite);
  }
  TCanvas* canvas() { return bmp.Canvas(); }
  void Fill(TColor color) {
    canvas()->Brush()->SetStyle(bsSolid);
    canvas()->Brush()->SetColor(color);
    canvas()->FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
  }
  TColor At(int x, int y) {
    const uint32_t p = bmp.Pixel32(x, y);
    return static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16);
  }
  // The bounds of every pixel inside `within` (everything when empty) that differs from
  // `background`; empty when there is none.
  TRect InkBounds(TColor background, TRect within = {}) {
    if (within.IsEmpty()) within = Rect(0, 0, bmp.Width(), bmp.Height());
    const TColor paper = ColorToRGB(background);
    TRect ink{};
    bool any = false;
    for (int y = std::max(0, within.Top); y < std::min(bmp.Height(), within.Bottom); ++y) {
      for (int x = std::max(0, within.Left); x < std::min(bmp.Width(), within.Right); ++x) {
        if (At(x, y) == paper) continue;
        ink = any ? Rect(std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
                         std::max(ink.Bottom, y + 1))
                  : Rect(x, y, x + 1, y + 1);
        any = true;
      }
    }
    return ink;
  }
  int Count(TColor color, const TRect& within) {
    const TColor wanted = ColorToRGB(color);
    int n = 0;
    for (int y = within.Top; y < within.Bottom; ++y) {
      for (int x = within.Left; x < within.Right; ++x) n += At(x, y) == wanted ? 1 : 0;
    }
    return n;
  }
  static std::string Describe(const TRect& r) {
    return "(" + std::to_string(r.Left) + "," + std::to_string(r.Top) + ")-(" + std::to_string(r.Right) + "," +
           std::to_string(r.Bottom) + ")";
  }
  void SaveOnFailure() {
    if (!::testing::Test::HasFailure() || bmp.Empty()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_');
    bmp.SaveToPngFile(std::string(TEST_OUTPUT_DIR) + "/" + name + ".png");
  }
};

class BitmapPixelTest : public ::testing::Test, public PixelReader {
 protected:
  void TearDown() override { SaveOnFailure(); }
};

}  // namespace grid_test
