#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "gridlib/grid/cell_edit_buttons.h"
#include "gridlib/grid/grid_sum_list.h"
#include "gridlib/grid/grid_types.h"
#include "platform/classes/component.h"
#include "platform/controls/control_types.h"
#include "platform/core/events.h"
#include "platform/graphics/colors.h"

class TBookmarkListEx;
class TCollectionItem;
class TColumnDefValuesEx;
class TColumnEx;
class TDataSet;
class TDataSource;
class TDBGridColumnsEx;
class TDBGridExSelection;
class TDBGridExStyle;
class TField;
class TCanvas;
class TFont;
class TGridDataLinkEx;

// Width measures of one font, for turning a field's DisplayWidth into pixels and back.
struct TFontWidthMetrics {
  int ZeroWidth = 0;     // TextWidth("0")
  int Overhang = 0;      // tmOverhang
  int AveCharWidth = 0;  // tmAveCharWidth
};
TFontWidthMetrics MeasureFontWidths(TFont* font);
// A canvas that measures text in `font` (a shared scratch canvas; valid until the next call).
TCanvas* FontMeasuringCanvas(TFont* font);

// The part of the data grid that its columns, titles, data link, bookmark list and selection
// rely on: the grid-wide settings and the objects it owns, plus the few things only the
// control can answer (its font, colours, window and painting). The grid control derives from
// its base grid and from this class and supplies the virtual operations; until then a column
// collection can live without any grid.
//
// The control calls CreateGridObjects() at the end of its constructor and
// DestroyGridObjects() first in its destructor, and forwards Notification to
// GridNotification.
class TDBGridExHost {
 public:
  TDBGridExHost();
  virtual ~TDBGridExHost();
  TDBGridExHost(const TDBGridExHost&) = delete;
  TDBGridExHost& operator=(const TDBGridExHost&) = delete;

  // ---- What the control answers.
  virtual TComponent* GridComponent() = 0;
  virtual TFont* GridFont() = 0;
  virtual TColor GridColor() = 0;
  virtual TColor FixedColor() { return clBtnFace; }
  virtual TBiDiMode GridBiDiMode() { return bdLeftToRight; }
  virtual TImeMode GridImeMode() { return imDontCare; }
  virtual String GridImeName() { return String(); }
  virtual bool GridHandleAllocated() { return false; }
  virtual int DefaultColWidth() { return 64; }
  // Width of the grid column that shows data column `dataCol`; -1 when there is none.
  virtual int GridColWidth(int dataCol) { (void)dataCol; return -1; }
  virtual void SetGridColWidth(int dataCol, int width) { (void)dataCol; (void)width; }
  // Grid rows above the data rows (titles and the filter row).
  virtual int TitleRowCount() { return Options().Contains(dgTitles) ? 1 : 0; }
  virtual int VisibleDataRowCount() { return 1; }
  // Grid rows and columns; the control answers with its own counts.
  virtual int GridRowCount() { return TitleRowCount() + VisibleDataRowCount(); }
  virtual int GridColCount();
  int IndicatorOffset() const { return Options().Contains(dgIndicator) ? 1 : 0; }
  // The data column that has the focus.
  virtual int SelectedIndex() { return selectedIndex_; }
  virtual void SetSelectedIndex(int dataCol) { selectedIndex_ = dataCol; }
  virtual bool InplaceEditorShowing() { return false; }
  // The size of the edit buttons in cells, as the control's layout sets it.
  virtual TEditButtonSizeEx EditButtonSize() { return BaseEditButtonSize(Flat()); }
  virtual void RefreshInplaceEditor() {}
  virtual void ShowInplaceEditor() {}
  virtual bool TrySetFocus() { return false; }
  // The grid or its in-place editor has the focus.
  virtual bool HasFocus() { return false; }
  // The grid column that has the focus.
  int CurrentGridCol() { return SelectedIndex() + IndicatorOffset(); }
  // The grid row of the current record; -1 without one.
  int CurrentGridRow();
  // Data rows (grid rows below the titles, from 0) whose records can be read now: first and
  // one past the last. The data link's buffered records by default.
  virtual std::pair<int, int> ReadableDataRows();
  // Makes data row `dataRow`'s record the one that fields read, until RestoreDataRow puts the
  // current record back. Use DataRowReader rather than calling these directly.
  virtual void SelectDataRow(int dataRow);
  virtual void RestoreDataRow();
  // The data row of the current record; -1 without one.
  virtual int CurrentDataRow();

