#pragma once

// The platform's texts for values typed in the wrong form, as EConvertError tells them.

#include <string_view>

#include "platform/core/resource_strings.h"

namespace sys_texts {
extern TResourceString SInvalidInteger;   // "'%s' is not a valid integer value"
extern TResourceString SInvalidFloat;     // "'%s' is not a valid floating point value"
extern TResourceString SInvalidDate;      // "'%s' is not a valid date"
extern TResourceString SInvalidTime;      // "'%s' is not a valid time"
extern TResourceString SInvalidDateTime;  // "'%s' is not a valid date and time"
extern TResourceString SInvalidCurrency;  // "'%s' is not a valid currency value"
}  // namespace sys_texts

// Raises EConvertError with `format`, the text that could not be read put in its place.
[[noreturn]] void RaiseConvertError(const TResourceString& format, std::string_view text);
