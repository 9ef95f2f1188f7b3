// Small look objects of the side bar: glyphs, status buttons and header images.
#include "sidebar/look_classes.h"

#include "platform/classes/component.h"
#include "platform/classes/properties.h"
#include "platform/core/scope_guard.h"
#include "platform/graphics/canvas.h"
#include "sidebar/clip_scope.h"

// ---- TnbBorder -------------------------------------------------------------------------------

void TnbBorder::Publish() {
  TPublisher<TnbBorder> p;
  // No stored default: a new border holds 5 everywhere, so a margin of 0 must be written too.
  p.Property("Left", &TnbBorder::Left, &TnbBorder::SetLeft);
  p.Property("Top", &TnbBorder::Top, &TnbBorder::SetTop);
  p.Property("Right", &TnbBorder::Right, &TnbBorder::SetRight);
  p.Property("Bottom", &TnbBorder::Bottom, &TnbBorder::SetBottom);
  p.Property("Separator", &TnbBorder::Separator, &TnbBorder::SetSeparator);
}

void TnbBorder::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbBorder*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  left_ = other->left_;
  top_ = other->top_;
  right_ = other->right_;
  bottom_ = other->bottom_;
  separator_ = other->separator_;
  Change();
}

// ---- image lists ----------------------------------------------------------------------------

namespace {

// The bar that holds image lists hears of their end, wherever they are owned.
void Watch(TCustomImageList* list, TComponent* bar) {
  if (list != nullptr && bar != nullptr) list->FreeNotification(bar);
}

}  // namespace

// ---- TnbButtonImages -------------------------------------------------------------------------

TnbButtonImages::TnbButtonImages(TComponent* owner)
    : owner_(owner), slots_([this] { Change(); }) {}

void TnbButtonImages::Publish() {
  TPublisher<TnbButtonImages> p;
  p.Property("Normal", &TnbButtonImages::Normal, &TnbButtonImages::SetNormal);
  p.Property("Hot", &TnbButtonImages::Hot, &TnbButtonImages::SetHot);
  p.Property("Small", &TnbButtonImages::Small, &TnbButtonImages::SetSmall);
  p.Property("HotSmall", &TnbButtonImages::HotSmall, &TnbButtonImages::SetHotSmall);
  p.Property("Disabled", &TnbButtonImages::Disabled, &TnbButtonImages::SetDisabled);
  p.Property("DisabledSmall", &TnbButtonImages::DisabledSmall, &TnbButtonImages::SetDisabledSmall);
}

void TnbButtonImages::SetList(Slot s, TCustomImageList* list) {
  if (!slots_.Set(s, list)) return;
  Watch(list, owner_);
  Change();
}

void TnbButtonImages::SetOwner(TComponent* owner) {
  owner_ = owner;
  for (int s = Normal_; s <= DisabledSmall_; ++s) Watch(List(static_cast<Slot>(s)), owner_);
}

void TnbButtonImages::Forget(TComponent* list) {
  for (int s = Normal_; s <= DisabledSmall_; ++s)
    if (slots_.Holds(s, list)) SetList(static_cast<Slot>(s), nullptr);
}

void TnbButtonImages::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbButtonImages*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  for (int s = Normal_; s <= DisabledSmall_; ++s) {
    slots_.Set(s, other->List(static_cast<Slot>(s)));
    Watch(List(static_cast<Slot>(s)), owner_);
  }
  Change();
}

// ---- TnbHeaderImages -------------------------------------------------------------------------

TnbHeaderImages::TnbHeaderImages(TComponent* owner)
    : owner_(owner), slots_([this] { Change(); }) {}

void TnbHeaderImages::Publish() {
  TPublisher<TnbHeaderImages> p;
  p.Property("Normal", &TnbHeaderImages::Normal, &TnbHeaderImages::SetNormal);
  p.Property("Hot", &TnbHeaderImages::Hot, &TnbHeaderImages::SetHot);
}

void TnbHeaderImages::SetList(size_t i, TCustomImageList* list) {
  if (!slots_.Set(i, list)) return;
  Watch(list, owner_);
  Change();
}

void TnbHeaderImages::Forget(TComponent* list) {
  if (slots_.Holds(0, list)) SetNormal(nullptr);
  if (slots_.Holds(1, list)) SetHot(nullptr);
}

void TnbHeaderImages::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbHeaderImages*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  // The lists are copied; the bar watching them stays this one's own.
  slots_.Set(0, other->Normal());
  slots_.Set(1, other->Hot());
  Watch(Normal(), owner_);
  Watch(Hot(), owner_);
  Change();
}

