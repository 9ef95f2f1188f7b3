#pragma once

#include <string>
#include <unordered_map>

#include "gridlib/grid/columns.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

class TCanvas;
class TCustomDBGridEx;

// How wide `text` is on `canvas` in a cell of `height`: a single line as its extent, anything
// else as the cell lays it out (wrapped at words with `wordWrap`).
int CellTextWidth(TCanvas* canvas, const String& text, int height, bool wordWrap);

// How wide one column's data cells are, record after record: what does not change from one
// record to the next (the cell kind, the margin, the font, the events assigned) is read once,
// the text is measured on a canvas of the column's own that keeps the column's font, and
// the width of a text once measured in that font is remembered.
class TColumnDataMeasure {
 public:
  TColumnDataMeasure(TCustomDBGridEx* grid, TColumnEx* column);
  TColumnDataMeasure(const TColumnDataMeasure&) = delete;
  TColumnDataMeasure& operator=(const TColumnDataMeasure&) = delete;

  // The width the current record's cell needs, margin included.
  int CurrentWidth();

 private:
  int Margin();
  // The cell's text as the cell-parameter events leave it; `font` is what they made of the
  // column's font.
  String CellText(bool& fontChanged);
  int TextWidth(const String& text, bool fontChanged);
  int MeasureText(const String& text);
  void ForgetTexts();

  TCustomDBGridEx* grid_;
  TColumnEx* column_;
  TColumnCellType kind_;
  int margin_ = 0;
  bool treeIndent_ = false;
  bool wordWrap_ = false;
  int graphicWidth_ = -1;
  TColor background_;
  // What the events get: the column's font, set again after an event changed it.
  TFont cellFont_;
  bool cellFontChanged_ = false;
  // What the column's OnGetCellParams gets: the measure's own, so that measuring leaves the
  // cell painter's parameters alone.
  TColCellParamsEx params_;
  // The measuring canvas holds the column's font unless a changed one was measured last.
  TBitmap canvas_;
  bool canvasHoldsColumnFont_ = true;
  std::unordered_map<std::string, int> widths_;
  bool remembering_ = true;
  int found_ = 0;
  int missed_ = 0;
};
