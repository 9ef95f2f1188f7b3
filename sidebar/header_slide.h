#pragma once

#include <memory>
#include <vector>

#include "platform/core/types.h"

class TnbHeader;
class TnbSideBar;

// The slide of a switch of the active header, frame by frame: the captions between the old
// and the new header move, the old header's body closes and the new one's opens. The bar runs
// it (letting messages through between frames when it slides slowly); a benchmark can step it.
//
// A frame reaches the window in one of two ways. Where everything in the moving band is
// drawn by the bar itself in plain colours, the band's pixels are scrolled on the window and
// only the strips the move uncovers, and the edges where moving and resting parts meet, are
// painted. Otherwise (handlers that draw captions, bodies or buttons, pictures and gradients
// under the band, the focus frame, a drag's marks) the bar is painted whole, so every handler
// is called for every frame.
class TnbHeaderSlide {
 public:
  // Starts the slide: the bar stops laying out its captions itself and paints its start.
  TnbHeaderSlide(TnbSideBar& bar, TnbHeader* from, TnbHeader* to);
  // Lets the bar lay itself out again (unless it is gone).
  ~TnbHeaderSlide();
  TnbHeaderSlide(const TnbHeaderSlide&) = delete;
  TnbHeaderSlide& operator=(const TnbHeaderSlide&) = delete;

  // Moves the rectangles of the next frame; false when the slide is over and nothing is left
  // to show.
  bool Move();
  // Brings the frame Move made to the window and the screen.
  void Show();

 private:
  struct Band {
    int Top = 0, Bottom = 0;
  };
  void Settle();
  void ShowMoved();
  bool Scrollable() const;
  bool ItemsDrawThemselves() const;
  int Guard() const;
  Band MovingBand() const;
  void ScrollBand(const Band& area, int dy);
  void Repaint(int top, int bottom);
  struct DrawnButton {
    TRect Rect;
    bool Drawn;
  };
  static void NoteDrawnButtons(TnbHeader* h, std::vector<DrawnButton>& out);
  void RepaintListBoxes();
  void RepaintButtonsChanged(TnbHeader* h, const std::vector<DrawnButton>& before, int shift);
  TRect Rows(int top, int bottom) const;

  TnbSideBar& bar_;
  std::shared_ptr<bool> alive_;
  TnbHeader* from_;
  TnbHeader* to_;
  bool upwards_;
  int fromIndex_, toIndex_;
  int frames_ = 0, frame_ = 0, k_ = 1;
  // Where the band that moves lay before the last Move, and by how much it moved.
  Band before_;
  int moved_ = 0;
  // Which buttons the two bodies drew before the last Move.
  std::vector<DrawnButton> fromDrawn_, toDrawn_;
  // Where the button-list boxes were before the last Move.
  TRect boxesBefore_[2]{};
  // The rows each frame paints, kept so that frames do not allocate.
  std::vector<TRect> parts_;
};
