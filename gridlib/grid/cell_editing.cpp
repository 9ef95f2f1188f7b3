// The in-place editor's texts and their way back into the fields.
#include "gridlib/grid/cell_editing.h"

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "gridlib/grid/grid_host.h"
#include "gridlib/grid/grid_selection.h"
#include "platform/data/field.h"

namespace {

// A memo's text with every line break as CR LF, as the editor shows several lines.
String WithCrLf(const String& text) {
  String result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r') {
      result += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

bool IsStringField(const TField* field) {
  const TFieldType type = field->DataType();
  return type == ftString || type == ftFixedChar || type == ftWideString;
}

bool KeyListOnly(TColumnEx* column) { return column->HasKeyList(); }

// The key-list entry that goes with `text` of the pick list; Null when it has none.
Variant KeyOfPickText(TColumnEx* column, const String& text) {
  const int index = column->PickList()->IndexOf(text);
  if (index < 0 || index >= column->KeyList()->Count()) return Variant::Null();
  return Variant(column->KeyList()->Strings(index));
}

}  // namespace

TColumnEx* TDBGridExCellEditing::CurrentColumn() const {
  const int index = grid_->SelectedIndex();
  TDBGridColumnsEx* columns = grid_->Columns();
  return index >= 0 && index < columns->Count() ? columns->Items(index) : nullptr;
}

// ---- What the editor starts with.

String TDBGridExCellEditing::FieldEditText(TColumnEx* column) {
  TField* field = column->Field();
  if (field == nullptr) return String();
  if (KeyListOnly(column)) {
    const int index = column->KeyList()->IndexOf(field->EditText());
    return index >= 0 && index < column->PickList()->Count() ? column->PickList()->Strings(index) : String();
  }
  if (grid_->DrawMemoText() && field->DataType() == ftMemo) return WithCrLf(field->AsString());
  return field->EditText();
}

// A lookup column edits a key: the special row's when it stands for the record's key (or for
// a key the list lacks), else the record's own.
void TDBGridExCellEditing::NoteLookupKey(TColumnEx* column) {
  unresolvedText_.reset();
  TField* field = column->Field();
  if (field == nullptr || !field->Lookup() || field->KeyFields().empty()) {
    editValue_ = Variant::Null();
    return;
  }
  const Variant key = field->DataSet()->FieldValues(field->KeyFields());
  TSpecRowEx* special = column->DropDownSpecRow();
  if (special->Visible() &&
      (VarEqualsEx(key, special->Value()) || (special->ShowIfNotInKeyList() && !IsLookupKeyInList(column)))) {
    editValue_ = special->Value();
  } else {
    editValue_ = key;
  }
}

// Asked again for the cell it holds typed text of, the editor keeps that text.
String TDBGridExCellEditing::EditText(TColumnEx* column, TFont* font) {
  if (column != nullptr && column == TextColumn() && KeepsTypedText(font)) return pendingText_;
  return LoadText(column, font);
}

String TDBGridExCellEditing::LoadText(TColumnEx* column, TFont* font) {
  editorReadOnly_.reset();
  textColumn_ = column;
  textColumnGone_ = false;
  if (column == nullptr || !grid_->DataLink()->Active()) return String();
  String text = FieldEditText(column);
  NoteLookupKey(column);
  TSpecRowEx* special = column->DropDownSpecRow();
  if (column->Field() != nullptr && column->Field()->Lookup() && special->Visible() &&
      VarEqualsEx(editValue_, special->Value())) {
    text = special->GetCellText(0);
  }
  TColCellParamsEx params;
  column->FillColCellParams(&params);
  params.Text = text;
  if (font != nullptr) params.Font->Assign(font);
  if (column->OnGetCellParams.Assigned()) {
    column->GetColCellParams(true, &params);
    editorReadOnly_ = params.ReadOnly;
  }
  pendingText_ = params.Text;
  loadedText_ = params.Text;
  return params.Text;
}

String TDBGridExCellEditing::CurrentCellText(TFont* font) { return CellText(CurrentColumn(), font); }

String TDBGridExCellEditing::CellText(TColumnEx* column, TFont* font) {
  if (column == nullptr || !grid_->DataLink()->Active()) return String();
  const Variant keptValue = editValue_;
  const String keptText = pendingText_;
  const String keptLoaded = loadedText_;
  const std::optional<bool> keptReadOnly = editorReadOnly_;
  const std::optional<String> keptUnresolved = unresolvedText_;
  TColumnEx* const keptColumn = textColumn_;
  const bool keptGone = textColumnGone_;
  String text = LoadText(column, font);
  editValue_ = keptValue;
  pendingText_ = keptText;
  loadedText_ = keptLoaded;
  editorReadOnly_ = keptReadOnly;
  unresolvedText_ = keptUnresolved;
  textColumn_ = keptColumn;
  textColumnGone_ = keptGone;
  return text;
}

bool TDBGridExCellEditing::KeepsTypedText(TFont* font) {
  TGridDataLinkEx* link = grid_->DataLink();
  // Text whose column stopped being the current one (a change froze it) still belongs there.
  if (!link->Active() || !link->GridModified() || textColumnGone_) return false;
  const TDataSetState state = link->DataSet()->State();
  if (state != dsEdit && state != dsInsert) return false;
  return CellText(TextColumn(), font) == loadedText_;
}

String TDBGridExCellEditing::EditMask(TColumnEx* column) const {
  if (column == nullptr || !grid_->DataLink()->Active()) return String();
  if (!column->EditMask().empty()) return column->EditMask();
  TField* field = column->Field();
  return field != nullptr && !column->HasKeyList() ? field->EditMask() : String();
}

int ColumnTextLimit(TColumnEx* column) {
  if (column == nullptr || column->HasKeyList()) return 0;
  TField* field = column->Field();
  return field != nullptr && IsStringField(field) ? field->Size() : 0;
}

int TDBGridExCellEditing::EditLimit(TColumnEx* column) const { return ColumnTextLimit(column); }

bool TDBGridExCellEditing::AcceptsKey(char32_t key) {
  if (editorReadOnly_.value_or(false)) return false;
  TColumnEx* column = CurrentColumn();
  TField* field = column != nullptr ? column->Field() : nullptr;
  if (!grid_->DataLink()->Active() || field == nullptr) return editorReadOnly_.has_value();
  return column->HasKeyList() || field->IsValidChar(key);
}

// ---- Into edit mode.

// The grid, its link and the column must all allow writing; the editor's own read-only
// choice (from OnGetCellParams) can only add to that, never open a read-only cell.
bool TDBGridExCellEditing::BeginCellEdit() {
  if (editorReadOnly_.value_or(false)) return false;
  TGridDataLinkEx* link = grid_->DataLink();
  if (grid_->ReadOnly() || !link->Active() || link->ReadOnly()) return false;
  TColumnEx* column = CurrentColumn();
  TField* field = column != nullptr && !column->ReadOnly() ? column->Field() : nullptr;
  if (field == nullptr) return false;
  const bool modifiable = field->Lookup() ? AllFieldsModifiable(KeyFieldsOf(field)) : field->CanModify();
  if (!modifiable) return false;
  if (field->IsBlob() && !(grid_->DrawMemoText() && field->DataType() == ftMemo)) return false;
  if (!column->CanModify(false)) return false;
  if (!link->Edit() || !link->Editing()) return false;
  link->SetGridModified();
  return true;
}

// ---- Back into the field.

// Asks OnNotInList about `text`; whether the handler wants the text looked up again.
bool TDBGridExCellEditing::NotInList(TColumnEx* column, const String& text) {
  bool recheck = false;
  column->OnNotInList.Call(column, Variant(text), recheck);
  return recheck;
}

// A text the pick list lacks, with nobody to add it, leaves the key Null rather than the
// key of whatever the cell held before.
void TDBGridExCellEditing::WriteKeyList(TColumnEx* column, const String& text) {
  editValue_ = KeyOfPickText(column, text);
  if (editValue_.IsNull() && !text.empty() && column->OnNotInList.Assigned() && NotInList(column, text)) {
    editValue_ = KeyOfPickText(column, text);
  }
  column->UpdateDataValues(text, editValue_, false);
}

// Finds `text` among the lookup list's results; the edit value becomes its key.
bool TDBGridExCellEditing::FindLookupText(TColumnEx* column, const String& text) {
  TField* field = column->Field();
  TDataSet* list = field->LookupDataSet();
  if (list == nullptr || !list->Active()) return false;
  const Variant key = list->Lookup(field->LookupResultField(), Variant(text), field->LookupKeyFields());
  if (key.IsNull()) return false;
  editValue_ = key;
  return true;
}

void TDBGridExCellEditing::BeginChoice(const String& text, const Variant& value) {
  choiceText_ = text;
  SetEditValue(value);
}

void TDBGridExCellEditing::SetEditValue(const Variant& value) {
  unresolvedText_.reset();
  editValue_ = value;
}

const Variant& TDBGridExCellEditing::EditValue() {
  ResolveTypedLookup();
  return editValue_;
}

void TDBGridExCellEditing::SetPendingText(const String& text) {
  pendingText_ = text;
  if (choiceText_ == text) return;
  TColumnEx* column = TextColumn();
  TField* field = column != nullptr ? column->Field() : nullptr;
  if (field == nullptr || !field->Lookup() || field->LookupDataSet() == nullptr) return;
  unresolvedText_ = text;
}

void TDBGridExCellEditing::ResolveTypedLookup() {
  if (!unresolvedText_) return;
  const String text = std::move(*unresolvedText_);
  unresolvedText_.reset();
  TColumnEx* column = TextColumn();
  if (column == nullptr || column->Field() == nullptr || !column->Field()->Lookup()) return;
  if (!FindLookupText(column, text)) editValue_ = Variant::Null();
}

void TDBGridExCellEditing::WriteLookup(TColumnEx* column, const String& text) {
  ResolveTypedLookup();
  TField* field = column->Field();
  if (editValue_.IsNull() && !text.empty() && column->OnNotInList.Assigned() && NotInList(column, text)) {
    FindLookupText(column, text);
  }
  if (AllFieldsModifiable(KeyFieldsOf(field))) {
    field->DataSet()->Edit();
    column->UpdateDataValues(text, editValue_, false);
  }
}

TColumnEx* TDBGridExCellEditing::TextColumn() const {
  if (textColumnGone_) return nullptr;
  return textColumn_ != nullptr ? textColumn_ : CurrentColumn();
}

bool TDBGridExCellEditing::TextOffCurrentColumn() const {
  return textColumnGone_ || (textColumn_ != nullptr && textColumn_ != CurrentColumn());
}

void TDBGridExCellEditing::FollowCurrentColumn() {
  textColumn_ = nullptr;
  textColumnGone_ = false;
}

void TDBGridExCellEditing::ColumnGone(const TCollectionItem* column) {
  if (column != textColumn_ || column == nullptr) return;
  textColumn_ = nullptr;
  textColumnGone_ = true;
}

// Only text changed in the editor goes back: the record may have been changed elsewhere (a check
// box clicked, another record reached) while the editor still holds what it once loaded, and
// that must not overwrite anything, not even turn a Null into an empty text.
void TDBGridExCellEditing::WriteBack() {
  TColumnEx* column = TextColumn();
  if (column == nullptr || pendingText_ == loadedText_) return;
  const String text = pendingText_;
  WriteText(column, text);
  loadedText_ = text;
}

void TDBGridExCellEditing::WriteText(TColumnEx* column, const String& text) {
  TField* field = column->Field();
  if (field == nullptr) return column->UpdateDataValues(text, Variant(text), true);
  switch (column->GetColumnType()) {
    case cctPickList:
      if (column->OnNotInList.Assigned() && column->PickList()->IndexOf(text) < 0) NotInList(column, text);
      return column->UpdateDataValues(text, Variant(text), true);
    case cctKeyList:
      return WriteKeyList(column, text);
    default:
      break;
  }
  if (field->Lookup() && field->LookupDataSet() != nullptr) return WriteLookup(column, text);
  column->UpdateDataValues(text, Variant(text), true);
}

bool TDBGridExCellEditing::IsLookupKeyInList(TColumnEx* column) const {
  TField* field = column != nullptr ? column->Field() : nullptr;
  if (field == nullptr || field->DataSet() == nullptr || !field->DataSet()->Active()) return false;
  TDataSet* list = field->LookupDataSet();
  if (list == nullptr || !list->Active() || field->KeyFields().empty()) return false;
  const Variant key = field->DataSet()->FieldValues(field->KeyFields());
  return !list->Lookup(field->LookupKeyFields(), key, field->LookupKeyFields()).IsNull();
}

bool TDBGridExCellEditing::CopyFromPreviousRecord() {
  TGridDataLinkEx* link = grid_->DataLink();
  TColumnEx* column = CurrentColumn();
  if (!link->Active() || link->ActiveRecord() < 1 || column == nullptr || !column->CanModify(true)) return false;
  TField* field = column->Field();
  const bool lookup = field->Lookup();
  Variant value;
  {
    ActiveRecordScope above(link, link->ActiveRecord() - 1);
    value = lookup ? field->DataSet()->FieldValues(field->KeyFields()) : field->Value();
  }
  grid_->Selection()->Clear();
  if (lookup)
    SetFieldsValuesEx(field->DataSet(), field->KeyFields(), value);
  else
    field->SetValue(value);
  return true;
}
