#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/data_link.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_dataset.h"

namespace data_test {

// A link that writes down every notification it hears, in order, as short text:
// "active", "changed", "scrolled 1", "editing", "record Name", "record -", "layout", "update",
// and, when noteChecks is set, "check". Each entry also notes the link's ActiveRecord when it arrived, as "@2".
class RecordingLink : public TDataLink {
 public:
  explicit RecordingLink(TDataSource* source, int bufferCount = 1) {
    SetBufferCount(bufferCount);
    SetDataSource(source);
  }
  std::vector<std::string> log;
  // CheckBrowseMode arrives before every move; noted only when asked.
  bool noteChecks = false;
  std::string Take() {
    std::string all;
    for (const std::string& e : log) all += (all.empty() ? "" : ", ") + e;
    log.clear();
    return all;
  }
  // The ID values in the link's window, top to bottom, as "1 2 3".
  std::string Window(const char* field = "ID");

 protected:
  void ActiveChanged() override { Note("active"); }
  void DataSetChanged() override { Note("changed"); }
  void DataSetScrolled(int distance) override { Note("scrolled " + std::to_string(distance)); }
  void EditingChanged() override { Note("editing"); }
  void LayoutChanged() override { Note("layout"); }
  void RecordChanged(TField* field) override {
    Note("record " + (field ? field->FieldName() : std::string("-")));
  }
  void UpdateData() override { Note("update"); }
  void CheckBrowseMode() override {
    if (noteChecks) Note("check");
  }

 private:
  void Note(const std::string& what) {
    log.push_back(what + (Active() ? " @" + std::to_string(ActiveRecord()) : ""));
  }
};

// An open in-memory data set with fields ID (integer), Name (string 20), Amount (currency),
// holding records ID 1..count, Name "Name<i>", Amount i * 1.5.
std::unique_ptr<TMemDataSet> MakePeople(int count);
void AddPeople(TMemDataSet* ds, int from, int to);

// A temporary file path removed when the object goes.
class TempFile {
 public:
  explicit TempFile(const char* suffix);
  ~TempFile();
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// Where the people live: in memory, or in an SQLite table "people" of a temporary file, opened
// as the table or through an editable query of all its rows.
enum class Store { Memory, Sqlite, SqliteQuery };
std::string StoreName(const testing::TestParamInfo<Store>& info);

// Creates the table "people" (ID INTEGER, Name VARCHAR(20), Amount MONEY) with IDs 1..count.
void CreatePeopleTable(const std::string& path, int count);

// An open SQLite data set over a table, or over `sql` when given, waiting 50 ms for locks.
std::unique_ptr<TSqliteDataSet> OpenSqlite(const std::string& path, const std::string& table,
                                           const std::string& sql = "");
// Rows of `table` in the file, as another connection sees them ("WHERE ..." narrows them).
int64_t CountRows(const std::string& path, const std::string& table, const std::string& where = "");
// The message of the EDatabaseError the action raises, or "no error".
std::string DatabaseErrorOf(const std::function<void()>& action);

// An open data set of people like MakePeople's, in the given store.
struct People {
  People(Store store, int count);
  ~People();
  std::unique_ptr<TempFile> file;
  std::unique_ptr<TDataSet> ds;
};

// A data set, a source and a recording link with `bufferCount` rows.
struct LinkedData {
  LinkedData(Store store, int count, int bufferCount);
  ~LinkedData();
  std::unique_ptr<TempFile> file;
  std::unique_ptr<TDataSet> ds;
  std::unique_ptr<TDataSource> source;
  std::unique_ptr<RecordingLink> link;
};

// The IDs of all records in data-set order, as "1 2 3".
std::string AllIds(TDataSet* ds);

}  // namespace data_test
