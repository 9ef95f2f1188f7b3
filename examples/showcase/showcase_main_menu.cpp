#include "examples/showcase/showcase_main_menu.h"

#include <array>

#include "examples/showcase/main_form.h"
#include "examples/showcase/showcase_message_box.h"
#include "examples/showcase/style_names.h"
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
  char accelerator;
};

// The View menu in its order; the theme file comes last, after a line.
constexpr std::array<TStyleEntry, 6> kStyles{{
    {Graphite, 'G'},
    {Pearl, 'P'},
    {Marine, 'M'},
    {Jade, 'J'},
    {Glacier, 'L'},
    {FromThemeFile, 'T'},
}};

// A style's name with its key, as Chinese menus write it: "石墨(&G)".
String StyleCaption(const TStyleEntry& entry) {
  return ShowcaseStyleName(entry.style) + "(&" + String(1, entry.accelerator) + ")";
}
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
  AddCommand(form, file, "退出(&X)", [form] { form->Close(); });
}

void BuildViewMenu(TShowcaseMainForm* form, TMenuItem* view) {
  for (const TStyleEntry& entry : kStyles) {
    if (entry.style == FromThemeFile) AddItem(view, "-");
    const TskUIStyle style = entry.style;
    TMenuItem* item = AddCommand(form, view, StyleCaption(entry), [form, style] { ApplyShowcaseStyle(form, style); });
    item->SetRadioItem(true);
    item->SetGroupIndex(kStyleGroup);
  }
}

void BuildHelpMenu(TShowcaseMainForm* form, TMenuItem* help) {
  AddItem(help, "帮助主题(&C)")->SetEnabled(false);  // the client's help file is not part of the showcase
  AddItem(help, "-");
  TMenuItem* about = AddCommand(form, help, "关于(&A)", [form] {
    ShowcaseMessageBox(form, "短信群发客户端：数据表格、皮肤控件与导航侧边栏的示例程序。", "关于",
                       skdlg::skInformation);
  });
  about->SetDefault(true);
}

// Ticks the style the window shows: the theme file's while the file can be used, else the
// built-in style the skin shows in its place. The theme file's item waits for a usable file.
void MarkShownStyle(TskMainMenu* menu, TShowcaseMainForm* form) {
  TskUIStyle shown = Marine;
  UsingFileTheme(form->FileTheme(), form->Skin()->UIStyle(), shown);
  ShowcaseStyleItem(menu, FromThemeFile)->SetEnabled(form->FileTheme()->CanUse());
  ShowcaseStyleItem(menu, shown)->SetChecked(true);
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
  BuildFileMenu(form, AddItem(menu->Items(), "文件(&F)"));
  BuildViewMenu(form, AddItem(menu->Items(), "视图(&V)"));
  BuildHelpMenu(form, AddItem(menu->Items(), "帮助(&H)"));
  MarkShownStyle(menu, form);
  if (!HasSkinForm(form)) form->SetMenu(menu);
  return menu;
}

TMenuItem* ShowcaseStyleItem(TskMainMenu* menu, TskUIStyle style) {
  TMenuItem* view = menu->Items()->Items(1);
  for (const TStyleEntry& entry : kStyles) {
    if (entry.style == style) return view->Find(StyleCaption(entry));
  }
  return nullptr;
}

void MarkShownStyle(TShowcaseMainForm* form) {
  if (TskMainMenu* menu = form->MainMenu()) MarkShownStyle(menu, form);
}

void ApplyShowcaseStyle(TShowcaseMainForm* form, TskUIStyle style) {
  for (int i = 0; i < form->ComponentCount(); ++i) {
    TComponent* component = form->Components(i);
    if (!IsSkinned(component)) continue;
    SetObjectProp(component, GetPropInfo(component, "FileTheme"), form->FileTheme());
    SetPropValue(component, "UIStyle", GetEnumInfo(style).Name(style));
  }
  MarkShownStyle(form);
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
