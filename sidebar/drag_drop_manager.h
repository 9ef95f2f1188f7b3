#pragma once

#include <memory>

#include "platform/windows/drag_drop.h"
#include "sidebar/sidebar_types.h"

class TStream;

// The bar's side of drag and drop: the drop target registered for its window, the drop
// source of a drag that starts on it, and the data such a drag offers: which bar of which
// process it comes from ("nbSideBar Reference") and which button it carries
// ("nbSideBar Resource"). Both are a 32-bit byte count followed by that many bytes.
class TnbDragDropManager : public IDropTarget, public IDropSource {
 public:
  explicit TnbDragDropManager(TnbSideBar* bar) : bar_(bar) {}
  static TClipboardFormat ReferenceFormat();
  static TClipboardFormat ResourceFormat();

  // The data of a drag of `button` from this bar: the Reference record, then the Resource.
  std::unique_ptr<TDataObject> MakeData(TnbButton* button);
  // The bar of this process that offered `data`, or nil (another process, a bar that is gone,
  // data without a Reference record).
  static TnbSideBar* SourceBar(IDataObject* data);
  TnbSideBar* CurrentSource() const { return source_; }

  void DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) override;
  void DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) override;
  void DragLeave() override;
  void Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) override;

 private:
  TnbSideBar* bar_;
  TnbSideBar* source_ = nullptr;
};

// Writes the dragged-button record: kind 2, its length 8, the header index and the button
// index, each a little-endian 32-bit integer, the length filled in after the contents.
void nbWriteDraggedButton(TStream& stream, TnbButton* button);
