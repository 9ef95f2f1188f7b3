// The live side bars of this process, found by number for drags between bars.
#include "sidebar/live_bars.h"

#include <unistd.h>

#include <map>
#include <random>

namespace {

std::map<uint32_t, TnbSideBar*>& Bars() {
  static std::map<uint32_t, TnbSideBar*> bars;
  return bars;
}

}  // namespace

namespace nbLiveBars {

uint32_t ProcessToken() {
  // Random rather than the process id alone: ids repeat across containers and over time.
  static const uint32_t token = [] {
    std::random_device random;
    uint32_t t = random() ^ static_cast<uint32_t>(getpid());
    return t == 0 ? 1u : t;
  }();
  return token;
}

uint32_t Add(TnbSideBar* bar) {
  static uint32_t last = 0;
  Bars()[++last] = bar;
  return last;
}

void Remove(uint32_t id) { Bars().erase(id); }

TnbSideBar* Find(uint32_t id) {
  const auto it = Bars().find(id);
  return it == Bars().end() ? nullptr : it->second;
}

}  // namespace nbLiveBars
