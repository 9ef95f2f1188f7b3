// The showcase as a user meets it, in a real window with keys and clicks fed through the
// toolkit: every box and list speaks Chinese, a contact needs a name, a value picked from a
// filter list filters, text given up with Esc in a filter cell is gone, the side bar agrees with the page shown, and its items are renamed
// in place.
#include <gtest/gtest.h>

#include <QImage>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <filesystem>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/side_bar_layout_file.h"
#include "gridlib/controls/inplace_filter_edit.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "platform/controls/application.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/label.h"
#include "platform/controls/menus.h"
#include "platform/controls/screen.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/windows/clipboard.h"
#include "sidebar/side_bar.h"
#include "skin/message_form.h"
#include "tests/showcase/data_file_support.h"
#include "tests/showcase/showcase_on_xvfb.h"

using namespace showcase_test;

namespace {

constexpr int kNameColumn = 1;
constexpr int kGroupColumn = 3;
constexpr int kSentCountColumn = 5;

// Latin letters in `text` once the words the user gave are taken out: none in a Chinese box.
String LatinLettersIn(String text, const String& userWords = {}) {
  if (!userWords.empty())
    for (size_t at; (at = text.find(userWords)) != String::npos;) text.erase(at, userWords.size());
  String letters;
  for (char c : text)
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) letters += c;
  return letters;
}

class UserTrialOnXvfb : public ShowcaseOnXvfb {
 protected:
  bool Start(const char* testName) {
    if (!OnDisplay(testName)) return false;
    Application->CreateForm(form_);
    form_->Show();
    window_ = static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()));
    EXPECT_TRUE(window_ != nullptr && Exposed(window_));
    return window_ != nullptr;
  }
  void TearDown() override {
    if (Application != nullptr) Application->OnIdle.Clear();
    ShowcaseOnXvfb::TearDown();
  }
  // The contact grid shown and focused, on the first contact's cell in `column`.
  TDBGridEx* ContactsGrid(int column) {
    form_->ExecuteCommand(TShowcaseMainForm::kContactsCommand);
    auto* grid = dynamic_cast<TDBGridEx*>(form_->Page(TShowcaseMainForm::kContactsCommand)->FindComponent("ContactsGrid"));
    EXPECT_NE(grid, nullptr);
    if (grid == nullptr) return nullptr;
    grid->SetFocus();
    grid->SetSelectedIndex(column);
    PumpUntil([&] { return grid->Focused(); });
    return grid;
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(window_, key, modifiers); }
  // Ctrl+Up into the filter row; whether its editor shows.
  bool IntoFilterRow(TDBGridEx* grid) {
    Key(Qt::Key_Up, Qt::ControlModifier);
    return PumpUntil([&] { return grid->FilterEditorShown(); });
  }
  // A letter with Ctrl held, as a keyboard gives it: its control character as the text.
  void Ctrl(Qt::Key letter) {
    const QString control(QChar(static_cast<char16_t>(letter - Qt::Key_A + 1)));
    QTest::sendKeyEvent(QTest::Click, window_, letter, control, Qt::ControlModifier);
  }
  void Type(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(window_, *c);
  }
  // Every modal box shown from now on is read and closed; the texts of the skinned ones are
  // kept, any other box is kept by its class and title.
  void AnswerBoxes() {
    Application->OnIdle.Bind(nullptr, "AnswerBoxes", [this](TObject*, bool&) {
      TCustomForm* box = Screen->ActiveForm();
      if (box == nullptr || box == form_ || !box->Visible()) return;
      auto* skinned = dynamic_cast<TfrmMsg*>(box);
      boxes_.push_back(skinned != nullptr ? skinned->lbl()->Caption() : "another box: " + box->ClassName() + " " + box->Caption());
      box->SetModalResult(mrOk);
    });
  }
  bool BoxShown(size_t count = 1) {
    return PumpUntil([&] { return boxes_.size() >= count && Screen->ActiveForm() == form_; });
  }
  // Whether the window shows a red pixel in the bottom rows of `rect`, client rectangle of `c`.
  bool RedLineAtTheBottomOf(TControl* c, const TRect& rect) {
    const QImage shown = window_->screen()->grabWindow(window_->winId()).toImage();
    const QPoint from = PointOf(c, form_, rect.Left, rect.Bottom - 3), to = PointOf(c, form_, rect.Right, rect.Bottom);
    for (int y = from.y(); y <= to.y(); ++y)
      for (int x = from.x(); x < to.x(); ++x)
        if (shown.valid(x, y) && shown.pixelColor(x, y) == QColor(255, 0, 0)) return true;
    return false;
  }
  QPoint Centre(TnbSideBar* bar, const TRect& r) { return PointOf(bar, form_, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

  TShowcaseMainForm* form_ = nullptr;
  QWindow* window_ = nullptr;
  std::vector<String> boxes_;
};

}  // namespace

