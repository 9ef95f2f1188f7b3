// A bitmap kept in a stored component layout: binary and text form, read back with every
// pixel, and the stored bytes as other programs read them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/classes/class_registry.h"
#include "platform/classes/component.h"
#include "platform/classes/object_text.h"
#include "platform/classes/properties.h"
#include "platform/classes/stream_components.h"
#include "platform/graphics/bitmap.h"
#include "tests/graphics/bmp_test_support.h"

using namespace bmp_test;

namespace {

class TPictureHolder : public TComponent {
  DECLARE_CLASS(TPictureHolder, TComponent)
 public:
  explicit TPictureHolder(TComponent* owner) : TComponent(owner) {}
  static void Publish() {
    TPublisher<TPictureHolder> p;
    p.Property("Picture", &TPictureHolder::Picture, &TPictureHolder::SetPicture);
  }
  TBitmap* Picture() const { return picture_.get(); }
  void SetPicture(TBitmap* v) { picture_->Assign(v); }

 private:
  std::unique_ptr<TBitmap> picture_ = std::make_unique<TBitmap>();
};

constexpr int kWidth = 5, kHeight = 3;

uint32_t PatternPixel(int x, int y, bool alpha) {
  const uint32_t a = alpha ? static_cast<uint32_t>(40 + 50 * x) : 0xFF;
  return a << 24 | static_cast<uint32_t>(x * 50) << 16 | static_cast<uint32_t>(y * 90) << 8 | 0x30;
}

void FillPattern(TBitmap& b, TPixelFormat format) {
  b.SetPixelFormat(format);
  b.SetSize(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) b.Pixels32()[y * kWidth + x] = PatternPixel(x, y, format == pf32bit);
}

std::vector<uint8_t> Stored(TComponent* c) {
  TMemoryStream stream;
  WriteComponent(stream, c);
  return stream.Bytes();
}

void ReadInto(const std::vector<uint8_t>& bytes, TComponent* c) {
  TBytesStream stream(bytes.data(), static_cast<int64_t>(bytes.size()));
  ReadComponent(stream, c);
}

std::vector<uint8_t> Converted(const std::vector<uint8_t>& bytes, bool toText) {
  TBytesStream in(bytes.data(), static_cast<int64_t>(bytes.size()));
  TMemoryStream out;
  if (toText) ObjectBinaryToText(in, out);
  else ObjectTextToBinary(in, out);
  return out.Bytes();
}

// The bytes of the binary value stored under `name`: its length and contents.
std::vector<uint8_t> BinaryValue(const std::vector<uint8_t>& stream, const std::string& name) {
  const auto at = std::search(stream.begin(), stream.end(), name.begin(), name.end());
  if (at == stream.end()) return {};
  auto p = at + static_cast<std::ptrdiff_t>(name.size());
  if (*p++ != 0x0A) return {};  // a binary value
  const uint32_t length = p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  return std::vector<uint8_t>(p + 4, p + 4 + length);
}

class BitmapStreaming : public ::testing::Test {
 protected:
  void SetUp() override { RegisterClass(TPictureHolder::StaticClass()); }
  void TearDown() override { UnRegisterClass(TPictureHolder::StaticClass()); }
  void ExpectPattern(TBitmap& b, bool alpha) {
    ASSERT_EQ(b.Width(), kWidth);
    ASSERT_EQ(b.Height(), kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        EXPECT_EQ(b.Pixel32(x, y), PatternPixel(x, y, alpha)) << x << "," << y;
  }
  TPictureHolder saved_{nullptr};
  TPictureHolder loaded_{nullptr};
};

}  // namespace

TEST_F(BitmapStreaming, PicturesComeBackWithEveryPixelFromBinaryAndTextLayouts) {
  for (TPixelFormat format : {pf24bit, pf32bit}) {
    for (bool throughText : {false, true}) {
      SCOPED_TRACE(testing::Message() << "format " << static_cast<int>(format) << (throughText ? ", text" : ""));
      FillPattern(*saved_.Picture(), format);
      std::vector<uint8_t> bytes = Stored(&saved_);
      if (throughText) bytes = Converted(Converted(bytes, true), false);
      loaded_.Picture()->SetSize(0, 0);
      ReadInto(bytes, &loaded_);
      ExpectPattern(*loaded_.Picture(), format == pf32bit);
      EXPECT_EQ(loaded_.Picture()->PixelFormat(), format);
    }
  }
}

TEST_F(BitmapStreaming, TheStoredDataIsTheBmpFileAfterItsLength) {
  FillPattern(*saved_.Picture(), pf24bit);
  const std::vector<uint8_t> data = BinaryValue(Stored(&saved_), "Picture.Data");
  ASSERT_GT(data.size(), 4u);
  const uint32_t length = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
  EXPECT_EQ(length, data.size() - 4);
  EXPECT_EQ(data[4], 'B');
  EXPECT_EQ(data[5], 'M');
  const std::string text = [&] {
    const std::vector<uint8_t> t = Converted(Stored(&saved_), true);
    return std::string(t.begin(), t.end());
  }();
  EXPECT_NE(text.find("Picture.Data = {"), std::string::npos) << text;
  if (!HaveConvert()) GTEST_SKIP() << "no independent image program";
  TempDir dir;
  WriteFile(dir.File("stored.bmp"), std::vector<uint8_t>(data.begin() + 4, data.end()));
  const std::vector<uint32_t> seen = PixelsSeenByConvert(dir.File("stored.bmp"));
  ASSERT_EQ(seen.size(), static_cast<size_t>(kWidth * kHeight));
  for (int i = 0; i < kWidth * kHeight; ++i) EXPECT_EQ(seen[static_cast<size_t>(i)], PatternPixel(i % kWidth, i / kWidth, false));
}

TEST_F(BitmapStreaming, AHandMadeLayoutHoldingABitmapIsRead) {
  // 2 x 1 pixels, 24 bits, bottom-up rows padded to 4 bytes: blue then red.
  Bytes file = InfoFile(2, 1, 24, 0, 54);
  file.Raw({0xFF, 0x00, 0x00, 0x00, 0x00, 0xFF, 0x00, 0x00});
  Bytes layout;
  layout.Raw({'T', 'P', 'F', '0'});
  layout.U8(14).Raw({'T', 'P', 'i', 'c', 't', 'u', 'r', 'e', 'H', 'o', 'l', 'd', 'e', 'r'});
  layout.U8(1).Raw({'H'});
  layout.U8(12).Raw({'P', 'i', 'c', 't', 'u', 'r', 'e', '.', 'D', 'a', 't', 'a'});
  layout.U8(0x0A).U32(static_cast<uint32_t>(file.data.size() + 4)).U32(static_cast<uint32_t>(file.data.size()));
  layout.data.insert(layout.data.end(), file.data.begin(), file.data.end());
  layout.U8(0).U8(0);
  ReadInto(layout.data, &loaded_);
  ASSERT_EQ(loaded_.Picture()->Width(), 2);
  ASSERT_EQ(loaded_.Picture()->Height(), 1);
  EXPECT_EQ(loaded_.Picture()->Pixel32(0, 0) & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(loaded_.Picture()->Pixel32(1, 0) & 0xFFFFFF, 0xFF0000u);
}

TEST_F(BitmapStreaming, EmptyPicturesStoreNothingAndDamagedDataIsRefused) {
  const std::vector<uint8_t> empty = Stored(&saved_);
  EXPECT_EQ(std::search(empty.begin(), empty.end(), std::begin("Data"), std::end("Data") - 1), empty.end());
  FillPattern(*saved_.Picture(), pf24bit);
  const std::vector<uint8_t> good = Stored(&saved_);
  const auto name = std::search(good.begin(), good.end(), std::begin("Picture.Data"), std::end("Picture.Data") - 1);
  ASSERT_NE(name, good.end());
  const auto data = name + 13;
  // The stated picture length one more than the bytes there, and the length itself cut.
  std::vector<uint8_t> longer = good;
  ++longer[static_cast<size_t>(data - good.begin()) + 4];
  std::vector<uint8_t> cut(good.begin(), data);
  cut.insert(cut.end(), {0x0A, 2, 0, 0, 0, 1, 2, 0, 0});
  for (const auto& bytes : {longer, cut}) EXPECT_THROW(ReadInto(bytes, &loaded_), EReadError);
}
