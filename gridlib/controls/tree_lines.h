#pragma once

#include "platform/core/types.h"

class TCanvas;

// The dotted tree lines and node glyph of one step of a tree, drawn in the canvas's font
// colour on what is there: 9 a line through (another node below continues the level), 6 a
// leaf with a sibling after it, 7 the last leaf, 0 and 3 an expanded or collapsed node with a
// sibling after it, 1 and 4 the same as the last of their level. `phase` shifts the dots by
// one pixel so that the lines of neighbouring rows join.
void DrawTreeLinesEx(TCanvas* canvas, const TRect& rect, int lineType, double scaleX, double scaleY, bool phase);
