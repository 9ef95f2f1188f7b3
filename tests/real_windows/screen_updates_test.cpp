// When what a window draws reaches the screen: once a turn of the message loop, in one picture
// however often the program drew during the turn, as the X server reports it.
#include <gtest/gtest.h>

#include <QWindow>

#include <memory>
#include <vector>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/controls/panel.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/painting.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/x_screen.h"

namespace {

class RealScreenUpdates : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
    application_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetCaption("Screen updates");
    form_->SetBorderStyle(bsNone);
    form_->SetBounds(100, 100, 300, 200);
    // Small windows to draw on: a device context marks its whole window as drawn on.
    for (TPoint at : {TPoint{10, 10}, TPoint{50, 10}, TPoint{90, 10}, TPoint{10, 120}, TPoint{10, 150}}) {
      auto* spot = new TPanel(form_);
      spot->SetParent(form_);
      spot->SetBounds(at.x, at.y, 20, 20);
      spots_.push_back(spot);
    }
    form_->Show();
    ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()) && !HasInvalidWindows(); }))
        << "the window never showed";
  }
  void TearDown() override { application_.reset(); }

  uintptr_t XWindow() const { return static_cast<QWindow*>(ToolkitWindowOf(form_->Handle()))->winId(); }
  // Fills spot `i` at once, outside any paint, as a program draws with GetDC; answers where
  // it lies on the form's window.
  TRect Draw(size_t i, COLORREF colour) {
    HWND h = spots_[i]->Handle();
    HDC dc = GetDC(h);
    TGdiOwner<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, Rect(0, 0, 20, 20), brush.get());
    ReleaseDC(h, dc);
    return spots_[i]->BoundsRect();
  }

  TForm* form_ = nullptr;
  std::vector<TPanel*> spots_;

 private:
  std::unique_ptr<TApplicationScope> application_;
};

TEST_F(RealScreenUpdates, ThreeDrawingsOfOneTurnReachTheScreenAsOnePicture) {
  TDamageCounter shown(XWindow());
  ASSERT_TRUE(shown.Ok()) << "the X server reports what reaches the window";
  // Counted are the pictures that lie within the squares; the window's own, of the whole of
  // it as it came on the screen, are not. A mark is drawn first, and once more when it has
  // reached the screen: once the second reached it on its own, the window's first pictures
  // are behind.
  const TRect start = Draw(3, RGB(0, 200, 0));
  ASSERT_TRUE(WaitFor([&] { return shown.Count(start) > 0; }));
  Draw(3, RGB(0, 100, 0));
  ASSERT_TRUE(WaitFor([&] { return shown.CountWithin(start) > 0; }));
  const TRect squares = Bounds(10, 10, 100, 20);
  for (size_t i : {0, 1, 2}) Draw(i, RGB(200, 0, 0));
  ASSERT_TRUE(WaitFor([&] { return shown.CountWithin(squares) > 0; }));
  // A mark drawn a turn later: once it is reported, so is everything the window showed before.
  const TRect end = Draw(4, RGB(0, 0, 200));
  ASSERT_TRUE(WaitFor([&] { return shown.CountWithin(end) > 0; }));
  EXPECT_EQ(shown.CountWithin(squares), 1) << "the three squares reached the screen together";
}

}  // namespace
