#include "host/startup/install_log.h"

#include "host/startup/event_text.h"

namespace vorna {

std::unique_ptr<InstallLog> InstallLog::Create(const platform::Platform& machine,
                                               const std::string& path) {
  std::unique_ptr<platform::File> file = machine.files->Open(
      path, platform::Access::Write, platform::Share::Read, platform::Creation::CreateAlways);
  if (!file) return nullptr;
  return std::unique_ptr<InstallLog>(new InstallLog(std::move(file), *machine.system));
}

InstallLog::InstallLog(std::unique_ptr<platform::File> file, platform::System& clock)
    : file_(std::move(file)), clock_(clock) {}

void InstallLog::Receive(const platform::InstallEvent& event) {
  std::string line = FormatUtcTime(clock_.Now()) + " " + DescribeEvent(event) + "\r\n";
  // A line that cannot be written is lost; the installation goes on.
  file_->Write(line.data(), line.size());
}

std::string LogFailureText(const std::string& path) {
  return "The install log " + path + " cannot be written.";
}

}  // namespace vorna
