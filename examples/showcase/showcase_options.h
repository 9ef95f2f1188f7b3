#pragma once

#include "platform/core/strings.h"

// What the showcase was asked to do on its command line.
struct TShowcaseOptions {
  // --help: print the usage and stop.
  bool help = false;
  // Render every page to PNG files instead of opening a window (also without a display).
  bool screenshot = false;
  // Where the files go: this folder under the current one unless --screenshot names another.
  String directory = "showcase-screenshots";
  // The theme file of the skin page. Named on the command line (`themeGiven`) it is used as
  // given; by default it is found as the theme component finds files: as given, then its file
  // name beside the program (where the build writes it).
  String themeFile = "skin\\OnePlumet.skn";
  bool themeGiven = false;
  // Said before anything runs (no display, or one that cannot be reached), without stopping.
  String notice;
  // Non-empty when the command line could not be understood; the showcase reports it and stops.
  String error;
};

// Reads `--help`, `--screenshot [DIR]` and `--theme FILE` (also `--option=value`); anything
// else is an error. Without a display, screenshots are written, and `notice` says why unless
// --screenshot asked for them.
TShowcaseOptions ParseShowcaseOptions(int argc, const char* const* argv, bool displayAvailable);

// The text --help prints.
String ShowcaseUsage();

// Makes the screenshot folder when it is missing; answers why files cannot be written there,
// or an empty string when they can.
String PrepareScreenshotFolder(const String& directory);

// The theme file the showcase loads, or an empty string with the reason in `problem` (a
// missing file, a folder, a file that cannot be read, or one that is not a theme file).
String ChooseThemeFile(const TShowcaseOptions& options, String& problem);
