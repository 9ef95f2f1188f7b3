#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

// Reading and writing BMP file images (file header + info header + palette + pixels).
//
// Entry points for TBitmap:
//   LoadFromStream -> ReadBmp(stream)          (or DecodeBmp(bytes, size) over a buffer)
//   SaveToStream   -> WriteBmp(stream, image, bitsPerPixel)   (or EncodeBmp(image, bits))
//
// Any malformed file raises EInvalidGraphic whose message starts with
// "Bitmap image is not valid" and names what is wrong; nothing is read outside the given bytes.

// A decoded image in a neutral form, independent of any canvas.
struct TBmpImage {
  int Width = 0;
  int Height = 0;
  // Bits per pixel of the file the image came from (1, 4, 8, 16, 24, 32); for an image built
  // in memory, the depth the caller would like it saved in (0: no preference).
  int SourceBitsPerPixel = 0;
  // The file's colour table as 0xFFRRGGBB, for 1, 4 and 8 bits per pixel (empty otherwise).
  std::vector<uint32_t> Palette;
  // Width * Height pixels as 0xAARRGGBB, first row at the top.
  std::vector<uint32_t> Pixels;
  // True when the alpha bytes carry meaning; otherwise every pixel's alpha is 0xFF.
  bool HasAlpha = false;

  uint32_t Pixel(int x, int y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
};

// Largest image the decoder accepts, to refuse hostile sizes before allocating.
constexpr int kMaxBmpDimension = 32768;
constexpr int64_t kMaxBmpPixels = int64_t{1} << 26;

// The size a BMP file image declares, read from its headers alone (nothing is decoded);
// raises EInvalidGraphic as DecodeBmp does for headers that cannot be read.
struct TBmpSize {
  int Width = 0;
  int Height = 0;
};
TBmpSize ReadBmpSize(const uint8_t* data, size_t size);

// Decodes a whole BMP file image held in memory.
TBmpImage DecodeBmp(const uint8_t* data, size_t size);
inline TBmpImage DecodeBmp(const std::vector<uint8_t>& bytes) {
  return DecodeBmp(bytes.data(), bytes.size());
}

// Reads one BMP file image from the stream's position. The file header's size field decides
// how many bytes belong to the image when it is plausible; otherwise the rest of the stream.
TBmpImage ReadBmp(TStream& stream);

// Encodes an image as a BMP file in 1, 4, 8, 15 (5-5-5), 16 (5-6-5 bit fields), 24 or 32 bits
// per pixel, bottom-up, rows padded to 4 bytes. For 1, 4 and 8 bits the image's palette is
// used when it has one; otherwise one is built from the pixels when they fit, and a fixed
// palette (black/white, the 16 standard colours, a colour cube) with nearest colours when they
// do not. 32 bits keep alpha (in a header with an alpha mask) when the image has it.
// Raises EInvalidGraphic for other depths or an image whose pixel count disagrees with its size.
std::vector<uint8_t> EncodeBmp(const TBmpImage& image, int bitsPerPixel);
void WriteBmp(TStream& stream, const TBmpImage& image, int bitsPerPixel);
