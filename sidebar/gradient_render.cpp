// Drawing a gradient's ramp into a rectangle.
#include <cmath>
#include <vector>

#include "platform/graphics/canvas.h"
#include "sidebar/gradient.h"

// Rendering of the twelve gradient shapes into the cached bitmap, band by band, each band
// in the ramp colour of its index.

namespace {

int RoundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct Bands {
  TCanvas* canvas;
  const std::array<TColor, 256>& ramp;
  int w, h;
  double sx, sy;
  int tx, ty;

  Bands(TCanvas* c, const std::array<TColor, 256>& r, int width, int height, double steps)
      : canvas(c), ramp(r), w(width), h(height), sx(width / steps), sy(height / steps),
        tx(RoundEven(sx + 1)), ty(RoundEven(sy + 1)) {}

  void Fill(int i, const TRect& r) const {
    canvas->Brush()->SetColor(ramp[i]);
    canvas->FillRect(r);
  }
  void Shape(int i, const std::vector<TPoint>& points) const {
    canvas->Brush()->SetColor(ramp[i]);
    canvas->Polygon(points);
  }
  // Start of band i along an axis of step s: band 0 at 0, band i at round((i - 1) * s).
  static int Start(int i, double s) { return i == 0 ? 0 : RoundEven((i - 1) * s); }
};

void Straight(const Bands& b, bool vertical) {
  for (int i = 0; i < 256; ++i) {
    if (vertical) {
      const int y = Bands::Start(i, b.sy);
      b.Fill(i, Rect(0, y, b.w, y + b.ty));
    } else {
      const int x = Bands::Start(i, b.sx);
      b.Fill(i, Rect(x, 0, x + b.tx, b.h));
    }
  }
}

void Corner(const Bands& b, TnbGradientStyle style) {
  const int w = b.w, h = b.h, tx = b.tx, ty = b.ty;
  for (int i = 0; i < 256; ++i) {
    const int up = RoundEven((255 - i) * b.sy), down = RoundEven(i * b.sy);
    const int left = RoundEven((255 - i) * b.sx), right = RoundEven(i * b.sx);
    switch (style) {
      case gtCornerTopLeft:
        b.Shape(i, {{0, up}, {left, up}, {left, 0}, {left + tx, 0}, {left + tx, up + ty}, {0, up + ty}});
        break;
      case gtCornerTopRight:
        b.Shape(i, {{right + tx, 0}, {right + tx, up}, {w, up}, {w, up + ty}, {right, up + ty}, {right, 0}});
        break;
      case gtCornerBottomRight:
        b.Shape(i, {{w, down + ty}, {right + tx, down + ty}, {right + tx, h}, {right, h}, {right, down}, {w, down}});
        break;
      default:  // gtCornerBottomLeft
        b.Shape(i, {{left, h}, {left, down + ty}, {0, down + ty}, {0, down}, {left + tx, down}, {left + tx, h}});
        break;
    }
  }
}

void Diagonal(const Bands& b, bool rising) {
  const int w = b.w, h = b.h, tx = b.tx, ty = b.ty;
  for (int j = 0; j < 128; ++j) {
    const int x = RoundEven(j * b.sx);
    const int y = RoundEven((rising ? 127 - j : j) * b.sy);
    if (rising) {
      b.Shape(j, {{x, h}, {x + tx, h}, {0, y}, {0, y + ty}});
      b.Shape(128 + j, {{w, y + ty}, {w, y}, {x + tx, 0}, {x, 0}});
    } else {
      b.Shape(j, {{x, 0}, {x + tx, 0}, {0, y + ty}, {0, y}});
      b.Shape(128 + j, {{w, y}, {w, y + ty}, {x + tx, h}, {x, h}});
    }
  }
}

void Ellipses(const Bands& b) {
  TCanvas* c = b.canvas;
  c->Brush()->SetColor(clSilver);
  c->FillRect(Rect(0, 0, b.w, b.h));
  const int half = b.w / 2;
  if (half - 2 <= 2) return;
  int x = 1, y = 1;
  for (int k = 2; k <= half - 3; ++k) {
    c->Brush()->SetColor(b.ramp[RoundEven(k * 255.0 / (half - 2))]);
    c->Ellipse(x, y, b.w - x, b.h - y);
    x = k;
    y = RoundEven(static_cast<double>(k) * b.h / b.w);
  }
}

void Pyramid(const Bands& b) {
  TCanvas* c = b.canvas;
  c->Pen()->SetStyle(psSolid);
  c->Pen()->SetWidth(1);
  const int cx = b.w / 2, cy = b.h / 2;
  const double f = 255.0 / (b.w + b.h);
  for (int x = 0; x <= b.w; ++x) {
    c->Pen()->SetColor(b.ramp[RoundEven(x * f)]);
    c->MoveTo(x, 0);
    c->LineTo(cx, cy);
    c->Pen()->SetColor(b.ramp[RoundEven((b.h + x) * f)]);
    c->LineTo(x, b.h);
  }
  for (int y = 0; y <= b.h; ++y) {
    c->Pen()->SetColor(b.ramp[RoundEven((b.w + y) * f)]);
    c->MoveTo(b.w, y);
    c->LineTo(cx, cy);
    c->Pen()->SetColor(b.ramp[RoundEven(y * f)]);
    c->LineTo(-1, y);
  }
}

}  // namespace

void TnbGradient::Render(int w, int h) {
  if (w <= 0 || h <= 0) return;
  TCanvas* c = cache_->Canvas();
  c->Brush()->SetStyle(bsSolid);
  c->Pen()->SetWidth(1);
  c->Pen()->SetStyle(psClear);
  const bool diagonal = drawStyle_ == gtDiagonalRising || drawStyle_ == gtDiagonalFalling;
  const Bands bands(c, ramp_, w, h, diagonal ? 127.0 : 255.0);
  switch (drawStyle_) {
    case gtTopToBottom:
    case gtVerticalToCenter: return Straight(bands, true);
    case gtLeftToRight:
    case gtHorizontalToCenter: return Straight(bands, false);
    case gtDiagonalRising:
    case gtDiagonalFalling: return Diagonal(bands, drawStyle_ == gtDiagonalRising);
    case gtEllipse: return Ellipses(bands);
    case gtPyramid: return Pyramid(bands);
    default: return Corner(bands, drawStyle_);
  }
}
