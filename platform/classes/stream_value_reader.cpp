// TReader: the typed values of a component stream.
#include <cstring>
#include <string>

#include "platform/classes/filer.h"
#include "platform/classes/stream_extended.h"
#include "platform/core/exceptions.h"

namespace {

template <typename T>
T FromLittleEndian(const uint8_t* bytes) {
  uint64_t bits = 0;
  for (size_t i = sizeof(T); i-- > 0;) bits = (bits << 8) | bytes[i];
  T value;
  if constexpr (sizeof(T) == 8) {
    std::memcpy(&value, &bits, sizeof(T));
  } else {
    auto narrow = static_cast<std::conditional_t<sizeof(T) == 4, uint32_t,
                                                 std::conditional_t<sizeof(T) == 2, uint16_t,
                                                                    uint8_t>>>(bits);
    std::memcpy(&value, &narrow, sizeof(T));
  }
  return value;
}

bool IsIntegerType(TValueType type) {
  return type == vaInt8 || type == vaInt16 || type == vaInt32 || type == vaInt64;
}

}  // namespace

TReader::TReader(TStream& stream) : TFiler(stream) {}

TReader::~TReader() = default;

TReader::NestingGuard::NestingGuard(TReader& reader) : reader_(reader) {
  if (++reader_.depth_ > kMaxStreamNesting) {
    --reader_.depth_;
    throw EReadError("Stream read error: values nested deeper than " +
                     std::to_string(kMaxStreamNesting) + " levels");
  }
}

void TReader::ReadBytes(void* buffer, int64_t count) {
  if (count <= 0) return;
  if (stream_.Read(buffer, count) != count) throw EReadError("Stream read error: unexpected end of stream");
}

uint8_t TReader::ReadByte() {
  uint8_t b = 0;
  ReadBytes(&b, 1);
  return b;
}

// A stored length is checked against what is left, so a hostile length never allocates or
// reads beyond the stream.
uint32_t TReader::ReadLength(const char* what, int unitSize) {
  uint8_t bytes[4];
  ReadBytes(bytes, 4);
  const uint32_t length = FromLittleEndian<uint32_t>(bytes);
  const int64_t left = stream_.Size() - stream_.Position();
  if (static_cast<int64_t>(length) * unitSize > left) {
    throw EReadError(std::string("Stream read error: ") + what + " length " +
                     std::to_string(length) + " runs past the end of the stream");
  }
  return length;
}

String TReader::ReadBytesAsString(int64_t count) {
  String s(static_cast<size_t>(count), '\0');
  ReadBytes(s.data(), count);
  return s;
}

void TReader::InvalidValue() { throw EReadError("Invalid property value"); }

TValueType TReader::ReadValue() {
  const uint8_t b = ReadByte();
  if (b > kLastValueType) {
    throw EReadError("Stream read error: unknown value type " + std::to_string(b));
  }
  return static_cast<TValueType>(b);
}

TValueType TReader::NextValue() {
  const uint8_t b = ReadByte();
  stream_.Seek(-1, soCurrent);
  return static_cast<TValueType>(b);
}

void TReader::CheckValue(TValueType expected) {
  if (ReadValue() != expected) InvalidValue();
}

int64_t TReader::ReadIntegerOf(TValueType type) {
  uint8_t bytes[8];
  switch (type) {
    case vaInt8: ReadBytes(bytes, 1); return FromLittleEndian<int8_t>(bytes);
    case vaInt16: ReadBytes(bytes, 2); return FromLittleEndian<int16_t>(bytes);
    case vaInt32: ReadBytes(bytes, 4); return FromLittleEndian<int32_t>(bytes);
    case vaInt64: ReadBytes(bytes, 8); return FromLittleEndian<int64_t>(bytes);
    default: InvalidValue();
  }
}

int32_t TReader::ReadInteger() {
  const TValueType type = ReadValue();
  const int64_t value = ReadIntegerOf(type);
  if (value < INT32_MIN || value > INT32_MAX) InvalidValue();
  return static_cast<int32_t>(value);
}

int64_t TReader::ReadInt64() { return ReadIntegerOf(ReadValue()); }

double TReader::ReadRealOf(TValueType type) {
  uint8_t bytes[10];
  switch (type) {
    case vaExtended: {
      TExtendedBytes ext;
      ReadBytes(ext.data(), 10);
      return ExtendedToDouble(ext);
    }
    case vaSingle: ReadBytes(bytes, 4); return FromLittleEndian<float>(bytes);
    case vaDate: ReadBytes(bytes, 8); return FromLittleEndian<double>(bytes);
    case vaCurrency:
      ReadBytes(bytes, 8);
      return Currency::FromRaw(FromLittleEndian<int64_t>(bytes)).ToDouble();
    default:
      if (IsIntegerType(type)) return static_cast<double>(ReadIntegerOf(type));
      InvalidValue();
  }
}

