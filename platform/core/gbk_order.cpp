// The GBK code order of characters, used to sort Chinese text as the client does.
#include "platform/core/gbk_order.h"

#include <iconv.h>

#include <vector>

namespace {

constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLastByte = 0xFE;
constexpr unsigned kFirstTrail = 0x40;

// Converts one two-byte GBK code; returns 0 when the code is unassigned.
char32_t DecodeGbkPair(iconv_t cd, unsigned lead, unsigned trail) {
  char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  unsigned char out[8] = {};
  char* inPtr = in;
  char* outPtr = reinterpret_cast<char*>(out);
  size_t inLeft = sizeof in;
  size_t outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
      sizeof out - outLeft != 4) {
    return 0;
  }
  return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
}

std::vector<uint16_t> BuildTable() {
  std::vector<uint16_t> table(0x10000, 0);
  iconv_t cd = iconv_open("UTF-32LE", "GBK");
  if (cd == reinterpret_cast<iconv_t>(-1)) cd = iconv_open("UTF-32LE", "GB18030");
  if (cd == reinterpret_cast<iconv_t>(-1)) return table;
  for (unsigned lead = kFirstLead; lead <= kLastByte; ++lead) {
    for (unsigned trail = kFirstTrail; trail <= kLastByte; ++trail) {
      if (trail == 0x7F) continue;
      const char32_t code = DecodeGbkPair(cd, lead, trail);
      // Where two GBK codes map to one code point, the lower code is its place in the order.
      if (code != 0 && code < table.size() && table[code] == 0) {
        table[code] = static_cast<uint16_t>((lead << 8) | trail);
      }
    }
  }
  iconv_close(cd);
  return table;
}

}  // namespace

uint16_t GbkCodeOf(char32_t code) {
  static const std::vector<uint16_t> table = BuildTable();
  return code < table.size() ? table[code] : 0;
}
