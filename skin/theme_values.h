#pragma once

#include "platform/graphics/colors.h"
#include "skin/themes.h"

class TBitmap;
class TskFileTheme;

// The values a skinned control paints with, read the one way every control reads them: from
// its file theme when UsingFileTheme says so, else from the built-in table of the effective
// style (so FromThemeFile without a loaded file looks exactly like Marine).
//
// A theme file may lack keys or hold nonsense, and a control must still paint sensibly:
// a lacking integer reads 0, an integer is kept within its key's range (a size, a width or a
// corner, is never below 0), a lacking colour or a value that is no colour reads the built-in
// colour of the style FromThemeFile stands in for, and a lacking switch reads False.
class TskThemeValues {
 public:
  TskThemeValues(TskFileTheme* fileTheme, TskUIStyle style);

  bool FromFile() const { return fileTheme_ != nullptr; }
  TskUIStyle EffectiveStyle() const { return effective_; }

  int Int(TskThemeKey key) const;
  TColor Color(TskThemeKey key) const;
  bool Bool(TskThemeKey key) const;
  // The whole bitmap of a bitmap key; `bitmap` is left unchanged when there is none.
  void Bitmap(TskThemeKey key, TBitmap* bitmap) const;
  // The whole bitmap of a bitmap key into an emptied `bitmap`; a theme file that lacks it
  // gets the built-in one of the style FromThemeFile stands in for, so that a control whose
  // pictures are all it shows never vanishes.
  void BitmapOrStandIn(TskThemeKey key, TBitmap* bitmap) const;
  // Cell `cell` of `count` of a bitmap key (count at least 1).
  void BitmapCell(TskThemeKey key, TBitmap* bitmap, int count, int cell) const;

 private:
  TskFileTheme* fileTheme_ = nullptr;  // set only when its values are used
  TskUIStyle effective_ = Marine;
};
