// A full layout pass of a data grid in a window, over a thousand and over a million in-memory
// records: the pass looks only at the records on screen, so both should take the same time.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "bench/bench_fixtures.h"
#include "gridlib/grid/db_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"

namespace {

// A form with a grid over `count` records of four fields, built once per size.
struct GridInWindow {
  explicit GridInWindow(int count)
      : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    ds->FieldDefs()->Add("ID", ftInteger);
    ds->FieldDefs()->Add("Name", ftString, 20);
    ds->FieldDefs()->Add("Amount", ftCurrency);
    ds->FieldDefs()->Add("Flag", ftBoolean);
    ds->CreateDataSet();
    for (int id = 1; id <= count; ++id) {
      ds->AppendRecord({Variant(id), Variant("Name" + std::to_string(id)), Variant(id * 1.5),
                        Variant(id % 2 == 1)});
    }
    ds->First();
    ds->MoveBy(count / 2);
    source->SetDataSet(ds.get());
    form = new TForm(Application);
    form->SetBounds(0, 0, 640, 480);
    grid = new TDBGridEx(form);
    grid->SetParent(form);
    grid->SetBounds(0, 0, 600, 440);
    grid->SetFooterRowCount(1);
    grid->SetDataSource(source.get());
    form->Show();
  }
  ~GridInWindow() {
    delete form;
    source.reset();
    ds.reset();
  }
  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

GridInWindow& Fixture(int count) {
  static TApplicationScope& application = KeepForBenchmarks(std::make_unique<TApplicationScope>());
  static std::map<int, GridInWindow*> fixtures;
  (void)application;
  GridInWindow*& slot = fixtures[count];
  if (slot == nullptr) slot = &KeepForBenchmarks(std::make_unique<GridInWindow>(count));
  return *slot;
}

void BM_Layout(benchmark::State& state) {
  GridInWindow& f = Fixture(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    f.grid->LayoutChanged();
    benchmark::DoNotOptimize(f.grid->RowCount());
  }
  state.counters["rows"] = f.grid->RowCount();
}
BENCHMARK(BM_Layout)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// Resizing the window only re-counts the rows.
void BM_RowsOnResize(benchmark::State& state) {
  GridInWindow& f = Fixture(static_cast<int>(state.range(0)));
  bool tall = false;
  for (auto _ : state) {
    tall = !tall;
    f.grid->SetHeight(tall ? 440 : 300);
    benchmark::DoNotOptimize(f.grid->RowCount());
  }
}
BENCHMARK(BM_RowsOnResize)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace
