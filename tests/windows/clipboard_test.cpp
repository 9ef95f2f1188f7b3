#include <gtest/gtest.h>

#include "platform/core/exceptions.h"
#include "platform/windows/clipboard.h"

namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  void SetUp() override { SetClipboardService(nullptr); }
  void TearDown() override { SetClipboardService(nullptr); }
};

TEST_F(ClipboardTest, TextIsOfferedAsAnsiAndUnicode) {
  Clipboard()->SetAsText("短信 SMS");
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard()->AsText(), "短信 SMS");
  TClipboardData ansi = Clipboard()->GetBuffer(CF_TEXT);
  EXPECT_EQ(String(ansi.begin(), ansi.end()), Utf8ToGbk("短信 SMS") + String(1, '\0'));
  TClipboardData wide = Clipboard()->GetBuffer(CF_UNICODETEXT);
  ASSERT_GE(wide.size(), 4u);
  EXPECT_EQ(wide[0] | (wide[1] << 8), 0x77ED);  // 短
}

TEST_F(ClipboardTest, AnsiOnlyTextIsReadThroughTheCodePage) {
  String gbk = Utf8ToGbk("联系人");
  Clipboard()->SetBuffer(CF_TEXT, gbk.c_str(), gbk.size() + 1);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(Clipboard()->AsText(), "联系人");
}

TEST_F(ClipboardTest, NamedFormatsAreNumberedOncePerName) {
  TClipboardFormat a = RegisterClipboardFormat("Side Bar Item");
  TClipboardFormat b = RegisterClipboardFormat("side bar item");
  TClipboardFormat c = RegisterClipboardFormat("Grid Rows");
  EXPECT_EQ(a, b);
  EXPECT_NE(a, c);
  EXPECT_GE(a, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat(""), 0u);
  EXPECT_EQ(GetClipboardFormatName(c), "Grid Rows");
  EXPECT_EQ(GetClipboardFormatName(b), "Side Bar Item") << "the name as first registered";
}

TEST_F(ClipboardTest, SettingOutsideOpenReplacesInsideOpenAdds) {
  TClipboardFormat rows = RegisterClipboardFormat("Grid Rows");
  const char bytes[] = {1, 2, 3};
  Clipboard()->SetBuffer(rows, bytes, sizeof bytes);
  Clipboard()->SetAsText("x");
  EXPECT_FALSE(Clipboard()->HasFormat(rows)) << "a new setting replaces the old contents";
  Clipboard()->Open();
  Clipboard()->SetAsText("y");
  Clipboard()->SetBuffer(rows, bytes, sizeof bytes);
  Clipboard()->Close();
  EXPECT_TRUE(Clipboard()->HasFormat(rows));
  EXPECT_EQ(Clipboard()->AsText(), "y");
  EXPECT_EQ(Clipboard()->GetBuffer(rows), (TClipboardData{1, 2, 3}));
  Clipboard()->Clear();
  EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
  EXPECT_EQ(Clipboard()->AsText(), "");
}

// A system clipboard that refuses one write, as a real one may when it is busy.
class RefusingClipboard : public TMemoryClipboard {
 public:
  void SetData(TClipboardFormat format, const TClipboardData& data) override {
    if (refuse) {
      refuse = false;
      throw EOutOfResources("The clipboard is busy");
    }
    TMemoryClipboard::SetData(format, data);
  }
  bool refuse = true;
};

TEST_F(ClipboardTest, AFailedWriteLeavesTheClipboardClosed) {
  SetClipboardService(std::make_unique<RefusingClipboard>());
  EXPECT_THROW(Clipboard()->SetAsText("lost"), EOutOfResources);
  TClipboardFormat rows = RegisterClipboardFormat("Grid Rows");
  const char bytes[] = {1, 2, 3};
  Clipboard()->SetBuffer(rows, bytes, sizeof bytes);
  Clipboard()->SetAsText("x");
  EXPECT_FALSE(Clipboard()->HasFormat(rows)) << "outside Open a new setting still replaces the old contents";
  EXPECT_EQ(Clipboard()->AsText(), "x");
}

}  // namespace
