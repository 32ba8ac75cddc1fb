#include "platform/installed_platform.h"

namespace vorna::platform {

namespace {
Platform installed;
}

Platform& Current() {
  return installed;
}

void SetPlatform(const Platform& platform) {
  installed = platform;
}

}  // namespace vorna::platform
