#include "script/debug_stepping.h"

#include <cstdio>

#include "script/activation.h"
#include "script/debugger_connection.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/program.h"
#include "values/value.h"

namespace vorna {

namespace {

// Switches stepping off for a scope and back to what it was; an error that
// escapes a watched expression leaves the debugger in control.
class SteppingPause {
 public:
  explicit SteppingPause(Interpreter& interpreter)
      : interpreter_(interpreter), saved_(interpreter.steppingFlag) {
    interpreter_.steppingFlag = 0;
  }
  ~SteppingPause() { interpreter_.steppingFlag = saved_; }
  SteppingPause(const SteppingPause&) = delete;
  SteppingPause& operator=(const SteppingPause&) = delete;

 private:
  Interpreter& interpreter_;
  int32_t saved_;
};

void SendLineReport(Activation& activation) {
  Interpreter& interpreter = activation.interpreter();
  char letter = interpreter.errorReportFlag != 0 ? debugSend::kErrorLine : debugSend::kLine;
  interpreter.errorReportFlag = 0;
  SendToDebugger(interpreter, letter, LineReportText(activation));
}

// W: the expression is parsed from the cursor in place of the line; the
// line's own text comes back before the next reply is read.
void AnswerWatch(Activation& activation, const std::string& expression, const char* line) {
  Interpreter& interpreter = activation.interpreter();
  char display[kMaxDebugTextLength + 1];
  {
    SteppingPause pause(interpreter);
    Value value;
    activation.MakeCurrent(expression.c_str());
    EvaluateExpression(activation, value);
    value.FormatValue(display, sizeof display);
  }
  SendToDebugger(interpreter, debugSend::kWatch, display);
  activation.MakeCurrent(line);
}

// X: the statement runs as if it stood in the current line; its errors are
// handled there. Stepping is on again afterwards, whatever the line did.
void ExecuteForDebugger(Activation& activation, const std::string& statement) {
  Interpreter& interpreter = activation.interpreter();
  interpreter.steppingFlag = 0;
  ExecuteLine(activation, statement.c_str());
  interpreter.steppingFlag = 1;
}

// O: the line runs with stepping off, so the procedures it calls run
// without reports; its outcome is the line's outcome.
LineOutcome RunLineUnreported(Activation& activation, const char* line) {
  Interpreter& interpreter = activation.interpreter();
  interpreter.steppingFlag = 0;
  LineOutcome outcome = ExecuteLine(activation, line);
  interpreter.steppingFlag = 1;
  return outcome;
}

}  // namespace

std::string LineReportText(const Activation& activation) {
  const char* module = activation.module ? activation.module->name() : nullptr;
  long line = activation.currentLine ? static_cast<long>(activation.currentLine->lineNumber()) : -1;
  char text[kMaxDebugTextLength + 1];
  std::snprintf(text, sizeof text, "%s|%ld", module ? module : "", line);
  return text;
}

std::optional<LineOutcome> ObeyDebugger(Activation& activation, const char** text) {
  Interpreter& interpreter = activation.interpreter();
  SendLineReport(activation);
  for (;;) {
    DebugMessage reply = ReceiveFromDebugger(interpreter);
    switch (reply.letter) {
      case debugReply::kGo:
        interpreter.steppingFlag = 0;
        return std::nullopt;
      case debugReply::kInto:
        return std::nullopt;
      case debugReply::kOver:
        return RunLineUnreported(activation, *text);
      case debugReply::kSkip:
        return LineOutcome::Advance;
      case debugReply::kWatch:
        AnswerWatch(activation, reply.text, *text);
        break;
      case debugReply::kExecute: {
        ProgramLine* before = activation.currentLine;
        ExecuteForDebugger(activation, reply.text);
        // A GOTO or GOSUB made its target the current line: that line is
        // the one the next reply runs. With no line left the procedure is over.
        if (activation.currentLine != before) {
          if (activation.currentLine == nullptr) return LineOutcome::Stay;
          *text = activation.currentLine->text();
        }
        activation.MakeCurrent(*text);
        break;
      }
      default:
        break;  // unknown letters are ignored
    }
  }
}

}  // namespace vorna
