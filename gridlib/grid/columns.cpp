// Columns: inheriting properties, binding to fields, widths and copying.
#include "gridlib/grid/columns.h"

#include "gridlib/controls/edit_buttons.h"
#include "gridlib/controls/mru_list.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/inherited_font.h"
#include "gridlib/grid/popup_data_grid.h"
#include "platform/data/dataset.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/graphics_objects.h"

TColumnEx::TColumnEx(TCollection* collection) : TCollectionItem(collection) {
  GridLayoutLock lock(GetGrid());
  font_ = std::make_unique<TInheritedFont>([this] { FontChanged(); });
  imeName_ = DefaultImeName();
  imeMode_ = imDontCare;
  title_.reset(CreateTitle());
  footer_.reset(CreateFooter());
  footers_.reset(CreateFooters());
  editButtons_.reset(CreateEditButtons());
  specRow_ = std::make_unique<TSpecRowEx>(this);
  specRow_->OnChange.Bind(nullptr, "", [this](TObject*) { SpecRowChanged(); });
  dropDownBox_ = std::make_unique<TColumnDropDownBoxEx>(this);
  mruList_ = std::make_unique<TMRUListEx>(this);
  stFilter_.reset(CreateSTFilter());
  imageLink_ = std::make_unique<TChangeLink>();
  imageLink_->OnChange.Bind(nullptr, "", [this](TObject*) { RepaintGrid(); });
  initWidth_ = Width();
}

// The image link unregisters itself from a list that is still there.
TColumnEx::~TColumnEx() = default;

TEditButtonsEx* TColumnEx::CreateEditButtons() {
  auto* buttons = new TEditButtonsEx(this, TCollectionItemClass::Of<TVisibleEditButtonEx>());
  buttons->OnChange.Bind(nullptr, "", [this](TObject*) { Changed(false); });
  return buttons;
}

TColumnFooterEx* TColumnEx::CreateFooter() { return new TColumnFooterEx(this, nullptr); }
TColumnFootersEx* TColumnEx::CreateFooters() { return new TColumnFootersEx(this); }
TSTColumnFilterEx* TColumnEx::CreateSTFilter() { return new TSTColumnFilterEx(this); }
TColumnTitleEx* TColumnEx::CreateTitle() { return new TColumnTitleEx(this); }

String TColumnEx::GetDisplayName() {
  return fieldName_.empty() ? TCollectionItem::GetDisplayName() : fieldName_;
}

TDBGridColumnsEx* TColumnEx::Columns() const {
  return dynamic_cast<TDBGridColumnsEx*>(Collection());
}

TDBGridExHost* TColumnEx::GetGrid() const {
  TDBGridColumnsEx* columns = Columns();
  return columns != nullptr ? columns->Grid() : nullptr;
}

TDataSet* TColumnEx::GridDataSet() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->DataLink()->DataSet() : nullptr;
}

bool TColumnEx::GridLinkActive() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr && grid->DataLink()->Active();
}

// ---- Field binding.

TField* TColumnEx::Field() {
  if (field_ != nullptr || fieldName_.empty()) return field_;
  TDataSet* dataSet = GridDataSet();
  TField* found = dataSet != nullptr ? dataSet->FindField(fieldName_) : nullptr;
  if (found == nullptr) return nullptr;
  field_ = found;
  fieldName_ = found->FieldName();
  GetGrid()->GridComponent()->FreeNotification(found);
  RebindFooters();
  return field_;
}

void TColumnEx::SetField(TField* field) {
  if (field_ == field) return;
  field_ = field;
  if (field != nullptr) {
    fieldName_ = field->FieldName();
    if (TDBGridExHost* grid = GetGrid()) grid->GridComponent()->FreeNotification(field);
  }
  if (IsDefaultColumn()) {
    if (field == nullptr) fieldName_.clear();
    RestoreDefaults();
    initWidth_ = Width();
  }
  RebindFooters();
  Changed(false);
}

void TColumnEx::FieldRemoved(TField* field) {
  if (field_ == field) field_ = nullptr;
}

void TColumnEx::ComponentRemoved(const void* gone) {
  if (gone == static_cast<const void*>(field_)) field_ = nullptr;
  if (gone == static_cast<const void*>(popupMenu_)) popupMenu_ = nullptr;
  if (gone == static_cast<const void*>(imageList_)) imageList_ = nullptr;
  dropDownBox_->ComponentRemoved(gone);
  stFilter_->ComponentRemoved(gone);
}

