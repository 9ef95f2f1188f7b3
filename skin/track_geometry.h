#pragma once

#include <vector>

// Where the slider of a track stands and which position a point names, along the track's
// length. Products are taken in 64 bits, so ranges near the limits of int do not overflow.
struct TskTrackGeometry {
  int Min = 0;
  int Max = 0;
  int Length = 0;        // the control's length along the track
  int SliderLength = 0;  // the slider's length along the track

  // Offset of the slider's leading edge for a position.
  int SliderOffset(int position) const;
  // The position at a coordinate (the slider's centre there), rounded half to even and held
  // within Min..Max.
  int PositionAt(int coordinate) const;
  // Coordinates of the ticks every `frequency` positions from Min, and always at Max. A
  // frequency of 0 or less marks the ends only.
  std::vector<int> TickCoordinates(int frequency) const;
};
