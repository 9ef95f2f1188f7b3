// Fonts, pens and brushes as objects, with the handles of their recent looks kept.
#include "platform/graphics/graphics_objects.h"

#include <algorithm>
#include <utility>

#include "platform/classes/properties.h"
#include "platform/core/format.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/device_context.h"

namespace {

COLORREF ColorRef(TColor color) { return GetNearestColor(nullptr, static_cast<COLORREF>(color)); }

template <typename T, typename V>
void Update(TGraphicsObject* owner, T& field, V value, void (*changed)(TGraphicsObject*)) {
  if (field == value) return;
  field = value;
  changed(owner);
}

}  // namespace

const TIdentMap* ColorIdents() {
  static const TIdentMap idents{
      [](std::string_view ident, int64_t& value) {
        int32_t c = 0;
        if (!IdentToColor(ident, c)) return false;
        value = c;
        return true;
      },
      [](int64_t value, String& ident) { return ColorToIdent(static_cast<int32_t>(value), ident); }};
  return &idents;
}

int PenModeToROP2(TPenMode mode) {
  static constexpr int kRop2[] = {R2_BLACK,       R2_WHITE,      R2_NOP,        R2_NOT,
                                  R2_COPYPEN,     R2_NOTCOPYPEN, R2_MERGEPENNOT, R2_MASKPENNOT,
                                  R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,   R2_NOTMERGEPEN,
                                  R2_MASKPEN,     R2_NOTMASKPEN, R2_XORPEN,     R2_NOTXORPEN};
  return kRop2[mode & 0xF];
}

// ---- TGraphicsObject -------------------------------------------------------------------------

TGraphicsObject::~TGraphicsObject() {
  DeleteObject(handle_);
  for (TKeptHandle& k : kept_) DeleteObject(k.Handle);
}

void TGraphicsObject::Changed() {
  if (keyed_) KeepHandle();
  else DeleteObject(handle_);
  handle_ = nullptr;
  OnChange.Call(this);
}

HGDIOBJ TGraphicsObject::CachedHandle() {
  if (handle_ != nullptr) return handle_;
  keyed_ = HandleKey(key_);
  handle_ = keyed_ ? KeptHandle() : nullptr;
  if (handle_ == nullptr) handle_ = CreateHandleObject();
  return handle_;
}

// The current handle goes to a free place, or to that of the look kept longest.
void TGraphicsObject::KeepHandle() {
  if (handle_ == nullptr) return;
  auto free = std::find_if(kept_.begin(), kept_.end(), [](const TKeptHandle& k) { return k.Handle == nullptr; });
  TKeptHandle& place = free != kept_.end() ? *free : kept_[nextKept_++ % kKeptHandles];
  DeleteObject(place.Handle);
  place.Key = key_;  // a copy, so the strings keep their storage
  place.Handle = handle_;
}

// A kept handle made from the current key, taken out of the kept ones; nullptr when none.
HGDIOBJ TGraphicsObject::KeptHandle() {
  for (TKeptHandle& k : kept_)
    if (k.Handle != nullptr && k.Key == key_) return std::exchange(k.Handle, nullptr);
  return nullptr;
}

// ---- TFont -----------------------------------------------------------------------------------

TFont::TFont() : name_("MS Sans Serif"), height_(-11), color_(clWindowText), charset_(DEFAULT_CHARSET) {}

void TFont::Publish() {
  TPublisher<TFont> p;
  p.Property("Charset", &TFont::Charset, &TFont::SetCharset);
  p.Property("Color", &TFont::Color, &TFont::SetColor).Idents(ColorIdents());
  p.Property("Height", &TFont::Height, &TFont::SetHeight);
  p.Property("Name", &TFont::Name, &TFont::SetName);
  p.Property("Orientation", &TFont::Orientation, &TFont::SetOrientation).Default(0);
  p.Property("Pitch", &TFont::Pitch, &TFont::SetPitch).Default(fpDefault);
  p.Property("Size", &TFont::Size, &TFont::SetSize).Stored(false);
  p.Property("Style", &TFont::Style, &TFont::SetStyle);
}

