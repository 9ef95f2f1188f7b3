#pragma once

#include <vector>

#include "gridlib/grid/grid_events.h"
#include "gridlib/grid/grid_filter_settings.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_input.h"
#include "gridlib/grid/grid_layout_pass.h"
#include "gridlib/grid/grid_messages.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/head_tree.h"
#include "gridlib/grid/mem_table_interface.h"
#include "platform/controls/grid.h"
#include "platform/controls/watched_component.h"
#include "platform/windows/scroll_bars.h"

class TCustomImageList;
class TBasicAction;
class TDBGridExCellEditing;
class TDBGridExCellPainter;
class TDBGridInplaceEdit;
class TDBGridExFilterEditing;
class TInplaceFilterEditEx;
class TDBGridExIncSearch;
class TDBGridExGridPainter;
class TDBGridExPaintView;
class TDBGridExScrollBar;
class TDBGridExToolTips;
class TDBGridExLinkRows;
class TDBGridExRecordAccessRows;
class TDBGridExRowSource;
class TChangeLink;
class TField;
struct THintInfo;

// The data grid control: a base grid that shows the records of a data set as rows and its
// columns as grid columns. Layout, painting, keys and mouse build on what this class holds.
class TCustomDBGridEx : public TCustomGrid, public TDBGridExHost, public TDBGridExInputBase {
  DECLARE_CLASS(TCustomDBGridEx, TCustomGrid)
 public:
  explicit TCustomDBGridEx(TComponent* owner);
  ~TCustomDBGridEx() override;

  // The data grid's own options and selection take the place of the base grid's.
  using TDBGridExHost::Options;
  using TDBGridExHost::SetOptions;
  using TDBGridExHost::Selection;

  TComponent* GridComponent() override { return this; }
  TFont* GridFont() override { return Font(); }
  TColor GridColor() override { return Color(); }
  TColor FixedColor() override { return TCustomGrid::FixedColor(); }
  TBiDiMode GridBiDiMode() override { return BiDiMode(); }
  bool GridHandleAllocated() override { return HandleAllocated(); }
  int DefaultColWidth() override { return TCustomGrid::DefaultColWidth(); }
  int GridColWidth(int dataCol) override;
  void SetGridColWidth(int dataCol, int width) override;
  int GridColCount() override { return ColCount(); }
  int GridRowCount() override { return RowCount(); }
  int TitleRowCount() override;
  int VisibleDataRowCount() override;
  bool InplaceEditorShowing() override;
  // The focused data column is the base grid's current column; choosing one moves it there
  // (not into the frozen columns, nor past the grid columns the last layout made).
  int SelectedIndex() override { return Col() - IndicatorOffset(); }
  void SetSelectedIndex(int dataCol) override;
  // The field of the focused column; nullptr without a focused column or when it shows none.
  TField* SelectedField() const;
  void InvalidateGrid() override { Invalidate(); }
  void InvalidateGridRect(const TRect& cells) override;
  void InvalidateGridRow(int row) override { InvalidateRow(row); }
  void InvalidateFooter() override;

  // Which kind of cell (col, row) is; raises for a row that belongs nowhere.
  TDBGridExCellType GetCellType(int col, int row);

