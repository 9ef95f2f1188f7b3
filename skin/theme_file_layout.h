#pragma once

#include <cstdint>

// The byte layout of a theme file, shared by the reader and the writer. All integers are
// little-endian.
namespace theme_file {

constexpr uint32_t kHeaderLength = 24;
constexpr int kHeaderLengthOffset = 12;  // u32: must be kHeaderLength
constexpr int kFirstEntryOffset = 20;    // u32: absolute offset of the first entry

constexpr uint32_t kEntryLength = 77;
constexpr int kNameLength = 64;          // zero-padded single-byte name
constexpr int kTypeOffset = 64;          // u8
constexpr int kDataOffset = 65;          // u32: absolute offset of the value
constexpr int kDataSizeOffset = 69;      // u32
constexpr int kNextOffset = 73;          // u32: absolute offset of the next entry, 0 ends

enum ValueType : uint8_t { vtBitmap = 0, vtInteger = 1, vtBoolean = 2, vtString = 3 };

inline uint32_t ReadU32(const uint8_t* p) {
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 | uint32_t{p[3]} << 24;
}

inline void WriteU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace theme_file
