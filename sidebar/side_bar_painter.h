#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/core/types.h"
#include "sidebar/sidebar_types.h"

class TBitmap;
class TCanvas;
class TnbBarLayout;
class TnbSideBarInput;
struct TnbScrollBox;

// What the painter asks the bar to draw through its overridable operations.
struct TnbPaintHooks {
  std::function<void(TCanvas*, const TRect&, int activeIndex)> DrawHeaderButtons;
  std::function<void(TCanvas*, const TRect&, int activeIndex)> AfterDrawHeaderButtons;
  std::function<void(TCanvas*, const TRect&, TnbButtonState)> DrawCloseButton;
  std::function<void(TCanvas*, const TRect&, int position)> DrawDropMark;
};

// Draws the bar where its layout pass placed everything: background, close bar, captions and
// bodies, drop mark, scroll boxes, alert, bevels and focus. It reads the bar, the layout and
// what the input controller shows as hot, held or dropped on, and changes none of them. Only `area` (client coordinates) is drawn: pieces wholly outside it are
// skipped, and the canvas is clipped to it for the rest.
class TnbSideBarPainter {
 public:
  TnbSideBarPainter(TnbSideBar& bar, const TnbBarLayout& layout, const TnbSideBarInput& input, TnbPaintHooks hooks);
  void Paint(TCanvas* target, const TRect& area);
  // Something of the bar's look may have changed: captions are drawn afresh.
  void ForgetPictures() { pictures_.clear(); }

 private:
  void PaintBackground();
  void Subtract(const TRect& hole);
  bool CoversBody(TnbHeader* h) const;
  bool CoversCaption(TnbHeader* h) const;
  bool InArea(const TRect& r) const;
  void DrawParentBehind();
  void PaintAt(TControl* control, UINT msg, int x, int y, int width, int height);
  void DrawHeaders();
  void DrawCaption(TnbHeader* h);
  bool Pictured(TnbHeader* h) const;
  void PutPicture(TnbHeader* h);
  void DrawDropMarkIn(TnbHeader* h);
  void DrawCloseBar();
  void Arrow(const TRect& b, bool up, bool shifted, TColor color);
  void DrawBox(const TnbScrollBox& box, bool up, bool flat);
  void DrawColumnBoxes();
  void DrawListBoxes();
  void DrawAlert();
  void Bevel(TRect& r, TBevelCut cut);
  void DrawBevels();
  void DrawFocus();

  TnbSideBar& bar_;
  const TnbBarLayout& layout_;
  const TnbSideBarInput& input_;
  TnbPaintHooks hooks_;
  // What is left of the bar's background to paint; kept between paints, so painting does
  // not allocate.
  std::vector<TRect> parts_, cut_;
  TCanvas* c_ = nullptr;
  TRect area_{};
  // Captions as they were last drawn, in a state and size, put down again with one copy.
  struct CaptionPicture {
    const TnbHeader* Header;
    TnbButtonState State;
    std::unique_ptr<TBitmap> Picture;
  };
  std::vector<CaptionPicture> pictures_;
};
