#pragma once

#include <memory>
#include <vector>

#include "platform/windows/data_object.h"

// The format records a side bar's drag offers, in the order they are offered.
class TnbFormatEtcList {
 public:
  int Count() const { return static_cast<int>(items_.size()); }
  // Get and Put raise EListError "FormatEtcList: Invalid item index." outside 0..Count-1.
  FORMATETC Get(int index) const;
  void Put(int index, const FORMATETC& record);
  // Appends; answers the new record's index.
  int Add(const FORMATETC& record);
  void Clear() { items_.clear(); }
  std::unique_ptr<TnbFormatEtcList> Clone() const { return std::make_unique<TnbFormatEtcList>(*this); }
  const std::vector<FORMATETC>& Items() const { return items_; }

 private:
  void CheckIndex(int index) const;
  std::vector<FORMATETC> items_;
};

// Enumerates its own copy of a bar's format list, from the first record.
class TnbEnumFormatEtc : public TEnumFormatEtc {
 public:
  explicit TnbEnumFormatEtc(const TnbFormatEtcList& list, size_t position = 0)
      : TEnumFormatEtc(list.Items(), position) {}
};
