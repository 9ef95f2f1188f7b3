#include "platform/graphics/device_context.h"

#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"
#include "tests/graphics/pixel_test_support.h"

using pixel_test::Str;

class DeviceContexts : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(40, 30); }
  void Fill(const TRect& r, TColor color) {
    HBRUSH b = CreateSolidBrush(static_cast<COLORREF>(color));
    FillRect(dc(), r, b);
    DeleteObject(b);
  }
};

TEST_F(DeviceContexts, ClipRectanglesNarrowAndRestoreWithSavedState) {
  int saved = SaveDC(dc());
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(IntersectClipRect(dc(), 5, 5, 15, 15), SIMPLEREGION);
  EXPECT_EQ(IntersectClipRect(dc(), 10, 0, 40, 30), SIMPLEREGION);
  TRect box;
  GetClipBox(dc(), box);
  EXPECT_EQ(box, Rect(10, 5, 15, 15));
  Fill(Rect(0, 0, 40, 30), clRed);
  EXPECT_EQ(InkBounds(clWhite), Rect(10, 5, 15, 15));
  EXPECT_EQ(ExcludeClipRect(dc(), 11, 6, 13, 8), COMPLEXREGION);
  EXPECT_FALSE(PtVisible(dc(), 12, 7));
  EXPECT_TRUE(PtVisible(dc(), 14, 7));
  EXPECT_TRUE(RestoreDC(dc(), saved));
  GetClipBox(dc(), box);
  EXPECT_EQ(box, Rect(0, 0, 40, 30));
  EXPECT_FALSE(RestoreDC(dc(), 1));  // that level is gone
  Fill(Rect(0, 0, 40, 30), clBlue);
  EXPECT_EQ(CountColor(clBlue), 40 * 30);
}

TEST_F(DeviceContexts, SelectClipRgnUsesARegionAndNullRemovesIt) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRectRgn(20, 20, 30, 30);
  CombineRgn(a, a, b, RGN_OR);
  EXPECT_EQ(SelectClipRgn(dc(), a), COMPLEXREGION);
  DeleteObject(a);  // the DC keeps its own copy
  DeleteObject(b);
  Fill(Rect(0, 0, 40, 30), clRed);
  EXPECT_EQ(CountColor(clRed), 200);
  HRGN got = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetClipRgn(dc(), got), 1);
  EXPECT_TRUE(PtInRegion(got, 25, 25));
  EXPECT_EQ(SelectClipRgn(dc(), nullptr), SIMPLEREGION);
  EXPECT_EQ(GetClipRgn(dc(), got), 0);
  DeleteObject(got);
}

TEST_F(DeviceContexts, SaveAndRestoreKeepColoursModesOriginsAndObjects) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  int level = SaveDC(dc());
  HGDIOBJ before = SelectObject(dc(), pen);
  SetTextColor(dc(), RGB(1, 2, 3));
  SetBkMode(dc(), TRANSPARENT);
  SetROP2(dc(), R2_XORPEN);
  SetViewportOrgEx(dc(), 5, 6, nullptr);
  EXPECT_EQ(SaveDC(dc()), 2);
  SetTextColor(dc(), RGB(9, 9, 9));
  EXPECT_TRUE(RestoreDC(dc(), -1));
  EXPECT_EQ(GetTextColor(dc()), RGB(1, 2, 3));
  EXPECT_TRUE(RestoreDC(dc(), level));
  EXPECT_EQ(GetBkMode(dc()), OPAQUE);
  EXPECT_EQ(GetROP2(dc()), R2_COPYPEN);
  EXPECT_EQ(GetCurrentObject(dc(), OBJ_PEN), before);
  TPoint org;
  GetViewportOrgEx(dc(), &org);
  EXPECT_EQ(org, Point(0, 0));
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_EQ(GetObjectType(pen), 0);
}

TEST_F(DeviceContexts, ObjectsDeletedWhileSelectedLiveUntilDeselected) {
  HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
  HGDIOBJ old = SelectObject(dc(), brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetObjectType(brush), OBJ_BRUSH);
  Rectangle(dc(), 0, 0, 10, 10);
  EXPECT_EQ(At(5, 5), clLime);
  SelectObject(dc(), old);
  EXPECT_EQ(GetObjectType(brush), 0);
  EXPECT_FALSE(DeleteObject(brush));
  EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));  // stock objects stay
  EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
}

TEST_F(DeviceContexts, ViewportAndWindowOriginsMoveDrawing) {
  SetViewportOrgEx(dc(), 10, 5, nullptr);
  Fill(Rect(0, 0, 2, 2), clRed);
  EXPECT_EQ(InkBounds(clWhite), Rect(10, 5, 12, 7));
  SetWindowOrgEx(dc(), 3, 0, nullptr);
  Fill(Rect(3, 10, 4, 11), clBlue);
  EXPECT_EQ(At(10, 15), clBlue);
  TPoint p{0, 0};
  LPtoDP(dc(), &p, 1);
  EXPECT_EQ(p, Point(7, 5));
  DPtoLP(dc(), &p, 1);
  EXPECT_EQ(p, Point(0, 0));
  TRect box;
  GetClipBox(dc(), box);
  EXPECT_EQ(box, Rect(-7, -5, 33, 25));
}

