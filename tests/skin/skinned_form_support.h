#pragma once

#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/windows/backend.h"
#include "platform/windows/input.h"
#include "skin/form.h"
#include "tests/skin/skin_fixture.h"

// Forms with a skin: a sizeable form of the given bounds, shown, with a TskForm of `style`.
class SkinnedFormTest : public SkinFormTest {
 protected:
  TskForm* Skin(TForm* form, TskUIStyle style = Marine) {
    auto* skin = new TskForm(form);
    skin->SetParent(form);
    skin->SetUIStyle(style);
    Pump();
    return skin;
  }
  TForm* SizeableForm(TRect bounds = Bounds(100, 100, 400, 300)) {
    TForm* form = new TForm(Application);
    form->SetBoundsRect(bounds);
    form->Show();
    return form;
  }
  // The screen point of a point in the form's client area.
  static TPoint OnForm(TCustomForm* form, int x, int y) { return form->ClientToScreen({x, y}); }
  // Presses at `from` (a press of its own, never the second of a double click), drags by `by`
  // once the press is handled, and lets go.
  void DragBy(TPoint from, TPoint by) {
    static_cast<TTestClock&>(Clock()).Advance(1000);
    InjectMouseButton(mbLeft, true, from);
    Pump();
    InjectMouseMove({from.x + by.x, from.y + by.y});
    InjectMouseButton(mbLeft, false, {from.x + by.x, from.y + by.y});
    Pump();
  }
};

// Cell `cell` (1-based) of a strip of `count` cells of a built-in bitmap.
inline void BuiltInCell(const char* name, int count, int cell, TBitmap& out) {
  TBitmap strip;
  strip.LoadFromResourceName(0, name);
  const int w = strip.Width() / count;
  out.SetSize(w, strip.Height());
  out.Canvas()->CopyRect(Rect(0, 0, w, strip.Height()), strip.Canvas(),
                         Bounds(w * (cell - 1), 0, w, strip.Height()));
}
