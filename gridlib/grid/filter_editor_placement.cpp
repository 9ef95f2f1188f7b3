// Editing the filter row: showing, placing and moving the filter editor and storing its text.
#include "gridlib/grid/filter_editor_placement.h"

#include <algorithm>
#include <set>

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/grid/cell_painter.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "gridlib/grid/grid_texts.h"
#include "gridlib/grid/row_source.h"
#include "platform/controls/application.h"
#include "platform/core/scope_guard.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

namespace {

constexpr int kDefaultListWidth = 100;
constexpr int kDefaultListRows = 17;

bool FilterApplyFlagSet() {
  TDBGridExStyle* style = DefaultDBGridExStyle();
  return style != nullptr && style->FilterApplyFlags() != 0;
}

// What went wrong reaches the user the way every unhandled error of the program does.
void ReportToUser(TObject* sender) { Application->HandleException(sender); }

}  // namespace

TDBGridExFilterEditing::~TDBGridExFilterEditing() { delete editor_; }

TColumnEx* TDBGridExFilterEditing::Column(int dataCol) const {
  return dataCol >= 0 && dataCol < grid_->Columns()->Count() ? grid_->Columns()->Items(dataCol) : nullptr;
}

int TDBGridExFilterEditing::FilterCol() const { return column_ != nullptr ? column_->Index() : -1; }

void TDBGridExFilterEditing::ColumnGone(const TCollectionItem* column) {
  if (column == column_) column_ = nullptr;
  if (column == reportedColumn_) reportedColumn_ = nullptr;
}

bool TDBGridExFilterEditing::CellEditable(int dataCol) const { return grid_->FilterCellEditable(dataCol); }

void TDBGridExFilterEditing::Create() {
  editor_ = new TInplaceFilterEditEx(nullptr);
  editor_->SetVisible(false);
  editor_->SetParent(grid_);
  editor_->SetHolder(this);
  editor_->Font()->Assign(grid_->Font());
  editor_->Font()->SetColor(static_cast<TColor>(0xFF0000));
  editor_->SetColor(FilterCellColor(grid_->FixedColor()));
}

void TDBGridExFilterEditing::InvalidateFilterCell(int dataCol) {
  if (dataCol < 0 || !grid_->HandleAllocated()) return;
  grid_->InvalidateCell(dataCol + grid_->IndicatorOffset(), grid_->TitleOffset() - 1);
}

void TDBGridExFilterEditing::BringIntoView(int dataCol) {
  const int gridCol = dataCol + grid_->IndicatorOffset();
  if (!grid_->Options().Contains(dgRowSelect)) {
    grid_->SetSelectedIndex(dataCol);
    return;
  }
  const int lastShown = grid_->LeftCol() + grid_->VisibleColCount() - 1;
  if (gridCol < grid_->LeftCol() && gridCol >= grid_->FixedCols()) grid_->SetLeftCol(gridCol);
  else if (gridCol > lastShown) grid_->SetLeftCol(std::max(grid_->FixedCols(), grid_->LeftCol() + gridCol - lastShown));
}

void TDBGridExFilterEditing::Show(int dataCol) {
  if (!grid_->STFilter()->Visible() || !CellEditable(dataCol)) return;
  if (grid_->DataLink()->Active()) grid_->DataLink()->DataSet()->CheckBrowseMode();
  if (editor_ == nullptr) Create();
  if (EditorVisible() && FilterCol() != dataCol) Hide();
  editor_->SetFlat(grid_->Flat());
  const int previous = FilterCol();
  column_ = Column(dataCol);
  shown_ = true;
  grid_->HideEditor();
  {
    auto placing = ScopedValue(placing_, true);
    BringIntoView(dataCol);
    InvalidateFilterCell(dataCol);
    InvalidateFilterCell(previous);
  }
  Place(true);
}

