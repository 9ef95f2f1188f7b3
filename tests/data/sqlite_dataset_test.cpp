// The SQLite data set against real database files: what it reads at open, that posts reach
// the file, and that failures write nothing and leave the state as it was.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/data/field_kinds.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

class SqliteTable : public testing::Test {
 protected:
  TempFile file{".db"};
};

}  // namespace

TEST_F(SqliteTable, ColumnsBecomeFieldsOfMatchingKinds) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute(
        "CREATE TABLE t (id INTEGER PRIMARY KEY, name VARCHAR(30) NOT NULL, note TEXT, pay MONEY,"
        " born DATE, seen DATETIME, ok BOOLEAN, score REAL, memo CLOB, total BIGINT);"
        "INSERT INTO t VALUES (7, '张三', NULL, 12.5, '1990-02-03', '2024-05-01 13:45:30', 1, 2.25, 'long', 9000000000)");
  }
  auto ds = OpenSqlite(file.Path(), "t");
  EXPECT_EQ(ds->FieldByName("id")->DataType(), ftAutoInc);
  EXPECT_EQ(ds->FieldByName("name")->DataType(), ftString);
  EXPECT_EQ(ds->FieldByName("name")->Size(), 30);
  EXPECT_TRUE(ds->FieldByName("name")->Required());
  EXPECT_EQ(ds->FieldByName("note")->Size(), 0);
  EXPECT_EQ(ds->FieldByName("pay")->DataType(), ftCurrency);
  EXPECT_EQ(ds->FieldByName("born")->DataType(), ftDate);
  EXPECT_EQ(ds->FieldByName("seen")->DataType(), ftDateTime);
  EXPECT_EQ(ds->FieldByName("ok")->DataType(), ftBoolean);
  EXPECT_EQ(ds->FieldByName("score")->DataType(), ftFloat);
  EXPECT_EQ(ds->FieldByName("memo")->DataType(), ftMemo);
  EXPECT_EQ(ds->FieldByName("total")->DataType(), ftLargeint);

  EXPECT_EQ(ds->FieldByName("id")->AsInteger(), 7);
  EXPECT_EQ(ds->FieldByName("name")->AsString(), "张三");
  EXPECT_TRUE(ds->FieldByName("note")->IsNull());
  EXPECT_EQ(ds->FieldByName("pay")->AsCurrency(), Currency::FromDouble(12.5));
  EXPECT_EQ(ds->FieldByName("born")->AsDateTime(), EncodeDate(1990, 2, 3));
  EXPECT_DOUBLE_EQ(ds->FieldByName("seen")->AsDateTime(), EncodeDate(2024, 5, 1) + EncodeTime(13, 45, 30, 0));
  EXPECT_TRUE(ds->FieldByName("ok")->AsBoolean());
  EXPECT_EQ(ds->FieldByName("memo")->DisplayText(), "(MEMO)");
  EXPECT_EQ(ds->FieldByName("total")->AsLargeInt(), 9000000000);
}

// Date text that is only partly a date or time reads as Null rather than as the part that is.
TEST_F(SqliteTable, DateTextWithNegativeOrTrailingPartsReadsAsNull) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE t (seen DATETIME);"
               "INSERT INTO t VALUES ('2024-05-01 13:45:30.250'), ('-1:30'), ('12:30 tomorrow'),"
               " ('2024-05-01x'), ('07:08')");
  }
  auto ds = OpenSqlite(file.Path(), "t");
  TField* seen = ds->FieldByName("seen");
  EXPECT_DOUBLE_EQ(seen->AsDateTime(), EncodeDate(2024, 5, 1) + EncodeTime(13, 45, 30, 250));
  for (int i = 0; i < 3; ++i) {
    ds->Next();
    EXPECT_TRUE(seen->IsNull()) << seen->AsString();
  }
  ds->Next();
  EXPECT_DOUBLE_EQ(seen->AsDateTime(), EncodeTime(7, 8, 0, 0));
}

TEST_F(SqliteTable, PostedChangesSurviveClosingAndAnotherConnection) {
  CreatePeopleTable(file.Path(), 5);
  {
    auto ds = OpenSqlite(file.Path(), "people");
    ds->Locate("ID", 3, {});
    ds->Edit();
    ds->FieldByName("Name")->SetAsString("李四");
    ds->Post();
    ds->Append();
    ds->FieldByName("ID")->SetAsInteger(6);
    ds->FieldByName("Amount")->SetAsCurrency(Currency::FromInt(42));
    ds->Post();
    ds->Locate("ID", 1, {});
    ds->Delete();
    // Written before any close: another connection sees it now.
    EXPECT_EQ(CountRows(file.Path(), "people"), 5);
    EXPECT_EQ(CountRows(file.Path(), "people", "WHERE Name = '李四'"), 1);
  }
  auto again = OpenSqlite(file.Path(), "people");
  EXPECT_EQ(AllIds(again.get()), "2 3 4 5 6");
  ASSERT_TRUE(again->Locate("ID", 6, {}));
  EXPECT_EQ(again->FieldByName("Amount")->AsCurrency(), Currency::FromInt(42));
  EXPECT_TRUE(again->FieldByName("Name")->IsNull());
  ASSERT_TRUE(again->Locate("Name", "李四", {}));
  EXPECT_EQ(again->FieldByName("ID")->AsInteger(), 3);
}

