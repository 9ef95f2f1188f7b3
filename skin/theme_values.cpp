#include "skin/theme_values.h"

#include "skin/file_theme.h"

TskThemeValues::TskThemeValues(TskFileTheme* fileTheme, TskUIStyle style) {
  if (UsingFileTheme(fileTheme, style, effective_)) fileTheme_ = fileTheme;
}

int TskThemeValues::Int(int key) const {
  return FromFile() ? fileTheme_->GetInt(key) : GetInsideThemeInt(effective_, key);
}

TColor TskThemeValues::Color(int key) const {
  return FromFile() ? fileTheme_->GetColor(key) : GetInsideThemeColor(effective_, key);
}

bool TskThemeValues::Bool(int key) const {
  return FromFile() ? fileTheme_->GetBool(key) : GetInsideThemeBool(effective_, key);
}

void TskThemeValues::Bitmap(int key, TBitmap* bitmap) const {
  if (FromFile()) {
    fileTheme_->GetBitmap(key, bitmap);
  } else {
    GetInsideThemeBitmap(effective_, key, bitmap);
  }
}

void TskThemeValues::BitmapCell(int key, TBitmap* bitmap, int count, int cell) const {
  if (FromFile()) {
    fileTheme_->GetBitmapPiece(key, bitmap, count, cell);
  } else {
    GetInsideThemeBitmapPiece(effective_, key, bitmap, count, cell);
  }
}
