#include "tests/showcase/data_file_support.h"

#include <cstdlib>

#include "examples/showcase/showcase_widgets.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/data/sqlite_access.h"

namespace fs = std::filesystem;

namespace showcase_test {

int64_t Count(const String& file, const String& sql) {
  TSqliteDatabase db(file, TSqliteOpenMode::ReadOnly, 100);
  TSqliteStatement query(db, sql);
  return query.Step() ? query.ColumnInt64(0) : -1;
}

String Text(const String& file, const String& sql) {
  TSqliteDatabase db(file, TSqliteOpenMode::ReadOnly, 100);
  TSqliteStatement query(db, sql);
  return query.Step() ? query.ColumnValue(0).AsString() : String();
}

TShowcasePanel* PageOnNewForm(TForm*& form) {
  form = new TForm(Application);
  form->SetBounds(0, 0, 900, 600);
  auto* page = new TShowcasePanel(form);
  page->SetParent(form);
  page->SetAlign(alClient);
  form->Show();
  return page;
}

fs::path* ShowcaseDataFile::madeFolder_ = nullptr;
TShowcaseDataFile* ShowcaseDataFile::made_ = nullptr;

void ShowcaseDataFile::SetUpTestSuite() {
  madeFolder_ = new fs::path(Folder("made"));
  made_ = new TShowcaseDataFile(OpenShowcaseDataFile(madeFolder_->string()));
}

void ShowcaseDataFile::TearDownTestSuite() {
  delete made_;
  delete madeFolder_;
}

::testing::AssertionResult ShowcaseDataFile::MadeFileUsable() {
  if (made_->Usable()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the first run could not make the file the tests share: " << made_->problem;
}

fs::path ShowcaseDataFile::Folder(const std::string& name) {
  const fs::path folder = fs::path(std::getenv("XDG_DATA_HOME")) / ("data-file-test-" + name);
  fs::remove_all(folder);
  return folder;
}

fs::path ShowcaseDataFile::CopyOfMadeFile() {
  const fs::path folder = Folder(::testing::UnitTest::GetInstance()->current_test_info()->name());
  fs::create_directories(folder);
  fs::copy_file(made_->path, folder / showcase_data::kFileName);
  return folder;
}

}  // namespace showcase_test
