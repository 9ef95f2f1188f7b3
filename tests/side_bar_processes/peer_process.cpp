#include "tests/side_bar_processes/peer_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/controls/application.h"

extern char** environ;

TPeerProcess::TPeerProcess(const std::string& program, int left, int top) {
  int in[2], out[2];
  if (pipe(in) != 0) return;
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, in[1]);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string l = std::to_string(left), t = std::to_string(top);
  char* args[] = {const_cast<char*>(program.c_str()), l.data(), t.data(), nullptr};
  if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, args, environ) != 0) pid_ = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(in[0]);
  close(out[1]);
  toChild_ = in[1];
  fromChild_ = out[0];
  fcntl(fromChild_, F_SETFL, fcntl(fromChild_, F_GETFL) | O_NONBLOCK);
}

TPeerProcess::~TPeerProcess() {
  // Closing its input ends the peer; one that hangs is stopped.
  close(toChild_);
  close(fromChild_);
  if (pid_ <= 0) return;
  for (int i = 0; i < 200; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool TPeerProcess::ReadLine(std::string& line) {
  char buffer[256];
  for (ssize_t n; (n = read(fromChild_, buffer, sizeof buffer)) > 0;) pending_.append(buffer, static_cast<size_t>(n));
  const size_t end = pending_.find('\n');
  if (end == std::string::npos) return false;
  line = pending_.substr(0, end);
  pending_.erase(0, end + 1);
  return true;
}

std::optional<std::string> TPeerProcess::AwaitLine(const std::string& prefix, int ms) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  std::string line;
  while (std::chrono::steady_clock::now() < deadline) {
    while (ReadLine(line)) {
      if (line == prefix) return std::string();
      if (line.rfind(prefix + " ", 0) == 0) return line.substr(prefix.size() + 1);
    }
    if (Application) Application->ProcessMessages();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::nullopt;
}
