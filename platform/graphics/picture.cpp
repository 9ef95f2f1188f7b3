// Pictures: a bitmap or an icon, loaded and saved by file type.
#include "platform/graphics/picture.h"

#include <filesystem>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/icon.h"

namespace {

// A new graphic of the same class as `graphic`, holding a copy of it.
std::unique_ptr<TGraphic> CopyOf(TGraphic* graphic) {
  std::unique_ptr<TObject> made(graphic->ClassType()->Create(nullptr));
  auto* copy = dynamic_cast<TGraphic*>(made.get());
  if (copy == nullptr) throw EInvalidGraphic("Cannot copy a " + graphic->ClassName());
  made.release();
  std::unique_ptr<TGraphic> result(copy);
  result->Assign(graphic);
  return result;
}

std::unique_ptr<TGraphic> GraphicForFile(const String& fileName) {
  String ext = LowerCase(std::filesystem::path(fileName).extension().string());
  if (ext == ".bmp") return std::make_unique<TBitmap>();
  if (ext == ".ico" || ext == ".cur") return std::make_unique<TIcon>();
  throw EInvalidGraphic("Unknown picture file extension (" + ext + ")");
}

}  // namespace

TPicture::TPicture() = default;

TPicture::~TPicture() = default;

void TPicture::Hold(std::unique_ptr<TGraphic> graphic) {
  graphic_ = std::move(graphic);
  if (graphic_) graphic_->OnChange.Bind(this, "", [this](TObject*) { Changed(); });
  Changed();
}

void TPicture::SetGraphic(TGraphic* graphic) {
  Hold(graphic == nullptr ? nullptr : CopyOf(graphic));
}

template <typename Kind>
Kind* TPicture::As() {
  if (dynamic_cast<Kind*>(graphic_.get()) == nullptr) Hold(std::make_unique<Kind>());
  return static_cast<Kind*>(graphic_.get());
}

TBitmap* TPicture::Bitmap() { return As<TBitmap>(); }

void TPicture::SetBitmap(TBitmap* bitmap) { SetGraphic(bitmap); }

TIcon* TPicture::Icon() { return As<TIcon>(); }

void TPicture::SetIcon(TIcon* icon) { SetGraphic(icon); }

int TPicture::Width() const { return graphic_ ? graphic_->Width() : 0; }

int TPicture::Height() const { return graphic_ ? graphic_->Height() : 0; }

void TPicture::Assign(TPersistent* source) {
  if (source == nullptr) {
    Hold(nullptr);
  } else if (auto* picture = dynamic_cast<TPicture*>(source)) {
    SetGraphic(picture->Graphic());
  } else if (auto* graphic = dynamic_cast<TGraphic*>(source)) {
    SetGraphic(graphic);
  } else {
    TPersistent::Assign(source);
  }
}

void TPicture::AssignTo(TPersistent* dest) {
  if (auto* graphic = dynamic_cast<TGraphic*>(dest)) {
    graphic->Assign(graphic_.get());
  } else {
    TPersistent::AssignTo(dest);
  }
}

void TPicture::LoadFromFile(const String& fileName) {
  std::unique_ptr<TGraphic> graphic = GraphicForFile(fileName);
  graphic->LoadFromFile(fileName);
  Hold(std::move(graphic));
}

void TPicture::SaveToFile(const String& fileName) {
  if (graphic_) graphic_->SaveToFile(fileName);
}

void TPicture::Changed() { OnChange.Call(this); }
