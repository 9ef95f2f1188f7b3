#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/classes/properties.h"
#include "platform/core/exceptions.h"
#include "tests/classes/sample_widget.h"

namespace {

// Names for two well-known values of an integer property, as colours have.
const TIdentMap kTints{
    [](std::string_view ident, int64_t& value) {
      if (SameText(ident, "tnWarm")) value = 0xFF000005;
      else if (SameText(ident, "tnCold")) value = 7;
      else return false;
      return true;
    },
    [](int64_t value, String& ident) {
      if (value == static_cast<int32_t>(0xFF000005)) ident = "tnWarm";
      else if (value == 7) ident = "tnCold";
      else return false;
      return true;
    }};

// A descendant that publishes more properties and changes an inherited default.
class TFancyWidget : public TSampleWidget {
  DECLARE_CLASS(TFancyWidget, TSampleWidget)
 public:
  using TSampleWidget::TSampleWidget;
  static void Publish() {
    TPublisher<TFancyWidget> p;
    p.Redeclare("Count").Default(5);
    p.Property("Glow", &TFancyWidget::Glow, &TFancyWidget::SetGlow).AsDateTime();
    p.Property("Tint", &TFancyWidget::Tint, &TFancyWidget::SetTint).Idents(&kTints);
  }
  double Glow() const { return glow_; }
  void SetGlow(double v) { glow_ = v; }
  uint32_t Tint() const { return tint_; }
  void SetTint(uint32_t v) { tint_ = v; }

