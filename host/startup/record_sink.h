// The install record as a sink of the run's events: every change the run
// reports is noted, and the record starts where UNINSTALLER asks for it
// (uninstall/record_writer.h).
#pragma once

#include <string>

#include "platform/install_events.h"
#include "platform/platform.h"
#include "uninstall/record_writer.h"

namespace vorna {

class RecordSink : public platform::InstallEventSink {
 public:
  /// A sink that writes the record through machine.
  explicit RecordSink(const platform::Platform& machine) : writer_(machine) {}

  void Receive(const platform::InstallEvent& event) override;

  /// Why the record could not be written the last time; empty when it could.
  const std::string& failure() const { return writer_.failure(); }

 private:
  RecordWriter writer_;
};

}  // namespace vorna
