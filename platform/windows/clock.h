#pragma once

#include <cstdint>
#include <memory>

// The one clock that serves timers, double-click timing, hint pauses and animations.
// Real runs read a monotonic clock; tests install a TTestClock and advance it by hand.
class TClock {
 public:
  virtual ~TClock() = default;
  virtual int64_t NowMs() const = 0;
};

class TTestClock : public TClock {
 public:
  int64_t NowMs() const override { return now_; }
  void Advance(int64_t ms) { now_ += ms; }

 private:
  int64_t now_ = 1000;
};

TClock& Clock();
// Installs a clock for the process (nullptr: back to the monotonic clock).
void SetClock(std::unique_ptr<TClock> clock);
// Milliseconds since an arbitrary start, from Clock().
uint32_t GetTickCount();
