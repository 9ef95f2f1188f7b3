// The skinned controls' table of texts.
#include "skin/skin_texts.h"

TResourceTable& SkinTexts() {
  static TResourceTable table("skin");
  return table;
}

namespace skin_texts {
TResourceString SButtonOK(SkinTexts(), "SButtonOK", "OK");
TResourceString SButtonCancel(SkinTexts(), "SButtonCancel", "Cancel");
}  // namespace skin_texts
