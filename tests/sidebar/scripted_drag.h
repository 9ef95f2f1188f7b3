#pragma once

#include <functional>
#include <vector>

#include "platform/windows/drag_drop.h"

// A drag carried through the platform's own drag loop as a hand would move the mouse: the
// pointer visits the screen points of `path` one by one with the left button held, then the
// button is let go. `onStep(i)` runs once the loop has taken the pointer at point i, and may
// look at or change anything (paint a bar, free one). The real drop source still decides
// when the drag drops or is cancelled.
class TScriptedDrag : public TInProcessDragDrop {
 public:
  std::vector<TPoint> path;
  std::function<void(size_t)> onStep;
  // What the last drag's loop answered and the effect it reported.
  HRESULT result = S_OK;
  uint32_t effect = DROPEFFECT_NONE;

  HRESULT Run(IDataObject* data, IDropSource* source, uint32_t okEffects, uint32_t& performed) override;
};
