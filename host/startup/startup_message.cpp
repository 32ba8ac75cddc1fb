#include "host/startup/startup_message.h"

#include "platform/installed_platform.h"
#include "platform/platform.h"

namespace vorna {

void ShowStartupMessage(const std::string& text) {
  platform::Platform& machine = platform::Current();
  machine.system->DebugOutput(text);
  machine.interaction->MessageBox(platform::Owner::None, text, kStartupCaption,
                                  platform::mb::IconHand);
}

void ShowFileNotFound(const std::string& fileName) {
  platform::Current().interaction->MessageBox(platform::Owner::None, fileName, kFileNotFoundCaption,
                                              platform::mb::Ok);
}

}  // namespace vorna
