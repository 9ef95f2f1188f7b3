#include "examples/showcase/showcase_main_menu.h"

#include <array>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_message_box.h"
#include "platform/classes/properties.h"
#include "platform/controls/menu_window.h"
#include "platform/controls/shortcuts.h"
#include "platform/controls/tool_bar.h"
#include "platform/graphics/image_list.h"
#include "platform/core/strings.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_styles.h"
#include "skin/file_theme.h"
#include "skin/form.h"
#include "skin/menus.h"

namespace {

struct TStyleEntry {
  TskUIStyle style;
  const char* caption;
};

// The View menu in its order; the theme file comes last, after a line.
constexpr std::array<TStyleEntry, 6> kStyles{{
    {Graphite, "&Graphite"},
    {Pearl, "&Pearl"},
    {Marine, "&Marine"},
    {Jade, "&Jade"},
    {Glacier, "G&lacier"},
    {FromThemeFile, "theme file…"},
}};
constexpr uint8_t kStyleGroup = 1;

TMenuItem* AddItem(TMenuItem* parent, const String& caption) {
  auto* item = new TMenuItem(parent->Owner());
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

template <class F>
TMenuItem* AddCommand(TShowcaseMainForm* form, TMenuItem* parent, const String& caption, F click) {
  TMenuItem* item = AddItem(parent, caption);
  item->OnClick.Bind(form, "", [click](TObject*) { click(); });
  return item;
}

void BuildFileMenu(TShowcaseMainForm* form, TMenuItem* file) {
  for (int command = 1; command <= form->PageCount(); ++command) {
    TMenuItem* item = AddCommand(form, file, form->ToolButton(command)->Caption(),
                                 [form, command] { form->ExecuteCommand(command); });
    item->SetImageIndex(command - 1);
    if (command <= 9) item->SetShortCut(ShortCut(static_cast<uint16_t>('0' + command), {ssCtrl}));
  }
  AddItem(file, "-");
  AddCommand(form, file, "E&xit", [form] { form->Close(); });
}

void BuildViewMenu(TShowcaseMainForm* form, TMenuItem* view) {
  for (const TStyleEntry& entry : kStyles) {
    if (entry.style == FromThemeFile) AddItem(view, "-");
    const TskUIStyle style = entry.style;
    TMenuItem* item = AddCommand(form, view, entry.caption, [form, style] { ApplyShowcaseStyle(form, style); });
    item->SetRadioItem(true);
    item->SetGroupIndex(kStyleGroup);
  }
}

void BuildHelpMenu(TShowcaseMainForm* form, TMenuItem* help) {
  AddItem(help, "&Contents")->SetEnabled(false);  // the client's help file is not part of the showcase
  AddItem(help, "-");
  TMenuItem* about = AddCommand(form, help, "&About", [form] {
    ShowcaseMessageBox(form, "短信群发客户端: the grid, the skinned controls and the side bar.", "About",
                       skdlg::skInformation);
  });
  about->SetDefault(true);
}

bool HasSkinForm(TShowcaseMainForm* form) {
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (form->Controls(i)->InheritsFrom("TskForm")) return true;
  }
  return false;
}

// A skinned component: it publishes both the theme and the style.
bool IsSkinned(TComponent* component) {
  const TPropInfo* theme = GetPropInfo(component, "FileTheme");
  return theme != nullptr && theme->Kind == pkComponent && GetPropInfo(component, "UIStyle") != nullptr;
}

}  // namespace

TskMainMenu* BuildShowcaseMainMenu(TShowcaseMainForm* form) {
  auto* menu = new TskMainMenu(form);
  menu->SetName("MainMenu");
  menu->SetImages(form->HeaderImages());
  menu->SetFileTheme(form->FileTheme());
  BuildFileMenu(form, AddItem(menu->Items(), "&File"));
  BuildViewMenu(form, AddItem(menu->Items(), "&View"));
  BuildHelpMenu(form, AddItem(menu->Items(), "&Help"));
  ShowcaseStyleItem(menu, menu->UIStyle())->SetChecked(true);
  if (!HasSkinForm(form)) form->SetMenu(menu);
  return menu;
}

TMenuItem* ShowcaseStyleItem(TskMainMenu* menu, TskUIStyle style) {
  TMenuItem* view = menu->Items()->Items(1);
  for (const TStyleEntry& entry : kStyles) {
    if (entry.style == style) return view->Find(entry.caption);
  }
  return nullptr;
}

void ApplyShowcaseStyle(TShowcaseMainForm* form, TskUIStyle style) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    if (!IsSkinned(component)) continue;
    SetObjectProp(component, GetPropInfo(component, "FileTheme"), form->FileTheme());
    SetPropValue(component, "UIStyle", GetEnumInfo(style).Name(style));
  }
  if (TskMainMenu* menu = form->MainMenu()) ShowcaseStyleItem(menu, style)->SetChecked(true);
  RedrawWindow(form->Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

namespace {

// The skin's menu-bar button of a top-level item, if the skin shows the menu.
TToolButton* MenuBarButton(TShowcaseMainForm* form, TMenuItem* title) {
  TToolBar* bar = form->Skin() != nullptr ? form->Skin()->MenuBar() : nullptr;
  for (int i = 0; bar != nullptr && i < bar->ButtonCount(); ++i) {
    if (bar->Buttons(i)->MenuItem() == title) return bar->Buttons(i);
  }
  return nullptr;
}

// Opens a top-level item's drop-down under its title, as a click on the title does, with
// `highlight` selected.
void OpenTitle(TShowcaseMainForm* form, int title, TMenuItem* highlight) {
  TskMainMenu* menu = form->MainMenu();
  if (TToolButton* button = MenuBarButton(form, menu->Items()->Items(title))) {
    button->Click();
  } else {
    const TRect frame = WindowBounds(form->Handle());
    menu->PopupSubmenu(title, frame.Left, frame.Top);
  }
  TMenuWindow* window = menu->SubmenuPopup()->LevelWindow(0);
  if (window != nullptr) window->Select(window->ParentItem()->IndexOf(highlight));
}

}  // namespace

void ForEachShowcaseMenuLook(TShowcaseMainForm* form, const std::function<void(const String&)>& save) {
  TskMainMenu* menu = form->MainMenu();
  constexpr int kFile = 0, kView = 1;
  for (const TStyleEntry& entry : kStyles) {
    ApplyShowcaseStyle(form, entry.style);
    OpenTitle(form, kView, ShowcaseStyleItem(menu, entry.style));
    String key = entry.style == FromThemeFile ? "themefile" : GetEnumInfo(entry.style).Name(entry.style);
    save("menu-" + LowerCase(key));
    menu->SubmenuPopup()->CloseMenu();
  }
  OpenTitle(form, kFile, menu->Items()->Items(kFile)->Items(0));
  save("menu-file");
  menu->SubmenuPopup()->CloseMenu();
}
