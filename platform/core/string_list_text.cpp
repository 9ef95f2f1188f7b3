// TStrings as one text: lines, delimited items, files and streams.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/core/string_list.h"

namespace {

const std::string_view kLineBreak = "\r\n";
const std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// The spaces that split unquoted items: control characters and the space, not NUL, which a
// binary-safe item may hold.
bool IsSplittingSpace(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= ' ';
}

bool NeedsQuotes(std::string_view s, char delimiter, char quote, bool strict) {
  for (char c : s) {
    if (c == delimiter || c == quote || (!strict && static_cast<unsigned char>(c) <= ' ')) return true;
  }
  return false;
}

String JoinDelimited(const TStrings& strings, char delimiter, char quote, bool strict) {
  // A single empty item is written as a pair of quotes, else it would read back as no item.
  if (strings.Count() == 1 && strings.Strings(0).empty()) return String(2, quote);
  String out;
  for (int i = 0; i < strings.Count(); ++i) {
    if (i > 0) out += delimiter;
    const String s = strings.Strings(i);
    out += NeedsQuotes(s, delimiter, quote, strict) ? AnsiQuotedStr(s, quote) : s;
  }
  return out;
}

class DelimitedParser {
 public:
  DelimitedParser(std::string_view text, char delimiter, char quote, bool strict)
      : text_(text), delimiter_(delimiter), quote_(quote), strict_(strict) {}

  std::vector<String> Items() {
    std::vector<String> items;
    SkipSpaces();
    while (pos_ < text_.size()) {
      items.push_back(NextItem());
      SkipSpaces();
      if (pos_ < text_.size() && text_[pos_] == delimiter_) {
        ++pos_;
        // A delimiter at the very end stands before one more, empty, item.
        if (pos_ == text_.size()) items.emplace_back();
        SkipSpaces();
      }
    }
    return items;
  }

 private:
  void SkipSpaces() {
    while (!strict_ && pos_ < text_.size() && IsSplittingSpace(text_[pos_])) ++pos_;
  }

  String NextItem() {
    if (text_[pos_] == quote_) return AnsiExtractQuotedStr(text_, pos_, quote_);
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != delimiter_ && (strict_ || !IsSplittingSpace(text_[pos_]))) {
      ++pos_;
    }
    return String(text_.substr(start, pos_ - start));
  }

  std::string_view text_;
  char delimiter_;
  char quote_;
  bool strict_;
  size_t pos_ = 0;
};

void ReplaceWithItems(TStrings& strings, const std::vector<String>& items) {
  TStringsUpdateLock lock(strings);
  strings.Clear();
  for (const String& item : items) strings.Add(item);
}

}  // namespace

String TStrings::Text() const {
  String out;
  for (int i = 0; i < Count(); ++i) out.append(Strings(i)).append(kLineBreak);
  return out;
}

void TStrings::SetText(std::string_view text) {
  std::vector<String> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  ReplaceWithItems(*this, lines);
}

String TStrings::DelimitedText() const {
  return JoinDelimited(*this, delimiter_, quoteChar_, strictDelimiter_);
}

void TStrings::SetDelimitedText(std::string_view text) {
  ReplaceWithItems(*this, DelimitedParser(text, delimiter_, quoteChar_, strictDelimiter_).Items());
}

String TStrings::CommaText() const { return JoinDelimited(*this, ',', '"', false); }

void TStrings::SetCommaText(std::string_view text) {
  ReplaceWithItems(*this, DelimitedParser(text, ',', '"', false).Items());
}

void TStrings::LoadFromStream(TStream& stream) {
  const int64_t size = stream.Size() - stream.Position();
  String bytes(static_cast<size_t>(std::max<int64_t>(size, 0)), '\0');
  stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  std::string_view text(bytes);
  if (text.substr(0, kUtf8Bom.size()) == kUtf8Bom) text.remove_prefix(kUtf8Bom.size());
  SetText(text);
}

void TStrings::SaveToStream(TStream& stream) const {
  const String text = Text();
  stream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

void TStrings::LoadFromFile(const String& fileName) {
  TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(file);
}

void TStrings::SaveToFile(const String& fileName) const {
  TFileStream file(fileName, fmCreate);
  SaveToStream(file);
  file.Flush();
}
