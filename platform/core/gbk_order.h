#pragma once

#include <cstdint>

// The two-byte GBK code of a code point in the Basic Multilingual Plane, or 0 when GBK has
// no form for it. Built once from the C library's converter, then a table look-up, so that
// sorting large lists never calls the converter per comparison.
uint16_t GbkCodeOf(char32_t code);
