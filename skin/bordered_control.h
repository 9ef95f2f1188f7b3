#pragma once

#include "platform/classes/properties.h"
#include "platform/controls/control.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_tree.h"
#include "skin/file_theme.h"
#include "skin/skin_painting.h"
#include "skin/theme_values.h"
#include "skin/themed_control.h"

// A windowed control that keeps its own painting and gains the skinned border: a ring of
// BorderWidth pixels around it, framed by one line in BorderColor (the theme's control border
// colour) and one in the control's Color just inside. The ring is the window's own, outside
// its client area and native scroll bars, so nothing the control paints covers the border.
template <class Base>
class TskBordered : public TskThemed<Base> {
 public:
  explicit TskBordered(TComponent* owner, int borderWidth) : TskThemed<Base>(owner) {
    TControlStyle style = this->ControlStyle();
    style.Include(csOpaque);
    this->SetControlStyle(style);
    this->SetBorderWidth(borderWidth);
  }

  // BorderColor, FileTheme and UIStyle, as every bordered control publishes them.
  template <class B>
  static void PublishBorder(TPublisher<B>& p) {
    p.Property("BorderColor", &B::BorderColor, &B::SetBorderColor);
    p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
    p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  }

  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value) {
    borderColor_ = value;
    this->Invalidate();
    DrawBorder();
  }

 protected:
  // The theme's border colour, then what the control adds (UIStyleChanged), then a repaint.
  void StyleChanged() override {
    borderColor_ = this->Theme().Color(tkControlBorderColor);
    UIStyleChanged();
    this->Invalidate();
    DrawBorder();
  }
  virtual void UIStyleChanged() {}

  void CreateWnd() override {
    Base::CreateWnd();
    SetWindowBorderRing(this->Handle(), this->BorderWidth());
  }

  // The native painting first, then the border over the ring.
  void WndProc(TMessage& m) override {
    Base::WndProc(m);
    if (m.Msg == WM_NCPAINT || m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND) DrawBorder();
  }

  void DrawBorder() {
    if (this->HandleAllocated()) DrawControlBorder(this, borderColor_, this->Color(), true);
  }

 private:
  TColor borderColor_ = clBlack;
};
