// Grid settings kept through streaming: the edit actions and the scroll-bar modes.
#include <gtest/gtest.h>

#include "gridlib/grid/db_grid.h"
#include "tests/grid/grid_stream_support.h"

namespace grid_test {
namespace {

TEST(GridStreamedSettings, EditActionsStartEmptyAndAreStoredOnceSet) {
  TDBGridEx grid(nullptr);
  grid.SetName("DBGridEx1");
  EXPECT_TRUE(grid.EditActions().Empty());
  EXPECT_EQ(ComponentAsText(&grid).find("EditActions"), String::npos);
  grid.SetEditActions({geaCopyEx, geaSelectAllEx});
  EXPECT_NE(ComponentAsText(&grid).find("EditActions = [geaCopyEx, geaSelectAllEx]"), String::npos)
      << ComponentAsText(&grid);
  TDBGridEx copy(nullptr);
  CopyByStream(&grid, &copy);
  EXPECT_EQ(copy.EditActions(), (TDBGridExEditActions{geaCopyEx, geaSelectAllEx}));
}

TEST(GridStreamedSettings, VerticalBarStoresItsModeAndHorizontalBarItsVisibility) {
  TDBGridEx grid(nullptr);
  grid.SetName("DBGridEx1");
  const String plain = ComponentAsText(&grid);
  EXPECT_EQ(plain.find("VisibleMode"), String::npos) << "the default mode is not stored";
  EXPECT_EQ(plain.find("Visible ="), String::npos);

  grid.VertScrollBar()->SetVisibleMode(sbAlwaysShowEx);
  grid.HorzScrollBar()->SetVisible(false);
  const String text = ComponentAsText(&grid);
  EXPECT_NE(text.find("VertScrollBar.VisibleMode = sbAlwaysShowEx"), String::npos) << text;
  EXPECT_NE(text.find("HorzScrollBar.Visible = False"), String::npos) << text;
  EXPECT_EQ(text.find("VertScrollBar.Visible ="), String::npos) << text;

  TDBGridEx copy(nullptr);
  CopyByStream(&grid, &copy);
  EXPECT_EQ(copy.VertScrollBar()->VisibleMode(), sbAlwaysShowEx);
  EXPECT_EQ(copy.HorzScrollBar()->VisibleMode(), sbNeverShowEx);

  grid.VertScrollBar()->SetVisibleMode(sbNeverShowEx);
  TDBGridEx hidden(nullptr);
  CopyByStream(&grid, &hidden);
  EXPECT_EQ(hidden.VertScrollBar()->VisibleMode(), sbNeverShowEx);
  EXPECT_FALSE(hidden.VertScrollBar()->Visible());
}

}  // namespace
}  // namespace grid_test
