#pragma once

// What the X server itself shows and is asked, beside the toolkit: pixels of the screen as a
// second client reads them, and requests that a window manager sends.
#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

#include "platform/core/types.h"

// The screen's pixels (0xRRGGBB) in `area` (screen coordinates), row by row; empty on failure.
std::vector<uint32_t> ScreenPixels(const TRect& area);

// Asks the X window `xWindow` to close, as a window manager's close button or Alt+F4 does.
bool RequestClose(uintptr_t xWindow);

// Reads `area` of the screen again and again on a thread of its own, from its construction to
// Stop(), and keeps every picture that differs from the one before.
class TScreenSampler {
 public:
  explicit TScreenSampler(const TRect& area);
  ~TScreenSampler();
  TScreenSampler(const TScreenSampler&) = delete;
  TScreenSampler& operator=(const TScreenSampler&) = delete;
  // Ends the sampling once at least one more picture was read; answers the pictures seen.
  const std::vector<std::vector<uint32_t>>& Stop();

 private:
  void Run();

  TRect area_;
  std::atomic<bool> stop_{false};
  std::atomic<int> reads_{0};
  std::vector<std::vector<uint32_t>> seen_;
  std::thread thread_;
};
