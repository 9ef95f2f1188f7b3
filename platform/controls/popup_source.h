#pragma once

#include "platform/core/types.h"
#include "platform/windows/messages.h"

class TControl;

// Menus are components of the standard controls; the base controls reach them through these.

// What a pop-up menu assigned to a control's PopupMenu offers: showing itself at a screen
// point for that control (on a right click or the menu key).
class IPopupSource {
 public:
  virtual ~IPopupSource() = default;
  virtual void PopupAt(TControl* control, TPoint screen) = 0;
};

// What a form's main menu offers: taking a key press that is one of its items' shortcuts.
class IShortCutSource {
 public:
  virtual ~IShortCutSource() = default;
  virtual bool IsShortCut(TMessage& key) = 0;
};
