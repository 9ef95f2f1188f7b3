#pragma once

#include <cstdint>

#include "platform/classes/enum_info.h"
#include "platform/classes/text_alignment.h"
#include "platform/core/sets.h"

// Kinds shared by the standard controls (panel, label, lists, scroll bar, menus).

enum TBevelCut : uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
DECLARE_ENUM_NAMES(TBevelCut, "bvNone", "bvLowered", "bvRaised", "bvSpace")

// Scroll bars a scrolling control shows.
enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
DECLARE_ENUM_NAMES(TScrollStyle, "ssNone", "ssHorizontal", "ssVertical", "ssBoth")

enum TCheckBoxState : uint8_t { cbUnchecked, cbChecked, cbGrayed };
DECLARE_ENUM_NAMES(TCheckBoxState, "cbUnchecked", "cbChecked", "cbGrayed")

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
