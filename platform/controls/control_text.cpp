// Drawing and measuring a control's caption text, greyed when disabled.
#include "platform/controls/control_text.h"

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/colors.h"
#include "platform/graphics/draw_text.h"
#include "platform/graphics/graphics_objects.h"

int DrawControlText(TCanvas* canvas, std::string_view text, TRect rect, unsigned flags, bool enabled) {
  canvas->Brush()->SetStyle(bsClear);
  if (enabled) return DrawText(canvas->Handle(), text, rect, flags);
  TColor original = canvas->Font()->Color();
  TRect shifted = rect;
  OffsetRect(shifted, 1, 1);
  canvas->Font()->SetColor(clBtnHighlight);
  DrawText(canvas->Handle(), text, shifted, flags);
  canvas->Font()->SetColor(clBtnShadow);
  int height = DrawText(canvas->Handle(), text, rect, flags);
  canvas->Font()->SetColor(original);
  return height;
}

TRect MeasureControlText(TCanvas* canvas, std::string_view text, TRect rect, unsigned flags) {
  DrawText(canvas->Handle(), text, rect, flags | DT_CALCRECT);
  return rect;
}