  // Repainting.
  virtual void InvalidateGrid() {}
  virtual void InvalidateGridRect(const TRect& cells) { (void)cells; }
  virtual void InvalidateGridRow(int row) { (void)row; }
  // Repaints every footer row.
  virtual void InvalidateFooter() {}
  void InvalidateDataCol(int dataCol);
  void InvalidateCurrentRow();
  // Re-lays out rows and columns from the collection and the data set.
  virtual void LayoutChanged() {}
  // FooterColor or FooterFont changed: what is shown of the footers follows.
  virtual void FooterColorChanged() { InvalidateGrid(); }
  virtual void FooterFontChanged() {}
  // TitleFont changed: the titles are laid out again.
  virtual void TitleFontChanged();
  // ReadOnly changed: which cells Tab stops at follows.
  virtual void TabStopsChanged() {}
  // Flat changed: the window is made again with the new border.
  virtual void RecreateGridWindow() {}
  // After a column changed: scroll bars and in-place editor follow.
  virtual void UpdateScrollBarsAndEditor() {}
  // Whether the rows come through the data set's record-access interface (then the filter
  // row's value lists come from it too).
  virtual bool RowsThroughRecordAccess() { return false; }
  bool FilterValuesFromInterface() { return RowsThroughRecordAccess(); }
  // Fits the columns' widths to their titles, data and footers.
  virtual void OptimizeColsWidth(const std::vector<TColumnEx*>& columns) { (void)columns; }
  // A column's filter text changed, so a filter editor shown over it follows.
  virtual void FilterExpressionShown() {}

  // What the data link hears, forwarded.
  virtual void LinkActive(bool active);
  virtual void DataChanged() { InvalidateGrid(); }
  virtual void Scroll(int distance) { (void)distance; InvalidateGrid(); }
  virtual void EditingChanged();
  virtual void RecordChanged(TField* field) { (void)field; InvalidateGrid(); }
  // Text typed into the record being edited outlasts a notification that left it alone.
  virtual bool EditorKeepsTypedText() { return false; }
  // Writes the in-place editor's text into the field.
  virtual void UpdateData() {}
  void FocusField(TField*& field);

