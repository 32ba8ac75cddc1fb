// The debugger channel of the portable runner: two file descriptors that the
// debugger client hands over (a pipe to read its replies from and one to
// write the records to), kept apart from standard output so that console
// output never mixes with records.
#pragma once

#include "platform/debug_channel.h"

namespace vorna::platform {

class FdDebugChannel : public DebugChannel {
 public:
  /// Reads from readFd and writes to writeFd; neither is closed here.
  FdDebugChannel(int readFd, int writeFd) : readFd_(readFd), writeFd_(writeFd) {}

  bool Write(const DebugRecordBytes& record) override;
  /// The end of the stream counts as a failure: on a pipe it means the
  /// other end was closed, and no later read would ever deliver a record.
  ChannelRead Read(DebugRecordBytes& record) override;

 private:
  int readFd_;
  int writeFd_;
};

/// Makes a write to a pipe whose reader is gone fail instead of killing the
/// process, so that a lost debugger is reported like any failed write.
void IgnoreBrokenPipes();

}  // namespace vorna::platform
