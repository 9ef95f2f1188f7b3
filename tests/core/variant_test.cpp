#include "platform/core/variant.h"

#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "tests/core/expect_message.h"
#include "tests/core/format_settings_scope.h"

namespace {

class VariantTest : public ::testing::Test {
  FormatSettingsScope settings_;
};

TEST_F(VariantTest, VarTypeOfEachKind) {
  const std::pair<Variant, int> cases[] = {
      {Variant(), varEmpty},
      {Null(), varNull},
      {Variant(true), varBoolean},
      {Variant(5), varInteger},
      {Variant(int64_t{5}), varInt64},
      {Variant(1.5), varDouble},
      {Variant(Currency::FromInt(2)), varCurrency},
      {Variant::FromDateTime(1.0), varDate},
      {Variant("x"), varString},
      {Variant(String("x")), varString},
      {VarArrayOf({1, "a"}), 0x200C},
  };
  for (const auto& [v, type] : cases) EXPECT_EQ(VarType(v), type) << VarTypeName(VarType(v));
  EXPECT_TRUE(VarIsEmpty(Unassigned()));
  EXPECT_TRUE(VarIsNull(Null()));
  EXPECT_TRUE(VarIsArray(VarArrayOf({})));
  EXPECT_TRUE(Variant(1.5).IsNumeric());
  EXPECT_FALSE(Variant(true).IsNumeric());
  EXPECT_FALSE(Variant::FromDateTime(1).IsNumeric());
}

TEST_F(VariantTest, VarTypeNames) {
  const std::pair<int, const char*> cases[] = {
      {varEmpty, "Empty"},   {varNull, "Null"},     {varSmallint, "Smallint"}, {varInteger, "Integer"},
      {varSingle, "Single"}, {varDouble, "Double"}, {varCurrency, "Currency"}, {varDate, "Date"},
      {varBoolean, "Boolean"}, {varShortInt, "ShortInt"}, {varByte, "Byte"},   {varWord, "Word"},
      {varLongWord, "LongWord"}, {varInt64, "Int64"}, {varString, "String"},  {0x200C, "Array Variant"},
      {0x0FFF, "$0FFF"},
  };
  for (const auto& [type, name] : cases) EXPECT_EQ(VarTypeName(static_cast<TVarType>(type)), name);
}

TEST_F(VariantTest, ToText) {
  TDateTime dt = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
  const std::pair<Variant, const char*> cases[] = {
      {Variant(), ""},
      {Null(), ""},
      {Variant(true), "True"},
      {Variant(false), "False"},
      {Variant(-42), "-42"},
      {Variant(int64_t{1} << 40), "1099511627776"},
      {Variant(1.5), "1.5"},
      {Variant(1.0 / 3), "0.333333333333333"},
      {Variant(Currency::FromRaw(15000)), "1.5"},
      {Variant::FromDateTime(dt), "2024-03-05 14:07:09"},
      {Variant("中文"), "中文"},
  };
  for (const auto& [v, text] : cases) {
    EXPECT_EQ(v.AsString(), text);
    EXPECT_EQ(VarToStr(v), text);
  }
}

TEST_F(VariantTest, ToIntegersRoundHalvesToEven) {
  const std::pair<Variant, int> cases[] = {
      {Variant(), 0},
      {Variant(true), -1},
      {Variant(false), 0},
      {Variant(2.5), 2},
      {Variant(3.5), 4},
      {Variant(-2.5), -2},
      {Variant(Currency::FromRaw(25000)), 2},
      {Variant(Currency::FromRaw(35000)), 4},
      {Variant(Currency::FromRaw(-25001)), -3},
      {Variant("12"), 12},
      {Variant(" -7"), -7},
      {Variant("$FF"), 255},
      {Variant("1.5"), 2},
      {Variant("1e3"), 1000},
      {Variant::FromDateTime(2.75), 3},
  };
  for (const auto& [v, expected] : cases) {
    EXPECT_EQ(v.AsInteger(), expected) << v.AsString();
    EXPECT_EQ(v.AsInt64(), expected) << v.AsString();
  }
  EXPECT_EQ(Variant(int64_t{1} << 40).AsInt64(), int64_t{1} << 40);
}

TEST_F(VariantTest, ToOtherScalars) {
  EXPECT_DOUBLE_EQ(Variant("1.5").AsDouble(), 1.5);
  EXPECT_DOUBLE_EQ(Variant(Currency::FromRaw(12345)).AsDouble(), 1.2345);
  EXPECT_DOUBLE_EQ(Variant(true).AsDouble(), -1);
  EXPECT_EQ(Variant("1.23455").AsCurrency().Raw(), 12346);
  EXPECT_EQ(Variant(1.5).AsCurrency().Raw(), 15000);
  EXPECT_EQ(Variant(7).AsCurrency().Raw(), 70000);
  EXPECT_EQ(Variant("2024-03-05").AsDateTime(), EncodeDate(2024, 3, 5));
  EXPECT_EQ(Variant(2.5).AsDateTime(), 2.5);
  const std::pair<Variant, bool> booleans[] = {{Variant("true"), true}, {Variant("FALSE"), false},
                                               {Variant("0"), false},   {Variant("2"), true},
                                               {Variant(0.0), false},   {Variant(), false},
                                               {Variant(-3), true},     {Variant(true), true}};
  for (const auto& [v, expected] : booleans) EXPECT_EQ(v.AsBoolean(), expected) << v.AsString();
  FormatSettings.DecimalSeparator = ',';
  EXPECT_DOUBLE_EQ(Variant("1,5").AsDouble(), 1.5);
  EXPECT_EQ(Variant(1.5).AsString(), "1,5");
}

TEST_F(VariantTest, ConversionErrorsNameBothTypes) {
  auto cannot = [](const char* from, const char* to) {
    return "Could not convert variant of type (" + String(from) + ") into type (" + to + ")";
  };
  ExpectRaises<EVariantError>([] { Variant("abc").AsInteger(); }, cannot("String", "Integer"));
  ExpectRaises<EVariantError>([] { Variant("abc").AsInt64(); }, cannot("String", "Int64"));
  ExpectRaises<EVariantError>([] { Variant("abc").AsDouble(); }, cannot("String", "Double"));
  ExpectRaises<EVariantError>([] { Variant("abc").AsBoolean(); }, cannot("String", "Boolean"));
  ExpectRaises<EVariantError>([] { Variant("abc").AsCurrency(); }, cannot("String", "Currency"));
  ExpectRaises<EVariantError>([] { Variant("abc").AsDateTime(); }, cannot("String", "Date"));
  ExpectRaises<EVariantError>([] { Null().AsDouble(); }, cannot("Null", "Double"));
  ExpectRaises<EVariantError>([] { Null().AsInteger(); }, cannot("Null", "Integer"));
  ExpectRaises<EVariantError>([] { Null().AsBoolean(); }, cannot("Null", "Boolean"));
  ExpectRaises<EVariantError>([] { Variant(1e10).AsInteger(); },
                              "Overflow while converting variant of type (Double) into type (Integer)");
  ExpectRaises<EVariantError>([] { Variant(int64_t{1} << 40).AsInteger(); },
                              "Overflow while converting variant of type (Int64) into type (Integer)");
  ExpectRaises<EVariantError>([] { Variant(1e300).AsCurrency(); },
                              "Overflow while converting variant of type (Double) into type (Currency)");
  ExpectRaises<EVariantError>([] { Variant(1e19).AsInt64(); },
                              "Overflow while converting variant of type (Double) into type (Int64)");
  ExpectRaises<EVariantError>([] { VarArrayOf({1}).AsString(); }, "Invalid variant type conversion");
  ExpectRaises<EVariantError>([] { VarArrayOf({1}).AsInteger(); }, "Invalid variant type conversion");
  ExpectRaises<EVariantError>([] { Variant(1).AsArray(); }, "Invalid variant type conversion");
}

TEST_F(VariantTest, EqualityComparesNumbersByValueAndOtherKindsExactly) {
  Variant one(1);
  const Variant equal[] = {Variant(int64_t{1}), Variant(1.0), Variant(Currency::FromInt(1))};
  for (const Variant& v : equal) {
    EXPECT_EQ(one, v) << VarTypeName(VarType(v));
    EXPECT_EQ(v, one) << VarTypeName(VarType(v));
  }
  EXPECT_EQ(Variant(Currency::FromRaw(15000)), Variant(1.5));
  EXPECT_EQ(Variant("a"), Variant("a"));
  EXPECT_EQ(Null(), Null());
  EXPECT_EQ(Variant(), Variant());
  EXPECT_EQ(Variant(true), Variant(true));
  EXPECT_EQ(Variant::FromDateTime(2), Variant::FromDateTime(2));
  const std::pair<Variant, Variant> unequal[] = {
      {Variant(1), Variant(1.5)},
      {Variant("a"), Variant("A")},
      {Variant("1"), Variant(1)},
      {Null(), Variant()},
      {Variant(), Variant(0)},
      {Null(), Variant("")},
      {Variant(true), Variant(-1)},
      {Variant::FromDateTime(2), Variant(2.0)},
      {Variant((int64_t{1} << 53) + 1), Variant(static_cast<double>(int64_t{1} << 53))},
      {Variant(Currency::FromRaw(1)), Variant(0)},
  };
  for (const auto& [a, b] : unequal) {
    EXPECT_FALSE(a == b) << a.AsString() << " vs " << b.AsString();
    EXPECT_FALSE(b == a) << b.AsString() << " vs " << a.AsString();
  }
}

TEST_F(VariantTest, ArraysCompareElementByElement) {
  Variant a = VarArrayOf({1, "x", VarArrayOf({2.0, Null()})});
  Variant b = VarArrayOf({1.0, "x", VarArrayOf({int64_t{2}, Null()})});
  EXPECT_EQ(a, b);
  EXPECT_FALSE(a == VarArrayOf({1, "x"}));
  EXPECT_FALSE(a == VarArrayOf({1, "y", VarArrayOf({2.0, Null()})}));
  EXPECT_FALSE(a == VarArrayOf({1, "x", VarArrayOf({2.0, Variant()})}));
  ASSERT_EQ(a.AsArray().size(), 3u);
  EXPECT_EQ(a.AsArray()[1].AsString(), "x");
  Variant copy = a;
  EXPECT_EQ(copy, a);
}

}  // namespace
