#pragma once

#include "platform/graphics/colors.h"

class TBitmap;
class TCustomImageList;

// The pictures every data grid paints with, made from the built-in artwork when the grid
// library starts and freed when it stops.

// Images of the indicator column.
enum TIndicatorImage : int {
  iiCurrent,        // the current record
  iiEdit,           // the current record is being edited
  iiInsert,         // a new record is being inserted
  iiMultiDot,       // a selected record
  iiMultiArrow,     // the current record, selected
  iiCurrentWhite,   // the current record in a selected (dark) row
  iiCurrentSearch,  // the current record while an incremental search runs
};

TCustomImageList* IndicatorImages();
// Images of the title's sort marker: 0 down, 1 up.
TCustomImageList* SortMarkerImages();
// Four check boxes across (plain, pushed, greyed, greyed and pushed), three down (unchecked,
// checked, greyed).
TBitmap* CheckBoxImages();

// `searchBackground` is the colour of incremental-search text, which the search image's arrow
// takes.
void StartGridImages(TColor searchBackground);
void StopGridImages();
