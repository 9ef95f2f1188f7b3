#pragma once

#include <cstdint>
#include <memory>

#include "gridlib/grid/grid_types.h"
#include "gridlib/grid/tree_nodes.h"
#include "platform/controls/control_types.h"
#include "platform/core/types.h"
#include "platform/data/db_types.h"

class TCustomDBGridEx;
class TColumnEx;
class TDBGridExRecordDrag;
struct TMessage;

// What the grid's keyboard and mouse are doing between a press and its release.
enum TGridInputState : uint8_t {
  gisIdle,
  // Dragging a selection: records in the indicator, cells, a rectangle or whole columns.
  gisSelecting,
  // Sizing a column or a row with the mouse (the base grid's, or a frozen column's).
  gisSizing,
  // Dragging a column by its title to another place.
  gisMovingColumn,
  // A title button is held down.
  gisTitleDown,
  // Dragging records by their indicator to another place.
  gisDraggingRecords,
};

// A column the controller sizes itself (a frozen one, or any while the width follows the
// mouse): which grid column, where its edge is now, and how far the press was from the edge.
// Under right-to-left alignment the positions are those of the unmirrored columns.
struct TFrozenSizing {
  int Col = -1;
  int Position = 0;
  int Offset = 0;
};

// What a selecting drag selects.
enum TGridSelectDrag : uint8_t { gsdNone, gsdRecords, gsdColumns, gsdRectangle, gsdCells };

// The editing side of the grid as the keys reach it: edit actions, copying from the record
// above and the incremental search. The controller starts with this one, which edits and
// searches nothing; the grid installs its own with TDBGridExInput::SetEditKeys.
class TDBGridExEditKeys {
 public:
  virtual ~TDBGridExEditKeys() = default;
  // Runs `action` when EditActions and the action's Can rule allow it; whether it ran.
  virtual bool ExecuteAction(TDBGridExEditAction action) { (void)action; return false; }
  // The current column takes the value it has in the record shown above (Ctrl+').
  virtual void CopyFromPreviousRecord() {}
  virtual bool SearchRunning() { return false; }
  // Whether typed characters search rather than edit now.
  virtual bool SearchApplies() { return false; }
  // The search's keys (Ctrl+F, and while it runs Enter, Esc, F2, Backspace, find next and
  // prior, pasting); true when the key was used up.
  virtual bool SearchKeyDown(uint16_t& key, TShiftState shift) { (void)key; (void)shift; return false; }
  // A typed character continues or starts the search where it applies (the key becomes 0).
  virtual void SearchKeyPress(char16_t& key) { (void)key; }
  virtual void StopSearch() {}
};

// The base grid's own input handling, which the data grid keeps for sizing and moving columns
// and rows and for opening its editor. The grid implements it.
class TDBGridExInputBase {
 public:
  virtual void BaseMouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void BaseMouseMove(TShiftState shift, int x, int y) = 0;
  virtual void BaseMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void BaseKeyPress(char16_t& key) = 0;
  // The base grid's WM_CHAR: it may open the editor with the character.
  virtual void BaseChar(TMessage& m) = 0;
  // Only the key-press handling of a WM_CHAR (OnKeyPress and KeyPress), no editor.
  virtual void KeyPressOnly(TMessage& m) = 0;
  // The base grid's key-acceptance test.
  virtual bool AcceptsKey(uint16_t key, TShiftState shift) = 0;
  // Only the application's events, without the base grid's navigation.
  virtual void FireKeyDown(uint16_t& key, TShiftState shift) = 0;
  virtual void FireMouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void FireMouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
  // Whether a press at (x, y) would size a column or a row.
  virtual bool OverSizingLine(int x, int y) = 0;
  // Whether a press at (x, y) would size a column (not a frozen one), and which.
  virtual bool ColumnSizingAt(int x, int y, TFrozenSizing& sizing) = 0;

 protected:
  ~TDBGridExInputBase() = default;
};

