#include "platform/win32/win32_debug_channel.h"

namespace vorna::platform {

bool Win32DebugChannel::Write(const DebugRecordBytes& record) {
  DWORD written = 0;
  if (!WriteFile(output_, record.data(), static_cast<DWORD>(record.size()), &written, nullptr) ||
      written != record.size()) {
    return false;
  }
  // A pipe's flush waits until the debugger has read the record; its result
  // says nothing about the record itself.
  FlushFileBuffers(output_);
  return true;
}

ChannelRead Win32DebugChannel::Read(DebugRecordBytes& record) {
  DWORD done = 0;
  while (done < record.size()) {
    DWORD got = 0;
    if (!ReadFile(input_, record.data() + done, static_cast<DWORD>(record.size()) - done, &got,
                  nullptr)) {
      return ChannelRead::Failed;
    }
    // An empty read before the record began is asked again by the caller;
    // inside a record the rest is still to come.
    if (got == 0 && done == 0) return ChannelRead::Nothing;
    done += got;
  }
  return ChannelRead::Record;
}

}  // namespace vorna::platform