void TDBGridExFilterEditing::Place(bool refresh) {
  if (grid_->STFilter()->PlacementLocked() || editor_ == nullptr) return;
  const int filterCol = FilterCol();
  if (!grid_->STFilter()->Visible() || !CellEditable(filterCol) || !shown_) return Close();
  TRect cell = grid_->CellRect(filterCol + grid_->IndicatorOffset(), grid_->TitleOffset() - 1);
  cell.Left += 1;
  if (grid_->Selection()->SelectionType() != gstNon) return Hide();
  if (refresh) {
    editor_->SetBounds(0, 0, 0, 0);
    editor_->Show();
    if (grid_->HandleAllocated() && grid_->Visible()) editor_->SetFocus();
    Prepare(filterCol);
  }
  editor_->SetBoundsRect(grid_->GridToClient(cell));
  // Chosen whole once the editor has its width, so that a text wider than the cell shows its
  // start rather than the end of a view scrolled in no width at all.
  if (refresh) editor_->SelectAllFromStart();
  editor_->EditControl()->Perform(EM_SCROLLCARET, 0, 0);
  editor_->Show();
}

TDBGridExFilterEditing::ColumnFollower::~ColumnFollower() {
  if (!editing_->Shown()) return;
  try {
    editing_->Place(false);
  } catch (const std::exception&) {
    // A scope's end cannot report: the editor stays where it was until it is placed again.
  }
}

void TDBGridExFilterEditing::Hide() {
  if (!EditorVisible()) return;
  if (editor_->Focused() && grid_->Visible() && grid_->CanFocus()) grid_->SetFocus();
  editor_->Hide();
  if (column_ == nullptr) return;
  Store(column_, false);
  reportedColumn_ = nullptr;
  InvalidateFilterCell(FilterCol());
}

void TDBGridExFilterEditing::Close() {
  if (grid_->STFilter()->PlacementLocked()) return;
  Hide();
  shown_ = false;
  if (grid_->EditorAlwaysShown()) grid_->ShowInplaceEditor();
  else grid_->HideEditor();
}

// Left first, so that the focus the hidden editor hands back stays with the grid.
bool TDBGridExFilterEditing::GiveWayToCellEditor() {
  if (grid_->STFilter()->PlacementLocked()) return false;
  shown_ = false;
  Hide();
  return true;
}

void TDBGridExFilterEditing::ReadText(TColumnEx* column) {
  if (column == nullptr || column->Field() == nullptr || editor_ == nullptr) return;
  column->STFilter()->SetExpressionText(editor_->Text());
}

bool TDBGridExFilterEditing::StoreText(int dataCol) { return Store(Column(dataCol), true); }

// Text the user was told about once is not reported again as the cell is left with it.
bool TDBGridExFilterEditing::Store(TColumnEx* column, bool reportAgain) {
  try {
    ReadText(column);
    return true;
  } catch (const EFilterExpressionError&) {
    const String text = editor_->Text();
    if (reportAgain || column != reportedColumn_ || text != reportedText_) ReportToUser(grid_);
    reportedColumn_ = column;
    reportedText_ = text;
    return false;
  }
}

void TDBGridExFilterEditing::FiltersApplied() {
  for (int i = 0; i < grid_->Columns()->Count(); ++i) grid_->Columns()->Items(i)->STFilter()->KeepAsApplied();
}

// Only a filter every column of which still has its field is what the cells show.
void TDBGridExFilterEditing::DataSetOpened() {
  TDBGridColumnsEx* columns = grid_->Columns();
  bool applied = false;
  for (int i = 0; i < columns->Count(); ++i) {
    TColumnEx* column = columns->Items(i);
    if (!column->STFilter()->FilterApplied()) continue;
    if (column->Field() == nullptr) return;
    applied = true;
  }
  if (!applied) return;
  try {
    if (grid_->OnApplyFilter.Assigned()) grid_->OnApplyFilter.Call(grid_);
    else grid_->ApplyFilter();
    FiltersApplied();
  } catch (const Exception&) {
    ReportToUser(grid_);
  }
}

void TDBGridExFilterEditing::GiveUpTyping() {
  if (column_ == nullptr) return;
  column_->STFilter()->RevertToApplied();
  Prepare(FilterCol());
  editor_->SelectAllFromStart();
  InvalidateFilterCell(FilterCol());
}

