#include "examples/showcase/user_folders.h"

#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

String UserFolder(const char* variable, const char* fallback, const char* name) {
  const char* xdg = std::getenv(variable);
  // An unset or relative XDG variable is to be ignored, as the base-directory rules say.
  if (xdg != nullptr && xdg[0] == '/') return (fs::path(xdg) / name).string();
  const char* home = std::getenv("HOME");
  if (home == nullptr || home[0] == '\0') return "";
  return (fs::path(home) / fallback / name).string();
}
