#include "platform/controls/combo_box.h"

#include "platform/windows/scroll_bars.h"
#include "platform/windows/system_metrics.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class ComboBoxTest : public StdControlTest {
 protected:
  void SetUp() override {
    StdControlTest::SetUp();
    combo = Make<TComboBox>(Bounds(20, 20, 160, 21));
    for (const char* s : {"Apple", "Banana", "Blueberry", "Cherry", "Date"}) combo->Items()->Add(s);
    combo->OnClick.Bind(nullptr, "Click", [this](TObject*) { log += "click;"; });
    combo->OnChange.Bind(nullptr, "Change", [this](TObject*) { log += "change;"; });
    combo->OnDropDown.Bind(nullptr, "Drop", [this](TObject*) { log += "drop;"; });
    combo->OnCloseUp.Bind(nullptr, "Close", [this](TObject*) { log += "close;"; });
  }
  void UseSelectEvent() {
    combo->OnSelect.Bind(nullptr, "Select", [this](TObject*) { log += "select;"; });
  }
  // A combo client point over item `index` of the dropped list.
  TPoint OverListItem(int index) {
    TCustomListBox* list = combo->ListBox();
    TPoint screen = list->ClientToScreen({10, index * list->ItemHeight() + 3});
    return combo->ScreenToClient(screen);
  }
  TPoint OnButton() { return {combo->ClientWidth() - 5, 8}; }
  TComboBox* combo = nullptr;
  String log;
};

TEST_F(ComboBoxTest, DropDownListChoosesByKeysFiringClickThenSelectOrChange) {
  combo->SetStyle(csDropDownList);
  combo->SetFocus();
  Key(combo, VK_DOWN);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(combo->Text(), "Apple");
  EXPECT_EQ(log, "click;change;");
  UseSelectEvent();
  log.clear();
  Key(combo, VK_END);
  EXPECT_EQ(combo->Text(), "Date");
  Key(combo, VK_DOWN);  // already the last: nothing happens
  EXPECT_EQ(log, "click;select;");
  Key(combo, VK_HOME);
  EXPECT_EQ(combo->ItemIndex(), 0);
  combo->SetText("Cherry");
  EXPECT_EQ(combo->ItemIndex(), 3);
  combo->SetText("Nothing like it");
  EXPECT_EQ(combo->ItemIndex(), 3);
}

TEST_F(ComboBoxTest, ButtonDropsAPopupListBelowAndAReleaseOverAnItemChooses) {
  UseSelectEvent();
  Click(combo, OnButton().x, OnButton().y);
  ASSERT_TRUE(combo->DroppedDown());
  HWND listWindow = combo->ListBox()->Handle();
  EXPECT_EQ(GetWindowLong(listWindow, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_TRUE(IsWindowVisible(listWindow));
  TRect comboRect, listRect;
  GetWindowRect(combo->Handle(), comboRect);
  GetWindowRect(listWindow, listRect);
  EXPECT_EQ(listRect.Top, comboRect.Bottom);
  EXPECT_EQ(listRect.Width(), comboRect.Width());
  EXPECT_EQ(GetCapture(), combo->Handle());
  TPoint item = OverListItem(2);
  combo->Perform(WM_MOUSEMOVE, 0, PointToLParam(item));
  EXPECT_EQ(combo->ListBox()->ItemIndex(), 2);
  Release(combo, item.x, item.y);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(listWindow));
  EXPECT_EQ(combo->ItemIndex(), 2);
  EXPECT_EQ(combo->Text(), "Blueberry");
  EXPECT_EQ(log, "drop;close;click;select;");
}

TEST_F(ComboBoxTest, EscapeOrAClickElsewhereCloseWithoutChoosing) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(1);
  combo->SetFocus();
  Key(combo, VK_F4);
  ASSERT_TRUE(combo->DroppedDown());
  Key(combo, VK_DOWN);
  Key(combo, VK_DOWN);
  EXPECT_EQ(combo->ListBox()->ItemIndex(), 3);
  Key(combo, VK_ESCAPE);
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  combo->Perform(WM_SYSKEYDOWN, VK_DOWN, AltMask | 1);
  ASSERT_TRUE(combo->DroppedDown());
  combo->Perform(WM_MOUSEMOVE, 0, PointToLParam(OverListItem(4)));
  Press(combo, -30, -30);  // outside combo and list
  EXPECT_FALSE(combo->DroppedDown());
  EXPECT_EQ(combo->ItemIndex(), 1);
  Key(combo, VK_F4);
  Key(combo, VK_UP);
  Key(combo, VK_RETURN);
  EXPECT_EQ(combo->ItemIndex(), 0);
  EXPECT_EQ(log, "drop;close;drop;close;drop;close;click;change;");
}

