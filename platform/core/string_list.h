#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/core/events.h"
#include "platform/core/object.h"
#include "platform/core/streams.h"
#include "platform/core/strings.h"

// An ordered list of strings, each with an optional associated object (not owned), read and
// written line by line, as name=value pairs, or as one delimited text. Contents are
// binary-safe: a string may hold any bytes, NUL included. Indexes outside 0..Count()-1 raise
// EListError ("List index out of bounds (n)").
class TStrings : public TObject {
  DECLARE_CLASS(TStrings, TObject)
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  virtual int Count() const = 0;
  virtual String Strings(int index) const = 0;
  virtual void SetStrings(int index, const String& s) = 0;
  virtual TObject* Objects(int index) const = 0;
  virtual void SetObjects(int index, TObject* object) = 0;
  virtual void InsertObject(int index, const String& s, TObject* object) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;

  // Returns the index the string landed at.
  virtual int Add(const String& s) { return AddObject(s, nullptr); }
  virtual int AddObject(const String& s, TObject* object);
  void Insert(int index, const String& s) { InsertObject(index, s, nullptr); }
  void AddStrings(const TStrings& strings);
  // Replaces the contents (strings and objects) and the separator, delimiter and quote
  // settings with those of `source`.
  virtual void Assign(const TStrings& source);
  // Same strings in the same order, compared byte for byte; objects are not compared.
  bool Equals(const TStrings& other) const;
  virtual void Exchange(int index1, int index2);
  virtual void Move(int curIndex, int newIndex);

  // Lookups compare with CompareStrings; the first match wins.
  virtual int IndexOf(const String& s) const;
  int IndexOfObject(const TObject* object) const;
  int IndexOfName(const String& name) const;
  // Strings as compared by IndexOf, IndexOfName and sorting: AnsiCompareText here.
  virtual int CompareStrings(std::string_view a, std::string_view b) const;

  // name=value lines: Names(i) is the part before the first separator ("" when there is
  // none), ValueFromIndex(i) the part after it. Setting an empty value deletes the line.
  String Names(int index) const;
  String ValueFromIndex(int index) const;
  String Values(const String& name) const;
  void SetValues(const String& name, const String& value);
  char NameValueSeparator() const { return nameValueSeparator_; }
  void SetNameValueSeparator(char c) { nameValueSeparator_ = c; }

  // Every line followed by CR LF, the line break of the class library's home platform, so
  // text saved here reads back the same there. SetText accepts CR, LF and CR LF.
  String Text() const;
  virtual void SetText(std::string_view text);

  // Items joined by Delimiter; an item holding the delimiter, the quote character or (unless
  // StrictDelimiter) a space or control character is quoted with QuoteChar, quotes inside
  // doubled. Reading splits at delimiters and, unless StrictDelimiter, at unquoted spaces.
  String DelimitedText() const;
  void SetDelimitedText(std::string_view text);
  char Delimiter() const { return delimiter_; }
  void SetDelimiter(char c) { delimiter_ = c; }
  char QuoteChar() const { return quoteChar_; }
  void SetQuoteChar(char c) { quoteChar_ = c; }
  bool StrictDelimiter() const { return strictDelimiter_; }
  void SetStrictDelimiter(bool strict) { strictDelimiter_ = strict; }
  // DelimitedText with ',' and '"', spaces splitting, whatever the settings above.
  String CommaText() const;
  void SetCommaText(std::string_view text);

  // Counted; a list that reports changes reports a bracket's changes once, at its end.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Text as UTF-8; a leading UTF-8 byte order mark is skipped when loading, none is written.
  // LoadFromStream reads from the stream's position to its end.
  void LoadFromStream(TStream& stream);
  void SaveToStream(TStream& stream) const;
  void LoadFromFile(const String& fileName);
  void SaveToFile(const String& fileName) const;

 protected:
  // Told when the update count leaves 0 (true) and returns to 0 (false).
  virtual void SetUpdateState(bool) {}

 private:
  int updateCount_ = 0;
  char nameValueSeparator_ = '=';
  char delimiter_ = ',';
  char quoteChar_ = '"';
  bool strictDelimiter_ = false;
};

// Holds a TStrings in an update bracket for the scope's lifetime.
class TStringsUpdateLock {
 public:
  explicit TStringsUpdateLock(TStrings& strings);
  ~TStringsUpdateLock() noexcept(false);
  TStringsUpdateLock(const TStringsUpdateLock&) = delete;
  TStringsUpdateLock& operator=(const TStringsUpdateLock&) = delete;

 private:
  TStrings& strings_;
  int pendingExceptions_;
};

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStringList;
// Compares the strings at two indexes of a list for CustomSort: negative, zero or positive.
using TStringListSortCompare = int (*)(TStringList* list, int index1, int index2);

// The string list that stores its strings. OnChanging fires before and OnChange after every
// change; inside an update bracket they fire once per bracket, OnChanging before the first
// change and OnChange when the count returns to 0, and not at all if nothing changed.
class TStringList : public TStrings {
  DECLARE_CLASS(TStringList, TStrings)
 public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(items_.size()); }
  String Strings(int index) const override;
  // Raises EListError ("Operation not allowed on sorted list") on a sorted list.
  void SetStrings(int index, const String& s) override;
  TObject* Objects(int index) const override;
  void SetObjects(int index, TObject* object) override;
  // On a sorted list raises EListError ("Operation not allowed on sorted list").
  void InsertObject(int index, const String& s, TObject* object) override;
  void Delete(int index) override;
  void Clear() override;
  // On a sorted list the string goes to its place; an equal string already there is kept
  // alone (dupIgnore, returning its index), joined (dupAccept, after its equals) or refused
  // (dupError: EListError "String list does not allow duplicates").
  int AddObject(const String& s, TObject* object) override;
  // On a sorted list raise EListError ("Operation not allowed on sorted list").
  void Exchange(int index1, int index2) override;
  void Move(int curIndex, int newIndex) override;

  int IndexOf(const String& s) const override;
  int CompareStrings(std::string_view a, std::string_view b) const override;
  // Binary search of a sorted list: true when found; index is the first match or, when not
  // found, where the string would go.
  bool Find(const String& s, int& index) const;

  // Stable: equal strings keep their order. A sorted list keeps its own order and ignores
  // CustomSort.
  void Sort();
  void CustomSort(TStringListSortCompare compare);
  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
  // IndexOf, Find and sorting fold Latin case unless CaseSensitive; a sorted list re-sorts.
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  void Changing();
  void Changed();

 private:
  struct Item {
    String text;
    TObject* object = nullptr;
  };
  void CheckIndex(int index) const;
  void CheckNotSorted() const;
  // Reorders the items by a stable sort of their indexes with `less`.
  template <typename Less>
  void SortIndexes(Less less);
  int UpperBound(const String& s) const;

  std::vector<Item> items_;
  TDuplicates duplicates_ = dupIgnore;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  // A change happened inside the current update bracket (OnChanging has fired).
  bool changePending_ = false;
};
