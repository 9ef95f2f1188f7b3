// Edit masks: parsing the mask and checking and formatting text against it.
#include "platform/controls/edit_mask.h"

#include <algorithm>

#include "platform/core/case_mapping.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/utf8_codec.h"

std::u32string ToCodePoints(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    utf8::DecodedChar d = utf8::DecodeAt(s, i);
    // A broken byte stays one character; it is kept as a replacement character.
    out.push_back(d.code == utf8::kMalformed ? U'\uFFFD' : d.code);
    i += d.length > 0 ? d.length : 1;
  }
  return out;
}

String FromCodePoints(std::u32string_view s) {
  String out;
  for (char32_t c : s) utf8::Append(out, c);
  return out;
}

namespace {

[[noreturn]] void InvalidMask(std::string_view mask, const char* why) {
  throw EConvertError("Invalid edit mask '" + String(mask) + "': " + why);
}

// Splits at ';' that no '\' escapes.
std::vector<std::u32string> SplitFields(const std::u32string& mask) {
  std::vector<std::u32string> fields(1);
  for (size_t i = 0; i < mask.size(); ++i) {
    if (mask[i] == U'\\' && i + 1 < mask.size()) {
      fields.back() += mask.substr(i, 2);
      ++i;
    } else if (mask[i] == U';') {
      fields.emplace_back();
    } else {
      fields.back() += mask[i];
    }
  }
  return fields;
}

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Latin letters, and letters and ideographs beyond ASCII (not their spaces and punctuation).
bool IsLetter(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')) return true;
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return false;
  if (c >= 0x2000 && c <= 0x206F) return false;  // general punctuation
  if (c >= 0x3000 && c <= 0x303F) return false;  // ideographic spaces and punctuation
  if (c >= 0xFF00 && c <= 0xFF20) return false;  // full-width punctuation
  return c != 0xFFFD;
}

bool Fits(char32_t kind, char32_t c) {
  switch (kind) {
    case U'L': case U'l': return IsLetter(c);
    case U'A': case U'a': return IsLetter(c) || IsDigit(c);
    case U'C': case U'c': return c >= 0x20 && c != 0xFFFD;
    case U'0': case U'9': return IsDigit(c);
    case U'#': return IsDigit(c) || c == U'+' || c == U'-';
    default: return false;
  }
}

bool IsPositionChar(char32_t c) {
  return c == U'L' || c == U'l' || c == U'A' || c == U'a' || c == U'C' || c == U'c' || c == U'0' ||
         c == U'9' || c == U'#';
}

}  // namespace

TEditMask::TEditMask(std::string_view mask) {
  std::u32string text = ToCodePoints(mask);
  std::vector<std::u32string> fields = SplitFields(text);
  if (fields.size() > 3) InvalidMask(mask, "more than three fields");
  if (fields.size() >= 2) {
    const std::u32string& save = fields[1];
    if (save.size() > 1 || (save.size() == 1 && save != U"0" && save != U"1"))
      InvalidMask(mask, "the second field must be 0 or 1");
    saveLiterals_ = save != U"0";
  }
  if (fields.size() == 3) {
    if (fields[2].size() > 1) InvalidMask(mask, "the blank must be one character");
    if (fields[2].size() == 1) blank_ = fields[2][0];
  }
  if (!ParsePositions(fields[0])) InvalidMask(mask, "nothing follows the last '\\'");
}

bool TEditMask::ParsePositions(std::u32string_view body) {
  TMaskCase caseRule = mcaseNone;
  for (size_t i = 0; i < body.size(); ++i) {
    char32_t c = body[i];
    TMaskPosition p;
    p.caseRule = caseRule;
    if (c == U'\\') {
      if (i + 1 >= body.size()) return false;
      p.literal = body[++i];
    } else if (c == U'!') {
      leadingBlanks_ = true;
      continue;
    } else if (c == U'<' && i + 1 < body.size() && body[i + 1] == U'>') {
      caseRule = mcaseNone;
      ++i;
      continue;
    } else if (c == U'>' || c == U'<') {
      caseRule = c == U'>' ? mcaseUpper : mcaseLower;
      continue;
    } else if (IsPositionChar(c)) {
      p.kind = c;
    } else if (c == U':') {
      p.literal = static_cast<unsigned char>(FormatSettings.TimeSeparator);
    } else if (c == U'/') {
      p.literal = static_cast<unsigned char>(FormatSettings.DateSeparator);
    } else {
      p.literal = c == U'_' ? U' ' : c;
    }
    positions_.push_back(p);
  }
  return true;
}

