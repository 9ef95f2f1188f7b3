#pragma once

#include <cstdint>

class TnbSideBar;

// The side bars alive in this process, each under a number of its own that is never given
// again, and a token that tells this process from others. Drag data names its source bar by
// these two instead of an address, so a bar freed during a drag, or a bar of another process,
// is recognised as such rather than followed.
namespace nbLiveBars {

uint32_t ProcessToken();
// Numbers from 1; 0 is no bar.
uint32_t Add(TnbSideBar* bar);
void Remove(uint32_t id);
// The living bar of that number, nil when it is gone or never was.
TnbSideBar* Find(uint32_t id);

}  // namespace nbLiveBars
