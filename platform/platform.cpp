#include "platform/platform.h"

namespace vorna::platform {

namespace {
Platform installed;
}

Platform& Current() { return installed; }

void SetPlatform(const Platform& platform) { installed = platform; }

}  // namespace vorna::platform

namespace vorna::platform {

std::optional<std::string> Interaction::InputDialog(const std::string& /*prompt*/) {
  return std::nullopt;
}

}  // namespace vorna::platform
