#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/classes/object_text.h"
#include "platform/core/strings.h"

// Splits the text form of a component stream into tokens: identifiers (dotted names joined),
// strings (adjacent 'quoted' parts and #nnn codes joined, decoded to UTF-8), integers, reals
// (with an optional S/C/D suffix for single, currency and date) and one-character symbols.
class TTextParser {
 public:
  enum TokenKind : uint8_t { tkEOF, tkSymbol, tkIdent, tkString, tkInteger, tkFloat };

  explicit TTextParser(std::string_view text);

  TokenKind Token() const { return kind_; }
  char Symbol() const { return symbol_; }
  const String& Text() const { return text_; }  // identifier, decoded string or number text
  int64_t Integer() const { return integer_; }
  double Float() const { return float_; }
  char FloatSuffix() const { return suffix_; }  // 0, 'S', 'C' or 'D'
  int Line() const { return tokenLine_; }

  void Next();
  bool IsSymbol(char c) const { return kind_ == tkSymbol && symbol_ == c; }
  bool IsIdent(std::string_view word) const;  // ignoring case
  void CheckSymbol(char c);                   // and moves past it
  String CheckIdent();                        // returns the identifier and moves past it
  // At a '{' token: reads hex digit pairs up to '}' and moves past it.
  std::vector<uint8_t> ReadHexBinary();
  [[noreturn]] void Error(std::string_view message) const;

 private:
  char Peek(size_t ahead = 0) const;
  void SkipBlanks();
  void ScanIdent();
  void ScanString();
  void ScanQuoted(String& out);
  void ScanCharCode(WideString& units);
  void ScanNumber();
  void ScanHexInteger();

  std::string_view source_;
  size_t pos_ = 0;
  int line_ = 1;
  int tokenLine_ = 1;
  TokenKind kind_ = tkEOF;
  char symbol_ = 0;
  String text_;
  int64_t integer_ = 0;
  double float_ = 0;
  char suffix_ = 0;
};
