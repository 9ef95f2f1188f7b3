#pragma once

#include <cstdint>

#include "platform/classes/enum_info.h"
#include "platform/core/sets.h"

// Kinds shared by the standard controls (panel, label, lists, scroll bar, menus).

// Horizontal alignment of text (also declared by the data layer and the edit control).
#ifndef PLATFORM_TALIGNMENT_DECLARED
#define PLATFORM_TALIGNMENT_DECLARED
enum TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
#endif

// Vertical placement of text (the grid library declares the same type under the same guard).
#ifndef GRIDLIB_TTEXTLAYOUT_DECLARED
#define GRIDLIB_TTEXTLAYOUT_DECLARED
enum TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
DECLARE_ENUM_NAMES(TTextLayout, "tlTop", "tlCenter", "tlBottom")
#endif

#ifndef PLATFORM_TBEVELCUT_DECLARED
#define PLATFORM_TBEVELCUT_DECLARED
enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
DECLARE_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")
#endif

// What an owner-drawn item is, as the control tells its OnDrawItem handler.
enum TOwnerDrawStateItem : uint8_t {
  odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odHotLight, odInactive,
  odNoAccel, odNoFocusRect, odReserved1, odReserved2, odComboBoxEdit,
};
using TOwnerDrawState = Set<TOwnerDrawStateItem>;

enum TScrollBarKind : uint8_t { sbHorizontal, sbVertical };
DECLARE_ENUM_NAMES(TScrollBarKind, "sbHorizontal", "sbVertical")
enum TScrollCode : uint8_t {
  scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop, scBottom, scEndScroll,
};
