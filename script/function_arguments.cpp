#include "script/function_arguments.h"

#include "script/activation.h"
#include "values/value.h"

namespace vorna {

void OpenArguments(Activation& activation, DollarSuffix suffix) {
  StatementCursor& cursor = activation.cursor();
  if (suffix == DollarSuffix::Allowed) cursor.MatchChar('$');
  cursor.ExpectChar('(');
}

void NextArgument(Activation& activation) {
  activation.cursor().ExpectChar(',');
}

bool MoreArguments(Activation& activation) {
  return activation.cursor().MatchChar(',');
}

void CloseArguments(Activation& activation) {
  activation.cursor().ExpectChar(')');
}

void ReadArgument(Activation& activation, Value& argument, int32_t low, int32_t high) {
  activation.ReadNumber(argument, low, high);
}

std::string ReadTextArgument(Activation& activation) {
  return activation.ReadText();
}

void ReadSingleArgument(Activation& activation, DollarSuffix suffix, Value& argument) {
  OpenArguments(activation, suffix);
  ReadArgument(activation, argument);
  CloseArguments(activation);
}

std::string ReadSingleTextArgument(Activation& activation, DollarSuffix suffix) {
  OpenArguments(activation, suffix);
  std::string text = ReadTextArgument(activation);
  CloseArguments(activation);
  return text;
}

}  // namespace vorna
