#include <gtest/gtest.h>

#include "platform/controls/application.h"
#include "platform/windows/keys.h"
#include "platform/graphics/colors.h"
#include "platform/windows/focus.h"
#include "platform/windows/messages.h"
#include "platform/windows/window_styles.h"
#include "platform/windows/window_tree.h"
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
  // A key the way the keyboard delivers it: its press, the character it makes, its release.
  void Keystroke(uint16_t vk, char16_t character, TShiftState shift = {}) {
    TnbInplaceEdit* edit = editor_->Edit();
    if (shift.Contains(ssShift)) SetKeyDown(VK_SHIFT, true);
    if (shift.Contains(ssCtrl)) SetKeyDown(VK_CONTROL, true);
    edit->Perform(WM_KEYDOWN, vk, 1);
    if (character != 0) edit->Perform(WM_CHAR, character, 1);
    edit->Perform(WM_KEYUP, vk, 1);
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
  }
  void Type(std::string_view text) {
    for (char16_t unit : Utf8ToUtf16(text)) editor_->Edit()->Perform(WM_CHAR, unit, 1);
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

TEST_F(EditorTest, TheEditIsMultiLineAlignedAsAsked) {
  TnbInplaceEdit* edit = editor_->Edit();
  const auto style = [edit] { return static_cast<uint32_t>(GetWindowLong(edit->Handle(), GWL_STYLE)); };
  EXPECT_NE(style() & 0x0004u, 0u);  // multi-line
  EXPECT_EQ(style() & 0x0003u, 0u);  // left
  editor_->SetAlignment(taCenter);
  EXPECT_EQ(style() & 0x0003u, 1u);
  editor_->SetAlignment(taRightJustify);
  EXPECT_EQ(style() & 0x0003u, 2u);
  EXPECT_EQ(edit->Alignment(), taRightJustify);
}

TEST_F(EditorTest, TheEditorsLookIsTheEdits) {
  editor_->SetFlat(false);
  editor_->SetBorderColor(clRed);
  editor_->SetShowBorder(false);
  editor_->SetWordWrap(false);
  TnbInplaceEdit* edit = editor_->Edit();
  EXPECT_FALSE(edit->Flat());
  EXPECT_EQ(edit->BorderColor(), clRed);
  EXPECT_FALSE(edit->ShowBorder());
  EXPECT_FALSE(edit->WordWrap());
  // Copying a look takes font and frame, not the window's alignment or wrapping.
  auto* bar = new TnbSideBar(form_);  // freed with the form
  TnbSideBar& other = *bar;
  other.InplaceEditor()->SetAlignment(taCenter);
  other.InplaceEditor()->Font()->SetSize(17);
  other.InplaceEditor()->Assign(editor_);
  EXPECT_FALSE(other.InplaceEditor()->Flat());
  EXPECT_EQ(other.InplaceEditor()->BorderColor(), clRed);
  EXPECT_FALSE(other.InplaceEditor()->ShowBorder());
  EXPECT_EQ(other.InplaceEditor()->Font()->Size(), editor_->Font()->Size());
  EXPECT_EQ(other.InplaceEditor()->Alignment(), taCenter);
  EXPECT_TRUE(other.InplaceEditor()->WordWrap());
}

TEST_F(EditorTest, TheFrameIsALineASunkenEdgeOrNothing) {
  TnbInplaceEdit* edit = editor_->Edit();
  edit->SetBounds(0, 0, 40, 20);
  edit->SetColor(clWhite);
  editor_->SetBorderColor(clRed);
  TBitmap bmp;
  bmp.SetPixelFormat(pf32bit);
  bmp.SetSize(40, 20);
  const auto frame = [&] {
    bmp.Canvas()->Brush()->SetColor(clLime);
    bmp.Canvas()->FillRect(Rect(0, 0, 40, 20));
    edit->DrawFrame(bmp.Canvas());
  };
  frame();  // flat with a border: a line in BorderColor, the ring inside wiped
  EXPECT_EQ(At(bmp, 0, 0), clRed);
  EXPECT_EQ(At(bmp, 20, 19), clRed);
  EXPECT_EQ(At(bmp, 1, 1), clWhite);
  EXPECT_EQ(At(bmp, 5, 5), clLime);
  editor_->SetShowBorder(false);  // flat without a border: the edit's own colour
  frame();
  EXPECT_EQ(At(bmp, 0, 0), clWhite);
  EXPECT_EQ(At(bmp, 39, 10), clWhite);
  editor_->SetFlat(false);  // sunken: shadow above, highlight below
  frame();
  EXPECT_EQ(At(bmp, 10, 0), ColorToRGB(clBtnShadow));
  EXPECT_EQ(At(bmp, 10, 19), ColorToRGB(clBtnHighlight));
  if (HasFailure()) Save(bmp, "edit_frame");
}

TEST_F(EditorTest, TheEditsContextMenuGoesToTheBarInItsCoordinates) {
  bar_->SetActiveHeader(header_);
  Layout();
  ASSERT_TRUE(editor_->BeginEdit(header_));
  TnbInplaceEdit* edit = editor_->Edit();
  TObject* sender = nullptr;
  TPoint at{};
  bar_->OnEditorContextPopup.Bind(form_, "EditorMenu", [&](TObject* s, TPoint p, bool& handled) {
    sender = s;
    at = p;
    EXPECT_FALSE(handled);
    handled = true;
  });
  bool handled = true;
  edit->OnContextPopup.Call(edit, TPoint{3, 4}, handled);
  EXPECT_EQ(sender, editor_);
  EXPECT_EQ(at, (TPoint{edit->Left() + 3, edit->Top() + 4}));
  EXPECT_TRUE(handled);
}

TEST_F(EditorTest, RenamingByTypingEndsWithEnterEscapeOrLeaving) {
  enum TEnd { byEnter, byEscape, byLeaving };
  struct Row {
    TEnd end;
    const char* caption;
    int changes;
  };
  const Row rows[] = {{byEnter, "收件箱", 1}, {byEscape, "Mail", 0}, {byLeaving, "收件箱", 1}};
  bar_->SetActiveHeader(header_);
  Layout();
  int typed = 0;
  editor_->Edit()->OnChange.Bind(form_, "Typed", [&](TObject*) { ++typed; });
  for (const Row& row : rows) {
    SCOPED_TRACE(row.end);
    header_->SetCaption("Mail");
    changes_ = 0;
    ASSERT_TRUE(editor_->BeginEdit(header_));
    ASSERT_TRUE(editor_->Edit()->Focused());
    typed = 0;
    Type("收件箱");  // replaces the whole caption
    EXPECT_EQ(editor_->Text(), "收件箱");
    EXPECT_EQ(typed, 3);
    switch (row.end) {
      case byEnter: Keystroke(VK_RETURN, '\r'); break;
      case byEscape: Keystroke(VK_ESCAPE, 27); break;
      case byLeaving: bar_->SetFocus(); break;
    }
    EXPECT_FALSE(editor_->Editing());
    EXPECT_FALSE(editor_->Edit()->Visible());
    EXPECT_EQ(editor_->Edit()->Top(), -1000);
    EXPECT_EQ(header_->Caption(), row.caption);
    EXPECT_EQ(changes_, row.changes);
  }
  editor_->Edit()->OnChange = nullptr;
}

TEST_F(EditorTest, ALongCaptionWrapsAndShiftEnterBreaksALine) {
  bar_->SetActiveHeader(header_);
  Layout();
  TnbButton* button = header_->GetButton(0);
  ASSERT_TRUE(editor_->BeginEdit(button));
  TnbInplaceEdit* edit = editor_->Edit();
  Type("Messages sent to every customer of the northern region");
  EXPECT_EQ(edit->Lines()->Count(), 1);
  EXPECT_GT(edit->RowCount(), 1) << "wrapped at the edit's width of " << edit->Width();
  Keystroke(VK_RETURN, '\r', {ssShift});
  Type("2026");
  Keystroke(VK_RETURN, '\n', {ssCtrl});
  EXPECT_TRUE(editor_->Editing());
  EXPECT_EQ(edit->Lines()->Count(), 2);
  Keystroke(VK_RETURN, '\r');
  EXPECT_FALSE(editor_->Editing());
  EXPECT_EQ(button->Caption(), "Messages sent to every customer of the northern region\r\n2026");
}

TEST_F(EditorTest, TheEditsRowsFollowItsAlignment) {
  TnbInplaceEdit* edit = editor_->Edit();
  edit->SetBounds(0, 0, 120, 40);
  edit->SetText("ab");
  TBitmap bmp;
  bmp.SetPixelFormat(pf32bit);
  bmp.SetSize(120, 40);
  // Where the ink of the text begins and ends.
  const auto ink = [&](TAlignment alignment) {
    editor_->SetAlignment(alignment);
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(Rect(0, 0, 120, 40));
    edit->PaintTo(bmp.Canvas()->Handle(), 0, 0);
    int first = -1, last = -1;
    for (int x = 3; x < 117; ++x)
      for (int y = 3; y < 37; ++y)
        if (At(bmp, x, y) != At(bmp, 60, 36)) {
          if (first < 0) first = x;
          last = x;
        }
    return std::pair{first, last};
  };
  const auto [leftFirst, leftLast] = ink(taLeftJustify);
  const auto [centreFirst, centreLast] = ink(taCenter);
  const auto [rightFirst, rightLast] = ink(taRightJustify);
  EXPECT_LT(leftFirst, 10);
  EXPECT_NEAR((centreFirst + centreLast) / 2, 60, 4);
  EXPECT_GT(rightLast, 108);
  EXPECT_EQ(rightLast - rightFirst, leftLast - leftFirst);
  if (HasFailure()) Save(bmp, "edit_alignment");
}

TEST_F(EditorTest, EveryFrameStyleDrawsItsRings) {
  TnbInplaceEdit* edit = editor_->Edit();
  edit->SetColor(clWhite);
  editor_->SetBorderColor(clRed);
  struct StyleCase {
    int style;
    TColor corner, inner, bottomRight;  // at (0, 0), (1, 1) and (19, 19) of a 20 x 20 frame
  };
  const TColor lime = clLime;
  const StyleCase cases[] = {
      {0, lime, lime, lime},
      {1, clRed, lime, clRed},
      {2, clBtnShadow, clBtnFace, clBtnHighlight},
      {3, clWhite, clWhite, clWhite},
      {4, clWindowFrame, lime, clWindowFrame},
      {5, clBtnHighlight, clBtnFace, clBtnShadow},
      {6, clBtnShadow, cl3DDkShadow, clBtnHighlight},
      {7, cl3DLight, clBtnHighlight, cl3DDkShadow},
      {8, clWindowFrame, clBtnShadow, clWindowFrame},
      {9, clBtnHighlight, clBtnFace, clWindowFrame},
  };
  TBitmap bmp;
  bmp.SetPixelFormat(pf32bit);
  bmp.SetSize(20, 20);
  for (const StyleCase& c : cases) {
    SCOPED_TRACE(c.style);
    bmp.Canvas()->Brush()->SetStyle(bsSolid);
    bmp.Canvas()->Brush()->SetColor(clLime);
    bmp.Canvas()->FillRect(Rect(0, 0, 20, 20));
    edit->DrawEdgeStyle(bmp.Canvas(), Rect(0, 0, 20, 20), c.style);
    EXPECT_EQ(At(bmp, 0, 0), ColorToRGB(c.corner));
    EXPECT_EQ(At(bmp, 1, 1), ColorToRGB(c.inner));
    EXPECT_EQ(At(bmp, 19, 19), ColorToRGB(c.bottomRight));
  }
  // The shadow line of style 9 runs along the bottom inside the face ring.
  EXPECT_EQ(At(bmp, 10, 18), ColorToRGB(clBtnShadow));
  if (HasFailure()) Save(bmp, "edit_frame_styles");
}
