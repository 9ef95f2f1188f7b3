#include <gtest/gtest.h>

#include <algorithm>

#include "platform/windows/data_object.h"

namespace {

TEST(GlobalMemory, BlocksAreZeroedLockedAndFreedByHandle) {
  HGLOBAL block = GlobalAlloc(GHND, 6);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(GlobalSize(block), 6u);
  auto* bytes = static_cast<uint8_t*>(GlobalLock(block));
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(std::count(bytes, bytes + 6, 0), 6);
  EXPECT_TRUE(GlobalUnlock(GlobalLock(block) ? block : nullptr)) << "one lock is still held";
  EXPECT_FALSE(GlobalUnlock(block));
  EXPECT_FALSE(GlobalUnlock(block)) << "an unlocked block stays unlocked";
  EXPECT_EQ(GlobalFree(block), nullptr);
  // The handle is dead now: refused, not followed.
  EXPECT_EQ(GlobalLock(block), nullptr);
  EXPECT_EQ(GlobalSize(block), 0u);
  EXPECT_EQ(GlobalFree(block), block);
}

TEST(GlobalMemory, AMediumFreesItsBlockOnceWhoeverHoldsItLast) {
  STGMEDIUM medium = GlobalMedium({1, 2, 3});
  ASSERT_EQ(medium.tymed, TYMED_HGLOBAL);
  HGLOBAL block = medium.hGlobal;
  STGMEDIUM taken = std::move(medium);
  EXPECT_EQ(medium.hGlobal, nullptr);
  TClipboardData bytes;
  ASSERT_TRUE(MediumBytes(taken, bytes));
  EXPECT_EQ(bytes, (TClipboardData{1, 2, 3}));
  ReleaseStgMedium(taken);
  EXPECT_EQ(taken.tymed, TYMED_NULL);
  EXPECT_EQ(GlobalSize(block), 0u) << "released";
  EXPECT_FALSE(MediumBytes(taken, bytes));
}

TEST(DataObject, OffersWhatWasSetInGlobalMemoryInOrder) {
  const TClipboardFormat named = RegisterClipboardFormat("Data object test");
  TDataObject data;
  data.SetData(named, {7, 0, 7});
  data.SetData(CF_TEXT, {'a', 0});
  data.SetData(named, {8});
  EXPECT_EQ(DataObjectFormats(data), (std::vector<TClipboardFormat>{named, CF_TEXT}));
  TClipboardData bytes;
  ASSERT_TRUE(DataObjectBytes(data, named, bytes));
  EXPECT_EQ(bytes, TClipboardData{8}) << "setting again replaces";
  EXPECT_FALSE(DataObjectBytes(data, CF_UNICODETEXT, bytes));

  FORMATETC stream = ContentFormat(named);
  stream.tymed = TYMED_ISTREAM;
  EXPECT_EQ(data.QueryGetData(stream), DV_E_TYMED);
  STGMEDIUM medium;
  EXPECT_EQ(data.GetData(stream, medium), DV_E_FORMATETC);
  EXPECT_EQ(data.GetDataHere(ContentFormat(named), medium), E_NOTIMPL);
  std::unique_ptr<IEnumFORMATETC> e;
  EXPECT_EQ(data.EnumFormatEtc(DATADIR_SET, e), E_NOTIMPL);
  EXPECT_EQ(e, nullptr);
}

TEST(DataObject, TakesDataSetThroughAMedium) {
  TDataObject data;
  STGMEDIUM medium = GlobalMedium({'h', 'i', 0});
  EXPECT_EQ(data.SetData(ContentFormat(CF_TEXT), medium, true), S_OK);
  EXPECT_EQ(medium.hGlobal, nullptr) << "a released medium is the object's";
  TClipboardData bytes;
  ASSERT_TRUE(DataObjectBytes(data, CF_TEXT, bytes));
  EXPECT_EQ(bytes, (TClipboardData{'h', 'i', 0}));
  STGMEDIUM none;
  EXPECT_EQ(data.SetData(ContentFormat(CF_UNICODETEXT), none, false), DV_E_TYMED);
  FORMATETC icon = ContentFormat(CF_TEXT);
  icon.dwAspect = DVASPECT_ICON;
  EXPECT_EQ(data.SetData(icon, medium, false), DV_E_FORMATETC);
}

TEST(DataObject, FailedEnumerationsRaiseTheirError) {
  class TNoList : public TDataObject {
   public:
    HRESULT EnumFormatEtc(uint32_t, std::unique_ptr<IEnumFORMATETC>&) override { return E_OUTOFMEMORY; }
  } data;
  try {
    DataObjectFormats(data);
    ADD_FAILURE() << "no error raised";
  } catch (const EOleSysError& e) {
    EXPECT_EQ(e.ErrorCode(), E_OUTOFMEMORY);
  }
}

}  // namespace
