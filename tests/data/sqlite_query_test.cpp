// SQL queries over an SQLite database: which ones can be edited, and that an editable one
// writes to its table as the table data set does, keeps its own filter and order, tells links
// the same, and marks records by row id.
#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/data/data_source.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

class SqliteQuery : public testing::Test {
 protected:
  TempFile file{".db"};
  std::unique_ptr<TSqliteDataSet> Query(const std::string& sql) { return OpenSqlite(file.Path(), "", sql); }
};

void SetName(TDataSet* ds, const char* name) { ds->FieldByName("Name")->SetAsString(name); }

// Edits, inserts and deletes around the middle of ten people, noting what a three-row link
// hears at each step.
std::vector<std::string> HeardWhileEditing(TDataSet* ds) {
  TDataSource source(nullptr);
  source.SetDataSet(ds);
  RecordingLink link(&source, 3);
  std::vector<std::string> heard;
  auto step = [&](const std::function<void()>& action) {
    link.log.clear();
    action();
    heard.push_back(link.Take() + " | " + link.Window());
  };
  step([&] { ds->MoveBy(4); });
  step([&] { ds->Edit(); });
  step([&] { SetName(ds, "changed"); });
  step([&] { ds->Post(); });
  step([&] { ds->Insert(); });
  step([&] { ds->FieldByName("ID")->SetAsInteger(100); });
  step([&] { ds->Post(); });
  step([&] { ds->Next(); });
  step([&] { ds->Delete(); });
  step([&] { ds->Last(); });
  step([&] { ds->Delete(); });
  return heard;
}

}  // namespace

TEST_F(SqliteQuery, FilteredOrderedQueryWritesItsRowsAndKeepsTheRest) {
  CreatePeopleTable(file.Path(), 6);
  {
    auto ds = Query("SELECT Name, ID FROM people WHERE ID > 2 ORDER BY ID DESC");
    EXPECT_TRUE(ds->CanModify());
    EXPECT_EQ(ds->FieldCount(), 2);
    EXPECT_EQ(AllIds(ds.get()), "6 5 4 3");
    ds->Next();
    ds->Edit();
    SetName(ds.get(), "五");
    ds->Post();
    EXPECT_EQ(ds->RecNo(), 2);
    EXPECT_EQ(CountRows(file.Path(), "people", "WHERE ID = 5 AND Name = '五'"), 1);
    ds->Next();
    ds->Insert();
    ds->FieldByName("ID")->SetAsInteger(40);
    SetName(ds.get(), "new");
    ds->Post();
    EXPECT_EQ(ds->RecNo(), 3);
    EXPECT_EQ(AllIds(ds.get()), "6 5 40 4 3");
    // The column the query does not show takes its default.
    EXPECT_EQ(CountRows(file.Path(), "people", "WHERE ID = 40 AND Name = 'new' AND Amount IS NULL"), 1);
    ASSERT_TRUE(ds->Locate("ID", 3, {}));
    ds->Delete();
    EXPECT_EQ(AllIds(ds.get()), "6 5 40 4");
    EXPECT_EQ(CountRows(file.Path(), "people"), 6);
    EXPECT_EQ(CountRows(file.Path(), "people", "WHERE ID IN (1, 2) AND Name LIKE 'Name_'"), 2);
  }
  auto again = Query("SELECT Name, ID FROM people WHERE ID > 2 ORDER BY ID DESC");
  EXPECT_EQ(AllIds(again.get()), "40 6 5 4");
  ASSERT_TRUE(again->Locate("ID", 5, {}));
  EXPECT_EQ(again->FieldByName("Name")->AsString(), "五");
}

TEST_F(SqliteQuery, PostedRecordStaysWhereItIsShownUntilTheQueryReopens) {
  CreatePeopleTable(file.Path(), 6);
  const char* sql = "SELECT ID, Name FROM people WHERE ID > 2 ORDER BY ID";
  auto ds = Query(sql);
  ds->Next();
  ds->Edit();
  ds->FieldByName("ID")->SetAsInteger(1);
  ds->Post();
  EXPECT_EQ(ds->RecNo(), 2);
  EXPECT_EQ(AllIds(ds.get()), "3 1 5 6");
  ds->Close();
  ds->Open();
  EXPECT_EQ(AllIds(ds.get()), "3 5 6");
}

