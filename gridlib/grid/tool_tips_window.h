#pragma once

#include "platform/controls/hint_window.h"

// The window that shows a cell's whole text when the cell cuts it: the hint is measured and
// written in the cell's own font (passed as the hint data), in the window text colour.
class TToolTipsWindow : public THintWindow {
  DECLARE_CLASS(TToolTipsWindow, THintWindow)
 public:
  using THintWindow::THintWindow;
  // `data` is the TFont of the cell, or nullptr for the window's own font.
  TRect CalcHintRect(int maxWidth, const String& hint, void* data) override;
};
