#pragma once

#include <memory>
#include <optional>

#include "platform/windows/drag_drop.h"
#include "sidebar/format_etc_list.h"
#include "sidebar/sidebar_types.h"

class TStream;

// The bar's side of drag and drop: the drop target registered for its window, the drop
// source of a drag that starts on it, and the data such a drag offers: which bar of which
// process it comes from ("nbSideBar Reference") and which button it carries
// ("nbSideBar Resource"). Both travel in global memory as a 32-bit byte count followed by
// that many bytes.
//
// One manager serves a bar for its whole life. A drag holds it too, so a bar freed during its
// own drag leaves a manager that renders nothing and takes no drops.
class TnbDragDropManager : public IDropTarget,
                           public IDropSource,
                           public IDataObject,
                           public std::enable_shared_from_this<TnbDragDropManager> {
 public:
  explicit TnbDragDropManager(TnbSideBar* bar);
  static TClipboardFormat ReferenceFormat();
  static TClipboardFormat ResourceFormat();

  // The bar of this process that offered `data`: nil for data of another process, of a bar
  // that is gone, or without a Reference record.
  static TnbSideBar* SourceBar(IDataObject* data);
  // The source bar of the drag over the bar now (nil as above, or when none).
  TnbSideBar* CurrentSource() const;
  TnbSideBar* Bar() const { return bar_; }
  // The bar is being destroyed: nothing of it is rendered or told any more.
  void BarGone() { bar_ = nullptr; }
  const TnbFormatEtcList& FormatList() const { return *formats_; }

  HRESULT DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) override;
  HRESULT DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) override;
  HRESULT DragLeave() override;
  HRESULT Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) override;

  // Escape or both buttons cancel; letting go of both buttons drops.
  HRESULT QueryContinueDrag(bool escapePressed, uint32_t keyState) override;
  HRESULT GiveFeedback(uint32_t) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

  HRESULT GetData(const FORMATETC& format, STGMEDIUM& medium) override;
  HRESULT GetDataHere(const FORMATETC&, STGMEDIUM&) override { return E_NOTIMPL; }
  HRESULT QueryGetData(const FORMATETC& format) override { return QueryFormatEtc(formats_->Items(), format); }
  HRESULT GetCanonicalFormatEtc(const FORMATETC& in, FORMATETC& out) override;
  // Records the format (replacing those of its number) but takes no data: always E_FAIL.
  HRESULT SetData(const FORMATETC& format, STGMEDIUM& medium, bool release) override;
  HRESULT EnumFormatEtc(uint32_t direction, std::unique_ptr<IEnumFORMATETC>& enumerator) override;
  HRESULT DAdvise(const FORMATETC&, uint32_t, IAdviseSink*, uint32_t&) override { return E_NOTIMPL; }
  HRESULT DUnadvise(uint32_t) override { return E_NOTIMPL; }
  HRESULT EnumDAdvise(std::unique_ptr<IEnumSTATDATA>* enumerator) override;

 private:
  TClipboardData Payload(TClipboardFormat format) const;
  // Runs a call of the drop target; an error inside it is reported and answered as a failure
  // that performs nothing, never passed on to whoever runs the drag.
  template <typename Call>
  HRESULT Guarded(uint32_t* effect, Call&& call);

  TnbSideBar* bar_;
  uint32_t barId_;
  std::unique_ptr<TnbFormatEtcList> formats_;
  uint32_t sourceId_ = 0;
};

// Writes the dragged-button record: kind 2, its length 8, the header index and the button
// index, each a little-endian 32-bit integer, the length filled in after the contents.
void nbWriteDraggedButton(TStream& stream, TnbButton* button);
// An application's own record in the dragged button's data: kind, length 4, `value`.
void nbWriteDragRecord(TStream& stream, uint32_t kind, uint32_t value);
// The value of the first such record of `kind` in a Resource block (its byte count, then
// the bar's chunk of records), if the block holds one whole.
std::optional<uint32_t> nbFindDragRecord(const TClipboardData& block, uint32_t kind);