TEST_F(SqliteTable, LargeTablesOpenWithoutReadingEveryRowId) {
  CreatePeopleTable(file.Path(), 5000);
  auto ds = OpenSqlite(file.Path(), "people");
  EXPECT_LT(ds->LoadedKeyCount(), 1000);
  EXPECT_EQ(ds->RecordCount(), 5000);
  EXPECT_LT(ds->LoadedKeyCount(), 1000);
  ds->MoveBy(300);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 301);
  EXPECT_LT(ds->LoadedKeyCount(), 5000);
  ds->Last();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 5000);
  EXPECT_EQ(ds->LoadedKeyCount(), 5000);
  EXPECT_EQ(ds->RecNo(), 5000);
}

TEST_F(SqliteTable, InsertingBeforeAllRowIdsWereReadKeepsTheNewRecordInPlace) {
  CreatePeopleTable(file.Path(), 3000);
  auto ds = OpenSqlite(file.Path(), "people");
  ds->MoveBy(10);
  ds->Delete();
  ds->Insert();
  ds->FieldByName("ID")->SetAsInteger(-1);
  ds->Post();
  EXPECT_EQ(ds->RecNo(), 11);
  EXPECT_EQ(ds->RecordCount(), 3000);
  ds->Prior();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 10);
  ds->MoveBy(2);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 12);
  ds->Last();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 3000);
}

// The record count of a table whose row ids were not all read comes from the table once; rows
// another connection removes afterwards must not send Append past the last record.
TEST_F(SqliteTable, AppendingAfterAnotherConnectionRemovedRowsShowsTheLastOnes) {
  CreatePeopleTable(file.Path(), 3000);
  TDataSource source(nullptr);
  auto ds = OpenSqlite(file.Path(), "people");
  source.SetDataSet(ds.get());
  RecordingLink link(&source, 3);
  EXPECT_EQ(ds->RecordCount(), 3000);
  {
    TSqliteDatabase other(file.Path(), false, 1000);
    other.Execute("DELETE FROM people WHERE ID > 2990");
  }
  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(9000);
  EXPECT_EQ(link.Window(), "2989 2990 9000");
  ds->Post();
  EXPECT_EQ(ds->RecordCount(), 2991);
  ds->Prior();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 2990);
}

TEST_F(SqliteTable, ConstraintViolationWritesNothingAndKeepsTheEdit) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE people (ID INTEGER UNIQUE, Name VARCHAR(20) NOT NULL, Amount MONEY);"
               "INSERT INTO people VALUES (1, 'a', 1), (2, 'b', 2)");
  }
  auto ds = OpenSqlite(file.Path(), "people");
  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(2);
  ds->FieldByName("Name")->SetAsString("dup");
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Post(); }), "UNIQUE constraint failed: people.ID");
  EXPECT_EQ(ds->State(), dsInsert);
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "dup");
  EXPECT_EQ(CountRows(file.Path(), "people"), 2);
  ds->Cancel();
  EXPECT_EQ(ds->RecordCount(), 2);
  // A required column left empty is stopped before SQLite sees it.
  ds->First();
  ds->Edit();
  ds->FieldByName("Name")->Clear();
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Post(); }), "Field 'Name' must have a value");
  EXPECT_EQ(ds->State(), dsEdit);
  ds->Cancel();
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "a");
}

TEST_F(SqliteTable, LockedDatabaseRaisesAndLeavesTheRecordUnwritten) {
  CreatePeopleTable(file.Path(), 3);
  auto ds = OpenSqlite(file.Path(), "people");
  ds->Edit();
  ds->FieldByName("Name")->SetAsString("mine");
  {
    TSqliteDatabase other(file.Path(), false, 0);
    other.Execute("BEGIN EXCLUSIVE");
    EXPECT_EQ(DatabaseErrorOf([&] { ds->Post(); }), "database is locked");
    EXPECT_EQ(ds->State(), dsEdit);
    EXPECT_EQ(DatabaseErrorOf([&] { ds->Delete(); }), "database is locked");
    other.Execute("ROLLBACK");
  }
  ds->Post();
  EXPECT_EQ(ds->State(), dsBrowse);
  EXPECT_EQ(CountRows(file.Path(), "people", "WHERE Name = 'mine'"), 1);
  EXPECT_EQ(CountRows(file.Path(), "people"), 3);
}

TEST_F(SqliteTable, MissingTableBadQueryAndMissingFileRaiseAndStayClosed) {
  CreatePeopleTable(file.Path(), 1);
  auto ds = std::make_unique<TSqliteDataSet>(nullptr);
  ds->SetDatabaseName(file.Path());
  ds->SetTableName("nobody");
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Open(); }), "no such table: nobody");
  EXPECT_FALSE(ds->Active());
  ds->SetSQL("SELEC * FROM people");
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Open(); }), "near \"SELEC\": syntax error");
  EXPECT_FALSE(ds->Active());
  ds->SetDatabaseName(file.Path() + ".missing");
  EXPECT_NE(DatabaseErrorOf([&] { ds->Open(); }).find("Cannot open database"), std::string::npos);
  EXPECT_EQ(ds->FieldCount(), 0);
}

