// The showcase speaks Chinese throughout: once its window is made, every text of every
// library's table (messages, list commands, box titles and buttons) is a Chinese one.
#include <gtest/gtest.h>

#include <set>

#include "examples/showcase/main_form.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/core/resource_strings.h"

namespace {

// Whether `text` holds a character of the CJK blocks (three UTF-8 bytes from E4 to E9).
bool HasChinese(const String& text) {
  for (unsigned char c : text)
    if (c >= 0xE4 && c <= 0xE9) return true;
  return false;
}

}  // namespace

TEST(ShowcaseTexts, EveryTableOfTheLibrariesSpeaksChinese) {
  TApplicationScope application;
  GridLibraryScope gridLibrary;
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  std::set<String> tables;
  for (const TResourceTable* table : ResourceTables()) {
    tables.insert(table->Name());
    for (const TResourceString* text : table->Strings()) {
      SCOPED_TRACE(String(table->Name()) + " " + text->Name());
      EXPECT_NE(text->Text(), text->English());
      EXPECT_TRUE(HasChinese(text->Text())) << text->Text();
      // The values a message names go where the English text has them.
      for (const char* slot : {"%s", "%d"}) {
        size_t inEnglish = 0, inChinese = 0;
        for (size_t at = 0; (at = String(text->English()).find(slot, at)) != String::npos; ++at) ++inEnglish;
        for (size_t at = 0; (at = text->Text().find(slot, at)) != String::npos; ++at) ++inChinese;
        EXPECT_EQ(inChinese, inEnglish) << slot;
      }
    }
  }
  EXPECT_EQ(tables, (std::set<String>{"platform", "grid", "sidebar", "skin"}));
}
