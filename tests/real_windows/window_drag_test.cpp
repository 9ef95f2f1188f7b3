// Moving a skinned form and a skinned message box by their title bars and sizing the form by
// its edges with the real pointer, with no window manager and with one: the window goes
// exactly where the pointer takes it, and a click that is not dragged leaves nobody moving
// the window.
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
#include "tests/real_windows/real_skinned_form.h"
#include "tests/real_windows/x_screen.h"

namespace {

std::string At(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

// Which edges of the window a drag takes with the pointer: all four for a move.
struct TDragged {
  bool left, top, right, bottom;
};
constexpr TDragged kWholeWindow{true, true, true, true};

TRect Dragged(TRect r, TDragged d, TPoint by) {
  if (d.left) r.Left += by.x;
  if (d.right) r.Right += by.x;
  if (d.top) r.Top += by.y;
  if (d.bottom) r.Bottom += by.y;
  return r;
}

std::string Change(const TRect& from, const TRect& to) {
  return "(" + std::to_string(to.Left - from.Left) + ", " + std::to_string(to.Top - from.Top) + ", " +
         std::to_string(to.Right - from.Right) + ", " + std::to_string(to.Bottom - from.Bottom) + ")";
}

// Presses the left button at `from`, takes the pointer `by` away in `steps` equal steps and
// lets go, as a hand does: it moves once the window has felt the press, and each step waits
// until the window stands on the screen where the step took the dragged edges.
void StepDrag(HWND window, TPoint from, TDragged edges, TPoint by, int steps) {
  const uintptr_t xWindow = static_cast<QWindow*>(ToolkitWindowOf(window))->winId();
  const TRect before = ScreenBounds(xWindow);
  ASSERT_TRUE(Xdo("mousemove " + At(from) + " mousedown 1"));
  bool ok = WaitFor([] { return MoveSizeTracking(); });
  for (int i = 1; i <= steps && ok; ++i) {
    const TPoint step{by.x * i / steps, by.y * i / steps};
    const TRect wanted = Dragged(before, edges, step);
    ok = Xdo("mousemove " + At({from.x + step.x, from.y + step.y})) &&
         WaitFor([&] { return ScreenBounds(xWindow) == wanted; });
    EXPECT_TRUE(ok) << "step " << i << " of " << steps << ": the edges moved by " << Change(before, ScreenBounds(xWindow))
                    << " for " << Change(before, wanted);
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

// After the release the window stands where the dragged edges went with the pointer.
void ExpectDragFollowsThePointer(HWND window, TPoint from, TDragged edges, const TDragCase& c) {
  SCOPED_TRACE(c.name);
  const TRect before = WindowBounds(window);
  const TRect wanted = Dragged(before, edges, c.by);
  StepDrag(window, from, edges, c.by, c.steps);
  EXPECT_TRUE(WaitFor([&] { return !MoveSizeTracking() && WindowBounds(window) == wanted; }))
      << "the edges moved by " << Change(before, WindowBounds(window));
}

void ExpectDragsFollowThePointer(HWND window, TskForm* skin, std::span<const TDragCase> drags) {
  for (const TDragCase& c : drags) ExpectDragFollowsThePointer(window, CaptionPoint(skin), kWholeWindow, c);
}

class RealWindowDrag : public RealSkinnedFormTest {
 protected:
  void SetUp() override {
    caption_ = "Title-bar drag";
    bounds_ = Bounds(300, 200, 420, 280);
    RealSkinnedFormTest::SetUp();
  }
};

TEST_F(RealWindowDrag, TheFormMovesExactlyWithThePointer) { ExpectDragsFollowThePointer(form_->Handle(), skin_, kAllSteps); }

// Each edge and corner takes only its own sides with the pointer, also in large steps.
TEST_F(RealWindowDrag, EdgesSizeTheFormExactlyWithThePointer) {
  struct TEdgeCase {
    const char* name;
    LRESULT hit;
    TPoint (*grip)(const TRect& b);
    TDragged edges;
    TDragCase drag;
  } cases[] = {
      {"right edge", HTRIGHT, [](const TRect& b) { return TPoint{b.Right - 2, b.Top + b.Height() / 2}; },
       {false, false, true, false}, {"eight small steps", {100, 0}, 8}},
      {"bottom-right corner", HTBOTTOMRIGHT, [](const TRect& b) { return TPoint{b.Right - 2, b.Bottom - 2}; },
       {false, false, true, true}, {"two large steps", {100, 60}, 2}},
      {"left edge", HTLEFT, [](const TRect& b) { return TPoint{b.Left + 1, b.Top + b.Height() / 2}; },
       {true, false, false, false}, {"two large steps", {-80, 0}, 2}},
  };
  for (const TEdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TPoint grip = c.grip(WindowBounds(form_->Handle()));
    ASSERT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, PointToLParam(grip)), c.hit);
    ExpectDragFollowsThePointer(form_->Handle(), grip, c.edges, c.drag);
  }
}

// A press and a release on the caption without motion: afterwards the pointer moves freely
// over the window (nobody holds it for a move) and the window stays where it was.
TEST_F(RealWindowDrag, AClickOnTheCaptionLeavesNobodyMovingTheWindow) {
  const TRect before = WindowBounds(form_->Handle());
  ASSERT_TRUE(Xdo("mousemove " + At(CaptionPoint(skin_)) + " mousedown 1 mouseup 1"));
  const TPoint inside = form_->ClientToScreen({form_->ClientWidth() / 2, form_->ClientHeight() / 2});
  ASSERT_TRUE(Xdo("mousemove " + At(inside)));
  EXPECT_TRUE(WaitFor([&] { return GetCursorPos() == inside; })) << "the window hears the pointer again";
  EXPECT_EQ(WindowBounds(form_->Handle()), before);
  EXPECT_FALSE(MoveSizeTracking());
}

// A skinned message box shown modally over the form moves as the form does.
TEST_F(RealWindowDrag, AMessageBoxMovesExactlyWithThePointer) {
  TskMessageDialog dialog(form_);
  dialog.SetText("Move me");
  std::unique_ptr<TfrmMsg> box = dialog.CreateForm();
  bool driven = false;
  // The box runs its own loop; the user's part is played from inside it.
  Application->OnIdle.Bind(nullptr, "Drive", [&](TObject*, bool&) {
    if (driven || !box->Visible() || !ToolkitWindowExposed(box->Handle())) return;
    driven = true;
    ExpectDragsFollowThePointer(box->Handle(), box->skForm1(), kSmallSteps);
    box->SetModalResult(mrCancel);
  });
  box->ShowModal();
  Application->OnIdle.Clear();
  EXPECT_TRUE(driven) << "the box never showed";
}

}  // namespace
