// The texts the grid puts on the clipboard: tab-separated, CSV and rich text.
#include "gridlib/grid/clipboard_formats.h"

#include <string>

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

String AsItIs(const String& text) { return text; }

String CsvField(const String& text) {
  if (text.find_first_of(",\"\r\n") == String::npos) return text;
  String quoted = "\"";
  for (char c : text) quoted += c == '"' ? String("\"\"") : String(1, c);
  return quoted + "\"";
}

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
  for (const auto& row : rows) text += Joined(row, '\t', AsItIs);
  return text;
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
