// The program's handlers may free the skinned control they are about, or its whole form (a
// dialog closed by its button, a tab that closes the window), while the control still runs
// the user's input: the control touches nothing of what went.
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/check_boxes.h"
#include "skin/edits.h"
#include "skin/list_controls.h"
#include "skin/scroll_bar.h"
#include "skin/track_bars.h"
#include "tests/skin/page_control_support.h"
#include "tests/support/freeing_handlers.h"

namespace {

using namespace freeing_handlers;

class SkinHandlerFrees;
using TCase = TFreeCase<SkinHandlerFrees>;
using TFree = std::function<void()>;

class SkinHandlerFrees : public PageControlTest, public ::testing::WithParamInterface<TCase> {
 public:
  template <typename T>
  T* On(TRect bounds) {
    return Make<T>(Marine, bounds);
  }
  TskPageControl* Pages() { return MakePages(3); }
};

void Notify(TNotifyEvent& event, const TFree& freeIt) {
  event.Bind(nullptr, "FreeIt", [freeIt](TObject*) { freeIt(); });
}

template <typename T>
TComponent* Clicked(SkinHandlerFrees& t, const TFree& freeIt) {
  auto* control = t.On<T>(Bounds(10, 10, 90, 27));
  Notify(control->OnClick, freeIt);
  return control;
}

void ClickMiddle(TComponent* c) {
  auto* control = static_cast<TControl*>(c);
  ClickAt(c, {control->Width() / 2, control->Height() / 2});
}
void Space(TComponent* c) { Stroke(c, VK_SPACE); }
void Right(TComponent* c) { Stroke(c, VK_RIGHT); }
void Down(TComponent* c) { Stroke(c, VK_DOWN); }
void ClickFirstTab(TComponent* c) {
  auto* pages = static_cast<TskPageControl*>(c);
  const TRect r = pages->TopPanel()->TabRect(0);
  ClickAt(pages->TopPanel(), {r.Left + 3, r.Top + 3});
}

TskPageControl* PagesChanging(SkinHandlerFrees& t, const TFree& freeIt) {
  TskPageControl* pages = t.Pages();
  pages->OnChanging.Bind(nullptr, "FreeIt", [freeIt](TObject*, bool&) { freeIt(); });
  return pages;
}

const TCase kCases[] = {
    {"ButtonClick", false, Clicked<TskButton>, ClickMiddle},
    {"ButtonClickFreesForm", true, Clicked<TskButton>, ClickMiddle},
    {"ButtonSpace", true, Clicked<TskButton>, Space},
    {"DefaultButtonEnter", true,
     [](SkinHandlerFrees& t, TFree freeIt) {
       auto* button = static_cast<TskButton*>(Clicked<TskButton>(t, freeIt));
       button->SetDefault(true);
       return t.On<TskEdit>(Bounds(10, 60, 90, 24));
     },
     [](TComponent* c) { Stroke(c, VK_RETURN); }},
    {"CheckBoxClick", false, Clicked<TskCheckBox>, ClickMiddle},
    {"CheckBoxSpaceFreesForm", true, Clicked<TskCheckBox>, Space},
    {"RadioButtonClick", true, Clicked<TskRadioButton>, ClickMiddle},
    {"TrackBarKey", false,
     [](SkinHandlerFrees& t, TFree freeIt) {
       auto* bar = t.On<TskTrackBar>(Bounds(10, 10, 200, 30));
       Notify(bar->OnChange, freeIt);
       return bar;
     },
     Right},
    {"ScrollBarArrow", false,
     [](SkinHandlerFrees& t, TFree freeIt) {
       auto* bar = t.On<TskScrollBar>(Bounds(10, 10, 200, 17));
       Notify(bar->OnChange(), freeIt);
       return bar->IncrementButton();
     },
     ClickMiddle},
    {"TabChanging", false, PagesChanging, ClickFirstTab},
    {"TabChangingFreesForm", true, PagesChanging, ClickFirstTab},
    {"TabActive", false,
     [](SkinHandlerFrees& t, TFree freeIt) {
       TskPageControl* pages = t.Pages();
       pages->OnTabActive.Bind(nullptr, "FreeIt", [freeIt](TObject*, int) { freeIt(); });
       return pages;
     },
     ClickFirstTab},
    {"TabChange", true,
     [](SkinHandlerFrees& t, TFree freeIt) {
       TskPageControl* pages = t.Pages();
       Notify(pages->OnChange, freeIt);
       return pages;
     },
     ClickFirstTab},
    {"PageHide", true,
     [](SkinHandlerFrees& t, TFree freeIt) {
       TskPageControl* pages = t.Pages();
       Notify(pages->ActivePage()->OnHide, freeIt);
       return pages;
     },
     ClickFirstTab},
    {"ComboBoxKey", false,
     [](SkinHandlerFrees& t, TFree freeIt) {
       auto* combo = t.On<TskComboBox>(Bounds(10, 10, 120, 22));
       combo->SetStyle(csDropDownList);
       for (const char* s : {"one", "two"}) combo->Items()->Add(s);
       Notify(combo->OnChange, freeIt);
       return combo;
     },
     Down},
};

TEST_P(SkinHandlerFrees, TheControlTouchesNothingOfWhatWent) { RunCase(*this, GetParam(), form_); }

INSTANTIATE_TEST_SUITE_P(Handlers, SkinHandlerFrees, ::testing::ValuesIn(kCases), CaseName<SkinHandlerFrees>);

}  // namespace
