#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "examples/showcase/showcase_data_file.h"
#include "tests/showcase/file_contents.h"

class TForm;
class TShowcasePanel;

namespace showcase_test {

// The first column of the first row `sql` answers from the database file, read-only.
int64_t Count(const String& file, const String& sql);
// The same, as text.
String Text(const String& file, const String& sql);

// A new shown form holding one page that fills it, as the main window's page area holds one.
TShowcasePanel* PageOnNewForm(TForm*& form);

// A data file made by a first run serves every test; each test that changes it works on a copy.
class ShowcaseDataFile : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  // Whether the first run made the shared file; when the machine refused it (a full disk),
  // the failure says why, rather than each test failing later on a file that is not there.
  static ::testing::AssertionResult MadeFileUsable();
  // An empty folder `name` under the test data home (the global test environment's).
  static std::filesystem::path Folder(const std::string& name);
  // A folder holding a copy of the file the first run made, named for the running test.
  std::filesystem::path CopyOfMadeFile();

  static std::filesystem::path* madeFolder_;
  static TShowcaseDataFile* made_;
};

}  // namespace showcase_test
