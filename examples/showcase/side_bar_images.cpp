#include "examples/showcase/side_bar_images.h"

#include <array>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"

namespace {

constexpr TColor kSeeThrough = clFuchsia;

// Drawing in a 32-unit grid, scaled to the cell being drawn.
class TGlyphPen {
 public:
  TGlyphPen(TCanvas* canvas, int left, int size) : canvas_(canvas), left_(left), size_(size) {}
  int X(int u) const { return left_ + u * size_ / 32; }
  int Y(int u) const { return u * size_ / 32; }
  void Colors(TColor line, TColor fill) {
    canvas_->Pen()->SetColor(line);
    canvas_->Brush()->SetColor(fill);
  }
  void Box(int l, int t, int r, int b) { canvas_->Rectangle(X(l), Y(t), X(r), Y(b)); }
  void Round(int l, int t, int r, int b) { canvas_->Ellipse(X(l), Y(t), X(r), Y(b)); }
  void Line(int x1, int y1, int x2, int y2) {
    canvas_->MoveTo(X(x1), Y(y1));
    canvas_->LineTo(X(x2), Y(y2));
  }
  void Shape(std::initializer_list<TPoint> units) {
    std::vector<TPoint> points;
    for (TPoint u : units) points.push_back({X(u.x), Y(u.y)});
    canvas_->Polygon(points);
  }

 private:
  TCanvas* canvas_;
  int left_, size_;
};

void Envelope(TGlyphPen& p) {
  p.Colors(clNavy, clWhite);
  p.Box(2, 7, 28, 25);
  p.Line(2, 7, 15, 17);
  p.Line(15, 17, 28, 7);
}

void SendGlyph(TGlyphPen& p) {
  Envelope(p);
  p.Colors(clGreen, clLime);
  p.Shape({{20, 18}, {26, 18}, {26, 14}, {31, 21}, {26, 28}, {26, 24}, {20, 24}});
}

void ContactsGlyph(TGlyphPen& p) {
  p.Colors(clNavy, static_cast<TColor>(0xC06030));
  p.Box(5, 2, 27, 30);
  p.Colors(clNavy, clWhite);
  p.Box(9, 5, 25, 27);
  p.Colors(clMaroon, static_cast<TColor>(0x80C0F0));
  p.Round(13, 8, 21, 16);
  p.Shape({{11, 25}, {12, 19}, {17, 17}, {22, 19}, {23, 25}});
}

void PhrasesGlyph(TGlyphPen& p) {
  p.Colors(clOlive, static_cast<TColor>(0x80F0FF));
  p.Shape({{2, 4}, {30, 4}, {30, 21}, {14, 21}, {7, 29}, {8, 21}, {2, 21}});
  p.Colors(clOlive, clOlive);
  for (int x : {8, 15, 22}) p.Box(x, 11, x + 3, 14);
}

void SentGlyph(TGlyphPen& p) {
  Envelope(p);
  p.Colors(clGreen, clGreen);
  for (int d = 0; d < 3; ++d) {
    p.Line(17, 20 + d, 21, 24 + d);
    p.Line(21, 24 + d, 30, 14 + d);
  }
}

void AccountGlyph(TGlyphPen& p) {
  p.Colors(static_cast<TColor>(0x0060A0), static_cast<TColor>(0x30C8F0));
  p.Round(3, 3, 29, 29);
  p.Colors(static_cast<TColor>(0x0060A0), static_cast<TColor>(0x60E0FF));
  p.Round(7, 7, 25, 25);
  p.Colors(static_cast<TColor>(0x004080), static_cast<TColor>(0x004080));
  p.Line(11, 10, 16, 16);
  p.Line(21, 10, 16, 16);
  p.Line(16, 16, 16, 23);
  p.Line(12, 17, 21, 17);
  p.Line(12, 20, 21, 20);
}

void StandardGlyph(TGlyphPen& p) {
  p.Colors(clBlack, static_cast<TColor>(0xC0C0C0));
  p.Box(2, 4, 30, 28);
  p.Colors(clNavy, clNavy);
  p.Box(3, 5, 29, 10);
  p.Colors(clBlack, clWhite);
  p.Box(6, 13, 26, 18);
  p.Colors(clGray, static_cast<TColor>(0xE0E0E0));
  p.Box(16, 21, 27, 26);
}

void SkinGlyph(TGlyphPen& p) {
  p.Colors(static_cast<TColor>(0x406080), static_cast<TColor>(0xB0D8F0));
  p.Round(2, 5, 30, 28);
  const std::array<TColor, 4> paints{clRed, clBlue, clGreen, clPurple};
  const std::array<TPoint, 4> spots{{{7, 10}, {14, 8}, {21, 10}, {22, 17}}};
  for (size_t i = 0; i < paints.size(); ++i) {
    p.Colors(paints[i], paints[i]);
    p.Round(spots[i].x, spots[i].y, spots[i].x + 5, spots[i].y + 5);
  }
  p.Colors(static_cast<TColor>(0x406080), kSeeThrough);
  p.Round(9, 18, 15, 24);
}

using TGlyphPainter = void (*)(TGlyphPen&);
constexpr std::array<TGlyphPainter, kSideBarImageCount> Glyphs{
    SendGlyph, ContactsGlyph, PhrasesGlyph, SentGlyph, AccountGlyph, StandardGlyph, SkinGlyph};

}  // namespace

void FillSideBarImages(TCustomImageList* list) {
  const int size = list->Width();
  TBitmap strip(size * kSideBarImageCount, list->Height());
  TCanvas* canvas = strip.Canvas();
  canvas->Brush()->SetColor(kSeeThrough);
  canvas->FillRect(Rect(0, 0, strip.Width(), strip.Height()));
  for (int i = 0; i < kSideBarImageCount; ++i) {
    TGlyphPen pen(canvas, i * size, size);
    Glyphs[static_cast<size_t>(i)](pen);
  }
  list->Clear();
  list->AddMasked(&strip, kSeeThrough);
}
