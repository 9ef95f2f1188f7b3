#pragma once

// Texts the libraries show to users (messages, list commands, captions) as named strings,
// English by default, that an application in another language replaces at start-up, before
// it shows a window: the class library's resource strings. Each library keeps its own table.

#include <string_view>
#include <vector>

#include "platform/core/strings.h"

class TResourceTable;

class TResourceString {
 public:
  // Registers the string in `table`; both live for the whole program.
  TResourceString(TResourceTable& table, const char* name, const char* english);
  TResourceString(const TResourceString&) = delete;
  TResourceString& operator=(const TResourceString&) = delete;

  const char* Name() const { return name_; }
  const char* English() const { return english_; }
  // What the user is shown: the application's text, else the English one.
  const String& Text() const { return text_; }
  operator const String&() const { return text_; }
  operator std::string_view() const { return text_; }
  void Replace(const String& text) { text_ = text; }
  void Restore() { text_ = english_; }

 private:
  const char* name_;
  const char* english_;
  String text_;
};

class TResourceTable {
 public:
  // Adds the table to ResourceTables().
  explicit TResourceTable(const char* name);
  TResourceTable(const TResourceTable&) = delete;
  TResourceTable& operator=(const TResourceTable&) = delete;

  const char* Name() const { return name_; }
  const std::vector<TResourceString*>& Strings() const { return strings_; }
  // The string called `name`, nil when the table has none.
  TResourceString* Find(std::string_view name) const;
  // Replaces the text of the string called `name`; false when the table has none.
  bool Replace(std::string_view name, const String& text);
  void RestoreAll();

 private:
  friend class TResourceString;
  const char* name_;
  std::vector<TResourceString*> strings_;
};

// The tables of the libraries linked into the program.
const std::vector<TResourceTable*>& ResourceTables();

// The platform's own table: conversions, data sets and the standard message boxes.
TResourceTable& PlatformTexts();
