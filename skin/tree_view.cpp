// The skinned tree view with its attached scroll bars.
#include "skin/list_controls.h"
#include "skin/scroll_bar.h"

void TskTreeView::Publish() {
  TPublisher<TskTreeView> p;
  PublishScrolled(p, true);
}

void TskTreeView::BarsChanged(int, TskScrollBar* bar) {
  if (bar != nullptr) bar->SetSmallChange(kBarSmallChange);
}

// Which bars show decides the others' lengths, so the tree synchronises first.
void TskTreeView::PlaceBars() {
  Bars().Synchronise();
  Bars().Place(true);
}