double TReader::ReadFloat() { return ReadRealOf(ReadValue()); }

float TReader::ReadSingle() {
  const TValueType type = ReadValue();
  if (type != vaSingle && !IsIntegerType(type)) InvalidValue();
  return static_cast<float>(ReadRealOf(type));
}

Currency TReader::ReadCurrency() {
  const TValueType type = ReadValue();
  if (type == vaCurrency) {
    uint8_t bytes[8];
    ReadBytes(bytes, 8);
    return Currency::FromRaw(FromLittleEndian<int64_t>(bytes));
  }
  if (type != vaExtended && !IsIntegerType(type)) InvalidValue();
  return Currency::FromDouble(ReadRealOf(type));
}

TDateTime TReader::ReadDate() {
  const TValueType type = ReadValue();
  if (type != vaDate && type != vaExtended && !IsIntegerType(type)) InvalidValue();
  return ReadRealOf(type);
}

String TReader::ReadStringOf(TValueType type) {
  switch (type) {
    case vaString:
    case vaLString: {
      const int64_t length = type == vaString ? ReadByte() : ReadLength("string");
      String bytes = ReadBytesAsString(length);
      // Byte strings from the original platform hold the Chinese code page.
      return IsValidUtf8(bytes) ? bytes : GbkToUtf8(bytes);
    }
    case vaUTF8String:
      // Kept byte for byte, malformed sequences too: a string property may hold any bytes.
      return ReadBytesAsString(ReadLength("UTF-8 string"));
    case vaWString: {
      const uint32_t count = ReadLength("wide string", 2);
      std::vector<uint8_t> bytes(size_t{count} * 2);
      ReadBytes(bytes.data(), static_cast<int64_t>(bytes.size()));
      WideString units(count, u'\0');
      for (uint32_t i = 0; i < count; ++i) units[i] = FromLittleEndian<char16_t>(&bytes[2 * i]);
      return Utf16ToUtf8(units);
    }
    default: InvalidValue();
  }
}

String TReader::ReadString() { return ReadStringOf(ReadValue()); }

String TReader::ReadIdent() {
  const TValueType type = ReadValue();
  switch (type) {
    case vaIdent: return ReadStr();
    case vaFalse: return "False";
    case vaTrue: return "True";
    case vaNil: return "nil";
    case vaNull: return "Null";
    default: InvalidValue();
  }
}

bool TReader::ReadBoolean() {
  const TValueType type = ReadValue();
  if (type != vaFalse && type != vaTrue) InvalidValue();
  return type == vaTrue;
}

std::vector<String> TReader::ReadSet() {
  CheckValue(vaSet);
  std::vector<String> names;
  for (String name = ReadStr(); !name.empty(); name = ReadStr()) names.push_back(std::move(name));
  return names;
}

std::vector<uint8_t> TReader::ReadBinary() {
  CheckValue(vaBinary);
  std::vector<uint8_t> data(ReadLength("binary data"));
  ReadBytes(data.data(), static_cast<int64_t>(data.size()));
  return data;
}

String TReader::ReadStr() { return ReadBytesAsString(ReadByte()); }

void TReader::ReadSignature() {
  char signature[4] = {};
  if (stream_.Read(signature, 4) != 4 || std::memcmp(signature, "TPF0", 4) != 0) {
    throw EReadError("Invalid stream format");
  }
}

void TReader::ReadPrefix(TFilerFlags& flags, int& childPos) {
  flags = {};
  childPos = 0;
  if ((NextValue() & 0xF0) != 0xF0) return;
  flags = TFilerFlags::FromMask(ReadByte() & 0x07);
  if (flags.Contains(ffChildPos)) childPos = ReadInteger();
}

TComponentHeader TReader::ReadComponentHeader() {
  TComponentHeader header;
  ReadPrefix(header.Flags, header.ChildPos);
  header.ClassName = ReadStr();
  header.Name = ReadStr();
  return header;
}

void TReader::SkipValue() {
  const TValueType type = ReadValue();
  switch (type) {
    case vaNull: case vaFalse: case vaTrue: case vaNil: return;
    case vaList: {
      NestingGuard nest(*this);
      while (!EndOfList()) SkipValue();
      ReadValue();
      return;
    }
    case vaCollection: {
      NestingGuard nest(*this);
      while (!EndOfList()) {
        if (NextValue() != vaList) ReadInt64();
        ReadListBegin();
        while (!EndOfList()) { ReadStr(); SkipValue(); }
        ReadListEnd();
      }
      ReadValue();
      return;
    }
    case vaIdent: ReadStr(); return;
    case vaSet: while (!ReadStr().empty()) {} return;
    case vaBinary: stream_.Seek(ReadLength("binary data"), soCurrent); return;
    case vaString: case vaLString: case vaWString: case vaUTF8String: ReadStringOf(type); return;
    default: ReadRealOf(type); return;
  }
}
