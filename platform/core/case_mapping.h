#pragma once

// Simple (one to one) Unicode case mapping of single code points, independent of the
// process locale so that results are the same on every machine.
char32_t ToUpperChar(char32_t code);
char32_t ToLowerChar(char32_t code);
// Latin letters (ASCII, Latin-1, Latin Extended, full-width Latin) are the ones whose case
// the locale comparison ignores.
bool IsLatinLetterRange(char32_t code);