  int FooterRowCount() const { return footerRowCount_; }
  void SetFooterRowCount(int value);
  int FrozenCols() const { return frozenCols_; }
  void SetFrozenCols(int value);
  int MinAutoFitWidth() const { return minAutoFitWidth_; }
  void SetMinAutoFitWidth(int value);
  int RowHeight() const { return rowHeight_; }
  void SetRowHeight(int value);
  int RowLines() const { return rowLines_; }
  void SetRowLines(int value);
  int TitleHeight() const { return titleHeight_; }
  void SetTitleHeight(int value);
  int TitleLines() const { return titleLines_; }
  void SetTitleLines(int value);
  int VTitleMargin() const { return vTitleMargin_; }
  void SetVTitleMargin(int value);
  bool RowSizingAllowed() const { return rowSizingAllowed_; }
  void SetRowSizingAllowed(bool value);
  bool SortLocal() const { return sortLocal_; }
  void SetSortLocal(bool value) { sortLocal_ = value; }
  TDBGridExEditActions EditActions() const { return editActions_; }
  void SetEditActions(TDBGridExEditActions value) { editActions_ = value; }
  TColor EvenRowColor() const { return evenRowColorAssigned_ ? evenRowColor_ : Color(); }
  void SetEvenRowColor(TColor value);
  bool IsEvenRowColorStored() const { return evenRowColorAssigned_; }
  TColor OddRowColor() const { return oddRowColorAssigned_ ? oddRowColor_ : Color(); }
  void SetOddRowColor(TColor value);
  bool IsOddRowColorStored() const { return oddRowColorAssigned_; }
  TCustomImageList* TitleImages() const { return titleImages_; }
  void SetTitleImages(TCustomImageList* value);
  // The multi-level title tree ("Root"), rebuilt by the layout pass.
  THeadTreeNode* TitleRoot() const { return layout_->TitleRoot(); }
  // The filter row's settings; assigning copies into the grid's own object.
  TSTDBGridExFilter* STFilter() const { return stFilter_.get(); }
  void SetSTFilter(TSTDBGridExFilter* value) { stFilter_->Assign(value); }
  // Whether the filter row shows under the titles.
  virtual bool STFilterVisible() { return stFilter_->Visible(); }
  // Filters the data set on the columns' filter expressions (OnApplyFilter when assigned, else
  // ApplyFilter), keeping the columns scrolled where they were.
  void ApplyFilterNow();
  // Hands the filter to the data service, which filters the data sets it knows.
  virtual void ApplyFilter();
  // Empties every column's filter expression (the data set keeps its filter until applied).
  void ClearAllFilters();
  // The filter row's editor over the filter cell of data column `dataCol` (when it has one
  // the user can type into); hidden keeping its text; leaving the filter row; placed again
  // over its cell (with `refresh`, focused and filled afresh).
  void ShowFilterEditor(int dataCol);
  void HideFilterEditor();
  void CloseFilterEditor();
  void PlaceFilterEditor(bool refresh);
  // The filter row is being edited.
  bool FilterEditorShown() const;
  TInplaceFilterEditEx* FilterEditor() const;
  TDBGridExFilterEditing* FilterEditing();
  void FilterExpressionShown() override;
  // Whether data column `dataCol` has a filter cell the user can type into.
  bool FilterCellEditable(int dataCol);
  // The text of data column `dataCol`'s filter cell.
  String FilterText(int dataCol);
  bool RowsThroughRecordAccess() override;

  // Each column's Width becomes the widest of its title, its data over every record and its
  // footers; nothing changes while the data link is inactive.
  void OptimizeColsWidth(const std::vector<TColumnEx*>& columns) override;
  // The data source as a component, for streaming.
  TComponent* DataSourceComponent() const;
  void SetDataSourceComponent(TComponent* value);

  // ---- Layout: how many grid rows and columns there are, and how big.
  void LayoutChanged() override;
  void FooterColorChanged() override;
  void FooterFontChanged() override;
  void TitleFontChanged() override;
  // The full layout pass; runs now, whatever locks are held (LayoutChanged respects them).
  void InternalLayout();
  // What the last layout pass measured and placed, for painting, hit tests and the editors.
  TDBGridExLayout* Layout() const { return layout_.get(); }
  // Row count and row heights; the data link buffers as many records as fit.
  using TCustomGrid::SetRowHeights;
  virtual void SetRowHeights();
  virtual void UpdateVertScrollBar();
  // Range and position of an external horizontal scroll bar.
  virtual void UpdateHorzScrollBar();
  TDBGridExScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
  void SetHorzScrollBar(TDBGridExScrollBar* value);
  TDBGridExScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
  void SetVertScrollBar(TDBGridExScrollBar* value);
  virtual void UpdateColWidthsAndTabStops();
  // Moves the current grid row to the data link's active record.
  virtual void UpdateActive();
  // Height of the title tree below `node` (its children's captions and sub-trees).
  int CalcTitleNodeHeight(THeadTreeNode* node);
  bool InLayoutPass() const { return inLayoutPass_; }
  // The record-access interface of the data set, when it offers one.
  IMemTableEx* RecordAccess() const;
  // Where the rows come from now: through the record-access interface (one grid row per
  // record; never with footers) or through the data link's buffer.
  TDBGridExRowSource* RowSource() const;
  // Asks the data set for its record-access interface again.
  void ReadRecordAccess();
  // Whether the grid may use a data set's record-access interface at all (it may at first);
  // a change asks the data set again.
  bool RecordAccessAllowed() const { return recordAccessAllowed_; }
  void SetRecordAccessAllowed(bool value);
  // Reading the record of a row that is not current goes through the row source.
  std::pair<int, int> ReadableDataRows() override;
  void SelectDataRow(int dataRow) override;
  void RestoreDataRow() override;
  int CurrentDataRow() override;
  // Record number (from 1) of data row `dataRow`; 0 when it shows no record.
  int DataRowRecNo(int dataRow);
  int TitleOffset() const { return layout_->TitleOffset(); }
  TEditButtonSizeEx EditButtonSize() override {
    return {layout_->EditButtonWidth(), layout_->EditButtonHeight(), Flat()};
  }
  // Posts one deferred-layout message unless one is already waiting.
  void DeferLayout();
  static constexpr int kIndicatorWidth = 11;
  void LinkActive(bool active) override;
  void TabStopsChanged() override { UpdateColWidthsAndTabStops(); }
  void RecreateGridWindow() override { RecreateWnd(); }
  void DataChanged() override;
  void Scroll(int distance) override;

