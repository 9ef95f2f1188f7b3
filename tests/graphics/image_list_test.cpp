#include "platform/graphics/image_list.h"

#include <gtest/gtest.h>

#include "tests/graphics/image_test_support.h"

using namespace image_test;

namespace {

// Three 8 x 6 images on fuchsia: a red, a green and a blue square, each inset by 2 pixels.
std::unique_ptr<TBitmap> ThreeSquares() {
  auto strip = std::make_unique<TBitmap>(24, 6);
  Fill(*strip, clFuchsia);
  const TColor colours[] = {clRed, clLime, clBlue};
  for (int i = 0; i < 3; ++i) Fill(*strip, colours[i], Rect(i * 8 + 2, 2, i * 8 + 6, 4));
  return strip;
}

std::unique_ptr<TBitmap> Background(TColor color) {
  auto canvas = std::make_unique<TBitmap>(20, 20);
  Fill(*canvas, color);
  return canvas;
}

TEST(ImageList, AddMaskedCutsTheStripIntoImages) {
  TImageList list(8, 6);
  auto strip = ThreeSquares();
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.AddMasked(strip.get(), clFuchsia), 3);
  EXPECT_EQ(list.Count(), 6);
  // A picture narrower than the images still adds one.
  TBitmap narrow(3, 3);
  EXPECT_EQ(list.Add(&narrow, nullptr), 6);
  EXPECT_EQ(list.Count(), 7);
}

TEST(ImageList, DrawShowsTheImageAndLeavesMaskedPixels) {
  TImageList list(8, 6);
  auto strip = ThreeSquares();
  list.AddMasked(strip.get(), clFuchsia);
  auto target = Background(clYellow);
  list.Draw(target->Canvas(), 5, 7, 1);
  EXPECT_EQ(Rgb(*target, 5 + 2, 7 + 2), Rgb(clLime));
  EXPECT_EQ(Rgb(*target, 5 + 5, 7 + 3), Rgb(clLime));
  EXPECT_EQ(Rgb(*target, 5 + 6, 7 + 3), Rgb(clYellow));  // masked fuchsia
  EXPECT_EQ(Rgb(*target, 5, 7), Rgb(clYellow));
  EXPECT_EQ(Rgb(*target, 4, 9), Rgb(clYellow));  // outside
  KeepIfFailed(*target, "image_list_draw");
}

TEST(ImageList, MaskColourChoices) {
  auto strip = ThreeSquares();
  TImageList byDefault(8, 6), none(8, 6);
  byDefault.AddMasked(strip.get(), clDefault);  // the bottom-left pixel: fuchsia
  none.AddMasked(strip.get(), clNone);
  auto a = Background(clYellow), b = Background(clYellow);
  byDefault.Draw(a->Canvas(), 0, 0, 0);
  none.Draw(b->Canvas(), 0, 0, 0);
  EXPECT_EQ(Rgb(*a, 0, 0), Rgb(clYellow));
  EXPECT_EQ(Rgb(*a, 2, 2), Rgb(clRed));
  EXPECT_EQ(Rgb(*b, 0, 0), Rgb(clFuchsia));
  EXPECT_EQ(Rgb(*b, 2, 2), Rgb(clRed));
}

TEST(ImageList, AddUsesTheMaskBitmapsLightPixels) {
  TBitmap picture(4, 4), mask(4, 4);
  Fill(picture, clNavy);
  Fill(mask, clBlack);
  Fill(mask, clWhite, Rect(0, 0, 2, 4));  // left half see-through
  TImageList list(4, 4);
  list.Add(&picture, &mask);
  auto target = Background(clSilver);
  list.Draw(target->Canvas(), 0, 0, 0);
  EXPECT_EQ(Rgb(*target, 1, 1), Rgb(clSilver));
  EXPECT_EQ(Rgb(*target, 2, 1), Rgb(clNavy));
  EXPECT_EQ(Rgb(*target, 3, 3), Rgb(clNavy));
}

TEST(ImageList, DisabledImagesAreEmbossed) {
  // A 4 x 4 image: black top-left pixel, white pixel beside it, the rest see-through.
  TBitmap picture(4, 4);
  Fill(picture, clFuchsia);
  picture.Canvas()->SetPixels(1, 1, clBlack);
  picture.Canvas()->SetPixels(2, 1, clWhite);
  TImageList list(4, 4);
  list.AddMasked(&picture, clFuchsia);
  auto target = Background(clYellow);
  list.Draw(target->Canvas(), 3, 3, 0, false);
  EXPECT_EQ(Rgb(*target, 4, 4), Rgb(clBtnShadow));     // the ink itself
  EXPECT_EQ(Rgb(*target, 5, 5), Rgb(clBtnHighlight));  // its highlight, down and right
  EXPECT_EQ(Rgb(*target, 5, 4), Rgb(clYellow));        // white pixels are not ink
  EXPECT_EQ(Rgb(*target, 3, 3), Rgb(clYellow));        // see-through stays
  list.Draw(target->Canvas(), 10, 10, 0, true);
  EXPECT_EQ(Rgb(*target, 11, 11), Rgb(clBlack));
  EXPECT_EQ(Rgb(*target, 12, 11), Rgb(clWhite));
  KeepIfFailed(*target, "image_list_disabled");
}

