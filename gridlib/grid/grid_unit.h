#pragma once

#include "platform/controls/shortcuts.h"
#include "platform/graphics/colors.h"
#include "platform/windows/cursors.h"

class TCustomDBGridEx;
class TFont;
struct TCursorImage;

// Settings the grid library makes when it starts, read by keys, editing and painting.
struct TDBGridExUnitSettings {
  TShortCut IncSearchKey = 0;
  TShortCut FindNextKey = 0;
  TShortCut FindPriorKey = 0;
  TShortCut CopyFromAboveKey = 0;
  TShortCut FindDialogKey = 0;
  int IncSearchTimeout = 0;  // milliseconds
  TColor HighlightColor = clBlack;
  TColor HighlightTextColor = clBlack;
  bool PaintFlag = false;
};
const TDBGridExUnitSettings& DBGridExUnitSettings();

// The font of the sort-index digits: one pixel shorter than the sort-marker bitmap.
TFont* SortIndexFont();

enum TDBGridExCursor { gcDownEx, gcRightEx, gcLeftEx };
// The cursors of the title and indicator areas; nullptr while the library is not started.
const TCursorImage* DBGridExCursor(TDBGridExCursor which);
// The cursor made of that picture; 0 while the library is not started.
HCURSOR DBGridExCursorHandle(TDBGridExCursor which);

// One box of the check-box strip: its width div 4 and its height div 3.
int DefaultCheckBoxWidth();
int DefaultCheckBoxHeight();

// Called by GridLibraryScope when the first scope starts and the last one ends. Starting
// raises EOutOfResources "Cannot load cursor resource" when a cursor is missing.
void StartGridUnit();
void StopGridUnit();

// Opens the find dialog for a grid (filled by the find dialog's unit when it is linked in);
// Ctrl+F calls it with the grid and the grid's find-dialog flag.
using TFindDialogProcEx = void (*)(TCustomDBGridEx* grid, bool flag);
extern TFindDialogProcEx FindDialogProcEx;
