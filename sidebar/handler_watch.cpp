// Watches over the bar and its items while the program's handlers run.
#include "sidebar/handler_watch.h"

#include <algorithm>

#include "sidebar/side_bar.h"

namespace {

// The watches alive now, innermost last; everything runs on the thread of the windows.
std::vector<TnbHandlerWatch*>& Watches() {
  static std::vector<TnbHandlerWatch*> watches;
  return watches;
}

}  // namespace

TnbHandlerWatch::TnbHandlerWatch(const TnbSideBar& bar, std::initializer_list<const TCollectionItem*> items)
    : barAlive_(bar.AliveToken()), items_(items) {
  Watches().push_back(this);
}

TnbHandlerWatch::~TnbHandlerWatch() { std::erase(Watches(), this); }

bool TnbHandlerWatch::Kept(const TCollectionItem* item) const {
  return BarKept() && (item == nullptr || std::find(items_.begin(), items_.end(), item) != items_.end());
}

void TnbHandlerWatch::ItemGone(const TCollectionItem* item) {
  if (item == nullptr) return;
  for (TnbHandlerWatch* watch : Watches()) {
    for (const TCollectionItem*& watched : watch->items_) {
      if (watched != item) continue;
      watched = nullptr;
      watch->lost_ = true;
    }
  }
}
