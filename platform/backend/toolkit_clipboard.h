#pragma once

#include <memory>

#include "platform/windows/clipboard.h"

// The toolkit's clipboard behind our clipboard service: text goes both ways with other
// programs; registered formats travel as "application/x-clipboard-<name>" data.
std::unique_ptr<TClipboardService> MakeToolkitClipboard();
