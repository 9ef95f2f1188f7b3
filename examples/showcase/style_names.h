#pragma once

#include "platform/core/strings.h"
#include "skin/themes.h"

// What the showcase calls each skin style where the user reads it (menus, tabs, the artwork
// page): the built-in styles by their colours, FromThemeFile as the theme file.
String ShowcaseStyleName(TskUIStyle style);
