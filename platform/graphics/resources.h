#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/strings.h"
#include "platform/core/types.h"

class TBitmap;

// Built-in artwork found by name. The pictures are drawn by the artwork generator in
// resources/ at build time and embedded in the `platform_resources` library, whose tables
// register themselves here when the program starts. TBitmap::LoadFromResourceName and
// LoadCursorFromResourceName look names up ignoring case.

// Raised for a name that no built-in picture or cursor has: "Resource NAME not found".
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// One embedded picture: a BMP file image.
struct TBuiltInBitmap {
  const char* Name;
  const uint8_t* Data;
  size_t Size;
};

// One embedded cursor: a 32-bit BMP file image whose alpha marks the visible pixels, and the
// hot spot (the pixel that points).
struct TBuiltInCursor {
  const char* Name;
  const uint8_t* Data;
  size_t Size;
  int HotX;
  int HotY;
};

// Add tables of artwork whose storage lives for the whole program; a later name replaces an
// earlier one.
void RegisterBuiltInBitmaps(const TBuiltInBitmap* entries, size_t count);
void RegisterBuiltInCursors(const TBuiltInCursor* entries, size_t count);

// nullptr when no entry has the name.
const TBuiltInBitmap* FindBuiltInBitmap(std::string_view name);
const TBuiltInCursor* FindBuiltInCursor(std::string_view name);
// Registered names in upper case, sorted.
std::vector<String> BuiltInBitmapNames();
std::vector<String> BuiltInCursorNames();

// A cursor picture: the image, its mask (white where the cursor is transparent, black where
// it shows) and the hot spot.
struct TCursorImage {
  std::unique_ptr<TBitmap> Image;
  std::unique_ptr<TBitmap> Mask;
  TPoint HotSpot;
};

// Raises EResNotFound for an unknown name.
TCursorImage LoadCursorFromResourceName(std::string_view name);
