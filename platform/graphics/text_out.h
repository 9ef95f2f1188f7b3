#pragma once

#include <string_view>

#include "platform/core/types.h"
#include "platform/graphics/device_context.h"

// Single-line text output and measurement with the selected font (UTF-8 text). The text
// cell of a string is its advance width by the font's height; text alignment (SetTextAlign)
// places it at the reference point; an opaque background mode fills the cell with the
// background colour first. Fonts with an escapement of 900 run upwards from the point.

bool TextOut(HDC dc, int x, int y, std::string_view text);
enum : UINT { ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004, ETO_RTLREADING = 0x0080 };
// `rect` (may be null) is filled with the background colour (ETO_OPAQUE) and/or clips the
// text (ETO_CLIPPED). `dx` (optional) gives the advance of each code point.
bool ExtTextOut(HDC dc, int x, int y, UINT options, const TRect* rect, std::string_view text,
                const int* dx = nullptr);
bool GetTextExtentPoint32(HDC dc, std::string_view text, TSize* size);
// How many whole code points fit in maxExtent; fills partial extents per code point if
// `extents` is given (one entry per code point).
bool GetTextExtentExPoint(HDC dc, std::string_view text, int maxExtent, int* fit, int* extents, TSize* size);
bool GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// What the outline of the selected font records beyond its text metrics: the slope of its
// glyphs as a rise over a run (upright: 1 over 0), taken from the face drawn, and its ascent.
struct OUTLINETEXTMETRIC {
  TEXTMETRIC otmTextMetrics;
  int otmsCharSlopeRise = 1;
  int otmsCharSlopeRun = 0;
  int otmAscent = 0;
};
bool GetOutlineTextMetrics(HDC dc, OUTLINETEXTMETRIC* metrics);
// The face name of the selected font as the program asked for it.
String GetTextFace(HDC dc);

// The installed font family a face name of the original platform is drawn with ("MS Sans
// Serif" -> "DejaVu Sans", "宋体" -> "WenQuanYi Zen Hei", ...). Unknown names pass through.
String SubstituteFontName(std::string_view faceName);
