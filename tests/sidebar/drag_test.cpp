#include <gtest/gtest.h>

#include "platform/core/streams.h"
#include "platform/windows/drag_drop.h"
#include "platform/windows/keys.h"
#include "platform/windows/messages.h"
#include "tests/sidebar/sidebar_fixture.h"

// Buttons dragged on the bar: the exchanged data, where a drop lands, the effect chosen by
// the keys, and what an internal drop does.

namespace {

// Carries a drag straight to one point of the bar: enter, move, drop there.
class TDropAtPoint : public TDragDropService {
 public:
  HWND window = nullptr;
  TPoint screen{};
  uint32_t keys = 0;
  TDragResult Run(IDataObject* data, IDropSource*, uint32_t okEffects, uint32_t& effect) override {
    IDropTarget* target = DropTargetAt(window);
    if (target == nullptr) return DRAGDROP_S_CANCEL;
    uint32_t e = okEffects;
    target->DragEnter(data, keys, screen, e);
    e = okEffects;
    target->DragOver(keys, screen, e);
    target->Drop(data, keys, screen, e);
    effect = e;
    return DRAGDROP_S_DROP;
  }
};

class DragTest : public SidebarTest {
 protected:
  void SetUp() override {
    SidebarTest::SetUp();
    auto service = std::make_unique<TDropAtPoint>();
    drop_ = service.get();
    SetDragDropService(std::move(service));
    bar_->SetViewStyle(vsExplorerBar);
    a_ = AddHeader("A", 3);
    b_ = AddHeader("B", 2);
    Layout();
  }
  void TearDown() override {
    SetDragDropService(nullptr);
    SidebarTest::TearDown();
  }
  // Presses on `from`, and drags it to `to` (client points), with modifier `keys`.
  void Drag(TPoint from, TPoint to, uint32_t keys = 0) {
    drop_->window = bar_->Handle();
    drop_->screen = bar_->ClientToScreen(to);
    drop_->keys = keys;
    Move(from);
    Press(from);
    Move({from.x, from.y + 30});
  }
  static TPoint Below(const TRect& r) { return {(r.Left + r.Right) / 2, r.Bottom - 2}; }
  TDropAtPoint* drop_ = nullptr;
  TnbHeader* a_ = nullptr;
  TnbHeader* b_ = nullptr;
};

}  // namespace

TEST_F(DragTest, ResourceDataNamesTheHeaderAndButton) {
  auto data = TnbDragDropManager(bar_).MakeData(bar_->Header(1)->GetButton(1));
  TClipboardData block;
  ASSERT_TRUE(data->GetData(TnbDragDropManager::ResourceFormat(), block));
  const uint8_t expected[] = {24, 0, 0, 0, 1, 0, 0, 0, 16, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(block, TClipboardData(std::begin(expected), std::end(expected)));
  EXPECT_EQ(data->Formats().front(), TnbDragDropManager::ReferenceFormat());
  EXPECT_EQ(TnbDragDropManager::SourceBar(data.get()), bar_);
}

TEST_F(DragTest, DataFromAnotherProcessHasNoSourceBar) {
  auto data = TnbDragDropManager(bar_).MakeData(a_->GetButton(0));
  TClipboardData block;
  data->GetData(TnbDragDropManager::ReferenceFormat(), block);
  block[4] ^= 0x5A;  // another process id
  TDataObject foreign;
  foreign.SetData(TnbDragDropManager::ReferenceFormat(), block);
  EXPECT_EQ(TnbDragDropManager::SourceBar(&foreign), nullptr);
  TDataObject text;
  text.SetData(CF_TEXT, {'h', 'i'});
  EXPECT_EQ(TnbDragDropManager::SourceBar(&text), nullptr);
}

TEST_F(DragTest, DropTargetsCoverWholeRowsWithTheirPositions) {
  int position = 0;
  const TRect first = a_->GetButton(0)->Rects().Button;
  EXPECT_EQ(bar_->DropTargetAt({1, first.Top + 1}, position), a_->GetButton(0));
  EXPECT_EQ(position, 1);
  EXPECT_EQ(bar_->DropTargetAt({1, first.Bottom - 1}, position), a_->GetButton(0));
  EXPECT_EQ(position, 2);
  const TRect last = a_->GetButton(2)->Rects().Button;
  EXPECT_EQ(bar_->DropTargetAt({150, last.Bottom - 1}, position), a_->GetButton(2));
  EXPECT_EQ(position, 3);
  EXPECT_EQ(bar_->DropTargetAt({5, a_->CaptionRect().Top + 2}, position), nullptr);
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
  Layout();
  Drag(Centre(a_->GetButton(0)->Rects().Button), Centre(empty->CaptionRect()), MK_CONTROL);
  EXPECT_EQ(empty->ButtonCount(), 1);
  EXPECT_EQ(a_->ButtonCount(), 3);
}

TEST_F(DragTest, ModifiersAtThePressOrARefusalStartNoDrag) {
  bar_->OnDragAllowed.Bind(form_, "Allowed", [this](TnbSideBar*, TnbButton* b, bool& allowed) {
    allowed = b != a_->GetButton(2);
  });
  const TPoint p = Centre(a_->GetButton(0)->Rects().Button);
  drop_->window = bar_->Handle();
  drop_->screen = bar_->ClientToScreen(Below(b_->GetButton(0)->Rects().Button));
  Move(p);
  bar_->Perform(WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, PointToLParam(p));
  Move({p.x, p.y + 30});
  Release({p.x, p.y + 30});
  EXPECT_EQ(b_->ButtonCount(), 2);
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
  TnbHeader* h = bar->Headers()->Add();
  h->Buttons()->Add();
  auto data = TnbDragDropManager(bar).MakeData(h->GetButton(0));
  TClipboardData block;
  ASSERT_TRUE(data->GetData(TnbDragDropManager::ResourceFormat(), block));
  const uint8_t expected[] = {28, 0, 0, 0, 1, 0, 0, 0, 20, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0,
                              0,  0, 0, 0, 0, 0, 0, 0, 9,  0, 0, 0};
  EXPECT_EQ(block, TClipboardData(std::begin(expected), std::end(expected)));
}
