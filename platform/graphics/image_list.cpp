// Image lists: adding, masking and drawing their images.
#include "platform/graphics/image_list.h"

#include <algorithm>

#include "platform/graphics/argb_colors.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/masked_draw.h"

namespace {

constexpr uint32_t kBlackPixel = 0xFF000000u;
constexpr uint32_t kWhitePixel = 0xFFFFFFFFu;

uint32_t Rgb(uint32_t pixel) { return pixel & 0x00FFFFFFu; }

}  // namespace

// One image: its colours (black where see-through) and its mask (white where see-through).
struct TCustomImageList::Image {
  Image(int width, int height)
      : picture(std::make_unique<TBitmap>(width, height)),
        mask(std::make_unique<TBitmap>(width, height)) {}

  bool SeeThrough(int i) { return Rgb(mask->Pixels32()[i]) != 0; }

  // The silhouette of the visible, non-white pixels in one colour: a mask and a picture.
  void Silhouette(TColor color, TBitmap& inkMask, TBitmap& ink) {
    uint32_t fill = ColorToArgb(color);
    const uint32_t* colours = picture->Pixels32();
    uint32_t* maskOut = inkMask.Pixels32();
    uint32_t* inkOut = ink.Pixels32();
    for (int i = 0; i < picture->Width() * picture->Height(); ++i) {
      bool inked = !SeeThrough(i) && Rgb(colours[i]) != Rgb(kWhitePixel);
      maskOut[i] = inked ? kBlackPixel : kWhitePixel;
      inkOut[i] = inked ? fill : kBlackPixel;
    }
  }

  std::unique_ptr<TBitmap> picture;
  std::unique_ptr<TBitmap> mask;
};

TChangeLink::~TChangeLink() {
  if (sender_ != nullptr) sender_->UnRegisterChanges(this);
}

void TChangeLink::Change() {
  if (sender_ != nullptr) OnChange.Call(sender_);
}

TCustomImageList::TCustomImageList(TComponent* owner) : TComponent(owner) {}

TCustomImageList::TCustomImageList(int width, int height, TComponent* owner) : TComponent(owner) {
  SetWidth(width);
  SetHeight(height);
}

TCustomImageList::~TCustomImageList() {
  for (TChangeLink* link : links_) link->SetSender(nullptr);
}

void TCustomImageList::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TCustomImageList*>(source);
  if (other == nullptr) {
    TComponent::Assign(source);
    return;
  }
  if (other == this) return;
  images_.clear();
  width_ = other->width_;
  height_ = other->height_;
  for (const auto& image : other->images_) {
    auto copy = std::make_unique<Image>(width_, height_);
    copy->picture->Assign(image->picture.get());
    copy->mask->Assign(image->mask.get());
    images_.push_back(std::move(copy));
  }
  Change();
}

void TCustomImageList::SetWidth(int width) {
  if (width < 1) throw EInvalidOperation("Invalid image size");
  if (width == width_) return;
  width_ = width;
  Clear();
}

void TCustomImageList::SetHeight(int height) {
  if (height < 1) throw EInvalidOperation("Invalid image size");
  if (height == height_) return;
  height_ = height;
  Clear();
}

void TCustomImageList::AddImage(TBitmap& source, int left, TBitmap* mask, TColor maskColor) {
  auto image = std::make_unique<Image>(width_, height_);
  uint32_t* picture = image->picture->Pixels32();
  uint32_t* seeThrough = image->mask->Pixels32();
  uint32_t key = ColorToArgb(maskColor);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      int sx = left + x;
      bool inside = sx < source.Width() && y < source.Height();
      uint32_t p = inside ? source.Pixel32(sx, y) : kBlackPixel;
      bool clear = !inside;
      if (inside && mask != nullptr) {
        clear = sx < mask->Width() && y < mask->Height() && Rgb(mask->Pixel32(sx, y)) != 0;
      } else if (inside && maskColor != clNone) {
        clear = Rgb(p) == Rgb(key);
      }
      picture[y * width_ + x] = clear ? kBlackPixel : (p | kBlackPixel);
      seeThrough[y * width_ + x] = clear ? kWhitePixel : kBlackPixel;
    }
  }
  images_.push_back(std::move(image));
}

int TCustomImageList::AddStrip(TBitmap& strip, TBitmap* mask, TColor maskColor) {
  int first = Count();
  int count = std::max(1, strip.Width() / width_);
  for (int i = 0; i < count; ++i) AddImage(strip, i * width_, mask, maskColor);
  Change();
  return first;
}

int TCustomImageList::Add(TBitmap* image, TBitmap* mask) {
  if (image == nullptr) throw EInvalidOperation("Invalid image");
  return AddStrip(*image, mask, clNone);
}

int TCustomImageList::AddMasked(TBitmap* image, TColor maskColor) {
  if (image == nullptr) throw EInvalidOperation("Invalid image");
  if (maskColor == clDefault && !image->Empty()) {
    maskColor = ArgbToColor(image->Pixel32(0, image->Height() - 1));
  }
  return AddStrip(*image, nullptr, maskColor);
}

void TCustomImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EInvalidOperation("Invalid ImageList Index");
}

void TCustomImageList::Delete(int index) {
  CheckIndex(index);
  images_.erase(images_.begin() + index);
  Change();
}

void TCustomImageList::Clear() {
  images_.clear();
  Change();
}

void TCustomImageList::Draw(TCanvas* canvas, int x, int y, int index, bool enabled) {
  if (canvas == nullptr || index < 0 || index >= Count()) return;
  Image& image = *images_[index];
  HDC dc = canvas->Handle();
  if (enabled) {
    DrawThroughMask(dc, Bounds(x, y, width_, height_), *image.picture, *image.mask);
    return;
  }
  TBitmap inkMask(width_, height_), ink(width_, height_);
  image.Silhouette(clBtnHighlight, inkMask, ink);
  DrawThroughMask(dc, Bounds(x + 1, y + 1, width_, height_), ink, inkMask);
  image.Silhouette(clBtnShadow, inkMask, ink);
  DrawThroughMask(dc, Bounds(x, y, width_, height_), ink, inkMask);
}

bool TCustomImageList::GetBitmap(int index, TBitmap* image) {
  if (image == nullptr || index < 0 || index >= Count()) return false;
  image->SetSize(width_, height_);
  Draw(image->Canvas(), 0, 0, index);
  return true;
}

void TCustomImageList::RegisterChanges(TChangeLink* link) {
  if (link == nullptr || std::find(links_.begin(), links_.end(), link) != links_.end()) return;
  // A link follows one list: leaving the old one keeps it from pointing at a freed link.
  if (link->Sender() != nullptr) link->Sender()->UnRegisterChanges(link);
  links_.push_back(link);
  link->SetSender(this);
}

void TCustomImageList::UnRegisterChanges(TChangeLink* link) {
  auto found = std::find(links_.begin(), links_.end(), link);
  if (found == links_.end()) return;
  links_.erase(found);
  link->SetSender(nullptr);
}

void TCustomImageList::Change() {
  OnChange.Call(this);
  // A link may unregister while it is told.
  std::vector<TChangeLink*> links = links_;
  for (TChangeLink* link : links) {
    if (std::find(links_.begin(), links_.end(), link) != links_.end()) link->Change();
  }
}
