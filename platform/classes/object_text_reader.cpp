// ObjectTextToBinary: the text form of a component stream back to its binary layout.
#include <cmath>
#include <limits>
#include <string>

#include "platform/classes/filer.h"
#include "platform/classes/object_text.h"
#include "platform/classes/stream_text_parser.h"

namespace {

// Currency text is converted digit by digit so that every stored value reads back exactly.
Currency ParseCurrency(const TTextParser& parser) {
  const String& text = parser.Text();
  const size_t point = text.find('.');
  const bool exact = text.find_first_of("eE") == String::npos &&
                     (point == String::npos || text.size() - point - 1 <= 4);
  if (!exact) {
    if (!(std::fabs(parser.Float()) < 922337203685477.0)) parser.Error("Currency value out of range: " + text);
    return Currency::FromDouble(parser.Float());
  }
  String digits = text.substr(0, point);
  String fraction = point == String::npos ? String() : text.substr(point + 1);
  fraction.resize(4, '0');
  int64_t raw = 0;
  const bool negative = !digits.empty() && digits[0] == '-';
  for (char c : digits + fraction) {
    if (c < '0' || c > '9') continue;
    if (raw > (INT64_MAX - 9) / 10) parser.Error("Currency value out of range: " + text);
    raw = raw * 10 + (c - '0');
  }
  return Currency::FromRaw(negative ? -raw : raw);
}

class TextToBinary {
 public:
  TextToBinary(std::string_view text, TStream& output) : parser_(text), writer_(output) {}

  void Convert() {
    writer_.WriteSignature();
    ConvertObject();
    if (parser_.Token() != TTextParser::tkEOF) parser_.Error("End of text expected");
  }

 private:
  class Nesting {
   public:
    explicit Nesting(TextToBinary& owner) : owner_(owner) {
      if (++owner_.depth_ > kMaxStreamNesting) owner_.parser_.Error("Nesting too deep");
    }
    ~Nesting() { --owner_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    TextToBinary& owner_;
  };

  bool AtObject() const {
    return parser_.IsIdent("object") || parser_.IsIdent("inherited") || parser_.IsIdent("inline");
  }

  void ConvertObject() {
    Nesting nest(*this);
    if (!AtObject()) parser_.Error("'object' expected");
    TComponentHeader header;
    if (parser_.IsIdent("inherited")) header.Flags.Include(ffInherited);
    if (parser_.IsIdent("inline")) header.Flags.Include(ffInline);
    parser_.Next();
    header.ClassName = parser_.CheckIdent();
    if (parser_.IsSymbol(':')) {
      parser_.Next();
      header.Name = std::move(header.ClassName);
      header.ClassName = parser_.CheckIdent();
    }
    if (parser_.IsSymbol('[')) {
      parser_.Next();
      const int64_t childPos = CheckInteger();
      if (childPos < INT32_MIN || childPos > INT32_MAX) parser_.Error("Child position out of range");
      header.ChildPos = static_cast<int>(childPos);
      header.Flags.Include(ffChildPos);
      parser_.CheckSymbol(']');
    }
    writer_.WriteComponentHeader(header);
    while (!AtObject() && !parser_.IsIdent("end")) ConvertProperty();
    writer_.WriteListEnd();
    while (AtObject()) ConvertObject();
    writer_.WriteListEnd();
    if (!parser_.IsIdent("end")) parser_.Error("'end' expected");
    parser_.Next();
  }

  int64_t CheckInteger() {
    if (parser_.Token() != TTextParser::tkInteger) parser_.Error("Integer expected");
    const int64_t value = parser_.Integer();
    parser_.Next();
    return value;
  }

  void ConvertProperty() {
    writer_.WriteStr(parser_.CheckIdent());
    parser_.CheckSymbol('=');
    ConvertValue();
  }

  void ConvertValue() {
    switch (parser_.Token()) {
      case TTextParser::tkInteger: writer_.WriteInteger(CheckInteger()); return;
      case TTextParser::tkFloat: ConvertReal(); return;
      case TTextParser::tkString: ConvertString(); return;
      case TTextParser::tkIdent: writer_.WriteIdent(parser_.CheckIdent()); return;
      case TTextParser::tkSymbol: ConvertStructured(); return;
      case TTextParser::tkEOF: parser_.Error("Value expected");
    }
  }

  void ConvertReal() {
    switch (parser_.FloatSuffix()) {
      case 'S':
        if (std::fabs(parser_.Float()) > std::numeric_limits<float>::max()) {
          parser_.Error("Single value out of range: " + parser_.Text());
        }
        writer_.WriteSingle(static_cast<float>(parser_.Float()));
        break;
      case 'C': writer_.WriteCurrency(ParseCurrency(parser_)); break;
      case 'D': writer_.WriteDate(parser_.Float()); break;
      default: writer_.WriteFloat(parser_.Float()); break;
    }
    parser_.Next();
  }

  void ConvertString() {
    String value = parser_.Text();
    parser_.Next();
    while (parser_.IsSymbol('+')) {
      parser_.Next();
      if (parser_.Token() != TTextParser::tkString) parser_.Error("String expected");
      value += parser_.Text();
      parser_.Next();
    }
    writer_.WriteString(value);
  }

  void ConvertStructured() {
    Nesting nest(*this);
    switch (parser_.Symbol()) {
      case '[': ConvertSet(); return;
      case '(': ConvertList(); return;
      case '<': ConvertCollection(); return;
      case '{': {
        const std::vector<uint8_t> bytes = parser_.ReadHexBinary();
        writer_.WriteBinary(bytes.data(), static_cast<int64_t>(bytes.size()));
        return;
      }
      default: parser_.Error(std::string("Invalid value '") + parser_.Symbol() + "'");
    }
  }

  void ConvertSet() {
    parser_.Next();
    std::vector<String> names;
    if (!parser_.IsSymbol(']')) {
      names.push_back(parser_.CheckIdent());
      while (parser_.IsSymbol(',')) {
        parser_.Next();
        names.push_back(parser_.CheckIdent());
      }
    }
    parser_.CheckSymbol(']');
    writer_.WriteSet(names);
  }

  void ConvertList() {
    parser_.Next();
    writer_.WriteListBegin();
    while (!parser_.IsSymbol(')')) ConvertValue();
    parser_.Next();
    writer_.WriteListEnd();
  }

  void ConvertCollection() {
    parser_.Next();
    writer_.WriteValue(vaCollection);
    while (!parser_.IsSymbol('>')) {
      if (!parser_.IsIdent("item")) parser_.Error("'item' expected");
      parser_.Next();
      if (parser_.IsSymbol('[')) {
        parser_.Next();
        writer_.WriteInteger(CheckInteger());
        parser_.CheckSymbol(']');
      }
      writer_.WriteListBegin();
      while (!parser_.IsIdent("end")) ConvertProperty();
      parser_.Next();
      writer_.WriteListEnd();
    }
    parser_.Next();
    writer_.WriteListEnd();
  }

  TTextParser parser_;
  TWriter writer_;
  int depth_ = 0;
};

String ReadAll(TStream& input) {
  String text(static_cast<size_t>(input.Size() - input.Position()), '\0');
  input.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  return text;
}

}  // namespace

void ObjectTextToBinary(TStream& input, TStream& output) {
  const String text = ReadAll(input);
  TMemoryStream binary;
  TextToBinary(text, binary).Convert();
  output.WriteBuffer(binary.Memory(), binary.Size());
}
