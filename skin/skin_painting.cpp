// The shared skin painting routines: cutting, stretching and tiling skin bitmaps.
#include "skin/skin_painting.h"

#include "platform/controls/control.h"
#include "platform/graphics/draw_text.h"

#include <algorithm>

#include "platform/core/format.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/picture.h"

void SpitBitmap(TBitmap* source, TBitmap* dest, int count, int index) {
  if (count == 0) throw EZeroDivide("Division by zero");
  if (count < 0 || index < 1 || index > count) {
    throw Exception(Format("Bitmap cell %d of %d does not exist", {index, count}));
  }
  int w = source->Width() / count;
  int h = source->Height();
  // Through a copy, so that a strip can be cut into itself.
  TBitmap cell(w, h);
  cell.Canvas()->CopyRect(Rect(0, 0, w, h), source->Canvas(), Bounds(w * (index - 1), 0, w, h));
  dest->SetHeight(h);
  dest->SetWidth(w);
  dest->Canvas()->CopyRect(Rect(0, 0, w, h), cell.Canvas(), Rect(0, 0, w, h));
}

namespace {

// Copies `source` of `bitmap` into a new picture with magenta see-through when `transparent`.
void DrawPart(TBitmap* bitmap, TCanvas* canvas, TRect source, const TRect& dest,
              bool transparent) {
  // Slices of very small bitmaps would reach past their edge; only pixels inside are used.
  IntersectRect(source, source, Rect(0, 0, bitmap->Width(), bitmap->Height()));
  if (source.IsEmpty() || dest.IsEmpty()) return;
  TBitmap part(source.Width(), source.Height());
  part.Canvas()->CopyRect(Rect(0, 0, source.Width(), source.Height()), bitmap->Canvas(), source);
  part.SetTransparentColor(clSkinTransparent);
  part.SetTransparent(transparent);
  canvas->StretchDraw(dest, &part);
}

int AtLeastZero(int v) { return std::max(v, 0); }

// The size of a cell cut from `source` for `room`: the smaller of the two in each direction.
TSize CellSize(const TRect& source, int roomWidth, int roomHeight) {
  return {AtLeastZero(std::min(source.Width(), roomWidth)),
          AtLeastZero(std::min(source.Height(), roomHeight))};
}

struct TCornerCells {
  TRect TopLeft, BottomLeft, TopRight, BottomRight;
};

}  // namespace

void StretchBitmapKeepCorners(TBitmap* bitmap, TCanvas* canvas, const TRect& rect,
                              bool transparent) {
  if (bitmap->Empty() || rect.IsEmpty()) return;
  const int W = bitmap->Width(), H = bitmap->Height();
  const int RW = rect.Width(), RH = rect.Height();
  const int hw = W / 2, hh = H / 2, rw = RW / 2, rh = RH / 2;
  const int rightRoom = rw - 1, bottomRoom = rh - 1;  // the right and bottom quadrants

  // Corners: each keeps the source corner that faces outward.
  TCornerCells at;
  TSize tl = CellSize(Rect(0, 0, hw, hh), rw, rh);
  TSize bl = CellSize(Rect(0, H - hh + 1, hw, H), rw, bottomRoom);
  TSize tr = CellSize(Rect(W - hw + 1, 0, W, hh), rightRoom, rh);
  TSize br = CellSize(Rect(W - hw + 1, H - hh + 1, W, H), rightRoom, bottomRoom);
  at.TopLeft = Bounds(0, 0, tl.cx, tl.cy);
  at.BottomLeft = Bounds(0, rect.Bottom - bl.cy, bl.cx, bl.cy);
  at.TopRight = Bounds(rect.Right - tr.cx, 0, tr.cx, tr.cy);
  at.BottomRight = Bounds(rect.Right - br.cx, rect.Bottom - br.cy, br.cx, br.cy);

  // Edges and centre are stretched from the middle row or column; an even height has no
  // middle row, so the row just below the middle serves.
  const int middleRows = std::max(H - 2 * hh, 1);
  auto edge = [&](TRect source, const TRect& dest, bool keepRight, bool keepBottom) {
    TSize size = CellSize(source, dest.Width(), dest.Height());
    int left = keepRight ? source.Right - size.cx : source.Left;
    int top = keepBottom ? source.Bottom - size.cy : source.Top;
    DrawPart(bitmap, canvas, Bounds(left, top, size.cx, size.cy), dest, true);
  };

  DrawPart(bitmap, canvas, Bounds(0, 0, tl.cx, tl.cy), at.TopLeft, transparent);
  DrawPart(bitmap, canvas, Bounds(0, H - bl.cy, bl.cx, bl.cy), at.BottomLeft, transparent);
  edge(Bounds(0, hh, hw, middleRows),
       Rect(0, at.TopLeft.Bottom, at.TopLeft.Right, at.BottomLeft.Top), false, false);
  DrawPart(bitmap, canvas, Bounds(W - tr.cx, 0, tr.cx, tr.cy), at.TopRight, transparent);
  DrawPart(bitmap, canvas, Bounds(W - br.cx, H - br.cy, br.cx, br.cy), at.BottomRight,
           transparent);
  edge(Rect(W - hw + 1, H - hh, W, hh + 2),
       Rect(at.TopRight.Left, at.TopRight.Bottom, at.TopRight.Right, at.BottomRight.Top), true,
       false);
  edge(Rect(hw, 0, W - hw + 1, hh),
       Rect(at.TopLeft.Right, 0, at.TopRight.Left, at.TopLeft.Bottom), false, false);
  edge(Bounds(hw, hh, W - 2 * hw + 1, middleRows),
       Rect(at.TopLeft.Right, at.TopLeft.Bottom, at.TopRight.Left, at.BottomRight.Top - 1),
       false, false);
  edge(Rect(hw, H - hh, W - hw + 1, H),
       Rect(at.TopLeft.Right - 1, at.BottomLeft.Top - 1, at.BottomRight.Left,
            at.BottomRight.Bottom),
       false, true);
}

