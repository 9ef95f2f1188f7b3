#pragma once

#include <functional>
#include <vector>

#include "platform/controls/edit.h"
#include "platform/controls/std_control_types.h"

class TInplaceEdit;


// Raised for a grid operation that cannot be done; an index out of range is also a list error.
class EInvalidGridOperation : public EListError {
 public:
  using EListError::EListError;
};

enum TGridOption : uint8_t {
  goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
  goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
  goAlwaysShowEditor, goThumbTracking,
};
DECLARE_ENUM_NAMES(TGridOption, "goFixedVertLine", "goFixedHorzLine", "goVertLine", "goHorzLine",
                   "goRangeSelect", "goDrawFocusSelected", "goRowSizing", "goColSizing", "goRowMoving",
                   "goColMoving", "goEditing", "goTabs", "goRowSelect", "goAlwaysShowEditor",
                   "goThumbTracking")
using TGridOptions = Set<TGridOption>;

enum TGridDrawStateItem : uint8_t { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateItem>;

enum TGridState : uint8_t { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

enum TGridScrollDirectionItem : uint8_t { sdLeft, sdRight, sdUp, sdDown };
using TGridScrollDirection = Set<TGridScrollDirectionItem>;

struct TGridCoord {
  int X = 0;
  int Y = 0;
  constexpr bool operator==(const TGridCoord&) const = default;
};

// A block of cells, corners included.
struct TGridRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  constexpr bool operator==(const TGridRect&) const = default;
  constexpr bool Contains(int col, int row) const {
    return col >= Left && col <= Right && row >= Top && row <= Bottom;
  }
};

constexpr TGridRect GridRect(TGridCoord a, TGridCoord b) {
  return {a.X < b.X ? a.X : b.X, a.Y < b.Y ? a.Y : b.Y, a.X > b.X ? a.X : b.X, a.Y > b.Y ? a.Y : b.Y};
}

// How one axis of the grid lies on screen: the fixed cells, then the scrolled cells from
// FirstGridCell on. Boundaries are pixel positions in the client area; a cell's extent
// below zero hides it and it takes no room, not even its line.
struct TGridAxisDrawInfo {
  int EffectiveLineWidth = 0;
  int FixedBoundary = 0;
  int GridBoundary = 0;
  int GridExtent = 0;
  int LastFullVisibleCell = 0;
  int FullVisBoundary = 0;
  int FixedCellCount = 0;
  int FirstGridCell = 0;
  int GridCellCount = 0;
  std::function<int(int)> GetExtent;
  // The room cell `index` takes with its line.
  int Span(int index) const {
    int extent = GetExtent(index);
    return extent < 0 ? 0 : extent + EffectiveLineWidth;
  }
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

// The base grid: cells in columns and rows with fixed ones at the top and left, sizes,
// scrolling, a current cell and a selection, sizing and moving with the mouse, keyboard
// navigation, an in-place editor and the classic painting. A subclass draws the cells
// (DrawCell) and may change the layout (CalcDrawInfo), the editing rules and the hooks.
class TCustomGrid : public TCustomControl {
  DECLARE_CLASS(TCustomGrid, TCustomControl)
 public:
  explicit TCustomGrid(TComponent* owner);
  ~TCustomGrid() override;
  static void Publish();