TEST_F(ComboBoxTest, TypingSearchesAListOnlyComboBox) {
  combo->SetStyle(csDropDownList);
  combo->SetFocus();
  Type(combo, "b");
  EXPECT_EQ(combo->Text(), "Banana");
  Type(combo, "l");
  EXPECT_EQ(combo->Text(), "Blueberry");
  static_cast<TTestClock&>(Clock()).Advance(IncrementalSearchTimeout + 1);
  Type(combo, "d");
  EXPECT_EQ(combo->Text(), "Date");
  Type(combo, "q");
  EXPECT_EQ(combo->Text(), "Date");
}

TEST_F(ComboBoxTest, DropDownStyleTypesIntoItsEditAndArrowsChooseItems) {
  combo->SetFocus();
  TCustomEdit* edit = combo->EditControl();
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(edit->Focused());
  EXPECT_TRUE(combo->Focused());
  combo->SetAutoComplete(false);
  Type(edit, "cherry");
  EXPECT_EQ(combo->Text(), "cherry");
  EXPECT_EQ(combo->ItemIndex(), 3);  // names an item, ignoring case
  Type(edit, "!");
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(log, "change;change;change;change;change;change;change;");
  log.clear();
  Key(edit, VK_DOWN);
  EXPECT_EQ(combo->Text(), "Apple");
  EXPECT_EQ(edit->SelLength(), 5);
  Key(edit, VK_F4);
  EXPECT_TRUE(combo->DroppedDown());
  Key(edit, VK_DOWN);
  Key(edit, VK_RETURN);
  EXPECT_EQ(combo->Text(), "Banana");
  combo->SetMaxLength(3);
  edit->SetText("");
  Type(edit, "abcdef");
  EXPECT_EQ(combo->Text(), "abc");
}

TEST_F(ComboBoxTest, TypingCompletesTheFirstItemItStartsWithTheRestSelected) {
  combo->SetFocus();
  TCustomEdit* edit = combo->EditControl();
  Type(edit, "b");
  EXPECT_EQ(combo->Text(), "Banana");
  EXPECT_EQ(edit->SelStart(), 1);
  EXPECT_EQ(edit->SelText(), "anana");
  EXPECT_EQ(combo->ItemIndex(), 1);
  Type(edit, "l");  // the typed "bl" now starts another item
  EXPECT_EQ(combo->Text(), "Blueberry");
  EXPECT_EQ(edit->SelText(), "ueberry");
  Type(edit, "x");  // no item starts so: plain typing
  EXPECT_EQ(combo->Text(), "Blx");
  EXPECT_EQ(combo->ItemIndex(), -1);
  Type(edit, "\b\b");
  EXPECT_EQ(combo->Text(), "B");
  EXPECT_EQ(log, "change;change;change;change;change;");
  combo->SetMaxLength(4);
  edit->SetText("");
  Type(edit, "c");  // "Cherry" would not fit
  EXPECT_EQ(combo->Text(), "c");
}

TEST_F(ComboBoxTest, SimpleStyleShowsItsListUnderTheEdit) {
  combo->SetStyle(csSimple);
  combo->SetHeight(120);
  TCustomListBox* list = combo->ListBox();
  EXPECT_EQ(list->Parent(), combo);
  EXPECT_TRUE(list->Visible());
  EXPECT_GT(list->Top(), 10);
  Click(list, 10, list->ItemHeight() + 2);
  EXPECT_EQ(combo->Text(), "Banana");
  EXPECT_EQ(log, "click;change;");
  Click(combo, OnButton().x, OnButton().y);
  EXPECT_FALSE(combo->DroppedDown());
}

