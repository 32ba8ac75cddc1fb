// Processes, environment, time, sound, console and diagnostics.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorna::platform {

class System {
 public:
  virtual ~System() = default;
  /// Starts a command line with a Windows show state (SW_*) and does not wait
  /// for it; answers the new process's id, nullopt when it cannot start.
  virtual std::optional<uint32_t> StartProcess(const std::string& commandLine, int showState) = 0;
  virtual std::optional<std::string> Environment(const std::string& name) = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
  /// Seconds since 1970-01-01 UTC.
  virtual int64_t Now() = 0;
  virtual void Beep(unsigned type) = 0;
  /// Text for the system's debugger output (OutputDebugStringA on Windows).
  virtual void DebugOutput(const std::string& text) = 0;
  /// Ends the process at once with the given exit code.
  [[noreturn]] virtual void ExitProcess(int code) = 0;
  /// The folder for temporary files; nullopt on a system without one.
  virtual std::optional<std::string> TemporaryFolder();
  /// The id of this process (0 where processes have none).
  virtual uint32_t ProcessId();
  /// Waits until the process with that id has ended; false when it cannot
  /// wait for it (no such process is then running either, or the system
  /// starts none).
  virtual bool WaitForProcess(uint32_t id);
};

inline std::optional<std::string> System::TemporaryFolder() {
  return std::nullopt;
}
inline uint32_t System::ProcessId() {
  return 0;
}
inline bool System::WaitForProcess(uint32_t) {
  return false;
}

/// The text console that OPTION CONSOLE opens.
class Console {
 public:
  virtual ~Console() = default;
  virtual bool Open() = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual bool Write(const std::string& text) = 0;
  /// Reads one line without its line end; nullopt at the end of input.
  virtual std::optional<std::string> ReadLine() = 0;
};

}  // namespace vorna::platform