void DrawThreePieceHorizontal(TBitmap* bitmap, TCanvas* canvas, const TRect& rect,
                              bool useCornerColour) {
  const int p = bitmap->Width() / 3, h = bitmap->Height();
  if (p <= 0 || h <= 0) return;
  TColor mask = useCornerColour ? bitmap->Canvas()->Pixels(0, 0) : clSkinTransparent;
  auto cell = [&](int index, TBitmap& out) {
    out.SetSize(p, h);
    out.Canvas()->CopyRect(Rect(0, 0, p, h), bitmap->Canvas(), Bounds(p * index, 0, p, h));
    out.SetTransparentColor(mask);
  };
  TBitmap left, middle, right;
  cell(0, left);
  cell(1, middle);
  cell(2, right);
  left.SetTransparent(true);
  right.SetTransparent(true);
  canvas->Draw(rect.Left, rect.Top, &left);
  canvas->Draw(rect.Right - p, rect.Top, &right);
  // Narrower than the two ends there is no room for the middle; stretching it over a negative
  // width would mirror it across the ends.
  if (rect.Right - p > rect.Left + p)
    canvas->StretchDraw(Rect(rect.Left + p, rect.Top, rect.Right - p, rect.Bottom), &middle);
}

void PaintControlBackground(TCanvas* canvas, TControl* control, bool transparent) {
  if (transparent) {
    PaintParentBackground(canvas, control);
    return;
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(control->Color());
  canvas->FillRect(control->ClientRect());
}

void DrawEmbossedText(TCanvas* canvas, std::string_view text, TRect rect, UINT format, TColor light,
                      TColor shadow) {
  TRect lightRect = rect;
  OffsetRect(lightRect, 1, 1);
  canvas->Font()->SetColor(light);
  DrawText(canvas->Handle(), text, lightRect, format);
  canvas->Font()->SetColor(shadow);
  DrawText(canvas->Handle(), text, rect, format);
}

void TilePicture(TCanvas* canvas, TPicture* picture, const TRect& rect) {
  if (picture == nullptr || picture->Graphic() == nullptr) return;
  const int w = picture->Width(), h = picture->Height();
  if (w <= 0 || h <= 0) return;  // an empty picture would never cover anything
  for (int x = 0; x < w + rect.Width(); x += w) {
    for (int y = 0; y < h + rect.Height(); y += h) canvas->Draw(x, y, picture->Graphic());
  }
}
