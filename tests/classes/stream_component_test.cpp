// Component trees written and read: the foreign sample, round trips, existing roots.
#include <gtest/gtest.h>

#include "platform/classes/object_text.h"
#include "platform/classes/stream_components.h"
#include "stream_sample_classes.h"
#include "stream_test_support.h"

namespace stream_samples {
namespace {

template <typename T = TComponent>
std::unique_ptr<T> Read(const std::vector<uint8_t>& binary) {
  return std::unique_ptr<T>(dynamic_cast<T*>(ReadInto(binary, nullptr)));
}

class StreamComponents : public ::testing::Test {
 protected:
  SampleClassesFixture classes;

  // A tree with a value of every kind, references between components and an event.
  static std::unique_ptr<TSamplePanel> RichTree() {
    auto root = std::make_unique<TSamplePanel>(nullptr);
    TSamplePanel& p = *root;
    p.SetName("Form1");
    p.SetLeft(10);
    p.SetTop(20);
    p.SetWidth(300);
    p.SetHeight(200);
    p.SetCaption("短信群发 Sender");
    p.SetHint("a'b");
    p.SetColor(clWindow);
    p.Font()->SetCharset(GB2312_CHARSET);
    p.Font()->SetName("宋体");
    p.Font()->SetStyle({fsBold, fsUnderline});
    p.SetScale(0.5);
    p.SetCount(-129);
    p.SetLarge(2147483647);
    p.SetHuge(-9223372036854775807LL);
    p.SetSmall(-5);
    p.SetTags({});
    p.SetFlags({sfOne, sfFour});
    p.SetChecked(true);
    p.SetAlign(saClient);
    p.SetRatio(1.5f);
    p.SetPrice(Currency::FromRaw(123456));
    p.SetStamp(45000.5);
    p.Lines()->Add("alpha");
    p.Lines()->Add("");
    p.Lines()->Add("it's");
    auto* mobile = static_cast<TSampleColumn*>(p.Columns()->Add());
    mobile->SetFieldName("Mobile");
    mobile->SetWidth(120);
    mobile->Title()->SetCaption("手机");
    static_cast<TSampleColumn*>(p.Columns()->Add())->SetFieldName("Name");
    p.Picture() = {1, 2, 3};
    p.OnResize.BindByName(&p, "MainPanelResize");
    auto* inner = new TSampleChild(&p);
    inner->SetName("Inner");
    inner->SetParent(&p);
    inner->SetLeft(8);
    inner->SetTop(8);
    inner->SetPartner(&p);
    inner->notes = "memo";
    auto* deepest = new TSampleChild(&p);
    deepest->SetName("Deepest");
    deepest->SetParent(inner);
    deepest->SetSampleTag(42);
    deepest->SetPartner(inner);
    deepest->OnResize.BindByName(&p, "MainPanelResize");
    return root;
  }
};

const char* const kRichTreeText =
    "object Form1: TSamplePanel\n"
    "  Left = 10\n"
    "  Top = 20\n"
    "  Width = 300\n"
    "  Height = 200\n"
    "  OnResize = MainPanelResize\n"
    "  Caption = '短信群发 Sender'\n"
    "  Hint = 'a''b'\n"
    "  Color = clWindow\n"
    "  Font.Charset = GB2312_CHARSET\n"
    "  Font.Name = '宋体'\n"
    "  Font.Style = [fsBold, fsUnderline]\n"
    "  Scale = 0.5\n"
    "  Count = -129\n"
    "  Large = 2147483647\n"
    "  Huge = -9223372036854775807\n"
    "  Small = -5\n"
    "  Tags = []\n"
    "  Flags = [sfOne, sfFour]\n"
    "  Checked = True\n"
    "  Align = saClient\n"
    "  Ratio = 1.5S\n"
    "  Price = 12.3456C\n"
    "  Stamp = 45000.5D\n"
    "  Lines.Strings = (\n"
    "    'alpha'\n"
    "    ''\n"
    "    'it''s')\n"
    "  Columns = <\n"
    "    item\n"
    "      FieldName = 'Mobile'\n"
    "      Width = 120\n"
    "      Title.Caption = '手机'\n"
    "    end\n"
    "    item\n"
    "      FieldName = 'Name'\n"
    "    end>\n"
    "  Picture = {\n"
    "    010203}\n"
    "  object Inner: TSampleChild\n"
    "    Left = 8\n"
    "    Top = 8\n"
    "    Partner = Form1\n"
    "    Notes = 'memo'\n"
    "    object Deepest: TSampleChild\n"
    "      Tag = 42\n"
    "      Partner = Inner\n"
    "      OnResize = MainPanelResize\n"
    "    end\n"
    "  end\n"
    "end\n";

TEST_F(StreamComponents, RichTreeWritesOnlyStoredNonDefaultValues) {
  auto root = RichTree();
  EXPECT_EQ(ToText(WriteTree(root.get())), kRichTreeText);
  EXPECT_FALSE(root->ComponentState().Contains(csWriting));
}

TEST_F(StreamComponents, FreshPanelWritesOnlyItsPositionWhichHasNoDefault) {
  TSamplePanel panel(nullptr);
  panel.SetName("P");
  panel.SetScale(1.0);
  panel.Font()->SetName("Tahoma");
  const std::vector<uint8_t> expected = {'T', 'P', 'F', '0', 12, 'T', 'S', 'a', 'm', 'p', 'l',
                                         'e', 'P', 'a', 'n', 'e', 'l', 1, 'P', 4, 'L', 'e', 'f',
                                         't', vaInt8, 0, 3, 'T', 'o', 'p', vaInt8, 0, 0, 0};
  EXPECT_EQ(WriteTree(&panel), expected);
}

TEST_F(StreamComponents, RichTreeReadsBackIntoAnEqualTreeAndWritesTheSameBytes) {
  auto original = RichTree();
  const std::vector<uint8_t> first = WriteTree(original.get());
  auto copy = Read<TSamplePanel>(first);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(WriteTree(copy.get()), first);
  EXPECT_EQ(ToBinary(ToText(first)), first);

  EXPECT_EQ(copy->Name(), "Form1");
  EXPECT_EQ(copy->Caption(), "短信群发 Sender");
  EXPECT_EQ(copy->Font()->Name(), "宋体");
  EXPECT_EQ(copy->Font()->Style(), (Set<TSampleFontStyle>{fsBold, fsUnderline}));
  EXPECT_EQ(copy->Font()->Color(), clWindowText);
  EXPECT_EQ(copy->Huge(), -9223372036854775807LL);
  EXPECT_EQ(copy->Small(), -5);
  EXPECT_TRUE(copy->Tags().Empty());
  EXPECT_EQ(copy->Ratio(), 1.5f);
  EXPECT_EQ(copy->Price().Raw(), 123456);
  EXPECT_EQ(copy->Stamp(), 45000.5);
  EXPECT_EQ(copy->Align(), saClient);
  EXPECT_EQ(copy->Picture(), (std::vector<uint8_t>{1, 2, 3}));
  ASSERT_EQ(copy->Columns()->Count(), 2);
  EXPECT_EQ(static_cast<TSampleColumn*>(copy->Columns()->Items(0))->Title()->Caption(), "手机");
  EXPECT_EQ(static_cast<TSampleColumn*>(copy->Columns()->Items(1))->Width(), 64);

  ASSERT_EQ(copy->Children().size(), 1u);
  auto* inner = dynamic_cast<TSampleChild*>(copy->Children()[0]);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(inner->Owner(), copy.get());
  EXPECT_EQ(inner->Partner(), copy.get());
  EXPECT_EQ(inner->notes, "memo");
  ASSERT_EQ(inner->Children().size(), 1u);
  TSampleControl* deepest = inner->Children()[0];
  EXPECT_EQ(deepest->Owner(), copy.get());
  EXPECT_EQ(deepest->Partner(), inner);
  deepest->OnResize(deepest);
  EXPECT_EQ(copy->resizedBy, deepest);
}

TEST_F(StreamComponents, LoadedRunsOnceOnEveryComponentAfterReferencesAreFixedUp) {
  auto copy = Read<TSamplePanel>(WriteTree(RichTree().get()));
  TSampleControl* inner = copy->Children()[0];
  TSampleControl* deepest = inner->Children()[0];
  for (TSampleControl* c : {static_cast<TSampleControl*>(copy.get()), inner, deepest}) {
    EXPECT_EQ(c->loadedCalls, 1) << c->Name();
    EXPECT_FALSE(c->loadedWhileReading) << c->Name();
    EXPECT_FALSE(c->ComponentState().Contains(csLoading)) << c->Name();
  }
  EXPECT_TRUE(inner->stateWhenLeftSet.Contains(csLoading));
  EXPECT_TRUE(inner->stateWhenLeftSet.Contains(csReading));
  EXPECT_EQ(inner->partnerAtLoaded, copy.get());
  EXPECT_EQ(deepest->partnerAtLoaded, inner);
}

TEST_F(StreamComponents, ForeignSampleReadsAsTheTreeItsTextDescribes) {
  TMemoryStream file;
  file.LoadFromFile(String(TESTDATA_DIR) + "/streams/panel-layout.bin");
  auto panel = Read<TSamplePanel>(file.Bytes());
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->Name(), "MainPanel");
  EXPECT_EQ(panel->Left(), 0);
  EXPECT_EQ(panel->Top(), 0);
  EXPECT_EQ(panel->Width(), 640);
  EXPECT_EQ(panel->Height(), 480);
  EXPECT_EQ(panel->Caption(), "短信群发 Sender");
  EXPECT_EQ(panel->Hint(), "line1\r\nline2");
  EXPECT_EQ(panel->Color(), clWindow);
  EXPECT_EQ(panel->Font()->Charset(), GB2312_CHARSET);
  EXPECT_EQ(panel->Font()->Color(), clWindowText);
  EXPECT_EQ(panel->Font()->Height(), -12);
  EXPECT_EQ(panel->Font()->Name(), "宋体");
  EXPECT_EQ(panel->Font()->Style(), Set<TSampleFontStyle>{fsBold});
  EXPECT_EQ(panel->Scale(), 0.25);
  EXPECT_EQ(panel->Count(), -129);
  EXPECT_EQ(panel->Large(), 2147483647);
  EXPECT_EQ(panel->Huge(), -9223372036854775807LL);
  EXPECT_TRUE(panel->Tags().Empty());
  EXPECT_EQ(panel->Flags(), (Set<TSampleFlag>{sfOne, sfTwo, sfThree}));
  EXPECT_TRUE(panel->Checked());
  ASSERT_EQ(panel->Lines()->Count(), 3);
  EXPECT_EQ(panel->Lines()->Strings(0), "alpha");
  EXPECT_EQ(panel->Lines()->Strings(1), "");
  EXPECT_EQ(panel->Lines()->Strings(2), "it's");
  ASSERT_EQ(panel->Columns()->Count(), 3);
  auto column = [&](int i) { return static_cast<TSampleColumn*>(panel->Columns()->Items(i)); };
  EXPECT_EQ(column(0)->FieldName(), "Mobile");
  EXPECT_EQ(column(0)->Width(), 120);
  EXPECT_EQ(column(0)->Title()->Caption(), "手机");
  EXPECT_EQ(column(1)->FieldName(), "Name");
  EXPECT_EQ(column(1)->Width(), 64);
  EXPECT_EQ(column(2)->FieldName(), "");
  ASSERT_EQ(panel->Picture().size(), 58u);
  EXPECT_EQ(panel->Picture()[0], 'B');
  EXPECT_EQ(panel->Picture()[57], 0x00);
  EXPECT_EQ(panel->Picture()[56], 0xFF);
  EXPECT_EQ(panel->OnResize.MethodName(), "MainPanelResize");
  panel->OnResize(panel.get());
  EXPECT_EQ(panel->resizedBy, panel.get());

