#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/classes/properties.h"

// Inherited values a skinned control is made with other than their stored defaults (a panel
// without the raised bevel, a control in its parent's colour, a caption of one blank): they
// are always written, so that a value equal to the stored default comes back as it was set
// rather than as a new control has it. A layout without them leaves the new control's own.
template <class T>
void PublishAlwaysWritten(TPublisher<T>& p, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) p.Redeclare(name).NoDefault();
}
