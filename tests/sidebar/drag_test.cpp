#include <gtest/gtest.h>

#include <functional>

#include "platform/core/streams.h"
#include "platform/windows/drag_drop.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/drag_fixture.h"

// Buttons dragged on the bar: the exchanged data, where a drop lands, the effect chosen by
// the keys, and what an internal drop does.

TEST_F(DragTest, DropTargetsCoverWholeRowsWithTheirPositions) {
  int position = 0;
  const TRect first = a_->GetButton(0)->Rects().Button;
  EXPECT_EQ(bar_->Input().Drag().DropTargetAt({1, first.Top + 1}, position), a_->GetButton(0));
  EXPECT_EQ(position, 1);
  EXPECT_EQ(bar_->Input().Drag().DropTargetAt({1, first.Bottom - 1}, position), a_->GetButton(0));
  EXPECT_EQ(position, 2);
  const TRect last = a_->GetButton(2)->Rects().Button;
  EXPECT_EQ(bar_->Input().Drag().DropTargetAt({150, last.Bottom - 1}, position), a_->GetButton(2));
  EXPECT_EQ(position, 3);
  EXPECT_EQ(bar_->Input().Drag().DropTargetAt({5, a_->CaptionRect().Top + 2}, position), nullptr);
}

TEST_F(DragTest, KeysChooseTheEffect) {
  const uint32_t all = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
  EXPECT_EQ(bar_->GetDropEffect(bar_, {}, all), DROPEFFECT_MOVE);
  EXPECT_EQ(bar_->GetDropEffect(nullptr, {}, all), DROPEFFECT_COPY);
  EXPECT_EQ(bar_->GetDropEffect(nullptr, {ssShift}, all), DROPEFFECT_MOVE);
  EXPECT_EQ(bar_->GetDropEffect(bar_, {ssCtrl}, all), DROPEFFECT_COPY);
  EXPECT_EQ(bar_->GetDropEffect(bar_, {ssCtrl, ssShift}, all), DROPEFFECT_LINK);
}

TEST_F(DragTest, DraggingWithinAHeaderReorders) {
  TnbButton* moved = a_->GetButton(0);
  Drag(Centre(moved->Rects().Button), Below(a_->GetButton(2)->Rects().Button));
  EXPECT_EQ(a_->ButtonCount(), 3);
  EXPECT_EQ(a_->GetButton(2), moved);
  EXPECT_EQ(bar_->DraggedButton(), nullptr);
}

// The place is taken from where the button is let go, also where the drag entered the bar and
// dropped there without a move in between (the pointer's moves merged on a busy machine).
TEST_F(DragTest, ADropLandsWhereTheButtonIsLetGoWithoutAMoveBefore) {
  const TPoint behindLast = bar_->ClientToScreen(Below(a_->GetButton(2)->Rects().Button));
  DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), {behindLast});
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 2", "A 3", "A 1"}));
}

TEST_F(DragTest, DraggingIntoAnotherHeaderMovesOrCopies) {
  TnbButton* moved = a_->GetButton(1);
  moved->SetTag(7);
  Drag(Centre(moved->Rects().Button), Below(b_->GetButton(0)->Rects().Button));
  EXPECT_EQ(a_->ButtonCount(), 2);
  ASSERT_EQ(b_->ButtonCount(), 3);
  EXPECT_EQ(b_->GetButton(1)->Tag(), 7);
  Layout();
  Drag(Centre(a_->GetButton(0)->Rects().Button), Below(b_->GetButton(0)->Rects().Button), MK_CONTROL);
  EXPECT_EQ(a_->ButtonCount(), 2);
  EXPECT_EQ(b_->ButtonCount(), 4);
}

TEST_F(DragTest, DroppingOnAnEmptyHeaderAddsTheButton) {
  TnbHeader* empty = AddHeader("Empty");
  b_->SetOpened(false);  // so that the empty header lies within the bar
  Layout();
  Drag(Centre(a_->GetButton(0)->Rects().Button), Centre(empty->CaptionRect()), MK_CONTROL);
  EXPECT_EQ(empty->ButtonCount(), 1);
  EXPECT_EQ(a_->ButtonCount(), 3);
}

TEST_F(DragTest, ModifiersAtThePressOrARefusalStartNoDrag) {
  bar_->OnDragAllowed.Bind(form_, "Allowed", [this](TnbSideBar*, TnbButton* b, bool& allowed) {
    allowed = b != a_->GetButton(2);
  });
  int drags = 0;
  script_->onStep = [&](size_t) { ++drags; };
  const TPoint p = Centre(a_->GetButton(0)->Rects().Button);
  Move(p);
  bar_->Perform(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, PointToLParam(p));
  Move({p.x, p.y + 30});
  Release({p.x, p.y + 30});
  EXPECT_EQ(drags, 0);
  Drag(Centre(a_->GetButton(2)->Rects().Button), Below(b_->GetButton(0)->Rects().Button));
  EXPECT_EQ(b_->ButtonCount(), 2);
}

