// A form with size constraints in a real window, sized by dragging its edges with the real
// pointer past its limits: the window stops at them, as the X server shows it, with no window
// manager and with one (which is told them as the window's size hints).
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QWindow>

#include <cstdint>
#include <cstdlib>
#include <memory>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/windows/move_size_tracking.h"
#include "skin/form.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_skinned_form.h"

namespace {

// What the X server knows of a window: its size and the size limits it carries.
struct TServerView {
  int width = 0;
  int height = 0;
  bool hasMinimum = false;
  int minWidth = 0;
  int minHeight = 0;
};

TServerView AskServer(uintptr_t xWindow) {
  TServerView view;
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    xcb_disconnect(c);
    return view;
  }
  const auto window = static_cast<xcb_window_t>(xWindow);
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr), &std::free);
  if (geometry) view.width = geometry->width, view.height = geometry->height;
  // WM_NORMAL_HINTS: flags, then x, y, width, height, min width, min height, ...
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> hints(
      xcb_get_property_reply(
          c, xcb_get_property(c, 0, window, XCB_ATOM_WM_NORMAL_HINTS, XCB_ATOM_WM_SIZE_HINTS, 0, 18), nullptr),
      &std::free);
  constexpr uint32_t kMinimumSizeFlag = 1u << 4;
  if (hints && hints->format == 32 && xcb_get_property_value_length(hints.get()) >= 7 * 4) {
    const auto* fields = static_cast<const uint32_t*>(xcb_get_property_value(hints.get()));
    view.hasMinimum = (fields[0] & kMinimumSizeFlag) != 0;
    view.minWidth = static_cast<int>(fields[5]);
    view.minHeight = static_cast<int>(fields[6]);
  }
  xcb_disconnect(c);
  return view;
}

class RealFormSizeLimits : public RealSkinnedFormTest {
 protected:
  void SetUp() override {
    caption_ = "Sized form";
    RealSkinnedFormTest::SetUp();
  }
  void Prepare() override {
    form_->Constraints()->SetMinWidth(400);
    form_->Constraints()->SetMinHeight(260);
    form_->Constraints()->SetMaxHeight(380);
  }

  TRect Placed() const { return WindowBounds(form_->Handle()); }
  TServerView Server() const {
    return AskServer(static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()))->winId());
  }
  // Both our window and the real one on the server have `size`.
  bool Settled(const TRect& wanted) const {
    const TServerView server = Server();
    return Placed() == wanted && server.width == wanted.Width() && server.height == wanted.Height();
  }
};

TEST_F(RealFormSizeLimits, TheWindowCarriesItsMinimumSize) {
  EXPECT_TRUE(WaitFor([&] {
    const TServerView server = Server();
    return server.hasMinimum && server.minWidth == 400 && server.minHeight == 260;
  }));
}

// An edge dragged far past a limit stops the window at it; the opposite edge stays put.
TEST_F(RealFormSizeLimits, AnEdgeDraggedPastALimitStopsAtIt) {
  struct TCase {
    const char* edge;
    TPoint (*grip)(const TRect& b);
    TPoint by;
    TRect (*stopped)(const TRect& b);
  } cases[] = {
      {"right, narrower than the minimum", [](const TRect& b) { return TPoint{b.Right - 2, b.Top + b.Height() / 2}; },
       {-300, 0}, [](const TRect& b) { return Bounds(b.Left, b.Top, 400, b.Height()); }},
      {"left, narrower than the minimum", [](const TRect& b) { return TPoint{b.Left + 1, b.Top + b.Height() / 2}; },
       {250, 0}, [](const TRect& b) { return Rect(b.Right - 400, b.Top, b.Right, b.Bottom); }},
      {"bottom, lower than the minimum", [](const TRect& b) { return TPoint{b.Left + b.Width() / 2, b.Bottom - 2}; },
       {0, -200}, [](const TRect& b) { return Bounds(b.Left, b.Top, b.Width(), 260); }},
      {"bottom, taller than the maximum", [](const TRect& b) { return TPoint{b.Left + b.Width() / 2, b.Bottom - 2}; },
       {0, 250}, [](const TRect& b) { return Bounds(b.Left, b.Top, b.Width(), 380); }},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.edge);
    const TRect before = Placed();
    const TRect stopped = c.stopped(before);
    const TPoint from = c.grip(before);
    Drag(from, {from.x + c.by.x, from.y + c.by.y}, [&] { return Placed() == stopped; });
    ASSERT_TRUE(WaitFor([&] { return !MoveSizeTracking(); }));
    EXPECT_TRUE(WaitFor([&] { return Settled(stopped); }))
        << "window " << Placed().Width() << "x" << Placed().Height() << ", on the server " << Server().width << "x"
        << Server().height << ", wanted " << stopped.Width() << "x" << stopped.Height();
  }
}

}  // namespace
