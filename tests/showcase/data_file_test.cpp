// The showcase's data file: made once with its sample records, used as it stands afterwards,
// and never written to when it is damaged, unreadable or foreign.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

#include "examples/showcase/showcase_data_file.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "tests/showcase/data_file_support.h"

namespace fs = std::filesystem;
using namespace showcase_data;
using namespace showcase_test;

namespace {

// Sets an environment variable (or removes it) for the life of the object.
class EnvironmentValue {
 public:
  EnvironmentValue(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value != nullptr) setenv(name, value, 1);
    else unsetenv(name);
  }
  ~EnvironmentValue() {
    if (old_) setenv(name_, old_->c_str(), 1);
    else unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// A child process running `work`, started at once; Answer waits for the text it gives back.
class ChildProcess {
 public:
  explicit ChildProcess(const std::function<std::string()>& work) {
    if (pipe(channel_) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(channel_[0]);
      const std::string answer = work();
      const ssize_t written = write(channel_[1], answer.data(), answer.size());
      _exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    }
    close(channel_[1]);
  }
  std::string Answer() {
    if (pid_ <= 0) return "no child process";
    std::string answer;
    char buffer[512];
    for (ssize_t n; (n = read(channel_[0], buffer, sizeof buffer)) > 0;) answer.append(buffer, static_cast<size_t>(n));
    close(channel_[0]);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = 0;
    return answer;
  }
  ~ChildProcess() { Answer(); }

 private:
  int channel_[2] = {-1, -1};
  pid_t pid_ = -1;
};

// What the showcase says of the data file in `folder` when a user other than the file's owner
// (and other than root, who reads any file) runs it: it gives up root's rights first.
std::string ProblemSeenByAnotherUser(const fs::path& folder) {
  return ChildProcess([&] {
           const bool plainUser = getuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0);
           return plainUser ? OpenShowcaseDataFile(folder.string()).problem : "cannot drop root's rights";
         }).Answer();
}

}  // namespace

