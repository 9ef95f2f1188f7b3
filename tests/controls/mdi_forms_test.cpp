// Multiple-document forms: the frame's client window, child forms living in it, which child is
// active, and a child going.

#include "tests/controls/control_fixture.h"

#include <utility>

#include "platform/windows/input.h"
#include "platform/windows/mdi_client.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"

namespace {

class MDIForms : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    frame_ = new TForm(Application);
    frame_->SetFormStyle(fsMDIForm);
    frame_->SetBoundsRect(Bounds(0, 0, 500, 400));
    Application->SetMainForm(frame_);
    frame_->Show();
  }
  TForm* Child(TRect bounds) {
    auto* child = new TForm(Application);
    child->SetFormStyle(fsMDIChild);
    child->SetBoundsRect(bounds);
    // Every WM_MDIACTIVATE a child sees, as (deactivated, activated).
    child->WindowProc = [this, child, previous = child->WindowProc](TMessage& m) {
      if (m.Msg == WM_MDIACTIVATE)
        activations_.push_back({child, {reinterpret_cast<HWND>(m.WParam), reinterpret_cast<HWND>(m.LParam)}});
      previous(m);
    };
    child->Show();
    return child;
  }
  using TActivation = std::pair<TForm*, std::pair<HWND, HWND>>;
  TForm* frame_ = nullptr;
  std::vector<TActivation> activations_;
};

TEST_F(MDIForms, TheClientFillsWhatTheAlignedControlsLeave) {
  HWND client = frame_->ClientHandle();
  ASSERT_TRUE(IsMDIClient(client));
  EXPECT_EQ(GetParent(client), frame_->Handle());
  EXPECT_EQ(WindowBounds(client), frame_->ClientRect());
  TTestControl* bar = AddControl(frame_, Bounds(0, 0, 10, 30));
  bar->SetAlign(alTop);
  frame_->SetBounds(0, 0, 600, 450);
  EXPECT_EQ(WindowBounds(client), Rect(0, 30, frame_->ClientWidth(), frame_->ClientHeight()));
  auto* plain = new TForm(Application);
  EXPECT_EQ(plain->ClientHandle(), nullptr);
  EXPECT_EQ(plain->ActiveMDIChild(), nullptr);
}

TEST_F(MDIForms, ChildrenLiveInTheClientAndTheLastShownIsActive) {
  TForm* first = Child(Bounds(10, 10, 200, 150));
  EXPECT_EQ(GetParent(first->Handle()), frame_->ClientHandle());
  EXPECT_EQ(WindowBounds(first->Handle()), Bounds(10, 10, 200, 150)) << "placed in the client";
  EXPECT_EQ(frame_->ActiveMDIChild(), first);
  TForm* second = Child(Bounds(40, 40, 200, 150));
  EXPECT_EQ(frame_->ActiveMDIChild(), second);
  EXPECT_EQ(ChildWindows(frame_->ClientHandle()).front(), second->Handle()) << "the active child is on top";
  const std::vector<TActivation> expected = {
      {first, {nullptr, first->Handle()}},
      {first, {first->Handle(), second->Handle()}},
      {second, {first->Handle(), second->Handle()}},
  };
  EXPECT_EQ(activations_, expected);
  SendMessage(frame_->ClientHandle(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(first->Handle()));
  EXPECT_EQ(frame_->ActiveMDIChild(), first);
  EXPECT_EQ(ChildWindows(frame_->ClientHandle()).front(), first->Handle());
}

// A press on a child that is not the active one, on the child itself or on a control of it,
// makes it the active child, as a click on a window makes it the active window.
TEST_F(MDIForms, PressingAChildMakesItTheActiveOne) {
  TForm* first = Child(Bounds(10, 10, 200, 150));
  TTestControl* inside = AddControl(first, Bounds(0, 0, 60, 40));
  TForm* second = Child(Bounds(150, 100, 200, 150));
  const TPoint firstOnly{5, 5};  // where the children do not overlap
  const TPoint secondOnly{second->ClientWidth() - 5, second->ClientHeight() - 5};
  struct TCase {
    TControl* pressed;
    TPoint at;
    TForm* active;
  } cases[] = {{inside, firstOnly, first}, {second, secondOnly, second}, {first, firstOnly, first}, {second, secondOnly, second}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pressed->ClassName() << " at " << c.at.x << "," << c.at.y);
    InjectClick(At(c.pressed, c.at.x, c.at.y));
    Pump();
    EXPECT_EQ(frame_->ActiveMDIChild(), c.active);
    EXPECT_EQ(ChildWindows(frame_->ClientHandle()).front(), c.active->Handle()) << "the active child is on top";
  }
}

TEST_F(MDIForms, AMaximizedChildFillsTheClientAndComesBack) {
  TForm* child = Child(Bounds(10, 10, 200, 150));
  child->SetWindowState(wsMaximized);
  EXPECT_EQ(child->WindowState(), wsMaximized);
  TRect client;
  GetClientRect(frame_->ClientHandle(), client);
  EXPECT_EQ(child->BoundsRect(), client);
  child->SetWindowState(wsNormal);
  EXPECT_EQ(child->BoundsRect(), Bounds(10, 10, 200, 150));
}

TEST_F(MDIForms, FreeingTheActiveChildActivatesTheNext) {
  TForm* first = Child(Bounds(10, 10, 200, 150));
  TForm* second = Child(Bounds(40, 40, 200, 150));
  HWND window = second->Handle();
  bool destroyedInClient = false;
  second->WindowProc = [&, previous = second->WindowProc](TMessage& m) {
    if (m.Msg == WM_DESTROY) destroyedInClient = GetParent(window) == frame_->ClientHandle();
    previous(m);
  };
  activations_.clear();
  delete second;
  EXPECT_TRUE(destroyedInClient) << "the child's own procedure sees its window go";
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(frame_->ActiveMDIChild(), first);
  ASSERT_EQ(activations_.size(), 1u);
  EXPECT_EQ(activations_[0], (TActivation{first, {nullptr, first->Handle()}}));
  delete first;
  EXPECT_EQ(frame_->ActiveMDIChild(), nullptr);
}

TEST_F(MDIForms, AChildNeedsAFrameAsTheMainForm) {
  Application->SetMainForm(MakeForm());
  auto* child = new TForm(Application);
  child->SetFormStyle(fsMDIChild);
  try {
    child->Show();
    FAIL() << "a child without a frame was shown";
  } catch (const EInvalidOperation& e) {
    EXPECT_STREQ(e.what(), "Cannot create form. No MDI forms are currently active");
  }
  child->SetVisible(false);
  delete child;
}

}  // namespace
