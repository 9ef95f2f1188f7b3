#pragma once

// Icon and cursor files (.ico, .cur): a directory of images, each a BMP without its file
// header, twice as high as the picture (the colours, then a 1-bit mask of see-through pixels).

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/core/types.h"
#include "platform/graphics/bmp_codec.h"

// One picture of an icon or cursor file. Pixels carry alpha: 0 where see-through.
struct TIconFileImage {
  TBmpImage Image;
  bool Cursor = false;
  TPoint HotSpot;
};

// Decodes the largest (then deepest) image of the file. Raises EInvalidGraphic ("Icon image
// is not valid: ...") for a malformed file or an image kind not read here (PNG-compressed).
TIconFileImage DecodeIconFile(const uint8_t* data, size_t size);
// Encodes one 32-bit image with its mask (pixels with alpha below 128 are see-through).
// Raises EInvalidGraphic for pictures larger than 256 x 256 or empty ones.
std::vector<uint8_t> EncodeIconFile(const TIconFileImage& icon);
