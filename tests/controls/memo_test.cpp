#include "platform/controls/memo.h"

#include "platform/windows/scroll_bars.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class MemoTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    memo = Make<TMemo>(Bounds(10, 10, 200, 120));
    memo->OnChange.Bind(nullptr, "Changed", [this](TObject*) { ++changes; });
    memo->SetFocus();
  }
  TMemo* memo = nullptr;
  int changes = 0;
};

TEST_F(MemoTest, TypingEnterAndBackspaceEditLines) {
  Type(memo, "ab\rcd");
  EXPECT_EQ(memo->Text(), "ab\r\ncd");
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->SelStart(), 6);
  EXPECT_EQ(memo->CaretPos(), (TPoint{2, 1}));
  EXPECT_EQ(changes, 5);
  EXPECT_TRUE(memo->Modified());
  Key(memo, VK_HOME);
  Type(memo, "\b");
  EXPECT_EQ(memo->Text(), "abcd");
  EXPECT_EQ(memo->CaretPos(), (TPoint{2, 0}));
  Key(memo, VK_DELETE);
  EXPECT_EQ(memo->Text(), "abd");
  Type(memo, "中😀");
  EXPECT_EQ(memo->Text(), "ab中😀d");
  memo->SetWantReturns(false);
  Type(memo, "\r\t");
  EXPECT_EQ(memo->Text(), "ab中😀d");
  EXPECT_EQ(memo->Perform(WM_GETDLGCODE) & DLGC_WANTALLKEYS, 0);
}

TEST_F(MemoTest, ArrowsCrossLinesKeepTheColumnAndShiftSelects) {
  memo->SetText("hello\r\nhi\r\nhello world");
  memo->SetCaretPos({4, 0});
  Key(memo, VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), (TPoint{2, 1}));
  Key(memo, VK_DOWN);
  EXPECT_EQ(memo->CaretPos(), (TPoint{4, 2}));
  Key(memo, VK_UP, {ssShift});
  Key(memo, VK_UP, {ssShift});
  EXPECT_EQ(memo->SelText(), "o\r\nhi\r\nhell");
  Key(memo, VK_RIGHT);
  EXPECT_EQ(memo->SelLength(), 0);
  EXPECT_EQ(memo->CaretPos(), (TPoint{4, 2}));
  Key(memo, VK_HOME, {ssCtrl});
  EXPECT_EQ(memo->CaretPos(), (TPoint{0, 0}));
  Key(memo, VK_LEFT);
  EXPECT_EQ(memo->CaretPos(), (TPoint{0, 0}));
  Key(memo, VK_END, {ssCtrl});
  EXPECT_EQ(memo->CaretPos(), (TPoint{11, 2}));
  Key(memo, VK_RIGHT);
  EXPECT_EQ(memo->CaretPos(), (TPoint{11, 2}));
  Key(memo, 'A', {ssCtrl});
  EXPECT_EQ(memo->SelLength(), 22);
}

TEST_F(MemoTest, WordWrapBreaksLongLinesAtSpacesWithoutChangingTheLines) {
  memo->SetText("one two three four five six seven eight nine ten eleven twelve");
  EXPECT_EQ(memo->Lines()->Count(), 1);
  int wrapped = memo->RowCount();
  EXPECT_GT(wrapped, 1);
  memo->SetWordWrap(false);
  EXPECT_EQ(memo->RowCount(), 1);
  memo->SetWordWrap(true);
  EXPECT_EQ(memo->RowCount(), wrapped);
  memo->SetText(String(300, 'x'));  // one word longer than a row still wraps
  EXPECT_GT(memo->RowCount(), 1);
  Key(memo, VK_END, {ssCtrl});
  EXPECT_EQ(memo->SelStart(), 300);
}

TEST_F(MemoTest, LinesAddInsertAndDeleteLikeTheClassLibrary) {
  memo->Lines()->Add("first");
  EXPECT_EQ(memo->Text(), "first\r\n");
  memo->Lines()->Add("second");
  memo->Lines()->Insert(0, "zero");
  EXPECT_EQ(memo->Lines()->Count(), 3);
  EXPECT_EQ(memo->Text(), "zero\r\nfirst\r\nsecond\r\n");
  memo->Lines()->Delete(1);
  EXPECT_EQ(memo->Lines()->CommaText(), "zero,second");
  memo->SetText("a\r\nb");
  memo->Lines()->Add("c");
  EXPECT_EQ(memo->Text(), "a\r\nb\r\nc");
  EXPECT_THROW(memo->Lines()->Strings(3), EListError);
  EXPECT_THROW(memo->Lines()->Delete(-1), EListError);
  EXPECT_THROW(memo->Lines()->Insert(9, "x"), EListError);
  memo->Clear();
  EXPECT_EQ(memo->Lines()->Count(), 0);
  EXPECT_EQ(memo->Text(), "");
}

