// The SQLite table data set: keys read in order, records read on demand, edits written back.
#include "platform/data/sqlite_dataset.h"

#include <algorithm>

#include "platform/core/format.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_values.h"

namespace {

constexpr int kMaxKeyChunk = 65536;

}  // namespace

TSqliteDataSet::TSqliteDataSet(TComponent* owner) : TDataSet(owner) {}

TSqliteDataSet::~TSqliteDataSet() { CloseForDestruction(); }

void TSqliteDataSet::SetDatabaseName(const String& name) {
  CheckInactive();
  databaseName_ = name;
}

void TSqliteDataSet::SetTableName(const String& name) {
  CheckInactive();
  tableName_ = name;
}

void TSqliteDataSet::SetSQL(const String& sql) {
  CheckInactive();
  sql_ = sql;
}

void TSqliteDataSet::SetBusyTimeout(int ms) {
  CheckInactive();
  busyTimeout_ = ms;
}

bool TSqliteDataSet::CanModify() const {
  return !ReadOnly() && !(IsQuery() ? table_ : tableName_).empty();
}

int64_t TSqliteDataSet::LoadedKeyCount() const { return keys_ ? keys_->Count() : 0; }

String TSqliteDataSet::Table() const { return SqlIdentifier(table_); }

void TSqliteDataSet::InternalOpen() {
  if (databaseName_.empty()) DatabaseError("No database name given", this);
  if (tableName_.empty() && sql_.empty()) DatabaseError("No table name or SQL query given", this);
  try {
    db_ = std::make_unique<TSqliteDatabase>(databaseName_, false, busyTimeout_);
    if (IsQuery())
      OpenQuery();
    else
      OpenTable();
  } catch (...) {
    Forget();
    throw;
  }
}

void TSqliteDataSet::InternalClose() { Forget(); }

void TSqliteDataSet::Forget() {
  filterCondition_ = {};
  keptIds_.clear();
  KeepRecordFilter({});
  table_.clear();
  columns_.clear();
  keyedSql_.clear();
  readRow_.reset();
  nextKeys_.reset();
  keys_.reset();
  queryRows_.reset();
  db_.reset();
  countCache_ = -1;
}

void TSqliteDataSet::ClearColumns() {
  FieldDefs()->Clear();
  types_.clear();
  columns_.clear();
  collations_.clear();
}

void TSqliteDataSet::AddColumnField(const TSqliteColumn& column, const String& fieldName) {
  int size = 0;
  // The row id column is numbered by SQLite when a new row leaves it empty.
  TFieldType type = column.rowId ? ftAutoInc : FieldTypeOfDecl(column.declared, size);
  FieldDefs()->Add(fieldName, type, size, column.notNull && !column.hasDefault && !column.rowId);
  types_.push_back(type);
  columns_.push_back(column.name);
  collations_.push_back(column.collation);
}

void TSqliteDataSet::OpenTable() {
  table_ = tableName_;
  // Preparing this gives SQLite's own message for a missing table or one without row ids.
  TSqliteStatement probe(*db_, "SELECT rowid, * FROM " + Table() + " LIMIT 0");
  ClearColumns();
  for (const TSqliteColumn& c : TableColumns(*db_, table_)) AddColumnField(c, c.name);
  PrepareTableStatements();
  ReadKeysAgain();
}

void TSqliteDataSet::PrepareTableStatements() {
  String list;
  for (size_t c = 0; c < columns_.size(); ++c) list += (c ? ", " : "") + SqlIdentifier(columns_[c]);
  if (list.empty()) list = "NULL";
  readRow_ = std::make_unique<TSqliteStatement>(*db_, "SELECT " + list + " FROM " + Table() + " WHERE rowid = ?");
  PrepareKeyReader();
}

void TSqliteDataSet::PrepareKeyReader() {
  const TSqlCondition shown = ShownCondition();
  const String condition = shown.Text.empty() ? String() : " AND (" + shown.Text + ")";
  nextKeys_ = std::make_unique<TSqliteStatement>(
      *db_, "SELECT rowid FROM " + Table() + " WHERE rowid > ?" + condition + " ORDER BY rowid LIMIT ?");
}

TSqlCondition TSqliteDataSet::ShownCondition() const {
  TSqlCondition shown = filterCondition_;
  if (shown.Text.empty() || keptIds_.empty()) return shown;
  shown.Text = "(" + shown.Text + ") OR rowid IN (";
  for (size_t i = 0; i < keptIds_.size(); ++i) {
    shown.Text += i ? ", ?" : "?";
    shown.Values.push_back(Variant(keptIds_[i]));
  }
  shown.Text += ")";
  return shown;
}

String TSqliteDataSet::WhereClause() const {
  return filterCondition_.Text.empty() ? String() : " WHERE " + ShownCondition().Text;
}

