#pragma once

#include <optional>

#include "platform/core/events.h"
#include "sidebar/side_bar.h"

class IDataObject;
class TStream;

// The showcase's side bar: a button dragged from it also names its command, so that another
// showcase it is dropped on knows which command came. It streams as the bar it extends, so
// stored layouts stay those of a TnbSideBar.
class TShowcaseSideBar : public TnbSideBar {
 public:
  using TnbSideBar::TnbSideBar;

 protected:
  // The bar's record, then one of the showcase's own: kind 3, length 4, the button's Tag.
  void WriteDraggedButton(TStream& stream, TnbButton* button) override;
};

// The command named by a button dragged from a showcase's side bar; none for other data.
std::optional<int> DroppedSideBarCommand(IDataObject* data);

// Takes a button dropped on `bar` from the side bar of another showcase: its command comes to
// where it was dropped. The bar's own button for that command moves there; a bar without one
// gets a new button, with `click` as its handler. Answers whether anything was taken.
bool TakeSideBarDropFromElsewhere(TnbSideBar* bar, IDataObject* data, const TNotifyEvent& click);

// Lets `bar` take buttons dropped from the side bars of other showcases (drops from this
// showcase's own bar are the bar's own business).
void AcceptSideBarDropsFromElsewhere(TnbSideBar* bar, const TNotifyEvent& click);
