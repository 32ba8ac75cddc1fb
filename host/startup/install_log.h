// The install log: one line per event of the run, each after a time stamp
// (UTC), written as it happens so that a run that ends abruptly still leaves
// everything up to that point.
#pragma once

#include <memory>
#include <string>

#include "platform/platform.h"

namespace vorna {

/// The environment variable that names the log of an interactive run.
constexpr const char* kLogVariable = "VORNA_LOG";

class InstallLog : public platform::InstallEventSink {
 public:
  /// Creates (or empties) the log file at path through machine's file system;
  /// nullptr when it cannot be created. Time stamps come from machine's clock.
  static std::unique_ptr<InstallLog> Create(const platform::Platform& machine,
                                            const std::string& path);

  /// Writes "YYYY-MM-DD HH:MM:SS text" and a CR LF.
  void Receive(const platform::InstallEvent& event) override;

 private:
  InstallLog(std::unique_ptr<platform::File> file, platform::System& clock);

  std::unique_ptr<platform::File> file_;
  platform::System& clock_;
};

/// The start-up message shown when the log cannot be created.
std::string LogFailureText(const std::string& path);

}  // namespace vorna
