#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace showcase_test {

// The bytes of a file as they are on disk.
std::string Bytes(const std::filesystem::path& path);

// Makes `bytes` the whole content of `path`. A write the machine refuses (a full disk) fails
// with the system's reason, so that it is not taken for a fault of what the test examines.
::testing::AssertionResult WroteBytes(const std::filesystem::path& path, const std::string& bytes);

// Whether `path` holds exactly `bytes`. A difference is told by the sizes and the first byte
// that differs: the files compared are megabytes long, and printing them whole would fill the
// test log (and the disk under it) instead of saying what went wrong.
::testing::AssertionResult HoldsBytes(const std::filesystem::path& path, const std::string& bytes);

}  // namespace showcase_test
