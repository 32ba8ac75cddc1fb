// Processes, environment, time, sound and diagnostics on Windows.
#pragma once

#include "platform/system.h"

namespace vorna::platform {

class Win32System : public System {
 public:
  std::optional<uint32_t> StartProcess(const std::string& commandLine, int showState) override;
  std::optional<std::string> Environment(const std::string& name) override;
  void Sleep(uint32_t milliseconds) override;
  int64_t Now() override;
  void Beep(unsigned type) override;
  void DebugOutput(const std::string& text) override;
  [[noreturn]] void ExitProcess(int code) override;
  /// GetTempPathA, without its trailing backslash.
  std::optional<std::string> TemporaryFolder() override;
  uint32_t ProcessId() override;
  bool WaitForProcess(uint32_t id) override;
};

}  // namespace vorna::platform
