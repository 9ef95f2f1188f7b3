// A skinned control's style taken from its owner form.
#include "skin/style_propagation.h"

#include "platform/classes/properties.h"
#include "platform/controls/forms.h"
#include "skin/file_theme.h"
#include "skin/form.h"

TskUIStyle GetOwnerFormUIStyle(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (form == nullptr) return Marine;
  for (int i = 0; i < form->ControlCount(); ++i) {
    if (auto* skin = dynamic_cast<TskForm*>(form->Controls(i))) return skin->UIStyle();
  }
  return Marine;
}

void ContainerApplyUIStyle(TWinControl* container, TskUIStyle style, TskFileTheme* fileTheme) {
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    const TPropInfo* themeInfo = GetPropInfo(child, "FileTheme");
    const TPropInfo* styleInfo = GetPropInfo(child, "UIStyle");
    if (themeInfo == nullptr || styleInfo == nullptr) continue;
    SetObjectProp(child, themeInfo, fileTheme);
    SetOrdProp(child, styleInfo, style);
  }
}
