// Typed values of component streams: widths, encodings, reals and bad input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "platform/classes/filer.h"
#include "platform/classes/stream_extended.h"
#include "platform/core/exceptions.h"

namespace {

std::vector<uint8_t> Written(const std::function<void(TWriter&)>& write) {
  TMemoryStream stream;
  TWriter writer(stream);
  write(writer);
  return stream.Bytes();
}

struct ByteReader {
  explicit ByteReader(std::vector<uint8_t> data) : bytes(std::move(data)), stream(bytes.data(), static_cast<int64_t>(bytes.size())), reader(stream) {}
  std::vector<uint8_t> bytes;
  TBytesStream stream;
  TReader reader;
};

TEST(StreamExtended, KnownBitPatternsConvertBothWays) {
  struct Case { double value; TExtendedBytes bytes; };
  const Case cases[] = {
      {0.25, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFD, 0x3F}},
      {1.0, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
      {-2.5, {0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}},
      {0.0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
      {std::numeric_limits<double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleToExtended(c.value), c.bytes) << c.value;
    EXPECT_EQ(ExtendedToDouble(c.bytes), c.value) << c.value;
  }
}

TEST(StreamExtended, EveryDoubleSurvivesTheRoundTrip) {
  const double values[] = {3.141592653589793, -1e-300, 1.7976931348623157e308,
                           std::numeric_limits<double>::denorm_min(), 123456789.125, -0.0, 1e22};
  for (double v : values) {
    const double back = ExtendedToDouble(DoubleToExtended(v));
    EXPECT_EQ(back, v);
    EXPECT_EQ(std::signbit(back), std::signbit(v));
  }
  EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(std::nan("")))));
}

TEST(StreamExtended, ExtraPrecisionRoundsAndOutOfRangeSaturates) {
  // All 64 mantissa bits set at exponent 0 is 2 - 2^-63: nearest double is 2.
  EXPECT_EQ(ExtendedToDouble({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F}), 2.0);
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F}),
            std::numeric_limits<double>::infinity());
  EXPECT_EQ(ExtendedToDouble({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x80}), -0.0);
}

TEST(StreamValues, IntegersTakeTheSmallestTypeThatFits) {
  struct Case { int64_t value; TValueType type; size_t size; };
  const Case cases[] = {
      {0, vaInt8, 2},          {-128, vaInt8, 2},        {127, vaInt8, 2},
      {128, vaInt16, 3},       {-129, vaInt16, 3},       {32767, vaInt16, 3},
      {32768, vaInt32, 5},     {-32769, vaInt32, 5},     {2147483647, vaInt32, 5},
      {2147483648LL, vaInt64, 9}, {INT64_MIN, vaInt64, 9}, {INT64_MAX, vaInt64, 9},
  };
  for (const Case& c : cases) {
    const auto bytes = Written([&](TWriter& w) { w.WriteInteger(c.value); });
    ASSERT_EQ(bytes.size(), c.size) << c.value;
    EXPECT_EQ(bytes[0], c.type) << c.value;
    ByteReader r(bytes);
    EXPECT_EQ(r.reader.ReadInt64(), c.value);
  }
  EXPECT_EQ(Written([](TWriter& w) { w.WriteInteger(-129); }),
            (std::vector<uint8_t>{vaInt16, 0x7F, 0xFF}));
}

TEST(StreamValues, ReadIntegerRejectsValuesBeyond32Bits) {
  ByteReader r(Written([](TWriter& w) { w.WriteInteger(int64_t{1} << 40); }));
  EXPECT_THROW(r.reader.ReadInteger(), EReadError);
  ByteReader ok(Written([](TWriter& w) { w.WriteInteger(-70000); }));
  EXPECT_EQ(ok.reader.ReadInteger(), -70000);
}

