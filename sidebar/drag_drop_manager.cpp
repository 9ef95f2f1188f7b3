// The side bar's drag and drop data: its formats offered and accepted.
#include "sidebar/drag_drop_manager.h"

#include <algorithm>
#include <cstring>

#include "platform/controls/application.h"
#include "platform/core/streams.h"
#include "platform/windows/keys.h"
#include "sidebar/live_bars.h"
#include "sidebar/side_bar.h"

namespace {

void WriteU32(TStream& s, uint32_t v) {
  const uint8_t bytes[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
  s.WriteBuffer(bytes, 4);
}

uint32_t ReadU32(const TClipboardData& d, size_t at) {
  return d[at] | d[at + 1] << 8 | d[at + 2] << 16 | uint32_t{d[at + 3]} << 24;
}

// A record {kind, length, contents}: the length is filled in once the contents are written.
template <typename F>
void WriteChunk(TStream& s, uint32_t kind, F&& contents) {
  const int64_t start = s.Position();
  WriteU32(s, kind);
  WriteU32(s, 0);
  contents();
  const int64_t end = s.Position();
  s.SetPosition(start + 4);
  WriteU32(s, static_cast<uint32_t>(end - start - 8));
  s.SetPosition(end);
}

TClipboardData StreamBytes(TMemoryStream& s) {
  const auto* bytes = static_cast<const uint8_t*>(s.Memory());
  return TClipboardData(bytes, bytes + s.Size());
}

// The block a format travels in: a 32-bit byte count, then the bytes.
STGMEDIUM BlockMedium(const TClipboardData& payload) {
  TMemoryStream block;
  WriteU32(block, static_cast<uint32_t>(payload.size()));
  block.WriteBuffer(payload.data(), static_cast<int64_t>(payload.size()));
  return GlobalMedium(StreamBytes(block));
}

}  // namespace

TClipboardFormat TnbDragDropManager::ReferenceFormat() {
  static const TClipboardFormat format = RegisterClipboardFormat("nbSideBar Reference");
  return format;
}

TClipboardFormat TnbDragDropManager::ResourceFormat() {
  static const TClipboardFormat format = RegisterClipboardFormat("nbSideBar Resource");
  return format;
}

void nbWriteDraggedButton(TStream& stream, TnbButton* button) {
  WriteChunk(stream, 2, [&] {
    WriteU32(stream, static_cast<uint32_t>(button->Header() ? button->Header()->Index() : -1));
    WriteU32(stream, static_cast<uint32_t>(button->Index()));
  });
}

void nbWriteDragRecord(TStream& stream, uint32_t kind, uint32_t value) {
  WriteChunk(stream, kind, [&] { WriteU32(stream, value); });
}

std::optional<uint32_t> nbFindDragRecord(const TClipboardData& block, uint32_t kind) {
  if (block.size() < 12) return std::nullopt;
  const size_t end = std::min<size_t>(block.size(), 12 + static_cast<size_t>(ReadU32(block, 8)));
  for (size_t at = 12; at + 8 <= end;) {
    const uint32_t recordKind = ReadU32(block, at), length = ReadU32(block, at + 4);
    if (length > end - at - 8) break;
    if (recordKind == kind && length == 4) return ReadU32(block, at + 8);
    at += 8 + length;
  }
  return std::nullopt;
}

TnbDragDropManager::TnbDragDropManager(TnbSideBar* bar)
    : bar_(bar), barId_(bar->LiveId()), formats_(std::make_unique<TnbFormatEtcList>()) {
  formats_->Add(ContentFormat(ReferenceFormat()));
  formats_->Add(ContentFormat(ResourceFormat()));
}

TClipboardData TnbDragDropManager::Payload(TClipboardFormat format) const {
  TMemoryStream payload;
  if (format == ResourceFormat()) {
    // Without a bar dragging a button there is nothing to describe.
    if (bar_ == nullptr || bar_->DraggedButton() == nullptr) return {};
    WriteChunk(payload, 1, [&] { bar_->WriteDraggedButton(payload, bar_->DraggedButton()); });
  } else if (format == ReferenceFormat()) {
    WriteU32(payload, nbLiveBars::ProcessToken());
    WriteU32(payload, barId_);
  }
  return StreamBytes(payload);
}

HRESULT TnbDragDropManager::GetData(const FORMATETC& format, STGMEDIUM& medium) {
  const int index = FindFormatEtc(formats_->Items(), format);
  if (index < 0) return DV_E_FORMATETC;
  try {
    const TClipboardData payload = Payload(formats_->Get(index).cfFormat);
    if (payload.empty()) return E_FAIL;
    STGMEDIUM rendered = BlockMedium(payload);
    if (rendered.tymed != TYMED_HGLOBAL) return E_FAIL;
    medium = std::move(rendered);
    return S_OK;
  } catch (const std::exception&) {
    return E_FAIL;  // a descendant's record that could not be written renders nothing
  }
}

HRESULT TnbDragDropManager::GetCanonicalFormatEtc(const FORMATETC& in, FORMATETC& out) {
  out = in;
  out.ptd = nullptr;
  return DATA_S_SAMEFORMATETC;
}

HRESULT TnbDragDropManager::SetData(const FORMATETC& format, STGMEDIUM&, bool release) {
  if (release) return E_FAIL;
  bool replaced = false;
  for (int i = 0; i < formats_->Count(); ++i) {
    if (formats_->Get(i).cfFormat != format.cfFormat) continue;
    formats_->Put(i, format);
    replaced = true;
  }
  if (!replaced) formats_->Add(format);
  return E_FAIL;
}

HRESULT TnbDragDropManager::EnumFormatEtc(uint32_t direction, std::unique_ptr<IEnumFORMATETC>& enumerator) {
  enumerator.reset();
  if (direction != DATADIR_GET) return OLE_S_USEREG;
  enumerator = std::make_unique<TnbEnumFormatEtc>(*formats_);
  return S_OK;
}

HRESULT TnbDragDropManager::EnumDAdvise(std::unique_ptr<IEnumSTATDATA>* enumerator) {
  if (enumerator != nullptr) enumerator->reset();
  return OLE_E_ADVISENOTSUPPORTED;
}

HRESULT TnbDragDropManager::QueryContinueDrag(bool escapePressed, uint32_t keyState) {
  const bool left = (keyState & MK_LBUTTON) != 0, right = (keyState & MK_RBUTTON) != 0;
  if (escapePressed || (left && right)) return DRAGDROP_S_CANCEL;
  if (!left && !right) return DRAGDROP_S_DROP;
  return S_OK;
}

TnbSideBar* TnbDragDropManager::SourceBar(IDataObject* data) {
  TClipboardData block;
  if (data == nullptr || !DataObjectBytes(*data, ReferenceFormat(), block) || block.size() < 12) return nullptr;
  if (ReadU32(block, 4) != nbLiveBars::ProcessToken()) return nullptr;
  return nbLiveBars::Find(ReadU32(block, 8));
}

TnbSideBar* TnbDragDropManager::CurrentSource() const { return nbLiveBars::Find(sourceId_); }

template <typename Call>
HRESULT TnbDragDropManager::Guarded(uint32_t* effect, Call&& call) {
  // A handler may free the bar, and with it the bar's hold on this manager, during the call.
  const std::shared_ptr<TnbDragDropManager> keep = weak_from_this().lock();
  try {
    if (bar_ == nullptr) return E_ABORT;
    return call();
  } catch (...) {
    if (effect != nullptr) *effect = DROPEFFECT_NONE;
    const HRESULT code = [] {
      try {
        throw;
      } catch (const EOleSysError& e) {
        return e.ErrorCode();
      } catch (...) {
        return E_FAIL;
      }
    }();
    if (Application != nullptr) Application->HandleException(bar_);
    return code;
  }
}

HRESULT TnbDragDropManager::DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) {
  return Guarded(&effect, [&] {
    TnbSideBar* source = SourceBar(data);
    sourceId_ = source != nullptr ? source->LiveId() : 0;
    const TnbBarOptions options = bar_->Options();
    if (!options.Contains(source != nullptr ? boInternalDrop : boAcceptOLEDrop)) {
      effect = DROPEFFECT_NONE;
      return E_ABORT;
    }
    return bar_->DoDragEnter(data, source, keyState, screen, effect);
  });
}

HRESULT TnbDragDropManager::DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) {
  return Guarded(&effect, [&] { return bar_->DoDragOver(CurrentSource(), keyState, screen, effect); });
}

HRESULT TnbDragDropManager::DragLeave() {
  return Guarded(nullptr, [&] {
    sourceId_ = 0;
    bar_->DoDragLeave();
    // A handler may have freed the bar meanwhile.
    if (bar_ != nullptr) bar_->Invalidate();
    return S_OK;
  });
}

HRESULT TnbDragDropManager::Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) {
  TnbSideBar* source = CurrentSource();
  sourceId_ = 0;
  return Guarded(&effect, [&] { return bar_->DoDrop(data, source, keyState, screen, effect); });
}