void TColumnEx::SetFieldName(const String& value) {
  TDBGridExHost* grid = GetGrid();
  TField* found = nullptr;
  if (grid != nullptr && !grid->IsLoading() && GridDataSet() != nullptr) {
    found = GridDataSet()->FindField(value);
  }
  // A name found in another letter case takes the field's own, also when already bound.
  fieldName_ = found != nullptr ? found->FieldName() : value;
  if (found == nullptr) field_ = nullptr;
  else SetField(found);
  RebindFooters();
  initWidth_ = Width();
  Changed(false);
}

void TColumnEx::RebindFooters() {
  footer_->BindSum();
  for (int i = 0; i < footers_->Count(); ++i) footers_->Items(i)->BindSum();
}

// ---- Inheriting properties.

template <typename T>
bool TColumnEx::StoreInherited(TColumnExValue bit, T& field, const T& value) {
  if (IsAssigned(bit) && field == value) return false;
  field = value;
  MarkAssigned(bit);
  return true;
}

TColor TColumnEx::DefaultColor() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->GridColor() : clWindow;
}

TColor TColumnEx::Color() const { return IsAssigned(cvColor) ? color_ : DefaultColor(); }

void TColumnEx::SetColor(TColor value) {
  if (StoreInherited(cvColor, color_, value)) Changed(false);
}

TFont* TColumnEx::DefaultFont() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->GridFont() : font_->Get();
}

TFont* TColumnEx::Font() const {
  if (!IsAssigned(cvFont)) font_->CopyQuietly(DefaultFont());
  return font_->Get();
}

void TColumnEx::SetFont(TFont* value) { font_->Get()->Assign(value); }

void TColumnEx::FontChanged() {
  MarkAssigned(cvFont);
  Changed(false);
}

TAlignment TColumnEx::DefaultAlignment() const {
  TField* field = const_cast<TColumnEx*>(this)->Field();
  return field != nullptr ? field->Alignment() : taLeftJustify;
}

TAlignment TColumnEx::Alignment() const {
  return IsAssigned(cvAlignment) ? alignment_ : DefaultAlignment();
}

void TColumnEx::SetAlignment(TAlignment value) {
  if (IsDefaultColumn()) {
    if (GridLinkActive() && Field() != nullptr) Field()->SetAlignment(value);
    return;
  }
  if (StoreInherited(cvAlignment, alignment_, value)) Changed(false);
}

bool TColumnEx::DefaultReadOnly() const {
  TDBGridExHost* grid = GetGrid();
  TField* field = const_cast<TColumnEx*>(this)->Field();
  return (grid != nullptr && grid->ReadOnly()) || (field != nullptr && field->ReadOnly());
}

bool TColumnEx::ReadOnly() const { return IsAssigned(cvReadOnly) ? readOnly_ : DefaultReadOnly(); }

void TColumnEx::SetReadOnly(bool value) {
  if (IsDefaultColumn() && GridLinkActive() && Field() != nullptr) {
    Field()->SetReadOnly(value);
    return;
  }
  if (StoreInherited(cvReadOnly, readOnly_, value)) Changed(false);
}

TImeMode TColumnEx::DefaultImeMode() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->GridImeMode() : imeMode_;
}

TImeMode TColumnEx::ImeMode() const { return IsAssigned(cvImeMode) ? imeMode_ : DefaultImeMode(); }

void TColumnEx::SetImeMode(TImeMode value) {
  if (IsAssigned(cvImeMode) || value != DefaultImeMode()) {
    imeMode_ = value;
    MarkAssigned(cvImeMode);
  }
  Changed(false);
}

String TColumnEx::DefaultImeName() const {
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->GridImeName() : imeName_;
}

String TColumnEx::ImeName() const { return IsAssigned(cvImeName) ? imeName_ : DefaultImeName(); }

void TColumnEx::SetImeName(const String& value) {
  if (IsAssigned(cvImeName) || value != DefaultImeName()) {
    imeName_ = value;
    MarkAssigned(cvImeName);
  }
  Changed(false);
}

bool TColumnEx::DefaultWordWrap() const {
  if (GetGrid() == nullptr) return false;
  TField* field = const_cast<TColumnEx*>(this)->Field();
  if (field == nullptr) return false;
  const TFieldType type = field->DataType();
  return type == ftString || type == ftMemo || type == ftFmtMemo || type == ftWideString;
}

