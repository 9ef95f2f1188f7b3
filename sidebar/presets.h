#pragma once

#include "sidebar/sidebar_types.h"

// Applies one of the ready-made looks to a bar, its settings, border, background and every
// header it has now (headers added later keep their own defaults).
void nbApplyPreset(TnbSideBar* bar, TnbPreSet preset);