// The grid's keyboard and mouse: turns keys, presses, moves, releases and the wheel into
// operations on the grid and its data set, in one explicit state at a time. The grid owns it
// and forwards its input overrides to it.
class TDBGridExInput {
 public:
  TDBGridExInput(TCustomDBGridEx* grid, TDBGridExInputBase* base);
  ~TDBGridExInput();
  TDBGridExInput(const TDBGridExInput&) = delete;
  TDBGridExInput& operator=(const TDBGridExInput&) = delete;

  TGridInputState State() const { return state_; }
  TGridSelectDrag SelectDrag() const { return selectDrag_; }
  // The grid column whose title button is drawn pressed; -1 for none.
  int PressedTitleCol() const { return titleLooksPressed_ ? pressedTitleCol_ : -1; }

  TDBGridExEditKeys* EditKeys() const { return editKeys_.get(); }
  void SetEditKeys(std::unique_ptr<TDBGridExEditKeys> keys);
  // Moving records by their indicator, while the state is gisDraggingRecords.
  TDBGridExRecordDrag* RecordDrag() const { return recordDrag_.get(); }

  // ---- Keys.
  void KeyDown(uint16_t& key, TShiftState shift);
  void KeyPress(char16_t& key);
  // WM_CHAR before the base grid sees it.
  void Char(TMessage& m);

  // ---- Mouse.
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  bool MouseWheel(TShiftState shift, int wheelDelta);
  // Timer 1 ticked: auto-scroll while selecting, or follow the mouse while moving records.
  void TimerTick();
  // WM_CANCELMODE, CM_CANCELMODE, Esc: ends every mouse operation without applying it.
  void StopTracking();
  // A key went up: releasing Ctrl runs a sort deferred while it was held.
  void KeyUp(uint16_t key);
  // WM_LBUTTONDOWN or WM_RBUTTONDOWN on an editable filter cell edits it; false elsewhere.
  bool FilterRowPress(TMessage& m);
  // The focus goes (not to the grid's own editor): a sort deferred while Ctrl was held runs now.
  void FocusLost();
  // Title clicks with Ctrl held changed the sort markers; the sort waits for Ctrl's release.
  bool SortMarkingPending() const { return sortPending_; }

  // ---- Operations the keys and the mouse share.
  // Moves the data set's cursor by `distance` records (to its first or last with toEnd),
  // extending a record or rectangle selection with `select`.
  void SelectMoveBy(bool select, int distance, bool noRectangle, bool toEnd);
  // Makes grid column `col` current, stepping past hidden columns in `direction`.
  void MoveCol(int col, int direction, bool select);
  void TabMove(bool forward);
  // The selection goes when the grid clears it on moves (dghClearSelection).
  void ClearSelectionOnMove();
  // Whether the pointer at (x, y) shows the column-sizing cursor of an edge the controller
  // sizes itself.
  bool ShowsOwnSizingCursor(int x, int y);
  // The pointer's shape at (x, y) in the client area: the grid's own over the indicator and the
  // column-selection strip of the titles, and while its own operations run; 0 leaves it to the
  // base grid.
  intptr_t CursorAt(int x, int y);

 private:
  bool Ctrl(TShiftState shift) const { return shift.Contains(ssCtrl); }
  bool ShiftSelect(TShiftState shift) const;
  void SetState(TGridInputState state, TGridSelectDrag drag = gsdNone);
  void StartTimer(int interval);
  void StopTimer();

  // Keys.
  bool ShortcutKey(uint16_t& key, TShiftState shift);
  void CtrlKey(uint16_t& key, TShiftState shift);
  void PlainKey(uint16_t& key, TShiftState shift);
  bool RectangleWanted() const;
  void MoveOrSelect(bool select, int distance, bool toEnd);
  void MoveToEnd(bool select, int direction);
  void PageKey(bool select, int distance);
  bool UntouchedInsert() const;
  void PriorRow(bool select);
  void NextRow(bool select);
  bool CanChangeRecords() const;
  void HorizontalKey(int direction, bool select);
  void EscapeKey();
  void InsertKey(TShiftState shift);
  void CtrlDelete();
  void ClearGraphicCell();
  bool BrowsingRecords() const;
  bool SpaceStepsCell();

  // Moving with the selection.
  void MoveDataSet(int distance, bool toEnd);
  void SelectRectangleMove(bool select, int distance, bool toEnd);
  void SelectRecordsMove(bool select, int distance, bool toEnd);
  bool AnchorGivesSelected() const;
  bool MarkBeforeStep(bool select, int step);
  bool ChangeColumn(int col);