bool TColumnEx::WordWrap() const { return IsAssigned(cvWordWrap) ? wordWrap_ : DefaultWordWrap(); }

void TColumnEx::SetWordWrap(bool value) {
  TDBGridExHost* grid = GetGrid();
  const bool loading = grid != nullptr && grid->IsLoading();
  if (IsAssigned(cvWordWrap) || value != DefaultWordWrap() || loading) {
    wordWrap_ = value;
    MarkAssigned(cvWordWrap);
  }
  Changed(false);
}

String TColumnEx::DefaultLookupDisplayFields() const {
  TField* field = const_cast<TColumnEx*>(this)->Field();
  return field != nullptr && field->Lookup() ? field->LookupResultField() : String();
}

String TColumnEx::LookupDisplayFields() const {
  return IsAssigned(cvLookupDisplayFields) ? lookupDisplayFields_ : DefaultLookupDisplayFields();
}

void TColumnEx::SetLookupDisplayFields(const String& value) {
  if (StoreInherited(cvLookupDisplayFields, lookupDisplayFields_, value)) Changed(false);
  if (dataList_ != nullptr) dataList_->SetListFieldNames(LookupDisplayFields());
}

bool TColumnEx::DefaultCheckboxes() const {
  TField* field = const_cast<TColumnEx*>(this)->Field();
  return field != nullptr && field->DataType() == ftBoolean;
}

bool TColumnEx::Checkboxes() const {
  return IsAssigned(cvCheckboxes) ? checkboxes_ : DefaultCheckboxes();
}

void TColumnEx::SetCheckboxes(bool value) {
  if (StoreInherited(cvCheckboxes, checkboxes_, value)) Changed(false);
}

// The Boolean properties whose defaults are the grid's column defaults.
#define GRID_DEFAULT_BOOL(Name, field, bit, notify)                                   \
  bool TColumnEx::Name() const {                                                     \
    if (IsAssigned(bit)) return field;                                               \
    TDBGridExHost* grid = GetGrid();                                                 \
    return grid != nullptr && grid->ColumnDefValues()->Name();                       \
  }                                                                                  \
  void TColumnEx::Set##Name(bool value) {                                            \
    if (StoreInherited(bit, field, value) && (notify)) Changed(false);               \
  }                                                                                  \
  bool TColumnEx::Is##Name##Stored() const {                                         \
    if (!IsAssigned(bit)) return false;                                              \
    TDBGridExHost* grid = GetGrid();                                                 \
    return field != (grid != nullptr && grid->ColumnDefValues()->Name());            \
  }

GRID_DEFAULT_BOOL(AlwaysShowEditButton, alwaysShowEditButton_, cvAlwaysShowEditButton, true)
GRID_DEFAULT_BOOL(EndEllipsis, endEllipsis_, cvEndEllipsis, true)
GRID_DEFAULT_BOOL(AutoDropDown, autoDropDown_, cvAutoDropDown, false)
GRID_DEFAULT_BOOL(DblClickNextVal, dblClickNextVal_, cvDblClickNextVal, false)
GRID_DEFAULT_BOOL(ToolTips, toolTips_, cvToolTips, false)
GRID_DEFAULT_BOOL(DropDownSizing, dropDownSizing_, cvDropDownSizing, false)
GRID_DEFAULT_BOOL(DropDownShowTitles, dropDownShowTitles_, cvDropDownShowTitles, false)
GRID_DEFAULT_BOOL(HighlightRequired, highlightRequired_, cvHighlightRequired, true)
#undef GRID_DEFAULT_BOOL

TTextLayout TColumnEx::Layout() const {
  if (IsAssigned(cvLayout)) return layout_;
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->ColumnDefValues()->Layout() : tlTop;
}

void TColumnEx::SetLayout(TTextLayout value) {
  if (StoreInherited(cvLayout, layout_, value)) Changed(false);
}

bool TColumnEx::IsLayoutStored() const {
  if (!IsAssigned(cvLayout)) return false;
  TDBGridExHost* grid = GetGrid();
  return layout_ != (grid != nullptr ? grid->ColumnDefValues()->Layout() : tlTop);
}

TBiDiMode TColumnEx::BiDiMode() const {
  if (IsAssigned(cvBiDiMode)) return biDiMode_;
  TDBGridExHost* grid = GetGrid();
  return grid != nullptr ? grid->GridBiDiMode() : bdLeftToRight;
}

