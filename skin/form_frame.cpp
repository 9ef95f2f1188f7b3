// Where a skinned form's panel sits in its form, the border it draws around it, the window's
// round top corners, and the panel's background.
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/device_context.h"
#include "platform/graphics/gdi_owner.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/graphics/region.h"
#include "platform/windows/painting.h"
#include "skin/form.h"

const TMessageMap& TskForm::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomPanel::ClassMessages());
    m.On(WM_ERASEBKGND, &TskForm::WMEraseBkgnd);
    return m;
  }();
  return map;
}

void TskForm::CreateWnd() {
  TCustomPanel::CreateWnd();
  LayoutInForm();
  PaintBorder();
}

void TskForm::SetParent(TWinControl* parent) {
  TCustomPanel::SetParent(parent);
  LayoutInForm();
}

TskFormFrame TskForm::Frame() const {
  TskFormFrameInput input;
  input.BorderWidth = borderWidth_;
  input.TitleBarShown = titleBarVisible_;
  if (form_ == nullptr) return TskFormFrame(input);
  input.ClientWidth = form_->ClientWidth();
  input.ClientHeight = form_->ClientHeight();
  input.MDIChild = IsMDIChild();
  input.Sizeable = formBorderStyle_ == bsSizeable && form_->WindowState() != wsMaximized;
  return TskFormFrame(input);
}

void TskForm::LayoutInForm() {
  if (form_ == nullptr || Parent() != form_) return;
  SetBoundsRect(Frame().PanelRect());
}

void TskForm::PaintBorder() {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  InvalidateRect(form_->Handle(), nullptr, true);
}

void TskForm::RepaintForm() {
  if (form_ == nullptr || !form_->HandleAllocated()) return Invalidate();
  // Controls that take their look from the theme as well as those that only sit on the form.
  RedrawWindow(form_->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
}

void TskForm::PaintBorderInto(HDC dc) {
  if (form_ == nullptr || dc == nullptr) return;
  TCanvas canvas;
  canvas.SetHandle(dc);
  const TskFormFrame frame = Frame();
  canvas.Brush()->SetStyle(bsSolid);
  canvas.Brush()->SetColor(borderColor_);
  for (const TRect& strip : frame.BorderStrips()) canvas.FillRect(strip);
  canvas.SetHandle(nullptr);
}

void TskForm::ApplyWindowRegion(int roundCorner) {
  if (form_ == nullptr || !form_->HandleAllocated()) return;
  const TRect r = Rect(0, 0, form_->ClientWidth(), form_->ClientHeight());
  const int d = 2 * roundCorner;
  TGdiOwner<HRGN> shape(CreateRoundRectRgn(r.Left, r.Top, r.Right + 1, r.Bottom + 1, roundCorner, roundCorner));
  TGdiOwner<HRGN> bottomLeft(CreateRectRgn(r.Left, r.Bottom - d, r.Left + d, r.Bottom));
  TGdiOwner<HRGN> bottomRight(CreateRectRgn(r.Right - d, r.Bottom - d, r.Right, r.Bottom));
  CombineRgn(shape.get(), shape.get(), bottomLeft.get(), RGN_OR);
  CombineRgn(shape.get(), shape.get(), bottomRight.get(), RGN_OR);
  if (ComponentState().Contains(csDesigning)) return;
  HWND window = form_->Handle();
  // The window takes the region over.
  SetWindowRgn(window, shape.release(), true);
}

void TskForm::Paint() {
  TRect r = ClientRect();
  const char* tile = UIStyle() == Graphite ? "GRAPHITE_FORM_BACKGROUND"
                     : UIStyle() == Jade   ? "JADE_FORM_BACKGROUND"
                                          : nullptr;
  if (tile == nullptr) {
    Canvas()->Brush()->SetStyle(bsSolid);
    Canvas()->Brush()->SetColor(Color());
    Canvas()->FillRect(r);
    return;
  }
  TBitmap pattern;
  pattern.LoadFromResourceName(0, tile);
  TBitmap buffer(r.Width(), r.Height());
  buffer.Canvas()->Brush()->SetBitmap(&pattern);
  buffer.Canvas()->FillRect(Rect(0, 0, r.Width(), r.Height()));
  Canvas()->Draw(0, 0, &buffer);
}

// The panel covers its whole area when it paints; erasing first would only flicker.
void TskForm::WMEraseBkgnd(TMessage& m) { m.Result = 1; }
