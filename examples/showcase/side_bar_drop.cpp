#include "examples/showcase/side_bar_drop.h"

#include <algorithm>
#include <cstdint>

#include "examples/showcase/showcase_side_bar.h"
#include "platform/core/streams.h"
#include "platform/windows/data_object.h"
#include "sidebar/drag_drop_manager.h"

namespace {

constexpr uint32_t kCommandRecord = 3;

// Where a dropped command goes: after the drop target (before it when the mark stood above
// the first button), at the top of an empty header the drag was over, else at the top of
// the active header.
TnbHeader* DropPlace(TnbSideBar* bar, int& index) {
  TnbButton* target = bar->DropTarget();
  if (target != nullptr && target->Header() != nullptr) {
    index = bar->DropPosition() == 1 ? target->Index() : target->Index() + 1;
    return target->Header();
  }
  index = 0;
  return bar->AutoChangeCandidate() != nullptr ? bar->AutoChangeCandidate() : bar->ActiveHeader();
}

}  // namespace

void TShowcaseSideBar::WriteDraggedButton(TStream& stream, TnbButton* button) {
  TnbSideBar::WriteDraggedButton(stream, button);
  nbWriteDragRecord(stream, kCommandRecord, static_cast<uint32_t>(button->Tag()));
}

std::optional<int> DroppedSideBarCommand(IDataObject* data) {
  TClipboardData block;
  if (data == nullptr || !DataObjectBytes(*data, TnbDragDropManager::ResourceFormat(), block)) return std::nullopt;
  const std::optional<uint32_t> command = nbFindDragRecord(block, kCommandRecord);
  if (!command) return std::nullopt;
  return static_cast<int>(*command);
}

bool TakeSideBarDropFromElsewhere(TnbSideBar* bar, IDataObject* data, const TNotifyEvent& click) {
  const std::optional<int> command = DroppedSideBarCommand(data);
  if (!command) return false;
  int index = 0;
  TnbHeader* header = DropPlace(bar, index);
  if (header == nullptr) return false;
  TnbUpdateLock lock(bar);
  TnbButton* own = SideBarButtonFor(bar, *command);
  if (own != nullptr && own->Header() == header) {
    own->SetIndex(own->Index() < index ? index - 1 : index);
    return true;
  }
  TnbButton* placed = header->Buttons()->Insert(std::min(index, header->ButtonCount()));
  if (own != nullptr) {
    // The page's button stays the marked one where it went.
    const bool selected = own->Header()->SelectedIndex() == own->Index();
    placed->Assign(own);
    delete own;
    if (selected) header->SetSelectedIndex(placed->Index());
    return true;
  }
  if (FillSideBarButton(placed, *command, click)) return true;
  delete placed;  // a command this showcase does not know
  return false;
}

void AcceptSideBarDropsFromElsewhere(TnbSideBar* bar, const TNotifyEvent& click) {
  // Bound without a method name: the handler is the program's, not part of a stored layout.
  bar->OnDragDrop.Bind(bar, "", [bar, click](TnbSideBar*, TObject* source, IDataObject* data,
                                            const std::vector<uint32_t>&, TShiftState, TPoint, uint32_t& effect,
                                            TnbDropMode) {
    if (source != nullptr) return;
    if (!TakeSideBarDropFromElsewhere(bar, data, click)) effect = DROPEFFECT_NONE;
  });
}
