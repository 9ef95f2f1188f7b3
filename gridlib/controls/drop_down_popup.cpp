// Placing a drop-down pop-up below its owner on the screen, and telling whether a point is over it.
#include "gridlib/controls/drop_down_popup.h"

#include <algorithm>

#include "platform/windows/system_metrics.h"
#include "platform/windows/window_tree.h"

void ShowDropDownPopup(TWinControl* popup, const TRect& below, TPoint size, bool rightToLeft) {
  const TRect work = WorkArea();
  int left = rightToLeft ? below.Right - size.x : below.Left;
  left = std::clamp(left, work.Left, std::max(work.Left, work.Right - size.x));
  const int top = below.Bottom + size.y > work.Bottom && below.Top - size.y >= work.Top ? below.Top - size.y
                                                                                       : below.Bottom;
  popup->SetBounds(left, top, size.x, size.y);
  popup->Show();
}

bool OverDropDownPopup(TWinControl* popup, TPoint screen) {
  if (!popup->Visible() || !popup->HandleAllocated()) return false;
  TRect r;
  GetWindowRect(popup->Handle(), r);
  return r.Contains(screen);
}
