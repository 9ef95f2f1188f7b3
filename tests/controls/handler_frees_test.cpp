// The program's handlers may free the control they are about, or its whole form (a dialog
// closed by a click or a key), while the control still runs the user's input: the control
// touches nothing of what went.
#include "platform/controls/combo_box.h"
#include "platform/controls/edit.h"
#include "platform/controls/list_box.h"
#include "platform/controls/panel.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/timer.h"
#include "platform/controls/tree_view.h"
#include "tests/controls/std_control_fixture.h"
#include "tests/support/freeing_handlers.h"

namespace {

using namespace freeing_handlers;

class HandlerFreesTest;
using TCase = TFreeCase<HandlerFreesTest>;
using TFree = std::function<void()>;

class HandlerFreesTest : public StdControlTest, public ::testing::WithParamInterface<TCase> {
 public:
  template <typename T>
  T* On(TRect bounds) {
    return Make<T>(bounds);
  }
  TForm* Form() const { return form_; }
};

void Notify(TNotifyEvent& event, const TFree& freeIt) {
  event.Bind(nullptr, "FreeIt", [freeIt](TObject*) { freeIt(); });
}
template <typename Event>
void OnKey(Event& event, const TFree& freeIt) {
  event.Bind(nullptr, "FreeIt", [freeIt](TObject*, auto&&...) { freeIt(); });
}

TEdit* EditOf(HandlerFreesTest& t) { return t.On<TEdit>(Bounds(10, 10, 120, 24)); }

TListBox* ListOf(HandlerFreesTest& t, const TFree& freeIt) {
  auto* list = t.On<TListBox>(Bounds(10, 10, 120, 100));
  for (const char* s : {"one", "two", "three"}) list->Items()->Add(s);
  Notify(list->OnClick, freeIt);
  return list;
}

TTreeView* TreeOf(HandlerFreesTest& t) {
  auto* tree = t.On<TTreeView>(Bounds(10, 10, 160, 120));
  TTreeNode* top = tree->Items()->Add(nullptr, "top");
  tree->Items()->AddChild(top, "child");
  tree->Items()->Add(top, "next");
  return tree;
}

TComboBox* ComboOf(HandlerFreesTest& t, TComboBoxStyle style) {
  auto* combo = t.On<TComboBox>(Bounds(10, 10, 120, 24));
  combo->SetStyle(style);
  for (const char* s : {"one", "two", "three"}) combo->Items()->Add(s);
  return combo;
}

TScrollBar* BarOf(HandlerFreesTest& t) {
  auto* bar = t.On<TScrollBar>(Bounds(10, 10, 200, 18));
  bar->SetParams(0, 0, 100);
  return bar;
}

void TypeA(TComponent* c) { Stroke(c, 'A', "a"); }
void Down(TComponent* c) { Stroke(c, VK_DOWN); }
void Right(TComponent* c) { Stroke(c, VK_RIGHT); }
void Escape(TComponent* c) { Stroke(c, VK_ESCAPE); }

const TCase kCases[] = {
    {"EditTypingChange", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TEdit* edit = EditOf(t);
       Notify(edit->OnChange, freeIt);
       return edit;
     },
     TypeA},
    {"EditKeyDownEscape", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TEdit* edit = EditOf(t);
       OnKey(edit->OnKeyDown, freeIt);
       return edit;
     },
     Escape},
    {"EditKeyPress", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TEdit* edit = EditOf(t);
       OnKey(edit->OnKeyPress, freeIt);
       return edit;
     },
     TypeA},
    {"EditKeyUp", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TEdit* edit = EditOf(t);
       OnKey(edit->OnKeyUp, freeIt);
       return edit;
     },
     TypeA},
    {"FormKeyPreviewEscape", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       t.Form()->SetKeyPreview(true);
       OnKey(t.Form()->OnKeyDown, freeIt);
       return EditOf(t);
     },
     Escape},
    {"ComboListDownChange", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TComboBox* combo = ComboOf(t, csDropDownList);
       Notify(combo->OnChange, freeIt);
       return combo;
     },
     Down},
    {"ComboListDownSelect", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TComboBox* combo = ComboOf(t, csDropDownList);
       Notify(combo->OnSelect, freeIt);
       return combo;
     },
     Down},
    {"ComboTypingChange", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TComboBox* combo = ComboOf(t, csDropDown);
       Notify(combo->OnChange, freeIt);
       return combo;
     },
     [](TComponent* c) { Stroke(c, 'T', "t"); }},
    {"ListClick", false, ListOf, [](TComponent* c) { ClickAt(c, {20, 5}); }},
    {"ListClickFreesForm", true, ListOf, [](TComponent* c) { ClickAt(c, {20, 5}); }},
    {"ListKeyDown", false, ListOf, Down},
    {"ListOwnKeyDown", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TListBox* list = ListOf(t, [] {});
       OnKey(list->OnKeyDown, freeIt);
       return list;
     },
     Down},
    {"TreeOwnKeyDown", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TTreeView* tree = TreeOf(t);
       OnKey(tree->OnKeyDown, freeIt);
       return tree;
     },
     Down},
    {"TreeClickChange", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TTreeView* tree = TreeOf(t);
       tree->OnChange.Bind(nullptr, "FreeIt", [freeIt](TObject*, TTreeNode*) { freeIt(); });
       return tree;
     },
     [](TComponent* c) { ClickAt(c, {40, 5}); }},
    {"TreeKeyChanging", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TTreeView* tree = TreeOf(t);
       tree->OnChanging.Bind(nullptr, "FreeIt", [freeIt](TObject*, TTreeNode*, bool&) { freeIt(); });
       return tree;
     },
     Down},
    {"TreeKeyExpanded", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TTreeView* tree = TreeOf(t);
       tree->OnExpanded.Bind(nullptr, "FreeIt", [freeIt](TObject*, TTreeNode*) { freeIt(); });
       return tree;
     },
     [](TComponent* c) {
       Down(c);
       Right(c);
     }},
    {"ScrollBarKeyChange", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TScrollBar* bar = BarOf(t);
       Notify(bar->OnChange, freeIt);
       return bar;
     },
     Right},
    {"ScrollBarClickScroll", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       TScrollBar* bar = BarOf(t);
       bar->OnScroll.Bind(nullptr, "FreeIt", [freeIt](TObject*, TScrollCode, int&) { freeIt(); });
       return bar;
     },
     [](TComponent* c) { ClickAt(c, {150, 9}); }},
    {"ScrollBarThumbDropped", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       TScrollBar* bar = BarOf(t);
       bar->OnScroll.Bind(nullptr, "FreeIt", [freeIt](TObject*, TScrollCode code, int&) {
         if (code == scPosition) freeIt();
       });
       return bar;
     },
     [](TComponent* c) {
       auto* bar = static_cast<TControl*>(c);
       InjectMouseButton(mbLeft, true, bar->ClientToScreen({24, 9}));
       InjectMouseMove(bar->ClientToScreen({90, 9}));
       InjectMouseButton(mbLeft, false, bar->ClientToScreen({90, 9}));
       Application->ProcessMessages();
     }},
    {"PanelClick", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       auto* panel = t.On<TPanel>(Bounds(10, 10, 120, 60));
       Notify(panel->OnClick, freeIt);
       return panel;
     },
     [](TComponent* c) { ClickAt(c, {20, 20}); }},
    {"PanelMouseDown", false,
     [](HandlerFreesTest& t, TFree freeIt) {
       auto* panel = t.On<TPanel>(Bounds(10, 10, 120, 60));
       panel->OnMouseDown.Bind(nullptr, "FreeIt", [freeIt](TObject*, TMouseButton, TShiftState, int, int) { freeIt(); });
       return panel;
     },
     [](TComponent* c) { ClickAt(c, {20, 20}); }},
    {"TimerFreesItsForm", true,
     [](HandlerFreesTest& t, TFree freeIt) {
       auto* timer = new TTimer(t.Form());
       timer->SetInterval(10);
       Notify(timer->OnTimer, freeIt);
       return timer;
     },
     [](TComponent*) {
       static_cast<TTestClock&>(Clock()).Advance(20);
       Application->ProcessMessages();
     }},
};

TEST_P(HandlerFreesTest, TheControlTouchesNothingOfWhatWent) { RunCase(*this, GetParam(), form_); }

INSTANTIATE_TEST_SUITE_P(Handlers, HandlerFreesTest, ::testing::ValuesIn(kCases), CaseName<HandlerFreesTest>);

}  // namespace
