// Drawing helpers of the skinned controls' artwork (no pictures of its own).

#include <algorithm>
#include <cmath>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "resources/skin_artwork_kit.h"

namespace skin_art {

namespace {

int Channel(TColor c, int shift) { return (static_cast<int>(ColorToRGB(c)) >> shift) & 0xFF; }

TColor RowColor(TColor top, TColor bottom, int row, int rows) {
  return rows <= 1 ? top : Mix(top, bottom, row * 100 / (rows - 1));
}

}  // namespace

TColor Mix(TColor a, TColor b, int percentOfB) {
  int result = 0;
  for (int shift : {0, 8, 16}) {
    int v = (Channel(a, shift) * (100 - percentOfB) + Channel(b, shift) * percentOfB + 50) / 100;
    result |= std::clamp(v, 0, 255) << shift;
  }
  return static_cast<TColor>(result);
}

void FillRect(TBitmap& b, const TRect& r, TColor color) {
  TCanvas* c = b.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->FillRect(r);
}

void VerticalGradient(TBitmap& b, const TRect& r, TColor top, TColor bottom) {
  for (int y = r.Top; y < r.Bottom; ++y) {
    FillRect(b, Rect(r.Left, y, r.Right, y + 1), RowColor(top, bottom, y - r.Top, r.Height()));
  }
}

void FrameRect(TBitmap& b, const TRect& r, TColor color) {
  TCanvas* c = b.Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(color);
  c->FrameRect(r);
}

void Line(TBitmap& b, TPoint from, TPoint to, TColor color) {
  TCanvas* c = b.Canvas();
  c->Pen()->SetColor(color);
  c->Pen()->SetWidth(1);
  c->MoveTo(from.x, from.y);
  c->LineTo(to.x, to.y);
  c->SetPixels(to.x, to.y, color);
}

void PaintShape(TBitmap& b, const TRect& area, const TInside& inside, TColor edge, TColor top,
                TColor bottom) {
  TCanvas* c = b.Canvas();
  for (int y = area.Top; y < area.Bottom; ++y) {
    TColor fill = RowColor(top, bottom, y - area.Top, area.Height());
    for (int x = area.Left; x < area.Right; ++x) {
      if (!inside(x, y)) continue;
      bool isEdge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      c->SetPixels(x, y, isEdge ? edge : fill);
    }
  }
}

TInside RoundedRect(const TRect& area, int radius) {
  return [area, radius](int x, int y) {
    if (!area.Contains(Point(x, y))) return false;
    int dx = std::max({0, area.Left + radius - x, x - (area.Right - 1 - radius)});
    int dy = std::max({0, area.Top + radius - y, y - (area.Bottom - 1 - radius)});
    // Distances from the corner circle's centre, measured to the pixel's middle.
    double rx = dx - 0.5, ry = dy - 0.5;
    return dx == 0 || dy == 0 || rx * rx + ry * ry <= radius * radius;
  };
}

TInside Circle(const TRect& area) {
  return [area](int x, int y) {
    double cx = (area.Left + area.Right) / 2.0, cy = (area.Top + area.Bottom) / 2.0;
    double rx = area.Width() / 2.0, ry = area.Height() / 2.0;
    double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return area.Contains(Point(x, y)) && dx * dx + dy * dy <= 1.0;
  };
}

void Arrow(TBitmap& b, TPoint centre, int size, TDirection direction, TColor color) {
  int half = size / 2;
  int depth = (size + 1) / 2;
  for (int row = 0; row < depth; ++row) {
    // Row 0 is the tip; each row further back is one pixel wider on each side.
    int span = std::min(row, half);
    int along = row - depth / 2;
    switch (direction) {
      case dirUp:
        Line(b, Point(centre.x - span, centre.y + along), Point(centre.x + span, centre.y + along), color);
        break;
      case dirDown:
        Line(b, Point(centre.x - span, centre.y - along), Point(centre.x + span, centre.y - along), color);
        break;
      case dirLeft:
        Line(b, Point(centre.x + along, centre.y - span), Point(centre.x + along, centre.y + span), color);
        break;
      case dirRight:
        Line(b, Point(centre.x - along, centre.y - span), Point(centre.x - along, centre.y + span), color);
        break;
    }
  }
}

void CheckMark(TBitmap& b, TPoint origin, int size, TColor color) {
  // A short stroke down to the right, then a long one up to the right, two pixels thick.
  int shortLeg = std::max(size / 3, 2);
  for (int thick = 0; thick < 2; ++thick) {
    TPoint corner = Point(origin.x + shortLeg, origin.y + size - 1 - thick);
    Line(b, Point(origin.x, origin.y + size - 1 - shortLeg - thick), corner, color);
    Line(b, corner, Point(origin.x + size - 1, origin.y + shortLeg - 1 - thick), color);
  }
}

void DrawStrip(TBitmap& b, int count, const std::function<void(int i, const TRect& r)>& cell) {
  int w = b.Width() / count;
  for (int i = 0; i < count; ++i) cell(i, Bounds(i * w, 0, w, b.Height()));
}

}  // namespace skin_art
