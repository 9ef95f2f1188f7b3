// Moving a skinned form and a skinned message box by their title bars with the real pointer,
// with no window manager and with one: the window goes exactly where the pointer takes it,
// and a click that is not dragged leaves nobody moving the window.
#include <gtest/gtest.h>

#include <QWindow>

#include <memory>
#include <span>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/painting.h"
#include "skin/form.h"
#include "skin/message_dialog.h"
#include "skin/message_form.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/x_screen.h"

namespace {

std::string At(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

// A point on the caption of a skinned form's title bar, clear of its buttons.
TPoint CaptionPoint(TskForm* skin) {
  TskTitleBar* bar = skin->TitleBar();
  return bar->ClientToScreen({bar->Layout().CaptionLeft + 30, bar->Height() / 2});
}

TskForm* SkinOf(TForm* form) {
  for (int i = 0; i < form->ComponentCount(); ++i)
    if (auto* skin = dynamic_cast<TskForm*>(form->Components(i))) return skin;
  return nullptr;
}

// Presses the left button at `from`, takes the pointer `by` away in `steps` equal steps and
// lets go, as a hand does: it moves once the window has felt the press, and each step waits
// until the window stands on the screen where the step took the press point.
void StepDrag(HWND window, TPoint from, TPoint by, int steps) {
  const uintptr_t xWindow = static_cast<QWindow*>(ToolkitWindowOf(window))->winId();
  const TPoint before = ScreenOrigin(xWindow);
  ASSERT_TRUE(Xdo("mousemove --sync " + At(from) + " mousedown 1"));
  bool ok = WaitFor([] { return MoveSizeTracking(); });
  for (int i = 1; i <= steps && ok; ++i) {
    const TPoint step{by.x * i / steps, by.y * i / steps};
    const TPoint wanted{before.x + step.x, before.y + step.y};
    ok = Xdo("mousemove --sync " + At({from.x + step.x, from.y + step.y})) &&
         WaitFor([&] { return ScreenOrigin(xWindow) == wanted; });
    const TPoint at = ScreenOrigin(xWindow);
    EXPECT_TRUE(ok) << "step " << i << " of " << steps << ": the window moved by (" << at.x - before.x << ", "
                    << at.y - before.y << ") for (" << step.x << ", " << step.y << ")";
  }
  EXPECT_TRUE(Xdo("mouseup 1"));
}

struct TDragCase {
  const char* name;
  TPoint by;
  int steps;
};

constexpr TDragCase kSmallSteps[] = {{"eight small steps", {-100, 50}, 8}};
constexpr TDragCase kAllSteps[] = {{"eight small steps", {-100, 50}, 8}, {"two large steps", {-100, 50}, 2}};

// After the release the window stands where the press point went with the pointer.
void ExpectDragsFollowThePointer(TForm* form, std::span<const TDragCase> drags) {
  for (const TDragCase& c : drags) {
    SCOPED_TRACE(c.name);
    const TRect before = WindowBounds(form->Handle());
    TRect wanted = before;
    OffsetRect(wanted, c.by.x, c.by.y);
    StepDrag(form->Handle(), CaptionPoint(SkinOf(form)), c.by, c.steps);
    EXPECT_TRUE(WaitFor([&] { return !MoveSizeTracking() && WindowBounds(form->Handle()) == wanted; }))
        << "moved by (" << WindowBounds(form->Handle()).Left - before.Left << ", "
        << WindowBounds(form->Handle()).Top - before.Top << ")";
  }
}

class RealTitleBarDrag : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this under xvfb-run";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption("Title-bar drag");
    form_->SetBounds(300, 200, 420, 280);
    auto* skin = new TskForm(form_);
    skin->SetParent(form_);
    skin->SetUIStyle(Pearl);
    Application->SetMainForm(form_);
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  void TearDown() override { application_.reset(); }

  std::unique_ptr<TApplicationScope> application_;
  TForm* form_ = nullptr;
};

TEST_F(RealTitleBarDrag, TheFormMovesExactlyWithThePointer) { ExpectDragsFollowThePointer(form_, kAllSteps); }

// A press and a release on the caption without motion: afterwards the pointer moves freely
// over the window (nobody holds it for a move) and the window stays where it was.
TEST_F(RealTitleBarDrag, AClickOnTheCaptionLeavesNobodyMovingTheWindow) {
  const TRect before = WindowBounds(form_->Handle());
  ASSERT_TRUE(Xdo("mousemove --sync " + At(CaptionPoint(SkinOf(form_))) + " mousedown 1 mouseup 1"));
  const TPoint inside = form_->ClientToScreen({form_->ClientWidth() / 2, form_->ClientHeight() / 2});
  ASSERT_TRUE(Xdo("mousemove --sync " + At(inside)));
  EXPECT_TRUE(WaitFor([&] { return GetCursorPos() == inside; })) << "the window hears the pointer again";
  EXPECT_EQ(WindowBounds(form_->Handle()), before);
  EXPECT_FALSE(MoveSizeTracking());
}

// A skinned message box shown modally over the form moves as the form does.
TEST_F(RealTitleBarDrag, AMessageBoxMovesExactlyWithThePointer) {
  TskMessageDialog dialog(form_);
  dialog.SetText("Move me");
  std::unique_ptr<TfrmMsg> box = dialog.CreateForm();
  bool driven = false;
  // The box runs its own loop; the user's part is played from inside it.
  Application->OnIdle.Bind(nullptr, "Drive", [&](TObject*, bool&) {
    if (driven || !box->Visible() || !ToolkitWindowExposed(box->Handle())) return;
    driven = true;
    ExpectDragsFollowThePointer(box.get(), kSmallSteps);
    box->SetModalResult(mrCancel);
  });
  box->ShowModal();
  Application->OnIdle.Clear();
  EXPECT_TRUE(driven) << "the box never showed";
}

}  // namespace
