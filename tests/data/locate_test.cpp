// Locate and Lookup with their options, and the calculated and lookup fields built on them.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/data/field_kinds.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

class Searching : public testing::TestWithParam<Store> {};

TEST_P(Searching, LocateFindsTheFirstMatchAndMovesThere) {
  LinkedData d(GetParam(), 10, 3);
  TDataSet* ds = d.ds.get();
  EXPECT_TRUE(ds->Locate("ID", 7, {}));
  EXPECT_EQ(d.link->Take(), "changed @1");
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "Name7");
  EXPECT_EQ(d.link->Window(), "6 7 8");
  // Text given for a number converts to the field's kind.
  EXPECT_TRUE(ds->Locate("ID", "3", {}));
  EXPECT_EQ(ds->RecNo(), 3);
  EXPECT_FALSE(ds->Locate("ID", 99, {}));
  EXPECT_EQ(ds->RecNo(), 3);
  EXPECT_EQ(d.link->Take(), "changed @1");
}

TEST_P(Searching, LocateOptionsForCaseAndPrefixes) {
  People people(GetParam(), 12);
  TDataSet* ds = people.ds.get();
  EXPECT_FALSE(ds->Locate("Name", "name5", {}));
  EXPECT_TRUE(ds->Locate("Name", "name5", {loCaseInsensitive}));
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 5);
  EXPECT_FALSE(ds->Locate("Name", "Name1", {}) && ds->FieldByName("ID")->AsInteger() != 1);
  EXPECT_TRUE(ds->Locate("Name", "Name1", {loPartialKey}));
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 1);
  EXPECT_FALSE(ds->Locate("Name", "NAME1", {loPartialKey}));
  EXPECT_TRUE(ds->Locate("Name", "NAME11", {loPartialKey, loCaseInsensitive}));
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 11);
}

TEST_P(Searching, SeveralKeyFieldsTakeAnArrayOfValues) {
  People people(GetParam(), 5);
  TDataSet* ds = people.ds.get();
  EXPECT_TRUE(ds->Locate("ID;Name", VarArrayOf({4, "Name4"}), {}));
  EXPECT_EQ(ds->RecNo(), 4);
  EXPECT_FALSE(ds->Locate("ID;Name", VarArrayOf({4, "Name5"}), {}));
  EXPECT_THROW(ds->Locate("ID;Name", VarArrayOf({4}), {}), EDatabaseError);
  EXPECT_THROW(ds->Locate("Nope", 1, {}), EDatabaseError);
  Variant both = ds->FieldValues("ID;Name");
  ASSERT_TRUE(both.IsArray());
  EXPECT_EQ(both.AsArray()[0].AsInteger(), 4);
  EXPECT_EQ(both.AsArray()[1].AsString(), "Name4");
}

TEST_P(Searching, LookupLeavesTheCursorWhereItWas) {
  LinkedData d(GetParam(), 6, 2);
  TDataSet* ds = d.ds.get();
  ds->Next();
  d.link->log.clear();
  EXPECT_EQ(ds->Lookup("ID", 5, "Name").AsString(), "Name5");
  Variant pair = ds->Lookup("Name", "Name3", "ID;Amount");
  ASSERT_TRUE(pair.IsArray());
  EXPECT_EQ(pair.AsArray()[0].AsInteger(), 3);
  EXPECT_EQ(pair.AsArray()[1].AsCurrency(), Currency::FromDouble(4.5));
  EXPECT_TRUE(ds->Lookup("ID", 50, "Name").IsNull());
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 2);
  EXPECT_EQ(d.link->Take(), "");
}

INSTANTIATE_TEST_SUITE_P(AllStores, Searching,
                         testing::Values(Store::Memory, Store::Sqlite, Store::SqliteQuery), StoreName);