TEST(ImageList, DrawingOutsideTheCanvasOrABadIndexIsHarmless) {
  TImageList list(8, 6);
  auto strip = ThreeSquares();
  list.AddMasked(strip.get(), clFuchsia);
  auto target = Background(clYellow);
  list.Draw(target->Canvas(), -4, -3, 0);
  EXPECT_EQ(Rgb(*target, 0, 0), Rgb(clRed));
  list.Draw(target->Canvas(), 16, 16, 2, false);
  list.Draw(target->Canvas(), 100000, -100000, 2);
  list.Draw(target->Canvas(), 0, 0, 3);
  list.Draw(target->Canvas(), 0, 0, -1);
  list.Draw(nullptr, 0, 0, 0);
  EXPECT_EQ(Rgb(*target, 5, 5), Rgb(clYellow));
}

TEST(ImageList, GetBitmapDrawsOneImageAtTheListSize) {
  TImageList list(8, 6);
  auto strip = ThreeSquares();
  list.AddMasked(strip.get(), clFuchsia);
  TBitmap out(30, 30);
  EXPECT_TRUE(list.GetBitmap(2, &out));
  EXPECT_EQ(out.Width(), 8);
  EXPECT_EQ(out.Height(), 6);
  EXPECT_EQ(Rgb(out, 3, 3), Rgb(clBlue));
  EXPECT_FALSE(list.GetBitmap(3, &out));
  EXPECT_FALSE(list.GetBitmap(0, nullptr));
}

TEST(ImageList, DeleteClearAndResizing) {
  TImageList list(8, 6);
  auto strip = ThreeSquares();
  list.AddMasked(strip.get(), clFuchsia);
  list.Delete(0);
  ASSERT_EQ(list.Count(), 2);
  TBitmap out;
  list.GetBitmap(0, &out);
  EXPECT_EQ(Rgb(out, 3, 3), Rgb(clLime));
  try {
    list.Delete(2);
    ADD_FAILURE() << "deleting past the end must raise";
  } catch (const EInvalidOperation& e) {
    EXPECT_EQ(e.Message(), "Invalid ImageList Index");
  }
  list.SetWidth(8);
  EXPECT_EQ(list.Count(), 2);  // the same size keeps the images
  list.SetHeight(7);
  EXPECT_EQ(list.Count(), 0);
  list.AddMasked(strip.get(), clFuchsia);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THROW(list.SetWidth(0), EInvalidOperation);
  EXPECT_THROW(list.Add(nullptr, nullptr), EInvalidOperation);
}

TEST(ImageList, ChangesReachLinksAndTheEvent) {
  auto list = std::make_unique<TImageList>(nullptr);
  int events = 0, linked = 0;
  TObject* sender = nullptr;
  list->OnChange.Bind(nullptr, "", [&](TObject*) { ++events; });
  TChangeLink link;
  link.OnChange.Bind(nullptr, "", [&](TObject* s) {
    ++linked;
    sender = s;
  });
  list->RegisterChanges(&link);
  EXPECT_EQ(link.Sender(), list.get());
  TBitmap picture(16, 16);
  list->Add(&picture, nullptr);
  list->Delete(0);
  EXPECT_EQ(events, 2);
  EXPECT_EQ(linked, 2);
  EXPECT_EQ(sender, list.get());
  {
    TChangeLink shortLived;
    list->RegisterChanges(&shortLived);
  }  // unregisters itself
  list->Clear();
  EXPECT_EQ(linked, 3);
  list.reset();
  EXPECT_EQ(link.Sender(), nullptr);  // the list went first; the link forgets it
}

TEST(ImageList, ALinkMovedToAnotherListLeavesTheFirst) {
  TImageList first(nullptr), second(nullptr);
  int changes = 0;
  {
    TChangeLink link;
    link.OnChange.Bind(nullptr, "", [&](TObject*) { ++changes; });
    first.RegisterChanges(&link);
    second.RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), &second);
    first.Clear();
    EXPECT_EQ(changes, 0);
    second.Clear();
    EXPECT_EQ(changes, 1);
  }
  first.Clear();  // the link is gone: the first list must not reach it
  second.Clear();
  EXPECT_EQ(changes, 1);
}

// Holds an image list it does not own, as a tool bar does.
class TImageUser : public TComponent {
 public:
  using TComponent::TComponent;
  void SetImages(TCustomImageList* images) {
    images_ = images;
    if (images) images->FreeNotification(this);
  }
  TCustomImageList* Images() const { return images_; }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == opRemove && component == images_) images_ = nullptr;
  }

 private:
  TCustomImageList* images_ = nullptr;
};

TEST(ImageList, UsersAreToldWhenTheListIsFreed) {
  TImageUser user(nullptr);
  auto* list = new TImageList(nullptr);
  user.SetImages(list);
  delete list;
  EXPECT_EQ(user.Images(), nullptr);
}

TEST(ImageList, AssignCopiesSizeAndImages) {
  TImageList source(8, 6), copy(nullptr);
  auto strip = ThreeSquares();
  source.AddMasked(strip.get(), clFuchsia);
  copy.Assign(&source);
  EXPECT_EQ(copy.Width(), 8);
  EXPECT_EQ(copy.Height(), 6);
  ASSERT_EQ(copy.Count(), 3);
  source.Clear();
  auto target = Background(clYellow);
  copy.Draw(target->Canvas(), 0, 0, 2);
  EXPECT_EQ(Rgb(*target, 2, 2), Rgb(clBlue));
  EXPECT_EQ(Rgb(*target, 0, 0), Rgb(clYellow));
  copy.Assign(&copy);
  EXPECT_EQ(copy.Count(), 3) << "assigning a list to itself keeps its images";
}

}  // namespace
