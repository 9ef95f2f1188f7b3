// Sorting a large list of mixed Chinese and Latin names with the locale comparison, next to
// a plain byte-order sort of the same list as the yardstick.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "platform/core/string_list.h"
#include "platform/core/strings.h"
#include "platform/core/utf8_codec.h"

namespace {

constexpr int kCount = 100000;

String RandomLatinWord(std::mt19937& rng) {
  std::uniform_int_distribution<int> length(3, 10);
  std::uniform_int_distribution<int> letter(0, 25);
  std::bernoulli_distribution upper(0.3);
  String word;
  for (int i = length(rng); i > 0; --i) word += static_cast<char>((upper(rng) ? 'A' : 'a') + letter(rng));
  return word;
}

String RandomChineseName(std::mt19937& rng) {
  // A handful of common family names makes long shared prefixes, as in a contact list.
  static const char* const kFamily[] = {"王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周"};
  std::uniform_int_distribution<int> family(0, 9);
  std::uniform_int_distribution<int> given(0x4E00, 0x9FA5);
  std::uniform_int_distribution<int> length(1, 2);
  String name = kFamily[family(rng)];
  for (int i = length(rng); i > 0; --i) utf8::Append(name, static_cast<char32_t>(given(rng)));
  return name;
}

const std::vector<String>& MixedNames() {
  static const std::vector<String> names = [] {
    std::mt19937 rng(20261207);
    std::uniform_int_distribution<int> kind(0, 3);
    std::vector<String> out;
    out.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
      switch (kind(rng)) {
        case 0: out.push_back(RandomLatinWord(rng)); break;
        case 1: out.push_back(RandomChineseName(rng) + " " + RandomLatinWord(rng)); break;
        default: out.push_back(RandomChineseName(rng)); break;
      }
    }
    return out;
  }();
  return names;
}

void BM_SortAnsiCompareText(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<String> names = MixedNames();
    state.ResumeTiming();
    std::sort(names.begin(), names.end(), [](const String& a, const String& b) { return AnsiCompareText(a, b) < 0; });
    benchmark::DoNotOptimize(names.data());
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_SortAnsiCompareText)->Unit(benchmark::kMillisecond);

void BM_SortByteOrder(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<String> names = MixedNames();
    state.ResumeTiming();
    std::sort(names.begin(), names.end());
    benchmark::DoNotOptimize(names.data());
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_SortByteOrder)->Unit(benchmark::kMillisecond);

void BM_SortedStringList(benchmark::State& state) {
  for (auto _ : state) {
    TStringList list;
    for (const String& name : MixedNames()) list.Add(name);
    list.Sort();
    benchmark::DoNotOptimize(list.Count());
  }
  state.SetItemsProcessed(state.iterations() * kCount);
}
BENCHMARK(BM_SortedStringList)->Unit(benchmark::kMillisecond);

}  // namespace
