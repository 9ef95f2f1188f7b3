// Whatever a user types or clicks, in any order, leaves the standard controls whole.
#include <random>

#include "platform/controls/combo_box.h"
#include "platform/controls/list_box.h"
#include "platform/controls/memo.h"
#include "platform/controls/menus.h"
#include "platform/controls/scroll_bar.h"
#include "platform/controls/tree_view.h"
#include "tests/controls/std_control_fixture.h"

namespace {

class StdControlsInputTest : public StdControlTest {
 protected:
  // Sends `count` random keys, characters, clicks, drags, wheel turns and scroll codes.
  void Storm(TWinControl* c, int count, unsigned start) {
    std::mt19937 rng(start);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const uint16_t keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_RETURN,
                             VK_ESCAPE, VK_DELETE, VK_BACK, VK_SPACE, VK_F4, VK_ADD, VK_SUBTRACT, VK_MULTIPLY, 'A', 'V', 'X'};
    const char32_t chars[] = {'a', 'B', '\r', '\b', '\t', 0x1B, 0x4E2D, 0xD83D, 0xDE00, 0xDC00, 0x110000, 0x7F, ' ', 'z'};
    for (int i = 0; i < count; ++i) {
      int x = pick(c->Width() + 80) - 40, y = pick(c->Height() + 80) - 40;
      switch (pick(8)) {
        case 0: Key(c, keys[pick(20)], pick(3) == 0 ? TShiftState{ssShift} : pick(4) == 0 ? TShiftState{ssCtrl} : TShiftState{}); break;
        case 1: c->Perform(WM_CHAR, chars[pick(14)], 1); break;
        case 2: Press(c, x, y, pick(3) == 0 ? MK_SHIFT : pick(3) == 0 ? MK_CONTROL : 0); break;
        case 3: Drag(c, x, y); break;
        case 4: Release(c, x, y); break;
        case 5: c->Perform(WM_MOUSEWHEEL, MakeWParam(0, pick(2) ? WHEEL_DELTA : -WHEEL_DELTA), PointToLParam(c->ClientToScreen({x, y}))); break;
        case 6: c->Perform(WM_VSCROLL, static_cast<WPARAM>(pick(9))); break;
        default: c->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(x, y)); break;
      }
    }
    Release(c, 0, 0);
    PaintControl(c);
  }
};

TEST_F(StdControlsInputTest, ListBoxesKeepTheirSelectionInRange) {
  for (bool multi : {false, true}) {
    auto* box = Make<TListBox>(Bounds(10, 10, 150, 100));
    box->SetMultiSelect(multi);
    for (int i = 0; i < 30; ++i) box->Items()->Add("item " + std::to_string(i));
    Storm(box, 1500, multi ? 7u : 3u);
    EXPECT_GE(box->ItemIndex(), -1);
    EXPECT_LT(box->ItemIndex(), box->Count());
    EXPECT_LE(box->TopIndex(), box->Count());
    delete box;
  }
}

TEST_F(StdControlsInputTest, ComboBoxesOfEveryStyleSurvive) {
  for (TComboBoxStyle style : {csDropDown, csSimple, csDropDownList, csOwnerDrawFixed}) {
    auto* combo = Make<TComboBox>(Bounds(10, 10, 150, 21));
    combo->SetStyle(style);
    for (const char* s : {"Apple", "Banana", "Cherry", "中文"}) combo->Items()->Add(s);
    Storm(combo->EditControl() ? static_cast<TWinControl*>(combo->EditControl()) : combo, 1500, 11u + style);
    Storm(combo, 1500, 5u + style);
    EXPECT_LT(combo->ItemIndex(), combo->Items()->Count());
    combo->SetDroppedDown(false);
    delete combo;
  }
}

TEST_F(StdControlsInputTest, MemoTextStaysValidText) {
  auto* memo = Make<TMemo>(Bounds(10, 10, 150, 100));
  memo->SetScrollBars(ssBoth);
  memo->SetText("first line\r\nsecond line that is long enough to wrap around\r\n\r\nlast");
  Storm(memo, 1500, 13u);
  memo->SetWordWrap(false);
  Storm(memo, 1000, 17u);
  EXPECT_TRUE(IsValidUtf8(memo->Text()));
  EXPECT_LE(memo->SelStart() + memo->SelLength(), CharLength(memo->Text()));
}

TEST_F(StdControlsInputTest, TreeViewsAndScrollBarsSurvive) {
  auto* tree = Make<TTreeView>(Bounds(10, 10, 150, 100));
  for (int i = 0; i < 10; ++i) {
    TTreeNode* node = tree->Items()->Add(nullptr, "node " + std::to_string(i));
    for (int j = 0; j < 3; ++j) tree->Items()->AddChild(node, "child");
  }
  Storm(tree, 1500, 19u);
  EXPECT_LE(tree->TopRow(), tree->VisibleRowCount());
  auto* bar = Make<TScrollBar>(Bounds(10, 150, 150, 17));
  bar->SetPageSize(10);
  Storm(bar, 1000, 23u);
  EXPECT_GE(bar->Position(), bar->Min());
  EXPECT_LE(bar->Position(), bar->Max() - bar->PageSize() + 1);
}

TEST_F(StdControlsInputTest, OpenPopupMenusTakeAnyKey) {
  auto* menu = new TPopupMenu(form_);
  for (const char* caption : {"&One", "-", "&Two", "T&hree"}) {
    auto* item = new TMenuItem(form_);
    item->SetCaption(caption);
    menu->Items()->Add(item);
  }
  auto* sub = new TMenuItem(form_);
  sub->SetCaption("&Sub");
  menu->Items()->Items(0)->Add(sub);
  std::mt19937 rng(29u);
  const uint16_t keys[] = {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_RETURN, VK_ESCAPE};
  for (int i = 0; i < 500; ++i) {
    if (!menu->IsOpen()) menu->Popup(100, 100);
    HWND focus = GetFocus();
    ASSERT_NE(FindControl(focus), nullptr);
    if (rng() % 3) FindControl(focus)->Perform(WM_KEYDOWN, keys[rng() % 8], 1);
    else FindControl(focus)->Perform(WM_CHAR, "otshx"[rng() % 5], 1);
  }
  menu->CloseMenu();
}

}  // namespace
