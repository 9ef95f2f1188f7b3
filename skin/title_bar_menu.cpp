// The title bar's control-box menu.
#include "skin/title_bar_menu.h"

#include "skin/title_bar.h"

TskTitleBarPopupMenu::TskTitleBarPopupMenu(TskTitleBar* titleBar)
    : TskPopupMenu(nullptr), titleBar_(titleBar) {
  AddItem("Mi&nimize", [this] { titleBar_->MinimizeForm(); });
  AddItem("Ma&ximize/Restore", [this] { ClickMaxButtons(); });
  AddItem("-", {});
  AddItem("&Close", [this] { titleBar_->CloseForm(); });
  SetupItems();
}

TMenuItem* TskTitleBarPopupMenu::AddItem(const String& caption, std::function<void()> click) {
  auto* item = new TMenuItem(this);
  item->SetCaption(caption);
  if (click) item->OnClick.Bind(this, caption, [click](TObject*) { click(); });
  Items()->Add(item);
  return item;
}

void TskTitleBarPopupMenu::ClickMaxButtons() {
  TskTitleBarButtons* buttons = titleBar_->Buttons();
  for (int i = 0; i < buttons->Count(); ++i) {
    if (buttons->Items(i)->ButtonType() == skMax) titleBar_->ButtonClick(i);
  }
}

void TskTitleBarPopupMenu::Popup(int x, int y) {
  TskTitleBarButtons* buttons = titleBar_->Buttons();
  MinimizeItem()->SetEnabled(buttons->Find(skMin) != nullptr);
  MaximizeItem()->SetEnabled(buttons->Find(skMax) != nullptr);
  CloseItem()->SetEnabled(buttons->Find(skClose) != nullptr);
  TskPopupMenu::Popup(x, y);
}
