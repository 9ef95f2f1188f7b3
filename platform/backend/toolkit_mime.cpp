#include <cstring>

#include "platform/backend/toolkit_drag.h"

namespace {

constexpr const char* TextType = "text/plain";
constexpr const char* FormatPrefix = "application/x-clipboard-";

String TextOf(const IDataObject& data) {
  TClipboardData bytes;
  if (data.GetData(CF_UNICODETEXT, bytes)) return TextOfUnicodeBytes(bytes);
  if (data.GetData(CF_TEXT, bytes)) return TextOfAnsiBytes(bytes);
  return {};
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
      const String text(bytes.begin(), bytes.end());
      data->SetData(CF_UNICODETEXT, UnicodeTextBytes(text));
      data->SetData(CF_TEXT, AnsiTextBytes(text));
    } else if (type.rfind(FormatPrefix, 0) == 0) {
      data->SetData(RegisterClipboardFormat(type.substr(std::strlen(FormatPrefix))), bytes);
    }
  }
  return data;
}
