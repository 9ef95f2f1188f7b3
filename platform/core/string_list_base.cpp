// TStrings: what every string list does on top of its storage.
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "platform/core/exceptions.h"
#include "platform/core/string_list.h"

int TStrings::AddObject(const String& s, TObject* object) {
  const int index = Count();
  InsertObject(index, s, object);
  return index;
}

void TStrings::AddStrings(const TStrings& strings) {
  if (&strings == this) {
    // Adding a list to itself adds each of its strings once, from a copy, since a sorted
    // list moves its strings while they are added.
    std::vector<std::pair<String, TObject*>> copy;
    for (int i = 0; i < Count(); ++i) copy.emplace_back(Strings(i), Objects(i));
    TStringsUpdateLock lock(*this);
    for (const auto& [s, object] : copy) AddObject(s, object);
    return;
  }
  TStringsUpdateLock lock(*this);
  for (int i = 0; i < strings.Count(); ++i) AddObject(strings.Strings(i), strings.Objects(i));
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TStringsUpdateLock lock(*this);
  Clear();
  nameValueSeparator_ = source.nameValueSeparator_;
  delimiter_ = source.delimiter_;
  quoteChar_ = source.quoteChar_;
  strictDelimiter_ = source.strictDelimiter_;
  AddStrings(source);
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i) {
    if (Strings(i) != other.Strings(i)) return false;
  }
  return true;
}

void TStrings::Exchange(int index1, int index2) {
  TStringsUpdateLock lock(*this);
  const String s1 = Strings(index1);
  TObject* const o1 = Objects(index1);
  SetStrings(index1, Strings(index2));
  SetObjects(index1, Objects(index2));
  SetStrings(index2, s1);
  SetObjects(index2, o1);
}

void TStrings::Move(int curIndex, int newIndex) {
  if (curIndex == newIndex) return;
  TStringsUpdateLock lock(*this);
  const String s = Strings(curIndex);
  TObject* const object = Objects(curIndex);
  if (newIndex < 0 || newIndex >= Count()) RaiseListIndexError(newIndex);
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

int TStrings::IndexOf(const String& s) const {
  for (int i = 0; i < Count(); ++i) {
    if (CompareStrings(Strings(i), s) == 0) return i;
  }
  return -1;
}

int TStrings::IndexOfObject(const TObject* object) const {
  for (int i = 0; i < Count(); ++i) {
    if (Objects(i) == object) return i;
  }
  return -1;
}

int TStrings::IndexOfName(const String& name) const {
  for (int i = 0; i < Count(); ++i) {
    const String s = Strings(i);
    const size_t separator = s.find(nameValueSeparator_);
    if (separator != String::npos && CompareStrings(std::string_view(s).substr(0, separator), name) == 0) {
      return i;
    }
  }
  return -1;
}

int TStrings::CompareStrings(std::string_view a, std::string_view b) const { return AnsiCompareText(a, b); }

String TStrings::Names(int index) const {
  const String s = Strings(index);
  const size_t separator = s.find(nameValueSeparator_);
  return separator == String::npos ? String() : s.substr(0, separator);
}

String TStrings::ValueFromIndex(int index) const {
  const String s = Strings(index);
  const size_t separator = s.find(nameValueSeparator_);
  return separator == String::npos ? String() : s.substr(separator + 1);
}

String TStrings::Values(const String& name) const {
  const int index = IndexOfName(name);
  return index < 0 ? String() : ValueFromIndex(index);
}

void TStrings::SetValues(const String& name, const String& value) {
  const int index = IndexOfName(name);
  if (!value.empty()) {
    const String line = name + nameValueSeparator_ + value;
    if (index < 0) {
      Add(line);
    } else {
      SetStrings(index, line);
    }
  } else if (index >= 0) {
    Delete(index);
  }
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;
  if (--updateCount_ == 0) SetUpdateState(false);
}

TStringsUpdateLock::TStringsUpdateLock(TStrings& strings)
    : strings_(strings), pendingExceptions_(std::uncaught_exceptions()) {
  strings_.BeginUpdate();
}

TStringsUpdateLock::~TStringsUpdateLock() noexcept(false) {
  if (std::uncaught_exceptions() == pendingExceptions_) {
    strings_.EndUpdate();
    return;
  }
  // Unwinding already: a second exception from a change handler would end the program, and
  // the first one is the error the caller needs to see.
  try {
    strings_.EndUpdate();
  } catch (...) {
  }
}
