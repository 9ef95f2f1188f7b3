#pragma once

#include <string_view>
#include <vector>

#include "platform/graphics/dc_state.h"

// The text engine over the toolkit (private to the graphics layer): realizes fonts, measures
// and draws runs of UTF-8 text. Measuring and drawing use the same realized font, so widths
// agree with the ink.

struct RealizedFont;

// The realized font of a font object (cached).
const RealizedFont& RealizeFont(FontObject& font);
const TEXTMETRIC& MetricsOf(const RealizedFont& font);
// How far the glyphs of the face drawn lean: `Run` pixels across for `Rise` up.
struct TGlyphSlope {
  int Rise = 1;
  int Run = 0;
};
TGlyphSlope SlopeOf(const RealizedFont& font);
int EscapementOf(const RealizedFont& font);
// Advance width of the text in pixels.
int TextAdvance(const RealizedFont& font, std::string_view text);
// The whole pixels that hold the text: its shaped width rounded up, not to the nearest.
int TextExtentCeiling(const RealizedFont& font, std::string_view text);
// x after each code point (one entry per code point, the last equal to the advance).
std::vector<int> CodePointEnds(const RealizedFont& font, std::string_view text);

// Draws text with its cell's top-left corner at device point (x, y) (before rotation by the
// font's escapement), clipped to `clip` (absolute device coordinates). Right-to-left reading
// order when `rtl`.
void DrawTextRun(HDC__& dc, const RealizedFont& font, int x, int y, std::string_view text, COLORREF color,
                 const TRegion& clip, bool rtl);