TEST_F(ComboBoxTest, InfoAndMessagesDescribeTheParts) {
  COMBOBOXINFO info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), info));
  EXPECT_EQ(info.rcButton.Width(), GetSystemMetrics(SM_CXVSCROLL));
  EXPECT_EQ(info.rcButton.Right, combo->ClientWidth());
  EXPECT_EQ(info.hwndItem, combo->EditControl()->Handle());
  EXPECT_EQ(info.stateButton, 0u);
  combo->Perform(CB_SHOWDROPDOWN, 1);
  EXPECT_EQ(combo->Perform(CB_GETDROPPEDSTATE), 1);
  GetComboBoxInfo(combo->Handle(), info);
  EXPECT_EQ(info.stateButton, STATE_SYSTEM_PRESSED);
  combo->Perform(CB_SHOWDROPDOWN, 0);
  combo->SetStyle(csDropDownList);
  GetComboBoxInfo(combo->Handle(), info);
  EXPECT_EQ(info.hwndItem, combo->Handle());
  EXPECT_FALSE(GetComboBoxInfo(form_->Handle(), info));

  EXPECT_EQ(combo->Perform(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Elder")), 5);
  EXPECT_EQ(combo->Perform(CB_GETCOUNT), 6);
  EXPECT_EQ(combo->Perform(CB_SETCURSEL, 3), 3);
  EXPECT_EQ(combo->Text(), "Cherry");
  EXPECT_EQ(combo->Perform(CB_SETCURSEL, 17), CB_ERR);
  EXPECT_EQ(combo->ItemIndex(), -1);
  EXPECT_EQ(combo->Perform(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("date")), 4);
  EXPECT_EQ(combo->Perform(CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Bl")), 2);
  EXPECT_EQ(combo->Perform(CB_GETCURSEL), 2);
  EXPECT_EQ(combo->Perform(CB_GETLBTEXTLEN, 9), CB_ERR);
  EXPECT_EQ(combo->Perform(CB_GETEDITSEL), CB_ERR);
  TObject tag;
  combo->Items()->AddObject("Fig", &tag);
  EXPECT_EQ(combo->Perform(CB_GETITEMDATA, 6), reinterpret_cast<LRESULT>(&tag));
  EXPECT_THROW(combo->Items()->Strings(99), EListError);
  combo->Perform(CB_RESETCONTENT);
  EXPECT_EQ(combo->Items()->Count(), 0);
  EXPECT_EQ(log, "drop;close;");  // dropping by message tells; choosing by message does not
}

TEST_F(ComboBoxTest, OwnerDrawnItemsAreDrawnInTheListAndOnTheFace) {
  combo->SetStyle(csOwnerDrawVariable);
  std::vector<std::pair<int, bool>> drawn;  // index, drawn as the face
  combo->OnMeasureItem.Bind(nullptr, "Measure", [](TWinControl*, int index, int& height) { height = 12 + index; });
  combo->OnDrawItem.Bind(nullptr, "Draw", [&](TWinControl* control, int index, TRect r, TOwnerDrawState state) {
    drawn.push_back({index, state.Contains(odComboBoxEdit)});
    auto* box = static_cast<TCustomComboBox*>(control);
    box->Canvas()->Brush()->SetColor(index == 1 ? clRed : clLime);
    box->Canvas()->FillRect(r);
  });
  combo->Items()->Add("Fig");  // measured as it arrives
  EXPECT_EQ(combo->ListBox()->ItemRect(5).Height(), 17);
  combo->SetItemIndex(1);
  PaintControl(combo);
  ASSERT_FALSE(drawn.empty());
  EXPECT_EQ(drawn.back(), std::make_pair(1, true));
  EXPECT_EQ(At(10, 10), Sys(clRed));
  drawn.clear();
  combo->SetDroppedDown(true);
  combo->ListBox()->Repaint();
  Application->ProcessMessages();
  EXPECT_GE(drawn.size(), 6u);
  EXPECT_FALSE(drawn.front().second);
}

TEST_F(ComboBoxTest, FaceShowsTheChoiceHighlightedWhenFocusedAndTheButton) {
  combo->SetStyle(csDropDownList);
  combo->SetItemIndex(0);
  PaintControl(combo);
  TRect face = Rect(3, 3, combo->Width() - 20, combo->Height() - 3);
  EXPECT_EQ(Count(clHighlight, face), 0);
  EXPECT_GT(Count(clWindowText, face), 0);
  EXPECT_EQ(At(combo->Width() - 6, 5), Sys(clBtnFace));  // the button
  combo->SetFocus();
  PaintControl(combo);
  EXPECT_GT(Count(clHighlight, face), 0);
  EXPECT_GT(Count(clHighlightText, face), 0);
}

}  // namespace
