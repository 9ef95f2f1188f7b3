// Column titles: inheriting look, captions and sort markers.
#include "gridlib/grid/column_titles.h"

#include <algorithm>

#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_unit.h"
#include "gridlib/grid/inherited_font.h"
#include "platform/classes/filer.h"
#include "platform/data/field.h"
#include "platform/core/format.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"

TColumnTitleEx::TColumnTitleEx(TColumnEx* column)
    : column_(column), font_(std::make_unique<TInheritedFont>([this] { FontChanged(); })) {}

TColumnTitleEx::~TColumnTitleEx() = default;


TPersistent* TColumnTitleEx::GetOwner() { return column_; }

bool TColumnTitleEx::Assigned(int bit) const {
  return column_->IsAssigned(static_cast<TColumnExValue>(bit));
}

void TColumnTitleEx::Changed(bool allItems) { column_->ColumnChanged(allItems); }

bool TColumnTitleEx::InCollectionUpdate() const {
  TCollection* columns = column_->Collection();
  return columns != nullptr && columns->UpdateCount() > 0;
}

String TColumnTitleEx::CaptionAsRead() const {
  const String caption = Caption();
  TDBGridExHost* grid = column_->GetGrid();
  if (grid == nullptr || !grid->UseMultiTitle()) return caption;
  String read;
  size_t from = 0;
  while (from <= caption.size()) {
    const size_t bar = std::min(caption.find('|', from), caption.size());
    if (bar > from) read += (read.empty() ? "" : " ") + caption.substr(from, bar - from);
    from = bar + 1;
  }
  return read;
}

// ---- Defaults.

TAlignment TColumnTitleEx::DefaultAlignment() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr ? grid->ColumnDefValues()->Title()->Alignment() : taLeftJustify;
}

String TColumnTitleEx::DefaultCaption() const {
  TField* field = column_->Field();
  return field != nullptr ? field->DisplayLabel() : column_->FieldName();
}

TColor TColumnTitleEx::DefaultColor() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr ? grid->ColumnDefValues()->Title()->Color() : clBtnFace;
}

TFont* TColumnTitleEx::DefaultFont() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr ? grid->TitleFont() : column_->Font();
}

bool TColumnTitleEx::DefaultEndEllipsis() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr && grid->ColumnDefValues()->Title()->EndEllipsis();
}

TTextOrientationEx TColumnTitleEx::DefaultOrientation() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr ? grid->ColumnDefValues()->Title()->Orientation() : tohHorizontal;
}

bool TColumnTitleEx::DefaultTitleButton() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr && grid->ColumnDefValues()->Title()->TitleButton();
}

bool TColumnTitleEx::DefaultToolTips() const {
  TDBGridExHost* grid = column_->GetGrid();
  return grid != nullptr && grid->ColumnDefValues()->Title()->ToolTips();
}

// ---- Inheriting properties.

#define TITLE_PROPERTY(Type, Name, field, bit, notify)                           \
  Type TColumnTitleEx::Name() const { return Assigned(bit) ? field : Default##Name(); } \
  void TColumnTitleEx::Set##Name(Type value) {                                  \
    if (Assigned(bit) && field == value) return;                                \
    field = value;                                                              \
    column_->MarkAssigned(bit);                                                 \
    if (notify) Changed(false);                                                 \
  }                                                                             \
  bool TColumnTitleEx::Is##Name##Stored() const {                               \
    return Assigned(bit) && field != Default##Name();                           \
  }

TITLE_PROPERTY(TAlignment, Alignment, alignment_, cvTitleAlignment, true)
TITLE_PROPERTY(TColor, Color, color_, cvTitleColor, true)
TITLE_PROPERTY(bool, EndEllipsis, endEllipsis_, cvTitleEndEllipsis, true)
TITLE_PROPERTY(TTextOrientationEx, Orientation, orientation_, cvTitleOrientation, true)
TITLE_PROPERTY(bool, TitleButton, titleButton_, cvTitleButton, true)
TITLE_PROPERTY(bool, ToolTips, toolTips_, cvTitleToolTips, false)
#undef TITLE_PROPERTY

String TColumnTitleEx::Caption() const {
  return Assigned(cvTitleCaption) ? caption_ : DefaultCaption();
}

void TColumnTitleEx::SetCaption(const String& value) {
  if (column_->IsDefaultColumn()) {
    TDBGridExHost* grid = column_->GetGrid();
    if (grid != nullptr && grid->DataLink()->Active() && column_->Field() != nullptr) {
      column_->Field()->SetDisplayLabel(value);
      return;
    }
  }
  if (Assigned(cvTitleCaption) && caption_ == value) return;
  caption_ = value;
  column_->MarkAssigned(cvTitleCaption);
  Changed(false);
}

bool TColumnTitleEx::IsCaptionStored() const {
  return Assigned(cvTitleCaption) && caption_ != DefaultCaption();
}

// An empty caption given in place of the field's is stored too: an empty text counts as no
// value among the published ones, and the title would come back showing the field's caption.
// It is read back as the published caption.
void TColumnTitleEx::DefineProperties(TFiler& filer) {
  TPersistent::DefineProperties(filer);
  const bool emptyCaption = IsCaptionStored() && caption_.empty();
  filer.DefineProperty("Caption", nullptr, [](TWriter& writer) { writer.WriteString(String()); }, emptyCaption);
}

TFont* TColumnTitleEx::Font() const {
  if (!Assigned(cvTitleFont)) font_->CopyQuietly(DefaultFont());
  return font_->Get();
}

void TColumnTitleEx::SetFont(TFont* value) { font_->Get()->Assign(value); }

bool TColumnTitleEx::IsFontStored() const { return Assigned(cvTitleFont); }

