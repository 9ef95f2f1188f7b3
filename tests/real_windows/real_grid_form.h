#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/data_source.h"
#include "platform/data/mem_dataset.h"

// A shown form in a real window holding a focused data grid over three records: ID 1 to 3,
// Name "名字<ID>". Skips the test without an X server.
class RealGridForm : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  GridLibraryScope library_;
  std::unique_ptr<TApplicationScope> application_;
  std::unique_ptr<TMemDataSet> data_;
  std::unique_ptr<TDataSource> source_;
  TForm* form_ = nullptr;
  TDBGridEx* grid_ = nullptr;
};
