#pragma once

#include "platform/classes/collection.h"
#include "platform/core/events.h"

// One extra button of an edit or a grid cell: whether it shows, and its width (0: the
// default button width).
class TVisibleEditButtonEx : public TCollectionItem {
  DECLARE_CLASS(TVisibleEditButtonEx, TCollectionItem)
 public:
  explicit TVisibleEditButtonEx(TCollection* collection) : TCollectionItem(collection) {}
  static void Publish();
  void Assign(TPersistent* source) override;

  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  int Width() const { return width_; }
  void SetWidth(int value);

 private:
  bool visible_ = true;
  int width_ = 0;
};

// The extra buttons of an edit or a grid column; any change is told to OnChange, so the owner
// can repaint and re-measure.
class TEditButtonsEx : public TOwnedCollection {
  DECLARE_CLASS(TEditButtonsEx, TOwnedCollection)
 public:
  TEditButtonsEx(TPersistent* owner, TCollectionItemClass itemClass)
      : TOwnedCollection(owner, itemClass) {}
  TVisibleEditButtonEx* Items(int index) const {
    return static_cast<TVisibleEditButtonEx*>(TCollection::Items(index));
  }
  TVisibleEditButtonEx* Add() { return static_cast<TVisibleEditButtonEx*>(TCollection::Add()); }

  TNotifyEvent OnChange;

 protected:
  void Update(TCollectionItem* item) override;
};
