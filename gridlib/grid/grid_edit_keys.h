#pragma once

#include <memory>

class TCustomDBGridEx;
class TDBGridExEditKeys;

// The keys' way to the grid's own editing side: its edit commands, copying from the record
// above and its incremental search.
std::unique_ptr<TDBGridExEditKeys> MakeGridEditKeys(TCustomDBGridEx* grid);
