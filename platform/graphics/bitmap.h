#pragma once

#include <cstdint>
#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/streams.h"
#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

class TCanvas;
struct TBmpImage;

// A picture that can draw itself on a canvas and live in a stream.
class TGraphic : public TPersistent {
  DECLARE_CLASS(TGraphic, TPersistent)
 public:
  virtual bool Empty() const = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void SetWidth(int width) = 0;
  virtual void SetHeight(int height) = 0;
  virtual bool Transparent() const { return transparent_; }
  virtual void SetTransparent(bool value);
  bool Modified() const { return modified_; }
  void SetModified(bool value);
  virtual void LoadFromStream(TStream& stream) = 0;
  virtual void SaveToStream(TStream& stream) = 0;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName);
  // A stored layout keeps the picture as the binary property "Data"; an empty picture stores
  // nothing.
  void DefineProperties(TFiler& filer) override;

  TNotifyEvent OnChange;

 protected:
  TGraphic() = default;
  // The picture as the "Data" property holds it; by default its file image.
  virtual void ReadData(TStream& stream) { LoadFromStream(stream); }
  virtual void WriteData(TStream& stream) { SaveToStream(stream); }
  friend class TCanvas;
  // Draws the picture scaled into rect (negative extents mirror).
  virtual void Draw(TCanvas* canvas, const TRect& rect) = 0;
  // Marks the picture modified and tells OnChange.
  virtual void Changed();

 private:
  bool transparent_ = false;
  bool modified_ = false;
};

enum TPixelFormat : uint8_t { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode : uint8_t { tmAuto, tmFixed };

// Largest bitmap accepted; larger sizes raise EOutOfResources "Out of system resources".
constexpr int kMaxBitmapDimension = 32768;
constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;

// A bitmap image. Pixels are kept as 32-bit 0xAARRGGBB (blue first in memory, as a 32-bit
// device-independent bitmap), whatever the pixel format; the format decides what ScanLine
// returns and how the picture is saved. ScanLine(row) gives the row in the pixel format
// (pf24bit: B,G,R triples; pf32bit: B,G,R,A; pf15bit/pf16bit: 5-5-5/5-6-5 words; pf8bit,
// pf4bit, pf1bit: indexes into the fixed palette of that depth). Rows got from ScanLine may
// be written until the next drawing call, which takes their contents in.
class TBitmap : public TGraphic {
  DECLARE_CLASS(TBitmap, TGraphic)
 public:
  TBitmap();
  TBitmap(int width, int height);
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  void Assign(TPersistent* source) override;

  // The canvas over the bitmap (always the same object for one bitmap).
  TCanvas* Canvas();

  bool Empty() const override { return Width() == 0 || Height() == 0; }
  int Width() const override;
  int Height() const override;
  void SetWidth(int width) override { SetSize(width, Height()); }
  void SetHeight(int height) override { SetSize(Width(), height); }
  // Keeps the overlapping pixels; new pixels are white. Raises EOutOfResources when too large,
  // EInvalidGraphicOperation for negative sizes.
  void SetSize(int width, int height);

  TPixelFormat PixelFormat() const { return pixelFormat_; }
  // Converting to a lower depth maps every pixel to the nearest colour of that depth.
  void SetPixelFormat(TPixelFormat format);
  bool Monochrome() const { return pixelFormat_ == pf1bit; }
  void SetMonochrome(bool value);
  // Row `row` (0 = top) in the pixel format; raises EInvalidGraphicOperation ("Scan line
  // index out of range") for rows outside the bitmap.
  void* ScanLine(int row);

  // tmAuto: the bottom-left pixel's colour; tmFixed: the colour set. clDefault when empty.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);
  TTransparentMode TransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode mode);

  // The bitmap object (stays owned by the TBitmap).
  HBITMAP Handle();
  // Takes ownership of `bitmap` (nullptr: an empty bitmap); the old image is freed.
  void SetHandle(HBITMAP bitmap);
  // A bitmap object with a copy of the image, owned by the caller (DeleteObject).
  HBITMAP ReleaseHandle();
  bool HandleAllocated() const { return true; }

  // BMP file images through the BMP codec (bmp_codec.h). Loading sets the pixel format from
  // the file's depth; saving writes the depth of the pixel format (pfDevice: 24 bits; pf32bit
  // keeps alpha).
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) override;
  // The named built-in picture (resources.h); `instance` is accepted and ignored. Defined
  // with the resource lookup.
  void LoadFromResourceName(uintptr_t instance, const String& name);
  // For tests and debugging: writes a PNG file; raises EWriteError when it cannot.
  void SaveToPngFile(const String& fileName);

  // The image as the codec's neutral form, and back (the pixel format follows the image's
  // source depth).
  void SaveToImage(TBmpImage& image);
  void LoadFromImage(const TBmpImage& image);
  // Direct 32-bit access (0xAARRGGBB, rows top-down, Width() pixels per row).
  uint32_t* Pixels32();
  uint32_t Pixel32(int x, int y);

 protected:
  void Draw(TCanvas* canvas, const TRect& rect) override;
  void Changed() override;
  // The BMP file, preceded by its length as a 32-bit little-endian number. Reading raises
  // EReadError when the data is shorter than that length.
  void ReadData(TStream& stream) override;
  void WriteData(TStream& stream) override;

 private:
  class BitmapCanvas;
  void TakeHandle(HBITMAP bitmap);
  void PrepareScanLines();

  HBITMAP handle_ = nullptr;
  std::unique_ptr<TCanvas> canvas_;
  TPixelFormat pixelFormat_ = pfDevice;
  TTransparentMode transparentMode_ = tmAuto;
  TColor transparentColor_ = clDefault;
};
