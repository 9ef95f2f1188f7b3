// The platform's own built-in pictures: a check mark, sort arrows and a drag cursor.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "resources/artwork.h"

namespace {

// Pixels of this colour are the see-through part of each picture.
constexpr TColor kBackground = clFuchsia;

void Clear(TBitmap& bitmap) {
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(kBackground);
  canvas->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// A tick three pixels thick, seven wide, in a 9 x 9 picture.
void DrawCheckMark(TArtworkSink& sink) {
  TBitmap bitmap(9, 9);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clBlack);
  static constexpr int kTop[7] = {3, 4, 5, 4, 3, 2, 1};
  for (int x = 0; x < 7; ++x) {
    canvas->MoveTo(x + 1, kTop[x]);
    canvas->LineTo(x + 1, kTop[x] + 3);
  }
  sink.AddBitmap("CHECK_MARK", bitmap);
}

// Triangles nine pixels wide and five high, pointing up or down.
void DrawSortArrow(TArtworkSink& sink, const char* name, bool up) {
  TBitmap bitmap(9, 5);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clGray);
  for (int row = 0; row < 5; ++row) {
    int y = up ? row : 4 - row;
    canvas->MoveTo(4 - row, y);
    canvas->LineTo(5 + row, y);
  }
  sink.AddBitmap(name, bitmap);
}

// An arrow pointer with a page under it: the cursor shown while something is dragged.
void DrawDragCursor(TArtworkSink& sink) {
  TBitmap bitmap(32, 32);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->Brush()->SetColor(clWhite);
  canvas->Polygon({Point(0, 0), Point(0, 15), Point(4, 11), Point(7, 17), Point(9, 16),
                   Point(6, 10), Point(11, 10)});
  canvas->Rectangle(10, 18, 22, 28);
  sink.AddCursor("DRAG_CURSOR", bitmap, kBackground, Point(0, 0));
}

void DrawPlatformArtwork(TArtworkSink& sink) {
  DrawCheckMark(sink);
  DrawSortArrow(sink, "SORT_ARROW_UP", true);
  DrawSortArrow(sink, "SORT_ARROW_DOWN", false);
  DrawDragCursor(sink);
}

}  // namespace

REGISTER_ARTWORK(DrawPlatformArtwork)
