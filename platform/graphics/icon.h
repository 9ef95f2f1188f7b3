#pragma once

#include "platform/graphics/bitmap.h"
#include "platform/graphics/bmp_codec.h"

// A small picture with see-through pixels: an icon, or a cursor (an icon with a hot spot).
// Streams hold it as an icon or cursor file (.ico, .cur).
class TIcon : public TGraphic {
  DECLARE_CLASS(TIcon, TGraphic)
 public:
  TIcon() = default;

  // From another icon, or from a bitmap (its transparent colour see-through when it is
  // Transparent). Other sources raise the "Cannot assign" error.
  void Assign(TPersistent* source) override;

  bool Empty() const override { return image_.Pixels.empty(); }
  int Width() const override { return image_.Width; }
  int Height() const override { return image_.Height; }
  // An icon's size comes from its picture: raises EInvalidGraphicOperation.
  void SetWidth(int width) override;
  void SetHeight(int height) override;

  // Takes the picture's colours, with the mask's non-black pixels see-through (nullptr: as
  // Assign from a bitmap).
  void SetImage(TBitmap* picture, TBitmap* mask);
  // The colours as 0xAARRGGBB, alpha 0 where see-through.
  const TBmpImage& Image() const { return image_; }

  // Cursors: the pixel that points. Icons have none.
  bool Cursor() const { return cursor_; }
  void SetCursor(bool cursor);
  TPoint HotSpot() const { return hotSpot_; }
  void SetHotSpot(TPoint hotSpot);

  // Reads the largest image of an icon or cursor file; raises EInvalidGraphic when malformed.
  void LoadFromStream(TStream& stream) override;
  // Writes one 32-bit image; raises EInvalidGraphic for an empty icon.
  void SaveToStream(TStream& stream) override;

 protected:
  void AssignTo(TPersistent* dest) override;
  // Scales the picture into rect; see-through pixels leave the canvas as it was.
  void Draw(TCanvas* canvas, const TRect& rect) override;

 private:
  void SetFromImage(TBmpImage image);

  TBmpImage image_;
  bool cursor_ = false;
  TPoint hotSpot_;
};
