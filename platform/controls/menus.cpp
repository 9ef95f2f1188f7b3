// Main and pop-up menus: opening levels, choosing items and shortcuts.
#include "platform/controls/menus.h"

#include <algorithm>
#include <utility>

#include "platform/classes/properties.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/notified_link.h"
#include "platform/controls/watched_component.h"
#include "platform/graphics/image_list.h"
#include "platform/windows/focus.h"
#include "platform/windows/system_metrics.h"

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) { items_->menu_ = this; }

TMenu::~TMenu() {
  Destroying();
  delete items_;
  SetImages(nullptr);
}

void TMenu::SetImages(TCustomImageList* v) { SetNotifiedLink(this, images_, v); }

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == images_) images_ = nullptr;
}

bool TMenu::IsShortCut(uint16_t key, TShiftState shift) {
  TMenuItem* item = items_->FindShortCut(::ShortCut(key, shift));
  if (!item) return false;
  // An item under a disabled submenu does not run either.
  for (TMenuItem* p = item; p; p = p->Parent())
    if (!p->Enabled()) return false;
  item->Click();
  return true;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner), dropper_(std::make_unique<TPopupMenu>(nullptr)) {}

TMainMenu::~TMainMenu() {
  Destroying();
  SetBarHost(nullptr);
  dropper_.reset();
}

void TMainMenu::SetBarHost(IMenuBarHost* host) {
  IMenuBarHost* old = std::exchange(dropper_->barHost_, host);
  if (old != nullptr && old != host) old->MenuReleased();
}

IMenuBarHost* TMainMenu::BarHost() const { return dropper_->barHost_; }

// The list of a title that went closes before the bar hears of the change.
void TMainMenu::ItemsChanged() {
  if (!dropper_) return;
  dropper_->FollowItemChanges(Items(), 0);
  if (dropper_->barHost_) dropper_->barHost_->MenuItemsChanged();
}

bool TMainMenu::IsShortCut(TMessage& key) {
  if (key.Msg != WM_KEYDOWN && key.Msg != WM_SYSKEYDOWN) return false;
  return IsShortCut(static_cast<uint16_t>(key.WParam), KeyDataToShiftState(key.LParam));
}

void TMainMenu::PopupSubmenu(int index, int x, int y) { dropper_->PopupItems(Items()->Items(index), x, y); }

bool TMainMenu::IsSubmenuOpen() const { return dropper_->IsOpen(); }

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
  Destroying();
  CloseMenu();
  levels_.clear();
  SetPopupComponent(nullptr);
}

void TPopupMenu::SetPopupComponent(TComponent* c) { SetNotifiedLink(this, popupComponent_, c); }

void TPopupMenu::Notification(TComponent* component, TOperation operation) {
  TMenu::Notification(component, operation);
  if (operation == opRemove && component == popupComponent_) popupComponent_ = nullptr;
}

bool TPopupMenu::IsOpen() const { return openLevels_ > 0; }

TMenuWindow* TPopupMenu::LevelWindow(int level) const {
  if (level < 0 || level >= openLevels_) return nullptr;
  return levels_[static_cast<size_t>(level)].get();
}

bool TPopupMenu::PopupAt(TControl* control, TPoint screen) {
  if (!autoPopup_) return false;
  SetPopupComponent(control);
  Popup(screen.x, screen.y);
  return true;
}

void TPopupMenu::Popup(int x, int y) {
  CloseMenu();
  // The handler may free the menu (one rebuilt on each opening): nothing is left to show.
  TWatchedComponent self;
  self.Set(this);
  OnPopup.Call(this);
  if (self.Get() == nullptr) return;
  PopupItems(Items(), x, y);
}

void TPopupMenu::PopupItems(TMenuItem* parent, int x, int y) {
  CloseMenu();
  bool anyVisible = false;
  for (int i = 0; i < parent->Count(); ++i) anyVisible = anyVisible || parent->Items(i)->Visible();
  if (!anyVisible) return;
  focusBefore_ = GetFocus();
  TMenuWindow* root = OpenLevel(parent, {x, y}, 0);
  ::SetFocus(root->Handle());
  SetCapture(root->Handle());
}

