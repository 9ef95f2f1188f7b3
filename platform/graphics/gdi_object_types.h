#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/device_context.h"
#include "platform/graphics/pixel_surface.h"
#include "platform/graphics/region.h"

// The objects behind drawing handles (private to the graphics layer). An object lives until
// it is deleted and no device context (or saved state) still selects it.
struct HGDIOBJ__ {
  explicit HGDIOBJ__(int kind) : Kind(kind) {}
  virtual ~HGDIOBJ__() = default;
  HGDIOBJ__(const HGDIOBJ__&) = delete;
  HGDIOBJ__& operator=(const HGDIOBJ__&) = delete;

  const int Kind;  // OBJ_PEN, OBJ_BRUSH, ...
  int Uses = 0;    // selections by device contexts and their saved states
  bool Deleted = false;
  bool Stock = false;
};

struct PenObject : HGDIOBJ__ {
  PenObject() : HGDIOBJ__(OBJ_PEN) {}
  int Style = PS_SOLID;  // PS_STYLE_MASK part
  int EndCap = PS_ENDCAP_ROUND;
  bool Geometric = false;
  int Width = 1;
  COLORREF Color = 0;
};

struct BrushObject : HGDIOBJ__ {
  BrushObject() : HGDIOBJ__(OBJ_BRUSH) {}
  int Style = BS_SOLID;
  COLORREF Color = 0;
  int Hatch = 0;
  // Pattern brushes: the pattern's pixels (0xAARRGGBB).
  int PatternWidth = 0;
  int PatternHeight = 0;
  std::vector<uint32_t> Pattern;
};

struct RealizedFont;
struct FontObject : HGDIOBJ__ {
  FontObject() : HGDIOBJ__(OBJ_FONT) {}
  LOGFONT Font;
  const RealizedFont* Realized = nullptr;  // cached by the text engine
  int RealizedGeneration = 0;
};

struct BitmapObject : HGDIOBJ__ {
  BitmapObject() : HGDIOBJ__(OBJ_BITMAP) {}
  TPixelSurface Surface;
};

struct RegionObject : HGDIOBJ__ {
  RegionObject() : HGDIOBJ__(OBJ_REGION) {}
  TRegion Region;
};

// Registers a new object as live and returns its handle.
HGDIOBJ AddObject(HGDIOBJ__* object);
// The object behind a handle when it is live and of the kind asked (0: any), else nullptr.
HGDIOBJ__* LiveObject(HGDIOBJ handle, int kind);
template <typename T>
T* ObjectAs(HGDIOBJ handle, int kind) {
  return static_cast<T*>(LiveObject(handle, kind));
}
// Counting selections: an object deleted while selected is freed at its last release.
void RetainObject(HGDIOBJ handle);
void ReleaseObject(HGDIOBJ handle);
