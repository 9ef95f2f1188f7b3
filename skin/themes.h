#pragma once

#include <cstdint>

#include "platform/classes/enum_info.h"
#include "platform/core/strings.h"
#include "platform/graphics/colors.h"

class TBitmap;
class TskFileTheme;

// Which theme a skinned control paints with: the values of its FileTheme, or one of the five
// built-in styles. Stored in form layouts as one byte.
enum TskUIStyle : uint8_t { FromThemeFile, Graphite, Pearl, Marine, Jade, Glacier };
DECLARE_ENUM_NAMES(TskUIStyle, "FromThemeFile", "Graphite", "Pearl", "Marine", "Jade", "Glacier")

// What a theme value holds; the byte values are those of the key-kind table.
enum TskThemeValueKind : uint8_t { tvkInteger, tvkColor, tvkBitmap, tvkBool };

// A theme has 42 values, addressed by key index 1..42.
constexpr int kThemeKeyCount = 42;

// The key's name as a theme file stores it ("ButtonImage"); "" outside 1..42.
const char* ThemeKeyName(int index);
// The key's kind; tvkInteger outside 1..42.
TskThemeValueKind ThemeKeyKind(int index);
// The key index of a name (ignoring case), or 0.
int ThemeKeyIndex(std::string_view name);

// One cell of a built-in table: a number, or the resource name of a bitmap.
struct TskThemeCell {
  int32_t Value = -1;
  const char* BitmapName = nullptr;
};

// Built-in side. For Graphite..Glacier and a key 1..42: the key's kind and that style's cell.
// Any other style (FromThemeFile in particular) or key gives kind tvkInteger and value -1.
TskThemeCell GetInsideThemeValue(TskUIStyle style, int index, TskThemeValueKind& kind);
bool GetInsideThemeBool(TskUIStyle style, int index);     // False unless a bool key
TColor GetInsideThemeColor(TskUIStyle style, int index);  // 0 unless a colour key
int GetInsideThemeInt(TskUIStyle style, int index);       // -1 unless an integer key
// Loads the key's built-in bitmap into `bitmap`; left unchanged for a non-bitmap key or a
// null bitmap.
void GetInsideThemeBitmap(TskUIStyle style, int index, TBitmap* bitmap);
// Cell number `cell` (1-based) of `count` equal cells of the bitmap; count 0 loads the
// whole bitmap. Raises as SpitBitmap for a bad cell.
void GetInsideThemeBitmapPiece(TskUIStyle style, int index, TBitmap* bitmap, int count,
                               int cell);

// Decides between the two sides: true when the control takes its values from `fileTheme`
// (style FromThemeFile and a loaded file). Otherwise `effective` names the built-in table to
// use: the style itself, or Marine for FromThemeFile without a usable file.
bool UsingFileTheme(TskFileTheme* fileTheme, TskUIStyle style, TskUIStyle& effective);
