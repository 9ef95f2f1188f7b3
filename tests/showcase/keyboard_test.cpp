// The showcase from the keyboard alone, in a real window with keys fed through the toolkit:
// pages change with the keys a tab control answers, every control the Tab key reaches shows
// that it has the focus, and the buttons answer Space and Enter.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include <functional>
#include <memory>

#include "examples/showcase/main_form.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "sidebar/side_bar.h"
#include "skin/buttons.h"
#include "skin/edits.h"
#include "skin/page_control.h"
#include "tests/showcase/showcase_on_xvfb.h"

using namespace showcase_test;

namespace {

// The first control inside `parent`, at any depth, that `match` accepts.
TControl* FindInside(TWinControl* parent, const std::function<bool(TControl*)>& match) {
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* child = parent->Controls(i);
    if (match(child)) return child;
    if (auto* inner = dynamic_cast<TWinControl*>(child))
      if (TControl* found = FindInside(inner, match)) return found;
  }
  return nullptr;
}

template <class T>
T* FindOf(TWinControl* parent, const std::function<bool(T*)>& match = [](T*) { return true; }) {
  return static_cast<T*>(FindInside(parent, [&](TControl* c) {
    auto* t = dynamic_cast<T*>(c);
    return t != nullptr && match(t);
  }));
}

class KeyboardOnXvfb : public ShowcaseOnXvfb {
 protected:
  bool Start(const char* testName, int command) {
    if (!OnDisplay(testName)) return false;
    Application->CreateForm(form_);
    form_->Show();
    window_ = static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()));
    EXPECT_TRUE(window_ != nullptr && Exposed(window_));
    form_->ExecuteCommand(command);
    return window_ != nullptr;
  }
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(window_, key, modifiers); }
  void Click(TControl* c) {
    QTest::mouseClick(window_, Qt::LeftButton, Qt::NoModifier, PointOf(c, form_, c->Width() / 2, c->Height() / 2));
  }
  bool FocusOn(TWinControl* c) {
    return PumpUntil([&] { return Screen->ActiveControl() == c; });
  }

  TShowcaseMainForm* form_ = nullptr;
  QWindow* window_ = nullptr;
};

}  // namespace

// Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn and Ctrl+PgUp from inside the pages, and the arrows on
// the focused strip, go to the next or previous page: the style pages of the skin page, and
// the pages of the tab control on a style's page.
TEST_F(KeyboardOnXvfb, PagesChangeWithTheKeysOfATabControl) {
  if (!Start("KeyboardOnXvfb.PagesChangeWithTheKeysOfATabControl", TShowcaseMainForm::kSkinCommand)) return;
  TskPageControl* styles = form_->SkinPages();
  styles->SetActivePageIndex(1);
  auto* name = FindOf<TskEdit>(styles->Pages(1), [](TskEdit* e) { return e->Text() == "张三"; });
  ASSERT_NE(name, nullptr);
  Click(name);
  ASSERT_TRUE(FocusOn(name));
  struct TStep {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int page;
  };
  const TStep outer[] = {{Qt::Key_Tab, Qt::ControlModifier, 2},
                         {Qt::Key_PageDown, Qt::ControlModifier, 3},
                         {Qt::Key_PageUp, Qt::ControlModifier, 2},
                         {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 1},
                         {Qt::Key_Right, Qt::NoModifier, 2},
                         {Qt::Key_Down, Qt::NoModifier, 3},
                         {Qt::Key_Left, Qt::NoModifier, 2},
                         {Qt::Key_Up, Qt::NoModifier, 1}};
  for (const auto& step : outer) {
    SCOPED_TRACE(step.page);
    Key(step.key, step.modifiers);
    ASSERT_TRUE(PumpUntil([&] { return styles->ActivePage() == styles->Pages(step.page); }))
        << "shown: " << styles->ActivePage()->PageIndex();
  }

  auto* tabs = FindOf<TskPageControl>(styles->Pages(1));
  ASSERT_NE(tabs, nullptr);
  auto* text = FindOf<TWinControl>(tabs->Pages(0), [](TWinControl* c) { return c->TabStop(); });
  ASSERT_NE(text, nullptr);
  Click(text);
  ASSERT_TRUE(FocusOn(text));
  const TStep inner[] = {{Qt::Key_PageDown, Qt::ControlModifier, 1},
                         {Qt::Key_Right, Qt::NoModifier, 2},
                         {Qt::Key_Left, Qt::NoModifier, 1},
                         {Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier, 0}};
  for (const auto& step : inner) {
    SCOPED_TRACE(step.page);
    Key(step.key, step.modifiers);
    ASSERT_TRUE(PumpUntil([&] { return tabs->ActivePage() == tabs->Pages(step.page); }))
        << "shown: " << tabs->ActivePage()->PageIndex();
    EXPECT_EQ(styles->ActivePage(), styles->Pages(1)) << "the style page stays";
  }
}

namespace {

// What `c` paints now.
std::unique_ptr<TBitmap> Picture(TWinControl* c) {
  auto picture = std::make_unique<TBitmap>(c->Width(), c->Height());
  c->PaintTo(picture->Canvas()->Handle(), 0, 0);
  return picture;
}

int PixelsApart(TBitmap* a, TBitmap* b) {
  int apart = 0;
  for (int y = 0; y < a->Height(); ++y)
    for (int x = 0; x < a->Width(); ++x) apart += a->Canvas()->Pixels(x, y) != b->Canvas()->Pixels(x, y) ? 1 : 0;
  return apart;
}

bool Captioned(TControl* c, const char* caption) {
  if (auto* button = dynamic_cast<TskCustomButton*>(c)) return button->Caption() == caption;
  return c->Caption() == caption;
}

}  // namespace

