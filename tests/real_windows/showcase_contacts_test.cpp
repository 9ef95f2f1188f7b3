// The showcase's contacts in a real window, typed into and sized with the real keyboard and
// pointer, with no window manager and with one: what the user typed in a name is stored when
// the window was sized meanwhile.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_data_file.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/inplace_edit.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/data/sqlite_access.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/window_tree.h"
#include "tests/real_windows/real_display.h"

namespace {

constexpr int kNameColumn = 1;

// The name of contact `id` as the data file holds it.
String StoredName(int64_t id) {
  TSqliteDatabase db(ShowcaseDataFolder() + "/" + showcase_data::kFileName, TSqliteOpenMode::ReadOnly, 1000);
  TSqliteStatement select(db, "SELECT Name FROM ContactInfo WHERE ID = ?");
  select.Bind(1, Variant(id));
  return select.Step() ? select.ColumnValue(0).AsString() : String();
}

// The showcase's main window, shown, with its data and settings in a folder of the test's own.
class RealShowcaseContacts : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    home_ = FreshFolder("real_showcase");
    ASSERT_FALSE(home_.empty());
    Point("XDG_DATA_HOME", home_);
    Point("XDG_CONFIG_HOME", home_ + "/config");
    application_ = std::make_unique<TApplicationScope>();
    Application->CreateForm(form_);
    // Narrower than the screen, so that its right edge has room to go.
    form_->SetBounds(0, 0, 800, 600);
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  void TearDown() override {
    application_.reset();
    for (const auto& [variable, value] : saved_) {
      if (value) setenv(variable, value->c_str(), 1);
      else unsetenv(variable);
    }
    if (home_.empty()) return;
    std::error_code ignored;  // a folder left behind only costs space in the temporary folder
    std::filesystem::remove_all(home_, ignored);
  }
  TRect Placed() const { return WindowBounds(form_->Handle()); }
  // Points environment variable `variable` at `folder` until the test ends.
  void Point(const char* variable, const std::string& folder) {
    const char* old = std::getenv(variable);
    saved_.emplace_back(variable, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    setenv(variable, folder.c_str(), 1);
  }

  GridLibraryScope library_;
  std::unique_ptr<TApplicationScope> application_;
  TShowcaseMainForm* form_ = nullptr;
  std::string home_;
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

// F2 on a name, "Zed" typed, the window's right edge dragged 120 pixels, Down: the name ends
// in "Zed" in the data file.
TEST_F(RealShowcaseContacts, ANameTypedBeforeTheWindowIsSizedIsStored) {
  form_->ExecuteCommand(TShowcaseMainForm::kContactsCommand);
  auto* grid = dynamic_cast<TDBGridEx*>(form_->Page(TShowcaseMainForm::kContactsCommand)->FindComponent("ContactsGrid"));
  ASSERT_NE(grid, nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  const TRect cell = grid->CellRect(grid->IndicatorOffset() + kNameColumn, grid->TitleOffset() + 1);
  ASSERT_TRUE(ClickAt(grid->ClientToScreen(TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(WaitFor([&] { return grid->Focused() && grid->SelectedIndex() == kNameColumn && grid->Row() == grid->TitleOffset() + 1; }))
      << "the click went on the second contact's name";
  const int64_t id = contacts->FieldByName("ID")->AsInteger();
  const String before = contacts->FieldByName("Name")->AsString();
  ASSERT_TRUE(Xdo("key F2"));
  ASSERT_TRUE(WaitFor([&] { return grid->InplaceEditorShowing(); }));
  ASSERT_TRUE(Xdo("type Zed"));
  ASSERT_TRUE(WaitFor([&] { return grid->InplaceEditor()->Text() == before + "Zed"; }));

  const TRect placed = Placed();
  const TPoint grip{placed.Right - 2, placed.Top + placed.Height() / 2};
  // Wider by most of the way is sized: where the edge stops exactly is the skin's business.
  const auto sized = [&] { return Placed().Width() > placed.Width() + 100; };
  Drag(grip, {grip.x + 120, grip.y}, sized);
  ASSERT_TRUE(WaitFor([&] { return !MoveSizeTracking(); }));
  ASSERT_TRUE(WaitFor(sized)) << "the window was sized";
  EXPECT_EQ(grid->InplaceEditor()->Text(), before + "Zed") << "the editor keeps what was typed";

  ASSERT_TRUE(Xdo("key Down"));
  ASSERT_TRUE(WaitFor([&] { return contacts->State() == dsBrowse && contacts->FieldByName("ID")->AsInteger() != id; }))
      << "Down went to the next contact";
  EXPECT_EQ(StoredName(id), before + "Zed");
}

}  // namespace
