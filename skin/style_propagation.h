#pragma once

#include "skin/themes.h"

class TComponent;
class TWinControl;
class TskFileTheme;

// The style a new skinned control starts with: that of the first TskForm among the direct
// child controls of its owner form; Marine when the owner is no form or has none.
TskUIStyle GetOwnerFormUIStyle(TComponent* owner);

// Gives every direct child of `container` that publishes both FileTheme and UIStyle the theme
// and then the style, through their setters (so each reloads its values). Other children and
// grandchildren are left alone.
void ContainerApplyUIStyle(TWinControl* container, TskUIStyle style, TskFileTheme* fileTheme);
