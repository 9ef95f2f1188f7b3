// Every showcase test runs with its data and config folders in a temporary directory of its
// own: the main window creates its data file on first use, the program keeps its side-bar
// layout in the config folder, and no test may touch the real home folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

class TemporaryDataHome : public ::testing::Environment {
 public:
  void SetUp() override {
    std::filesystem::create_directories(TEST_OUTPUT_DIR);
    std::string pattern = std::string(TEST_OUTPUT_DIR) + "/data-home-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    ASSERT_NE(mkdtemp(name.data()), nullptr);
    folder_ = name.data();
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder_ + "/config").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ignored;  // a folder left behind only costs disk space in the build tree
    std::filesystem::remove_all(folder_, ignored);
  }

 private:
  std::string folder_;
};

[[maybe_unused]] ::testing::Environment* const dataHome = ::testing::AddGlobalTestEnvironment(new TemporaryDataHome);

}  // namespace
