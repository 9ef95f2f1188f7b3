#pragma once

class TColumnEx;
class TDBGridEx;

// The column's cells offer the values its filter cell lists: the in-place editor drops them
// as a pick list (typed text is still taken). Nothing changes while the filter has no list.
void ChooseFromFilterValues(TColumnEx* column);

// F4, Alt+Down and Alt+Up on a cell of the column drop its list at once, as they do in its
// editor, instead of leaving the cell alone or moving to another record.
void DropChoicesOnKeys(TDBGridEx* grid, TColumnEx* column);