TEST_F(MemoTest, VerticalScrollBarFollowsTheCaretWheelAndArrows) {
  memo->SetScrollBars(ssVertical);
  EXPECT_TRUE(GetWindowLong(memo->Handle(), GWL_STYLE) & WS_VSCROLL);
  for (int i = 0; i < 40; ++i) memo->Lines()->Add("line " + std::to_string(i));
  EXPECT_EQ(memo->TopRow(), 0);
  Key(memo, VK_END, {ssCtrl});
  EXPECT_GT(memo->TopRow(), 20);
  EXPECT_EQ(GetScrollPos(memo->Handle(), SB_VERT), memo->TopRow());
  memo->Perform(WM_MOUSEWHEEL, MakeWParam(0, WHEEL_DELTA), PointToLParam(memo->ClientToScreen({5, 5})));
  int afterWheel = memo->TopRow();
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(memo->Handle(), OBJID_VSCROLL, info));
  TPoint up{info.rcScrollBar.Left + 4, info.rcScrollBar.Top + 4};
  memo->Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(up));
  TPoint client = memo->ScreenToClient(up);
  Release(memo, client.x, client.y);
  EXPECT_EQ(memo->TopRow(), afterWheel - 1);
  EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), memo->TopRow());
}

TEST_F(MemoTest, EditMessagesReportLinesAndReplaceTheSelection) {
  memo->SetText("alpha\r\nbeta\r\ngamma");
  EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 3);
  EXPECT_EQ(memo->Perform(EM_LINEINDEX, 2), 13);
  EXPECT_EQ(memo->Perform(EM_LINEINDEX, 3), -1);
  EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, 9), 1);
  EXPECT_EQ(memo->Perform(EM_LINELENGTH, 14), 5);
  memo->Perform(EM_SETSEL, 7, 11);
  uint32_t start = 0, end = 0;
  memo->Perform(EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 7u);
  EXPECT_EQ(end, 11u);
  memo->Perform(EM_REPLACESEL, 0, reinterpret_cast<LPARAM>("B\r\nE"));
  EXPECT_EQ(memo->Text(), "alpha\r\nB\r\nE\r\ngamma");
  memo->Perform(EM_SETSEL, 0, -1);
  EXPECT_EQ(memo->SelLength(), CharLength(memo->Text()));
}

TEST_F(MemoTest, LimitReadOnlyAndClipboard) {
  memo->SetText("one\r\ntwo");
  memo->Perform(EM_SETSEL, 2, 6);
  memo->Perform(WM_COPY);
  EXPECT_EQ(Clipboard()->AsText(), "e\r\nt");
  memo->Perform(WM_CUT);
  EXPECT_EQ(memo->Text(), "onwo");
  Key(memo, VK_END, {ssCtrl});
  memo->Perform(WM_PASTE);
  EXPECT_EQ(memo->Text(), "onwoe\r\nt");
  memo->SetReadOnly(true);
  Type(memo, "zz\b");
  memo->Perform(WM_PASTE);
  EXPECT_EQ(memo->Text(), "onwoe\r\nt");
  memo->SetReadOnly(false);
  memo->SetMaxLength(10);
  Type(memo, "12345");
  EXPECT_EQ(memo->Text(), "onwoe\r\nt12");
}

TEST_F(MemoTest, PaintsTextSelectionAndCaret) {
  memo->SetText("first\r\nsecond");
  PaintControl(memo);
  int row = 2 + 20;  // inside the sunken edge, past the first row
  EXPECT_EQ(Count(clHighlight, Rect(2, 2, 198, 118)), 0);
  EXPECT_GT(Count(clWindowText, Rect(2, 2, 100, row)), 0);
  memo->Perform(EM_SETSEL, 7, 13);
  PaintControl(memo);
  EXPECT_EQ(Count(clHighlight, Rect(2, 2, 198, 12)), 0);
  EXPECT_GT(Count(clHighlight, Rect(2, 18, 198, 40)), 0);
  EXPECT_GT(Count(clHighlightText, Rect(2, 18, 198, 40)), 0);
}

}  // namespace
