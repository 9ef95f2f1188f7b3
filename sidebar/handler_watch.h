#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

class TCollectionItem;
class TnbSideBar;

// The program's handlers may free what the bar is working on: the header or button an event
// is about, others of the bar, or the bar itself (a menu rebuilt, a form closed). Code of the
// bar that calls a handler and goes on afterwards holds a watch over the bar and over the
// items it goes on with, and asks it before it touches any of them again. An item counts as
// gone once it leaves the bar, freed or moved out.
class TnbHandlerWatch {
 public:
  explicit TnbHandlerWatch(const TnbSideBar& bar, std::initializer_list<const TCollectionItem*> items = {});
  ~TnbHandlerWatch();
  TnbHandlerWatch(const TnbHandlerWatch&) = delete;
  TnbHandlerWatch& operator=(const TnbHandlerWatch&) = delete;

  bool BarKept() const { return *barAlive_; }
  // The bar is there and so is `item`, one of the watched items (nil counts as kept).
  bool Kept(const TCollectionItem* item) const;
  // The bar and every watched item are there.
  bool Kept() const { return BarKept() && !lost_; }

  // `item` leaves its bar: every watch over it hears of it (the bar tells).
  static void ItemGone(const TCollectionItem* item);

 private:
  std::shared_ptr<bool> barAlive_;
  // A gone item's entry is nil.
  std::vector<const TCollectionItem*> items_;
  bool lost_ = false;
};
