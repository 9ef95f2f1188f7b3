// The showcase's main form in a real toolkit window on an X server of its own: a click and a
// key fed through the toolkit arrive as our messages. The test starts Xvfb itself (by running
// itself again under xvfb-run), since CI has no display.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "examples/showcase/main_form.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/painting.h"

namespace {

constexpr const char* UnderXvfb = "SHOWCASE_TEST_UNDER_XVFB";

// Runs this test again under its own X server; answers its exit status.
int RerunUnderXvfb(const char* testName) {
  std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::string command = std::string(UnderXvfb) + "=1 QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x1024x24' '" + self +
                        "' --gtest_filter=" + testName;
  return std::system(command.c_str());
}

struct TSeen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
};

class ShowcaseOnXvfb : public ::testing::Test {
 protected:
  void Pump(int rounds = 20) {
    for (int i = 0; i < rounds; ++i) {
      Application->ProcessMessages();
      QTest::qWait(5);
    }
  }
  QPoint PointOf(TControl* c, TShowcaseMainForm* form, int x, int y) {
    TPoint screen = c->ClientToScreen({x, y});
    TRect bounds = WindowBounds(form->Handle());
    return {screen.x - bounds.Left, screen.y - bounds.Top};
  }
};

TEST_F(ShowcaseOnXvfb, RealClickAndKeyArriveAsMessages) {
  if (!std::getenv(UnderXvfb)) {
    ASSERT_EQ(RerunUnderXvfb("ShowcaseOnXvfb.RealClickAndKeyArriveAsMessages"), 0);
    return;
  }
  int argc = 1;
  char name[] = "test_showcase";
  char* argv[] = {name, nullptr};
  TToolkitScope toolkit(argc, argv, false);
  ASSERT_TRUE(DisplayAvailable());
  TApplicationScope application;
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  std::vector<TSeen> seen;
  Application->OnMessage.Bind(nullptr, "Record", [&](MSG& m, bool&) { seen.push_back({m.hwnd, m.message, m.wParam}); });
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
  Pump();
  EXPECT_EQ(form->ActiveCommand(), 1);

  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, PointOf(form->ToolButton(3), form, 10, 10));
  Pump();
  auto count = [&](UINT message, HWND h) {
    return std::count_if(seen.begin(), seen.end(), [&](const TSeen& s) { return s.message == message && s.hwnd == h; });
  };
  HWND toolBar = form->ToolBar()->Handle();
  EXPECT_EQ(count(WM_LBUTTONDOWN, toolBar), 1);
  EXPECT_EQ(count(WM_LBUTTONUP, toolBar), 1);
  EXPECT_EQ(form->ActiveCommand(), 3) << "the click reached the tool button, which switched the page";

  form->Page(3)->SetFocus();
  QTest::keyClick(window, Qt::Key_A);
  Pump();
  HWND page = form->Page(3)->Handle();
  std::vector<std::pair<UINT, WPARAM>> keys;
  for (const TSeen& s : seen)
    if (s.hwnd == page && s.message >= WM_KEYFIRST && s.message <= WM_KEYLAST) keys.emplace_back(s.message, s.wParam);
  std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}};
  EXPECT_EQ(keys, expected);

  TBitmap* surface = WindowSurface(form->Handle());
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->Width(), form->Width());
}

}  // namespace