TEST_F(SqliteQuery, LinksHearWhatTheyHearFromTheTable) {
  CreatePeopleTable(file.Path(), 10);
  std::vector<std::string> fromTable = HeardWhileEditing(OpenSqlite(file.Path(), "people").get());
  TempFile second{".db"};
  CreatePeopleTable(second.Path(), 10);
  std::vector<std::string> fromQuery =
      HeardWhileEditing(OpenSqlite(second.Path(), "", "SELECT * FROM people WHERE Name <> '' ORDER BY ID").get());
  ASSERT_EQ(fromTable.size(), 11u);
  EXPECT_EQ(fromTable[3], "update @2, editing @2, changed @2 | 3 4 5");
  for (size_t i = 0; i < fromTable.size(); ++i) EXPECT_EQ(fromQuery[i], fromTable[i]) << "step " << i;
}

TEST_F(SqliteQuery, BookmarksAreRowIdsComparedInTheQueryOrder) {
  CreatePeopleTable(file.Path(), 5);
  auto ds = Query("SELECT ID, Name FROM people ORDER BY ID DESC");
  auto table = OpenSqlite(file.Path(), "people");
  ASSERT_TRUE(ds->Locate("ID", 4, {}));
  TBookmark four = ds->GetBookmark();
  ASSERT_TRUE(table->Locate("ID", 4, {}));
  EXPECT_EQ(four, table->GetBookmark());
  ASSERT_TRUE(ds->Locate("ID", 2, {}));
  TBookmark two = ds->GetBookmark();
  EXPECT_LT(ds->CompareBookmarks(four, two), 0);
  EXPECT_GT(table->CompareBookmarks(four, two), 0);
  ds->Delete();
  EXPECT_LT(ds->CompareBookmarks(four, two), 0);
  EXPECT_FALSE(ds->BookmarkValid(two));
  EXPECT_EQ(DatabaseErrorOf([&] { ds->GotoBookmark(two); }), "Record not found");
  ds->GotoBookmark(four);
  EXPECT_EQ(ds->RecNo(), 2);
}

TEST_F(SqliteQuery, RowIdColumnsAreNumberedBySqlite) {
  CreatePeopleTable(file.Path(), 3);
  {
    TSqliteDatabase db(file.Path(), false, 1000);
    db.Execute("CREATE TABLE items (Code INTEGER PRIMARY KEY, Title TEXT NOT NULL);"
               "INSERT INTO items VALUES (10, 'a'), (20, 'b')");
  }
  auto items = Query("SELECT Title, Code FROM items WHERE Title <> 'x'");
  EXPECT_EQ(items->FieldByName("Code")->DataType(), ftAutoInc);
  EXPECT_TRUE(items->FieldByName("Title")->Required());
  items->Append();
  items->FieldByName("Title")->SetAsString("c");
  items->Post();
  EXPECT_EQ(items->FieldByName("Code")->AsInteger(), 21);
  auto people = Query("SELECT rowid, Name FROM people");
  EXPECT_TRUE(people->CanModify());
  EXPECT_EQ(people->FieldByName("rowid")->DataType(), ftAutoInc);
  people->Append();
  SetName(people.get(), "four");
  people->Post();
  EXPECT_EQ(people->FieldByName("rowid")->AsInteger(), 4);
  EXPECT_EQ(CountRows(file.Path(), "people", "WHERE rowid = 4 AND Name = 'four'"), 1);
}

TEST_F(SqliteQuery, JoinsAggregatesAndExpressionsStayReadOnly) {
  CreatePeopleTable(file.Path(), 3);
  {
    TSqliteDatabase db(file.Path(), false, 1000);
    db.Execute("CREATE TABLE tags (ID INTEGER, Tag TEXT); INSERT INTO tags VALUES (1, 't'), (2, 'u');"
               "CREATE VIEW named AS SELECT ID, Name FROM people");
  }
  for (const char* sql : {
           "SELECT people.ID, people.Name FROM people JOIN tags ON tags.ID = people.ID",
           "SELECT people.ID FROM people, tags WHERE tags.ID = people.ID",
           "SELECT count(*) AS ID FROM people",
           "SELECT max(ID) AS ID, Name FROM people",
           "SELECT ID FROM people GROUP BY ID",
           "SELECT DISTINCT ID FROM people",
           "SELECT ID, Amount * 2 AS Twice FROM people",
           "SELECT ID FROM (SELECT ID FROM people)",
           "SELECT ID, Name FROM named",
           "SELECT ID FROM people UNION ALL SELECT ID FROM tags",
           "WITH p AS (SELECT * FROM people) SELECT ID FROM p",
           "SELECT ID, ID AS Again FROM people",
       }) {
    SCOPED_TRACE(sql);
    auto ds = Query(sql);
    EXPECT_GT(ds->RecordCount(), 0);
    EXPECT_FALSE(ds->CanModify());
    EXPECT_EQ(DatabaseErrorOf([&] { ds->Edit(); }), "Cannot modify a read-only dataset");
    EXPECT_EQ(DatabaseErrorOf([&] { ds->Delete(); }), "Cannot modify a read-only dataset");
    EXPECT_EQ(ds->State(), dsBrowse);
  }
  EXPECT_EQ(CountRows(file.Path(), "people"), 3);
}