TEST_F(SqliteTable, QueriesAreReadOnlyAndReadInFull) {
  CreatePeopleTable(file.Path(), 4);
  TSqliteDataSet ds(nullptr);
  ds.SetDatabaseName(file.Path());
  ds.SetSQL("SELECT ID, Name, ID * 2 AS Twice FROM people WHERE ID > 1 ORDER BY ID DESC");
  ds.Open();
  EXPECT_EQ(AllIds(&ds), "4 3 2");
  EXPECT_EQ(ds.FieldByName("Twice")->AsInteger(), 8);
  EXPECT_FALSE(ds.CanModify());
  EXPECT_EQ(DatabaseErrorOf([&] { ds.Edit(); }), "Cannot modify a read-only dataset");
}

// Text sorts in the locale order, which puts Latin letters before "_" ("B" < "_a"); a column
// that declares its own collation sorts as that collation says, here lower-case folding with
// "_" before the letters, so that an index on the column serves the order.
TEST_F(SqliteTable, AColumnDeclaringACollationSortsInIt) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE codes (ID INTEGER, Plain VARCHAR(5), Own VARCHAR(5) COLLATE NOCASE);"
               "INSERT INTO codes VALUES (1, 'B', 'B'), (2, '_a', '_a'), (3, 'c', 'c')");
  }
  auto ds = OpenSqlite(file.Path(), "codes");
  const struct {
    const char* field;
    bool descending;
    const char* ids;
  } cases[] = {{"Plain", false, "1 3 2"}, {"Own", false, "2 1 3"}, {"Own", true, "3 1 2"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field + std::string(c.descending ? " descending" : ""));
    ds->SortOnFields(c.field, true, c.descending);
    EXPECT_EQ(AllIds(ds.get()), c.ids);
  }
}

TEST_F(SqliteTable, SortingOnAColumnReordersAndTellsLinks) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE people (ID INTEGER, Name VARCHAR(20), Amount MONEY);"
               "INSERT INTO people VALUES (1, 'b', 3), (2, 'C', 1), (3, 'a', 2)");
  }
  auto ds = OpenSqlite(file.Path(), "people");
  TDataSource source(nullptr);
  source.SetDataSet(ds.get());
  RecordingLink link(&source, 3);
  link.log.clear();
  ds->Locate("ID", 2, {});
  link.log.clear();
  ds->SetIndexFieldNames("Name");
  EXPECT_EQ(link.Take(), "changed @2");
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 2);
  EXPECT_EQ(AllIds(ds.get()), "3 1 2");
  // A posted change of the sort key moves the record to its new place.
  ds->Edit();
  ds->FieldByName("Name")->SetAsString("0");
  ds->Post();
  EXPECT_EQ(ds->RecNo(), 1);
  EXPECT_EQ(AllIds(ds.get()), "2 3 1");
  ds->SetIndexFieldNames("Amount");
  EXPECT_EQ(AllIds(ds.get()), "2 3 1");
  ds->SortOnFields("Amount", true, true);
  EXPECT_EQ(AllIds(ds.get()), "1 3 2");
  EXPECT_TRUE(ds->Locate("Name", "B", {loCaseInsensitive}));
  EXPECT_EQ(ds->RecNo(), 1);
  EXPECT_EQ(DatabaseErrorOf([&] { ds->SetIndexFieldNames("Nope"); }), "Field 'Nope' not found");
  EXPECT_EQ(AllIds(ds.get()), "1 3 2");
  ds->SetIndexFieldNames("");
  EXPECT_EQ(AllIds(ds.get()), "1 2 3");
}

// SQLite gives a row appended after the last one was deleted that one's row id again; in a
// sorted table the new record is found, bookmarked and returned to like any other.
TEST_F(SqliteTable, ASortedTableFindsARecordThatTookTheRowIdOfADeletedOne) {
  CreatePeopleTable(file.Path(), 3);
  auto ds = OpenSqlite(file.Path(), "people");
  ds->SortOnFields("Name", true, true);
  for (int id : {4, 5}) {
    ds->Append();
    ds->FieldByName("ID")->SetAsInteger(id);
    ds->FieldByName("Name")->SetAsString("New" + std::to_string(id));
    ds->Post();
    if (id == 4) ds->Delete();
  }
  EXPECT_EQ(AllIds(ds.get()), "5 3 2 1");
  ASSERT_TRUE(ds->Locate("ID", 5, {}));
  const TBookmark fifth = ds->GetBookmark();
  EXPECT_TRUE(ds->BookmarkValid(fifth));
  ds->Last();
  ds->GotoBookmark(fifth);
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 5);
  EXPECT_EQ(ds->RecNo(), 1);
}
