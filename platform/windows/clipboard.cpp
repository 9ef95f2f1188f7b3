// The clipboard: formats, data and text.
#include "platform/windows/clipboard.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

struct TNamedFormat {
  TClipboardFormat format;
  String name;  // as first registered
};

// By upper-cased name.
std::map<String, TNamedFormat>& NamedFormats() {
  static std::map<String, TNamedFormat> formats;
  return formats;
}

std::unique_ptr<TClipboardService>& Installed() {
  static std::unique_ptr<TClipboardService> service = std::make_unique<TMemoryClipboard>();
  return service;
}

// Keeps the clipboard open while one setting writes its formats, and closes it however the
// writing ends, so that a failed write does not make later settings add instead of replace.
class TOpenScope {
 public:
  explicit TOpenScope(TClipboard& clipboard) : clipboard_(clipboard) { clipboard_.Open(); }
  ~TOpenScope() { clipboard_.Close(); }
  TOpenScope(const TOpenScope&) = delete;
  TOpenScope& operator=(const TOpenScope&) = delete;

 private:
  TClipboard& clipboard_;
};

}  // namespace

TClipboardData UnicodeTextBytes(const String& text) {
  const WideString wide = Utf8ToUtf16(text);
  TClipboardData data;
  data.reserve(wide.size() * 2 + 2);
  for (char16_t unit : wide) {
    data.push_back(static_cast<uint8_t>(unit & 0xFF));
    data.push_back(static_cast<uint8_t>(unit >> 8));
  }
  data.insert(data.end(), {0, 0});
  return data;
}

TClipboardData AnsiTextBytes(const String& text) {
  const String gbk = Utf8ToGbk(text);
  TClipboardData data(gbk.begin(), gbk.end());
  data.push_back(0);
  return data;
}

String TextOfUnicodeBytes(const TClipboardData& data) {
  WideString wide;
  for (size_t i = 0; i + 1 < data.size(); i += 2) {
    const auto unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    wide.push_back(unit);
  }
  return Utf16ToUtf8(wide);
}

String TextOfAnsiBytes(const TClipboardData& data) {
  const auto end = std::find(data.begin(), data.end(), uint8_t{0});
  return GbkToUtf8(std::string(data.begin(), end));
}

TClipboardFormat RegisterClipboardFormat(const String& name) {
  if (name.empty()) return 0;
  String key = UpperCase(name);
  auto& formats = NamedFormats();
  auto it = formats.find(key);
  if (it != formats.end()) return it->second.format;
  TClipboardFormat format = 0xC000 + static_cast<TClipboardFormat>(formats.size());
  formats.emplace(key, TNamedFormat{format, name});
  return format;
}

String GetClipboardFormatName(TClipboardFormat format) {
  for (const auto& [key, named] : NamedFormats())
    if (named.format == format) return named.name;
  switch (format) {
    case CF_TEXT: return "CF_TEXT";
    case CF_BITMAP: return "CF_BITMAP";
    case CF_UNICODETEXT: return "CF_UNICODETEXT";
    case CF_HDROP: return "CF_HDROP";
    default: return {};
  }
}

void TMemoryClipboard::SetData(TClipboardFormat format, const TClipboardData& data) {
  for (auto& entry : formats_) {
    if (entry.first == format) {
      entry.second = data;
      return;
    }
  }
  formats_.emplace_back(format, data);
}

bool TMemoryClipboard::GetData(TClipboardFormat format, TClipboardData& data) const {
  for (const auto& entry : formats_) {
    if (entry.first == format) {
      data = entry.second;
      return true;
    }
  }
  return false;
}

bool TMemoryClipboard::HasData(TClipboardFormat format) const {
  return std::any_of(formats_.begin(), formats_.end(), [format](const auto& e) { return e.first == format; });
}

TClipboardService& ClipboardService() { return *Installed(); }

void SetClipboardService(std::unique_ptr<TClipboardService> service) {
  Installed() = service ? std::move(service) : std::make_unique<TMemoryClipboard>();
}

void TClipboard::Open() {
  if (openCount_++ == 0) emptied_ = false;
}

void TClipboard::Close() {
  if (openCount_ > 0) --openCount_;
}

void TClipboard::Clear() { ClipboardService().Clear(); }

void TClipboard::Adding() {
  if (openCount_ > 0 && emptied_) return;
  ClipboardService().Clear();
  emptied_ = true;
}

bool TClipboard::HasFormat(TClipboardFormat format) const {
  const TClipboardService& s = ClipboardService();
  if (format == CF_TEXT || format == CF_UNICODETEXT) return s.HasData(CF_TEXT) || s.HasData(CF_UNICODETEXT);
  return s.HasData(format);
}

String TClipboard::AsText() const {
  TClipboardData data;
  if (ClipboardService().GetData(CF_UNICODETEXT, data)) return TextOfUnicodeBytes(data);
  if (ClipboardService().GetData(CF_TEXT, data)) return TextOfAnsiBytes(data);
  return {};
}

void TClipboard::SetAsText(const String& text) {
  TOpenScope open(*this);
  Adding();
  ClipboardService().SetData(CF_TEXT, AnsiTextBytes(text));
  ClipboardService().SetData(CF_UNICODETEXT, UnicodeTextBytes(text));
}

void TClipboard::SetBuffer(TClipboardFormat format, const void* data, size_t size) {
  TOpenScope open(*this);
  Adding();
  TClipboardData bytes(size);
  if (size) std::memcpy(bytes.data(), data, size);
  ClipboardService().SetData(format, bytes);
}

TClipboardData TClipboard::GetBuffer(TClipboardFormat format) const {
  TClipboardData data;
  ClipboardService().GetData(format, data);
  return data;
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}
