// How an SQL query opens: editable by row id when its rows are one table's rows, otherwise
// read into memory.
#include <optional>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "platform/data/sqlite_query_shape.h"
#include "platform/data/sqlite_values.h"

namespace {

// A name not yet among the field defs ("id", then "id_1", "id_2", ...).
String UniqueName(TFieldDefs* defs, const String& name) {
  const String base = name.empty() ? String("Column") : name;
  String candidate = base;
  for (int n = 1; defs->IndexOf(candidate) >= 0; ++n) candidate = base + "_" + IntToStr(n);
  return candidate;
}

// The one table of the main database every result column comes from straight, or "".
String SourceTable(const TSqliteStatement& query) {
  String table = query.ColumnCount() > 0 ? query.ColumnTableName(0) : String();
  for (int c = 0; c < query.ColumnCount(); ++c) {
    if (query.ColumnTableName(c) != table || query.ColumnDatabaseName(c) != "main") return "";
  }
  return table;
}

// The table column a result column reads; SQLite names the row id "rowid" when no column
// stands for it.
std::optional<TSqliteColumn> ColumnNamed(const std::vector<TSqliteColumn>& columns, const String& origin) {
  for (const TSqliteColumn& c : columns)
    if (SameText(c.name, origin)) return c;
  if (SameText(origin, "rowid")) return TSqliteColumn{"rowid", "INTEGER", false, false, true, ""};
  return std::nullopt;
}

// A name for the row id that no column of the table hides.
String FreeRowIdName(const std::vector<TSqliteColumn>& columns) {
  for (const char* name : {"rowid", "_rowid_", "oid"}) {
    bool taken = false;
    for (const TSqliteColumn& c : columns) taken = taken || SameText(c.name, name);
    if (!taken) return name;
  }
  return "";
}

// SQLite keeps any whole number in any column whatever its declared width, and a read-only
// query has no field range to refuse one at, so whole numbers are held at 64 bits.
TStorageKind QueryStorageKind(TFieldType type) {
  TStorageKind kind = StorageKindOf(type);
  return kind == skInt16 || kind == skInt32 ? skInt64 : kind;
}

}  // namespace

void TSqliteDataSet::OpenQuery() {
  TSqliteStatement query(*db_, sql_);  // bad SQL raises here with SQLite's message
  if (!OpenEditableQuery(query)) ReadQuery(query);
}

bool TSqliteDataSet::OpenEditableQuery(TSqliteStatement& query) {
  String table = SourceTable(query);
  if (table.empty() || !IsRowPerRowSelect(sql_)) return false;
  std::vector<TSqliteColumn> columns = TableColumns(*db_, table);
  std::vector<TSqliteColumn> shown;
  for (int c = 0; c < query.ColumnCount(); ++c) {
    std::optional<TSqliteColumn> column = ColumnNamed(columns, query.ColumnOriginName(c));
    // A column shown twice would be written twice.
    for (const TSqliteColumn& s : shown)
      if (column && SameText(s.name, column->name)) column.reset();
    if (!column) return false;
    shown.push_back(*column);
  }
  String keyed = KeyedQuery(table, columns, query.ColumnCount());
  if (keyed.empty()) return false;
  table_ = table;
  keyedSql_ = keyed;
  ClearColumns();
  for (size_t c = 0; c < shown.size(); ++c)
    AddColumnField(shown[c], UniqueName(FieldDefs(), query.ColumnName(static_cast<int>(c))));
  PrepareTableStatements();
  keys_ = std::make_unique<TKeyset>(false);
  LoadOrderedKeys();
  return true;
}

// The query returning each row's row id after its own columns, or "" when SQLite does not
// take the added column as the row id of `table`.
String TSqliteDataSet::KeyedQuery(const String& table, const std::vector<TSqliteColumn>& columns, int columnCount) {
  String rowId = FreeRowIdName(columns);
  String keyed = rowId.empty() ? String() : WithTrailingColumn(sql_, rowId);
  if (keyed.empty()) return "";
  try {
    TSqliteStatement probe(*db_, keyed);
    std::optional<TSqliteColumn> key = ColumnNamed(columns, probe.ColumnOriginName(columnCount));
    bool isRowId = probe.ColumnCount() == columnCount + 1 && probe.ColumnTableName(columnCount) == table &&
                   probe.ColumnDatabaseName(columnCount) == "main" && key && key->rowId;
    return isRowId ? keyed : "";
  } catch (const EDatabaseError&) {
    // A join or a subquery in FROM has no single row id: the query stays read-only.
    return "";
  }
}

void TSqliteDataSet::ReadQuery(TSqliteStatement& query) {
  ClearColumns();
  bool hasRow = query.Step();
  for (int c = 0; c < query.ColumnCount(); ++c) {
    int size = 0;
    TFieldType type = ftString;
    String declared = query.ColumnDeclType(c);
    if (!declared.empty())
      type = FieldTypeOfDecl(declared, size);
    else if (hasRow && query.ColumnValue(c).VarType() == varInt64)
      type = ftLargeint;
    else if (hasRow && query.ColumnValue(c).VarType() == varDouble)
      type = ftFloat;
    FieldDefs()->Add(UniqueName(FieldDefs(), query.ColumnName(c)), type, size);
    types_.push_back(type);
  }
  std::vector<TStorageKind> kinds;
  for (TFieldType t : types_) kinds.push_back(QueryStorageKind(t));
  queryRows_ = std::make_unique<TRecordStore>(std::move(kinds));
  keys_ = std::make_unique<TKeyset>(true);
  keysComplete_ = true;
  if (hasRow) ReadQueryRows(query);
}

void TSqliteDataSet::ReadQueryRows(TSqliteStatement& query) {
  do {
    int64_t row = queryRows_->AddRow();
    for (int c = 0; c < query.ColumnCount(); ++c)
      queryRows_->Set(row, c, FromStored(types_[static_cast<size_t>(c)], query.ColumnValue(c)));
    keys_->Append(row);
  } while (query.Step());
}
