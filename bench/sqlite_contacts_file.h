#pragma once

// A contacts table in a temporary SQLite file, for benchmarks over a large table: written once
// per size and run, removed when the program ends.
#include <unistd.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/data/sqlite_access.h"

namespace bench_sqlite {

// One temporary directory per run, removed at exit.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sqlite_benchXXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string(".");
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

inline TempDir& Dir() {
  static TempDir dir;
  return dir;
}

// A contacts table of `rows` rows, written once per run in one transaction.
inline const std::string& ContactsFile(int rows) {
  static std::map<int, std::string> files;
  auto it = files.find(rows);
  if (it != files.end()) return it->second;
  std::string path = Dir().Path() + "/contacts" + std::to_string(rows) + ".db";
  {
    TSqliteDatabase db(path, true, 1000);
    db.Execute("PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF;");
    db.Execute("CREATE TABLE contacts (id INTEGER PRIMARY KEY, name VARCHAR(20), phone VARCHAR(20), "
               "balance MONEY, joined DATE)");
    TSqliteTransaction transaction(db);
    TSqliteStatement insert(db, "INSERT INTO contacts (name, phone, balance, joined) VALUES (?, ?, ?, ?)");
    for (int i = 0; i < rows; ++i) {
      insert.Bind(1, Variant("联系人" + std::to_string(i)));
      insert.Bind(2, Variant("1380000" + std::to_string(1000 + i % 9000)));
      insert.Bind(3, Variant((i % 1000) * 1.25));
      insert.Bind(4, Variant("2024-01-15"));
      insert.Step();
      insert.Reset();
    }
    transaction.Commit();
  }
  return files[rows] = path;
}

}  // namespace bench_sqlite