  // Mouse.
  void DoubleClick(TShiftState shift, int x, int y);
  bool FitColumnsAtDivider(int x, int y);
  bool TitlePress(TMouseButton button, TShiftState shift, TGridCoord cell, const TDBGridExCellType& type, int x, int y);
  bool InLeafTitle(TGridCoord cell, int dataCol, int y);
  bool TitleButtonEnabled(int dataCol);
  void IndicatorTitlePress();
  void StartColumnMove(TShiftState shift, int x, int y);
  bool ColumnSelectStrip(TGridCoord cell, int y);
  void StartColumnSelection(TShiftState shift, int dataCol);
  void DataPress(TMouseButton button, TShiftState shift, TGridCoord cell, const TDBGridExCellType& type, int x, int y);
  void CellSelectionPress(TMouseButton button, TShiftState shift, const TDBGridExCellType& type, int oldCol,
                          const TBookmark& oldBookmark);
  void RecordSelectionPress(TMouseButton button, TShiftState shift, const TDBGridExCellType& type, bool indicator);
  void TitleDrag(TShiftState shift, int x, int y);
  bool OverTitle(int col, int x, int y);
  void SelectionDrag(bool moved, TShiftState shift, int x, int y);
  void ColumnDrag(int x, int y);
  // One step of scrolling while a selection is dragged, with the mouse at `at`.
  void TimerStep(TPoint at);
  // Where the mouse is now, on the grid's layout.
  TPoint MouseInGrid() const;
  bool ScrollColumn(int direction);
  void ColumnScrollStep(int x);
  void SelectionScrollStep(TPoint at);
  void SideStep(int direction);
  void SelectColumnsTo(int col);
  void PendingClickUp(TShiftState shift);
  void TitleRelease(TShiftState shift, int x, int y);
  void ClickEvents(TShiftState shift, int x, int y);
  void RunPendingSort();

  // The filter row.
  bool EnterFilterRow(TShiftState shift);
  bool CharToFilterRow(const TMessage& m);
  int FilterColumnToEnter();


  // Sizing frozen columns.
  bool FrozenSizingAt(int x, int y, TFrozenSizing& sizing);
  void StartFrozenSizing(const TFrozenSizing& sizing);
  int SizedColumnLeft(int col);
  bool WidthFitsAutoFit(int position);
  void FrozenSizingMove(int x);
  void FinishFrozenSizing();
  void CancelFrozenSizing();
  void DrawFrozenSizingLine();

  TCustomDBGridEx* grid_;
  TDBGridExInputBase* base_;
  TDBGridExTreeNodes treeNodes_;
  std::unique_ptr<TDBGridExEditKeys> editKeys_;
  std::unique_ptr<TDBGridExRecordDrag> recordDrag_;
  TGridInputState state_ = gisIdle;
  TGridSelectDrag selectDrag_ = gsdNone;
  // The grid column whose title button is held; -1 for none. It looks pressed while the
  // mouse is over it.
  int pressedTitleCol_ = -1;
  bool titleLooksPressed_ = false;
  // In toggle mode a record reached while extending gets the opposite of the anchor's former
  // state; otherwise it gets selected.
  bool toggleMode_ = false;
  // A Shift extension of the record selection is under way from the anchor record.
  bool extending_ = false;
  TBookmark anchorBookmark_;
  bool anchorWasSelected_ = false;
  // The press went down on a selected cell: a drag of the control may follow.
  bool clickOnSelection_ = false;
  // A right press on a title is handled as a left one.
  bool rightAsLeft_ = false;
  TPoint downPoint_;
  TPoint lastPoint_;
  TShiftState lastShift_;
  // The graphic cell the left button went down on; X -1 for none.
  TGridCoord checkCell_{-1, -1};
  bool timerRunning_ = false;
  int timerInterval_ = -1;
  bool sortPending_ = false;
  bool inColExit_ = false;
  bool frozenSizing_ = false;
  TFrozenSizing frozen_;
  int wheelRest_ = 0;
};
