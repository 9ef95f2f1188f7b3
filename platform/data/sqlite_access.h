#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/strings.h"
#include "platform/core/variant.h"

struct sqlite3;
struct sqlite3_stmt;

// A thin, exception-safe layer over the SQLite C library. Every failure raises EDatabaseError
// carrying SQLite's own message, so a caller sees why ("UNIQUE constraint failed: t.id",
// "database is locked", "no such table: x").
class TSqliteStatement;

// How a database file is opened: for reading and writing, created when it is missing too, or
// only read (nothing this connection does can change the file).
enum class TSqliteOpenMode { ReadWrite, Create, ReadOnly };

class TSqliteDatabase {
 public:
  // Opens the database file; busyTimeoutMs is how long a statement waits for another
  // connection's lock before raising "database is locked". Two collations sort text in the
  // locale order: "ANSI" ignoring Latin case (AnsiCompareText), "ANSICASE" not
  // (AnsiCompareStr).
  TSqliteDatabase(const String& fileName, TSqliteOpenMode mode, int busyTimeoutMs);
  TSqliteDatabase(const String& fileName, bool create, int busyTimeoutMs)
      : TSqliteDatabase(fileName, create ? TSqliteOpenMode::Create : TSqliteOpenMode::ReadWrite, busyTimeoutMs) {}
  ~TSqliteDatabase();
  TSqliteDatabase(const TSqliteDatabase&) = delete;
  TSqliteDatabase& operator=(const TSqliteDatabase&) = delete;

  void Execute(const String& sql);
  // Reads the whole file as SQLite's quick check does; raises EDatabaseError naming the file
  // when it is not a database, is damaged or cannot be read.
  void CheckIntegrity();
  int64_t LastInsertRowId() const;
  int Changes() const;  // rows the last statement changed
  bool InTransaction() const;
  [[noreturn]] void Fail() const;  // raises with the connection's last message
  sqlite3* Handle() const { return db_; }
  const String& FileName() const { return fileName_; }

 private:
  String fileName_;
  sqlite3* db_ = nullptr;
};

class TSqliteStatement {
 public:
  TSqliteStatement(TSqliteDatabase& db, const String& sql);
  ~TSqliteStatement();
  TSqliteStatement(const TSqliteStatement&) = delete;
  TSqliteStatement& operator=(const TSqliteStatement&) = delete;

  void Bind(int index, const Variant& value);  // 1-based, as SQLite counts
  // Advances to the next row; false when done. Raises on error.
  bool Step();
  void Reset();  // also clears bindings
  int ColumnCount() const;
  String ColumnName(int column) const;
  // The declared type of a result column that comes straight from a table column, or "".
  String ColumnDeclType(int column) const;
  // Where a result column comes from when it is a plain table column: the database ("main"),
  // the table and the table's column ("rowid" for the row id of a table without an alias);
  // "" for an expression, an aggregate or a column of a subquery or view.
  String ColumnDatabaseName(int column) const;
  String ColumnTableName(int column) const;
  String ColumnOriginName(int column) const;
  int ColumnType(int column) const;  // SQLITE_INTEGER, SQLITE_FLOAT, ...
  int64_t ColumnInt64(int column) const;
  Variant ColumnValue(int column) const;

 private:
  TSqliteDatabase& db_;
  sqlite3_stmt* stmt_ = nullptr;
};

// Holds a write transaction open; commits on Commit(), rolls back when left without it, so an
// exception never leaves half a change in the file.
class TSqliteTransaction {
 public:
  explicit TSqliteTransaction(TSqliteDatabase& db);
  ~TSqliteTransaction();
  TSqliteTransaction(const TSqliteTransaction&) = delete;
  TSqliteTransaction& operator=(const TSqliteTransaction&) = delete;
  void Commit();

 private:
  TSqliteDatabase& db_;
  bool done_ = false;
};

// A column as its table declares it. rowId marks the one INTEGER PRIMARY KEY column, which
// is the row id under another name. collation is the one its declaration names ("NOCASE"),
// empty when it compares bytes as SQLite does by default.
struct TSqliteColumn {
  String name;
  String declared;
  bool notNull = false;
  bool hasDefault = false;
  bool rowId = false;
  String collation;
};

// The columns of the table named `table` (as it is named, not quoted), in table order.
std::vector<TSqliteColumn> TableColumns(TSqliteDatabase& db, const String& table);

// Quotes an identifier for SQL ("name" with doubled quotes).
String SqlIdentifier(std::string_view name);
