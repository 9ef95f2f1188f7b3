#pragma once

#include <memory>

#include "platform/data/dataset.h"
#include "platform/data/keyset.h"
#include "platform/data/record_store.h"

// A data set whose records live in memory, in compact rows (see TRecordStore). Fields come
// from FieldDefs or from fields created in code. Records survive Close and Open; CreateDataSet
// starts empty. Bookmarks name rows, which are never reused, so they stay valid across edits,
// inserts, deletes of other records and sorting.
class TMemDataSet : public TDataSet {
  DECLARE_CLASS(TMemDataSet, TDataSet)
 public:
  explicit TMemDataSet(TComponent* owner);
  ~TMemDataSet() override;

  // Opens with no records.
  void CreateDataSet();
  // Removes every record; bookmarks taken before no longer name a record (they may come to
  // name new ones).
  void EmptyDataSet();
  // Adds a record with the given column values (in FieldDefs order) through Append and Post.
  void AppendRecord(const std::vector<Variant>& values);

  // Keeps the records ordered on the fields named in "A;B" ("" for the order they were added
  // in); text compares ignoring Latin case unless asked. A posted record moves to its place.
  const String& IndexFieldNames() const { return sortFields_; }
  void SetIndexFieldNames(const String& fields) { SortOnFields(fields); }
  void SortOnFields(const String& fields, bool caseInsensitive = true, bool descending = false);

  // Bytes held per record: row, text and order bookkeeping.
  size_t MemoryUsed() const;

  // Tests every record in memory; the records that fail stay in the store, hidden, and show
  // again when the filter is cleared.
  void SetRecordFilter(const TRecordFilter& filter) override;
  // Records keep the place they are moved to while the data set is not sorted.
  bool MoveRecords(const std::vector<TBookmark>& bookmarks, int toRecNo, bool checkOnly) override;

 protected:
  void InternalOpen() override;
  void InternalClose() override {}
  bool RecordExists(int64_t position) override { return position >= 0 && position < InternalRecordCount(); }
  int64_t InternalRecordCount() override;
  int64_t RecordIdAt(int64_t position) override;
  int64_t PositionOfId(int64_t id) override;
  int CompareIds(int64_t a, int64_t b) const override { return keyset_.Compare(a, b); }
  void ReadRecord(int64_t id, std::vector<Variant>& columns) override;
  int64_t WriteRecord(const TRecordBuffer& buffer, int64_t insertPosition) override;
  void DeleteRecord(int64_t id) override;

 private:
  void CreateStore();
  void DefineFromFields();
  void FillAutoIncrements(int64_t row);
  void ApplySort();
  void PlaceSorted(int64_t id);
  std::vector<int> SortColumns() const;
  int CompareRows(int64_t a, int64_t b, const std::vector<int>& columns) const;
  bool Filtered() const { return !RecordFilter().empty(); }
  // The position in the whole order where a record inserted at a shown position goes.
  int64_t OrderPositionOfShown(int64_t shownPosition) const;
  // The shown records follow the whole order again, after a sort, an insert or a delete.
  void ReshowInOrder();

  // While filtered: per row id whether the record is shown, and the shown ids in data-set order.
  std::vector<char> shown_;
  std::vector<int64_t> shownOrder_;

  std::unique_ptr<TRecordStore> store_;
  std::vector<TFieldType> storeTypes_;
  TKeyset keyset_{true};
  std::vector<int64_t> nextAutoInc_;
  String sortFields_;
  bool sortCaseInsensitive_ = true;
  bool sortDescending_ = false;
};

// How a field type keeps its values in a compact row.
TStorageKind StorageKindOf(TFieldType type);
// Orders two non-null values of one column: numbers by value, text by the locale order
// (ignoring Latin case when asked), Null first.
int CompareValues(const Variant& a, const Variant& b, bool caseInsensitive);
