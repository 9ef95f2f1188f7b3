// Controls that paint themselves on a canvas, windowed or not.
#include "platform/controls/custom_control.h"

#include <algorithm>
#include <vector>

#include "platform/graphics/device_context.h"
#include "platform/windows/painting.h"

namespace {

std::vector<TControlCanvas*>& Canvases() {
  static std::vector<TControlCanvas*> canvases;
  return canvases;
}

}  // namespace

TControlCanvas::TControlCanvas() { Canvases().push_back(this); }

TControlCanvas::~TControlCanvas() {
  FreeHandle();
  Canvases().erase(std::remove(Canvases().begin(), Canvases().end(), this), Canvases().end());
}

void TControlCanvas::SetControl(TControl* control) {
  FreeHandle();
  control_ = control;
}

void TControlCanvas::FreeHandle() {
  if (!ownDC_) return;
  HDC dc = ownDC_;
  ownDC_ = nullptr;
  SetHandle(nullptr);
  ReleaseDC(dcWindow_, dc);
}

void TControlCanvas::CreateHandle() {
  if (!control_) return TCanvas::CreateHandle();
  if (auto* win = dynamic_cast<TWinControl*>(control_)) {
    dcWindow_ = win->Handle();
    ownDC_ = GetDC(dcWindow_);
  } else {
    TWinControl* parent = control_->Parent();
    if (!parent) return TCanvas::CreateHandle();
    dcWindow_ = parent->Handle();
    ownDC_ = GetDC(dcWindow_);
    OffsetViewportOrgEx(ownDC_, control_->Left(), control_->Top(), nullptr);
    IntersectClipRect(ownDC_, 0, 0, control_->Width(), control_->Height());
  }
  SetHandle(ownDC_);
}

void FreeDeviceContexts() {
  for (TControlCanvas* canvas : Canvases()) canvas->FreeHandle();
}

TCanvasPaintScope::TCanvasPaintScope(TCanvas* canvas, HDC dc, TControlState& state) : canvas_(canvas), state_(state) {
  if (auto* own = dynamic_cast<TControlCanvas*>(canvas)) own->FreeHandle();
  canvas_->SetHandle(dc);
  state_.Include(csCustomPaint);
}

TCanvasPaintScope::~TCanvasPaintScope() {
  canvas_->SetHandle(nullptr);
  state_.Exclude(csCustomPaint);
}

TCustomControl::TCustomControl(TComponent* owner)
    : TWinControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TCustomControl::~TCustomControl() { canvas_->SetControl(nullptr); }

void TCustomControl::PaintWindow(HDC dc) {
  TCanvasPaintScope scope(canvas_.get(), dc, controlState_);
  canvas_->Font()->Assign(Font());
  canvas_->Brush()->SetColor(Color());
  Paint();
}

TGraphicControl::TGraphicControl(TComponent* owner)
    : TControl(owner), canvas_(std::make_unique<TControlCanvas>()) {
  canvas_->SetControl(this);
}

TGraphicControl::~TGraphicControl() { canvas_->SetControl(nullptr); }

const TMessageMap& TGraphicControl::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TControl::ClassMessages());
    m.On(WM_PAINT, &TGraphicControl::WMPaint);
    return m;
  }();
  return map;
}

void TGraphicControl::WMPaint(TMessage& m) {
  if (!m.WParam) return;
  TCanvasPaintScope scope(canvas_.get(), reinterpret_cast<HDC>(m.WParam), controlState_);
  canvas_->Font()->Assign(Font());
  canvas_->Brush()->SetColor(Color());
  Paint();
}
