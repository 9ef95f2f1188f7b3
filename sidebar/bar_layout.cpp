// The bar's layout pass: where headers, bodies, boxes and the close bar stand in each look.
#include "sidebar/bar_layout.h"

#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "sidebar/side_bar.h"

TnbBarLayout::TnbBarLayout(TnbSideBar& bar) : bar_(bar), measure_(std::make_unique<TBitmap>()) {
  measure_->SetPixelFormat(pf32bit);
  measure_->SetSize(1, 1);
  canvas_ = measure_->Canvas();
}

TnbBarLayout::~TnbBarLayout() = default;

void TnbBarLayout::Run() {
  stale_ = false;
  inner_ = bar_.InnerRect();
  TRect r = inner_;
  PlaceCloseBar(r);
  // The column-up box shows at the top of the column once it is scrolled.
  TnbBoxPlace& up = boxes_[ColumnUp];
  up.Rect = bar_.CloseUpLayout() && bar_.ScrollOffset() > 0 ? Rect(r.Left, r.Top, r.Right, r.Top + 14) : kHiddenRect;
  ApplyMargins(r);
  content_ = r;
  PlaceHeaders();
  if (ClampedColumn()) return Run();
  PlaceCloseBox();
  PlaceColumnBoxes();
  SetListBoxStates();
  if (placed_) placed_();
}

bool TnbBarLayout::ClampedColumn() {
  if (!clampColumn_) return false;
  clampColumn_ = false;
  int& offset = bar_.scrollOffset_;
  const int shortfall = content_.Bottom - columnEnd_;
  if (!bar_.CloseUpLayout() || offset == 0 || shortfall <= 0) return false;
  offset = std::max(0, offset - shortfall);
  return true;
}

void TnbBarLayout::PlaceCloseBar(TRect& r) {
  closeBar_ = kHiddenRect;
  if (!bar_.CloseButton()->Visible()) return;
  TnbHeader* h = bar_.CloseButton()->Header();
  closeBar_ = Rect(r.Left, r.Top, r.Right, r.Top + h->CaptionHeight());
  r.Top = closeBar_.Bottom;
}

void TnbBarLayout::ApplyMargins(TRect& r) {
  gap_ = 0;
  if (bar_.ViewStyle() == vsExplorerBar || bar_.Options().Contains(boExplorerBorder)) {
    const TnbBorder& b = *bar_.Border();
    r = Rect(r.Left + b.Left(), r.Top + b.Top(), r.Right - b.Right(), r.Bottom - b.Bottom());
    gap_ = b.Separator();
  }
  if (gap_ == 0) gap_ = 1;
}

int TnbBarLayout::CaptionSpan(const TnbHeader* h) const {
  return h->Options().Contains(hoNoCaption) ? 0 : h->CaptionHeight() + h->ExplorerAddOn();
}

// Top of the caption that follows the active header's body: the rest are stacked from the
// bottom.
int TnbBarLayout::StackFromBottom(int from) const {
  int y = content_.Bottom, after = 0;
  for (int j = from; j < bar_.HeaderCount(); ++j) {
    TnbHeader* h = bar_.Header(j);
    if (!h->Visible()) continue;
    y -= CaptionSpan(h);
    if (j > from) ++after;
  }
  // Each caption after the first is one gap further down, so the last one ends at the
  // bottom instead of running past it.
  return y - gap_ * after;
}

bool TnbBarLayout::ToolBoxBoxes() const { return bar_.ViewStyle() == vsOutlook && bar_.ScrollView() == ssToolBox; }

void TnbBarLayout::PlaceHeaders() {
  const bool single = bar_.SingleActiveLayout();
  TnbHeader* active = bar_.ActiveHeader();
  const int next = active ? bar_.NextVisibleIndex(active->Index()) : -1;
  int y = content_.Top - (single ? 0 : bar_.ScrollOffset());
  activeBodyBottom_ = content_.Bottom;
  downBoxNeeded_ = false;
  if (!bar_.LayoutReady() && !ToolBoxBoxes()) boxes_[ListUp].Rect = boxes_[ListDown].Rect = kHiddenRect;
  for (int i = 0; i < bar_.HeaderCount(); ++i) {
    TnbHeader* h = bar_.Header(i);
    if (h == nullptr) throw Exception("Invalid Header");
    if (!h->Visible()) {
      h->SetCaptionRect(kHiddenRect);
      h->SetBodyRect(kHiddenRect);
      h->HideButtons();
      continue;
    }
    if (single && i == next) {
      y = StackFromBottom(i);
      activeBodyBottom_ = y - gap_ + 1;
    }
    TRect caption = Rect(content_.Left, y, content_.Right, y + CaptionSpan(h));
    // During a slide the captions stay where the slide moved them.
    if (!bar_.LayoutReady()) caption = h->CaptionRect();
    // Too narrow a bar: the caption keeps its height in the column but shows nowhere.
    if (caption.Left > caption.Right) caption.Left = caption.Right = kHiddenRect.Left;
    else if (ToolBoxBoxes()) PlaceCaptionBox(h, caption, active, next);
    h->LayoutCaption(canvas_, caption);
    y = single ? PlaceSingleBody(h, caption) : PlaceExplorerBody(h, caption);
  }
  if (single && active != nullptr) PlaceActiveBody(active);
  columnEnd_ = y - gap_;
}

