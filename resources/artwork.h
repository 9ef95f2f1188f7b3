#pragma once

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/colors.h"

class TBitmap;

// Built-in artwork is drawn with our own canvas when the project is built. Each library adds
// one file, resources/<library>_artwork.cpp, with one function that draws its pictures and
// hands them to the sink, registered with REGISTER_ARTWORK:
//
//   void DrawGridArtwork(TArtworkSink& sink) {
//     TBitmap arrow(9, 5);
//     ... draw on arrow.Canvas() ...
//     sink.AddBitmap("GRID_SORT_UP", arrow);
//   }
//   REGISTER_ARTWORK(DrawGridArtwork)
//
// The generator runs every registered function and embeds the results; at run time
// TBitmap::LoadFromResourceName and LoadCursorFromResourceName find them by name.
class TArtworkSink {
 public:
  virtual ~TArtworkSink() = default;
  // Embeds the picture under `name`, saved in the depth of its pixel format.
  virtual void AddBitmap(const String& name, TBitmap& bitmap) = 0;
  // Embeds a cursor: pixels of the `transparent` colour are see-through; `hotSpot` is the
  // pixel that points.
  virtual void AddCursor(const String& name, TBitmap& bitmap, TColor transparent,
                         TPoint hotSpot) = 0;
};

using TArtworkFunction = void (*)(TArtworkSink& sink);

// Adds a drawing function to the generator's list; returns true so that it can initialise a
// static flag.
bool RegisterArtwork(const char* functionName, TArtworkFunction draw);

#define REGISTER_ARTWORK(function) \
  [[maybe_unused]] static const bool function##Registered = RegisterArtwork(#function, function);
