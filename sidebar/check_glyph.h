#pragma once

#include "platform/controls/std_control_types.h"
#include "platform/core/types.h"
#include "sidebar/sidebar_types.h"

// The check, radio or push glyph drawn beside the label of a box-kind button.

constexpr int kCheckSize = 13;

// The frame-control state (DFCS_*) of the glyph of a `kind` button in `check` state, checked
// or not, while pressed or not.
UINT nbCheckGlyphState(TnbButtonKind kind, TCheckBoxState check, bool checked, bool pressed);
