#pragma once

// The side bar's own texts (the caption a new bar's close button starts with); an
// application in another language replaces them at start-up.

#include "platform/core/resource_strings.h"

TResourceTable& SideBarTexts();

namespace sidebar_texts {
extern TResourceString SCloseButtonCaption;  // "Favorites"
}  // namespace sidebar_texts
