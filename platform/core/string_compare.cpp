// Ordinal and locale comparison of UTF-8 text.
#include <algorithm>
#include <cstdint>

#include "platform/core/case_mapping.h"
#include "platform/core/gbk_order.h"
#include "platform/core/strings.h"
#include "platform/core/utf8_codec.h"

namespace {

int Sign(int64_t v) { return (v > 0) - (v < 0); }

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

unsigned char AsciiUpper(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }

// Sort key of one character in the locale order. ASCII sorts first by its upper-cased byte,
// then characters with a GBK form by that code, then the rest by code point, then broken
// bytes. The code point is kept in the low bits so that two different characters never tie
// (a few code points share one GBK code); Latin letters are folded to one case first.
constexpr int kCodeBits = 21;
constexpr uint64_t kGbkClass = uint64_t{1} << 40;
constexpr uint64_t kNoGbkClass = uint64_t{2} << 40;
constexpr uint64_t kBrokenClass = uint64_t{3} << 40;

uint64_t CharKey(utf8::DecodedChar ch, unsigned char firstByte) {
  if (ch.code == utf8::kMalformed) return kBrokenClass | firstByte;
  char32_t code = ch.code;
  if (IsLatinLetterRange(code)) code = ToLowerChar(code);
  if (code < 0x80) return AsciiUpper(static_cast<unsigned char>(code));
  const uint16_t gbk = GbkCodeOf(code);
  if (gbk != 0) return kGbkClass | (uint64_t{gbk} << kCodeBits) | code;
  return kNoGbkClass | code;
}

// A byte that is not a continuation byte always starts a character, so backing up from the
// first difference `m` over continuation bytes finds a character start that both strings
// share (the bytes before m are equal). Starting anywhere else could let a cut-off
// sequence in one string compare against a whole character in the other inconsistently.
size_t CharStartBefore(std::string_view a, std::string_view b, size_t m) {
  const bool continues = (m < a.size() && IsContinuation(a[m])) || (m < b.size() && IsContinuation(b[m]));
  if (!continues) return m;
  size_t p = m;
  while (p > 0 && IsContinuation(a[p - 1])) --p;
  return p > 0 ? p - 1 : 0;
}

// Compares character by character from a character start both strings share.
int CompareCharsFrom(std::string_view a, std::string_view b, size_t start) {
  size_t ia = start;
  size_t ib = start;
  while (ia < a.size() && ib < b.size()) {
    const auto ba = static_cast<unsigned char>(a[ia]);
    const auto bb = static_cast<unsigned char>(b[ib]);
    if ((ba | bb) < 0x80) {
      if (AsciiUpper(ba) != AsciiUpper(bb)) return AsciiUpper(ba) < AsciiUpper(bb) ? -1 : 1;
      ++ia;
      ++ib;
      continue;
    }
    const utf8::DecodedChar ca = utf8::DecodeAt(a, ia);
    const utf8::DecodedChar cb = utf8::DecodeAt(b, ib);
    if (ca.code != cb.code || ca.code == utf8::kMalformed) {
      const uint64_t ka = CharKey(ca, ba);
      const uint64_t kb = CharKey(cb, bb);
      if (ka != kb) return ka < kb ? -1 : 1;
    }
    ia += ca.length;
    ib += cb.length;
  }
  return Sign(static_cast<int64_t>(a.size() - ia) - static_cast<int64_t>(b.size() - ib));
}

}  // namespace

int CompareStr(std::string_view a, std::string_view b) { return Sign(a.compare(b)); }

int CompareText(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int d = AsciiUpper(static_cast<unsigned char>(a[i])) - AsciiUpper(static_cast<unsigned char>(b[i]));
    if (d != 0) return Sign(d);
  }
  return Sign(static_cast<int64_t>(a.size()) - static_cast<int64_t>(b.size()));
}

bool SameText(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}

int AnsiCompareText(std::string_view a, std::string_view b) {
  // Equal leading bytes are skipped at memory speed; characters are decoded only from the
  // start of the character that holds the first differing byte (or the end of the shorter
  // string, which may cut a character short).
  const size_t n = std::min(a.size(), b.size());
  const size_t m = static_cast<size_t>(std::mismatch(a.begin(), a.begin() + n, b.begin()).first - a.begin());
  if (m == a.size() && m == b.size()) return 0;
  return CompareCharsFrom(a, b, CharStartBefore(a, b, m));
}

int CompareTextAnsi(std::string_view a, std::string_view b) { return AnsiCompareText(a, b); }

bool AnsiSameText(std::string_view a, std::string_view b) { return AnsiCompareText(a, b) == 0; }

int AnsiCompareStr(std::string_view a, std::string_view b) {
  const int folded = AnsiCompareText(a, b);
  if (folded != 0) return folded;
  // Same letters in another case: lower case first, as the locale order has it.
  return -CompareStr(a, b);
}

bool StartsText(std::string_view prefix, std::string_view s) {
  return s.size() >= prefix.size() && AnsiSameText(prefix, s.substr(0, prefix.size()));
}
