#include "skin/list_controls.h"
#include "skin/scroll_bar.h"

void TskListBox::Publish() {
  TPublisher<TskListBox> p;
  PublishScrolled(p, false);
}

bool TskListBox::SynchronisesAfter(UINT msg) const {
  switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case WM_CREATE:
    case WM_DELETEITEM: return true;
    default: return false;
  }
}
