// The showcase's contact and sent-message pages over its data file: the grids and what they
// show, and the message that takes their place when the file cannot be used.
#include <gtest/gtest.h>

#include <tuple>

#include "examples/showcase/contacts_page.h"
#include "examples/showcase/main_form.h"
#include "examples/showcase/sent_messages_page.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_widgets.h"
#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/label.h"
#include "platform/controls/memo.h"
#include "platform/graphics/canvas.h"
#include "platform/data/data_source.h"
#include "platform/windows/clock.h"
#include "platform/windows/input.h"
#include "platform/windows/messages.h"
#include "tests/showcase/data_file_support.h"

using namespace showcase_data;
using namespace showcase_test;

namespace {

// A clock the test moves on by hand, for the life of the object.
struct TTestClockScope {
  TTestClockScope() {
    auto clock = std::make_unique<TTestClock>();
    time = clock.get();
    SetClock(std::move(clock));
  }
  ~TTestClockScope() { SetClock(nullptr); }
  TTestClock* time = nullptr;
};

// The showcase's pages on a form of their own.
class ShowcaseDataPages : public ShowcaseDataFile {
 protected:
  TShowcasePanel* NewPage() { return PageOnNewForm(form_); }
  template <typename T>
  static T* Child(TWinControl* page, const String& name) {
    return dynamic_cast<T*>(page->FindComponent(name));
  }
  void TearDown() override { delete form_; }

  TApplicationScope application_;
  GridLibraryScope gridLibrary_;
  TForm* form_ = nullptr;
};

}  // namespace

TEST_F(ShowcaseDataPages, ContactsPageShowsTheContactsInGroupAndNameOrder) {
  ASSERT_TRUE(MadeFileUsable());
  TShowcasePanel* page = NewPage();
  BuildContactsPage(page, *made_);
  auto* grid = Child<TDBGridEx>(page, "ContactsGrid");
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(Child<TLabel>(page, "DataProblem"), nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  ASSERT_TRUE(contacts->Active());
  EXPECT_EQ(contacts->RecordCount(), kContactCount);
  const String firstGroup = contacts->FieldByName("GroupName")->AsString();
  contacts->Last();
  EXPECT_LT(AnsiCompareText(firstGroup, contacts->FieldByName("GroupName")->AsString()), 0);
  EXPECT_EQ(grid->SortMarkedColumns().size(), 2u);
  EXPECT_EQ(grid->SortMarkedColumns().front()->FieldName(), "GroupName");
}

TEST_F(ShowcaseDataPages, SentPageShowsEveryMessageNewestFirstAndReadOnly) {
  ASSERT_TRUE(MadeFileUsable());
  TShowcasePanel* page = NewPage();
  BuildSentMessagesPage(page, *made_);
  auto* grid = Child<TDBGridEx>(page, "SentGrid");
  ASSERT_NE(grid, nullptr);
  TDataSet* sent = grid->DataSource()->DataSet();
  ASSERT_TRUE(sent->Active());
  EXPECT_EQ(sent->RecordCount(), kSentCount);
  EXPECT_EQ(sent->FieldByName("ID")->AsInteger(), kSentCount);
  EXPECT_FALSE(sent->CanModify());
}

TEST_F(ShowcaseDataPages, WithoutAUsableFileBothPagesSayWhyInsteadOfAGrid) {
  const TShowcaseDataFile damaged{"/nowhere/showcase.db", "数据文件已损坏或无法读取：file is not a database。", false, ""};
  for (auto build : {&BuildContactsPage, &BuildSentMessagesPage}) {
    TShowcasePanel* page = NewPage();
    build(page, damaged);
    auto* message = Child<TLabel>(page, "DataProblem");
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->Caption(), damaged.problem);
    EXPECT_TRUE(message->Visible());
    EXPECT_EQ(Child<TDBGridEx>(page, "ContactsGrid"), nullptr);
    EXPECT_EQ(Child<TDBGridEx>(page, "SentGrid"), nullptr);
    delete form_;
    form_ = nullptr;
  }
}

// A damaged file is explained in a few words above the grid's place; SQLite's long report
// stays readable in a box that scrolls.
TEST_F(ShowcaseDataPages, ADamagedFileIsExplainedShortlyWithItsDetailsBelow) {
  ASSERT_TRUE(MadeFileUsable());
  const std::filesystem::path folder = CopyOfMadeFile();
  std::string scribbled = Bytes(folder / kFileName);
  for (size_t i = 8192; i < scribbled.size(); i += 5) scribbled[i] = '\x33';
  ASSERT_TRUE(WroteBytes(folder / kFileName, scribbled));
  const TShowcaseDataFile damaged = OpenShowcaseDataFile(folder.string());
  TShowcasePanel* page = NewPage();
  BuildContactsPage(page, damaged);
  auto* message = Child<TLabel>(page, "DataProblem");
  auto* details = Child<TMemo>(page, "DataProblemDetails");
  ASSERT_NE(message, nullptr);
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(message->Caption(), damaged.problem);
  EXPECT_LT(message->Height(), page->ClientHeight() / 2) << "the explanation leaves room for the details";
  EXPECT_GE(message->Top() + message->Height(), 0);
  EXPECT_FALSE(damaged.details.empty());
  EXPECT_NE(details->Text().find(damaged.details.substr(0, damaged.details.find('\n'))), String::npos) << details->Text();
  EXPECT_TRUE(details->ReadOnly());
  EXPECT_GE(details->Top(), message->Top() + message->Height()) << "below the explanation";
  EXPECT_NE(details->ScrollBars(), ssNone);
}