namespace {

// Binds the condition's values from mark `first` on; returns the mark after them.
int BindCondition(TSqliteStatement& statement, const TSqlCondition& condition, int first) {
  for (const Variant& value : condition.Values) statement.Bind(first++, value);
  return first;
}

}  // namespace

// Reads the next row ids in row-id order, a chunk at a time, each chunk larger than the last.
bool TSqliteDataSet::LoadMoreKeys() {
  if (keysComplete_) return false;
  nextKeys_->Bind(1, Variant(lastKey_));
  nextKeys_->Bind(BindCondition(*nextKeys_, ShownCondition(), 2), Variant(chunk_));
  int read = 0;
  while (nextKeys_->Step()) {
    lastKey_ = nextKeys_->ColumnInt64(0);
    keys_->Append(lastKey_);
    ++read;
  }
  nextKeys_->Reset();
  if (read < chunk_) keysComplete_ = true;
  chunk_ = std::min(chunk_ * 4, kMaxKeyChunk);
  return read > 0;
}

// A row the filter hides was never read into the order of a sorted table (in row-id order
// every row id has its place): SQLite says which of the two comes first. Row ids that are no
// row (records deleted) keep the place the read order gives them.
int TSqliteDataSet::CompareIds(int64_t a, int64_t b) const {
  if (a == b || !SortedTable() || (keys_->Known(a) && keys_->Known(b))) return keys_->Compare(a, b);
  TSqliteStatement pair(*db_, "SELECT rowid FROM " + Table() + " WHERE rowid IN (?, ?) ORDER BY " + OrderBy());
  pair.Bind(1, Variant(a));
  pair.Bind(2, Variant(b));
  std::vector<int64_t> order;
  while (pair.Step()) order.push_back(pair.ColumnInt64(0));
  if (order.size() != 2) return keys_->Compare(a, b);
  return order.front() == a ? -1 : 1;
}

void TSqliteDataSet::LoadAllKeys() {
  while (!keysComplete_) LoadMoreKeys();
}

String TSqliteDataSet::KeysQuery() const {
  return IsQuery() ? keyedSql_ : "SELECT rowid FROM " + Table() + WhereClause() + " ORDER BY " + OrderBy();
}

// Reads every row id in the order of IndexFieldNames, or of the query; records that were
// deleted keep their place for bookmark comparisons after the live ones.
void TSqliteDataSet::LoadOrderedKeys() {
  TSqliteStatement all(*db_, KeysQuery());
  if (!IsQuery()) BindCondition(all, ShownCondition(), 1);
  int key = all.ColumnCount() - 1;
  std::vector<int64_t> ids;
  while (all.Step()) ids.push_back(all.ColumnInt64(key));
  keys_->Reorder(std::move(ids));
  keysComplete_ = true;
}

// Text sorts in the locale order, unless its column declares a collation of its own: the
// table's author chose how that column compares, and an index on it serves the order then.
String TSqliteDataSet::OrderBy() const {
  String collation = sortCaseInsensitive_ ? " COLLATE ANSI" : " COLLATE ANSICASE";
  String order;
  size_t key = 0;
  for (const String& name : SplitFieldNames(indexFieldNames_)) {
    int column = FieldDefs()->IndexOf(name);
    if (column < 0) DatabaseError(Format(db_messages::FieldNotFound, {name}));
    bool descending = key < keyDescending_.size() ? keyDescending_[key] : sortDescending_;
    const bool declared = !collations_[static_cast<size_t>(column)].empty();
    order += SqlIdentifier(FieldDefs()->Items(column).Name) + (declared ? "" : collation) + (descending ? " DESC" : "") + ", ";
    ++key;
  }
  return order + "rowid" + (sortDescending_ ? " DESC" : "");
}

String TSqliteDataSet::ColumnOf(const TField* field) const {
  return SqlIdentifier(columns_[static_cast<size_t>(field->FieldNo() - 1)]);
}

