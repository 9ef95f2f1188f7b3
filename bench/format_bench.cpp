// Cost of one number-to-text call in the two forms grids and edits use most.
#include <benchmark/benchmark.h>

#include "platform/core/format.h"

namespace {

void BM_FormatFloatThousandsMask(benchmark::State& state) {
  double value = 1234567.891;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatFloat("#,##0.00", value));
    value += 0.37;
  }
}
BENCHMARK(BM_FormatFloatThousandsMask);

void BM_FloatToStr(benchmark::State& state) {
  double value = 1.0 / 3;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FloatToStr(value));
    value += 1.37;
  }
}
BENCHMARK(BM_FloatToStr);

}  // namespace
