#include "platform/controls/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "skin/skin_painting.h"

namespace {

// A canvas over a window's whole-window DC, released however the drawing ends.
class TWindowCanvas {
 public:
  explicit TWindowCanvas(HWND window) : window_(window), dc_(GetWindowDC(window)) {
    canvas_.SetHandle(dc_);
  }
  ~TWindowCanvas() {
    canvas_.SetHandle(nullptr);
    ReleaseDC(window_, dc_);
  }
  TWindowCanvas(const TWindowCanvas&) = delete;
  TWindowCanvas& operator=(const TWindowCanvas&) = delete;
  TCanvas* Canvas() { return &canvas_; }

 private:
  HWND window_;
  HDC dc_;
  TCanvas canvas_;
};

void Frame(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(ColorToRGB(color));
  canvas->FrameRect(r);
}

}  // namespace

void PaintParentBackground(TCanvas* canvas, TControl* control) {
  TWinControl* parent = control->Parent();
  if (parent == nullptr) return;
  HDC dc = canvas->Handle();
  TSavedDC saved(dc);
  OffsetViewportOrgEx(dc, -control->Left(), -control->Top(), nullptr);
  IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  WPARAM dcParam = reinterpret_cast<WPARAM>(dc);
  parent->Perform(WM_ERASEBKGND, dcParam, 0);
  parent->Perform(WM_PAINT, dcParam, 0);
}

void DrawControlBorder(TWinControl* control, TColor borderColor, TColor innerColor,
                       bool drawInner) {
  TWindowCanvas window(control->Handle());
  TRect r = Rect(0, 0, control->Width(), control->Height());
  Frame(window.Canvas(), r, borderColor);
  if (drawInner) Frame(window.Canvas(), Rect(1, 1, r.Right - 1, r.Bottom - 1), innerColor);
}
