// Skinned main and pop-up menus.
#include "skin/menus.h"

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "platform/controls/menu_window.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/image_list.h"
#include "skin/file_theme.h"
#include "skin/menu_item_painter.h"
#include "skin/style_propagation.h"

namespace {

constexpr int kCheckMarkSize = 16;

std::shared_ptr<TCustomImageList> MakeCheckMarks() {
  auto list = std::make_shared<TImageList>(kCheckMarkSize, kCheckMarkSize);
  TBitmap check;
  check.LoadFromResourceName(0, "MENU_CHECKED");
  check.SetTransparent(true);
  list->AddMasked(&check, clWhite);
  return list;
}

// One check-mark list serves every skinned pop-up menu while any exists.
std::shared_ptr<TCustomImageList> SharedCheckMarks() {
  static std::weak_ptr<TCustomImageList> shared;
  std::shared_ptr<TCustomImageList> list = shared.lock();
  if (list == nullptr) {
    list = MakeCheckMarks();
    shared = list;
  }
  return list;
}

bool IsForm(TComponent* component) { return dynamic_cast<TCustomForm*>(component) != nullptr; }

}  // namespace

// ---------------------------------------------------------------------------------------------

template <class TMenuBase>
TskSkinnedMenu<TMenuBase>::TskSkinnedMenu(TComponent* owner) : TMenuBase(owner) {
  TMenu::SetOwnerDraw(true);
  SetUIStyle(GetOwnerFormUIStyle(owner));
}

