// FormatFloat masks: digit placeholders "0" and "#", "." and ",", up to three sections
// (positive;negative;zero), quoted literals and "E+00"-style exponents.
#include <algorithm>
#include <vector>

#include "platform/core/number_text.h"

namespace {

struct MaskToken {
  enum Kind { kLiteral, kDigit, kPoint, kComma, kExponent } kind;
  std::string_view text;  // literal text; for an exponent "E+" or "e-"
  char placeholder = 0;   // '0' or '#'
  int expDigits = 0;      // zeros after the exponent sign
};

struct MaskLayout {
  int intCount = 0;   // placeholders before the point
  int minInt = 0;     // integer digits always shown (from the first '0')
  int decCount = 0;   // placeholders after the point
  int minDec = 0;     // decimals always shown (up to the last '0')
  bool thousands = false;
  const MaskToken* exponent = nullptr;
};

std::vector<std::string_view> SplitSections(std::string_view mask) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < mask.size() && sections.size() < 2; ++i) {
    char c = mask[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '\'' || c == '"') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(mask.substr(start, i - start));
      start = i + 1;
    }
  }
  std::string_view rest = mask.substr(start);
  if (sections.size() == 2) rest = rest.substr(0, rest.find(';'));  // a fourth section is ignored
  sections.push_back(rest);
  return sections;
}

size_t ReadExponent(std::string_view s, size_t i, std::vector<MaskToken>& out) {
  MaskToken t{MaskToken::kExponent, s.substr(i, 2)};
  i += 2;
  while (i < s.size() && s[i] == '0') {
    ++t.expDigits;
    ++i;
  }
  out.push_back(t);
  return i;
}

