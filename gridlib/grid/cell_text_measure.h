#pragma once

#include "platform/core/strings.h"
#include "platform/core/types.h"

class TCanvas;

// The size a cell's text takes as the cell draws it: measured in a box of the available width
// less 2 and less the indent (at least 1 pixel), wrapped at words when asked, so a wrapped
// text is as wide as its widest line and a single line as wide as all of it.
struct TCellTextSize {
  int Width = 0;
  int Height = 0;
  bool TooLarge = false;  // it does not fit the available width and height
};
TCellTextSize MeasureCellTextEx(TCanvas* canvas, const String& text, int availableWidth, int availableHeight,
                                int indent, bool wordWrap, unsigned readingFlag);

// The rectangle turned around its top-left corner (width and height exchanged), for measuring
// text written from bottom to top.
void TurnRectEx(TRect& rect);
