// The showcase program run as a user runs it, with good and bad command lines: every error is
// one line on standard error and a clean exit with its status, never an abort.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TRun {
  int status = -1;  // the exit status; -1 when the program died of a signal
  std::string out;
  std::string err;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ShowcaseCommandLine : public ::testing::Test {
 protected:
  // In the test program's own temporary folder: two runs of the program at once (by hand
  // beside ctest) never clear each other's files, and the screenshots go when it ends.
  void SetUp() override {
    folder_ = fs::path(std::getenv("XDG_DATA_HOME")) / "command-line";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  // Runs the showcase in the test's folder with `arguments` (and `environment` before it);
  // runs with different `tag`s may go at the same time.
  TRun Run(const std::string& arguments, const std::string& environment = "DISPLAY=",
           const std::string& tag = "run") const {
    fs::path out = folder_ / (tag + ".out"), err = folder_ / (tag + ".err");
    std::string command = "cd '" + folder_.string() + "' && env " + environment + " QT_QPA_PLATFORM= '" +
                          std::string(SHOWCASE_PROGRAM) + "' " + arguments + " >'" + out.string() + "' 2>'" +
                          err.string() + "'";
    int raw = std::system(command.c_str());
    TRun r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
  }
  fs::path Write(const std::string& name, const std::string& bytes) const {
    fs::path p = folder_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  bool HasPng(const fs::path& dir) const {
    if (!fs::is_directory(dir)) return false;
    for (const auto& e : fs::directory_iterator(dir))
      if (e.path().extension() == ".png") return true;
    return false;
  }

  fs::path folder_;
};

// Runs `run(0)` .. `run(count - 1)` at the same time (each renders every page); their results
// in that order.
template <typename F>
std::vector<TRun> SideBySide(size_t count, F run) {
  std::vector<TRun> runs(count);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < count; ++i) threads.emplace_back([&, i] { runs[i] = run(i); });
  for (std::thread& t : threads) t.join();
  return runs;
}

// The showcase's own lines (the toolkit may add warnings of its own).
int Lines(const std::string& text) {
  int n = 0;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) n += line.starts_with("showcase: ");
  return n;
}

TEST_F(ShowcaseCommandLine, HelpPrintsTheUsageAndWritesNothing) {
  TRun r = Run("--help");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("Usage: showcase"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("--screenshot"), std::string::npos);
  EXPECT_FALSE(HasPng(folder_ / "showcase-screenshots"));
  EXPECT_FALSE(HasPng(folder_));
}

TEST_F(ShowcaseCommandLine, BadCommandLinesAndScreenshotFoldersEndWithOneLine) {
  Write("a-file", "x");
  struct TCase {
    const char* arguments;
    int status;
    const char* said;
  } const cases[] = {
      {"--bogus", 2, "unknown option \"--bogus\""},
      {"extra", 2, "unexpected argument \"extra\""},
      {"--theme", 2, "--theme needs the name of a theme file"},
      {"--screenshot a-file", 1, "cannot write screenshots to \"a-file\""},
      {"--screenshot a-file/below", 1, "cannot write screenshots to \"a-file/below\""},
      {"--screenshot /proc/showcase", 1, "cannot write screenshots to \"/proc/showcase\""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    TRun r = Run(c.arguments);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.err.find(c.said), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
  }
}

TEST_F(ShowcaseCommandLine, BadThemeFilesAreNamedAndTheBuiltInPicturesShown) {
  Write("empty.skn", "");
  Write("random.skn", "\x13\x37 not a theme at all, just some bytes \xff\xfe");
  fs::create_directories(folder_ / "a-folder.skn");
  struct TCase {
    const char* theme;
    const char* said;
  } const cases[] = {
      {"empty.skn", "\"empty.skn\" is not a theme file"},
      {"random.skn", "\"random.skn\" is not a theme file"},
      {"a-folder.skn", "theme file \"a-folder.skn\" is a folder"},
      {"/nonexistent/OnePlumet.skn", "theme file \"/nonexistent/OnePlumet.skn\" not found"},
  };
  const std::vector<TRun> runs = SideBySide(std::size(cases), [&](size_t i) {
    const std::string shots = "shots" + std::to_string(i);
    return Run("--screenshot " + shots + " --theme " + cases[i].theme, "DISPLAY=", shots);
  });
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].theme);
    const TRun& r = runs[i];
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find(cases[i].said), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("built-in pictures"), std::string::npos) << r.err;
    EXPECT_EQ(Lines(r.err), 1) << r.err;
    EXPECT_TRUE(HasPng(folder_ / ("shots" + std::to_string(i))));
  }
}

