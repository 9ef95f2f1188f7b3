// Fields: values, conversions, display text and the field list.
#include "platform/data/field.h"

#include <algorithm>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/data/dataset.h"

TField::TField(TComponent* owner) : TComponent(owner) {}

TField::TField(TComponent* owner, TFieldType type, int size)
    : TComponent(owner), dataType_(type), size_(size) {}

TField::~TField() {
  Destroying();
  SetDataSet(nullptr);
  SetLookupDataSet(nullptr);
  // Controls that show fields re-lay out when one goes; they must see that it was a field.
  AnnounceDestruction();
}

void TField::SetDataSet(TDataSet* dataSet) {
  if (dataSet == dataSet_) return;
  if (dataSet != nullptr) {
    dataSet->CheckInactive();
    if (!fieldName_.empty() && dataSet->FindField(fieldName_) != nullptr)
      DatabaseError(Format("Duplicate field name '%s'", {fieldName_}), dataSet);
  }
  if (dataSet_ != nullptr) {
    TDataSet* old = dataSet_;
    old->Fields()->Remove(this);
    dataSet_ = nullptr;
    old->FieldRemoved(this);
  }
  if (dataSet != nullptr) {
    dataSet->Fields()->Add(this);
    dataSet_ = dataSet;
    dataSet->FieldListChanged();
  }
}

void TField::SetFieldName(const String& name) {
  if (dataSet_ != nullptr && !SameText(name, fieldName_) && dataSet_->FindField(name) != nullptr)
    DatabaseError(Format("Duplicate field name '%s'", {name}), dataSet_);
  fieldName_ = name;
}

int TField::Index() const { return dataSet_ ? dataSet_->Fields()->IndexOf(this) : -1; }

void TField::SetIndex(int index) {
  if (dataSet_ == nullptr) return;
  dataSet_->Fields()->Move(this, index);
  PropertyChanged(true);
}

void TField::SetFieldKind(TFieldKind kind) {
  if (dataSet_ != nullptr) dataSet_->CheckInactive();
  fieldKind_ = kind;
}

void TField::SetDisplayLabel(const String& label) {
  displayLabel_ = label == fieldName_ ? String() : label;
  PropertyChanged(true);
}

void TField::SetDisplayWidth(int width) {
  displayWidth_ = width;
  PropertyChanged(true);
}

void TField::SetAlignment(TAlignment a) {
  alignment_ = a;
  PropertyChanged(false);
}

void TField::SetVisible(bool v) {
  visible_ = v;
  PropertyChanged(true);
}

void TField::SetSize(int size) {
  if (dataSet_ != nullptr) dataSet_->CheckInactive();
  size_ = size;
}

void TField::SetLookupDataSet(TDataSet* dataSet) {
  if (lookupDataSet_ != nullptr) lookupDataSet_->RemoveFreeNotification(this);
  lookupDataSet_ = dataSet;
  if (dataSet != nullptr) dataSet->FreeNotification(this);
}

void TField::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == lookupDataSet_) lookupDataSet_ = nullptr;
}

Variant TField::Value() const {
  return dataSet_ ? dataSet_->GetFieldValue(this) : Variant::Null();
}

void TField::SetValue(const Variant& value) {
  if (dataSet_ == nullptr) DatabaseError(Format(db_messages::DataSetMissing, {DisplayName()}));
  dataSet_->SetFieldValue(this, Coerce(value));
}

Variant TField::Coerce(const Variant& value) const {
  if (value.IsEmptyOrNull()) return Variant::Null();
  if (value.IsString()) return value.AsString().empty() ? Variant::Null() : ParseText(value.AsString());
  return value;
}

Variant TField::ParseText(const String& text) const { return Variant(text); }

String TField::AsString() const {
  Variant v = Value();
  return v.IsNull() ? String() : v.AsString();
}

void TField::SetAsString(const String& value) { SetValue(Variant(value)); }

int32_t TField::AsInteger() const {
  Variant v = Value();
  return v.IsNull() ? 0 : v.AsInteger();
}

int64_t TField::AsLargeInt() const {
  Variant v = Value();
  return v.IsNull() ? 0 : v.AsInt64();
}

