#include "platform/portable/file_terminal.h"

#include <poll.h>
#include <unistd.h>

#include "platform/portable/portable_console.h"

namespace vorna::platform {

std::optional<std::string> FileTerminal::ReadLine() {
  return ReadTextLine(in_);
}

bool FileTerminal::LineTyped(int waitMilliseconds) {
  if (!open_) {
    usleep(static_cast<useconds_t>(waitMilliseconds) * 1000);
    return false;
  }
  pollfd ready{fileno(in_), POLLIN, 0};
  if (poll(&ready, 1, waitMilliseconds) <= 0) return false;
  if (!ReadTextLine(in_)) open_ = false;
  return open_;
}

}  // namespace vorna::platform