// Every picture of the main window taken while the theme file is the window's style shows the
// file's border and title bar: the pictures of the pages as much as the one taken after
// choosing the theme file from the menu.
void ExpectEveryPageWearsTheThemeFile(const fs::path& shots) {
  const QImage chosen(QString::fromStdString((shots / "MainForm-style-fromthemefile.png").string()));
  ASSERT_FALSE(chosen.isNull());
  const QPoint title(chosen.width() / 2, 3), border(0, chosen.height() / 2);
  EXPECT_EQ(chosen.pixelColor(border), QColor(0x4E, 0x1E, 0x6E)) << "the file's border colour";
  int pages = 0;
  for (const auto& e : fs::directory_iterator(shots)) {
    const std::string name = e.path().filename().string();
    // The pictures of the other styles and of the menus in each style are left aside.
    if (!name.starts_with("MainForm-") || name.starts_with("MainForm-style-") || name.starts_with("MainForm-menu-")) continue;
    SCOPED_TRACE(name);
    const QImage page(QString::fromStdString(e.path().string()));
    EXPECT_EQ(page.pixelColor(border), chosen.pixelColor(border));
    EXPECT_EQ(page.pixelColor(title), chosen.pixelColor(title));
    ++pages;
  }
  EXPECT_GE(pages, 7);
}

// Whatever keeps the window from opening is said in one line, and the screenshots go where
// the README says.
TEST_F(ShowcaseCommandLine, AMissingOrStaleDisplayIsNamedAndScreenshotsWritten) {
  struct TCase {
    const char* environment;
    const char* said;
  } const cases[] = {
      {"DISPLAY=:987", "no display can be reached at \":987\"; writing screenshots instead"},
      {"DISPLAY=", "no display: DISPLAY is empty; writing screenshots instead"},
      {"-u DISPLAY", "no display: DISPLAY is not set; writing screenshots instead"},
  };
  const std::vector<TRun> runs = SideBySide(std::size(cases), [&](size_t i) {
    const fs::path in = folder_ / ("in" + std::to_string(i));
    fs::create_directories(in);
    return Run("", "--chdir='" + in.string() + "' " + cases[i].environment, "display" + std::to_string(i));
  });
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].environment);
    EXPECT_EQ(runs[i].status, 0) << runs[i].err;
    EXPECT_NE(runs[i].err.find(cases[i].said), std::string::npos) << runs[i].err;
    EXPECT_EQ(Lines(runs[i].err), 1) << runs[i].err;
    EXPECT_TRUE(HasPng(folder_ / ("in" + std::to_string(i)) / "showcase-screenshots")) << "written where the README says";
    ExpectEveryPageWearsTheThemeFile(folder_ / ("in" + std::to_string(i)) / "showcase-screenshots");
  }
}


// The showcase program on an X server of its own (these run one at a time).
class ShowcaseProgramOnXvfb : public ShowcaseCommandLine {};

// Started as a user starts it, in a window on a display, and closed with Alt+F4, or rendering
// its screenshots, the showcase says nothing on the terminal, also where no session provides a
// runtime folder.
TEST_F(ShowcaseProgramOnXvfb, ANormalStartAndEndSayNothing) {
  const TRun screenshots = Run("--screenshot shots", "-u XDG_RUNTIME_DIR DISPLAY=");
  EXPECT_EQ(screenshots.status, 0);
  EXPECT_EQ(screenshots.err, "") << "rendering the screenshots";
  // On a display of its own: the showcase in the background, its window found and closed with
  // the keyboard; the wait for the window and for the exit ends a run that hangs.
  const fs::path err = folder_ / "window.err";
  const std::string script = "env -u XDG_RUNTIME_DIR QT_QPA_PLATFORM=xcb '" + std::string(SHOWCASE_PROGRAM) +
                             "' 2>'" + err.string() + "' & shown=$!; "
                             "timeout 120 xdotool search --sync --onlyvisible --class showcase windowfocus %1 && "
                             "xdotool key alt+F4; timeout 120 tail --pid=$shown -f /dev/null; wait $shown";
  const std::string command = "cd '" + folder_.string() + "' && '" + OWN_DISPLAY + "' 1280x1024x24 sh -c \"" +
                              script + "\" >/dev/null 2>&1";
  const int raw = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0) << raw;
  EXPECT_EQ(ReadFile(err), "") << "in a window";
}

TEST_F(ShowcaseCommandLine, ScreenshotsOfEveryPageWearTheNamedThemeFile) {
  fs::copy_file(fs::path(SHOWCASE_PROGRAM).parent_path() / "OnePlumet.skn", folder_ / "named.skn");
  TRun r = Run("--screenshot shots --theme named.skn");
  EXPECT_EQ(r.status, 0) << r.err;
  ExpectEveryPageWearsTheThemeFile(folder_ / "shots");
}

}  // namespace
