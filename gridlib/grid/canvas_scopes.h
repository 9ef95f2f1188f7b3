#pragma once

#include "platform/graphics/canvas.h"
#include "platform/graphics/graphics_objects.h"

// Brackets around canvas state that a cell changes for one line or one text: what was there is
// back when the scope ends, however it ends.

class BrushColorScope {
 public:
  BrushColorScope(TCanvas* canvas, TColor color) : canvas_(canvas), saved_(canvas->Brush()->Color()) {
    canvas_->Brush()->SetColor(color);
  }
  ~BrushColorScope() { canvas_->Brush()->SetColor(saved_); }
  BrushColorScope(const BrushColorScope&) = delete;
  BrushColorScope& operator=(const BrushColorScope&) = delete;

 private:
  TCanvas* canvas_;
  TColor saved_;
};

class PenScope {
 public:
  PenScope(TCanvas* canvas, TColor color, TPenStyle style = psSolid)
      : pen_(canvas->Pen()), color_(pen_->Color()), style_(pen_->Style()) {
    pen_->SetColor(color);
    pen_->SetStyle(style);
  }
  ~PenScope() {
    pen_->SetStyle(style_);
    pen_->SetColor(color_);
  }
  PenScope(const PenScope&) = delete;
  PenScope& operator=(const PenScope&) = delete;

 private:
  TPen* pen_;
  TColor color_;
  TPenStyle style_;
};

// An inverting pen for lines drawn over the picture while the mouse drags (sizing lines, drop
// marks): drawn twice at one place they are gone. The canvas's pen is back at the end.
class XorPenScope {
 public:
  XorPenScope(TCanvas* canvas, TPenStyle style, int width) : canvas_(canvas) {
    saved_.Assign(canvas->Pen());
    TPen* pen = canvas->Pen();
    pen->SetStyle(style);
    pen->SetMode(pmXor);
    pen->SetColor(clWhite);
    pen->SetWidth(width);
  }
  ~XorPenScope() { canvas_->Pen()->Assign(&saved_); }
  XorPenScope(const XorPenScope&) = delete;
  XorPenScope& operator=(const XorPenScope&) = delete;

 private:
  TCanvas* canvas_;
  TPen saved_;
};

// Keeps a copy of the canvas font and puts it back at the end.
class FontScope {
 public:
  explicit FontScope(TCanvas* canvas) : canvas_(canvas) { saved_.Assign(canvas->Font()); }
  ~FontScope();
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  TCanvas* canvas_;
  TFont saved_;
};
