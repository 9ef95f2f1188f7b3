#include "platform/graphics/region.h"

#include <gtest/gtest.h>

#include "platform/graphics/device_context.h"

TEST(Regions, CombiningRectanglesGivesDisjointBands) {
  TRegion a(Rect(0, 0, 10, 10)), b(Rect(5, 5, 15, 15));
  TRegion u = a.Union(b);
  EXPECT_EQ(u.Bounds(), Rect(0, 0, 15, 15));
  EXPECT_EQ(u.Rects().size(), 3u);
  EXPECT_TRUE(u.Contains({12, 12}));
  EXPECT_FALSE(u.Contains({12, 2}));
  EXPECT_EQ(a.Intersect(b).Rects(), std::vector<TRect>{Rect(5, 5, 10, 10)});
  TRegion d = a.Subtract(b);
  EXPECT_FALSE(d.Contains({7, 7}));
  EXPECT_TRUE(d.Contains({2, 7}));
  EXPECT_TRUE(d.Contains({7, 2}));
  TRegion x = a.Xor(b);
  EXPECT_FALSE(x.Contains({7, 7}));
  EXPECT_TRUE(x.Contains({12, 12}));
  EXPECT_TRUE(x.Contains({2, 2}));
  int area = 0;
  for (const TRect& r : x.Rects()) area += r.Width() * r.Height();
  EXPECT_EQ(area, 100 + 100 - 2 * 25);
  // Touching rectangles merge into one.
  EXPECT_EQ(TRegion(Rect(0, 0, 5, 5)).Union(TRegion(Rect(5, 0, 9, 5))).Rects(), std::vector<TRect>{Rect(0, 0, 9, 5)});
  EXPECT_EQ(TRegion(Rect(0, 0, 5, 5)).Union(TRegion(Rect(0, 5, 5, 9))).Rects(), std::vector<TRect>{Rect(0, 0, 5, 9)});
}

TEST(Regions, EmptyAndInvertedRectanglesAreEmptyRegions) {
  EXPECT_TRUE(TRegion(Rect(5, 5, 5, 10)).IsEmpty());
  EXPECT_TRUE(TRegion(Rect(5, 5, 1, 1)).IsEmpty());
  EXPECT_TRUE(TRegion(Rect(0, 0, 4, 4)).Subtract(TRegion(Rect(0, 0, 4, 4))).IsEmpty());
  EXPECT_EQ(TRegion().Bounds(), TRect{});
}

TEST(Regions, RoundRectanglesCutTheirCorners) {
  TRegion r = TRegion::RoundRect(Rect(0, 0, 20, 10), 8, 8);
  EXPECT_EQ(r.Bounds(), Rect(0, 0, 20, 10));
  EXPECT_FALSE(r.Contains({0, 0}));
  EXPECT_FALSE(r.Contains({19, 9}));
  EXPECT_TRUE(r.Contains({10, 0}));
  EXPECT_TRUE(r.Contains({0, 5}));
  TRegion e = TRegion::Ellipse(Rect(0, 0, 10, 10));
  EXPECT_TRUE(e.Contains({5, 5}));
  EXPECT_FALSE(e.Contains({0, 0}));
  TRegion p = TRegion::Polygon({{0, 0}, {10, 0}, {0, 10}});
  EXPECT_TRUE(p.Contains({1, 1}));
  EXPECT_FALSE(p.Contains({8, 8}));
}

TEST(Regions, HandlesCombineOffsetAndListRectangles) {
  HRGN a = CreateRectRgn(0, 0, 10, 10);
  HRGN b = CreateRoundRectRgn(0, 0, 10, 10, 4, 4);
  HRGN d = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(CombineRgn(d, a, b, RGN_DIFF), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(d, 0, 0));
  EXPECT_FALSE(PtInRegion(d, 5, 5));
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_COPY), SIMPLEREGION);
  EXPECT_TRUE(EqualRgn(a, d));
  EXPECT_EQ(OffsetRgn(d, 5, 7), SIMPLEREGION);
  TRect box;
  EXPECT_EQ(GetRgnBox(d, box), SIMPLEREGION);
  EXPECT_EQ(box, Rect(5, 7, 15, 17));
  EXPECT_TRUE(RectInRegion(d, Rect(14, 16, 20, 20)));
  EXPECT_FALSE(RectInRegion(d, Rect(15, 17, 20, 20)));
  EXPECT_EQ(GetRegionRects(d), std::vector<TRect>{Rect(5, 7, 15, 17)});
  EXPECT_EQ(CombineRgn(d, a, a, RGN_XOR), NULLREGION);
  EXPECT_EQ(CombineRgn(d, a, nullptr, RGN_AND), RGN_ERROR);
  EXPECT_TRUE(SetRectRgn(d, 1, 1, 2, 2));
  EXPECT_TRUE(PtInRegion(d, 1, 1));
  for (HRGN r : {a, b, d}) EXPECT_TRUE(DeleteObject(r));
  EXPECT_FALSE(PtInRegion(a, 1, 1));
  EXPECT_EQ(RegionOf(a), nullptr);
}

TEST(Regions, HugeShapesAreBoundedAndManyRectanglesCombineQuickly) {
  TRegion e = TRegion::Ellipse(Rect(-2000000000, -2000000000, 2000000000, 2000000000));
  EXPECT_TRUE(e.Contains({0, 0}));
  TRegion r = TRegion::RoundRect(Rect(0, 0, 50, 50), -2147483647 - 1, -2147483647 - 1);
  EXPECT_TRUE(r.Contains({25, 25}));
  EXPECT_FALSE(r.Contains({0, 0}));
  // A staircase of ten thousand rows, as a big round window makes.
  std::vector<TRect> rows;
  for (int y = 0; y < 10000; ++y) rows.push_back(Rect(y % 7, y, 100 + y % 5, y + 1));
  TRegion stairs = TRegion::FromRuns(rows);
  EXPECT_EQ(stairs.Bounds(), Rect(0, 0, 104, 10000));
  TRegion cut = stairs.Subtract(TRegion(Rect(50, 0, 60, 10000)));
  EXPECT_FALSE(cut.Contains({55, 5000}));
  EXPECT_TRUE(cut.Contains({61, 5000}));
}
