#pragma once

#include <vector>

#include "platform/core/strings.h"
#include "platform/core/variant.h"

class TColumnEx;

// What a column's drop-down list offers: the texts it shows and the value each stores (a
// pick list its own text, a key list the key on the same line, a lookup list the key of
// the lookup record), with the entry the cell holds now.
struct TDropDownChoicesEx {
  std::vector<String> Texts;
  std::vector<Variant> Values;
  int Current = -1;
};

// The choices of `column`'s drop-down list; none for a column without a list. `text` is the
// editor's text, `key` the lookup key the grid edits now.
TDropDownChoicesEx ColumnDropDownChoices(TColumnEx* column, const String& text, const Variant& key);
