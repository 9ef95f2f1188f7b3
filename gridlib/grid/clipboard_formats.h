#pragma once

#include <vector>

#include "platform/core/strings.h"

// The selected cells' display texts as other programs read them from the clipboard: one row
// a record, one text a column.
using TClipboardTextRows = std::vector<std::vector<String>>;

// Tab-separated, each row ending in CR LF; a text holding a tab or a line break, or beginning
// with a quote, goes in quotes, its quotes doubled.
String TabSeparatedText(const TClipboardTextRows& rows);
// The rows of tab-separated text: a line ends at CR LF, LF or a CR alone, and a cell that opens
// with a quote runs to its closing quote (doubled quotes standing for one), tabs and line
// breaks included; a last empty line (after the final break) is no row.
TClipboardTextRows ParseTabSeparatedText(const String& text);
// Comma-separated values: a text holding a comma, a quote or a line break goes in quotes,
// its quotes doubled; each row ends in CR LF.
String CommaSeparatedText(const TClipboardTextRows& rows);
// A rich-text document holding the rows as a table whose columns are `widths` pixels wide,
// in the font named `fontName`; characters beyond ASCII go as Unicode escapes.
String RichTextTable(const TClipboardTextRows& rows, const std::vector<int>& widths, const String& fontName);
