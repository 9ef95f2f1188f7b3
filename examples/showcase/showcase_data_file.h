#pragma once

#include "platform/core/strings.h"

// The showcase's database: an SQLite file in the user's data folder that holds a sample
// address book (table ContactInfo) and the history of sent messages (table SendedMsg). The
// first run creates it; later runs use what it holds, edits included.
namespace showcase_data {

constexpr const char* kFolderName = "showcase";
constexpr const char* kFileName = "showcase.db";
constexpr const char* kContactsTable = "ContactInfo";
constexpr const char* kSentTable = "SendedMsg";
constexpr int kContactCount = 1000;
constexpr int kSentCount = 100000;

}  // namespace showcase_data

// $XDG_DATA_HOME, else ~/.local/share, with the showcase's own folder; "" when neither
// variable is set.
String ShowcaseDataFolder();

// The data file as the showcase found it.
struct TShowcaseDataFile {
  String path;
  // Why the file cannot be used and what to do, in a few words for the user; empty when it can.
  String problem;
  // This run made the file.
  bool created = false;
  // What the system or SQLite said of it, which may run to many lines; empty when nothing.
  String details;
  bool Usable() const { return problem.empty(); }
};

// Creates the data file in `folder` with its sample records when there is none; otherwise
// checks the file there without writing to it. A damaged, unreadable or foreign file is
// reported and left exactly as it is.
TShowcaseDataFile OpenShowcaseDataFile(const String& folder);
