// Filtering records: the in-memory data set tests its records itself, the SQLite data set asks
// SQLite with bound values; both must show the same records for the same filter.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/core/exceptions.h"
#include "platform/data/sqlite_access.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

struct Contact {
  int id;
  const char* name;  // nullptr for Null
  double amount;
  const char* born;  // ISO date
};

const Contact kContacts[] = {
    {1, "张三", 10.5, "1990-02-03"},   {2, "李四", 20, "1985-07-15"},
    {3, "alice", 30, "2001-12-31"},    {4, "Bob", 5, "1990-02-03"},
    {5, nullptr, 0, "1979-01-01"},     {6, "x' OR 1=1 --", 7, "2000-01-01"},
    {7, "张三丰", 100, "1960-06-06"},  {8, "O'Brien", 12, "1999-09-09"},
};

TFilterTest Check(TFilterOperator op, Variant value = Variant()) { return {op, std::move(value)}; }

TFieldFilter On(const char* field, TFilterTest first) { return {field, std::move(first), false, false, {}}; }

TFieldFilter On(const char* field, TFilterTest first, bool orSecond, TFilterTest second) {
  return {field, std::move(first), true, orSecond, std::move(second)};
}

Variant List(Variant::Array items) { return Variant::FromArray(std::move(items)); }

class RecordFilter : public testing::TestWithParam<Store> {
 protected:
  void SetUp() override {
    if (GetParam() == Store::Memory) {
      auto mem = std::make_unique<TMemDataSet>(nullptr);
      mem->FieldDefs()->Add("ID", ftInteger);
      mem->FieldDefs()->Add("Name", ftString, 20);
      mem->FieldDefs()->Add("Amount", ftFloat);
      mem->FieldDefs()->Add("Born", ftDate);
      mem->CreateDataSet();
      for (const Contact& c : kContacts) {
        mem->AppendRecord({c.id, c.name ? Variant(c.name) : Variant::Null(), c.amount,
                           Variant::FromDateTime(IsoDate(c.born))});
      }
      ds = std::move(mem);
      return;
    }
    {
      TSqliteDatabase db(file.Path(), true, 1000);
      db.Execute("CREATE TABLE contacts (ID INTEGER, Name VARCHAR(20), Amount REAL, Born DATE)");
      TSqliteStatement insert(db, "INSERT INTO contacts VALUES (?, ?, ?, ?)");
      for (const Contact& c : kContacts) {
        insert.Bind(1, Variant(c.id));
        insert.Bind(2, c.name ? Variant(c.name) : Variant::Null());
        insert.Bind(3, Variant(c.amount));
        insert.Bind(4, Variant(c.born));
        insert.Step();
        insert.Reset();
      }
    }
    ds = OpenSqlite(file.Path(), "contacts");
  }

  static TDateTime IsoDate(const char* text) {
    int y = 0, m = 0, d = 0;
    std::sscanf(text, "%d-%d-%d", &y, &m, &d);
    return EncodeDate(y, m, d);
  }

  // The IDs shown, in order, as "1 2 3".
  std::string Ids() {
    std::string ids;
    for (ds->First(); !ds->Eof(); ds->Next())
      ids += (ids.empty() ? "" : " ") + std::to_string(ds->FieldByName("ID")->AsInteger());
    return ids;
  }

  TempFile file{".db"};
  std::unique_ptr<TDataSet> ds;
};

struct FilterCase {
  const char* what;
  TRecordFilter filter;
  const char* ids;
};

TEST_P(RecordFilter, ShowsTheRecordsThatPassEveryTest) {
  const FilterCase cases[] = {
      {"nothing", {}, "1 2 3 4 5 6 7 8"},
      {"equal text", {On("Name", Check(foEqual, "张三"))}, "1"},
      {"equal ignores Latin case", {On("Name", Check(foEqual, "ALICE"))}, "3"},
      {"not equal skips Null", {On("Name", Check(foNotEqual, "张三"))}, "2 3 4 6 7 8"},
      {"greater number", {On("Amount", Check(foGreater, 20.0))}, "3 7"},
      {"less or equal", {On("Amount", Check(foLessOrEqual, 7.0))}, "4 5 6"},
      {"greater or equal", {On("Amount", Check(foGreaterOrEqual, 20.0))}, "2 3 7"},
      {"less", {On("Amount", Check(foLess, 5.0))}, "5"},
      {"date", {On("Born", Check(foEqual, Variant::FromDateTime(EncodeDate(1990, 2, 3))))}, "1 4"},
      {"date before", {On("Born", Check(foLess, Variant::FromDateTime(EncodeDate(1980, 1, 1))))}, "5 7"},
      {"contains", {On("Name", Check(foLike, "三"))}, "1 7"},
      {"pattern", {On("Name", Check(foLike, "a%"))}, "3"},
      {"one character", {On("Name", Check(foLike, "张_"))}, "1"},
      {"not like skips Null", {On("Name", Check(foNotLike, "张%"))}, "2 3 4 6 8"},
      {"in list", {On("Name", Check(foIn, List({"李四", "bob", "nobody"})))}, "2 4"},
      {"in one value", {On("Amount", Check(foIn, 30.0))}, "3"},
      {"not in list", {On("Amount", Check(foNotIn, List({10.5, 20.0, 30.0})))}, "4 5 6 7 8"},
      {"null", {On("Name", Check(foIsNull))}, "5"},
      {"not null", {On("Name", Check(foIsNotNull))}, "1 2 3 4 6 7 8"},
      {"quote in value", {On("Name", Check(foEqual, "O'Brien"))}, "8"},
      {"value that is SQL", {On("Name", Check(foEqual, "x' OR 1=1 --"))}, "6"},
      {"pattern that is SQL", {On("Name", Check(foLike, "' OR '1'='1"))}, ""},
      {"range with AND", {On("Amount", Check(foGreater, 5.0), false, Check(foLess, 20.0))}, "1 6 8"},
      {"either with OR", {On("Amount", Check(foLess, 1.0), true, Check(foGreater, 50.0))}, "5 7"},
      {"two fields",
       {On("Amount", Check(foGreater, 5.0)), On("Born", Check(foGreater, Variant::FromDateTime(EncodeDate(1990, 1, 1))))},
       "1 3 6 8"},
  };
  for (const FilterCase& c : cases) {
    ds->SetRecordFilter(c.filter);
    EXPECT_EQ(Ids(), c.ids) << c.what;
    EXPECT_EQ(ds->RecordCount(), c.ids[0] ? static_cast<int>(std::count(c.ids, c.ids + strlen(c.ids), ' ')) + 1 : 0)
        << c.what;
  }
  ds->SetRecordFilter({});
  EXPECT_EQ(Ids(), "1 2 3 4 5 6 7 8") << "clearing the filter shows every record again";
}

