// The tool-tip window that shows a cell's cut text whole.
#include "gridlib/grid/tool_tips_window.h"

#include "platform/graphics/graphics_objects.h"

TRect TToolTipsWindow::CalcHintRect(int maxWidth, const String& hint, void* data) {
  if (auto* font = static_cast<TFont*>(data)) {
    Font()->Assign(font);
    Font()->SetColor(clWindowText);
  }
  return THintWindow::CalcHintRect(maxWidth, hint, data);
}
