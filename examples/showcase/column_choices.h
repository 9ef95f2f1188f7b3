#pragma once

class TColumnEx;

// The column's cells offer the values its filter cell lists: the in-place editor drops them
// as a pick list (typed text is still taken). Nothing changes while the filter has no list.
void ChooseFromFilterValues(TColumnEx* column);
