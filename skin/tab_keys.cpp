// The tab controls' keyboard: the arrows on a focused strip, and Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+PgDn and Ctrl+PgUp from anywhere inside a tab control go to the next or previous tab
// that shows, as a tab picked with the mouse does.

#include "platform/core/string_list.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "skin/inherited_message.h"
#include "skin/tab_control.h"

namespace {

bool KeyHeld(int vk) { return GetKeyState(vk) < 0; }

// +1 for a key that goes to the next tab from inside the tab control, -1 for the previous
// one, 0 for any other key.
int PageKeyStep(uint16_t key) {
  if (!KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return 0;
  switch (key) {
    case VK_TAB: return KeyHeld(VK_SHIFT) ? -1 : 1;
    case VK_NEXT: return 1;
    case VK_PRIOR: return -1;
    default: return 0;
  }
}

}  // namespace

// The tab change's handlers may free the strip (a tab that closes its form): nothing of it is
// touched after the pick.
void TskTabControlTopPanel::SelectNextTab(bool forward, bool wrap) {
  const int count = tabs_->Count();
  int index = tabIndex_;
  for (int tried = 0; tried < count; ++tried) {
    index += forward ? 1 : -1;
    if (index < 0 || index >= count) {
      if (!wrap) return;
      index = (index + count) % count;
    }
    if (index == tabIndex_) return;
    if (!TabVisible(index)) continue;
    return SelectTab(index, true);
  }
}

void TskTabControlTopPanel::KeyDown(uint16_t& key, TShiftState shift) {
  TskThemed<TCustomPanel>::KeyDown(key, shift);
  if (shift.Contains(ssCtrl) || shift.Contains(ssAlt)) return;
  if (key == VK_LEFT || key == VK_UP) SelectNextTab(false, false);
  else if (key == VK_RIGHT || key == VK_DOWN) SelectNextTab(true, false);
}

void TskTabControlTopPanel::WMGetDlgCode(TMessage& m) { m.Result = DLGC_WANTARROWS; }

void TskTabControlTopPanel::RepaintOnFocus(TMessage& m) {
  InheritedMessage(TCustomPanel::ClassMessages(), this, m);
  Invalidate();
}

// The key moves the focus to the strip, where the page picked shows it, and the next key
// goes on from there.
void TskTab::CMChildKey(TMessage& m) {
  const int step = PageKeyStep(static_cast<uint16_t>(m.WParam));
  if (step == 0 || topPanel_ == nullptr || !topPanel_->CanFocus()) {
    InheritedMessage(TCustomPanel::ClassMessages(), this, m);
    return;
  }
  topPanel_->SetFocus();
  topPanel_->SelectNextTab(step > 0, true);
  m.Result = 1;
}
