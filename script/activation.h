// The record of one procedure call (or one run of a module's global area):
// its local variables, its current line and the statement text with the
// cursor that statements, the evaluator and object members parse from.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "script/control_stack.h"
#include "script/statement_cursor.h"
#include "values/extension.h"
#include "values/node_list.h"

namespace vorna {

class Interpreter;
class Module;
class ProgramLine;
class Value;

/// How deep the expressions of one activation may nest (parentheses,
/// argument lists, "^" chains) before the evaluator gives up with "Out of
/// Memory" rather than exhaust the native stack. Calls of user procedures
/// start with a budget of their own; their depth is bounded by the calls.
constexpr int32_t kMaxExpressionNesting = 200;

/// The procedure name of an activation that runs no procedure.
constexpr const char* kGlobalProcedureName = "<GLOBAL>";

class Activation : public Extension {
 public:
  /// A fresh activation in module (nullptr for none) with its own empty locals.
  Activation(Interpreter& interpreter, Module* module);
  ~Activation() override;

  /// Forwards to the interpreter, which tells every extension.
  void BeforeStatement() override;

  /// Runs the module's global area with the globals as locals: declarations
  /// only, up to the first procedure. Errors are shown in the error dialog;
  /// answers false when the area failed (Retry or Debug, or an internal error).
  bool RunGlobalArea();
  /// Runs lines from the current line on until none is current or the run stops.
  void RunLoop();
  /// Reads the parameters of the procedure header at the cursor and binds
  /// each to the next argument at the caller's cursor (by value or by reference).
  void BindParameters(Activation& caller);
  /// The declaration clause after a name at the cursor: optional bounds in
  /// parentheses, AS and a type word. Answers the new value named name.
  std::unique_ptr<Value> Declare(const char* name);
  /// True when the statement at the cursor is "target = ...".
  bool AssignmentTest() const;
  /// Runs "target = expression" at the cursor (an extension member, an
  /// object member, a known or a new variable).
  void ImplicitAssignment();

  Interpreter& interpreter() const { return interpreter_; }

  /// Makes this the interpreter's current activation and text its statement
  /// (upper-cased outside literals, cursor after leading blanks). Answers
  /// whether anything is left to parse; a missing or empty text answers false.
  bool MakeCurrent(const char* text);

  StatementCursor& cursor() { return cursor_; }

  /// The variables this activation sees first: its own, or the globals
  /// while a global area runs.
  NodeList& locals() { return *locals_; }
  /// Drops the own locals and makes the interpreter's globals the locals
  /// (the activation does not own them).
  void UseGlobalsAsLocals();
  /// True while the locals are the interpreter's globals.
  bool localsAreGlobals() const { return locals_ != &ownLocals_; }

  /// Skips blanks and evaluates an expression into value; unless low and
  /// high are both 0, the value read as a long must lie in low..high, else
  /// "Illegal Value".
  void ReadNumber(Value& value, int32_t low, int32_t high);
  /// Skips blanks, evaluates an expression and answers it as text (a STRING
  /// or a CHARACTER; anything else is "Type Mismatch").
  std::string ReadText();

  /// Enters one level of expression nesting; "Out of Memory" past the limit.
  void EnterExpression();
  /// Leaves one level of expression nesting.
  void LeaveExpression() { --expressionDepth_; }

  /// The SELECT CASE subject that IS reads, or nullptr outside a SELECT.
  Value* selectValue() const { return selectValue_.get(); }
  void setSelectValue(std::unique_ptr<Value> value);

  /// The activation whose statement called this one (nullptr for none).
  Activation* caller = nullptr;
  /// The procedure node this activation runs (nullptr in a global area).
  ProgramLine* procedure = nullptr;
  int32_t ifDepth = 0;
  /// "<GLOBAL>", or the procedure's name as called.
  std::string procedureName = kGlobalProcedureName;
  Module* module = nullptr;
  /// The line being executed; nullptr once the procedure is finished.
  ProgramLine* currentLine = nullptr;
  /// The ON ERROR target, up to 31 characters.
  std::string errorTarget;
  ControlStack controlStack;
  int32_t outputColumn = 0;

 private:
  Interpreter& interpreter_;
  int32_t typeWord_ = -1;
  NodeList ownLocals_;
  NodeList* locals_ = &ownLocals_;
  StatementCursor cursor_;
  std::unique_ptr<Value> selectValue_;
  int32_t expressionDepth_ = 0;
};

/// Holds one level of expression nesting for the lifetime of a scope.
class ExpressionNesting {
 public:
  explicit ExpressionNesting(Activation& activation) : activation_(activation) {
    activation_.EnterExpression();
  }
  ~ExpressionNesting() { activation_.LeaveExpression(); }
  ExpressionNesting(const ExpressionNesting&) = delete;
  ExpressionNesting& operator=(const ExpressionNesting&) = delete;

 private:
  Activation& activation_;
};

}  // namespace vorna
