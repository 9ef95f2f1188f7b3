// The clock behind tick counts and timers, replaceable by tests.
#include "platform/windows/clock.h"

#include <chrono>

namespace {

class TSteadyClock : public TClock {
 public:
  int64_t NowMs() const override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

std::unique_ptr<TClock>& Installed() {
  static std::unique_ptr<TClock> clock = std::make_unique<TSteadyClock>();
  return clock;
}

}  // namespace

TClock& Clock() { return *Installed(); }

void SetClock(std::unique_ptr<TClock> clock) {
  Installed() = clock ? std::move(clock) : std::make_unique<TSteadyClock>();
}

uint32_t GetTickCount() { return static_cast<uint32_t>(Clock().NowMs()); }
