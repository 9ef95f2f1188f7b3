// A thin layer over SQLite: databases, statements and transactions.
#include "platform/data/sqlite_access.h"

#include <sqlite3.h>

#include <algorithm>

#include "platform/core/exceptions.h"

namespace {

String TextOrEmpty(const char* text) { return text ? text : ""; }

std::string_view Text(int length, const void* bytes) {
  return std::string_view(static_cast<const char*>(bytes), static_cast<size_t>(length));
}

int CompareAnsi(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return AnsiCompareText(Text(lengthA, a), Text(lengthB, b));
}

int CompareAnsiCase(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return AnsiCompareStr(Text(lengthA, a), Text(lengthB, b));
}

int OpenFlags(TSqliteOpenMode mode) {
  switch (mode) {
    case TSqliteOpenMode::Create: return SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
    case TSqliteOpenMode::ReadOnly: return SQLITE_OPEN_READONLY;
    case TSqliteOpenMode::ReadWrite: break;
  }
  return SQLITE_OPEN_READWRITE;
}

}  // namespace

TSqliteDatabase::TSqliteDatabase(const String& fileName, TSqliteOpenMode mode, int busyTimeoutMs)
    : fileName_(fileName) {
  int flags = OpenFlags(mode);
  int rc = sqlite3_open_v2(fileName.c_str(), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    String message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    throw EDatabaseError("Cannot open database \"" + fileName + "\": " + message);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyTimeoutMs);
  sqlite3_create_collation(db_, "ANSI", SQLITE_UTF8, nullptr, &CompareAnsi);
  sqlite3_create_collation(db_, "ANSICASE", SQLITE_UTF8, nullptr, &CompareAnsiCase);
}

TSqliteDatabase::~TSqliteDatabase() { sqlite3_close(db_); }

void TSqliteDatabase::Fail() const { throw EDatabaseError(sqlite3_errmsg(db_)); }

void TSqliteDatabase::Execute(const String& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    String message = error ? error : sqlite3_errmsg(db_);
    sqlite3_free(error);
    throw EDatabaseError(message);
  }
}

void TSqliteDatabase::CheckIntegrity() {
  String problem;
  try {
    TSqliteStatement check(*this, "PRAGMA quick_check");
    while (problem.empty() && check.Step()) {
      String line = check.ColumnValue(0).AsString();
      if (line != "ok") problem = line;
    }
  } catch (const EDatabaseError& e) {
    problem = e.Message();
  }
  if (!problem.empty()) throw EDatabaseError("Database \"" + fileName_ + "\" cannot be used: " + problem);
}

int64_t TSqliteDatabase::LastInsertRowId() const { return sqlite3_last_insert_rowid(db_); }

int TSqliteDatabase::Changes() const { return sqlite3_changes(db_); }

bool TSqliteDatabase::InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

TSqliteStatement::TSqliteStatement(TSqliteDatabase& db, const String& sql) : db_(db) {
  if (sqlite3_prepare_v2(db.Handle(), sql.c_str(), static_cast<int>(sql.size()), &stmt_,
                         nullptr) != SQLITE_OK)
    db.Fail();
  if (stmt_ == nullptr) throw EDatabaseError("Empty SQL statement");
}

TSqliteStatement::~TSqliteStatement() { sqlite3_finalize(stmt_); }

void TSqliteStatement::Bind(int index, const Variant& value) {
  int rc = SQLITE_OK;
  switch (value.VarType()) {
    case varEmpty:
    case varNull: rc = sqlite3_bind_null(stmt_, index); break;
    case varBoolean: rc = sqlite3_bind_int(stmt_, index, value.AsBoolean() ? 1 : 0); break;
    case varSmallint:
    case varInteger:
    case varShortInt:
    case varByte:
    case varWord:
    case varLongWord:
    case varInt64: rc = sqlite3_bind_int64(stmt_, index, value.AsInt64()); break;
    case varSingle:
    case varDouble:
    case varDate: rc = sqlite3_bind_double(stmt_, index, value.AsDouble()); break;
    case varCurrency: rc = sqlite3_bind_double(stmt_, index, value.AsCurrency().ToDouble()); break;
    default: {
      String text = value.AsString();
      rc = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()),
                             SQLITE_TRANSIENT);
    }
  }
  if (rc != SQLITE_OK) db_.Fail();
}

