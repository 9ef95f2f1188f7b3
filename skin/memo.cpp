// The skinned memo with its attached scroll bars.
#include "skin/list_controls.h"
#include "skin/scroll_bar.h"

void TskMemo::Publish() {
  TPublisher<TskMemo> p;
  PublishScrolled(p, true);
}

// The native bars are those the skinned ones stand over.
void TskMemo::BarsChanged(int, TskScrollBar*) {
  const bool v = VScrollBar() != nullptr;
  const bool h = HScrollBar() != nullptr;
  SetScrollBars(v && h ? ssBoth : v ? ssVertical : h ? ssHorizontal : ssNone);
}

bool TskMemo::SynchronisesAfter(UINT msg) const {
  switch (msg) {
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_SETTEXT: return true;
    default: return false;
  }
}
