// How each built-in function is written in an expression: its call form,
// how many arguments it takes and whether its name may carry a "$". The
// handlers read their own arguments; this one table says what they accept,
// for the script checker and the language reference, and a unit test holds
// it to what the handlers do.
#pragma once

#include <vector>

#include "script/function_arguments.h"
#include "script/keywords.h"

namespace vorna {

/// The ways a function name stands in an expression.
enum class CallForm {
  ArgumentList,  // NAME(a, b): parentheses around the arguments, "," between them
  EmptyList,     // RND(): the parentheses are required and hold nothing
  NoArguments,   // FREEFILE: no parentheses at all
  Member,        // ERR.NUMBER: a point and a member word
  Reserved,      // raises "Functionality Not Implemented" wherever it stands
};

/// The shape of one function keyword.
struct FunctionShape {
  KeywordId id;
  CallForm form;
  int minArguments;
  int maxArguments;
  DollarSuffix dollar;
};

/// One shape for each keyword whose first row is a function (the words that
/// an expression can call), in keyword order.
const std::vector<FunctionShape>& FunctionShapes();

/// The shape of a function keyword; nullptr for any other id.
const FunctionShape* FindFunctionShape(KeywordId id);

/// The member words of ERR, in the order they are tried.
const std::vector<const char*>& ErrMemberWords();

}  // namespace vorna