// A click on a column's own caption (below the heading it shares) sorts by that column; a
// second click turns the order round. Each page's grid sorts so.
TEST_F(ShowcaseDataPages, ClickingATitleSortsEachPage) {
  ASSERT_TRUE(MadeFileUsable());
  const struct {
    void (*build)(TWinControl*, const TShowcaseDataFile&);
    const char* grid;
    const char* table;
    const char* field;
    int records;
  } pages[] = {
      {&BuildContactsPage, "ContactsGrid", kContactsTable, "SentCount", kContactCount},
      {&BuildSentMessagesPage, "SentGrid", kSentTable, "Mobile", kSentCount},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.grid);
    TShowcasePanel* page = NewPage();
    p.build(page, *made_);
    auto* grid = Child<TDBGridEx>(page, p.grid);
    ASSERT_NE(grid, nullptr);
    int column = -1;
    for (int i = 0; i < grid->Columns()->Count(); ++i) {
      if (grid->Columns()->Items(i)->FieldName() == p.field) column = i;
    }
    ASSERT_GE(column, 0);
    const TRect title = grid->CellRect(column + grid->IndicatorOffset(), 0);
    const LPARAM caption = MakeLParam((title.Left + title.Right) / 2, title.Bottom - title.Height() / 4 - 4);
    const auto click = [&] {
      grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON, caption);
      grid->Perform(WM_LBUTTONUP, 0, caption);
    };
    TDataSet* data = grid->DataSource()->DataSet();
    const auto first = [&](const char* which) {
      return Text(made_->path, String("SELECT ") + which + "(" + p.field + ") FROM " + p.table);
    };
    click();
    data->First();
    EXPECT_EQ(data->FieldByName(p.field)->AsString(), first("MIN"));
    click();
    data->First();
    EXPECT_EQ(data->FieldByName(p.field)->AsString(), first("MAX"));
    EXPECT_EQ(data->RecordCount(), p.records);
    delete form_;
    form_ = nullptr;
  }
}

TEST_F(ShowcaseDataPages, ChangedSortMarkersReorderTheContacts) {
  ASSERT_TRUE(MadeFileUsable());
  TShowcasePanel* page = NewPage();
  BuildContactsPage(page, *made_);
  auto* grid = Child<TDBGridEx>(page, "ContactsGrid");
  ASSERT_NE(grid, nullptr);
  for (int i = 0; i < grid->Columns()->Count(); ++i) {
    TColumnEx* column = grid->Columns()->Items(i);
    column->Title()->SetSortMarker(column->FieldName() == "SentCount" ? smUpEx : smNoneEx);
  }
  grid->OnSortMarkingChanged.Call(grid);
  TDataSet* contacts = grid->DataSource()->DataSet();
  contacts->First();
  EXPECT_EQ(contacts->FieldByName("SentCount")->AsInteger(), Count(made_->path, "SELECT MAX(SentCount) FROM ContactInfo"))
      << "an upward marker puts the most messages first";
  contacts->Last();
  EXPECT_EQ(contacts->FieldByName("SentCount")->AsInteger(), Count(made_->path, "SELECT MIN(SentCount) FROM ContactInfo"));
  EXPECT_EQ(contacts->RecordCount(), kContactCount);
}

// A message too long for its cell in the main window ends in "…"; the pointer resting on it
// shows it whole.
TEST_F(ShowcaseDataPages, ACutMessageShowsWholeInAToolTip) {
  TTestClockScope clock;
  TShowcaseMainForm* window = nullptr;
  Application->CreateForm(window);
  window->Show();
  window->ExecuteCommand(TShowcaseMainForm::kSentCommand);
  auto* grid = Child<TDBGridEx>(window->Page(TShowcaseMainForm::kSentCommand), "SentGrid");
  ASSERT_NE(grid, nullptr);
  int content = -1;
  for (int i = 0; i < grid->Columns()->Count(); ++i) {
    if (grid->Columns()->Items(i)->FieldName() == "Content") content = i;
  }
  ASSERT_GE(content, 0);
  // The widest message in view, which its cell cuts.
  TDataSet* sent = grid->DataSource()->DataSet();
  grid->Canvas()->Font()->Assign(grid->Font());
  int row = 0, widest = 0;
  for (int k = 0; k < grid->VisibleDataRowCount(); ++k, sent->Next()) {
    const int width = grid->Canvas()->TextWidth(sent->FieldByName("Content")->AsString());
    if (width > widest) std::tie(row, widest) = std::tuple(k, width);
  }
  sent->First();
  sent->MoveBy(row);
  const String message = sent->FieldByName("Content")->AsString();
  sent->First();
  const TRect cell = grid->CellRect(content + grid->IndicatorOffset(), grid->TopRow() + row);
  ASSERT_GT(widest, cell.Width()) << message;
  InjectMouseMove(grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2}));
  for (int waited = 0; waited <= Application->HintPause(); waited += 10) {
    clock.time->Advance(10);
    Application->ProcessMessages();
  }
  THintWindow* tip = Application->HintWindow();
  EXPECT_TRUE(tip != nullptr && tip->Active() && IsWindowVisible(tip->Handle()));
  EXPECT_EQ(tip != nullptr ? tip->Caption() : String(), message);
  Application->CancelHint();
}
