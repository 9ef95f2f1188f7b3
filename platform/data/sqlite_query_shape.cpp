// Reading the shape of a SQL query: which table and columns it reads.
#include "platform/data/sqlite_query_shape.h"

#include <vector>

namespace {

struct SqlWord {
  String upper;
  size_t start;
  int depth;  // parentheses around the word
};

bool IsWordStart(char c) {
  auto u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '_' || u >= 0x80;
}

bool IsWordChar(char c) { return IsWordStart(c) || (c >= '0' && c <= '9') || c == '$'; }

// The index after a literal or quoted name opened at `i`; a doubled closing quote is part of it.
size_t SkipQuoted(std::string_view sql, size_t i, char close) {
  for (++i; i < sql.size(); ++i) {
    if (sql[i] != close) continue;
    if (close != ']' && i + 1 < sql.size() && sql[i + 1] == close) {
      ++i;
      continue;
    }
    return i + 1;
  }
  return sql.size();
}

size_t SkipComment(std::string_view sql, size_t i) {
  bool line = sql.substr(i, 2) == "--";
  size_t end = sql.find(line ? "\n" : "*/", i + 2);
  return end == std::string_view::npos ? sql.size() : end + (line ? 1 : 2);
}

size_t SkipWord(std::string_view sql, size_t i) {
  while (i < sql.size() && IsWordChar(sql[i])) ++i;
  return i;
}

std::vector<SqlWord> Words(std::string_view sql) {
  std::vector<SqlWord> words;
  int depth = 0;
  for (size_t i = 0; i < sql.size();) {
    char c = sql[i];
    std::string_view two = sql.substr(i, 2);
    if (c == '\'' || c == '"' || c == '`') {
      i = SkipQuoted(sql, i, c);
    } else if (c == '[') {
      i = SkipQuoted(sql, i, ']');
    } else if (two == "--" || two == "/*") {
      i = SkipComment(sql, i);
    } else if (c == ';' && depth == 0) {
      break;
    } else if (IsWordStart(c)) {
      size_t end = SkipWord(sql, i);
      words.push_back({UpperCase(sql.substr(i, end - i)), i, depth});
      i = end;
    } else if (c >= '0' && c <= '9') {
      i = SkipWord(sql, i);  // a number, with its exponent or hex digits
    } else {
      depth += c == '(' ? 1 : (c == ')' ? -1 : 0);
      ++i;
    }
  }
  return words;
}

bool StartsWithSelect(const std::vector<SqlWord>& words) {
  return !words.empty() && words.front().upper == "SELECT";
}

}  // namespace

bool IsRowPerRowSelect(std::string_view sql) {
  std::vector<SqlWord> words = Words(sql);
  if (!StartsWithSelect(words)) return false;
  for (const SqlWord& w : words) {
    if (w.depth != 0) continue;
    for (const char* grouping : {"DISTINCT", "GROUP", "HAVING", "UNION", "INTERSECT", "EXCEPT"})
      if (w.upper == grouping) return false;
  }
  return true;
}

String WithTrailingColumn(std::string_view sql, std::string_view column) {
  std::vector<SqlWord> words = Words(sql);
  if (!StartsWithSelect(words)) return "";
  for (const SqlWord& w : words) {
    if (w.depth == 0 && w.upper == "FROM")
      return String(sql.substr(0, w.start)) + ", " + String(column) + " " + String(sql.substr(w.start));
  }
  return "";
}
