// Field kinds: conversions in and out, display and edit text with formats, defaults of
// display widths and alignment, characters an editor may accept, and errors for bad values.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/data/field_kinds.h"
#include "platform/data/mem_dataset.h"

namespace {

// One record with a field of every kind, open in edit mode.
class Fields : public testing::Test {
 protected:
  void SetUp() override {
    const std::pair<const char*, TFieldType> kinds[] = {
        {"S", ftString},   {"Small", ftSmallint}, {"I", ftInteger}, {"W", ftWord},
        {"Auto", ftAutoInc}, {"Big", ftLargeint}, {"B", ftBoolean}, {"F", ftFloat},
        {"C", ftCurrency}, {"Bcd", ftBCD},        {"D", ftDate},    {"T", ftTime},
        {"DT", ftDateTime}, {"TS", ftTimeStamp},  {"Memo", ftMemo}, {"Blob", ftBlob}};
    for (const auto& [name, type] : kinds) ds.FieldDefs()->Add(name, type, type == ftString ? 8 : 0);
    ds.CreateDataSet();
    ds.Append();
  }
  TField* F(const char* name) { return ds.FieldByName(name); }
  TMemDataSet ds{nullptr};
};

}  // namespace

TEST_F(Fields, EachTypeGetsItsFieldClassWidthAndAlignment) {
  struct Row { const char* name; const char* cls; int width; TAlignment align; };
  const Row rows[] = {
      {"S", "TStringField", 8, taLeftJustify},       {"Small", "TSmallintField", 6, taRightJustify},
      {"I", "TIntegerField", 11, taRightJustify},    {"W", "TWordField", 5, taRightJustify},
      {"Auto", "TAutoIncField", 11, taRightJustify}, {"Big", "TLargeintField", 15, taRightJustify},
      {"B", "TBooleanField", 5, taLeftJustify},      {"F", "TFloatField", 10, taRightJustify},
      {"C", "TCurrencyField", 10, taRightJustify},   {"Bcd", "TBCDField", 10, taRightJustify},
      {"D", "TDateField", 10, taLeftJustify},        {"T", "TTimeField", 10, taLeftJustify},
      {"DT", "TDateTimeField", 18, taLeftJustify},   {"TS", "TSQLTimeStampField", 18, taLeftJustify},
      {"Memo", "TMemoField", 10, taLeftJustify},     {"Blob", "TBlobField", 10, taLeftJustify}};
  for (const Row& r : rows) {
    EXPECT_EQ(F(r.name)->ClassName(), r.cls) << r.name;
    EXPECT_EQ(F(r.name)->DisplayWidth(), r.width) << r.name;
    EXPECT_EQ(F(r.name)->Alignment(), r.align) << r.name;
    EXPECT_EQ(F(r.name)->IsBlob(), r.name == std::string("Memo") || r.name == std::string("Blob")) << r.name;
  }
  EXPECT_EQ(F("I")->Index(), 2);
  EXPECT_EQ(F("I")->FieldNo(), 3);
  EXPECT_EQ(F("I")->DisplayLabel(), "I");
  F("I")->SetDisplayLabel("Number");
  EXPECT_EQ(F("I")->DisplayName(), "Number");
}

TEST_F(Fields, NumbersConvertTextAndCheckTheirRange) {
  F("I")->SetAsString(" 42 ");
  EXPECT_EQ(F("I")->AsInteger(), 42);
  EXPECT_EQ(F("I")->AsFloat(), 42.0);
  EXPECT_EQ(F("I")->AsString(), "42");
  EXPECT_THROW(F("I")->SetAsString("4x2"), EConvertError);
  EXPECT_EQ(F("I")->AsInteger(), 42);
  F("I")->SetAsString("");
  EXPECT_TRUE(F("I")->IsNull());
  EXPECT_EQ(F("I")->AsInteger(), 0);
  EXPECT_EQ(F("I")->Text(), "");
  try {
    F("Small")->SetAsInteger(40000);
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "40000 is not a valid value for field 'Small'. The allowed range is -32768 to 32767");
  }
  EXPECT_THROW(F("W")->SetAsInteger(-1), EDatabaseError);
  F("Big")->SetAsLargeInt(int64_t{1} << 40);
  EXPECT_EQ(F("Big")->AsLargeInt(), int64_t{1} << 40);
  F("F")->SetAsFloat(2.5);
  EXPECT_EQ(F("F")->AsString(), "2.5");
  F("F")->SetAsString("1e3");
  EXPECT_EQ(F("F")->AsFloat(), 1000.0);
  F("Bcd")->SetAsString("12.3456");
  EXPECT_EQ(F("Bcd")->AsCurrency(), Currency::FromRaw(123456));
}

TEST_F(Fields, DisplayAndEditFormatsOfNumbers) {
  auto* i = static_cast<TIntegerField*>(F("I"));
  i->SetAsInteger(1234567);
  i->SetDisplayFormat("#,##0");
  EXPECT_EQ(i->DisplayText(), "1,234,567");
  EXPECT_EQ(i->AsString(), "1234567");
  // Edit text falls back to the display mask until an edit mask of its own is given.
  EXPECT_EQ(i->Text(), "1,234,567");
  i->SetEditFormat("0");
  EXPECT_EQ(i->Text(), "1234567");
  auto* c = static_cast<TCurrencyField*>(F("C"));
  c->SetAsFloat(1234.5);
  EXPECT_EQ(c->DisplayText(), CurrToStrF(Currency::FromDouble(1234.5), ffCurrency, FormatSettings.CurrencyDecimals));
  EXPECT_EQ(c->Text(), "1234.50");
  auto* f = static_cast<TFloatField*>(F("F"));
  f->SetAsFloat(0.125);
  f->SetDisplayFormat("0.00");
  EXPECT_EQ(f->DisplayText(), "0.13");
  EXPECT_EQ(f->AsFloat(), 0.125);
}

