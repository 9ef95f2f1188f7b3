#include "platform/controls/message_box.h"

#include <memory>

#include "platform/controls/screen.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class MessageBoxTest : public StdControlTest {
 protected:
  // Runs `action` once the modal loop of a dialog is idle (the dialog is then the active form).
  template <typename F>
  void WhenIdle(F action) {
    Application->OnIdle.Bind(nullptr, "Idle", [this, action](TObject*, bool&) {
      if (done_) return;
      done_ = true;
      action(dynamic_cast<TMessageForm*>(Screen->ActiveForm()));
    });
  }
  bool done_ = false;
};

TEST_F(MessageBoxTest, DialogShowsTheMessageAboveItsButtonsWithOkFirst) {
  std::unique_ptr<TForm> form(CreateMessageDialog("Save the changes?", mtConfirmation, {mbOK, mbCancel}));
  auto* dialog = dynamic_cast<TMessageForm*>(form.get());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Caption(), "Confirm");
  TMessageButton* ok = dialog->Button(mrOk);
  TMessageButton* cancel = dialog->Button(mrCancel);
  ASSERT_TRUE(ok && cancel);
  EXPECT_EQ(ok->Caption(), "OK");
  EXPECT_LT(ok->Left(), cancel->Left());
  EXPECT_EQ(ok->Top(), cancel->Top());
  EXPECT_TRUE(ok->Default());
  EXPECT_EQ(dialog->CancelButton(), cancel);
  EXPECT_EQ(dialog->ActiveControl(), ok);
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  dialog->Show();
  PaintControl(dialog);
  TPoint client{dialog->ClientOrigin().x - dialog->Left(), dialog->ClientOrigin().y - dialog->Top()};
  EXPECT_GT(Count(clWindowText, Bounds(client.x, client.y, dialog->ClientWidth(), ok->Top())), 0);
  dialog->Hide();
}

TEST_F(MessageBoxTest, ClickingAButtonEndsTheModalLoopWithItsResult) {
  WhenIdle([](TMessageForm* dialog) {
    ASSERT_NE(dialog, nullptr);
    InjectClick(dialog->Button(mrCancel)->ClientToScreen({10, 10}));
  });
  EXPECT_EQ(MessageDlg("Really?", mtWarning, {mbOK, mbCancel}), mrCancel);
}

TEST_F(MessageBoxTest, EnterTakesTheDefaultAndEscapeTheCancelButton) {
  WhenIdle([](TMessageForm* dialog) { dialog->Button(mrOk)->Perform(WM_KEYDOWN, VK_RETURN, 1); });
  EXPECT_EQ(MessageBox("Done.", "Title", MB_OKCANCEL), IDOK);
  done_ = false;
  WhenIdle([](TMessageForm* dialog) { dialog->Button(mrOk)->Perform(WM_KEYDOWN, VK_ESCAPE, 1); });
  EXPECT_EQ(MessageBox("Done.", "Title", MB_OKCANCEL), IDCANCEL);
  done_ = false;
  WhenIdle([](TMessageForm* dialog) { dialog->Button(mrOk)->Perform(WM_KEYDOWN, VK_ESCAPE, 1); });
  EXPECT_EQ(MessageBox("Only OK.", "Title", MB_OK), IDOK);
}

}  // namespace
