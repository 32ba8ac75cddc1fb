// The expression, term and factor levels of the evaluator.
#include "script/evaluator.h"

#include "script/activation.h"
#include "script/interpreter.h"
#include "script/keywords.h"
#include "values/char_class.h"
#include "values/errors.h"
#include "values/operators.h"
#include "values/value.h"

namespace vorna {

namespace {

enum class Lead { Plus, Minus, Not };

// Reads the leading sign or NOT of an expression; NOT replaces a sign.
Lead ReadLead(StatementCursor& cursor) {
  cursor.SkipBlanks();
  Lead lead = Lead::Plus;
  if (cursor.current() == '+' || cursor.current() == '-') {
    lead = cursor.Take() == '-' ? Lead::Minus : Lead::Plus;
  }
  if (cursor.MatchKeyword(KeywordId::Not, Prefix::NotAllowed)) lead = Lead::Not;
  return lead;
}

// One "op term" of an expression applied to the accumulator; false when the
// text at the cursor is no operator of this level.
bool ApplyExpressionOperator(Activation& activation, Value& accumulator) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  Value term;
  if (cursor.MatchKeyword(KeywordId::Or, Prefix::NotAllowed)) {
    EvaluateTerm(activation, term);
    Or(accumulator, term);
    return true;
  }
  if (cursor.MatchKeyword(KeywordId::And, Prefix::NotAllowed)) {
    EvaluateTerm(activation, term);
    And(accumulator, term);
    return true;
  }
  char op = cursor.current();
  if (op != '-' && op != '+' && op != '&') return false;
  cursor.Take();
  EvaluateTerm(activation, term);
  if (op == '-') {
    // The difference is written into the accumulator in its own type.
    Subtract(accumulator, accumulator, term);
    return true;
  }
  // A sum or a joined text replaces the accumulator with its own type.
  Value combined;
  if (op == '+') {
    Add(combined, accumulator, term);
  } else {
    Concatenate(combined, accumulator, term);
  }
  accumulator.Release();
  Assign(accumulator, combined);
  return true;
}

using Comparison = bool (*)(const Value&, const Value&);

// The comparison operator just taken (its first character is first); reads
// a second character where one belongs to it.
Comparison ReadComparison(StatementCursor& cursor, char first) {
  if (first == '=') return Equal;
  if (first == '>') {
    // No blank may stand inside ">=".
    if (cursor.current() != '=') return Greater;
    cursor.Take();
    return GreaterOrEqual;
  }
  cursor.SkipBlanks();
  if (cursor.current() == '>') {
    cursor.Take();
    return NotEqual;
  }
  if (cursor.current() == '=') {
    cursor.Take();
    return LessOrEqual;
  }
  return Less;
}

// out := out compare factor, as a BOOLEAN.
void CompareWithFactor(Activation& activation, Value& out, Comparison compare) {
  Value right;
  EvaluateFactor(activation, right);
  bool answer = compare(out, right);
  out.Release();
  out.SetBoolean(answer ? 1 : 0);
}

bool IsTermOperator(char c) {
  return c == '*' || c == '/' || c == '<' || c == '>' || c == '=';
}

void ApplyTermOperator(Activation& activation, Value& out, char op) {
  if (op == '*' || op == '/') {
    Value right;
    EvaluateFactor(activation, right);
    if (op == '*') {
      Multiply(out, out, right);
      return;
    }
    if (right.AsDouble() == 0.0) Raise(errorNumbers::DivisionByZero);
    Divide(out, out, right);
    return;
  }
  CompareWithFactor(activation, out, ReadComparison(activation.cursor(), op));
}

}  // namespace

void StartAccumulator(Value& accumulator, const Value& receiver) {
  if (receiver.type() == ValueType::NONE) return;
  if (receiver.type() == ValueType::OBJECT) {
    // Objects are never copied: the accumulator only learns that an object
    // is expected, and receives one from the operand.
    accumulator.SetObject(nullptr);
    return;
  }
  Assign(accumulator, receiver);
}

// expression -> [+ | -] [NOT] term { (OR | AND | - | + | &) term }
void EvaluateExpression(Activation& activation, Value& result) {
  ExpressionNesting nesting(activation);
  Lead lead = ReadLead(activation.cursor());
  Value accumulator;
  StartAccumulator(accumulator, result);
  EvaluateTerm(activation, accumulator);
  if (lead == Lead::Minus) Negate(accumulator);
  if (lead == Lead::Not) Not(accumulator);
  while (ApplyExpressionOperator(activation, accumulator)) {
  }
  Assign(result, accumulator);
}

bool EvaluateCondition(Activation& activation, Value& result) {
  activation.cursor().SkipBlanks();
  EvaluateExpression(activation, result);
  return result.AsBoolean() != 0;
}

// term -> factor MOD factor | factor { (* | / | = | <> | < | <= | > | >=) factor }
void EvaluateTerm(Activation& activation, Value& out) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  EvaluateFactor(activation, out);
  cursor.SkipBlanks();
  if (cursor.MatchKeyword(KeywordId::Mod, Prefix::NotAllowed)) {
    // One MOD ends the term: 7 MOD 3 * 2 leaves "* 2" to the caller.
    Value divisor;
    EvaluateFactor(activation, divisor);
    Mod(out, divisor);
    return;
  }
  for (;;) {
    cursor.SkipBlanks();
    char op = cursor.current();
    if (!IsTermOperator(op)) return;
    cursor.Take();
    ApplyTermOperator(activation, out, op);
  }
}

// factor -> (name | literal | "(" expression [")"]) [^ factor]
void EvaluateFactor(Activation& activation, Value& out) {
  StatementCursor& cursor = activation.cursor();
  cursor.SkipBlanks();
  char c = cursor.current();
  if (c >= 'A' && c <= 'Z') {
    EvaluateName(activation, out);
  } else if (c == '+' || c == '-' || c == '.' || c == '"' || IsDigit(c)) {
    ParseLiteral(activation, out);
  } else if (c == '(') {
    cursor.Take();
    EvaluateExpression(activation, out);
    // A missing ")" is no error here; the caller meets what follows.
    if (cursor.current() == ')') cursor.Take();
  } else {
    Raise(errorNumbers::Syntax);
  }
  cursor.SkipBlanks();
  if (cursor.current() != '^') return;
  // The exponent is a factor of its own, which takes any further "^":
  // 2 ^ 3 ^ 2 is 2 ^ 9.
  cursor.Take();
  ExpressionNesting nesting(activation);
  Value exponent;
  EvaluateFactor(activation, exponent);
  Value power;
  Power(power, out, exponent);
  out.Release();
  Assign(out, power);
}

}  // namespace vorna
