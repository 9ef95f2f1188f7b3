#include "examples/showcase/showcase_options.h"

#include <string_view>

TShowcaseOptions ParseShowcaseOptions(int argc, const char* const* argv, bool displayAvailable) {
  TShowcaseOptions options;
  options.screenshot = !displayAvailable;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    const bool hasValue = i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--");
    if (argument == "--screenshot") {
      options.screenshot = true;
      if (hasValue) options.directory = argv[++i];
    } else if (argument == "--theme") {
      if (!hasValue) {
        options.error = "--theme needs the name of a theme file";
        return options;
      }
      options.themeFile = argv[++i];
    }
  }
  return options;
}
