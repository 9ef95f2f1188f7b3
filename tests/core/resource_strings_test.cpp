// The platform's texts as an application in another language gives them: a replaced text is
// what the user is told from then on, with the value put in its place; the English one comes
// back when the application restores the table.
#include <gtest/gtest.h>

#include "platform/core/datetime.h"
#include "platform/core/exceptions.h"
#include "platform/core/format.h"
#include "platform/core/resource_strings.h"
#include "tests/core/expect_message.h"

TEST(ResourceStrings, AReplacedTextIsWhatAConversionErrorSays) {
  TResourceTable& platform = PlatformTexts();
  ASSERT_TRUE(platform.Replace("SInvalidInteger", "« %s » n'est pas un nombre entier"));
  ASSERT_TRUE(platform.Replace("SInvalidDate", "“%s”不是有效的日期"));
  EXPECT_FALSE(platform.Replace("SNoSuchText", "x"));
  ExpectRaises<EConvertError>([] { StrToInt("abc"); }, "« abc » n'est pas un nombre entier");
  ExpectRaises<EConvertError>([] { StrToDate("32.13.2024"); }, "“32.13.2024”不是有效的日期");
  platform.RestoreAll();
  ExpectRaises<EConvertError>([] { StrToInt("abc"); }, "'abc' is not a valid integer value");
  TResourceString* text = platform.Find("SInvalidInteger");
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Text(), text->English());
}
