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

void BuildToolBar(TWinControl* page, TLabel* status) {
  auto* menu = new TPopupMenu(page);
  MenuItem(page, menu->Items(), "&New", TextToShortCut("Ctrl+N"));
  MenuItem(page, menu->Items(), "&Open...", TextToShortCut("Ctrl+O"));
  MenuItem(page, menu->Items(), "-");
  TMenuItem* recent = MenuItem(page, menu->Items(), "&Recent");
  MenuItem(page, recent, "报表.xls");
  MenuItem(page, recent, "notes.txt");
  TMenuItem* wrap = MenuItem(page, menu->Items(), "&Word wrap");
  wrap->SetAutoCheck(true);
  wrap->SetChecked(true);
  auto* bar = PlaceControl<TToolBar>(page, Bounds(0, 0, 400, 40));
  bar->SetFlat(true);
  bar->SetShowCaptions(true);
  bar->SetButtonWidth(48);
  const TToolButtonStyle styles[] = {tbsButton, tbsSeparator, tbsCheck, tbsCheck, tbsDropDown};
  const char* captions[] = {"New", "", "Left", "Right", "File"};
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
        if (bar->Buttons(b) == button) status->SetCaption("Tool button " + std::to_string(b + 1));
    });
  }
  page->SetPopupMenu(menu);
}

void BuildLists(TWinControl* page, TLabel* status) {
  Caption(page, 8, 44, "List box (extended)");
  auto* list = PlaceControl<TListBox>(page, Bounds(8, 62, 150, 116));
  list->SetMultiSelect(true);
  for (const char* s : {"北京", "上海", "广州", "深圳", "Chengdu", "Hangzhou", "Nanjing", "Wuhan", "Xi'an", "Tianjin"})
    list->Items()->Add(s);
  list->OnClick.Bind(nullptr, "ListClick", [status, list](TObject*) {
    status->SetCaption(std::to_string(list->SelCount()) + " selected");
  });
  Caption(page, 170, 44, "Combo boxes");
  auto* editable = PlaceControl<TComboBox>(page, Bounds(170, 62, 160, 21));
  auto* fixed = PlaceControl<TComboBox>(page, Bounds(170, 92, 160, 21));
  fixed->SetStyle(csDropDownList);
  for (const char* s : {"Apple", "Banana", "Blueberry", "Cherry", "Date", "Fig", "Grape", "Kiwi", "Lemon", "Mango"}) {
    editable->Items()->Add(s);
    fixed->Items()->Add(s);
  }
  fixed->SetItemIndex(0);
  fixed->OnSelect.Bind(nullptr, "FruitSelect", [status, fixed](TObject*) { status->SetCaption("Chose " + fixed->Text()); });
}

void BuildTreeAndMemo(TWinControl* page) {
  Caption(page, 8, 186, "Tree view");
  auto* tree = PlaceControl<TTreeView>(page, Bounds(8, 204, 150, 130));
  TTreeNode* contacts = tree->Items()->Add(nullptr, "Contacts");
  for (const char* group : {"Family", "Friends", "Work"}) {
    TTreeNode* node = tree->Items()->AddChild(contacts, group);
    for (int i = 1; i <= 3; ++i) tree->Items()->AddChild(node, String(group) + " " + std::to_string(i));
  }
  contacts->Expand(false);
  Caption(page, 170, 186, "Memo");
  auto* memo = PlaceControl<TMemo>(page, Bounds(170, 204, 220, 130));
  memo->SetScrollBars(ssVertical);
  memo->SetText("Type here. Lines wrap at the edge of the memo; arrows, Home/End and the mouse move the caret.");
}

void BuildPanelAndScrollBars(TWinControl* page, TLabel* status) {
  auto* panel = PlaceControl<TPanel>(page, Bounds(410, 44, 200, 76));
  panel->SetBevelInner(bvLowered);
  panel->SetBorderWidth(2);
  panel->SetCaption("Panel");
  auto* value = Caption(page, 410, 130, "Position: 0");
  auto* bar = PlaceControl<TScrollBar>(page, Bounds(410, 150, 200, 17));
  bar->SetPageSize(10);
  bar->SetLargeChange(10);
  bar->OnChange.Bind(nullptr, "BarChange", [value, bar](TObject*) { value->SetCaption("Position: " + std::to_string(bar->Position())); });
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
  auto* ask = PlaceControl<TPanel>(page, Bounds(490, 200, 120, 25));
  ask->SetCaption("Show a message box");
  ask->OnClick.Bind(nullptr, "Ask", [status](TObject*) {
    TModalResult answer = ShowcaseMessageBox(status, "Keep the changes?", "Confirm", skdlg::skHelp, 2);
    status->SetCaption(answer == mrOk ? "OK chosen" : "Cancelled");
  });
}

}  // namespace

void BuildStandardControlsPage(TWinControl* page) {
  auto* status = Caption(page, 8, 344, "Try the controls: click, type, scroll, right-click the page.");
  status->SetWidth(500);
  BuildToolBar(page, status);
  BuildLists(page, status);
  BuildTreeAndMemo(page);
  BuildPanelAndScrollBars(page, status);
}
