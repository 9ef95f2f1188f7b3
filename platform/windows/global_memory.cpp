// Global memory blocks, as drag and clipboard data carry them.
#include "platform/windows/global_memory.h"

#include <new>
#include <stdexcept>
#include <set>
#include <vector>

struct TGlobalBlock {
  std::vector<uint8_t> bytes;
  int locks = 0;
};

namespace {

std::set<HGLOBAL>& LiveBlocks() {
  static std::set<HGLOBAL> blocks;
  return blocks;
}

bool Live(HGLOBAL h) { return h != nullptr && LiveBlocks().count(h) > 0; }

}  // namespace

HGLOBAL GlobalAlloc(uint32_t, size_t bytes) {
  try {
    auto* block = new TGlobalBlock{std::vector<uint8_t>(bytes), 0};
    LiveBlocks().insert(block);
    return block;
  } catch (const std::bad_alloc&) {
    return nullptr;  // callers test the handle, as they must for any allocation
  } catch (const std::length_error&) {
    return nullptr;
  }
}

void* GlobalLock(HGLOBAL h) {
  if (!Live(h)) return nullptr;
  ++h->locks;
  // A block of no bytes still locks, at an address that is not null.
  return h->bytes.empty() ? static_cast<void*>(h) : h->bytes.data();
}

bool GlobalUnlock(HGLOBAL h) {
  if (!Live(h) || h->locks == 0) return false;
  return --h->locks > 0;
}

size_t GlobalSize(HGLOBAL h) { return Live(h) ? h->bytes.size() : 0; }

HGLOBAL GlobalFree(HGLOBAL h) {
  if (!Live(h)) return h;
  LiveBlocks().erase(h);
  delete h;
  return nullptr;
}
