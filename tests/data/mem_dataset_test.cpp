// The in-memory data set: compact row storage, fields made in code, sorting that keeps a
// posted record in its place, auto-increment columns and emptying.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/data/field_kinds.h"
#include "platform/data/record_store.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

TEST(RecordStore, EveryKindRoundTripsAndNullIsKeptApart) {
  TRecordStore store({skBoolean, skInt16, skInt32, skInt64, skDouble, skDate, skCurrency, skText});
  int64_t row = store.AddRow();
  for (int c = 0; c < store.ColumnCount(); ++c) EXPECT_TRUE(store.Get(row, c).IsNull()) << c;
  store.Set(row, 0, true);
  store.Set(row, 1, -1234);
  store.Set(row, 2, 2000000000);
  store.Set(row, 3, int64_t{1} << 50);
  store.Set(row, 4, 0.1);
  store.Set(row, 5, Variant::FromDateTime(45000.5));
  store.Set(row, 6, Currency::FromRaw(-987654321));
  store.Set(row, 7, "短");
  EXPECT_TRUE(store.Get(row, 0).AsBoolean());
  EXPECT_EQ(store.Get(row, 1).AsInteger(), -1234);
  EXPECT_EQ(store.Get(row, 2).AsInteger(), 2000000000);
  EXPECT_EQ(store.Get(row, 3).AsInt64(), int64_t{1} << 50);
  EXPECT_EQ(store.Get(row, 4).AsDouble(), 0.1);
  EXPECT_EQ(store.Get(row, 5).VarType(), varDate);
  EXPECT_EQ(store.Get(row, 5).AsDateTime(), 45000.5);
  EXPECT_EQ(store.Get(row, 6).AsCurrency().Raw(), -987654321);
  EXPECT_EQ(store.Get(row, 7).AsString(), "短");
  store.Set(row, 2, Variant(0));
  EXPECT_FALSE(store.Get(row, 2).IsNull());
  store.Set(row, 2, Variant::Null());
  EXPECT_TRUE(store.Get(row, 2).IsNull());
}

TEST(RecordStore, LongTextSurvivesRewritesAndCompaction) {
  TRecordStore store({skText, skInt32});
  std::vector<int64_t> rows;
  for (int i = 0; i < 200; ++i) {
    rows.push_back(store.AddRow());
    store.Set(rows.back(), 0, std::string(100 + i, static_cast<char>('a' + i % 26)));
    store.Set(rows.back(), 1, i);
  }
  // Rewriting every long text many times leaves dead text behind, which gets compacted.
  for (int round = 0; round < 20; ++round)
    for (int i = 0; i < 200; ++i) store.Set(rows[i], 0, std::string(100 + i, static_cast<char>('A' + (i + round) % 26)));
  for (int i = 0; i < 200; ++i) {
    EXPECT_EQ(store.Get(rows[i], 0).AsString(), std::string(100 + i, static_cast<char>('A' + (i + 19) % 26)));
    EXPECT_EQ(store.Get(rows[i], 1).AsInteger(), i);
  }
  EXPECT_LT(store.BytesUsed(), size_t{200} * 300 * 4);
  EXPECT_THROW(store.Set(rows[0], 1, "not a number"), Exception);
  EXPECT_EQ(store.Get(rows[0], 1).AsInteger(), 0);
}

TEST(MemDataSet, FieldsMadeInCodeDefineTheColumns) {
  TMemDataSet ds(nullptr);
  auto* id = new TAutoIncField(&ds);
  id->SetFieldName("ID");
  id->SetDataSet(&ds);
  auto* name = new TStringField(&ds);
  name->SetFieldName("Name");
  name->SetSize(4);
  name->SetDataSet(&ds);
  ds.CreateDataSet();
  EXPECT_EQ(ds.FieldDefs()->Count(), 2);
  for (const char* n : {"abcdef", "x", "yz"}) {
    ds.Append();
    name->SetAsString(n);
    ds.Post();
  }
  EXPECT_EQ(AllIds(&ds), "1 2 3");
  ds.First();
  EXPECT_EQ(name->AsString(), "abcd");
  // Fields of an open data set cannot change their shape.
  EXPECT_THROW(name->SetSize(10), EDatabaseError);
  auto* extra = new TStringField(&ds);
  extra->SetFieldName("Extra");
  EXPECT_THROW(extra->SetDataSet(&ds), EDatabaseError);
  ds.Close();
  extra->SetFieldName("name");
  EXPECT_THROW(extra->SetDataSet(&ds), EDatabaseError);
  delete extra;
  ds.Open();
  ds.EmptyDataSet();
  EXPECT_TRUE(ds.IsEmpty());
  ds.Append();
  ds.Post();
  EXPECT_EQ(id->AsInteger(), 1);
}

TEST(MemDataSet, SortedDataSetPlacesPostedRecordsInOrder) {
  LinkedData d(Store::Memory, 6, 3);
  auto* mem = static_cast<TMemDataSet*>(d.ds.get());
  mem->SetIndexFieldNames("Name");
  EXPECT_EQ(AllIds(mem), "1 2 3 4 5 6");
  mem->Locate("ID", 5, {});
  mem->Edit();
  mem->FieldByName("Name")->SetAsString("a");
  mem->Post();
  EXPECT_EQ(mem->RecNo(), 1);
  EXPECT_EQ(d.link->Window(), "5 1 2");
  mem->Append();
  mem->FieldByName("ID")->SetAsInteger(7);
  mem->FieldByName("Name")->SetAsString("Name25");
  mem->Post();
  EXPECT_EQ(AllIds(mem), "5 1 2 7 3 4 6");
  EXPECT_EQ(mem->FieldByName("ID")->AsInteger(), 7);
  // Case is ignored unless asked for.
  mem->Edit();
  mem->FieldByName("Name")->SetAsString("NAME0");
  mem->Post();
  EXPECT_EQ(AllIds(mem), "5 7 1 2 3 4 6");
  mem->SortOnFields("Name", true, true);
  EXPECT_EQ(AllIds(mem), "6 4 3 2 1 7 5");
  mem->SetIndexFieldNames("");
  EXPECT_EQ(AllIds(mem), "1 2 3 4 5 6 7");
  EXPECT_THROW(mem->SetIndexFieldNames("Nope"), EDatabaseError);
  // A sort that fails keeps the order it replaced, and records still post.
  EXPECT_EQ(mem->IndexFieldNames(), "");
  mem->Edit();
  mem->FieldByName("Name")->SetAsString("b");
  mem->Post();
  EXPECT_EQ(AllIds(mem), "1 2 3 4 5 6 7");
}

TEST(MemDataSet, RecordsCostTensOfBytes) {
  auto ds = MakePeople(10000);
  double perRecord = static_cast<double>(ds->MemoryUsed()) / 10000;
  EXPECT_LT(perRecord, 80.0);
  EXPECT_GT(perRecord, 16.0);
}
