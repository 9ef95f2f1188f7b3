#pragma once

#include <memory>

#include "platform/core/types.h"
#include "platform/graphics/gdi_handles.h"

class TBitmap;
struct TBmpImage;

// Paints `picture` through `mask` into `dest` (scaled when the sizes differ): where the mask
// is white the destination stays, where it is black the picture shows. The picture must be
// black wherever the mask is white (the window system's AND-then-OR masking).
void DrawThroughMask(HDC dc, const TRect& dest, TBitmap& picture, TBitmap& mask);

// A picture with alpha as the two bitmaps of masked drawing: the colours (black where
// see-through) and the mask (white where see-through). Alpha below 128 is see-through.
struct TMaskedBitmaps {
  std::unique_ptr<TBitmap> Picture;
  std::unique_ptr<TBitmap> Mask;
};
TMaskedBitmaps SplitByAlpha(const TBmpImage& image);
