// The slide that opens another header: moving bands, frame by frame.
#include "sidebar/header_slide.h"

#include <algorithm>
#include <cstdlib>

#include "platform/windows/painting.h"
#include "sidebar/side_bar.h"

TnbHeaderSlide::TnbHeaderSlide(TnbSideBar& bar, TnbHeader* from, TnbHeader* to)
    : bar_(bar), alive_(bar.AliveToken()), from_(from), to_(to), upwards_(to->Index() < from->Index()),
      fromIndex_(from->Index()), toIndex_(to->Index()) {
  bar_.switching_ = true;
  bar_.updating_ = false;
  bar_.layoutReady_ = false;
  try {
    bar_.PaintNow();
    to->SetCaptionState(hbsFocused);
    bar_.PaintNow();
  } catch (...) {
    Settle();
    throw;
  }
  frames_ = from->BodyRect().Height() / bar_.HeaderScrollValue() + 1;
  if (upwards_) {
    // The new header's body opens below its caption, as wide as the old one's.
    TRect& body = to->MutableBodyRect();
    body = Rect(to->CaptionRect().Left, to->CaptionRect().Bottom, from->BodyRect().Right, to->CaptionRect().Bottom);
  }
  bar_.animatingIndex_ = toIndex_;
}

TnbHeaderSlide::~TnbHeaderSlide() { Settle(); }

void TnbHeaderSlide::Settle() {
  if (!*alive_) return;
  bar_.animatingIndex_ = -1;
  bar_.layoutReady_ = true;
  // The slide moved the rectangles itself: the bar lays them out again.
  bar_.layout_->Invalidate();
  bar_.updating_ = bar_.updateCount_ > 0;
  bar_.switching_ = false;
}

TnbHeaderSlide::Band TnbHeaderSlide::MovingBand() const {
  // Downwards the captions move up from the old body's bottom to the new caption; upwards
  // everything from the new body's bottom to the old body's bottom moves down.
  if (upwards_) return {to_->BodyRect().Bottom, from_->BodyRect().Bottom};
  return {from_->BodyRect().Bottom, to_->CaptionRect().Bottom};
}

bool TnbHeaderSlide::Move() {
  if (frame_ >= frames_) return false;
  ++frame_;
  before_ = MovingBand();
  for (int i : {TnbSideBar::ListUp, TnbSideBar::ListDown}) boxesBefore_[i - TnbSideBar::ListUp] = bar_.layout_->Box(i).Rect;
  NoteDrawnButtons(from_, fromDrawn_);
  NoteDrawnButtons(to_, toDrawn_);
  const int step = bar_.HeaderScrollValue() * k_;
  const int dy = upwards_ ? step : -step;
  for (int i = std::min(fromIndex_, toIndex_) + 1; i < std::max(fromIndex_, toIndex_); ++i)
    if (TnbHeader* h = bar_.Header(i)) OffsetRect(h->MutableCaptionRect(), 0, dy);
  if (upwards_) {
    to_->MutableBodyRect().Bottom += step;
    OffsetRect(from_->MutableCaptionRect(), 0, step);
    from_->MutableBodyRect().Top += step;
  } else {
    OffsetRect(to_->MutableCaptionRect(), 0, -step);
    OffsetRect(to_->MutableBodyRect(), 0, -step);
    from_->MutableBodyRect().Bottom -= step;
    TnbHeader* first = bar_.Header(bar_.NextVisibleIndex(fromIndex_));
    if (first == nullptr) first = to_;
    if (first->CaptionRect().Top <= from_->CaptionRect().Bottom + 1) return false;
  }
  if (bar_.HeaderScrollType() == stAccelerated) ++k_;
  if (upwards_ && from_->BodyRect().Bottom < from_->CaptionRect().Bottom) return false;
  moved_ = dy;
  return true;
}

void TnbHeaderSlide::Show() {
  if (!bar_.HandleAllocated()) return;
  if (Scrollable()) {
    parts_.clear();
    // Where the buttons of the moved bodies lie now.
    bar_.layout_->Run();
    ShowMoved();
    bar_.PaintParts(parts_);
  } else {
    bar_.PaintNow();
  }
  // The frames follow each other without the program getting back to its loop: each is put
  // on the screen as it is drawn, or only the last would be seen.
  ShowPaintedNow(bar_.Handle());
}

void TnbHeaderSlide::ShowMoved() {
  const Band& b = before_;
  const int dy = moved_, guard = Guard();
  if (std::abs(dy) >= b.Bottom - b.Top) return Repaint(std::min(b.Top, b.Top + dy) - guard, b.Bottom + guard);
  ScrollBand(upwards_ ? b : Band{b.Top + dy, b.Bottom}, dy);
  if (upwards_) {
    // The new body's opened strip with its new bottom edge; the old body's bottom edge, which
    // rests while everything above it moves.
    Repaint(b.Top - guard, b.Top + dy + guard);
    Repaint(b.Bottom - guard, b.Bottom);
  } else {
    // The old body's new bottom edge, and what the band uncovered below it.
    Repaint(b.Top + dy - guard, b.Top + dy + guard);
    Repaint(b.Bottom + dy - guard, b.Bottom);
  }
  RepaintListBoxes();
  // Buttons follow their body's top: the old body's moves upwards, the new one's downwards.
  RepaintButtonsChanged(from_, fromDrawn_, upwards_ ? moved_ : 0);
  RepaintButtonsChanged(to_, toDrawn_, upwards_ ? 0 : moved_);
}

