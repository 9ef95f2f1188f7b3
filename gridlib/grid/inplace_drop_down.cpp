// The lookup drop-down's lines: read a block of the lookup table at a time as they come into view.
#include "gridlib/grid/inplace_drop_down.h"

#include <map>
#include <vector>

#include "gridlib/controls/db_utils_ex.h"
#include "gridlib/controls/lookup_extra_row.h"
#include "gridlib/grid/columns.h"
#include "platform/core/string_list.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"

namespace {

// A pick list's lines: each text stores itself, or with a key list the key on its line. The
// program may change the lists while the list is down: the lines shown then stand for nothing.
class TPickListChoices : public TDropDownChoicesEx {
 public:
  TPickListChoices(TColumnEx* column, const String& text)
      : column_(column), texts_(column->PickList()->Text()), keys_(KeysText()), current_(column->PickList()->IndexOf(text)) {}
  int RowCount() override { return column_->PickList()->Count(); }
  String RowText(int index) override { return Outdated() ? String() : column_->PickList()->Strings(index); }
  Variant RowValue(int index) override {
    if (!column_->HasKeyList()) return Variant(RowText(index));
    TStrings* keys = column_->KeyList();
    return index < keys->Count() ? Variant(keys->Strings(index)) : Variant::Null();
  }
  int CurrentRow() override { return current_; }
  bool Outdated() override { return column_->PickList()->Text() != texts_ || KeysText() != keys_; }

 private:
  String KeysText() { return column_->HasKeyList() ? column_->KeyList()->Text() : String(); }

  TColumnEx* column_;
  String texts_;
  String keys_;
  int current_;
};

// A lookup list's lines: the special row first when it shows, then the lookup data set's
// records in its order. Records are read a block at a time as lines come into view, each
// block in a walk that leaves the lookup data set's cursor where it was; a data set being
// edited is not walked (moving would post it), so it offers no records.
class TLookupChoices : public TDropDownChoicesEx {
 public:
  TLookupChoices(TColumnEx* column, const Variant& key);
  int RowCount() override { return extra_ + records_; }
  String RowText(int index) override;
  Variant RowValue(int index) override;
  int CurrentRow() override { return current_; }
  bool Outdated() override;

 private:
  struct TLine {
    String text;
    Variant key;
  };
  static constexpr int kBlock = 32;
  // Far more lines than a list shows at once: past it the lines read are forgotten.
  static constexpr size_t kKeptLines = 1024;
  const TLine& Line(int record);
  void ReadBlock(int first);
  int RecordOfKey(const Variant& key);

  TDataSet* list_ = nullptr;
  TField* result_ = nullptr;
  String keyFields_;
  TSpecRowEx* special_ = nullptr;
  int extra_ = 0;
  int records_ = 0;
  int current_ = -1;
  std::map<int, TLine> lines_;
};

TLookupChoices::TLookupChoices(TColumnEx* column, const Variant& key) {
  TField* field = column->Field();
  TDataSet* list = field->LookupDataSet();
  if (list == nullptr || !list->Active()) return;
  special_ = column->DropDownSpecRow();
  extra_ = special_->Visible() ? 1 : 0;
  if (extra_ > 0 && VarEqualsEx(special_->Value(), key)) current_ = 0;
  result_ = list->FindField(field->LookupResultField());
  if (result_ == nullptr || list->State() != dsBrowse) return;
  list_ = list;
  keyFields_ = field->LookupKeyFields();
  records_ = list->RecordCount();
  if (current_ < 0) {
    const int record = RecordOfKey(key);
    if (record >= 0) current_ = extra_ + record;
  }
}

String TLookupChoices::RowText(int index) {
  if (index < extra_) return special_->GetCellText(0);
  return Line(index - extra_).text;
}

Variant TLookupChoices::RowValue(int index) {
  if (index < extra_) return special_->Value();
  return Line(index - extra_).key;
}

// Asked at each key: the data sets keep their record counts, so asking costs no reading.
bool TLookupChoices::Outdated() {
  return list_ != nullptr && (!list_->Active() || list_->State() != dsBrowse || list_->RecordCount() != records_);
}

const TLookupChoices::TLine& TLookupChoices::Line(int record) {
  static const TLine kNone{String(), Variant::Null()};
  if (Outdated()) return kNone;
  auto found = lines_.find(record);
  if (found == lines_.end()) {
    if (lines_.size() >= kKeptLines) lines_.clear();
    ReadBlock(record / kBlock * kBlock);
    found = lines_.find(record);
    // A record the data set no longer has (it shrank meanwhile) shows empty.
    if (found == lines_.end()) found = lines_.emplace(record, TLine{String(), Variant::Null()}).first;
  }
  return found->second;
}

void TLookupChoices::ReadBlock(int first) {
  TKeptCursorEx kept(list_);
  list_->SetRecNo(first + 1);
  if (list_->RecNo() != first + 1) return;
  for (int record = first; record < first + kBlock && record < records_ && !list_->Eof(); ++record) {
    lines_[record] = TLine{result_->DisplayText(), list_->FieldValues(keyFields_)};
    list_->Next();
  }
}

// Where the record of `key` is, asked of the data set's own search.
int TLookupChoices::RecordOfKey(const Variant& key) {
  if (records_ == 0 || key.IsEmptyOrNull()) return -1;
  TKeptCursorEx kept(list_);
  return list_->Locate(keyFields_, key, {}) ? list_->RecNo() - 1 : -1;
}

}  // namespace

std::unique_ptr<TDropDownChoicesEx> ColumnDropDownChoices(TColumnEx* column, const String& text, const Variant& key) {
  if (column == nullptr) return nullptr;
  TField* field = column->Field();
  if (field != nullptr && field->Lookup()) return std::make_unique<TLookupChoices>(column, key);
  if (column->HasPickList()) return std::make_unique<TPickListChoices>(column, text);
  return nullptr;
}
