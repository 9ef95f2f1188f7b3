// Locate, Lookup, and calculated and lookup fields.
#include "platform/core/format.h"
#include "platform/data/dataset.h"
#include "platform/core/scope_guard.h"

namespace {

std::vector<Variant> KeyValueList(const Variant& values, size_t count) {
  if (count == 1 && !values.IsArray()) return {values};
  const Variant::Array& items = values.AsArray();
  if (items.size() != count) DatabaseError("Number of key values does not match the key fields");
  return items;
}

}  // namespace

bool TDataSet::HasCalcFields() const {
  for (TField* f : fields_->List())
    if (f->FieldKind() != fkData) return true;
  return false;
}

// Fills the calculated and lookup values of `buffer`; fields read that buffer meanwhile, and
// the state is dsCalcFields, so OnCalcFields may set calculated fields but no data field.
void TDataSet::CalculateFields(TRecordBuffer& buffer) {
  auto reading = ScopedValue(calcBuffer_, &buffer);
  auto calculating = ScopedValue(state_, dsCalcFields);
  for (TField* f : fields_->List()) {
    if (f->FieldKind() == fkData || f->Slot() < 0) continue;
    buffer.values[static_cast<size_t>(f->Slot())] = Variant::Null();
    if (f->FieldKind() == fkLookup) ComputeLookup(f);
  }
  DoEvent(OnCalcFields);
}

void TDataSet::ComputeLookup(TField* field) {
  TDataSet* source = field->LookupDataSet();
  if (source == nullptr || !source->Active() || field->KeyFields().empty()) return;
  if (lookingUp_) DatabaseError(db_messages::CircularDataLink, this);
  auto lookingUp = ScopedValue(lookingUp_, true);
  Variant keys = FieldValues(field->KeyFields());
  Variant result = source->Lookup(field->LookupKeyFields(), keys, field->LookupResultField());
  calcBuffer_->values[static_cast<size_t>(field->Slot())] = result;
}

// Choosing a lookup value sets the key fields to the keys of the lookup record that shows it
// (Null when none does).
void TDataSet::SetLookupValue(TField* field, const Variant& value) {
  std::vector<TField*> keys;
  GetFieldList(keys, field->KeyFields());
  Variant found = field->LookupDataSet()->Lookup(field->LookupResultField(), value, field->LookupKeyFields());
  for (size_t i = 0; i < keys.size(); ++i) {
    if (found.IsNull())
      keys[i]->Clear();
    else
      keys[i]->SetValue(keys.size() == 1 ? found : found.AsArray().at(i));
  }
  DataEvent(deFieldChange, reinterpret_cast<intptr_t>(field));
}

bool TDataSet::MatchesKeys(const TRecordBuffer& buffer, const std::vector<TField*>& keys,
                           const std::vector<Variant>& values, TLocateOptions options) const {
  for (size_t i = 0; i < keys.size(); ++i) {
    const Variant& have = buffer.values[static_cast<size_t>(keys[i]->Slot())];
    const Variant& want = values[i];
    if (want.IsNull() || have.IsNull()) {
      if (want.IsNull() != have.IsNull()) return false;
      continue;
    }
    if (!IsTextType(keys[i]->DataType())) {
      if (!(have == want)) return false;
      continue;
    }
    String text = have.AsString(), key = want.AsString();
    if (options.Contains(loPartialKey)) text = Copy(text, 1, CharLength(key));
    bool same = options.Contains(loCaseInsensitive) ? AnsiSameText(text, key) : text == key;
    if (!same) return false;
  }
  return true;
}

// Scans in data-set order.
int64_t TDataSet::FindPosition(const std::vector<TField*>& keys, const std::vector<Variant>& values,
                               TLocateOptions options) {
  TRecordBuffer found;
  for (int64_t p = 0; RecordExists(p); ++p) {
    FetchInto(p, found);
    if (MatchesKeys(found, keys, values, options)) return p;
  }
  return -1;
}

void TDataSet::SearchKeys(std::string_view keyFields, const Variant& keyValues,
                          std::vector<TField*>& keys, std::vector<Variant>& values) const {
  GetFieldList(keys, keyFields);
  values = KeyValueList(keyValues, keys.size());
  for (size_t i = 0; i < keys.size(); ++i) values[i] = keys[i]->Coerce(values[i]);
}

bool TDataSet::Locate(std::string_view keyFields, const Variant& keyValues, TLocateOptions options) {
  CheckBrowseMode();
  std::vector<TField*> keys;
  std::vector<Variant> values;
  SearchKeys(keyFields, keyValues, keys, values);
  DoEvent(BeforeScroll);
  int64_t position = FindPosition(keys, values, options);
  if (position < 0) return false;
  ResyncCenter(position);
  bof_ = eof_ = false;
  DataEvent(deDataSetChange, 0);
  DoEvent(AfterScroll);
  return true;
}

Variant TDataSet::Lookup(std::string_view keyFields, const Variant& keyValues,
                         std::string_view resultFields) {
  CheckActive();
  std::vector<TField*> keys;
  std::vector<Variant> values;
  SearchKeys(keyFields, keyValues, keys, values);
  int64_t position = FindPosition(keys, values, {});
  if (position < 0) return Variant::Null();
  TRecordBuffer found;
  FetchInto(position, found);
  auto reading = ScopedValue(calcBuffer_, &found);
  return FieldValues(resultFields);
}

bool TDataSet::MoveRecords(const std::vector<TBookmark>&, int, bool) { return false; }

void TDataSet::SetRecordFilter(const TRecordFilter&) {
  DatabaseError("The dataset cannot filter its records", this);
}
