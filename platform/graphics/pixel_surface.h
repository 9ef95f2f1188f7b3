#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/graphics/bitmap.h"

// The pixels behind a bitmap object: 32-bit 0xAARRGGBB, rows top-down, plus the rows in the
// bitmap's pixel format while a caller works on them through ScanLine, and the toolkit's
// painter used for text (kept while the pixels stay where they are).
struct TextPainter;
struct TextPainterDeleter {
  void operator()(TextPainter* painter) const;
};

class TPixelSurface {
 public:
  TPixelSurface() = default;
  // Raises EOutOfResources when the size is too large, EInvalidGraphicOperation when negative.
  TPixelSurface(int width, int height, uint32_t fill = 0xFFFFFFFF);
  TPixelSurface(const TPixelSurface&) = delete;
  TPixelSurface& operator=(const TPixelSurface&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TRect Bounds() const { return {0, 0, width_, height_}; }
  // The 32-bit pixels, with any rows a caller changed through ScanLine taken in first.
  uint32_t* Bits();
  uint32_t* Row(int y) { return Bits() + static_cast<size_t>(y) * width_; }
  // Keeps the overlapping pixels; new pixels get `fill`.
  void Resize(int width, int height, uint32_t fill = 0xFFFFFFFF);
  void CopyFrom(TPixelSurface& source);

  TPixelFormat Format() const { return format_; }
  // Maps the pixels to the nearest colours of the new depth.
  void SetFormat(TPixelFormat format);
  // Takes the depth for pixels that already are what they should be (a decoded file).
  void SetFormatKeepingPixels(TPixelFormat format);
  void* ScanLine(int row);

 private:
  void TakeInScanLines();
  int width_ = 0;
  int height_ = 0;
  std::vector<uint32_t> pixels_;
  TPixelFormat format_ = pfDevice;
  std::vector<uint8_t> packed_;
  bool packedActive_ = false;

 public:
  // The toolkit painter over these pixels (created by the text code); dropped whenever the
  // pixels move. Declared last so that it goes before the pixels it paints on.
  std::unique_ptr<TextPainter, TextPainterDeleter> Painter;
};

// Raises EOutOfResources "Out of system resources" for sizes past the cap, and
// EInvalidGraphicOperation for negative sizes.
void CheckBitmapSize(int width, int height);

// Packing 32-bit pixels into the row layout of a pixel format and back.
int BytesPerScanLine(TPixelFormat format, int width);
void PackRow(TPixelFormat format, const uint32_t* pixels, int width, uint8_t* row);
void UnpackRow(TPixelFormat format, const uint8_t* row, int width, uint32_t* pixels);
// The fixed palette of 1, 4 and 8 bit formats (0xFFRRGGBB), empty for others.
const std::vector<uint32_t>& FormatPalette(TPixelFormat format);
