#include "tests/skin/theme_file_test_support.h"

#include <atomic>
#include <string>
#include <unistd.h>

TTempFolder::TTempFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("skin_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TTempFolder::~TTempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}