  ASSERT_EQ(panel->Children().size(), 1u);
  TSampleControl* inner = panel->Children()[0];
  EXPECT_EQ(inner->ClassName(), "TSampleChild");
  EXPECT_EQ(inner->Name(), "Inner");
  EXPECT_EQ(inner->Left(), 8);
  EXPECT_EQ(inner->Top(), 8);
  EXPECT_EQ(inner->Partner(), panel.get());
  ASSERT_EQ(inner->Children().size(), 1u);
  TSampleControl* deepest = inner->Children()[0];
  EXPECT_EQ(deepest->Name(), "Deepest");
  EXPECT_EQ(deepest->Tag(), 42);
  EXPECT_TRUE(deepest->Children().empty());
  EXPECT_EQ(panel->ComponentCount(), 2);
}

TEST_F(StreamComponents, ReadingIntoAnExistingRootReusesItsComponents) {
  TSamplePanel target(nullptr);
  auto* inner = new TSampleChild(&target);
  inner->SetName("Inner");
  inner->SetParent(&target);
  const std::vector<uint8_t> binary = WriteTree(RichTree().get());
  EXPECT_EQ(ReadInto(binary, &target), &target);
  EXPECT_EQ(target.Name(), "Form1");
  EXPECT_EQ(target.ComponentCount(), 2);
  EXPECT_EQ(target.FindComponent("Inner"), inner);
  EXPECT_EQ(inner->Partner(), &target);
  EXPECT_EQ(inner->Children().size(), 1u);
  EXPECT_EQ(target.Caption(), "短信群发 Sender");
}

TEST_F(StreamComponents, AReferenceToAComponentOfAnotherOwnerGoesThroughThatOwner) {
  // A and the component A owns, as a constructor would make them.
  auto makeTree = [](TSamplePanel& root) {
    auto* a = new TSampleChild(&root);
    a->SetName("A");
    auto* sub = new TSampleChild(a);
    sub->SetName("Sub");
    return sub;
  };
  TSamplePanel source(nullptr);
  source.SetName("P");
  source.SetPartner(makeTree(source));
  const std::vector<uint8_t> binary = WriteTree(&source);
  EXPECT_NE(ToText(binary).find("  Partner = A.Sub\n"), String::npos) << ToText(binary);
  TSamplePanel target(nullptr);
  TSampleChild* sub = makeTree(target);
  ReadInto(binary, &target);
  EXPECT_EQ(target.Partner(), sub);
}

// A component read on its own (a control's saved layout) may name components of the one that
// owns it, as it would be written: by name, or through its owner's name. Without the owner of
// its own, the owner given to the reader stands in.
TEST_F(StreamComponents, ARootReadOnItsOwnFindsWhatItsOwnerHolds) {
  for (const char* reference : {"Other", "Host.Other"}) {
    for (const bool ownerOfItsOwn : {true, false}) {
      SCOPED_TRACE(testing::Message() << reference << (ownerOfItsOwn ? ", owned" : ", owner given"));
      TSamplePanel host(nullptr);
      host.SetName("Host");
      auto* other = new TSampleChild(&host);
      other->SetName("Other");
      TSampleChild* root = ownerOfItsOwn ? new TSampleChild(&host) : new TSampleChild(nullptr);
      std::unique_ptr<TSampleChild> unowned(ownerOfItsOwn ? nullptr : root);
      const std::vector<uint8_t> binary =
          ToBinary(String("object C: TSampleChild\n  Partner = ") + reference + "\nend\n");
      TBytesStream in(binary.data(), static_cast<int64_t>(binary.size()));
      ReadComponent(in, root, ownerOfItsOwn ? nullptr : &host);
      EXPECT_EQ(root->Partner(), other);
    }
  }
}

TEST_F(StreamComponents, UnsignedColoursFromOtherWritersKeepTheirBitPattern) {
  auto panel = Read<TSamplePanel>(ToBinary("object P: TSamplePanel\n  Color = 4278190085\nend\n"));
  EXPECT_EQ(panel->Color(), clWindow);
}

TEST_F(StreamComponents, EventsWithoutARegisteredMethodKeepTheirName) {
  auto panel = Read<TSamplePanel>(
      ToBinary("object P: TSamplePanel\n  OnResize = SomewhereElse\nend\n"));
  EXPECT_EQ(panel->OnResize.MethodName(), "SomewhereElse");
  EXPECT_FALSE(panel->OnResize.Assigned());
  EXPECT_NE(ToText(WriteTree(panel.get())).find("  OnResize = SomewhereElse\n"), String::npos);
}

TEST_F(StreamComponents, ReferencesMayNameTheRootOrGoThroughItAndMayBeNil) {
  auto panel = Read<TSamplePanel>(ToBinary(
      "object P: TSamplePanel\n"
      "  Partner = P.B\n"
      "  object A: TSampleChild\n    Partner = nil\n  end\n"
      "  object B: TSampleChild\n    Partner = A\n  end\n"
      "end\n"));
  auto* a = static_cast<TSampleControl*>(panel->FindComponent("A"));
  auto* b = static_cast<TSampleControl*>(panel->FindComponent("B"));
  EXPECT_EQ(panel->Partner(), b);
  EXPECT_EQ(a->Partner(), nullptr);
  EXPECT_EQ(b->Partner(), a);
}

TEST_F(StreamComponents, ItemReferencesResolveAndACollectionReadAgainDropsThoseOfItsOldItems) {
  auto panel = Read<TSamplePanel>(ToBinary(
      "object P: TSamplePanel\n"
      "  Columns = <\n    item\n      Control = A\n    end>\n"
      "  Columns = <\n    item\n      FieldName = 'X'\n    end\n"
      "    item\n      Control = A\n    end>\n"
      "  object A: TSampleChild\n  end\n"
      "end\n"));
  ASSERT_EQ(panel->Columns()->Count(), 2);
  auto* first = static_cast<TSampleColumn*>(panel->Columns()->Items(0));
  auto* second = static_cast<TSampleColumn*>(panel->Columns()->Items(1));
  EXPECT_EQ(first->FieldName(), "X");
  EXPECT_EQ(first->Control(), nullptr);
  EXPECT_EQ(second->Control(), panel->FindComponent("A"));
}

}  // namespace
}  // namespace stream_samples
