#pragma once

#include "platform/core/types.h"
#include "platform/windows/messages.h"

class TControl;

// Menus are components of the standard controls; the base controls reach them through these.

// What a pop-up menu assigned to a control's PopupMenu offers: showing itself at a screen
// point for that control (on a right click or the menu key). Answers whether it showed: a menu
// the program shows itself leaves the click to the next menu in line.
class IPopupSource {
 public:
  virtual ~IPopupSource() = default;
  virtual bool PopupAt(TControl* control, TPoint screen) = 0;
};

// What a form's main menu offers: taking a key press that is one of its items' shortcuts.
class IShortCutSource {
 public:
  virtual ~IShortCutSource() = default;
  virtual bool IsShortCut(TMessage& key) = 0;
};
