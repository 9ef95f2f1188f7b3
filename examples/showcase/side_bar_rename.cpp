#include "examples/showcase/side_bar_rename.h"

#include <memory>

#include "platform/windows/keys.h"
#include "sidebar/side_bar.h"
#include "skin/menus.h"

namespace {

// The header or button a rename is for, kept by position: the bar may drop or move items
// while the menu is open.
struct TRenameTarget {
  int header = -1;
  int button = -1;  // -1: the header itself

  static TRenameTarget Of(TObject* item) {
    if (auto* button = dynamic_cast<TnbButton*>(item)) return {button->Header()->Index(), button->Index()};
    if (auto* header = dynamic_cast<TnbHeader*>(item)) return {header->Index(), -1};
    return {};
  }
  TnbHeader* Header(const TnbSideBar* bar) const { return bar->Header(header); }
  TnbButton* Button(const TnbSideBar* bar) const {
    TnbHeader* h = Header(bar);
    return h != nullptr && button >= 0 ? h->GetButton(button) : nullptr;
  }
  bool CanRename(const TnbSideBar* bar) const {
    if (TnbButton* b = Button(bar)) return !b->Options().Contains(boReadOnlyCaption);
    TnbHeader* h = Header(bar);
    return h != nullptr && button < 0 && !h->Options().Contains(hoReadOnlyCaption);
  }
  bool BeginEdit(TnbSideBar* bar) const {
    if (TnbButton* b = Button(bar)) return bar->InplaceEditor()->BeginEdit(b);
    TnbHeader* h = Header(bar);
    return h != nullptr && button < 0 && bar->InplaceEditor()->BeginEdit(h);
  }
};

// What F2 renames: the button of the page shown, else the open header.
TRenameTarget MarkedItem(const TnbSideBar* bar) {
  TnbHeader* open = bar->ActiveHeader();
  if (open == nullptr) return {};
  return TRenameTarget::Of(open->GetButton(open->SelectedIndex()) != nullptr
                               ? static_cast<TObject*>(open->GetButton(open->SelectedIndex()))
                               : open);
}

}  // namespace

TPopupMenu* OfferSideBarRenaming(TnbSideBar* bar) {
  auto* menu = new TskPopupMenu(bar->Owner());
  auto* rename = new TMenuItem(bar->Owner());
  rename->SetCaption("重命名(&M)");
  menu->Items()->Add(rename);
  ConnectSideBarRenaming(bar, menu);
  return menu;
}

void ConnectSideBarRenaming(TnbSideBar* bar, TPopupMenu* menu) {
  auto target = std::make_shared<TRenameTarget>();
  TMenuItem* rename = menu->Items()->Items(0);
  rename->OnClick.Bind(bar, "RenameItem", [bar, target](TObject*) { target->BeginEdit(bar); });
  bar->OnContextPopup.Bind(bar, "ItemMenu", [bar, target, menu, rename](TObject* sender, TPoint at, bool& handled) {
    // A header is named on its caption; a click in its body below the buttons, as one on the
    // bar itself, opens the bar's own menu.
    auto* header = dynamic_cast<TnbHeader*>(sender);
    *target = header == nullptr || header->CaptionRect().Contains(at) ? TRenameTarget::Of(sender) : TRenameTarget{};
    if (target->Header(bar) == nullptr) return;
    rename->SetEnabled(target->CanRename(bar));
    menu->PopupAt(bar, bar->ClientToScreen(at));
    handled = true;
  });
  bar->OnKeyDown.Bind(bar, "RenameOnF2", [bar](TObject*, uint16_t& key, TShiftState shift) {
    if (key != VK_F2 || !shift.Empty() || bar->InplaceEditor()->Editing()) return;
    if (MarkedItem(bar).BeginEdit(bar)) key = 0;
  });
}
