#include <gtest/gtest.h>

#include "platform/controls/application.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// Renaming in place, and the hint of the button under the mouse.

namespace {

class EditorTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    header_ = AddHeader("Mail", 2);
    editor_ = bar_->InplaceEditor();
    editor_->OnChange.Bind(form_, "Edited", [this](TObject*) { ++changes_; });
  }
  TnbHeader* header_ = nullptr;
  TnbInplaceEditor* editor_ = nullptr;
  int changes_ = 0;
};

}  // namespace

TEST_F(EditorTest, EnterWritesTheTextBackAndEscapeDropsIt) {
  ASSERT_TRUE(editor_->BeginEdit(header_));
  EXPECT_EQ(editor_->Text(), "Mail");
  editor_->SetText("Inbox");
  uint16_t key = VK_RETURN;
  editor_->KeyDown(key, {ssShift});  // with a modifier the key belongs to the edit
  EXPECT_TRUE(editor_->Editing());
  editor_->KeyDown(key, {});
  EXPECT_EQ(key, 0);
  EXPECT_EQ(header_->Caption(), "Inbox");
  EXPECT_EQ(changes_, 1);
  editor_->EndEdit(false);  // a second end does nothing
  EXPECT_EQ(changes_, 1);
  TnbButton* b = header_->GetButton(0);
  ASSERT_TRUE(editor_->BeginEdit(b));
  editor_->SetText("Gone");
  key = VK_ESCAPE;
  editor_->KeyDown(key, {});
  EXPECT_EQ(b->Caption(), "Mail 1");
  EXPECT_EQ(changes_, 1);
}

TEST_F(EditorTest, ReadOnlyCaptionsAreNotEdited) {
  header_->SetOptions(header_->Options() + hoReadOnlyCaption);
  EXPECT_FALSE(editor_->BeginEdit(header_));
  TnbButton* b = header_->GetButton(1);
  b->SetOptions(b->Options() + boReadOnlyCaption);
  EXPECT_FALSE(editor_->BeginEdit(b));
}

TEST_F(EditorTest, DeletingTheEditedItemEndsTheEditWithoutWriting) {
  TnbButton* b = header_->GetButton(1);
  ASSERT_TRUE(editor_->BeginEdit(b));
  header_->Buttons()->DeleteButton(b);
  EXPECT_FALSE(editor_->Editing());
  editor_->EndEdit(false);
  EXPECT_EQ(changes_, 0);
}

TEST_F(EditorTest, HintIsTheHotButtonsOwn) {
  bar_->SetActiveHeader(header_);
  Layout();
  TnbButton* b = header_->GetButton(0);
  b->SetHint("Write a message");
  Move(Centre(b->Rects().Button));
  THintInfo info;
  bar_->Perform(CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.HintStr, "Write a message");
  EXPECT_EQ(info.CursorRect, b->Rects().Button);
  EXPECT_EQ(info.HintMaxWidth, bar_->ClientWidth());
}

TEST_F(EditorTest, TheEditShowsOverTheCaptionAndHidesAfterwards) {
  bar_->SetActiveHeader(header_);
  Layout();
  ASSERT_TRUE(editor_->BeginEdit(header_));
  TnbInplaceEdit* edit = editor_->Edit();
  EXPECT_TRUE(edit->Visible());
  EXPECT_EQ(edit->BoundsRect(), header_->CaptionRect());
  EXPECT_EQ(edit->Text(), "Mail");
  edit->SetText("Post");
  edit->Perform(WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(header_->Caption(), "Post");
  EXPECT_FALSE(edit->Visible());
  EXPECT_EQ(edit->Top(), -1000);
}
