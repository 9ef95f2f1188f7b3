#include "tests/real_windows/real_grid_form.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/backend/qt_backend.h"
#include "platform/graphics/bitmap.h"
#include "platform/data/field.h"
#include "platform/data/mem_dataset.h"
#include "platform/data/sqlite_access.h"
#include "platform/data/sqlite_dataset.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_tree.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/x_screen.h"

namespace {

Variant NameOf(int id) { return Variant("名字" + std::to_string(id)); }

std::unique_ptr<TDataSet> MemoryRecords(int count) {
  auto data = std::make_unique<TMemDataSet>(nullptr);
  data->FieldDefs()->Add("ID", ftInteger);
  data->FieldDefs()->Add("Name", ftString, 20);
  data->CreateDataSet();
  for (int id = 1; id <= count; ++id) data->AppendRecord({Variant(id), NameOf(id)});
  return data;
}

std::string FreshFile() {
  std::string pattern = (std::filesystem::temp_directory_path() / "real_gridXXXXXX.db").string();
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  const int fd = mkstemps(name.data(), 3);
  if (fd >= 0) close(fd);
  return name.data();
}

std::unique_ptr<TDataSet> SqliteRecords(const std::string& file, int count) {
  {
    TSqliteDatabase db(file, true, 1000);
    db.Execute("CREATE TABLE records (ID INTEGER, Name VARCHAR(20))");
    TSqliteTransaction transaction(db);
    TSqliteStatement insert(db, "INSERT INTO records VALUES (?, ?)");
    for (int id = 1; id <= count; ++id) {
      insert.Bind(1, Variant(id));
      insert.Bind(2, NameOf(id));
      insert.Step();
      insert.Reset();
    }
    transaction.Commit();
  }
  auto data = std::make_unique<TSqliteDataSet>(nullptr);
  data->SetDatabaseName(file);
  data->SetTableName("records");
  return data;
}

}  // namespace

std::string RealStoreName(const testing::TestParamInfo<RealStore>& info) {
  return info.param == RealStore::Memory ? "Memory" : "Sqlite";
}

void RealGridForm::SetUp() {
  if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
  application_ = std::make_unique<TApplicationScope>();
  if (store_ == RealStore::Sqlite) {
    file_ = FreshFile();
    data_ = SqliteRecords(file_, recordCount_);
  } else {
    data_ = MemoryRecords(recordCount_);
  }
  data_->Open();
  data_->First();
  source_ = std::make_unique<TDataSource>(nullptr);
  source_->SetDataSet(data_.get());
  form_ = new TForm(Application);
  form_->SetBounds(100, 100, 420, 300);
  grid_ = new TDBGridEx(form_);
  grid_->SetParent(form_);
  grid_->SetBounds(0, 0, 400, 260);
  grid_->SetDataSource(source_.get());
  form_->Show();
  grid_->SetFocus();
}

void RealGridForm::TearDown() {
  delete form_;
  form_ = nullptr;
  source_.reset();
  data_.reset();
  application_.reset();
  if (file_.empty()) return;
  std::remove(file_.c_str());
  std::remove((file_ + "-journal").c_str());
}

std::vector<uint32_t> RealGridForm::ShownPixels(const TRect& screenArea) {
  return ShownPixelsOf(form_->Handle(), screenArea);
}

std::vector<uint32_t> RealGridForm::ShownPixelsOf(HWND top, const TRect& screenArea) {
  std::vector<uint32_t> shown;
  auto showsSurface = [&] {
    TRect window;
    TBitmap* surface = WindowSurface(top);
    if (!ToolkitWindowExposed(top) || surface == nullptr || !GetWindowRect(top, window)) {
      return false;
    }
    shown = ScreenPixels(screenArea);
    if (shown.empty()) return false;
    for (int y = 0; y < screenArea.Height(); ++y) {
      for (int x = 0; x < screenArea.Width(); ++x) {
        const int sx = screenArea.Left - window.Left + x;
        const int sy = screenArea.Top - window.Top + y;
        if (sx < 0 || sy < 0 || sx >= surface->Width() || sy >= surface->Height()) return false;
        if ((surface->Pixel32(sx, sy) & 0xFFFFFFu) != shown[static_cast<size_t>(y * screenArea.Width() + x)]) return false;
      }
    }
    return true;
  };
  if (!WaitFor(showsSurface)) shown.clear();
  return shown;
}
