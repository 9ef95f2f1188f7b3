#pragma once

#include <optional>

#include "gridlib/grid/cell_edit_buttons.h"
#include "gridlib/grid/grid_types.h"
#include "platform/classes/text_alignment.h"
#include "platform/controls/grid.h"
#include "platform/core/strings.h"
#include "platform/graphics/colors.h"

class TCanvas;
class TColumnEx;
class TCustomImageList;
class TDBGridExHost;
class TField;
class TFont;
class THeadTreeNode;
class IMemTableEx;
struct TDBGridExCellType;
struct TDBGridExDrawInfo;

// What the grid's painters read of the grid control, and the events they fire through it.
// The grid's model (columns, options, data link, selection, style, fonts) is read through the
// host; this adds what only the control knows: its canvas, geometry, focus and events.
class TDBGridExPaintView {
 public:
  virtual ~TDBGridExPaintView() = default;

  virtual TDBGridExHost* Model() = 0;
  virtual TCanvas* Canvas() = 0;
  virtual HWND Window() = 0;

  // ---- Geometry the layout left behind.
  virtual TDBGridExCellType CellType(int col, int row) = 0;
  virtual void CalcDrawInfo(TDBGridExDrawInfo& info) = 0;
  virtual int RowCount() = 0;
  virtual int ColCount() = 0;
  virtual int ColWidth(int col) = 0;
  virtual int RowHeight(int row) = 0;
  virtual int FixedCols() = 0;
  virtual int LeftCol() = 0;
  virtual int TopRow() = 0;
  virtual int CurrentCol() = 0;
  virtual int CurrentRow() = 0;
  virtual TGridRect Selection() = 0;
  virtual TRect ClientRect() = 0;
  virtual int TitleOffset() = 0;
  virtual int FooterRowCount() = 0;
  virtual int FrozenCols() = 0;
  virtual int TitleHeight() = 0;
  virtual int TitleLines() = 0;
  virtual int DefaultRowHeight() = 0;
  virtual int GridLineWidth() = 0;
  // The edit buttons of `column` in a cell at `cell`.
  virtual TCellEditButtonsEx EditButtonRects(TColumnEx* column, const TRect& cell) = 0;
  virtual int EditButtonHeight() = 0;
  virtual bool WordWrapPossible() = 0;
  virtual bool STFilterVisible() = 0;
  // The data set's record-access interface, when it serves the rows (one row a record).
  virtual IMemTableEx* RecordAccess() = 0;
  // The leaf of the title tree that data column `dataCol` shows, when titles have levels.
  virtual THeadTreeNode* TitleLeaf(int dataCol) = 0;

  // ---- Looks.
  virtual TColor EvenRowColor() = 0;
  virtual TColor OddRowColor() = 0;
  virtual TCustomImageList* TitleImages() = 0;
  virtual bool DefaultDrawing() = 0;
  virtual bool Ctl3D() = 0;
  virtual bool RightToLeft() = 0;
  virtual TBorderStyle BorderStyle() = 0;
  virtual TGridOptions GridOptions() = 0;
  virtual bool EditorMode() = 0;
  // The grid column whose title button is held down; -1 for none.
  virtual int PressedTitleCol() = 0;

  // ---- Focus: the grid is its form's active control (or holds the focused window).
  virtual bool IsActiveControl() = 0;
  virtual bool HasFocus() = 0;
  // The text of the incremental search the current cell shows highlighted; none while no
  // search runs or while the search is moving the data set.
  virtual std::optional<String> IncSearchText() = 0;

  // ---- Events of cell painting.
  virtual void GetCellParams(TColumnEx* column, TFont* font, TColor& background, TGridDrawState state) = 0;
  virtual void GetFooterParams(int dataCol, int row, TColumnEx* column, TFont* font, TColor& background,
                               TAlignment& alignment, TGridDrawState state, String& text) = 0;
  virtual void DrawColumnCell(const TRect& rect, int dataCol, TColumnEx* column, TGridDrawState state) = 0;
  virtual void DrawDataCell(const TRect& rect, TField* field, TGridDrawState state) = 0;
  virtual void DrawFooterCell(int dataCol, int row, TColumnEx* column, const TRect& rect, TGridDrawState state) = 0;
  virtual bool HasGetBtnParams() = 0;
  virtual void GetBtnParams(TColumnEx* column, TFont* font, TColor& background, TSortMarkerEx& marker,
                            bool isDown) = 0;
  // Sends the grid WM_ERASEBKGND or WM_PAINT with `dc` in wParam.
  virtual void PaintInto(UINT message, HDC dc) = 0;
  // The pixels of a block of cells.
  virtual TRect BoxRect(const TGridRect& cells) = 0;
  // While a layout pass runs, nothing is painted.
  virtual bool LayingOut() = 0;
  // Draws one cell as the grid does; a descendant's DrawCell is called.
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) = 0;
};
