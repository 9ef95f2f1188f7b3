#pragma once

#include <string_view>

#include "platform/core/types.h"

class TCanvas;

// Draws a control's caption with DrawText flags in the canvas font, leaving the background
// alone; disabled text is embossed (highlight one pixel down-right, then shadow), as every
// classic control draws it. Answers the height DrawText answered.
int DrawControlText(TCanvas* canvas, std::string_view text, TRect rect, unsigned flags, bool enabled);
// DrawText's DT_CALCRECT measure of `text` in the canvas font.
TRect MeasureControlText(TCanvas* canvas, std::string_view text, TRect rect, unsigned flags);
