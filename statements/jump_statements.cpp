// GOTO, GOSUB, RETURN, ON, RUN, LOAD, CALL, STOP and REM.
#include <string>

#include "platform/platform.h"
#include "script/activation.h"
#include "script/alias_guard.h"
#include "script/control_stack.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/jump.h"
#include "script/keywords.h"
#include "script/module_loader.h"
#include "script/program.h"
#include "statements/control_flow.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

constexpr size_t kMaxErrorTargetLength = 31;
constexpr int32_t kMaxOnIndex = 255;

void PushGosub(Activation& activation) {
  ControlEntry entry;
  entry.kind = ControlKind::Gosub;
  entry.line = activation.currentLine;
  activation.controlStack.Push(entry);
}

void RequireProgramMode(Activation& activation) {
  if (activation.currentLine == nullptr) Raise(errorNumbers::ProgramModeOnly);
}

// on error -> ON ERROR (GOTO label | GOTO 0 | RESUME NEXT)
StatementEnd OnErrorStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  if (cursor.MatchKeyword(KeywordId::GoTo, Prefix::NotAllowed)) {
    NameBuffer label;
    cursor.ReadName(label);
    std::string target = label;
    activation.errorTarget = target == "0" ? "" : target.substr(0, kMaxErrorTargetLength);
    return StatementEnd::Advance;
  }
  if (cursor.MatchKeyword(KeywordId::Resume, Prefix::NotAllowed) &&
      cursor.MatchKeyword(KeywordId::Next, Prefix::NotAllowed)) {
    activation.errorTarget = "*";
    return StatementEnd::Advance;
  }
  Raise(errorNumbers::IllegalUse);
}

// The label at position index (from 1) of "label {, label}".
std::string ReadNthLabel(StatementCursor& cursor, int32_t index) {
  NameBuffer label;
  for (int32_t position = 1;; ++position) {
    if (cursor.ReadName(label) == 0) Raise(errorNumbers::IllegalUse);
    if (position == index) return label;
    if (!cursor.MatchChar(',')) Raise(errorNumbers::IllegalUse);
  }
}

}  // namespace

StatementEnd GotoStatement(Activation& activation) {
  NameBuffer label;
  activation.cursor().ReadName(label);
  JumpToLabel(activation, label);
  return StatementEnd::Stay;
}

StatementEnd GosubStatement(Activation& activation) {
  RequireProgramMode(activation);
  NameBuffer label;
  activation.cursor().ReadName(label);
  PushGosub(activation);
  JumpToLabel(activation, label);
  return StatementEnd::Stay;
}

// Back to the line after the GOSUB; the rest of the GOSUB's line is not resumed.
StatementEnd ReturnStatement(Activation& activation) {
  ControlEntry* top = activation.controlStack.Peek();
  if (top == nullptr || top->kind != ControlKind::Gosub) Raise(errorNumbers::ReturnWithoutGosub);
  activation.currentLine = top->line;
  activation.controlStack.Pop();
  return StatementEnd::Advance;
}

// on -> ON ERROR ... | ON index (GOTO | GOSUB) label {, label}
StatementEnd OnStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  if (cursor.MatchKeyword(KeywordId::Error, Prefix::NotAllowed))
    return OnErrorStatement(activation);
  RequireProgramMode(activation);
  Value index;
  activation.ReadNumber(index, 1, kMaxOnIndex);
  bool gosub = cursor.MatchKeyword(KeywordId::GoSub, Prefix::NotAllowed);
  if (!gosub && !cursor.MatchKeyword(KeywordId::GoTo, Prefix::NotAllowed))
    Raise(errorNumbers::IllegalUse);
  std::string label = ReadNthLabel(cursor, index.AsLong());
  if (gosub) PushGosub(activation);
  JumpToLabel(activation, label.c_str());
  return StatementEnd::Stay;
}

// RUN starts the program over: globals, extensions and global areas, then
// MAIN. When MAIN returns, the activation that ran RUN ends too.
StatementEnd RunStatement(Activation& activation) {
  Interpreter& interpreter = activation.interpreter();
  RefuseIfAnyBorrowed(activation, interpreter.globals());
  interpreter.Initialise();
  Value result;
  bool found = interpreter.RunProcedureByName("MAIN", result);
  interpreter.setCurrent(&activation);
  if (!found) Raise(errorNumbers::FunctionNotFound);
  activation.currentLine = nullptr;
  return StatementEnd::Stay;
}

StatementEnd LoadStatement(Activation& activation) {
  Value name;
  activation.cursor().SkipBlanks();
  EvaluateExpression(activation, name);
  if (name.type() != ValueType::STRING) Raise(errorNumbers::TypeMismatch);
  Interpreter& interpreter = activation.interpreter();
  LoadModule(*interpreter.machine().files, interpreter.modules(), name.AsString());
  return StatementEnd::Continue;
}

// CALL name [arguments]: a procedure is called like a statement, so a SUB
// (which yields nothing) is no error; anything else is evaluated and dropped.
StatementEnd CallStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  StatementCursor::Position start = cursor.Save();
  NameBuffer name;
  cursor.ReadName(name);
  Value ignored;
  if (FindProcedureInModules(activation.interpreter().modules(), name).procedure != nullptr) {
    activation.interpreter().CallProcedureByName(name, ignored, &activation);
    cursor.MatchChar(')');
    return StatementEnd::Continue;
  }
  cursor.Restore(start);
  EvaluateExpression(activation, ignored);
  return StatementEnd::Continue;
}

StatementEnd StopStatement(Activation&) {
  Raise(errorNumbers::Break);
}

StatementEnd RemStatement(Activation&) {
  return StatementEnd::Advance;
}

}  // namespace vorna
