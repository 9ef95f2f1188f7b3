#include "platform/controls/list_box.h"

#include "platform/windows/scroll_bars.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class ListBoxTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    box = Make<TListBox>(Bounds(10, 10, 150, 120));
    box->OnClick.Bind(nullptr, "Clicked", [this](TObject*) { ++clicks; });
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) box->Items()->Add("item " + std::to_string(i));
  }
  int Row() { return box->ItemHeight(); }
  // A point in the middle of item `index` (counted from the top index).
  TPoint OnItem(int index) { return {20, (index - box->TopIndex()) * Row() + Row() / 2}; }
  void ClickItem(int index, uint32_t keys = 0) {
    TPoint p = OnItem(index);
    if (keys & MK_SHIFT) SetKeyDown(VK_SHIFT, true);
    if (keys & MK_CONTROL) SetKeyDown(VK_CONTROL, true);
    Click(box, p.x, p.y, keys);
    SetKeyDown(VK_SHIFT, false);
    SetKeyDown(VK_CONTROL, false);
  }
  std::vector<int> SelectedItems() {
    std::vector<int> out;
    for (int i = 0; i < box->Count(); ++i)
      if (box->Selected(i)) out.push_back(i);
    return out;
  }
  void AdvanceClock(int ms) { static_cast<TTestClock&>(Clock()).Advance(ms); }
  TListBox* box = nullptr;
  int clicks = 0;
};

TEST_F(ListBoxTest, ClickSelectsOneItemAndFiresOnClickOnlyWhenTheChoiceChanges) {
  Fill(5);
  ClickItem(2);
  EXPECT_EQ(box->ItemIndex(), 2);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(box->Focused());
  ClickItem(2);
  EXPECT_EQ(clicks, 1);
  ClickItem(4);
  EXPECT_EQ(SelectedItems(), std::vector<int>{4});
  Click(box, 20, 110);  // below the last item
  EXPECT_EQ(box->ItemIndex(), 4);
  EXPECT_EQ(clicks, 2);
  // Dragging with the button down moves the choice along.
  Press(box, 20, OnItem(0).y);
  Drag(box, 20, OnItem(3).y);
  Release(box, 20, OnItem(3).y);
  EXPECT_EQ(box->ItemIndex(), 3);
  EXPECT_EQ(clicks, 3);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndKeepItInView) {
  Fill(30);
  box->SetFocus();
  int visible = box->VisibleCount();
  ASSERT_GT(visible, 2);
  ASSERT_LT(visible, 30);
  Key(box, VK_DOWN);
  EXPECT_EQ(box->ItemIndex(), 0);
  for (int i = 0; i < visible + 1; ++i) Key(box, VK_DOWN);
  EXPECT_EQ(box->ItemIndex(), visible + 1);
  EXPECT_EQ(box->TopIndex(), 2);
  Key(box, VK_END);
  EXPECT_EQ(box->ItemIndex(), 29);
  EXPECT_EQ(box->TopIndex(), 30 - visible);
  Key(box, VK_PRIOR);
  EXPECT_EQ(box->ItemIndex(), 29 - (visible - 1));
  Key(box, VK_HOME);
  EXPECT_EQ(box->ItemIndex(), 0);
  EXPECT_EQ(box->TopIndex(), 0);
  EXPECT_EQ(clicks, 1 + visible + 1 + 2 + 1);
}

TEST_F(ListBoxTest, TypingFindsItemsByPrefixAndCyclesOnARepeatedLetter) {
  for (const char* s : {"apple", "Banana", "blueberry", "cherry", "中文", "中国"}) box->Items()->Add(s);
  Type(box, "b");
  EXPECT_EQ(box->ItemIndex(), 1);
  Type(box, "l");
  EXPECT_EQ(box->ItemIndex(), 2);
  AdvanceClock(IncrementalSearchTimeout + 1);
  Type(box, "b");
  EXPECT_EQ(box->ItemIndex(), 1);
  Type(box, "b");
  EXPECT_EQ(box->ItemIndex(), 2);
  AdvanceClock(IncrementalSearchTimeout + 1);
  Type(box, "中国");
  EXPECT_EQ(box->ItemIndex(), 5);
  AdvanceClock(IncrementalSearchTimeout + 1);
  Type(box, "z");
  EXPECT_EQ(box->ItemIndex(), 5);
}

