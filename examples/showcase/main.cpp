// The showcase: the client's main window, in a real window when there is a display, or
// rendered to PNG files (every visible window once per page) with --screenshot DIR or
// without a display. --theme FILE picks the theme file the skin page shows; --help lists it all.
#include <cstdio>
#include <filesystem>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_main_menu.h"
#include "examples/showcase/showcase_options.h"
#include "examples/showcase/side_bar_layout_file.h"
#include "examples/showcase/skin_styles_page.h"
#include "gridlib/grid/grid_style.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/painting.h"
#include "sidebar/alpha_blend.h"
#include "skin/form.h"
#include "skin/page_control.h"

namespace {

String FileNameFor(HWND top, int index, const String& page) {
  TWinControl* control = FindControl(top);
  String name = control && !control->Name().empty() ? control->Name() : "window" + std::to_string(index);
  return name + "-" + page + ".png";
}

// Paints every visible top-level window and saves its picture, its file named for `page`;
// answers the files written.
int SaveWindows(const String& directory, const String& page) {
  Application->ProcessMessages();
  int index = 0, written = 0;
  for (HWND top : TopLevelWindows()) {
    TBitmap* surface = IsWindowVisible(top) ? WindowSurface(top) : nullptr;
    if (!surface || surface->Empty()) continue;
    String path = (std::filesystem::path(directory) / FileNameFor(top, index++, page)).string();
    surface->SaveToPngFile(path);
    std::printf("%s\n", path.c_str());
    ++written;
  }
  return written;
}

// Shows each page in turn and saves the windows with it, then each style's page of the skin
// page, then the first page in each style of the skin (the theme file's last, as the window
// starts); answers the files written.
int SaveScreenshots(TShowcaseMainForm* form, const String& directory) {
  std::filesystem::create_directories(directory);
  int written = 0;
  for (int command = 1; command <= form->PageCount(); ++command) {
    form->ExecuteCommand(command);
    written += SaveWindows(directory, TShowcaseMainForm::PageKey(command));
  }
  form->ExecuteCommand(TShowcaseMainForm::kSkinCommand);
  for (int i = 1; i < form->SkinPages()->PageCount(); ++i) {
    form->SkinPages()->SetActivePageIndex(i);
    written += SaveWindows(directory, "skin-" + SkinStylePageKey(i));
  }
  form->SkinPages()->SetActivePageIndex(0);
  form->ExecuteCommand(1);
  for (TskUIStyle style : {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile}) {
    ApplyShowcaseStyle(form, style);
    written += SaveWindows(directory, "style-" + LowerCase(GetEnumInfo(style).Name(style)));
  }
  ForEachShowcaseMenuLook(form, [&](const String& key) { written += SaveWindows(directory, key); });
  return written;
}

// Every message of the showcase is one line on standard error.
void Say(const String& text) { std::fprintf(stderr, "showcase: %s\n", text.c_str()); }

}  // namespace

int main(int argc, char** argv) {
  TShowcaseOptions options = ParseShowcaseOptions(argc, argv, DisplayAvailable());
  if (options.help) {
    std::fputs(ShowcaseUsage().c_str(), stdout);
    return 0;
  }
  if (!options.error.empty()) {
    Say(options.error);
    return 2;
  }
  if (!options.notice.empty()) Say(options.notice);
  if (String problem = options.screenshot ? PrepareScreenshotFolder(options.directory) : String(); !problem.empty()) {
    Say(problem);
    return 1;
  }
  TToolkitScope toolkit(argc, argv, options.screenshot);
  TApplicationScope application;
  TnbSideBarUnit sideBarUnit;
  GridLibraryScope gridLibrary;
  Application->SetTitle("短信群发客户端");
  TShowcaseMainForm* mainForm = nullptr;
  Application->CreateForm(mainForm);
  mainForm->SetName("MainForm");
  String themeProblem;
  String theme = ChooseThemeFile(options, themeProblem);
  if (theme.empty() || !mainForm->LoadTheme(theme)) {
    Say((themeProblem.empty() ? "theme file \"" + theme + "\" cannot be used" : themeProblem) +
        "; the skin page shows its built-in pictures");
  }
  if (options.screenshot) {
    mainForm->Show();
    try {
      return SaveScreenshots(mainForm, options.directory) > 0 ? 0 : 1;
    } catch (const std::exception& e) {
      Say(e.what());
      return 1;
    }
  }
  // The user's arrangement of the side bar lives beside their other settings; screenshots
  // always show the default one.
  const String layoutPath = ShowcaseSideBarLayoutPath();
  const TSideBarLayoutLoad layout = mainForm->RestoreSideBarLayout(layoutPath);
  if (!layout.problem.empty())
    std::fprintf(stderr, "showcase: %s%s; the default side bar is used\n", layout.problem.c_str(),
                 layout.setAside.empty() ? "" : ("; moved to " + layout.setAside).c_str());
  Application->Run();
  const String saveProblem = mainForm->SaveSideBarLayout(layoutPath);
  if (!saveProblem.empty()) std::fprintf(stderr, "showcase: %s\n", saveProblem.c_str());
  return 0;
}
