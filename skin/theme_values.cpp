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

void TskThemeValues::BitmapPiece(int key, TBitmap* bitmap, int count, int piece) const {
  if (FromFile()) {
    fileTheme_->GetBitmapPiece(key, bitmap, count, piece);
  } else {
    GetInsideThemeBitmapPiece(effective_, key, bitmap, count, piece);
  }
}
