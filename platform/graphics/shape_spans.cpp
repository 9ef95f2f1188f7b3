// Ellipses, rounded rectangles and polygons as rows of pixel runs.
#include "platform/graphics/shape_spans.h"

#include "platform/graphics/coordinates.h"

#include <algorithm>
#include <cmath>

namespace {

TRect Run(int y, int x0, int x1) { return {x0, y, x1, y + 1}; }

// Half-width at height dy of an ellipse with semi-axes a and b.
double HalfWidth(double a, double b, double dy) {
  double t = 1.0 - (dy / b) * (dy / b);
  return t <= 0 ? 0 : a * std::sqrt(t);
}

// Pixel columns whose centres lie within [from, to].
void AddCentredRun(std::vector<TRect>& rows, int y, double from, double to) {
  int x0 = static_cast<int>(std::ceil(from - 0.5));
  int x1 = static_cast<int>(std::floor(to - 0.5)) + 1;
  if (x1 > x0) rows.push_back(Run(y, x0, x1));
}

}  // namespace

std::vector<TRect> EllipseRows(const TRect& shape, int rowsFrom, int rowsTo) {
  TRect box = SaturateRect(shape);
  std::vector<TRect> rows;
  if (box.IsEmpty()) return rows;
  double cx = (box.Left + box.Right) / 2.0, cy = (box.Top + box.Bottom) / 2.0;
  double a = box.Width() / 2.0, b = box.Height() / 2.0;
  for (int y = std::max(box.Top, rowsFrom); y < std::min(box.Bottom, rowsTo); ++y) {
    double half = HalfWidth(a, b, y + 0.5 - cy);
    AddCentredRun(rows, y, cx - half, cx + half);
  }
  return rows;
}

std::vector<TRect> RoundRectRows(const TRect& shape, int ellipseWidth, int ellipseHeight, int rowsFrom, int rowsTo) {
  TRect box = SaturateRect(shape);
  std::vector<TRect> rows;
  if (box.IsEmpty()) return rows;
  double a = std::min(std::abs(int64_t{ellipseWidth}), int64_t{box.Width()}) / 2.0;
  double b = std::min(std::abs(int64_t{ellipseHeight}), int64_t{box.Height()}) / 2.0;
  for (int y = std::max(box.Top, rowsFrom); y < std::min(box.Bottom, rowsTo); ++y) {
    double yc = y + 0.5;
    double dy = 0;
    if (yc < box.Top + b) dy = box.Top + b - yc;
    else if (yc > box.Bottom - b) dy = yc - (box.Bottom - b);
    double inset = (a > 0 && b > 0 && dy > 0) ? a - HalfWidth(a, b, dy) : 0;
    AddCentredRun(rows, y, box.Left + inset, box.Right - inset);
  }
  return rows;
}

std::vector<TRect> PolygonRows(const std::vector<TPoint>& points, bool winding, int rowsFrom, int rowsTo) {
  std::vector<TRect> rows;
  if (points.size() < 3) return rows;
  int top = points[0].y, bottom = points[0].y;
  for (TPoint p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> xs;
  size_t n = points.size();
  for (int y = std::max(top, rowsFrom); y < std::min(bottom, rowsTo); ++y) {
    double yc = y + 0.5;
    xs.clear();
    for (size_t i = 0; i < n; ++i) {
      TPoint p = points[i], q = points[(i + 1) % n];
      if (p.y == q.y) continue;
      bool down = q.y > p.y;
      TPoint lo = down ? p : q, hi = down ? q : p;
      if (yc < lo.y || yc >= hi.y) continue;
      double x = lo.x + (yc - lo.y) * (static_cast<double>(hi.x) - lo.x) / (static_cast<double>(hi.y) - lo.y);
      xs.push_back({x, down ? 1 : -1});
    }
    std::sort(xs.begin(), xs.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
    int count = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      count += winding ? xs[i].dir : 1;
      bool inside = winding ? count != 0 : (count % 2) != 0;
      if (!inside) continue;
      int x0 = static_cast<int>(std::clamp(std::ceil(xs[i].x - 0.5), -1e9, 1e9));
      int x1 = static_cast<int>(std::clamp(std::ceil(xs[i + 1].x - 0.5), -1e9, 1e9));
      if (x1 > x0) rows.push_back(Run(y, x0, x1));
    }
  }
  return rows;
}

std::vector<TRect> ErodeRows(const std::vector<TRect>& rows, int times) {
  std::vector<TRect> current = rows;
  for (int t = 0; t < times && !current.empty(); ++t) {
    std::vector<TRect> next;
    for (size_t i = 1; i + 1 < current.size(); ++i) {
      const TRect& up = current[i - 1];
      const TRect& row = current[i];
      const TRect& down = current[i + 1];
      if (up.Top != row.Top - 1 || down.Top != row.Top + 1) continue;
      int x0 = std::max({row.Left + 1, up.Left, down.Left});
      int x1 = std::min({row.Right - 1, up.Right, down.Right});
      if (x1 > x0) next.push_back(Run(row.Top, x0, x1));
    }
    current.swap(next);
  }
  return current;
}
