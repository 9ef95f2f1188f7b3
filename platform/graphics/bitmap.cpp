// Bitmaps: pixels, size, format, transparency, files and streams.
#include "platform/graphics/bitmap.h"

#include <QImage>

#include <cstring>
#include <string>
#include <vector>

#include "platform/classes/filer.h"
#include "platform/core/exceptions.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/bmp_codec.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/gdi_object_types.h"

// ---- TGraphic --------------------------------------------------------------------------------

void TGraphic::SetTransparent(bool value) {
  if (value == transparent_) return;
  transparent_ = value;
  Changed();
}

void TGraphic::SetModified(bool value) {
  if (value) Changed();
  else modified_ = false;
}

void TGraphic::Changed() {
  modified_ = true;
  OnChange.Call(this);
}

void TGraphic::LoadFromFile(const String& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TGraphic::SaveToFile(const String& fileName) {
  TFileStream stream(fileName, fmCreate);
  SaveToStream(stream);
  stream.Flush();  // a refused write raises here instead of vanishing when the file closes
}

void TGraphic::DefineProperties(TFiler& filer) {
  filer.DefineBinaryProperty(
      "Data", [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); }, !Empty());
}

// ---- TBitmap ---------------------------------------------------------------------------------

namespace {

TPixelSurface& SurfaceOfHandle(HBITMAP bitmap) { return ObjectAs<BitmapObject>(bitmap, OBJ_BITMAP)->Surface; }

TColor ColorOfPixel32(uint32_t p) { return static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16); }

TPixelFormat FormatOfDepth(int bits) {
  switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfDevice;
  }
}

int DepthOfFormat(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit: return 15;
    case pf16bit: return 16;
    case pf32bit: return 32;
    default: return 24;
  }
}

}  // namespace

// The bitmap's own canvas: a memory device context with the bitmap selected, made on first use.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap* owner) : owner_(owner) {}
  ~BitmapCanvas() override {
    HDC dc = CurrentHandle();
    SetHandle(nullptr);
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, owner_->handle_);
    SetHandle(dc);
  }

 private:
  TBitmap* owner_;
};

TBitmap::TBitmap() : handle_(CreateBitmap32(0, 0)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() {
  canvas_.reset();
  DeleteObject(handle_);
}

TCanvas* TBitmap::Canvas() {
  if (!canvas_) canvas_ = std::make_unique<BitmapCanvas>(this);
  return canvas_.get();
}

int TBitmap::Width() const { return SurfaceOfHandle(handle_).Width(); }
int TBitmap::Height() const { return SurfaceOfHandle(handle_).Height(); }

void TBitmap::SetSize(int width, int height) {
  CheckBitmapSize(width, height);
  if (width == Width() && height == Height()) return;
  SurfaceOfHandle(handle_).Resize(width, height, 0xFFFFFFFF);
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == pixelFormat_) return;
  SurfaceOfHandle(handle_).SetFormat(format);
  pixelFormat_ = format;
  Changed();
}

void TBitmap::SetMonochrome(bool value) {
  if (value != Monochrome()) SetPixelFormat(value ? pf1bit : pfDevice);
}

void* TBitmap::ScanLine(int row) { return SurfaceOfHandle(handle_).ScanLine(row); }

TColor TBitmap::TransparentColor() {
  if (transparentMode_ == tmFixed && transparentColor_ != clDefault) return transparentColor_;
  if (Empty()) return clDefault;
  return static_cast<TColor>(ColorOfPixel32(Pixel32(0, Height() - 1)));
}

void TBitmap::SetTransparentColor(TColor color) {
  transparentColor_ = color;
  transparentMode_ = color == clDefault ? tmAuto : tmFixed;
  Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == transparentMode_) return;
  if (mode == tmAuto) SetTransparentColor(clDefault);
  else SetTransparentColor(TransparentColor());
}

void TBitmap::Assign(TPersistent* source) {
  if (source == nullptr) {
    SetSize(0, 0);
    return;
  }
  auto* other = dynamic_cast<TBitmap*>(source);
  if (other == nullptr) {
    TGraphic::Assign(source);
    return;
  }
  if (other == this) return;
  SurfaceOfHandle(handle_).CopyFrom(SurfaceOfHandle(other->handle_));
  pixelFormat_ = other->pixelFormat_;
  transparentMode_ = other->transparentMode_;
  transparentColor_ = other->transparentColor_;
  if (Transparent() != other->Transparent()) TGraphic::SetTransparent(other->Transparent());
  Changed();
}

HBITMAP TBitmap::Handle() { return handle_; }

