// Reading the records of rows that are not current: every buffered row can be read, and the
// current record is back afterwards, however the reading ended.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/data/dataset.h"
#include "tests/grid/grid_window_support.h"

namespace grid_test {
namespace {

class GridRowReading : public GridInForm {};

TEST_P(GridRowReading, EachBufferedRowGivesItsRecordNumber) {
  Make(50, 400, 200);
  items_->GotoId(30);
  const int active = grid->DataLink()->ActiveRecord();
  const auto [first, last] = grid->ReadableDataRows();
  ASSERT_EQ(first, 0);
  ASSERT_EQ(last, grid->DataLink()->RecordCount());
  ASSERT_GT(last, 3);
  const int firstRecNo = 30 - active;
  for (int row = first; row < last; ++row) EXPECT_EQ(grid->DataRowRecNo(row), firstRecNo + row) << row;
  EXPECT_EQ(grid->DataRowRecNo(last), 0) << "no record below the buffer";
  EXPECT_EQ(grid->DataRowRecNo(-1), 0);
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), active);
  EXPECT_EQ(items_->CurrentId(), 30);
  EXPECT_EQ(grid->CurrentGridRow(), grid->TitleRowCount() + active);
}

TEST_P(GridRowReading, TheCurrentRecordComesBackWhenReadingFails) {
  Make(50, 400, 200);
  items_->GotoId(5);
  const int active = grid->DataLink()->ActiveRecord();
  try {
    DataRowReader reader(grid);
    reader.Select(0);
    reader.Select(active + 2);
    throw std::runtime_error("reading failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), active);
  EXPECT_EQ(items_->CurrentId(), 5);
  {
    DataRowReader reader(grid);
    reader.Select(active + 1);
    EXPECT_EQ(items_->CurrentId(), 6) << "fields read the selected row";
  }
  EXPECT_EQ(items_->CurrentId(), 5);
}

TEST_P(GridRowReading, RowsBelowTheRecordsMakeNoRecordActive) {
  Make(0);
  ASSERT_EQ(grid->RowCount(), grid->TitleRowCount() + 1) << "an empty data set still shows a row";
  DataRowReader reader(grid);
  EXPECT_FALSE(reader.Select(0));
  EXPECT_EQ(grid->DataLink()->ActiveRecord(), 0);
  items_->ds()->Append();
  EXPECT_TRUE(reader.Select(0)) << "the new record's row";
}

INSTANTIATE_TEST_SUITE_P(Stores, GridRowReading, testing::Values(Store::Memory, Store::Sqlite), StoreName);

}  // namespace
}  // namespace grid_test
