#include "tests/windows/window_fixture.h"

#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"
#include "platform/windows/frame_painting.h"

namespace {

using Painting = WindowTest;

TEST_F(Painting, FramePaintsBeforeEraseBeforePaint) {
  HWND top = MakeTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE | WS_BORDER);
  Pump();
  EXPECT_EQ(MessagesOf(top, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}),
            (std::vector<UINT>{WM_NCPAINT, WM_PAINT, WM_ERASEBKGND}))
      << "WM_ERASEBKGND is sent from inside WM_PAINT's BeginPaint";
  ClearLog();
  InvalidateRect(top, nullptr, false);
  Pump();
  EXPECT_EQ(MessagesOf(top, {WM_NCPAINT, WM_ERASEBKGND, WM_PAINT}), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(Painting, EraseReceivesAClientDeviceContext) {
  HWND top = MakeTop(Bounds(0, 0, 100, 80), WS_POPUP | WS_VISIBLE | WS_BORDER);
  SetWindowProc(top, [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_PAINT) {
      PAINTSTRUCT ps;
      BeginPaint(h, ps);  // leaves the erased background alone
      EndPaint(h, ps);
      return 0;
    }
    return DefWindowProc(h, msg, w, l);
  });
  Pump();
  EXPECT_EQ(Pixel(top, 0, 0), ColorToRGB(clWindowFrame)) << "the border from WM_NCPAINT";
  EXPECT_EQ(Pixel(top, 1, 1), ColorToRGB(clBtnFace)) << "the class background at client (0,0)";
  EXPECT_EQ(Pixel(top, 98, 78), ColorToRGB(clBtnFace));
}

TEST_F(Painting, ChildrenAreClippedOutOnlyWithClipChildren) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE, clRed);
  HWND child = Make(top, Bounds(10, 10, 20, 20), WS_CHILD | WS_VISIBLE, 0, clBlue);
  Pump();
  // The child hides no parent pixels by itself; which colour wins depends on order only.
  HDC dc = GetDC(top);
  HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
  FillRect(dc, Rect(0, 0, 100, 100), green);
  ReleaseDC(top, dc);
  EXPECT_EQ(Pixel(top, 15, 15), RGB(0, 255, 0));
  SetWindowLong(top, GWL_STYLE, GetWindowLong(top, GWL_STYLE) | WS_CLIPCHILDREN);
  InvalidateRect(child, nullptr, true);
  Pump();
  dc = GetDC(top);
  FillRect(dc, Rect(0, 0, 100, 100), green);
  ReleaseDC(top, dc);
  DeleteObject(green);
  EXPECT_EQ(Pixel(top, 15, 15), ColorToRGB(clBlue)) << "WS_CLIPCHILDREN keeps the parent off the child";
  EXPECT_EQ(Pixel(top, 5, 5), RGB(0, 255, 0));
  (void)child;
}

TEST_F(Painting, SiblingsAreClippedByZOrder) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, clWhite);
  HWND below = Make(top, Bounds(0, 0, 50, 50), WS_CHILD | WS_VISIBLE, 0, clRed);
  HWND above = Make(top, Bounds(25, 25, 50, 50), WS_CHILD | WS_VISIBLE, 0, clBlue);
  Pump();
  EXPECT_EQ(Pixel(top, 30, 30), ColorToRGB(clBlue));
  InvalidateRect(below, nullptr, true);
  Pump();
  EXPECT_EQ(Pixel(top, 30, 30), ColorToRGB(clBlue)) << "repainting the lower sibling leaves the upper one intact";
  EXPECT_EQ(Pixel(top, 10, 10), ColorToRGB(clRed));
  BringWindowToTop(below);
  Pump();
  EXPECT_EQ(Pixel(top, 30, 30), ColorToRGB(clRed));
  (void)above;
}

TEST_F(Painting, InvalidatingOneChildPaintsOnlyThatChild) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  HWND a = Make(top, Bounds(0, 0, 100, 20));
  HWND b = Make(top, Bounds(100, 0, 100, 20));
  Pump();
  ClearLog();
  InvalidateRect(a, nullptr, true);
  Pump();
  EXPECT_EQ(Logged(a, WM_PAINT).size(), 1u);
  EXPECT_TRUE(Logged(b, WM_PAINT).empty());
  EXPECT_TRUE(Logged(top, WM_PAINT).empty());
}

