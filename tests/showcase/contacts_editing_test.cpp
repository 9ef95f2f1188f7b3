// What the user types or chooses in the contact grid is in the data file when the showcase
// starts again.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "examples/showcase/contacts_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_widgets.h"
#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/controls/popup_list.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/db_grid_inplace_edit.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/list_box.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/showcase/data_file_support.h"
#include "tests/support/key_input.h"

using namespace showcase_data;
using namespace showcase_test;

namespace {

constexpr int kNameColumn = 1;
constexpr int kGroupColumn = 3;

// The contacts page as one run of the showcase shows it: the data file found in a folder, the
// page built over it on a form of its own.
class ShowcaseRun {
 public:
  explicit ShowcaseRun(const std::filesystem::path& folder) : file_(OpenShowcaseDataFile(folder.string())) {
    TShowcasePanel* page = PageOnNewForm(form_);
    BuildContactsPage(page, file_);
    grid_ = dynamic_cast<TDBGridEx*>(page->FindComponent("ContactsGrid"));
  }
  ~ShowcaseRun() { delete form_; }
  ShowcaseRun(const ShowcaseRun&) = delete;
  ShowcaseRun& operator=(const ShowcaseRun&) = delete;

  TDBGridEx* Grid() const { return grid_; }
  TDataSet* Contacts() const { return grid_->DataSource()->DataSet(); }
  // Opens the editor on the current cell and replaces its text.
  void Retype(std::string_view text) {
    test_input::Key(grid_, VK_F2);
    ASSERT_TRUE(grid_->InplaceEditorShowing());
    grid_->InplaceEditor()->SelectAll();
    test_input::Type(grid_->InplaceEditor(), text);
  }
  // Drops the group cell's list and chooses a group the contact is not in; its name.
  String ChooseOtherGroup() {
    test_input::Key(grid_, VK_F2);
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(grid_->InplaceEditor());
    if (editor == nullptr) return {};
    editor->Perform(WM_SYSKEYDOWN, VK_DOWN, 1 | AltMask);
    TPopupListEx* list = editor->DroppedList();
    if (list == nullptr || list->Count() < 2) return {};
    const bool inLast = list->ItemIndex() == list->Count() - 1;
    test_input::Key(editor, inLast ? VK_HOME : VK_END);
    const String chosen = list->ItemText(list->ItemIndex());
    test_input::Key(editor, VK_RETURN);
    return editor->Text() == chosen ? chosen : String();
  }

 private:
  TShowcaseDataFile file_;
  TForm* form_ = nullptr;
  TDBGridEx* grid_ = nullptr;
};

// The first and last pixel rows of `r` in `picture` that hold anything but `blank`.
struct TInk {
  int first = -1;
  int last = -1;
};
TInk InkRows(TBitmap& picture, const TRect& r, TColor blank) {
  TInk ink;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (picture.Canvas()->Pixels(x, y) != ColorToRGB(blank)) {
        if (ink.first < 0) ink.first = y;
        ink.last = y;
        break;
      }
  return ink;
}

class ContactsEditing : public ShowcaseDataFile {
 protected:
  TApplicationScope application_;
  GridLibraryScope gridLibrary_;
};

}  // namespace

TEST_F(ContactsEditing, EditedCellsAreInTheFileWhenTheShowcaseStartsAgain) {
  ASSERT_TRUE(MadeFileUsable());
  const std::filesystem::path folder = CopyOfMadeFile();
  int64_t id = 0;
  String group;
  {
    ShowcaseRun first(folder);
    ASSERT_NE(first.Grid(), nullptr);
    first.Grid()->SetFocus();
    id = first.Contacts()->FieldByName("ID")->AsInteger();
    first.Grid()->SetSelectedIndex(kNameColumn);
    first.Retype("测试联系人");
    // Tab goes on to the mobile number; moving on to the next contact posts the record.
    test_input::Key(first.Grid()->InplaceEditor(), VK_TAB);
    first.Retype("13900000001");
    test_input::Key(first.Grid()->InplaceEditor(), VK_TAB);
    group = first.ChooseOtherGroup();
    ASSERT_FALSE(group.empty());
    test_input::Key(first.Grid()->InplaceEditor(), VK_DOWN);
    EXPECT_EQ(first.Contacts()->State(), dsBrowse);
  }
  const String file = (folder / kFileName).string();
  EXPECT_EQ(Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE ID = " + std::to_string(id) +
                            " AND Name = '测试联系人' AND Mobile = '13900000001' AND GroupName = '" + group + "'"),
            1);
  ShowcaseRun again(folder);
  ASSERT_TRUE(again.Contacts()->Locate("ID", Variant(id), {}));
  EXPECT_EQ(again.Contacts()->FieldByName("Name")->AsString(), "测试联系人");
  EXPECT_EQ(again.Contacts()->FieldByName("Mobile")->AsString(), "13900000001");
  EXPECT_EQ(again.Contacts()->FieldByName("GroupName")->AsString(), group);
  EXPECT_EQ(again.Contacts()->RecordCount(), kContactCount);
}

