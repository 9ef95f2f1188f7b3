// The built-in styles and their theme values.
#include "skin/themes.h"

#include <array>
#include <cstdint>

#include "platform/graphics/bitmap.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"

namespace {

// One key: its name, kind and its cell in each built-in style, Graphite to Glacier; for an
// integer, the range a value of it is kept in.
struct TKeyRow {
  const char* Name;
  TskThemeValueKind Kind;
  std::array<int32_t, 5> Values;
  std::array<const char*, 5> Bitmaps;
  TskThemeIntRange Range{INT32_MIN, INT32_MAX};
};

constexpr std::array<const char*, 5> kNoBitmaps{};

// How far a length or an offset of a theme may reach: the width of a large screen for the
// form's least width; for a border, a corner and the title buttons' offsets a few times what
// any style draws, leaving the form room for its contents.
constexpr int32_t kWidestForm = 4096;
constexpr int32_t kLongestDetail = kThemeLongestDetail;
constexpr int32_t kWidestBorder = 64;

constexpr TKeyRow Number(const char* name, TskThemeValueKind kind, std::array<int32_t, 5> values) {
  return {name, kind, values, kNoBitmaps};
}

constexpr TKeyRow Offset(const char* name, std::array<int32_t, 5> values) {
  return {name, tvkInteger, values, kNoBitmaps, {-kLongestDetail, kLongestDetail}};
}

constexpr TKeyRow Size(const char* name, std::array<int32_t, 5> values, int32_t most) {
  return {name, tvkInteger, values, kNoBitmaps, {0, most}};
}

constexpr TKeyRow Picture(const char* name, std::array<const char*, 5> bitmaps) {
  return {name, tvkBitmap, {-1, -1, -1, -1, -1}, bitmaps};
}

// The five built-in styles: row k-1 holds key k.
constexpr std::array<TKeyRow, kThemeKeyCount> kKeys{{
    Picture("ButtonImage",
            {"GRAPHITE_BUTTON", "PEARL_BUTTON", "MARINE_BUTTON", "JADE_BUTTON", "GLACIER_BUTTON"}),
    Number("ButtonTransparentBool", tvkBool, {1, 0, 0, 0, 1}),
    Picture("CheckBoxImage", {"GRAPHITE_CHECKBOX", "PEARL_CHECKBOX", "MARINE_CHECKBOX",
                              "JADE_CHECKBOX", "GLACIER_CHECKBOX"}),
    Picture("RadioButtonImage", {"GRAPHITE_RADIOBUTTON", "PEARL_RADIOBUTTON",
                                 "MARINE_RADIOBUTTON", "JADE_RADIOBUTTON",
                                 "GLACIER_RADIOBUTTON"}),
    Picture("TitleBarButtonImage", {"GRAPHITE_TITLEBTN", "PEARL_TITLEBTN", "MARINE_TITLEBTN",
                                    "JADE_TITLEBTN", "GLACIER_TITLEBTN"}),
    Number("TitleBarButtonTransparentBool", tvkBool, {0, 0, 0, 1, 1}),
    Offset("TitleBarButtonLeftOffsetInt", {3, 2, 0, 0, 4}),
    Offset("TitleBarButtonRightOffsetInt", {-2, -2, 0, 0, -3}),
    Offset("TitleBarButtonTopInt", {4, 5, 2, 2, 6}),
    Picture("TitleBarLeftImage", {"GRAPHITE_TITLE_LEFT", "PEARL_TITLE_LEFT", "MARINE_TITLE_LEFT",
                                  "JADE_TITLE_LEFT", "GLACIER_TITLE_LEFT"}),
    Picture("TitleBarClientImage",
            {"GRAPHITE_TITLE_CLIENT", "PEARL_TITLE_CLIENT", "MARINE_TITLE_CLIENT",
             "JADE_TITLE_CLIENT", "GLACIER_TITLE_CLIENT"}),
    Picture("TitleBarRightImage", {"GRAPHITE_TITLE_RIGHT", "PEARL_TITLE_RIGHT",
                                   "MARINE_TITLE_RIGHT", "JADE_TITLE_RIGHT",
                                   "GLACIER_TITLE_RIGHT"}),
    Size("FormMinWidthInt", {130, 150, 130, 130, 270}, kWidestForm),
    Size("FormRoundCornerInt", {0, 13, 0, 0, 11}, kLongestDetail),
    Number("FormBackgroundColor", tvkColor, {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number("FormBorderColor", tvkColor, {0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000}),
    Size("FormBorderWidthInt", {1, 3, 1, 1, 1}, kWidestBorder),
    Number("MenuSelectedBorderColor", tvkColor,
           {0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    Number("MenuSelectedBackgroundColor", tvkColor,
           {0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E}),
    Number("MenuSelectedFontColor", tvkColor, {0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}),
    Number("MenuBackgroundColor", tvkColor, {0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7}),
    Number("MenuFontColor", tvkColor, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000}),
    Number("MenuBarColor", tvkColor, {0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6}),
    Picture("ProgressBarImage",
            {"GRAPHITE_PROGRESSBAR", "PEARL_PROGRESSBAR", "MARINE_PROGRESSBAR",
             "JADE_PROGRESSBAR", "GLACIER_PROGRESSBAR"}),
    Number("ControlBorderColor", tvkColor, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}),
    Number("ControlBackgroundColor", tvkColor,
           {0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}),
    Number("ControlFontColor", tvkColor, {0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000}),
    Picture("TrackBarBarImage",
            {"GRAPHITE_TRACKBAR_BAR", "PEARL_TRACKBAR_BAR", "MARINE_TRACKBAR_BAR",
             "JADE_TRACKBAR_BAR", "GLACIER_TRACKBAR_BAR"}),
    Picture("TrackBarSliderImage",
            {"GRAPHITE_TRACKBAR_SLIDER", "PEARL_TRACKBAR_SLIDER", "MARINE_TRACKBAR_SLIDER",
             "JADE_TRACKBAR_SLIDER", "GLACIER_TRACKBAR_SLIDER"}),
    Picture("TrackBarSliderVImage",
            {"GRAPHITE_TRACKBAR_SLIDER_V", "PEARL_TRACKBAR_SLIDER_V", "MARINE_TRACKBAR_SLIDER_V",
             "JADE_TRACKBAR_SLIDER_V", "GLACIER_TRACKBAR_SLIDER_V"}),
    Number("ScrollBarBackgroundColor", tvkColor,
           {0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4}),
    Picture("ScrollBarButtonImage",
            {"GRAPHITE_SCROLLBAR_BUTTON", "PEARL_SCROLLBAR_BUTTON", "MARINE_SCROLLBAR_BUTTON",
             "JADE_SCROLLBAR_BUTTON", "GLACIER_SCROLLBAR_BUTTON"}),
    Picture("ScrollBarSliderImage",
            {"GRAPHITE_SCROLLBAR_TRACK", "PEARL_SCROLLBAR_TRACK", "MARINE_SCROLLBAR_TRACK",
             "JADE_SCROLLBAR_TRACK", "GLACIER_SCROLLBAR_TRACK"}),
    Picture("CheckListBoxImage", {"GRAPHITE_CHECKLIST", "PEARL_CHECKLIST", "MARINE_CHECKLIST",
                                  "JADE_CHECKLIST", "GLACIER_CHECKLIST"}),
    Number("ToolBarButtonBorderColor", tvkColor,
           {0x474747, 0xC66931, 0x474747, 0x474747, 0x474747}),
    Number("ToolBarButtonBackgroundColor", tvkColor,
           {0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF}),
    Number("ToolBarButtonDownBackgroundColor", tvkColor,
           {0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8}),
    Picture("ScrollButtonImage", {"GRAPHITE_SCROLLBUTTON", "PEARL_SCROLLBUTTON",
                                  "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
                                  "MORE_SCROLLBUTTON"}),
    Picture("TabControlTabImage",
            {"GRAPHITE_TAB", "PEARL_TAB", "MARINE_TAB", "JADE_TAB", "GLACIER_TAB"}),
    Picture("TabControlBarImage", {"GRAPHITE_TAB_LINE", "PEARL_TAB_LINE", "MARINE_TAB_LINE",
                                   "JADE_TAB_LINE", "GLACIER_TAB_LINE"}),
    Picture("SideChannelHandleImage",
            {"GRAPHITE_SIDECHANNEL_HANDLE", "PEARL_SIDECHANNEL_HANDLE",
             "MARINE_SIDECHANNEL_HANDLE", "JADE_SIDECHANNEL_HANDLE",
             "GLACIER_SIDECHANNEL_HANDLE"}),
    Picture("SideChannelBarImage",
            {"GRAPHITE_SIDECHANNEL_BAR", "PEARL_SIDECHANNEL_BAR", "MARINE_SIDECHANNEL_BAR",
             "JADE_SIDECHANNEL_BAR", "GLACIER_SIDECHANNEL_BAR"}),
}};

bool IsKey(TskThemeKey key) { return key >= 1 && key <= kThemeKeyCount; }

const TKeyRow& Row(TskThemeKey key) { return kKeys[key - 1]; }

bool IsBuiltInStyle(TskUIStyle style) { return style >= Graphite && style <= Glacier; }

}  // namespace

const char* ThemeKeyName(TskThemeKey key) { return IsKey(key) ? Row(key).Name : ""; }

TskThemeValueKind ThemeKeyKind(TskThemeKey key) { return IsKey(key) ? Row(key).Kind : tvkInteger; }

bool ThemeKeyIsSize(TskThemeKey key) { return IsKey(key) && Row(key).Range.Least >= 0; }

TskThemeIntRange ThemeKeyRange(TskThemeKey key) { return IsKey(key) ? Row(key).Range : TskThemeIntRange{}; }

TskThemeKey ThemeKeyIndex(std::string_view name) {
  for (int k = 1; k <= kThemeKeyCount; ++k) {
    if (SameText(name, kKeys[k - 1].Name)) return static_cast<TskThemeKey>(k);
  }
  return static_cast<TskThemeKey>(0);
}

TskThemeCell GetInsideThemeValue(TskUIStyle style, TskThemeKey key, TskThemeValueKind& kind) {
  kind = tvkInteger;
  // A key outside the list reads nothing, whatever the style.
  if (!IsBuiltInStyle(style) || !IsKey(key)) return {};
  const TKeyRow& row = Row(key);
  kind = row.Kind;
  int column = style - Graphite;
  return {row.Values[column], row.Bitmaps[column]};
}

bool GetInsideThemeBool(TskUIStyle style, TskThemeKey key) {
  TskThemeValueKind kind;
  TskThemeCell cell = GetInsideThemeValue(style, key, kind);
  return kind == tvkBool && cell.Value != 0;
}

TColor GetInsideThemeColor(TskUIStyle style, TskThemeKey key) {
  TskThemeValueKind kind;
  TskThemeCell cell = GetInsideThemeValue(style, key, kind);
  return kind == tvkColor ? static_cast<TColor>(cell.Value) : TColor(0);
}

int GetInsideThemeInt(TskUIStyle style, TskThemeKey key) {
  TskThemeValueKind kind;
  TskThemeCell cell = GetInsideThemeValue(style, key, kind);
  return kind == tvkInteger ? cell.Value : -1;
}

void GetInsideThemeBitmap(TskUIStyle style, TskThemeKey key, TBitmap* bitmap) {
  if (bitmap == nullptr) return;
  TskThemeValueKind kind;
  TskThemeCell cell = GetInsideThemeValue(style, key, kind);
  if (kind != tvkBitmap || cell.BitmapName == nullptr) return;
  bitmap->LoadFromResourceName(0, cell.BitmapName);
}

void GetInsideThemeBitmapPiece(TskUIStyle style, TskThemeKey key, TBitmap* bitmap, int count,
                               int cell) {
  if (bitmap == nullptr) return;
  if (count == 0) {
    GetInsideThemeBitmap(style, key, bitmap);
    return;
  }
  TBitmap whole;
  GetInsideThemeBitmap(style, key, &whole);
  // A key without a built-in bitmap leaves the target as it was, as the whole-bitmap case does.
  if (whole.Empty()) return;
  SpitBitmap(&whole, bitmap, count, cell);
}

bool UsingFileTheme(TskFileTheme* fileTheme, TskUIStyle style, TskUIStyle& effective) {
  effective = style;
  if (style != FromThemeFile) return false;
  if (fileTheme != nullptr && fileTheme->CanUse()) return true;
  effective = Marine;
  return false;
}
