#include "examples/showcase/showcase_data_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <system_error>

#include "examples/showcase/sample_records.h"
#include "examples/showcase/user_folders.h"
#include "platform/core/exceptions.h"
#include "platform/data/sqlite_access.h"

namespace fs = std::filesystem;
using namespace showcase_data;

namespace {

// How long the showcase waits for another program that holds the file locked.
constexpr int kBusyTimeoutMs = 1000;

constexpr const char* kContactsSchema =
    "CREATE TABLE ContactInfo (ID INTEGER PRIMARY KEY, Name VARCHAR(20) NOT NULL, Mobile VARCHAR(11) NOT NULL, "
    "GroupName VARCHAR(20), Blocked BOOLEAN NOT NULL DEFAULT 0, SentCount INTEGER NOT NULL DEFAULT 0, "
    "Memo VARCHAR(60))";
// The sent messages are many: the pages sort them on their time and number through an index.
// Both hold digits only, which every text order puts alike, so they declare SQLite's own
// case-blind order: the data sets sort a column in the order it declares, and the file keeps
// no index that only this program could read (other tools open and query it as they are).
constexpr const char* kSentSchema =
    "CREATE TABLE SendedMsg (ID INTEGER PRIMARY KEY, SendTime VARCHAR(19) NOT NULL COLLATE NOCASE, "
    "Mobile VARCHAR(11) NOT NULL COLLATE NOCASE, Name VARCHAR(20), Content VARCHAR(140), Status VARCHAR(8))";
constexpr const char* kSentIndexes[] = {
    "CREATE INDEX SendedMsgBySendTime ON SendedMsg (SendTime)",
    "CREATE INDEX SendedMsgByMobile ON SendedMsg (Mobile)",
};
// What the pages read; a file without these columns is not the showcase's.
constexpr const char* kContactsColumns = "ID, Name, Mobile, GroupName, Blocked, SentCount, Memo";
constexpr const char* kSentColumns = "ID, SendTime, Mobile, Name, Content, Status";

const char* const kLeftAlone = "文件保持原样，没有改动。移走或删除它后重新启动，即可生成新的示例数据。";

// Gives the statement's parameters the values, in order.
void BindRow(TSqliteStatement& statement, std::initializer_list<Variant> values) {
  int parameter = 0;
  for (const Variant& value : values) statement.Bind(++parameter, value);
}

// Inserts one row per record; `bind` gives the statement's parameters the record's values.
template <typename Record, typename Bind>
void InsertRows(TSqliteDatabase& db, const String& sql, const std::vector<Record>& records, Bind bind) {
  TSqliteStatement insert(db, sql);
  for (const Record& record : records) {
    bind(insert, record);
    insert.Step();
    insert.Reset();
  }
}

void InsertContacts(TSqliteDatabase& db, const TSampleRecords& records) {
  InsertRows(db,
             "INSERT INTO ContactInfo (Name, Mobile, GroupName, Blocked, SentCount, Memo) VALUES (?, ?, ?, ?, ?, ?)",
             records.contacts, [](TSqliteStatement& insert, const TSampleContact& c) {
               BindRow(insert, {Variant(c.name), Variant(c.mobile), Variant(c.group), Variant(c.blocked),
                                Variant(c.sentCount), c.memo.empty() ? Variant::Null() : Variant(c.memo)});
             });
}

void InsertMessages(TSqliteDatabase& db, const TSampleRecords& records) {
  InsertRows(db, "INSERT INTO SendedMsg (SendTime, Mobile, Name, Content, Status) VALUES (?, ?, ?, ?, ?)",
             records.messages, [](TSqliteStatement& insert, const TSampleMessage& m) {
               BindRow(insert, {Variant(m.sendTime), Variant(m.mobile), Variant(m.name), Variant(m.content),
                                Variant(m.status)});
             });
}

// Writes the whole sample database into `path`, in one transaction.
void WriteSampleDatabase(const String& path) {
  const TSampleRecords records = MakeSampleRecords(kContactCount, kSentCount);
  TSqliteDatabase db(path, TSqliteOpenMode::Create, kBusyTimeoutMs);
  // The file only takes its place once it is whole, so it needs no rollback journal; and it
  // fits in memory until the commit writes it once.
  db.Execute("PRAGMA journal_mode = OFF");
  db.Execute("PRAGMA cache_size = -65536");
  TSqliteTransaction transaction(db);
  db.Execute(kContactsSchema);
  db.Execute(kSentSchema);
  InsertContacts(db, records);
  InsertMessages(db, records);
  for (const char* index : kSentIndexes) db.Execute(index);
  transaction.Commit();
}

// Puts the finished file in its place unless another one arrived there meanwhile (a second
// showcase starting at the same moment): that one is kept and ours dropped.
void PlaceFinishedFile(const String& finished, const String& path) {
  if (link(finished.c_str(), path.c_str()) != 0 && errno != EEXIST) {
    // A file system without hard links: move it, as long as the place is still free.
    if (!fs::exists(path)) fs::rename(finished, path);
  }
  std::error_code ignored;  // gone already when it was moved
  fs::remove(finished, ignored);
}

// A new empty file beside `path` that no other run builds in, so that two showcases starting
// at once never write into one file.
String NewBuildingFile(const String& path) {
  std::string name = path + ".building-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd < 0) throw std::system_error(errno, std::generic_category(), name);
  close(fd);
  return name;
}

// Builds the file beside its final place first, so that an interrupted first run never
// leaves half a database where the showcase looks for its data.
TShowcaseDataFile CreateDataFile(const String& folder, const String& path) {
  String building;
  try {
    fs::create_directories(folder);
    building = NewBuildingFile(path);
    WriteSampleDatabase(building);
    PlaceFinishedFile(building, path);
    return {path, "", true, ""};
  } catch (const std::exception& e) {
    std::error_code ignored;  // nothing more can be done about a file that will not go
    if (!building.empty()) fs::remove(building, ignored);
    return {path, "无法创建数据文件“" + path + "”。请检查这个文件夹是否可写、磁盘是否已满。", false, e.what()};
  }
}

// The table and the columns the pages read must be there.
void CheckTable(TSqliteDatabase& db, const char* table, const char* columns) {
  TSqliteStatement probe(db, String("SELECT ") + columns + " FROM " + table + " LIMIT 0");
}

// A file the showcase cannot use, with what was said of it.
TShowcaseDataFile Unusable(const String& path, const String& problem, const String& details = {}) {
  return {path, problem, false, details};
}

// What stands in the file's place when it is not a file; empty when it is one.
String NotAFile(const String& path, fs::file_type type) {
  if (type == fs::file_type::directory) return "“" + path + "”是一个文件夹，不是数据文件。把它移走或改名后重新启动，即可生成新的示例数据。";
  if (type != fs::file_type::regular)
    return "“" + path + "”不是普通文件，不能用作数据文件。把它移走后重新启动，即可生成新的示例数据。";
  return {};
}

TShowcaseDataFile CheckDataFile(const String& path) {
  if (access(path.c_str(), R_OK) != 0) {
    return Unusable(path, "无法读取数据文件“" + path + "”，请检查它的权限。" + kLeftAlone, std::strerror(errno));
  }
  try {
    TSqliteDatabase db(path, TSqliteOpenMode::ReadOnly, kBusyTimeoutMs);
    db.CheckIntegrity();
    try {
      CheckTable(db, kContactsTable, kContactsColumns);
      CheckTable(db, kSentTable, kSentColumns);
    } catch (const EDatabaseError& e) {
      return Unusable(path, "“" + path + "”不是本程序的数据文件。" + kLeftAlone, e.Message());
    }
  } catch (const EDatabaseError& e) {
    return Unusable(path, "数据文件“" + path + "”已损坏或正被其他程序占用，无法使用。" + kLeftAlone, e.Message());
  }
  return {path, "", false, ""};
}

}  // namespace

String ShowcaseDataFolder() { return UserFolder("XDG_DATA_HOME", ".local/share", kFolderName); }

TShowcaseDataFile OpenShowcaseDataFile(const String& folder) {
  if (folder.empty()) return Unusable("", "找不到用户数据目录：XDG_DATA_HOME 和 HOME 都没有设置。");
  const String path = (fs::path(folder) / kFileName).string();
  std::error_code error;
  const fs::file_type type = fs::status(path, error).type();
  if (type == fs::file_type::not_found) {
    if (fs::is_symlink(fs::symlink_status(path, error)))
      return Unusable(path, "“" + path + "”是一个指向不存在位置的链接。把它移走后重新启动，即可生成新的示例数据。");
    return CreateDataFile(folder, path);
  }
  if (const String problem = NotAFile(path, type); !problem.empty()) return Unusable(path, problem);
  return CheckDataFile(path);
}
