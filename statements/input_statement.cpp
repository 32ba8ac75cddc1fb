// INPUT: from a file ("#n,") line by line, otherwise from the user.
#include "script/activation.h"
#include "script/file_slots.h"
#include "script/interpreter.h"
#include "statements/file_statement_parts.h"
#include "statements/file_statements.h"
#include "statements/input_line.h"
#include "statements/user_input.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// #n, name {, name}: one line per name; a file that ends without a line
// end ends the statement after the last text.
void InputFromFile(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  int32_t number = ReadOpenFileNumber(activation);
  cursor.ExpectChar(',');
  platform::File& file = OpenFileOf(activation.interpreter().files(), number);
  do {
    Value& variable = ReadTargetVariable(activation);
    std::optional<InputLine> line = ReadInputLine(file);
    if (!line) Raise(errorNumbers::EndOfFile);
    StoreInputText(variable, line->text);
    if (line->atFileEnd) return;
  } while (cursor.MatchChar(','));
}

}  // namespace

StatementEnd InputStatement(Activation& activation) {
  if (activation.cursor().MatchChar('#')) {
    InputFromFile(activation);
  } else {
    InputFromUser(activation);
  }
  return StatementEnd::Continue;
}

}  // namespace vorna
