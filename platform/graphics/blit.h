#pragma once

#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

// Copies between device contexts with the window system's ternary raster operations: the
// result bit of each pixel is a function of pattern (the selected brush), source and
// destination bits, given by the operation's truth table. SRCCOPY copies all 32 bits
// (alpha too); the other operations work on colour and leave the result opaque.
enum : DWORD {
  SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
  SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6,
  MERGECOPY = 0x00C000CA, MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09,
  PATINVERT = 0x005A0049, DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062,
};

bool BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop);
// Scales with nearest-neighbour sampling; a negative width or height mirrors.
bool StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, DWORD rop);
enum : int { BLACKONWHITE = 1, WHITEONBLACK = 2, COLORONCOLOR = 3, HALFTONE = 4 };
int SetStretchBltMode(HDC dc, int mode);  // accepted; sampling is always nearest-neighbour
bool PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);

// Constant and per-pixel alpha. With AC_SRC_ALPHA the source is premultiplied, as the
// window system expects: dst = src * SourceConstantAlpha/255 + dst * (1 - srcAlpha').
enum : BYTE { AC_SRC_OVER = 0x00, AC_SRC_ALPHA = 0x01 };
struct BLENDFUNCTION {
  BYTE BlendOp = AC_SRC_OVER;
  BYTE BlendFlags = 0;
  BYTE SourceConstantAlpha = 255;
  BYTE AlphaFormat = 0;
};
bool AlphaBlend(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                int srcWidth, int srcHeight, BLENDFUNCTION blend);
// Copies every source pixel except those of `transparent` colour.
bool TransparentBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY,
                    int srcWidth, int srcHeight, UINT transparent);

// Gradients: colours are 16 bits per channel as the window system gives them.
struct TRIVERTEX {
  int x = 0;
  int y = 0;
  uint16_t Red = 0;
  uint16_t Green = 0;
  uint16_t Blue = 0;
  uint16_t Alpha = 0;
};
struct GRADIENT_RECT {
  unsigned long UpperLeft = 0;
  unsigned long LowerRight = 1;
};
enum : DWORD { GRADIENT_FILL_RECT_H = 0, GRADIENT_FILL_RECT_V = 1 };
bool GradientFill(HDC dc, const TRIVERTEX* vertices, unsigned long vertexCount,
                  const GRADIENT_RECT* rects, unsigned long rectCount, DWORD mode);
// A linear gradient over a rectangle, from `from` at the left (or top) to `to`.
void GradientFillRect(HDC dc, const TRect& rect, TColor from, TColor to, bool vertical);

// Moves the pixels of `scroll` (clipped by `clip`) by (dx, dy); returns the uncovered area in
// `update` and/or `updateRect`.
bool ScrollDC(HDC dc, int dx, int dy, const TRect* scroll, const TRect* clip, HRGN update, TRect* updateRect);
