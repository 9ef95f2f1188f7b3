#pragma once

class TPopupMenu;
class TnbSideBar;

// The side bar's pop-up menu: the bar's eleven ready-made looks as radio items, in the order of
// TnbPreSet; picking one applies it to the bar at once. The menu is owned by the bar's owner.
TPopupMenu* BuildSideBarPresetMenu(TnbSideBar* bar);
