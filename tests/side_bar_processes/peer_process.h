#pragma once

#include <sys/types.h>

#include <optional>
#include <string>

#include "tests/real_windows/real_display.h"

// The side-bar peer program run as a child process: its standard input stays open while it
// should live, and its standard output is read line by line while our own messages run.
class TPeerProcess {
 public:
  TPeerProcess(const std::string& program, int left, int top);
  ~TPeerProcess();
  TPeerProcess(const TPeerProcess&) = delete;
  TPeerProcess& operator=(const TPeerProcess&) = delete;

  bool Started() const { return pid_ > 0; }
  // The rest of the next line that is `prefix` or begins with it and a space, handling our
  // messages while waiting; none when no such line came within `ms`.
  std::optional<std::string> AwaitLine(const std::string& prefix, int ms = kPatienceMs);

 private:
  bool ReadLine(std::string& line);
  pid_t pid_ = -1;
  int toChild_ = -1;
  int fromChild_ = -1;
  std::string pending_;
};
