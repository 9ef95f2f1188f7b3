// The tokenizer of text layouts: identifiers, numbers, strings and binary data.
#include "platform/classes/stream_text_parser.h"

#include <cctype>
#include <charconv>
#include <string>

namespace {

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

TTextParser::TTextParser(std::string_view text) : source_(text) {
  if (source_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;  // a UTF-8 byte-order mark
  Next();
}

char TTextParser::Peek(size_t ahead) const {
  return pos_ + ahead < source_.size() ? source_[pos_ + ahead] : '\0';
}

void TTextParser::Error(std::string_view message) const {
  throw EParserError(String(message) + " on line " + std::to_string(tokenLine_));
}

bool TTextParser::IsIdent(std::string_view word) const {
  return kind_ == tkIdent && SameText(text_, word);
}

void TTextParser::CheckSymbol(char c) {
  if (!IsSymbol(c)) Error(std::string("'") + c + "' expected");
  Next();
}

String TTextParser::CheckIdent() {
  if (kind_ != tkIdent) Error("Identifier expected");
  String ident = text_;
  Next();
  return ident;
}

void TTextParser::SkipBlanks() {
  while (pos_ < source_.size() && static_cast<unsigned char>(source_[pos_]) <= ' ') {
    if (source_[pos_] == '\n') ++line_;
    ++pos_;
  }
}

void TTextParser::Next() {
  SkipBlanks();
  tokenLine_ = line_;
  text_.clear();
  suffix_ = 0;
  const char c = Peek();
  if (pos_ >= source_.size()) {
    kind_ = tkEOF;
  } else if (IsIdentStart(c)) {
    ScanIdent();
  } else if (c == '\'' || c == '#') {
    ScanString();
  } else if (IsDigit(c) || ((c == '-' || c == '+') && IsDigit(Peek(1)))) {
    ScanNumber();
  } else if (c == '$') {
    ScanHexInteger();
  } else {
    kind_ = tkSymbol;
    symbol_ = c;
    ++pos_;
  }
}

void TTextParser::ScanIdent() {
  kind_ = tkIdent;
  const size_t start = pos_;
  while (IsIdentChar(Peek()) || (Peek() == '.' && IsIdentStart(Peek(1)))) ++pos_;
  text_.assign(source_.substr(start, pos_ - start));
  // Names are stored with a one-byte length.
  if (text_.size() > 255) Error("Identifier longer than 255 characters");
}

void TTextParser::ScanString() {
  kind_ = tkString;
  WideString units;
  while (Peek() == '\'' || Peek() == '#') {
    if (Peek() == '#') {
      ScanCharCode(units);
      continue;
    }
    text_ += Utf16ToUtf8(units);
    units.clear();
    ScanQuoted(text_);
  }
  text_ += Utf16ToUtf8(units);
}

void TTextParser::ScanQuoted(String& out) {
  ++pos_;  // opening quote
  for (;;) {
    const char c = Peek();
    if (pos_ >= source_.size() || c == '\n' || c == '\r') Error("Unterminated string");
    ++pos_;
    if (c != '\'') {
      out += c;
    } else if (Peek() == '\'') {
      out += '\'';
      ++pos_;
    } else {
      return;
    }
  }
}

// #nnn (decimal) or #$hh (hex) is one UTF-16 unit, or a code point beyond the 16-bit range.
void TTextParser::ScanCharCode(WideString& units) {
  ++pos_;  // '#'
  const bool hex = Peek() == '$';
  if (hex) ++pos_;
  uint32_t code = 0;
  size_t digits = 0;
  for (int d; (d = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0; ++pos_) {
    code = code * (hex ? 16 : 10) + static_cast<uint32_t>(d);
    if (code > 0x10FFFF) Error("Character code out of range");
    ++digits;
  }
  if (digits == 0) Error("Character code expected after '#'");
  if (code <= 0xFFFF) {
    units += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    units += static_cast<char16_t>(0xD800 + (code >> 10));
    units += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  }
}

void TTextParser::ScanNumber() {
  const size_t start = pos_;
  if (Peek() == '-' || Peek() == '+') ++pos_;
  while (IsDigit(Peek())) ++pos_;
  bool real = false;
  if (Peek() == '.' && IsDigit(Peek(1))) {
    real = true;
    for (++pos_; IsDigit(Peek());) ++pos_;
  }
  if ((Peek() == 'e' || Peek() == 'E') &&
      (IsDigit(Peek(1)) || ((Peek(1) == '-' || Peek(1) == '+') && IsDigit(Peek(2))))) {
    real = true;
    pos_ += 2;
    while (IsDigit(Peek())) ++pos_;
  }
  text_.assign(source_.substr(start, pos_ - start));
  const char* first = text_.c_str() + (text_[0] == '+' ? 1 : 0);
  const char* last = text_.c_str() + text_.size();
  const char suffix = static_cast<char>(std::toupper(static_cast<unsigned char>(Peek())));
  if ((suffix == 'S' || suffix == 'C' || suffix == 'D') && !IsIdentChar(Peek(1))) {
    suffix_ = suffix;
    real = true;
    ++pos_;
  }
  if (IsIdentChar(Peek())) Error("Invalid number '" + text_ + Peek() + "'");
  kind_ = real ? tkFloat : tkInteger;
  const auto result = real ? std::from_chars(first, last, float_) : std::from_chars(first, last, integer_);
  if (result.ec != std::errc() || result.ptr != last) Error("Number out of range: " + text_);
}

void TTextParser::ScanHexInteger() {
  ++pos_;  // '$'
  const size_t start = pos_;
  while (HexValue(Peek()) >= 0) ++pos_;
  text_.assign(source_.substr(start, pos_ - start));
  uint64_t value = 0;
  const auto result = std::from_chars(text_.data(), text_.data() + text_.size(), value, 16);
  if (text_.empty() || result.ec != std::errc()) Error("Invalid hex number '$" + text_ + "'");
  kind_ = tkInteger;
  integer_ = static_cast<int64_t>(value);
}

std::vector<uint8_t> TTextParser::ReadHexBinary() {
  std::vector<uint8_t> bytes;
  int high = -1;
  for (;; ++pos_) {
    const char c = Peek();
    if (pos_ >= source_.size()) Error("'}' expected");
    if (c == '}') break;
    if (c == '\n') ++line_;
    if (static_cast<unsigned char>(c) <= ' ') continue;
    const int digit = HexValue(c);
    if (digit < 0) Error(std::string("Invalid binary value '") + c + "'");
    if (high < 0) {
      high = digit;
    } else {
      bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  if (high >= 0) Error("Odd number of hex digits in binary value");
  ++pos_;  // '}'
  Next();
  return bytes;
}
