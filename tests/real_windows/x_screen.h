#pragma once

// What the X server itself shows and is asked, beside the toolkit: pixels of the screen as a
// second client reads them, and requests that a window manager sends.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/core/types.h"

// The screen's pixels (0xRRGGBB) in `area` (screen coordinates), row by row; empty on failure.
std::vector<uint32_t> ScreenPixels(const TRect& area);

// Where the X window `xWindow` stands on the screen now and how large it is, as the X server
// has it.
TRect ScreenBounds(uintptr_t xWindow);

// Asks the X window `xWindow` to close, as a window manager's close button or Alt+F4 does.
bool RequestClose(uintptr_t xWindow);

// What reaches an X window, as the X server reports it to a client of its own: each picture a
// program puts on the window is reported (its damage) and kept in the order it came, however
// busy the machine is, so a test counts the frames that reached the screen instead of looking
// at the screen on a clock.
class TDamageCounter {
 public:
  explicit TDamageCounter(uintptr_t xWindow);
  ~TDamageCounter();
  TDamageCounter(const TDamageCounter&) = delete;
  TDamageCounter& operator=(const TDamageCounter&) = delete;
  // Whether the server reports the window's damage (it has the extension, the window exists).
  bool Ok() const;
  // How many pictures put on the window since the counter was made touched `area` (window
  // coordinates), as far as the server has reported them yet.
  int Count(const TRect& area);
  // How many of them lay within `area`.
  int CountWithin(const TRect& area);

 private:
  struct TReports;
  const std::vector<TRect>& Reported();
  std::unique_ptr<TReports> reports_;
};
