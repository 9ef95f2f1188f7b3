#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/graphics/colors.h"

TEST(Colors, SystemColoursComeFromTheFixedClassicTable) {
  struct Row {
    TColor Color;
    COLORREF Expected;
  };
  const Row rows[] = {
      {clBtnFace, RGB(192, 192, 192)},  {clBtnShadow, RGB(128, 128, 128)}, {clBtnHighlight, RGB(255, 255, 255)},
      {cl3DDkShadow, RGB(0, 0, 0)},      {cl3DLight, RGB(223, 223, 223)},   {clHighlight, RGB(0, 0, 128)},
      {clHighlightText, RGB(255, 255, 255)}, {clWindow, RGB(255, 255, 255)}, {clWindowText, RGB(0, 0, 0)},
      {clInfoBk, RGB(255, 255, 225)},    {clGrayText, RGB(128, 128, 128)},  {clActiveCaption, RGB(0, 0, 128)},
      {clInactiveCaption, RGB(128, 128, 128)},
  };
  for (const Row& r : rows) EXPECT_EQ(static_cast<COLORREF>(ColorToRGB(r.Color)), r.Expected) << ColorToString(r.Color);
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(SystemColorCount), 0u);
}

TEST(Colors, PlainColoursPassThroughAndNearestDropsMarkers) {
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FF);
  EXPECT_EQ(ColorToRGB(0x123456), 0x123456);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
  EXPECT_EQ(GetNearestColor(nullptr, static_cast<COLORREF>(clBtnShadow)), RGB(128, 128, 128));
  EXPECT_EQ(GetNearestColor(nullptr, 0x7F112233), 0x112233u);
}

TEST(Colors, NamesRoundTripForStreaming) {
  EXPECT_EQ(ColorToString(clWindow), "clWindow");
  EXPECT_EQ(ColorToString(clRed), "clRed");
  EXPECT_EQ(ColorToString(0x00123456), "$00123456");
  EXPECT_EQ(StringToColor("clBtnFace"), clBtnFace);
  EXPECT_EQ(StringToColor("CLBTNFACE"), clBtnFace);
  EXPECT_EQ(StringToColor("$00FF0000"), clBlue);
  EXPECT_EQ(StringToColor("255"), clRed);
  int32_t c = 0;
  EXPECT_TRUE(IdentToColor("clInfoBk", c));
  EXPECT_EQ(c, clInfoBk);
  EXPECT_FALSE(IdentToColor("clNoSuchColour", c));
  EXPECT_THROW(StringToColor("clNoSuchColour"), EConvertError);
  EXPECT_THROW(StringToColor("$GG"), EConvertError);
  EXPECT_THROW(StringToColor(""), EConvertError);
}
