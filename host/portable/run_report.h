// The sandbox's end-of-run report: what the run did to the machine, made
// from the run's events and printed (on standard error) when the run ends.
//
//   [report] what the run did
//     file written (new): C:\Program Files\Hello\README.TXT, 104 bytes, ...
//     folder created: C:\Program Files\Hello
//     registry value written: HKEY_LOCAL_MACHINE\Software\Hello "Path" = "..."
//     copy completed: 3 files
//     exit code 0 (success)
//
// A run that changed nothing and succeeded prints no report.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/install_events.h"

namespace vorna {

class RunReport : public platform::InstallEventSink {
 public:
  /// A report printed on out when the run ends.
  explicit RunReport(std::ostream& out) : out_(out) {}

  /// Keeps the changes, the errors and the copy results; prints the report at
  /// the run's end.
  void Receive(const platform::InstallEvent& event) override;

 private:
  void Print(const platform::event::RunEnded& ended);

  std::ostream& out_;
  std::vector<std::string> lines_;
};

}  // namespace vorna
