#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Decoding and encoding of single UTF-8 characters, shared by the string helpers.
namespace utf8 {

// Marks a byte that does not start a well-formed sequence; such a byte is one character.
constexpr char32_t kMalformed = 0xFFFFFFFF;

struct DecodedChar {
  char32_t code;  // kMalformed for a lone or broken byte
  size_t length;  // bytes taken, at least 1 unless offset is at the end
};

// Decodes the character at s[offset] without reading past the end of s. Overlong forms,
// surrogates, values past U+10FFFF and truncated sequences are malformed (one byte long).
DecodedChar DecodeAt(std::string_view s, size_t offset);

// Appends the UTF-8 form of a code point (U+FFFD for surrogates and values past U+10FFFF).
void Append(std::string& out, char32_t code);

}  // namespace utf8
