#include "statements/user_answer.h"

#include "platform/platform.h"
#include "script/interpreter.h"

namespace vorna {

namespace {

std::optional<std::string> ReadConsoleAnswer(platform::Console& console) {
  std::optional<std::string> line = console.ReadLine();
  if (!line) return std::nullopt;
  if (line->size() > kConsoleAnswerLength) line->resize(kConsoleAnswerLength);
  size_t end = line->find_first_of("\r\n");
  if (end != std::string::npos) line->resize(end);
  return line;
}

}  // namespace

std::optional<std::string> AskUser(Interpreter& interpreter, const std::string& prompt) {
  platform::Console* console = interpreter.machine().console;
  if (interpreter.consoleFlag != 0 && console != nullptr) return ReadConsoleAnswer(*console);
  return interpreter.machine().interaction->InputDialog(prompt);
}

}  // namespace vorna
