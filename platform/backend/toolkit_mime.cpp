#include <algorithm>
#include <cstring>

#include "platform/backend/toolkit_drag.h"

namespace {

constexpr const char* TextType = "text/plain";
constexpr const char* FormatPrefix = "application/x-clipboard-";

String TextOf(const IDataObject& data) {
  TClipboardData bytes;
  if (data.GetData(CF_UNICODETEXT, bytes)) {
    std::u16string wide;
    for (size_t i = 0; i + 1 < bytes.size() && (bytes[i] | bytes[i + 1]); i += 2)
      wide.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    return Utf16ToUtf8(wide);
  }
  if (data.GetData(CF_TEXT, bytes)) return GbkToUtf8(String(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0)));
  return {};
}

TClipboardData Utf16Bytes(const String& text) {
  TClipboardData bytes;
  for (char16_t unit : Utf8ToUtf16(text)) {
    bytes.push_back(static_cast<uint8_t>(unit & 0xFF));
    bytes.push_back(static_cast<uint8_t>(unit >> 8));
  }
  bytes.insert(bytes.end(), {0, 0});
  return bytes;
}

}  // namespace

String MimeTypeOfFormat(TClipboardFormat format) { return FormatPrefix + LowerCase(GetClipboardFormatName(format)); }

TMimeItems MimeItemsOf(const IDataObject& data) {
  TMimeItems items;
  if (data.QueryGetData(CF_UNICODETEXT) || data.QueryGetData(CF_TEXT)) {
    String text = TextOf(data);
    items.emplace_back(TextType, TClipboardData(text.begin(), text.end()));
  }
  for (TClipboardFormat format : data.Formats()) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) continue;
    TClipboardData bytes;
    if (data.GetData(format, bytes)) items.emplace_back(MimeTypeOfFormat(format), bytes);
  }
  return items;
}

std::unique_ptr<TDataObject> DataObjectOf(const TMimeItems& items) {
  auto data = std::make_unique<TDataObject>();
  for (const auto& [type, bytes] : items) {
    if (type == TextType) {
      String text(bytes.begin(), bytes.end());
      String gbk = Utf8ToGbk(text);
      TClipboardData ansi(gbk.begin(), gbk.end());
      ansi.push_back(0);
      data->SetData(CF_UNICODETEXT, Utf16Bytes(text));
      data->SetData(CF_TEXT, ansi);
    } else if (type.rfind(FormatPrefix, 0) == 0) {
      data->SetData(RegisterClipboardFormat(type.substr(std::strlen(FormatPrefix))), bytes);
    }
  }
  return data;
}
