// Selecting every record of a data set in the grid, and asking whether a record is selected,
// for a thousand and for a million in-memory records; memory of the selected-record list.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <random>
#include <vector>

#include "bench/bench_fixtures.h"
#include "gridlib/grid/bookmark_list.h"
#include "gridlib/grid/db_grid.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"

namespace {

// A grid over `count` in-memory records, built once per size.
struct GridOverRecords {
  explicit GridOverRecords(int count)
      : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    ds->FieldDefs()->Add("ID", ftInteger);
    ds->CreateDataSet();
    for (int id = 1; id <= count; ++id) ds->AppendRecord({Variant(id)});
    ds->First();
    source->SetDataSet(ds.get());
    grid = std::make_unique<TDBGridEx>(nullptr);
    grid->SetOptions(grid->Options() + dgMultiSelect);
    grid->SetDataSource(source.get());
  }
  ~GridOverRecords() {
    grid.reset();
    source.reset();
    ds.reset();
  }
  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
  std::unique_ptr<TDBGridEx> grid;
};

GridOverRecords& Fixture(int count) {
  static std::map<int, GridOverRecords*> fixtures;
  GridOverRecords*& slot = fixtures[count];
  if (slot == nullptr) slot = &KeepForBenchmarks(std::make_unique<GridOverRecords>(count));
  return *slot;
}

// Bytes the list of selected bookmarks holds: the strings and what they keep on the heap.
size_t ListBytes(TBookmarkListEx* rows) {
  size_t bytes = 0;
  for (int i = 0; i < rows->Count(); ++i) {
    const TBookmark& b = rows->Items(i);
    bytes += sizeof(TBookmark) + (b.capacity() > 15 ? b.capacity() + 1 : 0);
  }
  return bytes;
}

void BM_SelectAll(benchmark::State& state) {
  GridOverRecords& f = Fixture(static_cast<int>(state.range(0)));
  TBookmarkListEx* rows = f.grid->SelectedRows();
  for (auto _ : state) {
    state.PauseTiming();
    rows->Clear();
    state.ResumeTiming();
    rows->SelectAll();
    benchmark::DoNotOptimize(rows->Count());
  }
  state.counters["records"] = static_cast<double>(rows->Count());
  state.counters["list_bytes"] = static_cast<double>(ListBytes(rows));
  // Seconds per selected record (shown with an SI prefix: "85n" is 85 nanoseconds).
  state.counters["seconds_per_record"] =
      benchmark::Counter(static_cast<double>(rows->Count()), benchmark::Counter::kIsIterationInvariantRate |
                                                                benchmark::Counter::kInvert);
}
BENCHMARK(BM_SelectAll)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Whether the current record is selected, for records spread over the whole data set.
void BM_CurrentRowSelected(benchmark::State& state) {
  GridOverRecords& f = Fixture(static_cast<int>(state.range(0)));
  TBookmarkListEx* rows = f.grid->SelectedRows();
  if (rows->Count() == 0) rows->SelectAll();
  std::mt19937 random(7);
  std::vector<TBookmark> probes;
  for (int i = 0; i < 256; ++i) {
    f.ds->SetRecNo(static_cast<int>(random() % static_cast<unsigned>(state.range(0))) + 1);
    probes.push_back(f.ds->GetBookmark());
  }
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rows->IndexOf(probes[next]));
    next = (next + 1) % probes.size();
  }
}
BENCHMARK(BM_CurrentRowSelected)->Arg(1000)->Arg(1000000);

}  // namespace
