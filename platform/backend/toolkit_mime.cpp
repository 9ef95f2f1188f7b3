// Clipboard and drag data between our data objects and the toolkit's typed data.
#include <cstring>

#include "platform/backend/toolkit_drag.h"

namespace {

constexpr const char* TextType = "text/plain";
constexpr const char* FormatPrefix = "application/x-clipboard-";

String TextOf(IDataObject& data) {
  TClipboardData bytes;
  if (DataObjectBytes(data, CF_UNICODETEXT, bytes)) return TextOfUnicodeBytes(bytes);
  if (DataObjectBytes(data, CF_TEXT, bytes)) return TextOfAnsiBytes(bytes);
  return {};
}

}  // namespace

String MimeTypeOfFormat(TClipboardFormat format) { return FormatPrefix + LowerCase(GetClipboardFormatName(format)); }

TMimeItems MimeItemsOf(IDataObject& data) {
  TMimeItems items;
  if (DataObjectHasFormat(data, CF_UNICODETEXT) || DataObjectHasFormat(data, CF_TEXT)) {
    String text = TextOf(data);
    items.emplace_back(TextType, TClipboardData(text.begin(), text.end()));
  }
  for (TClipboardFormat format : DataObjectFormats(data)) {
    if (format == CF_TEXT || format == CF_UNICODETEXT) continue;
    TClipboardData bytes;
    if (DataObjectBytes(data, format, bytes)) items.emplace_back(MimeTypeOfFormat(format), bytes);
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
