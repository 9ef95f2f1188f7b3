// The data grid control: what it creates, its settings and how its cells are classified.
#include "gridlib/grid/db_grid.h"

#include "gridlib/grid/filter_editor_placement.h"

#include <algorithm>

#include "gridlib/controls/sum_list.h"
#include "gridlib/grid/cell_editing.h"
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_edit_keys.h"
#include "gridlib/grid/grid_painter.h"
#include "gridlib/grid/grid_tool_tips.h"
#include "gridlib/grid/inc_search.h"
#include "gridlib/grid/link_rows.h"
#include "gridlib/grid/record_access_rows.h"
#include "platform/core/format.h"
#include "platform/core/scope_guard.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/data_source.h"
#include "platform/data/field.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/window_styles.h"

TCustomDBGridEx::TCustomDBGridEx(TComponent* owner) : TCustomDBGridEx(owner, TPartsMadeLater{}) {
  CreateGridParts();
}

TCustomDBGridEx::TCustomDBGridEx(TComponent* owner, TPartsMadeLater)
    : TCustomGrid(owner),
      layout_(std::make_unique<TDBGridExLayout>(this)),
      linkRows_(std::make_unique<TDBGridExLinkRows>(this)),
      titleImageLink_(std::make_unique<TChangeLink>()),
      stFilter_(std::make_unique<TSTDBGridExFilter>(this)) {}

TDBGridExScrollBar* TCustomDBGridEx::CreateScrollBar(int kind) {
  if (kind == 1) return new TVertDBGridExScrollBar(this);
  return new TDBGridExScrollBar(this, sbHorizontal);
}

void TCustomDBGridEx::CreateGridParts() {
  if (Columns() != nullptr) return;
  input_ = std::make_unique<TDBGridExInput>(this, this);
  input_->SetEditKeys(MakeGridEditKeys(this));
  horzScrollBar_.reset(CreateScrollBar(0));
  vertScrollBar_.reset(CreateScrollBar(1));
  CreateGridObjects();
  CreatePainters();
  cellEditing_ = std::make_unique<TDBGridExCellEditing>(this);
  incSearch_ = MakeGridIncSearch(this);
  titleImageLink_->OnChange.Bind(nullptr, "", [this](TObject*) { InvalidateGrid(); });
  TCustomGrid::SetDefaultDrawing(false);
  SetScrollBars(ssHorizontal);
  GridOptionsChanged();
  SetRowCount(2);
  SetColCount(2);
  SetColor(clWindow);
  SetParentColor(false);
}

TCustomDBGridEx::~TCustomDBGridEx() {
  Destroying();
  horzScrollBar_.reset();
  vertScrollBar_.reset();
  layout_->ForgetTitleTree();
  DestroyGridObjects();
  DestroyPainters();
}

// The base grid draws lines, sizes and moves columns and edits as the data grid's options say.
void TCustomDBGridEx::GridOptionsChanged() {
  const TDBGridOptions options = TDBGridExHost::Options();
  TGridOptions grid;
  if (rowSizingAllowed_) grid += goRowSizing;
  if (options.Contains(dgColLines)) grid += TGridOptions{goFixedVertLine, goVertLine};
  if (options.Contains(dgRowLines)) grid += TGridOptions{goFixedHorzLine, goHorzLine};
  if (options.Contains(dgColumnResize)) grid += TGridOptions{goColSizing, goColMoving};
  if (options.Contains(dgTabs)) grid += goTabs;
  if (options.Contains(dgRowSelect)) grid += goRowSelect;
  if (options.Contains(dgEditing)) grid += goEditing;
  if (options.Contains(dgAlwaysShowEditor)) grid += goAlwaysShowEditor;
  TCustomGrid::SetOptions(grid);
}

int TCustomDBGridEx::GridColWidth(int dataCol) {
  const int col = dataCol + IndicatorOffset();
  return col >= 0 && col < ColCount() ? ColWidths(col) : -1;
}

void TCustomDBGridEx::SetGridColWidth(int dataCol, int width) {
  const int col = dataCol + IndicatorOffset();
  if (col >= 0 && col < ColCount()) SetColWidths(col, width);
}

// The filter row sits between the titles and the data rows.
int TCustomDBGridEx::TitleRowCount() { return TitlesShown() + (STFilterVisible() ? 1 : 0); }

