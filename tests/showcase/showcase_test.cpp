// The showcase's main form in a real toolkit window on an X server of its own: a click and a
// key fed through the toolkit arrive as our messages. The test starts Xvfb itself (by running
// itself again on an X server of its own), since CI has no display.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDropEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <vector>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_data_file.h"
#include "examples/showcase/showcase_widgets.h"
#include "skin/file_theme.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_style.h"
#include "platform/controls/inplace_edit.h"
#include "platform/controls/label.h"
#include "platform/controls/screen.h"
#include "platform/data/data_source.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "skin/form.h"
#include "skin/message_form.h"
#include "skin/title_bar.h"
#include "tests/showcase/data_file_support.h"
#include "tests/showcase/showcase_on_xvfb.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/drag_drop.h"
#include "platform/windows/painting.h"

using namespace showcase_test;

namespace {

struct TSeen {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
};

// Records what a drop target is told.
class TTextTarget : public IDropTarget {
 public:
  std::vector<String> calls;
  String text;
  HRESULT DragEnter(IDataObject*, uint32_t, TPoint, uint32_t& effect) override {
    calls.push_back("enter");
    effect = DROPEFFECT_COPY;
    return S_OK;
  }
  HRESULT DragOver(uint32_t, TPoint, uint32_t& effect) override {
    effect = DROPEFFECT_COPY;
    return S_OK;
  }
  HRESULT DragLeave() override {
    calls.push_back("leave");
    return S_OK;
  }
  HRESULT Drop(IDataObject* data, uint32_t, TPoint, uint32_t& effect) override {
    calls.push_back("drop");
    TClipboardData bytes;
    DataObjectBytes(*data, CF_UNICODETEXT, bytes);
    std::u16string wide;
    for (size_t i = 0; i + 1 < bytes.size() && (bytes[i] | bytes[i + 1]); i += 2) wide.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    text = Utf16ToUtf8(wide);
    effect = DROPEFFECT_COPY;
    return S_OK;
  }
};

TEST_F(ShowcaseOnXvfb, RealClickAndKeyArriveAsMessages) {
  if (!OnDisplay("ShowcaseOnXvfb.RealClickAndKeyArriveAsMessages")) return;
  ASSERT_TRUE(DisplayAvailable());
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  std::vector<TSeen> seen;
  Application->OnMessage.Bind(nullptr, "Record", [&](MSG& m, bool&) { seen.push_back({m.hwnd, m.message, m.wParam}); });
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(Exposed(window));
  Application->ProcessMessages();
  EXPECT_EQ(form->ActiveCommand(), 1);

  QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, PointOf(form->ToolButton(3), form, 10, 10));
  PumpUntil([&] { return form->ActiveCommand() == 3; });
  auto count = [&](UINT message, HWND h) {
    return std::count_if(seen.begin(), seen.end(), [&](const TSeen& s) { return s.message == message && s.hwnd == h; });
  };
  HWND toolBar = form->ToolBar()->Handle();
  EXPECT_EQ(count(WM_LBUTTONDOWN, toolBar), 1);
  EXPECT_EQ(count(WM_LBUTTONUP, toolBar), 1);
  EXPECT_EQ(form->ActiveCommand(), 3) << "the click reached the tool button, which switched the page";

  form->Page(3)->SetFocus();
  QTest::keyClick(window, Qt::Key_A);
  HWND page = form->Page(3)->Handle();
  const auto keys = [&] {
    std::vector<std::pair<UINT, WPARAM>> seenKeys;
    for (const TSeen& s : seen)
      if (s.hwnd == page && s.message >= WM_KEYFIRST && s.message <= WM_KEYLAST) seenKeys.emplace_back(s.message, s.wParam);
    return seenKeys;
  };
  PumpUntil([&] { return keys().size() >= 3; });
  std::vector<std::pair<UINT, WPARAM>> expected{{WM_KEYDOWN, 'A'}, {WM_CHAR, 'a'}, {WM_KEYUP, 'A'}};
  EXPECT_EQ(keys(), expected);

  TBitmap* surface = WindowSurface(form->Handle());
  ASSERT_NE(surface, nullptr);
  EXPECT_EQ(surface->Width(), form->Width());
}