TEST_F(Painting, InvalidatingAParentWithoutClipChildrenRepaintsTheChildrenOverIt) {
  HWND top = MakeTop(Bounds(0, 0, 300, 100), WS_POPUP | WS_VISIBLE, clRed);
  HWND a = Make(top, Bounds(0, 0, 100, 20), WS_CHILD | WS_VISIBLE, 0, clBlue);
  Pump();
  ClearLog();
  InvalidateRect(top, nullptr, true);
  Pump();
  EXPECT_EQ(Logged(a, WM_PAINT).size(), 1u);
  EXPECT_EQ(Pixel(top, 5, 5), ColorToRGB(clBlue));
}

TEST_F(Painting, UpdateRegionGrowsAndValidates) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100));
  Pump();
  TRect r;
  EXPECT_FALSE(GetUpdateRect(top, r));
  TRect a = Rect(10, 10, 20, 20), b = Rect(30, 40, 50, 60);
  InvalidateRect(top, &a, false);
  InvalidateRect(top, &b, false);
  EXPECT_TRUE(GetUpdateRect(top, r));
  EXPECT_EQ(r, Rect(10, 10, 50, 60));
  ValidateRect(top, &a);
  GetUpdateRect(top, r);
  EXPECT_EQ(r, b);
  ValidateRect(top, nullptr);
  EXPECT_FALSE(GetUpdateRect(top, r));
  ClearLog();
  Pump();
  EXPECT_TRUE(Logged(top, WM_PAINT).empty());
}

TEST_F(Painting, PaintClipIsTheUpdateRegion) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE, clWhite);
  Pump();
  SetWindowLong(top, GWL_USERDATA, ColorToRGB(clRed));
  TRect part = Rect(10, 10, 20, 20);
  InvalidateRect(top, &part, false);
  Pump();
  EXPECT_EQ(Pixel(top, 15, 15), ColorToRGB(clRed));
  EXPECT_EQ(Pixel(top, 25, 15), ColorToRGB(clWhite)) << "outside the update region nothing changes";
}

TEST_F(Painting, GetUpdateRectCanEraseJustTheUpdateRegion) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE | WS_BORDER, clWhite);
  Pump();
  TRect part = Rect(10, 10, 20, 20);
  InvalidateRect(top, &part, true);
  TRect r;
  EXPECT_TRUE(GetUpdateRect(top, r, true));
  EXPECT_EQ(r, part);
  // Client (15,15) is window (16,16): the border is one pixel.
  EXPECT_EQ(Pixel(top, 16, 16), ColorToRGB(clBtnFace));
  EXPECT_EQ(Pixel(top, 10, 10), ColorToRGB(clWhite)) << "client (9,9) lies outside the update region";
  EXPECT_EQ(Pixel(top, 21, 21), ColorToRGB(clWhite));
  ClearLog();
  Pump();
  EXPECT_TRUE(Logged(top, WM_ERASEBKGND).empty()) << "erased once is enough";
  EXPECT_EQ(Logged(top, WM_PAINT).size(), 1u);
}

TEST_F(Painting, UpdateWindowPaintsAtOnce) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100));
  Pump();
  ClearLog();
  InvalidateRect(top, nullptr, true);
  UpdateWindow(top);
  EXPECT_EQ(Logged(top, WM_PAINT).size(), 1u);
}

TEST_F(Painting, ScrollWindowExMovesPixelsAndInvalidatesTheUncoveredStrip) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE, clWhite);
  Pump();
  HDC dc = GetDC(top);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  FillRect(dc, Rect(0, 20, 100, 30), red);
  DeleteObject(red);
  ReleaseDC(top, dc);
  TRect update;
  int kind = ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, &update, SW_INVALIDATE);
  EXPECT_EQ(kind, SIMPLEREGION);
  EXPECT_EQ(update, Rect(0, 90, 100, 100));
  EXPECT_EQ(Pixel(top, 50, 12), RGB(255, 0, 0)) << "the red band moved up 10 pixels";
  EXPECT_EQ(Pixel(top, 50, 25), ColorToRGB(clWhite));
  TRect pending;
  GetUpdateRect(top, pending);
  EXPECT_EQ(pending, Rect(0, 90, 100, 100));
}

TEST_F(Painting, ScrollingPixelsFromUnderASiblingInvalidatesThem) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN);
  HWND content = Make(top, Bounds(0, 0, 100, 100));
  Make(top, Bounds(0, 60, 100, 40));  // covers the lower part of `content`
  Pump();
  TRect update;
  ScrollWindowEx(content, 0, -20, nullptr, nullptr, nullptr, &update, 0);
  // Rows 40..60 now show what was hidden at 60..80; the uncovered strip 80..100 is hidden.
  EXPECT_EQ(update, Rect(0, 40, 100, 60));
}

TEST_F(Painting, ScrollChildrenMovesChildWindows) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100));
  HWND child = Make(top, Bounds(10, 30, 20, 20));
  ScrollWindowEx(top, 0, -10, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE);
  EXPECT_EQ(WindowBounds(child), Bounds(10, 20, 20, 20));
}

