// The program's handlers may free the grid, or its whole form (a lookup window closed by a
// click or a key), while the grid still runs the user's input: the grid touches nothing of
// what went.
#include <gtest/gtest.h>

#include "gridlib/grid/column_titles.h"
#include "gridlib/grid/columns.h"
#include "platform/controls/watched_component.h"
#include "platform/data/dataset.h"
#include "platform/windows/keys.h"
#include "tests/grid/grid_window_support.h"
#include "tests/support/freeing_handlers.h"

namespace grid_test {
namespace {

using namespace freeing_handlers;

class GridHandlerFrees;
using TCase = TFreeCase<GridHandlerFrees>;
using TFree = std::function<void()>;

class GridHandlerFrees : public testing::TestWithParam<TCase> {
 public:
  TDBGridEx* Grid() {
    form_ = new TForm(Application);
    formLeft_.Set(form_);
    form_->SetBounds(0, 0, 500, 300);
    auto* grid = new TDBGridEx(form_);
    grid->SetParent(form_);
    grid->SetBounds(0, 0, 460, 240);
    grid->SetDataSource(items_.source());
    form_->Show();
    grid->SetFocus();
    return grid;
  }
  TDataSet* Data() const { return items_.ds(); }
  TForm* form_ = nullptr;

 protected:
  void TearDown() override { delete formLeft_.Get(); }
  TApplicationScope scope_;
  Items items_{Store::Memory, 5};
  TWatchedComponent formLeft_;
};

TDBGridEx* Clicking(GridHandlerFrees& t, const TFree& freeIt) {
  TDBGridEx* grid = t.Grid();
  grid->OnCellClick.Bind(nullptr, "FreeIt", [freeIt](TColumnEx*) { freeIt(); });
  return grid;
}

TDBGridEx* Keyed(GridHandlerFrees& t, const TFree& freeIt) {
  TDBGridEx* grid = t.Grid();
  grid->OnKeyDown.Bind(nullptr, "FreeIt", [freeIt](TObject*, uint16_t&, TShiftState) { freeIt(); });
  return grid;
}

TDBGridEx* Notified(GridHandlerFrees& t, TNotifyEvent TDBGridEx::*event, const TFree& freeIt) {
  TDBGridEx* grid = t.Grid();
  (grid->*event).Bind(nullptr, "FreeIt", [freeIt](TObject*) { freeIt(); });
  return grid;
}

void ClickCell(TComponent* c, int col, int row) {
  const TRect cell = static_cast<TDBGridEx*>(c)->CellRect(col, row);
  ClickAt(c, {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
}

const TCase kCases[] = {
    {"CellClick", false, Clicking, [](TComponent* c) { ClickCell(c, 2, 2); }},
    {"CellClickFreesForm", true, Clicking, [](TComponent* c) { ClickCell(c, 2, 2); }},
    {"TitleClick", true,
     [](GridHandlerFrees& t, TFree freeIt) {
       TDBGridEx* grid = t.Grid();
       grid->OnTitleClick.Bind(nullptr, "FreeIt", [freeIt](TColumnEx*) { freeIt(); });
       return grid;
     },
     [](TComponent* c) { ClickCell(c, 2, 0); }},
    {"SortMarkingChanged", false,
     [](GridHandlerFrees& t, TFree freeIt) {
       TDBGridEx* grid = Notified(t, &TDBGridEx::OnSortMarkingChanged, freeIt);
       grid->SetOptionsEx(grid->OptionsEx() + dghAutoSortMarking);
       for (int i = 0; i < grid->Columns()->Count(); ++i) grid->Columns()->Items(i)->Title()->SetTitleButton(true);
       return grid;
     },
     [](TComponent* c) { ClickCell(c, 2, 0); }},
    {"KeyDown", true, Keyed, [](TComponent* c) { Stroke(c, VK_DOWN); }},
    {"KeyDownInEditor", false,
     [](GridHandlerFrees& t, TFree freeIt) {
       TDBGridEx* grid = Keyed(t, freeIt);
       grid->SetOptions(grid->Options() + dgAlwaysShowEditor);
       return grid;
     },
     [](TComponent* c) { Stroke(c, VK_DOWN); }},
    {"ColExit", false, [](GridHandlerFrees& t, TFree freeIt) { return Notified(t, &TDBGridEx::OnColExit, freeIt); },
     [](TComponent* c) { Stroke(c, VK_RIGHT); }},
    {"ColEnter", true, [](GridHandlerFrees& t, TFree freeIt) { return Notified(t, &TDBGridEx::OnColEnter, freeIt); },
     [](TComponent* c) { Stroke(c, VK_TAB); }},
    {"ColEnterByClick", false,
     [](GridHandlerFrees& t, TFree freeIt) { return Notified(t, &TDBGridEx::OnColEnter, freeIt); },
     [](TComponent* c) { ClickCell(c, 3, 1); }},
    {"AfterPostOfTyping", true,
     [](GridHandlerFrees& t, TFree freeIt) {
       TDBGridEx* grid = t.Grid();
       t.Data()->AfterPost.Bind(nullptr, "FreeIt", [freeIt](TDataSet*) { freeIt(); });
       return grid;
     },
     [](TComponent* c) {
       Stroke(c, VK_RIGHT);
       Stroke(c, 'X', "x");
       Stroke(c, VK_DOWN);
     }},
    {"AfterScrollOfKey", false,
     [](GridHandlerFrees& t, TFree freeIt) {
       TDBGridEx* grid = t.Grid();
       t.Data()->AfterScroll.Bind(nullptr, "FreeIt", [freeIt](TDataSet*) { freeIt(); });
       return grid;
     },
     [](TComponent* c) { Stroke(c, VK_DOWN); }},
    {"DblClick", true, [](GridHandlerFrees& t, TFree freeIt) { return Notified(t, &TControl::OnDblClick, freeIt); },
     [](TComponent* c) {
       ClickCell(c, 2, 2);
       ClickCell(c, 2, 2);
     }},
};

TEST_P(GridHandlerFrees, TheGridTouchesNothingOfWhatWent) { RunCase(*this, GetParam(), form_); }

INSTANTIATE_TEST_SUITE_P(Handlers, GridHandlerFrees, ::testing::ValuesIn(kCases), CaseName<GridHandlerFrees>);

}  // namespace
}  // namespace grid_test