 private:
  double glow_ = 0;
  uint32_t tint_ = 0;
};

// A class whose publishing fails half way: it redeclares a property no parent has.
class TMisdeclaredWidget : public TSampleWidget {
  DECLARE_CLASS(TMisdeclaredWidget, TSampleWidget)
 public:
  using TSampleWidget::TSampleWidget;
  static void Publish() {
    TPublisher<TMisdeclaredWidget> p;
    p.Property("Glow", &TMisdeclaredWidget::Glow, &TMisdeclaredWidget::SetGlow);
    p.Redeclare("NoSuchProperty");
  }
  double Glow() const { return 0; }
  void SetGlow(double) {}
};

std::vector<std::string> Names(const std::vector<const TPropInfo*>& list) {
  std::vector<std::string> names;
  for (const TPropInfo* info : list) names.push_back(info->Name);
  return names;
}

TEST(PropertyRegistry, ListsPropertiesParentsFirstInDeclarationOrder) {
  TFancyWidget widget(nullptr);
  EXPECT_EQ(Names(GetPropList(&widget)),
            (std::vector<std::string>{"Name", "Tag", "Count", "Total", "Shape", "Options",
                                      "Caption", "Ratio", "Price", "Enabled", "Items", "Font",
                                      "Buddy", "Hint", "OnChange", "OnAdjust", "Glow",
                                      "Tint"}));
  // The redeclared property keeps its place and belongs to the descendant.
  EXPECT_EQ(GetPropInfo(&widget, "count")->OwnerClass, TFancyWidget::StaticClass());
  EXPECT_EQ(GetPropInfo(TSampleWidget::StaticClass(), "Count")->Default, Variant(0));
  EXPECT_EQ(GetPropInfo(TFancyWidget::StaticClass(), "Count")->Default, Variant(5));
  EXPECT_EQ(GetPropInfo(TSampleWidget::StaticClass(), "Glow"), nullptr);
  EXPECT_EQ(Names(GetPropList(TComponent::StaticClass())),
            (std::vector<std::string>{"Name", "Tag"}));
  EXPECT_TRUE(GetPropList(TPersistent::StaticClass()).empty());
}

TEST(PropertyRegistry, AClassWhosePublishingFailedKeepsReportingTheFailure) {
  // Looked up again, the class must not pass for published with only its first properties.
  EXPECT_THROW(GetPropList(TMisdeclaredWidget::StaticClass()), EPropertyError);
  EXPECT_THROW(GetPropList(TMisdeclaredWidget::StaticClass()), EPropertyError);
}

TEST(PropertyRegistry, KindsFollowTheAccessorTypes) {
  struct Row {
    const char* name;
    TPropKind kind;
  };
  const Row rows[] = {{"Count", pkInteger}, {"Total", pkInt64},   {"Shape", pkEnum},
                      {"Options", pkSet},   {"Caption", pkString}, {"Ratio", pkFloat},
                      {"Price", pkCurrency}, {"Enabled", pkBoolean}, {"Items", pkClass},
                      {"Font", pkClass},    {"Buddy", pkComponent}, {"OnChange", pkMethod}};
  for (const Row& row : rows) {
    const TPropInfo* info = GetPropInfo(TSampleWidget::StaticClass(), row.name);
    ASSERT_NE(info, nullptr) << row.name;
    EXPECT_EQ(info->Kind, row.kind) << row.name;
    EXPECT_TRUE(info->IsWritable()) << row.name;
  }
  EXPECT_EQ(GetPropInfo(TSampleWidget::StaticClass(), "Shape")->EnumInfo->TypeName(),
            "TSampleShape");
  EXPECT_EQ(GetPropInfo(TSampleWidget::StaticClass(), "Options")->EnumInfo->Name(2), "soFramed");
  EXPECT_EQ(GetPropInfo(TSampleWidget::StaticClass(), "Font")->PropClass,
            TWidgetFont::StaticClass());
  EXPECT_EQ(*GetPropInfo(TSampleWidget::StaticClass(), "OnAdjust")->EventSignature,
            typeid(void(TObject*, int&)));
  EXPECT_EQ(GetPropInfo(TFancyWidget::StaticClass(), "Glow")->FloatType, fltDateTime);
}

TEST(PropertyValues, GetAndSetByNameWithEnumAndSetNames) {
  TSampleWidget w(nullptr);
  SetPropValue(&w, "Count", 42);
  SetPropValue(&w, "Total", int64_t{1} << 40);
  SetPropValue(&w, "shape", "SSSQUARE");
  SetPropValue(&w, "Options", "[soItalic, soFramed]");
  SetPropValue(&w, "Caption", "你好");
  SetPropValue(&w, "Ratio", 2.5);
  SetPropValue(&w, "Price", Currency::FromRaw(12345));
  SetPropValue(&w, "Enabled", "False");
  EXPECT_EQ(w.Count(), 42);
  EXPECT_EQ(w.Total(), int64_t{1} << 40);
  EXPECT_EQ(w.Shape(), ssSquare);
  EXPECT_EQ(w.Options(), (TSampleOptions{soItalic, soFramed}));
  EXPECT_EQ(w.Caption(), "你好");
  EXPECT_EQ(w.Ratio(), 2.5);
  EXPECT_EQ(w.Price().Raw(), 12345);
  EXPECT_FALSE(w.Enabled());

  EXPECT_EQ(GetPropValue(&w, "Count"), Variant(42));
  EXPECT_EQ(GetPropValue(&w, "Shape"), Variant("ssSquare"));
  EXPECT_EQ(GetPropValue(&w, "Options"), Variant("[soItalic,soFramed]"));
  EXPECT_EQ(GetPropValue(&w, "Shape", false), Variant(2));
  EXPECT_EQ(GetPropValue(&w, "Options", false), Variant(int64_t{6}));
  EXPECT_EQ(GetPropValue(&w, "Enabled"), Variant(false));
  SetPropValue(&w, "Shape", 1);
  SetPropValue(&w, "Options", int64_t{1});
  EXPECT_EQ(w.Shape(), ssRound);
  EXPECT_EQ(w.Options(), TSampleOptions{soBold});
}

TEST(PropertyValues, DottedPathsReachNestedObjects) {
  TSampleWidget w(nullptr);
  EXPECT_TRUE(HasProperty(&w, "Font.Name"));
  EXPECT_FALSE(HasProperty(&w, "Font.Colour"));
  EXPECT_FALSE(HasProperty(&w, "Caption.Name"));
  EXPECT_FALSE(HasProperty(&w, "Buddy.Caption"));  // nil reference: nothing to reach
  SetPropValue(&w, "Font.Size", 12);
  EXPECT_EQ(w.Font()->Size(), 12);
  EXPECT_EQ(GetPropValue(&w, "font.name"), Variant("Tahoma"));
}

TEST(PropertyValues, BadNamesAndValuesRaiseAndChangeNothing) {
  TSampleWidget w(nullptr);
  struct Case {
    const char* path;
    Variant value;
    const char* message;
  };
  const Case cases[] = {
      {"Colour", 1, "Property Colour does not exist"},
      {"Shape", "ssOval", "Invalid property value"},
      {"Shape", 3, "Invalid property value"},
      {"Options", "[soBold,soUnderline]", "Invalid property element: soUnderline"},
      {"Enabled", "maybe", "Invalid property value"},
      {"Font", 1, "Invalid property type: Font"},
  };
  for (const Case& c : cases) {
    try {
      SetPropValue(&w, c.path, c.value);
      ADD_FAILURE() << c.path << " accepted " << VarToStr(c.value);
    } catch (const EPropertyError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.path;
    }
  }
  EXPECT_EQ(w.Shape(), ssRound);
  EXPECT_EQ(w.Options(), TSampleOptions{soBold});
  EXPECT_THROW(GetPropValue(&w, "Font"), EPropertyError);
  EXPECT_THROW(SetPropValue(&w, "Count", "twelve"), Exception);
}

TEST(PropertyValues, UnsignedIntegersKeepTheirBitsAndTakeIdentifiers) {
  TFancyWidget w(nullptr);
  const TPropInfo* tint = GetPropInfo(&w, "Tint");
  EXPECT_EQ(tint->Kind, pkInteger);
  SetPropValue(&w, "Tint", "tnwarm");
  EXPECT_EQ(w.Tint(), 0xFF000005u);
  EXPECT_EQ(GetOrdProp(&w, tint), static_cast<int32_t>(0xFF000005));
  SetPropValue(&w, "Tint", "12");
  EXPECT_EQ(w.Tint(), 12u);
  SetOrdProp(&w, tint, -1);
  EXPECT_EQ(w.Tint(), 0xFFFFFFFFu);
  String ident;
  EXPECT_TRUE(tint->Idents->IntToIdent(7, ident));
  EXPECT_EQ(ident, "tnCold");
}

TEST(PropertyValues, ReferencesAndEventsByName) {
  TComponent form(nullptr);
  auto* w = new TSampleWidget(&form);
  auto* buddy = new TSampleWidget(&form);
  buddy->SetName("Buddy1");
  const TPropInfo* ref = GetPropInfo(w, "Buddy");
  SetObjectProp(w, ref, buddy);
  EXPECT_EQ(w->Buddy(), buddy);
  EXPECT_EQ(GetPropValue(w, "Buddy"), Variant("Buddy1"));
  TWidgetFont font;
  EXPECT_THROW(SetObjectProp(w, ref, &font), EPropertyError);
  EXPECT_EQ(w->Buddy(), buddy);
  delete buddy;
  EXPECT_EQ(GetPropValue(w, "Buddy"), Variant(""));

  const TPropInfo* ev = GetPropInfo(w, "OnChange");
  GetMethodProp(w, ev)->BindByName(w, "WidgetChanged");
  EXPECT_EQ(GetPropValue(w, "OnChange"), Variant("WidgetChanged"));
  w->OnChange(&form);
  EXPECT_EQ(w->changedCalls, 1);
}

TEST(PropertyValues, TypedAccessForStreaming) {
  TSampleWidget w(nullptr);
  const TPropInfo* shape = GetPropInfo(&w, "Shape");
  const TPropInfo* options = GetPropInfo(&w, "Options");
  SetEnumProp(&w, shape, "ssNone");
  EXPECT_EQ(GetOrdProp(&w, shape), 0);
  EXPECT_EQ(GetEnumProp(&w, shape), "ssNone");
  SetSetProp(&w, options, "soFramed");
  EXPECT_EQ(GetSetProp(&w, options, false), "soFramed");
  SetOrdProp(&w, GetPropInfo(&w, "Enabled"), 0);
  EXPECT_FALSE(w.Enabled());
  SetFloatProp(&w, GetPropInfo(&w, "Price"), 1.25);
  EXPECT_EQ(w.Price().Raw(), 12500);
  EXPECT_EQ(GetFloatProp(&w, GetPropInfo(&w, "Price")), 1.25);
  SetStrProp(&w, GetPropInfo(&w, "Caption"), "x");
  EXPECT_EQ(GetStrProp(&w, GetPropInfo(&w, "Caption")), "x");
  EXPECT_EQ(GetObjectProp(&w, GetPropInfo(&w, "Font")), w.Font());
  EXPECT_THROW(SetEnumProp(&w, options, "soBold"), EPropertyError);
  EXPECT_THROW(GetStrProp(&w, GetPropInfo(&w, "Font")), EPropertyError);
}

TEST(PropertyValues, DefaultsAndStoredRules) {
  TSampleWidget w(nullptr);
  auto isDefault = [&](const char* name) { return IsDefaultPropValue(&w, GetPropInfo(&w, name)); };
  EXPECT_TRUE(isDefault("Count"));
  EXPECT_TRUE(isDefault("Shape"));
  EXPECT_TRUE(isDefault("Options"));
  EXPECT_TRUE(isDefault("Enabled"));
  EXPECT_TRUE(isDefault("Caption"));
  EXPECT_TRUE(isDefault("Ratio"));
  EXPECT_TRUE(isDefault("Total"));
  EXPECT_TRUE(isDefault("Buddy"));
  EXPECT_TRUE(isDefault("OnChange"));
  EXPECT_FALSE(isDefault("Font"));  // nested objects are always visited
  w.SetShape(ssNone);
  w.SetOptions({});
  w.SetCaption("c");
  w.SetRatio(0.5);
  w.OnChange.BindByName(&w, "Unresolved");
  EXPECT_FALSE(isDefault("Shape"));
  EXPECT_FALSE(isDefault("Options"));
  EXPECT_FALSE(isDefault("Caption"));
  EXPECT_FALSE(isDefault("Ratio"));
  EXPECT_FALSE(isDefault("OnChange"));
  // An ordinal with no declared default is always written.
  TWidgetFont font;
  EXPECT_TRUE(IsDefaultPropValue(&font, GetPropInfo(&font, "Size")));
  TFancyWidget fancy(nullptr);
  EXPECT_FALSE(IsDefaultPropValue(&fancy, GetPropInfo(&fancy, "Count")));
  fancy.SetCount(5);
  EXPECT_TRUE(IsDefaultPropValue(&fancy, GetPropInfo(&fancy, "Count")));

  const TPropInfo* hint = GetPropInfo(&w, "Hint");
  w.SetHint("c");
  EXPECT_FALSE(IsStoredProp(&w, hint));
  w.SetHint("other");
  EXPECT_TRUE(IsStoredProp(&w, hint));
  EXPECT_TRUE(IsStoredProp(&w, GetPropInfo(&w, "Count")));
  // A stream names the component in its record, not as a property.
  w.SetName("Widget1");
  EXPECT_FALSE(IsStoredProp(&w, GetPropInfo(&w, "Name")));
  EXPECT_TRUE(isDefault("Tag"));
  w.SetTag(-3);
  EXPECT_FALSE(isDefault("Tag"));
}

TEST(PropertyInterceptors, VetoAndAdjustByNameForTheClassAndDescendants) {
  int vetoes = 0;
  int handle = AddPropertyInterceptor(
      TSampleWidget::StaticClass(), "Count",
      {[&](TObject*, const TPropInfo&, Variant& value) {
         if (value.AsInteger() < 0) {
           ++vetoes;
           return false;
         }
         value = value.AsInteger() * 10;
         return true;
       },
       [](TObject*, const TPropInfo&, Variant& value) { value = value.AsInteger() + 1; }});
  TFancyWidget w(nullptr);
  SetPropValue(&w, "Count", 3);
  EXPECT_EQ(w.Count(), 30);
  SetPropValue(&w, "Count", -1);
  EXPECT_EQ(w.Count(), 30);
  EXPECT_EQ(vetoes, 1);
  EXPECT_EQ(GetPropValue(&w, "Count"), Variant(31));
  SetPropValue(&w, "Total", 3);  // another property is left alone
  EXPECT_EQ(w.Total(), 3);
  TWidgetFont font;
  SetPropValue(&font, "Size", 3);  // another class too
  EXPECT_EQ(font.Size(), 3);
  RemovePropertyInterceptor(handle);
  SetPropValue(&w, "Count", 3);
  EXPECT_EQ(w.Count(), 3);
}

TEST(EnumNames, SetTextRoundTripsAndRejectsStrangers) {
  const TEnumInfo& info = GetEnumInfo(TSampleOption{});
  EXPECT_EQ(SetToString(info, 0b101), "[soBold,soFramed]");
  EXPECT_EQ(SetToString(info, 0, false), "");
  EXPECT_EQ(StringToSet(info, " [ soframed ,SOBOLD ] "), 0b101u);
  EXPECT_EQ(StringToSet(info, "[]"), 0u);
  EXPECT_THROW(StringToSet(info, "[soBold"), EPropertyError);
  EXPECT_THROW(StringToSet(info, "soBold,soOther"), EPropertyError);
  EXPECT_EQ(info.Value("soItalic"), 1);
  EXPECT_EQ(info.Value("nothing"), -1);
  EXPECT_EQ(info.Name(7), "");
}

}  // namespace
