// Track-bar geometry: slider positions and tick coordinates.
#include "skin/track_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

int TskTrackGeometry::SliderOffset(int position) const {
  const int64_t range = static_cast<int64_t>(Max) - Min;
  if (range <= 0) return 0;
  const int64_t travel = Length - SliderLength;
  return static_cast<int>(travel * (static_cast<int64_t>(position) - Min) / range);
}

int TskTrackGeometry::PositionAt(int coordinate) const {
  const int64_t travel = Length - SliderLength;
  if (travel <= 0) return Min;
  const double range = static_cast<double>(static_cast<int64_t>(Max) - Min);
  const double value = std::nearbyint((coordinate - SliderLength / 2.0) * range / static_cast<double>(travel)) + Min;
  return static_cast<int>(std::clamp(value, static_cast<double>(Min), static_cast<double>(Max)));
}

std::vector<int> TskTrackGeometry::TickCoordinates(int frequency) const {
  std::vector<int> ticks;
  const int64_t range = static_cast<int64_t>(Max) - Min;
  if (range <= 0) return ticks;
  const int64_t span = Length - SliderLength;
  const int offset = SliderLength / 2;
  auto at = [&](int64_t value) { return static_cast<int>((value - Min) * span / range) + offset; };
  // No more ticks than pixels: a dense frequency on a long range would mark every pixel anyway.
  const int64_t step = frequency > 0 ? std::max<int64_t>(frequency, range / std::max<int64_t>(span, 1)) : range;
  for (int64_t v = Min; v < Max; v += step) ticks.push_back(at(v));
  ticks.push_back(at(Max));
  return ticks;
}
