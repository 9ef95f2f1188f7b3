#include <gtest/gtest.h>

#include "platform/backend/toolkit_drag.h"

namespace {

TEST(ToolkitMime, DragDataTravelsAsTextAndNamedFormatsAndComesBack) {
  TClipboardFormat reference = RegisterClipboardFormat("nbSideBar Reference");
  TDataObject data;
  data.SetData(CF_UNICODETEXT, UnicodeTextBytes("通讯录 contacts"));
  data.SetData(reference, {1, 2, 3, 0, 4});
  TMimeItems items = MimeItemsOf(data);
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].first, "text/plain");
  EXPECT_EQ(String(items[0].second.begin(), items[0].second.end()), "通讯录 contacts");
  EXPECT_EQ(items[1].first, "application/x-clipboard-nbsidebar reference");
  std::unique_ptr<TDataObject> back = DataObjectOf(items);
  TClipboardData bytes;
  ASSERT_TRUE(DataObjectBytes(*back, reference, bytes));
  EXPECT_EQ(bytes, (TClipboardData{1, 2, 3, 0, 4})) << "binary data keeps its zero bytes";
  ASSERT_TRUE(DataObjectBytes(*back, CF_UNICODETEXT, bytes));
  EXPECT_EQ(bytes, UnicodeTextBytes("通讯录 contacts"));
  ASSERT_TRUE(DataObjectBytes(*back, CF_TEXT, bytes));
  EXPECT_EQ(String(bytes.begin(), bytes.end() - 1), Utf8ToGbk("通讯录 contacts")) << "and the code-page text is offered too";
}

TEST(ToolkitMime, AnsiOnlyTextAndUnknownTypes) {
  TDataObject data;
  String gbk = Utf8ToGbk("短信");
  TClipboardData ansi(gbk.begin(), gbk.end());
  ansi.push_back(0);
  data.SetData(CF_TEXT, ansi);
  TMimeItems items = MimeItemsOf(data);
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(String(items[0].second.begin(), items[0].second.end()), "短信");
  std::unique_ptr<TDataObject> back = DataObjectOf({{"image/png", {1, 2}}});
  EXPECT_TRUE(DataObjectFormats(*back).empty()) << "types of other programs that we do not know are left out";
}

}  // namespace