void TDBGridExFilterEditing::TextChanged() {
  TColumnEx* column = shown_ ? column_ : nullptr;
  if (column == nullptr || editor_ == nullptr || editor_->Text() == column->STFilter()->ExpressionText()) return;
  try {
    ReadText(column);
  } catch (const EFilterExpressionError&) {
    // Text half typed: it is read again, and what cannot be read reported, when it is applied
    // or left.
  }
}

void TDBGridExFilterEditing::Prepare(int dataCol) {
  TColumnEx* column = Column(dataCol);
  if (column == nullptr) return;
  TSTColumnFilterEx* filter = column->STFilter();
  editor_->Items()->Clear();
  editor_->SetValue(Variant::Null());
  editor_->SetButtonVisible(filter->HasValueList());
  if (!filter->HasValueList()) return editor_->SetText(ColumnFilterText(column));
  if (filter->EffectiveKeyField().empty()) editor_->SetText(filter->ExpressionText());
  else editor_->ShowKeyValue(filter->GetKeyValue(), filter->ExpressionText());
  editor_->SetDropDownWidth(filter->DropDownWidth() < 1 ? kDefaultListWidth : filter->DropDownWidth());
  editor_->SetDropDownCount(filter->DropDownRows() < 1 ? kDefaultListRows : filter->DropDownRows());
}

