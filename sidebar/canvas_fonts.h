#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"

// Gives the canvas `font` unless it already has it: every new font makes the drawing layer
// look the face up again, and a bar paints many captions and buttons in a few fonts.
inline void nbUseFont(TCanvas* canvas, const TFont* font) {
  const TFont* f = canvas->Font();
  if (f->Name() == font->Name() && f->Height() == font->Height() && f->Style() == font->Style() &&
      f->Charset() == font->Charset() && f->Pitch() == font->Pitch() && f->Orientation() == font->Orientation()) {
    if (f->Color() != font->Color()) canvas->Font()->SetColor(font->Color());
    return;
  }
  canvas->Font()->Assign(const_cast<TFont*>(font));
}
