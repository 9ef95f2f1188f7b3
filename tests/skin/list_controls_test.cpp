// Skinned combo box, list box, memo and tree view: border and combo button in every look, and
// attached skinned scroll bars kept in step with the control's scrolling both ways.

#include "platform/core/format.h"
#include "platform/windows/keys.h"
#include "skin/buttons.h"
#include "skin/list_controls.h"
#include "skin/panels.h"
#include "skin/scroll_bar.h"
#include "tests/skin/skin_controls_support.h"

namespace {

constexpr TColor kWhite = static_cast<TColor>(0xFFFFFF);
constexpr TColor kGray = static_cast<TColor>(0x808080);

TColor BorderOf(TskUIStyle style) {
  return style == FromThemeFile ? TThemeFileColours::Border : ColorToRGB(GetInsideThemeColor(style, tkControlBorderColor));
}

// The native bar's state the skinned one stands for.
struct TNative {
  int last = 0;  // the last position a page can start at
  int pos = 0;
  int thumb = 0;
  int thumbTop = 0;
};
TNative NativeBar(TWinControl* control, int kind) {
  SCROLLINFO si;
  si.fMask = SIF_ALL;
  GetScrollInfo(control->Handle(), kind, si);
  SCROLLBARINFO info;
  GetScrollBarInfo(control->Handle(), kind == SB_VERT ? OBJID_VSCROLL : OBJID_HSCROLL, info);
  return {si.nMax - static_cast<int>(si.nPage) + 1, si.nPos, info.xyThumbBottom - info.xyThumbTop, info.xyThumbTop};
}

class SkinListLooks : public SkinControlTest, public ::testing::WithParamInterface<TskUIStyle> {};

TEST_P(SkinListLooks, ListMemoAndTreeWearTheBorder) {
  auto* list = Make<TskListBox>(GetParam(), Bounds(10, 10, 100, 80));
  list->Items()->Add("联系人");
  auto* memo = Make<TskMemo>(GetParam(), Bounds(120, 10, 100, 80));
  memo->Lines()->Add("短信内容");
  auto* tree = Make<TskTreeView>(GetParam(), Bounds(230, 10, 100, 80));
  tree->Items()->AddChild(nullptr, "分组");
  for (TWinControl* control : {static_cast<TWinControl*>(list), static_cast<TWinControl*>(memo), static_cast<TWinControl*>(tree)}) {
    Paint(control);
    EXPECT_EQ(At(0, 0), BorderOf(GetParam())) << control->ClassName();
    EXPECT_EQ(At(99, 40), BorderOf(GetParam())) << control->ClassName();
    EXPECT_EQ(At(1, 40), kWhite) << control->ClassName();
    EXPECT_LT(Count(kWhite, Rect(2, 2, 60, 20)), 58 * 18) << control->ClassName();  // the text is inked
  }
}

TEST_P(SkinListLooks, ComboBoxFramesItselfAndPaintsItsButton) {
  auto* combo = Make<TskComboBox>(GetParam(), Bounds(10, 10, 120, 22));
  combo->SetStyle(csDropDownList);
  combo->Items()->Add("移动");
  combo->SetItemIndex(0);
  const TskUIStyle style = GetParam();
  for (bool enabled : {true, false}) {
    combo->SetEnabled(enabled);
    Paint(combo);
    EXPECT_EQ(At(0, 0), BorderOf(style));
    const int h = combo->Height();
    EXPECT_EQ(At(60, h - 1), BorderOf(style));
    EXPECT_EQ(At(60, 1), kWhite);
    const TRect button = Rect(120 - 16, 2, 120 - 2, h - 2);  // inside the two frames

    const int arrowX = button.Left + button.Width() / 2 - 3 + 3, arrowY = button.Height() / 2;
    if (style == Graphite || style == Pearl) {
      EXPECT_NE(At(button.Left + 1, button.Top + 1), ColorToRGB(combo->ButtonColor()));
    } else {
      const TskUIStyle table = style == FromThemeFile ? Marine : style;
      EXPECT_EQ(combo->ButtonColor(), GetInsideThemeColor(table, tkFormBackgroundColor));
      EXPECT_EQ(At(button.Left + 1, button.Top + 1), ColorToRGB(combo->ButtonColor()));
      EXPECT_EQ(At(button.Left, button.Top + 4), BorderOf(style));
    }
    if (style == Pearl) continue;  // its picture has the arrow
    // A solid triangle, seven pixels wide at the top; disabled, gray over a white copy.
    const TColor ink = enabled ? clBlack : kGray;
    EXPECT_EQ(Count(ink, Rect(arrowX - 3, arrowY, arrowX + 4, arrowY + 4)), 7 + 5 + 3 + 1);
    if (!enabled) {
      EXPECT_EQ(At(arrowX + 3, arrowY + 1), kWhite);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Looks, SkinListLooks, ::testing::ValuesIn(kEveryLook),
                         [](const auto& test) { return StyleName(test.param); });

class SkinAttachedBars : public SkinControlTest {
 protected:
  TskScrollBar* Bar() { return Make<TskScrollBar>(Marine, Bounds(300, 200, 16, 100)); }
};

TEST_F(SkinAttachedBars, MemoShowsTheNativeBarsItsSkinnedBarsStandOver) {
  auto* memo = Make<TskMemo>(Marine, Bounds(10, 10, 200, 120));
  memo->SetWordWrap(false);
  TskScrollBar* v = Bar();
  TskScrollBar* h = Bar();
  memo->SetVScrollBar(v);
  memo->SetHScrollBar(h);
  EXPECT_EQ(memo->ScrollBars(), ssBoth);
  EXPECT_EQ(v->Orientation(), skVertical);
  EXPECT_EQ(h->Orientation(), skHorizontal);
  // Each bar inside the border along its edge, meeting the other one.
  EXPECT_EQ(v->BoundsRect(), Rect(10 + 200 - 2 - 16, 11, 10 + 200 - 2, 11 + 120 - 2 - 16));
  EXPECT_EQ(h->BoundsRect(), Rect(11, 10 + 120 - 2 - 16, 11 + 200 - 2 - 16, 10 + 120 - 2));
  h->SetMax(5);
  memo->SetHScrollBar(nullptr);  // back to a plain bar
  EXPECT_EQ(memo->ScrollBars(), ssVertical);
  EXPECT_EQ(h->Max(), 100);
  EXPECT_TRUE(h->Enabled());
  delete v;
  EXPECT_EQ(memo->VScrollBar(), nullptr);
  EXPECT_EQ(memo->ScrollBars(), ssNone);
}

TEST_F(SkinAttachedBars, MemoAndBarScrollEachOther) {
  auto* memo = Make<TskMemo>(Marine, Bounds(10, 10, 200, 120));
  TskScrollBar* v = Bar();
  memo->SetVScrollBar(v);
  EXPECT_FALSE(v->SliderVisible());  // nothing to scroll yet: the memo keeps the bar, thumbless
  EXPECT_TRUE(v->Visible());
  for (int i = 0; i < 60; ++i) memo->Lines()->Add("第" + IntToStr(i) + "行");
  EXPECT_TRUE(v->SliderVisible());
  EXPECT_EQ(v->Max(), NativeBar(memo, SB_VERT).last);
  memo->SetFocus();
  memo->Perform(WM_KEYDOWN, VK_NEXT);
  EXPECT_GT(memo->TopRow(), 0);
  EXPECT_EQ(v->Position(), memo->TopRow());
  v->SetPosition(20);
  EXPECT_EQ(memo->TopRow(), 20);
  EXPECT_EQ(v->Position(), 20);
  const int thumbAt20 = NativeBar(memo, SB_VERT).thumbTop;
  for (int i = 0; i < 5; ++i) memo->Perform(WM_VSCROLL, SB_LINEDOWN);
  ASSERT_EQ(memo->TopRow(), 25);
  EXPECT_GT(NativeBar(memo, SB_VERT).thumbTop, thumbAt20) << "the native thumb follows the memo's own scrolling";
  v->SetPosition(20);
  v->IncrementButton()->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pos(2, 2));
  v->IncrementButton()->Perform(WM_LBUTTONUP, 0, Pos(2, 2));
  EXPECT_EQ(memo->TopRow(), 21);
}

TEST_F(SkinAttachedBars, ListBarAppearsWhenItemsNoLongerFitAndFollowsBothWays) {
  auto* list = Make<TskListBox>(Marine, Bounds(10, 10, 150, 100));
  TskScrollBar* v = Bar();
  list->SetVScrollBar(v);
  list->Items()->Add("一");
  EXPECT_FALSE(v->Visible());
  EXPECT_EQ(v->BoundsRect(), Rect(10 + 150 - 16 - 2, 11, 10 + 150 - 2, 10 + 100 - 1));
  for (int i = 0; i < 40; ++i) list->Items()->Add("号码" + IntToStr(i));
  EXPECT_TRUE(v->Visible());
  EXPECT_EQ(v->LineButton(), std::max(NativeBar(list, SB_VERT).thumb, TskScrollBar::kMinThumbLength));
  EXPECT_EQ(v->Max(), NativeBar(list, SB_VERT).last);
  list->SetTopIndex(7);
  EXPECT_EQ(v->Position(), 7);
  v->SetPosition(12);
  EXPECT_EQ(list->TopIndex(), 12);
  list->Perform(WM_MOUSEWHEEL, static_cast<WPARAM>(static_cast<uint16_t>(-WHEEL_DELTA)) << 16, 0);
  EXPECT_EQ(v->Position(), list->TopIndex());
  EXPECT_NE(list->TopIndex(), 12);
}

// However the list comes to hold items that all fit (added before the bar is attached, while
// the list is hidden, or restyled later), its bar stays hidden.
TEST_F(SkinAttachedBars, ListBarStaysHiddenWhileAllItemsFit) {
  struct TOrder {
    const char* name;
    bool itemsFirst;
    bool hiddenParent;
    bool restyle;
    int extraItems = 0;   // added, and taken away again after the bar is attached
    int firstHeight = 0;  // a shorter list first, grown to its height at the end
    bool themeFileLater = false;  // list and bar on a theme that loads its file at the end
  };
  const TOrder orders[] = {{"bar first", false, false, false},
                           {"items first", true, false, false},
                           {"hidden parent", true, true, false},
                           {"restyled", true, false, true},
                           {"all", true, true, true},
                           {"items taken away", true, false, false, 30},
                           {"grown to fit", true, false, false, 0, 40},
                           {"theme file loaded later", true, false, false, 0, 0, true}};
  for (const TOrder& order : orders) {
    SCOPED_TRACE(order.name);
    auto* holder = Make<TskGroupBox>(Marine, Bounds(0, 0, 300, 260));
    if (order.hiddenParent) holder->SetVisible(false);
    auto* list = new TskListBox(form_);
    list->SetParent(holder);
    list->SetBounds(12, 108, 130, order.firstHeight > 0 ? order.firstHeight : 130);
    auto* bar = new TskScrollBar(form_);
    bar->SetParent(holder);
    bar->SetBounds(0, 0, 16, 100);
    auto* theme = new TskFileTheme(form_);
    if (order.themeFileLater) {
      list->SetFileTheme(theme);
      list->SetUIStyle(FromThemeFile);
      bar->SetFileTheme(theme);
      bar->SetUIStyle(FromThemeFile);
    }
    auto fill = [list, &order] {
      for (int i = 0; i < 5 + order.extraItems; ++i) list->Items()->Add("号码" + IntToStr(i));
    };
    if (order.itemsFirst) fill();
    list->SetVScrollBar(bar);
    if (!order.itemsFirst) fill();
    for (int i = 0; i < order.extraItems; ++i) list->Items()->Delete(list->Items()->Count() - 1);
    if (order.restyle) holder->SetUIStyle(Pearl);
    if (order.firstHeight > 0) list->SetHeight(130);
    if (order.themeFileLater) theme->SetThemeFile(folder_.File("controls.skn"));
    holder->SetVisible(true);
    Pump();
    SCROLLBARINFO native;
    GetScrollBarInfo(list->Handle(), OBJID_VSCROLL, native);
    EXPECT_NE(native.rgstate[0] & (STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_UNAVAILABLE), 0u) << "the items fit";
    EXPECT_FALSE(bar->Visible());
    delete holder;
    delete theme;
  }
}

// Besides the item messages, the list takes its bar's state again after LB_SETCOUNT and
// message 4, whoever changed the native bar before.
TEST_F(SkinAttachedBars, ListBarFollowsAfterSetCountAndMessageFour) {
  auto* list = Make<TskListBox>(Marine, Bounds(10, 10, 150, 100));
  TskScrollBar* v = Bar();
  list->SetVScrollBar(v);
  for (UINT msg : {LB_SETCOUNT, UINT{4}}) {
    SCOPED_TRACE(msg);
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 49 + static_cast<int>(msg % 7);
    si.nPage = 10;
    si.nPos = 7;
    SetScrollInfo(list->Handle(), SB_VERT, si, false);
    list->Perform(msg, 0, 0);
    EXPECT_EQ(v->Max(), si.nMax - 10 + 1);
    EXPECT_EQ(v->Position(), 7);
  }
}

// A bar too wide (or tall) for its list or tree goes to the control's left (or top) edge.
TEST_F(SkinAttachedBars, ABarLargerThanItsListOrTreeStandsAtItsEdge) {
  auto* list = Make<TskListBox>(Marine, Bounds(10, 10, 12, 100));
  auto* tree = Make<TskTreeView>(Marine, Bounds(40, 10, 12, 12));
  TskScrollBar* lv = Bar();
  TskScrollBar* tv = Bar();
  TskScrollBar* th = Bar();
  list->SetVScrollBar(lv);
  tree->SetVScrollBar(tv);
  tree->SetHScrollBar(th);
  for (int i = 0; i < 40; ++i) {
    list->Items()->Add("号码" + IntToStr(i));
    tree->Items()->AddChild(nullptr, "很长很长很长的分组名称" + IntToStr(i));
  }
  EXPECT_EQ(lv->Left(), 10);
  EXPECT_EQ(lv->Top(), 11);
  EXPECT_EQ(tv->Left(), 40);
  EXPECT_EQ(th->Top(), 10);
}

// A position past 65535 reaches the control whole, not cut to the message's 16-bit word.
TEST_F(SkinAttachedBars, PositionsBeyondSixteenBitsScrollTheWholeWay) {
  auto* list = Make<TskListBox>(Marine, Bounds(10, 10, 150, 100));
  TskScrollBar* v = Bar();
  list->SetVScrollBar(v);
  list->Items()->BeginUpdate();
  for (int i = 0; i < 70000; ++i) list->Items()->Add(IntToStr(i));
  list->Items()->EndUpdate();
  v->SetPosition(69000);
  EXPECT_EQ(list->TopIndex(), 69000);
  list->SetTopIndex(68000);
  EXPECT_EQ(v->Position(), 68000);
}

TEST_F(SkinAttachedBars, TreeAndBarScrollEachOtherAndFollowTheStyle) {
  auto* tree = Make<TskTreeView>(Marine, Bounds(10, 10, 150, 100));
  TskScrollBar* v = Bar();
  TskScrollBar* h = Bar();
  tree->SetVScrollBar(v);
  tree->SetHScrollBar(h);
  EXPECT_EQ(v->SmallChange(), TskTreeView::kBarSmallChange);
  for (int i = 0; i < 30; ++i) tree->Items()->AddChild(nullptr, "分组" + IntToStr(i));
  EXPECT_TRUE(v->Visible());
  EXPECT_FALSE(h->Visible());  // the tree never scrolls sideways
  EXPECT_EQ(v->Height(), 100 - 2);
  tree->SetFocus();
  tree->Perform(WM_KEYDOWN, VK_END);
  EXPECT_EQ(v->Position(), tree->TopRow());
  EXPECT_EQ(v->Position(), NativeBar(tree, SB_VERT).last);
  v->SetPosition(3);
  EXPECT_EQ(tree->TopRow(), 3);
  Styled(tree, FromThemeFile);
  EXPECT_EQ(v->UIStyle(), FromThemeFile);
  EXPECT_EQ(v->FileTheme(), Theme());
  tree->SetUIStyle(Graphite);
  EXPECT_EQ(v->UIStyle(), Graphite);
}

}  // namespace