template <class TMenuBase>
TskSkinnedMenu<TMenuBase>::~TskSkinnedMenu() {
  // The menu must not point to its check-mark list after the list is gone.
  if (TMenu::Images() == checkMarks_.get()) TMenu::SetImages(nullptr);
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetFileTheme(TskFileTheme* value) {
  themeLink_.SetFileTheme(value);
  settings_.FileTheme = value;
  // Also assigned again by a theme that loaded a new file: the colours are read again.
  SetUIStyle(settings_.UIStyle);
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetUIStyle(TskUIStyle value) {
  ApplyMenuUIStyle(settings_, value);
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetMenuItemHeight(int value) {
  if (!MenuSizesFixed(settings_)) settings_.MenuItemHeight = value;
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetSeparatorHeight(int value) {
  if (!MenuSizesFixed(settings_)) settings_.SeparatorHeight = value;
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::SetupItems() {
  AttachHandlers(TMenu::Items(), true);
}

// The handlers are the menu's own wiring, not a stored event of the form: they carry no
// method name, so a layout written from the form does not store them, and an item that comes
// from another skinned menu takes this one's. A named handler is the application's and stays
// (unless the menu is loaded, which sets up every item). An item that has left the menu keeps
// handlers that do nothing, so it never reaches a menu that may be gone.
template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::AttachHandlers(TMenuItem* parent, bool replace) {
  const TMenu* self = this;
  auto shows = [self](TObject* sender) {
    auto* item = dynamic_cast<TMenuItem*>(sender);
    return item != nullptr && item->GetParentMenu() == self;
  };
  auto rebind = [this, replace](const TEventBase& event) {
    return replace || (event.MethodName().empty() && event.Target() != this);
  };
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (rebind(item->OnMeasureItem)) {
      item->OnMeasureItem.Bind(this, "", [this, shows](TObject* sender, TCanvas* canvas, int& width, int& height) {
        if (shows(sender)) MeasureItem(sender, canvas, width, height);
      });
    }
    if (rebind(item->OnDrawItem)) {
      item->OnDrawItem.Bind(this, "", [this, shows](TObject* sender, TCanvas* canvas, TRect rect, bool selected) {
        if (shows(sender)) DrawItem(sender, canvas, rect, selected);
      });
    }
    AttachHandlers(item, replace);
  }
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::ItemsChanged() {
  TMenuBase::ItemsChanged();
  if (!this->ComponentState().Contains(csDestroying)) AttachHandlers(TMenu::Items(), false);
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::Loaded() {
  TMenuBase::Loaded();
  SetupItems();
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::Notification(TComponent* component, TOperation operation) {
  TMenuBase::Notification(component, operation);
  if (operation == opRemove && themeLink_.Forget(component)) {
    settings_.FileTheme = nullptr;
    SetUIStyle(Marine);
  }
}

template <class TMenuBase>
TCustomImageList* TskSkinnedMenu<TMenuBase>::ItemImages() const {
  TCustomImageList* images = TMenu::Images();
  return images == checkMarks_.get() ? nullptr : images;
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::MeasureItem(TObject* sender, TCanvas* canvas, int& width,
                                            int& height) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr) return;
  TskMenuItemPainter(settings_, ItemImages(), CheckMarks()).Measure(canvas, item, width, height);
}

template <class TMenuBase>
void TskSkinnedMenu<TMenuBase>::DrawItem(TObject* sender, TCanvas* canvas, TRect rect,
                                         bool selected) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  if (item == nullptr) return;
  TskMenuItemPainter painter(settings_, ItemImages(), CheckMarks());
  if (settings_.FlatMenu) {
    if (TMenuWindow* window = PaintingWindow(item, canvas)) painter.DrawFlatFrame(canvas, window->ClientRect());
  }
  painter.Draw(canvas, item, rect, selected);
}

// The frame of a flat menu belongs to the window the menu opened, drawn there rather than on
// the screen: found among the open levels of the pop-up that shows this menu's items.
template <class TMenuBase>
TMenuWindow* TskSkinnedMenu<TMenuBase>::PaintingWindow(TMenuItem* item, TCanvas* canvas) const {
  const TPopupMenu* popup = nullptr;
  if constexpr (std::is_base_of_v<TMainMenu, TMenuBase>) {
    popup = this->SubmenuPopup();
  } else {
    popup = this;
  }
  for (int level = 0; TMenuWindow* window = popup->LevelWindow(level); ++level) {
    if (window->ParentItem() == item->Parent()) return window->Canvas() == canvas ? window : nullptr;
  }
  return nullptr;
}

template <class TMenuBase>
template <class TMenuClass>
void TskSkinnedMenu<TMenuBase>::PublishSettings(TPublisher<TMenuClass>& p) {
  p.Property("OwnerDraw", &TMenuClass::OwnerDraw, &TMenuClass::SetOwnerDraw).Default(true);
  p.Property("FileTheme", &TMenuClass::FileTheme, &TMenuClass::SetFileTheme);
  p.Property("UIStyle", &TMenuClass::UIStyle, &TMenuClass::SetUIStyle).Default(Marine);
  p.Property("MenuItemHeight", &TMenuClass::MenuItemHeight, &TMenuClass::SetMenuItemHeight);
  p.Property("SeparatorHeight", &TMenuClass::SeparatorHeight, &TMenuClass::SetSeparatorHeight);
  p.Property("BarWidth", &TMenuClass::BarWidth, &TMenuClass::SetBarWidth);
  p.Property("BarColor", &TMenuClass::BarColor, &TMenuClass::SetBarColor);
  p.Property("Color", &TMenuClass::Color, &TMenuClass::SetColor);
  p.Property("SeparatorColor", &TMenuClass::SeparatorColor, &TMenuClass::SetSeparatorColor);
  p.Property("SelectedBorderColor", &TMenuClass::SelectedBorderColor,
             &TMenuClass::SetSelectedBorderColor);
  p.Property("SelectedColor", &TMenuClass::SelectedColor, &TMenuClass::SetSelectedColor);
  p.Property("SelectedFontColor", &TMenuClass::SelectedFontColor,
             &TMenuClass::SetSelectedFontColor);
  p.Property("FontColor", &TMenuClass::FontColor, &TMenuClass::SetFontColor);
  p.Property("BorderColor", &TMenuClass::BorderColor, &TMenuClass::SetBorderColor).Default(clBlack);
  p.Property("FlatMenu", &TMenuClass::FlatMenu, &TMenuClass::SetFlatMenu).Default(false);
  // A new menu's font name is the one left out, so that an empty name is written.
  p.Property("FontName", &TMenuClass::FontName, &TMenuClass::SetFontName).Default(TskMenuSettings().FontName);
  p.Property("FontSize", &TMenuClass::FontSize, &TMenuClass::SetFontSize).Default(8);
  p.Property("FontCharset", &TMenuClass::FontCharset, &TMenuClass::SetFontCharset).Default(1);
  p.Property("UseSystemFont", &TMenuClass::UseSystemFont, &TMenuClass::SetUseSystemFont)
      .Default(true);
}

template class TskSkinnedMenu<TPopupMenu>;
template class TskSkinnedMenu<TMainMenu>;

// ---------------------------------------------------------------------------------------------

TskPopupMenu::TskPopupMenu(TComponent* owner) : TskSkinnedMenu(owner) {
  SetCheckMarks(SharedCheckMarks());
}

TskPopupMenu::~TskPopupMenu() = default;

void TskPopupMenu::Publish() {
  TPublisher<TskPopupMenu> p;
  p.Property("Images", &TskPopupMenu::Images, &TskPopupMenu::SetImages);
  PublishSettings(p);
}

// ---------------------------------------------------------------------------------------------

TskMainMenu::TskMainMenu(TComponent* owner) : TskSkinnedMenu(owner) {
  SetCheckMarks(MakeCheckMarks());
  TMenu::SetImages(CheckMarks());
  ShowOnOwnerForm();
}

TskMainMenu::~TskMainMenu() = default;

void TskMainMenu::Publish() {
  TPublisher<TskMainMenu> p;
  p.Property("Images", &TskMainMenu::Images, &TskMainMenu::SetImages);
  PublishSettings(p);
}

// Not the form's own menu bar: the form's skin, when it has one, shows the menu.
void TskMainMenu::ShowOnOwnerForm() {
  auto* form = dynamic_cast<TCustomForm*>(Owner());
  if (form == nullptr) return;
  form->SetMenu(nullptr);
  for (int i = 0; i < form->ControlCount(); ++i) {
    TControl* control = form->Controls(i);
    if (!control->InheritsFrom("TskForm")) continue;
    const TPropInfo* info = GetPropInfo(control, "Menu");
    if (info != nullptr && info->Kind == pkComponent) SetObjectProp(control, info, this);
    return;
  }
}

TCustomImageList* TskMainMenu::Images() const { return ItemImages(); }

void TskMainMenu::SetImages(TCustomImageList* value) {
  TMenu::SetImages(value != nullptr ? value : CheckMarks());
}

void TskMainMenu::SetUseSystemFont(bool value) {
  TskSkinnedMenu::SetUseSystemFont(value);
  if (skinForm_ != nullptr) skinForm_->ApplyMenuBarFont();
}

void TskMainMenu::Loaded() {
  TskSkinnedMenu::Loaded();
  if (skinForm_ != nullptr) skinForm_->RebuildMenuBarButtons();
}

void TskMainMenu::ItemsChanged() {
  TskSkinnedMenu::ItemsChanged();
  if (skinForm_ == nullptr || !IsForm(Owner()) || ComponentState().Contains(csDestroying)) return;
  skinForm_->MenuItemsChanged();
  const TComponentState state = ComponentState();
  if (state.Contains(csDesigning) && !state.Contains(csLoading)) skinForm_->RebuildMenuBarButtons();
}
