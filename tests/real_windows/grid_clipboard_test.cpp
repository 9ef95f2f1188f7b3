// The grid's copy and paste reach other programs through the system clipboard: another
// program (xclip) reads what the grid copied, and the grid pastes what that program put there.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_selection.h"
#include "gridlib/grid/grid_style.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/field.h"
#include "platform/data/mem_dataset.h"
#include "platform/windows/clipboard.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

extern char** environ;

namespace {

// Runs `command` while our messages (and the toolkit's) are handled, so that it can ask this
// program for the clipboard; its standard output.
std::string OutputOf(const std::string& command) {
  std::string output;
  std::atomic<bool> done{false};
  // Started from this thread, the toolkit's: started from the reader, the command could fork
  // while the toolkit, blocked in this thread, has a helper of its own half started (its
  // accessibility bridge looking for a session bus). The command would then hold the pipe
  // the toolkit waits on to end, while it waits for the toolkit to hand over the clipboard.
  FILE* pipe = popen(command.c_str(), "r");
  std::thread reader([&] {
    if (pipe != nullptr) {
      char buffer[256];
      size_t n;
      while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
      pclose(pipe);
    }
    done = true;
  });
  WaitFor([&] { return done.load(); });
  reader.join();
  return output;
}

// Another program owning the clipboard with `text`, until the end of the scope.
class ClipboardOwner {
 public:
  explicit ClipboardOwner(const std::string& text) {
    int in[2];
    if (pipe(in) != 0) return;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    char* args[] = {const_cast<char*>("xclip"), const_cast<char*>("-quiet"), const_cast<char*>("-selection"),
                    const_cast<char*>("clipboard"), const_cast<char*>("-i"), nullptr};
    if (posix_spawnp(&pid_, "xclip", &actions, nullptr, args, environ) != 0) pid_ = 0;
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    const ssize_t written = write(in[1], text.data(), text.size());
    (void)written;  // a short write shows as a clipboard that does not match
    close(in[1]);
  }
  ~ClipboardOwner() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  ClipboardOwner(const ClipboardOwner&) = delete;
  ClipboardOwner& operator=(const ClipboardOwner&) = delete;
  bool Started() const { return pid_ > 0; }

 private:
  pid_t pid_ = 0;
};

class GridSystemClipboard : public RealGridForm {
 protected:
  void SetUp() override {
    RealGridForm::SetUp();
    if (IsSkipped()) return;
    if (std::system("command -v xclip >/dev/null 2>&1") != 0) GTEST_SKIP() << "needs xclip (scripts/deps)";
    grid_->SetOptions(grid_->Options() + dgMultiSelect - dgConfirmDelete);
    grid_->SetEditActions({geaCopyEx, geaPasteEx});
  }
  TBookmark BookmarkOfRecord(int id) {
    data_->Locate("ID", Variant(id), {});
    return data_->GetBookmark();
  }
};

TEST_F(GridSystemClipboard, AnotherProgramReadsTheCopiedCells) {
  grid_->Selection()->Rect()->Select(0, BookmarkOfRecord(2), false);
  grid_->Selection()->Rect()->Select(1, BookmarkOfRecord(3), true);
  ASSERT_TRUE(grid_->RunEditCommand(geaCopyEx));
  EXPECT_EQ(OutputOf("xclip -o -selection clipboard"), "2\t名字2\r\n3\t名字3\r\n");
}

TEST_F(GridSystemClipboard, TheGridPastesWhatAnotherProgramCopied) {
  ClipboardOwner other("7\t甲\n8\t乙\n");
  ASSERT_TRUE(other.Started());
  ASSERT_TRUE(WaitFor([] { return Clipboard()->AsText() == "7\t甲\n8\t乙\n"; })) << Clipboard()->AsText();
  data_->First();
  grid_->SetSelectedIndex(0);
  ASSERT_TRUE(grid_->RunEditCommand(geaPasteEx));
  data_->First();
  EXPECT_EQ(data_->FieldByName("ID")->AsInteger(), 7);
  EXPECT_EQ(data_->FieldByName("Name")->AsString(), "甲");
  data_->Next();
  EXPECT_EQ(data_->FieldByName("Name")->AsString(), "乙");
}

}  // namespace
