// Theme values by key and style: colours, numbers, flags and pictures.
#include "skin/theme_values.h"

#include "platform/graphics/bitmap.h"
#include "skin/file_theme.h"

namespace {

// The built-in table that stands in for a value a theme file lacks: the one a control shows
// while its theme file is not loaded.
constexpr TskUIStyle kFallbackStyle = Marine;

// A plain colour, or one of the system colours.
bool IsColorValue(TColor color) {
  const uint32_t value = static_cast<uint32_t>(color);
  if ((value & 0xFF000000u) == 0) return true;
  return (value & 0xFF000000u) == 0xFF000000u && (value & 0x00FFFFFFu) < SystemColorCount;
}

}  // namespace

TskThemeValues::TskThemeValues(TskFileTheme* fileTheme, TskUIStyle style) {
  if (UsingFileTheme(fileTheme, style, effective_)) fileTheme_ = fileTheme;
}

int TskThemeValues::Int(TskThemeKey key) const {
  int value = FromFile() ? fileTheme_->GetInt(key).value_or(0) : GetInsideThemeInt(effective_, key);
  return ThemeKeyRange(key).Clamp(value);
}

TColor TskThemeValues::Color(TskThemeKey key) const {
  if (!FromFile()) return GetInsideThemeColor(effective_, key);
  std::optional<TColor> color = fileTheme_->GetColor(key);
  return color && IsColorValue(*color) ? *color : GetInsideThemeColor(kFallbackStyle, key);
}

bool TskThemeValues::Bool(TskThemeKey key) const {
  return FromFile() ? fileTheme_->GetBool(key).value_or(false) : GetInsideThemeBool(effective_, key);
}

void TskThemeValues::Bitmap(TskThemeKey key, TBitmap* bitmap) const {
  if (FromFile()) {
    fileTheme_->GetBitmap(key, bitmap);
  } else {
    GetInsideThemeBitmap(effective_, key, bitmap);
  }
}

void TskThemeValues::BitmapOrStandIn(TskThemeKey key, TBitmap* bitmap) const {
  bitmap->SetSize(0, 0);
  Bitmap(key, bitmap);
  if (bitmap->Empty()) GetInsideThemeBitmap(FromFile() ? kFallbackStyle : effective_, key, bitmap);
}

void TskThemeValues::BitmapCell(TskThemeKey key, TBitmap* bitmap, int count, int cell) const {
  if (FromFile()) {
    fileTheme_->GetBitmapPiece(key, bitmap, count, cell);
  } else {
    GetInsideThemeBitmapPiece(effective_, key, bitmap, count, cell);
  }
}
