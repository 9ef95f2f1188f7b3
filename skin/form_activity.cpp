// Whether a form counts as active, for painting its title bar.
#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "skin/skin_painting.h"

namespace {

// A child of a multiple-document frame never becomes the active window itself: the frame's
// client window knows which child is the active one.
bool IsActiveMDIChild(TCustomForm* frame, TCustomForm* form) {
  HWND client = frame->ClientHandle();
  if (client == nullptr || !form->HandleAllocated()) return false;
  return reinterpret_cast<HWND>(SendMessage(client, WM_MDIGETACTIVE)) == form->Handle();
}

}  // namespace

bool IsFormActive(TCustomForm* form) {
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  if (main == nullptr) return form != nullptr && form->Active();
  if (main->FormStyle() == fsMDIForm && main == form) return true;
  // The application is active while one of its windows is the active window.
  if (GetActiveWindow() == nullptr) return false;
  if (form == nullptr || form == main) return true;
  if (main->FormStyle() == fsMDIForm && IsActiveMDIChild(main, form)) return true;
  return form->Active();
}