// The group cell drops its list on the keys that drop lists, without F2 first, and the
// record stays where it is.
TEST_F(ContactsEditing, DropDownKeysOnTheGroupCellDropItsList) {
  ASSERT_TRUE(MadeFileUsable());
  const std::filesystem::path folder = CopyOfMadeFile();
  const struct {
    const char* name;
    UINT message;
    uint16_t key;
    LPARAM data;
  } keys[] = {{"F4", WM_KEYDOWN, VK_F4, 1}, {"Alt+Down", WM_SYSKEYDOWN, VK_DOWN, 1 | AltMask}};
  for (const auto& k : keys) {
    SCOPED_TRACE(k.name);
    ShowcaseRun run(folder);
    ASSERT_NE(run.Grid(), nullptr);
    run.Grid()->SetFocus();
    run.Grid()->SetSelectedIndex(kGroupColumn);
    const int64_t id = run.Contacts()->FieldByName("ID")->AsInteger();
    run.Grid()->Perform(k.message, k.key, k.data);
    auto* editor = dynamic_cast<TDBGridInplaceEdit*>(run.Grid()->InplaceEditor());
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(run.Grid()->InplaceEditorShowing());
    EXPECT_NE(editor->DroppedList(), nullptr);
    EXPECT_EQ(run.Contacts()->FieldByName("ID")->AsInteger(), id);
    test_input::Key(editor, VK_ESCAPE);
  }
}

// F4 on a group cell lists the groups in the order the contacts sorted by group show them.
TEST_F(ContactsEditing, TheGroupListHasTheOrderOfTheGroupSort) {
  ASSERT_TRUE(MadeFileUsable());
  ShowcaseRun run(CopyOfMadeFile());
  ASSERT_NE(run.Grid(), nullptr);
  std::vector<String> sorted;
  TDataSet* contacts = run.Contacts();
  for (contacts->First(); !contacts->Eof(); contacts->Next()) {
    const String group = contacts->FieldByName("GroupName")->AsString();
    if (sorted.empty() || sorted.back() != group) sorted.push_back(group);
  }
  contacts->First();
  run.Grid()->SetFocus();
  run.Grid()->SetSelectedIndex(kGroupColumn);
  test_input::Key(run.Grid(), VK_F4);
  auto* editor = dynamic_cast<TDBGridInplaceEdit*>(run.Grid()->InplaceEditor());
  ASSERT_NE(editor, nullptr);
  TPopupListEx* list = editor->DroppedList();
  ASSERT_NE(list, nullptr);
  std::vector<String> listed;
  for (int i = 0; i < list->Count(); ++i) listed.push_back(list->ItemText(i));
  EXPECT_EQ(listed, sorted);
  test_input::Key(editor, VK_ESCAPE);
}

// The filter cell's list shows its lines in the grid's Chinese font, each line with a blank
// pixel row above and below its characters, so that lines never touch.
TEST_F(ContactsEditing, TheFilterListLinesAreAsHighAsTheGridFontNeeds) {
  ASSERT_TRUE(MadeFileUsable());
  ShowcaseRun run(CopyOfMadeFile());
  ASSERT_NE(run.Grid(), nullptr);
  GetParentForm(run.Grid())->Font()->SetName("宋体");  // the showcase window's font
  GetParentForm(run.Grid())->Font()->SetHeight(-12);
  run.Grid()->SetFocus();
  run.Grid()->SetSelectedIndex(kGroupColumn);
  test_input::Key(run.Grid(), VK_UP, {ssCtrl});
  ASSERT_TRUE(run.Grid()->FilterEditorShown());
  TInplaceFilterEditEx* editor = run.Grid()->FilterEditor();
  editor->Perform(WM_SYSKEYDOWN, VK_DOWN, 1 | AltMask);
  ASSERT_TRUE(editor->DroppedDown());
  TCustomListBox* list = editor->ListBox();
  TBitmap shown(list->Width(), list->Height());
  list->PaintTo(shown.Canvas()->Handle(), 0, 0);
  // The picture holds the list's border; its lines are read inside it.
  const int border = (list->Width() - list->ClientWidth()) / 2;
  const TRect value = list->ItemRect(1);  // the first line is the one marked
  const String text = list->Items()->Strings(1);
  const TInk inList = InkRows(shown, Bounds(border, border + value.Top, list->ClientWidth(), value.Height()), list->Color());
  TBitmap alone(200, 60);
  alone.Canvas()->Brush()->SetColor(clWindow);
  alone.Canvas()->FillRect(Rect(0, 0, 200, 60));
  alone.Canvas()->SetFont(run.Grid()->Font());
  alone.Canvas()->TextOut(10, 10, text);
  const TInk inGridFont = InkRows(alone, Rect(0, 0, 200, 60), clWindow);
  ASSERT_GE(inList.first, 0) << text;
  EXPECT_EQ(inList.last - inList.first, inGridFont.last - inGridFont.first) << "the characters of the grid's font";
  EXPECT_GT(inList.first, border + value.Top) << "a blank row above the characters";
  EXPECT_LT(inList.last, border + value.Bottom - 1) << "a blank row below them";
  test_input::Key(editor, VK_ESCAPE);
}
