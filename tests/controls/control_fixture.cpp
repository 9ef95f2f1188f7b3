#include "tests/controls/control_fixture.h"

#include <filesystem>

#include "platform/windows/painting.h"

const TMessageMap& TTestControl::ClassMessages() {
  static const TMessageMap map = [] {
    TMessageMap m(&TCustomControl::ClassMessages());
    m.On(WM_GETDLGCODE, &TTestControl::WMGetDlgCode);
    m.On(CM_DIALOGCHAR, &TTestControl::CMDialogChar);
    return m;
  }();
  return map;
}

TTestControl::TTestControl(TComponent* owner) : TCustomControl(owner) {
  SetTabStop(true);
  WindowProc = [this](TMessage& m) {
    seen.push_back(m.Msg);
    WndProc(m);
  };
}

void TTestControl::Paint() {
  ++paintCount;
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

void TTestControl::CMDialogChar(TMessage& m) {
  if (IsAccel(static_cast<uint16_t>(m.WParam), Caption()) && CanFocus()) {
    SetFocus();
    Click();
    m.Result = 1;
  }
}

void TTestGraphic::Paint() {
  ++paintCount;
  Canvas()->Brush()->SetColor(Color());
  Canvas()->FillRect(ClientRect());
}

void ControlTest::SetUp() {
  auto clock = std::make_unique<TTestClock>();
  clock_ = clock.get();
  SetClock(std::move(clock));
  ResetInput();
  scope_ = std::make_unique<TApplicationScope>();
}

void ControlTest::TearDown() {
  scope_.reset();
  MSG m;
  while (PeekMessage(m, nullptr, 0, 0, PM_REMOVE)) {}
  ReleaseCapture();
  SetFocus(nullptr);
  SetClock(nullptr);
}

TForm* ControlTest::MakeForm(TRect bounds, TFormBorderStyle border) {
  TForm* form = new TForm(Application);
  form->SetBorderStyle(border);
  form->SetBoundsRect(bounds);
  form->Show();
  return form;
}

TColor ControlTest::Pixel(TCustomForm* form, int x, int y) {
  TBitmap* surface = WindowSurface(form->Handle());
  if (!surface) return clNone;
  uint32_t argb = surface->Pixel32(x, y);
  return static_cast<TColor>(RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
}

void ControlTest::SavePicture(TCustomForm* form, const char* name) {
  TBitmap* surface = WindowSurface(form->Handle());
  if (!surface) return;
  std::filesystem::create_directories(TEST_OUTPUT_DIR);
  surface->SaveToPngFile(String(TEST_OUTPUT_DIR) + "/" + name + ".png");
}
