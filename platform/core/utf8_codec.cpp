// Decoding and encoding UTF-8, with malformed bytes handled safely.
#include "platform/core/utf8_codec.h"

namespace utf8 {
namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Valid range for the second byte of a sequence whose first byte is `lead`; excluding
// overlong forms, surrogates and values past U+10FFFF here keeps the tail check uniform.
bool SecondByteFits(unsigned char lead, unsigned char second) {
  switch (lead) {
    case 0xE0: return second >= 0xA0 && second <= 0xBF;
    case 0xED: return second >= 0x80 && second <= 0x9F;
    case 0xF0: return second >= 0x90 && second <= 0xBF;
    case 0xF4: return second >= 0x80 && second <= 0x8F;
    default: return IsContinuation(second);
  }
}

size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

}  // namespace

DecodedChar DecodeAt(std::string_view s, size_t offset) {
  if (offset >= s.size()) return {kMalformed, 0};
  const auto lead = static_cast<unsigned char>(s[offset]);
  if (lead < 0x80) return {lead, 1};
  const size_t length = SequenceLength(lead);
  if (length == 0 || s.size() - offset < length) return {kMalformed, 1};
  if (!SecondByteFits(lead, static_cast<unsigned char>(s[offset + 1]))) return {kMalformed, 1};
  char32_t code = lead & (0xFF >> (length + 1));
  for (size_t i = 1; i < length; ++i) {
    const auto c = static_cast<unsigned char>(s[offset + i]);
    if (!IsContinuation(c)) return {kMalformed, 1};
    code = (code << 6) | (c & 0x3F);
  }
  return {code, length};
}

void Append(std::string& out, char32_t code) {
  if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

}  // namespace utf8
