#pragma once

class TskFileTheme;
class TWinControl;

// Fills `page` with one of each standard control, wired so a person can try them: a panel
// holding labels, an edit-style combo box and a list-only one, a list box, a memo, a tree
// view, scroll bars that move a label, a tool bar with a drop-down menu, an image and a
// button that shows a message box, skinned as the window with `fileTheme`.
void BuildStandardControlsPage(TWinControl* page, TskFileTheme* fileTheme);
