// The list of data formats a side-bar drag offers.
#include "sidebar/format_etc_list.h"

void TnbFormatEtcList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw EListError("FormatEtcList: Invalid item index.");
}

FORMATETC TnbFormatEtcList::Get(int index) const {
  CheckIndex(index);
  return items_[static_cast<size_t>(index)];
}

void TnbFormatEtcList::Put(int index, const FORMATETC& record) {
  CheckIndex(index);
  items_[static_cast<size_t>(index)] = record;
}

int TnbFormatEtcList::Add(const FORMATETC& record) {
  items_.push_back(record);
  return Count() - 1;
}
