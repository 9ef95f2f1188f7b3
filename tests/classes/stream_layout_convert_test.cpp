// The layout-convert tool: exit codes and a round trip through files.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "platform/core/streams.h"

namespace {

namespace fs = std::filesystem;

// The tool is built next to the test programs; a build of the test target alone lacks it.
fs::path ToolPath() { return fs::path(TEST_OUTPUT_DIR).parent_path() / "tools" / "layout-convert"; }

int RunTool(const std::string& arguments) {
  const std::string command = ToolPath().string() + " " + arguments + " 2>/dev/null";
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class LayoutConvert : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(ToolPath())) GTEST_SKIP() << "layout-convert is not built";
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_ = fs::path(TEST_OUTPUT_DIR) / "layout-convert-test";
  const std::string sample_ = std::string(TESTDATA_DIR) + "/streams/panel-layout.bin";
};

TEST_F(LayoutConvert, BadArgumentsExitWithTwo) {
  EXPECT_EQ(RunTool(""), 2);
  EXPECT_EQ(RunTool("--to-text " + sample_), 2);
  EXPECT_EQ(RunTool("--sideways " + sample_ + " " + Path("out")), 2);
}

TEST_F(LayoutConvert, BadInputExitsWithOneAndConvertsNothing) {
  EXPECT_EQ(RunTool("--to-binary " + sample_ + " " + Path("out.bin")), 1);
  EXPECT_EQ(RunTool("--to-text " + Path("missing.bin") + " " + Path("out.txt")), 1);
  EXPECT_FALSE(fs::exists(Path("out.bin")));
  EXPECT_FALSE(fs::exists(Path("out.txt")));
}

TEST_F(LayoutConvert, TextAndBinaryRoundTripThroughFiles) {
  ASSERT_EQ(RunTool("--to-text " + sample_ + " " + Path("a.txt")), 0);
  ASSERT_EQ(RunTool("--to-binary " + Path("a.txt") + " " + Path("a.bin")), 0);
  ASSERT_EQ(RunTool("--to-text " + Path("a.bin") + " " + Path("b.txt")), 0);
  TMemoryStream a, b;
  a.LoadFromFile(Path("a.txt"));
  b.LoadFromFile(Path("b.txt"));
  EXPECT_EQ(a.Bytes(), b.Bytes());
  EXPECT_EQ(String(a.Bytes().begin(), a.Bytes().begin() + 31), "object MainPanel: TSamplePanel\n");
}

}  // namespace
