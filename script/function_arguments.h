// The argument conventions every built-in function shares: an optional "$"
// after the names that allow one, a parenthesised list with required "(",
// "," and ")", and each argument evaluated into a fresh value of no type
// that the handler owns.
#pragma once

#include <cstdint>
#include <string>

namespace vorna {

class Activation;
class Value;

/// Whether a function's name may carry a "$" before its argument list.
enum class DollarSuffix { NotAllowed, Allowed };

/// Takes the optional "$" (when allowed) and the required "(" ("Illegal Use" without it).
void OpenArguments(Activation& activation, DollarSuffix suffix);
/// The required "," between two arguments ("Illegal Use" without it).
void NextArgument(Activation& activation);
/// The optional "," before an optional argument: true when it was there.
bool MoreArguments(Activation& activation);
/// The required ")" ("Illegal Use" without it).
void CloseArguments(Activation& activation);

/// Evaluates one argument into argument (a fresh value); unless low and high
/// are both 0, its LONG reading must lie in low..high ("Illegal Value").
void ReadArgument(Activation& activation, Value& argument, int32_t low = 0, int32_t high = 0);
/// Evaluates one argument and answers it as text: a STRING, or a CHARACTER as
/// a one-character text ("Type Mismatch" for anything else).
std::string ReadTextArgument(Activation& activation);

/// "( argument )" with the optional "$" when allowed: the whole list of a
/// one-argument function.
void ReadSingleArgument(Activation& activation, DollarSuffix suffix, Value& argument);
/// "( text )" with the optional "$" when allowed.
std::string ReadSingleTextArgument(Activation& activation, DollarSuffix suffix);

}  // namespace vorna
