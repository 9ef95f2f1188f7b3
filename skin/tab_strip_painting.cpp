// The tab strip's painting: what lies under the tab control, the bar, the tabs with their
// captions and the scroll buttons, into an off-screen picture copied in one step. It reads
// the layout and draws; it decides nothing about where things go.

#include "platform/core/string_list.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/draw_text.h"
#include "skin/skin_painting.h"
#include "skin/tab_control.h"

namespace {

// Where a cut tab's caption starts and ends inside it.
constexpr int kCutCaptionLeft = 10;
constexpr int kCutCaptionRight = 4;
// The focus frame's distance from the edge of the current tab.
constexpr int kFocusInset = 3;

bool CornerIsMagenta(TBitmap* bitmap) {
  return !bitmap->Empty() && bitmap->Canvas()->Pixels(0, 0) == clSkinTransparent;
}

// Cells of the strip: forward, forward under the mouse, back, back under the mouse.
void DrawScrollButton(TCanvas* canvas, TBitmap* strip, int cell, const TRect& at) {
  if (strip->Empty()) return;
  TBitmap piece;
  SpitBitmap(strip, &piece, 4, cell);
  canvas->Draw(at.Left, at.Top, &piece);
}

}  // namespace

void TskTabControlTopPanel::Paint() {
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  PaintParentBackground(canvas, tabControl_ != nullptr ? static_cast<TControl*>(tabControl_) : this);
  DrawBar(canvas);
  DrawTabs(canvas);
  if (ScrollButtonsDrawn()) DrawScrollButtons(canvas);
  if (Focused()) DrawFocus(canvas);
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}

void TskTabControlTopPanel::DrawBar(TCanvas* canvas) {
  const int top = inactiveTab_->Height(), bottom = top + bar_->Height();
  if (!bar_->Empty()) canvas->StretchDraw(Rect(1, top, Width() - 1, bottom), bar_.get());
  canvas->Pen()->SetColor(tabControl_ != nullptr ? tabControl_->BorderColor() : clBlack);
  for (int x : {0, Width() - 1}) {
    canvas->MoveTo(x, top);
    canvas->LineTo(x, bottom);
  }
}

void TskTabControlTopPanel::DrawTabs(TCanvas* canvas) {
  if (tabControl_ != nullptr) canvas->SetFont(tabControl_->Font());
  canvas->Brush()->SetStyle(bsClear);
  const int count = static_cast<int>(Layout().Tabs.size());
  for (int i = Layout().FirstShown; i < count; ++i) {
    if (Layout().Tabs[static_cast<size_t>(i)].Drawn) DrawTab(canvas, i);
  }
}

void TskTabControlTopPanel::DrawTab(TCanvas* canvas, int index) {
  TBitmap* picture = index == tabIndex_ ? activeTab_.get() : inactiveTab_.get();
  TRect r = TabRect(index);
  if (!picture->Empty()) DrawThreePieceHorizontal(picture, canvas, r, CornerIsMagenta(picture));
  const String caption = tabs_->Strings(index);
  if (Layout().Tabs[static_cast<size_t>(index)].Cut) {
    r.Left += kCutCaptionLeft;
    r.Right -= kCutCaptionRight;
    DrawText(canvas->Handle(), caption, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  } else {
    DrawText(canvas->Handle(), caption, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
}

// The focused strip frames the caption of the current tab.
void TskTabControlTopPanel::DrawFocus(TCanvas* canvas) {
  TRect r = TabRect(tabIndex_);
  if (r.IsEmpty()) return;
  InflateRect(r, -kFocusInset, -kFocusInset);
  canvas->DrawFocusRect(r);
}

void TskTabControlTopPanel::DrawScrollButtons(TCanvas* canvas) {
  DrawScrollButton(canvas, buttons_.get(), hovered_ == 1 ? 2 : 1, ForwardButtonRect());
  DrawScrollButton(canvas, buttons_.get(), hovered_ == -1 ? 4 : 3, BackButtonRect());
}