// ---- TnbXPColors -----------------------------------------------------------------------------

void TnbXPColors::Publish() {
  TPublisher<TnbXPColors> p;
  p.Property("BorderColor", &TnbXPColors::BorderColor, &TnbXPColors::SetBorderColor);
  p.Property("Background", &TnbXPColors::Background, &TnbXPColors::SetBackground);
  p.Property("PressedBackground", &TnbXPColors::PressedBackground, &TnbXPColors::SetPressedBackground);
  p.Property("UseShadow", &TnbXPColors::UseShadow, &TnbXPColors::SetUseShadow);
  p.Property("ShadowColor", &TnbXPColors::ShadowColor, &TnbXPColors::SetShadowColor);
}

void TnbXPColors::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbXPColors*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  borderColor_ = other->borderColor_;
  background_ = other->background_;
  pressedBackground_ = other->pressedBackground_;
  useShadow_ = other->useShadow_;
  shadowColor_ = other->shadowColor_;
  Change();
}

// ---- TnbStatusButton -------------------------------------------------------------------------

void TnbStatusButton::Publish() {
  TPublisher<TnbStatusButton> p;
  p.Property("ArrowColor", &TnbStatusButton::ArrowColor, &TnbStatusButton::SetArrowColor);
  p.Property("Background", &TnbStatusButton::Background, &TnbStatusButton::SetBackground);
  p.Property("BorderColor", &TnbStatusButton::BorderColor, &TnbStatusButton::SetBorderColor);
  p.Property("Transparent", &TnbStatusButton::Transparent, &TnbStatusButton::SetTransparent).Default(false);
}

TColor TnbStatusButton::GetColor(int index) const {
  switch (index) {
    case 1: return arrowColor_;
    case 2: return background_;
    case 3: return borderColor_;
    default: return clBtnFace;
  }
}

void TnbStatusButton::SetColor(int index, TColor v) {
  switch (index) {
    case 1: return SetArrowColor(v);
    case 2: return SetBackground(v);
    case 3: return SetBorderColor(v);
    default: return;
  }
}

void TnbStatusButton::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbStatusButton*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  arrowColor_ = other->arrowColor_;
  background_ = other->background_;
  borderColor_ = other->borderColor_;
  transparent_ = other->transparent_;
  Change();
}

// ---- TnbGlyph --------------------------------------------------------------------------------

TnbGlyph::TnbGlyph() : bitmap_(std::make_unique<TBitmap>()) {}
TnbGlyph::~TnbGlyph() = default;

void TnbGlyph::Publish() {
  TPublisher<TnbGlyph> p;
  p.Property("Position", &TnbGlyph::Position, &TnbGlyph::SetPosition).Default(gpBottomRight);
  p.Property("Bitmap", &TnbGlyph::Bitmap, &TnbGlyph::SetBitmap);
  p.Property("Transparent", &TnbGlyph::Transparent, &TnbGlyph::SetTransparent).Default(true);
  p.Property("Visible", &TnbGlyph::Visible, &TnbGlyph::SetVisible).Default(true);
}

void TnbGlyph::SetBitmap(TBitmap* v) {
  bitmap_->Assign(v);
  Change();
}

void TnbGlyph::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TnbGlyph*>(source);
  if (other == nullptr) return TnbLookObject::Assign(source);
  position_ = other->position_;
  bitmap_->Assign(other->bitmap_.get());
  transparent_ = other->transparent_;
  visible_ = other->visible_;
  Change();
}

TPoint TnbGlyph::Origin(const TRect& r) const {
  const int gw = bitmap_->Width(), gh = bitmap_->Height();
  switch (position_) {
    case gpTopLeft: return {r.Left, r.Top};
    case gpTopRight: return {r.Right - gw, r.Top};
    case gpBottomLeft: return {r.Left, r.Bottom - gh};
    case gpBottomRight: return {r.Right - gw, r.Bottom - gh};
    case gpCenter: return {r.Left + (r.Width() - gw) / 2, r.Top + (r.Height() - gh) / 2};
  }
  return {r.Left, r.Top};
}

void TnbGlyph::Paint(TCanvas* canvas, const TRect& rect) {
  if (!visible_ || painting_ || rect.Width() < 1 || bitmap_->Empty()) return;
  auto painting = ScopedValue(painting_, true);
  TnbClipScope clip(canvas->Handle(), rect);
  canvas->Brush()->SetStyle(bsSolid);
  bitmap_->SetTransparentMode(tmAuto);
  bitmap_->SetTransparent(transparent_);
  const TPoint at = Origin(rect);
  canvas->Draw(at.x, at.y, bitmap_.get());
}
