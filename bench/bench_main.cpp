// The main of every benchmark program: runs the benchmarks, then frees what they kept.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/bench_fixtures.h"

namespace {

std::vector<std::function<void()>>& Kept() {
  static std::vector<std::function<void()>> kept;
  return kept;
}

}  // namespace

void KeepUntilBenchmarksEnd(std::function<void()> release) { Kept().push_back(std::move(release)); }

void ReleaseBenchmarkFixtures() {
  while (!Kept().empty()) {
    std::function<void()> release = std::move(Kept().back());
    Kept().pop_back();
    release();
  }
}

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  ReleaseBenchmarkFixtures();
  return 0;
}