// Letters pasted into the message count: the window's own skinned box says in a short Chinese
// sentence that nothing was done, the reason below it, in Chinese too.
TEST_F(UserTrialOnXvfb, LettersPastedIntoANumberCellAreToldInChineseInASkinnedBox) {
  if (!Start("UserTrialOnXvfb.LettersPastedIntoANumberCellAreToldInChineseInASkinnedBox")) return;
  TDBGridEx* grid = ContactsGrid(kSentCountColumn);
  ASSERT_NE(grid, nullptr);
  const int64_t sent = grid->DataSource()->DataSet()->FieldByName("SentCount")->AsInteger();
  Clipboard()->SetAsText("abc");
  AnswerBoxes();
  Ctrl(Qt::Key_V);
  ASSERT_TRUE(BoxShown());
  const String& said = boxes_.front();
  EXPECT_NE(said.find("abc"), String::npos) << said;
  EXPECT_NE(said.find("\n"), String::npos) << "a sentence, the detail below: " << said;
  EXPECT_EQ(LatinLettersIn(said, "abc"), "") << said;
  EXPECT_EQ(grid->DataSource()->DataSet()->FieldByName("SentCount")->AsInteger(), sent);
}

// The filter cell's list offers its commands in Chinese, and a value picked from it filters
// the contacts at once.
TEST_F(UserTrialOnXvfb, TheFilterListSpeaksChinese) {
  if (!Start("UserTrialOnXvfb.TheFilterListSpeaksChinese")) return;
  TDBGridEx* grid = ContactsGrid(kGroupColumn);
  ASSERT_NE(grid, nullptr);
  ASSERT_TRUE(IntoFilterRow(grid));
  Key(Qt::Key_Down, Qt::AltModifier);
  TInplaceFilterEditEx* editor = grid->FilterEditor();
  ASSERT_TRUE(PumpUntil([&] { return editor->DroppedDown(); }));
  int commands = 0;
  for (int i = 0; i < editor->Items()->Count(); ++i) {
    if (editor->ItemCode(i) == flcValueEx || editor->ItemCode(i) == flcSeparatorEx) continue;
    ++commands;
    EXPECT_EQ(LatinLettersIn(editor->Items()->Strings(i)), "") << editor->Items()->Strings(i);
  }
  EXPECT_EQ(commands, 6) << "empty, not empty, all, clear, and the two orders";
  Key(Qt::Key_Escape);
}

