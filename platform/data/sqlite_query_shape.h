#pragma once

#include <string_view>

#include "platform/core/strings.h"

// Reads just enough of an SQL query's words to tell whether each row it returns is one row of
// the table it reads, and to add the row id to what it returns. Literals, quoted names and
// comments are skipped and parentheses nest, so a subquery's words never count as the
// query's own; a second statement after ";" is not read (SQLite prepares only the first).

// True for a plain SELECT: no DISTINCT, GROUP BY, HAVING or compound (UNION, INTERSECT,
// EXCEPT) outside parentheses, so no result row stands for several rows or none.
bool IsRowPerRowSelect(std::string_view sql);

// The query returning one more column after its own (", column" before its FROM), so that
// ORDER BY by column number still means the same column; "" when the query has no FROM
// outside parentheses.
String WithTrailingColumn(std::string_view sql, std::string_view column);
