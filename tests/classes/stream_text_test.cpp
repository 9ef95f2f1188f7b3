// The text form of component streams: the foreign sample, round trips, formatting, bad text.
#include <gtest/gtest.h>

#include <random>

#include "platform/classes/filer.h"
#include "platform/classes/object_text.h"
#include "platform/core/exceptions.h"
#include "stream_test_support.h"

namespace {

using stream_samples::ToBinary;
using stream_samples::ToText;

String SamplePath(const char* name) { return String(TESTDATA_DIR) + "/streams/" + name; }

String LoadText(const char* name) {
  TMemoryStream stream;
  stream.LoadFromFile(SamplePath(name));
  return String(stream.Bytes().begin(), stream.Bytes().end());
}

std::vector<uint8_t> SampleBinary() {
  TMemoryStream stream;
  stream.LoadFromFile(SamplePath("panel-layout.bin"));
  return stream.Bytes();
}

// The sample text with the one difference our text form has: wide-string font names are
// written as quoted UTF-8 rather than as #nnn codes.
String NormalisedSampleText() {
  String text = LoadText("panel-layout.txt");
  const String codes = "#23435#20307";
  text.replace(text.find(codes), codes.size(), "'宋体'");
  return text;
}

TEST(StreamText, ForeignSampleConvertsToItsTextForm) {
  EXPECT_EQ(ToText(SampleBinary()), NormalisedSampleText());
}

TEST(StreamText, ForeignSampleTextAndBinaryHaveTheSameMeaning) {
  // Our writer stores the two Chinese captions and the font name as UTF-8 strings where the
  // foreign writer used byte strings and a wide string; everything else is byte for byte the
  // same.
  const std::vector<uint8_t> ours = ToBinary(LoadText("panel-layout.txt"));
  EXPECT_EQ(ToText(ours), NormalisedSampleText());
  EXPECT_EQ(ToBinary(ToText(ours)), ours);
  const std::vector<uint8_t> foreign = SampleBinary();
  EXPECT_EQ(ours.size(), foreign.size() + 3 + 2 + 3);
  EXPECT_TRUE(std::equal(foreign.begin(), foreign.begin() + 0x43, ours.begin()));
  EXPECT_TRUE(std::equal(foreign.end() - 0xA0, foreign.end(), ours.end() - 0xA0));
}

const char* const kRichText =
    "inherited Form1: TForm1 [2]\n"
    "  Small = -128\n"
    "  Medium = 40000\n"
    "  Big = -9223372036854775808\n"
    "  Hex = $FF\n"
    "  Real = -1.5e-07\n"
    "  Ratio = 0.1S\n"
    "  Money = -12345.6789C\n"
    "  Whole = 12C\n"
    "  When = 45000.75D\n"
    "  Text = 'it''s'#9'tab'#13#10'中文'\n"
    "  Emoji = #55357#56832\n"
    "  Empty = ''\n"
    "  Flags = [a, b]\n"
    "  Ref = Owner.Inner\n"
    "  Maybe = Null\n"
    "  Nothing = nil\n"
    "  Off = False\n"
    "  Nested = (\n"
    "    1\n"
    "    (\n"
    "      'x')\n"
    "    ())\n"
    "  Items = <\n"
    "    item [3]\n"
    "      A = 1\n"
    "    end\n"
    "    item\n"
    "    end>\n"
    "  NoItems = <>\n"
    "  Data = {}\n"
    "  inline TChild\n"
    "  end\n"
    "end\n";

TEST(StreamText, RichTextIsStableThroughBinary) {
  const std::vector<uint8_t> binary = ToBinary(kRichText);
  const String text = ToText(binary);
  EXPECT_EQ(ToBinary(text), binary);
  EXPECT_EQ(ToText(ToBinary(text)), text);
  // Values that our text form writes differently from the input above, read back the same.
  EXPECT_NE(text.find("  Hex = 255\n"), String::npos) << text;
  EXPECT_NE(text.find("  Emoji = '😀'\n"), String::npos) << text;
  EXPECT_NE(text.find("  Text = 'it''s'#9'tab'#13#10'中文'\n"), String::npos) << text;
  EXPECT_NE(text.find("  Money = -12345.6789C\n  Whole = 12C\n"), String::npos) << text;
  EXPECT_NE(text.find("  Ratio = 0.1S\n"), String::npos) << text;
  EXPECT_NE(text.find("  Real = -1.5e-07\n"), String::npos) << text;
}

TEST(StreamText, BinaryWrittenByOurWriterSurvivesTextByteForByte) {
  TMemoryStream stream;
  TWriter w(stream);
  w.WriteSignature();
  w.WriteStr("TThing");
  w.WriteStr("Thing1");
  w.WritePropName("Whole");
  w.WriteFloat(3.0);
  w.WritePropName("Long");
  w.WriteString(String(150, 'a') + "'" + String(100, 'b'));
  w.WritePropName("Chinese");
  w.WriteString(String(70, 'z') + "中文字符");
  w.WritePropName("Blob");
  std::vector<uint8_t> blob(75);
  for (size_t i = 0; i < blob.size(); ++i) blob[i] = static_cast<uint8_t>(i * 7);
  w.WriteBinary(blob.data(), static_cast<int64_t>(blob.size()));
  w.WritePropName("Raw");
  w.WriteString("\xFF\xFE" "ab");
  w.WritePropName("Day");
  w.WriteDate(-1.25);
  w.WriteListEnd();
  w.WriteListEnd();
  const String text = ToText(stream.Bytes());
  EXPECT_EQ(ToBinary(text), stream.Bytes()) << text;
  EXPECT_NE(text.find("  Whole = 3.0\n"), String::npos) << text;
  // Long strings continue on the next line after a '+', 64 characters per line.
  EXPECT_NE(text.find("  Long = '" + String(64, 'a') + "' +\n    '" + String(64, 'a') + "' +\n"),
            String::npos) << text;
  EXPECT_NE(text.find("  Blob = {\n    00070E"), String::npos) << text;
}

TEST(StreamText, ObjectsWithoutNameAndWithFlagsKeepTheirHeader) {
  const String text = "object TRoot\n  inherited A: TA [0]\n  end\n  inline B: TB\n  end\nend\n";
  EXPECT_EQ(ToText(ToBinary(text)), text);
}

TEST(StreamText, BadTextNamesTheLineAndWritesNothing) {
  struct Case { const char* text; const char* message; };
  const Case cases[] = {
      {"object A: TA\n  X = 'open\nend\n", "Unterminated string on line 2"},
      {"object A: TA\n  X 1\nend\n", "'=' expected on line 2"},
      {"object A: TA\n  X = {0}\nend\n", "Odd number of hex digits"},
      {"object A: TA\n  X = {0G}\nend\n", "Invalid binary value 'G'"},
      {"object A: TA\n  X = 1\n", "Identifier expected on line 3"},
      {"object A: TA\n  X = [a b]\nend\n", "']' expected on line 2"},
      {"object A: TA\n  X = <\n    thing\n  end>\nend\n", "'item' expected on line 3"},
      {"object A: TA\n  X = 99999999999999999999\nend\n", "Number out of range"},
      {"object A: TA\n  X = #1114112\nend\n", "Character code out of range"},
      {"object A: TA\n  X = 'a' + 1\nend\n", "String expected on line 2"},
      {"thing A: TA\nend\n", "'object' expected on line 1"},
      {"object A: TA\nend\nend\n", "End of text expected on line 3"},
      {"object A: TA\n  X = 1e39S\nend\n", "Single value out of range"},
      {"object A: TA\n  X = 1e20C\nend\n", "Currency value out of range"},
      {"object A: TA\n  X = 9999999999999999999.5C\nend\n", "Currency value out of range"},
      {"", "'object' expected"},
      {"object A: TA\n  X = Very.Long.Name.", "Identifier expected on line 2"},
      {"object A: TA\n  object B: TB [4294967296]\n  end\nend\n", "Child position out of range on line 2"},
  };
  const String longName = "object A: TA\n  " + String(256, 'N') + " = 1\nend\n";
  EXPECT_THROW(ToBinary(longName), EParserError);
  for (const Case& c : cases) {
    TStringStream in(c.text);
    TMemoryStream out;
    try {
      ObjectTextToBinary(in, out);
      ADD_FAILURE() << "no error for " << c.text;
    } catch (const EParserError& e) {
      EXPECT_NE(e.Message().find(c.message), String::npos) << e.Message();
    }
    EXPECT_EQ(out.Size(), 0);
  }
}

TEST(StreamText, DeepNestingInTextIsRefused) {
  String text = "object A: TA\n  X = ";
  text += String(kMaxStreamNesting + 5, '(') + String(kMaxStreamNesting + 5, ')') + "\nend\n";
  EXPECT_THROW(ToBinary(text), EParserError);
}

// Damaged text never reads out of bounds or hangs: it converts or raises.
TEST(StreamText, RandomlyDamagedTextConvertsOrRaises) {
  const String original = kRichText;
  std::mt19937 random(7);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  const String alphabet = "'#$+-.:;=[](){}<>0123456789eESCDx \n";
  for (int round = 0; round < 2000; ++round) {
    String damaged = original;
    for (int edits = 1 + static_cast<int>(pick(3)); edits > 0 && !damaged.empty(); --edits) {
      const size_t at = pick(damaged.size());
      if (pick(3) == 0) damaged.erase(at, 1 + pick(8));
      else damaged[at] = alphabet[pick(alphabet.size())];
    }
    try {
      ToText(ToBinary(damaged));
    } catch (const EReadError&) {
      // Refusing damaged text with a parser error is what is expected.
    }
  }
}

TEST(StreamText, BadBinaryRaisesAndWritesNothing) {
  std::vector<uint8_t> binary = SampleBinary();
  binary.resize(binary.size() - 3);
  TBytesStream in(binary.data(), static_cast<int64_t>(binary.size()));
  TStringStream out;
  EXPECT_THROW(ObjectBinaryToText(in, out), EReadError);
  EXPECT_EQ(out.Size(), 0);
}

}  // namespace
