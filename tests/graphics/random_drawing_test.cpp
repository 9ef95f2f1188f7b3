// Random drawing calls with wild arguments: nothing crashes, and nothing lands outside the clip.
#include <random>

#include "platform/graphics/blit.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"
#include "platform/graphics/text_out.h"
#include "tests/graphics/pixel_test_support.h"

namespace {

class Wild {
 public:
  explicit Wild(unsigned start) : rng_(start) {}
  int Coordinate() {
    switch (Pick(6)) {
      case 0: return Pick(2) ? 2147483647 - Pick(10) : -2147483647 - 1 + Pick(10);
      case 1: return Pick(200000) - 100000;
      default: return Pick(80) - 10;
    }
  }
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  TRect AnyRect() { return Rect(Coordinate(), Coordinate(), Coordinate(), Coordinate()); }
  std::string Text() {
    static const char* fragments[] = {"a", "&", "&&", " ", "\t", "\n", "\r\n", "中", "文", "W", "\xff", "\xe4\xb8", "...", "word"};
    std::string s;
    for (int i = Pick(12); i > 0; --i) s += fragments[Pick(14)];
    return s;
  }

 private:
  std::mt19937 rng_;
};

}  // namespace

class RandomDrawing : public PixelTest {
 protected:
  void SetUp() override { MakeBitmap(60, 50, clFuchsia); }
  void DrawSomething(Wild& w, HDC dc) {
    TRect r = w.AnyRect();
    TCanvas* c = bmp.Canvas();
    switch (w.Pick(18)) {
      case 0: c->Rectangle(r); break;
      case 1: c->Ellipse(r); break;
      case 2: c->RoundRect(r.Left, r.Top, r.Right, r.Bottom, w.Coordinate(), w.Coordinate()); break;
      case 3: c->Polygon({r.TopLeft(), r.BottomRight(), {w.Coordinate(), w.Coordinate()}}); break;
      case 4: c->MoveTo(r.Left, r.Top); c->LineTo(r.Right, r.Bottom); break;
      case 5: c->TextOut(r.Left, r.Top, w.Text()); break;
      case 6: DrawText(dc, w.Text(), r, static_cast<UINT>(w.Pick(0x40000))); break;
      case 7: DrawEdge(dc, r, static_cast<UINT>(w.Pick(16)), static_cast<UINT>(w.Pick(0x10000))); break;
      case 8: DrawFrameControl(dc, r, static_cast<UINT>(1 + w.Pick(4)), static_cast<UINT>(w.Pick(0x10000))); break;
      case 9: BitBlt(dc, r.Left, r.Top, w.Pick(100), w.Pick(100), src_.Canvas()->Handle(), w.Coordinate(), w.Coordinate(), SRCINVERT); break;
      case 10: StretchBlt(dc, r.Left, r.Top, w.Coordinate(), w.Coordinate(), src_.Canvas()->Handle(), 0, 0, w.Coordinate(), w.Coordinate(), SRCCOPY); break;
      case 11: {
        BLENDFUNCTION blend;
        blend.SourceConstantAlpha = static_cast<BYTE>(w.Pick(256));
        blend.AlphaFormat = static_cast<BYTE>(w.Pick(2));
        AlphaBlend(dc, r.Left, r.Top, w.Coordinate(), w.Coordinate(), src_.Canvas()->Handle(), w.Coordinate(), 0, w.Coordinate(), 16, blend);
        break;
      }
      case 12: TransparentBlt(dc, r.Left, r.Top, w.Coordinate(), w.Coordinate(), src_.Canvas()->Handle(), 0, 0, 16, 16, 0xFFFFFF); break;
      case 13: PatBlt(dc, r.Left, r.Top, w.Coordinate(), w.Coordinate(), DSTINVERT); break;
      case 14: GradientFillRect(dc, r, clRed, clBlue, w.Pick(2) == 0); break;
      case 15: DrawState(dc, nullptr, reinterpret_cast<intptr_t>(src_.Handle()), 0, r.Left, r.Top, w.Coordinate(), w.Coordinate(), DST_BITMAP | static_cast<UINT>(w.Pick(2) ? DSS_DISABLED : DSS_MONO)); break;
      case 16: {
        TPoint pts[4] = {r.TopLeft(), r.BottomRight(), {w.Coordinate(), w.Coordinate()}, {w.Coordinate(), w.Coordinate()}};
        DWORD counts[2] = {2, 2};
        PolyPolyline(dc, pts, counts, 2);
        break;
      }
      default: c->DrawFocusRect(r); c->FrameRect(r); c->FillRect(r); break;
    }
  }
  TBitmap src_{16, 16};
};

TEST_F(RandomDrawing, ThousandsOfWildCallsStayInsideTheClip) {
  Wild w(20261207);
  HDC dc = bmp.Canvas()->Handle();
  IntersectClipRect(dc, 10, 10, 50, 40);
  ExcludeClipRect(dc, 20, 20, 30, 30);
  bmp.Canvas()->Pen()->SetColor(clBlack);
  for (int i = 0; i < 3000; ++i) {
    bmp.Canvas()->Pen()->SetWidth(1 + w.Pick(4));
    bmp.Canvas()->Pen()->SetStyle(static_cast<TPenStyle>(w.Pick(7)));
    bmp.Canvas()->Pen()->SetMode(static_cast<TPenMode>(w.Pick(16)));
    bmp.Canvas()->Brush()->SetStyle(static_cast<TBrushStyle>(w.Pick(8)));
    bmp.Canvas()->Font()->SetOrientation(w.Pick(2) * 900);
    SetLayout(dc, static_cast<DWORD>(w.Pick(2)));
    SetViewportOrgEx(dc, w.Pick(4) ? 0 : w.Coordinate(), w.Pick(4) ? 0 : w.Coordinate(), nullptr);
    DrawSomething(w, dc);
  }
  SetLayout(dc, LAYOUT_LTR);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 60; ++x) {
      bool inside = x >= 10 && x < 50 && y >= 10 && y < 40 && !(x >= 20 && x < 30 && y >= 20 && y < 30);
      if (!inside) {
        ASSERT_EQ(At(x, y), clFuchsia) << x << "," << y;
      }
    }
}

TEST_F(RandomDrawing, HugeWidthsAndDiagonalEdgesFinishQuickly) {
  HDC dc = bmp.Canvas()->Handle();
  const int big = 2147483647;
  TRect r = Rect(-big, -big, big, big);
  EXPECT_TRUE(DrawEdge(dc, r, EDGE_BUMP, BF_DIAGONAL_ENDTOPLEFT));
  EXPECT_TRUE(DrawEdge(dc, r, EDGE_ETCHED, BF_DIAGONAL_ENDBOTTOMLEFT));
  r = Rect(0, 0, 60, 50);
  Frame3D(bmp.Canvas(), r, clRed, clBlue, big);
  bmp.Canvas()->Pen()->SetWidth(big);
  bmp.Canvas()->Ellipse(-1000, -1000, 1000, 1000);
  bmp.Canvas()->MoveTo(0, 0);
  bmp.Canvas()->LineTo(59, 49);
  HRGN rgn = CreateRectRgn(0, 0, 30, 30);
  FrameRgn(dc, rgn, GetStockObject(BLACK_BRUSH), big, big);
  DeleteObject(rgn);
  EXPECT_EQ(At(15, 15), clBlack) << "so wide a frame covers the whole region";
}
