#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/core/strings.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/clipboard.h"
#include "platform/windows/clock.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/keys.h"
#include "tests/support/key_input.h"

// A shown form on a test clock, with helpers that drive a control by its messages and paint
// it into a bitmap. A failed test saves the last picture as TEST_OUTPUT_DIR/<suite>.<test>.png.
class StdControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetClock(std::make_unique<TTestClock>());
    SetClipboardService(nullptr);
    app_ = std::make_unique<TApplicationScope>();
    form_ = new TForm(Application);
    form_->SetBounds(50, 50, 480, 360);
    form_->Show();
    ResetInput();
    ResetKeyState();
  }

  void TearDown() override {
    SavePictureOnFailure();
    ResetKeyState();
    app_.reset();
    SetClock(nullptr);
  }

  template <typename T>
  T* Make(TRect bounds) {
    T* control = new T(form_);
    control->SetParent(form_);
    control->SetBoundsRect(bounds);
    return control;
  }

  static void Key(TControl* c, uint16_t vk, TShiftState shift = {}) { test_input::Key(c, vk, shift); }
  static void Type(TControl* c, std::string_view text) { test_input::Type(c, text); }
  static void Press(TControl* c, int x, int y, uint32_t keys = 0) {
    c->Perform(WM_LBUTTONDOWN, MK_LBUTTON | keys, MakeLParam(x, y));
  }
  static void Drag(TControl* c, int x, int y) { c->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(x, y)); }
  static void Release(TControl* c, int x, int y) { c->Perform(WM_LBUTTONUP, 0, MakeLParam(x, y)); }
  static void Click(TControl* c, int x, int y, uint32_t keys = 0) {
    Press(c, x, y, keys);
    Release(c, x, y);
  }

  // Paints the control (frame and client) into the test bitmap.
  void PaintControl(TWinControl* c) {
    bmp_.SetSize(c->Width(), c->Height());
    bmp_.Canvas()->Brush()->SetColor(clFuchsia);
    bmp_.Canvas()->FillRect(Rect(0, 0, c->Width(), c->Height()));
    c->PaintTo(bmp_.Canvas()->Handle(), 0, 0);
  }
  TColor At(int x, int y) {
    uint32_t p = bmp_.Pixel32(x, y);
    return static_cast<TColor>(((p >> 16) & 0xFF) | (p & 0xFF00) | (p & 0xFF) << 16);
  }
  static TColor Sys(TColor c) { return ColorToRGB(c); }
  // How many pixels of `color` there are in `r` of the last picture.
  int Count(TColor color, TRect r) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) n += At(x, y) == Sys(color);
    return n;
  }

  TForm* form_ = nullptr;
  TBitmap bmp_;

 private:
  void SavePictureOnFailure() {
    if (!HasFailure() || bmp_.Empty()) return;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    bmp_.SaveToPngFile(std::string(TEST_OUTPUT_DIR) + "/" + info->test_suite_name() + "." + info->name() + ".png");
  }
  std::unique_ptr<TApplicationScope> app_;
};
