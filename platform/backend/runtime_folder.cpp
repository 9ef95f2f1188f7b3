// A runtime folder for sessions that do not provide one.
#include "platform/backend/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

namespace {

// The folder is the user's alone: owned by them, a real folder (not a link), readable and
// writable by nobody else.
bool PrivateFolder(const std::string& path) {
  struct stat info {};
  if (lstat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) return false;
  return (info.st_mode & 0777) == 0700 || chmod(path.c_str(), 0700) == 0;
}

}  // namespace

void ProvideRuntimeFolder() {
  const char* given = std::getenv("XDG_RUNTIME_DIR");
  if (given != nullptr && given[0] != '\0') return;
  const char* temporary = std::getenv("TMPDIR");
  const std::string base = temporary != nullptr && temporary[0] == '/' ? temporary : "/tmp";
  const std::string folder = base + "/runtime-" + std::to_string(getuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return;
  // A folder someone else made in its place is not used: the toolkit then finds its own way.
  if (PrivateFolder(folder)) setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}
