#pragma once

#include <memory>

#include "platform/data/dataset.h"
#include "platform/data/keyset.h"
#include "platform/data/record_store.h"
#include "platform/data/sqlite_filter_sql.h"

class TSqliteDatabase;
class TSqliteStatement;
struct TSqliteColumn;

// A data set over an SQLite database file: a table, or an SQL query.
//
// A table is browsed by row id: opening reads only the first row ids, more are read as the
// cursor moves on, and each record's values are read by row id when it enters the buffer
// window, so a table of a million rows opens as fast as a small one. Every Post and Delete is
// written to the table in its own transaction before the call returns; a failure (a constraint,
// a lock held by another connection) raises EDatabaseError with SQLite's message, writes
// nothing, and leaves the data set in the state it was in. Bookmarks are row ids.
//
// A query whose rows are rows of one table, each result column one of that table's columns
// (no join, DISTINCT, GROUP BY, aggregate or expression), is editable like the table: opening
// reads the row ids of its rows (its WHERE and ORDER BY applied), values are read, written and
// bookmarked by row id. A posted record stays where it is shown, and a new one where it was
// inserted, until the query is opened again, even when it no longer matches the WHERE. Any
// other query is read-only and read into memory at open.
class TSqliteDataSet : public TDataSet {
  DECLARE_CLASS(TSqliteDataSet, TDataSet)
 public:
  explicit TSqliteDataSet(TComponent* owner);
  ~TSqliteDataSet() override;

  const String& DatabaseName() const { return databaseName_; }
  void SetDatabaseName(const String& name);
  const String& TableName() const { return tableName_; }
  void SetTableName(const String& name);
  // A query; when given it takes precedence over TableName.
  const String& SQL() const { return sql_; }
  void SetSQL(const String& sql);
  // How long (ms) a write waits for another connection's lock before giving up.
  int BusyTimeout() const { return busyTimeout_; }
  void SetBusyTimeout(int ms);
  // Before open, whether a table data set can be edited; while open, also whether the query is.
  bool CanModify() const override;
  // Orders a table on "A;B" (text in the locale order, ignoring Latin case; a column that
  // declares a collation of its own in it); "" orders by row id.
  const String& IndexFieldNames() const { return indexFieldNames_; }
  void SetIndexFieldNames(const String& fields) { SortOnFields(fields); }
  // The same with the choice of case and direction (rows of equal keys follow their row ids
  // in the same direction). Queries keep the order their SQL gives.
  void SortOnFields(const String& fields, bool caseInsensitive = true, bool descending = false);
  // Orders a table on several fields, each in its own direction; rows of equal keys follow
  // their row ids in the first key's direction. SQLite sorts (ORDER BY): only the row ids
  // are read again, values stay where they are until a record is shown.
  void SortOnKeys(const std::vector<TSortKey>& keys, bool caseInsensitive = true);
  // Row ids read so far (a table is read lazily).
  int64_t LoadedKeyCount() const;
  // A table shows only the rows SQLite finds for the filter's condition (every value bound,
  // never written into the SQL), read as lazily as the whole table and in the same order.
  // Queries cannot be filtered: their SQL says which rows they show.
  void SetRecordFilter(const TRecordFilter& filter) override;

 protected:
  void InternalOpen() override;
  void InternalClose() override;
  bool RecordExists(int64_t position) override;
  int64_t InternalRecordCount() override;
  int64_t RecordIdAt(int64_t position) override;
  int64_t PositionOfId(int64_t id) override;
  int CompareIds(int64_t a, int64_t b) const override;
  void ReadRecord(int64_t id, std::vector<Variant>& columns) override;
  int64_t WriteRecord(const TRecordBuffer& buffer, int64_t insertPosition) override;
  void DeleteRecord(int64_t id) override;
  // Asks SQLite for the first matching row of a table instead of reading row after row.
  int64_t FindPosition(const std::vector<TField*>& keys, const std::vector<Variant>& values,
                       TLocateOptions options) override;

 private:
  bool IsQuery() const { return !sql_.empty(); }
  bool InRowIdOrder() const { return indexFieldNames_.empty() && !sortDescending_; }
  bool SortedTable() const { return !IsQuery() && !InRowIdOrder(); }
  String Table() const;
  void ClearColumns();
  void AddColumnField(const TSqliteColumn& column, const String& fieldName);
  void OpenTable();
  void OpenQuery();
  bool OpenEditableQuery(TSqliteStatement& query);
  String KeyedQuery(const String& table, const std::vector<TSqliteColumn>& columns, int columnCount);
  void ReadQuery(TSqliteStatement& query);
  void ReadQueryRows(TSqliteStatement& query);
  void PrepareTableStatements();
  bool LoadMoreKeys();
  void LoadAllKeys();
  void LoadOrderedKeys();
  String OrderBy() const;  // the table's order, ending with the row id
  void ApplyOrder(const String& fields, bool caseInsensitive, bool descending, std::vector<bool> keyDescending);
  String KeysQuery() const;  // row ids in data-set order, the last column of each row
  void PrepareKeyReader();
  // The rows shown: those the filter finds and those posted since it was set.
  TSqlCondition ShownCondition() const;
  String WhereClause() const;  // " WHERE ..." or ""
  void ReadKeysAgain();
  String ColumnOf(const TField* field) const;
  int64_t InsertRow(const TRecordBuffer& buffer);
  void UpdateRow(const TRecordBuffer& buffer);
  void Forget();

  String databaseName_;
  String tableName_;
  String sql_;
  String indexFieldNames_;
  bool sortCaseInsensitive_ = true;
  bool sortDescending_ = false;
  std::vector<bool> keyDescending_;  // per field of IndexFieldNames; empty: sortDescending_
  int busyTimeout_ = 2000;

  String table_;                 // the table written to while open; "" for a read-only query
  std::vector<String> columns_;  // the table column of each field def
  std::vector<String> collations_;  // the collation each of them declares, "" for none
  String keyedSql_;              // an editable query returning its rows' row ids too
  std::unique_ptr<TSqliteDatabase> db_;
  std::unique_ptr<TSqliteStatement> readRow_;
  std::unique_ptr<TSqliteStatement> nextKeys_;
  std::unique_ptr<TKeyset> keys_;
  std::unique_ptr<TRecordStore> queryRows_;
  std::vector<TFieldType> types_;
  bool keysComplete_ = true;
  int64_t lastKey_ = 0;
  int chunk_ = 256;
  int64_t countCache_ = -1;
  TSqlCondition filterCondition_;
  std::vector<int64_t> keptIds_;  // posted while filtered; shown until the filter is set again
};
