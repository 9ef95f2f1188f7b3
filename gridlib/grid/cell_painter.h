#pragma once

#include <memory>
#include <utility>

#include "gridlib/grid/cell_edit_buttons.h"
#include "gridlib/grid/grid_paint_view.h"
#include "gridlib/grid/tree_nodes.h"

// The filter row's background: the fixed colour lightened by an eighth.
TColor FilterCellColor(TColor fixedColor);

class TCanvas;
class TColCellParamsEx;
class TColumnEx;
class TFont;

// One cell on its way to the canvas: where it is, what kind it is and how it was drawn.
struct TCellPaint {
  int Col = 0;
  int Row = 0;
  TRect Rect{};
  TGridDrawState State;
  TDBGridExCellType Type;
  int DataCol = 0;
  int DataRow = 0;
  bool Frame3D = false;
  int DX = 2;
  int DY = 2;
  bool Highlighted = false;
  bool Pressed = false;
};

// Paints single cells of the data grid: indicator, titles, filter row, data, filler and footer
// cells, with their colours, texts, images, check boxes, buttons and frames. It reads the grid
// through its paint view only.
class TDBGridExCellPainter {
 public:
  explicit TDBGridExCellPainter(TDBGridExPaintView& view);
  ~TDBGridExCellPainter();
  TDBGridExCellPainter(const TDBGridExCellPainter&) = delete;
  TDBGridExCellPainter& operator=(const TDBGridExCellPainter&) = delete;

  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);

  // Whether cell (col, row) gets a 3D frame.
  bool GetCellFrame(int col, int row, TGridDrawState state);
  // The raised (or, highlighted or pressed, sunken) edges of a cell in the grid's look.
  void DrawCellEdges(TRect rect, bool drawLeft, bool drawRight, bool highlighted, bool pressed);
  // Colours of a selected fixed cell; true when they changed (the cell is highlighted).
  bool GetFixedCellParams(const TCellPaint& cell, TFont* font, TColor& background, bool selected);
  // Colours of a selected or focused data cell of the active record; true when highlighted.
  bool GetDataCellParams(const TCellPaint& cell, TFont* font, TColor& background, TGridDrawState& state);
  // Writes a cell text, mirrored for a right-to-left grid.
  void WriteCellText(TColumnEx* column, const TRect& rect, bool fillRect, int dx, int dy, const String& text,
                     TAlignment alignment, TTextLayout layout, bool multiLine, bool endEllipsis, int leftMarg,
                     int rightMarg);
  // A button inside a cell (an edit button, or the filter row's drop-down).
  void DrawCellButton(const TRect& button, const TRect& clip, TColor background, TEditButtonStyleEx style,
                      bool enabled, bool flat, bool pressed);

  // The cell parameters events may change; Col and Row name the cell last drawn.
  TColCellParamsEx* CellParams() const { return params_.get(); }
  // The grid row the indicator's current-record image was last drawn in; -1 when none.
  int IndicatorRow() const { return indicatorRow_; }

 private:
  TCellPaint Classify(int col, int row, const TRect& rect, TGridDrawState state);
  void PaintIndicatorCell(TCellPaint& cell);
  bool IndicatorRowSelected(const TCellPaint& cell);
  int IndicatorImage(bool current, bool selected);
  void PaintFilterRowCell(TCellPaint& cell);
  void PaintFilterCell(TCellPaint& cell, TColumnEx* column);
  void PaintDataCell(TCellPaint& cell, TColumnEx* column);
  void PaintDataContent(TCellPaint& cell, TColumnEx* column, TRect& rect);
  int PaintTreeArea(const TCellPaint& cell, TColumnEx* column);
  void JoinTreeSteps(const TCellPaint& cell, int level);
  int NextRowLevel(int dataRow);
  // The indent of one tree level.
  static constexpr int kTreeStep = TDBGridExTreeNodes::kLevelWidth;
  void PaintEditButtons(const TCellPaint& cell, const TCellEditButtonsEx& buttons);
  void PaintCheckBox(const TRect& rect, TCheckboxStateEx state);
  bool IsDuplicateValue(TColumnEx* column, int dataCol);
  void DrawRequiredMark(TColumnEx* column, const TRect& rect, int dataRow);
  void PaintEmptyCell(TCellPaint& cell);
  void PaintFooterCell(TCellPaint& cell, TColumnEx* column);
  void DrawFocusFrame(const TCellPaint& cell, const TRect& rect);
  bool Flat() const;

  // Titles (title_painting.cpp).
  void PaintTitleCell(TCellPaint& cell, TColumnEx* column);
  void PaintTitleText(const TCellPaint& cell, TColumnEx* column, const TRect& textRect, int shift);
  void PaintSortMarker(const TCellPaint& cell, TColumnEx* column, int markerIndex, int indexWidth, int shift);
  void PaintTitleHeaders(TCellPaint& cell, TColumnEx* column);
  void DrawHeading(const TCellPaint& cell, THeadTreeNode* heading, TRect& child, int& childLeft, bool endEllipsis);
  // The shown part [left, right) of a heading spanning [hostLeft, hostRight) in this cell.
  std::pair<int, int> ShownSpan(const TCellPaint& cell, int hostLeft, int hostRight);

  // The incremental search's text over the matching start of the current cell's text
  // (inc_search_painting.cpp).
  bool ShowsIncSearch(const TCellPaint& cell, TColumnEx* column);
  void DrawIncSearchText(const TCellPaint& cell, TColumnEx* column, const TRect& rect, const String& searchText);

  TDBGridExPaintView& view_;
  std::unique_ptr<TColCellParamsEx> params_;
  int indicatorRow_ = -1;
};

// Draws a check box of `state` centred in `rect` on the canvas (the grid's check-box artwork).
void DrawGridCheckBox(TCanvas* canvas, const TRect& rect, TCheckboxStateEx state, bool enabled, bool flat);

// Sets the canvas font to `font` unless it already is alike, so that a paint does not make a
// new font for every cell.
void UseFont(TCanvas* canvas, const TFont* font);
