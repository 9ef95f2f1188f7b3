// The showcase's data file in other hands: the standard sqlite3 shell opens and queries a file
// the showcase made, the sent page still sorts its 100,000 messages through an index, and a
// file made by an earlier version (its indexes in the program's own text order) still works
// and is left as it is.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "examples/showcase/sent_messages_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_widgets.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/windows/messages.h"
#include "tests/showcase/data_file_support.h"

namespace fs = std::filesystem;
using namespace showcase_data;
using namespace showcase_test;

namespace {

struct TShellRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// The sqlite3 shell, read-only, on `file` with `sql`.
TShellRun Shell(const fs::path& file, const std::string& sql) {
  const fs::path err = file.parent_path() / "shell.err", out = file.parent_path() / "shell.out";
  const std::string command = "sqlite3 -batch -bail -readonly '" + file.string() + "' \"" + sql + "\" >'" +
                              out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadAll(out), ReadAll(err)};
}

// Every statement this process finishes on any SQLite connection, with the number of sorts it
// had to do itself (none when an index hands the rows over in order).
struct TFinishedStatement {
  std::string sql;
  int sorts = 0;
};
std::vector<TFinishedStatement>* watched = nullptr;

int Finished(unsigned, void*, void* statement, void*) {
  auto* stmt = static_cast<sqlite3_stmt*>(statement);
  if (watched != nullptr && sqlite3_sql(stmt) != nullptr)
    watched->push_back({sqlite3_sql(stmt), sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_SORT, 0)});
  return 0;
}

int WatchConnection(sqlite3* db, char**, const sqlite3_api_routines*) {
  sqlite3_trace_v2(db, SQLITE_TRACE_PROFILE, &Finished, nullptr);
  return SQLITE_OK;
}

// Watches the connections opened while it lives.
class TStatementWatch {
 public:
  TStatementWatch() {
    watched = &statements;
    sqlite3_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
  }
  ~TStatementWatch() {
    sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&WatchConnection));
    watched = nullptr;
  }
  TStatementWatch(const TStatementWatch&) = delete;
  TStatementWatch& operator=(const TStatementWatch&) = delete;
  std::vector<TFinishedStatement> statements;
};

// What an earlier version of the showcase left: the same tables, the sent messages' indexes in
// the program's own text order.
void MakeItAnEarlierVersionsFile(const fs::path& file) {
  TSqliteDatabase db(file.string(), TSqliteOpenMode::ReadWrite, 100);
  std::vector<std::string> indexes;
  {
    TSqliteStatement names(db, "SELECT name FROM sqlite_master WHERE type = 'index' AND tbl_name = 'SendedMsg' AND sql IS NOT NULL");
    while (names.Step()) indexes.push_back(names.ColumnValue(0).AsString());
  }
  for (const std::string& index : indexes) db.Execute("DROP INDEX " + SqlIdentifier(index));
  db.Execute("CREATE TABLE Copy AS SELECT * FROM SendedMsg");
  db.Execute("DROP TABLE SendedMsg");
  db.Execute("CREATE TABLE SendedMsg (ID INTEGER PRIMARY KEY, SendTime VARCHAR(19) NOT NULL, Mobile VARCHAR(11) NOT NULL, "
             "Name VARCHAR(20), Content VARCHAR(140), Status VARCHAR(8))");
  db.Execute("INSERT INTO SendedMsg SELECT * FROM Copy");
  db.Execute("DROP TABLE Copy");
  db.Execute("CREATE INDEX SendedMsgBySendTime ON SendedMsg (SendTime COLLATE ANSI)");
  db.Execute("CREATE INDEX SendedMsgByMobile ON SendedMsg (Mobile COLLATE ANSI)");
  db.Execute("VACUUM");
}

class ShowcaseDataFileTools : public ShowcaseDataFile {
 protected:
  void TearDown() override { delete form_; }
  // The sent page over the data file in `folder`, as a run of the showcase shows it.
  TDBGridEx* SentPage(const fs::path& folder) {
    delete form_;
    file_ = OpenShowcaseDataFile(folder.string());
    TShowcasePanel* page = PageOnNewForm(form_);
    BuildSentMessagesPage(page, file_);
    return dynamic_cast<TDBGridEx*>(page->FindComponent("SentGrid"));
  }
  // A click on the caption of the column showing `field`.
  static void ClickTitle(TDBGridEx* grid, const String& field) {
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
      if (grid->Columns()->Items(i)->FieldName() != field) continue;
      const TRect title = grid->CellRect(i + grid->IndicatorOffset(), 0);
      const LPARAM at = MakeLParam((title.Left + title.Right) / 2, title.Bottom - title.Height() / 4 - 4);
      grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, at);
      grid->Perform(WM_LBUTTONUP, 0, at);
    }
  }

  TApplicationScope application_;
  GridLibraryScope gridLibrary_;
  TForm* form_ = nullptr;
  TShowcaseDataFile file_;
};

}  // namespace

TEST_F(ShowcaseDataFileTools, TheStandardShellQueriesAFileTheShowcaseMade) {
  ASSERT_TRUE(MadeFileUsable());
  const fs::path folder = CopyOfMadeFile();
  const TShellRun run = Shell(folder / kFileName,
                              "SELECT count(*) FROM SendedMsg; SELECT count(*) FROM ContactInfo; "
                              "SELECT Mobile FROM SendedMsg ORDER BY SendTime DESC LIMIT 1; PRAGMA integrity_check;");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  const String newest = Text(made_->path, "SELECT Mobile FROM SendedMsg WHERE ID = " + std::to_string(kSentCount));
  EXPECT_EQ(run.out, std::to_string(kSentCount) + "\n" + std::to_string(kContactCount) + "\n" + newest + "\nok\n");
}

// Sorting 100,000 messages on a title click takes an index, in a new file and in one an
// earlier version made; the earlier file is opened and sorted without a byte of it changed.
TEST_F(ShowcaseDataFileTools, TheSentPageSortsThroughAnIndexInNewAndEarlierFiles) {
  ASSERT_TRUE(MadeFileUsable());
  for (const bool earlier : {false, true}) {
    SCOPED_TRACE(earlier ? "a file of an earlier version" : "a file made now");
    const fs::path folder = CopyOfMadeFile();
    if (earlier) MakeItAnEarlierVersionsFile(folder / kFileName);
    const std::string before = Bytes(folder / kFileName);
    TStatementWatch watch;
    TDBGridEx* grid = SentPage(folder);
    ASSERT_NE(grid, nullptr) << file_.problem;
    TDataSet* sent = grid->DataSource()->DataSet();
    for (const char* field : {"SendTime", "SendTime", "Mobile"}) {
      SCOPED_TRACE(field);
      watch.statements.clear();
      ClickTitle(grid, field);
      sent->First();
      int ordered = 0;
      for (const TFinishedStatement& s : watch.statements) {
        if (s.sql.find("ORDER BY") == std::string::npos || s.sql.find(field) == std::string::npos) continue;
        ++ordered;
        EXPECT_EQ(s.sorts, 0) << s.sql;
      }
      EXPECT_GT(ordered, 0) << "the page read the messages in the order of " << field;
      EXPECT_EQ(sent->RecordCount(), kSentCount);
    }
    delete form_;
    form_ = nullptr;
    EXPECT_TRUE(HoldsBytes(folder / kFileName, before));
  }
}
