// The recently used texts of an edit: adding, limiting and copying them.
#include "gridlib/controls/mru_list.h"

#include "platform/classes/properties.h"

TMRUListEx::TMRUListEx(TPersistent* owner) : owner_(owner), items_(std::make_unique<TStringList>()) {}

TMRUListEx::~TMRUListEx() = default;

void TMRUListEx::Publish() {
  TPublisher<TMRUListEx> p;
  p.Property("Active", &TMRUListEx::Active, &TMRUListEx::SetActive).Default(false);
  p.Property("AutoAdd", &TMRUListEx::AutoAdd, &TMRUListEx::SetAutoAdd).Default(true);
  p.Property("CaseSensitive", &TMRUListEx::CaseSensitive, &TMRUListEx::SetCaseSensitive)
      .Default(false);
  p.Property("Items", &TMRUListEx::Items, &TMRUListEx::SetItems);
  p.Property("Limit", &TMRUListEx::Limit, &TMRUListEx::SetLimit).Default(100);
  p.Property("Rows", &TMRUListEx::Rows, &TMRUListEx::SetRows).Default(7);
}

void TMRUListEx::Assign(TPersistent* source) {
  if (auto* other = dynamic_cast<TMRUListEx*>(source)) {
    active_ = other->active_;
    autoAdd_ = other->autoAdd_;
    caseSensitive_ = other->caseSensitive_;
    limit_ = other->limit_;
    rows_ = other->rows_;
    items_->Assign(*other->items_);
    return;
  }
  TPersistent::Assign(source);
}

void TMRUListEx::SetLimit(int value) {
  limit_ = value < 0 ? 0 : value;
  TrimToLimit();
}

void TMRUListEx::AddText(const String& text) {
  const String trimmed = Trim(text);
  if (trimmed.empty()) return;
  for (int i = 0; i < items_->Count(); ++i) {
    if (AnsiSameText(items_->Strings(i), trimmed)) return;
  }
  items_->Insert(0, trimmed);
  TrimToLimit();
}

void TMRUListEx::TrimToLimit() {
  while (items_->Count() > limit_) items_->Delete(items_->Count() - 1);
}