void TColumnEx::SetBiDiMode(TBiDiMode value) {
  if (StoreInherited(cvBiDiMode, biDiMode_, value)) Changed(false);
}

// Every locale of this platform can show right-to-left text, so the mode alone decides (as it
// does for the grid's own mirroring).
bool TColumnEx::UseRightToLeftAlignment() const { return BiDiMode() == bdRightToLeft; }

bool TColumnEx::IsColorStored() const { return IsAssigned(cvColor) && color_ != DefaultColor(); }
bool TColumnEx::IsAlignmentStored() const {
  return IsAssigned(cvAlignment) && alignment_ != DefaultAlignment();
}
bool TColumnEx::IsReadOnlyStored() const {
  return IsAssigned(cvReadOnly) && readOnly_ != DefaultReadOnly();
}
bool TColumnEx::IsImeModeStored() const {
  return IsAssigned(cvImeMode) && imeMode_ != DefaultImeMode();
}
bool TColumnEx::IsImeNameStored() const {
  return IsAssigned(cvImeName) && imeName_ != DefaultImeName();
}
bool TColumnEx::IsWordWrapStored() const {
  return IsAssigned(cvWordWrap) && wordWrap_ != DefaultWordWrap();
}
bool TColumnEx::IsLookupDisplayFieldsStored() const {
  return IsAssigned(cvLookupDisplayFields) && lookupDisplayFields_ != DefaultLookupDisplayFields();
}

// ---- Widths.

int TColumnEx::DefaultWidth() const {
  TDBGridExHost* grid = GetGrid();
  if (grid == nullptr) return 64;
  TField* field = const_cast<TColumnEx*>(this)->Field();
  if (field == nullptr) return grid->DefaultColWidth();
  const TFontWidthMetrics m = MeasureFontWidths(Font());
  return (m.ZeroWidth - m.Overhang) * field->DisplayWidth() + m.Overhang + 4;
}

int TColumnEx::Width() const { return ClampWidth(IsAssigned(cvWidth) ? width_ : DefaultWidth()); }

bool TColumnEx::IsWidthStored() const { return IsAssigned(cvWidth) && width_ != DefaultWidth(); }

int TColumnEx::ClampWidth(int width) const {
  if (maxWidth_ >= 1 && width > maxWidth_) width = maxWidth_;
  if (minWidth_ >= 1 && width < minWidth_) width = minWidth_;
  return width;
}

void TColumnEx::SetWidth(int value) {
  TDBGridExHost* grid = GetGrid();
  if (IsDefaultColumn() && grid != nullptr) {
    WriteBackDisplayWidth(value);
    if (grid->LayoutFromDataset() && !IsAssigned(cvWidth)) return;
  }
  if (!IsAssigned(cvWidth) && value == DefaultWidth()) {
    Changed(false);
    return;
  }
  if (value != -1) StoreWidth(value);
}

void TColumnEx::StoreWidth(int value) {
  width_ = ClampWidth(value);
  MarkAssigned(cvWidth);
  Changed(false);
}

// A default column keeps its field's DisplayWidth in step with the width the user gave it.
// Widths of hidden columns (0, or -1 for the line) say nothing about the text, so they are
// never written back.
void TColumnEx::WriteBackDisplayWidth(int value) {
  TDBGridExHost* grid = GetGrid();
  if (!grid->GridHandleAllocated() || !grid->FieldWidthWriteBack()) return;
  if (!visible_ || value <= 0 || Field() == nullptr) return;
  const TFontWidthMetrics m = MeasureFontWidths(Font());
  if (m.ZeroWidth <= 0) return;
  const int chars = (m.AveCharWidth / 2 + value - m.Overhang - 3) / m.ZeroWidth;
  if (chars > 0) Field()->SetDisplayWidth(chars);
}

void TColumnEx::SetMinWidth(int value) {
  if (minWidth_ == value) return;
  minWidth_ = value;
  if (IsAssigned(cvWidth)) width_ = ClampWidth(width_);
  Changed(false);
}

void TColumnEx::SetMaxWidth(int value) {
  if (maxWidth_ == value) return;
  maxWidth_ = value;
  if (IsAssigned(cvWidth)) width_ = ClampWidth(width_);
  Changed(false);
}

void TColumnEx::SetAutoFitColWidth(bool value) {
  if (autoFitColWidth_ == value) return;
  autoFitColWidth_ = value;
  TDBGridExHost* grid = GetGrid();
  if (grid != nullptr && grid->AutoFitColWidths() && !grid->IsLoading() && !grid->IsDesigning()) {
    SetWidth(initWidth_);
  }
  Changed(false);
}

