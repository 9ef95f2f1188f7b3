// Conversions between UTF-8 and the encodings outside files and streams use.
#include <iconv.h>

#include <cerrno>

#include "platform/core/strings.h"
#include "platform/core/utf8_codec.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// One conversion direction of the C library's converter, opened for the call and closed on
// every path (a descriptor holds state and must not be shared between threads).
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (!IsOpen() && std::string_view(from) == "GBK") cd_ = iconv_open(to, "GB18030");
    if (!IsOpen() && std::string_view(to) == "GBK") cd_ = iconv_open("GB18030", from);
  }
  ~Converter() {
    if (IsOpen()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `in` as is valid and appends it to `out`; returns the number of
  // input bytes taken, stopping at the first byte the converter rejects.
  size_t ConvertRun(std::string_view in, String& out) {
    char* inPtr = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char buffer[256];
    while (inLeft > 0) {
      char* outPtr = buffer;
      size_t outLeft = sizeof buffer;
      const size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
      out.append(buffer, sizeof buffer - outLeft);
      if (rc == static_cast<size_t>(-1) && errno != E2BIG) break;
    }
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return in.size() - inLeft;
  }

 private:
  iconv_t cd_;
};

}  // namespace

String GbkToUtf8(std::string_view gbk) {
  Converter converter("UTF-8", "GBK");
  String out;
  out.reserve(gbk.size() * 3 / 2);
  for (size_t i = 0; i < gbk.size();) {
    i += converter.IsOpen() ? converter.ConvertRun(gbk.substr(i), out) : 0;
    if (i < gbk.size()) {
      // An invalid or cut-off byte: replace it and resynchronise on the next byte.
      utf8::Append(out, kReplacement);
      ++i;
    }
  }
  return out;
}

String Utf8ToGbk(std::string_view text) {
  Converter converter("GBK", "UTF-8");
  String out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    i += converter.IsOpen() ? converter.ConvertRun(text.substr(i), out) : 0;
    if (i < text.size()) {
      out += '?';
      i += utf8::DecodeAt(text, i).length;
    }
  }
  return out;
}

WideString Utf8ToUtf16(std::string_view s) {
  WideString out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    const utf8::DecodedChar ch = utf8::DecodeAt(s, i);
    const char32_t code = ch.code == utf8::kMalformed ? kReplacement : ch.code;
    if (code >= 0x10000) {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      out += static_cast<char16_t>(code);
    }
    i += ch.length;
  }
  return out;
}

String Utf16ToUtf8(std::u16string_view s) {
  String out;
  out.reserve(s.size() * 3);
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t code = s[i];
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    if (high && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      code = 0x10000 + ((code - 0xD800) << 10) + (s[++i] - 0xDC00);
    }
    utf8::Append(out, code);  // a lone surrogate becomes U+FFFD
  }
  return out;
}

bool IsValidUtf8(std::string_view s) {
  for (size_t i = 0; i < s.size();) {
    const utf8::DecodedChar ch = utf8::DecodeAt(s, i);
    if (ch.code == utf8::kMalformed) return false;
    i += ch.length;
  }
  return true;
}
