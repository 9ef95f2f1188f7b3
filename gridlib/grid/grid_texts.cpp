// The grid's table of texts.
#include "gridlib/grid/grid_texts.h"

TResourceTable& GridTexts() {
  static TResourceTable table("grid");
  return table;
}

namespace grid_texts {
TResourceString SFilterEmpty(GridTexts(), "SFilterEmpty", "(Empty)");
TResourceString SFilterNotEmpty(GridTexts(), "SFilterNotEmpty", "(Not empty)");
TResourceString SFilterAll(GridTexts(), "SFilterAll", "(All)");
TResourceString SFilterClear(GridTexts(), "SFilterClear", "(Clear filter)");
TResourceString SFilterOrderAscending(GridTexts(), "SFilterOrderAscending", "(Order by ascending)");
TResourceString SFilterOrderDescending(GridTexts(), "SFilterOrderDescending", "(Order by descending)");
TResourceString SDeleteRecordQuestion(GridTexts(), "SDeleteRecordQuestion", "Delete record?");
TResourceString SDeleteMultipleRecordsQuestion(GridTexts(), "SDeleteMultipleRecordsQuestion",
                                               "Delete all selected records?");
TResourceString SClearSelectedCellsQuestion(GridTexts(), "SClearSelectedCellsQuestion", "Clear the selected cells?");
TResourceString SPastedTextTooLong(GridTexts(), "SPastedTextTooLong",
                                   "The text pasted into column '%s' is longer than its %d characters");
TResourceString SPastedLinesNotAdded(GridTexts(), "SPastedLinesNotAdded",
                                     "%d pasted line(s) not pasted: the grid may not add records");
TResourceString SFilterErrorAt(GridTexts(), "SFilterErrorAt", "%s at position %d");
TResourceString SFilterAndOrExpected(GridTexts(), "SFilterAndOrExpected", "AND or OR expected");
TResourceString SFilterUnexpectedText(GridTexts(), "SFilterUnexpectedText", "Unexpected text");
TResourceString SFilterNullOperator(GridTexts(), "SFilterNullOperator", "Null can only follow = or <>");
TResourceString SFilterOpenParenExpected(GridTexts(), "SFilterOpenParenExpected", "'(' expected");
TResourceString SFilterCommaOrCloseExpected(GridTexts(), "SFilterCommaOrCloseExpected", "',' or ')' expected");
TResourceString SFilterValueExpected(GridTexts(), "SFilterValueExpected", "Value expected");
TResourceString SFilterQuoteMissing(GridTexts(), "SFilterQuoteMissing", "Closing quote missing");
TResourceString SFilterNotANumber(GridTexts(), "SFilterNotANumber", "'%s' is not a number");
TResourceString SFilterNotADate(GridTexts(), "SFilterNotADate", "'%s' is not a date");
TResourceString SFilterNotABoolean(GridTexts(), "SFilterNotABoolean", "'%s' is not True or False");
}  // namespace grid_texts
