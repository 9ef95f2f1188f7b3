#pragma once

// The grid's texts: the filter list's commands, the questions it asks before deleting or
// clearing, and what it says of a filter it cannot read. An application in another language
// replaces them at start-up (by name through GridTexts(), or directly).

#include "platform/core/resource_strings.h"

TResourceTable& GridTexts();

namespace grid_texts {
// The filter list's commands.
extern TResourceString SFilterEmpty;            // "(Empty)"
extern TResourceString SFilterNotEmpty;         // "(Not empty)"
extern TResourceString SFilterAll;              // "(All)"
extern TResourceString SFilterClear;            // "(Clear filter)"
extern TResourceString SFilterOrderAscending;   // "(Order by ascending)"
extern TResourceString SFilterOrderDescending;  // "(Order by descending)"
// Questions before records or cells go.
extern TResourceString SDeleteRecordQuestion;          // "Delete record?"
extern TResourceString SDeleteMultipleRecordsQuestion;  // "Delete all selected records?"
extern TResourceString SClearSelectedCellsQuestion;     // "Clear the selected cells?"
// A pasted text the column's field cannot hold whole: the column's title, the field's length.
extern TResourceString SPastedTextTooLong;  // "The text pasted into column '%s' is longer than its %d characters"
// Pasted lines left over that would need new records where the grid may not add any: how many.
extern TResourceString SPastedLinesNotAdded;  // "%d pasted line(s) not pasted: the grid may not add records"
// A filter text that cannot be read: the problem, then where it is.
extern TResourceString SFilterErrorAt;               // "%s at position %d"
extern TResourceString SFilterAndOrExpected;         // "AND or OR expected"
extern TResourceString SFilterUnexpectedText;        // "Unexpected text"
extern TResourceString SFilterNullOperator;          // "Null can only follow = or <>"
extern TResourceString SFilterOpenParenExpected;     // "'(' expected"
extern TResourceString SFilterCommaOrCloseExpected;  // "',' or ')' expected"
extern TResourceString SFilterValueExpected;         // "Value expected"
extern TResourceString SFilterQuoteMissing;          // "Closing quote missing"
extern TResourceString SFilterNotANumber;            // "'%s' is not a number"
extern TResourceString SFilterNotADate;              // "'%s' is not a date"
extern TResourceString SFilterNotABoolean;           // "'%s' is not True or False"
}  // namespace grid_texts
