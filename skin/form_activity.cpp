#include "platform/controls/application.h"
#include "platform/controls/forms.h"
#include "platform/windows/focus.h"
#include "skin/skin_painting.h"

bool IsFormActive(TCustomForm* form) {
  TCustomForm* main = Application != nullptr ? Application->MainForm() : nullptr;
  if (main == nullptr) return form != nullptr && form->Active();
  if (main->FormStyle() == fsMDIForm && main == form) return true;
  // The application is active while one of its windows is the active window.
  if (GetActiveWindow() == nullptr) return false;
  if (form == nullptr || form == main) return true;
  // Child windows of a multi-document frame have no active-child query here, so a form
  // counts as active by its own flag alone, as any other form does.
  return form->Active();
}
