// The expression evaluator: a recursive-descent reader straight over the
// statement text at an activation's cursor. There is no token stream and no
// syntax tree; the result lands in a value the caller supplies, and the
// cursor is left on the first character the expression did not use.
//
// Three levels of binary operators, and "^" inside a factor:
//   expression  + - & OR AND   (a leading sign or NOT applies to the first term)
//   term        MOD (once, and it ends the term), * / = <> < <= > >=
//   factor      operand, then ^ factor (right-associative)
// so comparisons bind like * and /: A = B AND X = Y is (A = B) AND (X = Y),
// while A + B = X is A + (B = X).
#pragma once

#include <cstdint>

namespace vorna {

class Activation;
class Value;

/// Evaluates one expression at the cursor into result. A typed result gives
/// its type to the first operand; a NONE result takes the computed type.
void EvaluateExpression(Activation& activation, Value& result);
/// Skips blanks, evaluates an expression into result and answers its
/// BOOLEAN flag as a truth; any other type is "Type Mismatch".
bool EvaluateCondition(Activation& activation, Value& result);

/// The levels below the expression, each writing into out.
void EvaluateTerm(Activation& activation, Value& out);
void EvaluateFactor(Activation& activation, Value& out);
void EvaluateName(Activation& activation, Value& out);
void ParseLiteral(Activation& activation, Value& out);

/// Gives a fresh accumulator the type of the value that will receive it: a
/// copy of a typed value, an empty OBJECT for an object, nothing for NONE.
void StartAccumulator(Value& accumulator, const Value& receiver);

}  // namespace vorna
