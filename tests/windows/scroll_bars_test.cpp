#include "tests/windows/window_fixture.h"

#include "platform/windows/scroll_bars.h"
#include "platform/windows/system_metrics.h"

namespace {

using ScrollBars = WindowTest;

SCROLLINFO Info(uint32_t mask, int min, int max, uint32_t page, int pos) {
  SCROLLINFO si;
  si.fMask = mask;
  si.nMin = min;
  si.nMax = max;
  si.nPage = page;
  si.nPos = pos;
  return si;
}

TEST_F(ScrollBars, ScrollableRangeShowsTheBarAndNarrowsTheClient) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND h = Make(top, Bounds(0, 0, 100, 80));
  SetScrollInfo(h, SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 99, 10, 0));
  TRect client;
  GetClientRect(h, client);
  EXPECT_EQ(client.Width(), 100 - GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_NE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL, 0);
  EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MakeLParam(95, 40)), HTVSCROLL);
  SetScrollInfo(h, SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 9, 10, 0));
  EXPECT_EQ(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL, 0) << "nothing to scroll hides the bar";
  SetScrollInfo(h, SB_VERT, Info(SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 9, 10, 0));
  EXPECT_NE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL, 0) << "SIF_DISABLENOSCROLL shows it disabled";
  SCROLLBARINFO sbi;
  ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, sbi));
  EXPECT_NE(sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE, 0u);
}

// A border ring of the window's own lies outside the client area and its frame bars.
TEST_F(ScrollBars, ABorderRingShrinksTheClientAndHoldsTheBarsInside) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND h = Make(top, Bounds(10, 10, 100, 80));
  SetWindowBorderRing(h, 2);
  EXPECT_EQ(ClientInWindow(h), Rect(2, 2, 98, 78));
  SetScrollInfo(h, SB_VERT, Info(SIF_RANGE | SIF_PAGE, 0, 99, 10, 0));
  EXPECT_EQ(ClientInWindow(h), Rect(2, 2, 98 - 16, 78));
  EXPECT_EQ(ScrollBarRect(h, SB_VERT), Rect(98 - 16, 2, 98, 78));
  EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MakeLParam(10 + 90, 10 + 40)), HTVSCROLL);
  EXPECT_EQ(SendMessage(h, WM_NCHITTEST, 0, MakeLParam(10 + 99, 10 + 40)), HTBORDER);
}

TEST_F(ScrollBars, PositionIsClampedToRangeMinusPage) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  EXPECT_EQ(SetScrollInfo(top, SB_HORZ, Info(SIF_ALL, 0, 99, 10, 500)), 90);
  EXPECT_EQ(GetScrollPos(top, SB_HORZ), 90);
  EXPECT_EQ(SetScrollPos(top, SB_HORZ, -4), 90) << "answers the old position";
  EXPECT_EQ(GetScrollPos(top, SB_HORZ), 0);
  SCROLLINFO got;
  got.fMask = SIF_ALL;
  GetScrollInfo(top, SB_HORZ, got);
  EXPECT_EQ(got.nMax, 99);
  EXPECT_EQ(got.nPage, 10u);
}

TEST_F(ScrollBars, ThumbTracksThePositionAndArrowsCanBeDisabled) {
  HWND top = MakeTop(Bounds(0, 0, 200, 216));
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99, 50, 0));
  SCROLLBARINFO sbi;
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.rcScrollBar, Rect(184, 0, 200, 216));
  EXPECT_EQ(sbi.dxyLineButton, 16);
  EXPECT_EQ(sbi.xyThumbTop, 16);
  EXPECT_EQ(sbi.xyThumbBottom, 16 + 92) << "half the range in view: half the 184-pixel track";
  SetScrollPos(top, SB_VERT, 50);
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.xyThumbBottom, 200);
  EnableScrollBar(top, SB_VERT, ESB_DISABLE_UP);
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_NE(sbi.rgstate[1] & STATE_SYSTEM_UNAVAILABLE, 0u);
  EXPECT_EQ(sbi.rgstate[5] & STATE_SYSTEM_UNAVAILABLE, 0u);
}

TEST_F(ScrollBars, HugeRangesPlaceTheThumbWithoutOverflow) {
  HWND top = MakeTop(Bounds(0, 0, 200, 216));
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99999999, 1, 50000000));
  SCROLLBARINFO sbi;
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.xyThumbTop, 16 + (184 - 8) / 2) << "a record in the middle of a hundred million";
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, -2000000000, 2000000000, 1000, 2000000000));
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(GetScrollPos(top, SB_VERT), 2000000000 - 999);
  EXPECT_EQ(sbi.xyThumbBottom, 200) << "the last page puts the thumb at the end of the track";
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, -2147483647 - 1, -2147483647, 100, 0));
  EXPECT_EQ(GetScrollPos(top, SB_VERT), -2147483647 - 1) << "a page larger than the range keeps pos at min";
}

// A dragged thumb goes with the pointer, also for a window that scrolls only once it is let go,
// and then shows the window's position again.
TEST_F(ScrollBars, ADraggedThumbFollowsThePointerUntilItIsLetGo) {
  HWND top = MakeTop(Bounds(0, 0, 200, 216));
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99, 50, 0));
  Pump();
  const TColor edge = Pixel(top, 192, 17);  // the thumb's top edge
  SCROLLBARINFO sbi;
  InjectMouseButton(mbLeft, true, {192, 40});
  Pump();
  InjectMouseMove({192, 80});
  Pump();
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.xyThumbTop, 16 + 40) << "moved with the pointer";
  EXPECT_EQ(GetScrollPos(top, SB_VERT), 0) << "the window took no position yet";
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99, 50, 0));
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.xyThumbTop, 16 + 40) << "a window setting its bar meanwhile leaves the thumb under the pointer";
  EXPECT_EQ(Pixel(top, 192, 16 + 40 + 1), edge) << "the thumb is drawn where it was dragged";
  EXPECT_NE(Pixel(top, 192, 17), edge) << "and no longer where it was";
  InjectMouseButton(mbLeft, false, {192, 80});
  Pump();
  GetScrollBarInfo(top, OBJID_VSCROLL, sbi);
  EXPECT_EQ(sbi.xyThumbTop, 16) << "let go, the thumb shows the window's own position";
  if (HasFailure()) SavePicture(top, "dragged_thumb");
}

// A bar on a window of the face colour shows its extent: its track is not the face colour
// its thumb and the window around it have.
TEST_F(ScrollBars, TheTrackStandsApartFromTheFace) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_VISIBLE, clBtnFace);
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99, 10, 0));
  Pump();
  EXPECT_NE(Pixel(top, 190, 60), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(top, 100, 60), ColorToRGB(clBtnFace)) << "the window around the bar";
  if (HasFailure()) SavePicture(top, "track");
}

TEST_F(ScrollBars, BarsAreDrawnInTheFrame) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_VISIBLE, clWhite);
  SetScrollInfo(top, SB_VERT, Info(SIF_ALL, 0, 99, 10, 0));
  SetScrollInfo(top, SB_HORZ, Info(SIF_ALL, 0, 99, 10, 0));
  Pump();
  EXPECT_EQ(Pixel(top, 190, 50), ColorToRGB(clScrollBar));
  EXPECT_EQ(Pixel(top, 190, 95), ColorToRGB(clBtnFace)) << "the corner between the bars";
  EXPECT_EQ(Pixel(top, 100, 40), ColorToRGB(clWhite));
  if (HasFailure()) SavePicture(top, "scroll_bars");
}

}  // namespace