namespace {

// A drag of the class library (a control dragged with the mouse) told to the bar directly.
struct TClassDrag {
  TControl* dragged;
  TDragObject object{dragged};
  LRESULT Send(TnbSideBar* bar, TDragMessage message, TPoint client, bool docking = false) {
    TDragRec rec;
    rec.Pos = bar->ClientToScreen(client);
    rec.Source = &object;
    rec.Docking = docking;
    return bar->Perform(CM_DRAG, message, reinterpret_cast<LPARAM>(&rec));
  }
};

}  // namespace

TEST_F(DragTest, ControlDragsShowTheDropMarkAndAskTheBar) {
  TClassDrag drag{form_};
  std::vector<TDragState> states;
  TObject* seenSource = nullptr;
  bar_->OnDragOver.Bind(form_, "Over", [&](TnbSideBar*, TObject* source, TShiftState, TDragState state, TPoint,
                                           TnbDropMode, uint32_t&, bool&) {
    states.push_back(state);
    seenSource = source;
  });
  const TPoint p = Below(a_->GetButton(1)->Rects().Button);
  EXPECT_EQ(drag.Send(bar_, dmDragEnter, p), DROPEFFECT_COPY);  // not from a bar: a copy
  EXPECT_EQ(bar_->DropTarget(), a_->GetButton(1));
  EXPECT_EQ(seenSource, form_);
  EXPECT_NE(drag.Send(bar_, dmDragMove, p), 0);
  drag.Send(bar_, dmDragLeave, p);
  EXPECT_EQ(bar_->DropTarget(), nullptr);
  EXPECT_EQ(states, (std::vector<TDragState>{dsDragEnter, dsDragMove, dsDragLeave}));
}

TEST_F(DragTest, ControlDragsRefusedOrDockingAreNotAccepted) {
  TClassDrag drag{form_};
  const TPoint p = Centre(a_->GetButton(0)->Rects().Button);
  EXPECT_EQ(drag.Send(bar_, dmDragEnter, p, true), 0);  // docking: the bar takes no part
  EXPECT_EQ(bar_->DropTarget(), nullptr);
  bar_->OnDragOver.Bind(form_, "Over", [](TnbSideBar*, TObject*, TShiftState, TDragState, TPoint, TnbDropMode,
                                          uint32_t&, bool& accept) { accept = false; });
  EXPECT_EQ(drag.Send(bar_, dmDragEnter, p), 0);
}

TEST_F(DragTest, ControlDropGoesToOnDragDropWithoutData) {
  TClassDrag drag{form_};
  int drops = 0;
  bar_->OnDragDrop.Bind(form_, "Dropped", [&](TnbSideBar*, TObject* source, IDataObject* data,
                                              const std::vector<uint32_t>&, TShiftState, TPoint pt, uint32_t& effect,
                                              TnbDropMode) {
    ++drops;
    EXPECT_EQ(source, form_);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(pt, (TPoint{20, 40}));
    EXPECT_EQ(effect, DROPEFFECT_COPY | DROPEFFECT_MOVE);
  });
  drag.Send(bar_, dmDragEnter, Centre(a_->GetButton(0)->Rects().Button));
  drag.Send(bar_, dmDragDrop, {20, 40});
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(bar_->DropTarget(), nullptr);
  EXPECT_EQ(a_->ButtonCount(), 3);  // nothing is moved by a drop without data
}

TEST_F(DragTest, HoldingADragOverAListBoxPressesIt) {
  TnbHeader* many = AddHeader("Many", 30);
  bar_->SetViewStyle(vsOutlook);
  bar_->SetActiveHeader(many);
  bar_->SetOptions(bar_->Options() + boAutoScroll);
  Layout();
  const TRect down = bar_->ScrollBox(TnbSideBar::ListDown).Rect;
  ASSERT_FALSE(IsRectEmpty(down));
  TClassDrag drag{form_};
  drag.Send(bar_, dmDragMove, Centre(down));
  EXPECT_EQ(bar_->ScrollBox(TnbSideBar::ListDown).State, TnbScrollBox::Pressed);
  drag.Send(bar_, dmDragMove, {5, 5});
  EXPECT_EQ(bar_->ScrollBox(TnbSideBar::ListDown).State, TnbScrollBox::Normal);
}

namespace {

// A bar whose dragged-button record carries one more number.
class TTaggingBar : public TnbSideBar {
 public:
  using TnbSideBar::TnbSideBar;
  void WriteDraggedButton(TStream& stream, TnbButton* button) override {
    TnbSideBar::WriteDraggedButton(stream, button);
    const uint8_t extra[4] = {9, 0, 0, 0};
    stream.WriteBuffer(extra, 4);
  }
};

}  // namespace

