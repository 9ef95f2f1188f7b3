#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"

// Where the records of a real-window grid live: in memory, or in an SQLite table of a
// temporary file.
enum class RealStore { Memory, Sqlite };
std::string RealStoreName(const testing::TestParamInfo<RealStore>& info);

// A shown form in a real window holding a focused data grid over records ID 1 to
// `recordCount_` (3 unless a fixture sets more before SetUp), Name "名字<ID>", kept in
// `store_`. Skips the test without an X server.
class RealGridForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The screen's pixels (0xRRGGBB) of `screenArea`, row by row, once the screen shows there
  // what the form's window painted; empty when it never does.
  std::vector<uint32_t> ShownPixels(const TRect& screenArea);
  // The same for any top-level window of ours (a pop-up over the form).
  std::vector<uint32_t> ShownPixelsOf(HWND window, const TRect& screenArea);

  int recordCount_ = 3;
  RealStore store_ = RealStore::Memory;
  GridLibraryScope library_;
  std::unique_ptr<TApplicationScope> application_;
  std::unique_ptr<TDataSet> data_;
  std::unique_ptr<TDataSource> source_;
  TForm* form_ = nullptr;
  TDBGridEx* grid_ = nullptr;

 private:
  std::string file_;
};

// The same form over each store in turn.
class RealGridOverStores : public RealGridForm, public testing::WithParamInterface<RealStore> {
 protected:
  void SetUp() override {
    store_ = GetParam();
    RealGridForm::SetUp();
  }
};
