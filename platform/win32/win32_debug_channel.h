// The debugger channel on Windows: a pair of pipe handles. The runtime uses
// the standard handles that the debugger gave it when it started it with -D,
// captured at start-up before a console could replace them; the debugger
// client uses its own ends of the same pipes.
#pragma once

#include "platform/debug_channel.h"
#include "platform/win32/windows_api.h"

namespace vorna::platform {

class Win32DebugChannel : public DebugChannel {
 public:
  /// Reads from input and writes to output; neither is closed here. Both
  /// stop being inheritable, so no program the script starts gets them.
  Win32DebugChannel(HANDLE input, HANDLE output);

  bool Write(const DebugRecordBytes& record) override;
  ChannelRead Read(DebugRecordBytes& record) override;

 private:
  HANDLE input_;
  HANDLE output_;
};

}  // namespace vorna::platform