void TFont::Assign(TPersistent* source) {
  if (auto* f = dynamic_cast<TFont*>(source)) {
    if (f == this) return;
    name_ = f->name_;
    height_ = f->height_;
    color_ = f->color_;
    style_ = f->style_;
    charset_ = f->charset_;
    pitch_ = f->pitch_;
    orientation_ = f->orientation_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TFont::SetName(const TFontName& name) {
  if (name.empty() || name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, PixelsPerInch()); }
void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch(), 72)); }

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  // The colour is the canvas's text colour, not part of the font object; still a change.
  OnChange.Call(this);
}

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetCharset(TFontCharset charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::SetOrientation(int tenths) {
  if (tenths == orientation_) return;
  orientation_ = tenths;
  Changed();
}

bool TFont::HandleKey(THandleKey& key) const {
  key.A = uint64_t{static_cast<uint32_t>(height_)} << 32 | static_cast<uint32_t>(orientation_);
  key.B = uint64_t{style_.Mask()} << 16 | uint64_t{charset_} << 8 | pitch_;
  key.Name = name_;
  return true;
}

HGDIOBJ TFont::CreateHandleObject() const {
  LOGFONT lf;
  lf.lfHeight = height_;
  lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = style_.Contains(fsItalic);
  lf.lfUnderline = style_.Contains(fsUnderline);
  lf.lfStrikeOut = style_.Contains(fsStrikeOut);
  lf.lfEscapement = lf.lfOrientation = orientation_;
  lf.lfCharSet = charset_;
  lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
  lf.lfFaceName = name_;
  return CreateFontIndirect(lf);
}

// ---- TPen ------------------------------------------------------------------------------------

void TPen::Publish() {
  TPublisher<TPen> p;
  p.Property("Color", &TPen::Color, &TPen::SetColor).Default(clBlack).Idents(ColorIdents());
  p.Property("Mode", &TPen::Mode, &TPen::SetMode).Default(pmCopy);
  p.Property("Style", &TPen::Style, &TPen::SetStyle).Default(psSolid);
  p.Property("Width", &TPen::Width, &TPen::SetWidth).Default(1);
}

void TPen::Assign(TPersistent* source) {
  if (auto* p = dynamic_cast<TPen*>(source)) {
    if (p == this) return;
    color_ = p->color_;
    width_ = p->width_;
    style_ = p->style_;
    mode_ = p->mode_;
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TPen::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TPen::SetWidth(int width) {
  if (width < 0 || width == width_) return;
  width_ = width;
  Changed();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TPen::SetMode(TPenMode mode) {
  if (mode == mode_) return;
  mode_ = mode;
  OnChange.Call(this);
}

bool TPen::HandleKey(THandleKey& key) const {
  key.A = ColorRef(color_);
  key.B = uint64_t{static_cast<uint32_t>(width_)} << 8 | style_;
  return true;
}

HGDIOBJ TPen::CreateHandleObject() const {
  static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
  return CreatePen(kStyles[style_ <= psInsideFrame ? style_ : 0], width_, ColorRef(color_));
}

// ---- TBrush ----------------------------------------------------------------------------------

TBrush::TBrush() = default;
TBrush::~TBrush() = default;

void TBrush::Publish() {
  TPublisher<TBrush> p;
  p.Property("Color", &TBrush::Color, &TBrush::SetColor).Default(clWhite).Idents(ColorIdents());
  p.Property("Style", &TBrush::Style, &TBrush::SetStyle).Default(bsSolid);
}

void TBrush::Assign(TPersistent* source) {
  if (auto* b = dynamic_cast<TBrush*>(source)) {
    if (b == this) return;
    color_ = b->color_;
    style_ = b->style_;
    SetBitmapCopy(b->bitmap_.get());
    Changed();
    return;
  }
  TGraphicsObject::Assign(source);
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != bsClear) return;
  color_ = color;
  if (style_ == bsClear) style_ = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TBrush::SetBitmapCopy(TBitmap* bitmap) {
  if (bitmap == nullptr || bitmap->Empty()) {
    bitmap_.reset();
    return;
  }
  if (!bitmap_) bitmap_ = std::make_unique<TBitmap>();
  bitmap_->Assign(bitmap);
}

void TBrush::SetBitmap(TBitmap* bitmap) {
  if (bitmap == bitmap_.get()) return;
  SetBitmapCopy(bitmap);
  Changed();
}

bool TBrush::HandleKey(THandleKey& key) const {
  if (bitmap_) return false;
  key.A = ColorRef(color_);
  key.B = style_;
  return true;
}

HGDIOBJ TBrush::CreateHandleObject() const {
  if (bitmap_) return CreatePatternBrush(bitmap_->Handle());
  switch (style_) {
    case bsSolid: return CreateSolidBrush(ColorRef(color_));
    case bsClear: return GetStockObject(NULL_BRUSH);
    default: return CreateHatchBrush(static_cast<int>(style_) - bsHorizontal, ColorRef(color_));
  }
}
