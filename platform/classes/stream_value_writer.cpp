// TWriter: the typed values of a component stream.
#include <array>
#include <cstring>
#include <limits>
#include <string>

#include "platform/classes/filer.h"
#include "platform/classes/stream_extended.h"
#include "platform/core/exceptions.h"

namespace {

bool IsAscii(std::string_view s) {
  for (unsigned char c : s) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

void TWriter::WriteBytes(const void* data, int64_t count) { stream_.WriteBuffer(data, count); }

void TWriter::WriteValue(TValueType value) {
  const auto b = static_cast<uint8_t>(value);
  WriteBytes(&b, 1);
}

namespace {

template <typename T>
std::array<uint8_t, sizeof(T)> LittleEndianBytes(T value) {
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof(T));
  std::array<uint8_t, sizeof(T)> bytes{};
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(bits >> (8 * i));
  return bytes;
}

template <typename T>
bool Fits(int64_t value) {
  return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
}

}  // namespace

void TWriter::WriteLength(uint64_t length) {
  if (length > UINT32_MAX) throw EWriteError("Stream write error: value longer than 4 GB");
  WriteBytes(LittleEndianBytes(static_cast<uint32_t>(length)).data(), 4);
}

void TWriter::WriteInteger(int64_t value) {
  if (Fits<int8_t>(value)) {
    WriteValue(vaInt8);
    WriteBytes(LittleEndianBytes(static_cast<int8_t>(value)).data(), 1);
  } else if (Fits<int16_t>(value)) {
    WriteValue(vaInt16);
    WriteBytes(LittleEndianBytes(static_cast<int16_t>(value)).data(), 2);
  } else if (Fits<int32_t>(value)) {
    WriteValue(vaInt32);
    WriteBytes(LittleEndianBytes(static_cast<int32_t>(value)).data(), 4);
  } else {
    WriteValue(vaInt64);
    WriteBytes(LittleEndianBytes(value).data(), 8);
  }
}

void TWriter::WriteFloat(double value) {
  WriteValue(vaExtended);
  WriteBytes(DoubleToExtended(value).data(), 10);
}

void TWriter::WriteSingle(float value) {
  WriteValue(vaSingle);
  WriteBytes(LittleEndianBytes(value).data(), 4);
}

void TWriter::WriteCurrency(Currency value) {
  WriteValue(vaCurrency);
  WriteBytes(LittleEndianBytes(value.Raw()).data(), 8);
}

void TWriter::WriteDate(TDateTime value) {
  WriteValue(vaDate);
  WriteBytes(LittleEndianBytes(value).data(), 8);
}

void TWriter::WriteString(std::string_view value) {
  if (!IsAscii(value)) {
    WriteValue(vaUTF8String);
    WriteLength(value.size());
  } else if (value.size() <= 255) {
    WriteValue(vaString);
    const auto length = static_cast<uint8_t>(value.size());
    WriteBytes(&length, 1);
  } else {
    WriteValue(vaLString);
    WriteLength(value.size());
  }
  WriteBytes(value.data(), static_cast<int64_t>(value.size()));
}

void TWriter::WriteWideString(std::string_view utf8) {
  const WideString units = Utf8ToUtf16(utf8);
  WriteValue(vaWString);
  WriteLength(units.size());
  for (char16_t unit : units) WriteBytes(LittleEndianBytes(unit).data(), 2);
}

void TWriter::WriteIdent(std::string_view ident) {
  if (SameText(ident, "False")) {
    WriteValue(vaFalse);
  } else if (SameText(ident, "True")) {
    WriteValue(vaTrue);
  } else if (SameText(ident, "nil")) {
    WriteValue(vaNil);
  } else if (SameText(ident, "Null")) {
    WriteValue(vaNull);
  } else {
    WriteValue(vaIdent);
    WriteStr(ident);
  }
}

void TWriter::WriteSet(const std::vector<String>& names) {
  WriteValue(vaSet);
  for (const String& name : names) {
    if (name.empty()) throw EWriteError("Stream write error: empty set element name");
    WriteStr(name);
  }
  WriteStr("");
}

void TWriter::WriteBinary(const void* data, int64_t size) {
  WriteValue(vaBinary);
  WriteLength(static_cast<uint64_t>(size));
  WriteBytes(data, size);
}

void TWriter::WriteStr(std::string_view name) {
  if (name.size() > 255) {
    throw EWriteError("Stream write error: name longer than 255 bytes: " +
                      String(name.substr(0, 32)) + "...");
  }
  const auto length = static_cast<uint8_t>(name.size());
  WriteBytes(&length, 1);
  WriteBytes(name.data(), static_cast<int64_t>(name.size()));
}

void TWriter::WriteSignature() { WriteBytes("TPF0", 4); }

void TWriter::WritePrefix(TFilerFlags flags, int childPos) {
  if (flags.Empty()) return;
  const auto prefix = static_cast<uint8_t>(0xF0 | flags.Mask());
  WriteBytes(&prefix, 1);
  if (flags.Contains(ffChildPos)) WriteInteger(childPos);
}

void TWriter::WriteComponentHeader(const TComponentHeader& header) {
  WritePrefix(header.Flags, header.ChildPos);
  WriteStr(header.ClassName);
  WriteStr(header.Name);
}

void TWriter::WritePropName(std::string_view name) { WriteStr(propPath_ + String(name)); }
