// The functions that reach the machine: the environment, a message box, a
// started program.
#include <string>

#include "builtins/function_families.h"
#include "platform/platform.h"
#include "script/activation.h"
#include "script/function_arguments.h"
#include "script/function_table.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

/// The show state of a started program when no style is given (SW_SHOW).
constexpr int kDefaultShowState = 5;
/// SHELL's styles 0 to 6 as show states: hidden, normal, minimised,
/// maximised, shown without activation, and twice minimised without activation.
constexpr int kShowStateOfStyle[] = {0, 1, 2, 3, 8, 7, 7};

// ENVIRON[$](name): the variable's value, empty when it is not set.
void Environ(Activation& activation, Value& result) {
  std::string name = ReadSingleTextArgument(activation, DollarSuffix::Allowed);
  std::optional<std::string> value = activation.interpreter().machine().system->Environment(name);
  result.SetString(value ? value->c_str() : "");
}

// MSGBOX(text [, caption]) or MSGBOX(text, style, caption): the button pressed.
void MsgBox(Activation& activation, Value& result) {
  OpenArguments(activation, DollarSuffix::NotAllowed);
  std::string text = ReadTextArgument(activation);
  std::string caption = activation.interpreter().machine().files->ProgramPath();
  unsigned style = platform::mb::Ok;
  if (MoreArguments(activation)) {
    Value second;
    ReadArgument(activation, second);
    if (MoreArguments(activation)) {
      style = static_cast<uint16_t>(second.AsInteger());
      caption = ReadTextArgument(activation);
    } else {
      caption = second.AsString();
    }
  }
  CloseArguments(activation);
  int button = activation.interpreter().machine().interaction->MessageBox(platform::Owner::Backdrop,
                                                                          text, caption, style);
  result.SetLong(button);
}

// SHELL(command [, style]): starts the program without waiting; its process id.
void Shell(Activation& activation, Value& result) {
  OpenArguments(activation, DollarSuffix::NotAllowed);
  std::string command = ReadTextArgument(activation);
  int showState = kDefaultShowState;
  if (MoreArguments(activation)) {
    Value style;
    ReadArgument(activation, style, 0, 6);
    showState = kShowStateOfStyle[style.AsLong()];
  }
  CloseArguments(activation);
  std::optional<uint32_t> process =
      activation.interpreter().machine().system->StartProcess(command, showState);
  if (!process) Raise(errorNumbers::Disk);
  result.SetLong(static_cast<int32_t>(*process));
}

}  // namespace

void RegisterSystemFunctions(FunctionTable& table) {
  table.Register(KeywordId::Environ, Environ);
  table.Register(KeywordId::MsgBox, MsgBox);
  table.Register(KeywordId::Shell, Shell);
}

}  // namespace vorna
