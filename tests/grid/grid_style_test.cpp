#include <gtest/gtest.h>

#include "gridlib/grid/grid_style.h"
#include "tests/grid/grid_test_support.h"

using namespace grid_test;

TEST(GridStyle, BlendsHalfWayThenLightens) {
  EXPECT_EQ(TDBGridExStyle::BlendColors(RGB(255, 0, 200), RGB(0, 0, 100), false),
            static_cast<TColor>(RGB(186, 135, 195)));
  EXPECT_EQ(TDBGridExStyle::BlendColors(RGB(255, 0, 200), RGB(0, 0, 100), true),
            static_cast<TColor>(RGB(202, 138, 213)));
  const TColor fromSystem = TDBGridExStyle::BlendColors(clWindow, clHighlight, false);
  EXPECT_EQ(fromSystem,
            TDBGridExStyle::BlendColors(ColorToRGB(clWindow), ColorToRGB(clHighlight), false))
      << "system colours are turned into RGB first";
}

TEST(GridStyle, GridsRegisterWithTheLibrarysStyleWhileItRuns) {
  EXPECT_EQ(DefaultDBGridExStyle(), nullptr);
  GridLibraryScope library;
  TDBGridExStyle* style = DefaultDBGridExStyle();
  ASSERT_NE(style, nullptr);
  EXPECT_TRUE(style->Luminate());
  EXPECT_TRUE(style->FocusFrame());
  EXPECT_EQ(style->FilterApplyFlags(), 0);
  {
    GridLibraryScope nested;
    TTestGrid a(nullptr);
    TTestGrid b(nullptr);
    EXPECT_EQ(style->GridCount(), 2);
    EXPECT_EQ(a.Style(), style);
    a.SetStyle(nullptr);
    EXPECT_FALSE(style->IsRegistered(&a));
    EXPECT_TRUE(style->IsRegistered(&b));
  }
  EXPECT_EQ(DefaultDBGridExStyle(), style) << "the outer scope keeps the library running";
  EXPECT_EQ(style->GridCount(), 0) << "destroyed grids unregister";
}

TEST(GridStyle, DestroyingAStyleDetachesItsGrids) {
  TTestGrid grid(nullptr);
  {
    TDBGridExStyle own;
    grid.SetStyle(&own);
    own.RegisterGrid(&grid);
    EXPECT_EQ(own.GridCount(), 1);
  }
  EXPECT_EQ(grid.Style(), nullptr);
}
