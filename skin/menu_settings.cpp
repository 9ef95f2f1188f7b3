// Menu look settings per style.
#include "skin/menu_settings.h"

#include "skin/theme_values.h"

void ApplyMenuUIStyle(TskMenuSettings& settings, TskUIStyle style) {
  settings.UIStyle = style;
  settings.BarWidth = 26;
  const bool graphite = style == Graphite;
  settings.MenuItemHeight = graphite ? 20 : 21;
  settings.SeparatorHeight = graphite ? 12 : 5;
  settings.SeparatorColor = graphite ? clBlack : static_cast<TColor>(0x848284);
  TskThemeValues theme(settings.FileTheme, style);
  settings.BarColor = theme.Color(tkMenuBarColor);
  settings.Color = theme.Color(tkMenuBackgroundColor);
  settings.FontColor = theme.Color(tkMenuFontColor);
  settings.SelectedBorderColor = theme.Color(tkMenuSelectedBorderColor);
  settings.SelectedColor = theme.Color(tkMenuSelectedBackgroundColor);
  settings.SelectedFontColor = theme.Color(tkMenuSelectedFontColor);
}

bool MenuSizesFixed(const TskMenuSettings& settings) { return settings.UIStyle == Graphite; }
