// DIM, REDIM, LET, LSET, RSET and OPTION CONSOLE.
#include "statements/declaration_statements.h"

#include <cstdint>
#include <memory>
#include <string>

#include "script/activation.h"
#include "script/alias_guard.h"
#include "script/evaluator.h"
#include "script/host_output.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "script/variables.h"
#include "values/errors.h"
#include "values/value.h"

namespace vorna {

namespace {

// A declared name: never a keyword.
void ReadDeclaredName(StatementCursor& cursor, NameBuffer& name) {
  if (cursor.ReadName(name) == 0) Raise(errorNumbers::IllegalUse);
  if (FindKeywordByName(name) != nullptr) Raise(errorNumbers::InvalidUseOfKeyword);
}

// Removes and destroys the variable called name in list, unless a BYREF
// parameter still borrows it.
void DestroyVariable(Activation& activation, NodeList& list, const char* name) {
  NamedNode* node = list.FindByName(name);
  if (node == nullptr) return;
  RefuseIfBorrowed(activation, *static_cast<Value*>(node));
  list.Unlink(node);
  delete node;
}

enum class Alignment { Left, Right };

// The text of length n that LSET (left) or RSET (right) makes of text.
std::string Aligned(const std::string& text, size_t n, Alignment alignment) {
  if (text.size() >= n) {
    return alignment == Alignment::Left ? text.substr(0, n) : text.substr(text.size() - n);
  }
  std::string padding(n - text.size(), ' ');
  return alignment == Alignment::Left ? text + padding : padding + text;
}

// set -> (LSET | RSET) name = expression; the variable keeps its length.
StatementEnd AlignedSet(Activation& activation, Alignment alignment) {
  StatementCursor& cursor = activation.cursor();
  NameBuffer name;
  cursor.ReadName(name);
  Value* variable = ReferenceVariable(activation, name);
  if (variable == nullptr) {
    auto created = std::make_unique<Value>("");
    created->SetName(name);
    variable = created.get();
    activation.locals().Append(created.release());
  }
  uint64_t cell = variable->selectedCell();
  cursor.ExpectChar('=');
  Value result;
  cursor.SkipBlanks();
  EvaluateExpression(activation, result);
  // A FUNCTION in the expression may have re-declared the name.
  if (LookupVariable(activation, name) != variable) Raise(errorNumbers::UndefinedVariable);
  variable->ReselectCell(cell);
  std::string current = variable->AsString();
  variable->SetString(Aligned(result.AsString(), current.size(), alignment).c_str());
  return StatementEnd::Continue;
}

}  // namespace

// dim -> DIM name clause { , name clause }
StatementEnd DimStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  do {
    NameBuffer name;
    ReadDeclaredName(cursor, name);
    if (LookupVariable(activation, name) != nullptr) Raise(errorNumbers::VariableAlreadyDefined);
    activation.locals().Append(activation.Declare(name).release());
  } while (cursor.MatchChar(','));
  return StatementEnd::Continue;
}

// redim -> REDIM name clause: always a fresh local, even in place of a global.
StatementEnd ReDimStatement(Activation& activation) {
  NameBuffer name;
  ReadDeclaredName(activation.cursor(), name);
  DestroyVariable(activation, activation.interpreter().globals(), name);
  DestroyVariable(activation, activation.locals(), name);
  activation.locals().Append(activation.Declare(name).release());
  return StatementEnd::Continue;
}

StatementEnd LetStatement(Activation& activation) {
  activation.cursor().SkipBlanks();
  activation.ImplicitAssignment();
  return StatementEnd::Continue;
}

StatementEnd LSetStatement(Activation& activation) {
  return AlignedSet(activation, Alignment::Left);
}

StatementEnd RSetStatement(Activation& activation) {
  return AlignedSet(activation, Alignment::Right);
}

// option -> OPTION CONSOLE condition
StatementEnd OptionStatement(Activation& activation) {
  StatementCursor& cursor = activation.cursor();
  if (!cursor.MatchWord("CONSOLE", Prefix::NotAllowed)) Raise(errorNumbers::IllegalUse);
  Value condition;
  if (EvaluateCondition(activation, condition)) {
    OpenConsole(activation.interpreter());
  } else {
    CloseConsole(activation.interpreter());
  }
  return StatementEnd::Continue;
}

}  // namespace vorna
