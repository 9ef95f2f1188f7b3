#pragma once

#include <cstddef>
#include <cstdint>

// Movable global memory, as drag-and-drop and clipboard data travel in it: a block is
// allocated, locked to reach its bytes, unlocked and freed by its handle. Blocks are always
// zeroed; a handle that is not a live block is refused (null pointer, zero size) instead of
// being followed.
struct TGlobalBlock;
using HGLOBAL = TGlobalBlock*;

inline constexpr uint32_t GMEM_FIXED = 0x0000;
inline constexpr uint32_t GMEM_MOVEABLE = 0x0002;
inline constexpr uint32_t GMEM_ZEROINIT = 0x0040;
inline constexpr uint32_t GMEM_SHARE = 0x2000;
inline constexpr uint32_t GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// Null when the memory cannot be had.
HGLOBAL GlobalAlloc(uint32_t flags, size_t bytes);
// The block's bytes, null for a handle that is no live block; each lock needs an unlock.
void* GlobalLock(HGLOBAL h);
// True while the block stays locked by other locks.
bool GlobalUnlock(HGLOBAL h);
size_t GlobalSize(HGLOBAL h);
// Null when freed, the handle itself when it was no live block.
HGLOBAL GlobalFree(HGLOBAL h);