TEST_P(RecordFilter, AnUnknownFieldRaisesAndKeepsTheFilterInForce) {
  ds->SetRecordFilter({On("Amount", Check(foGreater, 20.0))});
  EXPECT_THROW(ds->SetRecordFilter({On("Nope", Check(foEqual, 1))}), EDatabaseError);
  EXPECT_EQ(Ids(), "3 7");
  EXPECT_EQ(ds->RecordFilter().size(), 1u);
}

TEST_P(RecordFilter, KeepsTheCurrentRecordWhenItPassesElseGoesToTheFirst) {
  ds->Locate("ID", 7, {});
  ds->SetRecordFilter({On("Amount", Check(foGreater, 20.0))});
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 7);
  ds->SetRecordFilter({On("Amount", Check(foLess, 10.0))});
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 4);
  EXPECT_FALSE(ds->Locate("ID", 7, {})) << "a hidden record is not found";
}

TEST_P(RecordFilter, APostedRecordStaysShownUntilTheFilterIsSetAgain) {
  const TRecordFilter filter = {On("Amount", Check(foGreater, 20.0))};
  ds->SetRecordFilter(filter);
  ds->Locate("ID", 3, {});
  ds->Edit();
  ds->FieldByName("Amount")->SetAsFloat(1);
  ds->Post();
  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(9);
  ds->FieldByName("Amount")->SetAsFloat(2);
  ds->Post();
  EXPECT_EQ(Ids(), "3 7 9");
  ds->SetRecordFilter(filter);
  EXPECT_EQ(Ids(), "7");
}

TEST_P(RecordFilter, KeepsTheSortOrder) {
  if (auto* mem = dynamic_cast<TMemDataSet*>(ds.get())) mem->SortOnFields("Amount", true, true);
  if (auto* table = dynamic_cast<TSqliteDataSet*>(ds.get())) table->SortOnFields("Amount", true, true);
  ds->SetRecordFilter({On("Amount", Check(foGreater, 10.0))});
  EXPECT_EQ(Ids(), "7 3 2 8 1");
  if (auto* mem = dynamic_cast<TMemDataSet*>(ds.get())) mem->SortOnFields("Name");
  if (auto* table = dynamic_cast<TSqliteDataSet*>(ds.get())) table->SortOnFields("Name");
  EXPECT_EQ(Ids(), "3 8 2 1 7") << "a new order keeps the filter";
}

INSTANTIATE_TEST_SUITE_P(Stores, RecordFilter, testing::Values(Store::Memory, Store::Sqlite), StoreName);

TEST(SqliteRecordFilter, ReadsOnlyTheRowIdsItShows) {
  TempFile file(".db");
  CreatePeopleTable(file.Path(), 20000);
  auto ds = OpenSqlite(file.Path(), "people");
  ds->SetRecordFilter({On("ID", Check(foGreater, 100.0))});
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 101);
  EXPECT_LT(ds->LoadedKeyCount(), 1000) << "the filtered table is read lazily";
  EXPECT_EQ(ds->RecordCount(), 19900);
  ds->Last();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 20000);
}

TEST(SqliteRecordFilter, AQueryCannotBeFiltered) {
  TempFile file(".db");
  CreatePeopleTable(file.Path(), 3);
  auto ds = OpenSqlite(file.Path(), "", "SELECT * FROM people");
  EXPECT_THROW(ds->SetRecordFilter({On("ID", Check(foEqual, 1))}), EDatabaseError);
  ds->First();
  EXPECT_EQ(ds->RecordCount(), 3);
}

TEST(LikePattern, MatchesWildcardsByCharacter) {
  struct Case {
    const char* text;
    const char* pattern;
    bool matches;
  } cases[] = {
      {"abc", "abc", true},      {"ABC", "abc", true},    {"abc", "a%", true},     {"abc", "%c", true},
      {"abc", "%b%", true},      {"abc", "a_c", true},    {"abc", "a_", false},    {"", "%", true},
      {"", "_", false},          {"张三丰", "张_丰", true}, {"张三丰", "张%", true},  {"张三丰", "%三", false},
      {"aXbXc", "a%b%c", true},  {"ab", "a%b%c", false},  {"Ä", "ä", false},
  };
  for (const Case& c : cases) EXPECT_EQ(MatchesLikePattern(c.text, c.pattern), c.matches) << c.text << " ~ " << c.pattern;
  EXPECT_EQ(FilterLikePattern("ab"), "%ab%");
  EXPECT_EQ(FilterLikePattern("a%"), "a%");
}

}  // namespace
