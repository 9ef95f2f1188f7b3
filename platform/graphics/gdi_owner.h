#pragma once

#include <memory>
#include <type_traits>

#include "platform/graphics/device_context.h"

// Frees a drawing object (region, brush, pen, font, bitmap) or a memory device context.
struct TGdiDeleter {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
  void operator()(HDC dc) const { DeleteDC(dc); }
};

// Owns a handle made by one of the Create... calls and frees it however the scope ends, an
// exception from the drawing in between included:
//   TGdiOwner<HRGN> clip(CreateRectRgnIndirect(r));
//   TGdiOwner<HDC> dc(CreateCompatibleDC(nullptr));
template <typename Handle>
using TGdiOwner = std::unique_ptr<std::remove_pointer_t<Handle>, TGdiDeleter>;
