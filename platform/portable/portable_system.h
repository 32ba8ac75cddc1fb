// Processes, environment, time and diagnostics for the portable runner.
//
// Nothing here reaches outside the sandbox: a command line is never started,
// a beep and the debug output become lines on standard error.
#pragma once

#include <cstdio>
#include <functional>
#include <vector>

#include "platform/system.h"

namespace vorna::platform {

class PortableSystem : public System {
 public:
  /// log receives the beep, debug-output and refused-command lines (standard error).
  explicit PortableSystem(std::FILE* log = stderr) : log_(log) {}

  /// Registers work to do before ExitProcess ends the process (last in, first run).
  void AtExit(std::function<void()> hook);

  std::optional<uint32_t> StartProcess(const std::string& commandLine, int showState) override;
  std::optional<std::string> Environment(const std::string& name) override;
  void Sleep(uint32_t milliseconds) override;
  int64_t Now() override;
  void Beep(unsigned type) override;
  void DebugOutput(const std::string& text) override;
  [[noreturn]] void ExitProcess(int code) override;

 private:
  std::FILE* log_;
  std::vector<std::function<void()>> exitHooks_;
};

/// Looks a variable up as Windows does: exact name first, then ignoring case.
std::optional<std::string> FindEnvironmentVariable(const std::string& name);

}  // namespace vorna::platform
