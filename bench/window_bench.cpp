// Painting through the window tree: a 1920x1080 form with 200 child windows, repainted whole
// (and compared with one plain blit of the same size), and one 100x20 child repainted alone.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <vector>

#include "bench/bench_fixtures.h"
#include "platform/controls/application.h"
#include "platform/controls/custom_control.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/painting.h"

namespace {

struct TPaintCounts {
  long long paints = 0;
  long long pixels = 0;
};

TPaintCounts Counts;

// A child that fills itself and draws a frame, as a simple control does.
class TBenchControl : public TCustomControl {
  DECLARE_CLASS(TBenchControl, TCustomControl)
 public:
  using TCustomControl::TCustomControl;

 protected:
  void Paint() override {
    TRect r = ClientRect();
    ++Counts.paints;
    Counts.pixels += static_cast<long long>(r.Width()) * r.Height();
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    Canvas()->Brush()->SetColor(clBlack);
    Canvas()->FrameRect(r);
  }
};

constexpr int FormWidth = 1920;
constexpr int FormHeight = 1080;
constexpr int Columns = 20;
constexpr int Rows = 10;

// 200 children: 20 x 10 cells of 96 x 108 pixels, each holding a 90 x 100 child, the first
// one 100 x 20.
struct TBenchForm {
  TApplicationScope scope;
  TForm* form = nullptr;
  std::vector<TBenchControl*> children;

  TBenchForm() {
    form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, FormWidth, FormHeight);
    for (int row = 0; row < Rows; ++row) {
      for (int col = 0; col < Columns; ++col) {
        auto* c = new TBenchControl(form);
        bool first = children.empty();
        c->SetBounds(col * 96 + 3, row * 108 + 4, first ? 100 : 90, first ? 20 : 100);
        c->SetColor(static_cast<TColor>(RGB(static_cast<uint8_t>(col * 12), static_cast<uint8_t>(row * 25), 200)));
        c->SetParent(form);
        children.push_back(c);
      }
    }
    form->Show();
    Application->ProcessMessages();
  }
};

TBenchForm& Bench() {
  static TBenchForm& bench = KeepForBenchmarks(std::make_unique<TBenchForm>());
  return bench;
}

// One plain copy of a 1920x1080 picture, in nanoseconds (averaged).
double FullBlitNanos() {
  TBitmap source(FormWidth, FormHeight), target(FormWidth, FormHeight);
  HDC src = source.Canvas()->Handle();
  HDC dst = target.Canvas()->Handle();
  constexpr int Rounds = 20;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < Rounds; ++i) BitBlt(dst, 0, 0, FormWidth, FormHeight, src, 0, 0, SRCCOPY);
  auto elapsed = std::chrono::steady_clock::now() - start;
  return std::chrono::duration<double, std::nano>(elapsed).count() / Rounds;
}

void BM_FullBlit(benchmark::State& state) {
  TBitmap source(FormWidth, FormHeight), target(FormWidth, FormHeight);
  HDC src = source.Canvas()->Handle();
  HDC dst = target.Canvas()->Handle();
  for (auto _ : state) BitBlt(dst, 0, 0, FormWidth, FormHeight, src, 0, 0, SRCCOPY);
  state.counters["pixels"] = static_cast<double>(FormWidth) * FormHeight;
}
BENCHMARK(BM_FullBlit)->Unit(benchmark::kMillisecond);

void BM_InvalidateAndRepaintForm(benchmark::State& state) {
  TBenchForm& bench = Bench();
  HWND h = bench.form->Handle();
  double blit = FullBlitNanos();
  Counts = {};
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    RedrawWindow(h, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    PaintInvalidWindows();
  }
  double perRepaint = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
                      static_cast<double>(state.iterations());
  state.counters["child_paints"] = benchmark::Counter(static_cast<double>(Counts.paints), benchmark::Counter::kAvgIterations);
  state.counters["ratio_to_blit"] = perRepaint / blit;
}
BENCHMARK(BM_InvalidateAndRepaintForm)->Unit(benchmark::kMillisecond);

void BM_RepaintOneSmallChild(benchmark::State& state) {
  TBenchForm& bench = Bench();
  TBenchControl* small = bench.children.front();
  HWND h = small->Handle();
  Counts = {};
  for (auto _ : state) {
    InvalidateRect(h, nullptr, true);
    PaintInvalidWindows();
  }
  auto iterations = static_cast<double>(state.iterations());
  state.counters["child_paints"] = static_cast<double>(Counts.paints) / iterations;
  state.counters["painted_pixels"] = static_cast<double>(Counts.pixels) / iterations;
  state.counters["form_pixels"] = static_cast<double>(FormWidth) * FormHeight;
}
BENCHMARK(BM_RepaintOneSmallChild)->Unit(benchmark::kMicrosecond);

}  // namespace
