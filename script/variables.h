// Script variables: named values in the activation's local list and the
// interpreter's global list, found by name (locals first) and, for arrays,
// indexed by the list in parentheses that follows the name.
#pragma once

namespace vorna {

class Activation;
class Value;

/// The variable called name (upper case) in the activation's locals, else in
/// the globals; nullptr when neither has it.
Value* LookupVariable(Activation& activation, const char* name);

/// LookupVariable, and for an array the index list at the cursor, "(" i1
/// [, i2 [, i3]] ")", with the element selected. Raises "Variable is an
/// Array" when no "(" follows an array's name, "Dim Statement" for an index
/// of 0, "Array Bounds" outside a bound, "Illegal Use" without ")".
Value* ReferenceVariable(Activation& activation, const char* name);

/// Reads the index list at the cursor and selects the element of array.
void SelectIndices(Activation& activation, Value& array);

/// "= expression" (or ".member = expression" for an object) at the cursor,
/// for the variable called name: a known variable receives the expression in
/// its own type; an unknown name becomes a new local variable that takes the
/// expression's type. Raises "Illegal Use" without "=", "Undefined Object
/// Property/Method" for a member the object does not have.
void AssignToName(Activation& activation, const char* name);

/// Evaluates the expression at the cursor into variable, which must stay the
/// variable called name: the expression is computed first and stored last,
/// into the element selected before it ran, so that an expression that
/// selects other elements of the same array (A(1) = A(2) + 1) or re-declares
/// the variable cannot misdirect the store.
void EvaluateIntoVariable(Activation& activation, const char* name, Value& variable);

}  // namespace vorna
