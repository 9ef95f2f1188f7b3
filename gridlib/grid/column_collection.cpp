// The grid's column collection: column kinds, grid updates and the stored column order.
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_host.h"
#include "platform/core/format.h"
#include "platform/data/field.h"

TDBGridColumnsEx::TDBGridColumnsEx(TDBGridExHost* grid, TCollectionItemClass itemClass)
    : TOwnedCollection(grid != nullptr ? grid->GridComponent() : nullptr, itemClass),
      grid_(grid) {}


TColumnEx* TDBGridColumnsEx::InternalAdd() {
  TColumnEx* column = Add();
  column->SetIsStored(false);
  return column;
}

TDBGridColumnsState TDBGridColumnsEx::State() const {
  return Count() > 0 && Items(0)->IsStored() ? csCustomized : csDefault;
}

void TDBGridColumnsEx::ReleaseFields() {
  for (int i = 0; i < Count(); ++i) Items(i)->ReleaseField();
}

TColumnEx* TDBGridColumnsEx::ColumnOfField(const TField* field) const {
  for (int i = 0; i < Count(); ++i) {
    if (field != nullptr && Items(i)->Field() == field) return Items(i);
  }
  return nullptr;
}

String TDBGridColumnsEx::ColumnsIndex() const {
  String result;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) result += ',';
    result += AnsiQuotedStr(Items(i)->FieldName(), '"');
  }
  return result;
}

// Each name moves the first not yet placed column of that name to the next place, so names
// that match no column, or repeat, never move a column past the end.
void TDBGridColumnsEx::SetColumnsIndex(const String& value) {
  columnsIndex_ = value;
  TStringList names;
  names.SetCommaText(value);
  TCollectionUpdateLock lock(*this);
  int place = 0;
  for (int n = 0; n < names.Count() && place < Count(); ++n) {
    for (int i = place; i < Count(); ++i) {
      if (SameText(Items(i)->FieldName(), names.Strings(n))) {
        Items(i)->SetIndex(place++);
        break;
      }
    }
  }
}

// Runs for every way a column leaves (Delete, Clear, or freeing it), before it is freed.
void TDBGridColumnsEx::Notify(TCollectionItem* item, TCollectionNotification action) {
  TOwnedCollection::Notify(item, action);
  if (action == cnExtracting && grid_ != nullptr && !grid_->IsDestroying()) {
    grid_->ForgetColumn(item);
  }
}

void TDBGridColumnsEx::Update(TCollectionItem* item) {
  if (grid_ == nullptr || grid_->IsLoading() || grid_->IsDestroying()) return;
  if (item != nullptr) {
    UpdateOneColumn(static_cast<TColumnEx*>(item));
  } else {
    grid_->RebuildSortMarkedColumns();
    grid_->LayoutChanged();
  }
  KeepSelectedColumnVisible();
  if (!grid_->InLayout()) grid_->UpdateScrollBarsAndEditor();
}

void TDBGridColumnsEx::UpdateOneColumn(TColumnEx* column) {
  const int dataCol = column->Index();
  grid_->InvalidateDataCol(dataCol);
  const int gridWidth = grid_->GridColWidth(dataCol);
  if (!grid_->AutoFitColWidths() || grid_->IsDesigning()) {
    if (gridWidth == column->Width()) {
      if (grid_->UseMultiTitle()) grid_->LayoutChanged();
    } else if (column->Visible()) {
      grid_->SetGridColWidth(dataCol, column->Width());
    } else {
      grid_->SetGridColWidth(dataCol, grid_->Options().Contains(dgColLines) ? -1 : 0);
    }
  } else if (gridWidth != -1) {
    PassShrinkToNext(column, gridWidth);
    grid_->LayoutChanged();
  }
}

// Under auto-fit a column's new width rescales its design width; what it gives up goes to the
// next column, so the total stays the same. A grid column of width 0 has no scale to keep.
void TDBGridColumnsEx::PassShrinkToNext(TColumnEx* column, int gridWidth) {
  const int oldInit = column->InitWidth();
  const int newInit =
      gridWidth > 0 ? MulDiv(oldInit, column->Width(), gridWidth) : column->Width();
  column->SetInitWidth(newInit);
  const int next = column->Index() + 1;
  if (next >= Count()) return;
  TColumnEx* neighbour = Items(next);
  neighbour->SetInitWidth(std::max(0, neighbour->InitWidth() + oldInit - newInit));
}

// A hidden column takes no room, so the focus moves off it to the first shown column that may
// take it (frozen columns never do).
void TDBGridColumnsEx::KeepSelectedColumnVisible() {
  const int selected = grid_->SelectedIndex();
  if (selected < 0 || selected >= Count() || Items(selected)->Visible()) return;
  for (int i = 0; i < Count(); ++i) {
    if (!Items(i)->Visible()) continue;
    grid_->SetSelectedIndex(i);
    if (grid_->SelectedIndex() == i) return;
  }
}
