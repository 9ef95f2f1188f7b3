#pragma once

#include <vector>

#include "platform/core/types.h"

// The pixels of filled shapes as rows of runs (one-pixel-high rectangles, right edge
// excluded). A pixel belongs to a shape when its centre lies inside it.

// Only rows from rowsFrom to rowsTo (excluded) are produced, so shapes far larger than what
// can be seen cost nothing. Without limits, rows stay within twice the largest bitmap.
constexpr int kAllRowsFrom = -(1 << 16);
constexpr int kAllRowsTo = 1 << 16;

// Pixels of the ellipse inscribed in box (right and bottom excluded); one run per row.
std::vector<TRect> EllipseRows(const TRect& box, int rowsFrom = kAllRowsFrom, int rowsTo = kAllRowsTo);
// Pixels of a rectangle with corners rounded by an ellipse of the given size.
std::vector<TRect> RoundRectRows(const TRect& box, int ellipseWidth, int ellipseHeight,
                                 int rowsFrom = kAllRowsFrom, int rowsTo = kAllRowsTo);
// Pixels inside a polygon (alternate or winding rule); several runs per row possible.
std::vector<TRect> PolygonRows(const std::vector<TPoint>& points, bool winding, int rowsFrom = kAllRowsFrom,
                               int rowsTo = kAllRowsTo);
// For convex shapes given as one run per consecutive row: the shape shrunk by `times`
// pixels on every side (4-neighbour erosion), so shape minus result is its outline.
std::vector<TRect> ErodeRows(const std::vector<TRect>& rows, int times);