int TCustomDBGridEx::VisibleDataRowCount() {
  const int rows = VisibleRowCount() - (footerRowCount_ > 0 ? footerRowCount_ + 1 : 0);
  return std::max(1, rows);
}

// The editor's text belongs to the cell it was typed in: it is written before another column
// becomes current.
void TCustomDBGridEx::SetSelectedIndex(int dataCol) {
  const int col = dataCol + IndicatorOffset();
  if (col < FixedCols() || col >= ColCount()) return;
  if (col != Col()) WriteEditorText();
  SetCol(col);
}

bool TCustomDBGridEx::InplaceEditorShowing() {
  return EditorMode() && InplaceEditor() != nullptr && InplaceEditor()->Visible();
}

void TCustomDBGridEx::InvalidateGridRect(const TRect& cells) {
  if (cells.Left < 0 || cells.Top < 0 || cells.Right < cells.Left || cells.Bottom < cells.Top) return;
  InvalidateRect(TGridRect{cells.Left, cells.Top, cells.Right, cells.Bottom});
}

TDBGridExCellType TCustomDBGridEx::GetCellType(int col, int row) {
  TDBGridExCellType type;
  const int indicator = IndicatorOffset();
  type.ColKind = col < indicator ? gckIndicator : gckData;
  type.DataCol = col - indicator;
  const int titles = TitlesShown();
  const int top = TitleRowCount();
  const int filler = footerRowCount_ > 0 ? RowCount() - footerRowCount_ - 1 : RowCount();
  if (row >= 0 && row < titles) {
    type.RowKind = grkTitle;
    type.DataRow = row;
  } else if (row >= titles && row < top) {
    type.RowKind = grkFilter;
    type.DataRow = row - titles;
  } else if (row >= top && row < filler) {
    type.RowKind = grkData;
    type.DataRow = row - top;
  } else if (footerRowCount_ > 0 && row == filler) {
    type.RowKind = grkFiller;
  } else if (footerRowCount_ > 0 && row > filler && row < RowCount()) {
    type.RowKind = grkFooter;
    type.DataRow = row - filler;
  } else {
    throw Exception("Algorithm error in TCustomDBGridEx.GetCellType");
  }
  return type;
}

void TCustomDBGridEx::SetFooterRowCount(int value) {
  if (value < 0 || value == footerRowCount_) return;
  footerRowCount_ = value;
  // Footers and the record-access mode exclude each other: the vertical bar changes scheme.
  if (RecordAccess() != nullptr) UpdateVertScrollBar();
  LayoutChanged();
}

void TCustomDBGridEx::InvalidateFooter() {
  if (!HandleAllocated()) return;
  for (int row = std::max(0, RowCount() - footerRowCount_); row < RowCount() && footerRowCount_ > 0; ++row) {
    InvalidateRow(row);
  }
}

// The footers keep their own colour, so the grid no longer takes its parent's.
void TCustomDBGridEx::FooterColorChanged() {
  if (!IsLoading() && !takingParentColor_) SetParentColor(false);
  if (footerRowCount_ > 0) Invalidate();
}

// The footers keep their own font, so the grid no longer takes its parent's.
void TCustomDBGridEx::FooterFontChanged() {
  if (!IsLoading() && !takingParentFont_) SetParentFont(false);
  if (footerRowCount_ > 0) LayoutChanged();
}

// So do the titles, unless they are taking the parent's font themselves.
void TCustomDBGridEx::TitleFontChanged() {
  if (!IsLoading() && !takingParentFont_) SetParentFont(false);
  TDBGridExHost::TitleFontChanged();
}

// A grid that takes its parent's font shows it in its titles and footers too.
void TCustomDBGridEx::TakeParentFont() {
  if (!ParentFont()) return;
  {
    auto parentFont = ScopedValue(takingParentFont_, true);
    GridLayoutLock lock(this);
    TitleFont()->Assign(Font());
    FooterFont()->Assign(Font());
  }
  LayoutChanged();
}

// A grid that takes its parent's colour shows it in its footers too.
void TCustomDBGridEx::TakeParentColor() {
  if (!ParentColor()) return;
  auto parentColor = ScopedValue(takingParentColor_, true);
  SetFooterColor(Color());
}