TEST_F(DragTest, DescendantsExtendTheDraggedButtonRecord) {
  auto* bar = new TTaggingBar(form_);
  bar->SetParent(form_);
  bar->SetBoundsRect(Bounds(200, 0, 150, 300));
  bar->SetViewStyle(vsExplorerBar);
  bar->Headers()->Add()->Buttons()->Add();
  Paint(bar);
  TClipboardData block;
  const TPoint from = Centre(bar->Header(0)->GetButton(0)->Rects().Button);
  DragAlong(bar, from, {bar->ClientToScreen(from)}, 0, [&](size_t) {
    DataObjectBytes(*bar->DragDropManager(), TnbDragDropManager::ResourceFormat(), block);
  });
  const uint8_t expected[] = {28, 0, 0, 0, 1, 0, 0, 0, 20, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0,
                              0,  0, 0, 0, 0, 0, 0, 0, 9,  0, 0, 0};
  EXPECT_EQ(block, TClipboardData(std::begin(expected), std::end(expected)));
}

TEST_F(DragTest, DraggingUpwardAfterATargetPlacesTheButtonAfterIt) {
  a_->Buttons()->Add()->SetCaption("A 4");
  Layout();
  // Below the middle of "A 2": after it.
  Drag(Centre(a_->GetButton(3)->Rects().Button), Below(a_->GetButton(1)->Rects().Button));
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 1", "A 2", "A 4", "A 3"}));
  Layout();
  // Above the middle of the first button: before it.
  const TRect first = a_->GetButton(0)->Rects().Button;
  Drag(Centre(a_->GetButton(3)->Rects().Button), {first.Left + 5, first.Top + 2});
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 3", "A 1", "A 2", "A 4"}));
}

TEST_F(DragTest, TheDropMarkFollowsThePointerWithinTheBar) {
  const TColor mark = static_cast<TColor>(0x00FF00FF);
  bar_->SetDropMarkColor(mark);
  std::vector<std::pair<TnbButton*, int>> seen;
  std::vector<TColor> under, above;
  TnbButton* second = a_->GetButton(1);
  TnbButton* third = a_->GetButton(2);
  const TRect r1 = second->Rects().Button, r2 = third->Rects().Button;
  // The mark follows the moves after the drag entered the bar.
  const std::vector<TPoint> path = {bar_->ClientToScreen(Below(r1)), bar_->ClientToScreen(Below(r1)),
                                    bar_->ClientToScreen(Below(r2))};
  DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), path, 0, [&](size_t i) {
    seen.emplace_back(bar_->DropTarget(), bar_->DropPosition());
    auto picture = Paint();
    const TRect r = i < 2 ? r1 : r2;
    under.push_back(At(*picture, (r.Left + r.Right) / 2, r.Bottom + 1));
    above.push_back(At(*picture, (r.Left + r.Right) / 2, r.Top - 1));
  });
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[1], std::make_pair(second, 2));
  EXPECT_EQ(under[1], mark) << "a mark under the second button while over it";
  EXPECT_NE(above[1], mark);
  EXPECT_EQ(seen[2], std::make_pair(third, 3)) << "the last button is marked as the end";
  EXPECT_EQ(under[2], mark);
  EXPECT_EQ(bar_->DropTarget(), nullptr) << "no mark stays after the drop";
  EXPECT_EQ(Captions(a_), (std::vector<String>{"A 2", "A 3", "A 1"}));
}

TEST_F(DragTest, ScrollBoxesHeldByADragAreLetGoWhenItLeavesOrDrops) {
  for (int i = 0; i < 4; ++i) AddHeader("More " + std::to_string(i), 3);
  bar_->SetOptions(bar_->Options() + boAutoScroll);
  Layout();
  const TRect down = bar_->ScrollBox(TnbSideBar::ColumnDown).Rect;
  ASSERT_NE(down, kHiddenRect);
  const TPoint onBox = bar_->ClientToScreen(Centre(down));
  const TPoint outside = form_->ClientToScreen({300, 380});
  struct Case {
    const char* how;
    std::vector<TPoint> path;
  };
  for (const Case& c : {Case{"left", {onBox, onBox, outside}}, Case{"dropped", {onBox, onBox}}}) {
    int held = TnbScrollBox::Normal;
    DragAlong(bar_, Centre(a_->GetButton(0)->Rects().Button), c.path, 0, [&](size_t i) {
      if (i == 1) held = bar_->ScrollBox(TnbSideBar::ColumnDown).State;
    });
    EXPECT_EQ(held, int{TnbScrollBox::Pressed}) << c.how;
    EXPECT_EQ(bar_->ScrollBox(TnbSideBar::ColumnDown).State, int{TnbScrollBox::Normal}) << c.how;
    const int offset = bar_->ScrollOffset();
    Clock().Advance(3000);
    Pump();
    EXPECT_EQ(bar_->ScrollOffset(), offset) << c.how << ": the scroll timer stopped";
    EXPECT_EQ(Captions(a_), (std::vector<String>{"A 1", "A 2", "A 3"})) << c.how;
  }
}
