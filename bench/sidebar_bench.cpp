// Cost of painting the whole side bar and of one frame of a header slide, against a plain
// blit of the same size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "sidebar/side_bar.h"

namespace {

constexpr int kWidth = 200;
constexpr int kHeight = 720;

// A bar that counts its paints, so a slide's time can be told per frame.
class CountingBar : public TnbSideBar {
 public:
  using TnbSideBar::TnbSideBar;
  int64_t paints = 0;

 protected:
  void Paint() override {
    ++paints;
    TnbSideBar::Paint();
  }
};

// A form with a 200 x 720 bar of 4 headers holding 12 buttons in all.
struct BarScene {
  TnbSideBarUnit unit;
  TApplicationScope scope;
  TForm* form;
  CountingBar* bar;
  TBitmap target;

  BarScene() {
    form = new TForm(Application);
    form->SetBounds(0, 0, kWidth + 40, kHeight + 40);
    form->Show();
    bar = new CountingBar(form);
    bar->SetParent(form);
    bar->SetAlign(alNone);
    bar->SetBounds(0, 0, kWidth, kHeight);
    for (int h = 0; h < 4; ++h) {
      TnbHeader* header = bar->Headers()->Add();
      header->SetCaption("Header " + std::to_string(h));
      for (int b = 0; b < 3; ++b) header->Buttons()->Add()->SetCaption("Button " + std::to_string(b));
    }
    bar->SetHeaderScrollType(stNone);
    bar->SetActiveHeader(bar->Header(0));
    target.SetPixelFormat(pf32bit);
    target.SetSize(kWidth, kHeight);
  }
  void Paint() { bar->PaintTo(target.Canvas()->Handle(), 0, 0); }
};

void BM_SideBarFullPaint(benchmark::State& state) {
  BarScene scene;
  for (auto _ : state) scene.Paint();
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SideBarFullPaint)->Unit(benchmark::kMicrosecond);

// The time of one frame of a slide: each switch is timed whole and divided by the paints it
// made (its frames and the two paints that start it).
void BM_SideBarSlideFrame(benchmark::State& state) {
  BarScene scene;
  scene.bar->SetHeaderScrollType(stLinear);
  scene.bar->SetHeaderScrollValue(20);
  scene.Paint();
  bool down = true;
  int64_t frames = 0;
  for (auto _ : state) {
    const int64_t before = scene.bar->paints;
    const auto start = std::chrono::steady_clock::now();
    scene.bar->SetActiveHeader(scene.bar->Header(down ? 3 : 0));
    const auto end = std::chrono::steady_clock::now();
    down = !down;
    const int64_t paints = std::max<int64_t>(1, scene.bar->paints - before);
    frames += paints;
    state.SetIterationTime(std::chrono::duration<double>(end - start).count() / static_cast<double>(paints));
    // The bar settles into its new layout before the next switch; that paint is not a frame.
    scene.Paint();
  }
  state.counters["paints_per_switch"] = static_cast<double>(frames) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_SideBarSlideFrame)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_BlitOfTheSameSize(benchmark::State& state) {
  TBitmap source, target;
  source.SetPixelFormat(pf32bit);
  source.SetSize(kWidth, kHeight);
  target.SetPixelFormat(pf32bit);
  target.SetSize(kWidth, kHeight);
  for (auto _ : state)
    BitBlt(target.Canvas()->Handle(), 0, 0, kWidth, kHeight, source.Canvas()->Handle(), 0, 0, SRCCOPY);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BlitOfTheSameSize)->Unit(benchmark::kMicrosecond);

}  // namespace
