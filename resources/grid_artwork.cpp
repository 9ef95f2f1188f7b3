// The data grid's pictures: the sort marker the sort-index digits are sized to, the cursors of
// the title and indicator areas, and the strip of check boxes cells are drawn from.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "resources/artwork.h"

namespace {

// Pixels of this colour are the see-through part of each picture.
constexpr TColor kBackground = clFuchsia;
constexpr int kBoxSize = 13;

void Clear(TBitmap& bitmap) {
  TCanvas* canvas = bitmap.Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(kBackground);
  canvas->FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

// A downward triangle nine pixels wide and five high, with a light lower-right edge as a
// raised glyph on a title button, in the middle of a picture nine high: the sort-index
// digits are one pixel shorter than the picture.
void DrawSortMarker(TArtworkSink& sink) {
  TBitmap bitmap(9, 9);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  for (int row = 0; row < 5; ++row) {
    const int y = row + 2;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(row, y);
    canvas->LineTo(9 - row, y);
    canvas->SetPixels(8 - row, y, clBtnHighlight);
  }
  sink.AddBitmap("DBSMDOWNEX", bitmap);
}

// A thick arrow 32 x 32 whose tip is the hot spot; `dx`, `dy` give where it points.
void DrawArrowCursor(TArtworkSink& sink, const char* name, int dx, int dy) {
  TBitmap bitmap(32, 32);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  canvas->Pen()->SetColor(clWhite);
  canvas->Brush()->SetColor(clBlack);
  // Drawn pointing down, then turned: x' and y' follow the arrow's direction.
  auto at = [&](int along, int across) {
    if (dy > 0) return Point(15 + across, along);
    if (dx > 0) return Point(along, 15 + across);
    return Point(31 - along, 15 + across);
  };
  canvas->Polygon({at(0, -2), at(0, 2), at(9, 2), at(9, 6), at(15, 0), at(9, -6), at(9, -2)});
  const TPoint tip = at(15, 0);
  sink.AddCursor(name, bitmap, kBackground, tip);
}

// One 13 x 13 box: a sunken frame, a face that is white or grey, and a tick or a grey tick.
void DrawBox(TCanvas* canvas, int left, int top, bool checked, bool greyed, bool pushed) {
  const TRect box = Rect(left, top, left + kBoxSize, top + kBoxSize);
  canvas->Brush()->SetColor(pushed || greyed ? clBtnFace : clWindow);
  canvas->FillRect(box);
  canvas->Pen()->SetColor(clBtnShadow);
  canvas->MoveTo(box.Left, box.Bottom - 1);
  canvas->LineTo(box.Left, box.Top);
  canvas->LineTo(box.Right, box.Top);
  canvas->Pen()->SetColor(clBtnHighlight);
  canvas->MoveTo(box.Right - 1, box.Top);
  canvas->LineTo(box.Right - 1, box.Bottom - 1);
  canvas->LineTo(box.Left - 1, box.Bottom - 1);
  if (!checked) return;
  canvas->Pen()->SetColor(greyed ? clBtnShadow : clWindowText);
  static constexpr int kTop[7] = {5, 6, 7, 6, 5, 4, 3};
  for (int x = 0; x < 7; ++x) {
    canvas->MoveTo(left + 3 + x, top + kTop[x]);
    canvas->LineTo(left + 3 + x, top + kTop[x] + 3);
  }
}

// Four boxes across (plain, pushed, greyed, greyed and pushed), three down (unchecked, checked,
// in between), so one box is the width div 4 and the height div 3.
void DrawCheckBoxes(TArtworkSink& sink) {
  TBitmap bitmap(4 * kBoxSize, 3 * kBoxSize);
  Clear(bitmap);
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 4; ++col) {
      const bool checked = row > 0;
      const bool greyed = row == 2 || col >= 2;
      DrawBox(bitmap.Canvas(), col * kBoxSize, row * kBoxSize, checked, greyed, col % 2 == 1);
    }
  }
  sink.AddBitmap("DBGRIDEX_CHECKBOXES", bitmap);
}

void DrawGridArtwork(TArtworkSink& sink) {
  DrawSortMarker(sink);
  DrawArrowCursor(sink, "DOWNCUREX", 0, 1);
  DrawArrowCursor(sink, "RIGHTCUREX", 1, 0);
  DrawArrowCursor(sink, "LEFTCUREX", -1, 0);
  DrawCheckBoxes(sink);
}

}  // namespace

REGISTER_ARTWORK(DrawGridArtwork)
