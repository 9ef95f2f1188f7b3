#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/core/types.h"
#include "sidebar/sidebar_types.h"

class TBitmap;
class TCanvas;
class TnbHeader;

// Where one of the four scroll boxes lies (the column's up and down boxes in the explorer
// view, the active header's button-list boxes), or the close bar's box, and whether it can be
// used. What the mouse does to it is the input controller's.
struct TnbBoxPlace {
  TRect Rect = kHiddenRect;
  bool Enabled = true;
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
  // Items went: the next pass brings a scrolled close-up column back as far as it now ends
  // above the bottom. Scrolling itself may leave the column ending higher (its down box then
  // goes), so only what goes moves it.
  void ClampColumn() {
    clampColumn_ = true;
    stale_ = true;
  }
  // Runs the pass when anything changed since the last one.
  void Update() {
    if (stale_) Run();
  }
  void Run();
  // Called at the end of every pass.
  void SetPlacedHandler(std::function<void()> handler) { placed_ = std::move(handler); }

  // The client rectangle inside the bevels.
  const TRect& Inner() const { return inner_; }
  // Where headers go: inside the bevels, the close bar and the margins.
  const TRect& Content() const { return content_; }
  const TRect& CloseBar() const { return closeBar_; }
  const TnbBoxPlace& Box(int i) const { return boxes_[i]; }
  const TnbBoxPlace& CloseBox() const { return closeBox_; }
  // Something lies below the bottom of the close-up column.
  bool DownBoxNeeded() const { return downBoxNeeded_; }
  // The last pass took the close-up column's down box away: nothing lies below any more.
  bool ColumnDownGone() const { return columnDownGone_; }

 private:
  void PlaceCloseBar(TRect& r);
  void ApplyMargins(TRect& r);
  int CaptionSpan(const TnbHeader* h) const;
  int StackFromBottom(int from) const;
  void PlaceHeaders();
  bool ClampedColumn();
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
  std::array<TnbBoxPlace, 4> boxes_{};
  TnbBoxPlace closeBox_{};
  bool downBoxNeeded_ = false;
  bool columnDownGone_ = false;
  bool clampColumn_ = false;
  // Where the close-up column's last caption or body ends.
  int columnEnd_ = 0;
  std::function<void()> placed_;
  int gap_ = 1;
  int activeBodyBottom_ = 0;
};
