// Calling a procedure: a fresh activation, the parameters bound from the
// caller's statement, the run loop over the procedure's lines, and the
// function result handed back.
#include <memory>

#include "script/activation.h"
#include "script/evaluator.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/line_executor.h"
#include "script/program.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

// Counts one active call for its lifetime; refuses a call past the depth
// bound or the native stack budget with "Out of Memory".
class CallDepthScope {
 public:
  explicit CallDepthScope(Interpreter& interpreter) : interpreter_(interpreter) {
    if (interpreter_.callDepth_ >= kMaxCallDepth) Raise(errorNumbers::OutOfMemory);
    interpreter_.CheckStack();
    ++interpreter_.callDepth_;
  }
  ~CallDepthScope() { --interpreter_.callDepth_; }
  CallDepthScope(const CallDepthScope&) = delete;
  CallDepthScope& operator=(const CallDepthScope&) = delete;

 private:
  Interpreter& interpreter_;
};

namespace {

// Puts the interpreter's current activation back when a call ends, by
// return or by error.
class CurrentActivationScope {
 public:
  explicit CurrentActivationScope(Interpreter& interpreter)
      : interpreter_(interpreter), saved_(interpreter.current()) {}
  ~CurrentActivationScope() { interpreter_.setCurrent(saved_); }
  CurrentActivationScope(const CurrentActivationScope&) = delete;
  CurrentActivationScope& operator=(const CurrentActivationScope&) = delete;

 private:
  Interpreter& interpreter_;
  Activation* saved_;
};

bool EndsParameterList(char c) {
  return c == '\0' || c == ':' || c == ')';
}

// The header is "SUB name [(parameters)] [AS type]" or the same with
// FUNCTION. With a caller, the parameters are bound and the result clause
// declares the local that holds the function's result.
void EnterProcedure(Activation& callee, Activation* caller, const char* calledName) {
  StatementCursor& cursor = callee.cursor();
  if (!cursor.MatchKeyword(KeywordId::Function, Prefix::NotAllowed) &&
      !cursor.MatchKeyword(KeywordId::Sub, Prefix::NotAllowed)) {
    Raise(errorNumbers::FunctionProcedure);
  }
  if (caller == nullptr) return;
  cursor.SkipBlanks();
  if (cursor.current() != '\0' && cursor.current() != ':') {
    NameBuffer name;
    cursor.ReadName(name);
    // Only a header with a parameter list binds arguments; the caller's
    // list, when it has one, is taken whole, up to its ")".
    bool headerList = cursor.MatchChar('(');
    bool callerList = caller->cursor().MatchChar('(');
    if (headerList) {
      callee.BindParameters(*caller);
      cursor.MatchChar(')');
    }
    if (callerList) caller->cursor().MatchChar(')');
  }
  cursor.SkipBlanks();
  const char* rest = cursor.rest();
  if (rest[0] == 'A' && rest[1] == 'S') {
    callee.locals().Append(callee.Declare(calledName).release());
  }
}

// A parameter written without AS is an untyped value that takes the type of
// its argument.
std::unique_ptr<Value> DeclareParameter(Activation& callee, const char* name) {
  StatementCursor& cursor = callee.cursor();
  cursor.SkipBlanks();
  if (EndsParameterList(cursor.current()) || cursor.current() == ',') {
    auto untyped = std::make_unique<Value>();
    untyped->SetName(name);
    return untyped;
  }
  return callee.Declare(name);
}

// BYREF: the argument must be a variable (with indices for an array); the
// parameter borrows its storage.
std::unique_ptr<Value> BindByReference(Activation& caller, const char* name) {
  StatementCursor& theirs = caller.cursor();
  theirs.SkipBlanks();
  if (EndsParameterList(theirs.current())) Raise(errorNumbers::NotEnoughParameters);
  NameBuffer variableName;
  theirs.ReadName(variableName);
  Value* variable = ReferenceVariable(caller, variableName);
  if (variable == nullptr) Raise(errorNumbers::UndefinedVariable);
  auto alias = std::make_unique<Value>();
  alias->SetName(name);
  MakeAlias(*alias, *variable);
  return alias;
}

}  // namespace

bool Interpreter::CallProcedure(Module& module, const char* name, Value& result,
                                Activation* caller) {
  ProgramLine* procedure = FindProcedure(module, name);
  if (procedure == nullptr) return false;
  CallDepthScope depth(*this);
  CurrentActivationScope restore(*this);
  // The activation lives on the heap: deep recursion must spend as little
  // native stack per call as it can.
  auto callee = std::make_unique<Activation>(*this, &module);
  callee->caller = caller;
  callee->procedure = procedure;
  callee->currentLine = procedure;
  if (!callee->MakeCurrent(procedure->text())) return false;
  EnterProcedure(*callee, caller, name);
  callee->procedureName = name;
  callee->currentLine = static_cast<ProgramLine*>(procedure->lines().head());
  callee->RunLoop();
  if (NamedNode* variable = callee->locals().FindByName(name)) {
    Assign(result, *static_cast<Value*>(variable));
  }
  return true;
}

void Activation::RunLoop() {
  while (currentLine != nullptr && !interpreter_.stopped()) {
    if (ExecuteLine(*this, currentLine->text()) == LineOutcome::Advance && currentLine != nullptr) {
      currentLine = static_cast<ProgramLine*>(currentLine->next());
    }
  }
}

// parameters -> [BYREF | BYVAL] name [clause] { "," [BYREF | BYVAL] name [clause] }
void Activation::BindParameters(Activation& caller) {
  StatementCursor& own = cursor_;
  StatementCursor& theirs = caller.cursor();
  own.SkipBlanks();
  while (!EndsParameterList(own.current())) {
    bool byReference = own.MatchKeyword(KeywordId::ByRef, Prefix::NotAllowed);
    if (!byReference) own.MatchKeyword(KeywordId::ByVal, Prefix::NotAllowed);
    NameBuffer name;
    own.ReadName(name);
    std::unique_ptr<Value> parameter = DeclareParameter(*this, name);
    if (byReference) {
      // The clause was read for its syntax; the parameter is an alias.
      parameter = BindByReference(caller, name);
    } else {
      theirs.SkipBlanks();
      EvaluateExpression(caller, *parameter);
    }
    locals().Append(parameter.release());
    own.SkipBlanks();
    theirs.SkipBlanks();
    if (own.current() != ',') break;
    theirs.ExpectChar(',');
    theirs.SkipBlanks();
    own.ExpectChar(',');
    own.SkipBlanks();
  }
}

}  // namespace vorna
