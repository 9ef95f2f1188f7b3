// The tool-tip window for cut cell texts measures them in the cell's own font.
#include <gtest/gtest.h>

#include "gridlib/grid/tool_tips_window.h"
#include "platform/controls/application.h"
#include "platform/graphics/graphics_objects.h"

namespace {

TEST(ToolTipsWindow, MeasuresTheHintInTheCellFontInWindowTextColour) {
  TApplicationScope app;
  auto* tips = new TToolTipsWindow(Application);
  TFont small;
  small.SetHeight(-10);
  small.SetColor(clRed);
  TFont large;
  large.SetHeight(-24);
  const TRect forSmall = tips->CalcHintRect(400, "联系人姓名", &small);
  EXPECT_EQ(tips->Font()->Color(), clWindowText);
  EXPECT_EQ(tips->Font()->Height(), -10);
  const TRect forLarge = tips->CalcHintRect(400, "联系人姓名", &large);
  EXPECT_GT(forLarge.Width(), forSmall.Width());
  EXPECT_GT(forLarge.Height(), forSmall.Height());
  EXPECT_EQ(tips->CalcHintRect(400, "联系人姓名", nullptr), forLarge) << "no font given: the last one stays";
  delete tips;
}

}  // namespace
