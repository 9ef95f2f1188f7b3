#pragma once

#include <array>
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

// The 42 theme keys, numbered as theme files and the built-in tables number them. A theme
// file stores each value under the key's name without the prefix ("ButtonImage").
enum TskThemeKey : int {
  tkButtonImage = 1,
  tkButtonTransparentBool,
  tkCheckBoxImage,
  tkRadioButtonImage,
  tkTitleBarButtonImage,
  tkTitleBarButtonTransparentBool,
  tkTitleBarButtonLeftOffsetInt,
  tkTitleBarButtonRightOffsetInt,
  tkTitleBarButtonTopInt,
  tkTitleBarLeftImage,
  tkTitleBarClientImage,
  tkTitleBarRightImage,
  tkFormMinWidthInt,
  tkFormRoundCornerInt,
  tkFormBackgroundColor,
  tkFormBorderColor,
  tkFormBorderWidthInt,
  tkMenuSelectedBorderColor,
  tkMenuSelectedBackgroundColor,
  tkMenuSelectedFontColor,
  tkMenuBackgroundColor,
  tkMenuFontColor,
  tkMenuBarColor,
  tkProgressBarImage,
  tkControlBorderColor,
  tkControlBackgroundColor,
  tkControlFontColor,
  tkTrackBarBarImage,
  tkTrackBarSliderImage,
  tkTrackBarSliderVImage,
  tkScrollBarBackgroundColor,
  tkScrollBarButtonImage,
  tkScrollBarSliderImage,
  tkCheckListBoxImage,
  tkToolBarButtonBorderColor,
  tkToolBarButtonBackgroundColor,
  tkToolBarButtonDownBackgroundColor,
  tkScrollButtonImage,
  tkTabControlTabImage,
  tkTabControlBarImage,
  tkSideChannelHandleImage,
  tkSideChannelBarImage,
};
constexpr int kThemeKeyCount = 42;

static_assert(tkSideChannelBarImage == kThemeKeyCount);

// Every key, in index order.
inline constexpr std::array<TskThemeKey, kThemeKeyCount> kThemeKeys = [] {
  std::array<TskThemeKey, kThemeKeyCount> keys{};
  for (int k = 1; k <= kThemeKeyCount; ++k) keys[k - 1] = static_cast<TskThemeKey>(k);
  return keys;
}();

// The key's name as a theme file stores it ("ButtonImage"); "" outside 1..42.
const char* ThemeKeyName(TskThemeKey key);
// The key's kind; tvkInteger outside 1..42.
TskThemeValueKind ThemeKeyKind(TskThemeKey key);
// An integer key that holds a size (a width, a corner), which is never negative.
bool ThemeKeyIsSize(TskThemeKey key);
// The values an integer key is kept within, whatever a theme file holds: sizes and offsets
// that a screen can show, so that the sums of form and title bar layout stay small.
struct TskThemeIntRange {
  int32_t Least = INT32_MIN;
  int32_t Most = INT32_MAX;
  int32_t Clamp(int32_t value) const { return value < Least ? Least : value > Most ? Most : value; }
};
TskThemeIntRange ThemeKeyRange(TskThemeKey key);
// How far a theme's details may reach (a corner, a title button's offset): a few times what
// any style draws, leaving a form room for its contents.
inline constexpr int32_t kThemeLongestDetail = 256;
// The heights a title bar takes from its theme's pictures, kept as the integer keys are.
inline constexpr TskThemeIntRange kTitleBarHeightRange{0, kThemeLongestDetail};
// The key of a name (ignoring case), or 0.
TskThemeKey ThemeKeyIndex(std::string_view name);

// One cell of a built-in table: a number, or the resource name of a bitmap.
struct TskThemeCell {
  int32_t Value = -1;
  const char* BitmapName = nullptr;
};

// Built-in side. For Graphite..Glacier and a key 1..42: the key's kind and that style's cell.
// Any other style (FromThemeFile in particular) or key gives kind tvkInteger and value -1.
TskThemeCell GetInsideThemeValue(TskUIStyle style, TskThemeKey key, TskThemeValueKind& kind);
bool GetInsideThemeBool(TskUIStyle style, TskThemeKey key);     // False unless a bool key
TColor GetInsideThemeColor(TskUIStyle style, TskThemeKey key);  // 0 unless a colour key
int GetInsideThemeInt(TskUIStyle style, TskThemeKey key);       // -1 unless an integer key
// Loads the key's built-in bitmap into `bitmap`; left unchanged for a non-bitmap key or a
// null bitmap.
void GetInsideThemeBitmap(TskUIStyle style, TskThemeKey key, TBitmap* bitmap);
// Cell number `cell` (1-based) of `count` equal cells of the bitmap; count 0 loads the
// whole bitmap. Raises as SpitBitmap for a bad cell.
void GetInsideThemeBitmapPiece(TskUIStyle style, TskThemeKey key, TBitmap* bitmap, int count,
                               int cell);

// Decides between the two sides: true when the control takes its values from `fileTheme`
// (style FromThemeFile and a loaded file). Otherwise `effective` names the built-in table to
// use: the style itself, or Marine for FromThemeFile without a usable file.
bool UsingFileTheme(TskFileTheme* fileTheme, TskUIStyle style, TskUIStyle& effective);
