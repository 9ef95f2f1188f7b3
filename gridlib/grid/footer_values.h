#pragma once

#include "platform/classes/text_alignment.h"
#include "platform/core/strings.h"
#include "platform/graphics/colors.h"

class TColumnEx;
class TColumnFooterEx;
class TDBGridExHost;
class TFont;

// What one footer cell shows, as the grid works it out before the application's
// OnGetFooterParams has its say: painting, hints and width fitting read it.
struct TFooterCellView {
  TColumnFooterEx* Footer = nullptr;  // the column's footer for the row
  String Text;                        // GetFooterValue's text
  TAlignment Alignment = taLeftJustify;
  TColor Color = clWindow;
  TFont* Font = nullptr;  // the footer's font, owned by the footer
  bool WordWrap = false;
  bool EndEllipsis = false;
  bool ToolTips = false;
};

// Footer row `footerRow` (0 first) of `column`.
TFooterCellView FooterCellView(TDBGridExHost* grid, int footerRow, TColumnEx* column);