// In the tool-box look the list boxes sit at the right end of the active caption (up) and of
// the caption after it (down); those captions end where their box begins. The boxes follow
// the captions while they slide.
void TnbBarLayout::PlaceCaptionBox(TnbHeader* h, TRect& caption, TnbHeader* active, int next) {
  if (active == nullptr) return;
  const int right = content_.Right;
  const TRect box = Rect(right - h->CaptionHeight() - 2, caption.Top, right, caption.Bottom);
  if (h == active) {
    boxes_[ListUp].Rect = box;
    if (next < 0) {
      // The last header: the down box goes to the bottom of the column.
      const int w = box.Width();
      boxes_[ListDown].Rect = Rect(box.Left, content_.Bottom - w + 2, box.Right, content_.Bottom);
    }
  } else if (h->Index() == next) {
    boxes_[ListDown].Rect = box;
  } else {
    return;
  }
  caption.Right = box.Left;
}

int TnbBarLayout::PlaceSingleBody(TnbHeader* h, const TRect& caption) {
  if (h == bar_.ActiveHeader()) return caption.Bottom + gap_;
  if (bar_.AnimatingIndex() == h->Index()) {
    // The header sliding in shows its buttons in the body the slide gives it.
    h->LayoutButtons(canvas_, h->BodyRect());
  } else {
    // Only the active header shows buttons; the others cannot be hit.
    h->SetBodyRect(kHiddenRect);
    h->HideButtons();
  }
  return caption.Bottom + gap_;
}

int TnbBarLayout::PlaceExplorerBody(TnbHeader* h, const TRect& caption) {
  const TRect& r = content_;
  if (!h->Opened()) {
    h->SetBodyRect(Rect(r.Left, caption.Bottom + 1, r.Right, caption.Bottom + 1));
    h->HideButtons();
    downBoxNeeded_ = caption.Bottom + 5 > r.Bottom;
    return caption.Bottom + 1 + gap_;
  }
  const int height = h->BodyHeight(r.Width());
  const TRect body = Rect(r.Left, caption.Bottom + 1, r.Right, caption.Bottom + 1 + height);
  h->SetBodyRect(body);
  h->LayoutButtons(canvas_, body);
  downBoxNeeded_ = body.Bottom + 5 > r.Bottom;
  return body.Bottom + gap_;
}

void TnbBarLayout::PlaceActiveBody(TnbHeader* active) {
  TRect body = active->BodyRect();
  if (bar_.LayoutReady()) {
    body = Rect(content_.Left, active->CaptionRect().Bottom + 1, content_.Right, activeBodyBottom_);
    active->SetBodyRect(body);
  }
  active->LayoutButtons(canvas_, body);
  if (bar_.LayoutReady() && !ToolBoxBoxes()) PlaceBodyListBoxes(active, body);
}

void TnbBarLayout::PlaceBodyListBoxes(TnbHeader* active, const TRect& body) {
  const int size = bar_.ScrollBoxSize();
  const TRect& cap = active->CaptionRect();
  if (bar_.ScrollView() == ssExpress) {
    boxes_[ListUp].Rect = Rect(body.Left, body.Top, body.Right, body.Top + size);
    boxes_[ListDown].Rect = Rect(body.Left, body.Bottom - size, body.Right, body.Bottom);
  } else {
    boxes_[ListUp].Rect = Bounds(cap.Right - size - 2, cap.Bottom + 2, size, size);
    boxes_[ListDown].Rect = Bounds(cap.Right - size - 2, body.Bottom - 2 - size, size, size);
  }
}

// The box with the cross at the right end of the close bar; none when the caption's text
// reaches it.
void TnbBarLayout::PlaceCloseBox() {
  closeBox_.Rect = kHiddenRect;
  if (!nbShown(closeBar_)) return;
  TnbHeader* h = bar_.CloseButton()->Header();
  h->LayoutCaption(canvas_, closeBar_);
  const TRect& c = closeBar_;
  const TRect box = Rect(c.Right - 2 - (c.Height() - 4), c.Top + 2, c.Right - 2, c.Bottom - 2);
  if (nbShown(h->CaptionTextRect()) && h->CaptionTextRect().Right >= box.Left) return;
  closeBox_.Rect = box;
}

void TnbBarLayout::PlaceColumnBoxes() {
  TnbBoxPlace& up = boxes_[ColumnUp];
  TnbBoxPlace& down = boxes_[ColumnDown];
  columnDownGone_ = false;
  if (!bar_.CloseUpLayout()) {
    up.Rect = down.Rect = kHiddenRect;
    return;
  }
  up.Enabled = down.Enabled = bar_.Enabled();
  columnDownGone_ = !downBoxNeeded_;
  down.Rect = downBoxNeeded_ ? Rect(inner_.Left, inner_.Bottom - 14, inner_.Right, inner_.Bottom) : kHiddenRect;
}

void TnbBarLayout::SetListBoxStates() {
  TnbBoxPlace& up = boxes_[ListUp];
  TnbBoxPlace& down = boxes_[ListDown];
  TnbHeader* active = bar_.ActiveHeader();
  if (!bar_.SingleActiveLayout() || active == nullptr) {
    up.Rect = down.Rect = kHiddenRect;
    return;
  }
  const bool canUp = bar_.Enabled() && active->CanStepUp();
  const bool canDown = bar_.Enabled() && active->CanStepDown();
  for (auto [box, can] : {std::pair{&up, canUp}, std::pair{&down, canDown}}) {
    box->Enabled = can;
    // Outside the tool-box look a box that cannot step is not shown.
    if (!can && !ToolBoxBoxes()) box->Rect = kHiddenRect;
  }
  // A down box the up box covers is not shown either.
  if (nbShown(down.Rect) && nbShown(up.Rect) && down.Rect.Top <= up.Rect.Bottom) down.Rect = kHiddenRect;
}
