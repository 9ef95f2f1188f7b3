// A burst of Down presses on a grid in a real window on an X server: what each press costs the
// program (its CPU time, all threads), from the key reaching the window to the new picture
// reaching the screen, one press a turn of the message loop as when a key is held down. Once
// on a form that holds only the grid, once on the showcase's contacts page (skinned form,
// side bar, tool bar and the grid over the showcase's data file).
// Needs an X server: without one it says so and measures nothing; run it on one of its own
// with `tests/support/own-display 1024x768x24 build/bench/bench/window_key_burst_bench`.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWindow>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "bench/bench_fixtures.h"
#include "examples/showcase/main_form.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"

namespace {

constexpr int kPresses = 300;
constexpr int kRecords = 2000;

double ProcessCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Handles messages until `done` holds or a minute has passed.
bool PumpUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!done() && std::chrono::steady_clock::now() < deadline) Application->ProcessMessages();
  return done();
}

// A shown form with a grid to press keys on.
struct TKeyTarget {
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
  QWindow* window = nullptr;

  // Shows the form and waits until it is on the screen; false if it never came.
  bool Show() {
    form->Show();
    grid->SetFocus();
    if (!PumpUntil([this] { return ToolkitWindowExposed(form->Handle()); })) return false;
    window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
    Application->ProcessMessages();
    return window != nullptr;
  }
  // The key goes down and up through the toolkit's window, each handled in a turn of its own.
  void Press(Qt::Key key) const {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &down);
    Application->ProcessMessages();
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &up);
    Application->ProcessMessages();
  }
};

// An 800x600 form filled by a grid over records of a number, a name, a phone number and a
// message.
struct TPlainGrid : TKeyTarget {
  TPlainGrid() : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    ds->FieldDefs()->Add("ID", ftInteger);
    ds->FieldDefs()->Add("Name", ftString, 40);
    ds->FieldDefs()->Add("Phone", ftString, 20);
    ds->FieldDefs()->Add("Message", ftString, 200);
    ds->CreateDataSet();
    for (int i = 1; i <= kRecords; ++i) {
      ds->AppendRecord({Variant(i), Variant("Contact " + std::to_string(i)), Variant("1380000" + std::to_string(1000 + i)),
                        Variant("Meeting moved to room " + std::to_string(i % 40) + ", please confirm by reply")});
    }
    ds->First();
    source->SetDataSet(ds.get());
    form = new TForm(Application);
    form->SetBounds(40, 40, 800, 600);
    grid = new TDBGridEx(form);
    grid->SetParent(form);
    grid->SetAlign(alClient);
    grid->SetDataSource(source.get());
  }
  ~TPlainGrid() {
    delete form;
    source.reset();
    ds.reset();
  }

  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
};

// The showcase's main window on its contacts page, over a data file made afresh in a folder
// of the benchmark's own.
struct TShowcaseContacts : TKeyTarget {
  TShowcaseContacts() : folder(std::filesystem::temp_directory_path() / "window_key_burst_bench") {
    std::filesystem::remove_all(folder);
    setenv("XDG_DATA_HOME", folder.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder / "config").c_str(), 1);
    TShowcaseMainForm* main = nullptr;
    Application->CreateForm(main);
    main->ExecuteCommand(TShowcaseMainForm::kContactsCommand);
    form = main;
    grid = dynamic_cast<TDBGridEx*>(main->Page(TShowcaseMainForm::kContactsCommand)->FindComponent("ContactsGrid"));
  }
  ~TShowcaseContacts() {
    delete form;
    std::filesystem::remove_all(folder);
  }

  std::filesystem::path folder;
};

// The toolkit on the display and the application, made once; false without a display.
bool OnDisplay() {
  static const bool shown = [] {
    if (!DisplayAvailable()) return false;
    static int argc = 1;
    static char name[] = "window_key_burst_bench";
    static char* argv[] = {name, nullptr};
    KeepForBenchmarks(std::make_unique<TToolkitScope>(argc, argv, false));
    KeepForBenchmarks(std::make_unique<TApplicationScope>());
    KeepForBenchmarks(std::make_unique<GridLibraryScope>());
    return true;
  }();
  return shown;
}

template <typename T>
T* Target() {
  static T* target = [] { return &KeepForBenchmarks(std::make_unique<T>()); }();
  return target;
}

template <typename T>
void BM_DownKeyBurst(benchmark::State& state) {
  if (!OnDisplay()) {
    state.SkipWithError("needs an X server (DISPLAY unset or unreachable); run it under tests/support/own-display");
    return;
  }
  T* f = Target<T>();
  if (f->grid == nullptr || !f->Show()) {
    state.SkipWithError("the grid's window never showed on the display");
    return;
  }
  TDataSet* records = f->grid->DataSource()->DataSet();
  records->First();
  Application->ProcessMessages();
  double cpu = 0;
  long long presses = 0;
  int reached = 0;
  for (auto _ : state) {
    const double before = ProcessCpuSeconds();
    for (int i = 0; i < kPresses; ++i) f->Press(Qt::Key_Down);
    cpu += ProcessCpuSeconds() - before;
    presses += kPresses;
    state.PauseTiming();
    reached = records->RecNo();
    records->First();
    Application->ProcessMessages();
    state.ResumeTiming();
  }
  f->form->Hide();
  Application->ProcessMessages();
  state.counters["presses"] = kPresses;
  state.counters["record_reached"] = reached;
  state.counters["cpu_us_per_press"] = presses > 0 ? cpu * 1e6 / static_cast<double>(presses) : 0;
}
BENCHMARK_TEMPLATE(BM_DownKeyBurst, TPlainGrid)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();
BENCHMARK_TEMPLATE(BM_DownKeyBurst, TShowcaseContacts)->Unit(benchmark::kMillisecond)->Iterations(5)->MeasureProcessCPUTime();

}  // namespace
