#pragma once

#include "platform/controls/win_control.h"

// A window that drops down under an edit to offer values. It never takes the focus: the
// edit keeps it, hands the popup the keys that move through the values and, holding the
// mouse while the popup is down, the pointer in screen coordinates.
class IDropDownPopupEx {
 public:
  virtual ~IDropDownPopupEx() = default;
  virtual TWinControl* PopupWindow() = 0;
  // A key that moves through the values; false for keys the popup does not use.
  virtual bool PopupKeyDown(uint16_t key, TShiftState shift) = 0;
  virtual void PopupMouseMove(TPoint screen) = 0;
  virtual void PopupMouseDown(TPoint screen) = 0;
  // Whether a release at `screen` chose the value under it.
  virtual bool PopupMouseUp(TPoint screen) = 0;
  // A wheel turn while the popup is down.
  virtual void PopupWheel(int wheelDelta) = 0;
};

// Shows `popup` at `size` below the owner's screen rectangle `below`, or above it when the
// work area ends first, and at the owner's right edge when `rightToLeft`.
void ShowDropDownPopup(TWinControl* popup, const TRect& below, TPoint size, bool rightToLeft);
// Whether `screen` lies on the shown popup.
bool OverDropDownPopup(TWinControl* popup, TPoint screen);
