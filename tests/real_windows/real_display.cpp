#include "tests/real_windows/real_display.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>
#include <vector>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/windows/keys.h"

extern char** environ;

const char* WindowManagerName() {
  const char* wm = std::getenv("REAL_WINDOWS_WM");
  return wm && *wm ? wm : nullptr;
}

bool Xdo(const std::string& arguments) {
  std::string command = "xdotool " + arguments + " >/dev/null 2>&1";
  return std::system(command.c_str()) == 0;
}

std::string FreshFolder(const char* prefix) {
  std::string pattern = (std::filesystem::temp_directory_path() / (std::string(prefix) + "XXXXXX")).string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  return mkdtemp(name.data()) != nullptr ? std::string(name.data()) : std::string();
}

bool ClickAt(TPoint screen) {
  return Xdo("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y) + " click 1");
}

bool WaitFor(const std::function<bool()>& condition, int ms) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < deadline) {
    if (Application) Application->ProcessMessages();
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return false;
}

bool Drag(TPoint from, TPoint to, const std::function<bool()>& arrived) {
  auto at = [](TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); };
  if (!Xdo("mousemove " + at(from) + " mousedown 1")) return false;
  // The moves start once our side has taken the press (whatever follows the pointer from it
  // is under way); moves that then come together are followed as one.
  bool moved = WaitFor([&] { return GetCursorPos() == from && GetAsyncKeyState(VK_LBUTTON) < 0; });
  TPoint half{(from.x + to.x) / 2, (from.y + to.y) / 2};
  moved = moved && Xdo("mousemove " + at(half)) && Xdo("mousemove " + at(to)) && WaitFor(arrived);
  return Xdo("mouseup 1") && moved;
}

namespace {

// The toolkit, and the window manager when one is asked for, live for the whole program: one
// toolkit application per process, as in the showcase.
class TRealDisplay : public ::testing::Environment {
 public:
  void SetUp() override {
    if (!DisplayAvailable()) return;
    if (const char* wm = WindowManagerName()) StartWindowManager(wm);
    toolkit_ = std::make_unique<TToolkitScope>(argc_, argv_, false);
  }
  void TearDown() override {
    toolkit_.reset();
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }

 private:
  // A window manager that found the new server not yet taking connections gives up at once;
  // it is started again until it announces itself (with the desktops it keeps) or time runs out.
  void StartWindowManager(const char* wm) {
    char* args[] = {const_cast<char*>(wm), nullptr};
    auto running = [this] { return waitpid(pid_, nullptr, WNOHANG) == 0; };
    const bool up = WaitFor([&] {
      if (pid_ > 0 && !running()) pid_ = 0;
      if (pid_ <= 0 && posix_spawnp(&pid_, wm, nullptr, nullptr, args, environ) != 0) pid_ = 0;
      return pid_ > 0 && Xdo("get_num_desktops");
    });
    ASSERT_TRUE(up) << wm << " did not come up";
  }

  pid_t pid_ = 0;
  int argc_ = 1;
  char name_[18] = "test_real_windows";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TToolkitScope> toolkit_;
};

[[maybe_unused]] ::testing::Environment* const RealDisplay = ::testing::AddGlobalTestEnvironment(new TRealDisplay);

}  // namespace
