// The skinned combo box: its button, arrow, frame and dropped list.
#include <algorithm>

#include "platform/classes/properties.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_styles.h"
#include "skin/list_controls.h"
#include "skin/style_propagation.h"
#include "skin/window_canvas.h"

namespace {

constexpr TColor kArrowShadow = static_cast<TColor>(0x808080);
constexpr TColor kArrowLight = static_cast<TColor>(0xFFFFFF);

// The downward triangle (x, y), (x + 6, y), (x + 3, y + 3), filled row by row so that every
// row is whole whatever the polygon rules make of so small a shape.
void Triangle(TCanvas* canvas, int x, int y, TColor color) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  for (int row = 0; row <= 3; ++row) canvas->FillRect(Rect(x + row, y + row, x + 7 - row, y + row + 1));
}

}  // namespace

TskCustomComboBox::TskCustomComboBox(TComponent* owner) : TskBordered<TCustomComboBox>(owner, 0) {
  listProc_ = ListBox()->WindowProc;
  ListBox()->WindowProc = [this](TMessage& m) { ListMessage(m); };
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

TskCustomComboBox::~TskCustomComboBox() { ListBox()->WindowProc = listProc_; }

void TskCustomComboBox::Publish() {
  using B = TskCustomComboBox;
  TPublisher<B> p;
  PublishBorder(p);
  p.Property("ArrowColor", &B::ArrowColor, &B::SetArrowColor);
  p.Property("ButtonColor", &B::ButtonColor, &B::SetButtonColor);
}

// The frame is the skin's own: no sunken edge around it.
void TskCustomComboBox::CreateParams(TCreateParams& params) {
  TskBordered<TCustomComboBox>::CreateParams(params);
  params.ExStyle &= ~WS_EX_CLIENTEDGE;
}

void TskCustomComboBox::SetArrowColor(TColor value) {
  arrowColor_ = value;
  Invalidate();
}

void TskCustomComboBox::SetButtonColor(TColor value) {
  buttonColor_ = value;
  Invalidate();
}

void TskCustomComboBox::UIStyleChanged() {
  arrowColor_ = clBlack;
  buttonColor_ = Theme().Color(tkFormBackgroundColor);
}

void TskCustomComboBox::SetEnabled(bool value) {
  TskBordered<TCustomComboBox>::SetEnabled(value);
  Invalidate();
}

void TskCustomComboBox::CloseUp() {
  TskBordered<TCustomComboBox>::CloseUp();
  if (Parent() != nullptr) Parent()->Invalidate();
}

void TskCustomComboBox::WndProc(TMessage& m) {
  TskBordered<TCustomComboBox>::WndProc(m);
  if ((m.Msg == WM_PAINT || m.Msg == WM_ERASEBKGND) && HandleAllocated() && Style() != csSimple && !IsWin95OSR2())
    PaintSkin(reinterpret_cast<HDC>(m.WParam));
}

// The frame, the button and its arrow over what the combo box painted.
void TskCustomComboBox::PaintSkin(HDC given) {
  COMBOBOXINFO info;
  if (!GetComboBoxInfo(Handle(), info)) return;
  TWindowCanvas client(Handle(), TWindowCanvas::waClient, given);
  TCanvas* canvas = client.Canvas();
  const TRect r = ClientRect();
  FrameIn(canvas, r, BorderColor());
  FrameIn(canvas, Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), Color());
  if (DroppedDown()) FrameDroppedList();
  // The button stays inside the two frames.
  TRect button = info.rcButton;
  IntersectRect(button, button, Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2));
  PaintButton(canvas, button);
  if (UIStyle() != Pearl) PaintArrow(canvas, button);
}

void TskCustomComboBox::PaintButton(TCanvas* canvas, const TRect& button) {
  const char* picture = UIStyle() == Graphite ? "GRAPHITE_COMBOBOX_BUTTON" : UIStyle() == Pearl ? "PEARL_COMBOBOX_BUTTON" : nullptr;
  if (picture != nullptr) {
    TBitmap face;
    face.LoadFromResourceName(0, picture);
    canvas->StretchDraw(button, &face);
    return;
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(ColorToRGB(buttonColor_));
  canvas->FillRect(button);
  canvas->Pen()->SetColor(ColorToRGB(BorderColor()));
  canvas->MoveTo(button.Left, button.Top - 1);
  canvas->LineTo(button.Left, button.Bottom + 1);
}

void TskCustomComboBox::PaintArrow(TCanvas* canvas, const TRect& button) {
  const int x = button.Width() / 2 + button.Left - 3;
  const int y = button.Height() / 2;
  if (Enabled()) {
    Triangle(canvas, x, y, ColorToRGB(arrowColor_));
    return;
  }
  Triangle(canvas, x + 1, y + 1, kArrowLight);
  Triangle(canvas, x, y, kArrowShadow);
}

// The dropped list wears the combo box's border colour too.
void TskCustomComboBox::ListMessage(TMessage& m) {
  listProc_(m);
  if ((m.Msg == WM_PAINT || m.Msg == WM_NCPAINT) && DroppedDown()) FrameDroppedList();
}

void TskCustomComboBox::FrameDroppedList() {
  TCustomListBox* list = ListBox();
  if (!list->HandleAllocated()) return;
  TWindowCanvas window(list->Handle(), TWindowCanvas::waWindow);
  FrameIn(window.Canvas(), Rect(0, 0, list->Width(), list->Height()), BorderColor());
}
