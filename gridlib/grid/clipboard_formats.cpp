// The texts the grid puts on the clipboard: tab-separated, CSV and rich text.
#include "gridlib/grid/clipboard_formats.h"

#include <optional>
#include <string>
#include <utility>

namespace {

// A rich-text table measures in twips: 15 to a pixel at the usual 96 pixels an inch.
constexpr int kTwipsPerPixel = 15;

String Joined(const std::vector<String>& cells, char separator, String (*quoted)(const String&)) {
  String line;
  for (size_t c = 0; c < cells.size(); ++c) {
    if (c > 0) line += separator;
    line += quoted(cells[c]);
  }
  return line + "\r\n";
}

// The text in double quotes, each of its own quotes doubled.
String InQuotes(const String& text) {
  String quoted = "\"";
  for (char c : text) quoted += c == '"' ? String("\"\"") : String(1, c);
  return quoted + "\"";
}

// As spreadsheets exchange it: a text holding a tab or a line break, or beginning with a
// quote, goes in quotes, so that it stays one cell.
String TabSeparatedField(const String& text) {
  const bool plain = text.find_first_of("\t\r\n") == String::npos && (text.empty() || text.front() != '"');
  return plain ? text : InQuotes(text);
}

String CsvField(const String& text) { return text.find_first_of(",\"\r\n") == String::npos ? text : InQuotes(text); }

// Rich text keeps ASCII as it is, but for its three control characters, and gives every
// other character as a signed 16-bit Unicode escape with a '?' for readers that skip them.
String RtfText(const String& text) {
  String out;
  for (char16_t unit : Utf8ToUtf16(text)) {
    if (unit == u'\\' || unit == u'{' || unit == u'}') {
      out += '\\';
      out += static_cast<char>(unit);
    } else if (unit == u'\t') {
      out += "\\tab ";
    } else if (unit == u'\n') {
      out += "\\line ";
    } else if (unit == u'\r') {
      continue;
    } else if (unit < 0x80) {
      out += static_cast<char>(unit);
    } else {
      out += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
    }
  }
  return out;
}

bool LineBreak(char c) { return c == '\r' || c == '\n'; }

// The quoted cell whose opening quote is at `start`: its text, and where the cell ends (just
// past the closing quote); nothing when no closing quote is followed by a tab, a line break or
// the end, as then the quote is the cell's own first character.
std::optional<std::pair<String, size_t>> QuotedCell(const String& text, size_t start) {
  String cell;
  for (size_t i = start + 1; i < text.size(); ++i) {
    if (text[i] != '"') {
      cell += text[i];
    } else if (i + 1 < text.size() && text[i + 1] == '"') {
      cell += '"';
      ++i;
    } else {
      const bool ends = i + 1 == text.size() || text[i + 1] == '\t' || LineBreak(text[i + 1]);
      return ends ? std::optional<std::pair<String, size_t>>({cell, i + 1}) : std::nullopt;
    }
  }
  return std::nullopt;
}

String RtfRow(const std::vector<String>& cells, const std::vector<int>& widths) {
  String row = "\\trowd\\trgaph60";
  int right = 0;
  for (size_t c = 0; c < cells.size(); ++c) {
    right += (c < widths.size() ? widths[c] : 64) * kTwipsPerPixel;
    row += "\\cellx" + std::to_string(right);
  }
  row += "\r\n";
  for (const String& cell : cells) row += "\\pard\\intbl " + RtfText(cell) + "\\cell\r\n";
  return row + "\\row\r\n";
}

}  // namespace

String TabSeparatedText(const TClipboardTextRows& rows) {
  String text;
  for (const auto& row : rows) text += Joined(row, '\t', TabSeparatedField);
  return text;
}

TClipboardTextRows ParseTabSeparatedText(const String& text) {
  TClipboardTextRows rows;
  std::vector<String> row;
  String cell;
  bool cellStart = true;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto quoted = cellStart && c == '"' ? QuotedCell(text, i) : std::nullopt;
    cellStart = false;
    if (quoted) {
      cell = quoted->first;
      i = quoted->second - 1;
    } else if (c == '\t' || LineBreak(c)) {
      row.push_back(std::exchange(cell, String()));
      cellStart = true;
      if (c == '\t') continue;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      rows.push_back(std::exchange(row, {}));
    } else {
      cell += c;
    }
  }
  // A last line without its break is a row too; nothing after the last break is none.
  if (!cellStart || !row.empty()) {
    row.push_back(cell);
    rows.push_back(row);
  }
  return rows;
}

String CommaSeparatedText(const TClipboardTextRows& rows) {
  String text;
  for (const auto& row : rows) text += Joined(row, ',', CsvField);
  return text;
}

String RichTextTable(const TClipboardTextRows& rows, const std::vector<int>& widths, const String& fontName) {
  String text = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 " + RtfText(fontName) + ";}}\r\n";
  for (const auto& row : rows) text += RtfRow(row, widths);
  return text + "}";
}
