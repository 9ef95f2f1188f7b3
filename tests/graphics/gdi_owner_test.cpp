#include "platform/graphics/gdi_owner.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/graphics/region.h"
#include "platform/graphics/shapes.h"

namespace {

TEST(GdiOwner, FreesRegionBrushAndDeviceContextWhenDrawingThrows) {
  HRGN region = nullptr;
  HBRUSH brush = nullptr;
  HDC dc = nullptr;
  try {
    TGdiOwner<HRGN> ownedRegion(CreateRectRgn(0, 0, 10, 10));
    TGdiOwner<HBRUSH> ownedBrush(CreateSolidBrush(RGB(1, 2, 3)));
    TGdiOwner<HDC> ownedDC(CreateCompatibleDC(nullptr));
    region = ownedRegion.get();
    brush = ownedBrush.get();
    dc = ownedDC.get();
    ASSERT_EQ(GetObjectType(region), OBJ_REGION);
    ASSERT_EQ(GetObjectType(brush), OBJ_BRUSH);
    FillRgn(dc, region, brush);
    throw std::runtime_error("drawing failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(GetObjectType(region), 0);
  EXPECT_EQ(GetObjectType(brush), 0);
  EXPECT_FALSE(DeleteDC(dc)) << "the device context is gone already";
}

}  // namespace
