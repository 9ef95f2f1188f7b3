#pragma once

#include "platform/core/strings.h"

class TWinControl;
class TskFileTheme;
class TskPageControl;

// The skin page's page control: a first page for the style artwork (the caller fills it), then
// one page per style (the five built-in styles, then `fileTheme`) holding the edits and lists,
// a page control of its own and message boxes, all in that page's style.
TskPageControl* BuildSkinStylePages(TWinControl* page, TskFileTheme* fileTheme);
// A short ASCII name of page `index` of those pages ("artwork", "graphite", ..., "themefile"),
// for file names.
String SkinStylePageKey(int index);
