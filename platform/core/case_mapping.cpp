// Upper and lower case of Unicode text.
#include "platform/core/case_mapping.h"

#include <locale.h>
#include <wctype.h>

namespace {

// The built-in UTF-8 locale of the C library knows the Unicode case tables; when it is
// missing, only ASCII letters change case.
locale_t UnicodeLocale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

char32_t AsciiUpper(char32_t c) { return (c >= 'a' && c <= 'z') ? c - 32 : c; }
char32_t AsciiLower(char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

}  // namespace

char32_t ToUpperChar(char32_t code) {
  if (code < 0x80) return AsciiUpper(code);
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) return code;
  return static_cast<char32_t>(towupper_l(static_cast<wint_t>(code), locale));
}

char32_t ToLowerChar(char32_t code) {
  if (code < 0x80) return AsciiLower(code);
  const locale_t locale = UnicodeLocale();
  if (locale == static_cast<locale_t>(0)) return code;
  return static_cast<char32_t>(towlower_l(static_cast<wint_t>(code), locale));
}

bool IsLatinLetterRange(char32_t code) {
  return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
         (code >= 0xC0 && code <= 0x24F && code != 0xD7 && code != 0xF7) ||
         (code >= 0x1E00 && code <= 0x1EFF) || (code >= 0xFF21 && code <= 0xFF3A) ||
         (code >= 0xFF41 && code <= 0xFF5A);
}
