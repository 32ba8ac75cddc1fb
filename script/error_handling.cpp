#include "script/error_handling.h"

#include <string>

#include "platform/platform.h"
#include "script/activation.h"
#include "script/host_output.h"
#include "script/interpreter.h"
#include "script/jump.h"
#include "script/program.h"
#include "values/value.h"

namespace vorna {

namespace {

std::string Cut(const std::string& text, size_t limit) {
  return text.size() > limit ? text.substr(0, limit) : text;
}

constexpr const char* kResumeNextTarget = "*";

/// Reports a script error that nothing in the script took.
void ReportScriptError(Activation& activation, const ErrorRecord& record) {
  platform::Emit(activation.interpreter().machine(),
                 platform::event::ScriptError{record.module, record.procedure, record.line,
                                              record.statement, record.message});
}

}  // namespace

void RecordError(Activation& activation, int32_t number) {
  ErrorRecord& record = activation.interpreter().errorRecord();
  const char* message = MessageOf(number);
  record.number = number;
  record.message = Cut(std::string(message ? message : "") + " Error", kMaxErrorMessageLength);
  record.statement = Cut(activation.cursor().text(), kMaxErrorTextLength);
  record.module = activation.module ? Cut(activation.module->nameField(), kMaxErrorTextLength)
                                    : std::string(kGlobalProcedureName);
  record.procedure = Cut(activation.procedureName, kMaxErrorTextLength);
  record.line = activation.currentLine ? activation.currentLine->lineNumber() + 1 : 0;
}

std::string ErrorPlace(const ErrorRecord& record) {
  if (record.line <= 0) return record.module;
  return record.module + ", line " + std::to_string(record.line);
}

LineOutcome ShowErrorDialog(Activation& activation) {
  Interpreter& interpreter = activation.interpreter();
  activation.setSelectValue(nullptr);
  const ErrorRecord& record = interpreter.errorRecord();
  // The dialog's module field names the line too: the statement text alone
  // does not say which of several alike lines failed.
  platform::ErrorReport report{ErrorPlace(record), record.procedure, record.message,
                               record.statement, interpreter.connectedFlag != 0};
  ReportScriptError(activation, record);
  platform::Interaction* interaction = interpreter.machine().interaction;
  platform::ErrorAnswer answer =
      interaction ? interaction->ErrorDialog(report) : platform::ErrorAnswer::Failed;
  switch (answer) {
    case platform::ErrorAnswer::Abort:
      platform::Emit(interpreter.machine(),
                     platform::event::RunFailed{"a script error was answered with Abort"});
      interpreter.stopFlag() = 1;
      return LineOutcome::Advance;
    case platform::ErrorAnswer::Retry:
      return LineOutcome::Stay;
    case platform::ErrorAnswer::Debug:
      interpreter.steppingFlag = 1;
      interpreter.errorReportFlag = 1;
      return LineOutcome::Stay;
    case platform::ErrorAnswer::Ignore:
    case platform::ErrorAnswer::Failed:
      break;
  }
  return LineOutcome::Advance;
}

LineOutcome HandleLineError(Activation& activation, errorNumbers number) {
  RecordError(activation, static_cast<int32_t>(number));
  if (activation.errorTarget == kResumeNextTarget) return LineOutcome::Advance;
  if (!activation.errorTarget.empty()) {
    // A target the module does not have leaves the error to the dialog.
    try {
      JumpToLabel(activation, activation.errorTarget.c_str());
      return LineOutcome::Stay;
    } catch (errorNumbers) {
    }
  }
  return ShowErrorDialog(activation);
}

void ReportTextError(Activation& activation, const char* text) {
  Interpreter& interpreter = activation.interpreter();
  HostOutputFormat(interpreter, "?%s ERROR:\n", text);
  HostOutputFormat(interpreter, "%s\n", activation.cursor().text().c_str());
  ErrorRecord record{text, activation.cursor().text(),
                     activation.module ? std::string(activation.module->nameField())
                                       : std::string(kGlobalProcedureName),
                     activation.procedureName, 0};
  ReportScriptError(activation, record);
  platform::Emit(interpreter.machine(),
                 platform::event::RunFailed{std::string("internal error: ") + text});
  activation.currentLine = nullptr;
}

}  // namespace vorna