TEST_F(ListBoxTest, ExtendedSelectionTakesShiftRangesAndCtrlToggles) {
  Fill(8);
  box->SetMultiSelect(true);
  ClickItem(1);
  ClickItem(4, MK_SHIFT);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(box->SelCount(), 4);
  ClickItem(2, MK_CONTROL);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3, 4}));
  ClickItem(6, MK_CONTROL);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3, 4, 6}));
  Key(box, VK_DOWN, {ssShift});
  EXPECT_EQ(SelectedItems(), (std::vector<int>{6, 7}));
  Key(box, VK_UP);
  EXPECT_EQ(SelectedItems(), std::vector<int>{6});
  EXPECT_EQ(box->ItemIndex(), 6);
  box->SelectAll();
  EXPECT_EQ(box->SelCount(), 8);
  box->DeleteSelected();
  EXPECT_EQ(box->Count(), 0);
}

TEST_F(ListBoxTest, SimpleMultipleSelectionTogglesByClickAndSpace) {
  Fill(6);
  box->SetMultiSelect(true);
  box->SetExtendedSelect(false);
  ClickItem(1);
  ClickItem(3);
  EXPECT_EQ(SelectedItems(), (std::vector<int>{1, 3}));
  ClickItem(1);
  EXPECT_EQ(SelectedItems(), std::vector<int>{3});
  Key(box, VK_DOWN);
  Key(box, VK_DOWN);
  EXPECT_EQ(box->ItemIndex(), 3);
  EXPECT_EQ(SelectedItems(), std::vector<int>{3});
  Key(box, VK_SPACE);
  EXPECT_EQ(box->SelCount(), 0);
  EXPECT_EQ(box->Perform(LB_SETCURSEL, 1), LB_ERR);
  box->SetMultiSelect(false);
  EXPECT_EQ(box->SelCount(), -1);
}

TEST_F(ListBoxTest, BadIndexesRaiseListErrorsOrAnswerLbErr) {
  Fill(3);
  try {
    box->Selected(99);
    FAIL() << "no error";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), "List index out of bounds (99)");
  }
  EXPECT_THROW(box->SetSelected(-1, true), EListError);
  EXPECT_THROW(box->Items()->Strings(3), EListError);
  EXPECT_THROW(box->Items()->Delete(3), EListError);
  EXPECT_THROW(box->Items()->Insert(5, "x"), EListError);
  EXPECT_EQ(box->Perform(LB_DELETESTRING, 3), LB_ERR);
  EXPECT_EQ(box->Perform(LB_GETTEXTLEN, 7), LB_ERR);
  EXPECT_EQ(box->Perform(LB_GETITEMDATA, static_cast<WPARAM>(-2)), LB_ERR);
  box->SetItemIndex(1);
  box->SetItemIndex(42);
  EXPECT_EQ(box->ItemIndex(), -1);
  EXPECT_EQ(box->Count(), 3);
}

TEST_F(ListBoxTest, MessagesAddFindSelectAndDescribeItems) {
  box->SetSorted(true);
  box->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("pear"));
  box->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Apple"));
  EXPECT_EQ(box->Perform(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("fig")), 1);
  EXPECT_EQ(box->Items()->CommaText(), "Apple,fig,pear");
  EXPECT_EQ(box->Perform(LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("kiwi")), 3);
  EXPECT_EQ(box->Perform(LB_GETCOUNT), 4);
  String text;
  EXPECT_EQ(box->Perform(LB_GETTEXT, 2, reinterpret_cast<LPARAM>(&text)), 4);
  EXPECT_EQ(text, "pear");
  EXPECT_EQ(box->Perform(LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("AP")), 0);
  EXPECT_EQ(box->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("FIG")), 1);
  EXPECT_EQ(box->Perform(LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("fi")), LB_ERR);
  EXPECT_EQ(box->Perform(LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("k")), 3);
  EXPECT_EQ(box->Perform(LB_GETCURSEL), 3);
  EXPECT_EQ(clicks, 0);  // changes made by the program are not the user's choice
  TObject tag;
  box->Perform(LB_SETITEMDATA, 1, reinterpret_cast<LPARAM>(&tag));
  EXPECT_EQ(box->Items()->Objects(1), &tag);
  TRect r;
  box->Perform(LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&r));
  EXPECT_EQ(r.Top, box->ItemHeight());
  EXPECT_EQ(box->Perform(LB_ITEMFROMPOINT, 0, MakeLParam(5, r.Top + 1)), 1);
  EXPECT_EQ(box->Perform(LB_ITEMFROMPOINT, 0, MakeLParam(5, 110)) >> 16, 1);  // below the items
}

