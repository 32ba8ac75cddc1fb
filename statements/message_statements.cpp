// MSGBOX and BEEP: the user hears or sees something; nothing comes back.
#include <cstdint>

#include "platform/platform.h"
#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "statements/system_statements.h"
#include "values/value.h"

namespace vorna {

namespace {

/// What MessageBeep is given for the simple beep.
constexpr unsigned kSimpleBeep = 0xFFFFFFFF;

}  // namespace

// msgbox -> MSGBOX text [, caption] | MSGBOX text, flags, caption
StatementEnd RunMsgBox(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  std::string text = activation.ReadText();
  std::string caption;
  unsigned style = platform::mb::Ok;
  if (cursor.MatchChar(',')) {
    // The second argument is the caption, unless a third follows: then it
    // is the style and the third the caption.
    cursor.SkipBlanks();
    Value second;
    EvaluateExpression(activation, second);
    if (cursor.MatchChar(',')) {
      style = static_cast<uint16_t>(second.AsInteger());
      caption = activation.ReadText();
    } else {
      caption = second.AsString();
    }
  } else {
    caption = activation.interpreter().machine().files->ProgramPath();
  }
  activation.interpreter().machine().interaction->MessageBox(platform::Owner::Backdrop, text,
                                                             caption, style);
  return StatementEnd::Continue;
}

// beep -> BEEP
StatementEnd RunBeep(Activation& activation) {
  activation.interpreter().machine().system->Beep(kSimpleBeep);
  return StatementEnd::Continue;
}

}  // namespace vorna