// ---- Plain properties.

void TColumnEx::SetVisible(bool value) {
  if (visible_ == value) return;
  visible_ = value;
  Changed(true);
}

void TColumnEx::SetButtonStyle(TColumnButtonStyleEx value) {
  if (buttonStyle_ == value) return;
  buttonStyle_ = value;
  Changed(false);
}

void TColumnEx::SetDisplayFormat(const String& value) {
  if (displayFormat_ == value) return;
  displayFormat_ = value;
  Changed(false);
}

void TColumnEx::SetEditMask(const String& value) {
  editMask_ = value;
  Changed(false);
}

void TColumnEx::SetDropDownWidth(int value) { dropDownWidth_ = value < 0 ? 0 : value; }

void TColumnEx::SetHideDuplicates(bool value) {
  hideDuplicates_ = value;
  Changed(false);
}

void TColumnEx::SetCanPrint(bool value) {
  canPrint_ = value;
  Changed(false);
}

void TColumnEx::SetNotInKeyListIndex(int value) {
  if (notInKeyListIndex_ == value) return;
  notInKeyListIndex_ = value;
  RepaintGrid();
}

void TColumnEx::SetShowImageAndText(bool value) {
  if (showImageAndText_ == value) return;
  showImageAndText_ = value;
  Changed(false);
}

TStrings* TColumnEx::PickList() {
  if (pickList_ == nullptr) pickList_ = std::make_unique<TStringList>();
  return pickList_.get();
}

void TColumnEx::SetPickList(TStrings* value) {
  if (value == nullptr) pickList_.reset();
  else PickList()->Assign(*value);
}

TStrings* TColumnEx::KeyList() {
  if (keyList_ == nullptr) keyList_ = std::make_unique<TStringList>();
  return keyList_.get();
}

void TColumnEx::SetKeyList(TStrings* value) {
  if (value == nullptr) keyList_.reset();
  else KeyList()->Assign(*value);
  RepaintGrid();
}

void TColumnEx::SetImageList(TCustomImageList* value) {
  if (imageList_ == value) return;
  if (imageLink_->Sender() != nullptr) imageLink_->Sender()->UnRegisterChanges(imageLink_.get());
  imageList_ = value;
  if (value != nullptr) {
    value->RegisterChanges(imageLink_.get());
    if (TDBGridExHost* grid = GetGrid()) grid->GridComponent()->FreeNotification(value);
  }
  RepaintGrid();
}

void TColumnEx::SetPopupMenu(TComponent* value) {
  popupMenu_ = value;
  if (value != nullptr) {
    if (TDBGridExHost* grid = GetGrid()) grid->GridComponent()->FreeNotification(value);
  }
}

void TColumnEx::RepaintGrid() {
  if (TDBGridExHost* grid = GetGrid()) grid->InvalidateGrid();
}

void TColumnEx::SpecRowChanged() {
  Changed(false);
  if (dataList_ != nullptr) dataList_->SetSpecRow(specRow_.get());
}

TPopupDataGridEx* TColumnEx::DataList() {
  if (dataList_ == nullptr) {
    dataList_ = std::make_unique<TPopupDataGridEx>(nullptr);
    UpdateDataList();
  }
  return dataList_.get();
}

void TColumnEx::UpdateDataList() {
  if (dataList_ == nullptr) return;
  dataList_->SetDataSource(dropDownBox_->ListSource());
  dataList_->SetLookupOptions(dropDownBox_->Options());
  dataList_->SetSpecRow(specRow_.get());
  dataList_->SetListFieldNames(LookupDisplayFields());
  TField* field = Field();
  if (field != nullptr && field->Lookup()) dataList_->SetKeyFieldNames(field->LookupKeyFields());
}

void TColumnEx::SetTitle(TColumnTitleEx* value) { title_->Assign(value); }
void TColumnEx::SetFooter(TColumnFooterEx* value) { footer_->Assign(value); }
void TColumnEx::SetFooters(TColumnFootersEx* value) { footers_->Assign(value); }
void TColumnEx::SetEditButtons(TEditButtonsEx* value) { editButtons_->Assign(value); }
void TColumnEx::SetDropDownSpecRow(TSpecRowEx* value) { specRow_->Assign(value); }
void TColumnEx::SetDropDownBox(TColumnDropDownBoxEx* value) { dropDownBox_->Assign(value); }
void TColumnEx::SetMRUList(TMRUListEx* value) { mruList_->Assign(value); }
void TColumnEx::SetSTFilter(TSTColumnFilterEx* value) { stFilter_->Assign(value); }

