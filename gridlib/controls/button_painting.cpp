// Edit buttons of edits and grid cells: a face and a small glyph.
#include "gridlib/controls/button_painting.h"

#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/draw_edges.h"
#include "platform/graphics/shapes.h"

namespace {

COLORREF Rgb(TColor color) { return static_cast<COLORREF>(ColorToRGB(color)) & 0x00FFFFFF; }

void Fill(HDC dc, const TRect& rect, TColor color) {
  TGdiOwner<HBRUSH> brush(CreateSolidBrush(Rgb(color)));
  FillRect(dc, rect, brush.get());
}

// A triangle pointing down (or up) whose middle column is x, `half` pixels to each side.
void Triangle(HDC dc, int x, int top, int half, bool up, TColor color) {
  for (int row = 0; row <= half; ++row) {
    const int y = up ? top + row : top + half - row;
    Fill(dc, Rect(x - row, y, x + row + 1, y + 1), color);
  }
}

void Glyph(HDC dc, const TRect& face, TButtonDrawStyleEx style, TColor ink) {
  const int cx = (face.Left + face.Right) / 2;
  const int cy = (face.Top + face.Bottom) / 2;
  switch (style) {
    case bdsDropDownEx: Triangle(dc, cx, cy - 1, 3, false, ink); break;
    case bdsEllipsisEx:
      for (int dot = -1; dot <= 1; ++dot) Fill(dc, Rect(cx + 4 * dot - 1, cy, cx + 4 * dot + 1, cy + 2), ink);
      break;
    case bdsUpDownEx:
      Triangle(dc, cx, cy - 5, 2, true, ink);
      Triangle(dc, cx, cy + 2, 2, false, ink);
      break;
    case bdsPlusEx:
      Fill(dc, Rect(cx - 3, cy, cx + 4, cy + 1), ink);
      Fill(dc, Rect(cx, cy - 3, cx + 1, cy + 4), ink);
      break;
    case bdsMinusEx: Fill(dc, Rect(cx - 3, cy, cx + 4, cy + 1), ink); break;
    case bdsCheckBoxEx: break;
  }
}

}  // namespace

void PaintButtonControlEx(HDC dc, TRect rect, TColor background, TButtonDrawStyleEx style, bool enabled,
                          bool flat, bool pressed, int checked) {
  if (rect.Right <= rect.Left || rect.Bottom <= rect.Top) return;
  if (style == bdsCheckBoxEx) {
    Fill(dc, rect, background);
    UINT state = DFCS_BUTTONCHECK;
    if (checked == 1) state |= DFCS_CHECKED;
    if (checked == 2) state |= DFCS_CHECKED | DFCS_INACTIVE;
    if (!enabled) state |= DFCS_INACTIVE;
    if (flat) state |= DFCS_FLAT;
    if (pressed) state |= DFCS_PUSHED;
    DrawFrameControl(dc, rect, DFC_BUTTON, state);
    return;
  }
  TRect face = rect;
  if (flat) {
    Fill(dc, face, pressed ? clBtnShadow : clBtnFace);
  } else {
    Fill(dc, face, clBtnFace);
    DrawEdge(dc, face, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  if (pressed) OffsetRect(face, 1, 1);
  Glyph(dc, face, style, enabled ? clBtnText : clBtnShadow);
}
