// FOR/NEXT, WHILE/WEND, DO/LOOP and EXIT. Loops record where they started
// on the activation's control stack and go back there by reloading that
// line's text.
#include <memory>

#include "script/activation.h"
#include "script/control_stack.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/program.h"
#include "script/variables.h"
#include "statements/block_scanner.h"
#include "statements/control_flow.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// Indices of a FOR record's words.
constexpr int kForStart = 0;
constexpr int kForLimit = 1;
constexpr int kForStep = 2;
// The DO record's word telling that the DO line has no condition.
constexpr int kDoWithoutCondition = 0;

int32_t ReadLong(Activation& activation) {
  Value number;
  activation.ReadNumber(number, 0, 0);
  return number.AsLong();
}

bool AtStatementEnd(StatementCursor& cursor) {
  cursor.SkipBlanks();
  return cursor.current() == '\0' || cursor.current() == ':';
}

ControlEntry* TopOfKind(Activation& activation, ControlKind kind) {
  ControlEntry* top = activation.controlStack.Peek();
  return top != nullptr && top->kind == kind ? top : nullptr;
}

// The condition after DO or LOOP: WHILE continues on true, UNTIL on false.
bool ReadLoopCondition(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  bool until = false;
  if (!cursor.MatchKeyword(KeywordId::While, Prefix::NotAllowed)) {
    if (!cursor.MatchKeyword(KeywordId::Until, Prefix::NotAllowed)) Raise(errorNumbers::IllegalUse);
    until = true;
  }
  Value condition;
  return EvaluateCondition(activation, condition) != until;
}

}  // namespace

void ResumeAt(Activation& activation, ProgramLine* line, size_t offset) {
  activation.currentLine = line;
  activation.MakeCurrent(line->text());
  activation.cursor().Restore(offset);
}

// for -> FOR name = start TO limit [STEP step]
StatementEnd ForStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  NameBuffer name;
  cursor.ReadName(name);
  cursor.ExpectChar('=');
  int32_t start = ReadLong(activation);
  if (!cursor.MatchKeyword(KeywordId::To, Prefix::NotAllowed)) Raise(errorNumbers::ForWithoutTo);
  int32_t limit = ReadLong(activation);
  int32_t step =
      cursor.MatchKeyword(KeywordId::Step, Prefix::NotAllowed) ? ReadLong(activation) : 1;
  if (step == 0) Raise(errorNumbers::IllegalUse);
  if ((step < 0 && start < limit) || (step > 0 && start > limit)) {
    SkipBlock(activation, KeywordId::For, KeywordId::Next);
    return StatementEnd::Continue;
  }
  Value* variable = LookupVariable(activation, name);
  if (variable == nullptr) {
    auto created = std::make_unique<Value>();
    created->SetName(name);
    variable = created.get();
    activation.locals().Append(created.release());
  }
  variable->SetLong(start);
  ControlEntry entry;
  entry.kind = ControlKind::For;
  entry.line = activation.currentLine;
  entry.offset = static_cast<int32_t>(cursor.Save());
  entry.words[kForStart] = start;
  entry.words[kForLimit] = limit;
  entry.words[kForStep] = step;
  entry.name = name;
  activation.controlStack.Push(entry);
  return StatementEnd::Continue;
}

// next -> NEXT [name]; the name is not read: the record names the variable.
StatementEnd NextStatement(Activation& activation) {
  ControlEntry* loop = TopOfKind(activation, ControlKind::For);
  if (loop == nullptr) Raise(errorNumbers::NextWithoutFor);
  Value* variable = LookupVariable(activation, loop->name.c_str());
  if (variable == nullptr) Raise(errorNumbers::UndefinedVariable);
  int32_t step = loop->words[kForStep];
  double next = variable->AsDouble() + step;
  variable->SetDouble(next);
  double limit = loop->words[kForLimit];
  bool again = step > 0 ? next <= limit : next >= limit;
  if (!again || loop->line == nullptr) {
    activation.controlStack.Pop();
    return StatementEnd::Continue;
  }
  ResumeAt(activation, loop->line, static_cast<size_t>(loop->offset));
  return StatementEnd::Continue;
}

