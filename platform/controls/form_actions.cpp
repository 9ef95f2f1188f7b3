// What a form does for its actions when the application is idle.
#include <unordered_set>

#include "platform/controls/actions.h"
#include "platform/controls/forms.h"
#include "platform/controls/menus.h"

namespace {

// Each action updates once per pass, however many clients it has.
class TActionUpdatePass {
 public:
  void Control(TControl* control) {
    if (TBasicAction* action = control->Action(); action && Fresh(action)) control->InitiateAction();
  }
  void Item(TMenuItem* item) {
    if (TBasicAction* action = item->Action(); action && Fresh(action)) item->InitiateAction();
  }
  void List(TCustomActionList* list) {
    for (int i = 0; i < list->ActionCount(); ++i)
      if (Fresh(list->Actions(i))) list->Actions(i)->Update();
  }
  // Visible controls and those inside them, in index order.
  void Controls(TWinControl* parent) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
      TControl* control = parent->Controls(i);
      if (!control->Visible()) continue;
      Control(control);
      if (auto* win = dynamic_cast<TWinControl*>(control)) Controls(win);
    }
  }

 private:
  bool Fresh(TBasicAction* action) { return done_.insert(action).second; }
  std::unordered_set<TBasicAction*> done_;
};

}  // namespace

void TCustomForm::UpdateActions() {
  if (ComponentState().Contains(csDesigning) || !Showing()) return;
  TActionUpdatePass pass;
  pass.Control(this);
  if (auto* menu = dynamic_cast<TMainMenu*>(menu_))
    for (int i = 0; i < menu->Items()->Count(); ++i)
      if (menu->Items()->Items(i)->Visible()) pass.Item(menu->Items()->Items(i));
  pass.Controls(this);
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i))) pass.List(list);
}
