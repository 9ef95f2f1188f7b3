// The showcase page that shows every style's pictures.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "examples/showcase/artwork_gallery.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/file_theme.h"
#include "skin/themes.h"

namespace {

class ArtworkGallery : public ::testing::Test {
 protected:
  void SetUp() override {
    scope_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetBounds(0, 0, 900, 6 * TArtworkGallery::kRowHeight);
    gallery_ = new TArtworkGallery(form_);
    gallery_->SetParent(form_);
  }
  void TearDown() override {
    if (HasFailure()) {
      const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
      std::filesystem::create_directories(TEST_OUTPUT_DIR);
      picture_.SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." +
                             info->name() + ".png");
    }
    scope_.reset();
  }
  void Paint() {
    picture_.SetSize(gallery_->Width(), gallery_->Height());
    gallery_->PaintTo(picture_.Canvas()->Handle(), 0, 0);
  }
  TColor Pixel(int x, int y) { return picture_.Canvas()->Pixels(x, y); }

  std::unique_ptr<TApplicationScope> scope_;
  TForm* form_ = nullptr;
  TArtworkGallery* gallery_ = nullptr;
  TBitmap picture_;
};

TEST_F(ArtworkGallery, ShowsEachStyleAndFallsBackToMarineWithoutAThemeFile) {
  Paint();
  const int row = TArtworkGallery::kRowHeight;
  TBitmap client;
  GetInsideThemeBitmap(Pearl, tkTitleBarClientImage, &client);
  // The middle of Pearl's title bar (row 2) is its client section, stretched.
  EXPECT_EQ(Pixel(150, row + 22 + 10), client.Canvas()->Pixels(0, 10));
  // The theme-file row without a file looks like the Marine row, picture for picture.
  for (int x = 300; x < 900; x += 7) {
    for (int y = 22; y < row - 2; y += 5) {
      ASSERT_EQ(Pixel(x, 5 * row + y), Pixel(x, 2 * row + y)) << x << "," << y;
    }
  }
  // With a loaded file, the last row shows the file's pictures.
  auto* theme = new TskFileTheme(form_);
  theme->SetThemeFile(ProgramFolder() + "../examples/showcase/OnePlumet.skn");
  ASSERT_TRUE(theme->CanUse());
  gallery_->SetFileTheme(theme);
  Paint();
  TBitmap plumClient;
  theme->GetBitmap(tkTitleBarClientImage, &plumClient);
  EXPECT_EQ(Pixel(150, 5 * row + 22 + 10), plumClient.Canvas()->Pixels(0, 10));
  EXPECT_NE(Pixel(150, 5 * row + 22 + 10), Pixel(150, 2 * row + 22 + 10));
}

}  // namespace