bool TSqliteStatement::Step() {
  int rc = sqlite3_step(stmt_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  String message = sqlite3_errmsg(db_.Handle());
  sqlite3_reset(stmt_);
  throw EDatabaseError(message);
}

void TSqliteStatement::Reset() {
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

int TSqliteStatement::ColumnCount() const { return sqlite3_column_count(stmt_); }

String TSqliteStatement::ColumnName(int column) const {
  return TextOrEmpty(sqlite3_column_name(stmt_, column));
}

String TSqliteStatement::ColumnDeclType(int column) const {
  return TextOrEmpty(sqlite3_column_decltype(stmt_, column));
}

String TSqliteStatement::ColumnDatabaseName(int column) const {
  return TextOrEmpty(sqlite3_column_database_name(stmt_, column));
}

String TSqliteStatement::ColumnTableName(int column) const {
  return TextOrEmpty(sqlite3_column_table_name(stmt_, column));
}

String TSqliteStatement::ColumnOriginName(int column) const {
  return TextOrEmpty(sqlite3_column_origin_name(stmt_, column));
}

int TSqliteStatement::ColumnType(int column) const { return sqlite3_column_type(stmt_, column); }

int64_t TSqliteStatement::ColumnInt64(int column) const {
  return sqlite3_column_int64(stmt_, column);
}

Variant TSqliteStatement::ColumnValue(int column) const {
  switch (sqlite3_column_type(stmt_, column)) {
    case SQLITE_NULL: return Variant::Null();
    case SQLITE_INTEGER: return Variant(static_cast<int64_t>(sqlite3_column_int64(stmt_, column)));
    case SQLITE_FLOAT: return Variant(sqlite3_column_double(stmt_, column));
    default: {
      const void* bytes = sqlite3_column_blob(stmt_, column);
      int size = sqlite3_column_bytes(stmt_, column);
      if (size == 0) return Variant(String());
      return Variant(String(static_cast<const char*>(bytes), static_cast<size_t>(size)));
    }
  }
}

TSqliteTransaction::TSqliteTransaction(TSqliteDatabase& db) : db_(db) {
  db_.Execute("BEGIN IMMEDIATE");
}

TSqliteTransaction::~TSqliteTransaction() {
  if (done_) return;
  // Rolling back can only fail when SQLite already rolled back on its own; nothing is left.
  sqlite3_exec(db_.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void TSqliteTransaction::Commit() {
  db_.Execute("COMMIT");
  done_ = true;
}

namespace {

// The collation `column` of `table` declares; "" for SQLite's default byte order.
String DeclaredCollation(TSqliteDatabase& db, const String& table, const String& column) {
  const char* collation = nullptr;
  if (sqlite3_table_column_metadata(db.Handle(), nullptr, table.c_str(), column.c_str(), nullptr, &collation, nullptr,
                                    nullptr, nullptr) != SQLITE_OK ||
      collation == nullptr || SameText(collation, "BINARY"))
    return {};
  return collation;
}

}  // namespace

std::vector<TSqliteColumn> TableColumns(TSqliteDatabase& db, const String& table) {
  TSqliteStatement info(db, "PRAGMA table_info(" + SqlIdentifier(table) + ")");
  std::vector<TSqliteColumn> columns;
  std::vector<int> keyOrder;  // 0, or the column's place in the primary key
  while (info.Step()) {
    const String name = info.ColumnValue(1).AsString();
    columns.push_back({name, info.ColumnValue(2).AsString(), info.ColumnInt64(3) != 0, !info.ColumnValue(4).IsNull(),
                       false, DeclaredCollation(db, table, name)});
    keyOrder.push_back(static_cast<int>(info.ColumnInt64(5)));
  }
  if (std::count_if(keyOrder.begin(), keyOrder.end(), [](int k) { return k > 0; }) == 1) {
    size_t key = static_cast<size_t>(std::find(keyOrder.begin(), keyOrder.end(), 1) - keyOrder.begin());
    columns[key].rowId = SameText(Trim(columns[key].declared), "INTEGER");
  }
  return columns;
}

String SqlIdentifier(std::string_view name) {
  return "\"" + StringReplaceAll(name, "\"", "\"\"") + "\"";
}
