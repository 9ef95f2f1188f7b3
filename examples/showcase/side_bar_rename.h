#pragma once

class TnbSideBar;
class TPopupMenu;

// Renaming the side bar's headers and buttons in place, with the bar's own editor: "重命名" on
// the menu a right click on a header or a button opens, or F2 on the bar, which renames the
// button of the page shown (the open header when it marks none). A caption its options make
// read-only is not offered. The menu (owned by the bar's owner) is answered.
TPopupMenu* OfferSideBarRenaming(TnbSideBar* bar);

// Binds the bar's handlers for renaming to `menu` (made by OfferSideBarRenaming) again. A
// layout read into the bar names the handlers but cannot bring them back: reading it leaves
// them unbound.
void ConnectSideBarRenaming(TnbSideBar* bar, TPopupMenu* menu);
