// The navigation side bar in a real window under the real mouse: dragging its buttons and
// switching its headers, as the user sees and feels it.
#include <gtest/gtest.h>

#include <QWindow>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/panel.h"
#include "platform/windows/painting.h"
#include "sidebar/alpha_blend.h"
#include "sidebar/side_bar.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/x_screen.h"

namespace {

std::string At(TPoint p) { return std::to_string(p.x) + " " + std::to_string(p.y); }

class RealSideBar : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption("Side bar " + std::to_string(getpid()));
    form_->SetBounds(100, 100, 480, 420);
    bar_ = new TnbSideBar(form_);
    bar_->SetParent(form_);
    bar_->SetWidth(160);
    for (const char* caption : {"Mail", "Contacts", "Tools"}) {
      TnbHeader* h = bar_->Headers()->Add();
      h->SetCaption(caption);
      for (int i = 1; i <= 3; ++i) h->Buttons()->Add()->SetCaption(std::string(caption) + " " + std::to_string(i));
    }
    bar_->SetActiveHeader(bar_->GetHeader(0));
    elsewhere_ = new TPanel(form_);
    elsewhere_->SetParent(form_);
    elsewhere_->SetBounds(260, 40, 120, 60);
    elsewhere_->OnClick.Bind(form_, "Clicked", [this](TObject*) { ++clicks_; });
    bar_->OnDragOver.Bind(form_, "Over", [this](TnbSideBar*, TObject*, TShiftState, TDragState, TPoint p, TnbDropMode,
                                                uint32_t&, bool&) { overY_ = p.y; });
    bar_->OnChange.Bind(form_, "Change", [this](TObject*, int, int newIndex) { switchedTo_ = newIndex; });
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  }
  void TearDown() override {
    if (hand_.joinable()) hand_.join();
    application_.reset();
  }

  TnbHeader* Header(int i) const { return bar_->GetHeader(i); }
  TPoint OnScreen(TPoint client) const { return bar_->ClientToScreen(client); }
  TPoint ButtonCentre(int header, int button) const {
    const TRect r = Header(header)->GetButton(button)->Rects().Button;
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  TPoint CaptionCentre(int header) const {
    const TRect r = Header(header)->CaptionRect();
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // Where the hand goes next, and what it waits for there.
  struct THandStep {
    TPoint to;
    std::function<bool()> then;
  };
  // Waits until the bar has felt the pointer at `p` during a drag.
  std::function<bool()> Felt(TPoint p) {
    return [this, y = p.y] { return overY_ == y; };
  }
  // The user's hand, on a thread of its own: the drag runs its own loop on the program's
  // thread, which the test waits in. Presses on `from`, pulls the button away, goes through
  // `steps` and lets go after the last.
  void DragButton(TPoint from, std::vector<THandStep> steps) {
    for (THandStep& s : steps) s.to = OnScreen(s.to);
    const TPoint f = OnScreen(from), away = OnScreen({from.x, from.y + 10});
    hand_ = std::thread([this, f, away, steps] {
      Xdo("mousemove " + At(f) + " mousedown 1");
      Xdo("mousemove " + At(away));
      for (const THandStep& s : steps) {
        Xdo("mousemove " + At(s.to));
        for (int i = 0; i < kPatienceMs / 5 && !s.then(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
      }
      Xdo("mouseup 1");
      handDone_ = true;
    });
  }

  TForm* form_ = nullptr;
  TnbSideBar* bar_ = nullptr;
  TPanel* elsewhere_ = nullptr;
  int clicks_ = 0;
  std::atomic<int> overY_{-1};
  std::atomic<int> switchedTo_{-1};
  std::atomic<bool> handDone_{false};
  std::thread hand_;

 private:
  TnbSideBarUnit unit_;
  std::unique_ptr<TApplicationScope> application_;
};

TEST_F(RealSideBar, AfterAReorderingDragTheNextClickGoesWhereTheUserClicked) {
  const TRect last = Header(0)->GetButton(2)->Rects().Button;
  const TPoint behindLast{(last.Left + last.Right) / 2, last.Bottom - 2};
  DragButton(ButtonCentre(0, 0), {{behindLast, Felt(behindLast)}});
  ASSERT_TRUE(WaitFor([&] { return handDone_ && Header(0)->GetButton(2)->Caption() == "Mail 1"; }))
      << "the button moved behind the last one";
  ASSERT_TRUE(ClickAt(elsewhere_->ClientToScreen({20, 20})));
  EXPECT_TRUE(WaitFor([&] { return clicks_ == 1; })) << "the first click after the drag reaches the panel";
  ASSERT_TRUE(ClickAt(elsewhere_->ClientToScreen({30, 20})));
  EXPECT_TRUE(WaitFor([&] { return clicks_ == 2; }));
}

TEST_F(RealSideBar, AButtonHeldOverAnotherCaptionOpensItsHeaderAndIsDroppedThere) {
  const TPoint caption = CaptionCentre(1);
  // The middle of the bar lies in the body of whichever header is open.
  const TPoint body{caption.x, bar_->ClientHeight() / 2};
  DragButton(ButtonCentre(0, 0), {{caption, [this] { return switchedTo_ == 1; }}, {body, Felt(body)}});
  ASSERT_TRUE(WaitFor([&] { return handDone_.load(); }));
  EXPECT_EQ(bar_->ActiveHeader(), Header(1)) << "held over its caption, the header opened";
  ASSERT_TRUE(WaitFor([&] { return Header(1)->ButtonCount() == 4; })) << "the drop went into the opened header";
  EXPECT_EQ(Header(1)->GetButton(3)->Caption(), "Mail 1");
  EXPECT_EQ(Header(0)->ButtonCount(), 2) << "moved, not copied";
}

// A drop lands where the button is let go, also when the program was busy and took the press,
// the pointer's moves and the release together: the moves merged into one, the release after
// it at another place, as the window system hands them over on a loaded machine.
TEST_F(RealSideBar, ADropLandsWhereTheButtonIsLetGoHoweverFewMovesCame) {
  // The move goes over the second button, where a drop would land after it; the release is
  // on the last one.
  const TRect last = Header(0)->GetButton(2)->Rects().Button;
  const TPoint from = OnScreen(ButtonCentre(0, 0)), moved = OnScreen(ButtonCentre(0, 1));
  const TPoint released = OnScreen({(last.Left + last.Right) / 2, last.Bottom - 2});
  // One run of the X test tool while the program handles nothing: all of it waits in the queue.
  ASSERT_TRUE(Xdo("mousemove " + At(from) + " mousedown 1 mousemove " + At(moved) + " mousemove " +
                  At(released) + " mouseup 1"));
  EXPECT_TRUE(WaitFor([&] { return Header(0)->GetButton(2)->Caption() == "Mail 1"; }))
      << "the button moved behind the last one, where it was let go";
  EXPECT_EQ(Header(0)->ButtonCount(), 3);
}

TEST_F(RealSideBar, ASwitchSlidesFrameByFrameOnTheScreen) {
  bar_->SetHeaderScrollType(stLinear);
  ASSERT_TRUE(WaitFor([&] { return !HasInvalidWindows(); }));
  // A strip across the middle of the bar, where the captions pass on their way up, in the
  // coordinates of the form's window.
  const int h = bar_->ClientHeight();
  const TPoint top = OnScreen({20, h / 3});
  const TRect window = WindowBounds(form_->Handle());
  const TRect strip = Bounds(top.x - window.Left, top.y - window.Top, 4, h / 3);
  TDamageCounter shown(static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()))->winId());
  ASSERT_TRUE(shown.Ok()) << "the X server reports what reaches the window";
  ASSERT_TRUE(ClickAt(OnScreen(CaptionCentre(2))));
  ASSERT_TRUE(WaitFor([&] { return bar_->ActiveHeader() == Header(2); }));
  // Each frame of the slide reached the window on its own, however late they are counted.
  EXPECT_TRUE(WaitFor([&] { return shown.Count(strip) >= 5; }))
      << "the strip showed the captions at several places between the start and the end; pictures: "
      << shown.Count(strip);
}

}  // namespace
