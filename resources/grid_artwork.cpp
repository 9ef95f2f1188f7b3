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

// The same marker pointing up, its light edge on the lower left.
void DrawSortMarkerUp(TArtworkSink& sink) {
  TBitmap bitmap(9, 9);
  Clear(bitmap);
  TCanvas* canvas = bitmap.Canvas();
  for (int row = 0; row < 5; ++row) {
    const int y = 6 - row;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(row, y);
    canvas->LineTo(9 - row, y);
    canvas->SetPixels(row, y, clBtnHighlight);
  }
  sink.AddBitmap("DBSMUPEX", bitmap);
}

// Indicator pictures are 6 x 11 on a background of `paper`, the colour the image list leaves
// out: white for the black marks, teal for the white arrow.
constexpr int kIndicatorWidth = 6;
constexpr int kIndicatorHeight = 11;

void PaintPaper(TBitmap& bitmap, TColor paper) {
  bitmap.SetSize(kIndicatorWidth, kIndicatorHeight);
  bitmap.Canvas()->Brush()->SetColor(paper);
  bitmap.Canvas()->FillRect(Rect(0, 0, kIndicatorWidth, kIndicatorHeight));
}

// A triangle pointing right, its tip in the middle of the right edge; `top`, `height` give the
// rows of its back edge.
void DrawRightArrow(TCanvas* canvas, TColor ink, int top, int height) {
  canvas->Pen()->SetColor(ink);
  for (int x = 0; 2 * x < height; ++x) {
    canvas->MoveTo(x, top + x);
    canvas->LineTo(x, top + height - x);
  }
}

void DrawIndicators(TArtworkSink& sink) {
  TBitmap arrow;
  PaintPaper(arrow, clWhite);
  DrawRightArrow(arrow.Canvas(), clBlack, 0, kIndicatorHeight);
  sink.AddBitmap("DBGARROWEX", arrow);

  TBitmap white;
  PaintPaper(white, clTeal);
  DrawRightArrow(white.Canvas(), clWhite, 0, kIndicatorHeight);
  sink.AddBitmap("DBGARROWEXW", white);

  // An I-beam: the record is being edited.
  TBitmap edit;
  PaintPaper(edit, clWhite);
  TCanvas* canvas = edit.Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->MoveTo(1, 1);
  canvas->LineTo(6, 1);
  canvas->MoveTo(1, 9);
  canvas->LineTo(6, 9);
  canvas->MoveTo(3, 1);
  canvas->LineTo(3, 10);
  sink.AddBitmap("DBEDITEX", edit);

  // A star: a new record is being inserted.
  TBitmap insert;
  PaintPaper(insert, clWhite);
  canvas = insert.Canvas();
  canvas->Pen()->SetColor(clBlack);
  canvas->MoveTo(3, 2);
  canvas->LineTo(3, 9);
  canvas->MoveTo(0, 5);
  canvas->LineTo(7, 5);
  canvas->MoveTo(1, 3);
  canvas->LineTo(6, 8);
  canvas->MoveTo(5, 3);
  canvas->LineTo(0, 8);
  sink.AddBitmap("DBINSERTEX", insert);

  // A dot for a selected record, and the arrow with a dot for the current selected one.
  TBitmap dot;
  PaintPaper(dot, clWhite);
  dot.Canvas()->Brush()->SetColor(clBlack);
  dot.Canvas()->FillRect(Rect(2, 4, 5, 7));
  sink.AddBitmap("DBMULTIDOTEX", dot);
  TBitmap both;
  PaintPaper(both, clWhite);
  DrawRightArrow(both.Canvas(), clBlack, 1, 9);
  both.Canvas()->Brush()->SetColor(clBlack);
  both.Canvas()->FillRect(Rect(0, 0, 2, 2));
  sink.AddBitmap("DBMULTIARROWEX", both);
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
  DrawSortMarkerUp(sink);
  DrawIndicators(sink);
  DrawArrowCursor(sink, "DOWNCUREX", 0, 1);
  DrawArrowCursor(sink, "RIGHTCUREX", 1, 0);
  DrawArrowCursor(sink, "LEFTCUREX", -1, 0);
  DrawCheckBoxes(sink);
}

}  // namespace

REGISTER_ARTWORK(DrawGridArtwork)