TEST_F(ShowcaseOnXvfb, ToolkitClipboardAndDropsReachOurServices) {
  if (!OnDisplay("ShowcaseOnXvfb.ToolkitClipboardAndDropsReachOurServices")) return;
  Clipboard()->SetAsText("群发 SMS");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "群发 SMS") << "other programs see our text";
  QGuiApplication::clipboard()->setText(QString::fromStdString("通讯录"));
  EXPECT_EQ(Clipboard()->AsText(), "通讯录") << "and we see theirs";
  EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));

  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_TRUE(Exposed(window));
  TTextTarget target;
  RegisterDragDrop(form->PageHost()->Handle(), &target);
  QMimeData mime;
  mime.setText(QString::fromStdString("张三 13800000000"));
  QPoint at = PointOf(form->PageHost(), form, 50, 50);
  QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(window, &drop);
  EXPECT_EQ(drop.dropAction(), Qt::CopyAction);
  EXPECT_EQ(target.calls, (std::vector<String>{"enter", "drop"}));
  EXPECT_EQ(target.text, "张三 13800000000");
  RevokeDragDrop(form->PageHost()->Handle());
}

// The window shows the theme file's border from its first paint on, before any style is
// chosen from the menu.
TEST_F(ShowcaseOnXvfb, TheFirstPaintWearsTheThemeFile) {
  if (!OnDisplay("ShowcaseOnXvfb.TheFirstPaintWearsTheThemeFile")) return;
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  ASSERT_TRUE(form->LoadTheme(ProgramFolder() + "../examples/showcase/OnePlumet.skn"));
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_TRUE(Exposed(window));
  const QColor plum(0x4E, 0x1E, 0x6E);
  QColor border;
  PumpUntil([&] {
    const QImage shown = window->screen()->grabWindow(window->winId()).toImage();
    border = shown.pixelColor(0, shown.height() / 2);
    return border == plum;
  });
  EXPECT_EQ(border, plum) << "the file's border colour on the screen";
}

TEST_F(ShowcaseOnXvfb, RealWindowAndTreeKeepTheSameGeometry) {
  if (!OnDisplay("ShowcaseOnXvfb.RealWindowAndTreeKeepTheSameGeometry")) return;
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  form->SetPosition(poDesigned);
  form->SetBounds(40, 30, 760, 480);
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_TRUE(Exposed(window));
  PumpUntil([&] { return window->geometry() == QRect(40, 30, 760, 480); });
  EXPECT_EQ(window->geometry(), QRect(40, 30, 760, 480)) << "the real window sits where the tree says";
  window->resize(800, 500);
  PumpUntil([&] { return form->Width() == 800 && form->Height() == 500 && form->PageHost()->Width() == 800 - 2 - 180; });
  EXPECT_EQ(form->Width(), 800) << "a size given by the window manager comes back to the form";
  EXPECT_EQ(form->Height(), 500);
  // The skin's border, one pixel on each side, in place of the native frame, and the
  // side bar's 180-pixel panel beside the page host.
  EXPECT_EQ(form->PageHost()->Width(), 800 - 2 - 180) << "and the form lays itself out again";
  form->SetWindowState(wsMaximized);
  PumpUntil([&] { return window->geometry() == window->screen()->availableGeometry(); });
  EXPECT_EQ(window->geometry(), window->screen()->availableGeometry()) << "maximised to the work area";
  form->SetWindowState(wsNormal);
  PumpUntil([&] { return window->geometry().size() == QSize(800, 500); });
  EXPECT_EQ(window->geometry().size(), QSize(800, 500));
}

// Made narrower than its tool bar, by the program or by the window system, the window stays
// wide enough to show the last tool button whole.
TEST_F(ShowcaseOnXvfb, TheWindowIsNeverNarrowerThanItsToolBar) {
  if (!OnDisplay("ShowcaseOnXvfb.TheWindowIsNeverNarrowerThanItsToolBar")) return;
  TShowcaseMainForm* form = nullptr;
  Application->CreateForm(form);
  form->SetPosition(poDesigned);
  form->SetBounds(40, 30, 900, 500);
  form->Show();
  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_TRUE(Exposed(window));
  TShowcaseToolButton* last = form->ToolButton(form->PageCount());
  const auto lastButtonWhole = [&] { return last->Left() + last->Width() <= form->ToolBar()->ClientWidth(); };
  form->SetBounds(40, 30, 620, 500);
  EXPECT_TRUE(lastButtonWhole()) << "the program's own narrowing: " << form->Width();
  form->SetBounds(40, 30, 900, 500);
  PumpUntil([&] { return window->geometry().width() == 900; });
  window->resize(620, 500);
  PumpUntil([&] { return lastButtonWhole() && window->geometry().width() == form->Width(); });
  EXPECT_TRUE(lastButtonWhole()) << "the window system's: " << form->Width();
  EXPECT_EQ(window->geometry().width(), form->Width()) << "the real window keeps the form's width";
}

