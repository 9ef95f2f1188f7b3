#include "examples/showcase/showcase_options.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/core/exceptions.h"
#include "skin/file_theme.h"
#include "skin/theme_file_reader.h"

namespace {

String Quoted(const String& s) { return "\"" + s + "\""; }

// One argument, with its value when it takes one: `--name value` or `--name=value`.
struct TArgument {
  std::string_view name;
  String value;
  bool hasValue = false;
};

TArgument ReadArgument(int& i, int argc, const char* const* argv, bool takesValue) {
  std::string_view text = argv[i];
  TArgument a;
  a.name = text;
  if (size_t eq = text.find('='); eq != std::string_view::npos && text.starts_with("--")) {
    a.name = text.substr(0, eq);
    a.value = String(text.substr(eq + 1));
    a.hasValue = true;
  } else if (takesValue && i + 1 < argc && !std::string_view(argv[i + 1]).starts_with("--")) {
    a.value = argv[++i];
    a.hasValue = true;
  }
  return a;
}

bool TakesValue(std::string_view argument) {
  return argument == "--screenshot" || argument == "--theme";
}

// Why a window was not opened when one was expected: a user who starts the showcase without
// asking for screenshots learns where its pictures went instead.
String DisplayNotice(bool displayAvailable) {
  if (displayAvailable) return {};
  const char* display = std::getenv("DISPLAY");
  const String why = display == nullptr ? String("no display: DISPLAY is not set")
                     : *display == '\0'  ? String("no display: DISPLAY is empty")
                                          : "no display can be reached at " + Quoted(display);
  return why + "; writing screenshots instead";
}

bool HasThemeEntries(const TskThemeFileReader& reader) {
  return reader.BitmapNames().Count() > 0 || reader.Integers().Count() > 0 || reader.Booleans().Count() > 0 ||
         reader.Strings().Count() > 0;
}

String ThemeFileProblem(const String& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error)) return "theme file " + Quoted(path) + " is a folder";
  if (!std::filesystem::exists(path, error)) return "theme file " + Quoted(path) + " not found";
  if (access(path.c_str(), R_OK) != 0) return "theme file " + Quoted(path) + " cannot be read";
  try {
    if (!HasThemeEntries(TskThemeFileReader(path))) return Quoted(path) + " is not a theme file";
  } catch (const Exception& e) {
    return "theme file " + Quoted(path) + " cannot be read: " + e.Message();
  }
  return {};
}

}  // namespace

TShowcaseOptions ParseShowcaseOptions(int argc, const char* const* argv, bool displayAvailable) {
  TShowcaseOptions options;
  bool askedForScreenshots = false;
  options.screenshot = !displayAvailable;
  for (int i = 1; i < argc; ++i) {
    std::string_view text = argv[i];
    TArgument a = ReadArgument(i, argc, argv, TakesValue(text));
    if (a.name == "--help" || a.name == "-h") {
      options.help = true;
    } else if (a.name == "--screenshot") {
      options.screenshot = askedForScreenshots = true;
      if (a.hasValue) options.directory = a.value;
    } else if (a.name == "--theme" && a.hasValue && !a.value.empty()) {
      options.themeFile = a.value;
      options.themeGiven = true;
    } else if (a.name == "--theme") {
      options.error = "--theme needs the name of a theme file";
    } else {
      options.error = (text.starts_with("-") ? "unknown option " : "unexpected argument ") + Quoted(String(text)) +
                      " (--help lists the options)";
    }
    if (!options.error.empty()) return options;
  }
  if (!askedForScreenshots) options.notice = DisplayNotice(displayAvailable);
  return options;
}

String ShowcaseUsage() {
  return "Usage: showcase [--screenshot [DIR]] [--theme FILE] [--help]\n"
         "Opens the client's main window. Without a display, or with --screenshot, it renders every\n"
         "page to PNG files in DIR instead (default: showcase-screenshots in the current folder).\n"
         "  --screenshot [DIR]  write one PNG per window and page to DIR and end\n"
         "  --theme FILE        the theme file the skin page shows (default: OnePlumet.skn beside\n"
         "                      the program, which the build writes there)\n"
         "  --help              print this text\n";
}

String PrepareScreenshotFolder(const String& directory) {
  const String where = "cannot write screenshots to " + Quoted(directory);
  std::error_code error;
  std::filesystem::create_directories(directory, error);
  if (error) return where + ": " + error.message();
  if (!std::filesystem::is_directory(directory, error)) return where + ": not a folder";
  if (access(directory.c_str(), W_OK | X_OK) != 0) return where + ": not writable";
  return {};
}

String ChooseThemeFile(const TShowcaseOptions& options, String& problem) {
  String path = options.themeGiven ? options.themeFile : ResolveThemeFilePath(options.themeFile);
  if (path.empty()) path = ProgramFolder() + FileNamePart(options.themeFile);
  problem = ThemeFileProblem(path);
  return problem.empty() ? path : String();
}
