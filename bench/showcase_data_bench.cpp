// The showcase's first run: making its data file (a thousand contacts and a hundred thousand
// sent messages, written in one transaction) should take well under a second; checking the
// file on later runs should cost a small part of that.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "examples/showcase/sample_records.h"
#include "examples/showcase/showcase_data_file.h"

namespace {

namespace fs = std::filesystem;

fs::path BenchFolder() { return fs::temp_directory_path() / "showcase_data_bench"; }

void BM_MakeSampleRecords(benchmark::State& state) {
  for (auto _ : state) {
    TSampleRecords records = MakeSampleRecords(showcase_data::kContactCount, showcase_data::kSentCount);
    benchmark::DoNotOptimize(records.messages.data());
  }
}
BENCHMARK(BM_MakeSampleRecords)->Unit(benchmark::kMillisecond);

void BM_CreateDataFile(benchmark::State& state) {
  const fs::path folder = BenchFolder();
  for (auto _ : state) {
    state.PauseTiming();
    fs::remove_all(folder);
    state.ResumeTiming();
    TShowcaseDataFile file = OpenShowcaseDataFile(folder.string());
    if (!file.created) state.SkipWithError(file.problem.c_str());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_CreateDataFile)->Unit(benchmark::kMillisecond);

void BM_CheckExistingDataFile(benchmark::State& state) {
  const fs::path folder = BenchFolder();
  fs::remove_all(folder);
  OpenShowcaseDataFile(folder.string());
  for (auto _ : state) {
    TShowcaseDataFile file = OpenShowcaseDataFile(folder.string());
    if (!file.Usable()) state.SkipWithError(file.problem.c_str());
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_CheckExistingDataFile)->Unit(benchmark::kMillisecond);

}  // namespace
