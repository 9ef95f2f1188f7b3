#include "tests/data/data_test_support.h"

#include "platform/core/exceptions.h"
#include "platform/data/sqlite_access.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace data_test {

std::string RecordingLink::Window(const char* field) {
  std::string ids;
  ActiveRecordScope keep(this, ActiveRecord());
  for (int row = 0; row < RecordCount(); ++row) {
    SetActiveRecord(row);
    ids += (ids.empty() ? "" : " ") + DataSet()->FieldByName(field)->AsString();
  }
  return ids;
}

void AddPeople(TMemDataSet* ds, int from, int to) {
  for (int i = from; i <= to; ++i)
    ds->AppendRecord({Variant(i), Variant("Name" + std::to_string(i)), Variant(i * 1.5)});
}

std::unique_ptr<TMemDataSet> MakePeople(int count) {
  auto ds = std::make_unique<TMemDataSet>(nullptr);
  ds->FieldDefs()->Add("ID", ftInteger);
  ds->FieldDefs()->Add("Name", ftString, 20);
  ds->FieldDefs()->Add("Amount", ftCurrency);
  ds->CreateDataSet();
  AddPeople(ds.get(), 1, count);
  ds->First();
  return ds;
}

std::string StoreName(const testing::TestParamInfo<Store>& info) {
  switch (info.param) {
    case Store::Memory: return "Memory";
    case Store::Sqlite: return "Sqlite";
    case Store::SqliteQuery: return "SqliteQuery";
  }
  return "";
}

void CreatePeopleTable(const std::string& path, int count) {
  TSqliteDatabase db(path, true, 1000);
  db.Execute("CREATE TABLE people (ID INTEGER, Name VARCHAR(20), Amount MONEY)");
  TSqliteTransaction transaction(db);
  TSqliteStatement insert(db, "INSERT INTO people VALUES (?, ?, ?)");
  for (int i = 1; i <= count; ++i) {
    insert.Bind(1, Variant(i));
    insert.Bind(2, Variant("Name" + std::to_string(i)));
    insert.Bind(3, Variant(i * 1.5));
    insert.Step();
    insert.Reset();
  }
  transaction.Commit();
}

std::unique_ptr<TSqliteDataSet> OpenSqlite(const std::string& path, const std::string& table, const std::string& sql) {
  auto ds = std::make_unique<TSqliteDataSet>(nullptr);
  ds->SetDatabaseName(path);
  ds->SetTableName(table);
  ds->SetSQL(sql);
  ds->SetBusyTimeout(50);
  ds->Open();
  return ds;
}

int64_t CountRows(const std::string& path, const std::string& table, const std::string& where) {
  TSqliteDatabase db(path, false, 1000);
  TSqliteStatement count(db, "SELECT count(*) FROM " + table + " " + where);
  count.Step();
  return count.ColumnInt64(0);
}

std::string DatabaseErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EDatabaseError& e) {
    return e.Message();
  }
  return "no error";
}

People::People(Store store, int count) {
  if (store == Store::Memory) {
    ds = MakePeople(count);
    return;
  }
  file = std::make_unique<TempFile>(".db");
  CreatePeopleTable(file->Path(), count);
  if (store == Store::Sqlite)
    ds = OpenSqlite(file->Path(), "people");
  else
    ds = OpenSqlite(file->Path(), "", "SELECT ID, Name, Amount FROM people ORDER BY ID");
}

People::~People() { ds.reset(); }

LinkedData::LinkedData(Store store, int count, int bufferCount) : source(std::make_unique<TDataSource>(nullptr)) {
  People people(store, count);
  file = std::move(people.file);
  ds = std::move(people.ds);
  source->SetDataSet(ds.get());
  link = std::make_unique<RecordingLink>(source.get(), bufferCount);
  link->log.clear();
}

LinkedData::~LinkedData() {
  link.reset();
  source.reset();
  ds.reset();
}

std::string AllIds(TDataSet* ds) {
  std::string ids;
  TBookmark here = ds->GetBookmark();
  for (ds->First(); !ds->Eof(); ds->Next())
    ids += (ids.empty() ? "" : " ") + ds->FieldByName("ID")->AsString();
  if (!here.empty() && ds->BookmarkValid(here)) ds->GotoBookmark(here);
  return ids;
}

TempFile::TempFile(const char* suffix) {
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  std::string pattern = std::string(TEST_OUTPUT_DIR) + "/dataXXXXXX" + suffix;
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  int fd = mkstemps(buf.data(), static_cast<int>(std::string(suffix).size()));
  if (fd >= 0) close(fd);
  path_ = buf.data();
}

TempFile::~TempFile() {
  std::remove(path_.c_str());
  std::remove((path_ + "-journal").c_str());
  std::remove((path_ + "-wal").c_str());
  std::remove((path_ + "-shm").c_str());
}

}  // namespace data_test