TEST(StreamValues, StringsPickTheirEncodingAndReadBackAlike) {
  const String longAscii(300, 'x');
  auto ascii = Written([](TWriter& w) { w.WriteString("Sender"); });
  auto longer = Written([&](TWriter& w) { w.WriteString(longAscii); });
  auto chinese = Written([](TWriter& w) { w.WriteString("短信群发"); });
  auto wide = Written([](TWriter& w) { w.WriteWideString("宋体😀"); });
  EXPECT_EQ(ascii[0], vaString);
  EXPECT_EQ(ascii[1], 6);
  EXPECT_EQ(longer[0], vaLString);
  EXPECT_EQ(chinese[0], vaUTF8String);
  EXPECT_EQ(wide[0], vaWString);
  EXPECT_EQ(wide[1], 4);  // UTF-16 units: two characters and a surrogate pair
  EXPECT_EQ(ByteReader(ascii).reader.ReadString(), "Sender");
  EXPECT_EQ(ByteReader(longer).reader.ReadString(), longAscii);
  EXPECT_EQ(ByteReader(chinese).reader.ReadString(), "短信群发");
  EXPECT_EQ(ByteReader(wide).reader.ReadString(), "宋体😀");
}

TEST(StreamValues, ByteStringsInTheChineseCodePageReadAsUtf8) {
  // "宋体" in the Chinese code page, as the original platform stored byte strings.
  ByteReader r({vaString, 4, 0xCB, 0xCE, 0xCC, 0xE5});
  EXPECT_EQ(r.reader.ReadString(), "宋体");
  ByteReader utf8({vaString, 6, 0xE5, 0xAE, 0x8B, 0xE4, 0xBD, 0x93});
  EXPECT_EQ(utf8.reader.ReadString(), "宋体");
}

TEST(StreamValues, StringsThatAreNotUtf8SurviveByteForByte) {
  const String bytes = "\xFF\xFE" "ab\xE4\xB8";  // not UTF-8: cut in the middle of a character
  auto written = Written([&](TWriter& w) { w.WriteString(bytes); });
  EXPECT_EQ(written[0], vaUTF8String);
  EXPECT_EQ(ByteReader(written).reader.ReadString(), bytes);
}

TEST(StreamValues, RealsCurrencyDatesSetsAndBinaryRoundTrip) {
  const uint8_t blob[] = {0, 1, 2, 0xFF};
  ByteReader r(Written([&](TWriter& w) {
    w.WriteFloat(-1.5e-7);
    w.WriteSingle(0.1f);
    w.WriteCurrency(Currency::FromRaw(-123456789));
    w.WriteDate(45000.75);
    w.WriteSet({"fsBold", "fsItalic"});
    w.WriteSet({});
    w.WriteBinary(blob, 4);
    w.WriteBoolean(true);
  }));
  EXPECT_EQ(r.reader.ReadFloat(), -1.5e-7);
  EXPECT_EQ(r.reader.ReadSingle(), 0.1f);
  EXPECT_EQ(r.reader.ReadCurrency().Raw(), -123456789);
  EXPECT_EQ(r.reader.ReadDate(), 45000.75);
  EXPECT_EQ(r.reader.ReadSet(), (std::vector<String>{"fsBold", "fsItalic"}));
  EXPECT_TRUE(r.reader.ReadSet().empty());
  EXPECT_EQ(r.reader.ReadBinary(), (std::vector<uint8_t>{0, 1, 2, 0xFF}));
  EXPECT_TRUE(r.reader.ReadBoolean());
  EXPECT_THROW(r.reader.ReadValue(), EReadError);  // at the end
}

