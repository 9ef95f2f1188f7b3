#pragma once

#include <string_view>

#include "platform/core/types.h"
#include "platform/graphics/colors.h"

class TBitmap;
class TCanvas;
class TPicture;
class TControl;
class TWinControl;
class TCustomForm;

// Drawing routines shared by every skinned control. Skin bitmaps with several looks are
// horizontal strips of equal cells numbered from 1; magenta marks their see-through pixels.
// (Whether an object publishes a property is asked with HasProperty of the property registry,
// platform/classes/properties.h.)

constexpr TColor clSkinTransparent = static_cast<TColor>(0xFF00FF);

// Dest becomes cell `index` (1-based) of `count` equal cells of Source: Source.Width div
// count wide, Source.Height high. A count of 0 raises EZeroDivide "Division by zero"; a cell
// outside 1..count raises Exception "Bitmap cell N of M does not exist".
void SpitBitmap(TBitmap* source, TBitmap* dest, int count, int index);

// Draws `bitmap` over `rect` (which starts at 0, 0): the four corners at their natural size,
// edges and centre stretched from the bitmap's middle rows and columns. With `transparent`
// the corners leave magenta out; edges and centre always do.
void StretchBitmapKeepCorners(TBitmap* bitmap, TCanvas* canvas, const TRect& rect,
                              bool transparent);

// A strip of three equal cells: the left one at the rectangle's left, the right one at its
// right, both with the mask colour left out (the bitmap's top-left pixel with
// `useCornerColour`, else magenta); the middle one stretched between them.
void DrawThreePieceHorizontal(TBitmap* bitmap, TCanvas* canvas, const TRect& rect,
                              bool useCornerColour);

// Paints what the control's parent shows under the control (its background and painting)
// onto `canvas`, whose origin is the control's top-left corner. Nothing without a parent.
void PaintParentBackground(TCanvas* canvas, TControl* control);

// The background of a self-painted control on `canvas` (origin at the control's corner): what
// its parent shows under it when `transparent`, else its Color over its client area.
void PaintControlBackground(TCanvas* canvas, TControl* control, bool transparent);

// Text drawn in `shadow` over a copy in `light` one pixel right and down: the look of a
// disabled caption.
void DrawEmbossedText(TCanvas* canvas, std::string_view text, TRect rect, UINT format, TColor light,
                      TColor shadow);

// Repeats the picture from the canvas origin until the rectangle's width and height (plus one
// tile) are covered. An empty picture draws nothing.
void TilePicture(TCanvas* canvas, TPicture* picture, const TRect& rect);

// A 1-pixel frame in borderColor on the control window's outer edge (over its non-client
// area) and, with drawInner, one in innerColor just inside it.
void DrawControlBorder(TWinControl* control, TColor borderColor, TColor innerColor,
                       bool drawInner);

// A quarter turn in place, counter-clockwise (pixel (x, y) goes to (y, W-1-x)) or clockwise;
// width and height swap.
void RotateBitmapLeft(TBitmap* bitmap);
void RotateBitmapRight(TBitmap* bitmap);

// Inside including the right and bottom edges.
bool InRect(TPoint p, const TRect& r);
bool InRect(int x, int y, const TRect& r);

// The desktop less the task bars.
void GetWorkAreaRect(TRect& r);
// Left, then Top.
void PlaceControl(TControl* control, TPoint p);
// Left, Top, Width and Height, one after the other.
void PlaceControlRect(TControl* control, const TRect& r);

// Whether `form` is painted as the active window: the main form, and a main multi-document
// frame, count as active whenever the application is; other forms when they are active.
bool IsFormActive(TCustomForm* form);

// The combo box leaves its painting to the system on one old system release; never here.
bool IsWin95OSR2();