// while -> WHILE condition
StatementEnd WhileStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  size_t offset = cursor.Save();
  Value condition;
  if (!EvaluateCondition(activation, condition)) {
    SkipBlock(activation, KeywordId::While, KeywordId::Wend);
    return StatementEnd::Continue;
  }
  ControlEntry entry;
  entry.kind = ControlKind::While;
  entry.line = activation.currentLine;
  entry.offset = static_cast<int32_t>(offset);
  activation.controlStack.Push(entry);
  return StatementEnd::Continue;
}

StatementEnd WendStatement(Activation& activation) {
  ControlEntry* loop = TopOfKind(activation, ControlKind::While);
  if (loop == nullptr || loop->line == nullptr) Raise(errorNumbers::WendWithoutWhile);
  ResumeAt(activation, loop->line, static_cast<size_t>(loop->offset));
  Value condition;
  if (EvaluateCondition(activation, condition)) return StatementEnd::Continue;
  activation.controlStack.Pop();
  SkipBlock(activation, KeywordId::While, KeywordId::Wend);
  return StatementEnd::Continue;
}

// do -> DO [WHILE condition | UNTIL condition]
StatementEnd DoStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  size_t offset = cursor.Save();
  bool withoutCondition = AtStatementEnd(cursor);
  if (!withoutCondition && !ReadLoopCondition(activation)) {
    SkipBlock(activation, KeywordId::Do, KeywordId::Loop);
    return StatementEnd::Continue;
  }
  ControlEntry entry;
  entry.kind = ControlKind::Do;
  entry.line = activation.currentLine;
  entry.offset = static_cast<int32_t>(offset);
  entry.words[kDoWithoutCondition] = withoutCondition ? 1 : 0;
  activation.controlStack.Push(entry);
  return StatementEnd::Continue;
}

// loop -> LOOP [WHILE condition | UNTIL condition]
StatementEnd LoopStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  ControlEntry* loop = TopOfKind(activation, ControlKind::Do);
  // The error table has no message of its own for a LOOP without DO.
  if (loop == nullptr || loop->line == nullptr) Raise(errorNumbers::IllegalUse);
  bool doWithoutCondition = loop->words[kDoWithoutCondition] != 0;
  if (AtStatementEnd(cursor)) {
    ResumeAt(activation, loop->line, static_cast<size_t>(loop->offset));
    // DO ... LOOP without a condition on either line repeats until left by
    // EXIT DO, GOTO, RETURN, END or EXIT SUB/FUNCTION.
    if (doWithoutCondition || ReadLoopCondition(activation)) return StatementEnd::Continue;
    activation.controlStack.Pop();
    SkipBlock(activation, KeywordId::Do, KeywordId::Loop);
    return StatementEnd::Continue;
  }
  if (!doWithoutCondition) Raise(errorNumbers::IllegalUse);
  if (ReadLoopCondition(activation)) {
    ResumeAt(activation, loop->line, static_cast<size_t>(loop->offset));
    return StatementEnd::Continue;
  }
  activation.controlStack.Pop();
  return StatementEnd::Continue;
}

// exit -> EXIT (FOR | DO | SUB | FUNCTION)
StatementEnd ExitStatement(Activation& activation) {
  const Keyword* keyword = activation.cursor().ReadKeyword();
  if (keyword == nullptr) Raise(errorNumbers::IllegalUse);
  switch (keyword->id) {
    case KeywordId::For:
      if (TopOfKind(activation, ControlKind::For) == nullptr) Raise(errorNumbers::IllegalUse);
      activation.controlStack.Pop();
      SkipBlock(activation, KeywordId::For, KeywordId::Next);
      return StatementEnd::Advance;
    case KeywordId::Do:
      // EXIT DO leaves the loop like EXIT FOR.
      if (TopOfKind(activation, ControlKind::Do) == nullptr) Raise(errorNumbers::IllegalUse);
      activation.controlStack.Pop();
      SkipBlock(activation, KeywordId::Do, KeywordId::Loop);
      return StatementEnd::Advance;
    case KeywordId::Sub:
    case KeywordId::Function:
      activation.currentLine = nullptr;
      return StatementEnd::Stay;
    default:
      Raise(errorNumbers::InvalidUseOfKeyword);
  }
}

}  // namespace vorna
