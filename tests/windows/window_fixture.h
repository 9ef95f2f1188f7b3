#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/colors.h"
#include "platform/windows/clock.h"
#include "platform/windows/focus.h"
#include "platform/windows/input.h"
#include "platform/windows/message_loop.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_tree.h"

// A message as a recording window saw it.
struct TLogged {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
};

// Windows of class "Recorder" log every message and then behave as DefWindowProc does,
// except that WM_PAINT fills the client area with the colour in the window's user data.
class WindowTest : public ::testing::Test {
 public:
  static std::vector<TLogged> log_;

 protected:
  void SetUp() override;
  void TearDown() override;

  HWND Make(HWND parent, TRect r, uint32_t style = WS_CHILD | WS_VISIBLE, uint32_t exStyle = 0, TColor fill = clWhite);
  HWND MakeTop(TRect r, uint32_t style = WS_POPUP | WS_VISIBLE, TColor fill = clWhite) {
    return Make(nullptr, r, style, 0, fill);
  }
  // Messages of one kind (or all) logged for a window (nullptr: any window).
  std::vector<TLogged> Logged(HWND h, UINT msg) const;
  std::vector<UINT> MessagesOf(HWND h, std::initializer_list<UINT> kinds) const;
  void ClearLog() { log_.clear(); }
  void Pump() { PumpMessages(); }
  // Colour of a pixel of a top-level window's composed picture (window coordinates).
  TColor Pixel(HWND top, int x, int y);
  TTestClock& TestClock() { return *clock_; }
  // Saves the composed picture of a top-level window for a person to look at.
  void SavePicture(HWND top, const char* name);

 private:
  TTestClock* clock_ = nullptr;
};
