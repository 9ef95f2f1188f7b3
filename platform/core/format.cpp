// Formatting of texts with directives (%d, %s, %.2f, ...).
#include "platform/core/format.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/number_text.h"

TFormatSettings FormatSettings;

namespace {

constexpr int kMaxCount = 1 << 20;  // widths and precisions beyond any text shown

// One "%[index:][-][width][.precision]type" directive of Format.
struct Directive {
  bool leftAlign = false;
  int width = -1;
  int precision = -1;
  char type = 0;
};

class Formatter {
 public:
  Formatter(std::string_view format, std::initializer_list<TVarRec> args) : format_(format), args_(args) {}

  String Run() {
    size_t i = 0;
    while (i < format_.size()) {
      size_t percent = format_.find('%', i);
      out_ += format_.substr(i, percent == std::string_view::npos ? std::string_view::npos : percent - i);
      if (percent == std::string_view::npos) break;
      i = percent + 1;
      if (i < format_.size() && format_[i] == '%') {
        out_ += '%';
        ++i;
        continue;
      }
      Directive d = ReadDirective(i);
      Pad(d, Convert(d));
    }
    return out_;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + String(format_) + "' invalid or incompatible with argument");
  }

  char Peek(size_t i) const { return i < format_.size() ? format_[i] : '\0'; }

  const TVarRec& NextArg() {
    if (next_ >= args_.size()) Fail();
    return args_.begin()[next_++];
  }

  // A count written as digits or "*" (taken from the next argument); false when absent.
  bool ReadCount(size_t& i, int& value) {
    if (Peek(i) == '*') {
      ++i;
      const TVarRec& arg = NextArg();
      if (!arg.IsInteger()) Fail();
      value = static_cast<int>(std::clamp<int64_t>(arg.AsInt(), 0, kMaxCount));
      return true;
    }
    if (!std::isdigit(static_cast<unsigned char>(Peek(i)))) return false;
    value = 0;
    while (std::isdigit(static_cast<unsigned char>(Peek(i)))) {
      value = std::min(value * 10 + (format_[i++] - '0'), kMaxCount);
    }
    return true;
  }

  Directive ReadDirective(size_t& i) {
    Directive d;
    int count = 0;
    bool hasCount = ReadCount(i, count);
    if (hasCount && Peek(i) == ':') {
      next_ = static_cast<size_t>(count);
      ++i;
      hasCount = false;
    }
    if (!hasCount) {
      if (Peek(i) == '-') {
        d.leftAlign = true;
        ++i;
      }
      hasCount = ReadCount(i, count);
    }
    if (hasCount) d.width = count;
    if (Peek(i) == '.') {
      ++i;
      if (!ReadCount(i, d.precision)) d.precision = 0;
    }
    d.type = static_cast<char>(std::tolower(static_cast<unsigned char>(Peek(i))));
    if (d.type == '\0') Fail();
    ++i;
    return d;
  }

  String Convert(const Directive& d) {
    const TVarRec& arg = NextArg();
    switch (d.type) {
      case 'd': return Decimal(arg, d.precision);
      case 'u': return Unsigned(arg, d.precision);
      case 'x': return Hex(arg, d.precision);
      case 'p': return Pointer(arg);
      case 's': return Text(arg, d.precision);
      case 'e': return Float(arg, ffExponent, d.precision < 0 ? 15 : d.precision, 3);
      case 'f': return Float(arg, ffFixed, 18, d.precision < 0 ? 2 : d.precision);
      case 'g': return Float(arg, ffGeneral, d.precision < 0 ? 15 : d.precision, 3);
      case 'n': return Float(arg, ffNumber, 18, d.precision < 0 ? 2 : d.precision);
      case 'm': return Float(arg, ffCurrency, 18, d.precision < 0 ? FormatSettings.CurrencyDecimals : d.precision);
      default: Fail();
    }
  }

  // Magnitude of an integer argument as unsigned in its own width (two's complement).
  uint64_t Bits(const TVarRec& arg) {
    if (!arg.IsInteger()) Fail();
    if (arg.kind() == TVarRec::kInt) return static_cast<uint32_t>(arg.AsInt());
    return static_cast<uint64_t>(arg.AsInt());
  }

  String Decimal(const TVarRec& arg, int precision) {
    if (!arg.IsInteger()) Fail();
    int64_t v = arg.AsInt();
    uint64_t magnitude = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
    String digits = ZeroPadded(std::to_string(magnitude), precision);
    return v < 0 ? "-" + digits : digits;
  }

  String Unsigned(const TVarRec& arg, int precision) { return ZeroPadded(std::to_string(Bits(arg)), precision); }

  String Hex(const TVarRec& arg, int precision) { return IntToHex(Bits(arg), precision); }

  String Pointer(const TVarRec& arg) {
    if (arg.kind() != TVarRec::kPointer) Fail();
    return IntToHex(static_cast<uint64_t>(arg.AsInt()), 16);
  }

  String Text(const TVarRec& arg, int precision) {
    if (arg.kind() != TVarRec::kString) Fail();
    std::string_view s = arg.AsString();
    if (precision >= 0) s = s.substr(0, CharToByteOffset(s, precision));
    return String(s);
  }

  String Float(const TVarRec& arg, TFloatFormat kind, int precision, int digits) {
    if (arg.kind() != TVarRec::kFloat) Fail();
    return FloatToStrF(arg.AsFloat(), kind, precision, digits);
  }

  void Pad(const Directive& d, const String& text) {
    int missing = d.width - CharLength(text);
    if (missing <= 0) {
      out_ += text;
    } else if (d.leftAlign) {
      out_ += text + String(missing, ' ');
    } else {
      out_ += String(missing, ' ') + text;
    }
  }

  std::string_view format_;
  std::initializer_list<TVarRec> args_;
  size_t next_ = 0;
  String out_;
};

}  // namespace

String Format(std::string_view format, std::initializer_list<TVarRec> args) {
  return Formatter(format, args).Run();
}
