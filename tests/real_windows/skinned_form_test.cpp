// A skinned form in a real window, driven by real input: its title bar moves it, its grips
// size it, its buttons maximize, restore, minimize and close it, and its round corners shape
// the window; with no window manager and with one.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/panel.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "platform/windows/move_size_tracking.h"
#include "platform/windows/painting.h"
#include "platform/windows/system_metrics.h"
#include "skin/form.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_skinned_form.h"

namespace {

class RealSkinnedForm : public RealSkinnedFormTest {
 protected:
  TRect Bounds() const { return WindowBounds(form_->Handle()); }
  TPoint ButtonCentre(TskTitleBarBtnType type) const {
    TskTitleBar* bar = skin_->TitleBar();
    for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons) {
      if (bar->Buttons()->Items(place.Index)->ButtonType() != type) continue;
      return bar->ClientToScreen({(place.Rect.Left + place.Rect.Right) / 2, (place.Rect.Top + place.Rect.Bottom) / 2});
    }
    ADD_FAILURE() << "no button of type " << int(type);
    return {};
  }
  TPoint Caption() const { return CaptionPoint(skin_); }
};

// The backend gives the real window the same shape (its mask) as our tree's region.
TEST_F(RealSkinnedForm, TheRoundCornersShapeTheWindow) {
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(form_->Handle(), shape), RGN_ERROR);
  EXPECT_FALSE(PtInRegion(shape, 0, 0));
  EXPECT_TRUE(PtInRegion(shape, form_->Width() / 2, 0));
  EXPECT_TRUE(PtInRegion(shape, 0, form_->Height() - 1));
  DeleteObject(shape);
}

TEST_F(RealSkinnedForm, DraggingTheTitleBarMovesTheWindowAndAGripSizesIt) {
  const TRect before = Bounds();
  TRect moved = before;
  OffsetRect(moved, 60, 40);
  TPoint from = Caption();
  Drag(from, {from.x + 60, from.y + 40}, [&] { return Bounds() == moved; });
  EXPECT_TRUE(WaitFor([&] { return Bounds() == moved; })) << "title bar drag";
  TPoint corner{moved.Right - 2, moved.Bottom - 2};  // inside the bottom-right grip
  ASSERT_EQ(SendMessage(form_->Handle(), WM_NCHITTEST, 0, PointToLParam(corner)), HTBOTTOMRIGHT);
  TRect sized = moved;
  sized.Right += 50;
  sized.Bottom += 30;
  Drag(corner, {corner.x + 50, corner.y + 30}, [&] { return Bounds() == sized; });
  EXPECT_TRUE(WaitFor([&] { return Bounds() == sized; })) << "grip drag";
  EXPECT_TRUE(WaitFor([&] { return skin_->Width() == sized.Width() - 6; })) << "the skin follows the size";
}

// Each edge sizes the window anywhere in its grip, also where the theme's border is one pixel
// wide and a control covers the rest of the grip.
TEST_F(RealSkinnedForm, EveryEdgeSizesTheWindowAcrossItsWholeGrip) {
  skin_->SetFormBorderWidth(1);
  auto* cover = new TPanel(form_);
  cover->SetParent(skin_);
  cover->SetAlign(alClient);
  struct TCase {
    const char* edge;
    TPoint (*grip)(const TRect& b);
    TPoint by;
  } cases[] = {{"left", [](const TRect& b) { return TPoint{b.Left + 3, b.Top + b.Height() / 2}; }, {-30, 0}},
               {"right", [](const TRect& b) { return TPoint{b.Right - 4, b.Top + b.Height() / 2}; }, {30, 0}},
               {"bottom", [](const TRect& b) { return TPoint{b.Left + b.Width() / 2, b.Bottom - 4}; }, {0, 30}}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.edge);
    const TRect before = Bounds();
    TRect sized = before;
    if (c.by.x < 0) sized.Left += c.by.x;
    if (c.by.x > 0) sized.Right += c.by.x;
    sized.Bottom += c.by.y;
    const TPoint from = c.grip(before);
    Drag(from, {from.x + c.by.x, from.y + c.by.y}, [&] { return Bounds() == sized; });
    EXPECT_TRUE(WaitFor([&] { return Bounds() == sized; }));
    ASSERT_TRUE(WaitFor([&] { return !MoveSizeTracking(); }));
  }
}

// Clicks on the caption leave the window where it is; a double click maximizes it, and it is
// restored to where it was.
TEST_F(RealSkinnedForm, ClicksOnTheCaptionLeaveTheWindowAndADoubleClickMaximizesIt) {
  const TRect before = Bounds();
  const TPoint caption = Caption();
  ASSERT_TRUE(ClickAt(caption));
  ASSERT_TRUE(ClickAt({caption.x + 250, caption.y}));
  const std::string between = std::to_string(caption.x + 120) + " " + std::to_string(caption.y);
  ASSERT_TRUE(Xdo("mousemove " + between + " click --repeat 2 --delay 100 1"));
  EXPECT_TRUE(WaitFor([&] { return IsZoomed(form_->Handle()) && Bounds() == WorkArea(); })) << "maximized";
  ASSERT_TRUE(ClickAt(ButtonCentre(skMax)));
  EXPECT_TRUE(WaitFor([&] { return !IsZoomed(form_->Handle()) && Bounds() == before; })) << "restored where it was";
}

TEST_F(RealSkinnedForm, TheButtonsMaximizeRestoreMinimizeAndClose) {
  const TRect before = Bounds();
  ASSERT_TRUE(ClickAt(ButtonCentre(skMax)));
  EXPECT_TRUE(WaitFor([&] { return IsZoomed(form_->Handle()) && Bounds() == WorkArea(); })) << "maximized";
  ASSERT_TRUE(ClickAt(ButtonCentre(skMax)));
  EXPECT_TRUE(WaitFor([&] { return !IsZoomed(form_->Handle()) && Bounds() == before; })) << "restored";
  ASSERT_TRUE(ClickAt(ButtonCentre(skMin)));
  EXPECT_TRUE(WaitFor([&] { return IsIconic(form_->Handle()); })) << "minimized";
  // A window manager iconifies when it gets to it: a restore asked before then is undone by
  // the iconify still on its way.
  if (WindowManagerName()) {
    ASSERT_TRUE(WaitFor([&] { return !ToolkitWindowExposed(form_->Handle()); }));
  }
  ShowWindow(form_->Handle(), SW_RESTORE);
  ASSERT_TRUE(WaitFor([&] { return !IsIconic(form_->Handle()) && ToolkitWindowExposed(form_->Handle()); }));
  ASSERT_TRUE(ClickAt(ButtonCentre(skClose)));
  EXPECT_TRUE(WaitFor([&] { return Application->Terminated(); })) << "closing the main form ends the program";
}

TEST_F(RealSkinnedForm, AltF4ClosesTheForm) {
  ASSERT_TRUE(ClickAt(Caption()));  // the window takes the keyboard
  ASSERT_TRUE(WaitFor([&] { return form_->Active(); }));
  ASSERT_TRUE(Xdo("key --clearmodifiers alt+F4"));
  EXPECT_TRUE(WaitFor([&] { return Application->Terminated(); }));
}

}  // namespace
