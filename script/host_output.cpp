#include "script/host_output.h"

#include <cstdarg>
#include <cstdio>

#include "platform/platform.h"
#include "script/debugger_connection.h"
#include "script/interpreter.h"

namespace vorna {

void HostOutput(Interpreter& interpreter, const std::string& text) {
  platform::Console* console = interpreter.machine().console;
  if (interpreter.consoleFlag != 0 && console != nullptr) {
    console->Write(text);
    return;
  }
  // Without a console the text belongs to an attached debugger; without
  // one it is dropped.
  SendDebugOutput(interpreter, text);
}

void HostOutputFormat(Interpreter& interpreter, const char* format, ...) {
  char buffer[kMaxHostOutputLength + 1];
  va_list arguments;
  va_start(arguments, format);
  std::vsnprintf(buffer, sizeof buffer, format, arguments);
  va_end(arguments);
  HostOutput(interpreter, buffer);
}

void OpenConsole(Interpreter& interpreter) {
  platform::Console* console = interpreter.machine().console;
  if (interpreter.consoleFlag != 0 || console == nullptr) return;
  console->Open();
  interpreter.consoleFlag = 1;
}

void CloseConsole(Interpreter& interpreter) {
  platform::Console* console = interpreter.machine().console;
  if (interpreter.consoleFlag == 0) return;
  interpreter.consoleFlag = 0;
  if (console != nullptr) console->Close();
}

}  // namespace vorna
