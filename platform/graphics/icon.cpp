// Icons and cursors as pictures.
#include "platform/graphics/icon.h"

#include <algorithm>

#include "platform/core/streams.h"
#include "platform/graphics/argb_colors.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/icon_file.h"
#include "platform/graphics/masked_draw.h"

void TIcon::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetFromImage(TBmpImage{});
  } else if (auto* icon = dynamic_cast<TIcon*>(source)) {
    image_ = icon->image_;
    cursor_ = icon->cursor_;
    hotSpot_ = icon->hotSpot_;
    Changed();
  } else if (auto* bitmap = dynamic_cast<TBitmap*>(source)) {
    SetImage(bitmap, nullptr);
  } else {
    TGraphic::Assign(source);
  }
}

void TIcon::AssignTo(TPersistent* dest) {
  if (auto* bitmap = dynamic_cast<TBitmap*>(dest)) {
    bitmap->LoadFromImage(image_);
  } else {
    TGraphic::AssignTo(dest);
  }
}

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::SetHeight(int) { throw EInvalidGraphicOperation("Cannot change the size of an icon"); }

void TIcon::SetImage(TBitmap* picture, TBitmap* mask) {
  if (picture == nullptr) throw EInvalidGraphic("Icon image is not valid: no picture");
  TBmpImage image;
  picture->SaveToImage(image);
  bool keyed = mask == nullptr && picture->Transparent() && !picture->Empty();
  uint32_t key = keyed ? ColorToArgb(picture->TransparentColor()) & 0xFFFFFFu : 0;
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      uint32_t& p = image.Pixels[static_cast<size_t>(y) * image.Width + x];
      bool clear = keyed && (p & 0xFFFFFFu) == key;
      if (mask != nullptr && x < mask->Width() && y < mask->Height()) {
        clear = (mask->Pixel32(x, y) & 0xFFFFFFu) != 0;
      }
      p = clear ? (p & 0xFFFFFFu) : (p | 0xFF000000u);
    }
  }
  image.SourceBitsPerPixel = 32;
  SetFromImage(std::move(image));
}

void TIcon::SetFromImage(TBmpImage image) {
  image.HasAlpha = true;
  image.Palette.clear();
  image_ = std::move(image);
  Changed();
}

void TIcon::SetCursor(bool cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Changed();
}

void TIcon::SetHotSpot(TPoint hotSpot) {
  if (hotSpot == hotSpot_) return;
  hotSpot_ = hotSpot;
  Changed();
}

void TIcon::LoadFromStream(TStream& stream) {
  // An icon file has no overall size field: the rest of the stream is the file.
  int64_t rest = std::max<int64_t>(0, stream.Size() - stream.Position());
  std::vector<uint8_t> bytes(static_cast<size_t>(rest));
  stream.ReadBuffer(bytes.data(), rest);
  TIconFileImage file = DecodeIconFile(bytes.data(), bytes.size());
  cursor_ = file.Cursor;
  hotSpot_ = file.HotSpot;
  SetFromImage(std::move(file.Image));
}

void TIcon::SaveToStream(TStream& stream) {
  std::vector<uint8_t> bytes = EncodeIconFile({image_, cursor_, hotSpot_});
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TIcon::Draw(TCanvas* canvas, const TRect& rect) {
  if (canvas == nullptr || Empty()) return;
  TMaskedBitmaps parts = SplitByAlpha(image_);
  DrawThroughMask(canvas->Handle(), rect, *parts.Picture, *parts.Mask);
}