TEST_F(Painting, WindowRegionShapesPaintingAndHitTesting) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, clWhite);
  HWND round = Make(top, Bounds(0, 0, 40, 40), WS_CHILD | WS_VISIBLE, 0, clBlue);
  SetWindowRgn(round, CreateEllipticRgn(0, 0, 40, 40), true);
  Pump();
  EXPECT_EQ(Pixel(top, 20, 20), ColorToRGB(clBlue));
  EXPECT_EQ(Pixel(top, 1, 1), ColorToRGB(clWhite)) << "the corner lies outside the ellipse";
  EXPECT_EQ(WindowFromPoint({1, 1}), top);
  EXPECT_EQ(WindowFromPoint({20, 20}), round);
}

TEST_F(Painting, HidingAChildRepaintsWhatItCovered) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, clWhite);
  HWND child = Make(top, Bounds(10, 10, 20, 20), WS_CHILD | WS_VISIBLE, 0, clBlue);
  Pump();
  EXPECT_EQ(Pixel(top, 15, 15), ColorToRGB(clBlue));
  ShowWindow(child, SW_HIDE);
  Pump();
  EXPECT_EQ(Pixel(top, 15, 15), ColorToRGB(clWhite));
}

TEST_F(Painting, CaptionAndFrameAreDrawnInTheNonClientArea) {
  HWND top = MakeTop(Bounds(0, 0, 200, 100), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, clWhite);
  SetWindowText(top, "标题");
  SetActiveWindow(top);
  Pump();
  EXPECT_EQ(Pixel(top, 60, 8), ColorToRGB(clActiveCaption));
  EXPECT_EQ(Pixel(top, 100, 60), ColorToRGB(clWhite));
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(60, 8)), HTCAPTION);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(1, 50)), HTLEFT);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(198, 98)), HTBOTTOMRIGHT);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(100, 1)), HTTOP);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(1, 1)), HTTOPLEFT);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(198, 50)), HTRIGHT);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(100, 98)), HTBOTTOM);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(1, 98)), HTBOTTOMLEFT);
  EXPECT_EQ(SendMessage(top, WM_NCHITTEST, 0, MakeLParam(198, 1)), HTTOPRIGHT);
  if (HasFailure()) SavePicture(top, "caption_and_frame");
}

TEST_F(Painting, DestroyingAVisibleChildUncoversItsParent) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100), WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, clWhite);
  HWND child = Make(top, Bounds(10, 10, 40, 40), WS_CHILD | WS_VISIBLE, 0, clBlue);
  Pump();
  ASSERT_EQ(Pixel(top, 20, 20), ColorToRGB(clBlue));
  DestroyWindow(child);
  Pump();
  EXPECT_EQ(Pixel(top, 20, 20), ColorToRGB(clWhite)) << "the parent paints where the child was";
}

TEST_F(Painting, PaintingAFrameIntoAGivenContextLeavesItsSettings) {
  HWND top = MakeTop(Bounds(0, 0, 160, 80), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU);
  SetWindowText(top, "Contacts");
  TBitmap picture(160, 80);
  HDC dc = picture.Canvas()->Handle();
  SetBkMode(dc, OPAQUE);
  SetTextColor(dc, RGB(255, 0, 0));
  PaintWindowFrame(top, dc);
  EXPECT_EQ(GetBkMode(dc), OPAQUE) << "the caller's background mode is kept";
  EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0)) << "the caller's text colour is kept";
  EXPECT_NE(picture.Pixel32(80, 10) & 0xFFFFFF, 0xFFFFFFu) << "the caption was drawn";
}

TEST_F(Painting, AChildThatClosesItsParentWhileScrolledWithItIsHarmless) {
  HWND top = MakeTop(Bounds(0, 0, 100, 100));
  HWND content = Make(top, Bounds(0, 0, 100, 100));
  HWND child = Make(content, Bounds(0, 20, 50, 20));
  static HWND closing = nullptr;
  closing = content;
  SetWindowProc(child, [](HWND h, UINT msg, WPARAM w, LPARAM l) -> LRESULT {
    if (msg == WM_MOVE && IsWindow(closing)) DestroyWindow(closing);
    return DefWindowProc(h, msg, w, l);
  });
  TRect update;
  EXPECT_EQ(ScrollWindowEx(content, 0, -10, nullptr, nullptr, nullptr, &update, SW_SCROLLCHILDREN | SW_INVALIDATE),
            RGN_ERROR);
  EXPECT_FALSE(IsWindow(content));
  EXPECT_FALSE(IsWindow(child));
}

}  // namespace