// Distinct texts of the list data set's field, read afresh from an open data set only.
std::vector<String> TDBGridExFilterEditing::ListValues(TColumnEx* column) {
  TSTColumnFilterEx* filter = column->STFilter();
  if (filter->ListSource() == nullptr) {
    IMemTableEx* table = grid_->RowSource()->RecordAccess();
    return table != nullptr ? table->ColumnValueList(column) : std::vector<String>{};
  }
  TDataSet* list = filter->ListSource()->DataSet();
  if (list == nullptr || !list->Active()) return {};
  TField* field = list->FindField(filter->ListField().empty() ? column->FieldName() : filter->ListField());
  if (field == nullptr) return {};
  TKeptCursorEx kept(list);
  std::set<String, bool (*)(const String&, const String&)> values(
      [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
  // An empty value is what "(Empty)" stands for; a memo shows its text, as it is filtered on.
  const bool memo = field->DataType() == ftMemo || field->DataType() == ftFmtMemo;
  for (list->First(); !list->Eof(); list->Next())
    if (!field->IsNull()) values.insert(memo ? field->AsString() : field->DisplayText());
  return {values.begin(), values.end()};
}

void TDBGridExFilterEditing::FilterEditDropDown() {
  TColumnEx* column = column_;
  if (column == nullptr) return;
  for (const String& value : ListValues(column)) editor_->AddCode(value, flcValueEx);
  editor_->AddCode(grid_texts::SFilterEmpty, flcEmptyEx);
  editor_->AddCode(grid_texts::SFilterNotEmpty, flcNotEmptyEx);
  editor_->AddCode(grid_texts::SFilterAll, flcAllEx);
  editor_->AddCode(grid_texts::SFilterClear, flcClearFilterEx);
  if (grid_->OptionsEx().Contains(dghAutoSortMarking) && column->Title()->TitleButton()) {
    editor_->AddCode("-", flcSeparatorEx);
    editor_->AddCode(grid_texts::SFilterOrderAscending, flcOrderAscendingEx);
    editor_->AddCode(grid_texts::SFilterOrderDescending, flcOrderDescendingEx);
  }
}

void TDBGridExFilterEditing::ApplyReportingErrors() {
  try {
    grid_->ApplyFilterNow();
  } catch (const Exception&) {
    ReportToUser(grid_);
  }
}

void TDBGridExFilterEditing::RememberListSize(TColumnEx* column) {
  column->STFilter()->SetDropDownSize(editor_->DropDownWidth(), editor_->DropDownCount());
}

void TDBGridExFilterEditing::FilterEditCommand(int code) {
  TColumnEx* column = column_;
  if (column == nullptr) return;
  RememberListSize(column);
  switch (code) {
    case flcEmptyEx: editor_->SetText("=Null"); break;
    case flcNotEmptyEx: editor_->SetText("<>Null"); break;
    case flcAllEx: editor_->SetText(String()); break;
    case flcClearFilterEx:
      grid_->ClearAllFilters();
      return ApplyReportingErrors();
    case flcOrderAscendingEx:
    case flcOrderDescendingEx:
      for (int i = 0; i < grid_->Columns()->Count(); ++i) grid_->Columns()->Items(i)->Title()->SetSortMarker(smNoneEx);
      grid_->SortMarkedColumns().clear();
      column->Title()->SetSortMarker(code == flcOrderAscendingEx ? smDownEx : smUpEx);
      grid_->SortMarkingChanged();
      return;
    default: return;
  }
  if (FilterApplyFlagSet()) ApplyReportingErrors();
}

void TDBGridExFilterEditing::FilterEditValueChosen() {
  TColumnEx* column = column_;
  if (column == nullptr) return;
  RememberListSize(column);
  if (FilterApplyFlagSet()) ApplyReportingErrors();
}

void TDBGridExFilterEditing::FilterEditEnter() { ApplyReportingErrors(); }

bool TDBGridExFilterEditing::CaretAtStart() const {
  return editor_->SelStart() == 0 && editor_->EditControl()->SelLength() == 0;
}

bool TDBGridExFilterEditing::CaretAtEnd() const { return editor_->SelStart() + editor_->EditControl()->SelLength() >= editor_->TextLength(); }

int TDBGridExFilterEditing::NextEditable(int from, int step) const {
  const int count = grid_->Columns()->Count();
  for (int tried = 0, col = from; tried < count; ++tried) {
    col = (col + step + count) % count;
    if (CellEditable(col)) return col;
  }
  return -1;
}

void TDBGridExFilterEditing::MoveTo(int dataCol) {
  if (dataCol >= 0) Show(dataCol);
}

void TDBGridExFilterEditing::FilterEditKeyDown(uint16_t& key, TShiftState shift) {
  const bool ctrl = shift.Contains(ssCtrl);
  const bool plain = !shift.Contains(ssCtrl) && !shift.Contains(ssShift) && !shift.Contains(ssAlt);
  const int count = grid_->Columns()->Count();
  switch (key) {
    case VK_LEFT:
      if (ctrl || CaretAtStart()) {
        MoveTo(NextEditable(FilterCol(), -1));
        key = 0;
      }
      break;
    case VK_RIGHT:
      if (ctrl || CaretAtEnd()) {
        MoveTo(NextEditable(FilterCol(), 1));
        key = 0;
      }
      break;
    case VK_HOME:
      if (ctrl || CaretAtStart()) {
        MoveTo(NextEditable(count - 1, 1));
        key = 0;
      }
      break;
    case VK_END:
      if (ctrl || CaretAtEnd()) {
        MoveTo(NextEditable(0, -1));
        key = 0;
      }
      break;
    case VK_TAB:
      if (grid_->Options().Contains(dgTabs)) {
        MoveTo(NextEditable(FilterCol(), shift.Contains(ssShift) ? -1 : 1));
        key = 0;
      }
      break;
    case VK_UP:
      if (plain) key = 0;
      break;
    case VK_DOWN:
      if ((plain || shift == TShiftState{ssCtrl}) && grid_->DataLink()->Active()) {
        grid_->InvalidateCurrentCell(grid_->SelectedIndex());
        // Without a modifier the record shown first becomes current.
        if (plain) grid_->DataLink()->DataSet()->MoveBy(-grid_->DataLink()->ActiveRecord());
        Close();
        key = 0;
      }
      break;
    case VK_F2:
      editor_->SetSelection(editor_->TextLength(), 0);
      key = 0;
      break;
    case VK_ESCAPE:
      if (plain) {
        GiveUpTyping();
        key = 0;
      }
      break;
    default: break;
  }
}
