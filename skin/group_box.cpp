// Skinned group boxes.
#include <cstdlib>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/messages.h"
#include "skin/always_written.h"
#include "skin/file_theme.h"
#include "skin/inherited_message.h"
#include "skin/panels.h"
#include "skin/skin_painting.h"
#include "skin/style_propagation.h"

namespace {
constexpr TColor kDisabledCaption = static_cast<TColor>(0x808080);
constexpr int kCaptionLeft = 5;
}  // namespace

TskCustomGroupBox::TskCustomGroupBox(TComponent* owner) : TskThemed<TskCustomPanel>(owner) {
  SetBounds(Left(), Top(), 185, 105);
  SetParentColor(true);
  SetText(" ");
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

void TskGroupBox::Publish() {
  using B = TskGroupBox;
  TPublisher<B> p;
  PublishAlwaysWritten(p, {"BevelOuter", "ParentColor", "ParentFont"});
  p.Property("Caption", &B::Caption, &B::SetCaption);
  p.Property("FileTheme", &B::FileTheme, &B::SetFileTheme);
  p.Property("UIStyle", &B::UIStyle, &B::SetUIStyle).Default(Marine);
  p.Property("Transparent", &B::Transparent, &B::SetTransparent).Default(false);
  p.Property("BorderColor", &B::BorderColor, &B::SetBorderColor);
}

const TMessageMap& TskCustomGroupBox::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TskCustomPanel::ClassMessages());
    m.On(CM_FONTCHANGED, &TskCustomGroupBox::CMFontChanged);
    return m;
  }();
  return map;
}

void TskCustomGroupBox::SetCaption(const String& value) {
  caption_ = value;
  Invalidate();
}

void TskCustomGroupBox::SetBorderColor(TColor value) {
  borderColor_ = value;
  Invalidate();
}

void TskCustomGroupBox::ApplyStyleColors(TskUIStyle style, TskFileTheme* fileTheme) {
  ContainerApplyUIStyle(this, style, fileTheme);
  TskThemeValues theme(fileTheme, style);
  borderColor_ = theme.Color(tkControlBorderColor);
  Font()->SetColor(theme.Color(tkControlFontColor));
  Invalidate();
}

void TskCustomGroupBox::SetEnabled(bool value) {
  TskCustomPanel::SetEnabled(value);
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->SetEnabled(value);
  Invalidate();
}

void TskCustomGroupBox::CMFontChanged(TMessage& m) {
  InheritedMessage(TskCustomPanel::ClassMessages(), this, m);
  Realign();
  Invalidate();
}

void TskCustomGroupBox::AdjustClientRect(TRect& rect) {
  TskCustomPanel::AdjustClientRect(rect);
  rect.Left += 3;
  rect.Right -= 3;
  rect.Bottom -= 3;
  rect.Top += std::abs(Font()->Height()) + 5;
}

void TskCustomGroupBox::Paint() {
  TBitmap buffer(Width(), Height());
  TCanvas* canvas = buffer.Canvas();
  if (Transparent()) PaintPicture(canvas);
  else PaintControlBackground(canvas, this, false);
  canvas->SetFont(Font());
  const TRect r = ClientRect();
  const int y = std::abs(Font()->Height()) / 2 + r.Top + 1;
  const int gapEnd = caption_.empty() ? r.Left : r.Left + canvas->TextWidth(caption_) + 6;
  canvas->Pen()->SetColor(borderColor_);
  // The top line stays open where the caption stands.
  canvas->Polyline({Point(r.Left + 2, y), Point(r.Left, y), Point(r.Left, r.Bottom - 1),
                    Point(r.Right - 1, r.Bottom - 1), Point(r.Right - 1, y), Point(gapEnd, y)});
  if (!Enabled()) canvas->Font()->SetColor(kDisabledCaption);
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(kCaptionLeft, 0, caption_);
  Canvas()->CopyRect(ClientRect(), canvas, ClientRect());
}
