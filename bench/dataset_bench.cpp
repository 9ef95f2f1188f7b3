// Data sets at scale: opening a large SQLite table against a small one (a million rows should
// open about as fast as a thousand), walking a million in-memory records, and what each
// in-memory record costs.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/sqlite_contacts_file.h"
#include "platform/data/data_link.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"

namespace {

using bench_sqlite::ContactsFile;

constexpr int kShownRows = 50;

// Opens the table under a link that shows kShownRows rows and reads every shown value, as a
// grid's first paint does.
void OpenAndShowFirstRows(const std::string& path) {
  TSqliteDataSet ds(nullptr);
  ds.SetDatabaseName(path);
  ds.SetTableName("contacts");
  TDataSource source(nullptr);
  source.SetDataSet(&ds);
  TDataLink link;
  link.SetBufferCount(kShownRows);
  link.SetDataSource(&source);
  ds.Open();
  for (int row = 0; row < link.RecordCount(); ++row) {
    ActiveRecordScope at(&link, row);
    for (int f = 0; f < ds.FieldCount(); ++f) benchmark::DoNotOptimize(ds.Fields()->Fields(f)->DisplayText());
  }
  link.SetDataSource(nullptr);
}

void BM_SqliteOpenFirst50(benchmark::State& state) {
  const std::string& path = ContactsFile(static_cast<int>(state.range(0)));
  for (auto _ : state) OpenAndShowFirstRows(path);
}
BENCHMARK(BM_SqliteOpenFirst50)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Opening plus the exact count a scroll bar asks for before every row id was read (one
// count(*) query over the table).
void BM_SqliteOpenAndRecordCount(benchmark::State& state) {
  TSqliteDataSet ds(nullptr);
  ds.SetDatabaseName(ContactsFile(static_cast<int>(state.range(0))));
  ds.SetTableName("contacts");
  for (auto _ : state) {
    ds.Open();
    benchmark::DoNotOptimize(ds.RecordCount());
    ds.Close();
  }
}
BENCHMARK(BM_SqliteOpenAndRecordCount)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Going to the end of a table reads every row id once (then the last rows' values).
void BM_SqliteOpenAndLast(benchmark::State& state) {
  TSqliteDataSet ds(nullptr);
  ds.SetDatabaseName(ContactsFile(static_cast<int>(state.range(0))));
  ds.SetTableName("contacts");
  for (auto _ : state) {
    ds.Open();
    ds.Last();
    benchmark::DoNotOptimize(ds.RecNo());
    ds.Close();
  }
}
BENCHMARK(BM_SqliteOpenAndLast)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Both sizes in one run, so the ratio is measured under the same conditions.
void BM_SqliteOpenRatio1MTo1K(benchmark::State& state) {
  const std::string& small = ContactsFile(1000);
  const std::string& large = ContactsFile(1000000);
  double smallSeconds = 0, largeSeconds = 0;
  for (auto _ : state) {
    auto t0 = std::chrono::steady_clock::now();
    OpenAndShowFirstRows(small);
    auto t1 = std::chrono::steady_clock::now();
    OpenAndShowFirstRows(large);
    auto t2 = std::chrono::steady_clock::now();
    smallSeconds += std::chrono::duration<double>(t1 - t0).count();
    largeSeconds += std::chrono::duration<double>(t2 - t1).count();
  }
  state.counters["ratio"] = largeSeconds / smallSeconds;
}
BENCHMARK(BM_SqliteOpenRatio1MTo1K)->Unit(benchmark::kMicrosecond);

long ResidentBytes() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * sysconf(_SC_PAGESIZE);
}

struct MillionRecords {
  std::unique_ptr<TMemDataSet> ds;
  long residentBytes = 0;
};

// A million contacts in memory, built once.
MillionRecords& Million() {
  static MillionRecords m = [] {
    MillionRecords r;
    long before = ResidentBytes();
    r.ds = std::make_unique<TMemDataSet>(nullptr);
    r.ds->FieldDefs()->Add("id", ftInteger);
    r.ds->FieldDefs()->Add("name", ftString, 20);
    r.ds->FieldDefs()->Add("phone", ftString, 20);
    r.ds->FieldDefs()->Add("balance", ftCurrency);
    r.ds->FieldDefs()->Add("joined", ftDate);
    r.ds->CreateDataSet();
    for (int i = 0; i < 1000000; ++i)
      r.ds->AppendRecord({i, "联系人" + std::to_string(i), "1380000" + std::to_string(1000 + i % 9000),
                          (i % 1000) * 1.25, Variant::FromDateTime(45000 + i % 365)});
    r.residentBytes = ResidentBytes() - before;
    return r;
  }();
  return m;
}

void BM_MemFirstToLast1M(benchmark::State& state) {
  TMemDataSet& ds = *Million().ds;
  TField* id = ds.FieldByName("id");
  for (auto _ : state) {
    int64_t sum = 0;
    for (ds.First(); !ds.Eof(); ds.Next()) sum += id->AsInteger();
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * ds.RecordCount());
}
BENCHMARK(BM_MemFirstToLast1M)->Unit(benchmark::kMillisecond);

void BM_MemBytesPerRecord(benchmark::State& state) {
  MillionRecords& m = Million();
  for (auto _ : state) benchmark::DoNotOptimize(m.ds->MemoryUsed());
  double count = m.ds->RecordCount();
  state.counters["held_bytes_per_record"] = static_cast<double>(m.ds->MemoryUsed()) / count;
  state.counters["resident_bytes_per_record"] = static_cast<double>(m.residentBytes) / count;
}
BENCHMARK(BM_MemBytesPerRecord);

}  // namespace