void TBitmap::SetHandle(HBITMAP bitmap) {
  if (bitmap == handle_) return;
  auto* source = ObjectAs<BitmapObject>(bitmap, OBJ_BITMAP);
  if (source == nullptr) {
    SurfaceOfHandle(handle_).Resize(0, 0);
  } else {
    SurfaceOfHandle(handle_).CopyFrom(source->Surface);
    DeleteObject(bitmap);
  }
  pixelFormat_ = SurfaceOfHandle(handle_).Format();
  Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
  HBITMAP copy = CreateBitmap32(0, 0);
  SurfaceOfHandle(copy).CopyFrom(SurfaceOfHandle(handle_));
  return copy;
}

void TBitmap::LoadFromStream(TStream& stream) { LoadFromImage(ReadBmp(stream)); }

void TBitmap::SaveToStream(TStream& stream) {
  TBmpImage image;
  SaveToImage(image);
  WriteBmp(stream, image, DepthOfFormat(pixelFormat_));
}

void TBitmap::ReadData(TStream& stream) {
  uint8_t prefix[4];
  if (stream.Read(prefix, 4) != 4) throw EReadError("Bitmap data lacks its length");
  const uint32_t length = uint32_t{prefix[0]} | uint32_t{prefix[1]} << 8 | uint32_t{prefix[2]} << 16 |
                          uint32_t{prefix[3]} << 24;
  const int64_t available = stream.Size() - stream.Position();
  if (length > available)
    throw EReadError("Bitmap data holds " + std::to_string(available) + " bytes of its stated " +
                     std::to_string(length));
  std::vector<uint8_t> file(length);
  stream.ReadBuffer(file.data(), length);
  TBytesStream picture(file.data(), length);
  LoadFromStream(picture);
}

void TBitmap::WriteData(TStream& stream) {
  TMemoryStream file;
  SaveToStream(file);
  const auto length = static_cast<uint32_t>(file.Size());
  const uint8_t prefix[4] = {static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                             static_cast<uint8_t>(length >> 16), static_cast<uint8_t>(length >> 24)};
  stream.WriteBuffer(prefix, 4);
  stream.WriteBuffer(file.Memory(), file.Size());
}

void TBitmap::LoadFromImage(const TBmpImage& image) {
  CheckBitmapSize(image.Width, image.Height);
  if (image.Pixels.size() != static_cast<size_t>(image.Width) * image.Height)
    throw EInvalidGraphic("Bitmap image is not valid");
  TPixelSurface& surface = SurfaceOfHandle(handle_);
  surface.Resize(0, 0);
  surface.Resize(image.Width, image.Height);
  if (!image.Pixels.empty()) std::memcpy(surface.Bits(), image.Pixels.data(), image.Pixels.size() * sizeof(uint32_t));
  pixelFormat_ = FormatOfDepth(image.SourceBitsPerPixel);
  surface.SetFormatKeepingPixels(pixelFormat_);
  Changed();
}

void TBitmap::SaveToImage(TBmpImage& image) {
  image.Width = Width();
  image.Height = Height();
  image.SourceBitsPerPixel = DepthOfFormat(pixelFormat_);
  const uint32_t* bits = Pixels32();
  image.Pixels.assign(bits, bits + static_cast<size_t>(image.Width) * image.Height);
  image.HasAlpha = pixelFormat_ == pf32bit;
  image.Palette.clear();
}

uint32_t* TBitmap::Pixels32() { return SurfaceOfHandle(handle_).Bits(); }

uint32_t TBitmap::Pixel32(int x, int y) {
  TPixelSurface& s = SurfaceOfHandle(handle_);
  if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return 0;
  return s.Row(y)[x];
}

void TBitmap::SaveToPngFile(const String& fileName) {
  TPixelSurface& s = SurfaceOfHandle(handle_);
  QImage view(reinterpret_cast<const uchar*>(s.Bits()), s.Width(), s.Height(),
              static_cast<qsizetype>(s.Width()) * 4, pixelFormat_ == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  if (s.Width() == 0 || s.Height() == 0 || !view.save(QString::fromStdString(fileName), "PNG"))
    throw EWriteError("Cannot write file \"" + fileName + "\"");
}

void TBitmap::Draw(TCanvas* canvas, const TRect& rect) {
  HDC dst = canvas->Handle();
  HDC src = Canvas()->Handle();
  if (Transparent()) {
    TransparentBlt(dst, rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, Width(), Height(),
                   GetNearestColor(dst, static_cast<COLORREF>(TransparentColor())));
    return;
  }
  StretchBlt(dst, rect.Left, rect.Top, rect.Width(), rect.Height(), src, 0, 0, Width(), Height(), canvas->CopyMode());
}

void TBitmap::Changed() { TGraphic::Changed(); }