// The contact page of a shown main window with a memo cell typed into through the display's
// keyboard; closing the window follows.
class PendingEditOnXvfb : public ShowcaseOnXvfb {
 protected:
  static constexpr int kMemoColumn = 6;
  bool TypeIntoAMemo(const char* testName, const char* text) {
    if (!OnDisplay(testName)) return false;
    Application->CreateForm(form_);
    form_->Show();
    window_ = static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()));
    EXPECT_TRUE(Exposed(window_));
    form_->ExecuteCommand(TShowcaseMainForm::kContactsCommand);
    grid_ = dynamic_cast<TDBGridEx*>(form_->Page(TShowcaseMainForm::kContactsCommand)->FindComponent("ContactsGrid"));
    EXPECT_NE(grid_, nullptr);
    if (grid_ == nullptr) return false;
    grid_->SetFocus();
    grid_->SetSelectedIndex(kMemoColumn);
    id_ = grid_->DataSource()->DataSet()->FieldByName("ID")->AsInteger();
    for (const char* c = text; *c != '\0'; ++c) QTest::keyClick(window_, *c);
    PumpUntil([&] { return grid_->InplaceEditorShowing() && grid_->InplaceEditor()->Text() == text; });
    return true;
  }
  TPoint CloseButton() const {
    TskTitleBar* bar = form_->Skin()->TitleBar();
    for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons) {
      if (bar->Buttons()->Items(place.Index)->ButtonType() == skClose)
        return {(place.Rect.Left + place.Rect.Right) / 2, (place.Rect.Top + place.Rect.Bottom) / 2};
    }
    return {};
  }
  // The memo of the contact typed into, as the data file holds it.
  String StoredMemo() const {
    const String file = (std::filesystem::path(ShowcaseDataFolder()) / showcase_data::kFileName).string();
    return showcase_test::Text(file, "SELECT Memo FROM ContactInfo WHERE ID = " + std::to_string(id_));
  }

  TShowcaseMainForm* form_ = nullptr;
  QWindow* window_ = nullptr;
  TDBGridEx* grid_ = nullptr;
  int64_t id_ = 0;
};

TEST_F(PendingEditOnXvfb, TextTypedIntoACellSurvivesAltF4) {
  if (!TypeIntoAMemo("PendingEditOnXvfb.TextTypedIntoACellSurvivesAltF4", "call after 6pm")) return;
  QTest::keyClick(window_, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); })) << "the window closes";
  EXPECT_EQ(StoredMemo(), "call after 6pm");
}

TEST_F(PendingEditOnXvfb, ARecordStillBeingEditedSurvivesTheCloseButton) {
  if (!TypeIntoAMemo("PendingEditOnXvfb.ARecordStillBeingEditedSurvivesTheCloseButton", "new number soon")) return;
  QTest::keyClick(window_, Qt::Key_Return);
  PumpUntil([&] { return !grid_->InplaceEditorShowing(); });
  ASSERT_EQ(grid_->DataSource()->DataSet()->State(), dsEdit) << "the row still shows it is being edited";
  QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, PointOf(form_->Skin()->TitleBar(), form_, CloseButton().x, CloseButton().y));
  EXPECT_TRUE(PumpUntil([] { return Application->Terminated(); })) << "the window closes";
  EXPECT_EQ(StoredMemo(), "new number soon");
}

// A record that cannot be posted (a contact without a name) keeps the window open and says why.
TEST_F(PendingEditOnXvfb, APostThatFailsKeepsTheWindowOpenWithTheReason) {
  if (!TypeIntoAMemo("PendingEditOnXvfb.APostThatFailsKeepsTheWindowOpenWithTheReason", "x")) return;
  grid_->DataSource()->DataSet()->FieldByName("Name")->Clear();
  String said;
  Application->OnIdle.Bind(nullptr, "AnswerBox", [&](TObject*, bool&) {
    auto* box = dynamic_cast<TfrmMsg*>(Screen->ActiveForm());
    if (box == nullptr || !said.empty()) return;
    said = box->lbl()->Caption();
    box->SetModalResult(mrOk);
  });
  QTest::keyClick(window_, Qt::Key_F4, Qt::AltModifier);
  EXPECT_TRUE(PumpUntil([&] { return !said.empty() && Screen->ActiveForm() == form_; }));
  EXPECT_NE(said.find("无法保存"), String::npos) << said;
  EXPECT_FALSE(Application->Terminated());
  EXPECT_TRUE(form_->Visible());
  Application->OnIdle.Clear();
}

}  // namespace