void TCustomDBGridEx::SetFrozenCols(int value) {
  frozenCols_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetMinAutoFitWidth(int value) {
  minAutoFitWidth_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetRowHeight(int value) {
  rowHeight_ = std::max(0, value);
  LayoutChanged();
}

void TCustomDBGridEx::SetRowLines(int value) {
  rowLines_ = std::max(0, value);
  LayoutChanged();
}

void TCustomDBGridEx::SetTitleHeight(int value) {
  titleHeight_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetTitleLines(int value) {
  titleLines_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetVTitleMargin(int value) {
  vTitleMargin_ = value;
  LayoutChanged();
}

void TCustomDBGridEx::SetRowSizingAllowed(bool value) {
  rowSizingAllowed_ = value;
  GridOptionsChanged();
}

void TCustomDBGridEx::SetEvenRowColor(TColor value) {
  const bool changed = EvenRowColor() != value;
  evenRowColor_ = value;
  evenRowColorAssigned_ = true;
  if (changed) InvalidateGrid();
}

void TCustomDBGridEx::SetOddRowColor(TColor value) {
  const bool changed = OddRowColor() != value;
  oddRowColor_ = value;
  oddRowColorAssigned_ = true;
  if (changed) InvalidateGrid();
}

void TCustomDBGridEx::SetTitleImages(TCustomImageList* value) {
  if (titleImages_ == value) return;
  if (titleImageLink_->Sender() != nullptr) titleImageLink_->Sender()->UnRegisterChanges(titleImageLink_.get());
  titleImages_ = value;
  if (value != nullptr) {
    value->RegisterChanges(titleImageLink_.get());
    value->FreeNotification(this);
  }
  LayoutChanged();
}

void TCustomDBGridEx::SetHorzScrollBar(TDBGridExScrollBar* value) { horzScrollBar_->Assign(value); }

void TCustomDBGridEx::SetVertScrollBar(TDBGridExScrollBar* value) { vertScrollBar_->Assign(value); }

TComponent* TCustomDBGridEx::DataSourceComponent() const { return DataSource(); }

void TCustomDBGridEx::SetDataSourceComponent(TComponent* value) {
  SetDataSource(dynamic_cast<TDataSource*>(value));
}

void TCustomDBGridEx::Notification(TComponent* component, TOperation operation) {
  TCustomGrid::Notification(component, operation);
  if (operation != opRemove) return;
  // Compared by address: the component's own destructor may have run already.
  if (static_cast<const void*>(component) == static_cast<const void*>(titleImages_)) {
    titleImages_ = nullptr;
  }
  for (TDBGridExScrollBar* bar : {horzScrollBar_.get(), vertScrollBar_.get()}) {
    if (bar != nullptr && static_cast<const void*>(bar->ExtScrollBar()) == static_cast<const void*>(component)) {
      bar->ExtScrollBarGone();
    }
  }
  if (LentRecordAccess(component)) RecordAccessSetGone();
  // A field announces its going while it is still a field; a column may also hold one whose
  // kind can no longer be told.
  const bool bound = ColumnBoundTo(component);
  if (!bound && (DataLink() == nullptr || dynamic_cast<const TField*>(component) == nullptr)) {
    GridNotification(component, operation);
    return;
  }
  // The columns drop the field in one step, then the grid is laid out again now, or later
  // when no column showed it or its data set is going away too.
  {
    GridLayoutLock lock(this);
    GridNotification(component, operation);
  }
  TDataSet* dataSet = DataLink()->DataSet();
  if (bound && dataSet != nullptr && !dataSet->ComponentState().Contains(csDestroying)) LayoutChanged();
  else DeferLayout();
}

bool TCustomDBGridEx::ColumnBoundTo(const TComponent* field) {
  if (DataLink() == nullptr || Columns() == nullptr) return false;
  for (int i = 0; i < Columns()->Count(); ++i) {
    if (Columns()->Items(i)->BoundTo(field)) return true;
  }
  return false;
}

// The filter editor stays where it is until the move and the application's handler are done,
// then follows the column it edits.
void TCustomDBGridEx::ColumnMoved(int fromIndex, int toIndex) {
  const auto follow = FilterEditing()->FollowColumn();
  STFilterPlacementLock placement(stFilter_.get());
  TCustomGrid::ColumnMoved(fromIndex, toIndex);
  const int offset = IndicatorOffset();
  const int from = fromIndex - offset;
  const int to = toIndex - offset;
  if (from < 0 || to < 0 || from >= Columns()->Count() || to >= Columns()->Count()) return;
  Columns()->Items(from)->SetIndex(to);
  OnColumnMoved.Call(this, from, to);
}

void TCustomDBGridEx::CreateParams(TCreateParams& params) {
  TCustomGrid::CreateParams(params);
  drawsFlatBorder_ = false;
  if (Flat() && Ctl3D()) {
    drawsFlatBorder_ = (params.Style & WS_BORDER) != 0 || (params.ExStyle & WS_EX_CLIENTEDGE) != 0;
    params.Style &= ~WS_BORDER;
    params.ExStyle &= ~WS_EX_CLIENTEDGE;
  }
  params.Style |= WS_CLIPCHILDREN;
}

void TCustomDBGridEx::ColWidthsChanged() {
  if ((DataLink()->Active() || Columns()->State() == csCustomized) && !InLayout() && !inLayoutPass_) {
    GridLayoutLock lock(this);
    SyncColumnWidths();
  }
  TCustomGrid::ColWidthsChanged();
  RefreshInplaceEditor();
  OnColWidthsChanged.Call(this);
  UpdateHorzScrollBar();
}

// Hidden columns are left alone: their grid widths (0, or -1 for the line) say nothing about
// the width they show with.
void TCustomDBGridEx::SyncColumnWidths() {
  const int offset = IndicatorOffset();
  const int count = std::min(Columns()->Count(), ColCount() - offset);
  std::vector<int> widths;
  for (int i = 0; i < count; ++i) widths.push_back(ColWidths(i + offset));
  for (int i = 0; i < count; ++i) {
    TColumnEx* column = Columns()->Items(i);
    const int width = widths[static_cast<size_t>(i)];
    if (!column->Visible() || width == column->Width()) continue;
    if (!AutoFitColWidths() || IsDesigning() || !column->AutoFitColWidth()) {
      column->SetWidth(width);
    } else if (OptionsEx().Contains(dghResizeWholeRightPart)) {
      RescaleRightPart(i, widths);
    } else {
      ShiftDesignWidth(i, width);
    }
  }
}

int TCustomDBGridEx::NextVisibleColumn(int index) const {
  for (int i = index + 1; i < Columns()->Count(); ++i) {
    if (Columns()->Items(i)->Visible()) return i;
  }
  return -1;
}

// The design width follows the new width in proportion; the next visible column's design
// width gives or takes the difference.
void TCustomDBGridEx::ShiftDesignWidth(int index, int width) {
  TColumnEx* column = Columns()->Items(index);
  const int oldInit = column->InitWidth();
  const int newInit = column->Width() > 0 ? MulDiv(oldInit, width, column->Width()) : width;
  column->SetInitWidth(std::max(0, newInit));
  const int next = NextVisibleColumn(index);
  if (next < 0) return;
  TColumnEx* neighbour = Columns()->Items(next);
  neighbour->SetInitWidth(std::max(0, neighbour->InitWidth() + oldInit - newInit));
}

// The columns to the right are rescaled to their new grid widths; the resized column keeps
// what remains of the design total. A zero-wide column keeps its design width.
void TCustomDBGridEx::RescaleRightPart(int index, const std::vector<int>& widths) {
  int total = 0;
  int right = 0;
  for (int j = index; j < static_cast<int>(widths.size()); ++j) {
    TColumnEx* column = Columns()->Items(j);
    if (!column->Visible()) continue;
    total += column->InitWidth();
    if (j == index) continue;
    if (column->Width() > 0) {
      column->SetInitWidth(MulDiv(widths[static_cast<size_t>(j)], column->InitWidth(), column->Width()));
    }
    right += column->InitWidth();
  }
  Columns()->Items(index)->SetInitWidth(std::max(0, total - right));
}

void TCustomDBGridEx::Loaded() {
  TCustomGrid::Loaded();
  if (Columns()->Count() > 0) SetColCount(Columns()->Count() + IndicatorOffset());
  // Under auto-fit the stored widths are the design the layout scales to the window.
  if (AutoFitColWidths() && !IsDesigning()) {
    TCollectionUpdateLock lock(*Columns());
    for (int i = 0; i < Columns()->Count(); ++i) Columns()->Items(i)->SetInitWidth(Columns()->Items(i)->Width());
    SetScrollBars(ssNone);
  }
  RebuildSortMarkedColumns();
  if (DataSource() != nullptr) SumList()->EndLoading();
  LayoutChanged();
  DeferLayout();
}
