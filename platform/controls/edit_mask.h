#pragma once

#include <string_view>
#include <vector>

#include "platform/core/strings.h"

// The class library's edit-mask language. A mask has up to three fields separated by ';':
// the positions, whether literals are kept in the value ('0': no, '1' or empty: yes) and the
// character that shows an empty position (default '_'). Position characters:
//   L letter, l optional letter, A letter or digit, a optional letter or digit, C any
//   character, c optional any character, 0 digit, 9 optional digit, # optional digit or sign;
//   : and / the locale's time and date separators, _ a space; anything else is a literal.
// Directives take no position: ! optional positions are leading blanks, > upper case and
// < lower case from here on (<> ends either), \ makes the next character a literal.
// Positions and texts count characters (code points), so a letter position takes 中.

enum TMaskCase : uint8_t { mcaseNone, mcaseUpper, mcaseLower };

struct TMaskPosition {
  char32_t literal = 0;  // the character shown at a literal position
  char32_t kind = 0;     // the position character at an input position (0 for literals)
  TMaskCase caseRule = mcaseNone;
  bool IsLiteral() const { return kind == 0; }
  bool Required() const { return kind == U'L' || kind == U'A' || kind == U'C' || kind == U'0'; }
};

class TEditMask {
 public:
  TEditMask() = default;
  // Raises EConvertError for a mask that cannot be read (a trailing '\', more than three
  // fields, a blank field of more than one character, a save field other than 0 or 1).
  explicit TEditMask(std::string_view mask);

  bool Empty() const { return positions_.empty(); }
  int Length() const { return static_cast<int>(positions_.size()); }
  const TMaskPosition& At(int index) const { return positions_.at(static_cast<size_t>(index)); }
  bool SaveLiterals() const { return saveLiterals_; }
  char32_t Blank() const { return blank_; }
  bool LeadingBlanks() const { return leadingBlanks_; }

  // The character to store when `c` is typed at input position `index` (its case rule
  // applied), or 0 when the position does not take it.
  char32_t Accept(int index, char32_t c) const;
  // The first input position at or after `from` (Length() when none), and the last one
  // before `from` (-1 when none).
  int NextInput(int from) const;
  int PreviousInput(int from) const;

  // What the control shows with nothing typed: literals and blanks.
  String EmptyEditText() const;
  // The shown text for a value given with literals (when they are saved) or without; a
  // character a position does not take leaves it blank.
  String EditTextFrom(std::string_view value) const;
  // The value of shown text: blanks become spaces, literals stay only when saved.
  String TextFrom(std::string_view editText) const;
  // Shown text with literals and blanks as spaces (what FormatMaskText answers).
  String Formatted(std::string_view editText) const;
  // The first required position left blank in shown text, or -1 when complete.
  int FirstMissing(std::string_view editText) const;

 private:
  // Answers false when a backslash ends the positions.
  bool ParsePositions(std::u32string_view body);
  std::vector<TMaskPosition> positions_;
  bool saveLiterals_ = true;
  bool leadingBlanks_ = false;
  char32_t blank_ = U'_';
};

// Code points of UTF-8 text (a broken byte counts as one character).
std::u32string ToCodePoints(std::string_view s);
String FromCodePoints(std::u32string_view s);

// Applies an edit mask to a value: "!\(999\)000-0000;0;_" and "5551234567" give
// "(555)123-4567".
String FormatMaskText(const String& editMask, const String& value);
