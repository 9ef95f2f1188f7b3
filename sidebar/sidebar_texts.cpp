// The side bar's table of texts.
#include "sidebar/sidebar_texts.h"

TResourceTable& SideBarTexts() {
  static TResourceTable table("sidebar");
  return table;
}

namespace sidebar_texts {
TResourceString SCloseButtonCaption(SideBarTexts(), "SCloseButtonCaption", "Favorites");
}  // namespace sidebar_texts
