// The skinned list box with its attached scroll bar.
#include "skin/list_controls.h"
#include "skin/scroll_bar.h"

void TskListBox::Publish() {
  TPublisher<TskListBox> p;
  PublishScrolled(p, false);
}

namespace {

// A message without a name of its own, after which the list's bar is taken again too.
constexpr UINT kUnnamedMessage4 = 4;

}  // namespace

bool TskListBox::SynchronisesAfter(UINT msg) const {
  switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCOUNT:
    case kUnnamedMessage4:
    case WM_CREATE:
    case WM_DELETEITEM: return true;
    default: return false;
  }
}
