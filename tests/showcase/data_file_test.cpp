// The showcase's data file: made once with its sample records, used as it stands afterwards,
// and never written to when it is damaged, unreadable or foreign.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <optional>
#include <regex>

#include "examples/showcase/contacts_page.h"
#include "examples/showcase/sent_messages_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_widgets.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/label.h"
#include "platform/data/data_source.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"

namespace fs = std::filesystem;
using namespace showcase_data;

namespace {

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int64_t Count(const String& file, const String& sql) {
  TSqliteDatabase db(file, TSqliteOpenMode::ReadOnly, 100);
  TSqliteStatement query(db, sql);
  return query.Step() ? query.ColumnInt64(0) : -1;
}

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

class ShowcaseDataFile : public ::testing::Test {
 protected:
  // One file made by a first run serves every test; each test works on a copy of it.
  static void SetUpTestSuite() {
    madeFolder_ = new fs::path(Folder("made"));
    made_ = new TShowcaseDataFile(OpenShowcaseDataFile(madeFolder_->string()));
  }
  static void TearDownTestSuite() {
    delete made_;
    delete madeFolder_;
  }
  static fs::path Folder(const std::string& name) {
    const fs::path folder = fs::path(std::getenv("XDG_DATA_HOME")) / ("data-file-test-" + name);
    fs::remove_all(folder);
    return folder;
  }
  // A folder holding a copy of the file the first run made.
  fs::path CopyOfMadeFile() {
    const fs::path folder = Folder(::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(folder);
    fs::copy_file(made_->path, folder / kFileName);
    return folder;
  }

  static fs::path* madeFolder_;
  static TShowcaseDataFile* made_;
};

fs::path* ShowcaseDataFile::madeFolder_ = nullptr;
TShowcaseDataFile* ShowcaseDataFile::made_ = nullptr;

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

TEST_F(ShowcaseDataFile, ReopeningKeepsWhatTheFileHoldsEditsIncluded) {
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
  EXPECT_EQ(Bytes(file), edited);
}

TEST_F(ShowcaseDataFile, DamagedUnreadableOrForeignFilesAreReportedAndLeftByteForByte) {
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
    std::ofstream(file, std::ios::binary | std::ios::trunc) << c.bytes;
    const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
    EXPECT_FALSE(found.Usable());
    EXPECT_FALSE(found.created);
    EXPECT_NE(found.problem.find("文件保持原样"), String::npos) << found.problem;
    EXPECT_EQ(Bytes(file), c.bytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1) << "nothing is made beside it";
  }
}

TEST_F(ShowcaseDataFile, AFileLockedByAnotherProgramIsReportedAndLeftAlone) {
  const fs::path folder = CopyOfMadeFile();
  const std::string before = Bytes(folder / kFileName);
  TSqliteDatabase other((folder / kFileName).string(), TSqliteOpenMode::ReadWrite, 100);
  other.Execute("BEGIN EXCLUSIVE");
  const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
  EXPECT_NE(found.problem.find("database is locked"), String::npos) << found.problem;
  other.Execute("ROLLBACK");
  EXPECT_EQ(Bytes(folder / kFileName), before);
}

TEST_F(ShowcaseDataFile, AFileThatCannotBeReadIsReportedAndLeftAlone) {
  const fs::path folder = CopyOfMadeFile();
  const fs::path file = folder / kFileName;
  const std::string before = Bytes(file);
  fs::permissions(file, fs::perms::none);
  if (access(file.c_str(), R_OK) == 0) {
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    GTEST_SKIP() << "this user reads files whatever their permissions say";
  }
  const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
  fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_NE(found.problem.find("无法读取"), String::npos) << found.problem;
  EXPECT_EQ(Bytes(file), before);
}

TEST_F(ShowcaseDataFile, AFolderInTheFilesPlaceIsReportedAndLeftAlone) {
  const fs::path folder = Folder("folder-in-place");
  fs::create_directories(folder / kFileName / "inside");
  const TShowcaseDataFile found = OpenShowcaseDataFile(folder.string());
  EXPECT_FALSE(found.Usable());
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

namespace {

// The showcase's pages on a form of their own.
class ShowcaseDataPages : public ShowcaseDataFile {
 protected:
  TShowcasePanel* NewPage() {
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 900, 600);
    auto* page = new TShowcasePanel(form_);
    page->SetParent(form_);
    page->SetAlign(alClient);
    form_->Show();
    return page;
  }
  template <typename T>
  static T* Child(TWinControl* page, const String& name) {
    return dynamic_cast<T*>(page->FindComponent(name));
  }
  void TearDown() override { delete form_; }

  TApplicationScope application_;
  GridLibraryScope gridLibrary_;
  TForm* form_ = nullptr;
};

}  // namespace

TEST_F(ShowcaseDataPages, ContactsPageShowsTheContactsInGroupAndNameOrder) {
  TShowcasePanel* page = NewPage();
  BuildContactsPage(page, *made_);
  auto* grid = Child<TDBGridEx>(page, "ContactsGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(Child<TLabel>(page, "DataProblem"), nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  ASSERT_TRUE(contacts->Active());
  EXPECT_EQ(contacts->RecordCount(), kContactCount);
  const String firstGroup = contacts->FieldByName("GroupName")->AsString();
  contacts->Last();
  EXPECT_LT(AnsiCompareText(firstGroup, contacts->FieldByName("GroupName")->AsString()), 0);
  EXPECT_EQ(grid->SortMarkedColumns().size(), 2u);
  EXPECT_EQ(grid->SortMarkedColumns().front()->FieldName(), "GroupName");
}

TEST_F(ShowcaseDataPages, SentPageShowsEveryMessageNewestFirstAndReadOnly) {
  TShowcasePanel* page = NewPage();
  BuildSentMessagesPage(page, *made_);
  auto* grid = Child<TDBGridEx>(page, "SentGrid");
  ASSERT_NE(grid, nullptr);
  TDataSet* sent = grid->DataSource()->DataSet();
  ASSERT_TRUE(sent->Active());
  EXPECT_EQ(sent->RecordCount(), kSentCount);
  EXPECT_EQ(sent->FieldByName("ID")->AsInteger(), kSentCount);
  EXPECT_FALSE(sent->CanModify());
}

TEST_F(ShowcaseDataPages, WithoutAUsableFileBothPagesSayWhyInsteadOfAGrid) {
  const TShowcaseDataFile damaged{"/nowhere/showcase.db", "数据文件已损坏或无法读取：file is not a database。", false};
  for (auto build : {&BuildContactsPage, &BuildSentMessagesPage}) {
    TShowcasePanel* page = NewPage();
    build(page, damaged);
    auto* message = Child<TLabel>(page, "DataProblem");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Caption(), damaged.problem);
    EXPECT_TRUE(message->Visible());
    EXPECT_EQ(Child<TDBGridEx>(page, "ContactsGrid"), nullptr);
    EXPECT_EQ(Child<TDBGridEx>(page, "SentGrid"), nullptr);
    delete form_;
    form_ = nullptr;
  }
}
