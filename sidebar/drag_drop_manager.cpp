#include "sidebar/drag_drop_manager.h"

#include <unistd.h>

#include <cstring>

#include "platform/core/streams.h"
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

// A block: a 32-bit byte count, then the bytes.
TClipboardData Block(const uint8_t* bytes, size_t n) {
  TClipboardData block(4 + n);
  for (int i = 0; i < 4; ++i) block[i] = static_cast<uint8_t>(n >> (8 * i));
  std::memcpy(block.data() + 4, bytes, n);
  return block;
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

std::unique_ptr<TDataObject> TnbDragDropManager::MakeData(TnbButton* button) {
  auto data = std::make_unique<TDataObject>();
  TMemoryStream reference;
  WriteU32(reference, static_cast<uint32_t>(getpid()));
  const auto address = reinterpret_cast<uintptr_t>(bar_);
  WriteU32(reference, static_cast<uint32_t>(address));
  WriteU32(reference, static_cast<uint32_t>(static_cast<uint64_t>(address) >> 32));
  data->SetData(ReferenceFormat(), Block(reference.Memory(), static_cast<size_t>(reference.Size())));
  TMemoryStream resource;
  WriteChunk(resource, 1, [&] { bar_->WriteDraggedButton(resource, button); });
  data->SetData(ResourceFormat(), Block(resource.Memory(), static_cast<size_t>(resource.Size())));
  return data;
}

TnbSideBar* TnbDragDropManager::SourceBar(IDataObject* data) {
  TClipboardData block;
  if (data == nullptr || !data->GetData(ReferenceFormat(), block) || block.size() < 16) return nullptr;
  if (ReadU32(block, 4) != static_cast<uint32_t>(getpid())) return nullptr;
  const uint64_t address = ReadU32(block, 8) | static_cast<uint64_t>(ReadU32(block, 12)) << 32;
  // Only a bar that still exists in this process is taken at its word.
  return TnbSideBar::FindLiveBar(reinterpret_cast<const void*>(static_cast<uintptr_t>(address)));
}

void TnbDragDropManager::DragEnter(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) {
  source_ = SourceBar(data);
  const TnbBarOptions options = bar_->Options();
  const bool wanted = source_ != nullptr ? options.Contains(boInternalDrop) : options.Contains(boAcceptOLEDrop);
  if (!wanted) {
    effect = DROPEFFECT_NONE;
    return;
  }
  bar_->DoDragEnter(data, source_, keyState, screen, effect);
}

void TnbDragDropManager::DragOver(uint32_t keyState, TPoint screen, uint32_t& effect) {
  bar_->DoDragOver(source_, keyState, screen, effect);
}

void TnbDragDropManager::DragLeave() {
  bar_->DoDragLeave();
  source_ = nullptr;
  bar_->Invalidate();
}

void TnbDragDropManager::Drop(IDataObject* data, uint32_t keyState, TPoint screen, uint32_t& effect) {
  bar_->DoDrop(data, source_, keyState, screen, effect);
  source_ = nullptr;
}
