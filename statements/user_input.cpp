#include "statements/user_input.h"

#include <string>

#include "script/activation.h"
#include "script/host_output.h"
#include "script/interpreter.h"
#include "script/variables.h"
#include "statements/user_answer.h"
#include "values/value.h"

namespace vorna {

namespace {

// ["prompt",[,]]: the prompt text, written out; empty without a literal.
std::string ReadPrompt(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  if (cursor.current() != '"') return std::string();
  LiteralBuffer literal;
  size_t length = cursor.ReadStringLiteral(literal);
  std::string prompt(literal, length);
  HostOutput(activation.interpreter(), prompt);
  cursor.ExpectChar(',');
  cursor.MatchChar(',');
  return prompt;
}

}  // namespace

void InputFromUser(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  if (cursor.current() == '\0' || cursor.current() == ':') return;
  std::string prompt = ReadPrompt(activation);
  Interpreter& interpreter = activation.interpreter();
  do {
    HostOutput(interpreter, "? ");
    std::optional<std::string> answer = AskUser(interpreter, prompt);
    NameBuffer name;
    cursor.ReadName(name);
    Value* variable = ReferenceVariable(activation, name);
    if (variable != nullptr && answer) variable->SetString(answer->c_str());
  } while (cursor.MatchChar(','));
}

}  // namespace vorna
