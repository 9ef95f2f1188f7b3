#pragma once

#include <cstdint>
#include <vector>

#include "platform/core/strings.h"
#include "platform/graphics/colors.h"

class TBitmap;

// Builds theme files in the layout the reader parses: the header, one entry per value in the
// order added (each naming the next), then the values. Used by the build tool that makes the
// showcase's theme file.
class TskThemeFileWriter {
 public:
  void AddInteger(const String& name, int32_t value);
  void AddColor(const String& name, TColor color) { AddInteger(name, static_cast<int32_t>(color)); }
  void AddBool(const String& name, bool value) { AddBoolByte(name, value ? 1 : 0); }
  // A boolean entry holding any byte (the reader takes its low byte).
  void AddBoolByte(const String& name, uint8_t value);
  void AddString(const String& name, const String& text);
  // The bitmap as a BMP file image.
  void AddBitmap(const String& name, TBitmap& bitmap);
  // An entry of any type code with any value bytes, as another writer might make it.
  void AddEntry(const String& name, uint8_t type, std::vector<uint8_t> value);

  int Count() const { return static_cast<int>(entries_.size()); }
  // The file image. Names longer than 64 bytes are cut.
  std::vector<uint8_t> Bytes() const;
  // Raises EFCreateError or EWriteError when the file cannot be written.
  void SaveToFile(const String& fileName) const;

 private:
  struct Entry {
    String Name;
    uint8_t Type;
    std::vector<uint8_t> Value;
  };
  std::vector<Entry> entries_;
};
