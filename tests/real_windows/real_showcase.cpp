#include "tests/real_windows/real_showcase.h"

#include <stdlib.h>

#include <chrono>
#include <filesystem>

#include "examples/showcase/main_form.h"
#include "gridlib/grid/db_grid.h"
#include "platform/backend/qt_backend.h"
#include "platform/windows/keys.h"
#include "tests/real_windows/real_display.h"

void RealShowcaseTest::SetUp() {
  if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
  folders_ = FreshFolder("real_showcase");
  ASSERT_FALSE(folders_.empty());
  setenv("XDG_DATA_HOME", (folders_ + "/data").c_str(), 1);
  setenv("XDG_CONFIG_HOME", (folders_ + "/config").c_str(), 1);
  application_ = std::make_unique<TApplicationScope>();
  Application->CreateForm(form_);
  form_->Show();
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
}

void RealShowcaseTest::TearDown() {
  application_.reset();
  unsetenv("XDG_DATA_HOME");
  unsetenv("XDG_CONFIG_HOME");
  if (!folders_.empty()) std::filesystem::remove_all(folders_);
}

bool RealShowcaseTest::RunUntil(const std::function<bool()>& condition, int ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (std::chrono::steady_clock::now() < deadline) {
    Application->HandleMessage();
    if (condition()) return true;
  }
  return false;
}

bool RealShowcaseTest::PointTo(TPoint screen) {
  return Xdo("mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y)) &&
         WaitFor([&] { return GetCursorPos() == screen; });
}

TDBGridEx* RealShowcaseTest::ShownGrid(int command, const char* name) {
  form_->ExecuteCommand(command);
  auto* grid = dynamic_cast<TDBGridEx*>(form_->Page(command)->FindComponent(name));
  EXPECT_NE(grid, nullptr) << name;
  if (grid == nullptr) return nullptr;
  grid->SetFocus();
  EXPECT_TRUE(WaitFor([&] { return grid->Focused(); }));
  return grid;
}
