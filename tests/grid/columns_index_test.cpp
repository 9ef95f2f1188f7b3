#include <gtest/gtest.h>

#include "gridlib/grid/columns.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

namespace {

class ColumnsIndex : public testing::Test {
 protected:
  void Add(std::initializer_list<const char*> names) {
    for (const char* name : names) grid.Columns()->Add()->SetFieldName(name);
  }
  std::string Order() {
    std::string text;
    for (int i = 0; i < grid.Columns()->Count(); ++i) {
      text += (text.empty() ? "" : " ") + grid.Columns()->Items(i)->FieldName();
    }
    return text;
  }
  TTestGrid grid{nullptr};
};

}  // namespace

TEST_F(ColumnsIndex, ReadsQuotedNamesInColumnOrder) {
  EXPECT_EQ(grid.Columns()->ColumnsIndex(), "");
  Add({"ID", "Say \"hi\"", "Name"});
  EXPECT_EQ(grid.Columns()->ColumnsIndex(), "\"ID\",\"Say \"\"hi\"\"\",\"Name\"");
}

TEST_F(ColumnsIndex, WritingReordersIgnoringCase) {
  Add({"ID", "Name", "Amount"});
  grid.Columns()->SetColumnsIndex("\"amount\",\"id\",\"name\"");
  EXPECT_EQ(Order(), "Amount ID Name");
}

TEST_F(ColumnsIndex, NamesWithQuotesReadBack) {
  Add({"A", "Say \"hi\"", "B"});
  const String stored = grid.Columns()->ColumnsIndex();
  grid.Columns()->Items(1)->SetIndex(2);
  grid.Columns()->SetColumnsIndex(stored);
  EXPECT_EQ(Order(), "A Say \"hi\" B");
}

TEST_F(ColumnsIndex, UnknownAndRepeatedNamesCannotPushPastTheEnd) {
  Add({"ID", "Name", "Amount"});
  grid.Columns()->SetColumnsIndex("\"Ghost\",\"Amount\",\"Amount\",\"Phantom\",\"Spirit\",\"Name\",\"ID\"");
  EXPECT_EQ(Order(), "Amount Name ID");
  grid.Columns()->SetColumnsIndex("\"X\",\"Y\",\"Z\",\"W\",\"ID\"");
  EXPECT_EQ(Order(), "ID Amount Name");
}

TEST_F(ColumnsIndex, TwoColumnsOfOneFieldBothMove) {
  Add({"A", "B", "A"});
  grid.Columns()->Items(0)->SetTag(1);
  grid.Columns()->Items(2)->SetTag(2);
  grid.Columns()->SetColumnsIndex("\"A\",\"A\",\"B\"");
  EXPECT_EQ(Order(), "A A B");
  EXPECT_EQ(grid.Columns()->Items(0)->Tag(), 1);
  EXPECT_EQ(grid.Columns()->Items(1)->Tag(), 2);
}

TEST_F(ColumnsIndex, MalformedTextNeitherRaisesNorLosesAColumn) {
  Add({"ID", "Name", "Amount"});
  for (const char* text : {"", ",,,", "\"Name", "\"\"\"", "Amount\",\"ID", "\"Amount\"\"ID\""}) {
    EXPECT_NO_THROW(grid.Columns()->SetColumnsIndex(text)) << text;
    EXPECT_EQ(grid.Columns()->Count(), 3) << text;
  }
  std::string order = Order();
  for (const char* name : {"ID", "Name", "Amount"}) {
    EXPECT_NE(order.find(name), std::string::npos) << name;
  }
}