void TColumnTitleEx::FontChanged() {
  column_->MarkAssigned(cvTitleFont);
  Changed(true);
}

void TColumnTitleEx::SetImageIndex(int value) {
  if (imageIndex_ == value) return;
  imageIndex_ = value;
  if (TDBGridExHost* grid = column_->GetGrid()) grid->LayoutChanged();
}

void TColumnTitleEx::RestoreDefaults() {
  const bool fontWasAssigned = Assigned(cvTitleFont);
  for (int bit = cvTitleColor; bit <= cvTitleOrientation; ++bit) {
    column_->assigned_.Exclude(static_cast<TColumnExValue>(bit));
  }
  caption_.clear();
  font_->CopyQuietly(DefaultFont());
  Changed(fontWasAssigned);
}

void TColumnTitleEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnTitleEx*>(source);
  if (other == nullptr) return TPersistent::Assign(source);
  if (other->Assigned(cvTitleAlignment)) SetAlignment(other->Alignment());
  if (other->Assigned(cvTitleColor)) SetColor(other->Color());
  if (other->Assigned(cvTitleCaption)) SetCaption(other->Caption());
  if (other->Assigned(cvTitleFont)) SetFont(other->Font());
  hint_ = other->hint_;
  SetImageIndex(other->ImageIndex());
  SetOrientation(other->Orientation());
  SetSortIndex(other->SortIndex());
  SetSortMarker(other->SortMarker());
  SetTitleButton(other->TitleButton());
  SetEndEllipsis(other->EndEllipsis());
  SetToolTips(other->ToolTips());
}

// ---- Sort markers.

void TColumnTitleEx::SetSortMarker(TSortMarkerEx value) {
  if (sortMarker_ == value) return;
  sortMarker_ = value;
  TDBGridExHost* grid = column_->GetGrid();
  if (InCollectionUpdate() || grid == nullptr) return;
  if (grid->OptionsEx().Contains(dghMultiSortMarking)) MarkMultiSort(value);
  else MarkSingleSort();
  Changed(false);
}

void TColumnTitleEx::MarkSingleSort() {
  TDBGridExHost* grid = column_->GetGrid();
  std::vector<TColumnEx*>& marked = grid->SortMarkedColumns();
  if (sortMarker_ == smNoneEx) {
    sortIndex_ = 0;
    marked.clear();
    return;
  }
  TDBGridColumnsEx* columns = grid->Columns();
  for (int i = 0; i < columns->Count(); ++i) {
    TColumnEx* other = columns->Items(i);
    if (other != column_ && other->Title()->SortMarker() != smNoneEx) {
      other->Title()->SetSortMarker(smNoneEx);
    }
  }
  sortIndex_ = 1;
  marked.assign(1, column_);
}

void TColumnTitleEx::MarkMultiSort(TSortMarkerEx value) {
  std::vector<TColumnEx*>& marked = column_->GetGrid()->SortMarkedColumns();
  if (value != smNoneEx && sortIndex_ == 0) {
    std::erase(marked, column_);
    marked.push_back(column_);
    sortIndex_ = static_cast<int>(marked.size());
  } else if (value == smNoneEx && sortIndex_ != 0) {
    std::erase(marked, column_);
    for (TColumnEx* other : marked) {
      if (other->Title()->sortIndex_ > sortIndex_) --other->Title()->sortIndex_;
    }
    sortIndex_ = 0;
  }
}

void TColumnTitleEx::SetSortIndex(int value) {
  if (value < 0) value = 0;
  if (value == sortIndex_) return;
  TDBGridExHost* grid = column_->GetGrid();
  if (InCollectionUpdate() || grid == nullptr) {
    sortIndex_ = value;
    return;
  }
  if (sortMarker_ == smNoneEx || value == 0) return;
  std::vector<TColumnEx*>& marked = grid->SortMarkedColumns();
  auto other = std::find_if(marked.begin(), marked.end(), [&](TColumnEx* c) {
    return c != column_ && c->Title()->sortIndex_ == value;
  });
  if (other == marked.end()) return;
  auto self = std::find(marked.begin(), marked.end(), column_);
  (*other)->Title()->sortIndex_ = sortIndex_;
  sortIndex_ = value;
  if (self != marked.end()) std::iter_swap(self, other);
  Changed(false);
}

void TColumnTitleEx::ToggleSortMarker(bool keepOthers) {
  TDBGridExHost* grid = column_->GetGrid();
  if (!keepOthers && grid != nullptr) {
    TDBGridColumnsEx* columns = grid->Columns();
    for (int i = 0; i < columns->Count(); ++i) {
      if (columns->Items(i) != column_) columns->Items(i)->Title()->SetSortMarker(smNoneEx);
    }
  }
  switch (sortMarker_) {
    case smNoneEx: SetSortMarker(smDownEx); break;
    case smDownEx: SetSortMarker(smUpEx); break;
    case smUpEx: SetSortMarker(keepOthers ? smNoneEx : smDownEx); break;
  }
}

int TColumnTitleEx::SortMarkerWidth() const {
  if (sortIndex_ == 0 || column_ == nullptr) return 0;
  constexpr int kMarkerRoom = 16;
  constexpr int kMarkerImage = 14;
  TDBGridExHost* grid = column_->GetGrid();
  int numberWidth = 0;
  if (grid != nullptr && grid->SortMarkedColumns().size() >= 2 && SortIndexFont() != nullptr) {
    numberWidth = FontMeasuringCanvas(SortIndexFont())->TextWidth(IntToStr(sortIndex_));
  }
  int width = kMarkerRoom + numberWidth;
  const int room = column_->Width() - 4;
  if (width > room) width -= kMarkerImage;
  if (width > room) width -= numberWidth + 2;
  return width;
}
