// The grid's input over a million-row SQLite table: a click on a title until the first repaint
// shows the table sorted by that column, and paging down through it with the keyboard.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "bench/bench_fixtures.h"
#include "bench/sqlite_contacts_file.h"
#include "gridlib/grid/column_defaults.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/sqlite_dataset.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"

namespace {

constexpr int kRows = 1000000;

// A 1024x768 form filled by a grid over the contacts table; a title click sorts it through the
// grid's data service (ORDER BY in SQLite), as the grid does without a handler of its own.
struct ContactsGrid {
  ContactsGrid()
      : ds(std::make_unique<TSqliteDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    ds->SetDatabaseName(bench_sqlite::ContactsFile(kRows));
    ds->SetTableName("contacts");
    source->SetDataSet(ds.get());
    form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 1024, 768);
    grid = new TDBGridEx(form);
    grid->SetParent(form);
    grid->SetAlign(alClient);
    grid->ColumnDefValues()->Title()->SetTitleButton(true);
    grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
    grid->SetDataSource(source.get());
    ds->Open();
    form->Show();
    PaintInvalidWindows();
  }
  ~ContactsGrid() {
    delete form;
    source.reset();
    ds.reset();
  }
  // A press and release in the middle of the title of data column `dataCol`.
  void ClickTitle(int dataCol) {
    const TRect cell = grid->CellRect(dataCol + grid->IndicatorOffset(), 0);
    const LPARAM at = MakeLParam((cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2);
    grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
    grid->Perform(WM_LBUTTONUP, 0, at);
  }

  std::unique_ptr<TSqliteDataSet> ds;
  std::unique_ptr<TDataSource> source;
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

ContactsGrid& Fixture() {
  static TApplicationScope& application = KeepForBenchmarks(std::make_unique<TApplicationScope>());
  static GridLibraryScope& library = KeepForBenchmarks(std::make_unique<GridLibraryScope>());
  static ContactsGrid& grid = KeepForBenchmarks(std::make_unique<ContactsGrid>());
  (void)application;
  (void)library;
  return grid;
}

// Each click turns the name column's order around (down, up, down, ...): every run sorts the
// whole table again and paints the first rows of the new order.
void BM_SortByTitleClick(benchmark::State& state) {
  ContactsGrid& f = Fixture();
  const int name = f.grid->Columns()->Items(1)->Index();
  for (auto _ : state) {
    f.ClickTitle(name);
    PaintInvalidWindows();
  }
  state.counters["rows"] = kRows;
  state.counters["rows_shown"] = f.grid->VisibleDataRowCount();
}
BENCHMARK(BM_SortByTitleClick)->Unit(benchmark::kMillisecond)->Iterations(6);

// Page Down in the sorted table, each page painted; back to the top at the end.
void BM_PageDownSorted(benchmark::State& state) {
  ContactsGrid& f = Fixture();
  if (f.grid->SortMarkedColumns().empty()) f.ClickTitle(1);
  f.ds->First();
  PaintInvalidWindows();
  for (auto _ : state) {
    f.grid->Perform(WM_KEYDOWN, VK_NEXT, 1);
    PaintInvalidWindows();
    if (f.ds->Eof()) {
      state.PauseTiming();
      f.ds->First();
      PaintInvalidWindows();
      state.ResumeTiming();
    }
  }
  state.counters["rows_per_page"] = f.grid->VisibleDataRowCount();
}
BENCHMARK(BM_PageDownSorted)->Unit(benchmark::kMicrosecond);

}  // namespace
