#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

inline TColor Rgb(int r, int g, int b) { return static_cast<TColor>(r | g << 8 | b << 16); }

// A colour for every pixel position, so that a test can tell which source pixel landed where.
inline TColor PositionColor(int x, int y) { return Rgb(x, y, 0x80); }

inline void FillWithPositions(TBitmap& bitmap) {
  for (int y = 0; y < bitmap.Height(); ++y) {
    for (int x = 0; x < bitmap.Width(); ++x) bitmap.Canvas()->SetPixels(x, y, PositionColor(x, y));
  }
}

inline void Fill(TBitmap& bitmap, TColor color, TRect r) {
  bitmap.Canvas()->Brush()->SetStyle(bsSolid);
  bitmap.Canvas()->Brush()->SetColor(color);
  bitmap.Canvas()->FillRect(r);
}

inline void Fill(TBitmap& bitmap, TColor color) {
  Fill(bitmap, color, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// Pixel tests derive from this: a failed test leaves its picture as a PNG for a person to see.
class TPixelTest : public ::testing::Test {
 protected:
  void Keep(TBitmap* bitmap) { kept_ = bitmap; }
  void TearDown() override {
    if (kept_ == nullptr || !HasFailure()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    kept_->SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." +
                         info->name() + ".png");
  }

 private:
  TBitmap* kept_ = nullptr;
};

// How far apart two plain colours stand for the eye: the ratio of their relative luminances
// (each plus 0.05), from 1 (alike) to 21 (black on white). Text wants 4.5 or more to be read.
inline double ContrastRatio(TColor a, TColor b) {
  auto luminance = [](TColor c) {
    auto channel = [](int v) {
      const double s = v / 255.0;
      return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const uint32_t rgb = static_cast<uint32_t>(c);
    return 0.2126 * channel(rgb & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) + 0.0722 * channel((rgb >> 16) & 0xFF);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// How many pixels of `r` in `bitmap` are `color`.
inline int CountColour(TBitmap& bitmap, TColor color, TRect r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) n += bitmap.Canvas()->Pixels(x, y) == color;
  return n;
}
