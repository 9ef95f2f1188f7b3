#pragma once

#include "platform/core/strings.h"

// What the showcase was asked to do on its command line.
struct TShowcaseOptions {
  // Render every page to PNG files instead of opening a window (also without a display).
  bool screenshot = false;
  String directory = "showcase-screenshots";
  // The theme file of the skin page, found as the theme component finds files: as given,
  // then its file name beside the program (where the build writes the default).
  String themeFile = "skin\\OnePlumet.skn";
  // Non-empty when the command line could not be understood; the showcase reports it and stops.
  String error;
};

// Reads `--screenshot [DIR]` and `--theme FILE`; other arguments are left to the toolkit.
TShowcaseOptions ParseShowcaseOptions(int argc, const char* const* argv, bool displayAvailable);
