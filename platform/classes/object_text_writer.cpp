// ObjectBinaryToText: a component stream in its text form.
#include <charconv>
#include <cmath>
#include <string>

#include "platform/classes/filer.h"
#include "platform/classes/object_text.h"

namespace {

constexpr int kCharsPerStringLine = 64;
constexpr int kBytesPerHexLine = 30;

bool IsPrintableAscii(unsigned char c) { return c >= ' ' && c < 0x7F; }

String RealText(double value, char suffix) {
  if (!std::isfinite(value)) throw EFilerError("Cannot write an infinite or NaN real as text");
  char buffer[64];
  const auto result = suffix == 'S'
                          ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<float>(value))
                          : std::to_chars(buffer, buffer + sizeof buffer, value);
  String text(buffer, result.ptr);
  // Without a point or exponent the text would read back as an integer.
  if (text.find_first_of(".e") == String::npos && suffix == 0) text += ".0";
  if (suffix != 0) text += suffix;
  return text;
}

String CurrencyText(Currency value) {
  const int64_t raw = value.Raw();
  const uint64_t magnitude = raw < 0 ? 0 - static_cast<uint64_t>(raw) : static_cast<uint64_t>(raw);
  String text = (raw < 0 ? "-" : "") + std::to_string(magnitude / 10000);
  String fraction = std::to_string(10000 + magnitude % 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  if (!fraction.empty()) text += "." + fraction;
  return text + "C";
}

class BinaryToText {
 public:
  explicit BinaryToText(TStream& input) : reader_(input) {}

  String Convert() {
    reader_.ReadSignature();
    ConvertObject(0);
    return std::move(out_);
  }

 private:
  void NewLine(int indent) {
    out_ += '\n';
    out_.append(static_cast<size_t>(indent), ' ');
  }

  void ConvertObject(int indent) {
    TReader::NestingGuard nest(reader_);
    const TComponentHeader header = reader_.ReadComponentHeader();
    const TFilerFlags flags = header.Flags;
    out_.append(static_cast<size_t>(indent), ' ');
    out_ += flags.Contains(ffInherited) ? "inherited " : flags.Contains(ffInline) ? "inline " : "object ";
    if (!header.Name.empty()) out_ += header.Name + ": ";
    out_ += header.ClassName;
    if (flags.Contains(ffChildPos)) out_ += " [" + std::to_string(header.ChildPos) + "]";
    ConvertProperties(indent + 2);
    while (!reader_.EndOfList()) {
      out_ += '\n';
      ConvertObject(indent + 2);
    }
    reader_.ReadListEnd();
    NewLine(indent);
    out_ += "end";
  }

  void ConvertProperties(int indent) {
    while (!reader_.EndOfList()) {
      NewLine(indent);
      out_ += reader_.ReadStr() + " = ";
      ConvertValue(indent + 2);
    }
    reader_.ReadListEnd();
  }

  void ConvertValue(int indent) {
    switch (reader_.NextValue()) {
      case vaList: ConvertList(indent); break;
      case vaCollection: ConvertCollection(indent); break;
      case vaInt8: case vaInt16: case vaInt32: case vaInt64:
        out_ += std::to_string(reader_.ReadInt64());
        break;
      case vaExtended: out_ += RealText(reader_.ReadFloat(), 0); break;
      case vaSingle: out_ += RealText(reader_.ReadSingle(), 'S'); break;
      case vaDate: out_ += RealText(reader_.ReadDate(), 'D'); break;
      case vaCurrency: out_ += CurrencyText(reader_.ReadCurrency()); break;
      case vaString: case vaLString: case vaWString: case vaUTF8String:
        ConvertString(reader_.ReadString(), indent);
        break;
      case vaIdent: case vaFalse: case vaTrue: case vaNil: case vaNull:
        out_ += reader_.ReadIdent();
        break;
      case vaSet: ConvertSet(); break;
      case vaBinary: ConvertBinary(indent); break;
      default:
        reader_.ReadValue();  // raises for bytes that are no value type at all
        throw EReadError("Invalid property value");
    }
  }

  void ConvertList(int indent) {
    TReader::NestingGuard nest(reader_);
    reader_.ReadListBegin();
    out_ += '(';
    while (!reader_.EndOfList()) {
      NewLine(indent);
      ConvertValue(indent + 2);
    }
    reader_.ReadListEnd();
    out_ += ')';
  }

  void ConvertCollection(int indent) {
    TReader::NestingGuard nest(reader_);
    reader_.CheckValue(vaCollection);
    out_ += '<';
    while (!reader_.EndOfList()) {
      NewLine(indent);
      out_ += "item";
      if (reader_.NextValue() != vaList) out_ += " [" + std::to_string(reader_.ReadInt64()) + "]";
      reader_.ReadListBegin();
      ConvertProperties(indent + 2);
      NewLine(indent);
      out_ += "end";
    }
    reader_.ReadListEnd();
    out_ += '>';
  }

  void ConvertSet() {
    out_ += '[';
    const std::vector<String> names = reader_.ReadSet();
    for (size_t i = 0; i < names.size(); ++i) out_ += (i ? ", " : "") + names[i];
    out_ += ']';
  }

  void ConvertBinary(int indent) {
    const std::vector<uint8_t> bytes = reader_.ReadBinary();
    static const char kHex[] = "0123456789ABCDEF";
    out_ += '{';
    for (size_t i = 0; i < bytes.size(); ++i) {
      if (i % kBytesPerHexLine == 0) NewLine(indent);
      out_ += kHex[bytes[i] >> 4];
      out_ += kHex[bytes[i] & 0x0F];
    }
    out_ += '}';
  }

  // Printable text goes in quotes, control characters as #nn; every kCharsPerStringLine
  // characters the string continues on a new line after a '+'.
  void ConvertString(const String& s, int indent) {
    if (s.empty()) {
      out_ += "''";
      return;
    }
    bool quoted = false;
    int chars = 0;
    for (size_t i = 0; i < s.size(); i += CharByteLength(s, i), ++chars) {
      if (chars > 0 && chars % kCharsPerStringLine == 0) {
        if (quoted) out_ += '\'';
        quoted = false;
        out_ += " +";
        NewLine(indent);
      }
      const auto c = static_cast<unsigned char>(s[i]);
      const bool plain = IsPrintableAscii(c) || c >= 0x80;
      if (plain != quoted) out_ += '\'';
      quoted = plain;
      if (!plain) out_ += '#' + std::to_string(c);
      else if (c == '\'') out_ += "''";
      else out_.append(s, i, CharByteLength(s, i));
    }
    if (quoted) out_ += '\'';
  }

  TReader reader_;
  String out_;
};

}  // namespace

void ObjectBinaryToText(TStream& input, TStream& output) {
  String text = BinaryToText(input).Convert();
  text += '\n';
  output.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}
