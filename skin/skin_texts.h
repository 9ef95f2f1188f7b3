#pragma once

// The skinned controls' own texts (the captions a new message box's buttons start with); an
// application in another language replaces them at start-up.

#include "platform/core/resource_strings.h"

TResourceTable& SkinTexts();

namespace skin_texts {
extern TResourceString SButtonOK;      // "OK"
extern TResourceString SButtonCancel;  // "Cancel"
}  // namespace skin_texts
