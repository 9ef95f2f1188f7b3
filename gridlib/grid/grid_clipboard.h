#pragma once

#include "platform/windows/clipboard.h"

class TDBGridExHost;

// The grid's private clipboard format: the selected cells' values, Null kept apart from an
// empty text, so that cells pasted into a grid get the values they were copied with.
TClipboardFormat DBGRIDIFClipboardFormat();

// Copies the selected cells (or, with wholeGrid, every record's visible columns) as
// tab-separated display texts, one line a record, and in the private format.
void DBGridExCopyToClipboard(TDBGridExHost* grid, bool wholeGrid);
// Copies as above, then deletes as DBGridExDeleteSelection does.
void DBGridExCutToClipboard(TDBGridExHost* grid, bool wholeGrid);
// Writes the clipboard's cells (the private format when there, else plain text) from the
// current cell on, one record a line, appending records past the last where that is allowed;
// into a rectangle selection they repeat to fill it.
void DBGridExPasteFromClipboard(TDBGridExHost* grid, bool wholeGrid);
// Asks, under dgConfirmDelete, whether `count` selected records (the current one for fewer
// than two) are to be deleted.
bool ConfirmRecordDelete(TDBGridExHost* grid, int count);
// Deletes the selected records (or all of them), or clears the selected cells of a rectangle
// or of whole columns; asks first under dgConfirmDelete.
void DBGridExDeleteSelection(TDBGridExHost* grid, bool wholeGrid);
