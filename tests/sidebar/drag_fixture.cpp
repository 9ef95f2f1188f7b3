#include "tests/sidebar/drag_fixture.h"

#include "platform/windows/input.h"
#include "platform/windows/keys.h"

void DragTest::SetUp() {
  SidebarTest::SetUp();
  auto service = std::make_unique<TScriptedDrag>();
  script_ = service.get();
  SetDragDropService(std::move(service));
  bar_->SetViewStyle(vsExplorerBar);
  a_ = AddHeader("A", 3);
  b_ = AddHeader("B", 2);
  Layout();
}

void DragTest::TearDown() {
  SetDragDropService(nullptr);
  for (uint16_t key : {VK_SHIFT, VK_CONTROL}) InjectKey(key, false);
  SidebarTest::TearDown();
}

void DragTest::Pump() { Application->ProcessMessages(); }

void DragTest::DragAlong(TnbSideBar* bar, TPoint from, std::vector<TPoint> path, uint32_t keys,
                         std::function<void(size_t)> onStep) {
  const auto alive = bar->AliveToken();
  script_->path = std::move(path);
  script_->onStep = [&, keys](size_t i) {
    if (i == 0 && (keys & MK_SHIFT)) InjectKey(VK_SHIFT, true);
    if (i == 0 && (keys & MK_CONTROL)) InjectKey(VK_CONTROL, true);
    if (onStep) onStep(i);
  };
  const TPoint start = bar->ClientToScreen(from);
  InjectMouseMove(start);
  Pump();
  InjectMouseButton(mbLeft, true, start);
  Pump();
  InjectMouseMove({start.x, start.y + 12});
  Pump();
  for (uint16_t key : {VK_SHIFT, VK_CONTROL}) InjectKey(key, false);
  Pump();
  script_->onStep = nullptr;
  if (*alive) {
    EXPECT_EQ(bar->DraggedButton(), nullptr) << "the drag is over";
  }
}

void DragTest::Drag(TPoint from, TPoint to, uint32_t keys) {
  const TPoint at = bar_->ClientToScreen(to);
  DragAlong(bar_, from, {at, at}, keys);
}

std::vector<String> DragTest::Captions(TnbHeader* h) {
  std::vector<String> captions;
  for (int i = 0; i < h->ButtonCount(); ++i) captions.push_back(h->GetButton(i)->Caption());
  return captions;
}