  int ColCount() const { return static_cast<int>(colWidths_.size()); }
  void SetColCount(int v);
  int RowCount() const { return static_cast<int>(rowHeights_.size()); }
  void SetRowCount(int v);
  int FixedCols() const { return fixedCols_; }
  void SetFixedCols(int v);
  int FixedRows() const { return fixedRows_; }
  void SetFixedRows(int v);
  int ColWidths(int index) const;
  void SetColWidths(int index, int v);
  int RowHeights(int index) const;
  void SetRowHeights(int index, int v);
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int v);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int v);
  bool TabStops(int index) const;
  void SetTabStops(int index, bool v);
  int GridLineWidth() const { return gridLineWidth_; }
  void SetGridLineWidth(int v);
  TGridOptions Options() const { return options_; }
  void SetOptions(TGridOptions v);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle v);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle v);
  TColor FixedColor() const { return fixedColor_; }
  void SetFixedColor(TColor v);
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool v) { defaultDrawing_ = v; Invalidate(); }

  int Col() const { return current_.X; }
  void SetCol(int v);
  int Row() const { return current_.Y; }
  void SetRow(int v);
  int LeftCol() const { return topLeft_.X; }
  void SetLeftCol(int v);
  int TopRow() const { return topLeft_.Y; }
  void SetTopRow(int v);
  TGridRect Selection() const;
  void SetSelection(const TGridRect& v);
  int VisibleColCount();
  int VisibleRowCount();
  int GridWidth();
  int GridHeight();

  // Where cells are on screen: empty for cells out of view; BoxRect covers a block.
  TRect CellRect(int col, int row);
  TRect BoxRect(int left, int top, int right, int bottom);
  // The cell under a client point; -1, -1 outside every cell.
  TGridCoord MouseCoord(int x, int y);
  void MouseToCell(int x, int y, int& col, int& row);
  // The same for a point of the grid's own layout (see GridX).
  TGridCoord CoordAt(int gridX, int y);
  // The grid lays out its cells left to right and, when its columns are seen mirrored, shows
  // them mirrored within the client width. GridX turns a client x into the layout's x and
  // back (mirroring twice is no mirroring); GridToClient gives where a rectangle of the
  // layout is seen.
  int GridX(int x);
  TRect GridToClient(const TRect& rect);

  bool EditorMode() const { return editorMode_; }
  void SetEditorMode(bool v);
  void ShowEditor();
  void HideEditor();
  TInplaceEdit* InplaceEditor() const { return inplaceEdit_; }
  TGridState GridState() const { return gridState_; }

  virtual void CalcDrawInfo(TGridDrawInfo& info);
  virtual void CalcDrawInfoXY(TGridDrawInfo& info, int useWidth, int useHeight);

  virtual void InvalidateCell(int col, int row);
  void InvalidateCol(int col);
  void InvalidateRow(int row);
  void InvalidateGrid() { Invalidate(); }
  void InvalidateEditor();

 protected:
  friend class TInplaceEdit;
  static const TMessageMap& ClassMessages();
  const TMessageMap& MessageMap() const override { return ClassMessages(); }
  void CreateParams(TCreateParams& params) override;
  void Notification(TComponent* component, TOperation operation) override;

  // Hooks a subclass overrides.
  virtual void DrawCell(int col, int row, const TRect& rect, TGridDrawState state);
  virtual void DrawCellBackground(const TRect& rect, TColor color, TGridDrawState state, int col, int row);
  virtual bool SelectCell(int col, int row);
  virtual void ColumnMoved(int fromIndex, int toIndex);
  virtual void RowMoved(int fromIndex, int toIndex);
  virtual void ColWidthsChanged();
  virtual void RowHeightsChanged();
  virtual void TopLeftChanged();
  virtual void SizeChanged(int oldColCount, int oldRowCount);
  virtual void TimedScroll(TGridScrollDirection direction);
  virtual bool BeginColumnDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool CheckColumnDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool EndColumnDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool BeginRowDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool CheckRowDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool EndRowDrag(int& origin, int& destination, TPoint mousePt);
  virtual bool CanEditShow();
  // Whether the columns are seen mirrored within the client width (right to left).
  virtual bool ColumnsMirrored() { return false; }
  virtual bool CanEditModify();
  virtual bool CanEditAcceptKey(char16_t key);
  virtual bool CanGridAcceptKey(uint16_t key, TShiftState shift);
  virtual String GetEditText(int col, int row);
  virtual void SetEditText(int col, int row, const String& value);
  virtual String GetEditMask(int col, int row);
  virtual int GetEditLimit();
  virtual TInplaceEdit* CreateEditor();
  // The sizing state at layout point (x, y) (see GridX).
  virtual void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos,
                               int& sizingOfs, TGridDrawInfo& info);
  void Paint() override;

  // Moves and selections.
  void MoveColumn(int fromIndex, int toIndex);
  void MoveRow(int fromIndex, int toIndex);
  void FocusCell(int col, int row, bool moveAnchor);
  void MoveCurrent(int col, int row, bool moveAnchor, bool show);
  void MoveColRow(int col, int row, bool moveAnchor, bool show) { MoveCurrent(col, row, moveAnchor, show); }
  // Whether a press at the client point would size a column or row.
  bool Sizing(int x, int y);
  void MoveAnchor(TGridCoord anchor);
  void MoveTopLeft(int left, int top);
  void ClampInView(TGridCoord coord);
  TGridCoord CalcMaxTopLeft(TGridCoord coord, const TGridDrawInfo& info);
  TGridCoord CalcCoordFromPoint(int x, int y, const TGridDrawInfo& info);
  TRect GridRectToScreenRect(const TGridRect& rect, bool includeLine);
  void InvalidateRect(const TGridRect& rect);
  bool IsActiveControl();
  void UpdateEdit();
  void HideEdit();
  void UpdateText();
  void UpdateScrollRange();

  // Input.
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

  int& SizingIndex() { return sizingIndex_; }
  int& SizingPos() { return sizingPos_; }
  int MoveIndex() const { return moveIndex_; }
  int MovePos() const { return movePos_; }
  TGridCoord Anchor() const { return anchor_; }

 private:
  void WMGetDlgCode(TMessage& m);
  void WMChar(TMessage& m);
  void WMScroll(TMessage& m);
  void WMTimer(TMessage& m);
  void WMSetCursor(TMessage& m);
  void WMSize(TMessage& m);
  void WMFocus(TMessage& m);
  void WMCancelMode(TMessage& m);
  void ChangeSize(int newColCount, int newRowCount);
  TGridState SizingStateAt(int gridX, int y);
  void Initialize();
  void SetFixedCount(int& field, int v, int count, const char* tooBig);
  void SelectionMoved(const TGridRect& oldSel);
  void FollowMovedLine(int TGridCoord::*axis, int& inplace, int fromIndex, int toIndex);
  void TopLeftMoved(TGridCoord oldTopLeft);
  void UpdateScrollPos();
  void ScrollBy(int bar, int code, int pos);
  void ResizeLine(int index, bool cols);
  void CalcFixedAxis(TGridAxisDrawInfo& axis, TGridOptions lineOptions, int fixedCount, int firstCell,
                     int cellCount, std::function<int(int)> extent);
  void CalcAxis(TGridAxisDrawInfo& axis, int useExtent);
  void DrawCells(const TGridDrawInfo& info, int col, int row, TRect area, TColor color, TGridDrawState base);
  void DrawLines(const TGridDrawInfo& info, TGridCoord first, TRect area, bool horz, bool vert, TColor color);
  void DrawFixedEdges(TRect where, const TGridDrawInfo& info);
  void DrawSizingLine(const TGridDrawInfo& info);
  void DrawMove();
  void MoveAndScroll(int mouse, int cellHit, TGridDrawInfo& info, bool cols, TPoint mousePt);
  bool StartMoving(TGridCoord hit, TPoint mousePt);
  void FinishSizing();
  void FinishMoving(TPoint mousePt);
  void EndGridState();
  void ShowEditorChar(char16_t ch);
  void NavigationKey(uint16_t key, TShiftState shift, TGridCoord& current, TGridCoord& topLeft, int pageWidth, int pageHeight);
  void TabKey(TShiftState shift, TGridCoord& current);

  std::vector<int> colWidths_;
  std::vector<int> rowHeights_;
  std::vector<bool> tabStops_;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  TGridOptions options_ = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
  TScrollStyle scrollBars_ = ssBoth;
  TBorderStyle borderStyle_ = bsSingle;
  TColor fixedColor_ = clBtnFace;
  bool defaultDrawing_ = true;
  TGridCoord current_{1, 1};
  TGridCoord anchor_{1, 1};
  TGridCoord topLeft_{1, 1};
  TGridState gridState_ = gsNormal;
  int sizingIndex_ = -1;
  int sizingPos_ = 0;
  int sizingOfs_ = 0;
  int moveIndex_ = -1;
  int movePos_ = -1;
  bool moveDrawn_ = false;
  bool editorMode_ = false;
  TInplaceEdit* inplaceEdit_ = nullptr;
  int inplaceCol_ = -1;
  int inplaceRow_ = -1;
  int wheelAccumulator_ = 0;
};

// A grid whose cells are drawn by the OnDrawCell event.
using TDrawCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, TRect Rect, TGridDrawState State)>;
using TSelectCellEvent = TEvent<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TDrawGrid : public TCustomGrid {
  DECLARE_CLASS(TDrawGrid, TCustomGrid)
 public:
  using TCustomGrid::TCustomGrid;
  TDrawCellEvent OnDrawCell;
  TSelectCellEvent OnSelectCell;

 protected:
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  bool SelectCell(int col, int row) override;
};