// The same matching as reading every record: text by bytes, or in the locale's case-blind
// order, or by its first characters; other kinds by stored value; Null only by Null.
int64_t TSqliteDataSet::FindPosition(const std::vector<TField*>& keys, const std::vector<Variant>& values,
                                     TLocateOptions options) {
  bool allColumns = std::all_of(keys.begin(), keys.end(), [](TField* k) { return k->FieldKind() == fkData; });
  if (IsQuery() || !allColumns) return TDataSet::FindPosition(keys, values, options);
  String where;
  std::vector<Variant> binds;
  for (size_t i = 0; i < keys.size(); ++i) {
    String column = ColumnOf(keys[i]);
    where += i ? " AND " : "";
    if (values[i].IsNull()) {
      where += column + " IS NULL";
    } else if (IsTextType(keys[i]->DataType())) {
      String text = values[i].AsString();
      if (options.Contains(loPartialKey)) column = "substr(" + column + ", 1, " + IntToStr(CharLength(text)) + ")";
      where += column + (options.Contains(loCaseInsensitive) ? " = ? COLLATE ANSI" : " = ?");
      binds.push_back(Variant(text));
    } else {
      where += column + " = ?";
      binds.push_back(ToStored(keys[i]->DataType(), values[i]));
    }
  }
  const TSqlCondition shown = ShownCondition();
  if (!shown.Text.empty()) where = "(" + where + ") AND (" + shown.Text + ")";
  TSqliteStatement find(*db_, "SELECT rowid FROM " + Table() + " WHERE " + where + " ORDER BY " + OrderBy() + " LIMIT 1");
  for (size_t i = 0; i < binds.size(); ++i) find.Bind(static_cast<int>(i) + 1, binds[i]);
  BindCondition(find, shown, static_cast<int>(binds.size()) + 1);
  return find.Step() ? PositionOfId(find.ColumnInt64(0)) : -1;
}

void TSqliteDataSet::SortOnFields(const String& fields, bool caseInsensitive, bool descending) {
  ApplyOrder(fields, caseInsensitive, descending, {});
}

void TSqliteDataSet::SortOnKeys(const std::vector<TSortKey>& keys, bool caseInsensitive) {
  std::vector<bool> directions;
  String fields = JoinSortKeys(keys, directions);
  ApplyOrder(fields, caseInsensitive, !keys.empty() && keys.front().Descending, std::move(directions));
}

void TSqliteDataSet::ApplyOrder(const String& fields, bool caseInsensitive, bool descending,
                                std::vector<bool> keyDescending) {
  if (fields == indexFieldNames_ && caseInsensitive == sortCaseInsensitive_ && descending == sortDescending_ &&
      keyDescending == keyDescending_)
    return;
  if (Active() && !IsQuery()) CheckBrowseMode();
  String previous = indexFieldNames_;
  bool previousCase = sortCaseInsensitive_, previousDescending = sortDescending_;
  std::vector<bool> previousKeys = keyDescending_;
  indexFieldNames_ = fields;
  sortCaseInsensitive_ = caseInsensitive;
  sortDescending_ = descending;
  keyDescending_ = std::move(keyDescending);
  if (!Active() || IsQuery()) return;
  try {
    LoadOrderedKeys();
  } catch (...) {
    indexFieldNames_ = previous;
    sortCaseInsensitive_ = previousCase;
    sortDescending_ = previousDescending;
    keyDescending_ = std::move(previousKeys);
    throw;
  }
  OrderChanged();
}

bool TSqliteDataSet::RecordExists(int64_t position) {
  if (position < 0) return false;
  while (position >= keys_->Count() && LoadMoreKeys()) {
  }
  return position < keys_->Count();
}

// Without reading every row id, the count comes from the table.
int64_t TSqliteDataSet::InternalRecordCount() {
  if (keysComplete_) return keys_->Count();
  if (countCache_ < 0) {
    TSqliteStatement count(*db_, "SELECT count(*) FROM " + Table() + WhereClause());
    BindCondition(count, ShownCondition(), 1);
    countCache_ = count.Step() ? count.ColumnInt64(0) : 0;
  }
  return countCache_;
}

int64_t TSqliteDataSet::RecordIdAt(int64_t position) {
  if (!RecordExists(position)) DatabaseError(db_messages::RecordNotFound, this);
  return keys_->IdAt(position);
}

int64_t TSqliteDataSet::PositionOfId(int64_t id) {
  while (!keysComplete_ && id > lastKey_ && LoadMoreKeys()) {
  }
  return keys_->PositionOf(id);
}

void TSqliteDataSet::ReadRecord(int64_t id, std::vector<Variant>& columns) {
  if (queryRows_) {
    for (int c = 0; c < queryRows_->ColumnCount(); ++c) {
      Variant value = queryRows_->Get(id, c);
      // Whole numbers held at 64 bits read back in the field's kind, as a table's do.
      columns[static_cast<size_t>(c)] =
          value.VarType() == varInt64 ? FromStored(types_[static_cast<size_t>(c)], value) : std::move(value);
    }
    return;
  }
  readRow_->Bind(1, Variant(id));
  // A row another connection removed reads as Null values.
  bool found = readRow_->Step();
  for (size_t c = 0; c < types_.size(); ++c)
    columns[c] = found ? FromStored(types_[c], readRow_->ColumnValue(static_cast<int>(c))) : Variant::Null();
  readRow_->Reset();
}

