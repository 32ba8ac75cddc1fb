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
};

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
