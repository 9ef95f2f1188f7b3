#pragma once

#include <memory>

#include "gridlib/controls/popup_list.h"
#include "platform/core/strings.h"
#include "platform/core/variant.h"

class TColumnEx;

// What a column's drop-down list offers: the texts it shows and the value each stores (a
// pick list its own text, a key list the key on the same line, a lookup list the key of
// the lookup record), with the entry the cell holds now. A lookup list reads its records
// only as they are shown.
class TDropDownChoicesEx : public IPopupListRowsEx {
 public:
  virtual Variant RowValue(int index) = 0;
  // The entry the cell holds now; -1 for none.
  virtual int CurrentRow() = 0;
  // Whether what the lines were read from went or changed since (the program closed or
  // emptied the lookup table): the lines stand for nothing any more and none may be chosen.
  virtual bool Outdated() { return false; }
};

// The choices of `column`'s drop-down list; none for a column without a list. `text` is the
// editor's text, `key` the lookup key the grid edits now.
std::unique_ptr<TDropDownChoicesEx> ColumnDropDownChoices(TColumnEx* column, const String& text, const Variant& key);
