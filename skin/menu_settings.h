#pragma once

#include "platform/core/strings.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/graphics_objects.h"
#include "skin/themes.h"

class TskFileTheme;

// What a skinned menu draws its items with. The values are those of a menu before a style is
// applied; a new menu applies its owner form's style at once (ApplyMenuUIStyle).
struct TskMenuSettings {
  TskUIStyle UIStyle = Marine;
  TskFileTheme* FileTheme = nullptr;  // not owned
  int MenuItemHeight = 21;
  int SeparatorHeight = 21;
  int BarWidth = 0;  // the coloured strip at the items' left
  TColor BarColor = clBtnFace;
  TColor Color = clWhite;
  TColor SeparatorColor = static_cast<TColor>(0x808080);
  TColor SelectedBorderColor = clHighlight;
  TColor SelectedColor = clHighlight;
  TColor SelectedFontColor = clWhite;
  TColor FontColor = clWhite;
  TColor BorderColor = clBlack;  // kept for stored layouts; nothing draws it
  bool FlatMenu = false;
  String FontName = "MS Sans Serif";
  int FontSize = 8;
  TFontCharset FontCharset = 1;  // the default character set
  bool UseSystemFont = true;
};

// Sets the style and what follows from it: the sizes of items, separators and the bar, and
// the six colours read from the theme (the file theme for FromThemeFile with a loaded file,
// else the built-in table).
void ApplyMenuUIStyle(TskMenuSettings& settings, TskUIStyle style);

// Graphite draws its items on pictures of fixed height: their sizes cannot be changed.
bool MenuSizesFixed(const TskMenuSettings& settings);
