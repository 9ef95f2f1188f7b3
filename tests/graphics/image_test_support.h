#pragma once

// Helpers for tests of image lists, pictures, icons and built-in artwork: filling bitmaps,
// reading pixels as 0xRRGGBB, and keeping a PNG of a bitmap whose pixels were wrong.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/graphics/argb_colors.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace image_test {

inline void Fill(TBitmap& bitmap, TColor color, TRect rect) {
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(rect);
}

inline void Fill(TBitmap& bitmap, TColor color) {
  Fill(bitmap, color, Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// The pixel's colour as 0xRRGGBB.
inline uint32_t Rgb(TBitmap& bitmap, int x, int y) { return bitmap.Pixel32(x, y) & 0xFFFFFFu; }

inline uint32_t Rgb(TColor color) { return ColorToArgb(color) & 0xFFFFFFu; }

// Saves the bitmap as a PNG next to the test log when the current test has failed.
inline void KeepIfFailed(TBitmap& bitmap, const std::string& name) {
  if (!::testing::Test::HasFailure()) return;
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  bitmap.SaveToPngFile(std::string(TEST_OUTPUT_DIR) + "/" + name + ".png");
}

}  // namespace image_test
