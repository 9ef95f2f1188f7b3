#pragma once

// The showcase's main window in a real toolkit window on an X server of its own: each test
// runs again on a server it starts itself (CI has no display) and drives the window with input
// fed through the toolkit. Suites whose names end in OnXvfb run one at a time.
#include <gtest/gtest.h>

#include <QPoint>

#include <functional>
#include <memory>

#include "gridlib/grid/grid_style.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"

class QWindow;
class TControl;
class TShowcaseMainForm;

namespace showcase_test {

inline constexpr int kPatienceMs = 60000;

class ShowcaseOnXvfb : public ::testing::Test {
 protected:
  // Starts the toolkit on the X server; answers false in the outer run, which only waits for
  // the inner one on its own X server.
  bool OnDisplay(const char* testName);
  void TearDown() override;
  // Handles the toolkit's events and our messages until `done` holds. The X server answers
  // when it gets to it: on a loaded machine later, never differently, so the wait is for the
  // state the test expects, with a deadline far beyond any answer that is merely slow.
  static bool PumpUntil(const std::function<bool()>& done);
  static bool Exposed(QWindow* window);
  // Where client point (x, y) of `c` is in the form's toolkit window.
  static QPoint PointOf(TControl* c, TShowcaseMainForm* form, int x, int y);

 private:
  int argc_ = 1;
  char name_[14] = "test_showcase";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<TToolkitScope> toolkit_;
  GridLibraryScope gridLibrary_;
  std::unique_ptr<TApplicationScope> application_;
};

}  // namespace showcase_test