// Every control Shift+Tab reaches looks otherwise than before it had the focus: the side bar,
// the tree with no node selected and the scroll bars of the standard controls, the message box
// button, the skinned list box and tree before an arrow selected anything, and the tab strips.
TEST_F(KeyboardOnXvfb, AControlTheTabKeyReachesShowsTheFocus) {
  if (!Start("KeyboardOnXvfb.AControlTheTabKeyReachesShowsTheFocus", TShowcaseMainForm::kStandardControlsCommand)) return;
  using Find = std::function<TWinControl*(TWinControl* page)>;
  const auto of = [](const char* className, int nth = 0) {
    return Find([=](TWinControl* page) {
      int seen = 0;
      return static_cast<TWinControl*>(FindInside(page, [&](TControl* c) {
        return dynamic_cast<TWinControl*>(c) != nullptr && c->ClassName() == className && seen++ == nth;
      }));
    });
  };
  const auto onStylePage = [this](Find find) {
    return Find([this, find](TWinControl*) { return find(form_->SkinPages()->ActivePage()); });
  };
  const struct {
    const char* name;
    int command;
    Find find;
  } cases[] = {
      {"side bar", TShowcaseMainForm::kStandardControlsCommand, [this](TWinControl*) { return static_cast<TWinControl*>(form_->SideBar()); }},
      {"tree", TShowcaseMainForm::kStandardControlsCommand, of("TTreeView")},
      {"scroll bar", TShowcaseMainForm::kStandardControlsCommand, of("TScrollBar", 0)},
      {"upright scroll bar", TShowcaseMainForm::kStandardControlsCommand, of("TScrollBar", 1)},
      {"message box button", TShowcaseMainForm::kStandardControlsCommand,
       [](TWinControl* page) { return static_cast<TWinControl*>(FindInside(page, [](TControl* c) { return Captioned(c, "显示消息框"); })); }},
      {"skinned list box", TShowcaseMainForm::kSkinCommand, onStylePage(of("TskListBox"))},
      {"skinned tree", TShowcaseMainForm::kSkinCommand, onStylePage(of("TskTreeView"))},
      {"style tabs", TShowcaseMainForm::kSkinCommand, [this](TWinControl*) { return static_cast<TWinControl*>(form_->SkinPages()->TopPanel()); }},
      {"inner tabs", TShowcaseMainForm::kSkinCommand, onStylePage(of("TskPageControlTopPanel"))},
  };
  form_->SkinPages()->SetActivePageIndex(1);
  for (const auto& each : cases) {
    SCOPED_TRACE(each.name);
    form_->ExecuteCommand(each.command);
    TWinControl* control = each.find(form_->Page(each.command));
    ASSERT_NE(control, nullptr);
    TWinControl* after = form_->FindNextControl(control, true, true, false);
    ASSERT_NE(after, nullptr);
    after->SetFocus();
    ASSERT_TRUE(FocusOn(after));
    const auto before = Picture(control);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_TRUE(FocusOn(control)) << "focused: " << (Screen->ActiveControl() ? Screen->ActiveControl()->ClassName() : "none");
    const auto focused = Picture(control);
    EXPECT_GT(PixelsApart(before.get(), focused.get()), 0) << "nothing shows the focus";
  }
}

// The Tab key reaches the button that shows the standard page's message box, and Space and
// Enter press it.
TEST_F(KeyboardOnXvfb, TheMessageBoxButtonIsReachedAndPressedFromTheKeyboard) {
  if (!Start("KeyboardOnXvfb.TheMessageBoxButtonIsReachedAndPressedFromTheKeyboard",
             TShowcaseMainForm::kStandardControlsCommand))
    return;
  TWinControl* page = form_->Page(TShowcaseMainForm::kStandardControlsCommand);
  TControl* button = FindInside(page, [](TControl* c) { return Captioned(c, "显示消息框"); });
  ASSERT_NE(button, nullptr);
  // The last control before the button on the page: the upright scroll bar.
  auto* before = static_cast<TWinControl*>(FindInside(page, [n = 0](TControl* c) mutable {
    return c->ClassName() == "TScrollBar" && n++ == 1;
  }));
  ASSERT_NE(before, nullptr);
  before->SetFocus();
  ASSERT_TRUE(FocusOn(before));
  Key(Qt::Key_Tab);
  ASSERT_TRUE(PumpUntil([&] { return Screen->ActiveControl() == button; }))
      << "focused: " << (Screen->ActiveControl() ? Screen->ActiveControl()->ClassName() : "none");
  int boxes = 0;
  Application->OnIdle.Bind(nullptr, "AnswerBox", [&](TObject*, bool&) {
    TCustomForm* box = Screen->ActiveForm();
    if (box == nullptr || box == form_ || !box->Visible()) return;
    ++boxes;
    box->SetModalResult(mrCancel);
  });
  for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return}) {
    SCOPED_TRACE(key);
    const int shown = boxes;
    Key(key);
    EXPECT_TRUE(PumpUntil([&] { return boxes > shown && Screen->ActiveForm() == form_; }));
  }
  Application->OnIdle.Clear();
}
