// Truncated, corrupted and hostile component streams: clear errors, nothing half loaded.
#include <gtest/gtest.h>

#include <random>

#include "platform/classes/object_text.h"
#include "platform/classes/stream_components.h"
#include "stream_sample_classes.h"
#include "stream_test_support.h"

namespace stream_samples {
namespace {

// Reads the stream into a new root and expects an error of class E whose message contains
// `message`.
template <typename E>
void ExpectReadError(const std::vector<uint8_t>& binary, const String& message) {
  try {
    delete ReadInto(binary, nullptr);
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const E& e) {
    EXPECT_NE(e.Message().find(message), String::npos) << e.Message();
  }
}

bool IsLoading(TComponent* c) {
  return c->ComponentState().Contains(csLoading) || c->ComponentState().Contains(csReading);
}

void ExpectNothingLoading(TComponent* root) {
  EXPECT_FALSE(IsLoading(root));
  for (int i = 0; i < root->ComponentCount(); ++i) EXPECT_FALSE(IsLoading(root->Components(i)));
}

class StreamBadInput : public ::testing::Test {
 protected:
  SampleClassesFixture classes;

  static std::vector<uint8_t> RichStream() {
    return ToBinary(
        "object P: TSamplePanel\n"
        "  Left = 1\n  Top = 2\n  Width = 40000\n  Huge = 5000000000\n"
        "  Caption = '中文 caption'\n  Hint = 'hint'\n  Color = clWindow\n"
        "  Font.Name = 'Arial'\n  Font.Style = [fsBold, fsItalic]\n  Scale = 0.75\n"
        "  Flags = [sfTwo]\n  Checked = True\n  Align = saTop\n  Ratio = 2.5S\n"
        "  Price = 1.5C\n  Stamp = 100.25D\n"
        "  Lines.Strings = (\n    'a'\n    'b')\n"
        "  Columns = <\n    item\n      FieldName = 'F'\n      Title.Caption = 'T'\n    end\n"
        "    item [1]\n      Width = 7\n    end>\n"
        "  Picture = {0102030405}\n"
        "  OnResize = MainPanelResize\n"
        "  object A: TSampleChild\n    Partner = B\n    Notes = 'n'\n"
        "    object C: TSampleChild\n      Tag = 3\n      Partner = P\n    end\n  end\n"
        "  object B: TSampleChild\n    Partner = A\n  end\n"
        "end\n");
  }
};

TEST_F(StreamBadInput, ErrorsNameWhatIsWrong) {
  ExpectReadError<EReadError>({'T', 'P', 'F', '1', 0}, "Invalid stream format");
  ExpectReadError<EClassNotFound>(ToBinary("object X: TNope\nend\n"), "Class TNope not found");
  ExpectReadError<EClassNotFound>(
      ToBinary("object P: TSamplePanel\n  object A: TSampleChild\n  end\n"
             "  object X: TNope\n  end\nend\n"),
      "Class TNope not found");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Bogus = 1\nend\n"),
                              "Error reading P.Bogus: Property Bogus does not exist");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Font.Bogus = 1\nend\n"),
                              "Error reading P.Font.Bogus: Property Font.Bogus does not exist");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Width = 'wide'\nend\n"),
                              "Error reading P.Width: Invalid property value");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Align = saSideways\nend\n"),
                              "Error reading P.Align: Invalid property value");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Flags = [sfOne, sfNine]\nend\n"),
                              "Error reading P.Flags: Invalid property value");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Color = clNoSuchColour\nend\n"),
                              "Error reading P.Color: Invalid property value");
  ExpectReadError<EReadError>(ToBinary("object P: TSamplePanel\n  Font = 3\nend\n"),
                              "Error reading P.Font: Invalid property value");
  ExpectReadError<EReadError>(
      ToBinary("object P: TSamplePanel\n  object A: TSampleChild\n    Partner = Nowhere\n  end\nend\n"),
      "Error reading A.Partner: Unresolved reference to Nowhere");
  ExpectReadError<EReadError>(
      ToBinary("object P: TSamplePanel\n  object A: TSampleChild\n  end\n"
             "  object A: TSampleChild\n  end\nend\n"),
      "component A appears twice");
}

