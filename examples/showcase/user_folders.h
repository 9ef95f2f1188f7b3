#pragma once

#include "platform/core/strings.h"

// The folder `variable` names ($XDG_DATA_HOME, $XDG_CONFIG_HOME) when it holds an absolute path,
// else `fallback` (".local/share", ".config") under $HOME, each with `name` appended; "" when
// neither variable gives a folder.
String UserFolder(const char* variable, const char* fallback, const char* name);
