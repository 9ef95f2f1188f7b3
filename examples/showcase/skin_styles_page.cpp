#include "examples/showcase/skin_styles_page.h"

#include <iterator>

#include "examples/showcase/showcase_message_box.h"
#include "examples/showcase/showcase_widgets.h"
#include "examples/showcase/style_names.h"
#include "platform/controls/panel.h"
#include "platform/controls/tree_view.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/edits.h"
#include "skin/file_theme.h"
#include "skin/list_controls.h"
#include "skin/page_control.h"
#include "skin/panels.h"
#include "skin/scroll_bar.h"
#include "skin/spin_edit.h"

namespace {

// The controls of a style's page belong to the page, so that restyling the window's own
// components leaves every page in its style.
template <class T>
T* PlaceStyled(TWinControl* parent, TRect bounds, TskUIStyle style, TskFileTheme* theme) {
  T* control = PlaceControl<T>(parent, bounds);
  if (style == FromThemeFile) control->SetFileTheme(theme);
  control->SetUIStyle(style);
  return control;
}

TskTabSheet* AddSheet(TskPageControl* control, const String& caption) {
  auto* sheet = new TskTabSheet(control);
  sheet->SetCaption(caption);
  sheet->SetParent(control);
  return sheet;
}

// Edits and lists with the client's own kind of text.
void AddInputs(TWinControl* sheet, TskUIStyle style, TskFileTheme* theme) {
  auto* group = PlaceStyled<TskGroupBox>(sheet, Bounds(8, 8, 300, 250), style, theme);
  group->SetCaption("联系人");
  PlaceStyled<TskEdit>(group, Bounds(12, 24, 130, 21), style, theme)->SetText("张三");
  PlaceStyled<TskEdit>(group, Bounds(152, 24, 136, 21), style, theme)->SetText("重要客户");
  auto* groups = PlaceStyled<TskComboBox>(group, Bounds(12, 52, 130, 21), style, theme);
  groups->SetStyle(csDropDownList);
  for (const char* item : {"同事", "客户", "家人"}) groups->Items()->Add(item);
  groups->SetItemIndex(1);
  auto* phone = PlaceStyled<TskMaskEdit>(group, Bounds(152, 52, 136, 21), style, theme);
  phone->SetEditMask("000-0000;1;_");
  phone->SetText("555-0123");
  auto* price = PlaceStyled<TskNumberEdit>(group, Bounds(12, 80, 130, 21), style, theme);
  price->SetMask("0.00");
  price->SetValue(0.1);
  auto* copies = PlaceStyled<TSkSpinEdit>(group, Bounds(152, 80, 136, 21), style, theme);
  copies->SetMinValue(1);
  copies->SetMaxValue(100);
  copies->SetValue(5);
  auto* numbers = PlaceStyled<TskListBox>(group, Bounds(12, 108, 130, 130), style, theme);
  for (const char* item : {"13800138000 张三", "13912345678 李四", "13500001111 王五", "05718888888 赵六",
                           "13600002222 钱七", "13700003333 孙八", "13300004444 周九", "18900005555 吴十"})
    numbers->Items()->Add(item);
  numbers->SetVScrollBar(PlaceStyled<TskScrollBar>(group, Bounds(0, 0, 16, 100), style, theme));
  auto* tree = PlaceStyled<TskTreeView>(group, Bounds(152, 108, 136, 130), style, theme);
  TTreeNode* root = tree->Items()->Add(nullptr, "通讯录");
  for (const char* item : {"同事", "客户", "家人"}) tree->Items()->AddChild(root, item);
  root->Expand(false);
}

// A page control in the page's style: tabs that scroll, and a hidden one.
void AddTabs(TWinControl* sheet, TskUIStyle style, TskFileTheme* theme) {
  auto* tabs = PlaceStyled<TskPageControl>(sheet, Bounds(320, 8, 300, 160), style, theme);
  const char* captions[] = {"短信内容", "发送设置", "号码列表", "定时发送", "发送记录", "隐藏页面", "帮助"};
  for (const char* caption : captions) AddSheet(tabs, caption);
  auto* text = PlaceStyled<TskMemo>(tabs->Pages(0), Bounds(4, 4, 280, 90), style, theme);
  text->Lines()->Add("尊敬的客户：您好！");
  text->Lines()->Add("本周六上午九点举行新品发布会，欢迎光临。");
  auto* timed = PlaceStyled<TskCheckBox>(tabs->Pages(1), Bounds(8, 8, 120, 17), style, theme);
  timed->SetCaption("定时发送");
  timed->SetTransparent(true);
  tabs->Pages(5)->SetTabVisible(false);
  tabs->SetActivePageIndex(0);
}

// Buttons that open the page's message boxes.
void AddMessageButtons(TWinControl* sheet, TskUIStyle style, TskFileTheme* theme) {
  struct TBox {
    const char* button;
    const char* text;
    TskIconType icon;
    int buttons;
  };
  static const TBox boxes[] = {
      {"提示", "短信已加入发送队列，共 1000 个号码。", skdlg::skInformation, 1},
      {"警告", "短信内容超过 70 个字，将分为两条发送。", skdlg::skWarning, 1},
      {"确认", "确定要删除选中的联系人吗？", skdlg::skHelp, 2},
  };
  int left = 320;
  for (const TBox& box : boxes) {
    auto* button = PlaceStyled<TskButton>(sheet, Bounds(left, 180, 80, 25), style, theme);
    button->SetCaption(box.button);
    button->OnClick.Bind(button, "ShowBox", [button, &box](TObject*) {
      ShowcaseMessageBox(button, box.text, "短信群发客户端", box.icon, box.buttons);
    });
    left += 90;
  }
}

// What a style's page holds sits on a plain panel: the page control hands its own theme to
// the direct children of its pages, and these keep theirs.
TWinControl* StyleHolder(TskTabSheet* sheet) {
  auto* holder = PlaceControl<TPanel>(sheet, sheet->ClientRect());
  holder->SetAlign(alClient);
  holder->SetBevelOuter(bvNone);
  holder->SetParentColor(true);
  return holder;
}

constexpr TskUIStyle kPageStyles[] = {Graphite, Pearl, Marine, Jade, Glacier, FromThemeFile};

}  // namespace

TskPageControl* BuildSkinStylePages(TWinControl* page, TskFileTheme* fileTheme) {
  auto* pages = new TskPageControl(page);
  pages->SetParent(page);
  pages->SetAlign(alClient);
  pages->SetFileTheme(fileTheme);
  pages->SetUIStyle(FromThemeFile);
  AddSheet(pages, "皮肤图片");
  for (TskUIStyle style : kPageStyles) {
    TWinControl* sheet = StyleHolder(AddSheet(pages, ShowcaseStyleName(style)));
    AddInputs(sheet, style, fileTheme);
    AddTabs(sheet, style, fileTheme);
    AddMessageButtons(sheet, style, fileTheme);
  }
  pages->SetActivePageIndex(0);
  return pages;
}

String SkinStylePageKey(int index) {
  if (index <= 0 || index > static_cast<int>(std::size(kPageStyles))) return "artwork";
  const TskUIStyle style = kPageStyles[index - 1];
  return style == FromThemeFile ? String("themefile") : LowerCase(GetEnumInfo(style).Name(style));
}
