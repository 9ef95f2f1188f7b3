#pragma once

#include <cstdint>

#include "platform/data/db_types.h"

// A bookmark names a record by its id in the record source (a row of an in-memory store, an
// SQLite row id).
TBookmark EncodeBookmark(int64_t id);
// The id in a bookmark, or false for text that is no bookmark.
bool DecodeBookmark(const TBookmark& bookmark, int64_t& id);
