// The showcase from the keyboard alone, in a real window with keys fed through the toolkit:
// pages change with the keys a tab control answers.
#include <gtest/gtest.h>

#include <QTest>
#include <QWindow>

#include <functional>

#include "examples/showcase/main_form.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
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
