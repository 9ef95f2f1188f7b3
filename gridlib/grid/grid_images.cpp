// The unit-wide image lists of the indicator and the sort markers, and the check boxes.
#include "gridlib/grid/grid_images.h"

#include <memory>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/image_list.h"

namespace {

struct GridImages {
  std::unique_ptr<TImageList> Indicators;
  std::unique_ptr<TImageList> SortMarkers;
  std::unique_ptr<TBitmap> CheckBoxes;
};

std::unique_ptr<GridImages> images;

void AddResource(TImageList* list, const char* name, TColor transparent) {
  TBitmap bitmap;
  bitmap.LoadFromResourceName(0, name);
  list->AddMasked(&bitmap, transparent);
}

// The white arrow with its white drawn in the search colour, so that it shows on the search
// text's background; teal stays the see-through colour.
void AddSearchArrow(TImageList* list, TColor searchBackground) {
  TBitmap arrow;
  arrow.LoadFromResourceName(0, "DBGARROWEXW");
  arrow.SetTransparentColor(clWhite);
  arrow.SetTransparent(true);
  const TColor paper = ColorToRGB(searchBackground) == clTeal ? static_cast<TColor>(0x7F7F00) : searchBackground;
  TBitmap image;
  image.SetSize(list->Width(), list->Height());
  image.Canvas()->Brush()->SetColor(paper);
  image.Canvas()->FillRect(Rect(0, 0, image.Width(), image.Height()));
  image.Canvas()->Draw(0, 0, &arrow);
  if (list->Count() == 7) list->Delete(iiCurrentSearch);
  list->AddMasked(&image, clTeal);
}

std::unique_ptr<TImageList> MakeIndicators(TColor searchBackground) {
  TBitmap arrow;
  arrow.LoadFromResourceName(0, "DBGARROWEX");
  auto list = std::make_unique<TImageList>(arrow.Width(), arrow.Height());
  for (const char* name : {"DBGARROWEX", "DBEDITEX", "DBINSERTEX", "DBMULTIDOTEX", "DBMULTIARROWEX"}) {
    AddResource(list.get(), name, clWhite);
  }
  AddResource(list.get(), "DBGARROWEXW", clTeal);
  AddSearchArrow(list.get(), searchBackground);
  return list;
}

std::unique_ptr<TImageList> MakeSortMarkers() {
  TBitmap down;
  down.LoadFromResourceName(0, "DBSMDOWNEX");
  auto list = std::make_unique<TImageList>(down.Width(), down.Height());
  AddResource(list.get(), "DBSMDOWNEX", clFuchsia);
  AddResource(list.get(), "DBSMUPEX", clFuchsia);
  return list;
}

}  // namespace

void StartGridImages(TColor searchBackground) {
  auto made = std::make_unique<GridImages>();
  made->Indicators = MakeIndicators(searchBackground);
  made->SortMarkers = MakeSortMarkers();
  made->CheckBoxes = std::make_unique<TBitmap>();
  made->CheckBoxes->LoadFromResourceName(0, "DBGRIDEX_CHECKBOXES");
  images = std::move(made);
}

void StopGridImages() { images.reset(); }

TCustomImageList* IndicatorImages() { return images != nullptr ? images->Indicators.get() : nullptr; }
TCustomImageList* SortMarkerImages() { return images != nullptr ? images->SortMarkers.get() : nullptr; }
TBitmap* CheckBoxImages() { return images != nullptr ? images->CheckBoxes.get() : nullptr; }
