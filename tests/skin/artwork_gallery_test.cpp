// The page that shows every style's pictures.

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "skin/artwork_gallery.h"
#include "skin/file_theme.h"
#include "skin/themes.h"
#include "tests/skin/skin_fixture.h"

namespace {

using ArtworkGallery = SkinFormTest;

TEST_F(ArtworkGallery, ShowsEachStyleAndFallsBackToMarineWithoutAThemeFile) {
  TForm* form = MakeForm(Bounds(0, 0, 900, 6 * TskArtworkGallery::kRowHeight));
  auto* gallery = new TskArtworkGallery(form);
  gallery->SetParent(form);
  Pump();
  const int row = TskArtworkGallery::kRowHeight;
  TBitmap client;
  GetInsideThemeBitmap(Pearl, 11, &client);
  // The middle of Pearl's title bar (row 2) is its client section, stretched.
  EXPECT_EQ(Pixel(form, 150, row + 22 + 10), client.Canvas()->Pixels(0, 10));
  // The theme-file row without a file looks like the Marine row, picture for picture.
  for (int x = 300; x < 900; x += 7) {
    for (int y = 22; y < row - 2; y += 5) {
      ASSERT_EQ(Pixel(form, x, 5 * row + y), Pixel(form, x, 2 * row + y)) << x << "," << y;
    }
  }
  // With a loaded file, the last row shows the file's pictures.
  auto* theme = new TskFileTheme(form);
  theme->SetThemeFile(ProgramFolder() + "../examples/showcase/OnePlumet.skn");
  ASSERT_TRUE(theme->CanUse());
  gallery->SetFileTheme(theme);
  Pump();
  TBitmap plumClient;
  theme->GetBitmap(11, &plumClient);
  EXPECT_EQ(Pixel(form, 150, 5 * row + 22 + 10), plumClient.Canvas()->Pixels(0, 10));
  EXPECT_NE(Pixel(form, 150, 5 * row + 22 + 10), Pixel(form, 150, 2 * row + 22 + 10));
  SavePictureOnFailure(form);
}

}  // namespace
