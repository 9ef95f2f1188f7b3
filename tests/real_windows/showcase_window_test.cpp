// The showcase's own skinned window, driven by real input with no window manager and with
// one: a cut message shows whole in a tip while the pointer rests on it, the maximise button
// follows the window's state, and the grid's question is the window's skinned box.
#include <gtest/gtest.h>

#include "examples/showcase/main_form.h"
#include "gridlib/grid/columns.h"
#include "gridlib/grid/db_grid.h"
#include "gridlib/grid/grid_data_link.h"
#include "platform/backend/qt_backend.h"
#include "platform/controls/hint_window.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/screen.h"
#include "platform/data/data_link.h"
#include "platform/data/field.h"
#include "platform/graphics/bitmap.h"
#include "platform/windows/clock.h"
#include "platform/windows/keys.h"
#include "platform/windows/painting.h"
#include "platform/windows/window_tree.h"
#include "skin/form.h"
#include "skin/message_form.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_showcase.h"

namespace {

class RealShowcase : public RealShowcaseTest {
 protected:
  static HWND Tip() {
    THintWindow* tip = Application->HintWindow();
    return tip != nullptr && tip->Active() && tip->HandleAllocated() ? tip->Handle() : nullptr;
  }
  void TearDown() override {
    RealShowcaseTest::TearDown();
    if (clock_ != nullptr) SetClock(nullptr);
  }
  static bool TipShown() {
    HWND tip = Tip();
    return tip != nullptr && IsWindowVisible(tip) && ToolkitWindowExposed(tip);
  }
  // The maximise button's place on the screen.
  TRect MaxButton() const {
    TskTitleBar* bar = form_->Skin()->TitleBar();
    for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons) {
      if (bar->Buttons()->Items(place.Index)->ButtonType() != skMax) continue;
      const TPoint corner = bar->ClientToScreen(place.Rect.TopLeft());
      return Bounds(corner.x, corner.y, place.Rect.Width(), place.Rect.Height());
    }
    ADD_FAILURE() << "no maximise button";
    return {};
  }
  // What the window painted at the maximise button, the pointer away from it.
  std::vector<uint32_t> MaxGlyph() const {
    std::vector<uint32_t> shown;
    const TRect button = MaxButton();
    const TRect window = WindowBounds(form_->Handle());
    TBitmap* surface = WindowSurface(form_->Handle());
    if (surface == nullptr) return shown;
    for (int y = button.Top; y < button.Bottom; ++y)
      for (int x = button.Left; x < button.Right; ++x)
        shown.push_back(surface->Pixels32()[(y - window.Top) * surface->Width() + (x - window.Left)]);
    return shown;
  }

  TTestClock* clock_ = nullptr;
};

