#pragma once

#include "platform/core/strings.h"

class TColumnEx;
class TDataSource;
class TDBGridEx;
class TSqliteDataSet;
class TWinControl;
struct TShowcaseDataFile;

// A page that shows one table of the showcase's data file in a data grid filling the page.
// The page owns the data set, its source and the grid.
struct TDataGridPage {
  TSqliteDataSet* data = nullptr;
  TDataSource* source = nullptr;
  TDBGridEx* grid = nullptr;
};

// Places the grid, named `gridName`, over `table` of the data file; the table opens with
// OpenDataGridPage once the page's builder has set the grid up.
TDataGridPage PlaceDataGrid(TWinControl* page, const String& gridName, const String& table);

// A column of `grid` showing `fieldName` under `caption` ("联系人|姓名" for a title under a
// shared upper title).
TColumnEx* AddGridColumn(TDBGridEx* grid, const String& fieldName, const String& caption, int width);

// Opens the page's table. When the file or the table cannot be used the grid and its data
// give way to a message saying why (ShowDataProblem), and the answer is false.
bool OpenDataGridPage(TWinControl* page, TDataGridPage& grid, const TShowcaseDataFile& file);

// Fills `page` with the file's problem, a label named "DataProblem", in place of the data it
// cannot show; the details, when there are any, below it in a box that scrolls, named
// "DataProblemDetails".
void ShowDataProblem(TWinControl* page, const TShowcaseDataFile& file);

// The filter row under the titles: typed expressions filter the table in SQLite; a double
// click on a title divider fits the column to its content.
void FilterOnFilterRow(const TDataGridPage& grid);

// A value list for the filter cell of `column`: the distinct values of its field in `table`,
// read from the page's data file once the page is open.
void ListColumnValues(TWinControl* page, const TDataGridPage& grid, TColumnEx* column, const String& table);

// Titles are buttons: their clicks mark columns for sorting (several with Ctrl) and the data follows the marks:
// ordered on the marked columns, primary first, all in the primary column's direction.
void SortOnTitleClicks(const TDataGridPage& grid);

// Fields are named in messages as the grid's titles name them: the lowest part of a column's
// title ("姓名" of "联系人|姓名").
void NameFieldsAfterTitles(const TDataGridPage& grid);

// A required text field emptied (or given only blanks) holds no value, so that its record is
// not posted without one; the grid marks such a cell while its record is edited.
void RequireTextInRequiredFields(const TDataGridPage& grid);