TEST_F(UserTrialOnXvfb, AValuePickedFromAFilterListFiltersAtOnce) {
  if (!Start("UserTrialOnXvfb.AValuePickedFromAFilterListFiltersAtOnce")) return;
  TDBGridEx* grid = ContactsGrid(kGroupColumn);
  ASSERT_NE(grid, nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  const int64_t all = contacts->RecordCount();
  ASSERT_TRUE(IntoFilterRow(grid));
  Key(Qt::Key_Down, Qt::AltModifier);
  TInplaceFilterEditEx* editor = grid->FilterEditor();
  ASSERT_TRUE(PumpUntil([&] { return editor->DroppedDown(); }));
  Key(Qt::Key_Down);  // the first group
  Key(Qt::Key_Return);
  ASSERT_TRUE(PumpUntil([&] { return !editor->DroppedDown(); }));
  const String group = editor->Text();
  ASSERT_FALSE(group.empty());
  EXPECT_TRUE(PumpUntil([&] { return contacts->RecordCount() < all; })) << "filtered without another Enter";
  const String file = (std::filesystem::path(ShowcaseDataFolder()) / showcase_data::kFileName).string();
  EXPECT_EQ(contacts->RecordCount(), Count(file, "SELECT COUNT(*) FROM ContactInfo WHERE GroupName = '" + group + "'"));
}

// Text typed into a filter cell and given up with Esc is gone: a click on a contact leaves
// the cell empty and every contact shown, and no later Enter in the filter row applies it.
TEST_F(UserTrialOnXvfb, EscInAFilterCellGivesUpWhatWasTyped) {
  if (!Start("UserTrialOnXvfb.EscInAFilterCellGivesUpWhatWasTyped")) return;
  TDBGridEx* grid = ContactsGrid(kGroupColumn);
  ASSERT_NE(grid, nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  const int64_t all = contacts->RecordCount();
  ASSERT_TRUE(IntoFilterRow(grid));
  Type("=none");
  Key(Qt::Key_Escape);
  const TRect row = grid->CellRect(kGroupColumn + grid->IndicatorOffset(), grid->TitleOffset() + 1);
  QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, PointOf(grid, form_, (row.Left + row.Right) / 2, (row.Top + row.Bottom) / 2));
  ASSERT_TRUE(PumpUntil([&] { return !grid->FilterEditorShown(); }));
  EXPECT_EQ(grid->FilterText(kGroupColumn), "");
  ASSERT_TRUE(IntoFilterRow(grid));
  Key(Qt::Key_Return);
  Key(Qt::Key_Down);  // out of the filter row, once Enter has done its work
  ASSERT_TRUE(PumpUntil([&] { return !grid->FilterEditorShown(); }));
  EXPECT_EQ(contacts->RecordCount(), all);
  EXPECT_EQ(grid->FilterText(kGroupColumn), "");
}

// F2, Ctrl+A, Backspace, Enter empties the name: the grid marks the cell; Down does not save
// the contact, and the box says why in Chinese; closing the window is refused in Chinese too.
TEST_F(UserTrialOnXvfb, AContactWithoutANameIsMarkedAndNotSaved) {
  if (!Start("UserTrialOnXvfb.AContactWithoutANameIsMarkedAndNotSaved")) return;
  TDBGridEx* grid = ContactsGrid(kNameColumn);
  ASSERT_NE(grid, nullptr);
  TDataSet* contacts = grid->DataSource()->DataSet();
  const int64_t id = contacts->FieldByName("ID")->AsInteger();
  const String name = contacts->FieldByName("Name")->AsString();
  AnswerBoxes();
  Key(Qt::Key_F2);
  ASSERT_TRUE(PumpUntil([&] { return grid->InplaceEditorShowing() && grid->InplaceEditor()->Focused(); }));
  Ctrl(Qt::Key_A);
  Key(Qt::Key_Backspace);
  ASSERT_TRUE(PumpUntil([&] { return grid->InplaceEditor()->Text().empty(); }));
  Key(Qt::Key_Return);
  PumpUntil([&] { return !grid->InplaceEditorShowing() && contacts->State() == dsEdit; });
  ASSERT_TRUE(!grid->InplaceEditorShowing() && contacts->State() == dsEdit)
      << grid->InplaceEditorShowing() << " " << contacts->State() << " " << (boxes_.empty() ? "" : boxes_[0]) << " "
      << (grid->InplaceEditor() ? grid->InplaceEditor()->Text() : "-");
  const TRect cell = grid->CellRect(kNameColumn + grid->IndicatorOffset(), grid->Row());
  EXPECT_TRUE(PumpUntil([&] { return RedLineAtTheBottomOf(grid, cell); })) << "the empty name is marked";
  Key(Qt::Key_Down);
  ASSERT_TRUE(BoxShown());
  EXPECT_NE(boxes_[0].find("姓名"), String::npos) << boxes_[0];
  EXPECT_EQ(LatinLettersIn(boxes_[0]), "") << boxes_[0];
  EXPECT_EQ(contacts->State(), dsEdit) << "the contact is still being edited";
  QTest::keyClick(window_, Qt::Key_F4, Qt::AltModifier);
  ASSERT_TRUE(BoxShown(2));
  EXPECT_NE(boxes_[1].find("无法保存"), String::npos) << boxes_[1];
  EXPECT_EQ(LatinLettersIn(boxes_[1], "Esc"), "") << boxes_[1];
  EXPECT_FALSE(Application->Terminated());
  const String file = (std::filesystem::path(ShowcaseDataFolder()) / showcase_data::kFileName).string();
  EXPECT_EQ(Text(file, "SELECT Name FROM ContactInfo WHERE ID = " + std::to_string(id)), name);
}

// In the task-pane look every header opens and closes on its own; whatever the keys did
// before, the header holding the shown page's button is open.
TEST_F(UserTrialOnXvfb, InTheTaskPaneLookThePagesHeaderIsOpen) {
  if (!Start("UserTrialOnXvfb.InTheTaskPaneLookThePagesHeaderIsOpen")) return;
  TnbSideBar* bar = form_->SideBar();
  auto* looks = dynamic_cast<TPopupMenu*>(bar->PopupMenu());
  ASSERT_NE(looks, nullptr);
  looks->Items()->Items(8)->Click();  // 任务窗格
  ASSERT_TRUE(bar->CloseUpLayout());
  form_->Page(1)->SetFocus();
  const struct {
    Qt::Key key;
    int page;
    const char* header;
  } steps[] = {{Qt::Key_1, 1, "短信业务"}, {Qt::Key_2, 2, "客户资料"}, {Qt::Key_7, 7, "界面组件"}, {Qt::Key_2, 2, "客户资料"}};
  for (const auto& step : steps) {
    SCOPED_TRACE(step.page);
    Key(step.key, Qt::ControlModifier);
    ASSERT_TRUE(PumpUntil([&] { return form_->ActiveCommand() == step.page; }));
    Application->ProcessMessages();
    TnbButton* shown = bar->ActiveHeader() != nullptr ? bar->ActiveHeader()->GetButton(bar->ActiveHeader()->SelectedIndex()) : nullptr;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Tag(), step.page);
    EXPECT_EQ(shown->Header()->Caption(), step.header);
    EXPECT_TRUE(shown->Header()->Opened());
  }
}

