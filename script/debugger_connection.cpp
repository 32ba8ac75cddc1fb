#include "script/debugger_connection.h"

#include <cstdlib>

#include "platform/platform.h"
#include "script/interpreter.h"

namespace vorna {

void SendToDebugger(Interpreter& interpreter, char letter, std::string_view text) {
  if (interpreter.connectedFlag == 0) return;
  platform::DebugChannel* channel = interpreter.machine().debugChannel;
  // Without a channel the connection was never there: the first record fails.
  if (channel == nullptr || !channel->Write(EncodeDebugRecord(letter, text)))
    LoseDebugger(interpreter);
}

DebugMessage ReceiveFromDebugger(Interpreter& interpreter) {
  platform::DebugChannel* channel = interpreter.machine().debugChannel;
  if (channel == nullptr) LoseDebugger(interpreter);
  platform::DebugRecordBytes record{};
  for (;;) {
    switch (channel->Read(record)) {
      case platform::ChannelRead::Record:
        return DecodeDebugRecord(record);
      case platform::ChannelRead::Nothing:
        continue;
      case platform::ChannelRead::Failed:
        // The debugger is gone: waiting on would wait for ever.
        LoseDebugger(interpreter);
    }
  }
}

void SendDebugOutput(Interpreter& interpreter, const std::string& text) {
  if (interpreter.connectedFlag == 0) return;
  std::string_view piece(text);
  if (piece.size() > kMaxDebugTextLength) piece = piece.substr(0, kMaxDebugTextLength);
  piece = piece.substr(0, piece.find_first_of("\r\n"));
  if (!piece.empty()) SendToDebugger(interpreter, debugSend::kOutput, piece);
}

void LoseDebugger(Interpreter& interpreter) {
  platform::Platform& machine = interpreter.machine();
  if (machine.interaction != nullptr) {
    machine.interaction->MessageBox(platform::Owner::None, kLostDebuggerText, kLostDebuggerCaption,
                                    platform::mb::Ok);
  }
  if (machine.system != nullptr) machine.system->ExitProcess(0);
  std::_Exit(0);
}

}  // namespace vorna
