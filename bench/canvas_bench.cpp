// Canvas speed against the toolkit's own painter and against a plain memory copy:
//   Grid_Canvas vs Grid_QPainter  - 720 cells of text and grid lines into a 1920 x 1080 bitmap
//   Blit_BitBlt vs Blit_Memcpy    - one full 1920 x 1080 copy (ratio_to_memcpy: BitBlt / memcpy)
#include <benchmark/benchmark.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/blit.h"
#include "platform/graphics/canvas.h"

namespace {

constexpr int kWidth = 1920, kHeight = 1080, kCols = 30, kRows = 24;  // 720 cells
constexpr int kCellW = kWidth / kCols, kCellH = kHeight / kRows;

const std::vector<std::string>& CellTexts() {
  static const std::vector<std::string> texts = [] {
    std::vector<std::string> t;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kCols; ++c)
        t.push_back(c % 3 == 0 ? "张三" + std::to_string(r * kCols + c) : "Cell " + std::to_string(r) + "," + std::to_string(c));
    return t;
  }();
  return texts;
}

void GridCanvas(benchmark::State& state) {
  TBitmap bitmap(kWidth, kHeight);
  TCanvas* c = bitmap.Canvas();
  c->Font()->SetName("Tahoma");
  const auto& texts = CellTexts();
  for (auto _ : state) {
    for (int r = 0; r < kRows; ++r)
      for (int col = 0; col < kCols; ++col) {
        TRect cell = Bounds(col * kCellW, r * kCellH, kCellW - 1, kCellH - 1);
        c->Brush()->SetColor(((r + col) & 1) ? clWindow : clInfoBk);
        c->TextRect(cell, cell.Left + 2, cell.Top + 2, texts[static_cast<size_t>(r * kCols + col)]);
      }
    c->Pen()->SetColor(clBtnShadow);
    for (int col = 1; col <= kCols; ++col) {
      c->MoveTo(col * kCellW - 1, 0);
      c->LineTo(col * kCellW - 1, kHeight);
    }
    for (int r = 1; r <= kRows; ++r) {
      c->MoveTo(0, r * kCellH - 1);
      c->LineTo(kWidth, r * kCellH - 1);
    }
    benchmark::DoNotOptimize(bitmap.Pixel32(5, 5));
  }
}

void GridQPainter(benchmark::State& state) {
  if (QCoreApplication::instance() == nullptr) {
    TBitmap warmUp(1, 1);
    warmUp.Canvas()->TextWidth("x");  // creates the application object the same way
  }
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Zen Hei")});
  font.setPixelSize(11);
  font.setKerning(false);
  font.setStyleStrategy(QFont::NoAntialias);
  const int ascent = QFontMetrics(font).ascent();
  const auto& texts = CellTexts();
  const QColor window(255, 255, 255), info(255, 255, 225), shadow(128, 128, 128), text(0, 0, 0);
  for (auto _ : state) {
    QPainter p(&image);
    p.setFont(font);
    for (int r = 0; r < kRows; ++r)
      for (int col = 0; col < kCols; ++col) {
        QRect cell(col * kCellW, r * kCellH, kCellW - 1, kCellH - 1);
        p.setClipRect(cell);
        p.fillRect(cell, ((r + col) & 1) ? window : info);
        p.setPen(text);
        const std::string& s = texts[static_cast<size_t>(r * kCols + col)];
        p.drawText(QPoint(cell.left() + 2, cell.top() + 2 + ascent), QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
      }
    p.setClipping(false);
    p.setPen(shadow);
    for (int col = 1; col <= kCols; ++col) p.drawLine(col * kCellW - 1, 0, col * kCellW - 1, kHeight - 1);
    for (int r = 1; r <= kRows; ++r) p.drawLine(0, r * kCellH - 1, kWidth - 1, r * kCellH - 1);
    p.end();
    benchmark::DoNotOptimize(image.pixel(5, 5));
  }
}

// One memcpy of a whole picture's pixels, in nanoseconds (averaged): the yardstick of a copy.
double MemcpyNanos() {
  std::vector<uint32_t> from(static_cast<size_t>(kWidth) * kHeight, 0xFFFFFFFF), to(from.size());
  constexpr int kRounds = 50;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / kRounds;
}

void BlitBitBlt(benchmark::State& state) {
  TBitmap from(kWidth, kHeight), to(kWidth, kHeight);
  HDC src = from.Canvas()->Handle(), dst = to.Canvas()->Handle();
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    BitBlt(dst, 0, 0, kWidth, kHeight, src, 0, 0, SRCCOPY);
    benchmark::ClobberMemory();
  }
  double perCopy = std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() /
                   static_cast<double>(state.iterations());
  // How many memcpy calls of the same pixels one BitBlt costs, both measured in this run.
  state.counters["ratio_to_memcpy"] = perCopy / MemcpyNanos();
}

void BlitMemcpy(benchmark::State& state) {
  std::vector<uint32_t> from(static_cast<size_t>(kWidth) * kHeight, 0xFFFFFFFF), to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(uint32_t));
    benchmark::ClobberMemory();
  }
}

}  // namespace

BENCHMARK(GridCanvas)->Name("Grid_Canvas")->Unit(benchmark::kMillisecond);
BENCHMARK(GridQPainter)->Name("Grid_QPainter")->Unit(benchmark::kMillisecond);
BENCHMARK(BlitBitBlt)->Name("Blit_BitBlt")->Unit(benchmark::kMicrosecond);
BENCHMARK(BlitMemcpy)->Name("Blit_Memcpy")->Unit(benchmark::kMicrosecond);
