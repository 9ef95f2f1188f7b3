#pragma once

#include "platform/classes/text_alignment.h"
#include "platform/core/strings.h"
#include "platform/core/types.h"
#include "platform/graphics/gdi_handles.h"

class TCanvas;
class TCustomImageList;
class TBitmap;
class TFont;

// How the grid writes the texts of its cells, titles and footers, and places images in them.

// Writes `text` in `rect`: one line (shortened with "..." when `endEllipsis`), or word-wrapped
// when `multiLine`. `dx`, `dy` are the margins from the rectangle's edges; `leftMarg` and
// `rightMarg` move a multi-line text sideways (the press shift of a title button). With
// `fillRect` the rectangle is filled with the brush first. A brush colour the device cannot
// show exactly is never dithered: the text is composed off-screen on a solid background.
void WriteTextEx(TCanvas* canvas, const TRect& rect, bool fillRect, int dx, int dy, const String& text,
                 TAlignment alignment, TTextLayout layout, bool multiLine, bool endEllipsis, int leftMarg,
                 int rightMarg, bool rightToLeft);

// Writes `text` turned by 90 degrees (running upwards) in `rect`, or with `calcOnly` only
// measures it. Answers the length of the text along its direction, italic overhang included.
int WriteTextVerticalEx(TCanvas* canvas, const TRect& rect, bool fillRect, int dx, int dy, const String& text,
                        TAlignment alignment, TTextLayout layout, bool calcOnly);

// `text` shortened to whole characters followed by "..." so that it fits `maxWidth` in the
// canvas font; unchanged when it fits, "..." alone when nothing else does.
String EllipsisText(const String& text, TCanvas* canvas, int maxWidth);

// A font handle for `font` turned by 90 degrees; the caller deletes it (RotatedFontSelection
// does both).
HFONT CreateRotatedFont(TFont* font);

// Selects the rotated form of the canvas font into the canvas's device context for the life
// of the scope; the canvas's own font is back and the rotated one deleted however it ends.
class RotatedFontSelection {
 public:
  explicit RotatedFontSelection(TCanvas* canvas);
  ~RotatedFontSelection();
  RotatedFontSelection(const RotatedFontSelection&) = delete;
  RotatedFontSelection& operator=(const RotatedFontSelection&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HFONT rotated_;
  HGDIOBJ previous_;
};

// Draws image `index` of `images` in `rect`, aligned across and centred down, moved right by
// `offset`; an image that sticks out of `rect` is clipped to it.
void DrawClipped(TCustomImageList* images, TCanvas* canvas, TAlignment alignment, int offset, int index,
                 const TRect& rect);
// The same for a bitmap (drawn with its transparency).
void DrawClipped(TBitmap* bitmap, TCanvas* canvas, TAlignment alignment, int offset, const TRect& rect);

// The off-screen bitmap all grids compose dithered texts on: each grid holds it from its
// construction to its destruction.
void AcquireDrawBitmap();
void ReleaseDrawBitmap();
// The shared bitmap while any grid holds it, else nullptr.
TBitmap* SharedDrawBitmap();
