#include "platform/win32/win32_debug_channel.h"

namespace vorna::platform {

Win32DebugChannel::Win32DebugChannel(HANDLE input, HANDLE output) : input_(input), output_(output) {
  // The debugger hands its pipes over as inheritable standard handles; a
  // program started by SHELL (which inherits handles) could otherwise read
  // the debugger's replies or forge records.
  SetHandleInformation(input_, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(output_, HANDLE_FLAG_INHERIT, 0);
}

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

namespace {

// A read that succeeds with no bytes is an empty message on a live pipe,
// but the end of the stream on anything else, and on a pipe whose writer
// is gone (Wine reports the end of a host pipe this way): asking again
// would spin for ever.
bool StillConnected(HANDLE input) {
  DWORD available = 0;
  return GetFileType(input) == FILE_TYPE_PIPE &&
         PeekNamedPipe(input, nullptr, 0, nullptr, &available, nullptr);
}

}  // namespace

ChannelRead Win32DebugChannel::Read(DebugRecordBytes& record) {
  DWORD done = 0;
  while (done < record.size()) {
    DWORD got = 0;
    if (!ReadFile(input_, record.data() + done, static_cast<DWORD>(record.size()) - done, &got,
                  nullptr)) {
      return ChannelRead::Failed;
    }
    if (got == 0) {
      if (!StillConnected(input_)) return ChannelRead::Failed;
      // Before the record began the caller asks again; inside it the rest
      // is still to come.
      if (done == 0) return ChannelRead::Nothing;
    }
    done += got;
  }
  return ChannelRead::Record;
}

}  // namespace vorna::platform
