#pragma once

#include "platform/core/types.h"

class TControl;

// What a pop-up menu assigned to a control's PopupMenu offers: showing itself at a screen
// point for that control (on a right click or the menu key).
class IPopupSource {
 public:
  virtual ~IPopupSource() = default;
  virtual void PopupAt(TControl* control, TPoint screen) = 0;
};
