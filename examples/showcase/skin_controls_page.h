#pragma once

class TWinControl;
class TskFileTheme;

// Puts a live set of skinned controls into each row of the style gallery: push buttons (one
// disabled), a check box, two radio buttons of one group, a progress bar the track bar
// drives, and a scroll bar. Rows follow the gallery's order: the five built-in styles, then
// `fileTheme`.
void AddLiveSkinControls(TWinControl* gallery, TskFileTheme* fileTheme, int rowHeight);
