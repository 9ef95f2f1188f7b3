// An error in a real window is told to the user in a box, not only to standard error.
#include <gtest/gtest.h>

#include "platform/backend/qt_backend.h"
#include "platform/controls/message_box.h"
#include "platform/controls/screen.h"
#include "platform/core/exceptions.h"
#include "platform/data/field.h"
#include "tests/real_windows/real_display.h"
#include "tests/real_windows/real_grid_form.h"

namespace {

using RealErrorBox = RealGridForm;

TEST_F(RealErrorBox, ARefusedPostIsToldInABoxAndTheRowStaysInEditing) {
  data_->BeforePost.Bind(form_, "Refuse", [](TDataSet*) { throw Exception("attempt to write a readonly database"); });
  String told;
  bool answered = false;
  // The box runs its own loop; the user reads it and answers from inside it.
  Application->OnIdle.Bind(nullptr, "Read", [&](TObject*, bool&) {
    for (int i = 0; i < Screen->FormCount() && !answered; ++i) {
      auto* box = dynamic_cast<TMessageForm*>(Screen->Forms(i));
      if (!box || !box->Visible() || !ToolkitWindowExposed(box->Handle())) continue;
      answered = true;
      told = box->Message();
      TMessageButton* ok = box->Button(mrOk);
      ClickAt(ok->ClientToScreen({ok->Width() / 2, ok->Height() / 2}));
      WaitFor([&] { return box->ModalResult() != mrNone; });
    }
  });
  ASSERT_TRUE(WaitFor([&] { return ToolkitWindowExposed(form_->Handle()); })) << "the window never showed";
  // The user clicks into the first record's number, so that the keys come to this window.
  const TRect cell = grid_->CellRect(1, grid_->TitleOffset());
  ASSERT_TRUE(ClickAt(grid_->ClientToScreen(TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2})));
  ASSERT_TRUE(Xdo("type 7"));
  ASSERT_TRUE(WaitFor([&] { return data_->State() == dsEdit; }));
  ASSERT_TRUE(Xdo("key Down"));
  EXPECT_TRUE(WaitFor([&] { return answered; })) << "the refusal was shown in a box";
  EXPECT_EQ(told, "attempt to write a readonly database");
  EXPECT_EQ(data_->State(), dsEdit) << "the edit is kept for the user to mend or cancel";
  EXPECT_EQ(data_->FieldByName("ID")->AsInteger(), 7);
}

}  // namespace
