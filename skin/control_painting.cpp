// Painting shared by skinned controls: the parent's background and the control's border.
#include "platform/controls/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/windows/messages.h"
#include "platform/windows/painting.h"
#include "skin/skin_painting.h"
#include "skin/window_canvas.h"

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
  TWindowCanvas window(control->Handle(), TWindowCanvas::waWindow);
  TRect r = Rect(0, 0, control->Width(), control->Height());
  FrameIn(window.Canvas(), r, borderColor);
  if (drawInner) FrameIn(window.Canvas(), Rect(1, 1, r.Right - 1, r.Bottom - 1), innerColor);
}
