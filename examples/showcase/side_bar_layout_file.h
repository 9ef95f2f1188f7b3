#pragma once

#include "platform/core/strings.h"

class TnbSideBar;

// The user's arrangement of the showcase's side bar: a layout file in the user's config folder,
// read at start and written on exit.

// $XDG_CONFIG_HOME/showcase/side-bar.layout, else ~/.config/showcase/side-bar.layout; "" when
// neither variable gives a folder.
String ShowcaseSideBarLayoutPath();

// What became of reading the layout file.
struct TSideBarLayoutLoad {
  bool loaded = false;
  // Why the file could not be used, in words for the user; empty when there was no problem.
  String problem;
  // Where a file the bar refused was moved, so the next exit does not overwrite it.
  String setAside;
};

// Reads the layout at `path` into `bar`. Without a file the bar keeps what it has. A file the
// bar refuses is reported and moved aside to `path` + ".damaged", and the bar keeps what it has.
TSideBarLayoutLoad LoadShowcaseSideBarLayout(TnbSideBar* bar, const String& path);

// Writes the bar's layout to `path`, making its folder. The file is replaced only once the new
// layout is completely written. Answers the problem in words for the user, "" when none.
String SaveShowcaseSideBarLayout(TnbSideBar* bar, const String& path);
