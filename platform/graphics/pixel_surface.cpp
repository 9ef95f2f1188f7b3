// The pixel surface behind bitmaps and windows.
#include "platform/graphics/pixel_surface.h"

#include <algorithm>
#include <cstring>

#include "platform/core/exceptions.h"

void CheckBitmapSize(int width, int height) {
  if (width < 0 || height < 0) throw EInvalidGraphicOperation("Invalid bitmap size");
  if (width > kMaxBitmapDimension || height > kMaxBitmapDimension ||
      int64_t{width} * height > kMaxBitmapPixels)
    throw EOutOfResources("Out of system resources");
}

TPixelSurface::TPixelSurface(int width, int height, uint32_t fill) {
  CheckBitmapSize(width, height);
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * height, fill);
}

uint32_t* TPixelSurface::Bits() {
  if (packedActive_) TakeInScanLines();
  return pixels_.data();
}

void TPixelSurface::Resize(int width, int height, uint32_t fill) {
  CheckBitmapSize(width, height);
  if (width == width_ && height == height_) return;
  Bits();
  Painter.reset();
  std::vector<uint32_t> next(static_cast<size_t>(width) * height, fill);
  int w = std::min(width, width_);
  for (int y = 0; w > 0 && y < std::min(height, height_); ++y)
    std::memcpy(next.data() + static_cast<size_t>(y) * width, pixels_.data() + static_cast<size_t>(y) * width_,
                sizeof(uint32_t) * w);
  pixels_.swap(next);
  width_ = width;
  height_ = height;
  packed_.clear();
}

void TPixelSurface::CopyFrom(TPixelSurface& source) {
  if (&source == this) return;
  const uint32_t* bits = source.Bits();
  Painter.reset();
  packed_.clear();
  packedActive_ = false;
  width_ = source.width_;
  height_ = source.height_;
  pixels_.assign(bits, bits + static_cast<size_t>(width_) * height_);
  format_ = source.format_;
}

void TPixelSurface::SetFormat(TPixelFormat format) {
  uint32_t* bits = Bits();
  format_ = format;
  packed_.clear();
  if (FormatPalette(format).empty() && format != pf15bit && format != pf16bit) return;
  // A round trip through the format's layout maps each pixel to the nearest colour it holds.
  std::vector<uint8_t> row(static_cast<size_t>(BytesPerScanLine(format, width_)));
  for (int y = 0; y < height_; ++y) {
    uint32_t* line = bits + static_cast<size_t>(y) * width_;
    PackRow(format, line, width_, row.data());
    UnpackRow(format, row.data(), width_, line);
  }
}

void TPixelSurface::SetFormatKeepingPixels(TPixelFormat format) {
  Bits();
  format_ = format;
  packed_.clear();
}

void* TPixelSurface::ScanLine(int row) {
  if (row < 0 || row >= height_) throw EInvalidGraphicOperation("Scan line index out of range");
  if (format_ == pf32bit || format_ == pfDevice || format_ == pfCustom)
    return Bits() + static_cast<size_t>(row) * width_;
  int stride = BytesPerScanLine(format_, width_);
  if (!packedActive_) {
    packed_.assign(static_cast<size_t>(stride) * height_, 0);
    for (int y = 0; y < height_; ++y)
      PackRow(format_, pixels_.data() + static_cast<size_t>(y) * width_, width_, packed_.data() + static_cast<size_t>(y) * stride);
    packedActive_ = true;
  }
  return packed_.data() + static_cast<size_t>(row) * stride;
}

void TPixelSurface::TakeInScanLines() {
  packedActive_ = false;
  int stride = BytesPerScanLine(format_, width_);
  for (int y = 0; y < height_; ++y)
    UnpackRow(format_, packed_.data() + static_cast<size_t>(y) * stride, width_, pixels_.data() + static_cast<size_t>(y) * width_);
}
