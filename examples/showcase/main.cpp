// The showcase: the client's main window, in a real window when there is a display, or
// rendered to PNG files (one per visible window) with --screenshot DIR or without a display.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "examples/showcase/main_form.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/screen.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/painting.h"

namespace {

struct TOptions {
  bool screenshot = false;
  String directory = "showcase-screenshots";
};

TOptions ParseOptions(int argc, char** argv) {
  TOptions options;
  options.screenshot = !DisplayAvailable();
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--screenshot") == 0) {
      options.screenshot = true;
      if (i + 1 < argc) options.directory = argv[++i];
    }
  }
  return options;
}

String FileNameFor(HWND top, int index) {
  TWinControl* control = FindControl(top);
  String name = control && !control->Name().empty() ? control->Name() : "window" + std::to_string(index);
  return name + ".png";
}

// Paints every visible top-level window and saves its picture; answers the files written.
int SaveScreenshots(const String& directory) {
  Application->ProcessMessages();
  std::filesystem::create_directories(directory);
  int index = 0, written = 0;
  for (HWND top : TopLevelWindows()) {
    TBitmap* surface = IsWindowVisible(top) ? WindowSurface(top) : nullptr;
    if (!surface || surface->Empty()) continue;
    String path = (std::filesystem::path(directory) / FileNameFor(top, index++)).string();
    surface->SaveToPngFile(path);
    std::printf("%s\n", path.c_str());
    ++written;
  }
  return written;
}

}  // namespace

int main(int argc, char** argv) {
  TOptions options = ParseOptions(argc, argv);
  TToolkitScope toolkit(argc, argv, options.screenshot);
  TApplicationScope application;
  Application->SetTitle("短信群发客户端");
  TShowcaseMainForm* mainForm = nullptr;
  Application->CreateForm(mainForm);
  mainForm->SetName("MainForm");
  if (options.screenshot) {
    mainForm->Show();
    return SaveScreenshots(options.directory) > 0 ? 0 : 1;
  }
  Application->Run();
  return 0;
}
