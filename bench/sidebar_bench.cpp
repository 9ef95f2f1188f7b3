// Cost of painting the whole side bar and of one frame of a header slide, against a plain
// blit of the same size.
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <new>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"
#include "sidebar/header_slide.h"
#include "sidebar/side_bar.h"

namespace {

// Every allocation of the program is counted, so a benchmark can report how many its loop made.
std::atomic<int64_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr int kWidth = 200;

// Reports the allocations made per iteration of the loop that ran since `before`.
void CountAllocations(benchmark::State& state, int64_t before) {
  state.counters["allocs_per_iteration"] =
      static_cast<double>(allocations.load() - before) / static_cast<double>(std::max<int64_t>(1, state.iterations()));
}
constexpr int kHeight = 720;

// A form with a 200 x 720 bar of 4 headers holding 12 buttons in all.
struct BarScene {
  TnbSideBarUnit unit;
  TApplicationScope scope;
  TForm* form;
  TnbSideBar* bar;
  TBitmap target;

  BarScene() {
    form = new TForm(Application);
    form->SetBounds(0, 0, kWidth + 40, kHeight + 40);
    form->Show();
    bar = new TnbSideBar(form);
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
  scene.Paint();
  const int64_t before = allocations.load();
  for (auto _ : state) scene.Paint();
  CountAllocations(state, before);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SideBarFullPaint)->Unit(benchmark::kMicrosecond);

// The time of one frame of a slide from the first header to the last: the slide is stepped
// frame by frame and each frame (moving the captions and bringing them to the window) is
// timed alone. Starting a slide (two whole paints) and settling after it are not frames.
void BM_SideBarSlideFrame(benchmark::State& state) {
  BarScene scene;
  scene.bar->SetHeaderScrollType(stLinear);
  scene.bar->SetHeaderScrollValue(20);
  scene.Paint();
  std::unique_ptr<TnbHeaderSlide> slide;
  int64_t frames = 0, slides = 0;
  for (auto _ : state) {
    for (bool fresh = false;;) {
      if (!slide) {
        slide = std::make_unique<TnbHeaderSlide>(*scene.bar, scene.bar->Header(0), scene.bar->Header(3));
        ++slides;
        fresh = true;
      }
      const auto start = std::chrono::steady_clock::now();
      if (slide->Move()) {
        slide->Show();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        ++frames;
        break;
      }
      if (fresh) return state.SkipWithError("a slide without frames");
      // The slide is over: the bar lays its captions out again before the next one.
      slide.reset();
      scene.Paint();
    }
  }
  state.counters["frames_per_slide"] = static_cast<double>(frames) / static_cast<double>(std::max<int64_t>(1, slides));
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