TEST_F(ListBoxTest, SelectionStaysOnItsItemWhenOthersComeAndGo) {
  Fill(4);
  box->SetItemIndex(2);
  box->Items()->Insert(0, "first");
  EXPECT_EQ(box->ItemIndex(), 3);
  EXPECT_EQ(box->Items()->Strings(box->ItemIndex()), "item 2");
  box->Items()->Delete(0);
  EXPECT_EQ(box->ItemIndex(), 2);
  box->Items()->Delete(2);
  EXPECT_EQ(box->ItemIndex(), -1);
  box->Clear();
  EXPECT_EQ(box->Count(), 0);
  Key(box, VK_DOWN);  // nothing to move to
  Type(box, "x");
  EXPECT_EQ(box->ItemIndex(), -1);
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreMeasuredAndDrawnByTheirEvents) {
  box->SetStyle(lbOwnerDrawVariable);
  box->OnMeasureItem.Bind(nullptr, "Measure", [](TWinControl*, int index, int& height) { height = 10 + 10 * index; });
  std::vector<std::pair<int, bool>> drawn;
  box->OnDrawItem.Bind(nullptr, "Draw", [&](TWinControl*, int index, TRect r, TOwnerDrawState state) {
    drawn.push_back({index, state.Contains(odSelected)});
    box->Canvas()->Brush()->SetColor(state.Contains(odSelected) ? clRed : clLime);
    box->Canvas()->FillRect(r);
  });
  Fill(4);
  EXPECT_EQ(box->ItemRect(2), Rect(0, 30, box->ClientWidth(), 60));
  Click(box, 20, 35);
  EXPECT_EQ(box->ItemIndex(), 2);
  PaintControl(box);
  EXPECT_EQ(drawn.size(), 4u);
  EXPECT_EQ(drawn[2], std::make_pair(2, true));
  EXPECT_EQ(At(20, 2 + 35), Sys(clRed));  // 2: the sunken client edge
  EXPECT_EQ(At(20, 2 + 5), Sys(clLime));
}

TEST_F(ListBoxTest, StandardItemsPaintTheChoiceInHighlightColours) {
  Fill(3);
  box->SetItemIndex(1);
  PaintControl(box);
  int row = box->ItemHeight();
  TRect second = Rect(2, 2 + row, 140, 2 + 2 * row);
  EXPECT_GT(Count(clHighlight, second), 0);
  EXPECT_GT(Count(clHighlightText, second), 0);
  EXPECT_EQ(Count(clHighlight, Rect(2, 2, 140, 2 + row)), 0);
  EXPECT_GT(Count(clWindowText, Rect(2, 2, 140, 2 + row)), 0);
}

TEST_F(ListBoxTest, FrameScrollBarWheelAndThumbMoveTheTopIndex) {
  Fill(40);
  HWND h = box->Handle();
  EXPECT_TRUE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
  SCROLLBARINFO info;
  ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, info));
  TPoint down{info.rcScrollBar.Left + 5, info.rcScrollBar.Bottom - 5};
  box->Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(down));
  TPoint client = box->ScreenToClient(down);
  Release(box, client.x, client.y);
  EXPECT_EQ(box->TopIndex(), 1);
  box->Perform(WM_MOUSEWHEEL, MakeWParam(0, -WHEEL_DELTA), PointToLParam(box->ClientToScreen({10, 10})));
  EXPECT_EQ(box->TopIndex(), 4);
  ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, info));
  TPoint thumb{info.rcScrollBar.Left + 5, info.rcScrollBar.Top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  SetKeyDown(VK_LBUTTON, true);  // the thumb is dragged with the button held
  box->Perform(WM_NCLBUTTONDOWN, HTVSCROLL, PointToLParam(thumb));
  TPoint far = box->ScreenToClient({thumb.x, thumb.y + 500});
  Drag(box, far.x, far.y);
  SetKeyDown(VK_LBUTTON, false);
  Release(box, far.x, far.y);
  EXPECT_EQ(box->TopIndex(), 40 - box->VisibleCount());
  EXPECT_EQ(GetScrollPos(h, SB_VERT), box->TopIndex());
  box->Items()->Clear();
  EXPECT_FALSE(GetWindowLong(h, GWL_STYLE) & WS_VSCROLL);
}

}  // namespace
