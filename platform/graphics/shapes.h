#pragma once

#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

// Lines, shapes and pixels on a device context, with the window system's pixel rules:
// LineTo leaves out its end point, rectangles exclude their right and bottom edge, shapes
// draw their outline with the selected pen and fill their inside with the selected brush,
// both through the mix mode (SetROP2). Nothing is antialiased. Empty or inverted
// rectangles draw nothing.

bool MoveToEx(HDC dc, int x, int y, TPoint* old);
bool LineTo(HDC dc, int x, int y);
bool GetCurrentPositionEx(HDC dc, TPoint* position);
bool Polyline(HDC dc, const TPoint* points, int count);
// Each of `polyCount` runs of counts[i] points is a separate polyline.
bool PolyPolyline(HDC dc, const TPoint* points, const DWORD* counts, int polyCount);
enum : int { ALTERNATE = 1, WINDING = 2 };
int SetPolyFillMode(HDC dc, int mode);
bool Polygon(HDC dc, const TPoint* points, int count);
bool Rectangle(HDC dc, int left, int top, int right, int bottom);
bool RoundRect(HDC dc, int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
bool Ellipse(HDC dc, int left, int top, int right, int bottom);

// Fill with a brush regardless of the mix mode (pattern copy).
int FillRect(HDC dc, const TRect& r, HBRUSH brush);
// A one-pixel frame just inside the rectangle, in the brush.
int FrameRect(HDC dc, const TRect& r, HBRUSH brush);
bool InvertRect(HDC dc, const TRect& r);
bool FillRgn(HDC dc, HRGN region, HBRUSH brush);
bool FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height);
bool InvertRgn(HDC dc, HRGN region);
// Returns the colour set, or CLR_INVALID when outside the clip or bitmap.
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID when outside the clip or bitmap.
COLORREF GetPixel(HDC dc, int x, int y);
