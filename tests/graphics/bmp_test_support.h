#pragma once

// Helpers for the BMP tests: building file images byte by byte, and talking to the independent
// image program installed at /usr/bin/convert.

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/graphics/bmp_codec.h"

namespace bmp_test {

// Little-endian byte builder for hand-made files.
class Bytes {
 public:
  Bytes& U8(uint8_t v) {
    data.push_back(v);
    return *this;
  }
  Bytes& U16(uint16_t v) { return U8(static_cast<uint8_t>(v)).U8(static_cast<uint8_t>(v >> 8)); }
  Bytes& U32(uint32_t v) {
    return U16(static_cast<uint16_t>(v)).U16(static_cast<uint16_t>(v >> 16));
  }
  Bytes& Raw(std::initializer_list<uint8_t> bytes) {
    data.insert(data.end(), bytes);
    return *this;
  }
  Bytes& Rgbq(uint32_t rgb) {  // a colour table entry: blue, green, red, 0
    return U8(static_cast<uint8_t>(rgb))
        .U8(static_cast<uint8_t>(rgb >> 8))
        .U8(static_cast<uint8_t>(rgb >> 16))
        .U8(0);
  }
  std::vector<uint8_t> data;
};

// A file header followed by a 40-byte info header; pixel data starts at `offBits`.
inline Bytes InfoFile(int32_t width, int32_t height, uint16_t bits, uint32_t compression,
                      uint32_t offBits, uint32_t colorsUsed = 0, uint32_t imageSize = 0) {
  Bytes b;
  b.Raw({'B', 'M'}).U32(0).U32(0).U32(offBits);
  b.U32(40).U32(static_cast<uint32_t>(width)).U32(static_cast<uint32_t>(height)).U16(1).U16(bits);
  b.U32(compression).U32(imageSize).U32(0).U32(0).U32(colorsUsed).U32(0);
  return b;
}

// A private folder removed with its files when the test ends.
class TempDir {
 public:
  TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "bmp_test_XXXXXX").string();
    path_ = mkdtemp(templ.data()) ? templ : std::string();
  }
  ~TempDir() {
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
  }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

constexpr const char* kConvert = "/usr/bin/convert";

inline bool HaveConvert() { return access(kConvert, X_OK) == 0; }

inline int RunConvert(const std::string& arguments) {
  std::string command = std::string(kConvert) + " " + arguments + " 2>/dev/null";
  return std::system(command.c_str());
}

// Pixels as the independent program reads a file: 0xAARRGGBB, top-down.
inline std::vector<uint32_t> PixelsSeenByConvert(const std::string& file) {
  std::string command = std::string(kConvert) + " " + file + " -depth 8 RGBA:- 2>/dev/null";
  std::vector<uint32_t> pixels;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return pixels;
  uint8_t px[4];
  while (std::fread(px, 1, 4, pipe) == 4) {
    pixels.push_back(uint32_t{px[3]} << 24 | uint32_t{px[0]} << 16 | uint32_t{px[1]} << 8 | px[2]);
  }
  pclose(pipe);
  return pixels;
}

// Writes 0xAARRGGBB pixels as raw RGBA bytes for the independent program to read.
inline void WriteRawRgba(const std::string& path, const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> raw;
  for (uint32_t p : pixels) {
    raw.insert(raw.end(), {static_cast<uint8_t>(p >> 16), static_cast<uint8_t>(p >> 8),
                           static_cast<uint8_t>(p), static_cast<uint8_t>(p >> 24)});
  }
  WriteFile(path, raw);
}

// Largest difference of any channel between two pixels.
inline int ChannelDistance(uint32_t a, uint32_t b) {
  int worst = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
    worst = std::max(worst, d < 0 ? -d : d);
  }
  return worst;
}

}  // namespace bmp_test