TEST_F(StreamBadInput, AnExistingRootOfAnotherClassIsRefusedUntouched) {
  TSampleChild target(nullptr);
  target.SetName("Before");
  try {
    ReadInto(RichStream(), &target);
    ADD_FAILURE() << "no error";
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message().find("Invalid stream format"), String::npos) << e.Message();
    EXPECT_NE(e.Message().find("TSamplePanel"), String::npos) << e.Message();
  }
  EXPECT_EQ(target.Name(), "Before");
  EXPECT_FALSE(IsLoading(&target));
}

TEST_F(StreamBadInput, AFailedReadIntoAnExistingRootFreesWhatItCreated) {
  TSamplePanel target(nullptr);
  auto* kept = new TSampleChild(&target);
  kept->SetName("A");
  std::vector<uint8_t> binary = RichStream();
  binary.resize(binary.size() - 2);  // the end markers of the root
  EXPECT_THROW(ReadInto(binary, &target), EReadError);
  ExpectNothingLoading(&target);
  ASSERT_EQ(target.ComponentCount(), 1);
  EXPECT_EQ(target.Components(0), kept);
}

TEST_F(StreamBadInput, AnErrorInLoadedLeavesNothingLoading) {
  TSamplePanel target(nullptr);
  TSampleControl::failInLoaded = true;
  EXPECT_THROW(ReadInto(RichStream(), &target), EComponentError);
  TSampleControl::failInLoaded = false;
  ExpectNothingLoading(&target);
  EXPECT_EQ(target.ComponentCount(), 0);
}

TEST_F(StreamBadInput, EveryTruncationRaisesAndLeavesNothingLoading) {
  const std::vector<uint8_t> binary = RichStream();
  TSamplePanel target(nullptr);
  for (size_t length = 0; length < binary.size(); ++length) {
    const std::vector<uint8_t> cut(binary.begin(), binary.begin() + static_cast<long>(length));
    EXPECT_THROW(ReadInto(cut, &target), EReadError) << length;
    EXPECT_THROW(ReadInto(cut, nullptr), EReadError) << length;
    ExpectNothingLoading(&target);
  }
  delete ReadInto(binary, nullptr);
}

TEST_F(StreamBadInput, ComponentsNestedTooDeeplyAreRefused) {
  TMemoryStream stream;
  TWriter writer(stream);
  writer.WriteSignature();
  const int depth = kMaxStreamNesting + 10;
  for (int i = 0; i < depth; ++i) {
    writer.WriteStr(i == 0 ? "TSamplePanel" : "TSampleChild");
    writer.WriteStr("C" + std::to_string(i));
    writer.WriteListEnd();
  }
  for (int i = 0; i < depth; ++i) writer.WriteListEnd();
  ExpectReadError<EReadError>(stream.Bytes(), "nested deeper");
}

// Thousands of randomly damaged copies of a rich stream: each one loads or raises a class
// library exception; none crashes, hangs, reads out of bounds, leaks or stays loading.
TEST_F(StreamBadInput, RandomlyDamagedStreamsLoadOrRaise) {
  const std::vector<uint8_t> original = RichStream();
  std::mt19937 random(20261207);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  TSamplePanel target(nullptr);
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    std::vector<uint8_t> damaged = original;
    for (int edits = 1 + static_cast<int>(pick(4)); edits > 0 && !damaged.empty(); --edits) {
      const size_t at = pick(damaged.size());
      switch (pick(4)) {
        case 0: damaged[at] = static_cast<uint8_t>(pick(256)); break;
        case 1: damaged[at] ^= static_cast<uint8_t>(1u << pick(8)); break;
        case 2: damaged.erase(damaged.begin() + static_cast<long>(at)); break;
        default: damaged.resize(at); break;
      }
    }
    try {
      TComponent* result = ReadInto(damaged, round % 4 == 0 ? &target : nullptr);
      if (result != &target) delete result;
      ++loaded;
    } catch (const Exception&) {
      // Raising a class library exception is the expected way to refuse damaged input.
    }
    ExpectNothingLoading(&target);
    TBytesStream in(damaged.data(), static_cast<int64_t>(damaged.size()));
    TStringStream text;
    try {
      ObjectBinaryToText(in, text);
    } catch (const Exception&) {
      // As above: the text conversion refuses what it cannot read.
    }
  }
  EXPECT_GT(loaded, 0);
}

}  // namespace
}  // namespace stream_samples
