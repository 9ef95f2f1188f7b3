// Geometry helpers of the skinned controls: point tests, placement and the work area.
#include "platform/controls/control.h"
#include "platform/windows/system_metrics.h"
#include "skin/skin_painting.h"

bool InRect(int x, int y, const TRect& r) {
  return x >= r.Left && x <= r.Right && y >= r.Top && y <= r.Bottom;
}

bool InRect(TPoint p, const TRect& r) { return InRect(p.x, p.y, r); }

void GetWorkAreaRect(TRect& r) { r = WorkArea(); }

void PlaceControl(TControl* control, TPoint p) {
  control->SetLeft(p.x);
  control->SetTop(p.y);
}

void PlaceControlRect(TControl* control, const TRect& r) {
  control->SetLeft(r.Left);
  control->SetTop(r.Top);
  control->SetWidth(r.Width());
  control->SetHeight(r.Height());
}

bool IsWin95OSR2() { return false; }
