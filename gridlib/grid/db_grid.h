#pragma once

#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_scroll_bars.h"
#include "gridlib/grid/head_tree.h"
#include "gridlib/grid/mem_table_interface.h"
#include "platform/controls/grid.h"
#include "platform/windows/scroll_bars.h"

class TCustomImageList;
class TDBGridExScrollBar;
class TChangeLink;

// Where a grid cell lies: column kind 0 indicator, 1 data; row kind 0 title, 1 filter row,
// 2 data, 3 the filler row above the footers, 4 footer.
struct TDBGridExCellType {
  int ColKind = 0;
  int RowKind = 0;
  int DataCol = 0;
  int DataRow = 0;
};

class TField;

using TDBGridExColumnEvent = TEvent<void(TColumnEx* Column)>;
using TDBGridExCheckButtonEvent = TEvent<void(TObject* Sender, int ACol, TColumnEx* Column, bool& Enabled)>;
using TDBGridExTitleBtnEvent = TEvent<void(TObject* Sender, int ACol, TColumnEx* Column)>;

// The data grid control: a base grid that shows the records of a data set as rows and its
// columns as grid columns. Layout, painting, keys and mouse build on what this class holds.
class TCustomDBGridEx : public TCustomGrid, public TDBGridExHost {
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
  void InvalidateGrid() override { Invalidate(); }
  void InvalidateGridRect(const TRect& cells) override;
  void InvalidateGridRow(int row) override { InvalidateRow(row); }

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
  // The multi-level title tree ("Root") and each column's leaf, rebuilt by the layout.
  THeadTreeNode* TitleRoot() const { return titleRoot_.get(); }
  std::vector<THeadTreeNode*>& TitleLeaves() { return titleLeaves_; }
  // The data source as a component, for streaming.
  TComponent* DataSourceComponent() const;
  void SetDataSourceComponent(TComponent* value);

  // ---- Layout: how many grid rows and columns there are, and how big.
  void LayoutChanged() override;
  void FooterColorChanged() override;
  void FooterFontChanged() override;
  // The full layout pass; runs now, whatever locks are held (LayoutChanged respects them).
  void InternalLayout();
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
  IMemTableEx* MemTableIntf() const { return memTable_; }
  // One grid row per record, driven by the interface (never with footers).
  bool InMemTableMode() const { return memTable_ != nullptr && footerRowCount_ == 0; }
  // Asks the data set for its record-access interface again.
  void ReadMemTableIntf();
  // Reading the record of a row that is not current goes through the interface in that mode.
  std::pair<int, int> ReadableDataRows() override;
  void SelectDataRow(int dataRow) override;
  void RestoreDataRow() override;
  int CurrentDataRow() override;
  // Record number (from 1) of data row `dataRow`; 0 when it shows no record.
  int DataRowRecNo(int dataRow);
  int TitleOffset() const { return titleOffset_; }
  int EditButtonWidth() const { return editButtonWidth_; }
  int EditButtonHeight() const { return editButtonHeight_; }
  // Posts one deferred-layout message unless one is already waiting.
  void DeferLayout();
  static constexpr UINT kDeferredLayoutMessage = 0x0464;
  static constexpr int kIndicatorWidth = 11;
  // Data rows are tall enough for more than one line of text.
  bool WordWrapPossible() const { return wordWrapPossible_; }
  // Room the title text leaves around it: less with the flat look.
  int TitleTextAllowance() const { return Flat() ? 2 : 4; }
  // Data columns whose Visible is set, in column order; rebuilt by each layout pass.
  const std::vector<int>& VisibleColumns() const { return visibleColumns_; }
  void LinkActive(bool active) override;
  void TabStopsChanged() override { UpdateColWidthsAndTabStops(); }
  void RecreateGridWindow() override { RecreateWnd(); }
  void DataChanged() override;
  void Scroll(int distance) override;

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

 protected:
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
  void WndProc(TMessage& m) override;
  void DefaultHandler(TMessage& m) override;

 private:
  // Layout steps, in the order a pass runs them.
  void DropOrphanDefaultColumns();
  void BindColumnsToFields();
  void PlaceFixedColumns();
  void MeasureDataRows();
  void FitRowHeightToText(int textHeight, int extra);
  void MeasureTitleRow();
  void ApplyScrollBarStyle();
  void AutoFitColumns();
  void FitTitleHeights();
  void UpdateEditButtonWidth();
  void DropPendingDeferredLayout();
  void AfterMessage(TMessage& m);
  int UsedRowHeight() const;
  void SetRowCountKeepingCurrent(int count);
  SCROLLINFO RecordScrollRange(const SCROLLINFO& old);
  SCROLLINFO MemTableScrollRange();
  void ApplyVertScrollInfo(const SCROLLINFO& old, SCROLLINFO info);
  void ShowVertBarByMode(const SCROLLINFO& info);
  void MemTableSetGone();
  void MemTableRows();
  void MemTableActive();
  void MemTableScroll(int code, int pos);
  void FetchVisibleRecords();
  void UpdateExtVertBar(const SCROLLINFO& info);
  int LargestLeftCol();

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
  bool wordWrapPossible_ = false;
  int titleOffset_ = 1;
  int editButtonWidth_ = 0;
  int editButtonHeight_ = 0;
  String savedImeName_;
  TImeMode savedImeMode_ = imDontCare;
  std::vector<int> visibleColumns_;
  IMemTableEx* memTable_ = nullptr;
  TDataSet* memTableSet_ = nullptr;
  bool memRowSelected_ = false;
  std::unique_ptr<TDBGridExScrollBar> horzScrollBar_;
  std::unique_ptr<TDBGridExScrollBar> vertScrollBar_;
  TScrollBarVisibleModeEx vertModeApplied_ = sbAutoShowEx;
  bool sortLocal_ = false;
  TDBGridExEditActions editActions_;
  bool drawsFlatBorder_ = false;
  TColor evenRowColor_ = clWindow;
  TColor oddRowColor_ = clWindow;
  bool evenRowColorAssigned_ = false;
  bool oddRowColorAssigned_ = false;
  TCustomImageList* titleImages_ = nullptr;
  std::unique_ptr<TChangeLink> titleImageLink_;
  std::unique_ptr<THeadTreeNode> titleRoot_ = std::make_unique<THeadTreeNode>("Root", 10, 0);
  std::vector<THeadTreeNode*> titleLeaves_;
};

// The published grid.
class TDBGridEx : public TCustomDBGridEx {
  DECLARE_CLASS(TDBGridEx, TCustomDBGridEx)
 public:
  explicit TDBGridEx(TComponent* owner) : TCustomDBGridEx(owner) {}
  static void Publish();
};