TEST_F(SqliteQuery, ConstraintViolationsThroughAQueryWriteNothing) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE accounts (ID INTEGER UNIQUE, Name VARCHAR(20), Owner TEXT NOT NULL);"
               "INSERT INTO accounts VALUES (1, 'a', 'o'), (2, 'b', 'o'), (3, 'c', 'o')");
  }
  auto ds = Query("SELECT ID, Name FROM accounts WHERE ID >= 2 ORDER BY ID");
  ds->Edit();
  ds->FieldByName("ID")->SetAsInteger(3);
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Post(); }), "UNIQUE constraint failed: accounts.ID");
  EXPECT_EQ(ds->State(), dsEdit);
  EXPECT_EQ(CountRows(file.Path(), "accounts", "WHERE ID = 2"), 1);
  ds->Cancel();
  EXPECT_EQ(ds->FieldByName("ID")->AsInteger(), 2);
  // A column the query leaves out still has to be given.
  ds->Append();
  ds->FieldByName("ID")->SetAsInteger(9);
  EXPECT_EQ(DatabaseErrorOf([&] { ds->Post(); }), "NOT NULL constraint failed: accounts.Owner");
  EXPECT_EQ(ds->State(), dsInsert);
  EXPECT_EQ(CountRows(file.Path(), "accounts"), 3);
  ds->Cancel();
  EXPECT_EQ(AllIds(ds.get()), "2 3");
}

TEST_F(SqliteQuery, ValuesAreReadByRowIdWhenARecordIsShown) {
  CreatePeopleTable(file.Path(), 3000);
  auto ds = Query("SELECT ID, Name FROM people WHERE ID % 2 = 0 ORDER BY Name");
  EXPECT_EQ(ds->RecordCount(), 1500);
  {
    TSqliteDatabase other(file.Path(), false, 1000);
    other.Execute("UPDATE people SET Name = 'Name2000 later' WHERE ID = 2000");
  }
  ASSERT_TRUE(ds->Locate("ID", 2000, {}));
  EXPECT_EQ(ds->FieldByName("Name")->AsString(), "Name2000 later");
}

TEST_F(SqliteQuery, ReadOnlyQueriesShowWholeNumbersTheirDeclaredWidthCannotHold) {
  {
    TSqliteDatabase db(file.Path(), true, 1000);
    db.Execute("CREATE TABLE big (A INTEGER, S SMALLINT);"
               "INSERT INTO big VALUES (5000000000, 70000), (-3, -4)");
  }
  auto ds = Query("SELECT A, S, A + 0 AS Sum FROM big");
  ASSERT_FALSE(ds->CanModify());
  EXPECT_EQ(ds->FieldByName("A")->AsLargeInt(), 5000000000);
  EXPECT_EQ(ds->FieldByName("S")->AsLargeInt(), 70000);
  ds->Next();
  EXPECT_EQ(ds->FieldByName("A")->AsInteger(), -3);
  EXPECT_EQ(ds->FieldByName("S")->AsInteger(), -4);
}

TEST_F(SqliteQuery, UnnamedAndRepeatedColumnsGetNamesOfTheirOwn) {
  CreatePeopleTable(file.Path(), 1);
  auto ds = Query("SELECT 1 AS \"\", 2 AS \"\", 3 AS \"\", ID, ID AS id FROM people");
  ASSERT_EQ(ds->FieldCount(), 5);
  std::vector<std::string> names;
  for (int i = 0; i < ds->FieldCount(); ++i) names.push_back(ds->Fields()->Fields(i)->FieldName());
  EXPECT_EQ(names, (std::vector<std::string>{"Column", "Column_1", "Column_2", "ID", "id_1"}));
}