  // ---- Where the data lies: the cells between the titles and the footers.
  // Grid cells of the data rows and columns (the last grid row when there are no footers).
  TGridRect DataBox();
  // The pixels of the data box.
  TRect DataRect();
  // Grid rows after the titles and before the footers' filler row.
  int DataRowCount();
  // The base grid's draw information plus the footer rows at the bottom.
  void CalcGridDrawInfo(TDBGridExDrawInfo& info);
  // Repaints every grid column whose column shows `field`, from the top to the last row shown.
  void InvalidateFieldColumns(const TField* field);
  // Repaints the cell and the grid line above it, which belongs to its look too.
  void InvalidateCell(int col, int row) override;
  // Repaints the current row's cell of data column `dataCol`.
  void InvalidateCurrentCell(int dataCol);

  // ---- Focus.
  // The focused window is the grid's or its in-place editor's.
  bool HasFocus() override;
  // Takes the focus when the grid may (never while designed); whether the grid, its editor
  // or its filter row's editor has it then. True when no attempt is made.
  bool TrySetFocus() override;
  // The focus test painting uses: the grid is its form's active control, or, without a form,
  // the focused window is the grid's or lies inside it.
  using TCustomGrid::IsActiveControl;

  // ---- Footer sums.
  void SetSumList(TDBGridExSumList* value) { SumList()->Assign(value); }
  void SumListReported(TDBGridExSumList* sumList, TSumListReport report) override;
  // The sums changed: rows, vertical bar, current row and editor follow, and the grid repaints.
  virtual void SumListRecalcAll();

  // The grid paints its cells with their texts and colours; without it only the drawing
  // events paint. Not the base grid's own drawing, which the data grid keeps off.
  bool DefaultDrawing() const { return defaultDrawing_; }
  void SetDefaultDrawing(bool value) { defaultDrawing_ = value; }

  // ---- Cell painting hands these to the application.
  virtual void GetCellParams(TColumnEx* column, TFont* font, TColor& background, TGridDrawState state) {
    OnGetCellParams.Call(this, column, font, background, state);
  }
  virtual void GetFooterParams(int dataCol, int row, TColumnEx* column, TFont* font, TColor& background,
                               TAlignment& alignment, TGridDrawState state, String& text) {
    OnGetFooterParams.Call(this, dataCol, row, column, font, background, alignment, state, text);
  }
  virtual void DrawColumnCell(const TRect& rect, int dataCol, TColumnEx* column, TGridDrawState state) {
    OnDrawColumnCell.Call(this, rect, dataCol, column, state);
  }
  virtual void DrawDataCell(const TRect& rect, TField* field, TGridDrawState state) {
    OnDrawDataCell.Call(this, rect, field, state);
  }
  // A column's edit button was clicked and the column has no action of its own for it.
  virtual void EditButtonClick() { OnEditButtonClick.Call(this); }

