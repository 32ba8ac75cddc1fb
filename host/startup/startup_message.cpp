#include "host/startup/startup_message.h"

namespace vorna {

void ShowStartupMessage(const platform::Platform& machine, const std::string& text) {
  machine.system->DebugOutput(text);
  machine.interaction->MessageBox(platform::Owner::None, text, kStartupCaption,
                                  platform::mb::IconHand);
}

void ShowFileNotFound(const platform::Platform& machine, const std::string& fileName) {
  machine.interaction->MessageBox(platform::Owner::None, fileName, kFileNotFoundCaption,
                                  platform::mb::Ok);
}

void FailStartup(const platform::Platform& machine, const std::string& text) {
  ShowStartupMessage(machine, text);
  platform::Emit(machine, platform::event::RunFailed{text});
}

}  // namespace vorna
