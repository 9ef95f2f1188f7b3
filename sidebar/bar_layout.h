#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/core/types.h"
#include "sidebar/sidebar_types.h"

class TBitmap;
class TCanvas;
class TnbHeader;

// One of the four scroll boxes: the column's up and down boxes (explorer view) and the
// active header's button-list boxes; also the close bar's box.
struct TnbScrollBox {
  enum State : uint8_t { Normal = 0, Pressed = 1, Hot = 2, Disabled = 3 };
  TRect Rect = kHiddenRect;
  uint8_t State = Normal;
};

// The bar's one layout pass: where the close bar, every header's caption and body, their
// buttons and the scroll boxes lie. It runs before each paint and before a hit test when
// anything changed since; painting and hit testing only read what it left. Caption and body
// rectangles live in the headers, button rectangles in the buttons, the rest here.
class TnbBarLayout {
 public:
  enum BoxIndex { ColumnUp, ColumnDown, ListUp, ListDown };
  explicit TnbBarLayout(TnbSideBar& bar);
  ~TnbBarLayout();
  TnbBarLayout(const TnbBarLayout&) = delete;
  TnbBarLayout& operator=(const TnbBarLayout&) = delete;

  // Something the layout depends on changed: the next reader runs the pass again.
  void Invalidate() { stale_ = true; }
  // Runs the pass when anything changed since the last one.
  void Update() {
    if (stale_) Run();
  }
  void Run();

  // The client rectangle inside the bevels.
  const TRect& Inner() const { return inner_; }
  // Where headers go: inside the bevels, the close bar and the margins.
  const TRect& Content() const { return content_; }
  const TRect& CloseBar() const { return closeBar_; }
  TnbScrollBox& Box(int i) { return boxes_[i]; }
  const TnbScrollBox& Box(int i) const { return boxes_[i]; }
  TnbScrollBox& CloseBox() { return closeBox_; }
  const TnbScrollBox& CloseBox() const { return closeBox_; }
  // Something lies below the bottom of the close-up column.
  bool DownBoxNeeded() const { return downBoxNeeded_; }

 private:
  void PlaceCloseBar(TRect& r);
  void ApplyMargins(TRect& r);
  int CaptionSpan(const TnbHeader* h) const;
  int StackFromBottom(int from) const;
  void PlaceHeaders();
  void PlaceCaptionBox(TnbHeader* h, TRect& caption, TnbHeader* active, int next);
  int PlaceSingleBody(TnbHeader* h, const TRect& caption);
  int PlaceExplorerBody(TnbHeader* h, const TRect& caption);
  void PlaceActiveBody(TnbHeader* active);
  void PlaceBodyListBoxes(TnbHeader* active, const TRect& body);
  void PlaceCloseBox();
  void PlaceColumnBoxes();
  void SetListBoxStates();
  bool ToolBoxBoxes() const;

  TnbSideBar& bar_;
  // Text is measured on a canvas of its own, so layout never needs a picture to draw on.
  std::unique_ptr<TBitmap> measure_;
  TCanvas* canvas_ = nullptr;
  bool stale_ = true;
  TRect inner_{};
  TRect content_{};
  TRect closeBar_ = kHiddenRect;
  std::array<TnbScrollBox, 4> boxes_{};
  TnbScrollBox closeBox_{};
  bool downBoxNeeded_ = false;
  int gap_ = 1;
  int activeBodyBottom_ = 0;
};
