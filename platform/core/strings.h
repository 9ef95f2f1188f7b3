#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Text is UTF-8 in a std::string. Every helper that counts, cuts or moves by characters works
// on whole code points; indexes given to the positional helpers (Copy, Pos, Delete) are
// 1-based character positions, as callers of the class library expect.
using String = std::string;
using WideString = std::u16string;

// Number of code points (a malformed byte counts as one character).
int CharLength(std::string_view s);
// Byte offset of the character at 0-based character index `index` (clamped to the end).
size_t CharToByteOffset(std::string_view s, int index);
// 0-based character index of the character that starts at or contains byte offset `offset`.
int ByteToCharIndex(std::string_view s, size_t offset);
// Byte length of the UTF-8 sequence starting at s[offset] (1 for malformed bytes).
size_t CharByteLength(std::string_view s, size_t offset);

String Copy(std::string_view s, int index, int count);    // 1-based character index
int Pos(std::string_view sub, std::string_view s);        // 1-based character index, 0 if none
void Delete(String& s, int index, int count);             // 1-based character index
void Insert(std::string_view sub, String& s, int index);  // 1-based character index
String LeftStr(std::string_view s, int count);
String RightStr(std::string_view s, int count);

// Remove spaces and control characters (bytes up to ' ').
String Trim(std::string_view s);
String TrimLeft(std::string_view s);
String TrimRight(std::string_view s);
String UpperCase(std::string_view s);  // ASCII letters only
String LowerCase(std::string_view s);  // ASCII letters only
// Every letter with a one-to-one Unicode case mapping; broken bytes are kept as they are.
String AnsiUpperCase(std::string_view s);
String AnsiLowerCase(std::string_view s);
String StringOfChar(char c, int count);
String StringReplaceAll(std::string_view s, std::string_view from, std::string_view to);

// Ordinal comparisons; CompareText ignores ASCII case.
int CompareStr(std::string_view a, std::string_view b);
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
// Locale comparison: Latin letters fold case, ASCII comes first, other text orders by its
// GBK code (the order users of this client know); text with no GBK form orders after, by
// code point, and broken UTF-8 bytes last. Stable: two different strings never compare
// equal unless they differ only in Latin case. AnsiCompareStr puts lower case first where
// that is all that differs.
int AnsiCompareText(std::string_view a, std::string_view b);
int AnsiCompareStr(std::string_view a, std::string_view b);
int CompareTextAnsi(std::string_view a, std::string_view b);
bool AnsiSameText(std::string_view a, std::string_view b);
bool StartsText(std::string_view prefix, std::string_view s);  // ignoring Latin case

// Conversions at the boundary with outside files.
WideString Utf8ToUtf16(std::string_view s);
String Utf16ToUtf8(std::u16string_view s);
String GbkToUtf8(std::string_view gbk);  // invalid bytes become U+FFFD
String Utf8ToGbk(std::string_view utf8); // characters with no GBK form become '?'
bool IsValidUtf8(std::string_view s);

String QuotedStr(std::string_view s, char quote = '\'');
String AnsiQuotedStr(std::string_view s, char quote);
// Reads a quoted string starting at s[pos], doubled quotes standing for one; advances pos
// past the closing quote (or to the end when there is none). Returns "" and leaves pos
// alone when s[pos] is not the quote.
String AnsiExtractQuotedStr(std::string_view s, size_t& pos, char quote);
