// Names and values of published enumerations.
#include "platform/classes/enum_info.h"

#include "platform/core/exceptions.h"

TEnumInfo::TEnumInfo(String typeName, std::initializer_list<const char*> names)
    : typeName_(std::move(typeName)), names_(names.begin(), names.end()) {}

const String& TEnumInfo::Name(int value) const {
  static const String kNone;
  if (value < 0 || value >= Count()) return kNone;
  return names_[value];
}

int TEnumInfo::Value(std::string_view name) const {
  for (int i = 0; i < Count(); ++i)
    if (SameText(names_[i], name)) return i;
  return -1;
}

String SetToString(const TEnumInfo& info, uint64_t mask, bool brackets) {
  String text;
  for (int i = 0; i < info.Count() && i < 64; ++i) {
    if ((mask & (uint64_t{1} << i)) == 0) continue;
    if (!text.empty()) text += ',';
    text += info.Name(i);
  }
  return brackets ? "[" + text + "]" : text;
}

uint64_t StringToSet(const TEnumInfo& info, std::string_view text) {
  String body = Trim(text);
  if (!body.empty() && body.front() == '[') {
    if (body.back() != ']') throw EPropertyError("Invalid property element: " + body);
    body = body.substr(1, body.size() - 2);
  }
  uint64_t mask = 0;
  size_t start = 0;
  while (start <= body.size()) {
    size_t comma = body.find(',', start);
    if (comma == String::npos) comma = body.size();
    String name = Trim(std::string_view(body).substr(start, comma - start));
    start = comma + 1;
    if (name.empty()) continue;
    int value = info.Value(name);
    if (value < 0 || value >= 64) throw EPropertyError("Invalid property element: " + name);
    mask |= uint64_t{1} << value;
  }
  return mask;
}

const TEnumInfo& BooleanEnumInfo() {
  static const TEnumInfo info("Boolean", {"False", "True"});
  return info;
}
