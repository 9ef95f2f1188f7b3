#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"

class TDBGridEx;
class TShowcaseMainForm;

// The showcase's main window in a real window, the program's main form, shown, over data and
// config folders of its own (the first run's sample data). Skips the test without an X server.
class RealShowcaseTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs turns of the program's own loop (its idle step included, as Application->Run does)
  // until `condition` holds or `ms` have passed.
  static bool RunUntil(const std::function<bool()>& condition, int ms = 60000);
  // Moves the real pointer to a screen point and waits until our side has taken the move.
  static bool PointTo(TPoint screen);
  // The data grid of a page, shown and focused.
  TDBGridEx* ShownGrid(int command, const char* name);

  std::unique_ptr<TApplicationScope> application_;
  TShowcaseMainForm* form_ = nullptr;

 private:
  GridLibraryScope gridLibrary_;
  std::string folders_;
};