char32_t TEditMask::Accept(int index, char32_t c) const {
  if (index < 0 || index >= Length()) return 0;
  const TMaskPosition& p = At(index);
  if (p.IsLiteral() || !Fits(p.kind, c)) return 0;
  if (p.caseRule == mcaseUpper) return ToUpperChar(c);
  if (p.caseRule == mcaseLower) return ToLowerChar(c);
  return c;
}

int TEditMask::NextInput(int from) const {
  for (int i = std::max(0, from); i < Length(); ++i)
    if (!At(i).IsLiteral()) return i;
  return Length();
}

int TEditMask::PreviousInput(int from) const {
  for (int i = std::min(from, Length()) - 1; i >= 0; --i)
    if (!At(i).IsLiteral()) return i;
  return -1;
}

String TEditMask::EmptyEditText() const {
  std::u32string out;
  for (const TMaskPosition& p : positions_) out += p.IsLiteral() ? p.literal : blank_;
  return FromCodePoints(out);
}

String TEditMask::EditTextFrom(std::string_view value) const {
  std::u32string in = ToCodePoints(value);
  std::u32string out = ToCodePoints(EmptyEditText());
  int inputs = 0;
  for (const TMaskPosition& p : positions_) inputs += !p.IsLiteral();
  // Without literals, a short value fills the last positions when optional ones lead.
  size_t next = 0;
  int skip = (!saveLiterals_ && leadingBlanks_) ? std::max(0, inputs - static_cast<int>(in.size())) : 0;
  for (int i = 0; i < Length() && next < in.size(); ++i) {
    const TMaskPosition& p = At(i);
    if (p.IsLiteral()) {
      if (saveLiterals_ && in[next] == p.literal) ++next;
      continue;
    }
    if (skip > 0) {
      --skip;
      continue;
    }
    char32_t c = in[next++];
    if (char32_t accepted = Accept(i, c)) out[static_cast<size_t>(i)] = accepted;
  }
  return FromCodePoints(out);
}

String TEditMask::TextFrom(std::string_view editText) const {
  std::u32string in = ToCodePoints(editText);
  std::u32string out;
  for (int i = 0; i < Length() && i < static_cast<int>(in.size()); ++i) {
    const TMaskPosition& p = At(i);
    if (p.IsLiteral()) {
      if (saveLiterals_) out += p.literal;
    } else {
      out += in[static_cast<size_t>(i)] == blank_ ? U' ' : in[static_cast<size_t>(i)];
    }
  }
  return FromCodePoints(out);
}

String TEditMask::Formatted(std::string_view editText) const {
  std::u32string in = ToCodePoints(editText);
  for (int i = 0; i < Length() && i < static_cast<int>(in.size()); ++i)
    if (!At(i).IsLiteral() && in[static_cast<size_t>(i)] == blank_) in[static_cast<size_t>(i)] = U' ';
  return FromCodePoints(in);
}

int TEditMask::FirstMissing(std::string_view editText) const {
  std::u32string in = ToCodePoints(editText);
  for (int i = 0; i < Length(); ++i) {
    if (!At(i).Required()) continue;
    char32_t c = i < static_cast<int>(in.size()) ? in[static_cast<size_t>(i)] : blank_;
    if (c == blank_ || c == U' ') return i;
  }
  return -1;
}

String FormatMaskText(const String& editMask, const String& value) {
  TEditMask mask(editMask);
  return mask.Formatted(mask.EditTextFrom(value));
}
