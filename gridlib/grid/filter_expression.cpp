// Reading and writing the filter row's expressions.
#include "gridlib/grid/filter_expression.h"

#include <charconv>
#include <cmath>

#include "gridlib/grid/grid_texts.h"
#include "platform/core/format.h"
#include "platform/data/sqlite_values.h"

namespace {

struct OperatorSign {
  std::string_view sign;
  TSTFilterOperatorEx op;
};

// Two-character signs first, so that ">=" is not read as ">".
constexpr OperatorSign kSigns[] = {
    {">=", foGreaterOrEqualEx}, {"<=", foLessOrEqualEx}, {"<>", foNotEqualEx}, {"!~", foNotLikeEx},
    {"=", foEqualEx},           {">", foGreaterEx},      {"<", foLessEx},      {"~", foLikeEx},
};

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

class FilterTextReader {
 public:
  FilterTextReader(std::string_view text, TSTFilterValueKindEx kind) : text_(text), kind_(kind) {}

  TSTFilterExpressionEx Read() {
    TSTFilterExpressionEx expression;
    expression.ExpressionType = kind_;
    SkipSpaces();
    if (AtEnd()) return expression;
    ReadPart(expression.Operator1, expression.Operand1);
    SkipSpaces();
    if (AtEnd()) return expression;
    if (AtWord("AND")) expression.Relation = foAndEx;
    else if (AtWord("OR")) expression.Relation = foOrEx;
    else Fail(grid_texts::SFilterAndOrExpected, at_);
    at_ += expression.Relation == foAndEx ? 3 : 2;
    ReadPart(expression.Operator2, expression.Operand2);
    SkipSpaces();
    if (!AtEnd()) Fail(grid_texts::SFilterUnexpectedText, at_);
    return expression;
  }

 private:
  [[noreturn]] void Fail(const String& problem, size_t at) const {
    const int position = at >= text_.size() ? CharLength(text_) + 1 : ByteToCharIndex(text_, at) + 1;
    throw EFilterExpressionError(problem, position);
  }

  bool AtEnd() const { return at_ >= text_.size(); }
  void SkipSpaces() {
    while (!AtEnd() && IsSpace(text_[at_])) ++at_;
  }
  // The word in any case, ending the text or followed by a space, a bracket or a quote.
  bool AtWord(std::string_view word, size_t from) const {
    if (from + word.size() > text_.size() || !SameText(text_.substr(from, word.size()), word)) return false;
    const size_t after = from + word.size();
    return after == text_.size() || IsSpace(text_[after]) || text_[after] == '(' || text_[after] == '\'';
  }
  bool AtWord(std::string_view word) const { return AtWord(word, at_); }
  // "In" or "!In" counts as the list operator only before an opening bracket.
  bool AtListWord(std::string_view word) const {
    if (!AtWord(word)) return false;
    size_t after = at_ + word.size();
    while (after < text_.size() && IsSpace(text_[after])) ++after;
    return after < text_.size() && text_[after] == '(';
  }

  void ReadPart(TSTFilterOperatorEx& op, Variant& operand) {
    SkipSpaces();
    if (AtListWord("!In") || AtListWord("In")) {
      op = text_[at_] == '!' ? foNotInEx : foInEx;
      at_ += op == foNotInEx ? 3 : 2;
      operand = ReadList();
      return;
    }
    op = ReadSign();
    SkipSpaces();
    if (AtWord("Null")) {
      if (op != foNoneEx && op != foEqualEx && op != foNotEqualEx) Fail(grid_texts::SFilterNullOperator, at_);
      op = op == foNotEqualEx ? foNotNullEx : foNullEx;
      at_ += 4;
      operand = Variant::Null();
      return;
    }
    if (op == foNoneEx) op = foEqualEx;
    operand = ReadValue(false, op == foLikeEx || op == foNotLikeEx);
  }

  TSTFilterOperatorEx ReadSign() {
    for (const OperatorSign& s : kSigns) {
      if (text_.substr(at_, s.sign.size()) != s.sign) continue;
      at_ += s.sign.size();
      return s.op;
    }
    return foNoneEx;
  }

  Variant ReadList() {
    SkipSpaces();
    if (AtEnd() || text_[at_] != '(') Fail(grid_texts::SFilterOpenParenExpected, at_);
    ++at_;
    Variant::Array items;
    for (;;) {
      items.push_back(ReadValue(true, false));
      SkipSpaces();
      if (!AtEnd() && text_[at_] == ',') {
        ++at_;
        continue;
      }
      if (!AtEnd() && text_[at_] == ')') break;
      Fail(grid_texts::SFilterCommaOrCloseExpected, at_);
    }
    ++at_;
    return Variant::FromArray(std::move(items));
  }

  Variant ReadValue(bool inList, bool asText) {
    SkipSpaces();
    const size_t start = at_;
    const bool quoted = !AtEnd() && text_[at_] == '\'';
    const String raw = quoted ? ReadQuoted() : ReadBare(inList, asText);
    if (!quoted && raw.empty()) Fail(grid_texts::SFilterValueExpected, start);
    return asText ? Variant(raw) : Convert(raw, start);
  }

  String ReadQuoted() {
    const size_t start = at_++;
    String value;
    for (;;) {
      const size_t quote = text_.find('\'', at_);
      if (quote == std::string_view::npos) Fail(grid_texts::SFilterQuoteMissing, start);
      value.append(text_.substr(at_, quote - at_));
      at_ = quote + 1;
      if (AtEnd() || text_[at_] != '\'') return value;
      value += '\'';
      ++at_;
    }
  }