TEST_F(RealShowcase, ACutMessageShowsWholeInATipWhileThePointerRestsOnIt) {
  TDBGridEx* grid = ShownGrid(TShowcaseMainForm::kSentCommand, "SentGrid");
  ASSERT_NE(grid, nullptr);
  TColumnEx* content = nullptr;
  for (int i = 0; i < grid->Columns()->Count(); ++i)
    if (grid->Columns()->Items(i)->FieldName() == "Content") content = grid->Columns()->Items(i);
  ASSERT_NE(content, nullptr);
  // A message wider than its column, as the grid's font writes it.
  int row = -1;
  String message;
  for (int r = 0; r < grid->DataLink()->RecordCount() && row < 0; ++r) {
    ActiveRecordScope at(grid->DataLink(), r);
    grid->Canvas()->Font()->Assign(content->Font());
    if (grid->Canvas()->TextWidth(content->Field()->AsString()) > content->Width()) {
      row = r;
      message = content->Field()->AsString();
    }
  }
  ASSERT_GE(row, 0) << "no message is cut on the first screen";
  const int col = content->Index() + grid->IndicatorOffset();
  const TRect cell = grid->CellRect(col, grid->TitleOffset() + row);
  const TPoint middle = grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2});
  ASSERT_TRUE(PointTo(grid->ClientToScreen({cell.Left - 20, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(PointTo(middle));
  // The program's own loop turns, its idle step included, as the showcase runs them.
  int idleSteps = 0;
  Application->OnIdle.Bind(nullptr, "Count", [&](TObject*, bool&) { ++idleSteps; });
  ASSERT_TRUE(RunUntil([&] { return TipShown(); }))
      << "the tip never came on the screen: window "
      << (Tip() != nullptr ? (IsWindowVisible(Tip()) ? "visible" : "hidden") : "inactive");
  EXPECT_EQ(Application->HintWindow()->Caption(), message);
  const auto resting = [&] {
    const int seen = idleSteps;
    return RunUntil([&] { return idleSteps > seen + 1; }) && TipShown();
  };
  EXPECT_TRUE(resting()) << "the tip stays while the pointer rests on the cell";
  // A while later, on a clock of the test's that goes on from the real one.
  auto clock = std::make_unique<TTestClock>();
  clock->Advance(Clock().NowMs() - clock->NowMs());
  clock_ = clock.get();
  SetClock(std::move(clock));
  clock_->Advance(4000);
  EXPECT_TRUE(resting()) << "the tip is still there after a rest of a few seconds";
  Application->OnIdle.Clear();
}

// The maximise button shows the restore glyph while the window is maximised, also once it is
// minimised and back, and its click then restores the window.
TEST_F(RealShowcase, TheMaximiseButtonFollowsTheWindowThroughAMinimise) {
  const TRect normal = WindowBounds(form_->Handle());
  const TPoint away{normal.Left + 300, normal.Top + 300};
  ASSERT_TRUE(PointTo(away));
  const std::vector<uint32_t> maximiseGlyph = MaxGlyph();
  const TRect button = MaxButton();
  ASSERT_TRUE(ClickAt({(button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2}));
  ASSERT_TRUE(WaitFor([&] { return IsZoomed(form_->Handle()); })) << "maximised";
  ASSERT_TRUE(PointTo(away));
  ASSERT_TRUE(WaitFor([&] { return MaxGlyph() != maximiseGlyph; })) << "the restore glyph shows";
  const std::vector<uint32_t> restoreGlyph = MaxGlyph();

  TskTitleBar* bar = form_->Skin()->TitleBar();
  for (const TskTitleBarButtonPlace& place : bar->Layout().Buttons) {
    if (bar->Buttons()->Items(place.Index)->ButtonType() != skMin) continue;
    ASSERT_TRUE(ClickAt(bar->ClientToScreen({(place.Rect.Left + place.Rect.Right) / 2, (place.Rect.Top + place.Rect.Bottom) / 2})));
  }
  ASSERT_TRUE(WaitFor([&] { return IsIconic(form_->Handle()); })) << "minimised";
  if (WindowManagerName()) {
    // Back from the window manager, as the user brings the window back.
    ASSERT_TRUE(WaitFor([&] { return !ToolkitWindowExposed(form_->Handle()); }));
    ASSERT_TRUE(Xdo("search --name '^" + form_->Caption() + "$' windowactivate --sync"));
    ASSERT_TRUE(WaitFor([&] { return !IsIconic(form_->Handle()) && ToolkitWindowExposed(form_->Handle()); }));
    EXPECT_TRUE(IsZoomed(form_->Handle())) << "back as it was left: maximised";
  }
  ASSERT_TRUE(PointTo(away));
  EXPECT_TRUE(WaitFor([&] { return MaxGlyph() == restoreGlyph; })) << "the glyph shows the window's state";
  const TRect maximised = MaxButton();
  ASSERT_TRUE(ClickAt({(maximised.Left + maximised.Right) / 2, (maximised.Top + maximised.Bottom) / 2}));
  EXPECT_TRUE(WaitFor([&] { return !IsZoomed(form_->Handle()) && !IsIconic(form_->Handle()); })) << "restored";
  ASSERT_TRUE(PointTo(away));
  EXPECT_TRUE(WaitFor([&] { return MaxGlyph() == maximiseGlyph; }));
}

// Ctrl+Delete on a contact asks first, in the window's skinned box with its icon, centred on
// the window; the user's Escape keeps the contact.
TEST_F(RealShowcase, TheGridsDeleteQuestionIsTheWindowsSkinnedBox) {
  // Away from the screen's centre, so that a box centred on the screen shows apart.
  const TRect placed = Bounds(20, 10, 900, 640);
  form_->SetBoundsRect(placed);
  ASSERT_TRUE(WaitFor([&] { return WindowBounds(form_->Handle()) == placed; }));
  TDBGridEx* grid = ShownGrid(TShowcaseMainForm::kContactsCommand, "ContactsGrid");
  ASSERT_NE(grid, nullptr);
  const int contacts = grid->DataLink()->DataSet()->RecordCount();
  String boxClass, question;
  bool icon = false;
  TRect box, window;
  // The box runs its own loop; the user reads it and answers from inside it.
  Application->OnIdle.Bind(nullptr, "Read", [&](TObject*, bool&) {
    TCustomForm* shown = Screen->ActiveForm();
    if (!boxClass.empty() || shown == nullptr || shown == form_ || !shown->Visible() ||
        !ToolkitWindowExposed(shown->Handle()))
      return;
    boxClass = shown->ClassName();
    if (auto* skinned = dynamic_cast<TfrmMsg*>(shown)) {
      question = skinned->lbl()->Caption();
      icon = skinned->Image1()->Visible();
    }
    box = WindowBounds(shown->Handle());
    window = WindowBounds(form_->Handle());
    Xdo("key Escape");
    WaitFor([&] { return shown->ModalResult() != mrNone; });
  });
  const TRect cell = grid->CellRect(grid->IndicatorOffset() + 1, grid->TitleOffset() + 1);
  ASSERT_TRUE(ClickAt(grid->ClientToScreen({(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(WaitFor([&] { return grid->Focused() && form_->Active(); }))
      << "focused " << grid->Focused() << " active " << form_->Active();
  ASSERT_TRUE(Xdo("key --clearmodifiers ctrl+Delete"));
  ASSERT_TRUE(WaitFor([&] { return !boxClass.empty() && Screen->ActiveForm() == form_; })) << "no question came";
  Application->OnIdle.Clear();
  EXPECT_EQ(boxClass, "TfrmMsg") << "the skinned box";
  EXPECT_EQ(question, "删除这条记录吗？");
  EXPECT_TRUE(icon);
  EXPECT_NEAR((box.Left + box.Right) / 2, (window.Left + window.Right) / 2, 1) << "centred on the window";
  EXPECT_NEAR((box.Top + box.Bottom) / 2, (window.Top + window.Bottom) / 2, 1) << "centred on the window";
  EXPECT_EQ(grid->DataLink()->DataSet()->RecordCount(), contacts) << "Escape keeps the contact";
}

}  // namespace
