// The grid's periphery at scale: filtering a million-row SQLite table on a text column from
// the filter row to the first page shown, with and without an index on the column; and
// fitting ten columns to a million in-memory records against the toolkit's table view doing
// the same over the same texts (every row measured on both sides).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "gridlib/grid/column_parts.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "platform/windows/painting.h"
#include "bench/bench_fixtures.h"
#include "bench/table_texts.h"

namespace {

constexpr int kRecords = 1000000;
constexpr int kCities = 100;
using namespace bench_texts;

std::string CityText(int row) { return "城市" + std::to_string(row % kCities); }

void StartLibraries() {
  StartToolkit();
  static auto* application = new TApplicationScope;
  static auto* gridLibrary = new GridLibraryScope;
  (void)application;
  (void)gridLibrary;
}

// A shown form filled by a grid over `source`, with the filter row.
struct ShownGrid {
  explicit ShownGrid(TDataSource* source) {
    form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 1280, 800);
    grid = new TDBGridEx(form);
    grid->Font()->SetName(kFontFamily);
    grid->Font()->SetSize(kFontPoints);
    grid->SetParent(form);
    grid->SetAlign(alClient);
    grid->STFilter()->SetVisible(true);
    grid->SetDataSource(source);
    form->Show();
    PaintInvalidWindows();
  }
  ~ShownGrid() { delete form; }
  ShownGrid(const ShownGrid&) = delete;
  ShownGrid& operator=(const ShownGrid&) = delete;
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

// ---- Filtering a million SQLite rows: one table file per case, made once.
struct FilteredTable {
  explicit FilteredTable(bool indexed) : path(std::string("/tmp/grid_periphery_bench_") + (indexed ? "i" : "n") + ".db") {
    std::remove(path.c_str());
    {
      TSqliteDatabase db(path, true, 1000);
      db.Execute("CREATE TABLE people (ID INTEGER PRIMARY KEY, Name TEXT, Mobile TEXT, City TEXT)");
      db.Execute("BEGIN");
      TSqliteStatement insert(db, "INSERT INTO people VALUES (?, ?, ?, ?)");
      for (int row = 0; row < kRecords; ++row) {
        insert.Bind(1, Variant(row + 1));
        insert.Bind(2, Variant(NameText(row)));
        insert.Bind(3, Variant(MobileText(row)));
        insert.Bind(4, Variant(CityText(row)));
        insert.Step();
        insert.Reset();
      }
      db.Execute("COMMIT");
      // The filter compares text in the locale order, so the index is built in that order.
      if (indexed) db.Execute("CREATE INDEX people_city ON people (City COLLATE ANSI)");
    }
    data = std::make_unique<TSqliteDataSet>(nullptr);
    data->SetDatabaseName(path);
    data->SetTableName("people");
    data->Open();
    source = std::make_unique<TDataSource>(nullptr);
    source->SetDataSet(data.get());
    shown = std::make_unique<ShownGrid>(source.get());
  }
  ~FilteredTable() {
    shown.reset();
    source.reset();
    data.reset();
    std::remove(path.c_str());
  }
  TSTColumnFilterEx* CityFilter() { return shown->grid->Columns()->Items(3)->STFilter(); }

  std::string path;
  std::unique_ptr<TSqliteDataSet> data;
  std::unique_ptr<TDataSource> source;
  std::unique_ptr<ShownGrid> shown;
};

FilteredTable& TableFixture(bool indexed) {
  StartLibraries();
  static std::map<bool, FilteredTable*> fixtures;
  FilteredTable*& slot = fixtures[indexed];
  if (slot == nullptr) slot = &KeepForBenchmarks(std::make_unique<FilteredTable>(indexed));
  return *slot;
}

// From the typed text to the first page painted; the city changes every time so that no
// result is read from a cache of the last one.
void BM_FilterSqliteTextColumn(benchmark::State& state) {
  FilteredTable& f = TableFixture(state.range(0) != 0);
  int city = 0;
  for (auto _ : state) {
    f.CityFilter()->SetExpressionText("=" + CityText(city++ % kCities));
    f.shown->grid->ApplyFilterNow();
    PaintInvalidWindows();
  }
  state.counters["rows_shown"] = f.data->RecordCount();
  state.counters["row_ids_read"] = static_cast<double>(f.data->LoadedKeyCount());
  state.SetLabel(state.range(0) != 0 ? "with an index on the column" : "without an index");
  f.CityFilter()->SetExpressionText("");
  f.shown->grid->ApplyFilterNow();
}
BENCHMARK(BM_FilterSqliteTextColumn)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// ---- Fitting ten columns to a million in-memory records.
struct MemoryGrid {
  MemoryGrid() : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    FillTextRecords(ds.get(), kRecords);
    ds->First();
    source->SetDataSet(ds.get());
    shown = std::make_unique<ShownGrid>(source.get());
    shown->grid->STFilter()->SetVisible(false);
    for (int c = 0; c < kColumns; ++c) shown->grid->Columns()->Items(c)->Title()->SetCaption(TitleText(c));
  }
  TColumnsExList Columns() {
    TColumnsExList all;
    for (int c = 0; c < kColumns; ++c) all.push_back(shown->grid->Columns()->Items(c));
    return all;
  }
  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
  std::unique_ptr<ShownGrid> shown;
};

MemoryGrid& MemoryFixture() {
  StartLibraries();
  static MemoryGrid& fixture = KeepForBenchmarks(std::make_unique<MemoryGrid>());
  return fixture;
}

void BM_OptimizeColsWidth(benchmark::State& state) {
  MemoryGrid& f = MemoryFixture();
  const TColumnsExList columns = f.Columns();
  for (auto _ : state) {
    state.PauseTiming();
    for (TColumnEx* column : columns) column->SetWidth(40);
    state.ResumeTiming();
    f.shown->grid->OptimizeColsWidth(columns);
  }
  for (size_t c = 0; c < columns.size(); ++c) state.counters["width_" + std::to_string(c)] = columns[c]->Width();
}
BENCHMARK(BM_OptimizeColsWidth)->Unit(benchmark::kMillisecond);

// ---- The peer: the toolkit's table view sizing its columns to every row of the same texts.
void BM_PeerResizeColumnsToContents(benchmark::State& state) {
  StartToolkit();
  static auto* model = new PeerModel(kRecords);
  static auto* view = [] {
    auto* v = new QTableView;
    v->setModel(model);
    v->resize(1280, 800);
    v->setShowGrid(false);
    v->horizontalHeader()->setResizeContentsPrecision(-1);
    v->verticalHeader()->setDefaultSectionSize(20);
    v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    v->show();
    return v;
  }();
  for (auto _ : state) {
    state.PauseTiming();
    for (int c = 0; c < kColumns; ++c) view->setColumnWidth(c, 40);
    state.ResumeTiming();
    view->resizeColumnsToContents();
  }
  for (int c = 0; c < kColumns; ++c) state.counters["width_" + std::to_string(c)] = view->columnWidth(c);
}
BENCHMARK(BM_PeerResizeColumnsToContents)->Unit(benchmark::kMillisecond);

}  // namespace
