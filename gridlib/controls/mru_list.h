#pragma once

#include <memory>

#include "platform/classes/persistent.h"
#include "platform/core/events.h"
#include "platform/core/string_list.h"

// The recently-used texts of an edit: texts the user entered, newest first, offered again in
// a drop-down of Rows lines.
class TMRUListEx : public TPersistent {
  DECLARE_CLASS(TMRUListEx, TPersistent)
 public:
  explicit TMRUListEx(TPersistent* owner = nullptr);
  ~TMRUListEx() override;
  static void Publish();
  void Assign(TPersistent* source) override;
  TPersistent* GetOwner() override { return owner_; }

  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  bool AutoAdd() const { return autoAdd_; }
  void SetAutoAdd(bool value) { autoAdd_ = value; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value) { caseSensitive_ = value; }
  TStrings* Items() const { return items_.get(); }
  void SetItems(TStrings* value) { items_->Assign(*value); }
  int Limit() const { return limit_; }
  void SetLimit(int value);
  int Rows() const { return rows_; }
  void SetRows(int value) { rows_ = value < 1 ? 1 : value; }

  // Adds the trimmed text first unless the list already holds it (ignoring case); the
  // oldest texts beyond Limit drop out.
  void AddText(const String& text);

 private:
  void TrimToLimit();

  TPersistent* owner_;
  bool active_ = false;
  bool autoAdd_ = true;
  bool caseSensitive_ = false;
  std::unique_ptr<TStringList> items_;
  int limit_ = 100;
  int rows_ = 7;
};
