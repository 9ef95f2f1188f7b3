#include "tests/windows/window_fixture.h"

#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "platform/windows/backend.h"
#include "platform/windows/frame_layout.h"
#include "platform/windows/system_metrics.h"

namespace {

// A backend that records what the tree asks of the real windows.
class TRecordingBackend : public THeadlessBackend {
 public:
  struct TCall {
    String what;
    HWND top;
    intptr_t value;
    bool operator==(const TCall&) const = default;
  };
  std::vector<TCall>* calls;

  explicit TRecordingBackend(std::vector<TCall>* log) : calls(log) {}
  TRect WorkArea() const override { return Rect(0, 30, 1000, 700); }
  void WindowShown(HWND top, bool visible) override { calls->push_back({"shown", top, visible}); }
  void WindowGeometryChanged(HWND top) override { calls->push_back({"geometry", top, 0}); }
  void WindowShapeChanged(HWND top) override { calls->push_back({"shape", top, 0}); }
  void WindowDestroyed(HWND top) override { calls->push_back({"destroyed", top, 0}); }
  void PresentWindow(HWND top, const TRect&) override { calls->push_back({"present", top, 0}); }
};

class Backends : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetBackend(std::make_unique<TRecordingBackend>(&calls_));
  }
  void TearDown() override {
    WindowTest::TearDown();
    SetBackend(nullptr);
  }
  std::vector<TRecordingBackend::TCall> CallsOf(const char* what) {
    std::vector<TRecordingBackend::TCall> out;
    for (const auto& c : calls_)
      if (c.what == what) out.push_back(c);
    return out;
  }
  std::vector<TRecordingBackend::TCall> calls_;
};

using Call = TRecordingBackend::TCall;

TEST_F(Backends, OnlyTopLevelWindowsGetRealWindows) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  Make(top, Bounds(0, 0, 50, 50));
  EXPECT_EQ(CallsOf("shown"), (std::vector<Call>{{"shown", top, 1}}));
  MoveWindow(top, 10, 10, 300, 200);
  EXPECT_EQ(CallsOf("geometry").size(), 1u);
  ShowWindow(top, SW_HIDE);
  EXPECT_EQ(CallsOf("shown").back(), (Call{"shown", top, 0}));
}

TEST_F(Backends, PaintingPresentsOnceAPassAndDestroyingLetsTheRealWindowGo) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  Make(top, Bounds(0, 0, 50, 50));
  Make(top, Bounds(60, 0, 50, 50));
  Pump();
  EXPECT_EQ(CallsOf("present").size(), 1u) << "three windows painted, one picture handed over";
  DestroyWindow(top);
  EXPECT_EQ(CallsOf("destroyed"), (std::vector<Call>{{"destroyed", top, 0}}));
}

// A click on the caption or an edge moves nothing; once dragged, the window follows the
// pointer to where the button goes up, and the real window with it.
TEST_F(Backends, DraggingTheCaptionOrAnEdgeTakesTheRealWindowWithThePointer) {
  struct TCase {
    TPoint press;
    LRESULT hit;
    TRect after;
  } cases[] = {{{100, 10}, HTCAPTION, Bounds(20, 10, 300, 200)},
               {{298, 198}, HTBOTTOMRIGHT, Bounds(0, 0, 320, 210)},
               {{150, 100}, HTCLIENT, Bounds(0, 0, 300, 200)}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.hit);
    HWND top = MakeTop(Bounds(0, 0, 300, 200), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU);
    ASSERT_EQ(SendMessage(top, WM_NCHITTEST, 0, PointToLParam(c.press)), c.hit);
    calls_.clear();
    InjectClick(c.press);
    TestClock().Advance(1000);  // the press below is no double click
    InjectMouseButton(mbLeft, true, c.press);
    Pump();
    InjectMouseMove({c.press.x + 2, c.press.y + 1});
    EXPECT_TRUE(CallsOf("geometry").empty()) << "a click, and a press not yet dragged, move nothing";
    InjectMouseMove({c.press.x + 20, c.press.y + 10});
    InjectMouseButton(mbLeft, false, {c.press.x + 20, c.press.y + 10});
    Pump();
    EXPECT_EQ(WindowBounds(top), c.after);
    EXPECT_EQ(CallsOf("geometry").empty(), c.hit == HTCLIENT) << "the real window follows";
    DestroyWindow(top);
  }
}

TEST_F(Backends, ACaptionButtonAndADoubleClickOnTheCaptionMaximizeToTheWorkArea) {
  HWND top = MakeTop(Bounds(50, 50, 300, 200), WS_POPUP | WS_VISIBLE | WS_OVERLAPPEDWINDOW);
  InjectClick({150, 60});
  TestClock().Advance(100);
  InjectClick({150, 60});
  Pump();
  EXPECT_TRUE(IsZoomed(top));
  EXPECT_EQ(WindowBounds(top), Rect(0, 30, 1000, 700));
  InjectMouseButton(mbLeft, true, {150, 40});
  Pump();
  InjectMouseMove({190, 80});
  InjectMouseButton(mbLeft, false, {190, 80});
  Pump();
  EXPECT_EQ(WindowBounds(top), Rect(0, 30, 1000, 700)) << "a maximised window is not moved by its caption";
  TFrameLayout frame = ComputeFrameLayout(static_cast<uint32_t>(GetWindowLong(top, GWL_STYLE)), 0, WindowBounds(top));
  TPoint restore = frame.maxButton.TopLeft();
  InjectClick({restore.x + 3, restore.y + 30 + 3});
  Pump();
  EXPECT_FALSE(IsZoomed(top)) << "the maximise button restores a maximised window";
  EXPECT_EQ(WindowBounds(top), Bounds(50, 50, 300, 200));
}

TEST_F(Backends, WindowRegionsShapeTheRealWindow) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  SetWindowRgn(top, CreateRoundRectRgn(0, 0, 200, 100, 20, 20), true);
  EXPECT_EQ(CallsOf("shape").size(), 1u);
  HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(top, copy), RGN_ERROR);
  EXPECT_FALSE(PtInRegion(copy, 0, 0));
  EXPECT_TRUE(PtInRegion(copy, 100, 50));
  DeleteObject(copy);
  EXPECT_EQ(WindowFromPoint({0, 0}), nullptr) << "outside the shape the pointer misses the window";
}

}  // namespace