TEST(DerivedFields, CalculatedAndLookupFieldsFollowTheRecord) {
  auto cities = std::make_unique<TMemDataSet>(nullptr);
  cities->FieldDefs()->Add("Code", ftInteger);
  cities->FieldDefs()->Add("City", ftString, 20);
  cities->CreateDataSet();
  cities->AppendRecord({1, "北京"});
  cities->AppendRecord({2, "上海"});

  TMemDataSet people(nullptr);
  auto* id = new TIntegerField(&people);
  id->SetFieldName("ID");
  id->SetDataSet(&people);
  auto* code = new TIntegerField(&people);
  code->SetFieldName("CityCode");
  code->SetDataSet(&people);
  auto* twice = new TIntegerField(&people);
  twice->SetFieldName("Twice");
  twice->SetFieldKind(fkCalculated);
  twice->SetDataSet(&people);
  auto* city = new TStringField(&people);
  city->SetFieldName("CityName");
  city->SetFieldKind(fkLookup);
  city->SetKeyFields("CityCode");
  city->SetLookupDataSet(cities.get());
  city->SetLookupKeyFields("Code");
  city->SetLookupResultField("City");
  city->SetDataSet(&people);
  int calcCalls = 0;
  people.OnCalcFields.Bind(nullptr, "Calc", [&](TDataSet* ds) {
    ++calcCalls;
    EXPECT_EQ(ds->State(), dsCalcFields);
    ds->FieldByName("Twice")->SetAsInteger(ds->FieldByName("ID")->AsInteger() * 2);
  });
  people.CreateDataSet();
  people.AppendRecord({10, 2});
  people.AppendRecord({20, 1});
  people.First();
  EXPECT_GT(calcCalls, 0);
  EXPECT_EQ(twice->AsInteger(), 20);
  EXPECT_EQ(city->AsString(), "上海");
  EXPECT_FALSE(twice->CanModify());
  people.Next();
  EXPECT_EQ(twice->AsInteger(), 40);
  EXPECT_EQ(city->AsString(), "北京");
  // Changing the key while editing recalculates at once.
  people.Edit();
  code->SetAsInteger(2);
  EXPECT_EQ(city->AsString(), "上海");
  EXPECT_THROW(twice->SetAsInteger(1), EDatabaseError);
  // Choosing a lookup value sets the key it stands for.
  EXPECT_TRUE(city->CanModify());
  city->SetAsString("北京");
  EXPECT_EQ(code->AsInteger(), 1);
  EXPECT_EQ(city->AsString(), "北京");
  city->SetAsString("nowhere");
  EXPECT_TRUE(code->IsNull());
  EXPECT_TRUE(city->IsNull());
  people.Cancel();
  EXPECT_EQ(city->AsString(), "北京");
  // Freeing the lookup data set clears the field's reference.
  cities.reset();
  EXPECT_EQ(city->LookupDataSet(), nullptr);
  people.First();
  EXPECT_TRUE(city->IsNull());
}

// A lookup that leads back to its own data set would calculate forever; it raises instead.
TEST(DerivedFields, LookupsThatComeBackRaiseInsteadOfRecursing) {
  auto withLookupInto = [](TMemDataSet& ds, TDataSet* source) {
    auto* id = new TIntegerField(&ds);
    id->SetFieldName("ID");
    id->SetDataSet(&ds);
    auto* other = new TIntegerField(&ds);
    other->SetFieldName("Other");
    other->SetFieldKind(fkLookup);
    other->SetKeyFields("ID");
    other->SetLookupDataSet(source);
    other->SetLookupKeyFields("ID");
    other->SetLookupResultField("Other");
    other->SetDataSet(&ds);
  };
  TMemDataSet self(nullptr);
  withLookupInto(self, &self);
  self.CreateDataSet();
  EXPECT_EQ(DatabaseErrorOf([&] { self.AppendRecord({1}); }), "Circular datalinks are not allowed");

  TMemDataSet a(nullptr), b(nullptr);
  withLookupInto(a, &b);
  withLookupInto(b, &a);
  a.CreateDataSet();
  a.AppendRecord({1});
  b.CreateDataSet();
  EXPECT_EQ(DatabaseErrorOf([&] { b.AppendRecord({1}); }), "Circular datalinks are not allowed");
}