// Shows level `level` for `parent` at a screen point, kept on the work area (a submenu that
// does not fit on the right opens to the left of its parent).
TMenuWindow* TPopupMenu::OpenLevel(TMenuItem* parent, TPoint screen, int level) {
  CloseLevelsFrom(level);
  if (static_cast<int>(levels_.size()) <= level) levels_.resize(static_cast<size_t>(level) + 1);
  auto& slot = levels_[static_cast<size_t>(level)];
  // A level's window is reused, never replaced: the call may come from that very window.
  if (!slot) slot = std::make_unique<TMenuWindow>(this, parent, level);
  else slot->SetParentItem(parent);
  TMenuWindow* w = slot.get();
  w->Measure();
  TRect work = WorkArea();
  int x = screen.x;
  if (level == 0 && alignment_ == paRight) x -= w->Width();
  if (level == 0 && alignment_ == paCenter) x -= w->Width() / 2;
  if (x + w->Width() > work.Right) x = level > 0 ? LevelWindow(level - 1)->Left() - w->Width() + MenuFrame : work.Right - w->Width();
  int y = std::min(screen.y, work.Bottom - w->Height());
  w->SetBounds(std::max(x, work.Left), std::max(y, work.Top), w->Width(), w->Height());
  w->Select(-1);
  openLevels_ = level + 1;
  w->Show();
  return w;
}

void TPopupMenu::CloseLevelsFrom(int level) {
  for (int i = openLevels_ - 1; i >= std::max(level, 0); --i) levels_[static_cast<size_t>(i)]->Hide();
  openLevels_ = std::min(openLevels_, std::max(level, 0));
}

void TPopupMenu::CloseMenu() {
  if (openLevels_ == 0) return;
  HWND root = levels_.front()->HandleAllocated() ? levels_.front()->Handle() : nullptr;
  CloseLevelsFrom(0);
  if (root && GetCapture() == root) ReleaseCapture();
  HWND back = focusBefore_;
  focusBefore_ = nullptr;
  if (root && GetFocus() == root) ::SetFocus(IsWindow(back) ? back : nullptr);
  if (barHost_) barHost_->SubmenuClosed();
}

// The menu's own items show on the first level; the program may change them while it is open.
void TPopupMenu::ItemsChanged() {
  if (IsOpen() && levels_.front()->ParentItem() == Items()) FollowItemChanges(Items(), 1);
}

// Only items known to be whole are read: the holder, then each level's item once it is found
// among its holder's sub-items.
void TPopupMenu::FollowItemChanges(const TMenuItem* holder, int level) {
  const int wasOpen = openLevels_;
  for (; level < openLevels_; ++level) {
    const TMenuItem* shown = levels_[static_cast<size_t>(level)]->ParentItem();
    if (holder->IndexOf(shown) >= 0) {
      holder = shown;
      continue;
    }
    if (level == 0) return CloseMenu();
    CloseLevelsFrom(level);
  }
  for (int i = 0; i < openLevels_; ++i) {
    const bool last = i + 1 == openLevels_;
    levels_[static_cast<size_t>(i)]->FollowItems(last ? nullptr : levels_[static_cast<size_t>(i) + 1]->ParentItem(),
                                                 last && openLevels_ < wasOpen);
  }
}

bool TPopupMenu::PassKeyToBar(uint16_t key) { return barHost_ && barHost_->SubmenuKey(key); }

bool TPopupMenu::PassMouseToBar(TPoint screen, bool press) { return barHost_ && barHost_->SubmenuMouse(screen, press); }

void TPopupMenu::Choose(TMenuItem* item) {
  CloseMenu();
  item->Click();
}

void TMenu::Publish() {
  TPublisher<TMenu> p;
  p.Property("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw).Default(false);
}

void TPopupMenu::Publish() {
  TPublisher<TPopupMenu> p;
  p.Property("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
  p.Property("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
  p.Event("OnPopup", &TPopupMenu::OnPopup);
}
