// Opening database files read-only and telling a damaged file from a sound one, before a
// program relies on what it holds.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/core/exceptions.h"
#include "platform/data/sqlite_access.h"
#include "tests/data/data_test_support.h"

using namespace data_test;

namespace {

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

class SqliteFileChecks : public testing::Test {
 protected:
  TempFile file{".db"};
};

}  // namespace

TEST_F(SqliteFileChecks, ReadOnlyConnectionReadsButRefusesWritesAndLeavesTheFileAsItWas) {
  CreatePeopleTable(file.Path(), 3);
  const std::string before = Bytes(file.Path());
  TSqliteDatabase db(file.Path(), TSqliteOpenMode::ReadOnly, 100);
  TSqliteStatement count(db, "SELECT COUNT(*) FROM people");
  ASSERT_TRUE(count.Step());
  EXPECT_EQ(count.ColumnInt64(0), 3);
  EXPECT_NE(DatabaseErrorOf([&] { db.Execute("DELETE FROM people"); }).find("readonly"), std::string::npos);
  EXPECT_EQ(Bytes(file.Path()), before);
}

TEST_F(SqliteFileChecks, ReadOnlyOpeningNeverCreatesAMissingFile) {
  const std::string missing = file.Path() + ".missing";
  EXPECT_NE(DatabaseErrorOf([&] { TSqliteDatabase db(missing, TSqliteOpenMode::ReadOnly, 100); }).find("Cannot open database"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SqliteFileChecks, ASoundFilePassesTheCheck) {
  CreatePeopleTable(file.Path(), 50);
  TSqliteDatabase db(file.Path(), TSqliteOpenMode::ReadOnly, 100);
  EXPECT_EQ(DatabaseErrorOf([&] { db.CheckIntegrity(); }), "no error");
}

TEST_F(SqliteFileChecks, DamagedFilesFailTheCheckNamingTheFileAndStayUnchanged) {
  CreatePeopleTable(file.Path(), 2000);
  const std::string sound = Bytes(file.Path());
  std::string overwrittenPages = sound;
  for (size_t i = 4096; i < overwrittenPages.size(); i += 7) overwrittenPages[i] = '\x5A';
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"not a database", std::string(3000, 'x')},
      {"cut short", sound.substr(0, sound.size() / 3)},
      {"pages overwritten", overwrittenPages},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(file.Path(), c.bytes);
    const std::string error = DatabaseErrorOf([&] {
      TSqliteDatabase db(file.Path(), TSqliteOpenMode::ReadOnly, 100);
      db.CheckIntegrity();
    });
    EXPECT_NE(error.find("Database \"" + file.Path() + "\" cannot be used: "), std::string::npos) << error;
    EXPECT_EQ(Bytes(file.Path()), c.bytes);
  }
}