  // Text runs to the next AND or OR; in a list to the next "," or ")"; other values end at a
  // space.
  String ReadBare(bool inList, bool asText) {
    const size_t start = at_;
    const bool text = asText || kind_ == fvkNoneEx || kind_ == fvkStringEx;
    while (!AtEnd()) {
      const char c = text_[at_];
      if (inList ? (c == ',' || c == ')') : (!text && IsSpace(c))) break;
      if (!inList && text && IsSpace(c) && RelationFollows()) break;
      ++at_;
    }
    return Trim(text_.substr(start, at_ - start));
  }

  bool RelationFollows() const {
    size_t word = at_;
    while (word < text_.size() && IsSpace(text_[word])) ++word;
    return AtWord("AND", word) || AtWord("OR", word);
  }

  Variant Convert(const String& raw, size_t at) const {
    switch (kind_) {
      case fvkNumericEx: {
        double value = 0;
        const char* end = raw.data() + raw.size();
        const char* first = !raw.empty() && raw[0] == '+' ? raw.data() + 1 : raw.data();
        auto [stop, error] = std::from_chars(first, end, value);
        if (error != std::errc() || stop != end || !std::isfinite(value)) Fail(Format(grid_texts::SFilterNotANumber, {raw}), at);
        return Variant(value);
      }
      case fvkDateTimeEx: {
        TDateTime value = 0;
        if (!ParseIsoDateTime(raw, value)) Fail(Format(grid_texts::SFilterNotADate, {raw}), at);
        return Variant::FromDateTime(value);
      }
      case fvkBooleanEx:
        if (SameText(raw, "True")) return Variant(true);
        if (SameText(raw, "False")) return Variant(false);
        Fail(Format(grid_texts::SFilterNotABoolean, {raw}), at);
      default: return Variant(raw);
    }
  }

  std::string_view text_;
  TSTFilterValueKindEx kind_;
  size_t at_ = 0;
};

String NumberText(const Variant& value) {
  const TVarType type = value.VarType();
  if (type == varInteger || type == varInt64 || type == varSmallint || type == varByte ||
      type == varShortInt || type == varWord || type == varLongWord)
    return IntToStr(value.AsInt64());
  char digits[32];
  auto [end, error] = std::to_chars(digits, digits + sizeof digits, value.AsDouble());
  return error == std::errc() ? String(digits, end) : String("0");
}

}  // namespace

EFilterExpressionError::EFilterExpressionError(const String& problem, int position)
    : Exception(Format(grid_texts::SFilterErrorAt, {problem, position})), position_(position) {}

void ParseFilterCellText(const String& text, TSTFilterExpressionEx& expression) {
  expression = FilterTextReader(text, expression.ExpressionType).Read();
}

void ResetFilterExpression(TSTFilterExpressionEx& expression) {
  expression.Operator1 = foNoneEx;
  expression.Relation = foNoneEx;
  expression.Operator2 = foNoneEx;
  expression.Operand1 = Variant::Null();
  expression.Operand2 = Variant::Null();
}

String FilterOperatorWord(TSTFilterOperatorEx op) {
  switch (op) {
    case foEqualEx: return "=";
    case foNotEqualEx: return "<>";
    case foGreaterEx: return ">";
    case foLessEx: return "<";
    case foGreaterOrEqualEx: return ">=";
    case foLessOrEqualEx: return "<=";
    case foLikeEx: return "~";
    case foNotLikeEx: return "!~";
    case foInEx: return "In";
    case foNotInEx: return "!In";
    case foNullEx:
    case foNotNullEx: return "Null";
    case foAndEx: return "AND";
    case foOrEx: return "OR";
    default: return "";
  }
}

String QuotedFilterValue(const Variant& value) {
  if (value.VarType() == varBoolean) return value.AsBoolean() ? "True" : "False";
  if (value.IsNumeric()) return NumberText(value);
  if (value.VarType() == varDate) {
    const TDateTime when = value.AsDateTime();
    return "'" + IsoDateTimeText(when == std::floor(when) ? ftDate : ftDateTime, when) + "'";
  }
  return "'" + StringReplaceAll(VarToStr(value), "'", "''") + "'";
}

String FilterPartText(TSTFilterOperatorEx op, const Variant& operand) {
  if (op == foNullEx) return "=Null";
  if (op == foNotNullEx) return "<>Null";
  if (op == foInEx || op == foNotInEx) {
    String list;
    const Variant::Array items = operand.IsArray() ? operand.AsArray() : Variant::Array{operand};
    for (const Variant& item : items) list += (list.empty() ? "" : ",") + QuotedFilterValue(item);
    return FilterOperatorWord(op) + " (" + list + ")";
  }
  return FilterOperatorWord(op) + " " + QuotedFilterValue(operand);
}

String FilterExpressionText(const TSTFilterExpressionEx& expression) {
  if (expression.ExpressionType == fvkNoneEx || expression.Operator1 == foNoneEx) return String();
  String text = FilterPartText(expression.Operator1, expression.Operand1);
  if (expression.Relation == foNoneEx) return text;
  return text + " " + FilterOperatorWord(expression.Relation) + " " +
         FilterPartText(expression.Operator2, expression.Operand2);
}