TEST_F(Fields, BooleansUseTheirDisplayValuesBothWays) {
  auto* b = static_cast<TBooleanField*>(F("B"));
  b->SetAsBoolean(true);
  EXPECT_EQ(b->DisplayText(), "True");
  b->SetDisplayValues("是;否");
  EXPECT_EQ(b->AsString(), "是");
  b->SetAsString("否");
  EXPECT_FALSE(b->AsBoolean());
  b->SetDisplayValues("Yes;No");
  b->SetAsString("y");
  EXPECT_TRUE(b->AsBoolean());
  try {
    b->SetAsString("maybe");
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "'maybe' is not a valid boolean value for field 'B'");
  }
}

TEST_F(Fields, DatesAndTimesFollowTheLocaleAndDisplayFormat) {
  TDateTime when = EncodeDate(2024, 3, 9) + EncodeTime(8, 5, 0, 0);
  F("D")->SetAsDateTime(EncodeDate(2024, 3, 9));
  EXPECT_EQ(F("D")->Text(), FormatDateTime(FormatSettings.ShortDateFormat, EncodeDate(2024, 3, 9)));
  F("DT")->SetAsDateTime(when);
  static_cast<TDateTimeField*>(F("DT"))->SetDisplayFormat("yyyy/mm/dd hh:nn");
  EXPECT_EQ(F("DT")->DisplayText(), FormatDateTime("yyyy/mm/dd hh:nn", when));
  F("T")->SetAsString(TimeToStr(EncodeTime(13, 14, 15, 0)));
  EXPECT_DOUBLE_EQ(F("T")->AsDateTime(), EncodeTime(13, 14, 15, 0));
  EXPECT_THROW(F("D")->SetAsString("not a date"), EConvertError);
}

TEST_F(Fields, TextFieldsCutToSizeAndBlobsShowTheirKind) {
  F("S")->SetAsString("短信群发平台测试数据");
  EXPECT_EQ(F("S")->AsString(), "短信群发平台测试");
  EXPECT_EQ(F("Memo")->DisplayText(), "(memo)");
  F("Memo")->SetAsString("a long note");
  EXPECT_EQ(F("Memo")->DisplayText(), "(MEMO)");
  EXPECT_EQ(F("Memo")->Text(), "a long note");
  EXPECT_EQ(F("Blob")->DisplayText(), "(blob)");
  F("Blob")->SetAsString(std::string("\0\1\2", 3));
  EXPECT_EQ(F("Blob")->DisplayText(), "(BLOB)");
  EXPECT_EQ(F("Blob")->AsString().size(), 3u);
}

TEST_F(Fields, GetTextAndSetTextHandlersReplaceTheDefaults) {
  TField* s = F("S");
  s->OnGetText.Bind(nullptr, "Get", [](TField* f, String& text, bool display) {
    text = (display ? "<" : "[") + f->AsString() + (display ? ">" : "]");
  });
  s->OnSetText.Bind(nullptr, "Set", [](TField* f, const String& text) { f->SetAsString(UpperCase(text)); });
  s->SetText("abc");
  EXPECT_EQ(s->AsString(), "ABC");
  EXPECT_EQ(s->DisplayText(), "<ABC>");
  EXPECT_EQ(s->EditText(), "[ABC]");
  int changes = 0;
  s->OnChange.Bind(nullptr, "Changed", [&](TField*) { ++changes; });
  s->Clear();
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(s->IsNull());
}

TEST_F(Fields, EditorsAcceptOnlyCharactersANumberCanHold) {
  EXPECT_TRUE(F("I")->IsValidChar('7'));
  EXPECT_TRUE(F("I")->IsValidChar('-'));
  EXPECT_FALSE(F("I")->IsValidChar('.'));
  EXPECT_FALSE(F("I")->IsValidChar('a'));
  EXPECT_TRUE(F("F")->IsValidChar(static_cast<unsigned char>(FormatSettings.DecimalSeparator)));
  EXPECT_TRUE(F("F")->IsValidChar('E'));
  EXPECT_TRUE(F("S")->IsValidChar(U'中'));
}

TEST_F(Fields, NamesAreFoundIgnoringCaseAndUnknownNamesRaise) {
  EXPECT_EQ(ds.FindField("memo"), F("Memo"));
  EXPECT_EQ(ds.FindField("nothing"), nullptr);
  try {
    ds.FieldByName("Nothing");
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_EQ(e.Message(), "Field 'Nothing' not found");
  }
  std::vector<TField*> list;
  ds.GetFieldList(list, "I; S");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1], F("S"));
  F("S")->SetIndex(0);
  EXPECT_EQ(ds.Fields()->Fields(0), F("S"));
  EXPECT_THROW(ds.Fields()->Fields(99), EListError);
}

// Whoever owns or watches a field can still tell that it was one when it goes.
TEST(FieldRemoval, AFieldIsStillAFieldWhenItsGoingIsAnnounced) {
  struct Watcher : TComponent {
    using TComponent::TComponent;
    void Notification(TComponent* component, TOperation operation) override {
      TComponent::Notification(component, operation);
      if (operation == opRemove) sawField.push_back(dynamic_cast<TField*>(component) != nullptr);
    }
    std::vector<bool> sawField;
  };
  TComponent owner(nullptr);
  auto* watcher = new Watcher(&owner);
  TField* owned = CreateFieldOfType(ftString, &owner);
  TField* watched = CreateFieldOfType(ftInteger, nullptr);
  watched->FreeNotification(watcher);
  delete owned;
  delete watched;
  EXPECT_EQ(watcher->sawField, (std::vector<bool>{true, true}));
}