  // ---- Settings kept here.
  TDBGridOptions Options() const { return options_; }
  void SetOptions(TDBGridOptions value);
  TDBGridExOptions OptionsEx() const { return optionsEx_; }
  void SetOptionsEx(TDBGridExOptions value);
  TDBGridExAllowedOperations AllowedOperations() const { return allowedOperations_; }
  void SetAllowedOperations(TDBGridExAllowedOperations value) { allowedOperations_ = value; }
  TDBGridExAllowedSelections AllowedSelections() const { return allowedSelections_; }
  void SetAllowedSelections(TDBGridExAllowedSelections value);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value);
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  bool DrawMemoText() const { return drawMemoText_; }
  void SetDrawMemoText(bool value);
  bool AutoFitColWidths() const { return autoFitColWidths_; }
  void SetAutoFitColWidths(bool value);
  bool UseMultiTitle() const { return useMultiTitle_; }
  void SetUseMultiTitle(bool value);
  TFont* TitleFont() const { return titleFont_.get(); }
  void SetTitleFont(TFont* value);
  TFont* FooterFont() const { return footerFont_.get(); }
  void SetFooterFont(TFont* value);
  TColor FooterColor() const { return footerColor_; }
  void SetFooterColor(TColor value);
  TDataSource* DataSource() const;
  void SetDataSource(TDataSource* value);

  TColumnDefValuesEx* ColumnDefValues() const { return columnDefValues_; }
  void SetColumnDefValues(TColumnDefValuesEx* value);
  TDBGridColumnsEx* Columns() const { return columns_; }
  void SetColumns(TDBGridColumnsEx* value);
  bool IsColumnsStored() const;
  TGridDataLinkEx* DataLink() const { return dataLink_.get(); }
  TBookmarkListEx* SelectedRows() const { return selectedRows_.get(); }
  TDBGridExSelection* Selection() const { return selection_.get(); }
  // The footer sums; they follow the grid's data set.
  TDBGridExSumList* SumList() const { return sumList_.get(); }
  // The sum list reported a recalculation step; a change repaints the grid here.
  virtual void SumListReported(TDBGridExSumList* sumList, TSumListReport report);
  // Columns with a sort marker, primary first: index i holds the column whose SortIndex is i+1.
  std::vector<TColumnEx*>& SortMarkedColumns() { return sortMarked_; }
  // Rebuilds the marked list from the columns' SortIndex, compacting gaps and duplicates in
  // their order, so that the indexes run 1..n.
  void RebuildSortMarkedColumns();

  // Layout lock: columns created or re-bound while it is held do not each re-lay out.
  void BeginLayout() { ++layoutLock_; }
  void EndLayout();
  bool InLayout() const { return layoutLock_ > 0; }
  // True while the grid takes its layout from the data set's fields.
  bool LayoutFromDataset() const { return layoutFromDataset_; }
  void SetLayoutFromDataset(bool value) { layoutFromDataset_ = value; }
  // Whether resizing a default column writes the width back to the field's DisplayWidth.
  bool FieldWidthWriteBack() const { return fieldWidthWriteBack_; }
  void SetFieldWidthWriteBack(bool value) { fieldWidthWriteBack_ = value; }

  bool IsLoading();
  bool IsDesigning();
  bool IsDestroying();
  // Whether grid cell (col, row) is drawn selected. `rowKind` is the cell's row kind (title,
  // data, footer), `dataCol` its data column, `bookmark` the record a data row shows.
  bool CellSelected(int col, TGridRowKind rowKind, int dataCol, const String& bookmark);
  // The text of footer row `row` (0 first) of `column`: its static text, a field value or an
  // aggregate formatted for the field's kind.
  virtual String GetFooterValue(int row, TColumnEx* column);
  // Maps the data link's columns to fields: the visible fields of the data set for columns
  // the grid made itself, else each column's FieldName (missing fields map to none).
  void MapColumnsToFields();
  // Whether the user may create a selection of this kind now.
  bool SelectionTypeAllowed(TDBGridExSelectionType type) const;
  // Empties the selection (and the selected records) as option dghClearSelection asks.
  void ClearSelection();
  // The allowed-operations rule for editing the current record.
  bool AllowsEditingCurrentRecord();
  // The selection changed: repaint what it covers, note the focus and tell
  // OnSelectionChanged.
  virtual void SelectionChanged();
  // Whether the grid had the focus when its selection last changed, for painting.
  bool FocusedAtSelectionChange() const { return focusedAtSelectionChange_; }
  // The shared style the grid registered with (the library's default at creation).
  TDBGridExStyle* Style() const { return style_; }
  void SetStyle(TDBGridExStyle* value);
  // The style is being destroyed and forgets this grid.
  void StyleGone(TDBGridExStyle* style);
  // A column leaves the collection: no list keeps a pointer to it, and the other sort-marked
  // columns are numbered 1..n again.
  virtual void ForgetColumn(const TCollectionItem* column);
  // Drops every pointer to `component` when it goes.
  void GridNotification(TComponent* component, TOperation operation);

  TNotifyEvent OnSelectionChanged;

 protected:
  // The options changed: the control passes them on to its base grid.
  virtual void GridOptionsChanged() {}
  // The column defaults and the column collection, of the kinds a descendant chooses.
  virtual TColumnDefValuesEx* CreateColumnDefValues();
  virtual TDBGridColumnsEx* CreateColumns();
  void CreateGridObjects();
  void DestroyGridObjects();

 private:

  TDBGridOptions options_ = TDBGridOptions::FromMask(kDefaultGridOptions);
  TDBGridExOptions optionsEx_ = TDBGridExOptions::FromMask(kDefaultGridExOptions);
  TDBGridExAllowedOperations allowedOperations_ = {alopInsertEx, alopUpdateEx, alopDeleteEx,
                                                    alopAppendEx};
  TDBGridExAllowedSelections allowedSelections_ =
      TDBGridExAllowedSelections::FromMask(kDefaultAllowedSelections);
  bool readOnly_ = false;
  bool flat_ = false;
  bool drawMemoText_ = false;
  bool autoFitColWidths_ = false;
  bool useMultiTitle_ = false;
  bool layoutFromDataset_ = false;
  bool fieldWidthWriteBack_ = true;
  bool tearingDown_ = false;
  int layoutLock_ = 0;
  int selectedIndex_ = 0;
  bool focusedAtSelectionChange_ = false;
  TColor footerColor_ = clWindow;
  std::unique_ptr<TFont> titleFont_;
  std::unique_ptr<TFont> footerFont_;
  TColumnDefValuesEx* columnDefValues_ = nullptr;
  TDBGridColumnsEx* columns_ = nullptr;
  std::unique_ptr<TGridDataLinkEx> dataLink_;
  std::unique_ptr<TBookmarkListEx> selectedRows_;
  std::unique_ptr<TDBGridExSelection> selection_;
  std::unique_ptr<TDBGridExSumList> sumList_;
  std::vector<TColumnEx*> sortMarked_;
  TDBGridExStyle* style_ = nullptr;
  // The active record to put back after reading other rows; -1 when nothing is kept.
  int savedActiveRecord_ = -1;
};

// Reads the records of rows that are not current; the current record is back when the
// scope ends, however it ends.
class DataRowReader {
 public:
  explicit DataRowReader(TDBGridExHost* grid) : grid_(grid) {}
  ~DataRowReader() {
    if (selected_) grid_->RestoreDataRow();
  }
  DataRowReader(const DataRowReader&) = delete;
  DataRowReader& operator=(const DataRowReader&) = delete;
  // Makes data row `dataRow`'s record the one fields read. A row past the records (rows
  // below the data) shows none: false, and nothing is made active.
  bool Select(int dataRow) {
    const auto [first, last] = grid_->ReadableDataRows();
    if (dataRow < first || dataRow >= last) return false;
    grid_->SelectDataRow(dataRow);
    selected_ = true;
    return true;
  }

 private:
  TDBGridExHost* grid_;
  bool selected_ = false;
};

// Holds the grid's layout lock for the life of the scope.
class GridLayoutLock {
 public:
  explicit GridLayoutLock(TDBGridExHost* grid) : grid_(grid) {
    if (grid_ != nullptr) grid_->BeginLayout();
  }
  ~GridLayoutLock() {
    if (grid_ != nullptr) grid_->EndLayout();
  }
  GridLayoutLock(const GridLayoutLock&) = delete;
  GridLayoutLock& operator=(const GridLayoutLock&) = delete;

 private:
  TDBGridExHost* grid_;
};