  TNotifyEvent OnApplyFilter;
  TDrawColumnExCellEvent OnDrawColumnCell;
  TDrawDataCellEvent OnDrawDataCell;
  TDrawFooterCellEvent OnDrawFooterCell;
  TNotifyEvent OnEditButtonClick;
  TGetBtnExParamsEvent OnGetBtnParams;
  TGetCellExParamsEvent OnGetCellParams;
  TGetFooterParamsEvent OnGetFooterParams;
  TMoveRecordsEvent OnMoveRecords;
  TNotifyEvent OnSortMarkingChanged;
  TNotifyEvent OnSumListAfterRecalcAll;

  // ---- Record moving by the indicator (grid_record_moving.cpp; the drag is the input
  // controller's).
  // Whether a move from grid row `originRow` may start; a descendant can refuse.
  virtual bool CanStartMoving(int originRow, int targetRow, TPoint point);
  // Where the drop mark over grid row `targetRow` starts, and the tree level a drop there
  // gives (-1 outside a tree).
  virtual int CalcMoveDropMark(int targetRow, int y, int& level);
  // Moves the records to record `toRecNo` (from 1), or with `checkOnly` answers whether they
  // could go there: OnMoveRecords when assigned, else DefaultMoveRecords.
  virtual bool MoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly);
  // The record-access interface or the data service moves them; after a move the first of them
  // is current and the records shown keep their place.
  virtual bool DefaultMoveRecords(TBookmarkListEx* bookmarks, int toRecNo, int treeLevel, bool checkOnly);
  // The base grid's end-of-row-drag check, asked before a drop.
  bool RecordDropAllowed(int originRow, int targetRow, TPoint point);

  // ---- Keyboard and mouse: the input controller does the work.
  TDBGridExInput* Input() const { return input_.get(); }
  // Update counter: while it is held, a resize waits for its end.
  void BeginUpdate() { ++updateLock_; }
  void EndUpdate();
  bool UpdateLocked() const { return updateLock_ > 0; }
  TNotifyEvent OnSumListRecalcAll;

  // ---- What the grid tells the application.
  virtual void CellClick(TColumnEx* column) { OnCellClick.Call(column); }
  // Whether the title of data column `dataCol` acts as a button.
  virtual bool CheckTitleBtn(int dataCol);
  virtual void ColEnter();
  virtual void ColExit() { OnColExit.Call(this); }
  virtual void TitleBtnClick(int dataCol, TColumnEx* column) { OnTitleBtnClick.Call(this, dataCol, column); }
  virtual void TitleClick(TColumnEx* column) { OnTitleClick.Call(column); }
  // Plain title rows: 1 with dgTitles.
  int TitlesShown() const { return Options().Contains(dgTitles) ? 1 : 0; }
  // A focus frame around the whole current row.
  bool RowFocusFrameWanted();
  bool EditorAlwaysShown() const { return Options().Contains(dgAlwaysShowEditor); }
  bool FindDialogFlag() const { return true; }
  // Appends every field of the data set.
  void GetUsedFields(std::vector<TField*>& fields) const;

  TDBGridExColumnEvent OnCellClick;
  TDBGridExCheckButtonEvent OnCheckButton;
  TNotifyEvent OnColEnter;
  TNotifyEvent OnColExit;
  TDBGridExTitleBtnEvent OnTitleBtnClick;
  TDBGridExColumnEvent OnTitleClick;
  TNotifyEvent OnColWidthsChanged;
  TEvent<void(TObject* Sender, int FromIndex, int ToIndex)> OnColumnMoved;
  // The grid draws its own flat border instead of the window's.
  bool DrawsFlatBorder() const { return drawsFlatBorder_; }

  // ---- Painting: the cell painter and the grid painter do the work.
  void DrawCell(int col, int row, const TRect& rect, TGridDrawState state) override;
  // Whether WM_PAINT goes through an off-screen bitmap (once true, the grid keeps doing so).
  virtual bool NeedsDoubleBuffer();
  TDBGridExCellPainter* CellPainter() const { return cellPainter_.get(); }

  // ---- In-place editing (grid_editing.cpp).
  void ShowInplaceEditor() override;
  void RefreshInplaceEditor() override;
  void UpdateScrollBarsAndEditor() override;
  void UpdateData() override;
  void RecordChanged(TField* field) override;
  bool EditorKeepsTypedText() override;
  // Puts the current record into edit mode for the current cell; whether it is edited now.
  bool BeginCellEdit();
  // The current column's field takes its value from the record above (Ctrl+').
  void CopyFromPreviousRecord();
  bool IsLookupKeyInList(TColumnEx* column);
  // The record's value changed under the editor: it shows the new value.
  void ReloadInplaceEditor();
  // The columns changed under the editor (moved, hidden or deleted): its text goes into the
  // column it was typed in, or with that column, and the editor shows the current cell.
  void KeepEditorTextWithItsColumn();
  // Writes the editor's text into the field of its column before the program moves the current
  // cell or changes the columns. A value the field refuses is the user's, not the program's:
  // it is reported to the user and dropped, and nothing is raised into the program's call (nor
  // out of a layout, which may run at the end of an update bracket).
  void WriteEditorText();
  void ForgetColumn(const TCollectionItem* column) override;
  TDBGridExCellEditing* CellEditing() const { return cellEditing_.get(); }
  // The column of the focused cell; nullptr when there is none.
  TColumnEx* CellEditingColumn() const;
  // The in-place editor as the grid's own kind; nullptr before it is made (grid_inplace_editor.cpp).
  TDBGridInplaceEdit* DBInplaceEditor() const;
  // The edit buttons of `column` in a cell at `rect`: in layout coordinates (GridX), as cells
  // are painted and clicked, or, `onScreen`, as the cell shows in the window (the editor over
  // it). A right-to-left column has them at the left end of the cell on screen.
  TCellEditButtonsEx EditButtonRects(TColumnEx* column, const TRect& rect, bool onScreen = false);
  // The edit buttons of grid cell (col, row) in layout coordinates; none for a cell that is
  // not a data column's or whose column does not always show them.
  TCellEditButtonsEx EditButtonRects(int col, int row);
  // A press at layout (x, y) goes on to the shown editor (its buttons) as its own press.
  void PressInplaceEditor(int x, int y);

  // ---- Incremental search (grid_inc_search.cpp).
  bool IncSearchActive() const;
  const String& IncSearchText() const;
  // Whether typed characters search rather than edit now.
  bool IncSearchApplies();
  // Direction 0 from the first record, 1 the next match, 2 the prior one.
  void StartInplaceSearch(const String& text, int timeOut, int direction);
  void StopInplaceSearch();
  // The search's share of key handling; true when the key was used (it is then 0).
  bool IncSearchKeyDown(uint16_t& key, TShiftState shift);
  void IncSearchKeyPress(char16_t& key);
  // Backspace: the search text loses its last whole character.
  void IncSearchBackspace();
  // The running search's time-out (ms; negative: until stopped).
  int IncSearchTimeOut() const;
  // The search timer (WM_TIMER kIncSearchTimerId) ran out.
  void IncSearchTimerFired();
  // While the search moves the data set its highlight is not painted.
  bool IncSearchPaintHeld() const;
  static constexpr uintptr_t kIncSearchTimerId = 2;

  // ---- Edit actions, clipboard and sorting (grid_actions.cpp).
  bool ExecuteAction(TBasicAction* action) override;
  bool UpdateAction(TBasicAction* action) override;
  bool CanCopy();
  bool CanPaste();
  bool CanCut();
  bool CanDelete();
  bool CanSelectAll();
  // Runs the command when EditActions holds it and its Can rule allows it; whether it ran.
  bool RunEditCommand(TDBGridExEditAction command);
  // The sort markers changed: the application's handler or the data service sorts.
  virtual void SortMarkingChanged();
  virtual void ApplySorting();

 protected:
  // For a descendant that makes columns, column defaults or scroll-bar settings of its own
  // kinds: its constructor starts the grid with this one and calls CreateGridParts() last,
  // when its own CreateColumnDefValues, CreateColumns and CreateScrollBar are in force.
  struct TPartsMadeLater {};
  TCustomDBGridEx(TComponent* owner, TPartsMadeLater);
  void CreateGridParts();
  // Kind 1 is the vertical bar's settings, any other the horizontal's.
  virtual TDBGridExScrollBar* CreateScrollBar(int kind);

  // The user dragged a grid column: the column moves in the collection.
  void ColumnMoved(int fromIndex, int toIndex) override;
  void CreateParams(TCreateParams& params) override;
  // The user resized grid columns: the columns take the new widths (under auto-fit, their
  // design widths).
  void ColWidthsChanged() override;
  void GridOptionsChanged() override;
  void Notification(TComponent* component, TOperation operation) override;
  // Whether a column shows `field` (compared by address: it may be gone already).
  bool ColumnBoundTo(const TComponent* field);
  void Loaded() override;
  void CreateWnd() override;
  void TopLeftChanged() override;
  // A row the user resized sets the height of every data row.
  void RowHeightsChanged() override;
  // Sizing by the edges the base grid finds, corrected for the data grid: an edge past the
  // last column sizes the last one, a lone scrolled column wider than the window sizes
  // itself, and rows are sized in the indicator only.
  void CalcSizingState(int x, int y, TGridState& state, int& index, int& sizingPos, int& sizingOfs,
                       TGridDrawInfo& info) override;
  // Holding the mouse above or below the data moves the data set past the rows shown.
  void TimedScroll(TGridScrollDirection direction) override;
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;
  void Paint() override;
  void DoExit() override;
  TInplaceEdit* CreateEditor() override;
  bool CanEditShow() override;
  // Right to left the grid is painted mirrored, and its input and editors follow.
  bool ColumnsMirrored() override { return BiDiMode() == bdRightToLeft; }
  bool CanEditModify() override;
  bool CanEditAcceptKey(char16_t key) override;
  String GetEditText(int col, int row) override;
  void SetEditText(int col, int row, const String& value) override;
  String GetEditMask(int col, int row) override;
  int GetEditLimit() override;
  void KeyDown(uint16_t& key, TShiftState shift) override;
  void KeyPress(char16_t& key) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool DoMouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;

 private:
  // The row sources lay out the rows and move the current one for the grid.
  friend class TDBGridExLinkRows;
  friend class TDBGridExRecordAccessRows;
  // The layout pass fits RowLines and RowHeight to the text without laying out again.
  friend class TDBGridExLayout;
  // What the input controller keeps of the base grid's own handling.
  void BaseMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void BaseMouseMove(TShiftState shift, int x, int y) override;
  void BaseMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void BaseKeyPress(char16_t& key) override;
  void BaseChar(TMessage& m) override;
  void KeyPressOnly(TMessage& m) override;
  bool AcceptsKey(uint16_t key, TShiftState shift) override;
  void FireKeyDown(uint16_t& key, TShiftState shift) override;
  void FireMouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void FireMouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  bool OverSizingLine(int x, int y) override { return Sizing(GridX(x), y); }
  bool ColumnSizingAt(int x, int y, TFrozenSizing& sizing) override;
  // Input messages the controller takes before the base grid; false for the others.
  bool InputMessage(TMessage& m);
  void FocusMessage(TMessage& m);
  // Whether `window` is the filter row's editor (or the edit inside it), the cell editor.
  bool InFilterEditor(HWND window) const;
  bool InInplaceEditor(HWND window) const;
  // The editor's EN_CHANGE, and an input method starting to compose; false for the others.
  bool EditorMessage(TMessage& m);
  // A right-button release over a column with a pop-up menu of its own shows it.
  bool ColumnPopup(TMessage& m);
  void FollowClientSize();
  // CM_HINTSHOW without a hint of the grid's own: a title's hint or a cut cell's whole text.
  TDBGridExToolTips* ToolTips();

  void CreatePainters();
  void DestroyPainters();
  // Paint, erase and frame messages; false for the others.
  bool PaintMessage(TMessage& m);
  // Auto-fit: columns share the client width (grid_auto_fit.cpp).
  void AutoFitColumns();
  void TakeParentFont();
  void TakeParentColor();
  void DropPendingDeferredLayout();
  void AfterMessage(TMessage& m);
  int UsedRowHeight() const;
  void SetRowCountKeepingCurrent(int count);
  void ApplyVertScrollInfo(const SCROLLINFO& old, SCROLLINFO info);
  void ShowVertBarByMode(const SCROLLINFO& info);
  // Whether `component` is the data set that lent the record-access interface.
  bool LentRecordAccess(const TComponent* component) const;
  void RecordAccessSetGone();
  // The current row goes to grid row `row` (the editor hidden unless always shown).
  void MoveCurrentRowTo(int row, bool show);
  void UpdateExtVertBar(const SCROLLINFO& info);
  int LargestLeftCol();
  int FirstResizedDataRow();

  void SyncColumnWidths();
  int NextVisibleColumn(int index) const;
  void ShiftDesignWidth(int index, int width);
  void RescaleRightPart(int index, const std::vector<int>& widths);

  int footerRowCount_ = 0;
  int frozenCols_ = 0;
  int minAutoFitWidth_ = 0;
  int rowHeight_ = 0;
  int rowLines_ = 0;
  int titleHeight_ = 0;
  int titleLines_ = 0;
  int vTitleMargin_ = 10;
  bool rowSizingAllowed_ = false;
  bool inLayoutPass_ = false;
  bool settingRows_ = false;
  String savedImeName_;
  TImeMode savedImeMode_ = imDontCare;
  std::unique_ptr<TDBGridExLayout> layout_;
  // The row sources: the data link's buffer always, the record-access interface while the
  // data set lends it.
  std::unique_ptr<TDBGridExLinkRows> linkRows_;
  std::unique_ptr<TDBGridExRecordAccessRows> recordRows_;
  bool recordAccessAllowed_ = true;
  std::unique_ptr<TDBGridExScrollBar> horzScrollBar_;
  std::unique_ptr<TDBGridExScrollBar> vertScrollBar_;
  TScrollBarVisibleModeEx vertModeApplied_ = sbAutoShowEx;
  bool sortLocal_ = false;
  TDBGridExEditActions editActions_;
  bool drawsFlatBorder_ = false;
  bool defaultDrawing_ = true;
  // The user is sizing a row with the mouse (RowHeightsChanged turns it into RowHeight).
  bool userRowResize_ = false;
  bool inSumListChange_ = false;
  // TopRow was the first row under the titles when the grid last scrolled.
  bool topRowAtTitles_ = true;
  // The title and footer fonts are taking the grid's font from its parent.
  bool takingParentFont_ = false;
  // The footer colour is taking the grid's colour from its parent.
  bool takingParentColor_ = false;
  TColor evenRowColor_ = clWindow;
  TColor oddRowColor_ = clWindow;
  bool evenRowColorAssigned_ = false;
  bool oddRowColorAssigned_ = false;
  TCustomImageList* titleImages_ = nullptr;
  std::unique_ptr<TChangeLink> titleImageLink_;
  std::unique_ptr<TSTDBGridExFilter> stFilter_;
  std::unique_ptr<TDBGridExFilterEditing> filterEditing_;
  std::unique_ptr<TDBGridExPaintView> paintView_;
  std::unique_ptr<TDBGridExCellPainter> cellPainter_;
  std::unique_ptr<TDBGridExGridPainter> gridPainter_;
  std::unique_ptr<TDBGridExCellEditing> cellEditing_;
  std::unique_ptr<TDBGridExIncSearch> incSearch_;
  std::unique_ptr<TDBGridExToolTips> toolTips_;
  std::unique_ptr<TDBGridExInput> input_;
  int updateLock_ = 0;
  bool pendingResize_ = false;
};

// Holds the grid's update counter for the life of the scope.
// A handler run meanwhile may free the grid: the lock then ends with it.
class GridUpdateLock {
 public:
  explicit GridUpdateLock(TCustomDBGridEx* grid) : grid_(grid) { grid->BeginUpdate(); }
  ~GridUpdateLock() {
    if (auto* grid = static_cast<TCustomDBGridEx*>(grid_.Get())) grid->EndUpdate();
  }
  GridUpdateLock(const GridUpdateLock&) = delete;
  GridUpdateLock& operator=(const GridUpdateLock&) = delete;

 private:
  TWatchedComponent grid_;
};

// The published grid.
class TDBGridEx : public TCustomDBGridEx {
  DECLARE_CLASS(TDBGridEx, TCustomDBGridEx)
 public:
  explicit TDBGridEx(TComponent* owner) : TCustomDBGridEx(owner) {}
  static void Publish();
};
