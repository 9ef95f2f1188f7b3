// UTF-8 strings by characters: lengths, offsets, case, trimming and comparison.
#include "platform/core/strings.h"

#include <algorithm>

#include "platform/core/case_mapping.h"
#include "platform/core/utf8_codec.h"

int CharLength(std::string_view s) {
  int count = 0;
  for (size_t i = 0; i < s.size(); i += utf8::DecodeAt(s, i).length) ++count;
  return count;
}

size_t CharToByteOffset(std::string_view s, int index) {
  size_t offset = 0;
  for (int i = 0; i < index && offset < s.size(); ++i) offset += utf8::DecodeAt(s, offset).length;
  return offset;
}

int ByteToCharIndex(std::string_view s, size_t offset) {
  int index = 0;
  for (size_t i = 0; i < s.size(); ++index) {
    const size_t next = i + utf8::DecodeAt(s, i).length;
    if (offset < next) return index;
    i = next;
  }
  return index;
}

size_t CharByteLength(std::string_view s, size_t offset) { return utf8::DecodeAt(s, offset).length; }

namespace {

// Byte range [begin, end) of `count` characters starting at 1-based character `index` (at
// least 1), clipped to the end of the string.
struct ByteRange {
  size_t begin;
  size_t end;
};

ByteRange CharRange(std::string_view s, int index, int count) {
  const size_t begin = CharToByteOffset(s, index - 1);
  if (count <= 0) return {begin, begin};
  const size_t end = begin + CharToByteOffset(s.substr(begin), count);
  return {begin, end};
}

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= ' '; }

String MapChars(std::string_view s, char32_t (*map)(char32_t)) {
  String out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const utf8::DecodedChar ch = utf8::DecodeAt(s, i);
    if (ch.code == utf8::kMalformed) {
      out += s[i];  // a broken byte is kept as it is, not replaced
    } else {
      utf8::Append(out, map(ch.code));
    }
    i += ch.length;
  }
  return out;
}

char32_t AsciiUpperOnly(char32_t c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
char32_t AsciiLowerOnly(char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

}  // namespace

String Copy(std::string_view s, int index, int count) {
  // An index before the start reads from the start, and count is not shortened by the gap.
  if (index < 1) index = 1;
  const ByteRange r = CharRange(s, index, count);
  return String(s.substr(r.begin, r.end - r.begin));
}

int Pos(std::string_view sub, std::string_view s) {
  if (sub.empty()) return 0;
  for (size_t i = 0; i < s.size(); i += utf8::DecodeAt(s, i).length) {
    if (s.substr(i, sub.size()) == sub) return ByteToCharIndex(s, i) + 1;
  }
  return 0;
}

void Delete(String& s, int index, int count) {
  if (index < 1 || count <= 0) return;
  const ByteRange r = CharRange(s, index, count);
  s.erase(r.begin, r.end - r.begin);
}

void Insert(std::string_view sub, String& s, int index) {
  const size_t at = CharToByteOffset(s, std::max(index, 1) - 1);
  s.insert(at, sub);
}

String LeftStr(std::string_view s, int count) { return Copy(s, 1, count); }

String RightStr(std::string_view s, int count) {
  if (count <= 0) return String();
  const int length = CharLength(s);
  if (count >= length) return String(s);
  return Copy(s, length - count + 1, count);
}

String Trim(std::string_view s) { return TrimLeft(TrimRight(s)); }

String TrimLeft(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsTrimmed(s[i])) ++i;
  return String(s.substr(i));
}

String TrimRight(std::string_view s) {
  size_t n = s.size();
  while (n > 0 && IsTrimmed(s[n - 1])) --n;
  return String(s.substr(0, n));
}

String UpperCase(std::string_view s) {
  String out(s);
  for (char& c : out) c = static_cast<char>(AsciiUpperOnly(static_cast<unsigned char>(c)));
  return out;
}

String LowerCase(std::string_view s) {
  String out(s);
  for (char& c : out) c = static_cast<char>(AsciiLowerOnly(static_cast<unsigned char>(c)));
  return out;
}

String AnsiUpperCase(std::string_view s) { return MapChars(s, ToUpperChar); }
String AnsiLowerCase(std::string_view s) { return MapChars(s, ToLowerChar); }

String StringOfChar(char c, int count) { return count > 0 ? String(count, c) : String(); }

String StringReplaceAll(std::string_view s, std::string_view from, std::string_view to) {
  if (from.empty()) return String(s);
  String out;
  size_t start = 0;
  for (size_t hit = s.find(from); hit != std::string_view::npos; hit = s.find(from, start)) {
    out.append(s.substr(start, hit - start)).append(to);
    start = hit + from.size();
  }
  out.append(s.substr(start));
  return out;
}

String QuotedStr(std::string_view s, char quote) { return AnsiQuotedStr(s, quote); }

String AnsiQuotedStr(std::string_view s, char quote) {
  String out(1, quote);
  for (char c : s) {
    out += c;
    if (c == quote) out += quote;
  }
  out += quote;
  return out;
}

String AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote) {
  if (pos >= s.size() || s[pos] != quote) return String();
  String out;
  size_t i = pos + 1;
  while (i < s.size()) {
    if (s[i] != quote) {
      out += s[i++];
    } else if (i + 1 < s.size() && s[i + 1] == quote) {
      out += quote;
      i += 2;
    } else {
      ++i;  // the closing quote
      break;
    }
  }
  pos = i;
  return out;
}
