#include "platform/portable/fd_debug_channel.h"

#include <errno.h>
#include <signal.h>
#include <unistd.h>

namespace vorna::platform {

bool FdDebugChannel::Write(const DebugRecordBytes& record) {
  size_t done = 0;
  while (done < record.size()) {
    ssize_t written = write(writeFd_, record.data() + done, record.size() - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    done += static_cast<size_t>(written);
  }
  // A pipe has nothing to flush: what was written is with the reader.
  return true;
}

ChannelRead FdDebugChannel::Read(DebugRecordBytes& record) {
  size_t done = 0;
  while (done < record.size()) {
    ssize_t got = read(readFd_, record.data() + done, record.size() - done);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return ChannelRead::Failed;
    done += static_cast<size_t>(got);
  }
  return ChannelRead::Record;
}

void IgnoreBrokenPipes() {
  signal(SIGPIPE, SIG_IGN);
}

}  // namespace vorna::platform