TColumnFooterEx* TColumnEx::GetFooter(int index) const {
  if (index >= 0 && index < footers_->Count()) return footers_->Items(index);
  return footer_.get();
}

// ---- Whole-column operations.

void TColumnEx::RestoreDefaults() {
  const bool fontWasAssigned = IsAssigned(cvFont);
  title_->RestoreDefaults();
  assigned_ = {};
  font_->CopyQuietly(DefaultFont());
  pickList_.reset();
  buttonStyle_ = cbsAuto;
  keyList_.reset();
  Changed(fontWasAssigned);
}

void TColumnEx::SetIndex(int index) {
  if (IsDefaultColumn() && GridLinkActive() && Field() != nullptr && Columns() != nullptr &&
      index >= 0 && index < Columns()->Count()) {
    if (TField* target = Columns()->Items(index)->Field()) Field()->SetIndex(target->Index());
  }
  TCollectionItem::SetIndex(index);
}

void TColumnEx::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TColumnEx*>(source);
  if (other == nullptr) return TCollectionItem::Assign(source);
  if (Collection() != nullptr) {
    TCollectionUpdateLock lock(*Collection());
    AssignValuesFrom(other);
  } else {
    AssignValuesFrom(other);
  }
}

void TColumnEx::AssignValuesFrom(TColumnEx* other) {
  RestoreDefaults();
  SetFieldName(other->FieldName());
  if (other->IsAssigned(cvColor)) SetColor(other->Color());
  if (other->IsAssigned(cvWidth)) StoreWidth(other->width_);
  if (other->IsAssigned(cvFont)) SetFont(other->Font());
  if (other->IsAssigned(cvImeMode)) SetImeMode(other->ImeMode());
  if (other->IsAssigned(cvImeName)) SetImeName(other->ImeName());
  if (other->IsAssigned(cvAlignment)) SetAlignment(other->Alignment());
  if (other->IsAssigned(cvReadOnly)) SetReadOnly(other->ReadOnly());
  if (other->IsAssigned(cvLookupDisplayFields)) SetLookupDisplayFields(other->LookupDisplayFields());
  if (other->IsAssigned(cvCheckboxes)) SetCheckboxes(other->Checkboxes());
  title_->Assign(other->Title());
  SetDropDownRows(other->DropDownRows());
  SetButtonStyle(other->ButtonStyle());
  SetPickList(other->pickList_.get());
  SetPopupMenu(other->PopupMenu());
  initWidth_ = other->initWidth_;
  SetAutoFitColWidth(other->AutoFitColWidth());
  SetEndEllipsis(other->EndEllipsis());
  SetDropDownWidth(other->DropDownWidth());
  SetAutoDropDown(other->AutoDropDown());
  SetAlwaysShowEditButton(other->AlwaysShowEditButton());
  SetWordWrap(other->WordWrap());
  SetFooter(other->Footer());
  SetKeyList(other->keyList_.get());
  SetIncrement(other->Increment());
  SetToolTips(other->ToolTips());
  SetFooters(other->Footers());
  SetTag(other->Tag());
  SetVisible(other->Visible());
  SetImageList(other->ImageList());
  SetNotInKeyListIndex(other->NotInKeyListIndex());
  SetMinWidth(other->MinWidth());
  SetMaxWidth(other->MaxWidth());
  SetDblClickNextVal(other->DblClickNextVal());
  SetDropDownSizing(other->DropDownSizing());
  SetDropDownShowTitles(other->DropDownShowTitles());
  OnGetCellParams = other->OnGetCellParams;
  OnEditButtonClick = other->OnEditButtonClick;
  OnEditButtonDown = other->OnEditButtonDown;
  OnNotInList = other->OnNotInList;
  OnUpdateData = other->OnUpdateData;
  SetEditButtons(other->EditButtons());
  SetDropDownBox(other->DropDownBox());
  SetMRUList(other->MRUList());
  SetDisplayFormat(other->DisplayFormat());
  SetEditMask(other->EditMask());
  SetShowImageAndText(other->ShowImageAndText());
  SetHideDuplicates(other->HideDuplicates());
  SetCanPrint(other->CanPrint());
  SetLayout(other->Layout());
}