// Whether the frame can be made by moving pixels: everything in the band is drawn by the bar
// in plain colours, so moved pixels are the pixels a paint would draw there.
bool TnbHeaderSlide::Scrollable() const {
  if (ItemsDrawThemselves()) return false;
  if (bar_.Background()->Style() != btSolid) return false;
  if (bar_.Focused() && bar_.Options().Contains(hoShowFocusRect)) return false;
  if (bar_.DropTarget() != nullptr || bar_.AutoChangeCandidate() != nullptr) return false;
  for (TnbHeader* h : {from_, to_}) {
    const TnbBackgroundStyle style = h->Background()->Style();
    if (style != btSolid && style != btTransparent) return false;
    if (h->Glyph()->Visible() && !h->Glyph()->Bitmap()->Empty()) return false;
  }
  return true;
}

bool TnbHeaderSlide::ItemsDrawThemselves() const {
  if (bar_.OnDrawHeaderButtons || bar_.OnAfterDrawHeaderButtons) return true;
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    if (h->OnDrawHeaderButton || h->OnAfterDrawHeaderButton || h->OnDrawHeaderBody || h->OnAfterDrawHeaderBody ||
        h->OnDrawStatusButton)
      return true;
    for (int j = 0; j < h->ButtonCount(); ++j) {
      TnbButton* b = h->GetButton(j);
      if (b->OnBeforeDrawButton || b->OnDrawButton || b->OnAfterDrawButton) return true;
    }
  }
  return false;
}

// Rows around a place where moving and resting parts meet that may hold a frame line.
int TnbHeaderSlide::Guard() const {
  int pen = 0;
  for (TnbHeader* h : {from_, to_}) pen = std::max(pen, h->EffectiveSettings()->HeaderPen()->Width());
  return pen + 2;
}

// Rows of the bar inside its bevels, which no frame moves or uncovers.
TRect TnbHeaderSlide::Rows(int top, int bottom) const {
  const TRect& inner = bar_.BarLayout().Inner();
  return Rect(inner.Left, std::max(top, inner.Top), inner.Right, std::min(bottom, inner.Bottom));
}

void TnbHeaderSlide::ScrollBand(const Band& area, int dy) {
  const TRect& content = bar_.BarLayout().Content();
  const TRect r = Rect(content.Left, area.Top, content.Right, area.Bottom);
  TRect uncovered{};
  ScrollWindowEx(bar_.Handle(), 0, dy, &r, &r, nullptr, &uncovered, 0);
  // Pixels that came from a hidden place; on a bar in plain view this is the strip the
  // move uncovered, which is painted anyway.
  if (!uncovered.IsEmpty()) Repaint(uncovered.Top, uncovered.Bottom);
}

void TnbHeaderSlide::Repaint(int top, int bottom) {
  const TRect r = Rows(top, bottom);
  if (r.Top < r.Bottom) parts_.push_back(r);
}

// In the tool-box look the list boxes ride on captions, or rest at the bottom of the column,
// or go when the up box covers the down box: where they were, moved or not, and where they
// are now is painted again.
void TnbHeaderSlide::RepaintListBoxes() {
  if (bar_.ViewStyle() != vsOutlook || bar_.ScrollView() != ssToolBox) return;
  for (int i : {TnbSideBar::ListUp, TnbSideBar::ListDown}) {
    const TRect& was = boxesBefore_[i - TnbSideBar::ListUp];
    if (nbShown(was)) {
      Repaint(was.Top, was.Bottom);
      Repaint(was.Top + moved_, was.Bottom + moved_);
    }
    const TRect& now = bar_.layout_->Box(i).Rect;
    if (nbShown(now)) Repaint(now.Top, now.Bottom);
  }
}

// Which buttons each body draws: only those that end above its bottom.
void TnbHeaderSlide::NoteDrawnButtons(TnbHeader* h, std::vector<DrawnButton>& out) {
  out.clear();
  const int limit = h->BodyRect().Bottom;
  for (int i = 0; i < h->ButtonCount(); ++i) {
    const TnbButton* button = h->GetButton(i);
    const TRect& r = button->Rects().Button;
    out.push_back({r, button->Visible() && nbShown(r) && r.Bottom < limit});
  }
}

// A button that the move took past the old body's bottom leaves its moved pixels behind, and
// one that the opening new body now shows whole was drawn nowhere yet: wherever a button's
// being drawn changed, its old place (moved with its body) and its new place are painted again.
void TnbHeaderSlide::RepaintButtonsChanged(TnbHeader* h, const std::vector<DrawnButton>& before, int shift) {
  const int limit = h->BodyRect().Bottom;
  for (int i = 0; i < h->ButtonCount() && i < static_cast<int>(before.size()); ++i) {
    const TnbButton* button = h->GetButton(i);
    const TRect& r = button->Rects().Button;
    const bool drawn = button->Visible() && nbShown(r) && r.Bottom < limit;
    if (drawn == before[i].Drawn) continue;
    const TRect& was = before[i].Rect;
    const int reach = kButtonInkReach;
    if (before[i].Drawn) Repaint(was.Top + shift - reach, std::min(was.Bottom + shift + reach, limit));
    if (drawn) Repaint(r.Top - reach, std::min(r.Bottom + reach, limit));
  }
}
