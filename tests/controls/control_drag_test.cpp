#include "tests/controls/control_fixture.h"

#include "platform/windows/cursors.h"

namespace {

class ControlDrag : public ControlTest {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    form = MakeForm();
    source = AddControl(form, Bounds(0, 0, 50, 50));
    target = AddControl(form, Bounds(200, 0, 50, 50));
    label = AddGraphic(form, Bounds(100, 100, 40, 20));
    target->OnDragOver.Bind(form, "Over", [this](TObject*, TObject* src, int x, int y, TDragState state, bool& accept) {
      overs.push_back({state, {x, y}});
      accept = src == source;
    });
    target->OnDragDrop.Bind(form, "Drop", [this](TObject*, TObject* src, int x, int y) {
      dropped = src;
      dropAt = {x, y};
    });
    source->OnEndDrag.Bind(form, "End", [this](TObject*, TObject* on, int, int) {
      endedOn = on;
      ++ends;
    });
  }
  // A drag starts where the pointer is: on the source.
  void BeginDragOnSource(bool immediate, int threshold = -1) {
    Move(source, 5, 5);
    source->BeginDrag(immediate, threshold);
  }
  void Move(TControl* c, int x, int y) {
    InjectMouseMove(At(c, x, y));
    Pump();
  }

  TForm* form = nullptr;
  TTestControl* source = nullptr;
  TTestControl* target = nullptr;
  TTestGraphic* label = nullptr;
  std::vector<std::pair<TDragState, TPoint>> overs;
  TObject* dropped = nullptr;
  TPoint dropAt;
  TObject* endedOn = nullptr;
  int ends = 0;
};

TEST_F(ControlDrag, AutomaticDragStartsPastTheThresholdAndDropsOnATargetThatAccepts) {
  source->SetDragMode(dmAutomatic);
  int clicks = 0;
  source->OnClick.Bind(form, "Click", [&](TObject*) { ++clicks; });
  InjectMouseButton(mbLeft, true, At(source, 10, 10));
  Pump();
  EXPECT_TRUE(source->Dragging());
  Move(source, 12, 12);
  EXPECT_TRUE(overs.empty()) << "below the threshold nothing is dragged yet";
  Move(label, 5, 5);
  EXPECT_EQ(GetCursor(), IDC_NO) << "over a control that takes nothing the pointer says so";
  Move(target, 5, 6);
  EXPECT_EQ(GetCursor(), Screen->Cursors(source->DragCursor()));
  Move(target, 7, 8);
  InjectMouseButton(mbLeft, false, At(target, 7, 8));
  Pump();
  ASSERT_EQ(overs.size(), 2u);
  EXPECT_EQ(overs[0].first, dsDragEnter);
  EXPECT_EQ(overs[0].second, Point(5, 6));
  EXPECT_EQ(overs[1].first, dsDragMove);
  EXPECT_EQ(dropped, source);
  EXPECT_EQ(dropAt, Point(7, 8));
  EXPECT_EQ(endedOn, target);
  EXPECT_EQ(ends, 1);
  EXPECT_FALSE(source->Dragging());
  EXPECT_FALSE(source->MouseCapture());
  EXPECT_EQ(clicks, 0) << "an automatic drag takes the press, so there is no click";
}

TEST_F(ControlDrag, LeavingATargetTellsItAndDroppingNowhereEndsWithoutTarget) {
  BeginDragOnSource(true);
  Move(target, 5, 5);
  Move(label, 5, 5);
  InjectMouseButton(mbLeft, false, At(label, 5, 5));
  Pump();
  ASSERT_EQ(overs.size(), 2u);
  EXPECT_EQ(overs[1].first, dsDragLeave);
  EXPECT_EQ(dropped, nullptr);
  EXPECT_EQ(endedOn, nullptr);
  EXPECT_EQ(ends, 1);
}

TEST_F(ControlDrag, EscapeCancelsAndAReleaseBeforeTheThresholdIsNoDrag) {
  BeginDragOnSource(true);
  Move(target, 5, 5);
  InjectKeyStroke(VK_ESCAPE);
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(dropped, nullptr);
  EXPECT_EQ(overs.back().first, dsDragLeave);
  BeginDragOnSource(false, 10);
  Move(source, 3, 3);
  InjectMouseButton(mbLeft, false, At(source, 3, 3));
  Pump();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(ends, 2);
}

TEST_F(ControlDrag, GraphicControlsAreTargetsAndAFreedTargetIsForgotten) {
  bool labelAsked = false;
  label->OnDragOver.Bind(form, "LabelOver", [&](TObject*, TObject*, int, int, TDragState, bool& accept) {
    labelAsked = true;
    accept = true;
  });
  BeginDragOnSource(true);
  Move(label, 5, 5);
  EXPECT_TRUE(labelAsked);
  delete label;
  label = nullptr;
  Move(form, 150, 150);
  InjectMouseButton(mbLeft, false, At(form, 150, 150));
  Pump();
  EXPECT_FALSE(source->Dragging());
}

}  // namespace
