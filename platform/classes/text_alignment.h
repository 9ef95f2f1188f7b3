#pragma once

#include <cstdint>

#include "platform/classes/enum_info.h"

// Horizontal alignment and vertical placement of text. Fields, controls and every component
// library share these, and layouts store them by name.
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
DECLARE_ENUM_NAMES(TAlignment, "taLeftJustify", "taRightJustify", "taCenter")

enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
DECLARE_ENUM_NAMES(TTextLayout, "tlTop", "tlCenter", "tlBottom")
