#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "platform/core/streams.h"
#include "skin/theme_file_reader.h"
#include "skin/theme_file_writer.h"

// A reader over a theme file image held in memory.
inline TskThemeFileReader ReadThemeBytes(const std::vector<uint8_t>& bytes) {
  TMemoryStream stream;
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  return TskThemeFileReader(stream);
}

inline void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) bytes.at(at + i) = static_cast<uint8_t>(v >> (8 * i));
}

// Offset of entry `i` in a file made by TskThemeFileWriter.
constexpr size_t EntryAt(size_t i) { return 24 + 77 * i; }

// A folder of its own for files a test writes, removed afterwards.
class TTempFolder {
 public:
  TTempFolder();
  ~TTempFolder();
  TTempFolder(const TTempFolder&) = delete;
  TTempFolder& operator=(const TTempFolder&) = delete;
  std::filesystem::path Path() const { return path_; }
  String File(const String& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};
