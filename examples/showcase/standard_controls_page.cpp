#include "examples/showcase/standard_controls_page.h"

#include "examples/showcase/showcase_message_box.h"
#include "examples/showcase/showcase_widgets.h"
#include "platform/controls/actions.h"
#include "platform/controls/combo_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/menus.h"
#include "platform/controls/panel.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tool_bar.h"
#include "platform/controls/tree_view.h"
#include "platform/graphics/bitmap.h"
#include "skin/buttons.h"
#include "skin/style_propagation.h"

namespace {

TLabel* Caption(TWinControl* parent, int x, int y, const char* text) {
  auto* label = PlaceControl<TLabel>(parent, Bounds(x, y, 120, 16));
  label->SetCaption(text);
  return label;
}

TMenuItem* MenuItem(TComponent* owner, TMenuItem* parent, const char* caption, TShortCut shortCut = 0) {
  auto* item = new TMenuItem(owner);
  item->SetCaption(caption);
  item->SetShortCut(shortCut);
  parent->Add(item);
  return item;
}

// The tool bar, with the page's pop-up menu on its drop-down button; answers the menu's word
// wrap item.
TMenuItem* BuildToolBar(TWinControl* page, TLabel* status) {
  auto* menu = new TPopupMenu(page);
  MenuItem(page, menu->Items(), "新建(&N)", TextToShortCut("Ctrl+N"));
  MenuItem(page, menu->Items(), "打开(&O)...", TextToShortCut("Ctrl+O"));
  MenuItem(page, menu->Items(), "-");
  TMenuItem* recent = MenuItem(page, menu->Items(), "最近的文件(&R)");
  MenuItem(page, recent, "报表.xls");
  MenuItem(page, recent, "通知.txt");
  TMenuItem* wrap = MenuItem(page, menu->Items(), "自动换行(&W)");
  wrap->SetAutoCheck(true);
  wrap->SetChecked(true);
  auto* bar = PlaceControl<TToolBar>(page, Bounds(0, 0, 400, 40));
  bar->SetFlat(true);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(48);
  const TToolButtonStyle styles[] = {tbsButton, tbsSeparator, tbsCheck, tbsCheck, tbsDropDown};
  const char* captions[] = {"新建", "", "左对齐", "右对齐", "文件"};
  for (int i = 0; i < 5; ++i) {
    TToolButtonStyle style = styles[i];
    auto* button = new TToolButton(page);
    button->SetCaption(captions[i]);
    button->SetStyle(style);
    button->SetParent(bar);
    if (style == tbsSeparator) button->SetWidth(8);
    if (style == tbsDropDown) button->SetDropdownMenu(menu);
    button->SetGrouped(style == tbsCheck);
    button->OnClick.Bind(nullptr, "ToolClick", [status, bar, button](TObject*) {
      for (int b = 0; b < bar->ButtonCount(); ++b)
        if (bar->Buttons(b) == button) status->SetCaption("工具按钮 " + std::to_string(b + 1));
    });
  }
  page->SetPopupMenu(menu);
  return wrap;
}

void BuildLists(TWinControl* page, TLabel* status) {
  Caption(page, 8, 44, "列表框（多选）");
  auto* list = PlaceControl<TListBox>(page, Bounds(8, 62, 150, 116));
  list->SetMultiSelect(true);
  for (const char* s : {"北京", "上海", "广州", "深圳", "成都", "杭州", "南京", "武汉", "西安", "天津"})
    list->Items()->Add(s);
  list->OnClick.Bind(nullptr, "ListClick", [status, list](TObject*) {
    status->SetCaption("已选 " + std::to_string(list->SelCount()) + " 项");
  });
  Caption(page, 170, 44, "组合框");
  auto* editable = PlaceControl<TComboBox>(page, Bounds(170, 62, 160, 21));
  auto* fixed = PlaceControl<TComboBox>(page, Bounds(170, 92, 160, 21));
  fixed->SetStyle(csDropDownList);
  for (const char* s : {"苹果", "香蕉", "蓝莓", "樱桃", "大枣", "无花果", "葡萄", "猕猴桃", "柠檬", "芒果"}) {
    editable->Items()->Add(s);
    fixed->Items()->Add(s);
  }
  fixed->SetItemIndex(0);
  fixed->OnSelect.Bind(nullptr, "FruitSelect", [status, fixed](TObject*) { status->SetCaption("选择了" + fixed->Text()); });
}

TMemo* BuildTreeAndMemo(TWinControl* page) {
  Caption(page, 8, 186, "树形视图");
  auto* tree = PlaceControl<TTreeView>(page, Bounds(8, 204, 150, 130));
  TTreeNode* contacts = tree->Items()->Add(nullptr, "通讯录");
  for (const char* group : {"家人", "朋友", "同事"}) {
    TTreeNode* node = tree->Items()->AddChild(contacts, group);
    for (int i = 1; i <= 3; ++i) tree->Items()->AddChild(node, String(group) + " " + std::to_string(i));
  }
  contacts->Expand(false);
  Caption(page, 170, 186, "多行编辑框");
  auto* memo = PlaceControl<TMemo>(page, Bounds(170, 204, 220, 130));
  memo->SetScrollBars(ssVertical);
  memo->SetText("在这里输入。文字在编辑框的边缘自动换行；方向键、行首行尾键和鼠标都能移动光标。");
  return memo;
}

void BuildPanelAndScrollBars(TWinControl* page, TLabel* status, TskFileTheme* fileTheme) {
  auto* panel = PlaceControl<TPanel>(page, Bounds(410, 44, 200, 76));
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(2);
  panel->SetCaption("面板");
  auto* value = Caption(page, 410, 130, "位置：0");
  auto* bar = PlaceControl<TScrollBar>(page, Bounds(410, 150, 200, 17));
  bar->SetPageSize(10);
  bar->SetLargeChange(10);
  bar->OnChange.Bind(nullptr, "BarChange", [value, bar](TObject*) { value->SetCaption("位置：" + std::to_string(bar->Position())); });
  auto* upright = new TScrollBar(page);
  upright->SetParent(page);
  upright->SetKind(sbVertical);  // the kind first: changing it turns the bar's bounds round
  upright->SetBounds(616, 44, 17, 123);
  auto* picture = PlaceControl<TImage>(page, Bounds(410, 180, 64, 64));
  TBitmap art(32, 32);
  art.Canvas()->Brush()->SetColor(clTeal);
  art.Canvas()->FillRect(Rect(0, 0, 32, 32));
  art.Canvas()->Brush()->SetColor(clYellow);
  art.Canvas()->Ellipse(6, 6, 26, 26);
  picture->Picture()->SetBitmap(&art);
  picture->SetStretch(true);
  // A skinned button in the window's style, which the Tab key reaches and Space and Enter press.
  auto* ask = new TskButton(page->Owner());
  ask->SetParent(page);
  ask->SetBoundsRect(Bounds(490, 200, 120, 25));
  ask->SetFileTheme(fileTheme);
  ask->SetUIStyle(GetOwnerFormUIStyle(page->Owner()));
  ask->SetCaption("显示消息框");
  ask->OnClick.Bind(nullptr, "Ask", [status](TObject*) {
    TModalResult answer = ShowcaseMessageBox(status, "保留所做的修改吗？", "确认", skdlg::skHelp, 2);
    status->SetCaption(answer == mrOk ? "选择了“确定”" : "已取消");
  });
}

}  // namespace

void BuildStandardControlsPage(TWinControl* page, TskFileTheme* fileTheme) {
  auto* status = Caption(page, 8, 344, "试试这些控件：单击、输入、滚动，或在页面上单击右键。");
  status->SetWidth(500);
  TMenuItem* wrap = BuildToolBar(page, status);
  BuildLists(page, status);
  TMemo* memo = BuildTreeAndMemo(page);
  wrap->OnClick.Bind(nullptr, "WrapClick", [wrap, memo](TObject*) { memo->SetWordWrap(wrap->Checked()); });
  BuildPanelAndScrollBars(page, status, fileTheme);
}
