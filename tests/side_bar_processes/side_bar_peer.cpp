// A second program with a side bar, for the test that drags buttons between processes: it
// shows one header of three buttons at the screen point its arguments give, says on standard
// output where its buttons are once the window is on screen, when a drag of its own button is
// under way, and each change of its button count, until its standard input closes.
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/backend/qt_backend.h"
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/windows/clock.h"
#include "sidebar/side_bar.h"

namespace {

void Say(const std::string& line) {
  std::printf("%s\n", line.c_str());
  std::fflush(stdout);
}

bool InputClosed() {
  pollfd in{STDIN_FILENO, POLLIN, 0};
  if (poll(&in, 1, 0) <= 0) return false;
  char c;
  return read(STDIN_FILENO, &c, 1) <= 0;
}

std::string ButtonCentres(TnbSideBar* bar) {
  std::string line = "buttons";
  TnbHeader* header = bar->Header(0);
  for (int i = 0; i < header->ButtonCount(); ++i) {
    const TRect r = header->GetButton(i)->Rects().Button;
    const TPoint p = bar->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
  }
  return line;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: side_bar_peer LEFT TOP\n");
    return 2;
  }
  const int left = std::atoi(argv[1]), top = std::atoi(argv[2]);
  TToolkitScope toolkit(argc, argv, false);
  TApplicationScope application;
  TnbSideBarUnit unit;
  auto* form = new TForm(Application);
  form->SetCaption("Side bar peer");
  form->SetBorderStyle(bsNone);
  form->SetBounds(left, top, 220, 300);
  auto* bar = new TnbSideBar(form);
  bar->SetParent(form);
  bar->SetAlign(alClient);
  bar->SetViewStyle(vsExplorerBar);
  TnbHeader* header = bar->Headers()->Add();
  header->SetCaption("Peer");
  for (int i = 1; i <= 3; ++i) header->Buttons()->Add()->SetCaption("Peer " + std::to_string(i));
  // A drag of its own button passing over the bar tells the test that the drag is under way.
  bool toldDragging = false;
  bar->OnDragOver.Bind(form, "DragOver", [&](TnbSideBar* sender, TObject* source, TShiftState, TDragState state,
                                             TPoint, TnbDropMode, uint32_t&, bool&) {
    if (source != sender || state != dsDragMove || toldDragging) return;
    toldDragging = true;
    Say("dragging");
  });
  form->Show();
  bool ready = false;
  int reported = -1;
  while (!InputClosed()) {
    Application->ProcessMessages();
    if (!ready && ToolkitWindowExposed(form->Handle()) && !IsRectEmpty(header->GetButton(0)->Rects().Button)) {
      ready = true;
      Say(ButtonCentres(bar));
    }
    if (bar->DraggedButton() == nullptr) toldDragging = false;
    if (ready && header->ButtonCount() != reported) {
      reported = header->ButtonCount();
      Say("count " + std::to_string(reported));
    }
    usleep(5000);
  }
  return 0;
}