TEST_F(ShowcaseDataFile, FirstRunCreatesTheSampleContactsAndMessages) {
  ASSERT_TRUE(made_->Usable()) << made_->problem;
  EXPECT_TRUE(made_->created);
  EXPECT_EQ(made_->path, (*madeFolder_ / kFileName).string());
  EXPECT_EQ(fs::directory_iterator(*madeFolder_)->path().filename(), kFileName) << "nothing else is left in the folder";
  const String file = made_->path;
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM ContactInfo"), kContactCount);
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM SendedMsg"), kSentCount);
  EXPECT_EQ(Count(file, "SELECT SUM(SentCount) FROM ContactInfo"), kSentCount) << "each message counts for its contact";
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE Mobile NOT GLOB '1[0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9][0-9]'"), 0);
  EXPECT_GT(Count(file, "SELECT COUNT(DISTINCT GroupName) FROM ContactInfo"), 3);
  EXPECT_GT(Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE Blocked"), 0);
  EXPECT_GT(Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE NOT Blocked"), kContactCount / 2);
  // Chinese names: two to four characters of three UTF-8 bytes each.
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE length(Name) NOT BETWEEN 2 AND 4 OR length(CAST(Name AS BLOB)) != 3 * length(Name)"), 0);
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM SendedMsg WHERE SendTime NOT GLOB '20[0-9][0-9]-[01][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]'"), 0);
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM SendedMsg a JOIN SendedMsg b ON b.ID = a.ID + 1 WHERE b.SendTime <= a.SendTime"), 0)
      << "later messages were sent later";
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM SendedMsg WHERE Mobile || Name NOT IN (SELECT Mobile || Name FROM ContactInfo)"), 0)
      << "every message went to one of the contacts";
}

// The pages sort the sent messages by time and by number in the order their columns declare;
// the file keeps them in those orders, so SQLite hands them over without sorting 100,000 rows
// first.
TEST_F(ShowcaseDataFile, TheSentMessagesAreKeptInTimeAndNumberOrder) {
  ASSERT_TRUE(MadeFileUsable());
  TSqliteDatabase db(made_->path, TSqliteOpenMode::ReadOnly, 100);
  for (const char* order : {"SendTime, rowid", "SendTime DESC, rowid DESC", "Mobile, rowid"}) {
    SCOPED_TRACE(order);
    TSqliteStatement plan(db, String("EXPLAIN QUERY PLAN SELECT rowid FROM SendedMsg ORDER BY ") + order);
    String steps;
    while (plan.Step()) steps += plan.ColumnValue(3).AsString() + "; ";
    EXPECT_EQ(steps.find("TEMP B-TREE"), String::npos) << steps;
  }
}

TEST_F(ShowcaseDataFile, TwoFirstRunsAtOnceBothEndWithOneSoundFile) {
  const fs::path folder = Folder("two-first-runs");
  ChildProcess other([&] {
    const TShowcaseDataFile file = OpenShowcaseDataFile(folder.string());
    return file.Usable() ? std::string("usable") : file.problem;
  });
  const TShowcaseDataFile mine = OpenShowcaseDataFile(folder.string());
  EXPECT_TRUE(mine.Usable()) << mine.problem;
  EXPECT_EQ(other.Answer(), "usable");
  EXPECT_EQ(Count(mine.path, "SELECT COUNT(*) FROM SendedMsg"), kSentCount);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "no half-built file is left";
}

TEST_F(ShowcaseDataFile, ReopeningKeepsWhatTheFileHoldsEditsIncluded) {
  ASSERT_TRUE(MadeFileUsable());
  const fs::path folder = CopyOfMadeFile();
  const fs::path file = folder / kFileName;
  {
    TSqliteDataSet contacts(nullptr);
    contacts.SetDatabaseName(file.string());
    contacts.SetTableName(kContactsTable);
    contacts.Open();
    contacts.Edit();
    contacts.FieldByName("Name")->SetAsString("改过的名字");
    contacts.Post();
    contacts.Next();
    contacts.Delete();
  }
  const std::string edited = Bytes(file);
  const TShowcaseDataFile again = OpenShowcaseDataFile(folder.string());
  ASSERT_TRUE(again.Usable()) << again.problem;
  EXPECT_FALSE(again.created);
  EXPECT_EQ(Count(again.path, "SELECT COUNT(*) FROM ContactInfo WHERE Name = '改过的名字'"), 1);
  EXPECT_EQ(Count(again.path, "SELECT COUNT(*) FROM ContactInfo"), kContactCount - 1);
  EXPECT_TRUE(HoldsBytes(file, edited));
}

TEST_F(ShowcaseDataFile, DamagedUnreadableOrForeignFilesAreReportedAndLeftByteForByte) {
  ASSERT_TRUE(MadeFileUsable());
  const fs::path folder = Folder("damaged");
  const fs::path file = folder / kFileName;
  const std::string sound = Bytes(made_->path);
  std::string scribbled = sound;
  for (size_t i = 8192; i < scribbled.size(); i += 5) scribbled[i] = '\x33';
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"not a database at all", "联系人,手机\n张三,13800000000\n"},
      {"cut short", sound.substr(0, sound.size() / 2)},
      {"pages scribbled over", scribbled},
      {"empty", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_directories(folder);
    ASSERT_TRUE(WroteBytes(file, c.bytes));
    const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
    EXPECT_FALSE(found.Usable());
    EXPECT_FALSE(found.created);
    EXPECT_NE(found.problem.find("文件保持原样"), String::npos) << found.problem;
    EXPECT_NE(found.problem.find(file.string()), String::npos) << found.problem;
    EXPECT_EQ(found.problem.find('\n'), String::npos) << "one short explanation: " << found.problem;
    EXPECT_FALSE(found.details.empty()) << "SQLite's own words are kept for the details";
    EXPECT_TRUE(HoldsBytes(file, c.bytes));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "nothing is made beside it";
  }
}

TEST_F(ShowcaseDataFile, AFileLockedByAnotherProgramIsReportedAndLeftAlone) {
  ASSERT_TRUE(MadeFileUsable());
  const fs::path folder = CopyOfMadeFile();
  const std::string before = Bytes(folder / kFileName);
  TSqliteDatabase other((folder / kFileName).string(), TSqliteOpenMode::ReadWrite, 100);
  other.Execute("BEGIN EXCLUSIVE");
  const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
  EXPECT_NE(found.problem.find("正被其他程序占用"), String::npos) << found.problem;
  EXPECT_NE(found.details.find("database is locked"), String::npos) << found.details;
  other.Execute("ROLLBACK");
  EXPECT_TRUE(HoldsBytes(folder / kFileName, before));
}

TEST_F(ShowcaseDataFile, AFileThatCannotBeReadIsReportedAndLeftAlone) {
  ASSERT_TRUE(MadeFileUsable());
  const fs::path folder = CopyOfMadeFile();
  const fs::path file = folder / kFileName;
  const std::string before = Bytes(file);
  // Everyone may reach and read the file at first, as the other user's sound run shows.
  for (const fs::path& reached : {fs::path(std::getenv("XDG_DATA_HOME")), folder})
    fs::permissions(reached, fs::perms::others_exec, fs::perm_options::add);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  const std::string readable = ProblemSeenByAnotherUser(folder);
  if (!readable.empty()) GTEST_SKIP() << "another user cannot reach the build folder: " << readable;
  fs::permissions(file, fs::perms::none);
  const std::string problem = ProblemSeenByAnotherUser(folder);
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_NE(problem.find("无法读取"), std::string::npos) << problem;
  EXPECT_TRUE(HoldsBytes(file, before));
}

TEST_F(ShowcaseDataFile, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
  const fs::path folder = Folder("folder-in-place");
  fs::create_directories(folder / kFileName / "inside");
  const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
  EXPECT_FALSE(found.Usable());
  EXPECT_NE(found.problem.find("“" + (folder / kFileName).string() + "”是一个文件夹"), String::npos) << found.problem;
  EXPECT_EQ(found.problem.find("I/O"), String::npos) << found.problem;
  EXPECT_TRUE(fs::is_directory(folder / kFileName / "inside"));
}

TEST_F(ShowcaseDataFile, DataFolderIsXdgDataHomeElseTheHomeFoldersLocalShare) {
  const struct {
    const char* xdg;
    const char* home;
    const char* expected;
  } cases[] = {
      {"/data/xdg", "/home/user", "/data/xdg/showcase"},
      {nullptr, "/home/user", "/home/user/.local/share/showcase"},
      {"relative/xdg", "/home/user", "/home/user/.local/share/showcase"},
      {"", "/home/user", "/home/user/.local/share/showcase"},
      {nullptr, nullptr, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.xdg ? c.xdg : "(unset)") + " " + (c.home ? c.home : "(unset)"));
    EnvironmentValue xdg("XDG_DATA_HOME", c.xdg);
    EnvironmentValue home("HOME", c.home);
    EXPECT_EQ(ShowcaseDataFolder(), c.expected);
  }
  EXPECT_FALSE(OpenShowcaseDataFile("").Usable()) << "without a data folder nothing is made";
}