TEST(StreamValues, IdentsTrueFalseNilAndNullHaveTheirOwnTypes) {
  auto bytes = Written([](TWriter& w) {
    w.WriteIdent("clWindow");
    w.WriteIdent("true");
    w.WriteIdent("False");
    w.WriteIdent("nil");
    w.WriteIdent("Null");
  });
  EXPECT_EQ(bytes[0], vaIdent);
  EXPECT_EQ(bytes[10], vaTrue);
  EXPECT_EQ(bytes[11], vaFalse);
  EXPECT_EQ(bytes[12], vaNil);
  EXPECT_EQ(bytes[13], vaNull);
  ByteReader r(bytes);
  EXPECT_EQ(r.reader.ReadIdent(), "clWindow");
  EXPECT_EQ(r.reader.ReadIdent(), "True");
  EXPECT_EQ(r.reader.ReadIdent(), "False");
  EXPECT_EQ(r.reader.ReadIdent(), "nil");
  EXPECT_EQ(r.reader.ReadIdent(), "Null");
}

TEST(StreamValues, PrefixFlagsAndChildOrderRoundTrip) {
  ByteReader r(Written([](TWriter& w) {
    w.WritePrefix({ffInherited, ffChildPos}, 300);
    w.WritePrefix({}, 0);
    w.WriteStr("TPanel");
  }));
  TFilerFlags flags;
  int pos = -1;
  r.reader.ReadPrefix(flags, pos);
  EXPECT_EQ(flags, (TFilerFlags{ffInherited, ffChildPos}));
  EXPECT_EQ(pos, 300);
  r.reader.ReadPrefix(flags, pos);
  EXPECT_TRUE(flags.Empty());
  EXPECT_EQ(r.reader.ReadStr(), "TPanel");
}

TEST(StreamValues, WrongTypesAndShortDataRaiseClearErrors) {
  auto expectError = [](std::vector<uint8_t> bytes, auto read, const char* text) {
    ByteReader r(std::move(bytes));
    try {
      read(r.reader);
      ADD_FAILURE() << "no error for " << text;
    } catch (const EReadError& e) {
      EXPECT_NE(e.Message().find(text), String::npos) << e.Message();
    }
  };
  expectError({vaInt8, 1}, [](TReader& r) { r.ReadString(); }, "Invalid property value");
  expectError({vaIdent, 1, 'x'}, [](TReader& r) { r.ReadBoolean(); }, "Invalid property value");
  expectError({vaString, 1, 'x'}, [](TReader& r) { r.ReadFloat(); }, "Invalid property value");
  expectError({vaInt32, 1, 2}, [](TReader& r) { r.ReadInteger(); }, "end of stream");
  expectError({vaLString, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, [](TReader& r) { r.ReadString(); },
              "past the end");
  expectError({vaWString, 3, 0, 0, 0, 'a', 0, 'b', 0}, [](TReader& r) { r.ReadString(); },
              "past the end");
  expectError({vaBinary, 9, 0, 0, 0, 1}, [](TReader& r) { r.ReadBinary(); }, "past the end");
  expectError({0x63}, [](TReader& r) { r.ReadValue(); }, "unknown value type 99");
  expectError({'T', 'P', 'F', '1'}, [](TReader& r) { r.ReadSignature(); }, "Invalid stream format");
  expectError({'T', 'P'}, [](TReader& r) { r.ReadSignature(); }, "Invalid stream format");
}

TEST(StreamValues, SkippingDeeplyNestedListsStopsAtTheLimit) {
  std::vector<uint8_t> nested(kMaxStreamNesting + 1, vaList);
  nested.insert(nested.end(), kMaxStreamNesting + 1, vaNull);
  ByteReader deep(nested);
  EXPECT_THROW(deep.reader.SkipValue(), EReadError);
  std::vector<uint8_t> fine(kMaxStreamNesting, vaList);
  fine.insert(fine.end(), kMaxStreamNesting, vaNull);
  ByteReader ok(fine);
  ok.reader.SkipValue();
  EXPECT_EQ(ok.stream.Position(), ok.stream.Size());
}

TEST(StreamValues, NamesLongerThan255BytesAreRefused) {
  EXPECT_THROW(Written([](TWriter& w) { w.WriteStr(String(256, 'a')); }), EWriteError);
}

}  // namespace