double TField::AsFloat() const {
  Variant v = Value();
  return v.IsNull() ? 0.0 : v.AsDouble();
}

bool TField::AsBoolean() const {
  Variant v = Value();
  return v.IsNull() ? false : v.AsBoolean();
}

TDateTime TField::AsDateTime() const {
  Variant v = Value();
  return v.IsNull() ? 0.0 : v.AsDateTime();
}

Currency TField::AsCurrency() const {
  Variant v = Value();
  return v.IsNull() ? Currency() : v.AsCurrency();
}

String TField::FormatText(const Variant& value, bool) const { return value.AsString(); }

String TField::GetText(bool displayText) const {
  String text;
  if (OnGetText) {
    OnGetText(const_cast<TField*>(this), text, displayText);
    return text;
  }
  Variant v = Value();
  return v.IsNull() ? String() : FormatText(v, displayText);
}

void TField::SetText(const String& text) {
  if (OnSetText)
    OnSetText(this, text);
  else
    SetAsString(text);
}

// A lookup field is changed through its key fields, so it can be changed when they can.
bool TField::CanModify() const {
  if (readOnly_ || dataSet_ == nullptr) return false;
  if (fieldKind_ == fkLookup) {
    if (lookupDataSet_ == nullptr || !lookupDataSet_->Active() || keyFields_.empty()) return false;
    std::vector<TField*> keys;
    dataSet_->GetFieldList(keys, keyFields_);
    return std::all_of(keys.begin(), keys.end(), [](TField* k) { return k->CanModify(); });
  }
  return fieldKind_ == fkData && dataSet_->CanModify();
}

bool TField::IsValidChar(char32_t) const { return true; }

void TField::FocusControl() {
  if (dataSet_ == nullptr || !dataSet_->Active()) return;
  TField* field = this;
  dataSet_->DataEvent(deFocusControl, reinterpret_cast<intptr_t>(&field));
}

void TField::PropertyChanged(bool layoutAffected) {
  if (dataSet_ != nullptr && dataSet_->Active())
    dataSet_->DataEvent(layoutAffected ? deLayoutChange : deDataSetChange, 0);
}

TField* TFields::Fields(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format("List index out of bounds (%d)", {index}));
  return list_[static_cast<size_t>(index)];
}

int TFields::IndexOf(const TField* field) const {
  auto it = std::find(list_.begin(), list_.end(), field);
  return it == list_.end() ? -1 : static_cast<int>(it - list_.begin());
}

TField* TFields::FindField(std::string_view name) const {
  for (TField* f : list_)
    if (SameText(f->FieldName(), name)) return f;
  return nullptr;
}

TField* TFields::FieldByName(std::string_view name) const {
  TField* f = FindField(name);
  if (f == nullptr) DatabaseError(Format(db_messages::FieldNotFound, {name}), dataSet_);
  return f;
}

void TFields::Add(TField* field) { list_.push_back(field); }

void TFields::Remove(TField* field) {
  list_.erase(std::remove(list_.begin(), list_.end(), field), list_.end());
}

void TFields::Move(TField* field, int index) {
  Remove(field);
  index = std::clamp(index, 0, Count());
  list_.insert(list_.begin() + index, field);
}

std::vector<String> SplitFieldNames(std::string_view names) {
  std::vector<String> result;
  size_t start = 0;
  while (start <= names.size()) {
    size_t end = names.find(';', start);
    if (end == std::string_view::npos) end = names.size();
    String name = Trim(names.substr(start, end - start));
    if (!name.empty()) result.push_back(name);
    start = end + 1;
  }
  return result;
}

void DatabaseError(const String& message, const TComponent* component) {
  if (component != nullptr && !component->Name().empty())
    throw EDatabaseError(component->Name() + ": " + message);
  throw EDatabaseError(message);
}

String JoinSortKeys(const std::vector<TSortKey>& keys, std::vector<bool>& descending) {
  String fields;
  descending.clear();
  for (const TSortKey& key : keys) {
    fields += (fields.empty() ? "" : ";") + key.FieldName;
    descending.push_back(key.Descending);
  }
  return fields;
}
