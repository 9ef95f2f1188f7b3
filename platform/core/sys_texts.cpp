// The conversion messages of the platform's table.
#include "platform/core/sys_texts.h"

#include "platform/core/exceptions.h"
#include "platform/core/format.h"

namespace sys_texts {
TResourceString SInvalidInteger(PlatformTexts(), "SInvalidInteger", "'%s' is not a valid integer value");
TResourceString SInvalidFloat(PlatformTexts(), "SInvalidFloat", "'%s' is not a valid floating point value");
TResourceString SInvalidDate(PlatformTexts(), "SInvalidDate", "'%s' is not a valid date");
TResourceString SInvalidTime(PlatformTexts(), "SInvalidTime", "'%s' is not a valid time");
TResourceString SInvalidDateTime(PlatformTexts(), "SInvalidDateTime", "'%s' is not a valid date and time");
TResourceString SInvalidCurrency(PlatformTexts(), "SInvalidCurrency", "'%s' is not a valid currency value");
}  // namespace sys_texts

void RaiseConvertError(const TResourceString& format, std::string_view text) {
  throw EConvertError(Format(format, {text}));
}
