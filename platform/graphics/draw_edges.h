#pragma once

#include "platform/core/types.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/gdi_handles.h"

class TCanvas;

// The classic 3D look, drawn with the fixed system colours: outer edges use highlight and
// dark shadow, inner edges light and shadow (BF_SOFT swaps that for the upper-left
// corner, BF_FLAT draws in shadow and face, BF_MONO in frame colour and window colour).
enum : UINT {
  BDR_RAISEDOUTER = 0x1, BDR_SUNKENOUTER = 0x2, BDR_RAISEDINNER = 0x4, BDR_SUNKENINNER = 0x8,
  BDR_OUTER = 0x3, BDR_INNER = 0xC, BDR_RAISED = 0x5, BDR_SUNKEN = 0xA,
  EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER,
  EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER,
  EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER,
  EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER,
};
enum : UINT {
  BF_LEFT = 0x1, BF_TOP = 0x2, BF_RIGHT = 0x4, BF_BOTTOM = 0x8,
  BF_TOPLEFT = BF_TOP | BF_LEFT, BF_TOPRIGHT = BF_TOP | BF_RIGHT,
  BF_BOTTOMLEFT = BF_BOTTOM | BF_LEFT, BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT,
  BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM,
  BF_DIAGONAL = 0x10,
  BF_DIAGONAL_ENDTOPRIGHT = BF_DIAGONAL | BF_TOP | BF_RIGHT,
  BF_DIAGONAL_ENDTOPLEFT = BF_DIAGONAL | BF_TOP | BF_LEFT,
  BF_DIAGONAL_ENDBOTTOMLEFT = BF_DIAGONAL | BF_BOTTOM | BF_LEFT,
  BF_DIAGONAL_ENDBOTTOMRIGHT = BF_DIAGONAL | BF_BOTTOM | BF_RIGHT,
  BF_MIDDLE = 0x800, BF_SOFT = 0x1000, BF_ADJUST = 0x2000, BF_FLAT = 0x4000, BF_MONO = 0x8000,
};
// Draws the edges; with BF_ADJUST shrinks `rect` to the area inside them. With BF_DIAGONAL
// each ring is instead a line across the rectangle ending in the corner BF_TOP/BF_BOTTOM and
// BF_LEFT/BF_RIGHT name, the inner ring one pixel below the outer.
bool DrawEdge(HDC dc, TRect& rect, UINT edge, UINT flags);

enum : UINT { DFC_CAPTION = 1, DFC_MENU = 2, DFC_SCROLL = 3, DFC_BUTTON = 4 };
enum : UINT {
  DFCS_CAPTIONCLOSE = 0x0, DFCS_CAPTIONMIN = 0x1, DFCS_CAPTIONMAX = 0x2, DFCS_CAPTIONRESTORE = 0x3,
  DFCS_CAPTIONHELP = 0x4,
  DFCS_SCROLLUP = 0x0, DFCS_SCROLLDOWN = 0x1, DFCS_SCROLLLEFT = 0x2, DFCS_SCROLLRIGHT = 0x3,
  DFCS_SCROLLCOMBOBOX = 0x5, DFCS_SCROLLSIZEGRIP = 0x8,
  DFCS_BUTTONCHECK = 0x0, DFCS_BUTTONRADIOIMAGE = 0x1, DFCS_BUTTONRADIOMASK = 0x2,
  DFCS_BUTTONRADIO = 0x4, DFCS_BUTTON3STATE = 0x8, DFCS_BUTTONPUSH = 0x10,
  DFCS_INACTIVE = 0x100, DFCS_PUSHED = 0x200, DFCS_CHECKED = 0x400, DFCS_TRANSPARENT = 0x800,
  DFCS_HOT = 0x1000, DFCS_ADJUSTRECT = 0x2000, DFCS_FLAT = 0x4000, DFCS_MONO = 0x8000,
};
// Buttons (push, check, radio: 13 x 13 glyphs centred in the rectangle), scroll arrows and
// caption buttons in every state.
bool DrawFrameControl(HDC dc, TRect& rect, UINT type, UINT state);

// A dotted rectangle drawn by inverting every other pixel: drawing it twice restores the
// picture.
bool DrawFocusRect(HDC dc, const TRect& rect);

// Draws `width` one-pixel frames, top-left in topColor and bottom-right in bottomColor, and
// shrinks rect by width on every side (the class library's helper).
void Frame3D(TCanvas* canvas, TRect& rect, TColor topColor, TColor bottomColor, int width);

// DrawState: an image (a bitmap or text) drawn normally, as a silhouette in the brush
// (DSS_MONO) or in the embossed disabled look (DSS_DISABLED).
enum : UINT {
  DST_COMPLEX = 0x0, DST_TEXT = 0x1, DST_PREFIXTEXT = 0x2, DST_ICON = 0x3, DST_BITMAP = 0x4,
  DSS_NORMAL = 0x0, DSS_UNION = 0x10, DSS_DISABLED = 0x20, DSS_MONO = 0x80, DSS_RIGHT = 0x8000,
};
// For DST_BITMAP `data` is an HBITMAP (in the mono and disabled looks, its ink is every pixel
// that differs from its bottom-left pixel); for DST_TEXT/DST_PREFIXTEXT `data`
// points to UTF-8 text with `dataLength` bytes (0: up to the terminating zero). cx/cy 0:
// the image's own size.
bool DrawState(HDC dc, HBRUSH brush, intptr_t data, uintptr_t dataLength, int x, int y, int cx, int cy, UINT flags);
