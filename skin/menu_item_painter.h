#pragma once

#include "platform/core/types.h"
#include "platform/graphics/colors.h"

class TCanvas;
class TCustomImageList;
class TMenuItem;
struct TskMenuSettings;

// Measures and draws the items of a skinned menu from its settings: the coloured bar at the
// left, the background, the framed selection, check marks, item images, captions and
// short-cut texts; in the Graphite style the backgrounds are pictures.
class TskMenuItemPainter {
 public:
  // `images`: the item images (none: no item has an image); `checkMarks`: the check-mark
  // picture, image 0. Neither is owned.
  TskMenuItemPainter(const TskMenuSettings& settings, TCustomImageList* images,
                     TCustomImageList* checkMarks);

  // Measured with the canvas's current font.
  void Measure(TCanvas* canvas, TMenuItem* item, int& width, int& height) const;
  void Draw(TCanvas* canvas, TMenuItem* item, const TRect& r, bool selected) const;
  // A flat frame over the whole of a menu window, `window` in the canvas's coordinates, in
  // place of the raised one; its last lines take the theme's form background colour.
  void DrawFlatFrame(TCanvas* canvas, const TRect& window) const;

 private:
  bool HasImage(TMenuItem* item) const;
  void FillBarAndBackground(TCanvas* canvas, const TRect& r) const;
  void DrawSeparator(TCanvas* canvas, const TRect& r) const;
  void DrawBackground(TCanvas* canvas, const TRect& r, bool highlighted) const;
  void SelectFont(TCanvas* canvas, TMenuItem* item, bool selected) const;
  void DrawTexts(TCanvas* canvas, TMenuItem* item, const TRect& r) const;
  void DrawCheckAndImage(TCanvas* canvas, TMenuItem* item, const TRect& r) const;

  const TskMenuSettings& settings_;
  TCustomImageList* images_;
  TCustomImageList* checkMarks_;
};
