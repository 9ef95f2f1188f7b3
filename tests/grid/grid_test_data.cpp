#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/grid/grid_test_support.h"

namespace grid_test {

namespace {

// A data set of the store under test that can also read the records it shows straight from
// that store, in its order, without moving its cursor or telling its links.
template <typename Base>
class TStoreReading : public Base {
 public:
  TStoreReading() : Base(nullptr) {}
  std::vector<std::vector<Variant>> ShownRows() {
    std::vector<std::vector<Variant>> rows;
    const int64_t count = this->InternalRecordCount();
    for (int64_t position = 0; position < count; ++position) {
      std::vector<Variant> columns(static_cast<size_t>(this->FieldDefs()->Count()));
      this->ReadRecord(this->RecordIdAt(position), columns);
      rows.push_back(std::move(columns));
    }
    return rows;
  }
};

Variant CodeOf(int id) {
  switch (id % 3) {
    case 1: return Variant("Y");
    case 2: return Variant("N");
    default: return Variant::Null();
  }
}

std::vector<Variant> RowOf(int id) {
  return {Variant(id), Variant("Name" + std::to_string(id)), Variant(id * 1.5),
          Variant(id % 2 == 1), CodeOf(id), Variant("note " + std::to_string(id))};
}

std::unique_ptr<TStoreReading<TMemDataSet>> MakeMemoryItems(int count) {
  auto ds = std::make_unique<TStoreReading<TMemDataSet>>();
  ds->FieldDefs()->Add("ID", ftInteger);
  ds->FieldDefs()->Add("Name", ftString, 20);
  ds->FieldDefs()->Add("Amount", ftCurrency);
  ds->FieldDefs()->Add("Flag", ftBoolean);
  ds->FieldDefs()->Add("Code", ftString, 10);
  ds->FieldDefs()->Add("Note", ftMemo);
  ds->CreateDataSet();
  for (int id = 1; id <= count; ++id) ds->AppendRecord(RowOf(id));
  return ds;
}


std::unique_ptr<TStoreReading<TSqliteDataSet>> MakeSqliteItems(const std::string& path, int count) {
  {
    TSqliteDatabase db(path, true, 1000);
    db.Execute("CREATE TABLE items (ID INTEGER, Name VARCHAR(20), Amount MONEY, Flag BOOLEAN, "
               "Code VARCHAR(10), Note MEMO)");
    TSqliteTransaction transaction(db);
    TSqliteStatement insert(db, "INSERT INTO items VALUES (?, ?, ?, ?, ?, ?)");
    for (int id = 1; id <= count; ++id) {
      const std::vector<Variant> row = RowOf(id);
      for (int c = 0; c < 6; ++c) insert.Bind(c + 1, row[static_cast<size_t>(c)]);
      insert.Step();
      insert.Reset();
    }
    transaction.Commit();
  }
  auto ds = std::make_unique<TStoreReading<TSqliteDataSet>>();
  ds->SetDatabaseName(path);
  ds->SetTableName("items");
  return ds;
}

}  // namespace

std::string TempPath() {
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  std::string pattern = std::string(TEST_OUTPUT_DIR) + "/gridXXXXXX.db";
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  const int fd = mkstemps(buf.data(), 3);
  if (fd >= 0) close(fd);
  return buf.data();
}

std::string StoreName(const testing::TestParamInfo<Store>& info) {
  return info.param == Store::Memory ? "Memory" : "Sqlite";
}

Items::Items(Store store, int count) : source_(std::make_unique<TDataSource>(nullptr)) {
  if (store == Store::Memory) {
    auto ds = MakeMemoryItems(count);
    readShown_ = [reader = ds.get()] { return reader->ShownRows(); };
    ds_ = std::move(ds);
  } else {
    file_ = TempPath();
    auto ds = MakeSqliteItems(file_, count);
    readShown_ = [reader = ds.get()] { return reader->ShownRows(); };
    ds_ = std::move(ds);
  }
  ds_->Open();
  ds_->First();
  source_->SetDataSet(ds_.get());
}

Items::~Items() {
  source_.reset();
  ds_.reset();
  if (!file_.empty()) {
    std::remove(file_.c_str());
    std::remove((file_ + "-journal").c_str());
  }
}

int Items::CurrentId() const { return ds_->FieldByName("ID")->AsInteger(); }

std::vector<std::vector<Variant>> Items::ShownStoredRows() const { return readShown_(); }

void Items::SortOn(const String& fields) {
  if (auto* memory = dynamic_cast<TMemDataSet*>(ds_.get())) memory->SetIndexFieldNames(fields);
  else static_cast<TSqliteDataSet*>(ds_.get())->SetIndexFieldNames(fields);
}

void Items::GotoId(int id) {
  ASSERT_TRUE(ds_->Locate("ID", Variant(id), {})) << "no item " << id;
}

GridOverItems::GridOverItems(Store store, int count)
    : items(store, count), grid(std::make_unique<TTestGrid>(nullptr)) {
  grid->SetDataSource(items.source());
}

GridOverItems::~GridOverItems() { grid.reset(); }

void TTestGrid::SetVisibleRows(int rows) {
  visibleRows = rows;
  DataLink()->SetBufferCount(rows);
}

void TTestGrid::BuildDefaultColumns() {
  TDataSet* dataSet = DataLink()->DataSet();
  TCollectionUpdateLock lock(*Columns());
  Columns()->Clear();
  for (int i = 0; i < dataSet->FieldCount(); ++i) {
    TField* field = dataSet->Fields()->Fields(i);
    if (field->Visible()) Columns()->InternalAdd()->SetField(field);
  }
}

std::string SelectedIds(TTestGrid* grid, Items& items) {
  std::string ids;
  TDataSet* ds = items.ds();
  const TBookmark here = ds->GetBookmark();
  TBookmarkListEx* rows = grid->SelectedRows();
  for (int i = 0; i < rows->Count(); ++i) {
    if (!ds->BookmarkValid(rows->Items(i))) {
      ids += (ids.empty() ? "" : " ") + std::string("gone");
      continue;
    }
    ds->GotoBookmark(rows->Items(i));
    ids += (ids.empty() ? "" : " ") + std::to_string(items.CurrentId());
  }
  if (!here.empty() && ds->BookmarkValid(here)) ds->GotoBookmark(here);
  return ids;
}

}  // namespace grid_test
