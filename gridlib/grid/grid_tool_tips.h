#pragma once

#include <memory>

#include "gridlib/grid/grid_types.h"
#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/classes/text_alignment.h"

class TCustomDBGridEx;
class TColumnEx;
class TFont;
struct THintInfo;

// Tool tips over the grid: a title's own hint, and the whole text of a title, data or footer
// cell that the cell cuts, measured with the cell's font, alignment and wrapping and shown in
// the grid's tool-tip window where the cell writes its text. The grid owns it and hands it
// CM_HINTSHOW and CM_HINTSHOWPAUSE.
class TDBGridExToolTips {
 public:
  explicit TDBGridExToolTips(TCustomDBGridEx* grid);
  ~TDBGridExToolTips();
  TDBGridExToolTips(const TDBGridExToolTips&) = delete;
  TDBGridExToolTips& operator=(const TDBGridExToolTips&) = delete;

  // Whether the cell at `at` (client coordinates) shows its tip at once.
  bool ShowsAtOnce(TPoint at);
  // Fills the hint for the cell at info.CursorPos; whether there is one.
  bool Fill(THintInfo& info);
  // The font tips are written in: the cell's, taken when a tip is made; nullptr before.
  TFont* Font() const { return font_.get(); }

 private:
  // A cell's text as the cell writes it.
  struct TCellTip {
    String Text;
    TRect TextRect{};
    TAlignment Alignment = taLeftJustify;
    bool WordWrap = false;
    // Room a title leaves beside its text.
    int Allowance = 0;
    // Images and check boxes never show their text, so it never fits.
    bool Graphic = false;
  };
  bool CellTip(const TDBGridExCellType& type, const TRect& cell, TCellTip& tip);
  bool DataTip(TColumnEx* column, const TDBGridExCellType& type, const TRect& cell, TCellTip& tip);
  bool TitleTip(TColumnEx* column, const TRect& cell, TCellTip& tip);
  bool FooterTip(TColumnEx* column, const TDBGridExCellType& type, const TRect& cell, TCellTip& tip);
  String DataText(TColumnEx* column);
  int TreeIndent(const TDBGridExCellType& type);
  bool Fits(const TCellTip& tip, int col, const TRect& cell);
  TPoint Position(const TCellTip& tip, int textWidth, const TRect& cell);
  TFont* TipFont();

  TCustomDBGridEx* grid_;
  std::unique_ptr<TFont> font_;
};
