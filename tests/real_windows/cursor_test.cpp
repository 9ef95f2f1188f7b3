// A cursor made from a picture reaches the real window as the toolkit's picture cursor, with
// its colours, its transparent pixels and its hot spot.
#include <gtest/gtest.h>

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWindow>
#include <memory>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/resources.h"
#include "platform/windows/cursors.h"
#include "tests/real_windows/real_display.h"

namespace {

TEST(RealCursors, APictureCursorIsTheRealWindowsCursor) {
  if (!DisplayAvailable()) GTEST_SKIP() << "needs an X server; ctest runs this on an X server of its own";
  TApplicationScope application;
  TForm* form = new TForm(Application);
  form->SetBounds(100, 100, 200, 150);
  form->Show();
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form->Handle()); })) << "the window never showed";

  TCursorImage picture;
  picture.Image = std::make_unique<TBitmap>();
  picture.Image->SetSize(16, 16);
  picture.Image->Canvas()->Brush()->SetColor(clRed);
  picture.Image->Canvas()->FillRect(Rect(0, 0, 16, 16));
  picture.Mask = std::make_unique<TBitmap>();
  picture.Mask->SetSize(16, 16);
  picture.Mask->Canvas()->Brush()->SetColor(clWhite);
  picture.Mask->Canvas()->FillRect(Rect(0, 0, 16, 16));
  picture.Mask->Canvas()->Brush()->SetColor(clBlack);
  picture.Mask->Canvas()->FillRect(Rect(4, 4, 12, 12));
  picture.HotSpot = Point(3, 5);
  const HCURSOR cursor = CreateImageCursor(picture);
  SetCursor(cursor);

  auto* window = static_cast<QWindow*>(ToolkitWindowOf(form->Handle()));
  ASSERT_NE(window, nullptr);
  const QCursor shown = window->cursor();
  EXPECT_EQ(shown.shape(), Qt::BitmapCursor);
  EXPECT_EQ(shown.hotSpot(), QPoint(3, 5));
  const QImage image = shown.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(image.pixel(8, 8), 0xFFFF0000u) << "where the mask is black the picture shows";
  EXPECT_EQ(qAlpha(image.pixel(1, 1)), 0) << "where it is white the cursor is transparent";

  EXPECT_TRUE(DestroyCursor(cursor));
  EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor) << "a freed cursor gives way to the arrow";
}

}  // namespace
