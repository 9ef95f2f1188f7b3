#pragma once

#include <functional>
#include <vector>

#include "tests/sidebar/scripted_drag.h"
#include "tests/sidebar/sidebar_fixture.h"

// A bar in the explorer view with headers "A" (3 buttons) and "B" (2), whose drags run
// through the platform's drag loop along scripted paths.
class DragTest : public SidebarTest {
 protected:
  void SetUp() override;
  void TearDown() override;
  static void Pump();
  // Presses on client point `from` of `bar` and drags along `path` (points of the bars the
  // pointer passes, in screen coordinates), holding `keys` (MK_SHIFT, MK_CONTROL) once the
  // drag is under way; `onStep` runs at each point.
  void DragAlong(TnbSideBar* bar, TPoint from, std::vector<TPoint> path, uint32_t keys = 0,
                 std::function<void(size_t)> onStep = {});
  // Drags from `from` to `to`, both client points of the bar, lingering at `to` so that keys
  // held meanwhile count.
  void Drag(TPoint from, TPoint to, uint32_t keys = 0);
  static TPoint Below(const TRect& r) { return {(r.Left + r.Right) / 2, r.Bottom - 2}; }
  static std::vector<String> Captions(TnbHeader* h);

  TScriptedDrag* script_ = nullptr;
  TnbHeader* a_ = nullptr;
  TnbHeader* b_ = nullptr;
};