// A right click on a button offers "重命名"; F2 renames the button of the page shown; read-only
// captions are not offered; the names are there after a restart.
TEST_F(UserTrialOnXvfb, SideBarItemsAreRenamedFromTheirMenuAndWithF2) {
  if (!Start("UserTrialOnXvfb.SideBarItemsAreRenamedFromTheirMenuAndWithF2")) return;
  TnbSideBar* bar = form_->SideBar();
  TnbHeader* messages = bar->Header(0);
  TnbButton* sent = messages->GetButton(1);
  const auto rightClick = [&](const TRect& r) {
    QTest::mouseMove(window_, Centre(bar, r));
    PumpUntil([] { return true; });
    QTest::mouseClick(window_, Qt::RightButton, Qt::NoModifier, Centre(bar, r));
  };
  const auto menuOpen = [&] {
    for (int i = 0; i < form_->ComponentCount(); ++i)
      if (auto* menu = dynamic_cast<TPopupMenu*>(form_->Components(i)); menu != nullptr && menu->IsOpen()) return menu;
    return static_cast<TPopupMenu*>(nullptr);
  };
  rightClick(sent->Rects().Button);
  ASSERT_TRUE(PumpUntil([&] { return menuOpen() != nullptr; }));
  TPopupMenu* menu = menuOpen();
  EXPECT_EQ(menu->Items()->Items(0)->Caption(), "重命名(&M)");
  EXPECT_TRUE(menu->Items()->Items(0)->Enabled());
  Key(Qt::Key_M);
  ASSERT_TRUE(PumpUntil([&] { return bar->InplaceEditor()->Editing(); }));
  Type("Outbox");
  Key(Qt::Key_Return);
  EXPECT_TRUE(PumpUntil([&] { return sent->Caption() == "Outbox"; })) << sent->Caption();

  // A header, on its caption.
  TnbHeader* customers = bar->Header(1);
  rightClick(customers->CaptionRect());
  ASSERT_TRUE(PumpUntil([&] { return menuOpen() != nullptr; }));
  Key(Qt::Key_M);
  ASSERT_TRUE(PumpUntil([&] { return bar->InplaceEditor()->Editing(); }));
  Type("Clients");
  Key(Qt::Key_Return);
  EXPECT_TRUE(PumpUntil([&] { return customers->Caption() == "Clients"; })) << customers->Caption();

  // F2 on the bar: the button of the page shown, 发送短信.
  bar->SetFocus();
  Key(Qt::Key_F2);
  ASSERT_TRUE(PumpUntil([&] { return bar->InplaceEditor()->Editing(); }));
  Type("Compose");
  Key(Qt::Key_Return);
  EXPECT_TRUE(PumpUntil([&] { return messages->GetButton(0)->Caption() == "Compose"; }));

  // Read-only captions: the menu does not offer the rename, F2 does nothing.
  TnbButton* phrases = messages->GetButton(2);
  phrases->SetOptions(phrases->Options() + boReadOnlyCaption);
  rightClick(phrases->Rects().Button);
  ASSERT_TRUE(PumpUntil([&] { return menuOpen() != nullptr; }));
  EXPECT_FALSE(menuOpen()->Items()->Items(0)->Enabled());
  Key(Qt::Key_Escape);
  PumpUntil([&] { return menuOpen() == nullptr; });
  messages->GetButton(0)->SetOptions(messages->GetButton(0)->Options() + boReadOnlyCaption);
  bar->SetFocus();
  Key(Qt::Key_F2);
  Application->ProcessMessages();
  EXPECT_FALSE(bar->InplaceEditor()->Editing());

  // The layout the window leaves holds the names.
  const String path = ShowcaseSideBarLayoutPath();
  ASSERT_EQ(SaveShowcaseSideBarLayout(bar, path), "");
  TShowcaseMainForm* again = nullptr;
  Application->CreateForm(again);
  ASSERT_TRUE(again->RestoreSideBarLayout(path).loaded);
  EXPECT_EQ(again->SideBar()->Header(0)->GetButton(0)->Caption(), "Compose");
  EXPECT_EQ(again->SideBar()->Header(0)->GetButton(1)->Caption(), "Outbox");
  EXPECT_EQ(again->SideBar()->Header(1)->Caption(), "Clients");
}