TEST_F(DeviceContexts, RightToLeftLayoutMirrorsCoordinatesInsideTheArea) {
  SetLayout(dc(), LAYOUT_RTL);
  Fill(Rect(0, 0, 5, 3), clRed);
  EXPECT_EQ(InkBounds(clWhite), Rect(35, 0, 40, 3));
  SetPixel(dc(), 0, 10, RGB(0, 0, 255));
  EXPECT_EQ(At(39, 10), clBlue);
  MoveToEx(dc(), 0, 20, nullptr);
  LineTo(dc(), 10, 20);
  EXPECT_EQ(InkBounds(clWhite, Rect(0, 20, 40, 21)), Rect(30, 20, 40, 21));
  SetLayout(dc(), LAYOUT_LTR);
  Fill(Rect(0, 25, 1, 26), clRed);
  EXPECT_EQ(At(0, 25), clRed);
}

TEST_F(DeviceContexts, DeviceAreaAndSystemClipConfineWhatAWindowDraws) {
  SetDeviceArea(dc(), Rect(10, 10, 30, 20));
  Fill(Rect(0, 0, 100, 100), clRed);
  EXPECT_EQ(InkBounds(clWhite), Rect(10, 10, 30, 20));
  HRGN visible = CreateRectRgn(0, 0, 5, 10);
  SetSystemClipRegion(dc(), visible);
  DeleteObject(visible);
  SelectClipRgn(dc(), nullptr);  // the program cannot widen what the system allows
  Fill(Rect(0, 0, 100, 100), clBlue);
  EXPECT_EQ(InkBounds(clWhite, Rect(0, 0, 40, 30)), Rect(10, 10, 30, 20));
  EXPECT_EQ(CountColor(clBlue), 50);
  EXPECT_EQ(At(10, 10), clBlue);
  EXPECT_EQ(GetDeviceArea(dc()), Rect(10, 10, 30, 20));
  SetSystemClipRegion(dc(), nullptr);
  SetDeviceArea(dc(), Rect(0, 0, 40, 30));
}

// Pens, brushes and fonts come and go all through a paint; the clip stays what the program
// made it, and a bitmap of another size selected later is clipped to its own edges.
TEST_F(DeviceContexts, ClipOutlivesSelectedObjectsAndFollowsTheBitmap) {
  HDC mem = CreateCompatibleDC(nullptr);
  HBITMAP large = CreateCompatibleBitmap(mem, 40, 30), small = CreateCompatibleBitmap(mem, 12, 9);
  HGDIOBJ original = SelectObject(mem, large);
  EXPECT_EQ(IntersectClipRect(mem, 5, 5, 30, 20), SIMPLEREGION);
  HPEN pen = CreatePen(PS_SOLID, 1, 0xFF);
  HBRUSH brush = CreateSolidBrush(0xFF00);
  SelectObject(mem, pen);
  SelectObject(mem, brush);
  SelectObject(mem, GetStockObject(DEFAULT_GUI_FONT));
  TRect box;
  GetClipBox(mem, box);
  EXPECT_EQ(box, Rect(5, 5, 30, 20));
  SelectObject(mem, small);
  GetClipBox(mem, box);
  EXPECT_EQ(box, Rect(5, 5, 12, 9));
  HBRUSH red = CreateSolidBrush(0xFF);
  FillRect(mem, Rect(0, 0, 40, 30), red);
  SaveDC(mem);
  SelectClipRgn(mem, nullptr);
  // A new bitmap is black.
  EXPECT_EQ(GetPixel(mem, 4, 4), 0u);
  EXPECT_EQ(GetPixel(mem, 5, 4), 0u);
  EXPECT_EQ(GetPixel(mem, 5, 5), 0xFFu);
  EXPECT_EQ(GetPixel(mem, 11, 8), 0xFFu);
  RestoreDC(mem, -1);
  SelectObject(mem, large);
  GetClipBox(mem, box);
  EXPECT_EQ(box, Rect(5, 5, 30, 20));
  SelectObject(mem, original);
  DeleteDC(mem);
  for (HGDIOBJ o : std::initializer_list<HGDIOBJ>{large, small, pen, brush, red}) DeleteObject(o);
  // A handle found live a moment ago is refused once it is gone.
  EXPECT_EQ(GetObjectType(red), 0);
  EXPECT_EQ(SaveDC(mem), 0);
}

TEST(DeviceContextFacts, NinetySixDotsPerInchAndThirtyTwoBits) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
  HBITMAP bmp = CreateCompatibleBitmap(dc, 7, 3);
  SelectObject(dc, bmp);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 7);
  DeleteDC(dc);
  TSize size;
  EXPECT_TRUE(GetBitmapSize(bmp, size));
  EXPECT_EQ(size, (TSize{7, 3}));
  EXPECT_TRUE(DeleteObject(bmp));
  EXPECT_THROW(CreateCompatibleBitmap(nullptr, 100000, 100000), EOutOfResources);
  EXPECT_EQ(GetDeviceCaps(nullptr, HORZRES), 0);
}
