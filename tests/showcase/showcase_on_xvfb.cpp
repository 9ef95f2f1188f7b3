#include "tests/showcase/showcase_on_xvfb.h"

#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "examples/showcase/main_form.h"
#include "platform/windows/window_tree.h"

namespace showcase_test {

namespace {

constexpr const char* UnderXvfb = "SHOWCASE_TEST_UNDER_XVFB";

// Runs this test again under its own X server; answers its exit status. The server chooses a
// free display number itself, so that runs side by side never share one.
int RerunUnderXvfb(const char* testName) {
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string command = std::string(UnderXvfb) + "=1 QT_QPA_PLATFORM=xcb '" + OWN_DISPLAY + "' 1280x1024x24 '" + self +
                        "' --gtest_filter=" + testName;
  return std::system(command.c_str());
}

}  // namespace

bool ShowcaseOnXvfb::OnDisplay(const char* testName) {
  if (!std::getenv(UnderXvfb)) {
    EXPECT_EQ(RerunUnderXvfb(testName), 0);
    return false;
  }
  toolkit_ = std::make_unique<TToolkitScope>(argc_, argv_, false);
  application_ = std::make_unique<TApplicationScope>();
  return true;
}

void ShowcaseOnXvfb::TearDown() {
  application_.reset();
  toolkit_.reset();
}

bool ShowcaseOnXvfb::PumpUntil(const std::function<bool()>& done) {
  return QTest::qWaitFor(
      [&] {
        Application->ProcessMessages();
        return done();
      },
      kPatienceMs);
}

bool ShowcaseOnXvfb::Exposed(QWindow* window) { return QTest::qWaitForWindowExposed(window, kPatienceMs); }

QPoint ShowcaseOnXvfb::PointOf(TControl* c, TShowcaseMainForm* form, int x, int y) {
  TPoint screen = c->ClientToScreen({x, y});
  TRect bounds = WindowBounds(form->Handle());
  return {screen.x - bounds.Left, screen.y - bounds.Top};
}

}  // namespace showcase_test
