// Theme files from outside: loading one and repainting a skinned form on it, for a file whose
// every picture is a 64-byte run-length picture claiming 8192 x 8192 pixels, and for one whose
// every picture is as large as a theme picture may be (1920 x 1200, with codes for each row).
// The counter peak_MB is the program's largest resident size so far.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/bench_fixtures.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/progress_bar.h"
#include "skin/theme_file_writer.h"

namespace {

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// An 8-bit run-length BMP file image of two colours over `codes`.
std::vector<uint8_t> RunLengthPicture(int32_t width, int32_t height, const std::vector<uint8_t>& codes) {
  const uint32_t pixelsAt = 14 + 40 + 8;
  const uint32_t fields[] = {pixelsAt + static_cast<uint32_t>(codes.size()), 0, pixelsAt, 40,
                             static_cast<uint32_t>(width), static_cast<uint32_t>(height), 1 | 8u << 16, 1,
                             static_cast<uint32_t>(codes.size()), 0, 0, 2, 0, 0x000000, 0xFFFFFF};
  std::vector<uint8_t> bytes{'B', 'M'};
  for (uint32_t field : fields)
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<uint8_t>(field >> (8 * i)));
  bytes.insert(bytes.end(), codes.begin(), codes.end());
  return bytes;
}

std::vector<uint8_t> Giant() { return RunLengthPicture(8192, 8192, {0, 1}); }

// Runs of 255 across every row, each row ended: the codes a writer would store.
std::vector<uint8_t> LargestAllowed() {
  const int width = 1920, height = 1200;
  std::vector<uint8_t> codes;
  for (int y = 0; y < height; ++y) {
    for (int left = width; left > 0; left -= 255)
      codes.insert(codes.end(), {static_cast<uint8_t>(std::min(left, 255)), static_cast<uint8_t>(y % 2)});
    codes.insert(codes.end(), {0, 0});
  }
  codes.insert(codes.end(), {0, 1});
  return RunLengthPicture(width, height, codes);
}

String WriteTheme(const char* name, std::vector<uint8_t> (*picture)()) {
  TskThemeFileWriter w;
  w.AddColor("FormBorderColor", static_cast<TColor>(0x204080));
  w.AddInteger("FormBorderWidthInt", 2);
  for (TskThemeKey key : kThemeKeys) {
    if (ThemeKeyKind(key) == tvkBitmap) w.AddEntry(ThemeKeyName(key), 0, picture());
  }
  const String path = (std::filesystem::temp_directory_path() / name).string();
  w.SaveToFile(path);
  return path;
}

// One application for every benchmark of the program, made by the first that needs it.
void NeedApplication() {
  static TApplicationScope& application = KeepForBenchmarks(std::make_unique<TApplicationScope>());
  (void)application;
}

struct TThemedForm {
  String path;
  TForm* form = nullptr;
  TskForm* skin = nullptr;

  explicit TThemedForm(String file) : path(std::move(file)) {
    NeedApplication();
    form = new TForm(Application);
    form->SetBorderStyle(bsNone);
    form->SetBounds(0, 0, 800, 600);
    auto* theme = new TskFileTheme(form);
    theme->SetThemeFile(path);
    skin = new TskForm(form);
    skin->SetParent(form);
    skin->SetUIStyleAutoUpdateSub(true);
    int top = 40;
    for (TControl* control : std::initializer_list<TControl*>{new TskButton(form), new TskCheckBox(form),
                                                              new TskProgressBar(form)}) {
      control->SetParent(skin);
      control->SetBounds(20, top += 40, 120, 25);
    }
    skin->SetFileTheme(theme);
    skin->SetUIStyle(FromThemeFile);
    form->Show();
    Application->ProcessMessages();
  }
  ~TThemedForm() {
    delete form;
    std::filesystem::remove(path);
  }
};

void Load(benchmark::State& state, std::vector<uint8_t> (*picture)(), const char* name) {
  NeedApplication();
  const String path = WriteTheme(name, picture);
  for (auto _ : state) {
    TskFileTheme theme(nullptr);
    theme.SetThemeFile(path);
    benchmark::DoNotOptimize(theme.CanUse());
  }
  std::filesystem::remove(path);
  state.counters["peak_MB"] = PeakMegabytes();
}

void Repaint(benchmark::State& state, TThemedForm& themed) {
  for (auto _ : state) {
    themed.skin->RepaintForm();
    Application->ProcessMessages();
  }
  state.counters["peak_MB"] = PeakMegabytes();
}

void BM_LoadGiantPictures(benchmark::State& state) { Load(state, Giant, "bench-giant.skn"); }
void BM_LoadLargestAllowedPictures(benchmark::State& state) { Load(state, LargestAllowed, "bench-largest.skn"); }

void BM_RepaintOnGiantPictures(benchmark::State& state) {
  static TThemedForm& themed = KeepForBenchmarks(std::make_unique<TThemedForm>(WriteTheme("bench-giant-form.skn", Giant)));
  Repaint(state, themed);
}

void BM_RepaintOnLargestAllowedPictures(benchmark::State& state) {
  static TThemedForm& themed =
      KeepForBenchmarks(std::make_unique<TThemedForm>(WriteTheme("bench-largest-form.skn", LargestAllowed)));
  Repaint(state, themed);
}

BENCHMARK(BM_LoadGiantPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOnGiantPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLargestAllowedPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintOnLargestAllowedPictures)->Unit(benchmark::kMillisecond);

}  // namespace