int64_t TSqliteDataSet::InsertRow(const TRecordBuffer& buffer) {
  String names, marks;
  std::vector<Variant> values;
  for (size_t c = 0; c < types_.size(); ++c) {
    if (buffer.values[c].IsNull()) continue;  // the column's default applies
    names += (values.empty() ? "" : ", ") + SqlIdentifier(columns_[c]);
    marks += values.empty() ? "?" : ", ?";
    values.push_back(ToStored(types_[c], buffer.values[c]));
  }
  String sql = values.empty() ? "INSERT INTO " + Table() + " DEFAULT VALUES"
                              : "INSERT INTO " + Table() + " (" + names + ") VALUES (" + marks + ")";
  TSqliteStatement insert(*db_, sql);
  for (size_t i = 0; i < values.size(); ++i) insert.Bind(static_cast<int>(i) + 1, values[i]);
  insert.Step();
  return db_->LastInsertRowId();
}

void TSqliteDataSet::UpdateRow(const TRecordBuffer& buffer) {
  String assignments;
  std::vector<Variant> values;
  for (size_t c = 0; c < types_.size(); ++c) {
    if (!buffer.changed[c]) continue;
    assignments += (values.empty() ? "" : ", ") + SqlIdentifier(columns_[c]) + " = ?";
    values.push_back(ToStored(types_[c], buffer.values[c]));
  }
  if (values.empty()) return;
  TSqliteStatement update(*db_, "UPDATE " + Table() + " SET " + assignments + " WHERE rowid = ?");
  for (size_t i = 0; i < values.size(); ++i) update.Bind(static_cast<int>(i) + 1, values[i]);
  update.Bind(static_cast<int>(values.size()) + 1, Variant(buffer.id));
  update.Step();
  if (db_->Changes() == 0) DatabaseError("Record not found or changed by another user", this);
}

int64_t TSqliteDataSet::WriteRecord(const TRecordBuffer& buffer, int64_t insertPosition) {
  CheckActive();
  if (!CanModify()) DatabaseError(db_messages::DataSetReadOnly, this);
  bool inserting = insertPosition >= 0;
  // The new record takes its place among all the others; a filtered table reads its rows
  // before a change, so that the posted record keeps its place and the count stays right.
  if (inserting || !filterCondition_.Text.empty()) LoadAllKeys();
  TSqliteTransaction transaction(*db_);
  int64_t id = buffer.id;
  if (inserting)
    id = InsertRow(buffer);
  else
    UpdateRow(buffer);
  transaction.Commit();
  countCache_ = -1;
  if (!filterCondition_.Text.empty()) keptIds_.push_back(id);
  if (SortedTable())
    LoadOrderedKeys();  // a sorted table shows the written record where its keys belong
  else if (inserting)
    keys_->InsertAt(insertPosition, id);
  return id;
}

void TSqliteDataSet::DeleteRecord(int64_t id) {
  if (!CanModify()) DatabaseError(db_messages::DataSetReadOnly, this);
  TSqliteTransaction transaction(*db_);
  TSqliteStatement remove(*db_, "DELETE FROM " + Table() + " WHERE rowid = ?");
  remove.Bind(1, Variant(id));
  remove.Step();
  transaction.Commit();
  countCache_ = -1;
  keys_->Remove(id);
}

void TSqliteDataSet::SetRecordFilter(const TRecordFilter& filter) {
  CheckActive();
  if (IsQuery()) DatabaseError("Only a table can be filtered; a query's SQL chooses its rows", this);
  CheckBrowseMode();
  TSqlCondition condition = FilterCondition(filter, [this](const String& name) {
    const int column = FieldDefs()->IndexOf(name);
    if (column < 0) DatabaseError(Format(db_messages::FieldNotFound, {name}), this);
    return TSqlFilterColumn{SqlIdentifier(columns_[static_cast<size_t>(column)]), types_[static_cast<size_t>(column)]};
  });
  TSqlCondition previous = std::move(filterCondition_);
  std::vector<int64_t> previousKept = std::move(keptIds_);
  filterCondition_ = std::move(condition);
  keptIds_.clear();
  try {
    ReadKeysAgain();
  } catch (...) {
    filterCondition_ = std::move(previous);
    keptIds_ = std::move(previousKept);
    ReadKeysAgain();
    throw;
  }
  KeepRecordFilter(filter);
  OrderChanged();
}

// Starts reading the table's row ids afresh: lazily in row-id order, else all at once.
void TSqliteDataSet::ReadKeysAgain() {
  countCache_ = -1;
  PrepareKeyReader();
  keys_ = std::make_unique<TKeyset>(false);
  if (!InRowIdOrder()) return LoadOrderedKeys();
  keysComplete_ = false;
  lastKey_ = INT64_MIN;
  chunk_ = 256;
}
