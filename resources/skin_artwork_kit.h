#pragma once

#include <functional>

#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/colors.h"

class TBitmap;
class TArtworkSink;

// The skinned controls' artwork: every style draws the same parts from its own palette and
// sizes. Magenta is left only where a control draws a cell see-through; opaque cells show
// the style's background around their shapes instead.
namespace skin_art {

constexpr TColor kSeeThrough = static_cast<TColor>(0xFF00FF);

struct TStyleSizes {
  TSize Button, CheckBox, RadioButton, TitleButton, TitleLeft, TitleClient, TitleRight,
      ProgressBar, TrackBar, TrackSlider, TrackSliderV, ScrollBarButton, ScrollBarThumb,
      CheckList, ScrollButton, Tab, TabLine, SideHandle, SideBar;
};

struct TStylePalette {
  String Prefix;                     // resource names are Prefix + "_" + part
  TStyleSizes Sizes;
  TColor Background;                 // what surrounds opaque shapes
  TColor Face, FaceShade;            // raised surfaces, top and bottom
  TColor Border;                     // outlines of controls
  TColor Accent, AccentLight;        // selections, fills and marks
  TColor TitleTop, TitleBottom;      // the title bar's gradient
  TColor TitleGlyph;                 // glyphs on title bar buttons
  TColor ScrollBack;                 // the scroll bar's track
  int TitleButtonTop;                // where title bar buttons sit in the bar
  bool ButtonSeeThrough;             // push button faces are drawn transparently
  bool TitleButtonSeeThrough;        // title bar buttons are drawn transparently
  bool OwnScrollButton;              // else the styles share MORE_SCROLLBUTTON
  int Radius;                        // corner radius of faces
};

// Draws every picture of one style.
void DrawStyleArtwork(const TStylePalette& p, TArtworkSink& sink);
void DrawControlArtwork(const TStylePalette& p, TArtworkSink& sink);
void DrawFrameArtwork(const TStylePalette& p, TArtworkSink& sink);
// MORE_SCROLLBUTTON, shared by the styles without scroll buttons of their own, in p's colours.
void DrawSharedScrollButtons(const TStylePalette& p, TArtworkSink& sink);
// Pictures that belong to no one style or are named in code (MENU_CHECKED, MSGDLG, ...).
void DrawSharedSkinArtwork(TArtworkSink& sink);

// ---- drawing helpers ------------------------------------------------------------------------

TColor Mix(TColor a, TColor b, int percentOfB);
inline TColor Lighter(TColor c, int percent) { return Mix(c, clWhite, percent); }
inline TColor Darker(TColor c, int percent) { return Mix(c, clBlack, percent); }

void FillRect(TBitmap& b, const TRect& r, TColor color);
// Rows from `top` to `bottom` colour.
void VerticalGradient(TBitmap& b, const TRect& r, TColor top, TColor bottom);
void FrameRect(TBitmap& b, const TRect& r, TColor color);
void Line(TBitmap& b, TPoint from, TPoint to, TColor color);  // both ends included

using TInside = std::function<bool(int x, int y)>;
// Paints the pixels of `area` that `inside` accepts: edge pixels (an outside 4-neighbour) in
// `edge`, the others by row from `top` to `bottom`. Pixels outside stay as they are.
void PaintShape(TBitmap& b, const TRect& area, const TInside& inside, TColor edge, TColor top,
                TColor bottom);
// Inside tests for common shapes within `area`.
TInside RoundedRect(const TRect& area, int radius);
TInside Circle(const TRect& area);

enum TDirection { dirUp, dirDown, dirLeft, dirRight };
// A filled triangle `size` pixels wide (along its base), centred on `centre`.
void Arrow(TBitmap& b, TPoint centre, int size, TDirection direction, TColor color);
void CheckMark(TBitmap& b, TPoint origin, int size, TColor color);

// A picture of `count` equal cells side by side; `cell` draws cell i (0-based) in its own
// rectangle.
void DrawStrip(TBitmap& b, int count, const std::function<void(int i, const TRect& r)>& cell);

}  // namespace skin_art
