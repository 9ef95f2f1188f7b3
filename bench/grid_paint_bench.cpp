// Painting a full-HD data grid: our grid over an in-memory data set against the toolkit's
// own table view over a table model, both 1920x1080 offscreen, 10 columns, 20-pixel rows and
// the same Chinese cell texts; over a thousand and over a million records (the paint should
// not care how many there are); and one row of scrolling, which should repaint far less than
// the whole grid.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/painting.h"
#include "bench/table_texts.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRowHeight = 20;
constexpr int kColumnWidth = 185;
using namespace bench_texts;

// ---- Our side: a borderless 1920x1080 form filled by the grid.
struct OurGrid {
  explicit OurGrid(int count) : ds(std::make_unique<TMemDataSet>(nullptr)), source(std::make_unique<TDataSource>(nullptr)) {
    FillTextRecords(ds.get(), count);
    ds->First();
    source->SetDataSet(ds.get());
    form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, kWidth, kHeight);
    grid = new TDBGridEx(form);
    grid->Font()->SetName(kFontFamily);
    grid->Font()->SetSize(kFontPoints);
    grid->SetParent(form);
    grid->SetAlign(alClient);
    for (int c = 0; c < kColumns; ++c) {
      TColumnEx* column = grid->Columns()->Add();
      column->SetFieldName("C" + std::to_string(c));
      column->Title()->SetCaption(TitleText(c));
      column->SetWidth(kColumnWidth);
    }
    grid->SetRowHeight(kRowHeight);
    grid->SetDataSource(source.get());
    form->Show();
    PaintInvalidWindows();
  }
  ~OurGrid() {
    delete form;
    source.reset();
    ds.reset();
  }
  void Repaint() {
    InvalidateRect(grid->Handle(), nullptr, true);
    PaintInvalidWindows();
  }

  std::unique_ptr<TMemDataSet> ds;
  std::unique_ptr<TDataSource> source;
  TForm* form = nullptr;
  TDBGridEx* grid = nullptr;
};

// The fixtures live until the process ends and are never destroyed: the window tree's own
// statics may already be gone when static destructors would free them.
OurGrid& OurFixture(int count) {
  StartToolkit();
  static auto* application = new TApplicationScope;
  static auto* gridLibrary = new GridLibraryScope;
  static auto& fixtures = *new std::map<int, std::unique_ptr<OurGrid>>;
  (void)application;
  (void)gridLibrary;
  auto& slot = fixtures[count];
  if (slot == nullptr) slot = std::make_unique<OurGrid>(count);
  return *slot;
}

void Describe(benchmark::State& state, OurGrid& f) {
  state.counters["rows_shown"] = f.grid->VisibleDataRowCount();
  state.counters["row_height"] = f.grid->DefaultRowHeight();
}

void BM_GridRepaint(benchmark::State& state) {
  OurGrid& f = OurFixture(static_cast<int>(state.range(0)));
  for (auto _ : state) f.Repaint();
  Describe(state, f);
}
BENCHMARK(BM_GridRepaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The current record sits on the last row shown, so each step down brings one new record into
// view and moves the rest up by a row.
void BM_GridScrollOneRow(benchmark::State& state) {
  OurGrid& f = OurFixture(static_cast<int>(state.range(0)));
  auto toLastRowShown = [&] {
    f.ds->First();
    f.ds->MoveBy(f.grid->VisibleDataRowCount() - 1);
    f.Repaint();
  };
  toLastRowShown();
  for (auto _ : state) {
    f.ds->Next();
    PaintInvalidWindows();
    if (f.ds->Eof()) {
      state.PauseTiming();
      toLastRowShown();
      state.ResumeTiming();
    }
  }
  Describe(state, f);
  f.ds->First();
}
BENCHMARK(BM_GridScrollOneRow)->Arg(1000000)->Unit(benchmark::kMillisecond);

// ---- The peer: the toolkit's table view over a table model of the same texts.
struct PeerView {
  explicit PeerView(int rows) : model(rows), image(kWidth, kHeight, QImage::Format_RGB32) {
    view.setModel(&model);
    view.verticalHeader()->setDefaultSectionSize(kRowHeight);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    view.resize(kWidth, kHeight);
    view.show();
    Repaint();
  }
  void Repaint() {
    QPainter painter(&image);
    view.render(&painter);
  }
  PeerModel model;
  QTableView view;
  QImage image;
};

PeerView& PeerFixture(int rows) {
  StartToolkit();
  static auto& fixtures = *new std::map<int, std::unique_ptr<PeerView>>;
  auto& slot = fixtures[rows];
  if (slot == nullptr) slot = std::make_unique<PeerView>(rows);
  return *slot;
}

void BM_PeerTableViewRepaint(benchmark::State& state) {
  PeerView& f = PeerFixture(static_cast<int>(state.range(0)));
  for (auto _ : state) f.Repaint();
}
BENCHMARK(BM_PeerTableViewRepaint)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
