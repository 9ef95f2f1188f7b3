#include "tests/showcase/file_contents.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace showcase_test {

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

::testing::AssertionResult WroteBytes(const fs::path& path, const std::string& bytes) {
  errno = 0;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the test could not write the " << bytes.size() << " bytes of " << path
                                       << ": " << (errno != 0 ? std::strerror(errno) : "the stream failed");
}

::testing::AssertionResult HoldsBytes(const fs::path& path, const std::string& bytes) {
  std::error_code error;
  if (!fs::is_regular_file(path, error))
    return ::testing::AssertionFailure() << path << " is no longer a file" << (error ? ": " + error.message() : "");
  const std::string held = Bytes(path);
  if (held == bytes) return ::testing::AssertionSuccess();
  const auto differ = std::mismatch(held.begin(), held.end(), bytes.begin(), bytes.end()).first - held.begin();
  return ::testing::AssertionFailure() << path << " holds " << held.size() << " bytes where " << bytes.size()
                                       << " were expected; they differ from byte " << differ << " on";
}

}  // namespace showcase_test