std::vector<MaskToken> Tokenize(std::string_view s) {
  std::vector<MaskToken> out;
  bool seenPoint = false, seenExponent = false;
  size_t i = 0;
  while (i < s.size()) {
    char c = s[i];
    if (c == '\'' || c == '"') {
      size_t close = s.find(c, i + 1);
      size_t end = close == std::string_view::npos ? s.size() : close;
      out.push_back({MaskToken::kLiteral, s.substr(i + 1, end - i - 1)});
      i = end + 1;
      continue;
    }
    bool expAhead = (c == 'E' || c == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
    if (expAhead && !seenExponent) {
      seenExponent = true;
      i = ReadExponent(s, i, out);
      continue;
    }
    if ((c == '0' || c == '#') && !seenExponent) {
      out.push_back({MaskToken::kDigit, {}, c});
    } else if (c == '.') {
      if (!seenPoint) out.push_back({MaskToken::kPoint, {}});
      seenPoint = true;
    } else if (c == ',') {
      out.push_back({MaskToken::kComma, {}});
    } else if (c != '0' && c != '#') {  // placeholders after the exponent show nothing
      out.push_back({MaskToken::kLiteral, s.substr(i, 1)});
    }
    ++i;
  }
  return out;
}

MaskLayout LayoutOf(const std::vector<MaskToken>& tokens) {
  MaskLayout l;
  bool afterPoint = false;
  int firstZero = -1;
  for (const MaskToken& t : tokens) {
    if (t.kind == MaskToken::kPoint) afterPoint = true;
    if (t.kind == MaskToken::kComma) l.thousands = true;
    if (t.kind == MaskToken::kExponent) l.exponent = &t;
    if (t.kind != MaskToken::kDigit) continue;
    if (afterPoint) {
      ++l.decCount;
      if (t.placeholder == '0') l.minDec = l.decCount;
    } else {
      if (t.placeholder == '0' && firstZero < 0) firstZero = l.intCount;
      ++l.intCount;
    }
  }
  if (firstZero >= 0) l.minInt = l.intCount - firstZero;
  return l;
}

void RoundFor(const MaskLayout& l, DecimalNumber& d) {
  if (l.exponent) {
    d.RoundToSignificant(std::max(l.intCount + l.decCount, 1));
  } else {
    d.RoundToDecimals(l.decCount);
  }
}

// Writes the digits of a rounded value into the places its mask gives them.
class MaskWriter {
 public:
  MaskWriter(const MaskLayout& l, const DecimalNumber& d) : layout_(l) {
    int exponent = 0;
    if (l.exponent && !d.IsZero()) {
      exponent = d.exponent - l.intCount;
      intDigits_ = d.digits.substr(0, l.intCount);
      intDigits_.resize(l.intCount, '0');
      DecimalNumber mantissa = d;
      mantissa.exponent = l.intCount;
      fracDigits_ = FractionDigits(mantissa, l.decCount);
    } else if (!l.exponent) {
      intDigits_ = IntegerDigits(d);
      fracDigits_ = FractionDigits(d, l.decCount);
    }
    if (static_cast<int>(intDigits_.size()) < l.minInt) intDigits_.insert(0, l.minInt - intDigits_.size(), '0');
    fracDigits_.resize(l.decCount, '0');
    while (static_cast<int>(fracDigits_.size()) > l.minDec && fracDigits_.back() == '0') fracDigits_.pop_back();
    if (l.exponent) expText_ = ExponentText(l.exponent->text[0], exponent, l.exponent->text[1] == '+', l.exponent->expDigits);
  }

  String Write(const std::vector<MaskToken>& tokens) {
    for (const MaskToken& t : tokens) {
      switch (t.kind) {
        case MaskToken::kLiteral: out_ += t.text; break;
        case MaskToken::kDigit: WriteDigit(); break;
        case MaskToken::kPoint: WritePoint(); break;
        case MaskToken::kComma: break;
        case MaskToken::kExponent: out_ += expText_; break;
      }
    }
    return out_;
  }

 private:
  void WriteDigit() {
    if (pointWritten_) {
      if (decWritten_ < static_cast<int>(fracDigits_.size())) out_ += fracDigits_[decWritten_];
      ++decWritten_;
      return;
    }
    int length = static_cast<int>(intDigits_.size());
    int place = layout_.intCount - intWritten_;  // 1 = units
    if (intWritten_ == 0) {
      for (int p = length; p > place; --p) WriteIntDigit(p);  // digits the mask has no room for
    }
    if (place <= length) WriteIntDigit(place);
    ++intWritten_;
  }

  void WriteIntDigit(int place) {
    out_ += intDigits_[intDigits_.size() - place];
    if (layout_.thousands && place > 1 && (place - 1) % 3 == 0) out_ += FormatSettings.ThousandSeparator;
  }

  void WritePoint() {
    if (layout_.intCount == 0) {
      for (int p = static_cast<int>(intDigits_.size()); p >= 1; --p) WriteIntDigit(p);
    }
    if (!fracDigits_.empty()) out_ += FormatSettings.DecimalSeparator;
    pointWritten_ = true;
  }

  const MaskLayout& layout_;
  String intDigits_, fracDigits_, expText_, out_;
  int intWritten_ = 0, decWritten_ = 0;
  bool pointWritten_ = false;
};

String WriteSection(std::string_view section, DecimalNumber d) {
  std::vector<MaskToken> tokens = Tokenize(section);
  MaskLayout layout = LayoutOf(tokens);
  RoundFor(layout, d);
  return MaskWriter(layout, d).Write(tokens);
}

}  // namespace

String FormatDecimalMask(std::string_view mask, const DecimalNumber& value) {
  std::vector<std::string_view> sections = SplitSections(mask);
  auto usable = [&](size_t i) { return i < sections.size() && !sections[i].empty(); };
  bool ownNegative = value.negative && usable(1);
  std::string_view section = value.IsZero() && usable(2) ? sections[2] : ownNegative ? sections[1] : sections[0];

  std::vector<MaskToken> tokens = Tokenize(section);
  MaskLayout layout = LayoutOf(tokens);
  DecimalNumber rounded = value;
  RoundFor(layout, rounded);
  if (rounded.IsZero()) {
    // A value that rounds to nothing shows as zero does, never as "-0".
    return WriteSection(usable(2) ? sections[2] : sections[0], DecimalNumber{});
  }
  String body = MaskWriter(layout, rounded).Write(tokens);
  return value.negative && !ownNegative ? "-" + body : body;
}
