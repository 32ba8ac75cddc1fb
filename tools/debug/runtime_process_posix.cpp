// Starting the runtime on Linux: vorna-run with two extra descriptors, or a
// Windows runtime under Wine with the pipes as its standard input and output.
#ifndef _WIN32

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "platform/portable/fd_debug_channel.h"
#include "tools/debug/runtime_process.h"

namespace vorna::debug {

namespace {

class PosixRuntime : public RuntimeProcess {
 public:
  PosixRuntime(pid_t pid, int readFd, int writeFd)
      : pid_(pid), readFd_(readFd), writeFd_(writeFd), channel_(readFd, writeFd) {}
  ~PosixRuntime() override { CloseEnds(); }

  platform::DebugChannel& channel() override { return channel_; }
  int Wait() override {
    CloseEnds();
    if (pid_ <= 0) return exitCode_;
    int status = 0;
    while (waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
    }
    pid_ = -1;
    exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return exitCode_;
  }

 private:
  void CloseEnds() {
    if (readFd_ >= 0) close(readFd_);
    if (writeFd_ >= 0) close(writeFd_);
    readFd_ = writeFd_ = -1;
  }

  pid_t pid_;
  int exitCode_ = 0;
  int readFd_;
  int writeFd_;
  platform::FdDebugChannel channel_;
};

std::vector<std::string> Arguments(const RuntimeLaunch& launch, int readFd, int writeFd) {
  if (IsWindowsRuntime(launch.runtime)) {
    std::vector<std::string> words{"wine", launch.runtime, "-D"};
    if (!launch.startup.empty()) words.push_back(launch.startup);
    return words;
  }
  std::vector<std::string> words{launch.runtime, "--debug-fds",
                                 std::to_string(readFd) + "," + std::to_string(writeFd)};
  words.insert(words.end(), launch.hostArguments.begin(), launch.hostArguments.end());
  words.push_back("--");
  words.push_back("-D");
  if (!launch.startup.empty()) words.push_back(launch.startup);
  return words;
}

// In the child: the runtime's ends of the pipes in place, then the runtime.
[[noreturn]] void RunChild(const RuntimeLaunch& launch, int readFd, int writeFd) {
  if (IsWindowsRuntime(launch.runtime)) {
    dup2(readFd, STDIN_FILENO);
    dup2(writeFd, STDOUT_FILENO);
    readFd = STDIN_FILENO;
    writeFd = STDOUT_FILENO;
  }
  std::vector<std::string> words = Arguments(launch, readFd, writeFd);
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  execvp(argv[0], argv.data());
  std::fprintf(stderr, "vorna-debug: cannot start %s: %s\n", argv[0], std::strerror(errno));
  _exit(127);
}

}  // namespace

std::unique_ptr<RuntimeProcess> StartRuntime(const RuntimeLaunch& launch) {
  int toRuntime[2];
  int fromRuntime[2];
  if (pipe(toRuntime) != 0) throw std::runtime_error("cannot create a pipe");
  if (pipe(fromRuntime) != 0) {
    close(toRuntime[0]);
    close(toRuntime[1]);
    throw std::runtime_error("cannot create a pipe");
  }
  platform::IgnoreBrokenPipes();
  pid_t pid = fork();
  if (pid == 0) {
    close(toRuntime[1]);
    close(fromRuntime[0]);
    RunChild(launch, toRuntime[0], fromRuntime[1]);
  }
  close(toRuntime[0]);
  close(fromRuntime[1]);
  if (pid < 0) {
    close(toRuntime[1]);
    close(fromRuntime[0]);
    throw std::runtime_error("cannot start the runtime");
  }
  return std::make_unique<PosixRuntime>(pid, fromRuntime[0], toRuntime[1]);
}

}  // namespace vorna::debug

#endif
